// The one entry through which every view, analysis and search traces a single ray, and its twin
// for the views that trace many independent rays.
#pragma once

#include <array>

#include "optics/Rayon.h"

// Runs the pass of the current form, then the lens device's surfaces when a valid device is
// switched on. Reads the inputs of `Rayon` and reports only through its records and flags.
// A ray the instrument lost (`RayonPerdu`) does not enter the device and stays lost; a real ray
// outside the secondary or flat does not enter it either.
void TraceRayon();

// TraceRayon's first half: the form's pass; true when the ray goes on into the lens device.
bool TraceRayonInstrument();

// Most rays traced together.
inline constexpr int RayonsEnSemble = 4;
// The rays of a group, each held here from the end of its instrument pass until it is handed back.
inline std::array<TRayon, RayonsEnSemble> RayonsGroupe;
// TraceRayon's second half for RayonsGroupe[0 .. nombre-1], ray k entering the device when `entre`[k].
void TraverseDispositifGroupe(int nombre, const std::array<bool, RayonsEnSemble>& entre);

// `nombre` rays (1 to RayonsEnSemble) traced as as many calls of TraceRayon would trace them one
// after the other, each starting from the state the one before left, and handed in turn to
// `suite` in `Rayon`: `prepare`(k) sets up ray k in `Rayon` before its trace; `suite`(k) reads it
// and returns false to skip the rest, leaving `Rayon` as that ray left it. The lens-device rows of
// the group run side by side, which more than halves the time of a long device. What a ray's
// device pass did not reach (rows past where it stopped; the last sphere's point and hit when it
// met none) is not what the ray before left there, as nothing reads it.
template <class FPrepare, class FSuite>
bool TraceRayonsEnSemble(int nombre, FPrepare&& prepare, FSuite&& suite)
{
    std::array<bool, RayonsEnSemble> entre{};
    for (int k = 0; k < nombre; ++k)
    {
        prepare(k);
        entre[k] = TraceRayonInstrument();
        RayonsGroupe[k] = Rayon;
    }
    TraverseDispositifGroupe(nombre, entre);
    for (int k = 0; k < nombre; ++k)
    {
        Rayon = RayonsGroupe[k];
        if (!suite(k))
            return false;
    }
    return true;
}
