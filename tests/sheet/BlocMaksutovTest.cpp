// The Maksutov and Maksutov-Newton block on the sheet and on paper.
#include "FicheDeTest.h"
#include "PageDeTest.h"

#include "optics/Modele.h"
#include "sheet/BlocMaksutov.h"
#include "sheet/Tableau.h"

#include <memory>

namespace {

class BlocMaksutov : public FicheDeTest
{
protected:
    void Construit(TTypeInstrument forme, bool developpe = true)
    {
        ConstruitFormeValide(forme);
        Edition.InstrumentDeveloppe = developpe;
        Edition.AMettreAJour = true;
    }

    void Dessine()
    {
        Edition.AMettreAJour = true;
        Fenetre.EffaceJournal();
        DessineTableau();
    }

    static std::unique_ptr<TCanevasEnregistreur> Imprime() { return ImprimeBlocSurPage(ImprimeParametresMaksutov); }

    // The y of the texts drawn on the sheet that start with `debut`.
    std::set<int> LignesDe(const std::string& debut) const
    {
        std::set<int> lignes;
        for (const TAppelCanevas& appel : Fenetre.Textes())
            if (appel.Texte.rfind(debut, 0) == 0)
                lignes.insert(appel.Valeurs[1]);
        return lignes;
    }
};

} // namespace

TEST_F(BlocMaksutov, LesCasesEnregistreesSelonLeTypeEtLaForme)
{
    struct TCas
    {
        TTypeInstrument Forme;
        bool Developpe;
        std::set<int> Cases;
    };
    const TCas cas[] = {
        {TTypeInstrument::Maksutov, true, {0, 1, 3, 4, 5, 6, 11, 13, 14, 15}},
        {TTypeInstrument::MaksutovNewton, true, {0, 1, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15}},
        {TTypeInstrument::Maksutov, false, {0, 1, 3}},
        {TTypeInstrument::MaksutovNewton, false, {0, 1, 3}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.Forme)) + (c.Developpe ? " développé" : " replié"));
        Construit(c.Forme, c.Developpe);
        MiseEnPage.CaseValeur.fill(TCase{100, 100, 200, 200});
        Dessine();
        EXPECT_EQ(CasesEnregistrees(), c.Cases);
        EXPECT_FALSE(Controles.TableauKlevtsov.Visible);
        EXPECT_EQ(Controles.TableauSchmidt.Visible, c.Developpe);
        EXPECT_EQ(MiseEnPage.OrdonneeDispositif, MiseEnPage.OrdonneePremiereLigne + (c.Developpe ? 147 : 32));
    }
}

TEST_F(BlocMaksutov, LeMaksutovNewtonCacheLeBoutonDuChampEtMontreLeMiroirPlanEnLigneCinq)
{
    Construit(TTypeInstrument::MaksutovNewton);
    Instrument.ChampCourbe = true;
    Controles.BoutonChampCourbe.Visible = true;
    Dessine();
    EXPECT_FALSE(Controles.BoutonChampCourbe.Visible);
    EXPECT_FALSE(Instrument.ChampCourbe);
    const int y5 = MiseEnPage.OrdonneePremiereLigne + 115;
    const auto& cases = MiseEnPage.CaseValeur;
    for (int numero : {CaseDegagementFoyer, CaseDiametreSecondaire, CaseEpaisseurSecondaire})
    {
        SCOPED_TRACE(numero);
        EXPECT_EQ(cases[static_cast<std::size_t>(numero)].Top, y5 - 2);
    }
    EXPECT_LT(cases[CaseDegagementFoyer].Right, cases[CaseDiametreSecondaire].Left);
    EXPECT_LT(cases[CaseDiametreSecondaire].Right, cases[CaseEpaisseurSecondaire].Left);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "120", .Y = y5}));
    EXPECT_TRUE(LignesDe("Diamètre du champ de pleine lumière").empty());
}

