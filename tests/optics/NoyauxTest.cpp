// Surface kernels: refraction checked against Snell's law, and the flag rules of hits, edges,
// diaphragms, missed surfaces and total reflection.
#include "optics/Noyaux.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "optics/Modele.h"
#include "optics/Rayon.h"
#include "support/Formes.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

TVecteur Vectoriel(TVecteur a, TVecteur b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

TVecteur Unitaire(TVecteur a)
{
    return (1.0 / Norme(a)) * a;
}

class Noyaux : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Validite.DispositifValide = true;
        Validite.InstrumentValide = true;
    }
};

void SurfaceDispositif(int i, double rayon, double sommet, double diametre, float indice, float indiceSuivant)
{
    Dispositif.RayonDioptre[i] = rayon;
    Dispositif.SommetDioptre[i] = sommet;
    Dispositif.CentreDioptre[i] = rayon < SeuilRayonPlan ? sommet + rayon : sommet;
    Dispositif.CarreDemiDiametre[i] = diametre * diametre / 4.0;
    Dispositif.IndiceTrace[i] = indice;
    Dispositif.IndiceTrace[i + 1] = indiceSuivant;
}

void SurfaceGroupe(int i, double rayon, double sommet, double diametre)
{
    Groupe.RayonGroupe[i] = rayon;
    Groupe.SommetGroupe[i] = sommet;
    Groupe.CentreGroupe[i] = rayon < SeuilRayonPlan ? sommet + rayon : sommet;
    Groupe.CarreDemiDiametreGroupe[i] = diametre * diametre / 4.0;
}

void PoseRayon(TVecteur p, TVecteur d)
{
    Rayon.XRayon = p.x;
    Rayon.YRayon = p.y;
    Rayon.ZRayon = p.z;
    Rayon.LRayon = d.x;
    Rayon.MRayon = d.y;
    Rayon.NRayon = d.z;
    Rayon.LIncident = d.x;
    Rayon.MIncident = d.y;
    Rayon.NIncident = d.z;
}

TVecteur Point()
{
    return {Rayon.XRayon, Rayon.YRayon, Rayon.ZRayon};
}
TVecteur Direction()
{
    return {Rayon.LRayon, Rayon.MRayon, Rayon.NRayon};
}
TVecteur DirectionIncidente()
{
    return {Rayon.LIncident, Rayon.MIncident, Rayon.NIncident};
}

// One member of the sphere kernels, set up so that the ray meets the sphere of radius `rayon`
// centred at z = `centre` of the frame it travels in, from index n into n'.
struct TMembreSphere
{
    const char* nom;
    void (*prepare)(double rayon, double centre, float n, float nSuivant);
    void (*noyau)(int);
    bool directionIncidente; // the kernel runs on LIncident..
};

// Group surface 2 crossed forwards, from medium 1 into medium 2.
void PrepareGroupe(double rayon, double centre, float n, float nSuivant)
{
    SurfaceGroupe(2, rayon, centre - rayon, 1e6);
    Groupe.IndiceTraceGroupe[1] = n;
    Groupe.IndiceTraceGroupe[2] = nSuivant;
}

const TMembreSphere MembresSphere[] = {
    {"dispositif",
     [](double rayon, double centre, float n, float nSuivant) {
         SurfaceDispositif(2, rayon, centre - rayon, 1e6, n, nSuivant);
     },
     RefracteSphereDispositif, false},
    {"groupe", PrepareGroupe, RefracteSphereGroupe, true},
    {"Klevtsov aller", PrepareGroupe, RefracteSphereKlevtsovAller, false},
    // Back from the secondary the frame is mirrored: the surface stored with radius -R about -C is
    // met as the sphere of radius R about C, from the medium behind it into the one in front.
    {"Klevtsov retour",
     [](double rayon, double centre, float n, float nSuivant) {
         SurfaceGroupe(2, -rayon, -centre + rayon, 1e6);
         Groupe.IndiceTraceGroupe[2] = n;
         Groupe.IndiceTraceGroupe[1] = nSuivant;
     },
     RefracteSphereKlevtsovRetour, false},
};

