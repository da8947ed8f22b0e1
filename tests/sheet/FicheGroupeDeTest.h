// The fixture of the lens-group forms' tests: the sheet's fixture plus the group table, the mirror row and the
// cells laid over them on recording canvases, an expanded block, and a printed page with the report's layout.
#pragma once

#include "FicheDeTest.h"

#include "optics/Modele.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/Tableau.h"
#include "sheet/TableauGroupe.h"

#include <memory>

class FicheGroupeDeTest : public FicheDeTest
{
protected:
    void SetUp() override
    {
        FicheDeTest::SetUp();
        ImagesGroupe = {&Tableau, &CaseZf, &LigneMiroir, &EpaisseurOff};
        Edition.InstrumentDeveloppe = true;
    }

    // A full repaint of the sheet on clean logs.
    void Dessine()
    {
        for (TCanevasEnregistreur* canevas : {&Fenetre, &Tableau, &LigneMiroir, &EpaisseurOff})
            canevas->EffaceJournal();
        Edition.AMettreAJour = true;
        DessineTableau();
    }

    // A fresh page in the report's font, with its margin and line step, OrdonneeCourante on `Haut`.
    static std::unique_ptr<TCanevasEnregistreur> Page()
    {
        auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
        ImpressionEtat.MargeImpression = Marge;
        ImpressionEtat.PasLigneImpression = Pas;
        ImpressionEtat.PasLigneTableauImprime = Pas;
        MiseEnPage.OrdonneeCourante = Haut;
        MiseEnPage.AbscisseCourante = Marge;
        PoliceImpression(*page, 9, false);
        return page;
    }

    static constexpr int Marge = 200;
    static constexpr int Pas = 100;
    static constexpr int Haut = 1000;

    TCanevasEnregistreur Tableau{762, 300};
    TCanevasEnregistreur CaseZf{75, 17};
    TCanevasEnregistreur LigneMiroir{762, 17};
    TCanevasEnregistreur EpaisseurOff{47, 17};
};
