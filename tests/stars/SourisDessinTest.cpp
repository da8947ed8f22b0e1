// The drawing image's mouse: the star panel and the field point a click chooses, the cross-hair, and the double
// click that changes the view exactly once.
#include "stars/SourisDessin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "doubles/CanevasEnregistreur.h"
#include "optics/Modele.h"
#include "stars/Champ.h"
#include "stars/GrapheChamp.h"
#include "support/Formes.h"

namespace {

class SourisDessin : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ChoixSouris = {};
        ResultatsChamp = {};
        GrapheChamp = {};
        GrapheChamp.AbscisseOrigine = 30;
        GrapheChamp.OrdonneeAxe = 338;
        GrapheChamp.EchelleChampGraphe = 10.0f;
        GrapheChamp.RayonChampGraphe = 20;
    }
    // Positions j x `pas`: 1 for an even field, more for a distorting system.
    static void Positions(double pas)
    {
        for (int j = 0; j < 21; ++j)
            ResultatsChamp[j].Position = j * pas;
    }
};

// Each click in turn; between two panels the row or column chosen before stays.
TEST_F(SourisDessin, UnClicChoisitLaCaseEtoileSousLePointeur)
{
    struct Cas
    {
        int x, y, ligne, colonne, etoile;
    };
    const Cas cas[] = {
        {300, 100, 1, 2, 2}, {600, 400, 2, 3, 6}, {10, 300, 2, 1, 4}, {253, 300, 2, 1, 4}, // between columns 1 and 2
        {100, 275, 2, 1, 4}, // between the rows
        {510, 275, 2, 3, 6}, // the column changes, the row stays
        {254, 5, 1, 3, 3}, // between columns 1 and 2: column 3 stays
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        ChoisitCaseEtoile(c.x, c.y);
        EXPECT_EQ(ChoixSouris.LigneCaseEtoile, c.ligne);
        EXPECT_EQ(ChoixSouris.ColonneCaseEtoile, c.colonne);
        EXPECT_EQ(ChoixSouris.CaseEtoileChoisie, c.etoile);
    }
}

TEST_F(SourisDessin, UnClicSurLeGrapheDonneLaDistanceDuPointLePlusProche)
{
    struct Cas
    {
        const char* nom;
        double pas;
        int x;
        int point;
        double distance;
    };
    const Cas cas[] = {
        {"sur le point 7", 1.0, 100, 7, 7.0},
        {"entre 7 et 8, plus pres de 8", 1.0, 106, 8, 7.6},
        // Point 0 reads as point 1, whose scale is the graph's own.
        {"pres de l'axe", 1.0, 33, 1, 0.3},
        {"au-dela du champ", 1.0, 400, 20, 37.0},
        // A distorting system: point 10 drawn at 11 units reads as its own distance, 10.
        {"systeme qui distord", 1.1, 140, 10, 10.0},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        Positions(c.pas);
        EXPECT_EQ(PointChampProche((c.x - 30) / 10.0), c.point);
        ChoisitPointChamp(c.x);
        EXPECT_NEAR(ChoixSouris.DistancePointChamp, c.distance, 1e-5);
    }
    for (int x : {30, 10, -5})
    {
        SCOPED_TRACE(x);
        ChoixSouris.DistancePointChamp = 4.0f;
        ChoisitPointChamp(x);
        EXPECT_EQ(ChoixSouris.DistancePointChamp, 0.0f);
    }
}

// Each double click starts from the view the previous one left.
TEST_F(SourisDessin, UnDoubleClicChangeDeVueUneFoisEtRevient)
{
    Reglages.PasEtoileMultiple = 5;
    Reglages.DistanceAxeEtoile = 12.5;
    TRetoursEtoile retours;
    ChoisitCaseEtoile(300, 100);

    TBasculeVue bascule = BasculeDoubleClic(TVue::EtoileMultiple, retours);
    EXPECT_EQ(bascule.Vue, TVue::EtoileUnique);
    EXPECT_EQ(bascule.TexteStatut, "Double-clic sur l'image pour afficher en mode Etoile Unique");
    EXPECT_TRUE(retours.EtoileMultiple);
    EXPECT_DOUBLE_EQ(Reglages.DistanceAxeEtoile, 5.0);

    bascule = BasculeDoubleClic(TVue::EtoileUnique, retours);
    EXPECT_EQ(bascule.Vue, TVue::EtoileMultiple);
    EXPECT_FALSE(retours.EtoileMultiple);
    EXPECT_DOUBLE_EQ(Reglages.DistanceAxeEtoile, 12.5);

    // The field graph in the linear mode: 10 mm at 1000 mm focal length is atan(0.01) on the sky.
    Reglages.ChampLineaire = true;
    Instrument.FocaleEffective = 1000.0;
    Positions(1.0);
    ChoisitPointChamp(130);
    bascule = BasculeDoubleClic(TVue::Champ, retours);
    EXPECT_EQ(bascule.Vue, TVue::EtoileUnique);
    EXPECT_TRUE(retours.Champ);
    EXPECT_NEAR(Reglages.DistanceAxeEtoile, std::atan(0.01) * 10800.0 / std::numbers::pi, 1e-9);
    bascule = BasculeDoubleClic(TVue::EtoileUnique, retours);
    EXPECT_EQ(bascule.Vue, TVue::Champ);
    EXPECT_FALSE(retours.Champ);
    EXPECT_DOUBLE_EQ(Reglages.DistanceAxeEtoile, 12.5);

    // A click left of the origin then a double click: the single star on the axis.
    Reglages.ChampLineaire = false;
    ChoisitPointChamp(10);
    BasculeDoubleClic(TVue::Champ, retours);
    EXPECT_EQ(Reglages.DistanceAxeEtoile, 0.0);
}

