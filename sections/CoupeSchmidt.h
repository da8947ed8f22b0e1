// The side section of the Schmidt camera (and of the Schmidt-Cassegrain without secondary): the plate at the
// entrance, the spherical primary, the focus inside the tube with its film holder, the lens device mirrored in the
// reflected beam with the edge rays, and the size warnings of the primary and of the plate.
#pragma once

#include "platform/Canevas.h"

// The section on the drawing image, in the white band; the image is hidden when the instrument is not valid.
void DessineCoupeSchmidt(ICanevas& dessin);
// The section printed in a band at the current print position, which then moves past it; nothing when the
// instrument is not valid or its device is not.
void ImprimeCoupeSchmidt(ICanevas& canevas);