TEST_F(Noyaux, LesSpheresRefractentSelonLaLoiDeSnellPourChaqueMembre)
{
    struct TCas
    {
        double rayon, hauteur, angle;
        float n, nSuivant;
    };
    const TCas cas[] = {
        {100, 0, 0, 1.0f, 1.5f},      {100, 10, 0, 1.0f, 1.5f},      {-100, 10, 0, 1.0f, 1.5f},
        {100, 30, 0.1, 1.5f, 1.0f},   {-60, 20, -0.2, 1.62f, 1.52f}, {250, -40, 0.05, 1.0f, 1.7f},
        {-250, 35, 0.15, 1.7f, 1.0f}, {80, 5, -0.3, 1.0f, 1.0f},
    };
    for (const TMembreSphere& membre : MembresSphere)
    {
        for (const TCas& c : cas)
        {
            SCOPED_TRACE(std::string(membre.nom) + " R " + std::to_string(c.rayon) + " h " + std::to_string(c.hauteur) +
                         " u " + std::to_string(c.angle) + " n " + std::to_string(c.n) + " n' " +
                         std::to_string(c.nSuivant));
            ReinitialiseProgramme();
            SetUp();
            const double centre = 40.0 + c.rayon; // vertex at z = 40
            membre.prepare(c.rayon, centre, c.n, c.nSuivant);
            const TVecteur d{std::sin(c.angle), 0.0, std::cos(c.angle)};
            PoseRayon({c.hauteur, 3.0, 0.0}, d);
            membre.noyau(2);
            ASSERT_FALSE(Rayon.RayonPerdu);
            const TVecteur q{Rayon.XImpact, Rayon.YImpact, Rayon.ZImpact};
            EXPECT_NEAR(Norme(q), std::abs(c.rayon), 1e-9);
            EXPECT_LT(q.z * c.rayon, 0.0) << "the cap facing the light";
            const TVecteur sortie = membre.directionIncidente ? DirectionIncidente() : Direction();
            EXPECT_NEAR(Norme(sortie), 1.0, 1e-12);
            const TVecteur normale = Unitaire(q);
            const TVecteur avant = static_cast<double>(c.n) * Vectoriel(d, normale);
            const TVecteur apres = static_cast<double>(c.nSuivant) * Vectoriel(sortie, normale);
            EXPECT_NEAR(Norme(avant - apres), 0.0, 1e-12);
            EXPECT_GT(Scalaire(sortie, normale) * Scalaire(d, normale), 0.0) << "transmitted, not reflected";
            const TVecteur impact = q + TVecteur{0.0, 0.0, centre};
            EXPECT_NEAR(Norme(Point() - impact), 0.0, 1e-9) << "the ray goes on from its hit";
        }
    }
}

// A ray parallel to the axis at height h meets the sphere at incidence I = asin(h / R) and leaves
// at I' with n sin I = n' sin I', towards the axis, which it crosses at z_hit + h / tan(I - I').
TEST_F(Noyaux, UnRayonParalleleCoupeLAxeOuLeVeutLaRefraction)
{
    for (double hauteur : {1.0, 10.0, 25.0})
    {
        SCOPED_TRACE(hauteur);
        ReinitialiseProgramme();
        SetUp();
        SurfaceDispositif(1, 100, 0, 200, 1.0f, 1.5f);
        PoseRayon({hauteur, 0.0, -5.0}, {0.0, 0.0, 1.0});
        RefracteSphereDispositif(1);
        const double incidence = std::asin(hauteur / 100.0);
        const double refraction = std::asin(std::sin(incidence) / 1.5);
        const double cote = 100.0 - std::sqrt(100.0 * 100.0 - hauteur * hauteur);
        const double croisement = cote + hauteur / std::tan(incidence - refraction);
        EXPECT_NEAR(Rayon.ZRayon - Rayon.XRayon * Rayon.NRayon / Rayon.LRayon, croisement, 1e-9);
        EXPECT_NEAR(Rayon.HauteurImpact[1], hauteur, 1e-12);
    }
    // Near the axis, the paraxial focus n' R / (n' - n) = 300.
    ReinitialiseProgramme();
    SetUp();
    SurfaceDispositif(1, 100, 0, 200, 1.0f, 1.5f);
    PoseRayon({0.01, 0.0, -5.0}, {0.0, 0.0, 1.0});
    RefracteSphereDispositif(1);
    EXPECT_NEAR(Rayon.ZRayon - Rayon.XRayon * Rayon.NRayon / Rayon.LRayon, 300.0, 1e-3);
}

