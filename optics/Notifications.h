// Hooks through which the optical model reaches the window without knowing it: the window effects
// of the resets, the beeps and the focus-search questions. The program installs them at start-up; one
// called before that fails loudly (optics/Crochets.h).
#pragma once

#include "optics/Crochets.h"
#include "optics/GenresBip.h"

struct TNotifications
{
    // Both resets leave the document unnamed: path and save name emptied, DocumentNomme cleared.
    // Instrument reset: plate-glass table and row cursor blanked, sheet controls hidden (CheckBox1
    // ticked and hidden), caption "Quivane", save and print actions disabled, type list shown empty,
    // sheet image cleared.
    void (*InstrumentReinitialise)() = [] { CrochetAbsent("Notifications.InstrumentReinitialise"); };
    // Device reset: the three editing frames hidden, "replace device" enabled when
    // `instrumentValide`, the place-before/after, save and diameter-optimisation actions disabled.
    void (*DispositifReinitialise)(bool instrumentValide) = [](bool) {
        CrochetAbsent("Notifications.DispositifReinitialise");
    };
    void (*Bip)(int genre) = [](int) { CrochetAbsent("Notifications.Bip"); };
    // A focus search gave up: ask the user for a new start value, stored in `DistanceFoyerDioptre`
    // (afocal search) or `DecalageFoyerInitial` (focal searches) before returning true; false stops
    // the computation.
    bool (*DemandeDistanceFoyerDioptre)() = [] {
        CrochetAbsent("Notifications.DemandeDistanceFoyerDioptre");
        return false;
    };
    bool (*DemandeDecalageFoyer)() = [] {
        CrochetAbsent("Notifications.DemandeDecalageFoyer");
        return false;
    };
};

inline TNotifications Notifications;

// The same hooks doing nothing and asking nobody: for a computation run only to be looked at and undone, and for
// the tests and measurements that run the model alone.
inline constexpr TNotifications NotificationsMuettes{[] {}, [](bool) {}, [](int) {}, [] { return false; },
                                                     [] { return false; }};
