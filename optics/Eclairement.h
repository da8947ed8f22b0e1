// Relative illumination of a field point: the share of the entrance pupil whose light reaches the
// image once the obstructions and the apertures have taken theirs.
#pragma once

#include <cstdint>
#include <optional>

// Rays a star view has traced for the current field point, and how many of them passed.
struct TRayonsComptes
{
    std::int32_t Passes;
    std::int32_t Traces;
};

// Sets `Eclairement` (0..1, or -100 when a rim ray is lost) for the field direction the caller set
// in `Rayon`, on the solved system. A star view gives its counted rays: the forms whose shadows the
// geometric estimate cannot follow then report the counted ratio. The caller's ray inputs (field
// angle, pupil point, reference flag) are given back as they were; the working indices are left at
// the last colour computed.
void CalculeEclairement(std::optional<TRayonsComptes> comptes = std::nullopt);

// Traces a meridional rim ray: the instrument's pass, then the lens device (present, whether
// switched on or not) with the rim kernels, recording `HauteurBord`.
void TraceRayonBord();

// Area of the disc of radius b lying outside the disc of radius a, their centres d apart.
double AireRecouvrement(double a, double b, double d);

// Fraction of the disc of radius b covered by the disc of radius a, their centres d apart; 1
// whenever one disc lies wholly inside the other.
double FractionNonObstruee(double a, double b, double d);
