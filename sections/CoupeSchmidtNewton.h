// The side section of the Schmidt-Newton: the plate, the spherical primary, the diagonal flat folding the beam up to
// the side focus with the lens device standing on it and the edge rays through it, or, without a flat, the
// instrument drawn straight like a Schmidt camera; the size warnings of the primary and of the flat.
#pragma once

#include "platform/Canevas.h"

// The section on the drawing image, in the white band; the image is hidden when the instrument is not valid.
void DessineCoupeSchmidtNewton(ICanevas& dessin);
// The section printed in a band at the current print position, which then moves past it; nothing when the
// instrument is not valid or its device is not.
void ImprimeCoupeSchmidtNewton(ICanevas& canevas);
