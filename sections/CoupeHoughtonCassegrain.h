// The Houghton-Cassegrain's section: its lens group, the pierced primary, the secondary, the lens device and the beam.
#pragma once

#include "platform/Canevas.h"

void DessineCoupeHoughtonCassegrain(ICanevas& dessin);
void ImprimeCoupeHoughtonCassegrain(ICanevas& canevas);
