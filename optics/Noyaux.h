// Surface kernels of the tracer (refraction at spheres and planes, the mirror sag series) and the
// blocks that several forms' passes share (primary reflection, secondary mirror, central hole).
#pragma once

#include <cmath>

#include "optics/Sentinelles.h"

struct TVecteur
{
    double x, y, z;
};
inline TVecteur operator+(TVecteur a, TVecteur b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline TVecteur operator-(TVecteur a, TVecteur b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline TVecteur operator*(double k, TVecteur a)
{
    return {k * a.x, k * a.y, k * a.z};
}
inline double Scalaire(TVecteur a, TVecteur b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline double Norme(TVecteur a)
{
    return std::sqrt(Scalaire(a, a));
}

// ---- Refraction kernels; `i` is the surface's row (1-based) ----
// Each does nothing when its gate flag is clear or when the ray is already lost. Sphere kernels are
// for radii below the plane threshold, plane kernels for the rest (planes and diaphragms).

// Lens device: direction LRayon..; indices IndiceTrace[i] into [i+1]; records HauteurImpact,
// CarreDistanceAxe and CarreDistanceAxeMaximal; edge flag ArretDispositif.
void RefracteSphereDispositif(int i);
void RefractePlanDispositif(int i);
// Device rows 1..`nombre` in turn, as the two kernels above, up to the first row that loses the ray.
void TraverseDispositif(int nombre);
// The same rows for `nombre` rays (at most four) side by side, ray k entering when `entre`[k]; each
// ray's running maxima then include those of the rays before it, as if traced one after the other.
struct TRayon;
void TraverseDispositifEnSemble(TRayon* rayons, const bool* entre, int nombre, int lignes);
// Lens group of the refractor, the meniscus and the Houghton corrector: direction LIncident..;
// indices IndiceTraceGroupe[i-1] into [i]; edge flag ArretGroupe on x alone.
void RefracteSphereGroupe(int i);
void RefractePlanGroupe(int i);
// Group rows 1..`nombre` in turn, as the two kernels above, from the pupil point (z = 0) along the
// field direction; the direction the ray leaves with also goes into LRayon... Records
// `CarreDistanceAxePrimaire` and `ZDepart` of the pupil point, and after each row
// `HauteurImpactGroupe` (x of the hit), `CoteImpactGroupe` (z of the hit in the pass's frame; a
// plane's vertex) and `RayonBloqueGroupe`. The rows from one that loses the ray on keep the last
// hit recorded.
void TraverseGroupeDepuisPupille(int nombre);
// Klevtsov group towards the secondary, and back from it in the pass's mirrored frame (z negated).
void RefracteSphereKlevtsovAller(int i);
void RefracteSphereKlevtsovRetour(int i);
void RefractePlanKlevtsovRetour(int i);
// Rows 1..N towards the secondary, or N..1 back from it, each by its kernel above, up to the first
// row that loses the ray. False when the ray is lost.
bool TraverseGroupeKlevtsovAller();
bool TraverseGroupeKlevtsovRetour();
// Meridional rim ray through the lens device (y and M left out): records HauteurBord.
void RefracteSphereBord(int i);
void RefractePlanBord(int i);

// ---- Mirror sag series ----
// z(h) = h^2/2R + (1+K) h^4/8R^3 + (1+K2) h^6/16R^5 at h^2 = `h2`; K2 = -1 drops the last term.
// The series' coefficients are worked out once per mirror and kept from ray to ray while the design
// values they come from stay the same bits.
struct TMiroir
{
    double R;
    double Fleche2, Fleche4, Fleche6; // 1/2R, (1+K)/8R^3, (1+K2)/16R^5
    double Normale0, Normale2, Normale4; // 1/R, (1+K)/2R^3, 3(1+K2)/8R^5
    double Conique; // K as the series takes it: the conic it expands, where a search for the hit starts
    // Whether the series' sixth-order term is far from its conic's ((1+K2) against (1+K)^2): a search
    // started on the conic then starts well outside the tolerance.
    bool QuitteConique;
};
TMiroir FormeMiroir(double r, double inverseR3, double inverseR5, double k, double k2);
double FlecheMiroir(const TMiroir& miroir, double h2);
// 1 / a, a such that the normal at height h is along (-x, -y, a) and crosses the axis at z(h) + a.
double InverseFacteurNormale(const TMiroir& miroir, double h2);

// Whether a conic constant makes the mirror aspheric enough to search its hit on the sag series:
// above 1e-6 in size, and not the mark of a constant still to be computed.
inline bool EstAspherique(double conique)
{
    const double taille = std::abs(conique);
    return taille > 1e-6 && taille < SeuilCoefficientACalculer;
}

// Most steps of a search for the hit on an aspheric mirror; a ray still unsettled is lost.
inline constexpr int PasMaximauxFleche = 1000;
inline constexpr double ToleranceFleche = 1e-8; // mm
// A gap this many times the mirror's radius is rounding: sixteen units in the last place of the
// coordinates, about the radius in size, that it is worked out from.
inline constexpr double ToleranceArrondi = 0x1p-48;

// Rows of the lens group and of the device, kept within their tables whatever the counts hold.
int NombreSurfacesGroupe();
int NombreSurfacesDispositif();

// ---- Blocks shared by the mirror passes ----

// Newton's pass and the first block of the two-mirror forms: reflection at the primary from the
// pupil point, then the flat's or secondary's shadow and edge tests. Frame: origin at the
// primary's vertex, z towards the sky; the reflected light leaves the hit towards +z.
void RefleteMiroirPrimaire();

// The entering ray falls into the central hole of the primary (real rays only).
void TesteEntreeTrou();

enum class TFormeSecondaire
{
    Convexe, // series normal, second crossing (Cassegrain family, Klevtsov, Maksutov-Cassegrain)
    Concave, // series normal, first crossing (Gregory, Schwarzschild)
    Spherique, // the sphere's own normal (Schmidt-Cassegrain, Houghton-Cassegrain)
};
// Reflection at the secondary of centre of curvature `centre` (z in the incoming frame). The ray
// leaves from its hit, in the exit frame (z negated). `impact` receives the hit in the secondary's
// frame (z' = centre - z). False when the secondary is missed or its hit does not settle: the ray
// is then blocked and lost.
bool RefleteSecondaire(double centre, TFormeSecondaire forme, bool chercheFleche, TVecteur& impact);
// The two-mirror forms' blocks in turn: RefleteMiroirPrimaire, TesteEntreeTrou, RefleteSecondaire
// with the search on the series, and the hole-edge test; the hole tests only on forms with a hole.
// False when the secondary loses the ray (no edge test then).
enum class TTrouPrimaire
{
    Aucun, // Schwarzschild: the focus lies between the mirrors
    Cassegrain, // TesteBordTrou
    // The Gregory's stricter test first, made whatever the hole: the squared distance at the hole's
    // plane against the hole's squared diameter, so that without a hole only a ray through the axis
    // passes; then TesteBordTrou.
    Gregory,
};
// The form and the hole are the calling form's own: known when the block is compiled, the sign of
// the series folds into its coefficients and the tests of the other forms drop out, which leaves
// fewer of the ray's values to be put aside on the stack.
template <TFormeSecondaire Forme, TTrouPrimaire Trou>
bool RefleteMiroirs(double centre, TVecteur& impact);

// z of the primary's plane in the exit frame of the Cassegrain forms.
double PlanDuTrou();
// The emerging ray at the plane of the primary's hole, when there is a hole (every ray).
void TesteBordTrou();
// Path of the emerging ray from the secondary's hit (secondary frame, centre `centre`) to that plane.
void MesureDistanceTrou(double centre, TVecteur impact);

// The reflected ray's line at z = -DegagementFoyer of the mirror frame falls into the central hole
// (Schmidt-Cassegrain and Houghton-Cassegrain, every ray, when there is a hole).
void TesteEntreeTrouReflechi();

// ---- Spherical primary behind a plate, meniscus or corrector ----
// `p`, `d`: the ray leaving the plate or group, in the frame centred on the mirror's centre of
// curvature with z towards the mirror. The hit goes into the ray's `ImpactPrimaire` (and the
// instrument's, for the sections and formulas) and the ray leaves in the mirror frame (origin at the vertex, z back towards the plate) from the hit. With `chercheFleche`
// the hit is moved onto the primary's sag series; the normal stays the sphere's. False when the
// mirror is missed or the hit does not settle: the ray is then blocked and lost.
bool RefleteMiroirSpherique(TVecteur p, TVecteur d, bool chercheFleche);

// Squared distance from the axis, at the plane z of the mirror frame, of the incoming ray followed
// back from the mirror hit, of the same ray through the pupil point, and of the reflected ray.
double CarreEntrantDepuisImpact(double z);
double CarreEntrantDepuisPupille(double z);
double CarreReflechi(double z);

// ---- Correctors in front of a spherical primary (meniscus, Houghton group) ----
// Crosses group rows 1..`nombre` from the pupil point along the field direction, entry frame z = 0
// at the start plane and z towards the mirror, recording each surface's hit with its z counted
// from the primary's vertex (`distanceMiroir` from the start plane) and the blocked state after it;
// then reflects the ray at the primary (RefleteMiroirSpherique). False when the ray is lost.
bool TraverseCorrecteurEtPrimaire(int nombre, double distanceMiroir, bool chercheFleche);
// The primary met outside DiametreMiroir / 2 (every ray): `RayonBloqueMiroir`.
void TesteBordMiroirCorrecteur();
