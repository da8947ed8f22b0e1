// The refractor's block on the sheet and on paper: the objective table, the focus distance, the heading.
#include "FicheDeTest.h"
#include "PageDeTest.h"

#include "optics/Modele.h"
#include "sheet/BlocLunette.h"
#include "sheet/Tableau.h"
#include "sheet/TableauGroupe.h"

namespace {

class BlocLunette : public FicheDeTest
{
protected:
    void SetUp() override
    {
        FicheDeTest::SetUp();
        ImagesGroupe = {&Tableau, &CaseZf};
        ConstruitFormeValide(TTypeInstrument::Lunette);
        Instrument.FocalePrimaire = 1000;
        Instrument.FocaleObjectif = 990;
        Systeme.PositionFoyer = 1000;
        Edition.AMettreAJour = true;
        Edition.InstrumentDeveloppe = true;
    }

    static std::unique_ptr<TCanevasEnregistreur> Imprime() { return ImprimeBlocSurPage(ImprimeParametresLunette); }

    TCanevasEnregistreur Tableau{762, 268};
    TCanevasEnregistreur CaseZf{75, 17};
};

} // namespace

TEST_F(BlocLunette, LeTableauCompteAuMoinsUneLigneEtLeDispositifSuitSonBas)
{
    for (int n : {0, 1, 3})
    {
        SCOPED_TRACE(n);
        Groupe.NombreDioptresGroupe = n;
        Edition.AMettreAJour = true;
        Tableau.EffaceJournal();
        DessineTableau();
        const int lignes = std::max(n, 1);
        const int y0 = MiseEnPage.OrdonneePremiereLigne;
        EXPECT_TRUE(Controles.TableauKlevtsov.Visible);
        EXPECT_EQ(Controles.TableauKlevtsov.Top, y0 + 22);
        EXPECT_EQ(Controles.TableauKlevtsov.Height, 60 + 16 * lignes);
        EXPECT_EQ(MiseEnPage.OrdonneeDispositif, y0 + 97 + 16 * lignes);
        const std::string derniere = std::to_string(lignes);
        EXPECT_TRUE(TexteDessine(Tableau, {.Texte = derniere, .Y = 16 * lignes + 44}));
        EXPECT_FALSE(TexteDessine(Tableau, {.Texte = std::to_string(lignes + 1), .Y = 16 * lignes + 60}));
        EXPECT_EQ(CasesEnregistrees(), std::set<int>{});
    }
}

TEST_F(BlocLunette, LaDistanceAuFoyerSurLaDerniereLigneSeulementSiElleExiste)
{
    struct TCas
    {
        std::string Nom;
        int N;
        bool Divergent, SansVerre, Montree;
    };
    const TCas cas[] = {
        {"doublet convergent", 3, false, false, true},
        {"doublet divergent", 3, true, false, false},
        {"sans verre", 3, false, true, false},
        {"une seule surface", 1, false, false, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ConstruitFormeValide(TTypeInstrument::Lunette);
        Groupe.NombreDioptresGroupe = c.N;
        if (c.Divergent)
            for (int i = 1; i <= 3; ++i)
                Groupe.RayonGroupe[static_cast<std::size_t>(i)] *= -1;
        if (c.SansVerre)
            Groupe.IndiceVertGroupe[1] = 0;
        Edition.AMettreAJour = true;
        Controles.CaseZf.Visible = true;
        CaseZf.EffaceJournal();
        DessineTableau();
        EXPECT_EQ(Controles.CaseZf.Visible, c.Montree);
        if (!c.Montree)
        {
            EXPECT_TRUE(CaseZf.Textes().empty());
            continue;
        }
        // The doublet's first two thicknesses are 8 and 4 mm.
        const double distance = Systeme.PositionFoyer - 12;
        ASSERT_GT(distance, 0);
        EXPECT_DOUBLE_EQ(Instrument.DistanceApresGroupe, distance);
        const std::string texte = FormateNombre(distance, "#0.00");
        EXPECT_EQ(Controles.CaseZf.Top, Controles.TableauKlevtsov.Top + 16 * c.N + 43);
        EXPECT_EQ(Controles.CaseZf.Left, Controles.TableauKlevtsov.Left + 120);
        EXPECT_TRUE(TexteDessine(CaseZf, {.Texte = texte, .X = 75 - 31 - CaseZf.TextWidth(texte), .Y = 1}));
    }
}

TEST_F(BlocLunette, LEnteteLitLaFocaleDeLObjectifALEcranEtLaFocalePrimaireSurPapier)
{
    Instrument.FocaleObjectif = 987.25;
    DessineTableau();
    ASSERT_TRUE(Validite.InstrumentValide);
    const double d = Instrument.DiametreObjectif;
    ASSERT_GT(d, 1);
    EXPECT_TRUE(ContientTexte(Fenetre, "Lunette : D = "));
    EXPECT_TRUE(ContientTexte(Fenetre, "Rayon de la tache de diffraction = "));
    bool ecran = false;
    for (const TAppelCanevas& appel : Fenetre.Textes())
        ecran = ecran || appel.Texte.find(" : F = 987,2 mm : F/D = ") != std::string::npos;
    EXPECT_TRUE(ecran);

    Instrument.FocalePrimaire = 1000;
    const auto page = Imprime();
    bool papier = false;
    for (const TAppelCanevas& appel : page->Textes())
        papier = papier || (appel.Texte.rfind("Lunette : D = ", 0) == 0 &&
                            appel.Texte.find(" : F = 1000 mm : F/D = ") != std::string::npos);
    EXPECT_TRUE(papier);
}

TEST_F(BlocLunette, SansOuvertureUtileAucunEnteteNiSurLaFicheNiSurPapier)
{
    Groupe.IndiceVertGroupe[1] = 0; // an objective without glass cannot be traced
    Instrument.DiametreObjectif = 0;
    DessineTableau();
    ASSERT_FALSE(Validite.InstrumentValide);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Lunette", .X = 20, .Gras = true}));
    EXPECT_FALSE(ContientTexte(Fenetre, "Rayon de la tache"));
    Groupe.DiametreGroupe[1] = 0; // no diffraction line either, so the aperture stays unknown
    const auto page = Imprime();
    EXPECT_FALSE(ContientTexte(*page, "Lunette"));
    EXPECT_TRUE(ContientTexte(*page, "Caractéristiques de la lunette"));
}

TEST_F(BlocLunette, LeTableauImprimeReprendLesLignesDeLObjectifEtLaDistanceAuFoyer)
{
    Groupe.RayonGroupe[2] = 1e30;
    const auto page = Imprime();
    const int s = 100;
    const int h = 1000 + s + 33 * s / 10;
    const int b = h - 90 * s / 100;
    for (const char* texte : {"600,00", "Diaph.", "-1600,0", "8,00", "4,00", "100,0", "BK7", "F2"})
        EXPECT_TRUE(ContientTexte(*page, texte)) << texte;
    const std::string distance = FormateNombre(Systeme.PositionFoyer - 12, "#0.00");
    EXPECT_TRUE(TexteDessine(*page, {.Texte = distance, .Y = b + 3 * s + page->Stylo().Epaisseur}));
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, b + 4 * s);

    Edition.InstrumentDeveloppe = false;
    const auto replie = Imprime();
    EXPECT_FALSE(ContientTexte(*replie, "Caractéristiques"));
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 2 * s);
}

