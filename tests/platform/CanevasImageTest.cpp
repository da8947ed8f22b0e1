// The screen image canvas: exact pixels, excluded far edges, filled text cells, fonts and Symbol text.
#include "platform/CanevasImage.h"
#include "platform/Polices.h"

#include "doubles/CanevasEnregistreur.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

namespace {
class CanevasImage : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }

    TCanevasImage Canevas{120, 100};

    // The smallest box holding every pixel that differs from the background, as x1, y1, x2, y2 with x2, y2 excluded.
    std::array<int, 4> BoiteDessinee(TColor fond)
    {
        std::array<int, 4> boite{Canevas.Largeur(), Canevas.Hauteur(), 0, 0};
        for (int y = 0; y < Canevas.Hauteur(); ++y)
            for (int x = 0; x < Canevas.Largeur(); ++x)
                if (Canevas.Pixels(x, y) != fond)
                    boite = {std::min(boite[0], x), std::min(boite[1], y), std::max(boite[2], x + 1),
                             std::max(boite[3], y + 1)};
        return boite;
    }

    std::set<TColor> CouleursPresentes()
    {
        std::set<TColor> couleurs;
        for (int y = 0; y < Canevas.Hauteur(); ++y)
            for (int x = 0; x < Canevas.Largeur(); ++x)
                couleurs.insert(Canevas.Pixels(x, y));
        return couleurs;
    }
};

TEST_F(CanevasImage, UneImageNeuveEstBlanche)
{
    EXPECT_EQ(BoiteDessinee(clWhite), (std::array<int, 4>{120, 100, 0, 0}));
}

TEST_F(CanevasImage, LineToLaisseSonDernierPixel)
{
    struct TCas
    {
        int X0, Y0, X1, Y1;
        std::array<int, 4> Boite;
    };
    const TCas cas[] = {
        {0, 0, 10, 0, {0, 0, 10, 1}}, // x 0..9 only
        {10, 5, 0, 5, {1, 5, 11, 6}}, // leftwards: x 10 down to 1
        {3, 2, 3, 12, {3, 2, 4, 12}}, // downwards
        {20, 20, 30, 30, {20, 20, 30, 30}}, // diagonal, (30, 30) left out
        {40, 40, 40, 40, {120, 100, 0, 0}}, // no length, nothing painted
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << "(" << c.X0 << ", " << c.Y0 << ") to (" << c.X1 << ", " << c.Y1 << ")");
        Canevas.Pinceau().Couleur = clWhite;
        Canevas.FillRect(0, 0, 120, 100);
        Canevas.Stylo().Couleur = clRed;
        Canevas.MoveTo(c.X0, c.Y0);
        Canevas.LineTo(c.X1, c.Y1);
        EXPECT_EQ(BoiteDessinee(clWhite), c.Boite);
        EXPECT_EQ(Canevas.Pixels(c.X1, c.Y1), clWhite);
    }
}

TEST_F(CanevasImage, LesLignesSuccessivesSeRejoignentSansTrou)
{
    Canevas.MoveTo(10, 10);
    Canevas.LineTo(20, 10);
    Canevas.LineTo(20, 20);
    for (int x = 10; x < 20; ++x)
        EXPECT_EQ(Canevas.Pixels(x, 10), clBlack) << x;
    for (int y = 10; y < 20; ++y)
        EXPECT_EQ(Canevas.Pixels(20, y), clBlack) << y;
    EXPECT_EQ(Canevas.Pixels(20, 20), clWhite);
}

TEST_F(CanevasImage, UnStyloTransparentNeTraceRienMaisAvance)
{
    Canevas.Stylo().Style = TStyleStylo::Transparent;
    Canevas.MoveTo(0, 0);
    Canevas.LineTo(50, 0);
    Canevas.Stylo().Style = TStyleStylo::Plein;
    Canevas.LineTo(50, 10);
    EXPECT_EQ(BoiteDessinee(clWhite), (std::array<int, 4>{50, 0, 51, 10}));
}

TEST_F(CanevasImage, UnTraitInterrompuLaisseDesTrousSurSaLongueur)
{
    for (const TStyleStylo style : {TStyleStylo::Tirets, TStyleStylo::Points})
    {
        SCOPED_TRACE(static_cast<int>(style));
        Canevas.FillRect(0, 0, 120, 100);
        Canevas.Stylo().Style = style;
        Canevas.MoveTo(0, 50);
        Canevas.LineTo(100, 50);
        int peints = 0;
        for (int x = 0; x < 100; ++x)
            peints += Canevas.Pixels(x, 50) == clBlack ? 1 : 0;
        EXPECT_GT(peints, 0);
        EXPECT_LT(peints, 100);
        EXPECT_LE(BoiteDessinee(clWhite)[2], 100);
    }
}

