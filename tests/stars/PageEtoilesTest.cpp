// The star views on the page: the controls they place, and the report's print position their blocks continue.
#include "stars/PageEtoiles.h"

#include <gtest/gtest.h>

#include "Conceptions.h"
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

namespace {

class PageEtoiles : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }

    TServicesDeTest Services;
};

// Without its image installed the page is left alone; with it, the image sits 16 pixels under the lens table and
// the single star's distance box 4 pixels into it, where its label ends.
TEST_F(PageEtoiles, LaVuePlaceLImageEtLaBoiteDeDistance)
{
    NewtonEtoiles(true);
    Controles.Grille.Top = 300;
    Controles.Grille.Height = 81;
    Controles.Dessin.Left = 20;
    TFenetreEtoiles fenetre;
    DessineEtoilesPage(true, fenetre);
    EXPECT_FALSE(Controles.Dessin.Visible);
    EXPECT_EQ(Controles.Dessin.Top, 0);

    TCanevasEnregistreur image(762, 550);
    TCanevasEnregistreur boite(50, 17);
    ImagesEtoiles = {&image, &boite};
    Controles.LabelOcculte.Visible = true;
    DessineEtoilesPage(true, fenetre);
    EXPECT_TRUE(Controles.Dessin.Visible);
    EXPECT_EQ(Controles.Dessin.Top, 300 + 81 + 16);
    EXPECT_TRUE(Controles.BoxDistance.Visible);
    EXPECT_EQ(Controles.BoxDistance.Top, 300 + 81 + 16 + 4);
    EXPECT_EQ(Controles.BoxDistance.Left, 20 + fenetre.BoiteDistanceGauche);
    EXPECT_GT(fenetre.BoiteDistanceGauche, 762 / 3);
    EXPECT_FALSE(Controles.LabelOcculte.Visible);

    DessineEtoilesPage(false, fenetre);
    EXPECT_FALSE(Controles.BoxDistance.Visible);
}

// Each printed block starts where the report left off and leaves the position after it, on the margin.
TEST_F(PageEtoiles, LesBlocsImprimesSuiventLeRapport)
{
    NewtonEtoiles(true);
    ImpressionEtat.MargeImpression = 100;
    MiseEnPage.OrdonneeCourante = 200;
    MiseEnPage.AbscisseCourante = 100;
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeEtoileMultiplePage(*page);
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 200 + 96 + 3300 + 96);
    EXPECT_EQ(MiseEnPage.AbscisseCourante, 100);
    ImprimeEtoileUniquePage(*page, false);
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 2 * (96 + 3300 + 96) + 200);
}

} // namespace
