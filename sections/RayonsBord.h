// The three edge rays of the sections (k = -1, 0, +1 from the rim of the entrance to the other), traced through the
// instrument and the lens device, moved in from the edges that cut them, and coloured by what stopped them.
#pragma once

#include "optics/Modele.h"
#include "sections/Cadre.h"

#include <array>

// A device edge may move a ray in by 0.1 mm steps at most this many times; the next step abandons the drawing.
inline constexpr int PasRetraitMaximal = 1000;

// What the drawing needs of one edge ray once its retreats are over.
struct TRayonBord
{
    TColor Couleur = 0;
    // Neither the device nor the flat's edge still stops the ray: it is drawn past the first device surface.
    bool SuiteDessinee = false;
    // The start actually traced.
    double XDepart = 0;
    // Where the ray met each device surface (`HauteurImpact`).
    std::array<double, NombreMaxDioptres + 1> Hauteurs{};
    // Its hit on the primary (height and axial position, `ImpactPrimaire`) and on a secondary that records one.
    double HauteurPrimaire = 0;
    double CotePrimaire = 0;
    float HauteurSecondaire = 0;
    float CoteSecondaire = 0;
    // A point and the direction of the emerging ray.
    double XRayon = 0, ZRayon = 0, LRayon = 0, NRayon = 1;
    // The ray's first trace was cut, and what the banner names for it.
    bool Occulte = false;
    bool VignettageDispositif = false;
    bool DansTrouCentral = false;
    bool VignettageSecondaire = false;
};

enum class TIssueRayonsBord
{
    Traces, // the three rays are known
    Sautes, // the solve was interrupted or the reference ray was lost: no edge ray
    Abandon // a ray needed more steps than allowed: the drawing stops here
};

struct TRayonsBord
{
    TIssueRayonsBord Issue = TIssueRayonsBord::Sautes;
    // The rays known, in the order k = -1, 0, +1 (fewer after an abandon).
    int Nombre = 0;
    std::array<TRayonBord, 3> Rayons{};
};

// What a form adds to the shared rules: whether its flat or secondary is below the size the beam needs; whether
// that mirror moves a ray passing outside it in by whole millimetres and colours the rays (sky blue, pink), or the
// form draws them red whatever it does; whether a cut by the lens group's edge (`ArretGroupe`) counts as a cut
// ray; and whether it shows the banner `LabelOcculte` after each cut ray, and where.
struct TReglesRayonsBord
{
    bool SecondaireTropPetit = false;
    bool RetraitSecondaire = true;
    bool OcculteParGroupe = false;
    bool AvecBandeau = false;
    TPlaceBandeau PlaceBandeau{};
    // The solver and the tracer; tests put scripted ones in their place.
    void (*Prepare)() = nullptr;
    void (*Trace)() = nullptr;
};

// Solves the system, traces the reference ray, then the three edge rays with their retreats.
TRayonsBord TraceRayonsBord(const TReglesRayonsBord& regles);
