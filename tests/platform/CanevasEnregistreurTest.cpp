// The recording canvas: its log finds a text by position, font and colour; its metrics are the documented ones;
// pixels read back what was drawn.
#include "doubles/CanevasEnregistreur.h"

#include <gtest/gtest.h>

#include <string>

namespace {
class CanevasEnregistreur : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }

    TCanevasEnregistreur Canevas{200, 100};
};

TEST_F(CanevasEnregistreur, LeJournalRetrouveUnTexteParPositionPoliceEtCouleur)
{
    Canevas.Police().FixeHauteur(-11);
    Canevas.TextOut(43, 50, "Plan");
    Canevas.Police().Couleur = clRed;
    Canevas.Pinceau().Couleur = clBtnFace;
    Canevas.TextOut(121, 50, "Infini");
    Canevas.Police().Nom = "Symbol";
    Canevas.Police().FixeHauteur(-13);
    Canevas.Pinceau().Style = TStylePinceau::Transparent;
    Canevas.TextOut(10, 70, " l = ");

    EXPECT_TRUE(TexteDessine(Canevas, {.Texte = "Plan",
                                       .X = 43,
                                       .Y = 50,
                                       .Police = "Arial",
                                       .Hauteur = -11,
                                       .Gras = false,
                                       .Couleur = clBlack,
                                       .Fond = clWhite}));
    EXPECT_TRUE(TexteDessine(Canevas, {.Texte = "Infini", .X = 121, .Couleur = clRed, .Fond = clBtnFace}));
    EXPECT_TRUE(TexteDessine(Canevas, {.Texte = " l = ", .Police = "Symbol", .Hauteur = -13}));

    struct TCas
    {
        const char* Raison;
        TTexteAttendu Attendu;
    };
    const TCas manques[] = {
        {"another text", {.Texte = "Diaph."}},
        {"another x", {.Texte = "Plan", .X = 44}},
        {"another y", {.Texte = "Plan", .Y = 49}},
        {"another font", {.Texte = "Plan", .Police = "Tahoma"}},
        {"another height", {.Texte = "Plan", .Hauteur = -13}},
        {"a size, not a height", {.Texte = "Plan", .Taille = 9}},
        {"bold", {.Texte = "Plan", .Gras = true}},
        {"another colour", {.Texte = "Infini", .Couleur = clBlack}},
        {"another cell colour", {.Texte = "Infini", .Fond = clWhite}},
        {"a clear brush", {.Texte = " l = ", .Fond = clWhite}},
    };
    for (const TCas& cas : manques)
    {
        SCOPED_TRACE(cas.Raison);
        const ::testing::AssertionResult resultat = TexteDessine(Canevas, cas.Attendu);
        EXPECT_FALSE(resultat);
        // The failure lists what was drawn, so that a failing test shows where the text went.
        const std::string ligne = "\"Infini\" at (121, 50), Arial height -11, colour 0xff on 0xf0f0f0";
        EXPECT_NE(std::string(resultat.message()).find(ligne), std::string::npos) << resultat.message();
    }
}

TEST_F(CanevasEnregistreur, LesMesuresSontCellesAnnoncees)
{
    struct TCas
    {
        const char* Police;
        int Hauteur;
        int Taille;
        bool Gras;
        int LargeurParCaractere;
        int HauteurCellule;
    };
    const TCas cas[] = {
        {"Arial", -11, 0, false, 5, 13}, {"Arial", -11, 0, true, 6, 13}, {"Arial", -20, 0, true, 11, 24},
        {"Tahoma", 15, 0, true, 7, 15},  {"Arial", 0, 9, false, 6, 14},  {"Symbol", -13, 0, false, 6, 15},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << c.Police << " " << c.Hauteur << " " << c.Taille << (c.Gras ? " bold" : ""));
        Canevas.Police().Nom = c.Police;
        if (c.Taille > 0)
            Canevas.Police().FixeTaille(c.Taille);
        else
            Canevas.Police().FixeHauteur(c.Hauteur);
        Canevas.Police().Gras = c.Gras;
        // Accented letters and Greek count as one character each.
        EXPECT_EQ(Canevas.TextWidth("Matière"), 7 * c.LargeurParCaractere);
        EXPECT_EQ(Canevas.TextWidth("λ"), c.LargeurParCaractere);
        EXPECT_EQ(Canevas.TextHeight("Bp"), c.HauteurCellule);
    }
    // On paper a size in points follows the printer's resolution: 9 points at 600 dpi are 75 dots.
    const auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    page->Canevas().Police().FixeTaille(9);
    EXPECT_EQ(page->Canevas().TextHeight("Bp"), 90);
    EXPECT_EQ(page->Canevas().TextWidth("M"), 37);
}

TEST_F(CanevasEnregistreur, LesPixelsRelisentCeQuiAEteDessine)
{
    Canevas.Pinceau().Couleur = clBtnFace;
    Canevas.Rectangle(10, 10, 20, 20);
    Canevas.Pinceau().Couleur = clYellow;
    Canevas.Police().FixeHauteur(-11);
    Canevas.TextOut(100, 50, "Foyer");
    Canevas.Pixels(5, 5, 0x00123456);
    EXPECT_EQ(Canevas.Pixels(5, 5), 0x00123456u);
    EXPECT_EQ(Canevas.Pixels(10, 10), clBlack);
    EXPECT_EQ(Canevas.Pixels(15, 15), clBtnFace);
    EXPECT_EQ(Canevas.Pixels(20, 20), clWhite);
    // The text cell is 5 x 5 wide and 13 high at (100, 50).
    EXPECT_EQ(Canevas.Pixels(124, 62), clYellow);
    EXPECT_EQ(Canevas.Pixels(125, 62), clWhite);
    EXPECT_EQ(Canevas.Pixels(124, 63), clWhite);
    EXPECT_EQ(Canevas.Pixels(-1, 0), CouleurIllisible);
}

TEST_F(CanevasEnregistreur, UnePageImprimeeNoteSesPagesEtNeSeRelitPas)
{
    const auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    IImprimante& imprimante = *page;
    imprimante.FixeTitre("Quivane - Impression");
    EXPECT_TRUE(imprimante.Debute());
    imprimante.Canevas().Stylo().Epaisseur = imprimante.Resolution() / 72;
    imprimante.Canevas().Rectangle(0, 0, 100, 100);
    imprimante.NouvellePage();
    imprimante.Canevas().TextOut(0, 0, "Suite de : ");
    imprimante.Termine();
    EXPECT_EQ(imprimante.LargeurPage(), 4960);
    EXPECT_EQ(imprimante.HauteurPage(), 7016);
    EXPECT_EQ(imprimante.Canevas().Pixels(50, 50), CouleurIllisible);

    const TOperationCanevas attendues[] = {TOperationCanevas::FixeTitre, TOperationCanevas::Debute,
                                           TOperationCanevas::Rectangle, TOperationCanevas::NouvellePage,
                                           TOperationCanevas::TextOut,   TOperationCanevas::Termine};
    ASSERT_EQ(page->Journal().size(), std::size(attendues));
    for (size_t i = 0; i < std::size(attendues); ++i)
        EXPECT_EQ(page->Journal()[i].Operation, attendues[i]) << NomOperation(page->Journal()[i].Operation);
    EXPECT_EQ(page->Journal()[0].Texte, "Quivane - Impression");
    EXPECT_EQ(page->Journal()[2].Stylo.Epaisseur, 8);
    EXPECT_EQ(page->Journal()[2].Valeurs, (std::vector<int>{0, 0, 100, 100}));
}
}
