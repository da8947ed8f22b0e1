// The state of the one ray being traced: inputs set by the caller, the running point and direction,
// the hits recorded for the drawings and analyses, and the flags through which the tracer reports.
#pragma once

#include <array>
#include <cstdint>

#include "optics/Modele.h"

// x lies in the plane of the section drawings, y across it, z along the axis; each pass fixes its
// own origin and sense of z. Directions are direction cosines (L, M, N). Callers clear `RayonBloque`,
// `ArretDispositif`, `VignettageDispositif`, `ArretGroupe`, `HorsSecondaire`, `DansTrouCentral`,
// `ArretBordTrou` (and the flags they test) before each ray; the device passes only ever set them.
// Some instrument passes start a ray afresh and clear flags themselves: the primary's reflection
// (RefleteMiroirPrimaire) sets `RayonBloque` from the secondary's shadow and clears it otherwise;
// the corrector group (TraverseCorrecteurEtPrimaire, of the Maksutov and Houghton forms) clears
// `RayonBloque`, `ArretGroupe` and `HorsSecondaire` on entry; the refractor (TraceLunette) clears
// `RayonBloque` and `ArretGroupe` on entry and again at the end, with `RayonOcculte`; and the
// Schmidt, Maksutov and Lurie-Houghton passes clear `RayonBloque` for the reference ray.
struct TRayon
{
    // ---- Inputs ----
    double AngleChamp = 0; // field angle u, radians; the caller sets its sine and cosine too
    double SinusAngleChamp = 0;
    double CosinusAngleChamp = 1;
    double XDepart = 0; // pupil point, mm
    double YDepart = 0;
    double ZDepart = 0; // z of the entry point, set by the first element of the pass
    bool EstRayonReference = false; // aiming ray: no obstruction test, device traced even outside the secondary
    bool DispositifActif = true; // false traces the instrument alone

    // ---- Running ray ----
    double XRayon = 0, YRayon = 0, ZRayon = 0; // a point of the current ray (after a sphere: its hit)
    double LRayon = 0, MRayon = 0, NRayon = 1; // direction in the device, on the mirrors, in the Klevtsov group
    // Direction at the primary and inside the groups of the refractor, the meniscus and the Houghton
    // corrector; a group pass copies it into LRayon.. when it ends.
    double LIncident = 0, MIncident = 0, NIncident = 1;
    double XRelatif = 0, YRelatif = 0, ZRelatif = 0; // running point relative to the sphere's centre
    double XImpact = 0, YImpact = 0, ZImpact = 0; // last sphere hit, relative to its centre (plane: x only)
    double DistanceImpact = 0; // path parameter of the last rim-ray sphere hit
    double CarreDistanceAxePrimaire = 0; // x^2 + y^2 of the pupil point or of the primary hit

    // ---- Hits, per surface (device rows 1..30, group rows 1..13) ----
    std::array<double, NombreMaxDioptres + 1> HauteurImpact{}; // x of the hit on device surface i
    std::array<double, NombreMaxDioptres + 1> CarreDistanceAxe{}; // x^2 + y^2 of it; [0]: at the secondary's plane
    // Largest x^2 + y^2 met on device surface i since the caller last cleared it.
    std::array<double, NombreMaxDioptres + 1> CarreDistanceAxeMaximal{};
    std::array<double, NombreMaxDioptres + 1> HauteurBord{}; // rim ray; [0] at the plane of the secondary
    std::array<double, NombreMaxDioptresGroupe + 1> HauteurGroupeAller{}; // [0]: the Klevtsov secondary
    std::array<double, NombreMaxDioptresGroupe + 1> CarreDistanceAxeGroupe{};
    std::array<double, NombreMaxDioptresGroupe + 1> HauteurGroupeRetour{}; // Klevtsov group, back from the secondary
    std::array<double, NombreMaxDioptresGroupe + 1> CarreDistanceAxeGroupeRetour{};
    // x of the hit on group surface i and its z in the drawing frame of the form (refractor: from the
    // start plane; Maksutov and Houghton forms: distance from the primary's vertex).
    std::array<double, NombreMaxDioptresGroupe + 1> HauteurImpactGroupe{};
    std::array<double, NombreMaxDioptresGroupe + 1> CoteImpactGroupe{};

    // `RayonBloque` as it stood after group surface i (1..13), for the refractor, meniscus and
    // Houghton passes. The primary's edge in the meniscus and Houghton passes has a flag of its own,
    // `RayonBloqueMiroir`, so that a corrector of three or more surfaces keeps its own record of
    // surface 3. The views read the meniscus through the accessors below.
    std::array<bool, NombreMaxDioptresGroupe + 1> RayonBloqueGroupe{};
    bool RayonBloqueMiroir = false; // met the primary outside DiametreMiroir / 2
    bool PremiereFaceBloque() const { return RayonBloqueGroupe[1]; }
    bool SecondeFaceBloque() const { return RayonBloqueGroupe[2]; }
    bool MiroirBloque() const { return RayonBloqueMiroir; }

    double HauteurImpactMiroir = 0, CoteImpactMiroir = 0; // Schmidt primary, mirror frame
    std::array<double, 3> ImpactPrimaire{}; // x, y, z of the last hit on a spherical primary, mirror frame
    float HauteurImpactSecondaire = 0, CoteImpactSecondaire = 0; // Maksutov-Cassegrain secondary, primary's frame
    double HauteurTrou = 0; // distance from the axis where the ray crosses the plane of the central hole
    double DistanceTrou = 0; // path from the secondary to that plane

    // ---- Flags ----
    bool RayonPerdu = false; // a surface missed, total reflection, or an unending search
    bool RayonBloque = false; // stopped by an obstruction or an edge
    bool ArretDispositif = false; // outside a device (or Klevtsov group) clear aperture, accumulated
    bool VignettageDispositif = false; // a device sphere was missed
    std::int32_t DioptreArret = AucunDioptreArret; // device surface that stopped the ray
    bool ArretGroupe = false; // outside a lens-group surface's aperture
    bool ManqueSecondaire = false;
    bool HorsSecondaire = false; // passed outside the secondary or flat (Maksutov: image outside the lit field)
    bool DansOmbreSecondaire = false; // in the shadow of the secondary or flat
    bool DansTrouCentral = false;
    bool ArretBordTrou = false;
    bool RayonOcculte = false; // set by the section views; the refractor pass clears it
};

// Each thread has its own ray, so that several threads may trace at once over the same design; a thread
// starts with a fresh record, which it copies from the caller's before tracing on its behalf.
inline thread_local TRayon Rayon;
// Set on a thread that traces rays for another one: the design's records that a trace also fills in for the
// sections and the formulas (the instrument's `ImpactPrimaire`) are left to that other thread.
inline thread_local bool TraceAuxiliaire = false;