TEST_F(CanevasImage, RectangleExclutSesBordsDroitEtBas)
{
    // The focus mark: a 3 x 3 black outline around a centre painted with the brush.
    const int x = 30;
    const int y = 40;
    Canevas.Pinceau().Couleur = clYellow;
    Canevas.FillRect(0, 0, 120, 100);
    Canevas.Pinceau().Couleur = clWhite;
    Canevas.Stylo().Couleur = clBlack;
    Canevas.Rectangle(x - 1, y - 1, x + 2, y + 2);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            EXPECT_EQ(Canevas.Pixels(x + dx, y + dy), dx == 0 && dy == 0 ? clWhite : clBlack) << dx << ", " << dy;
    EXPECT_EQ(BoiteDessinee(clYellow), (std::array<int, 4>{x - 1, y - 1, x + 2, y + 2}));
}

TEST_F(CanevasImage, RectangleSansContourOuSansFond)
{
    Canevas.Pinceau().Couleur = clAqua;
    Canevas.Stylo().Style = TStyleStylo::Transparent;
    Canevas.Rectangle(10, 10, 20, 15);
    EXPECT_EQ(BoiteDessinee(clWhite), (std::array<int, 4>{10, 10, 20, 15}));
    EXPECT_EQ(Canevas.Pixels(10, 10), clAqua);
    EXPECT_EQ(Canevas.Pixels(19, 14), clAqua);

    Canevas.Pinceau().Style = TStylePinceau::Transparent;
    Canevas.Stylo().Style = TStyleStylo::Plein;
    Canevas.Rectangle(40, 40, 50, 50);
    EXPECT_EQ(Canevas.Pixels(45, 45), clWhite);
    EXPECT_EQ(Canevas.Pixels(49, 49), clBlack);
    EXPECT_EQ(Canevas.Pixels(50, 50), clWhite);
}

TEST_F(CanevasImage, FillRectRemplitSansSesBordsDroitEtBas)
{
    // The radius cell of a table row, which must stop before the spin button at x 91.
    Canevas.Pinceau().Couleur = clBtnFace;
    Canevas.FillRect(43, 49, 91, 65);
    EXPECT_EQ(BoiteDessinee(clWhite), (std::array<int, 4>{43, 49, 91, 65}));
    EXPECT_EQ(Canevas.Pixels(43, 49), clBtnFace);
    EXPECT_EQ(Canevas.Pixels(90, 64), clBtnFace);
    EXPECT_EQ(Canevas.Pixels(91, 64), clWhite);
    EXPECT_EQ(Canevas.Pixels(90, 65), clWhite);
}

TEST_F(CanevasImage, LesFormesHorsDeLImageSontCoupees)
{
    Canevas.Pinceau().Couleur = clRed;
    Canevas.FillRect(-50, -50, 10, 10);
    Canevas.FillRect(110, 90, 500, 500);
    Canevas.Rectangle(-5, 95, 200, 300);
    Canevas.MoveTo(-100, 50);
    Canevas.LineTo(300, 50);
    // A wild coordinate, as a ray sent far off the drawing: the visible part is drawn, in no time.
    Canevas.MoveTo(-2000000000, 60);
    Canevas.LineTo(2000000000, 60);
    Canevas.Stylo().Epaisseur = 3;
    Canevas.MoveTo(60, 2000000000);
    Canevas.LineTo(60, -2000000000);
    Canevas.Stylo().Epaisseur = 1;
    EXPECT_EQ(Canevas.Pixels(0, 60), clBlack);
    EXPECT_EQ(Canevas.Pixels(119, 60), clBlack);
    EXPECT_EQ(Canevas.Pixels(59, 0), clBlack);
    EXPECT_EQ(Canevas.Pixels(61, 98), clBlack);
    Canevas.Pixels(-1, 0, clRed);
    Canevas.Pixels(120, 0, clRed);
    EXPECT_EQ(Canevas.Pixels(0, 0), clRed);
    EXPECT_EQ(Canevas.Pixels(119, 99), clRed);
    EXPECT_EQ(Canevas.Pixels(119, 50), clBlack);
    EXPECT_EQ(Canevas.Pixels(-1, 0), CouleurIllisible);
    EXPECT_EQ(Canevas.Pixels(0, 100), CouleurIllisible);
}

