// The six-star view: the star images of six stars at equal steps from the axis, on screen and as a printed block.
#pragma once

#include <array>

#include "platform/Canevas.h"
#include "stars/MecaniqueEtoiles.h"

// Top-left corners of the six panels on the screen image, in reading order; each panel is 251 x 265 pixels.
inline constexpr std::array<int, 6> GaucheCasesEtoiles = {2, 255, 508, 2, 255, 508};
inline constexpr std::array<int, 6> HautCasesEtoiles = {2, 2, 2, 283, 283, 283};
inline constexpr int LargeurCaseEtoile = 251;
inline constexpr int HauteurCaseEtoile = 265;

// The distance from the axis of panel j's star: arc minutes on the sky, or degrees of apparent field when afocal.
double DistanceCaseEtoile(int numero);

void DessineEtoileMultiple(TFenetreEtoiles& fenetre);
void ImprimeEtoileMultiple(IImprimante& imprimante, TPositionImpression& position);
