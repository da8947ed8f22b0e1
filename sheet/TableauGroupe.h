// The lens-group table `TableauKlevtsov` of the refractor, Klevtsov and Houghton forms: its picture, title band,
// wavelength cells and rows on the sheet, and the same table ruled on paper.
#pragma once

#include "platform/Canevas.h"

#include <array>
#include <string>

// The images of the lens-group table and of the refractor's focus-distance cell laid over it, installed by the main
// window (or a test). A missing image is skipped.
struct TImagesGroupe
{
    ICanevas* TableauKlevtsov = nullptr;
    ICanevas* CaseZf = nullptr;
    ICanevas* LigneMiroir = nullptr; // the Klevtsov secondary mirror's row, laid over the table's last row
    ICanevas* EpaisseurOff = nullptr; // covers that row's thickness cell when the group's surfaces are odd in number
};
inline TImagesGroupe ImagesGroupe;

// What tells one form's table from another's.
struct TPresentationGroupe
{
    std::string Titre;
    int DiviseurTitre = 2; // the title starts at (image width - its width) div this
    bool SeuilsEpaisseurLongs = false; // thickness decimals drop above 9999 and 999, not above 999 and 99
    std::string DiaphragmeEcran = "Diaph."; // the radius of a stop on the sheet; empty: read as a plane
    std::string DiaphragmePapier = "Diaphragme"; // and on paper
};

// The header of the image, in pixels: rows start below it, 16 px each.
inline constexpr int HauteurEnteteGroupe = 59;

// Moves TableauKlevtsov to (20, haut) and sizes it for `lignes` rows (60 + 16 per row).
void PlaceTableauGroupe(int haut, int lignes);

// Paints the whole image: picture, title band and title, the wavelength cells of the three chosen lines, and rows
// 1..`lignes` from the group arrays (rows past the group show what the arrays hold, normally nothing).
void DessineTableauGroupe(const TPresentationGroupe& presentation, int lignes);

// The columns of the printed table: x0 .. x7 measured on the printer font in force, then the right edge P - M.
struct TColonnesGroupe
{
    std::array<int, 9> Bords{};
};
TColonnesGroupe MesureColonnesGroupe(ICanevas& canevas);

// The printed head from y0: the header box down to y0 + 3.3 table steps, the title in bold at `tailleTitre`, the
// column titles and the wavelength lines. Answers the bottom of the header box. Leaves Arial 9 regular.
int ImprimeEnteteGroupe(ICanevas& canevas, const TColonnesGroupe& colonnes, int y0, const std::string& titre,
                        int tailleTitre);

// The printed row i of the group at y, in Arial 9: thickness decimals drop above 999 and 99.
void ImprimeLigneGroupe(ICanevas& canevas, const TColonnesGroupe& colonnes, const TPresentationGroupe& presentation,
                        int i, int y);
