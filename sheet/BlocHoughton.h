// The blocks of the Lurie-Houghton and Houghton-Cassegrain telescopes on the sheet and on paper, each ending with
// its Houghton corrector's table.
#pragma once

#include "platform/Canevas.h"

// Paint the expanded or collapsed block from OrdonneePremiereLigne on the sheet image and set OrdonneeDispositif.
// The Lurie-Houghton shows the instrument's focal length that the sheet measured just before (FocaleEffective).
void DessineParametresLurieHoughton(ICanevas& canevas);
void DessineParametresHoughtonCassegrain(ICanevas& canevas);
// Print the same blocks from OrdonneeCourante; leave OrdonneeCourante one line below them.
void ImprimeParametresLurieHoughton(ICanevas& canevas);
void ImprimeParametresHoughtonCassegrain(ICanevas& canevas);
