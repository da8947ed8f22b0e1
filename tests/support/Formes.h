// A complete, valid design of each of the sixteen forms, built by setting the fields directly, and
// the resets of the design and of the whole program's state.
#pragma once

#include <string>

#include "optics/Modele.h"

// Every record of the model and the ray back to a new design (the three resets, said to nobody); the hooks stay as
// the test installed them.
void ReinitialiseEtat();

// The whole state of the program a test links, back to the start of a run: the design as
// ReinitialiseEtat leaves it, then every folder's records, hooks and flags. Run before every
// test; a test calls it again to start over.
void ReinitialiseProgramme();

// Resets the state, chooses the form (its name and starting values), then enters a design as a
// user would type it, applies the indices and runs the validity checks. The values
// derived by the design formulas are not computed, except the few the checks need (the primary's
// radius of the mirror forms, the secondary's distance of the two-mirror forms).
void ConstruitFormeValide(TTypeInstrument forme);

// Whether any real value of the instrument, the lens group, the lens device or the solved system is
// NaN or infinite; `champ` receives the name of the first one found.
bool EtatContientNonFini(std::string& champ);

// The design of ConstruitFormeValide with what the refresh derives from it before a view: the form's design
// formulas, the checks, the instrument's own focal length and the pupil. A device added afterwards needs the checks
// and the solve again (RederiveForme).
void ConstruitFormeDerivee(TTypeInstrument forme);
// The checks and the solve of the current design, instrument and device, as the refresh runs them.
void RederiveForme();
