// The view "Dispositif": the lens device alone in section, the light running rightwards to its image plane, with
// a ruler, the focus marks and, on request, three rays of an off-axis pencil; on screen and as a printed block.
#pragma once

#include "platform/Canevas.h"

#include <string>

// The captions the view gives its controls (their places and visibility are in the sheet's `Controles`): the rays
// button `BoutonRayons` and the units label `LabelUnites`.
struct TLegendesDispositif
{
    std::string BoutonRayons;
    std::string Unites;
};
inline TLegendesDispositif LegendesDispositif;

// The step of the distance box's arrows in this view: a thousandth of the primary's focal length, at least 1.
inline int PasDistanceDispositif = 1;

// Draws the view on the drawing image under the sheet and the face of the distance box (skipped when the box has
// no image); places the view's controls and the banner `LabelOcculte`.
void DessineCoupeDispositif(ICanevas& dessin, ICanevas* boiteDistance);

// Prints the title and the view at the current print position, on a new page when the block does not fit, and
// leaves the position after it; nothing at all for an invalid device. The screen's controls are not touched.
void ImprimeCoupeDispositif(IImprimante& imprimante);