TEST_F(Noyaux, UnRayonSurLAxeResteSurLAxe)
{
    for (double rayon : {100.0, -100.0, RayonPlan, -RayonPlan})
    {
        SCOPED_TRACE(rayon);
        ReinitialiseProgramme();
        SetUp();
        SurfaceDispositif(1, rayon, 10, 50, 1.0f, 1.6f);
        SurfaceGroupe(1, rayon, 10, 50);
        Groupe.IndiceTraceGroupe[0] = 1.0f;
        Groupe.IndiceTraceGroupe[1] = 1.6f;
        PoseRayon({0.0, 0.0, 0.0}, {0.0, 0.0, 1.0});
        if (rayon < SeuilRayonPlan)
        {
            RefracteSphereDispositif(1);
            RefracteSphereGroupe(1);
        }
        else
        {
            RefractePlanDispositif(1);
            RefractePlanGroupe(1);
        }
        for (TVecteur d : {Direction(), DirectionIncidente()})
        {
            EXPECT_EQ(d.x, 0.0);
            EXPECT_EQ(d.y, 0.0);
            EXPECT_NEAR(d.z, 1.0, 1e-15);
        }
        EXPECT_EQ(Rayon.XRayon, 0.0);
        EXPECT_EQ(Rayon.YRayon, 0.0);
    }
}

TEST_F(Noyaux, UnPlanRefracteExactement)
{
    struct TCas
    {
        double degres;
        float n, nSuivant;
    };
    for (const TCas& c : {TCas{30, 1.0f, 1.5f}, TCas{30, 1.3f, 1.3f}, TCas{-35, 1.7f, 1.2f}, TCas{0, 1.0f, 1.5f}})
    {
        SCOPED_TRACE(c.degres);
        ReinitialiseProgramme();
        SetUp();
        SurfaceDispositif(1, RayonPlan, 20, 100, c.n, c.nSuivant);
        const double i = c.degres * Pi / 180.0;
        PoseRayon({1.0, 2.0, 0.0}, {std::sin(i), 0.0, std::cos(i)});
        RefractePlanDispositif(1);
        const double sinR = static_cast<double>(c.n) / static_cast<double>(c.nSuivant) * std::sin(i);
        EXPECT_NEAR(Rayon.LRayon, sinR, 1e-15);
        EXPECT_EQ(Rayon.MRayon, 0.0);
        EXPECT_NEAR(Rayon.NRayon, std::sqrt(1.0 - sinR * sinR), 1e-15);
        EXPECT_NEAR(Rayon.XRayon, 1.0 + 20.0 * std::tan(i), 1e-12) << "the hit on the plane";
        EXPECT_EQ(Rayon.ZRayon, 20.0);
    }
    // 30 degrees from air into glass of 1.5 leaves at 19.47 degrees.
    ReinitialiseProgramme();
    SetUp();
    SurfaceDispositif(1, RayonPlan, 0, 100, 1.0f, 1.5f);
    PoseRayon({0.0, 0.0, 0.0}, {0.5, 0.0, std::sqrt(3.0) / 2.0});
    RefractePlanDispositif(1);
    EXPECT_NEAR(Rayon.LRayon, 0.3333, 5e-5);
    EXPECT_NEAR(Rayon.NRayon, 0.9428, 5e-5);
    EXPECT_NEAR(std::asin(Rayon.LRayon) * 180.0 / Pi, 19.47, 5e-3);
}

