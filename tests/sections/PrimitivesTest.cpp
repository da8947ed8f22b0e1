// The section primitives on the image canvas, pixel by pixel: the dash-dot axes, the smoothed line, the colour
// ramps and the element drawers' rims and joined faces.
#include "doubles/CanevasEnregistreur.h"
#include "platform/CanevasImage.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "sections/Primitives.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <set>
#include <utility>

namespace {

class Primitives : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }
};

bool EstBlanc(TCanevasImage& image, int x, int y)
{
    return image.Pixels(x, y) == clWhite;
}

TEST_F(Primitives, LAxePeintUnPointEtUnTiretToutesLes48Colonnes)
{
    TCanevasImage image(762, 5);
    DessineAxe(image, 2, 0x808080);
    for (int x = 0; x < 762; ++x)
    {
        SCOPED_TRACE(x);
        const int m = x % 48;
        const bool attendu = (m <= 3) || (m >= 8 && m <= 43);
        EXPECT_EQ(image.Pixels(x, 2), attendu ? TColor{0x808080} : clWhite);
        EXPECT_TRUE(EstBlanc(image, x, 1));
        EXPECT_TRUE(EstBlanc(image, x, 3));
    }
}

TEST_F(Primitives, LAxeCourtCommenceParUnVideEtSArreteACentPixelsDuCentre)
{
    struct TCas
    {
        int X;
        int Debut; // where the pattern starts: 100 px left of x, or the image's edge
    };
    for (const TCas cas : {TCas{300, 200}, TCas{30, 0}})
    {
        SCOPED_TRACE(cas.X);
        TCanevasImage image(500, 3);
        DessineAxeCourt(image, cas.X, 1, clBlack);
        for (int x = 0; x < 500; ++x)
        {
            const int m = (x - cas.Debut) % 48;
            const bool attendu = x >= cas.Debut && x < cas.X + 100 && ((m >= 4 && m < 40) || m >= 44);
            EXPECT_EQ(image.Pixels(x, 1) == clBlack, attendu) << x;
        }
    }
}

TEST_F(Primitives, LePlanFocalDescendDuHautDeLaBandeEtSArreteALaFin)
{
    TCanevasImage image(3, 120);
    DessinePlanFocal(image, 1, 100, clBlack);
    for (int y = 0; y < 120; ++y)
    {
        const int m = y % 48;
        const bool attendu = y < 100 && (m < 4 || (m >= 8 && m < 44));
        EXPECT_EQ(image.Pixels(1, y) == clBlack, attendu) << y;
    }
}

TEST_F(Primitives, EclaircitCouleurPorteChaqueComposanteAMiCheminDuBlanc)
{
    const std::pair<TColor, TColor> cas[] = {
        {0xFF00FF, 0xFF7FFF}, {0xFF0000, 0xFF7F7F}, {0x00FF00, 0x7FFF7F}, {0x000000, 0x7F7F7F}, {0xFFFFFF, 0xFFFFFF}};
    for (const auto& [couleur, attendue] : cas)
        EXPECT_EQ(EclaircitCouleur(couleur), attendue) << std::hex << couleur;
}

TEST_F(Primitives, LesDegradesVontDuNoirOuDuBlancVersLaCouleur)
{
    CalculeDegradeNoir(0x0000FF);
    EXPECT_EQ(DegradeNoir[0], clBlack);
    EXPECT_EQ(DegradeNoir[4], TColor{0x000071}); // 4 x 255 / 9 = 113.3
    EXPECT_EQ(DegradeNoir[9], TColor{0x0000FF});
    CalculeDegradeBlanc(0x000000);
    EXPECT_EQ(DegradeBlanc[0], clWhite);
    EXPECT_EQ(DegradeBlanc[9], TColor{0x1A1A1A}); // 255 - 9 x 255 / 10 = 25.5
}

// The pixels a smoothed line changed on a white image, column by column.
std::set<std::pair<int, int>> PixelsPeints(TCanevasImage& image)
{
    std::set<std::pair<int, int>> peints;
    for (int y = 0; y < image.Hauteur(); ++y)
        for (int x = 0; x < image.Largeur(); ++x)
            if (!EstBlanc(image, x, y))
                peints.insert({x, y});
    return peints;
}

