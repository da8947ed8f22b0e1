// The Maksutov-Cassegrain block on the sheet and on paper, with its secondary on the meniscus or separate.
#include "FicheDeTest.h"
#include "PageDeTest.h"

#include "optics/Modele.h"
#include "sheet/BlocMaksutovCassegrain.h"
#include "sheet/Tableau.h"

#include <functional>
#include <memory>

namespace {

class BlocMaksutovCassegrain : public FicheDeTest
{
protected:
    // The reference design, its secondary on the meniscus or a separate mirror placed far enough for the
    // separation of the mirrors to be shown.
    void Construit(bool surMenisque)
    {
        ConstruitFormeValide(TTypeInstrument::MaksutovCassegrain);
        Instrument.SecondaireSurMenisque = surMenisque;
        Instrument.FocaleResultante = 3000;
        Instrument.DegagementFoyer = 150;
        Instrument.DistanceFoyerPrimaireSecondaire = 720;
        Instrument.RayonCourbureSecondaire = 640;
        Instrument.CoefficientDeformationSecondaire = 150;
        Instrument.EpaisseurSecondaire = 8;
        Edition.InstrumentDeveloppe = true;
    }

    void Dessine()
    {
        Edition.AMettreAJour = true;
        Fenetre.EffaceJournal();
        DessineTableau();
    }

    static std::unique_ptr<TCanevasEnregistreur> Imprime()
    {
        return ImprimeBlocSurPage(ImprimeParametresMaksutovCassegrain);
    }

    bool TexteSurLigne(const std::string& debut, int y) const
    {
        for (const TAppelCanevas& appel : Fenetre.Textes())
            if (appel.Valeurs[1] == y && appel.Texte.rfind(debut, 0) == 0)
                return true;
        return false;
    }
};

} // namespace

TEST_F(BlocMaksutovCassegrain, LesCasesDuSecondaireSeulementQuandIlEstSepare)
{
    for (bool surMenisque : {true, false})
    {
        SCOPED_TRACE(surMenisque ? "sur le ménisque" : "séparé");
        Construit(surMenisque);
        MiseEnPage.CaseValeur.fill(TCase{100, 100, 200, 200});
        Dessine();
        const std::set<int> cases = CasesEnregistrees();
        for (int numero : {0, 3, 4, 5, 8, 9, 11, 13, 14, 16})
            EXPECT_EQ(cases.count(numero), 1u) << numero;
        for (int numero : {7, 10, 12, 18})
            EXPECT_EQ(cases.count(numero), surMenisque ? 0u : 1u) << numero;
        for (int numero : {1, 2, 15, 17, 19, 20})
            EXPECT_EQ(cases.count(numero), 0u) << numero;
        const int y0 = MiseEnPage.OrdonneePremiereLigne;
        const int yT = surMenisque ? y0 + 80 : y0 + 96;
        EXPECT_EQ(Controles.TableauSchmidt.Top, yT + 2);
        EXPECT_EQ(MiseEnPage.OrdonneeDispositif, yT + 56 + 48);
        EXPECT_FALSE(Controles.BoutonLame.Visible);
        EXPECT_FALSE(Controles.TableauKlevtsov.Visible);
    }
}

TEST_F(BlocMaksutovCassegrain, SurLeMenisqueLeDegagementEtLeCoefficientSontDuTexte)
{
    Construit(true);
    Dessine();
    const int y0 = MiseEnPage.OrdonneePremiereLigne;
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Dégagement du foyer = 150 mm", .X = 20, .Y = y0 + 48}));
    EXPECT_TRUE(TexteSurLigne("Diamètre du trou central du miroir primaire = ", y0 + 48));
    const TCase& b = MiseEnPage.CaseValeur[CaseCoefficientDeformationPrimaire];
    const std::string c0 = "Miroir secondaire, c = 0";
    EXPECT_TRUE(TexteDessine(
        Fenetre, {.Texte = c0, .X = b.Right + 2 * ((800 - b.Right - Fenetre.TextWidth(c0)) / 4), .Y = y0 + 64}));
    EXPECT_FALSE(TexteSurLigne("Epaisseur du miroir secondaire", y0 + 64));
    // No line 5: the table follows line 4.
    EXPECT_FALSE(TexteSurLigne("Distance entre les miroirs", y0 + 80));

    Instrument.DegagementFoyer = DegagementNonSaisi;
    Dessine();
    EXPECT_FALSE(TexteSurLigne("Dégagement du foyer", y0 + 48));
}