// The construction of the sphere kernels divides by cos I, which is 0 at a grazing hit.
TEST_F(Noyaux, UneSphereRaseeNePerdPasLeRayonEtUneSphereManqueeLePerd)
{
    SurfaceDispositif(3, 10, 0, 100, 1.0f, 1.5f);
    PoseRayon({10.0, 0.0, -5.0}, {0.0, 0.0, 1.0}); // discriminant exactly 0
    RefracteSphereDispositif(3);
    EXPECT_FALSE(Rayon.RayonPerdu);
    EXPECT_EQ(Rayon.DioptreArret, AucunDioptreArret);
    const TVecteur d = Direction();
    EXPECT_NEAR(Norme(d), 1.0, 1e-12);
    // Incidence 90 degrees: the refracted ray leaves at asin(1 / 1.5) from the normal (-1, 0, 0).
    EXPECT_NEAR(-d.x, std::sqrt(1.0 - 1.0 / 2.25), 1e-12);
    EXPECT_NEAR(d.z, 1.0 / 1.5, 1e-12);

    ReinitialiseProgramme();

    SetUp();
    SurfaceDispositif(3, 10, 0, 100, 1.0f, 1.5f);
    PoseRayon({10.001, 0.0, -5.0}, {0.0, 0.0, 1.0});
    RefracteSphereDispositif(3);
    EXPECT_TRUE(Rayon.RayonPerdu);
    EXPECT_TRUE(Rayon.RayonBloque);
    EXPECT_TRUE(Rayon.VignettageDispositif);
    EXPECT_EQ(Rayon.DioptreArret, 3);
    EXPECT_EQ(Rayon.XRayon, 10.001) << "the ray stays where it was lost";
}

TEST_F(Noyaux, LeBordDeLOuvertureEstDedans)
{
    struct TCas
    {
        double x;
        bool dehors;
    };
    for (const TCas& c : {TCas{10.0, false}, TCas{-10.0, false}, TCas{10.0 + 1e-9, true}})
    {
        SCOPED_TRACE(c.x);
        ReinitialiseProgramme();
        SetUp();
        SurfaceDispositif(1, RayonPlan, 5, 20, 1.0f, 1.5f);
        SurfaceGroupe(1, RayonPlan, 5, 20);
        Groupe.IndiceTraceGroupe[0] = 1.0f;
        Groupe.IndiceTraceGroupe[1] = 1.5f;
        PoseRayon({c.x, 0.0, 0.0}, {0.0, 0.0, 1.0});
        RefractePlanDispositif(1);
        RefractePlanGroupe(1);
        EXPECT_EQ(Rayon.ArretDispositif, c.dehors);
        EXPECT_EQ(Rayon.RayonBloque, c.dehors);
        EXPECT_EQ(Rayon.ArretGroupe, c.dehors);
        EXPECT_DOUBLE_EQ(Rayon.CarreDistanceAxe[1], c.x * c.x);
    }
}

TEST_F(Noyaux, UnDiaphragmeFranchiAuDehorsNommeSaLigneSansDrapeauDeBord)
{
    SurfaceDispositif(4, RayonDiaphragme, 5, 20, 1.0f, 1.0f);
    PoseRayon({12.0, 0.0, 0.0}, {0.0, 0.0, 1.0});
    RefractePlanDispositif(4);
    EXPECT_EQ(Rayon.DioptreArret, 4);
    EXPECT_FALSE(Rayon.ArretDispositif);
    EXPECT_FALSE(Rayon.RayonBloque);
    EXPECT_FALSE(Rayon.RayonPerdu);
    EXPECT_EQ(Rayon.ZRayon, 5.0) << "the ray goes on";

    ReinitialiseProgramme();

    SetUp();
    SurfaceDispositif(4, RayonDiaphragme, 5, 20, 1.0f, 1.0f);
    PoseRayon({8.0, 0.0, 0.0}, {0.0, 0.0, 1.0});
    RefractePlanDispositif(4);
    EXPECT_EQ(Rayon.DioptreArret, AucunDioptreArret);
}

TEST_F(Noyaux, LaReflexionTotalePerdLeRayonSansLeDeplacer)
{
    const TVecteur d{std::sin(Pi / 4), 0.0, std::cos(Pi / 4)}; // 45 degrees, beyond the critical 41.8
    for (bool plan : {true, false})
    {
        SCOPED_TRACE(plan);
        ReinitialiseProgramme();
        SetUp();
        if (plan)
        {
            SurfaceDispositif(1, RayonPlan, 10, 100, 1.5f, 1.0f);
        }
        else
        {
            SurfaceDispositif(1, 1e5, 10, 100, 1.5f, 1.0f);
        }
        PoseRayon({0.0, 0.0, 0.0}, d);
        if (plan)
        {
            RefractePlanDispositif(1);
        }
        else
        {
            RefracteSphereDispositif(1);
        }
        EXPECT_TRUE(Rayon.RayonPerdu);
        EXPECT_EQ(Rayon.XRayon, 0.0);
        EXPECT_EQ(Rayon.ZRayon, 0.0);
        EXPECT_EQ(Rayon.LRayon, d.x);
        EXPECT_EQ(Rayon.NRayon, d.z);
    }
}

