// The six-star view: its panels, texts and spots on a Newton, the clipping of a large spot to its panel, the
// mixing of the colour passes, the gate, and the printed block's place on the page.
#include "stars/EtoileMultiple.h"

#include <gtest/gtest.h>

#include <string>

#include "Conceptions.h"
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "optics/Modele.h"
#include "platform/Format.h"

namespace {

class EtoileMultiple : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }

    void Dessine()
    {
        Fenetre.Dessin = &Image;
        DessineEtoileMultiple(Fenetre);
    }

    TServicesDeTest Services;
    TCanevasEnregistreur Image{762, 550};
    TFenetreEtoiles Fenetre;
};

// Stars every 5' from the axis: each panel names its star's distance and its image height, F tan u on a
// paraboloid; the first panel, on the axis, has no focus arrow.
TEST_F(EtoileMultiple, SixEtoilesDeCinqEnCinqMinutes)
{
    NewtonEtoiles(true);
    Dessine();
    ASSERT_TRUE(Fenetre.DessinVisible);
    const char* textes[] = {"Dist = 0' = 0 mm",      "Dist = 5' = 1.454 mm",  "Dist = 10' = 2.909 mm",
                            "Dist = 15' = 4.363 mm", "Dist = 20' = 5.818 mm", "Dist = 25' = 7.272 mm"};
    for (std::size_t j = 0; j < 6; ++j)
    {
        SCOPED_TRACE(j + 1);
        EXPECT_TRUE(TexteDessine(Image, {.Texte = textes[j],
                                         .X = GaucheCasesEtoiles[j] + 88,
                                         .Y = HautCasesEtoiles[j] + 5,
                                         .Couleur = clWhite,
                                         .Fond = clBlack}));
        EXPECT_EQ(TexteDessine(Image,
                               {.Texte = "Foyer", .X = GaucheCasesEtoiles[j] + 5, .Y = HautCasesEtoiles[j] + 132 - 30}),
                  j > 0);
    }
    EXPECT_EQ(Reglages.ZoomEtoileMultiple, 64);
    EXPECT_TRUE(Fenetre.ZoomAvantActif);
    EXPECT_TRUE(Fenetre.ZoomArriereActif);
}

// Through an eyepiece the stars are 5 degrees apart in the apparent field: the axis star gives its distance alone,
// the others follow it with the Symbol double arrow and their angle on the sky, about 5 degrees / 40 = 7.5'.
TEST_F(EtoileMultiple, AvecUnOculaireLesDistancesSontApparentes)
{
    NewtonOculaire();
    Dessine();
    ASSERT_TRUE(Fenetre.DessinVisible);
    EXPECT_TRUE(TexteDessine(Image, {.Texte = "Dist = 0°", .X = 2 + 88, .Y = 2 + 5}));
    EXPECT_TRUE(TexteDessine(Image, {.Texte = "Dist = 5°", .X = 255 + 88, .Y = 2 + 5}));
    int fleches = 0;
    int angles = 0;
    for (const TAppelCanevas& texte : Image.Textes())
    {
        if (texte.Texte == " Û ")
        {
            EXPECT_EQ(texte.Police.Nom, "Symbol");
            EXPECT_FALSE(texte.Valeurs[0] < 253 && texte.Valeurs[1] < 267) << "in the axis star's panel";
            ++fleches;
        }
        const std::string ciel = "' sur le ciel";
        if (texte.Valeurs[0] > 255 + 88 && texte.Valeurs[0] < 508 && texte.Valeurs[1] == 7 &&
            texte.Police.Nom == "Arial" && texte.Texte.rfind("Dist", 0) != 0)
        {
            ASSERT_GT(texte.Texte.size(), ciel.size());
            EXPECT_EQ(texte.Texte.substr(texte.Texte.size() - ciel.size()), ciel);
            EXPECT_NEAR(std::stod(texte.Texte), 7.5, 0.5) << texte.Texte;
            ++angles;
        }
    }
    EXPECT_EQ(fleches, 5);
    EXPECT_EQ(angles, 1);
    EXPECT_TRUE(TexteDessine(
        Image, {.Texte = "1 division = 1'' sur l'image = " + FormateNombre(60.0 / Systeme.GrossissementAfocal, "0.00") +
                         "\" sur le ciel",
                .X = 5,
                .Y = 267}));
}

