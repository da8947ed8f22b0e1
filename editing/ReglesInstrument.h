// The value rules of the instrument block of the sheet: entrance diameter, focal lengths, conic constants, the
// secondary mirror or the diagonal flat, the back-focus clearance, the central hole, the mirror thicknesses; and the
// device title.
#pragma once

#include "editing/CodesJournal.h"

// Runs the rule of the field's code on the entry box's text; false when the code has no rule here.
bool AppliqueRegleInstrument(TCodeSaisie code);
