// The tracer's entry: which rays enter the lens device, where the device stops a ray, and the
// exactness of a long device.
#include "optics/TraceRayon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "optics/Modele.h"
#include "optics/Rayon.h"
#include "support/Formes.h"
#include "support/MemeRayon.h"

namespace {

// Without an instrument form no pass runs: the ray enters the device as the test sets it.
class TraceRayonDispositif : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Validite.InstrumentValide = true;
        Validite.DispositifValide = true;
    }

    // Row i: radius, vertex z, diameter, glass index behind it (air in front of row 1).
    static void Ligne(int i, double rayon, double sommet, double diametre, float indiceDerriere)
    {
        Dispositif.NombreDioptres = i;
        Dispositif.RayonDioptre[i] = rayon;
        Dispositif.SommetDioptre[i] = sommet;
        Dispositif.CentreDioptre[i] = rayon < SeuilRayonPlan ? sommet + rayon : sommet;
        Dispositif.CarreDemiDiametre[i] = diametre * diametre / 4.0;
        if (i == 1)
            Dispositif.IndiceTrace[1] = 1.0f;
        Dispositif.IndiceTrace[i + 1] = indiceDerriere;
    }

    static void Lance(double x, double y, double l, double m)
    {
        Rayon.XRayon = x;
        Rayon.YRayon = y;
        Rayon.ZRayon = 0.0;
        Rayon.LRayon = l;
        Rayon.MRayon = m;
        Rayon.NRayon = std::sqrt(1.0 - l * l - m * m);
    }

    // Five rows, the third a small sphere that a ray 3 mm off the axis misses.
    static void CinqLignes()
    {
        Ligne(1, RayonPlan, 10, 50, 1.5f);
        Ligne(2, RayonPlan, 15, 50, 1.0f);
        Ligne(3, 2, 20, 4, 1.5f);
        Ligne(4, -40, 25, 50, 1.0f);
        Ligne(5, RayonPlan, 30, 50, 1.0f);
    }
};

TEST_F(TraceRayonDispositif, UneSphereManqueeArreteLeRayonSurSaLigne)
{
    CinqLignes();
    Rayon.HauteurImpact[4] = Rayon.HauteurImpact[5] = -99.0;
    Lance(3, 0, 0, 0);
    TraceRayon();
    EXPECT_TRUE(Rayon.RayonPerdu);
    EXPECT_EQ(Rayon.DioptreArret, 3);
    EXPECT_TRUE(Rayon.VignettageDispositif);
    EXPECT_EQ(Rayon.HauteurImpact[2], 3.0);
    EXPECT_EQ(Rayon.HauteurImpact[4], -99.0) << "surface 4 not traced";
    EXPECT_EQ(Rayon.HauteurImpact[5], -99.0) << "surface 5 not traced";
}

TEST_F(TraceRayonDispositif, UnDiaphragmeFranchiAuDehorsLaisseAllerLeRayonJusquauBout)
{
    Ligne(1, RayonPlan, 10, 50, 1.5f);
    Ligne(2, RayonDiaphragme, 15, 4, 1.5f);
    Ligne(3, -80, 20, 50, 1.0f);
    Ligne(4, RayonPlan, 30, 50, 1.0f);
    Rayon.HauteurImpact[4] = -99.0;
    Lance(3, 0, 0.01, 0);
    TraceRayon();
    EXPECT_FALSE(Rayon.RayonPerdu);
    EXPECT_EQ(Rayon.DioptreArret, 2);
    EXPECT_FALSE(Rayon.ArretDispositif);
    EXPECT_NE(Rayon.HauteurImpact[4], -99.0);
    EXPECT_EQ(Rayon.ZRayon, 30.0);
}

