// The Newton block on the sheet and on paper.
#include "FicheDeTest.h"

#include "optics/Modele.h"
#include "sheet/BlocNewton.h"
#include "sheet/Tableau.h"

namespace {

class BlocNewton : public FicheDeTest
{
protected:
    void SetUp() override
    {
        FicheDeTest::SetUp();
        ConstruitFormeValide(TTypeInstrument::Newton);
        Edition.AMettreAJour = true;
    }
};

} // namespace

TEST_F(BlocNewton, DevelopperEnregistreSeptCasesEtReplierDeux)
{
    struct TCas
    {
        bool Developpe;
        std::set<int> Cases;
    };
    const TCas cas[] = {{true, {0, 2, 8, 9, 10, 11, 12}}, {false, {0, 2}}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Developpe ? "développé" : "replié");
        Edition.InstrumentDeveloppe = c.Developpe;
        Edition.AMettreAJour = true;
        // Boxes of another form's last drawing must not survive.
        MiseEnPage.CaseValeur.fill(TCase{100, 100, 200, 200});
        DessineTableau();
        EXPECT_EQ(CasesEnregistrees(), c.Cases);
    }
}

TEST_F(BlocNewton, LeRapportEtLaTacheSeulementSiDiametreEtFocaleDepassentUnMillimetre)
{
    struct TCas
    {
        double D, F1;
        bool Visibles;
    };
    const TCas cas[] = {{0, 0, false},     {1, 1000, false}, {200, 1, false},
                        {1.1, 1000, true}, {200, 1.1, true}, {200, 1000, true}};
    for (bool developpe : {true, false})
    {
        for (const TCas& c : cas)
        {
            SCOPED_TRACE(std::to_string(c.D) + " / " + std::to_string(c.F1) + (developpe ? " développé" : " replié"));
            Instrument.DiametreEntree = c.D;
            Instrument.FocalePrimaire = c.F1;
            Edition.InstrumentDeveloppe = developpe;
            Edition.AMettreAJour = true;
            Fenetre.EffaceJournal();
            DessineTableau();
            EXPECT_EQ(ContientTexte(Fenetre, "F/D = "), c.Visibles);
            EXPECT_EQ(ContientTexte(Fenetre, "Rayon de la tache de diffraction = "), c.Visibles && developpe);
        }
    }
}

TEST_F(BlocNewton, ValeursDesCasesEtRapport)
{
    Instrument.CoefficientDeformationPrimaire = -1;
    Instrument.EpaisseurSecondaire = 0;
    DessineTableau();
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    // 1000 / 200 = 5; the values end 4 px inside their box; an empty value leaves the box blank.
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "F/D = 5,00", .X = 20, .Y = y0 + 32}));
    const TCase& d = MiseEnPage.CaseValeur[CaseDiametreEntree];
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "200", .X = d.Right - 4 - 15, .Y = y0 + 16}));
    EXPECT_EQ(d.Top, y0 + 14);
    EXPECT_EQ(d.Bottom, y0 + 32);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "-1", .Y = y0 + 48}));
    const TCase& e = MiseEnPage.CaseValeur[CaseEpaisseurSecondaire];
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "", .X = e.Right - 4, .Y = y0 + 64}));
    // The right item's unit ends 20 px before the sheet's right edge.
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = " mm", .X = 800 - 20 - 15, .Y = y0 + 48}));
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = " = 546,1 nm (Objectif Seul)", .Y = y0 + 32}));
    EXPECT_EQ(MiseEnPage.OrdonneeDispositif, y0 + 96);
}

TEST_F(BlocNewton, SansRaieVerteLaTacheEstDonneeA550nm)
{
    LongueursOnde.LongueurOndeVerte = 0;
    DessineTableau();
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = " = 550 nm (Objectif Seul)"}));
}

TEST_F(BlocNewton, ImpressionDesEpaisseursEtDeLaLongueur)
{
    struct TCas
    {
        const char* Nom;
        double Distance, PetitCote, EpaisseurPlan;
        bool Longueur, TextePlan;
    };
    const TCas cas[] = {
        {"distance non saisie", 0.005, 0, 5, true, true},
        {"épaisseur du plan nulle", 150, 50, 0, true, false},
        {"petit côté manquant", 150, 0, 5, false, true},
        {"tout saisi", 150, 50, 5, true, true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        auto page = TCanevasEnregistreur::Page(782, 1100, 72);
        Instrument.DistanceSecondaireFoyer = c.Distance;
        Instrument.DiametreSecondaire = static_cast<float>(c.PetitCote);
        Instrument.EpaisseurPrimaire = 30;
        Instrument.EpaisseurSecondaire = c.EpaisseurPlan;
        Validite.InstrumentValide = true;
        Instrument.LongueurInstrument = 1100;
        ImpressionEtat.MargeImpression = 10;
        ImpressionEtat.PasLigneImpression = 16;
        MiseEnPage.OrdonneeCourante = 100;
        MiseEnPage.AbscisseCourante = 10;
        ImprimeParametresNewton(*page);
        EXPECT_EQ(ContientTexte(*page, "Longueur de l'instrument = 1,100 m"), c.Longueur);
        EXPECT_EQ(ContientTexte(*page, "Epaisseur du miroir plan = "), c.TextePlan);
        EXPECT_TRUE(ContientTexte(*page, "Epaisseur du miroir principal = 30 mm"));
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, 100 + 5 * 16);
    }
}