TEST_F(Noyaux, UnNoyauNeFaitRienPorteFermeeOuRayonDejaPerdu)
{
    SurfaceDispositif(1, 50, 10, 100, 1.0f, 1.5f);
    SurfaceGroupe(1, 50, 10, 100);
    Groupe.IndiceTraceGroupe[0] = 1.0f;
    Groupe.IndiceTraceGroupe[1] = 1.5f;
    struct TCas
    {
        const char* nom;
        bool dispositifValide, instrumentValide, perdu;
        void (*noyau)(int);
    };
    const TCas cas[] = {
        {"sphère du dispositif", false, true, false, RefracteSphereDispositif},
        {"plan du dispositif", false, true, false, RefractePlanDispositif},
        {"bord", false, true, false, RefracteSphereBord},
        {"sphère du groupe", true, false, false, RefracteSphereGroupe},
        {"plan du groupe", true, false, false, RefractePlanGroupe},
        {"Klevtsov", true, false, false, RefracteSphereKlevtsovAller},
        {"Klevtsov plan", true, false, false, RefractePlanKlevtsovRetour},
        {"perdu", true, true, true, RefracteSphereDispositif},
        {"perdu plan", true, true, true, RefractePlanDispositif},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        Validite.DispositifValide = c.dispositifValide;
        Validite.InstrumentValide = c.instrumentValide;
        PoseRayon({3.0, 0.0, 0.0}, {0.1, 0.0, std::sqrt(0.99)});
        Rayon.RayonPerdu = c.perdu;
        Rayon.HauteurImpact[1] = -7.0;
        c.noyau(1);
        EXPECT_EQ(Rayon.XRayon, 3.0);
        EXPECT_EQ(Rayon.ZRayon, 0.0);
        EXPECT_EQ(Rayon.LRayon, 0.1);
        EXPECT_EQ(Rayon.LIncident, 0.1);
        EXPECT_EQ(Rayon.HauteurImpact[1], -7.0);
        EXPECT_EQ(Rayon.RayonPerdu, c.perdu);
    }
}

TEST_F(Noyaux, LeCarreMaximalGardeLePlusGrandDesRayons)
{
    SurfaceDispositif(1, RayonPlan, 10, 100, 1.0f, 1.0f);
    for (double x : {3.0, -7.0, 5.0})
    {
        PoseRayon({x, 1.0, 0.0}, {0.0, 0.0, 1.0});
        RefractePlanDispositif(1);
    }
    EXPECT_DOUBLE_EQ(Rayon.CarreDistanceAxeMaximal[1], 50.0);
    EXPECT_DOUBLE_EQ(Rayon.CarreDistanceAxe[1], 26.0);
}

// A plane of the group that is a diaphragm records its hit and edge and leaves the ray as it was.
TEST_F(Noyaux, UnDiaphragmeDuGroupeNeRefractePas)
{
    SurfaceGroupe(1, RayonDiaphragme, 10, 10);
    Groupe.IndiceTraceGroupe[0] = 1.0f;
    Groupe.IndiceTraceGroupe[1] = 1.5f;
    const TVecteur d{0.2, 0.0, std::sqrt(0.96)};
    PoseRayon({4.0, 0.0, 0.0}, d);
    RefractePlanGroupe(1);
    EXPECT_EQ(Rayon.LIncident, d.x);
    EXPECT_NEAR(Rayon.HauteurGroupeAller[1], 4.0 + 10.0 * d.x / d.z, 1e-12);
    EXPECT_TRUE(Rayon.ArretGroupe);
}

