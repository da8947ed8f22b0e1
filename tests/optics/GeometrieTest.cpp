// The instrument's outer dimensions on solved designs.
#include "optics/Geometrie.h"

#include <gtest/gtest.h>

#include <cmath>

#include "optics/FormulesDeuxMiroirs.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "support/Formes.h"

namespace {

class GeometrieTest : public ::testing::Test
{
protected:
    void SetUp() override { ReinitialiseEtat(); }
    void TearDown() override
    {
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
    }

    // Newton F1 1000, D 200, primary 30 mm thick, with the given flat (0 mm: prime focus).
    static void Newton(double conique, float flat, double distanceFlat)
    {
        ConstruitFormeValide(TTypeInstrument::Newton);
        Instrument.CoefficientDeformationPrimaire = conique;
        Instrument.CoefficientDeformationPrimaire2 = conique == -1 ? -1 : 0;
        Instrument.EpaisseurPrimaire = 30;
        Instrument.EpaisseurSecondaire = 8;
        Instrument.DiametreSecondaire = flat;
        Instrument.DistanceSecondaireFoyer = distanceFlat;
        VerifieValidite();
        ASSERT_TRUE(Validite.InstrumentValide);
    }
};

// At the prime focus the tube runs from the primary's back to the image, as wide as the mirror; a
// spherical mirror's image lies short of F1 and the tube with it.
TEST_F(GeometrieTest, NewtonAuFoyerPrimaireLongueurJusquALImageEtLargeurDuMiroir)
{
    for (double conique : {-1.0, 0.0})
    {
        SCOPED_TRACE(conique);
        Newton(conique, 0, 0);
        CalculeGeometrieInstrument();
        ASSERT_FALSE(Systeme.CalculEchoue);
        const double decalage = conique == -1.0 ? 0.0 : -0.9388;
        EXPECT_NEAR(Systeme.DecalageFoyer, decalage, 2e-4);
        EXPECT_DOUBLE_EQ(Instrument.LongueurInstrument, 1000.0 + Systeme.DecalageFoyer + 30.0);
        EXPECT_EQ(Instrument.EncombrementLateral, 200.0);
    }
}

// The flat's far edge sets the length: a typed flat smaller than the smallest that passes the beam
// is measured at that smallest size; a larger one adds half its excess.
TEST_F(GeometrieTest, NewtonLePlusGrandDuPlanTapeEtDuPlanMinimalFixeLaLongueur)
{
    double longueurs[4];
    const float flats[4] = {5, 10, 40, 50};
    for (int i = 0; i < 4; ++i)
    {
        Newton(-1, flats[i], 150);
        CalculeGeometrieInstrument();
        longueurs[i] = Instrument.LongueurInstrument;
    }
    EXPECT_GT(Instrument.DiametreSecondaireMinimal, 10.0f);
    EXPECT_LT(Instrument.DiametreSecondaireMinimal, 40.0f);
    EXPECT_EQ(longueurs[0], longueurs[1]);
    EXPECT_NEAR(longueurs[3] - longueurs[2], 5.0, 1e-9);
    EXPECT_GT(longueurs[2], longueurs[1]);
    // The folded focus stands out of the tube by the flat's distance.
    EXPECT_NEAR(Instrument.EncombrementLateral, 100.0 + 150.0 + Systeme.DecalageFoyer, 1e-9);
}

// Every call clears the geometric conflict, also when it computes nothing; then the length is 0.
TEST_F(GeometrieTest, UnCalculImpossibleLaisseLaLongueurNulleEtEffaceLeConflit)
{
    struct Cas
    {
        const char* nom;
        void (*gate)();
    };
    const Cas cas[] = {
        {"instrument invalide", [] { Validite.InstrumentValide = false; }},
        {"calcul echoue", [] { Systeme.CalculEchoue = true; }},
        {"dispositif invalide",
         [] {
             Validite.DispositifPresent = true;
             Validite.DispositifValide = false;
         }},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        Newton(-1, 0, 0);
        Instrument.LongueurInstrument = 1234;
        Instrument.EncombrementLateral = 77;
        Validite.ConflitGeometrique = true;
        c.gate();
        CalculeGeometrieInstrument();
        EXPECT_EQ(Instrument.LongueurInstrument, 0.0);
        EXPECT_EQ(Instrument.EncombrementLateral, 77.0);
        EXPECT_FALSE(Validite.ConflitGeometrique);
    }
    Newton(-1, 0, 0);
    Validite.ConflitGeometrique = true;
    CalculeGeometrieInstrument();
    EXPECT_FALSE(Validite.ConflitGeometrique);
    EXPECT_GT(Instrument.LongueurInstrument, 0.0);
}

// A form whose extent is not given otherwise gets the width of its widest mirror, never a value
// left from an earlier design.
TEST_F(GeometrieTest, GregoryALaLargeurDeSonPrimaire)
{
    ConstruitFormeValide(TTypeInstrument::Gregory);
    CalculeGregory();
    VerifieValidite();
    Instrument.EncombrementLateral = -1;
    CalculeGeometrieInstrument();
    ASSERT_FALSE(Systeme.CalculEchoue);
    EXPECT_GT(Instrument.LongueurInstrument, Instrument.FocalePrimaire);
    EXPECT_EQ(Instrument.EncombrementLateral, 200.0);
}

// A classical Cassegrain (paraboloid, confocal hyperboloid) with its image 20 mm behind the
// primary's vertex, inside a 40 mm thick primary, and a thin window in front of the image: the tube
// ends at the primary's back, so it grows exactly with the primary's thickness.
TEST_F(GeometrieTest, CassegrainDontLeDispositifFinitDansLePrimaireSeMesureAuDosDuPrimaire)
{
    double longueurs[2];
    const double epaisseurs[2] = {40, 45};
    for (int k = 0; k < 2; ++k)
    {
        ConstruitFormeValide(TTypeInstrument::Cassegrain);
        const double f1 = 800, m = 3000.0 / 800.0, b = 20;
        const double p = (f1 + b) / (m + 1);
        const double r2 = 2 * m * p / (m - 1);
        const double conique = -std::pow((m + 1) / (m - 1), 2);
        Instrument.FocalePrimaire = f1;
        Instrument.RayonCourburePrimaire = 2 * f1;
        Instrument.RayonPrimaireCube = std::pow(2 * f1, 3);
        Instrument.RayonPrimairePuissance5 = std::pow(2 * f1, 5);
        Instrument.FocaleResultante = 3000;
        Instrument.DegagementFoyer = b;
        Instrument.DistanceSecondaireFoyer = p;
        Instrument.DistanceFoyerPrimaireSecondaire = p;
        Instrument.DistanceEntreMiroirs = f1 - p;
        Instrument.RayonCourbureSecondaire = r2;
        Instrument.CoefficientDeformationSecondaire = conique;
        Instrument.CoefficientDeformationSecondaire2 = std::pow(1 + conique, 2) - 1;
        Instrument.DiametreSecondaire = 60;
        Instrument.EpaisseurSecondaire = 15;
        Instrument.EpaisseurPrimaire = epaisseurs[k];
        Dispositif.CentreDioptre[0] = f1 - p + r2;
        Dispositif.NombreDioptres = 2;
        const double rayons[] = {500, 500};
        const double suivantes[] = {3, 30};
        const float indices[] = {1.51872f, 1.000278f};
        for (int i = 1; i <= 2; ++i)
        {
            Dispositif.RayonDioptre[i] = rayons[i - 1];
            Dispositif.EpaisseurDioptre[i] = suivantes[i - 1];
            Dispositif.DiametreDioptre[i] = 20;
            Dispositif.IndiceRouge[i + 1] = Dispositif.IndiceVert[i + 1] = Dispositif.IndiceBleu[i + 1] =
                indices[i - 1];
        }
        AppliqueIndices();
        VerifieValidite();
        ASSERT_TRUE(Validite.InstrumentValide);
        ASSERT_TRUE(Validite.DispositifValide);
        CalculeGeometrieInstrument();
        ASSERT_FALSE(Systeme.CalculEchoue);
        ASSERT_GT(Instrument.FinDispositif, b);
        ASSERT_LT(Instrument.FinDispositif, epaisseurs[k]);
        longueurs[k] = Instrument.LongueurInstrument;
        // From the primary's back to the secondary's back.
        EXPECT_NEAR(longueurs[k], (f1 - p) + 15 + epaisseurs[k], 1e-9);
    }
    EXPECT_NEAR(longueurs[1] - longueurs[0], 5.0, 1e-9);
}

} // namespace
