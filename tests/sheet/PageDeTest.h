// A printed block on a fresh recording page laid out as the report lays it: margin 200 dots, line step 100 dots,
// the block starting at y 1000 on the margin, in the report's font.
#pragma once

#include "doubles/CanevasEnregistreur.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <memory>

inline std::unique_ptr<TCanevasEnregistreur> ImprimeBlocSurPage(void (*imprime)(ICanevas&))
{
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImpressionEtat.MargeImpression = 200;
    ImpressionEtat.PasLigneImpression = 100;
    ImpressionEtat.PasLigneTableauImprime = 100;
    MiseEnPage.OrdonneeCourante = 1000;
    MiseEnPage.AbscisseCourante = 200;
    PoliceImpression(*page, 9, false);
    imprime(*page);
    return page;
}
