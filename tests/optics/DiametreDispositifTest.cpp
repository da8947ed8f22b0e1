// Largest clear diameter of the lens device.
#include <gtest/gtest.h>

#include "optics/DiametreDispositif.h"
#include "support/Formes.h"

namespace {

TEST(DiametreMaximalDispositif, PlusGrandDiametreOuTrouCentral) {
  const struct {
    const char* nom;
    int lignes;
    double diametres[3];
    double attendu;
  } cas[] = {
      {"trois lignes", 3, {30, 40, 25}, 40},
      {"dispositif vide", 1, {0, 0, 0}, 60},
      {"diamètres sous 1 mm", 2, {0.5, 0.8, 0}, 60},
  };
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    ReinitialiseEtat();
    Instrument.DiametreTrouCentral = 60;
    Dispositif.NombreDioptres = c.lignes;
    for (int i = 1; i <= 3; ++i) Dispositif.DiametreDioptre[i] = c.diametres[i - 1];
    CalculeDiametreMaximalDispositif();
    EXPECT_EQ(Instrument.DiametreMaximalDispositif, c.attendu);
  }
}

} // namespace