// The point left by a group plane lies on the ray's own line, whatever the plane's distance.
TEST_F(Noyaux, UnPlanDuGroupeLaisseUnPointDuRayonRefracte)
{
    for (double sommet : {0.0, 20.0, 400.0})
    {
        SCOPED_TRACE(sommet);
        ReinitialiseProgramme();
        SetUp();
        SurfaceGroupe(1, RayonPlan, sommet, 1000);
        Groupe.IndiceTraceGroupe[0] = 1.0f;
        Groupe.IndiceTraceGroupe[1] = 1.5f;
        const double u = 0.3;
        PoseRayon({5.0, -2.0, 0.0}, {std::sin(u), 0.0, std::cos(u)});
        RefractePlanGroupe(1);
        const double xImpact = 5.0 + sommet * std::tan(u);
        EXPECT_NEAR(Rayon.XImpact, xImpact, 1e-12);
        const double sinR = std::sin(u) / 1.5;
        // Followed back from the hit along the refracted ray to the starting z.
        EXPECT_NEAR(Rayon.XRayon, xImpact - sommet * sinR / std::sqrt(1.0 - sinR * sinR), 1e-12);
        EXPECT_EQ(Rayon.YRayon, -2.0);
        EXPECT_NEAR(Rayon.ZRayon, 0.0, 1e-12);
    }
}

TEST_F(Noyaux, LesNoyauxDuBordSontMeridiens)
{
    SurfaceDispositif(1, 60, 10, 100, 1.0f, 1.5f);
    SurfaceDispositif(2, RayonPlan, 20, 100, 1.5f, 1.0f);
    Rayon.XRayon = 12.0;
    Rayon.YRayon = 99.0;
    Rayon.ZRayon = 0.0;
    Rayon.LRayon = 0.0;
    Rayon.MRayon = 0.5;
    Rayon.NRayon = 1.0;
    RefracteSphereBord(1);
    RefractePlanBord(2);
    EXPECT_FALSE(Rayon.RayonPerdu);
    EXPECT_EQ(Rayon.YRayon, 99.0);
    EXPECT_EQ(Rayon.MRayon, 0.5);
    // The meridional ray at height 12 meets the sphere at 60 - sqrt(60^2 - 12^2) beyond its vertex.
    EXPECT_NEAR(Rayon.HauteurBord[1], 12.0, 1e-12);
    EXPECT_NEAR(Rayon.DistanceImpact, 10.0 + 60.0 - std::sqrt(60.0 * 60.0 - 144.0), 1e-9);
    EXPECT_LT(Rayon.HauteurBord[2], 12.0);
    EXPECT_NEAR(Rayon.LRayon * Rayon.LRayon + Rayon.NRayon * Rayon.NRayon, 1.0, 1e-12);
}

TEST(MiroirSerie, LaFlecheEtLaNormaleSuiventLaSerieDeLaConique)
{
    // A sphere of radius 1000 to the sixth order: K = K2 = 0.
    const TMiroir sphere = FormeMiroir(1000.0, 1e-9, 1e-15, 0.0, 0.0);
    const double h = 100.0;
    const double exacte = 1000.0 - std::sqrt(1000.0 * 1000.0 - h * h);
    EXPECT_NEAR(FlecheMiroir(sphere, h * h), exacte, 1e-6);
    // Its normal crosses the axis near the centre of curvature: z(h) + a = R, to the sixth order.
    EXPECT_NEAR(FlecheMiroir(sphere, h * h) + 1.0 / InverseFacteurNormale(sphere, h * h), 1000.0, 1e-3);
    // A paraboloid, without the powers of R cached: exactly h^2 / 2R, normal crossing at z + R.
    const double infini = std::numeric_limits<double>::infinity();
    const TMiroir parabole = FormeMiroir(1000.0, infini, infini, -1.0, -1.0);
    EXPECT_DOUBLE_EQ(FlecheMiroir(parabole, h * h), h * h / 2000.0);
    EXPECT_DOUBLE_EQ(1.0 / InverseFacteurNormale(parabole, h * h), 1000.0);
}

