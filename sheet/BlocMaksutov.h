// The block of the Maksutov and of the Maksutov-Newton on the sheet, and its printed twin.
#pragma once

#include "platform/Canevas.h"

// Paints the block from OrdonneePremiereLigne, lays the meniscus table, records the value boxes and sets
// OrdonneeDispositif.
void DessineParametresMaksutov(ICanevas& canevas);
// Prints the block from OrdonneeCourante; ends one printed line below its last line, at the margin.
void ImprimeParametresMaksutov(ICanevas& canevas);
