// The block of the Maksutov-Cassegrain on the sheet and its printed twin, in both variants of its secondary: a spot
// aluminised on the meniscus, or a separate mirror.
#pragma once

#include "platform/Canevas.h"

// Paints the block from OrdonneePremiereLigne, lays the meniscus table, records the value boxes and sets
// OrdonneeDispositif.
void DessineParametresMaksutovCassegrain(ICanevas& canevas);
// Prints the block from OrdonneeCourante; ends one printed line below its last line.
void ImprimeParametresMaksutovCassegrain(ICanevas& canevas);
