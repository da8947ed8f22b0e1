// The list of the ten most recent files and the texts of their menu items.
#pragma once

#include "optics/Crochets.h"

#include <string>

// Puts Etat.CheminDocument at the head of the recent files when the document has a shown path
// (Etat.CheminAffiche not empty), rebuilds the texts, then lets the main window rebuild its menu items.
void MetAJourHistorique();

// Rebuilds the texts of the recent files, then lets the main window rebuild its menu items; the list is unchanged.
void MontreFichiersRecents();

// The text shown in the menu for one recent file.
std::string TexteHistorique(const std::string& entree);

// Removes entry k (1 to 10): the later entries move up and the last one is emptied.
void RetireFichierRecent(int k);

// Installed with the main window: shows the items of the non-empty entries, stopping at the first empty one.
inline void (*MontreHistorique)() = [] { CrochetAbsent("MontreHistorique"); };
