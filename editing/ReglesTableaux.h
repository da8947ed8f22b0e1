// The value rules of the surface tables' cells (lens device, lens group, the Klevtsov secondary's radius in the
// mirror row, the plate or meniscus glass) and of the off-axis distances of the views.
#pragma once

#include "editing/CodesJournal.h"

// Runs the rule of the cell's code on the entry box's text (codes 2001 to 2018 but 2008, 2054 to 2057).
void RegleCelluleTableau(TCodeSaisie code);