TEST_F(Primitives, LaLigneLisseePeintSesBoutsAuStyloEtUnePaireOmbreeParColonne)
{
    struct TCas
    {
        const char* Nom;
        int X1, Y1, X2, Y2;
    };
    // A line given from either end is the same line.
    const TCas cas[] = {{"de gauche a droite", 10, 20, 40, 29}, {"de droite a gauche", 40, 29, 10, 20}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        TCanevasImage image(60, 50);
        image.Stylo().Couleur = clRed;
        DessineLigneLissee(image, c.X1, c.Y1, c.X2, c.Y2, clRed);
        CalculeDegradeBlanc(clRed);
        EXPECT_EQ(image.Pixels(10, 20), clRed);
        EXPECT_EQ(image.Pixels(40, 29), clRed);
        for (int x = 11; x < 40; ++x)
        {
            SCOPED_TRACE(x);
            const double t = 20 + (x - 10) * 9.0 / 30;
            const int r = static_cast<int>(t);
            const int k = static_cast<int>((t - r) * 10);
            // The pixel nearer the line takes the stronger shade.
            EXPECT_EQ(image.Pixels(x, r), DegradeBlanc[9 - k]);
            EXPECT_EQ(image.Pixels(x, r + 1), DegradeBlanc[k]);
            int peints = 0;
            for (int y = 0; y < 50; ++y)
                peints += !EstBlanc(image, x, y);
            EXPECT_LE(peints, 2);
        }
        EXPECT_LE(PixelsPeints(image).size(), 2u + 2 * 29);
    }
}

TEST_F(Primitives, UneLigneLisseeVerticaleEstUnTraitPleinDeLaTeinteLaPlusForte)
{
    TCanevasImage image(20, 40);
    image.Stylo().Couleur = clBlue;
    DessineLigneLissee(image, 5, 30, 5, 10, clBlue);
    CalculeDegradeBlanc(clBlue);
    for (int y = 10; y < 30; ++y)
        EXPECT_EQ(image.Pixels(5, y), DegradeBlanc[9]) << y;
    EXPECT_EQ(image.Pixels(5, 30), clBlue);
    EXPECT_EQ(PixelsPeints(image).size(), 21u);
}

TEST_F(Primitives, UneLigneLisseeAuDessusDeLImageNePeintQueDansLImage)
{
    TCanevasImage image(40, 40);
    DessineLigneLissee(image, 0, -30, 39, 10, clRed);
    DessineLigneLissee(image, -5, -60, 20, 20, clRed);
    for (const auto& [x, y] : PixelsPeints(image))
    {
        EXPECT_GE(y, 0);
        EXPECT_LT(x, 40);
    }
}

TEST_F(Primitives, UneLigneLisseeDesMilliardsDePixelsNeParcourtQueLImage)
{
    // Rays whose ends lie billions of pixels off the image, shallow and steep: each column or row of the image is
    // shaded as on a line cut to it, and the drawing visits the image alone.
    TCanevasEnregistreur image(40, 30);
    const auto debut = std::chrono::steady_clock::now();
    DessineLigneLissee(image, -2000000000, 10, 2000000000, 20, clRed);
    DessineLigneLissee(image, 15, -2000000000, 25, 2000000000, clRed);
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::milliseconds(500));
    int pixels = 0;
    for (const TAppelCanevas& appel : image.Journal())
        pixels += appel.Operation == TOperationCanevas::Pixels;
    EXPECT_LE(pixels, 4 + 2 * 40 + 2 * 30);
    EXPECT_GE(pixels, 2 * 40 + 2 * 30 - 4);
}

TEST_F(Primitives, UnElementDeRayonNulNeDessineRienEtGardeLesBords)
{
    TCanevasImage image(100, 100);
    BordsFaces = {1, 2, 3, 4};
    DessineElement(image, 60, 50, 0xD4FFF0, 0.0, 100, 5, 40, 40, 1.0f, false, false);
    DessineElementVertical(image, 50, 50, 0xD4FFF0, 100, 0.0, 5, 40, 40, 1.0f, false, false);
    EXPECT_TRUE(PixelsPeints(image).empty());
    EXPECT_EQ(BordsFaces.XBordFace1, 1);
    EXPECT_EQ(BordsFaces.YBordFace2, 4);
}