TEST_F(BlocMaksutov, LeBoutonDuChampSeulementSansDispositifPourLeMaksutov)
{
    for (bool dispositif : {false, true})
    {
        SCOPED_TRACE(dispositif ? "avec dispositif" : "sans dispositif");
        Construit(TTypeInstrument::Maksutov);
        Instrument.ChampCourbe = true;
        Instrument.DiametreEntree = 0.5; // line 2 stays empty: the button is placed all the same
        if (dispositif)
        {
            Dispositif.NombreDioptres = 2;
            Dispositif.RayonDioptre[1] = 50;
            Dispositif.DiametreDioptre[1] = 20;
            Dispositif.EpaisseurDioptre[1] = 5;
        }
        Dessine();
        ASSERT_EQ(Validite.DispositifPresent, dispositif);
        EXPECT_EQ(Controles.BoutonChampCourbe.Visible, !dispositif);
        EXPECT_EQ(Instrument.ChampCourbe, !dispositif);
        if (!dispositif)
        {
            EXPECT_EQ(Controles.BoutonChampCourbe.Left, 200);
            EXPECT_EQ(Controles.BoutonChampCourbe.Top, MiseEnPage.OrdonneePremiereLigne + 29);
        }
        EXPECT_TRUE(LignesDe("F/D = ").empty());
        EXPECT_TRUE(LignesDe("Rayon de la tache").empty());
    }
}

TEST_F(BlocMaksutov, LesTextesCalculesDuMaksutovSeulementSurUnInstrumentValide)
{
    for (bool valide : {true, false})
    {
        SCOPED_TRACE(valide ? "valide" : "non valide");
        Construit(TTypeInstrument::Maksutov);
        if (!valide)
            Groupe.IndiceVertGroupe[1] = 0; // a meniscus without glass
        Instrument.EpaisseurTotaleMenisque = 14.5f;
        Instrument.DiametreChampPleineLumiere = 12;
        Dessine();
        ASSERT_EQ(Validite.InstrumentValide, valide);
        const int y0 = MiseEnPage.OrdonneePremiereLigne;
        const std::set<int> attendu = valide ? std::set<int>{y0 + 115} : std::set<int>{};
        EXPECT_EQ(LignesDe("Diamètre du champ de pleine lumière = "), attendu);
        EXPECT_EQ(LignesDe("Distance Focale = "), valide ? std::set<int>{y0 + 16} : std::set<int>{});
        EXPECT_EQ(LignesDe("Epaisseur totale du ménisque = 14,5 mm"), attendu);
        EXPECT_EQ(LignesDe("F/D = "), valide ? std::set<int>{y0 + 32} : std::set<int>{});
    }
}

TEST_F(BlocMaksutov, LaDistanceDiaphragmeMiroirNeCompteQuAPartirDUnMillimetre)
{
    struct TCas
    {
        float Distance;
        std::string Texte;
    };
    const TCas cas[] = {{0.5f, ""}, {0.99f, ""}, {1, "1"}, {612.25f, "612,3"}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Distance);
        Construit(TTypeInstrument::Maksutov);
        Instrument.DistanceDiaphragmeMiroir = c.Distance;
        Dessine();
        const TCase& boite = MiseEnPage.CaseValeur[CaseDistanceDiaphragmeMiroir];
        bool trouve = false;
        for (const TAppelCanevas& appel : Fenetre.Textes())
            if (appel.Valeurs[1] == boite.Top + 2 && appel.Valeurs[0] == boite.Right - 4 - Fenetre.TextWidth(c.Texte))
                trouve = trouve || appel.Texte == c.Texte;
        EXPECT_TRUE(trouve);
    }
}

TEST_F(BlocMaksutov, ReplieLeRayonDuMiroirNAPasDUnite)
{
    Construit(TTypeInstrument::Maksutov, false);
    Dessine();
    const TCase& rayon = MiseEnPage.CaseValeur[CaseRayonCourburePrimaire];
    EXPECT_FALSE(TexteDessine(Fenetre, {.Texte = " mm", .X = rayon.Right + 2}));
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "RdC miroir = "}));
    const TCase& miroir = MiseEnPage.CaseValeur[CaseDiametreMiroir];
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = " mm", .X = miroir.Right + 2}));
}

