// The side section of the Maksutov-Cassegrain: the meniscus at the entrance, the pierced spherical primary, the convex
// secondary (a spot aluminised on the meniscus's back face, or a separate mirror with a flat back), the marginal
// beam, the lens device behind the primary with its edge rays, the foci and the size warnings.
#pragma once

#include "platform/Canevas.h"

// The section on the drawing image, in the white band.
void DessineCoupeMaksutovCassegrain(ICanevas& dessin);
// The section printed in a band at the current print position, which then moves past it.
void ImprimeCoupeMaksutovCassegrain(ICanevas& canevas);