// Under the first row: the division at zoom 64 (10 µm, 2.06" at 1000 mm), the instrument's focal length without
// any ratio since there is no device, and the Airy radius after a Symbol rho.
TEST_F(EtoileMultiple, LaLigneDEchelleSansDispositif)
{
    NewtonEtoiles(true);
    Dessine();
    EXPECT_TRUE(TexteDessine(
        Image, {.Texte = "1 division = 0.01 mm = 2.06\"", .X = 5, .Y = 267, .Couleur = clBlack, .Fond = clWhite}));
    EXPECT_TRUE(TexteDessine(Image, {.Texte = "Distance focale = 1000.0 mm", .X = 255, .Y = 267}));
    EXPECT_TRUE(TexteDessine(Image, {.Texte = "r = ", .X = 568, .Y = 267, .Police = "Symbol"}));
}

// The luminosity of the axis star is the share of the grid that the 50 mm flat leaves: at density 10 the flat's
// shadow (within 25 mm of the axis) holds 5 + 5 + 3 of the 162 rays, so 149 / 162 = 91.98 % passes, written
// rounded to 92 (not cut to 91).
TEST_F(EtoileMultiple, LaLuminositeEstLaPartArrondieDesRayonsPasses)
{
    NewtonEtoiles(true);
    Dessine();
    EXPECT_TRUE(
        TexteDessine(Image, {.Texte = "L = 92 %", .X = 2 + 5, .Y = 2 + 5, .Couleur = clWhite, .Fond = clBlack}));
}

// When the illumination's rim rays are lost, no panel writes a luminosity; the stars are drawn all the same.
TEST_F(EtoileMultiple, SansLuminositeQuandLesRayonsDeBordSontPerdus)
{
    NewtonPetiteSphere();
    ASSERT_TRUE(Validite.DispositifValide);
    Dessine();
    ASSERT_TRUE(Fenetre.DessinVisible);
    EXPECT_EQ(Systeme.Eclairement, -100.0);
    int distances = 0;
    for (const TAppelCanevas& texte : Image.Textes())
    {
        EXPECT_NE(texte.Texte.rfind("L = ", 0), 0u) << texte.Texte;
        distances += texte.Texte.rfind("Dist = ", 0) == 0;
    }
    EXPECT_EQ(distances, 6);
}

// A spot far larger than its panel (defocused 0.3 mm, zoom 256) is cut at the panel's edges: it reaches them, and
// the white strips between the panels stay white.
TEST_F(EtoileMultiple, UneGrandeTacheResteDansSonPanneau)
{
    NewtonEtoiles(false);
    Reglages.DecalageMiseAuPoint = 0.3f;
    Reglages.ZoomEtoileMultiple = 256;
    Dessine();
    EXPECT_FALSE(Fenetre.ZoomAvantActif);
    int impactsAuBord = 0;
    for (int y = 3; y < 266; ++y)
    {
        for (int x : {253, 254, 506, 507})
            EXPECT_EQ(Image.Pixels(x, y), clWhite) << x << " " << y;
        for (int x = 2 + 200; x < 2 + 250; ++x)
            impactsAuBord += Image.Pixels(x, y) == clWhite;
    }
    for (int x = 0; x < 762; ++x)
        EXPECT_EQ(Image.Pixels(x, 281), clWhite) << x;
    EXPECT_GT(impactsAuBord, 10);
}

// The hits of the axis star gather within a few pixels of its image: three colour passes add up there to white,
// where drawing over would have left the last pass's blue; a single pass is white from the start.
TEST_F(EtoileMultiple, LesTroisPassesSeMelangentEnBlanc)
{
    for (bool chromatique : {true, false})
    {
        SCOPED_TRACE(chromatique);
        NewtonDispositif(4);
        Reglages.AnalyseChromatique = chromatique;
        Dessine();
        EXPECT_EQ(Systeme.NombreCouleurs, chromatique ? 3 : 1);
        int blancs = 0;
        for (int y = 2 + 132 - 3; y <= 2 + 132 + 3; ++y)
        {
            for (int x = 2 + 83 - 3; x <= 2 + 83 + 3; ++x)
            {
                blancs += Image.Pixels(x, y) == clWhite;
                EXPECT_NE(Image.Pixels(x, y), clBlue);
            }
        }
        EXPECT_GT(blancs, 0);
        // With a device the Newton's focal length is compared with its primary's.
        const double f = Instrument.FocaleEffective;
        EXPECT_TRUE(TexteDessine(Image, {.Texte = "Distance focale résultante = " + FormateNombre(f, "0.0") +
                                                  " mm = F x " + FormateNombre(f / 1000.0, "0.00"),
                                         .X = 255}));
    }
}

