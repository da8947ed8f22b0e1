// The edit journal: the record being written and the count of records in the journal file.
#pragma once

#include <cstdint>
#include <string>

struct TJournal
{
    // The record being built: code, index (row, option or 0) and value as text.
    std::int32_t CodeJournal = 0;
    std::int32_t IndexJournal = 0;
    std::string ValeurJournal;
    std::int32_t NombreEnregistrementsJournal = 0;
    bool RejeuEnCours = false; // a replay is running: nothing is appended
};

inline TJournal Journal;

// Appends the record held in CodeJournal, IndexJournal, ValeurJournal as three lines at the end of the journal file
// (a read of a whole design, code -2, always records the document's path). Nothing while a replay runs.
void AjouteAuJournal();

// Starts an empty journal: the file is made anew and empty, no record and no undo in progress.
void VideJournal();
