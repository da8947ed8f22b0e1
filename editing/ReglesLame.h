// The value rules of the corrector forms: the mirror behind a plate or a meniscus, its radius, the Schmidt focal
// length, the plate, the meniscus, the stop of the Maksutov forms and the place of the Klevtsov group.
#pragma once

#include "editing/CodesJournal.h"

// Runs the rule of the field's code on the entry box's text; false when the code has no rule here.
bool AppliqueRegleLame(TCodeSaisie code);
