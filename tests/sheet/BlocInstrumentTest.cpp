// The lines the mirror forms share: the expanded first two lines, the collapsed line, and their printed twins.
#include "FicheDeTest.h"

#include "optics/Modele.h"
#include "sheet/BlocInstrument.h"

namespace {

using T = TTypeInstrument;

class BlocInstrument : public FicheDeTest
{
protected:
    void SetUp() override
    {
        FicheDeTest::SetUp();
        MiseEnPage.OrdonneePremiereLigne = 28;
        MiseEnPage.CaseBasculeInstrument = {5, 32, 15, 41};
        Instrument.NomInstrument = "Instrument";
        Instrument.DiametreEntree = 200;
        Instrument.FocalePrimaire = 800;
        Instrument.FocaleResultante = 3000;
        Instrument.RayonCourburePrimaire = 1600;
    }
};

} // namespace

TEST_F(BlocInstrument, CasesDesLignesCommunesSelonLaFormeEtLaBascule)
{
    struct TCas
    {
        const char* Nom;
        T Forme;
        bool SurMenisque;
        std::set<int> Developpees, Repliees;
    };
    const TCas cas[] = {
        {"Cassegrain", T::Cassegrain, false, {0, 2, 7}, {0, 7}},
        {"Schwarzschild", T::Schwarzschild, false, {0, 2, 7}, {0, 7}},
        {"Schmidt-Cassegrain", T::SchmidtCassegrain, false, {0, 3, 7}, {0, 7}},
        {"Houghton-Cassegrain", T::HoughtonCassegrain, false, {0, 3, 7}, {0, 7}},
        {"Maksutov-Cassegrain, secondaire séparé", T::MaksutovCassegrain, false, {0, 3, 7}, {0, 7}},
        {"Maksutov-Cassegrain, secondaire sur la lame", T::MaksutovCassegrain, true, {0, 3}, {0}},
        {"Klevtsov", T::KlevtsovCassegrain, false, {0, 3}, {0}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Instrument.TypeInstrument = c.Forme;
        Instrument.SecondaireSurMenisque = c.SurMenisque;
        MiseEnPage.CaseValeur.fill(TCase{});
        DessineParametresPrimaire(Fenetre);
        EXPECT_EQ(CasesEnregistrees(), c.Developpees);
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, 28 + 16);
        MiseEnPage.CaseValeur.fill(TCase{});
        DessineEnteteInstrument(Fenetre);
        EXPECT_EQ(CasesEnregistrees(), c.Repliees);
        EXPECT_EQ(MiseEnPage.OrdonneeDispositif, 28 + 32);
    }
}

TEST_F(BlocInstrument, BoiteAGaucheEtElementADroite)
{
    Instrument.TypeInstrument = T::Cassegrain;
    Instrument.FocaleResultante = 0;
    DessineParametresPrimaire(Fenetre);
    const int y = 28 + 16;
    // "Diamètre du miroir primaire = " is 30 characters; the sample "10000.0" 7; the value ends 4 px inside.
    const TCase& d = MiseEnPage.CaseValeur[CaseDiametreEntree];
    EXPECT_EQ(d.Left, 20 + 30 * 5);
    EXPECT_EQ(d.Top, y - 2);
    EXPECT_EQ(d.Right, d.Left + 35 + 8);
    EXPECT_EQ(d.Bottom, y + 16);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "200", .X = d.Right - 4 - 15, .Y = y}));
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = " mm", .X = d.Right + 2, .Y = y}));
    const TCase& f = MiseEnPage.CaseValeur[CaseFocaleResultante];
    EXPECT_EQ(f.Right, 800 - 20 - 15);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "", .X = f.Right - 4, .Y = y}));
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Distance focale résultante = ", .X = f.Left - 29 * 5 - 1, .Y = y}));
}

