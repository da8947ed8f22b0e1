// The report's first page (title, date, credit line, the instrument's printed block, the lens device) and the
// page-break rule that the printed views follow after it.
#pragma once

#include "platform/Canevas.h"

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

// Before a band of the given height: a new page headed "Suite de : " and the document's file name when the band does
// not fit below OrdonneeCourante.
void BlocImprime(IImprimante& imprimante, int hauteur);

// Paints the report's first page band from OrdonneeCourante; leaves OrdonneeCourante one line below the lens table
// and AbscisseCourante on the margin. The editing state is left as it was.
void ImprimeTableau(IImprimante& imprimante);

// The printed plate-and-meniscus box of the Schmidt and Maksutov forms, from OrdonneeCourante and AbscisseCourante:
// the plate's profile or the meniscus values, and the glass with its three indices. Advances 4.2 lines.
void ImprimeParametresLame(ICanevas& canevas);
