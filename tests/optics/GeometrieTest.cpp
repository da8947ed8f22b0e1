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

class GeometrieTest : public ::testing::Test {
protected:
  void SetUp() override { ReinitialiseEtat(); }
  void TearDown() override {
    std::string champ;
    EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
  }

  // Newton F1 1000, D 200, primary 30 mm thick, with the given flat (0 mm: prime focus).
  static void Newton(double conique, float flat, double distanceFlat) {
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
TEST_F(GeometrieTest, NewtonAuFoyerPrimaireLongueurJusquALImageEtLargeurDuMiroir) {
  for (double conique : {-1.0, 0.0}) {
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
TEST_F(GeometrieTest, NewtonLePlusGrandDuPlanTapeEtDuPlanMinimalFixeLaLongueur) {
  double longueurs[4];
  const float flats[4] = {5, 10, 40, 50};
  for (int i = 0; i < 4; ++i) {
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
TEST_F(GeometrieTest, UnCalculImpossibleLaisseLaLongueurNulleEtEffaceLeConflit) {
  struct Cas {
    const char* nom;
    void (*gate)();
  };
  const Cas cas[] = {
      {"instrument invalide", [] { Validite.InstrumentValide = false; }},
      {"calcul echoue", [] { Systeme.CalculEchoue = true; }},
      {"dispositif invalide", [] {
         Validite.DispositifPresent = true;
         Validite.DispositifValide = false;
       }},
  };
  for (const Cas& c : cas) {
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
TEST_F(GeometrieTest, GregoryALaLargeurDeSonPrimaire) {
  ConstruitFormeValide(TTypeInstrument::Gregory);
  CalculeGregory();
  VerifieValidite();
  Instrument.EncombrementLateral = -1;
  CalculeGeometrieInstrument();
  ASSERT_FALSE(Systeme.CalculEchoue);
  EXPECT_GT(Instrument.LongueurInstrument, Instrument.FocalePrimaire);
  EXPECT_EQ(Instrument.EncombrementLateral, 200.0);
}

} // namespace
