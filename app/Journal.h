// The edit journal: every change of the design as one record of three lines (code, index, value) at the end of
// this instance's journal file, the count of records and the undo position, and the reading back of the records.
#pragma once

#include "editing/Ports.h"

#include <cstdint>
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
};

inline TJournal Journal;

// Appends the record held in CodeJournal, IndexJournal, ValeurJournal as three lines at the end of the journal file
// (a read of a whole design, code -2, always records the document's path). Nothing while a replay runs. After an
// undo the undone records are dropped first, so the design is again the whole journal. A write that fails is
// reported once.
void AjouteAuJournal();
// The same for a record built elsewhere (the editors' port).
void AjouteEnregistrement(const TEnregistrementJournal& enregistrement);

// Starts an empty journal: the file is made anew and empty, no record and no undo in progress.
void VideJournal();

// The first `nombre` records of the journal file, fewer when the file ends first; an empty code line ends them, and
// so does a record cut short, which is left out. False when the file cannot be opened.
bool LitJournal(std::int32_t nombre, std::vector<TEnregistrementJournal>& enregistrements);

// Puts these records in place of the journal file: written whole to the provisional file, which is then renamed
// over the journal, so that a failure at any point leaves the previous journal. False when that failed.
bool RemplaceJournal(const std::vector<TEnregistrementJournal>& enregistrements);
