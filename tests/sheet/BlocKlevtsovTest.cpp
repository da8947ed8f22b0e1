// The Klevtsov-Cassegrain's block on the sheet and on paper: its lines, its group table and the secondary mirror's row.
#include "FicheGroupeDeTest.h"

#include "sheet/BlocKlevtsov.h"

namespace {

class BlocKlevtsov : public FicheGroupeDeTest
{
protected:
    void SetUp() override
    {
        FicheGroupeDeTest::SetUp();
        ConstruitFormeValide(TTypeInstrument::KlevtsovCassegrain);
        Instrument.EpaisseurSecondaire = 12;
        Instrument.FocaleResultante = 4000;
        Instrument.FocaleEffective = 3990;
    }

    // The block alone, on the values as set: a full repaint would solve the design first.
    void DessineBloc()
    {
        Fenetre.EffaceJournal();
        MiseEnPage.OrdonneePremiereLigne = 28;
        MiseEnPage.CaseBasculeInstrument = {5, 32, 15, 41};
        DessineParametresKlevtsov(Fenetre);
    }

    std::unique_ptr<TCanevasEnregistreur> Imprime()
    {
        auto page = Page();
        ImprimeParametresKlevtsov(*page);
        return page;
    }

    // The printed table starts five lines below the name; its mirror row lies one row below the group's last.
    static int LigneMiroirImprimee(int lignesGroupe, int stylo)
    {
        const int b = Haut + 5 * Pas + 33 * Pas / 10 - 90 * Pas / 100;
        return b + (lignesGroupe + 1) * Pas + stylo;
    }
};

} // namespace

TEST_F(BlocKlevtsov, LaLigneMiroirCouvreLaDerniereLigneEtUnNombreImpairCacheSonEpaisseur)
{
    for (int n : {0, 1, 2, 3, 4})
    {
        SCOPED_TRACE(n);
        Groupe.NombreDioptresGroupe = n;
        Dessine();
        const int lignes = std::max(n + 1, 2);
        const std::string numero = std::to_string(lignes);
        const TControle& tableau = Controles.TableauKlevtsov;
        const TControle& miroir = Controles.LigneMiroir;
        EXPECT_TRUE(tableau.Visible);
        EXPECT_EQ(tableau.Top, MiseEnPage.CaseValeur[CaseEpaisseurPrimaire].Top + 2 + 18);
        EXPECT_EQ(tableau.Height, 60 + 16 * lignes);
        EXPECT_EQ(MiseEnPage.OrdonneeDispositif, tableau.Top + tableau.Height + 14);
        EXPECT_TRUE(miroir.Visible);
        EXPECT_EQ(miroir.Top, tableau.Top + 43 + 16 * lignes);
        EXPECT_EQ(miroir.Left, tableau.Left + 1);
        EXPECT_EQ(Controles.LigneMiroirActive.Top, miroir.Top);
        EXPECT_EQ(Controles.LigneMiroirActive.Left, miroir.Left);
        EXPECT_TRUE(
            TexteDessine(LigneMiroir, {.Texte = numero, .X = 25 - LigneMiroir.TextWidth("n" + numero), .Y = 1}));
        EXPECT_TRUE(TexteDessine(LigneMiroir, {.Texte = "Miroir secondaire sphérique", .X = 480, .Y = 1}));

        const bool impair = n % 2 != 0;
        EXPECT_EQ(Controles.EpaisseurOff.Visible, impair);
        EXPECT_EQ(TexteDessine(LigneMiroir, {.Texte = "12,00", .X = 164 - LigneMiroir.TextWidth("12,00"), .Y = 1}),
                  !impair);
        if (impair)
        {
            EXPECT_EQ(Controles.EpaisseurOff.Left, miroir.Left + 120);
            EXPECT_EQ(Controles.EpaisseurOff.Top, miroir.Top);
        }

        const auto page = Imprime();
        const auto x = MesureColonnesGroupe(*page).Bords;
        const int pw = page->Stylo().Epaisseur;
        const int y = LigneMiroirImprimee(std::max(n, 1), pw);
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, y + Pas);
        EXPECT_TRUE(TexteDessine(*page, {.Texte = "Miroir secondaire sphérique", .Y = y}));
        EXPECT_TRUE(TexteDessine(*page, {.Texte = numero, .Y = y}));
        EXPECT_EQ(TexteDessine(*page, {.Texte = "12,00", .X = x[3] - page->TextWidth("12,00 "), .Y = y}), !impair);
        bool barre = false;
        const auto& journal = page->Journal();
        for (std::size_t k = 1; k < journal.size(); ++k)
            barre = barre || (journal[k - 1].Valeurs == std::vector<int>{x[2], y - pw} &&
                              journal[k].Operation == TOperationCanevas::LineTo &&
                              journal[k].Valeurs == std::vector<int>{x[3], y + Pas - pw});
        EXPECT_EQ(barre, impair);
    }
}