// Without a valid instrument the image is hidden and nothing is drawn.
TEST_F(EtoileMultiple, SansInstrumentValideRienNEstDessine)
{
    NewtonEtoiles(true);
    Validite.InstrumentValide = false;
    Dessine();
    EXPECT_FALSE(Fenetre.DessinVisible);
    EXPECT_TRUE(Image.Journal().empty());
    TPositionImpression position{100, 100, 1000, 8, "/doc/essai.qvd"};
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeEtoileMultiple(*page, position);
    EXPECT_TRUE(page->Journal().empty());
    EXPECT_EQ(position.OrdonneeCourante, 1000);
}

// A stopped computation leaves the panels and their ticks, draws no star, and on paper still moves past the block.
TEST_F(EtoileMultiple, UnCalculInterrompuLaisseLesPanneauxVides)
{
    NewtonEtoiles(true);
    Systeme.CalculInterrompu = true;
    Dessine();
    EXPECT_TRUE(Fenetre.DessinVisible);
    EXPECT_TRUE(Image.Textes().empty());
    int panneaux = 0;
    for (const TAppelCanevas& appel : Image.Journal())
        panneaux += appel.Operation == TOperationCanevas::Rectangle;
    EXPECT_EQ(panneaux, 6);
    EXPECT_EQ(Image.Pixels(2 + 83, 2 + 132), clBlack);

    TPositionImpression position{100, 100, 1000, 8, "essai.qvd"};
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeEtoileMultiple(*page, position);
    EXPECT_EQ(position.OrdonneeCourante, 1000 + 96 + 3300 + 96);
    EXPECT_TRUE(page->Textes().empty());
}

// The printed block takes 550 k dots after a blank line and one more line after it; when it does not fit, a new
// page headed with the document's name takes it.
TEST_F(EtoileMultiple, LeBlocImprimeAvanceOuChangeDePage)
{
    struct Cas
    {
        int ordonnee;
        bool nouvellePage;
        int fin;
    };
    // k = (4960 - 200) div 762 = 6, one line 96 dots, the block 3300.
    for (const Cas& cas : {Cas{1000, false, 1000 + 96 + 3300 + 96}, Cas{5000, true, 96 + 96 + 3300 + 96}})
    {
        SCOPED_TRACE(cas.ordonnee);
        NewtonEtoiles(true);
        TPositionImpression position{100, 0, cas.ordonnee, 8, "/doc/essai.qvd"};
        auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
        ImprimeEtoileMultiple(*page, position);
        EXPECT_EQ(position.OrdonneeCourante, cas.fin);
        EXPECT_EQ(position.AbscisseCourante, 100);
        EXPECT_EQ(TexteDessine(*page, {.Texte = "Suite de : essai.qvd", .X = 0, .Y = 0}), cas.nouvellePage);
        EXPECT_TRUE(TexteDessine(*page, {.Texte = "Dist = 25' = 7.272 mm", .Taille = 7}));
    }
}

// Printed on black without colour, the panels are black and every hit of the three passes a white square of k
// dots; in colour the passes are strokes of their own colours.
TEST_F(EtoileMultiple, ImprimeSurFondNoirSansCouleurEnCarresBlancs)
{
    for (bool couleur : {false, true})
    {
        SCOPED_TRACE(couleur);
        NewtonDispositif(4);
        Reglages.AnalyseChromatique = true;
        Reglages.ImpressionFondNoir = true;
        Reglages.ImpressionCouleur = couleur;
        TPositionImpression position{100, 100, 1000, 8, "essai.qvd"};
        auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
        ImprimeEtoileMultiple(*page, position);
        int panneauxNoirs = 0;
        int carresBlancs = 0;
        int traitsRouges = 0;
        for (const TAppelCanevas& appel : page->Journal())
        {
            if (appel.Operation == TOperationCanevas::Rectangle)
            {
                const int largeur = appel.Valeurs[2] - appel.Valeurs[0];
                panneauxNoirs += largeur > 1000 && appel.Pinceau.Couleur == clBlack;
                carresBlancs +=
                    largeur == 6 && appel.Valeurs[3] - appel.Valeurs[1] == 6 && appel.Pinceau.Couleur == clWhite;
            }
            traitsRouges += appel.Operation == TOperationCanevas::LineTo && appel.Stylo.Couleur == clRed;
        }
        EXPECT_EQ(panneauxNoirs, 6);
        EXPECT_EQ(carresBlancs > 0, !couleur);
        EXPECT_EQ(traitsRouges > 0, couleur);
    }
}

// The distance of a panel's star from the axis: its rank times the step.
TEST_F(EtoileMultiple, LaDistanceDUnPanneau)
{
    NewtonEtoiles(true);
    EXPECT_EQ(DistanceCaseEtoile(1), 0.0);
    EXPECT_EQ(DistanceCaseEtoile(4), 15.0);
}

} // namespace
