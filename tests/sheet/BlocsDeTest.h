// The fixture of the per-form block tests: a valid design of the form, the sheet drawn in full, and the report's
// first page printed on a recording page (782 dots at 72 dpi: margin 10, line step 16).
#pragma once

#include "FicheDeTest.h"

#include "optics/Modele.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/Tableau.h"

#include <memory>

class BlocDeTest : public FicheDeTest
{
protected:
    void Construit(TTypeInstrument forme)
    {
        ConstruitFormeValide(forme);
        Instrument.EpaisseurPrimaire = 30;
        Instrument.EpaisseurSecondaire = 10;
        DocumentFiche.DateDuJour = "10/12/2026";
    }

    void Dessine()
    {
        Edition.AMettreAJour = true;
        Fenetre.EffaceJournal();
        DessineTableau();
    }

    std::unique_ptr<TCanevasEnregistreur> Imprime()
    {
        auto page = TCanevasEnregistreur::Page(782, 1100, 72);
        ImprimeTableau(*page);
        return page;
    }

    // Every recorded box lies inside the sheet image.
    void VerifieCasesDansFenetre() const
    {
        for (int k : CasesEnregistrees())
        {
            const TCase& c = MiseEnPage.CaseValeur[static_cast<std::size_t>(k)];
            EXPECT_TRUE(c.Left >= 0 && c.Top >= 0 && c.Right <= Fenetre.Largeur() && c.Bottom <= Fenetre.Hauteur())
                << "slot " << k << " (" << c.Left << ", " << c.Top << ", " << c.Right << ", " << c.Bottom << ")";
        }
    }

    // Each label starts a text on the sheet and a text of the printed page.
    void VerifieSurFicheEtPapier(const std::vector<std::string>& libelles)
    {
        Dessine();
        VerifieCasesDansFenetre();
        const auto page = Imprime();
        for (const std::string& libelle : libelles)
        {
            EXPECT_TRUE(ContientTexte(Fenetre, libelle)) << "sheet: " << libelle;
            EXPECT_TRUE(ContientTexte(*page, libelle)) << "paper: " << libelle;
        }
    }
};