TEST_F(BlocKlevtsov, LeRayonDuMiroirSeLitParSaGrandeur)
{
    struct TCas
    {
        double Rayon;
        std::string Texte;
    };
    const TCas cas[] = {{-1e20, "Plan"},    {1e20, "Plan"},   {0, ""},
                        {-12000, "-12000"}, {1500, "1500,0"}, {400, "400,00"}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Rayon);
        Instrument.RayonCourbureSecondaire = c.Rayon;
        Dessine();
        EXPECT_TRUE(TexteDessine(LigneMiroir, {.Texte = c.Texte, .X = 89 - LigneMiroir.TextWidth(c.Texte), .Y = 1}));
        const auto page = Imprime();
        const auto x = MesureColonnesGroupe(*page).Bords;
        EXPECT_TRUE(TexteDessine(*page, {.Texte = c.Texte,
                                         .X = x[2] - page->TextWidth(c.Texte + " "),
                                         .Y = LigneMiroirImprimee(2, page->Stylo().Epaisseur)}));
    }
}

TEST_F(BlocKlevtsov, UnDiaphragmeDuGroupeSeLitCommeTelEtLesEpaisseursSuiventLesSeuilsDuDispositif)
{
    Groupe.RayonGroupe[1] = 1e30;
    Groupe.EpaisseurGroupe[2] = 150;
    Dessine();
    EXPECT_TRUE(TexteDessine(Tableau, {.Texte = "Diaph.", .Y = 16 + 44}));
    EXPECT_TRUE(TexteDessine(Tableau, {.Texte = "150,0", .Y = 2 * 16 + 44}));
    EXPECT_TRUE(TexteDessine(Tableau, {.Texte = "Groupe réfracto-réflecteur de Klevtsov", .Y = 4}));
    const auto page = Imprime();
    const int b = Haut + 5 * Pas + 33 * Pas / 10 - 90 * Pas / 100;
    EXPECT_TRUE(TexteDessine(*page, {.Texte = "Diaphragme", .Y = b + Pas}));
    EXPECT_TRUE(TexteDessine(*page, {.Texte = "150,0", .Y = b + 2 * Pas + page->Stylo().Epaisseur}));
}

TEST_F(BlocKlevtsov, LesLignesDuBlocSuiventLeursConditions)
{
    struct TCas
    {
        std::string Nom;
        double FocaleEffective, Degagement;
        bool RapportFiche, RapportPapier, Degage;
    };
    // The sheet asks for the traced focal length, the paper for the resulting one.
    const TCas cas[] = {
        {"complet", 3990, 200, true, true, true},
        {"non tracé", 0, 200, false, true, true},
        {"sans dégagement", 3990, 1e20, true, true, false},
    };
    const int y0 = 28;
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Instrument.FocaleEffective = c.FocaleEffective;
        Instrument.DegagementFoyer = c.Degagement;
        DessineBloc();
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = "F/D = 20,00", .X = 20, .Y = y0 + 32}), c.RapportFiche);
        EXPECT_EQ(ContientTexte(Fenetre, "Rayon de la tache"), c.RapportFiche);
        const std::string degagement = "Dégagement du foyer = 200 mm";
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = degagement, .X = 780 - Fenetre.TextWidth(degagement), .Y = y0 + 48}),
                  c.Degage);
        EXPECT_EQ(CasesEnregistrees(), (std::set<int>{0, 3, 11, 15, 16}));

        const auto page = Imprime();
        EXPECT_EQ(TexteDessine(*page, {.Texte = "F/D = 20,00", .X = Marge, .Y = Haut + 2 * Pas}), c.RapportPapier);
        EXPECT_EQ(ContientTexte(*page, "Dégagement du foyer = "), c.Degage);
        bool suffixe = false;
        for (const TAppelCanevas& appel : page->Textes())
            suffixe = suffixe || appel.Texte.ends_with(" nm (au foyer secondaire)");
        EXPECT_EQ(suffixe, c.RapportPapier);
    }
}

TEST_F(BlocKlevtsov, ReplieNiTableauNiLigneMiroirEtLImpressionAvanceDUneLigne)
{
    Controles.LigneMiroir.Visible = true;
    Controles.EpaisseurOff.Visible = true;
    Edition.InstrumentDeveloppe = false;
    Dessine();
    EXPECT_FALSE(Controles.TableauKlevtsov.Visible);
    EXPECT_FALSE(Controles.LigneMiroir.Visible);
    EXPECT_FALSE(Controles.EpaisseurOff.Visible);
    EXPECT_EQ(MiseEnPage.OrdonneeDispositif, MiseEnPage.OrdonneePremiereLigne + 32);
    EXPECT_TRUE(LigneMiroir.Journal().empty());

    const auto page = Imprime();
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, Haut + Pas);
    EXPECT_FALSE(ContientTexte(*page, "Groupe réfracto"));
}