TEST_F(CanevasImage, UneImageVideNeDessineRien)
{
    TCanevasImage vide(0, 0);
    vide.MoveTo(0, 0);
    vide.LineTo(10, 10);
    vide.Rectangle(0, 0, 5, 5);
    vide.Ellipse(0, 0, 5, 5);
    const TPointCanevas sommets[] = {{0, 0}, {5, 0}, {0, 5}};
    vide.Polygon(sommets);
    vide.TextOut(0, 0, "Foyer");
    vide.Pixels(0, 0, clRed);
    EXPECT_EQ(vide.Pixels(0, 0), CouleurIllisible);
    EXPECT_EQ(vide.Largeur(), 0);
}

TEST_F(CanevasImage, EllipseEtPolygoneTiennentDansLeurBoite)
{
    Canevas.Pinceau().Couleur = clGray;
    Canevas.Ellipse(10, 20, 30, 34);
    EXPECT_EQ(BoiteDessinee(clWhite), (std::array<int, 4>{10, 20, 30, 34}));
    EXPECT_EQ(Canevas.Pixels(20, 27), clGray);

    Canevas.FillRect(0, 0, 120, 100);
    Canevas.Pinceau().Couleur = clGreen;
    const TPointCanevas sommets[] = {{50, 10}, {90, 10}, {50, 50}};
    Canevas.Polygon(sommets);
    EXPECT_EQ(BoiteDessinee(clGray), (std::array<int, 4>{50, 10, 91, 51}));
    for (const TPointCanevas& sommet : sommets)
        EXPECT_EQ(Canevas.Pixels(sommet.X, sommet.Y), clBlack);
    EXPECT_EQ(Canevas.Pixels(60, 20), clGreen);
}

