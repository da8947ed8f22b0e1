// Radius of the Airy disc and its obstruction factor.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "optics/Diffraction.h"
#include "optics/Notifications.h"
#include "support/Formes.h"

namespace {

TEST(FacteurObstruction, CourbePasseParSesNoeuds)
{
    const struct
    {
        float e, k;
    } cas[] = {{0.0f, 1.22f},   {0.05f, 1.2002f}, {0.1f, 1.205f}, {0.2f, 1.167f}, {0.25f, 1.1319f},
               {0.33f, 1.098f}, {0.36f, 1.0818f}, {0.4f, 1.058f}, {0.5f, 1.0f},   {0.55f, 0.9692f},
               {0.6f, 0.947f},  {0.8f, 0.947f},   {1.0f, 0.947f}};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.e);
        EXPECT_NEAR(FacteurObstruction(c.e), c.k, 5e-5);
    }
}

class TacheDiffraction : public ::testing::Test
{
protected:
    // A Newton of 200 mm at F/5 with a flat of 50 mm 150 mm from the focus.
    void SetUp() override
    {
        ConstruitFormeValide(TTypeInstrument::Newton);
        Instrument.FocaleObjectif = 1000;
        Instrument.FocaleEffective = 1000;
    }
};

TEST_F(TacheDiffraction, NewtonAvecPlanDeCinquanteMillimetres)
{
    CalculeTacheDiffraction();
    EXPECT_NEAR(Systeme.FacteurAiry, 1.1319f, 5e-5);
    EXPECT_NEAR(Instrument.TacheDiffractionMicrons, 3.09, 0.005); // 1.1319 x 0.5461 x 5
    const double secondes = std::atan(Instrument.TacheDiffractionMicrons / 1e6) * 180 / std::numbers::pi * 3600;
    EXPECT_NEAR(Instrument.TacheDiffractionSecondes, secondes, 1e-4);
    EXPECT_NEAR(Systeme.RayonAiryImage, Instrument.TacheDiffractionMicrons, 1e-5);
}

TEST_F(TacheDiffraction, ObstructionRetenue)
{
    const struct
    {
        const char* nom;
        TTypeInstrument forme;
        double distancePlan, trou;
        float facteur;
    } cas[] = {
        {"Newton sans distance du plan", TTypeInstrument::Newton, 0.005, 0, 1.22f},
        {"Schmidt-Newton sans distance du plan", TTypeInstrument::SchmidtNewton, 0.005, 0, 1.22f},
        {"Lurie-Houghton sans distance du plan", TTypeInstrument::LurieHoughton, 0.005, 0, 1.22f},
        {"Cassegrain sans distance du secondaire", TTypeInstrument::Cassegrain, 0.005, 0, 1.1319f},
        {"trou plus grand que le secondaire", TTypeInstrument::Cassegrain, 240, 100, 1.0f},
    };
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.nom);
        ReinitialiseEtat();
        Instrument.TypeInstrument = c.forme;
        Instrument.DiametreEntree = 200;
        Instrument.DiametreSecondaire = 50;
        Instrument.DistanceSecondaireFoyer = c.distancePlan;
        Instrument.DiametreTrouCentral = c.trou;
        Instrument.FocaleObjectif = 1000;
        CalculeTacheDiffraction();
        EXPECT_NEAR(Systeme.FacteurAiry, c.facteur, 5e-5);
    }
}

TEST_F(TacheDiffraction, SansLigneVerteLaTacheUtilise550nm)
{
    LongueursOnde.LongueurOndeVerte = 0;
    CalculeTacheDiffraction();
    EXPECT_NEAR(Instrument.TacheDiffractionMicrons, 1.1319 * 0.55 * 5, 5e-4);
}

TEST_F(TacheDiffraction, SystemeAfocal)
{
    Validite.SystemeAfocal = true;
    Systeme.GrossissementAfocal = 50;
    Instrument.DistanceSecondaireFoyer = 0; // clear aperture: 0.6871" at 546.1 nm
    CalculeTacheDiffraction();
    EXPECT_NEAR(Instrument.TacheDiffractionSecondes, 0.6871, 1e-4);
    EXPECT_NEAR(Systeme.RayonAiryImage, 0.6871 / 60 * 50 * 546.1 / 560, 1e-4);

    // Without a green line the image radius has no wavelength to scale with.
    LongueursOnde.LongueurOndeVerte = 0;
    CalculeTacheDiffraction();
    EXPECT_EQ(Systeme.RayonAiryImage, 0);
}

TEST_F(TacheDiffraction, SansFocaleOuSansOuvertureAucuneTache)
{
    Instrument.FocaleObjectif = 0.1;
    CalculeTacheDiffraction();
    EXPECT_EQ(Instrument.TacheDiffractionMicrons, 0);
    Instrument.FocaleObjectif = 1000;
    Instrument.DiametreEntree = 0.1;
    CalculeTacheDiffraction();
    EXPECT_EQ(Instrument.TacheDiffractionMicrons, 0);
    EXPECT_EQ(Systeme.RayonAiryImage, 0);
}

int bips = 0;

// An obstruction wider than the aperture beeps once, and its factor does not depend on what the
// previous design left behind.
TEST_F(TacheDiffraction, ObstructionPlusLargeQueLOuvertureBipeEtResteDeterministe)
{
    bips = 0;
    Notifications.Bip = [](int genre) {
        if (genre == BipDefaut)
            ++bips;
    };
    Instrument.DiametreSecondaire = 250;
    Systeme.FacteurAiry = 1.22f;
    CalculeTacheDiffraction();
    const float premier = Instrument.TacheDiffractionMicrons;
    EXPECT_EQ(bips, 1);

    Systeme.FacteurAiry = 1.0f;
    CalculeTacheDiffraction();
    EXPECT_EQ(Instrument.TacheDiffractionMicrons, premier);
    EXPECT_TRUE(std::isfinite(premier));
}

} // namespace
