// The fixed pictures under the values of the table rows and of the small images laid over the tables.
#include "sheet/FondsImages.h"

#include "platform/Canevas.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"

#include <array>

namespace {

// Rules between the cells of a row, and the spin and drop-down buttons that sit between the value cells.
constexpr std::array<int, 22> ReglesLigne = {1,   25,  42,  90,  103, 120, 165, 178, 195, 228, 241,
                                             258, 323, 336, 353, 418, 431, 448, 513, 526, 543, 761};
constexpr std::array<int, 6> GauchesFleches = {91, 166, 229, 324, 419, 514};
constexpr std::array<int, 7> GauchesDeroulants = {26, 104, 179, 242, 337, 432, 527};
constexpr std::array<int, 7> DroitesDeroulants = {41, 119, 194, 257, 352, 447, 542};

// The plate table's glass row lies under its index titles, 56 px right of the lens-device table's index columns;
// the plate-glass row image is laid over it 313 px from the table's left.
constexpr int DecalageTableauSchmidt = 56;
constexpr int DecalageLigneSchmidt = DecalageTableauSchmidt - 313;
constexpr int DebutColonnesIndices = 258;

void Fleche(ICanevas& c, int milieu, int pointe, int base)
{
    const std::array<TPointCanevas, 3> sommets = {{{milieu - 3, base}, {milieu + 3, base}, {milieu, pointe}}};
    c.Polygon(sommets);
}

void Ligne(ICanevas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

} // namespace

void DessineLigneFond(ICanevas& c, int haut, int debut, int fin, int decalage)
{
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.Stylo() = TStylo{};
    c.FillRect(debut + decalage, haut, fin + 1 + decalage, haut + 16);
    for (int x : ReglesLigne)
        if (x >= debut && x <= fin)
            Ligne(c, x + decalage, haut, x + decalage, haut + 16);
    Ligne(c, debut + decalage, haut + 16, fin + 1 + decalage, haut + 16);
    c.Pinceau() = {clBlack, TStylePinceau::Plein};
    for (int gauche : GauchesFleches)
    {
        if (gauche < debut || gauche > fin)
            continue;
        const int x = gauche + decalage;
        Fleche(c, x + 6, haut + 3, haut + 6);
        Fleche(c, x + 6, haut + 13, haut + 10);
        Ligne(c, x, haut + 8, x + 12, haut + 8);
    }
    for (std::size_t k = 0; k < GauchesDeroulants.size(); ++k)
        if (GauchesDeroulants[k] > debut && DroitesDeroulants[k] < fin)
            Fleche(c, (GauchesDeroulants[k] + DroitesDeroulants[k]) / 2 + decalage, haut + 11, haut + 6);
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
}

void DessineFondLigneMiroirActive(ICanevas& c)
{
    c.Stylo() = TStylo{};
    c.Pinceau() = {clWhite, TStylePinceau::Plein};
    c.FillRect(0, 0, c.Largeur(), c.Hauteur());
    DessineLigneFond(c, 0, 1, DebutColonnesIndices);
    Ligne(c, DebutColonnesIndices, 16, 762, 16);
    Ligne(c, 761, 0, 761, 16);
    c.Pinceau() = {clWhite, TStylePinceau::Plein};
    PoliceLigne(c);
    TexteEntre(c, 1, 543, 761, "Miroir");
}

void DessineFondLigneSchmidt(ICanevas& c)
{
    DessineLigneFond(c, 0, DebutColonnesIndices, 761, DecalageLigneSchmidt);
    Ligne(c, c.Largeur() - 1, 0, c.Largeur() - 1, 16);
}

void DessineFondTableauSchmidt(ICanevas& c)
{
    c.Stylo() = TStylo{};
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.FillRect(0, 0, c.Largeur(), c.Hauteur());
    PoliceLigne(c, true);
    c.TextOut(10, 3, "Lame correctrice");

    const int gauche = DebutColonnesIndices + DecalageTableauSchmidt;
    Ligne(c, gauche, 0, 762, 0);
    Ligne(c, gauche, 31, 762, 31);
    for (int x : {gauche, gauche + 95, gauche + 190, gauche + 285, 761})
        Ligne(c, x, 0, x, 31);
    PoliceLigne(c);
    const std::array<const char*, 3> titres = {"N rouge", "N vert", "N bleu"};
    for (std::size_t k = 0; k < 3; ++k)
    {
        const int colonne = gauche + 95 * static_cast<int>(k);
        TexteEntre(c, 1, colonne, colonne + 95, titres[k]);
        EcritLambdaEgal(c, colonne + 6, 16);
        // The frame lies outside the cell, which the table fills whole under its wavelength.
        const TCase& cellule = CasesLongueurOndeLame[k];
        c.Rectangle(cellule.Left - 1, cellule.Top - 1, cellule.Right + 1, cellule.Bottom + 1);
        c.TextOut(colonne + 81, 16, "nm");
    }
    TexteEntre(c, 9, gauche + 285, 761, "Matière");
    DessineLigneFond(c, 32, DebutColonnesIndices, 761, DecalageTableauSchmidt);
}

void DessineFondCaseArl(ICanevas& c)
{
    c.Stylo() = TStylo{};
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    c.FillRect(0, 0, c.Largeur(), c.Hauteur());
    c.Rectangle(0, 0, 41, 17);
    // The buttons have the size of the pressed arrows shown over them.
    c.Rectangle(41, 0, 54, 9);
    c.Rectangle(41, 8, 54, 17);
    c.Pinceau() = {clBlack, TStylePinceau::Plein};
    Fleche(c, 47, 2, 5);
    Fleche(c, 47, 14, 11);
    c.Pinceau() = {clBtnFace, TStylePinceau::Plein};
}
