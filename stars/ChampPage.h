// The field-analysis view on the main page: the drawing image it uses, the page controls it hides and places, and
// the state of "Afficher la courbe mémorisée" that both the screen and the printed graph follow.
#pragma once

#include "platform/Canevas.h"
#include "stars/GrapheChamp.h"

// "Afficher la courbe mémorisée" is checked: the graphs draw the memorised curve.
inline bool CourbeMemoriseeAffichee = false;

// Draws the view on the page's drawing image (nothing while the main window has installed none) and leaves the
// commands' states in `fenetre`.
void DessineChampPage(TFenetreChamp& fenetre);

// The printed block at the report's current print position.
void ImprimeChampPage(IImprimante& imprimante);