TEST_F(Primitives, LesBordsDUneLentilleBiconvexeSontSesArretesAuDiametre)
{
    // R 100 over 40 mm: sag 100 - sqrt(100^2 - 20^2) = 2.0204 mm; at 2 px/mm the rims stand 4 px inside the
    // vertices, 40 px from the axis.
    TCanevasImage image(200, 200);
    DessineElement(image, 120, 100, 0xD4FFF0, 100, -100, 10, 40, 40, 2.0f, false, false);
    EXPECT_EQ(BordsFaces.XBordFace1, 120 - 20 + 4);
    EXPECT_EQ(BordsFaces.XBordFace2, 120 - 4);
    EXPECT_EQ(BordsFaces.YBordFace1, 40);
    EXPECT_EQ(BordsFaces.YBordFace2, 40);
    // The glass is filled between the faces on the axis, and nothing is drawn beyond the rims.
    EXPECT_EQ(image.Pixels(110, 100), TColor{0xD4FFF0});
    EXPECT_TRUE(EstBlanc(image, 110, 100 - 42));
    EXPECT_TRUE(EstBlanc(image, 110, 100 + 42));
}

TEST_F(Primitives, UneFaceJointeNePerdQueSonPixelGrisExterieur)
{
    struct TCas
    {
        const char* Nom;
        bool JointB;
        bool JointA;
    };
    for (const TCas& cas : {TCas{"face B", true, false}, TCas{"face A", false, true}})
    {
        SCOPED_TRACE(cas.Nom);
        TCanevasImage libre(200, 200);
        TCanevasImage jointe(200, 200);
        DessineElement(libre, 120, 100, 0xD4FFF0, 100, -100, 10, 40, 40, 2.0f, false, false);
        DessineElement(jointe, 120, 100, 0xD4FFF0, 100, -100, 10, 40, 40, 2.0f, cas.JointB, cas.JointA);
        int differents = 0;
        for (int y = 0; y < 200; ++y)
        {
            int ligne = 0;
            for (int x = 0; x < 200; ++x)
                if (libre.Pixels(x, y) != jointe.Pixels(x, y))
                {
                    // Only an outer pixel goes, leaving the background; the dark face pixel stays.
                    EXPECT_TRUE(EstBlanc(jointe, x, y)) << x << ", " << y;
                    EXPECT_FALSE(EstBlanc(jointe, cas.JointB ? x + 1 : x - 1, y)) << x << ", " << y;
                    ++ligne;
                }
            EXPECT_LE(ligne, 1) << y;
            differents += ligne;
        }
        EXPECT_GT(differents, 0);
    }
}

TEST_F(Primitives, UnElementPlusHautQueSonRayonSeDessineSansDeborder)
{
    // A 60 mm face of radius 20 mm cannot exist; the drawing stops its sag at the hemisphere.
    TCanevasImage image(300, 300);
    DessineElement(image, 150, 150, 0xD4FFF0, 20, -20, 5, 60, 60, 2.0f, false, false);
    DessineElementVertical(image, 150, 150, 0xD4FFF0, 20, -20, 5, 60, 60, 2.0f, false, false);
    for (const auto& [x, y] : PixelsPeints(image))
    {
        EXPECT_LE(std::abs(x - 150), 100);
        EXPECT_LE(std::abs(y - 150), 100);
    }
}

// A strong meniscus whose faces run steeply near the rim: each pixel row spans several columns of a face, and the
// face's outline must stay unbroken from row to row, on the face that bends towards the glass (A of the first
// meniscus, B of its mirror image) as on the other.
TEST_F(Primitives, LeContourDUnMenisqueFortResteContinuJusquAuBord)
{
    struct TCas
    {
        const char* Nom;
        double RayonB;
        double RayonA;
        bool Droite; // the face looked at is the glass's right-hand outline
    };
    constexpr TColor Verre = 0xD4FFF0;
    for (const TCas& cas : {TCas{"face A", 20, 16, true}, TCas{"face B", -16, -20, false}})
    {
        SCOPED_TRACE(cas.Nom);
        TCanevasImage image(400, 300);
        DessineElement(image, 200, 150, Verre, cas.RayonB, cas.RayonA, 6, 30, 30, 8.0f, false, false);
        // The outermost run of outline pixels (neither background nor glass) of row y, as [first, last].
        const auto contour = [&](int y) {
            const auto trait = [&](int x) { return !EstBlanc(image, x, y) && image.Pixels(x, y) != Verre; };
            int a = cas.Droite ? image.Largeur() - 1 : 0;
            const int pas = cas.Droite ? -1 : 1;
            while (!trait(a))
                a += pas;
            int b = a;
            while (trait(b + pas))
                b += pas;
            return std::pair{std::min(a, b), std::max(a, b)};
        };
        const int rim = BordsFaces.YBordFace2;
        ASSERT_EQ(rim, 120);
        for (int r = 0; r + 2 < rim; ++r)
        {
            const auto [a0, b0] = contour(150 - r);
            const auto [a1, b1] = contour(150 - r - 1);
            EXPECT_LE(a1, b0 + 1) << r;
            EXPECT_LE(a0, b1 + 1) << r;
        }
    }
}