TEST_F(BlocMaksutovCassegrain, SepareLaLigneDesMiroirsSousSesSeptConditions)
{
    struct TCas
    {
        std::string Nom;
        std::function<void()> Change;
        bool Montree;
    };
    const TCas cas[] = {
        {"tout donné", [] {}, true},
        {"diamètre", [] { Instrument.DiametreEntree = 1; }, false},
        {"focale primaire", [] { Instrument.FocalePrimaire = 1; }, false},
        {"focale trop courte", [] { Instrument.FocaleResultante = 1.1 * Instrument.FocalePrimaire; }, false},
        {"dégagement", [] { Instrument.DegagementFoyer = DegagementNonSaisi; }, false},
        {"lame", [] { Instrument.EpaisseurLame = 0.01; }, false},
        {"verre", [] { Groupe.IndiceVertGroupe[1] = Reglages.IndiceLimite; }, false},
        {"raie verte", [] { LongueursOnde.LongueurOndeVerte = 0; }, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Construit(false);
        c.Change();
        Dessine();
        const int y5 = MiseEnPage.OrdonneePremiereLigne + 80;
        EXPECT_EQ(TexteSurLigne("Distance entre les miroirs = ", y5), c.Montree);
        EXPECT_EQ(TexteSurLigne("Rayon de courbure du miroir secondaire = ", y5), c.Montree);
        if (c.Montree)
        {
            EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Distance entre les miroirs = 280 mm", .X = 20, .Y = y5}));
        }
        // The line keeps its height either way.
        EXPECT_EQ(Controles.TableauSchmidt.Top, y5 + 16 + 2);
    }
}

TEST_F(BlocMaksutovCassegrain, LeCoefficientDuSecondaireSepareEtSesDecimales)
{
    struct TCas
    {
        double Coefficient;
        std::string Ecran, Papier;
    };
    const TCas cas[] = {{150, "150,000", "150,000"}, {-0.5, "-0,5000", "-0,5"}, {1e20, "", ""}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Coefficient);
        Construit(false);
        Instrument.CoefficientDeformationSecondaire = c.Coefficient;
        Dessine();
        const TCase& boite = MiseEnPage.CaseValeur[CaseCoefficientDeformationSecondaire];
        EXPECT_TRUE(TexteDessine(
            Fenetre, {.Texte = c.Ecran, .X = boite.Right - 4 - Fenetre.TextWidth(c.Ecran), .Y = boite.Top + 2}));
        const auto page = Imprime();
        EXPECT_TRUE(ContientTexte(*page, "Miroir secondaire, c = " + c.Papier)) << c.Papier;
    }
}

TEST_F(BlocMaksutovCassegrain, SansProfilLEpaisseurDeLaLameNiPeinteNiCliquable)
{
    for (TOctet profil : {TOctet{ProfilAucun}, TOctet{ProfilAvant}})
    {
        SCOPED_TRACE(static_cast<int>(profil));
        Construit(true);
        Instrument.ProfilLame = profil;
        Dessine();
        const bool avec = profil != ProfilAucun;
        EXPECT_EQ(CasesEnregistrees().count(CaseEpaisseurLame), avec ? 1u : 0u);
        EXPECT_EQ(ContientTexte(Fenetre, "Epaisseur de la lame = "), avec);
        EXPECT_EQ(ContientTexte(Fenetre, "Distance diaphragme-miroir primaire = "), !avec);
        EXPECT_EQ(ContientTexte(Fenetre, "Distance lame-miroir primaire = "), avec);
    }
}

TEST_F(BlocMaksutovCassegrain, LeDiametreDuPrimaireSeCentreDepuisLaDerniereValeurSansGrandissement)
{
    Construit(true);
    Instrument.FocaleResultante = Instrument.FocalePrimaire; // no magnification
    Instrument.DistanceLameMiroir = 800;
    Dessine();
    EXPECT_FALSE(ContientTexte(Fenetre, "Grandissement"));
    const std::string miroir = "Diamètre du miroir primaire = 110 mm";
    const std::string menisque =
        "Epaisseur totale du ménisque d'entrée = " + FormateNombre(Instrument.EpaisseurTotaleMenisque, "#0.#") + " mm";
    const int x7b = 800 - Fenetre.TextWidth(menisque) - 20;
    const int debut = 20 + Fenetre.TextWidth("800");
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = miroir, .X = debut + (x7b - debut - Fenetre.TextWidth(miroir)) / 2}));
}

TEST_F(BlocMaksutovCassegrain, LImpressionReprendLesLignesDesDeuxVariantes)
{
    struct TCas
    {
        bool SurMenisque;
        std::vector<std::string> Presents, Absents;
    };
    const TCas cas[] = {
        {true,
         {"Dégagement du foyer = 150 mm", "Diamètre du trou central du miroir primaire = 30 mm",
          "Miroir secondaire, c = 0", "Distance entre les miroirs = 280 mm", "Lame Correctrice",
          "Diamètre miroir secondaire = 30 mm"},
         {"Epaisseur du miroir secondaire", "Diamètre minimal du primaire"}},
        {false,
         {"Trou central du miroir primaire = 30 mm", "Epaisseur du miroir secondaire = 8 mm",
          "Distance entre les miroirs = 280 mm", "Rayon de courbure du miroir secondaire = 640 mm"},
         {"Diamètre du trou central"}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.SurMenisque ? "sur le ménisque" : "séparé");
        Construit(c.SurMenisque);
        Instrument.CoefficientDeformationPrimaire = 0.0003;
        Dessine();
        const auto page = Imprime();
        for (const std::string& texte : c.Presents)
            EXPECT_TRUE(ContientTexte(*page, texte)) << texte;
        for (const std::string& texte : c.Absents)
            EXPECT_FALSE(ContientTexte(*page, texte)) << texte;
        EXPECT_TRUE(ContientTexte(*page, "Coefficients de déformation ==>  miroir primaire, b = 0"));
        EXPECT_FALSE(ContientTexte(*page, "Coefficients de déformation ==>  miroir primaire, b = 0,"));
    }
}

TEST_F(BlocMaksutovCassegrain, ReplieUneLigneEtLImpressionAvanceDUneLigne)
{
    Construit(false);
    Edition.InstrumentDeveloppe = false;
    Dessine();
    EXPECT_EQ(CasesEnregistrees(), (std::set<int>{0, 7}));
    EXPECT_FALSE(Controles.TableauSchmidt.Visible);
    const auto page = Imprime();
    EXPECT_TRUE(ContientTexte(*page, "Diamètre de l'ouverture = 100 mm"));
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1100);
}

TEST_F(BlocMaksutovCassegrain, LeRapportImprimeLeBlocDuMaksutovCassegrain)
{
    Construit(false);
    Dessine();
    const auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeTableau(*page);
    EXPECT_TRUE(ContientTexte(*page, "Trou central du miroir primaire = "));
    EXPECT_TRUE(ContientTexte(*page, "Lame Correctrice"));
}
