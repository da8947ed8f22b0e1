// The layout rules every instrument block of the sheet follows (value boxes, left, right and middle items, the
// toggle glyph) and the diffraction line that every block paints, on screen and on paper.
#pragma once

#include "platform/Canevas.h"
#include "sheet/Fiche.h"

#include <string>

// The regular and bold fonts of the sheet's lines: Arial, character height 11 px.
void PoliceLigne(ICanevas& canevas, bool gras = false);

// "λ =" at (x, y) in the head of a table's index column: the letter in the Greek font, the sign in the line's font,
// which is narrow enough to leave it clear of the wavelength box beside it.
void EcritLambdaEgal(ICanevas& canevas, int x, int y);

// A value of a box: "#0.#", blank when exactly 0.
std::string TexteValeurCase(double valeur);
// A printed diameter or focal length: "#0.#", six spaces at 0.1 mm or less.
std::string TexteValeurImprimee(double valeur);
// A printed label, value ("#0.#") and " mm", the value replaced by `blancs` spaces when it is 0.
std::string TexteImprime(const std::string& libelle, double valeur, int blancs);

// "Longueur de l'instrument = " and the length: in metres with three decimals above 1000 mm, else in millimetres.
std::string TexteLongueurInstrument(double longueur);

// Paints the box of slot `numero` from x = `gauche` on the line y, its width that of the sample text, with the value
// right-aligned inside, and records it in CaseValeur.
const TCase& PeintCase(ICanevas& canevas, TNumeroCase numero, int gauche, int y, const std::string& valeur,
                       const std::string& echantillon);

// Label at x, its box, its value and its unit (which may be empty); AbscisseFinElement ends after the unit.
void PeintElementGauche(ICanevas& canevas, int x, int y, const std::string& libelle, TNumeroCase numero,
                        const std::string& valeur, const std::string& echantillon, const std::string& unite);
// The same item ending 20 px before the right edge of the sheet; LargeurDisponible runs from AbscisseFinElement to
// its label.
void PeintElementDroit(ICanevas& canevas, int y, const std::string& libelle, TNumeroCase numero,
                       const std::string& valeur, const std::string& echantillon, const std::string& unite);
// The same item centred in LargeurDisponible, the space measured on `mesure` (label and unit of a sample).
void PeintElementMilieu(ICanevas& canevas, int y, const std::string& mesure, const std::string& libelle,
                        TNumeroCase numero, const std::string& valeur, const std::string& echantillon,
                        const std::string& unite);
// The instrument's name in bold at the start of the line y, the font then back to regular; answers where it ends.
int PeintNomInstrument(ICanevas& canevas, int y);
// The instrument's name in bold at the start of the collapsed line y; answers where the line's first item starts, a
// bold "vide" after the name. The font is then back to regular.
int PeintNomReplie(ICanevas& canevas, int y);
// The collapsed line's mirror diameter and radius of curvature, from `debut` (where the entrance diameter ends),
// spread in thirds of the room left before the place kept for "F/D = 00,00" at the right edge.
void PeintMiroirReplie(ICanevas& canevas, int y, int debut);
// A plain text ending 20 px before the right edge of the sheet; answers its x.
int PeintTexteDroit(ICanevas& canevas, int y, const std::string& texte);
// A printed text right-aligned to the page's right margin; answers its x.
int ImprimeTexteADroite(ICanevas& canevas, int y, const std::string& texte);
// A text centred between two x (the end of a left item and the start of a right one), on the sheet or on paper.
void TexteEntre(ICanevas& canevas, int y, int gauche, int droite, const std::string& texte);

// The "+" (collapsed) or "-" glyph of the instrument's toggle box; expanded, the connector down to ye.
void PeintBasculeInstrument(ICanevas& canevas, bool developpe, int ye);

// Computes the Airy radius, then paints the line "Rayon de la tache de diffraction = ..." ending 20 px before the
// right edge, with the block's suffix after the wavelength. Answers the x where the line starts.
int LigneDiffraction(ICanevas& canevas, int y, const std::string& suffixe);
// The printed twin, right-aligned to the page's right margin.
void ImprimeLigneDiffraction(ICanevas& canevas, int y, const std::string& suffixe, int marge);

// The expanded first two lines of the mirror forms 2, 3, 4, 110, 10, 6, 8, 120, 140: the toggle "-" and its
// connector, the type's name, then the entrance diameter, the focal lengths or the primary's radius. Leaves
// OrdonneeCourante on the second line.
void DessineParametresPrimaire(ICanevas& canevas);
// The collapsed one-line form of the same forms and of the refractor; sets OrdonneeDispositif (not for the refractor).
void DessineEnteteInstrument(ICanevas& canevas);
// The printed twins: the same lines as plain text from OrdonneeCourante, the expanded one with the instrument length.
void ImprimeParametresPrimaire(ICanevas& canevas);
void ImprimeEnteteInstrument(ICanevas& canevas);