TEST_F(BlocLunette, LesValeursQueLImpressionEcritSontRecalculeesParLeRafraichissementSuivant)
{
    // A diverging doublet: its focus lies in front, where the paper and the screen measure it differently.
    for (int i = 1; i <= 3; ++i)
        Groupe.RayonGroupe[static_cast<std::size_t>(i)] *= -1;
    DessineTableau();
    ASSERT_LT(Systeme.PositionFoyer, 0);
    const double distanceEcran = Instrument.DistanceApresGroupe;
    const double ouvertureEcran = Instrument.DiametreObjectif;
    Imprime();
    EXPECT_DOUBLE_EQ(Instrument.DistanceApresGroupe, -Systeme.PositionFoyer - 8 - 4);
    Edition.AMettreAJour = true;
    DessineTableau();
    EXPECT_DOUBLE_EQ(Instrument.DistanceApresGroupe, distanceEcran);
    EXPECT_DOUBLE_EQ(Instrument.DiametreObjectif, ouvertureEcran);
}

TEST_F(BlocLunette, LaLongueurDeLInstrumentDansLeBandeauDuTitreVaDuGroupeAuFoyer)
{
    DessineTableau();
    // The doublet's focus lies more than a metre behind it.
    const double longueur = Instrument.DistanceApresGroupe + Instrument.LongueurTotale + Instrument.FinDispositif;
    ASSERT_GT(longueur, 1000);
    const std::string texte = "Longueur de l'instrument = " + FormateNombre(longueur / 1000, "0.000") + " m";
    EXPECT_TRUE(TexteDessine(Tableau, {.Texte = texte, .X = 762 - Tableau.TextWidth(texte) - 20, .Y = 4}));
}

TEST_F(BlocLunette, ReplieLeTableauEstCacheEtLeDispositifSuitLaLigne)
{
    Edition.InstrumentDeveloppe = false;
    Controles.Ligne.Visible = true;
    DessineTableau();
    EXPECT_FALSE(Controles.TableauKlevtsov.Visible);
    EXPECT_FALSE(Controles.Ligne.Visible);
    EXPECT_FALSE(Controles.CaseZf.Visible);
    EXPECT_EQ(MiseEnPage.OrdonneeDispositif, MiseEnPage.OrdonneePremiereLigne + 29);
}

TEST_F(BlocLunette, LeRapportImprimeLeBlocDeLaLunette)
{
    DessineTableau();
    const auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeTableau(*page);
    EXPECT_TRUE(ContientTexte(*page, "Caractéristiques de la lunette"));
    EXPECT_TRUE(ContientTexte(*page, "Lunette : D = "));
}
