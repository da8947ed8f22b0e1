// The Houghton corrector's table: its cells on the sheet and on paper, its rows and its place under the block.
#include "FicheGroupeDeTest.h"

#include "sheet/TableauHoughton.h"

namespace {

using TableauHoughton = FicheGroupeDeTest;

} // namespace

TEST_F(TableauHoughton, LaFicheEtLePapierLisentLesCellulesAvecLeursPropresSeuils)
{
    struct TCas
    {
        double Rayon, Epaisseur;
        std::string RayonEcran, RayonPapier, EpaisseurEcran, EpaisseurPapier;
    };
    const TCas cas[] = {
        {1e30, 5000, "Diaph.", "Diaphragme", "5000,0", "5000"},
        {1e20, 150, "Plan", "Plan", "150,00", "150,0"},
        {-1200, 99.5, "-1200,0", "-1200,0", "99,50", "99,5"},
        {12000, 1e20, "12000", "12000", "Infini", "Infini"},
        {0, -1, "", "", "", ""},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.RayonPapier + " / " + c.EpaisseurPapier);
        ConstruitFormeValide(TTypeInstrument::LurieHoughton);
        Groupe.RayonGroupe[1] = c.Rayon;
        Groupe.EpaisseurGroupe[1] = c.Epaisseur;
        Dessine();
        const int y = 16 + 44;
        EXPECT_TRUE(TexteDessine(Tableau, {.Texte = c.RayonEcran, .X = 90 - Tableau.TextWidth(c.RayonEcran), .Y = y}));
        EXPECT_TRUE(
            TexteDessine(Tableau, {.Texte = c.EpaisseurEcran, .X = 165 - Tableau.TextWidth(c.EpaisseurEcran), .Y = y}));

        const auto page = Page();
        const auto colonnes = MesureColonnesGroupe(*page).Bords;
        ImprimeGroupeHoughton(*page);
        const int ligne = Haut + 33 * Pas / 10 - 90 * Pas / 100 + Pas;
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, ligne - Pas);
        EXPECT_TRUE(TexteDessine(
            *page, {.Texte = c.RayonPapier, .X = colonnes[2] - page->TextWidth(c.RayonPapier + " "), .Y = ligne}));
        EXPECT_TRUE(TexteDessine(
            *page,
            {.Texte = c.EpaisseurPapier, .X = colonnes[3] - page->TextWidth(c.EpaisseurPapier + " "), .Y = ligne}));
    }
}

TEST_F(TableauHoughton, LaFicheMontreAuMoinsDeuxLignesEtLeDispositifQuatorzePixelsSousLImage)
{
    for (TTypeInstrument forme : {TTypeInstrument::LurieHoughton, TTypeInstrument::HoughtonCassegrain})
    {
        for (int n : {0, 1, 3, 4})
        {
            SCOPED_TRACE(std::to_string(static_cast<int>(forme)) + " N = " + std::to_string(n));
            ConstruitFormeValide(forme);
            Groupe.NombreDioptresGroupe = n;
            Dessine();
            const int lignes = std::max(n, 2);
            const TControle& tableau = Controles.TableauKlevtsov;
            EXPECT_EQ(MiseEnPage.NombreLignesHoughton, lignes);
            EXPECT_TRUE(tableau.Visible);
            EXPECT_EQ(tableau.Height, 60 + 16 * lignes);
            // The image starts 18 px below the block's last line, the one of the secondary's thickness.
            EXPECT_EQ(tableau.Top, MiseEnPage.CaseValeur[CaseEpaisseurSecondaire].Top + 2 + 18);
            EXPECT_EQ(MiseEnPage.OrdonneeDispositif, tableau.Top + tableau.Height + 14);
            EXPECT_TRUE(TexteDessine(Tableau, {.Texte = std::to_string(lignes), .Y = 16 * lignes + 44}));
            EXPECT_FALSE(TexteDessine(Tableau, {.Texte = std::to_string(lignes + 1), .Y = 16 * lignes + 60}));
            EXPECT_TRUE(TexteDessine(Tableau, {.Texte = "Correcteur de Houghton", .Y = 4, .Gras = true}));
        }
    }
}

TEST_F(TableauHoughton, SurPapierLesReglesSArretentUnCinquiemeDeLigneSousLaDerniereLigne)
{
    // The corrector's glass rows are the odd ones.
    for (const auto& [n, verres] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{4, 2}})
    {
        SCOPED_TRACE(n);
        ConstruitFormeValide(TTypeInstrument::LurieHoughton);
        Groupe.NombreDioptresGroupe = n;
        const auto page = Page();
        const auto colonnes = MesureColonnesGroupe(*page).Bords;
        ImprimeGroupeHoughton(*page);
        const int yh = Haut + 33 * Pas / 10;
        const int ye = yh + n * Pas + 2 * Pas / 10;
        bool regleDuBas = false;
        int rangees = 0;
        const auto& journal = page->Journal();
        for (std::size_t k = 1; k < journal.size(); ++k)
        {
            const TAppelCanevas& appel = journal[k];
            if (appel.Operation == TOperationCanevas::LineTo && appel.Valeurs == std::vector<int>{colonnes[8], ye} &&
                journal[k - 1].Valeurs == std::vector<int>{colonnes[0], ye})
                regleDuBas = true;
            if (appel.Operation == TOperationCanevas::TextOut && appel.Texte == "BK7")
                ++rangees;
        }
        EXPECT_TRUE(regleDuBas);
        EXPECT_EQ(rangees, verres);
    }
}
