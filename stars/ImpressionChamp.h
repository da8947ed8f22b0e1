// The field-analysis graph printed as one block of the report, at the current print position.
#pragma once

#include "platform/Canevas.h"

// Recomputes the analysis with the screen's inputs and prints the graph in a band of 350/762 of the page width;
// leaves the print position after the band. Nothing is printed, and the position stays, for an invalid design.
// No setting is changed.
void ImprimeAnalyseChamp(IImprimante& imprimante, bool courbeAffichee);
