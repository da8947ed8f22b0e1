// The star views on the main page: the images they draw on, the controls of the page they show, hide or move, and
// the print position of the report that their printed blocks continue.
#pragma once

#include "platform/Canevas.h"
#include "stars/MecaniqueEtoiles.h"

// The drawing image under the sheet and the distance box's own image, installed by the main window.
struct TImagesEtoiles
{
    ICanevas* Dessin = nullptr;
    ICanevas* BoiteDistance = nullptr;
};
inline TImagesEtoiles ImagesEtoiles;

// Draws the six-star or the single-star view on the page; nothing while the main window has installed no image.
// The zoom commands' states are left in `fenetre` with what the view decided.
void DessineEtoilesPage(bool unique, TFenetreEtoiles& fenetre);

// The printed blocks at the report's current print position, which they leave after the block.
void ImprimeEtoileMultiplePage(IImprimante& imprimante);
void ImprimeEtoileUniquePage(IImprimante& imprimante, bool transversales);
