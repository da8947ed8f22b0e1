// The blocks of the two-mirror telescopes on the sheet and on paper (Cassegrain, Ritchey-Chrétien, Gregory,
// Dall-Kirkham, Schwarzschild), and the pieces of them that the plate forms reuse.
#pragma once

#include "platform/Canevas.h"

#include <string>

// Paints the expanded or collapsed block of the forms 2, 3, 4 and 110 from OrdonneePremiereLigne, records its value
// boxes and sets OrdonneeDispositif.
void DessineParametresCassegrain(ICanevas& canevas);
// Prints the same block from OrdonneeCourante.
void ImprimeParametresCassegrain(ICanevas& canevas);
// The Schwarzschild's block, on the sheet and on paper.
void DessineParametresSchwarzschild(ICanevas& canevas);
void ImprimeParametresSchwarzschild(ICanevas& canevas);

// How the diffraction line of a block is measured before it is placed: in the Symbol font, bold or regular, at the
// line's height, or in the fonts it is drawn with.
enum class TMesureDiffraction
{
    SymboleGras,
    SymboleNormal,
    PolicesDessinees
};
// Paints "Rayon de la tache de diffraction = " with the given radius in µm, the lambda and the wavelength text with
// the suffix, ending `marge` px before the sheet's right edge as measured; the Airy radius must be computed before.
// Answers the x where the line starts.
int LigneDiffractionMesuree(ICanevas& canevas, int y, double microns, const std::string& suffixe,
                            TMesureDiffraction mesure, int marge);

// Where the printed diffraction line last printed starts, from its texts (the lambda in Symbol size 11).
int DebutLigneDiffractionImprimee(ICanevas& canevas);

// The back-focus line of the Cassegrain family: back focus (slot 10), secondary diameter (slot 9), central hole
// (slot 16).
void DessineLigneDegagement(ICanevas& canevas, int y);

// A letter, its digit subscripted (8 px on the sheet, size 6 on paper, bottoms aligned), then `suite` on the line's
// font about a pixel after the digit. Answers the x where `suite` ends.
int PeintIndice(ICanevas& canevas, int x, int y, const std::string& lettre, const std::string& chiffre,
                const std::string& suite, bool imprime);
