// What the design-file routines change in the main window, through hooks the program installs at start-up; one
// called before that fails loudly (optics/Crochets.h).
#pragma once

#include "optics/Crochets.h"

#include <string>

struct TFenetreFichier
{
    void (*Titre)(const std::string& titre) = [](const std::string&) { CrochetAbsent("FenetreFichier.Titre"); };
    // "Remplacer le dispositif actuel", "Placer devant ..." and "Placer derrière ..." enabled or not.
    void (*ActionsDispositif)(bool remplace, bool avant, bool apres) = [](bool, bool, bool) {
        CrochetAbsent("FenetreFichier.ActionsDispositif");
    };
    void (*ActionEnregistrer)(bool active) = [](bool) { CrochetAbsent("FenetreFichier.ActionEnregistrer"); };
    // The view buttons: "Instrument" pressed, the others released.
    void (*BoutonsVuesInstrument)() = [] { CrochetAbsent("FenetreFichier.BoutonsVuesInstrument"); };
    // Hides or reopens the edit box: after an open it reopens on the form's first value.
    void (*CacheSaisie)() = [] { CrochetAbsent("FenetreFichier.CacheSaisie"); };
    void (*RouvreSaisie)() = [] { CrochetAbsent("FenetreFichier.RouvreSaisie"); };
};

inline TFenetreFichier FenetreFichier;
