// The smallest diameter of each lens-device surface that lets the whole beam through, for one distance of the image
// from the axis, found by tracing the beam's rays in each colour the design can trace.
#pragma once

#include "optics/Modele.h"

#include <array>

// Why an optimisation gives no diameters.
enum class TRefusOptimisation
{
    Aucun,
    // The system could not be solved, or the afocal chief ray could not be aimed at the distance.
    Impossible,
    // The chief ray or a ray of the beam is lost (total reflection, a surface missed).
    ReflexionTotale,
    // A ray of the beam passes beside the secondary mirror.
    BordSecondaire,
    // A new diameter wider than its sphere, or a thickness below what the new diameters need.
    EpaisseurInsuffisante
};

struct TOptimisationDiametres
{
    TRefusOptimisation Refus = TRefusOptimisation::Aucun;
    // Rows 1..NombreDioptres: the beam's full width there plus 0.2 mm; set only when nothing refused.
    std::array<double, NombreMaxDioptres + 1> Diametres{};
};

// The afocal chief ray is aimed at most this many times before the optimisation gives up.
inline constexpr int VisesOptimisationMaximales = 1000;

// Solves the system, aims the chief ray at `distance` (mm on the image for a focal device, degrees of apparent field
// for an afocal one), then traces five rays of the beam at that field (the chief ray and the pupil points at the
// focus ray's height and at the rim, on both sides) in green, then red and blue when three colours can be traced.
// Each surface's new diameter is twice the largest distance from the axis they met there, plus 0.2 mm; a new
// diameter that its sphere cannot span, or a thickness that the new diameters make too small, refuses the lot.
// The design is not changed: the caller stores the diameters. The traced indices are put back to green and the
// ray's device switch as it was.
TOptimisationDiametres OptimiseDiametres(double distance);
