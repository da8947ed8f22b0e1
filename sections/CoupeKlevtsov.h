// The Klevtsov-Cassegrain's section: the pierced primary, the group the light crosses twice, the secondary, the lens
// device and the beam traced through them all.
#pragma once

#include "platform/Canevas.h"

void DessineCoupeKlevtsov(ICanevas& dessin);
void ImprimeCoupeKlevtsov(ICanevas& canevas);
