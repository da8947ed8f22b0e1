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
// The rays of a group, each held here from the end of its instrument pass until it is handed back; one set
// per thread, as `Rayon`.
inline thread_local std::array<TRayon, RayonsEnSemble> RayonsGroupe;
// TraceRayon's second half for RayonsGroupe[0 .. nombre-1], ray k entering the device when `entre`[k].
void TraverseDispositifGroupe(int nombre, const std::array<bool, RayonsEnSemble>& entre);

// `nombre` rays (1 to RayonsEnSemble) traced as as many calls of TraceRayon would trace them one
// after the other, each starting from the state the one before left: `prepare`(k) sets up ray k in
// `Rayon` before its trace; `lit`(k, rayon) then reads ray k in its own record of RayonsGroupe,
// and returns false to skip the rest. Nothing is copied back into `Rayon`, which keeps what the
// last instrument pass left: a reader of a few values spares the copy of the whole record. The
// lens-device rows of the group run side by side, which more than halves the time of a long
// device. What a ray's device pass did not reach (rows past where it stopped; the last sphere's
// point and hit when it met none) is not what the ray before left there, as nothing reads it.
template <class FPrepare, class FLit>
bool TraceRayonsEnSembleLus(int nombre, FPrepare&& prepare, FLit&& lit)
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
        if (!lit(k, static_cast<const TRayon&>(RayonsGroupe[k])))
            return false;
    }
    return true;
}

// The same, each ray handed in turn to `suite`(k) in `Rayon`, which `suite` returning false leaves
// as that ray left it.
template <class FPrepare, class FSuite>
bool TraceRayonsEnSemble(int nombre, FPrepare&& prepare, FSuite&& suite)
{
    return TraceRayonsEnSembleLus(nombre, prepare, [&](int k, const TRayon& rayon) {
        Rayon = rayon;
        return suite(k);
    });
}
