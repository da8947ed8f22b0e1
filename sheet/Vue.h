// The views of the main window's page: the start, the design sheet alone, and the five views drawn below the sheet,
// one per view button.
#pragma once

enum class TVue
{
    Aucune, // after a file was opened, until the refresh takes the view its buttons name
    Depart, // the start, before any design was shown
    Tableau,
    Instrument,
    Dispositif,
    Champ,
    EtoileMultiple,
    EtoileUnique
};
