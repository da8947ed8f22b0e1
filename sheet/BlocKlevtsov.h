// The Klevtsov-Cassegrain's block of the sheet, with its group table and secondary-mirror row, and its printed twin.
#pragma once

#include "platform/Canevas.h"

// Paints the expanded or collapsed block from OrdonneePremiereLigne on the sheet image, places the group table and
// the mirror row over its last row, and sets OrdonneeDispositif.
void DessineParametresKlevtsov(ICanevas& canevas);
// Prints the same block from OrdonneeCourante; leaves OrdonneeCourante one line below it.
void ImprimeParametresKlevtsov(ICanevas& canevas);
