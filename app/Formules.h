// The commands of the menu "F&ormules" that put a lens device of their own into the design. Each begins the same
// way: the open entry committed and the editing frames closed, then the save question, where "Annuler" or a save
// that did not happen ends the command with nothing changed, journal included. The device they write belongs to the
// same document: its path and names stay through the device's reset.
#pragma once

// "Doublet de Barlow (2x)": a present focal device asks whether to replace it ("Oui") or to place the doublet
// behind it ("Non"); no device, or an afocal one, is replaced without asking. A device too long for the doublet
// behind it is refused before the save question.
void BarlowExecute();

// "Oculaire": the save question, then the eyepiece dialog; the design chosen, scaled to the focal length typed,
// replaces the device or follows it.
void OculaireAExecute();

// "Proposé par Quivane": the Ross corrector of fixed power, distance, diameter and glass for the primary's focal
// length. "Correcteur de Wynne": the three-lens corrector of fixed prescription.
void RossQuivaneExecute();
void WynneExecute();

// "Selon vos spécifications": the save question, then the Ross dialog, whose OK builds the corrector from the values
// typed; Cancel and the close box change nothing.
void RossSpecialExecute();
