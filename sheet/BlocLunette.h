// The refractor's block of the sheet (heading, diffraction line, objective table with the focus distance) and its
// printed twin.
#pragma once

#include "platform/Canevas.h"

// Paints the block from OrdonneePremiereLigne, lays the objective table and the focus-distance cell, and sets
// OrdonneeDispositif. Records no value box.
void DessineParametresLunette(ICanevas& canevas);
// Prints the block from OrdonneeCourante; leaves OrdonneeCourante one table step below the table's last row
// (collapsed: two steps below the heading).
void ImprimeParametresLunette(ICanevas& canevas);