TEST_F(BlocMaksutov, LImpressionDitLeChampEtLeMiroirPlanSelonLeType)
{
    struct TCas
    {
        TTypeInstrument Forme;
        bool Developpe, ChampCourbe;
        std::vector<std::string> Presents, Absents;
    };
    const TCas cas[] = {
        {TTypeInstrument::Maksutov,
         true,
         true,
         {" avec champ courbe", "Diamètre du champ de pleine lumière = ", "Lame Correctrice", "Epaisseur lame = "},
         {"Distance miroir plan - Foyer = "}},
        {TTypeInstrument::Maksutov, true, false, {" avec champ plan"}, {" avec champ courbe"}},
        {TTypeInstrument::MaksutovNewton,
         true,
         false,
         {"Distance miroir plan - Foyer = 120 mm", "Petit côté du miroir plan = 40 mm",
          "Epaisseur du miroir plan =     mm"},
         {" avec champ", "Diamètre du champ de pleine lumière"}},
        {TTypeInstrument::Maksutov, false, true, {" cc", "Diamètre lame = 100 mm", "Rdc miroir = 1000 mm"}, {}},
        {TTypeInstrument::Maksutov, false, false, {" cp"}, {" cc"}},
        {TTypeInstrument::MaksutovNewton, false, false, {"Diamètre lame = 150 mm"}, {" cp", " cc"}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.Forme)) + (c.Developpe ? " développé" : " replié"));
        Construit(c.Forme, c.Developpe);
        Dessine();
        Instrument.ChampCourbe = c.ChampCourbe;
        const auto page = Imprime();
        for (const std::string& texte : c.Presents)
            EXPECT_TRUE(ContientTexte(*page, texte)) << texte;
        for (const std::string& texte : c.Absents)
            EXPECT_FALSE(ContientTexte(*page, texte)) << texte;
        EXPECT_EQ(MiseEnPage.AbscisseCourante, 200);
    }
}

TEST_F(BlocMaksutov, LImpressionSansRapportSauteLeMenisqueEtAvanceDeCinqLignes)
{
    for (double diametre : {0.5, 100.0})
    {
        SCOPED_TRACE(diametre);
        Construit(TTypeInstrument::Maksutov);
        Dessine();
        Instrument.DiametreEntree = diametre;
        const auto page = Imprime();
        const bool rapport = diametre > 1;
        EXPECT_EQ(ContientTexte(*page, "Lame Correctrice"), rapport);
        // Five lines, and the meniscus block's 4.2 lines when it is printed.
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 500 + (rapport ? 420 : 0));
    }
}

TEST_F(BlocMaksutov, LImpressionDuRapportPasseParLeTableau)
{
    Construit(TTypeInstrument::MaksutovNewton);
    Dessine();
    const auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeTableau(*page);
    EXPECT_TRUE(ContientTexte(*page, "Petit côté du miroir plan = "));
}

TEST_F(BlocMaksutov, LEpaisseurDuMenisqueDuMaksutovNewtonEntreLeRapportEtLaTache)
{
    struct TCas
    {
        float Epaisseur;
        bool Montree;
    };
    const TCas cas[] = {{14.5f, true}, {0.09f, false}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Epaisseur);
        Construit(TTypeInstrument::MaksutovNewton);
        Instrument.EpaisseurTotaleMenisque = c.Epaisseur;
        Dessine();
        ASSERT_TRUE(Validite.InstrumentValide);
        const int y2 = MiseEnPage.OrdonneePremiereLigne + 32;
        EXPECT_EQ(LignesDe("Epaisseur totale du ménisque = "), c.Montree ? std::set<int>{y2} : std::set<int>{});
        if (!c.Montree)
            continue;
        const std::string rapport = "F/D = " + FormateNombre(Instrument.FocaleObjectif / 150, "#0.00");
        const int fin = 20 + Fenetre.TextWidth(rapport);
        int debutTache = 0;
        for (const TAppelCanevas& appel : Fenetre.Textes())
            if (appel.Texte.rfind("Rayon de la tache", 0) == 0)
                debutTache = appel.Valeurs[0];
        const std::string texte = "Epaisseur totale du ménisque = 14,5 mm";
        // Centred between the ratio and the diffraction line where that line is painted.
        for (const TAppelCanevas& appel : Fenetre.Textes())
            if (appel.Texte == texte)
            {
                EXPECT_GT(appel.Valeurs[0], fin + 4);
                EXPECT_LT(appel.Valeurs[0] + Fenetre.TextWidth(texte), debutTache);
                EXPECT_EQ(appel.Valeurs[0], fin + (debutTache - fin - Fenetre.TextWidth(texte)) / 2);
            }
    }
}