TEST_F(CanevasImage, UnArcVaDUneDirectionALAutreDansLeSensTrigonometrique)
{
    // A circle boxed in (10, 20) .. (31, 41), its centre near (20, 30); the pen alone, the brush left unused.
    Canevas.Pinceau().Couleur = clGray;
    struct TCas
    {
        const char* Nom;
        int X3, Y3, X4, Y4;
        std::array<int, 4> Boite;
    };
    const TCas cas[] = {
        {"whole circle", 40, 30, 40, 30, {10, 20, 31, 41}},
        {"from below to above: the right half", 20, 90, 20, 0, {20, 20, 31, 41}},
        {"from above to below: the left half", 20, 0, 20, 90, {10, 20, 20, 40}},
        {"from the right to the top: a quarter", 90, 30, 20, -50, {20, 20, 30, 30}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Canevas.Pinceau().Couleur = clWhite;
        Canevas.FillRect(0, 0, 120, 100);
        Canevas.Stylo().Couleur = clNavy;
        Canevas.Pinceau().Couleur = clGray;
        Canevas.Arc(10, 20, 31, 41, c.X3, c.Y3, c.X4, c.Y4);
        const std::array<int, 4> boite = BoiteDessinee(clWhite);
        EXPECT_EQ(boite, c.Boite);
        EXPECT_EQ(CouleursPresentes(), (std::set<TColor>{clWhite, clNavy}));
    }
    // A box without width or height draws nothing.
    Canevas.Pinceau().Couleur = clWhite;
    Canevas.FillRect(0, 0, 120, 100);
    Canevas.Arc(10, 20, 10, 41, 0, 0, 0, 0);
    EXPECT_EQ(BoiteDessinee(clWhite), (std::array<int, 4>{120, 100, 0, 0}));
}

TEST_F(CanevasImage, RienNEstLisse)
{
    // Shapes and text leave only the colours asked for: no blended pixel at an edge.
    Canevas.Stylo().Couleur = clNavy;
    Canevas.Pinceau().Couleur = clYellow;
    Canevas.Ellipse(5, 5, 60, 47);
    const TPointCanevas sommets[] = {{70, 5}, {115, 30}, {80, 60}};
    Canevas.Polygon(sommets);
    Canevas.Stylo().Epaisseur = 3;
    Canevas.MoveTo(5, 90);
    Canevas.LineTo(110, 70);
    Canevas.Pinceau().Style = TStylePinceau::Transparent;
    Canevas.Police().Couleur = clRed;
    Canevas.Police().FixeHauteur(-16);
    Canevas.TextOut(10, 60, "Réglage àéè");
    EXPECT_EQ(CouleursPresentes(), (std::set<TColor>{clWhite, clNavy, clYellow, clRed}));
}

TEST_F(CanevasImage, TextOutRemplitLaCelluleDuTexteAvecLePinceau)
{
    Canevas.Police().FixeHauteur(-11);
    Canevas.Police().Couleur = clBlack;
    Canevas.Pinceau().Couleur = CouleurRVB(0xFF, 0xA5, 0x00);
    const std::string texte = " Vignettage ";
    const int largeur = Canevas.TextWidth(texte);
    const int hauteur = Canevas.TextHeight(texte);
    ASSERT_GT(largeur, 0);
    ASSERT_GT(hauteur, 0);
    Canevas.TextOut(20, 30, texte);
    EXPECT_EQ(BoiteDessinee(clWhite), (std::array<int, 4>{20, 30, 20 + largeur, 30 + hauteur}));
    // The leading and trailing blanks hold no ink: their columns are the brush's alone.
    for (int y = 30; y < 30 + hauteur; ++y)
    {
        EXPECT_EQ(Canevas.Pixels(20, y), Canevas.Pinceau().Couleur) << y;
        EXPECT_EQ(Canevas.Pixels(19 + largeur, y), Canevas.Pinceau().Couleur) << y;
    }
    EXPECT_EQ(CouleursPresentes(), (std::set<TColor>{clWhite, clBlack, Canevas.Pinceau().Couleur}));
}

TEST_F(CanevasImage, TextOutAvecUnPinceauTransparentNeDessineQueLesLettres)
{
    Canevas.Pinceau().Couleur = clSilver;
    Canevas.FillRect(0, 0, 120, 100);
    Canevas.Pinceau().Style = TStylePinceau::Transparent;
    Canevas.Police().Couleur = clBlue;
    Canevas.TextOut(20, 30, "Plan");
    EXPECT_EQ(CouleursPresentes(), (std::set<TColor>{clSilver, clBlue}));
    const std::array<int, 4> boite = BoiteDessinee(clSilver);
    EXPECT_GE(boite[0], 20);
    EXPECT_GE(boite[1], 30);
    EXPECT_LE(boite[2], 20 + Canevas.TextWidth("Plan"));
    EXPECT_LE(boite[3], 30 + Canevas.TextHeight("Plan"));
}

TEST_F(CanevasImage, UnPixelEcritSeRelitALIdentique)
{
    const TColor couleurs[] = {clRed, clBlue, clLime, clBtnFace, 0x00123456, 0x00D4FFF0, clBlack};
    int x = 0;
    for (const TColor couleur : couleurs)
    {
        Canevas.Pixels(x, 7, couleur);
        EXPECT_EQ(Canevas.Pixels(x, 7), couleur) << std::hex << couleur;
        ++x;
    }
    EXPECT_EQ(Canevas.Pixels(x, 7), clWhite);
}

TEST_F(CanevasImage, LesHauteursDePoliceSuiventLeursUnites)
{
    // Nine points on a 96-dpi screen are 12 pixels of character height.
    Canevas.Police().FixeHauteur(-12);
    const int hauteurPixels = Canevas.TextHeight("Bp");
    const int largeurPixels = Canevas.TextWidth("Diamètre");
    Canevas.Police().FixeTaille(9);
    EXPECT_EQ(Canevas.TextHeight("Bp"), hauteurPixels);
    EXPECT_EQ(Canevas.TextWidth("Diamètre"), largeurPixels);
    // A positive height is the whole cell, leading included.
    Canevas.Police().Nom = "Tahoma";
    Canevas.Police().Gras = true;
    Canevas.Police().FixeHauteur(15);
    EXPECT_NEAR(Canevas.TextHeight("Caractéristiques"), 15, 1);
    Canevas.Police().FixeHauteur(-11);
    EXPECT_LT(Canevas.TextHeight("Caractéristiques"), 15);
    Canevas.Police().Gras = false;
    const int regulier = Canevas.TextWidth("Caractéristiques");
    Canevas.Police().Gras = true;
    EXPECT_GT(Canevas.TextWidth("Caractéristiques"), regulier);
}

TEST_F(CanevasImage, LaLargeurDUnTexteEstLaSommeDeSesMorceaux)
{
    // Right-aligned groups are placed by adding the widths of their pieces.
    const std::string morceaux[] = {"Diamètre", " du miroir = ", "200", ",5", " mm", "Distance (mm)"};
    for (const std::string nom : {"Arial", "Tahoma"})
        for (const bool gras : {false, true})
        {
            SCOPED_TRACE(nom + (gras ? " bold" : ""));
            Canevas.Police().Nom = nom;
            Canevas.Police().Gras = gras;
            int somme = 0;
            std::string tout;
            for (const std::string& morceau : morceaux)
            {
                somme += Canevas.TextWidth(morceau);
                tout += morceau;
            }
            EXPECT_EQ(Canevas.TextWidth(tout), somme);
        }
}

TEST_F(CanevasImage, LesPolicesNommeesPrennentLesPolicesInstallees)
{
    struct TCas
    {
        std::string Demandee;
        std::string Installee;
    };
    const TCas cas[] = {{"Arial", "Liberation Sans"}, {"Tahoma", "DejaVu Sans"}, {"MS Sans Serif", "DejaVu Sans"}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Demandee);
        Canevas.Police().Nom = c.Demandee;
        const int largeur = Canevas.TextWidth("Rayon de courbure (mm)");
        Canevas.Police().Nom = c.Installee;
        EXPECT_EQ(Canevas.TextWidth("Rayon de courbure (mm)"), largeur);
    }
    // Arial's metrics: Liberation Sans is narrower than DejaVu Sans.
    Canevas.Police().Nom = "Arial";
    const int arial = Canevas.TextWidth("Rayon de courbure (mm)");
    Canevas.Police().Nom = "Tahoma";
    EXPECT_LT(arial, Canevas.TextWidth("Rayon de courbure (mm)"));
}