TEST_F(Primitives, UneLentilleVerticaleAFaceAEnHautEtFaceBEnBas)
{
    // Plano-concave, 10 mm thick on the axis at 1 px/mm: face A (plane) at y = 100, face B (R -100) at 110.
    TCanevasImage image(100, 200);
    DessineElementVertical(image, 50, 100, 0xD4FFF0, -100, RayonPlan, 10, 40, 40, 1.0f, false, false);
    EXPECT_EQ(BordsFaces.YBordFace2, 100);
    EXPECT_EQ(BordsFaces.XBordFace1, 20);
    EXPECT_EQ(image.Pixels(50, 105), TColor{0xD4FFF0});
    EXPECT_TRUE(EstBlanc(image, 50, 90));
    EXPECT_TRUE(EstBlanc(image, 50, 120));
}

TEST_F(Primitives, LesAxesImprimesRendentLEpaisseurDuStylo)
{
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImpressionEtat = TImpressionEtat{};
    ImpressionEtat.PasLigneImpression = 99;
    ImpressionEtat.MargeImpression = 100;
    MiseEnPage.OrdonneeCourante = 500;
    page->Stylo().Epaisseur = 8;
    ImprimeAxe(*page, 1000, clBlack);
    ImprimePlanFocal(*page, 2000, 3000, clBlack);
    ImprimeAxeCourt(*page, 2000, 1500, clBlack);
    EXPECT_EQ(page->Stylo().Epaisseur, 8);
    bool vu = false;
    for (const TAppelCanevas& appel : page->Journal())
        if (appel.Operation == TOperationCanevas::LineTo)
        {
            vu = true;
            // Dash-dot lines are drawn with half the pen, within the margins and the band.
            EXPECT_EQ(appel.Stylo.Epaisseur, 4);
            EXPECT_GE(appel.Valeurs[0], 100);
            EXPECT_LE(appel.Valeurs[0], 4860);
            EXPECT_GE(appel.Valeurs[1], 500);
            EXPECT_LE(appel.Valeurs[1], 3000);
        }
    EXPECT_TRUE(vu);
}

TEST_F(Primitives, UnTrouDeMoinsDUnMillimetreNaPasDeBords)
{
    struct TCas
    {
        double Trou;
        bool Bords;
    };
    // A flat-backed mirror 10 mm thick, 100 mm wide, at 2 px/mm; the hole's edges are black runs between the faces.
    for (const TCas cas : {TCas{40, true}, TCas{1, false}})
    {
        SCOPED_TRACE(cas.Trou);
        TCanevasImage image(200, 200);
        DessineMiroirPerce(image, 150, 100, 0xD6D618, -2000, RayonPlan, 10, 100, 100, cas.Trou, 2.0f, false, false);
        // The hole shows the background on the axis.
        EXPECT_TRUE(EstBlanc(image, 140, 100));
        // Near the rows where the hole ends, above and below the axis.
        const int bord = static_cast<int>(cas.Trou);
        int noirs = 0;
        for (int y = 0; y < 200; ++y)
            if (std::abs(std::abs(y - 100) - bord) <= 2)
                for (int x = 132; x < 148; ++x)
                    noirs += image.Pixels(x, y) == clBlack;
        EXPECT_EQ(noirs > 0, cas.Bords);
        // Beyond the hole the mirror is filled.
        EXPECT_EQ(image.Pixels(140, 100 - 60), TColor{0xD6D618});
    }
}

