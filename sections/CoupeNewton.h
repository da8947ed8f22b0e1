// The side section of the Newton telescope: the primary, the diagonal flat folding the beam up to the side focus
// (or the prime focus when there is no flat), the lens device at the focus and the edge rays through it.
#pragma once

#include "platform/Canevas.h"

// The section on the drawing image, in the white band.
void DessineCoupeNewton(ICanevas& dessin);
// The section printed in a band at the current print position, which then moves past it; nothing at all when the
// design cannot be drawn.
void ImprimeCoupeNewton(ICanevas& canevas);
