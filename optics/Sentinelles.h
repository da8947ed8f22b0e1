// Special values stored in the design's fields and the thresholds every reader tests them with.
#pragma once

#include <cmath>

// Radius of a surface (lens device, lens group).
inline constexpr double RayonVide = 0.0; // row not filled in
inline constexpr double RayonPlan = 1e20; // plane surface, shown "Plan"
inline constexpr double RayonDiaphragme = 1e30; // aperture stop, shown "Diaph."
inline constexpr double SeuilRayonPlan = 1e19;
inline constexpr double SeuilRayonDiaphragme = 1e21;
inline constexpr double SeuilRayonNul = 1e-6;

// Thickness to the next surface (for the last device row, to the image).
inline constexpr double EpaisseurNonSaisie = -1.0;
inline constexpr double EpaisseurInfinie = 1e20; // last device row only: afocal system
inline constexpr double SeuilEpaisseurNonSaisie = -1e-6;
inline constexpr double SeuilEpaisseurInfinie = 1e19;
// Minimum thickness between two faces when a radius is smaller than half its diameter: no thickness will do.
inline constexpr double EpaisseurMinimaleImpossible = 1e20;

// Conic constants of the mirrors and the back-focus clearance.
inline constexpr double CoefficientACalculer = 1e20; // conic constant left to the design formulas
inline constexpr double SeuilCoefficientACalculer = 1e19;
inline constexpr double SansTermeOrdre6 = -1.0; // second coefficient: no sixth-order term
inline constexpr double DegagementNonSaisi = 1e20;
inline constexpr double SeuilDegagementNonSaisi = 1e19;

// Diameters and indices: 0 is "not entered".
inline constexpr double SeuilDiametreNul = 1e-6;
inline constexpr double SeuilIndiceVide = 1e-6; // an index at or below it counts as empty in a row
inline constexpr float IndiceMinimal = 1.0f; // an index below it cannot be traced

inline constexpr bool EstPlan(double rayon)
{
    return rayon > SeuilRayonPlan;
}
inline constexpr bool EstDiaphragme(double rayon)
{
    return rayon > SeuilRayonDiaphragme;
}
// A diaphragm whatever the sign, as the device kernels test it.
inline bool EstDiaphragmeAbsolu(double rayon)
{
    return std::abs(rayon) > SeuilRayonDiaphragme;
}
// Validity test: below the threshold the radius was never given.
inline bool EstRayonManquant(double rayon)
{
    return std::abs(rayon) < SeuilRayonNul;
}
// Empty-row test: at or below the threshold.
inline bool EstRayonVide(double rayon)
{
    return std::abs(rayon) <= SeuilRayonNul;
}

inline constexpr bool EstEpaisseurInvalide(double epaisseur)
{
    return epaisseur < SeuilEpaisseurNonSaisie;
}
inline constexpr bool EstEpaisseurVide(double epaisseur)
{
    return epaisseur <= SeuilEpaisseurNonSaisie;
}
inline constexpr bool EstEpaisseurInfinie(double epaisseur)
{
    return epaisseur > SeuilEpaisseurInfinie;
}

inline constexpr bool EstCoefficientACalculer(double coefficient)
{
    return coefficient > SeuilCoefficientACalculer;
}
inline constexpr bool EstSansTermeOrdre6(double coefficient)
{
    return coefficient == SansTermeOrdre6;
}
inline bool EstDegagementNonSaisi(double degagement)
{
    return std::abs(degagement) > SeuilDegagementNonSaisi;
}

inline constexpr bool EstDiametreManquant(double diametre)
{
    return diametre < SeuilDiametreNul;
}
inline constexpr bool EstIndiceInutilisable(float indice)
{
    return indice < IndiceMinimal;
}
inline constexpr bool EstIndiceVide(float indice)
{
    return indice <= SeuilIndiceVide;
}

// No lens-device surface stopped the ray.
inline constexpr int AucunDioptreArret = 31;