TEST_F(TraceRayonDispositif, QuelsRayonsEntrentDansLeDispositif)
{
    struct TCas
    {
        const char* nom;
        bool dispositifValide, dispositifActif, horsSecondaire, reference, entre;
    };
    const TCas cas[] = {
        {"normal", true, true, false, false, true},
        {"sans dispositif", false, true, false, false, false},
        {"instrument seul", true, false, false, false, false},
        {"hors du secondaire", true, true, true, false, false},
        {"hors du secondaire, référence", true, true, true, true, true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        ReinitialiseProgramme();
        SetUp();
        CinqLignes();
        Validite.DispositifValide = c.dispositifValide;
        Rayon.DispositifActif = c.dispositifActif;
        Rayon.HorsSecondaire = c.horsSecondaire;
        Rayon.EstRayonReference = c.reference;
        Rayon.HauteurImpact[1] = -99.0;
        Rayon.DioptreArret = 7;
        Lance(1, 0, 0, 0);
        TraceRayon();
        EXPECT_EQ(Rayon.HauteurImpact[1] != -99.0, c.entre);
        EXPECT_EQ(Rayon.DioptreArret, AucunDioptreArret);
        EXPECT_FALSE(Rayon.RayonPerdu);
        if (!c.entre)
        {
            EXPECT_EQ(Rayon.XRayon, 1.0) << "the ray is the pass's output";
            EXPECT_EQ(Rayon.ZRayon, 0.0);
        }
    }
}

// Thirty surfaces, fifteen thin lenses of alternating power: rays of every height and slope leave
// with direction cosines that are still a unit vector.
TEST_F(TraceRayonDispositif, TrenteSurfacesGardentDesCosinusDirecteursUnitaires)
{
    for (int i = 1; i <= 30; ++i)
    {
        const double rayon = (i % 4 < 2 ? 1.0 : -1.0) * (60.0 + 3.0 * i);
        Ligne(i, i % 2 ? rayon : -rayon, 5.0 * i, 200, i % 2 ? 1.62f : 1.0f);
    }
    const double rayons[][4] = {
        {0, 0, 0, 0}, {5, 0, 0.02, 0}, {-12, 7, 0, -0.03}, {20, -15, -0.05, 0.04}, {1e-6, 0, 0, 0}};
    for (const auto& r : rayons)
    {
        SCOPED_TRACE(r[0]);
        Rayon.RayonPerdu = false;
        Lance(r[0], r[1], r[2], r[3]);
        TraceRayon();
        ASSERT_FALSE(Rayon.RayonPerdu);
        const double norme =
            std::sqrt(Rayon.LRayon * Rayon.LRayon + Rayon.MRayon * Rayon.MRayon + Rayon.NRayon * Rayon.NRayon);
        EXPECT_NEAR(norme, 1.0, 1e-12);
        EXPECT_EQ(Rayon.DioptreArret, AucunDioptreArret);
    }
}

// The device behind a Newton: the largest squared distance met on each row over a fan of rays.
TEST_F(TraceRayonDispositif, LeCarreMaximalSuitLeFaisceau)
{
    Instrument.TypeInstrument = TTypeInstrument::Newton;
    Instrument.RayonCourburePrimaire = 2000;
    Instrument.CoefficientDeformationPrimaire = -1;
    Instrument.CoefficientDeformationPrimaire2 = -1;
    // A plane 100 mm beyond the focus of the paraboloid (z = 1000): the beam of a pupil of radius
    // 100 has spread to about 100 x 100 / 1000 there.
    Ligne(1, RayonPlan, 1100, 100, 1.0f);
    Rayon.EstRayonReference = true;
    for (double x : {-100.0, -50.0, 0.0, 30.0, 100.0})
    {
        Rayon.XDepart = x;
        Rayon.YDepart = 0;
        TraceRayon();
    }
    const double a = 100.0 * 100.0 / 4000.0; // sag at the rim
    const double hauteur = 100.0 * 100.0 / (1000.0 - a);
    EXPECT_NEAR(Rayon.CarreDistanceAxeMaximal[1], hauteur * hauteur, 1e-6);
}

// A ray lost inside the device stays where the last row it crossed left it: its point on that
// row's hit and its direction after it, whatever stopped it; the hit on the row that lost it is kept.
TEST_F(TraceRayonDispositif, LeRayonPerduResteSurLeDernierDioptreFranchi)
{
    struct TCas
    {
        const char* nom;
        void (*lignes)();
        double l; // launched from (3, 0, 0) with direction (l, 0, sqrt(1 - l^2))
        double x, z, lApres, nApres; // point and direction after the last row crossed
        double hauteurLigne2;
        std::int32_t dioptreArret;
    };
    const TCas cas[] = {
        // Parallel to the axis: the planes at z = 10 and 15, then the sphere of radius 2 missed.
        {"sphère manquée", CinqLignes, 0.0, 3.0, 15.0, 0.0, 1.0, 3.0, 3},
        // Inside glass at sin 0.8: the first plane keeps the index, the second into air reflects it
        // totally (1.5 x 0.8 > 1). Hits at x = 3 + 10 x 0.8 / 0.6 and 3 + 15 x 0.8 / 0.6.
        {"réflexion totale à un plan",
         [] {
             Ligne(1, RayonPlan, 10, 80, 1.5f);
             Dispositif.IndiceTrace[1] = 1.5f;
             Ligne(2, RayonPlan, 15, 80, 1.0f);
             Ligne(3, RayonPlan, 20, 80, 1.0f);
         },
         0.8, 3.0 + 40.0 / 3.0, 10.0, 0.8, 0.6, 23.0, AucunDioptreArret},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        ReinitialiseProgramme();
        SetUp();
        c.lignes();
        Lance(3, 0, c.l, 0);
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

// Rays traced together, in pairs of lanes, end bit for bit where they end traced one after the
// other, whatever stops them and wherever the members of a group part. Behind a plane into glass
// of index 1.9, a sphere of radius 5 centred on that plane: a ray parallel to the axis reflects
// totally above 2.63 mm and misses it above 5; then a diaphragm of 2 mm and a lens of 3 mm.
TEST_F(TraceRayonDispositif, DesRayonsTracesEnsembleFinissentCommeTracesUnAUn)
{
    const auto pieges = [] {
        Ligne(1, RayonPlan, 10, 50, 1.9f);
        Ligne(2, -5, 15, 50, 1.0f);
        Ligne(3, RayonDiaphragme, 20, 2, 1.0f);
        Ligne(4, 40, 25, 3, 1.5f);
        Ligne(5, RayonPlan, 30, 50, 1.0f);
    };
    struct TDepart
    {
        double x, y, l, m;
        bool entre;
    };
    const TDepart axe{0, 0, 0, 0, true}, bas{0, -1.5, 0, 0.05, true}, biais{0.5, 0.5, 0.02, -0.01, true},
        fort{2, 1, 0, 0, true}, reflechi{3, 0, 0, 0, true}, manque{6, 0, 0, 0, true}, dehors{1, 0, 0, 0, false};
    const std::vector<std::vector<TDepart>> groupes = {
        {axe, bas, biais, fort},
        {axe, reflechi, bas, biais},
        {bas, biais, axe, manque},
        {reflechi, manque, axe, fort},
        {axe, dehors, bas, fort},
        {axe, bas, reflechi},
        {fort, axe},
        {manque},
        {dehors, biais},
    };
    for (std::size_t g = 0; g < groupes.size(); ++g)
    {
        SCOPED_TRACE(g);
        ReinitialiseProgramme();
        SetUp();
        pieges();
        const std::vector<TDepart>& groupe = groupes[g];
        const int nombre = static_cast<int>(groupe.size());
        const auto prepare = [&](int k) {
            const TDepart& d = groupe[static_cast<std::size_t>(k)];
            Lance(d.x, d.y, d.l, d.m);
            Rayon.RayonBloque = Rayon.ArretDispositif = Rayon.VignettageDispositif = false;
            Rayon.HorsSecondaire = !d.entre;
        };
        MarqueRestesDispositif(Rayon);
        const TRayon debut = Rayon;
        std::vector<TRayon> attendus;
        for (int k = 0; k < nombre; ++k)
        {
            prepare(k);
            MarqueRestesDispositif(Rayon);
            TraceRayon();
            attendus.push_back(Rayon);
        }
        Rayon = debut;
        std::vector<TRayon> obtenus;
        EXPECT_TRUE(TraceRayonsEnSemble(nombre, prepare, [&](int) {
            obtenus.push_back(Rayon);
            return true;
        }));
        ASSERT_EQ(obtenus.size(), attendus.size());
        for (std::size_t k = 0; k < attendus.size(); ++k)
        {
            SCOPED_TRACE(k);
            ExpectMemeRayon(attendus[k], obtenus[k]);
        }
        // A reader that stops at the second ray finds it in `Rayon`, and no other ray after it.
        if (nombre < 2)
            continue;
        Rayon = debut;
        int lus = 0;
        EXPECT_FALSE(TraceRayonsEnSemble(nombre, prepare, [&](int k) {
            ++lus;
            return k != 1;
        }));
        EXPECT_EQ(lus, 2);
        ExpectMemeRayon(attendus[1], Rayon);
    }
    // The fixture does stop rays in every way it means to.
    ReinitialiseProgramme();
    SetUp();
    pieges();
    const auto trace = [](const TDepart& d) {
        Lance(d.x, d.y, d.l, d.m);
        Rayon.RayonBloque = Rayon.ArretDispositif = Rayon.VignettageDispositif = false;
        Rayon.DioptreArret = AucunDioptreArret;
        TraceRayon();
        return Rayon;
    };
    EXPECT_TRUE(trace(reflechi).RayonPerdu && !Rayon.VignettageDispositif);
    EXPECT_TRUE(trace(manque).VignettageDispositif && Rayon.DioptreArret == 2);
    EXPECT_TRUE(!trace(fort).RayonPerdu && Rayon.DioptreArret == 3 && Rayon.ArretDispositif);
    EXPECT_TRUE(!trace(axe).RayonPerdu && !Rayon.RayonBloque && Rayon.DioptreArret == AucunDioptreArret);
}
