// The side section of the two-mirror telescopes: the primary pierced by its central hole, the Schmidt-Cassegrain's
// plate, the secondary, the beam folded back through the hole to the focus (or the lens device with the edge rays),
// the size warnings of the secondary and of the hole, and the marks of both foci.
#pragma once

#include "platform/Canevas.h"

// The section on the drawing image, in the white band; a Schmidt-Cassegrain without secondary is drawn as the
// Schmidt camera.
void DessineCoupeCassegrain(ICanevas& dessin);
// The section printed in a band at the current print position, which then moves past it; nothing when the
// instrument is not valid.
void ImprimeCoupeCassegrain(ICanevas& canevas);
