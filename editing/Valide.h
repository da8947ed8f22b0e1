// The commit of the entry box: turns the text typed into the box into design data, by the rule of the field whose
// code is open, then ends every call the same way (the box hidden, the commands set, the central refresh run).
#pragma once

#include "editing/EtatEdition.h"

// Reads EtatSaisie.Saisie.Texte (the window shell copies the typed text there first) for the field
// EtatSaisie.CodeSaisie. Safe to call with no field open: only the ending runs. A refused value may show a message
// box, every other time, and leaves EtatSaisie.CodeSaisieRefusee on the field so that the next-field routine
// reopens it.
void ValideSaisie();
