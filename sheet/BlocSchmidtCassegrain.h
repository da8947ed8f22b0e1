// The Schmidt-Cassegrain's block on the sheet and on paper.
#pragma once

#include "platform/Canevas.h"

// Paints the expanded or collapsed block from OrdonneePremiereLigne, places the plate controls, records the value
// boxes and sets OrdonneeDispositif.
void DessineParametresSchmidtCassegrain(ICanevas& canevas);
// The printed twin, from OrdonneeCourante; it ends one line below its last line.
void ImprimeParametresSchmidtCassegrain(ICanevas& canevas);