TEST_F(Primitives, SansProfilLaLameNeDessineQueLeDiaphragmeDEntree)
{
    // A plate 10 mm thick and 100 mm wide at 1 px/mm, its back face at x = 100: the stop stands at x = 95.
    TCanevasImage image(200, 200);
    DessineLame(image, 100, 100, 0xB7F5DE, 100, ProfilAucun, 10, 1.0f);
    const auto peints = PixelsPeints(image);
    EXPECT_FALSE(peints.empty());
    for (const auto& [x, y] : peints)
    {
        EXPECT_GE(x, 90);
        EXPECT_LE(x, 95);
        EXPECT_GE(std::abs(y - 100), 50);
        EXPECT_LE(std::abs(y - 100), 60);
    }
}

TEST_F(Primitives, LaFaceSansProfilDeLaLameEstUnTraitNoir)
{
    struct TCas
    {
        TProfilLame Profil;
        int FacePlane; // x of the face drawn as a plain black line, or -1 for none
    };
    for (const TCas cas : {TCas{ProfilAvant, 100}, TCas{ProfilArriere, 90}, TCas{ProfilPartage, -1}})
    {
        SCOPED_TRACE(cas.Profil);
        TCanevasImage image(200, 200);
        DessineLame(image, 100, 100, 0xB7F5DE, 100, cas.Profil, 10, 1.0f);
        for (const int x : {90, 100})
        {
            int noirs = 0;
            for (int y = 51; y < 150; ++y)
                noirs += image.Pixels(x, y) == clBlack;
            EXPECT_EQ(noirs == 99, x == cas.FacePlane) << x;
        }
        EXPECT_EQ(image.Pixels(95, 100), TColor{0xB7F5DE});
    }
}

TEST_F(Primitives, LeDiaphragmeLaisseSonOuvertureLibreEtMonteJusquAuxBordsDeLaBande)
{
    TCanevasImage image(100, 350);
    RepereDessin.OrdonneeAxe = 175;
    DessineDiaphragme(image, 50, 30);
    for (int y = 146; y < 205; ++y)
        EXPECT_TRUE(EstBlanc(image, 50, y)) << y;
    for (int y = 1; y <= 145; ++y)
        EXPECT_EQ(image.Pixels(50, y), clBlack) << y;
    for (int y = 205; y < 350; ++y)
        EXPECT_EQ(image.Pixels(50, y), clBlack) << y;
    // The jaws' shading stays within 5 px of the line and 11 px of the opening's edge.
    for (const auto& [x, y] : PixelsPeints(image))
        if (x != 50)
        {
            EXPECT_LE(std::abs(x - 50), 5);
            EXPECT_TRUE((y < 145 && y >= 145 - 11) || (y > 205 && y <= 205 + 11)) << x << ", " << y;
        }
}

TEST_F(Primitives, LaLameEtLesElementsImprimesRendentStyloEtPinceau)
{
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImpressionEtat = TImpressionEtat{};
    ImpressionEtat.PasLigneImpression = 99;
    ImpressionEtat.EpaisseurTraitImpression = 8;
    const TStylo stylo{0x123456, 3, TStyleStylo::Plein};
    for (const double profil : {0.0, 1.0, 3.0})
    {
        page->Stylo() = stylo;
        page->Pinceau().Couleur = 0x654321;
        ImprimeLame(*page, 2000, 2000, 0xB7F5DE, 200, profil, 10, 4.0f);
        EXPECT_EQ(page->Stylo().Couleur, stylo.Couleur);
        EXPECT_EQ(page->Stylo().Epaisseur, 3);
        EXPECT_EQ(page->Pinceau().Couleur, TColor{0x654321});
    }
    page->Stylo() = stylo;
    ImprimeElement(*page, 2000, 2000, 0xB7F5DE, 100, -100, 10, 40, 40, 4.0f);
    ImprimeElementVertical(*page, 2000, 2000, 0xB7F5DE, 100, -100, 10, 40, 40, 4.0f);
    ImprimeMiroirPerce(*page, 2000, 2000, 0xB7F5DE, -2000, RayonPlan, 10, 100, 100, 30, 4.0f);
    EXPECT_EQ(page->Stylo().Couleur, stylo.Couleur);
    EXPECT_EQ(page->Stylo().Epaisseur, 3);
    EXPECT_EQ(page->Pinceau().Couleur, TColor{0x654321});
}

} // namespace
