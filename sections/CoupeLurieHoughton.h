// The side section of the Lurie-Houghton: the lens group at the entrance lens by lens, the spherical primary, the
// diagonal flat folding the beam up to the side focus with the lens device standing on it and the edge rays through
// it, the flat's size warning and the banner of a beam cut by the corrector's edge.
#pragma once

#include "platform/Canevas.h"

// The section on the drawing image, in the white band.
void DessineCoupeLurieHoughton(ICanevas& dessin);
// The section printed in a band at the current print position, which then moves past it.
void ImprimeCoupeLurieHoughton(ICanevas& canevas);
