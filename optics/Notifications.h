// Hooks through which the optical model reaches the window without knowing it: the window effects
// of the resets and the beeps. The main window installs them; each defaults to doing nothing.
#pragma once

#include "optics/GenresBip.h"

struct TNotifications
{
    // Both resets leave the document unnamed: path and save name emptied, DocumentNomme cleared.
    // Instrument reset: plate-glass table and row cursor blanked, sheet controls hidden (CheckBox1
    // ticked and hidden), caption "Quivane", save and print actions disabled, type list shown empty,
    // sheet image cleared.
    void (*InstrumentReinitialise)() = [] {};
    // Device reset: the three editing frames hidden, "replace device" enabled when
    // `instrumentValide`, the place-before/after, save and diameter-optimisation actions disabled.
    void (*DispositifReinitialise)(bool instrumentValide) = [](bool) {};
    void (*Bip)(int genre) = [](int) {};
    // A focus search gave up: ask the user for a new start value, stored in `DistanceFoyerDioptre`
    // (afocal search) or `DecalageFoyerInitial` (focal searches) before returning true; false stops
    // the computation. With nobody to ask, the computation stops.
    bool (*DemandeDistanceFoyerDioptre)() = [] { return false; };
    bool (*DemandeDecalageFoyer)() = [] { return false; };
};

inline TNotifications Notifications;
