// The edit journal: every change of the design as one record of three lines (code, index, value) at the end of
// this instance's journal file, the count of records and the undo position, and the reading back of the records.
#pragma once

#include "editing/Ports.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct TJournal
{
    // The record being built: code, index (row, option or 0) and value as text.
    std::int32_t CodeJournal = 0;
    std::int32_t IndexJournal = 0;
    std::string ValeurJournal;
    std::int32_t NombreEnregistrementsJournal = 0;
    bool RejeuEnCours = false; // a replay is running: nothing is appended
    bool EchecSignale = false; // a failed write of the journal was reported; once is enough
    // The file name of the design first read, as record -2 restores it; Save as proposes it after a recovery.
    std::string NomFichierOrigine;
    // The records of this run's journal, which undo and redo replay; the file holds them for a later recovery.
    // Kept only where the journal has a file.
    std::vector<TEnregistrementJournal> Enregistrements;
    // False once the file no longer holds exactly these records (a write failed, or a cut record ends it): nothing
    // may then be appended after what it lacks, and the next write puts the whole journal in its place.
    bool FichierAJour = true;
    // The number of records of the design its file last held: the first record (the design read or started)
    // until a save; -1 once those records were cut by a change after an undo.
    std::int32_t PositionEnregistree = 1;
    // The design read could not be kept as the journal's base: nothing is journaled until the next design starts a
    // journal of its own (the journal is emptied).
    bool Arrete = false;
};

inline TJournal Journal;

// Appends the record held in CodeJournal, IndexJournal, ValeurJournal (a read of a whole design, code -2, always
// records the document's path). Nothing while a replay runs. After an undo the undone records are dropped first, so
// the design is again the whole journal. A write that fails is reported once.
void AjouteAuJournal();
// The same for a record built elsewhere (the editors' port).
void AjouteEnregistrement(const TEnregistrementJournal& enregistrement);

// Whether the design after the first `position` records is one the user had, not one between the records of a
// command that a closing record counts: undo and redo stop only there.
bool PositionEntreCommandes(std::int32_t position);
// The same for every position 0 .. size of the records given, in one pass: a replay asks it of each record.
std::vector<bool> PositionsEntreCommandes(std::span<const TEnregistrementJournal> enregistrements);

// Starts an empty journal: the file is made anew and empty, no record and no undo in progress.
void VideJournal();

// Tells the user, once in the run, that the journal cannot be written: undo, redo and recovery will be incomplete.
void SignaleEchecJournal();

// The first `nombre` records of the journal file, fewer when the file ends first; an empty code line ends them. A
// record the file ends inside (a line without its line end, or lines missing) is the trace of a write that was cut:
// it is left out. False when the file cannot be opened. With `entier`, whether the file holds these records and
// nothing after them.
bool LitJournal(std::int32_t nombre, std::vector<TEnregistrementJournal>& enregistrements, bool* entier = nullptr);

// Takes these records as this run's journal, the file holding them exactly or not.
void AdopteJournal(std::vector<TEnregistrementJournal> enregistrements, bool fichierAJour);

// Writes these records whole to the provisional journal file, the journal itself untouched. False when that failed;
// no provisional file is then left.
bool EcritJournalProvisoire(const std::vector<TEnregistrementJournal>& enregistrements);
