// The view "Instrument": the side section of the current form under the design sheet, and its printed block.
#pragma once

#include "platform/Canevas.h"

// Draws the section of the current form on the drawing image `Dessin`, once the refresh has drawn the sheet (which
// places the lens table `Grille`); sets the image's visibility and top, and the banner, in the sheet's controls. For
// an invalid design the image is hidden and nothing is printed. A form that shows the distance box paints its face on the box's
// image, when there is one.
void DessineCoupeInstrument(ICanevas& dessin, ICanevas* boiteDistance = nullptr);

// Prints the title and the section at the current print position, on a new page when the block does not fit, and
// leaves the position after it.
void ImprimeCoupeInstrument(IImprimante& imprimante);
