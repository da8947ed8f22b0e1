// What the design-file routines change in the main window, through hooks the main window installs; each defaults
// to doing nothing, so the routines run the same without a window.
#pragma once

#include <string>

struct TFenetreFichier
{
    void (*Titre)(const std::string& titre) = [](const std::string&) {};
    // "Remplacer le dispositif actuel", "Placer devant ..." and "Placer derrière ..." enabled or not.
    void (*ActionsDispositif)(bool remplace, bool avant, bool apres) = [](bool, bool, bool) {};
    void (*ActionEnregistrer)(bool active) = [](bool) {};
    // The view buttons: "Instrument" pressed, the others released.
    void (*BoutonsVuesInstrument)() = [] {};
    // Hides or reopens the edit box: after an open it reopens on the form's first value.
    void (*CacheSaisie)() = [] {};
    void (*RouvreSaisie)() = [] {};
};

inline TFenetreFichier FenetreFichier;
