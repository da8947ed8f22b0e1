// The refractor's section: the objective lens by lens, its beam, the lens device and the edge rays; on screen a small
// box at the top left switches between the whole instrument and the objective alone, enlarged.
#pragma once

#include "platform/Canevas.h"

void DessineCoupeLunette(ICanevas& dessin);
void ImprimeCoupeLunette(ICanevas& canevas);
