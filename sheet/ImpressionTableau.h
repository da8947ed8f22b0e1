// The report's first page (title, date, credit line, the instrument's printed block, the lens device) and the
// page-break rule that the printed views follow after it.
#pragma once

#include "optics/Modele.h"
#include "platform/Canevas.h"

#include <array>

// The layout of the print job, in printer dots; set by the report, read by the printed views of the same job.
struct TImpressionEtat
{
    int MargeImpression = 0;
    int LargeurImprimable = 0;
    int PasLigneImpression = 0;
    int PasLigneTableauImprime = 0;
    int HauteurBlocImprime = 0;
    int HauteurRestantePage = 0;
    int ResolutionImprimante = 0;
    int EpaisseurTraitImpression = 1;
};
inline TImpressionEtat ImpressionEtat;

// Arial at a size in points, regular or bold, black.
void PoliceImpression(ICanevas& canevas, int taille, bool gras);

// The Greek letter lambda from x, raised by a quarter of its height, then " = " and the wavelength of the line when one
// is chosen. Leaves Arial 9 regular.
void ImprimeLongueurOnde(ICanevas& canevas, int x, int y, TLongueurOnde ligne);

// The column edges of a printed lens table, measured on the printer font in force: x0 on the margin, x1 .. x4 after the
// titles, x5 .. x7 after each index column, then the right edge P - M.
std::array<int, 9> MesureBordsColonnes(ICanevas& canevas);

// The column titles of a printed lens table whose column edges are `bords` (x0 .. x7, then the right edge): "Matière"
// in Arial 11 centred from x7 to `droiteMatiere` at `yMatiere`, then in Arial 9 the titles on the lines ya and yb and
// under each index title the lambda of its line. Leaves Arial 9 regular.
void ImprimeTitresColonnes(ICanevas& canevas, const std::array<int, 9>& bords, int droiteMatiere, int yMatiere, int ya,
                           int yb);

// Before a band of the given height: a new page headed "Suite de : " and the document's file name when the band does
// not fit below OrdonneeCourante.
void BlocImprime(IImprimante& imprimante, int hauteur);

// Paints the report's first page band from OrdonneeCourante; leaves OrdonneeCourante one line below the lens table
// and AbscisseCourante on the margin. The editing state is left as it was.
void ImprimeTableau(IImprimante& imprimante);

// The printed plate-and-meniscus box of the Schmidt and Maksutov forms, from OrdonneeCourante and AbscisseCourante:
// the plate's profile or the meniscus values, and the glass with its three indices. Advances 4.2 lines.
void ImprimeParametresLame(ICanevas& canevas);