// A flag left over from an earlier entry never sends the view on: the six stars go to the single star and stay.
TEST_F(SourisDessin, UnDrapeauRestantNeFaitPasDeSecondeBascule)
{
    struct Cas
    {
        TVue vue;
        TRetoursEtoile avant;
        bool rayons;
        TVue nouvelle;
    };
    const Cas cas[] = {
        {TVue::EtoileMultiple, {false, true, true}, false, TVue::EtoileUnique},
        {TVue::Dispositif, {false, false, true}, true, TVue::EtoileUnique},
        {TVue::EtoileUnique, {false, true, true}, false, TVue::Dispositif},
        {TVue::Dispositif, {}, false, TVue::Aucune}, // no light rays: nothing
        {TVue::EtoileUnique, {}, false, TVue::Aucune},
        {TVue::Instrument, {true, true, true}, false, TVue::Aucune},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.vue));
        Reglages.RayonsLumineuxTraces = c.rayons;
        TRetoursEtoile retours = c.avant;
        EXPECT_EQ(BasculeDoubleClic(c.vue, retours).Vue, c.nouvelle);
    }
}

// A release reads the view it happens on; the refractor's box answers in its own section only.
TEST_F(SourisDessin, UnRelachementAgitSelonLaVue)
{
    Positions(1.0);
    ChoixSouris.DistancePointChamp = 3.0f;
    DessinRelache(TVue::EtoileMultiple, 600, 400);
    EXPECT_EQ(ChoixSouris.CaseEtoileChoisie, 6);
    EXPECT_EQ(ChoixSouris.DistancePointChamp, 0.0f);
    DessinRelache(TVue::Champ, 100, 200);
    EXPECT_FLOAT_EQ(ChoixSouris.DistancePointChamp, 7.0f);
    EXPECT_EQ(ChoixSouris.CaseEtoileChoisie, 6);

    struct Cas
    {
        TVue vue;
        TTypeInstrument forme;
        int x, y;
        bool bascule;
    };
    const Cas cas[] = {
        {TVue::Instrument, TTypeInstrument::Lunette, 5, 5, true},
        {TVue::Instrument, TTypeInstrument::Lunette, 10, 5, false},
        {TVue::Instrument, TTypeInstrument::Lunette, 5, 9, false},
        {TVue::Instrument, TTypeInstrument::LurieHoughton, 5, 5, false},
        {TVue::Dispositif, TTypeInstrument::Lunette, 5, 5, false},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.vue));
        Instrument.TypeInstrument = c.forme;
        Edition.LongueurTotaleAffichee = false;
        DessinRelache(c.vue, c.x, c.y);
        EXPECT_EQ(Edition.LongueurTotaleAffichee, c.bascule);
    }
}

TEST_F(SourisDessin, LeReticuleNeSeDessineQueSurLeGraphe)
{
    TCanevasEnregistreur canevas(762, 400);
    EXPECT_FALSE(DessineReticule(canevas, 20, 100, 820));
    EXPECT_FALSE(DessineReticule(canevas, 100, 338, 820));
    EXPECT_TRUE(canevas.Journal().empty());
    EXPECT_TRUE(DessineReticule(canevas, 100, 200, 820));
    ASSERT_EQ(canevas.Journal().size(), 4u);
    EXPECT_EQ(canevas.Journal()[0].Valeurs, (std::vector<int>{30, 200}));
    EXPECT_EQ(canevas.Journal()[1].Valeurs, (std::vector<int>{820, 200}));
    EXPECT_EQ(canevas.Journal()[2].Valeurs, (std::vector<int>{100, 0}));
    EXPECT_EQ(canevas.Journal()[3].Valeurs, (std::vector<int>{100, 338}));
}

} // namespace
