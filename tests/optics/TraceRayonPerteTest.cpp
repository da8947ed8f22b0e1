// A ray lost inside the lens device stays where the last row it crossed left it: its point on that
// row's hit and its direction after that row, whatever stopped it.
#include "optics/TraceRayon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "optics/Modele.h"
#include "optics/Rayon.h"
#include "support/Formes.h"

namespace {

void Ligne(int i, double rayon, double sommet, double diametre, float indiceDevant, float indiceDerriere) {
  Dispositif.NombreDioptres = i;
  Dispositif.RayonDioptre[i] = rayon;
  Dispositif.SommetDioptre[i] = sommet;
  Dispositif.CentreDioptre[i] = rayon < SeuilRayonPlan ? sommet + rayon : sommet;
  Dispositif.CarreDemiDiametre[i] = diametre * diametre / 4.0;
  Dispositif.IndiceTrace[i] = indiceDevant;
  Dispositif.IndiceTrace[i + 1] = indiceDerriere;
}

TEST(TraceRayonPerte, LeRayonPerduResteSurLeDernierDioptreFranchi) {
  struct TCas {
    const char* nom;
    void (*lignes)();
    double l; // direction cosine of the launched ray in x (y = 0)
    double x, z, lApres, nApres; // expected point and direction after the last row crossed
    double hauteurLigne2; // x recorded on row 2 (the hit is kept even when the ray is then lost)
    std::int32_t dioptreArret;
  };
  const TCas cas[] = {
      // Parallel to the axis 3 mm off it: planes at z = 10 and 15, then a sphere of radius 2.
      {"sphère manquée",
       [] {
         Ligne(1, RayonPlan, 10, 50, 1.0f, 1.5f);
         Ligne(2, RayonPlan, 15, 50, 1.5f, 1.0f);
         Ligne(3, 2, 20, 4, 1.0f, 1.5f);
         Ligne(4, RayonPlan, 25, 50, 1.5f, 1.0f);
       },
       0.0, 3.0, 15.0, 0.0, 1.0, 3.0, 3},
      // Inside glass at sin 0.8: the first plane keeps the index, the second into air reflects it
      // totally (1.5 x 0.8 > 1). The hit on row 1 is at x = 3 + 10 x 0.8 / 0.6, on row 2 at 3 + 15 x 4/3.
      {"réflexion totale à un plan",
       [] {
         Ligne(1, RayonPlan, 10, 80, 1.5f, 1.5f);
         Ligne(2, RayonPlan, 15, 80, 1.5f, 1.0f);
         Ligne(3, RayonPlan, 20, 80, 1.0f, 1.0f);
       },
       0.8, 3.0 + 40.0 / 3.0, 10.0, 0.8, 0.6, 23.0, AucunDioptreArret},
  };
  for (const TCas& c : cas) {
    SCOPED_TRACE(c.nom);
    ReinitialiseEtat();
    Validite.InstrumentValide = true;
    Validite.DispositifValide = true;
    c.lignes();
    Rayon.XRayon = 3.0;
    Rayon.YRayon = 0.0;
    Rayon.ZRayon = 0.0;
    Rayon.LRayon = c.l;
    Rayon.MRayon = 0.0;
    Rayon.NRayon = std::sqrt(1.0 - c.l * c.l);
    TraceRayon();
    EXPECT_TRUE(Rayon.RayonPerdu);
    EXPECT_EQ(Rayon.DioptreArret, c.dioptreArret);
    EXPECT_NEAR(Rayon.XRayon, c.x, 1e-12);
    EXPECT_NEAR(Rayon.YRayon, 0.0, 1e-12);
    EXPECT_NEAR(Rayon.ZRayon, c.z, 1e-12);
    EXPECT_NEAR(Rayon.LRayon, c.lApres, 1e-12);
    EXPECT_NEAR(Rayon.MRayon, 0.0, 1e-12);
    EXPECT_NEAR(Rayon.NRayon, c.nApres, 1e-12);
    EXPECT_NEAR(Rayon.HauteurImpact[2], c.hauteurLigne2, 1e-12);
  }
}

} // namespace
