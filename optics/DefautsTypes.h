// The instrument forms as the type list names them, and the starting values a form gets when it is chosen.
#pragma once

#include <string>

#include "optics/Modele.h"

// Makes `forme` the instrument's form with the name the type list gives it, and stores that form's
// starting values (conic constants, plate coefficient and glass, curved field, lens-group rows) on
// top of the design as it stands.
void AppliqueDefautsType(TTypeInstrument forme);

// Recognises `NomInstrument`, already lower-cased by the caller, among the type list's keys
// ("télescope de newton", ..., "lunette"), exactly and in the list's order, and applies that form's
// defaults. A name that matches no key changes nothing.
void ReconnaitTypeInstrument();

// The name the type list gives a form ("Télescope de Newton", ..., "Lunette"); empty for none.
std::string NomTypeInstrument(TTypeInstrument forme);
