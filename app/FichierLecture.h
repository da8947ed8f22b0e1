// The design file reader: versions 1 to 3, the whole design, the instrument alone, or the lens device replacing the
// current one or placed before or behind it.
#pragma once

#include "app/Etat.h"
#include "optics/Modele.h"

#include <string>

using TModeLecture = std::string;
inline const TModeLecture ModeOuvreFichier = "OuvreFichier";
inline const TModeLecture ModeRemplaceDispo = "RemplaceDispo";
inline const TModeLecture ModeAvantDispo = "AvantDispo";
inline const TModeLecture ModeApresDispo = "AprèsDispo";
// Set by the reader itself when the file's rows would overflow the lens device; kept after the read.
inline const TModeLecture ModeExces = "Excès";

struct TLecture
{
    // Inputs set by the caller.
    TModeLecture ModeLecture = ModeOuvreFichier;
    bool LectureInstrumentSeul = false;
    bool LectureDispositifSeul = false; // the three lens-device reads
    bool NouveauJournal = false; // a read that succeeds starts the journal anew, with this file as its
        // base; every read clears it

    // Outputs.
    bool LectureReussie = false;
    std::string LigneEntete;
    std::string TitreDispositifLu; // the device title of the file, for the placing commands
};

inline TLecture Lecture;

// Reads Etat.CheminDocument into the design as Lecture asks. A file that cannot be opened, ends early or is not a
// design is reported once and leaves the design, the document's names and the journal as they were. A success
// records the read in the journal (and keeps the first file read since the journal was emptied as its base copy).
// Returns Lecture.LectureReussie.
bool LitFichierConception();

// The whole design and the document's names, put back when a command's read fails.
struct TCopieConception
{
    TInstrument Instrument;
    TDioptreGroupe Groupe;
    TDioptre Dispositif;
    TLongueursOnde LongueursOnde;
    TReglages Reglages;
    TEtatEdition Edition;
    TValidite Validite;
    TSysteme Systeme;
    bool FichierIncorrect = false;
    std::string CheminDocument;
    std::string CheminAffiche;
    std::string NomEnregistrement;
    std::string CheminDocumentMemorise;
    bool DocumentNomme = false;
};

TCopieConception CopieConception();
void RestaureConception(const TCopieConception& copie);