TEST(TexteSymbole, LesLettresDeviennentLesLettresGrecquesDuCodageSymbole)
{
    struct TCas
    {
        std::string Symbole;
        std::string Unicode;
    };
    const TCas cas[] = {
        {"l", "λ"},
        {"r", "ρ"},
        {"f", "φ"},
        {"n", "ν"},
        {"m", "μ"},
        {"p", "π"},
        {"q", "θ"},
        {"j", "ϕ"},
        {"v", "ϖ"},
        {"F", "Φ"},
        {"W", "Ω"},
        {"D", "Δ"},
        {"J", "ϑ"},
        {"V", "ς"},
        {"C", "Χ"},
        {"Û", "⇔"},
        {"abcdefghijklmnopqrstuvwxyz", "αβχδεφγηιϕκλμνοπθρστυϖωξψζ"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ"},
        // Blanks, digits and signs are the same in both encodings.
        {" F1 = 2,5 ", " Φ1 = 2,5 "},
    };
    for (const TCas& c : cas)
        EXPECT_EQ(TexteSymbole(c.Symbole), c.Unicode) << c.Symbole;
}

TEST_F(CanevasImage, LeTexteSymboleEstMesureEtDessineEnGrec)
{
    struct TCas
    {
        std::string Symbole;
        std::string Unicode;
    };
    const TCas cas[] = {{" l = ", " λ = "}, {"r = ", "ρ = "}, {"f", "φ"}, {"F1 = ", "Φ1 = "}, {" Û ", " ⇔ "}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Symbole);
        TCanevasImage symbole(120, 40);
        symbole.Police().Nom = "Symbol";
        symbole.Police().FixeHauteur(-13);
        symbole.TextOut(2, 2, c.Symbole);
        TCanevasImage grec(120, 40);
        grec.Police().Nom = "Tahoma";
        grec.Police().FixeHauteur(-13);
        grec.TextOut(2, 2, c.Unicode);
        EXPECT_EQ(symbole.TextWidth(c.Symbole), grec.TextWidth(c.Unicode));
        EXPECT_TRUE(symbole.Image() == grec.Image());
        EXPECT_FALSE(symbole.Image() == TCanevasImage(120, 40).Image());
    }
}

TEST_F(CanevasImage, RedimensionnerGardeLeDessinEtBlanchitLeReste)
{
    Canevas.Pinceau().Couleur = clRed;
    Canevas.FillRect(0, 0, 120, 100);
    Canevas.Redimensionne(150, 130);
    EXPECT_EQ(Canevas.Largeur(), 150);
    EXPECT_EQ(Canevas.Hauteur(), 130);
    EXPECT_EQ(Canevas.Pixels(119, 99), clRed);
    EXPECT_EQ(Canevas.Pixels(120, 99), clWhite);
    EXPECT_EQ(Canevas.Pixels(119, 100), clWhite);
    Canevas.Redimensionne(50, 40);
    EXPECT_EQ(BoiteDessinee(clWhite), (std::array<int, 4>{0, 0, 50, 40}));
}
}
