// The lens-group table shared by the refractor, Klevtsov and Houghton forms, on the sheet and on paper.
#include "FicheDeTest.h"

#include "optics/Modele.h"
#include "sheet/TableauGroupe.h"

namespace {

class TableauGroupe : public FicheDeTest
{
protected:
    void SetUp() override
    {
        FicheDeTest::SetUp();
        ImagesGroupe = {&Tableau, &CaseZf};
    }

    TCanevasEnregistreur Tableau{762, 268};
    TCanevasEnregistreur CaseZf{75, 17};
};

} // namespace

TEST_F(TableauGroupe, LesCellulesSuiventLesSeuilsDeLaForme)
{
    struct TCas
    {
        double Rayon, Epaisseur;
        bool SeuilsLongs;
        std::string Diaphragme, TexteRayon, TexteEpaisseur;
    };
    const TCas cas[] = {
        {1e30, 150, false, "Diaph.", "Diaph.", "150,0"},   {1e30, 150, true, "Diaph.", "Diaph.", "150,00"},
        {1e30, 5000, true, "Diaph.", "Diaph.", "5000,0"},  {1e30, 5000, false, "", "Plan", "5000"},
        {1e20, 99, false, "Diaph.", "Plan", "99,00"},      {999, 1e20, false, "Diaph.", "999,00", "Infini"},
        {-1200, 99.5, false, "Diaph.", "-1200,0", "99,5"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.TexteRayon + " / " + c.TexteEpaisseur);
        Groupe.RayonGroupe[2] = c.Rayon;
        Groupe.EpaisseurGroupe[2] = c.Epaisseur;
        Tableau.EffaceJournal();
        DessineTableauGroupe({"Titre", 2, c.SeuilsLongs, c.Diaphragme, "Diaphragme"}, 2);
        const int y = 16 * 2 + 44;
        EXPECT_TRUE(TexteDessine(Tableau, {.Texte = c.TexteRayon, .Y = y, .Police = "Arial"}));
        EXPECT_TRUE(
            TexteDessine(Tableau, {.Texte = c.TexteEpaisseur, .X = 165 - Tableau.TextWidth(c.TexteEpaisseur), .Y = y}));
    }
}

TEST_F(TableauGroupe, LaHauteurSuitLesLignesEtLeTitreSePlaceSelonLeDiviseur)
{
    for (int lignes : {1, 2, 5})
    {
        SCOPED_TRACE(lignes);
        PlaceTableauGroupe(100, lignes);
        EXPECT_EQ(Controles.TableauKlevtsov.Height, 60 + 16 * lignes);
        EXPECT_EQ(Controles.TableauKlevtsov.Top, 100);
        EXPECT_EQ(Controles.TableauKlevtsov.Left, 20);
    }
    for (int diviseur : {2, 3})
    {
        Tableau.EffaceJournal();
        DessineTableauGroupe({"Correcteur", diviseur}, 1);
        Tableau.Police().Nom = "Arial";
        Tableau.Police().Gras = true;
        Tableau.Police().FixeHauteur(15);
        const int w = Tableau.TextWidth("Correcteur");
        EXPECT_TRUE(TexteDessine(Tableau, {.Texte = "Correcteur", .X = (762 - w) / diviseur, .Y = 4, .Gras = true}));
    }
}

TEST_F(TableauGroupe, UneCouleurSansLigneChoisieLaisseSaCaseVideSurLaFicheEtSurPapier)
{
    LongueursOnde.LongueurOndeRouge = 0;
    LongueursOnde.LongueurOndeVerte = 5;
    LongueursOnde.LongueurOndeBleue = 8;
    Tableau.EffaceJournal();
    DessineTableauGroupe({"T"}, 1);
    std::array<std::string, 3> cases;
    for (const TAppelCanevas& appel : Tableau.Textes())
        for (std::size_t k = 0; k < 3; ++k)
            if (appel.Valeurs[1] == 38 && appel.Valeurs[0] >= CasesLongueurOndeGroupe[k].Left &&
                appel.Valeurs[0] < CasesLongueurOndeGroupe[k].Right)
                cases[k] += appel.Texte;
    EXPECT_EQ(cases[0], "");
    EXPECT_NE(cases[1], "");
    EXPECT_NE(cases[2], "");

    const auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImpressionEtat = {200, 4560, 95, 95};
    PoliceImpression(*page, 9, false);
    const TColonnesGroupe colonnes = MesureColonnesGroupe(*page);
    ImprimeEnteteGroupe(*page, colonnes, 1000, "T", 11);
    int lambdas = 0;
    int valeurs = 0;
    for (const TAppelCanevas& appel : page->Textes())
    {
        lambdas += appel.Texte == "l";
        valeurs += appel.Texte.rfind(" = ", 0) == 0;
    }
    EXPECT_EQ(lambdas, 3);
    EXPECT_EQ(valeurs, 2);
}