TEST(MiroirSerie, LImpactSurUneSerieTombeSurLaSerieAuPicometre)
{
    // Rays from the sphere of the vertex, as the mirror blocks start them, onto series mirrors met as the primary
    // behind a corrector: the near-spherical ones (a conic just past the aspheric threshold, with the sphere's
    // sixth-order term, as the Dall-Kirkham's secondary) start within the search's tolerance and must still end on
    // the series.
    struct TCas
    {
        const char* Nom;
        double R, K, K2;
    };
    const TCas cas[] = {
        {"presque sphérique", 640.0, 2e-6, 0.0}, {"parabolique", 2000.0, -1.0, -1.0},
        {"hyperbolique", 640.0, -2.7778, -1.0},  {"ellipsoïdale de Dall-Kirkham", 2000.0, -0.71875, 0.0},
        {"oblate", 1670.0, 1.97, 2.1},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        TInstrument& I = Instrument;
        I.RayonCourburePrimaire = c.R;
        I.RayonPrimaireCube = std::pow(c.R, 3);
        I.RayonPrimairePuissance5 = std::pow(c.R, 5);
        I.CoefficientDeformationPrimaire = c.K;
        I.CoefficientDeformationPrimaire2 = c.K2;
        for (const double x : {3.0, 25.0, 40.0})
        {
            // From the centre of curvature, the ray slightly inclined towards the mirror.
            ASSERT_TRUE(RefleteMiroirSpherique({x, 0.7, 0.0}, Unitaire({0.002, -0.001, 1.0}), true));
            const double h2 = I.ImpactPrimaire[0] * I.ImpactPrimaire[0] + I.ImpactPrimaire[1] * I.ImpactPrimaire[1];
            const double z = h2 / (2 * c.R) + (1 + c.K) * h2 * h2 / (8 * std::pow(c.R, 3)) +
                             (1 + c.K2) * h2 * h2 * h2 / (16 * std::pow(c.R, 5));
            EXPECT_NEAR(I.ImpactPrimaire[2], z, 1e-12);
        }
    }
}

TEST(MiroirSerie, LImpactSurUnSecondaireTombeSurLaSerieAuPicometre)
{
    // The secondary's search starts on the conic the series expands: series that follow their conic, series that
    // depart from it (no sixth-order term), and a paraboloid, whose conic runs nearly along the rays, convex and
    // concave, must all end on the series.
    struct TCas
    {
        const char* Nom;
        double R, K, K2;
    };
    const TCas cas[] = {
        {"hyperbolique", 640.0, -2.7778, (1 - 2.7778) * (1 - 2.7778) - 1},
        {"hyperbolique sans sixième ordre", 640.0, -3.1676, -1.0},
        {"parabolique", 640.0, -1.0, -1.0},
        {"sphérique", 640.0, 0.0, 0.0},
        {"ellipsoïdale", 640.0, -0.36, 0.64 * 0.64 - 1},
        {"oblate", 1670.0, 1.97, -66.25},
    };
    for (const TCas& c : cas)
    {
        for (const TFormeSecondaire forme : {TFormeSecondaire::Convexe, TFormeSecondaire::Concave})
        {
            SCOPED_TRACE(std::string(c.Nom) + (forme == TFormeSecondaire::Convexe ? " convexe" : " concave"));
            ReinitialiseProgramme();
            Instrument.RayonCourbureSecondaire = c.R;
            Instrument.CoefficientDeformationSecondaire = c.K;
            Instrument.CoefficientDeformationSecondaire2 = c.K2;
            const double signe = forme == TFormeSecondaire::Convexe ? 1.0 : -1.0;
            // The vertex 700 above the ray's start: z' = signe R there, z' = centre - z.
            const double centre = 700.0 + signe * c.R;
            for (const double x : {2.0, 15.0, 30.0})
            {
                const TVecteur d = Unitaire({-x / 1500.0, 0.001, 1.0});
                Rayon.EstRayonReference = true;
                Rayon.XRayon = x;
                Rayon.YRayon = 0.7;
                Rayon.ZRayon = 0.0;
                Rayon.LRayon = d.x;
                Rayon.MRayon = d.y;
                Rayon.NRayon = d.z;
                TVecteur impact{};
                ASSERT_TRUE(RefleteSecondaire(centre, forme, true, impact));
                const double h2 = impact.x * impact.x + impact.y * impact.y;
                const double z = h2 / (2 * c.R) + (1 + c.K) * h2 * h2 / (8 * std::pow(c.R, 3)) +
                                 (1 + c.K2) * h2 * h2 * h2 / (16 * std::pow(c.R, 5));
                EXPECT_NEAR(signe * (signe * c.R - impact.z), z, 1e-12);
                // On the ray: the hit's offset from the start is along the direction of travel.
                const double t = (centre - impact.z) / d.z;
                EXPECT_NEAR(impact.x, x + t * d.x, 1e-9);
            }
        }
    }
}

} // namespace
