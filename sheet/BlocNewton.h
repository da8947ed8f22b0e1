// The Newton telescope's block of the sheet and its printed twin.
#pragma once

#include "platform/Canevas.h"

// Paints the block on the sheet from OrdonneePremiereLigne, records its value boxes and sets OrdonneeDispositif.
void DessineParametresNewton(ICanevas& canevas);
// Prints the block from OrdonneeCourante; ends one printed line below its last line.
void ImprimeParametresNewton(ICanevas& canevas);