TEST_F(BlocInstrument, LigneReplieeDeLaLunette)
{
    struct TCas
    {
        double Entree, Objectif, Focale;
        const char* Texte;
    };
    const TCas cas[] = {
        {100, 0, 1000, nullptr},
        {100, 1, 1000, nullptr},
        {0, 100, 1000, "Lunette : D = 100 mm : F = 1000 mm : F/D = 10,00"},
        {100, 80.25, 1000, "Lunette : D = 80,2 mm : F = 1000 mm : F/D = 12,46"},
        {100, 100, 1, "Lunette : D = 100 mm"},
    };
    Instrument.TypeInstrument = T::Lunette;
    Instrument.NomInstrument = "Lunette";
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(c.Entree) + " " + std::to_string(c.Objectif) + " " + std::to_string(c.Focale));
        Fenetre.EffaceJournal();
        Instrument.DiametreEntree = c.Entree;
        Instrument.DiametreObjectif = c.Objectif;
        Instrument.FocalePrimaire = c.Focale;
        DessineEnteteInstrument(Fenetre);
        std::vector<std::string> textes;
        for (const TAppelCanevas& appel : Fenetre.Textes())
            textes.push_back(appel.Texte);
        EXPECT_EQ(textes, c.Texte ? std::vector<std::string>{c.Texte} : std::vector<std::string>{});
    }
}

TEST_F(BlocInstrument, RapportImprimeSeulementAvecDiametreEtFocaleResultante)
{
    struct TCas
    {
        double D, F1, F;
        const char* Rapport;
    };
    const TCas cas[] = {{200, 800, 0, nullptr},
                        {200, 0, 3000, "F/D = 15,00"},
                        {1, 800, 3000, nullptr},
                        {200, 800, 3000, "F/D = 15,00"}};
    Instrument.TypeInstrument = T::Cassegrain;
    ImpressionEtat.MargeImpression = 10;
    ImpressionEtat.PasLigneImpression = 16;
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(c.D) + " " + std::to_string(c.F1) + " " + std::to_string(c.F));
        auto page = TCanevasEnregistreur::Page(782, 1100, 72);
        Instrument.DiametreEntree = c.D;
        Instrument.FocalePrimaire = c.F1;
        Instrument.FocaleResultante = c.F;
        MiseEnPage.OrdonneeCourante = 100;
        MiseEnPage.AbscisseCourante = 10;
        ImprimeEnteteInstrument(*page);
        EXPECT_EQ(ContientTexte(*page, "F/D = "), c.Rapport != nullptr);
        if (c.Rapport)
        {
            EXPECT_TRUE(ContientTexte(*page, c.Rapport));
        }
        EXPECT_TRUE(ContientTexte(*page, "Distance focale résultante = "));
    }
}

TEST_F(BlocInstrument, LignesImprimeesDeveloppees)
{
    struct TCas
    {
        T Forme;
        bool SurMenisque;
        double Diametre;
        std::vector<std::string> Textes;
    };
    Instrument.LongueurInstrument = 2500;
    Instrument.EpaisseurPrimaire = 30;
    const TCas cas[] = {
        {T::Cassegrain,
         false,
         200,
         {"Instrument", "Longueur de l'instrument = 2,500 m", "Diamètre du miroir primaire = 200 mm",
          "Distance focale résultante = 3000 mm", "Distance Focale du miroir primaire = 800 mm"}},
        {T::SchmidtCassegrain,
         false,
         0.1,
         {"Instrument", "Longueur de l'instrument = 2,500 m", "Diamètre de la lame =        mm",
          "Distance focale résultante = 3000 mm", "Rayon de courbure du miroir primaire = 1600 mm"}},
        {T::MaksutovCassegrain,
         true,
         200,
         {"Instrument", "Longueur de l'instrument = 2,500 m", " avec Secondaire métallisé sur la lame",
          "Diamètre d'entrée = 200 mm", "Rayon de courbure du miroir primaire = 1600 mm"}},
    };
    ImpressionEtat.MargeImpression = 10;
    ImpressionEtat.PasLigneImpression = 16;
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        auto page = TCanevasEnregistreur::Page(782, 1100, 72);
        Instrument.TypeInstrument = c.Forme;
        Instrument.SecondaireSurMenisque = c.SurMenisque;
        Instrument.DiametreEntree = c.Diametre;
        MiseEnPage.OrdonneeCourante = 100;
        ImprimeParametresPrimaire(*page);
        std::vector<std::string> textes;
        for (const TAppelCanevas& appel : page->Textes())
            textes.push_back(appel.Texte);
        EXPECT_EQ(textes, c.Textes);
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, 116);
    }
}
