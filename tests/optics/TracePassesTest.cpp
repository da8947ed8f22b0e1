// The instrument passes against the physics of their mirrors, plates and lenses, and their
// obstruction, edge and record rules.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"
#include "optics/TraceLunette.h"
#include "optics/TraceRayon.h"
#include "optics/TraceSchmidt.h"
#include "support/Formes.h"

namespace {

void Primaire(double rayon, double conique, double conique2)
{
    Instrument.RayonCourburePrimaire = rayon;
    Instrument.RayonPrimaireCube = rayon * rayon * rayon;
    Instrument.RayonPrimairePuissance5 = rayon * rayon * rayon * rayon * rayon;
    Instrument.FocalePrimaire = rayon / 2.0;
    Instrument.CoefficientDeformationPrimaire = conique;
    Instrument.CoefficientDeformationPrimaire2 = conique2;
}

void Nouveau(TTypeInstrument forme)
{
    ReinitialiseEtat();
    Instrument.TypeInstrument = forme;
    Validite.InstrumentValide = true;
}

// Every group medium of index 1: the group's surfaces leave the ray as it is.
void GroupeDAir()
{
    for (float& n : Groupe.IndiceTraceGroupe)
        n = 1.0f;
    for (double& c : Groupe.CarreDemiDiametreGroupe)
        c = 1e8;
}

void Lance(double x, double y, double angle, bool reference)
{
    Rayon.XDepart = x;
    Rayon.YDepart = y;
    Rayon.AngleChamp = angle;
    Rayon.SinusAngleChamp = std::sin(angle);
    Rayon.CosinusAngleChamp = std::cos(angle);
    Rayon.EstRayonReference = reference;
    Rayon.RayonPerdu = false;
    Rayon.RayonBloque = false;
    Rayon.ArretDispositif = false;
    Rayon.VignettageDispositif = false;
    Rayon.ArretGroupe = false;
    Rayon.HorsSecondaire = false;
    Rayon.DansTrouCentral = false;
    Rayon.ArretBordTrou = false;
}

// z where the emerging ray (meridional) crosses the axis.
double CroisementAxe()
{
    return Rayon.ZRayon - Rayon.XRayon * Rayon.NRayon / Rayon.LRayon;
}

void Schmidt(TOctet profil, double coefficient);

// ---- Two-mirror layouts, D 200, F1 1000, F 4000, B 200 ----

void Newton(double conique, double conique2)
{
    Nouveau(TTypeInstrument::Newton);
    Instrument.DiametreEntree = 200;
    Primaire(2000, conique, conique2);
}

// m 4, p 240, R2 640, separation 760, secondary centre 1400; paraboloid and hyperboloid.
void Cassegrain()
{
    Nouveau(TTypeInstrument::Cassegrain);
    Instrument.DiametreEntree = 200;
    Primaire(2000, -1, -1);
    Instrument.CoefficientDeformationSecondaire = -25.0 / 9.0;
    Instrument.CoefficientDeformationSecondaire2 = -1;
    Instrument.RayonCourbureSecondaire = 640;
    Dispositif.CentreDioptre[0] = 1400;
    Instrument.DistanceEntreMiroirs = 760;
    Instrument.DegagementFoyer = 200;
    Instrument.DiametreSecondaire = 60;
    Instrument.DiametreObstruction = 60;
    Instrument.DistanceSecondaireFoyer = 240;
    Instrument.RayonObstructionCarre = 900;
    Systeme.PositionFoyer = 200;
}

// m 4, p 400, R2 640, separation 1400, secondary centre 760; paraboloid and ellipsoid.
void Gregory()
{
    Cassegrain();
    Instrument.TypeInstrument = TTypeInstrument::Gregory;
    Instrument.CoefficientDeformationSecondaire = -0.36;
    Dispositif.CentreDioptre[0] = 760;
    Instrument.DistanceEntreMiroirs = 1400;
    Instrument.DistanceSecondaireFoyer = 400;
}

// F 1000: F1 2500, a concave secondary R2 1670 half-way, 1250 from the primary (centre at -420),
// which images the primary focus 1250 behind it at 1 / (2/R2 + 1/1250) in front of it.
void Schwarzschild()
{
    Nouveau(TTypeInstrument::Schwarzschild);
    Instrument.DiametreEntree = 200;
    Primaire(5000, -13.5, -1);
    Instrument.CoefficientDeformationSecondaire = 1.97;
    Instrument.CoefficientDeformationSecondaire2 = -1;
    Instrument.RayonCourbureSecondaire = 1670;
    Dispositif.CentreDioptre[0] = -420;
    Instrument.DistanceEntreMiroirs = 1250;
}

// The catadioptric Cassegrains: a spherical primary R 800 (F1 400) and a secondary with m 5 for a
// back focus of 200: p 100, R2 250, 300 from the primary, centre 550 in the mirror frame.
void SecondaireM5(double& centre)
{
    Primaire(800, 0, 0);
    Instrument.RayonCourbureSecondaire = 250;
    Instrument.CoefficientDeformationSecondaire = 0;
    Instrument.CoefficientDeformationSecondaire2 = 0;
    Instrument.DegagementFoyer = 200;
    Instrument.DiametreEntree = 200;
    Instrument.DiametreMiroir = 220;
    Instrument.DiametreSecondaire = 70;
    Instrument.DistanceSecondaireFoyer = 100;
    Instrument.DistanceFoyerPrimaireSecondaire = 100;
    Instrument.RayonObstructionCarre = 35 * 35;
    Systeme.PositionFoyer = 200;
    centre = 550;
}

void SchmidtCassegrain()
{
    Nouveau(TTypeInstrument::SchmidtCassegrain);
    SecondaireM5(Dispositif.CentreDioptre[0]);
    Instrument.FocaleEffective = 2000;
    Instrument.EpaisseurLame = 5;
    Instrument.ProfilLame = ProfilAvant;
    Instrument.CoefficientDeformationLame = 0; // a plane-parallel plate
    Groupe.IndiceTraceGroupe[0] = Groupe.IndiceVertGroupe[0] = 1.0f;
    Groupe.IndiceTraceGroupe[1] = Groupe.IndiceVertGroupe[1] = 1.5f;
}

// Meniscus rows 1 and 2 placed as the solver places them: stop 600 before the mirror.
void Menisque(double rayon1, double rayon2)
{
    Instrument.DistanceDiaphragmeMiroir = 600;
    Instrument.DistanceLameMiroir = 590;
    Instrument.EpaisseurLame = 10;
    Groupe.NombreDioptresGroupe = 2;
    Groupe.RayonGroupe[1] = rayon1;
    Groupe.RayonGroupe[2] = rayon2;
    Groupe.SommetGroupe[1] = 0;
    Groupe.SommetGroupe[2] = 10;
    Groupe.CentreGroupe[1] = rayon1;
    Groupe.CentreGroupe[2] = 10 + rayon2;
    Groupe.CarreDemiDiametreGroupe[1] = Groupe.CarreDemiDiametreGroupe[2] = 110 * 110 / 4.0;
}

void MaksutovCassegrain()
{
    Nouveau(TTypeInstrument::MaksutovCassegrain);
    SecondaireM5(Dispositif.CentreDioptre[0]);
    Menisque(-300, -310);
    GroupeDAir();
}

// The corrector's rows from 0 on, the last one `distanceMiroir` before the primary.
void Correcteur(int nombre, double distanceMiroir)
{
    Groupe.NombreDioptresGroupe = nombre;
    double z = 0;
    for (int i = 1; i <= nombre; ++i)
    {
        Groupe.RayonGroupe[i] = i % 2 ? 1500.0 : -1500.0;
        Groupe.SommetGroupe[i] = z;
        Groupe.CentreGroupe[i] = z + Groupe.RayonGroupe[i];
        Groupe.CarreDemiDiametreGroupe[i] = 1e8;
        Groupe.EpaisseurGroupe[i] = i == nombre ? distanceMiroir : 10.0;
        z += Groupe.EpaisseurGroupe[i];
    }
    Instrument.DistanceLameMiroir = static_cast<float>(z);
}

void HoughtonCassegrain()
{
    Nouveau(TTypeInstrument::HoughtonCassegrain);
    SecondaireM5(Groupe.CentreGroupe[0]);
    Correcteur(2, 600);
    GroupeDAir();
}

// Primary paraboloid R 1600 (F1 800); group of two surfaces from 620, its spherical mirror R2 400
// at 640: m 5, p 160, back focus 160.
void Klevtsov()
{
    Nouveau(TTypeInstrument::KlevtsovCassegrain);
    Instrument.DiametreEntree = 200;
    Primaire(1600, -1, -1);
    Instrument.RayonCourbureSecondaire = 400;
    Instrument.CoefficientDeformationSecondaire = 0;
    Instrument.CoefficientDeformationSecondaire2 = 0;
    Instrument.DegagementFoyer = 160;
    Systeme.PositionFoyer = 160;
    Instrument.DistanceDiaphragmeMiroir = 620;
    Groupe.NombreDioptresGroupe = 2;
    Groupe.RayonGroupe[1] = -300;
    Groupe.RayonGroupe[2] = -320;
    Groupe.SommetGroupe[1] = 620;
    Groupe.SommetGroupe[2] = 625;
    Groupe.CentreGroupe[1] = 320;
    Groupe.CentreGroupe[2] = 305;
    Groupe.SommetGroupe[0] = 640;
    Groupe.CentreGroupe[0] = 1040;
    GroupeDAir();
}

TEST(PassesMiroirs, UnParaboloideEnvoieChaqueRayonDeLaxeParSonFoyer)
{
    Newton(-1, -1);
    const double pupille[][2] = {{0, 0}, {100, 0}, {0, -100}, {70.71, 70.71}, {13.3, -42.1}, {-99.9, 3}, {1e-3, 0}};
    for (const auto& p : pupille)
    {
        SCOPED_TRACE(std::to_string(p[0]) + ", " + std::to_string(p[1]));
        Lance(p[0], p[1], 0, true);
        TraceRayon();
        const TVecteur d{Rayon.LRayon, Rayon.MRayon, Rayon.NRayon};
        const TVecteur versFoyer = TVecteur{0, 0, 1000} - TVecteur{Rayon.XRayon, Rayon.YRayon, Rayon.ZRayon};
        const TVecteur ecart = versFoyer - Scalaire(versFoyer, d) * d;
        EXPECT_LT(Norme(ecart), 1e-9);
        EXPECT_NEAR(Norme(d), 1.0, 1e-14);
        EXPECT_NEAR(Rayon.ZDepart, (p[0] * p[0] + p[1] * p[1]) / 4000.0, 1e-12);
    }
}

// The longitudinal aberration of a sphere of radius R at height h is R/2 (1/cos a - 1) with
// sin a = h/R: h^2/4R at third order, then 3h^4/16R^3.
TEST(PassesMiroirs, UnMiroirSpheriqueALAberrationDuTroisiemeOrdre)
{
    Newton(0, 0);
    const double r = 2000.0;
    for (double h : {20.0, 50.0, 100.0})
    {
        SCOPED_TRACE(h);
        Lance(h, 0, 0, true);
        TraceRayon();
        const double aberration = r / 2.0 - CroisementAxe();
        const double troisieme = h * h / (4.0 * r);
        const double cinquieme = 3.0 * h * h * h * h / (16.0 * r * r * r);
        EXPECT_NEAR(aberration, troisieme, 1.5 * cinquieme);
        EXPECT_GT(aberration, troisieme);
    }
}

TEST(PassesMiroirs, UnNewtonSansMiroirPlanNeBloqueAucunRayon)
{
    Newton(-1, -1);
    Instrument.DiametreSecondaire = 50;
    Instrument.DistanceSecondaireFoyer = 150;
    Instrument.DiametreObstruction = 0;
    Instrument.RayonObstructionCarre = 625;
    Instrument.DistanceEntreMiroirs = 850;
    for (double x : {0.0, 10.0, 99.0})
    {
        SCOPED_TRACE(x);
        Lance(x, 0, 0.01, false);
        Rayon.RayonBloque = true;
        TraceRayon();
        EXPECT_FALSE(Rayon.RayonBloque);
        EXPECT_FALSE(Rayon.DansOmbreSecondaire);
        EXPECT_FALSE(Rayon.HorsSecondaire);
    }
}

TEST(PassesMiroirs, LeBordDeLOmbreDuMiroirPlanNEstPasDansLOmbre)
{
    Newton(-1, -1);
    Instrument.DiametreObstruction = 50;
    Instrument.DistanceSecondaireFoyer = 150;
    Instrument.RayonObstructionCarre = 625;
    Instrument.DistanceEntreMiroirs = 850;
    struct TCas
    {
        double x;
        bool reference, ombre, bloque;
    };
    for (const TCas& c : {TCas{25.0, false, false, false}, TCas{24.99, false, true, true},
                          TCas{24.99, true, false, false}, TCas{-30.0, false, false, false}})
    {
        SCOPED_TRACE(std::to_string(c.x) + (c.reference ? " reference" : ""));
        Lance(c.x, 0, 0, c.reference);
        Rayon.DansOmbreSecondaire = false;
        TraceRayon();
        EXPECT_EQ(Rayon.DansOmbreSecondaire, c.ombre);
        EXPECT_EQ(Rayon.RayonBloque, c.bloque);
        EXPECT_FALSE(Rayon.HorsSecondaire) << "the converging beam fits the flat at 850";
    }
}

// Near the axis, every two-mirror layout focuses its on-axis beam where the paraxial mirror law
// puts it: B behind the primary for the Cassegrains, between the mirrors for the Schwarzschild, in
// the exit frame where z runs from the secondary towards the primary's vertex (z = 0).
TEST(PassesMiroirs, LesCassegrainsFocalisentPresDeLAxeDerriereLePrimaire)
{
    struct TCas
    {
        const char* nom;
        void (*construit)();
        double foyer;
    };
    const TCas cas[] = {
        {"Cassegrain", Cassegrain, 200},
        {"Gregory", Gregory, 200},
        {"Schmidt-Cassegrain", SchmidtCassegrain, 200},
        {"Maksutov-Cassegrain", MaksutovCassegrain, 200},
        {"Houghton-Cassegrain", HoughtonCassegrain, 200},
        {"Klevtsov", Klevtsov, 160},
        {"Schwarzschild", Schwarzschild, -(1250 - 1 / (2 / 1670.0 + 1 / 1250.0))},
    };
    for (const TCas& c : cas)
    {
        for (double h : {0.2, -0.3})
        {
            SCOPED_TRACE(std::string(c.nom) + " h " + std::to_string(h));
            c.construit();
            Lance(h, 0, 0, true);
            TraceRayon();
            ASSERT_FALSE(Rayon.RayonPerdu);
            EXPECT_NEAR(CroisementAxe(), c.foyer, 2e-3);
            EXPECT_GT(Rayon.NRayon, 0.0) << "the light leaves towards +z";
            EXPECT_NEAR(Rayon.LRayon * Rayon.LRayon + Rayon.MRayon * Rayon.MRayon + Rayon.NRayon * Rayon.NRayon, 1.0,
                        1e-12);
        }
    }
}

TEST(PassesMiroirs, LesTrousDuCassegrainEtDuGregory)
{
    struct TCas
    {
        const char* nom;
        void (*construit)();
        double trou, x, angle;
        bool dansTrou, arretBord;
    };
    const TCas cas[] = {
        {"Cassegrain sans trou", Cassegrain, 0, 60, 0.002, false, false},
        {"Cassegrain sans trou, bord", Cassegrain, 0, 99, 0, false, false},
        {"Cassegrain, dans le trou", Cassegrain, 80, 35, 0, true, false},
        {"Cassegrain, hors du trou", Cassegrain, 80, 60, 0, false, false},
        {"Cassegrain, trou trop petit", Cassegrain, 40, 95, 0.01, false, true},
        {"Gregory sans trou, hors de l'axe", Gregory, 0, 50, 0, false, true},
        {"Gregory sans trou, sur l'axe", Gregory, 0, 0, 0, false, false},
        {"Gregory avec trou", Gregory, 60, 50, 0, false, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        c.construit();
        Instrument.DiametreObstruction = 0; // no shadow test: the holes alone
        Instrument.DiametreTrouCentral = c.trou;
        Lance(c.x, 0, c.angle, false);
        TraceRayon();
        EXPECT_EQ(Rayon.DansTrouCentral, c.dansTrou);
        EXPECT_EQ(Rayon.ArretBordTrou, c.arretBord);
        EXPECT_EQ(Rayon.RayonBloque, c.dansTrou || c.arretBord);
    }
}

// The hole's edge stops a reference ray too in the Cassegrain forms.
TEST(PassesMiroirs, LeBordDuTrouArreteAussiLeRayonDeReference)
{
    Cassegrain();
    Instrument.DiametreTrouCentral = 10;
    Lance(90, 0, 0.01, true);
    TraceRayon();
    EXPECT_TRUE(Rayon.ArretBordTrou);
    EXPECT_TRUE(Rayon.RayonBloque);
    EXPECT_GT(Rayon.HauteurTrou, 5.0);
}

// The hit on an aspheric secondary lies on its sag series, h^2/2R + (1+c) h^4/8R^3 + (1+c2) h^6/16R^5
// from the vertex, to rounding (far within the search's 1e-8 mm), whether the series' sixth-order term
// is its conic's (where the search starts), none, or far from it; the ray then leaves from that hit.
TEST(PassesMiroirs, LImpactSurUnSecondaireAsphereEstSurSaSerie)
{
    struct TCas
    {
        const char* nom;
        void (*construit)();
        double centre, signe, conique;
    };
    for (const TCas& c :
         {TCas{"Cassegrain", Cassegrain, 1400, 1, -25.0 / 9.0}, TCas{"Gregory", Gregory, 760, -1, -0.36}})
    {
        for (const double conique2 : {std::pow(1 + c.conique, 2) - 1, -1.0, 3e4})
        {
            for (double x : {20.0, 95.0})
            {
                SCOPED_TRACE(std::string(c.nom) + " c2 " + std::to_string(conique2) + " x " + std::to_string(x));
                c.construit();
                Instrument.CoefficientDeformationSecondaire2 = conique2;
                Lance(x, 0, 0.003, true);
                TraceRayon();
                ASSERT_FALSE(Rayon.RayonPerdu);
                const double h2 = Rayon.XRayon * Rayon.XRayon + Rayon.YRayon * Rayon.YRayon;
                const double r = 640.0;
                const double fleche = h2 / (2 * r) + (1 + c.conique) * h2 * h2 / (8 * r * r * r) +
                                      (1 + conique2) * h2 * h2 * h2 / (16 * std::pow(r, 5));
                EXPECT_NEAR(Rayon.ZRayon + c.centre, c.signe * (r - fleche), 1e-12);
                EXPECT_DOUBLE_EQ(Rayon.CarreDistanceAxe[0], h2);
            }
        }
    }
}

// The ray that leaves the instrument from pupil point (x, y) at `angle`.
std::vector<double> RayonSortant(double x, double y, double angle, bool reference)
{
    Lance(x, y, angle, reference);
    TraceRayon();
    return {Rayon.ZDepart, Rayon.XRayon, Rayon.YRayon, Rayon.ZRayon, Rayon.LRayon, Rayon.MRayon, Rayon.NRayon};
}

// The tracer keeps what it works out of the design from ray to ray: a change made between two rays
// (from pupil point (x, y) at `angle`) must reach the second as it reaches a thread that has never
// traced (and so keeps nothing), and must change it.
void LeChangementAtteintLeRayonSuivant(void (*change)(), double x, double y, double angle, bool reference)
{
    const std::vector<double> avant = RayonSortant(x, y, angle, reference);
    change();
    const std::vector<double> apres = RayonSortant(x, y, angle, reference);
    std::vector<double> neuf;
    std::thread([&] { neuf = RayonSortant(x, y, angle, reference); }).join();
    EXPECT_EQ(apres, neuf);
    EXPECT_NE(apres, avant);
}

// The tracer keeps both mirrors' series from ray to ray: a change to any value they come from must
// reach the next ray as it reaches a thread that has never traced (and so keeps nothing), on a
// convex secondary and a concave one.
TEST(PassesMiroirs, LesMiroirsSuiventChaqueChangementDuDessin)
{
    const std::vector<std::pair<const char*, void (*)()>> formes = {{"Cassegrain", Cassegrain}, {"Gregory", Gregory}};
    const std::vector<std::pair<const char*, void (*)()>> changements = {
        {"R1", [] { Instrument.RayonCourburePrimaire *= 1.001; }},
        {"R1^3", [] { Instrument.RayonPrimaireCube *= 1.01; }},
        {"R1^5", [] { Instrument.RayonPrimairePuissance5 *= 1.01; }},
        {"b", [] { Instrument.CoefficientDeformationPrimaire = -0.8; }},
        {"b2", [] { Instrument.CoefficientDeformationPrimaire2 = 3; }},
        {"c", [] { Instrument.CoefficientDeformationSecondaire *= 1.01; }},
        {"c2", [] { Instrument.CoefficientDeformationSecondaire2 = 3; }},
        {"R2", [] { Instrument.RayonCourbureSecondaire *= 1.001; }},
    };
    for (const auto& [forme, prepare] : formes)
    {
        for (const auto& [nom, change] : changements)
        {
            SCOPED_TRACE(std::string(forme) + " " + nom);
            prepare();
            // Fourth- and sixth-order terms in both series, so that every power of R1 counts.
            Instrument.CoefficientDeformationPrimaire = -0.9;
            Instrument.CoefficientDeformationPrimaire2 = 0;
            Instrument.CoefficientDeformationSecondaire2 = 0;
            // Leaving the secondary near the edge and off axis, where every term of both series counts.
            LeChangementAtteintLeRayonSuivant(change, 95, 10, 0.01, true);
        }
    }
}

// A secondary whose sag series overflows away from the axis: its hit never settles and the ray is
// lost, never NaN, and left in the record as it left the primary. The conic is hugely negative, as
// a huge positive one is the mark of a conic still to compute, which traces as the sphere.
TEST(PassesMiroirs, UnImpactQuiNeSeStabilisePasPerdLeRayon)
{
    Cassegrain();
    Instrument.CoefficientDeformationSecondaire = -1e300;
    Lance(90, 0, 0, true);
    RefleteMiroirPrimaire();
    const TRayon primaire = Rayon;
    Rayon.XRayon = Rayon.YRayon = Rayon.ZRayon = Rayon.LRayon = Rayon.MRayon = Rayon.NRayon = 0.0;
    Lance(90, 0, 0, true);
    TraceRayon();
    EXPECT_TRUE(Rayon.RayonPerdu);
    EXPECT_TRUE(Rayon.RayonBloque);
    for (double TRayon::*champ : {&TRayon::XRayon, &TRayon::YRayon, &TRayon::ZRayon, &TRayon::LRayon,
                                  &TRayon::MRayon, &TRayon::NRayon})
    {
        EXPECT_TRUE(std::isfinite(Rayon.*champ));
        EXPECT_EQ(Rayon.*champ, primaire.*champ);
    }
}

// A mirror or group surface that the ray's line misses loses the ray there: no direction is made
// up for it and it never reaches the lens device.
TEST(PassesMiroirs, UnMiroirOuUneSurfaceManquesPerdentLeRayon)
{
    struct TCas
    {
        const char* nom;
        void (*construit)();
        double x, angle;
    };
    const TCas cas[] = {
        {"secondaire du Cassegrain", Cassegrain, 100, 0.5},
        {"primaire du Schmidt", [] { Schmidt(ProfilAucun, 0); }, 2100, 0},
        {"groupe du Klevtsov",
         [] {
             Klevtsov();
             Groupe.RayonGroupe[1] = -5;
             Groupe.CentreGroupe[1] = 615;
         },
         90, 0},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        c.construit();
        Validite.DispositifValide = true;
        Dispositif.NombreDioptres = 1;
        Dispositif.RayonDioptre[1] = RayonPlan;
        Dispositif.SommetDioptre[1] = 3000;
        Dispositif.CarreDemiDiametre[1] = 1e8;
        Rayon.HauteurImpact[1] = -99;
        Rayon.HauteurGroupeRetour[1] = -99;
        Lance(c.x, 0, c.angle, true);
        TraceRayon();
        EXPECT_TRUE(Rayon.RayonPerdu);
        EXPECT_TRUE(Rayon.RayonBloque);
        EXPECT_EQ(Rayon.HauteurImpact[1], -99.0);
        EXPECT_EQ(Rayon.HauteurGroupeRetour[1], -99.0);
        for (double v : {Rayon.XRayon, Rayon.ZRayon, Rayon.LRayon, Rayon.NRayon})
            EXPECT_TRUE(std::isfinite(v));
    }
}

// ---- Schmidt plate ----

void Schmidt(TOctet profil, double coefficient)
{
    Nouveau(TTypeInstrument::Schmidt);
    Instrument.DiametreEntree = 200;
    Instrument.DiametreMiroir = 300;
    Primaire(2000, 0, 0);
    Instrument.EpaisseurLame = 10;
    Instrument.ProfilLame = profil;
    Instrument.CoefficientDeformationLame = coefficient;
    Instrument.CoefficientK = 1.5;
    Instrument.CoefficientsAspheriquesLame = {170, 76, -118.8};
    Groupe.IndiceVertGroupe[0] = Groupe.IndiceTraceGroupe[0] = 1.000278f;
    Groupe.IndiceVertGroupe[1] = Groupe.IndiceTraceGroupe[1] = 1.51872f;
    Systeme.PositionFoyer = 1000;
}

// The plate's profile as given for a unit coefficient, D 200, R 2000, k' 1.5.
double ProfilAttendu(double h)
{
    const double u = h / 200.0;
    const double facteur = std::pow(200.0, 4) / (64.0 * (1.51872 - 1.000278) * std::pow(2000.0, 3));
    return facteur * (4 * 1.5 * u * u - 16 * std::pow(u, 4) - 1024 * std::pow(u, 10) / 170 -
                      4096 * std::pow(u, 12) / 76 - 16384 * std::pow(u, 14) / -118.8);
}

TEST(PassesSchmidt, LeProfilDeLaLameEtSaPente)
{
    Schmidt(ProfilAvant, 1);
    for (double h : {0.0, 30.0, 61.2, 100.0})
    {
        SCOPED_TRACE(h);
        EXPECT_NEAR(FlecheLame(h), ProfilAttendu(h), 1e-6);
        const double pas = 1e-4;
        EXPECT_NEAR(PenteLame(h), -(FlecheLame(h + pas) - FlecheLame(h - pas)) / (2 * pas), 1e-7);
    }
    Validite.InstrumentValide = false;
    EXPECT_EQ(FlecheLame(50), 1.0);
    EXPECT_EQ(PenteLame(50), 1.0);
}

// The tracer keeps what it works out of the plate from ray to ray: any change to the design must
// reach the next ray as it reaches a thread that has never traced (and so keeps nothing).
TEST(PassesSchmidt, LaLameSuitChaqueChangementDuDessin)
{
    const std::vector<std::pair<const char*, void (*)()>> changements = {
        {"K", [] { Instrument.CoefficientK = 1.4; }},
        {"c10", [] { Instrument.CoefficientsAspheriquesLame[0] = 150; }},
        {"c12", [] { Instrument.CoefficientsAspheriquesLame[1] = 60; }},
        {"c14", [] { Instrument.CoefficientsAspheriquesLame[2] = -90; }},
        {"coefficient", [] { Instrument.CoefficientDeformationLame = 1.1; }},
        {"partage", [] { Instrument.ProfilLame = ProfilPartage; }},
        {"diametre", [] { Instrument.DiametreEntree = 210; }},
        {"rayon", [] { Instrument.RayonCourburePrimaire = 1990; }},
        {"verre vert", [] { Groupe.IndiceVertGroupe[1] = 1.52f; }},
        {"air vert", [] { Groupe.IndiceVertGroupe[0] = 1.0f; }},
        {"verre trace", [] { Groupe.IndiceTraceGroupe[1] = 1.53f; }},
        {"air trace", [] { Groupe.IndiceTraceGroupe[0] = 1.0f; }},
        {"invalide", [] { Validite.InstrumentValide = false; }},
    };
    for (const auto& [nom, change] : changements)
    {
        SCOPED_TRACE(nom);
        Schmidt(ProfilAvant, 1);
        // Near the plate's edge and off axis, where every term of the profile counts.
        LeChangementAtteintLeRayonSuivant(change, 95, 10, 0.01, false);
    }
}

TEST(PassesSchmidt, SansLameLeMiroirEstAtteintDepuisLaPupille)
{
    Schmidt(ProfilAucun, 1);
    Lance(30, 0, 0, true);
    TraceRayon();
    EXPECT_EQ(Rayon.ZDepart, 0.0);
    EXPECT_NEAR(Instrument.ImpactPrimaire[0], 30.0, 1e-12);
    EXPECT_NEAR(Instrument.ImpactPrimaire[2], 2000.0 - std::sqrt(2000.0 * 2000.0 - 900.0), 1e-9);
    // Near the axis the sphere focuses at R/2 of the mirror frame.
    Lance(0.3, 0, 0, true);
    TraceRayon();
    EXPECT_NEAR(CroisementAxe(), 1000.0, 1e-3);
}

// A plate without profile is a plane-parallel plate: the ray leaves it parallel to itself, shifted
// by t tan I' at the plate's rear face.
TEST(PassesSchmidt, UneLameSansProfilDecaleLeRayonSansLeDevier)
{
    const double u = 0.1;
    for (TOctet profil : {ProfilAvant, ProfilArriere, ProfilPartage})
    {
        SCOPED_TRACE(static_cast<int>(profil));
        Schmidt(profil, 0);
        Lance(20, 5, u, true);
        TraceRayon();
        EXPECT_NEAR(-Rayon.LIncident, std::sin(u), 1e-14);
        EXPECT_NEAR(Rayon.NIncident, std::cos(u), 1e-14);
        const double sinR = static_cast<double>(1.000278f) * std::sin(u) / static_cast<double>(1.51872f);
        const double x = 20 + 10 * sinR / std::sqrt(1 - sinR * sinR);
        EXPECT_NEAR(CarreEntrantDepuisImpact(2000.0 - 10.0), x * x + 25.0, 1e-9);
    }
}

TEST(PassesSchmidt, LeProfilPartageMetLaMoitieDuCoefficientSurChaqueFace)
{
    const double coefficient = 2.0;
    double deviation[4] = {};
    for (TOctet profil : {ProfilAvant, ProfilArriere, ProfilPartage})
    {
        Schmidt(profil, coefficient);
        Lance(60, 0, 0, true);
        TraceRayon();
        deviation[profil] = Rayon.LIncident;
        const double avant = profil == ProfilAvant ? coefficient : profil == ProfilPartage ? coefficient / 2 : 0;
        EXPECT_NEAR(Rayon.ZDepart, avant * ProfilAttendu(60), 1e-9);
    }
    // A thin plate deviates the same whichever face carries the profile, to first order.
    EXPECT_NEAR(deviation[ProfilPartage], deviation[ProfilAvant], 0.02 * std::abs(deviation[ProfilAvant]));
    EXPECT_NEAR(deviation[ProfilArriere], deviation[ProfilAvant], 0.02 * std::abs(deviation[ProfilAvant]));
    EXPECT_NE(deviation[ProfilAvant], 0.0);
}

TEST(PassesSchmidt, LeRayonDeReferenceNestJamaisBloque)
{
    Schmidt(ProfilAvant, 1);
    Instrument.DiametreMiroir = 100; // smaller than the beam
    Instrument.DiametreSecondaire = 80;
    Instrument.DistanceSecondaireFoyer = 100;
    for (bool reference : {true, false})
    {
        SCOPED_TRACE(reference);
        Lance(90, 0, 0, reference);
        TraceRayon();
        EXPECT_EQ(Rayon.RayonBloque, !reference);
    }
}

// The secondary's shadow on the entering beam blocks the ray, whether or not the ray also misses
// the secondary after the mirror.
TEST(PassesSchmidt, LOmbreDuSecondaireBloqueLeRayon)
{
    for (TTypeInstrument forme : {TTypeInstrument::Schmidt, TTypeInstrument::SchmidtNewton})
    {
        SCOPED_TRACE(static_cast<int>(forme));
        Schmidt(ProfilAvant, 1);
        Instrument.TypeInstrument = forme;
        Instrument.DiametreSecondaire = 60;
        Instrument.DistanceSecondaireFoyer = 150;
        Lance(20, 0, 0, false);
        TraceRayon();
        EXPECT_TRUE(Rayon.DansOmbreSecondaire);
        EXPECT_TRUE(Rayon.RayonBloque);
        Lance(80, 0, 0, false);
        TraceRayon();
        EXPECT_FALSE(Rayon.DansOmbreSecondaire);
        EXPECT_FALSE(Rayon.RayonBloque);
    }
}

// A Schmidt-Cassegrain whose secondary was removed is traced as a Schmidt camera, unless its design
// asks for the Cassegrain pass.
TEST(PassesSchmidt, LeSchmidtCassegrainSansSecondaireChoisitSaPasse)
{
    struct TCas
    {
        bool sansSecondaire, conception;
        double foyer;
    };
    for (const TCas& c : {TCas{false, false, 200}, TCas{true, false, 400}, TCas{true, true, 200}})
    {
        SCOPED_TRACE(std::to_string(c.sansSecondaire) + std::to_string(c.conception));
        SchmidtCassegrain();
        Validite.SansSecondaire = c.sansSecondaire;
        Systeme.ConceptionSchmidtCassegrain = c.conception;
        Lance(0.2, 0, 0, true);
        TraceRayon();
        EXPECT_NEAR(CroisementAxe(), c.foyer, 2e-3);
    }
}

// The solved test design, its system's focus the final one behind the primary: every ray of the pupil outside the
// secondary's shadow (70 mm wide, on the plate) reaches the image, on the axis up to the rim, and off it (8 mm of
// image) short of the shadow's and the mirror's shifted edges; the camera's flat and film holder are no part of this
// pass.
TEST(PassesSchmidt, LeSchmidtCassegrainLaissePasserToutLeFaisceauHorsDeLOmbre)
{
    ConstruitFormeDerivee(TTypeInstrument::SchmidtCassegrain);
    ASSERT_TRUE(Validite.InstrumentValide);
    ASSERT_FALSE(Validite.SansSecondaire);
    ASSERT_LT(Systeme.PositionFoyer, Instrument.FocalePrimaire) << "the final focus, not the primary's";
    const std::vector<double> surAxe = {-99, -80, -50, -20, 0, 20, 30, 40, 50, 60, 80, 99};
    const std::vector<double> horsAxe = {-90, -60, -45, -20, 0, 20, 45, 60, 90};
    for (double angle : {0.0, 0.004, -0.004})
        for (double x : angle == 0.0 ? surAxe : horsAxe)
        {
            SCOPED_TRACE("u " + std::to_string(angle) + " x " + std::to_string(x));
            Lance(x, 0, angle, false);
            TraceRayon();
            EXPECT_FALSE(Rayon.RayonPerdu);
            EXPECT_EQ(Rayon.RayonBloque, std::abs(x) < 35) << Rayon.DansOmbreSecondaire << Rayon.HorsSecondaire;
        }
}

// ---- Lens groups ----

void Maksutov(double diametreMiroir)
{
    Nouveau(TTypeInstrument::Maksutov);
    Instrument.DiametreEntree = 100;
    Instrument.DiametreMiroir = diametreMiroir;
    Primaire(1000, 0, 0);
    Menisque(-150, -160);
    Groupe.IndiceTraceGroupe[0] = 1.0f;
    Groupe.IndiceTraceGroupe[1] = 1.5f;
    Groupe.IndiceTraceGroupe[2] = 1.0f;
}

TEST(PassesGroupes, LesDrapeauxDuMenisqueEtDuMiroir)
{
    struct TCas
    {
        const char* nom;
        double diametreMiroir, x;
        bool reference, premiere, seconde, miroir, bloque, perdu;
    };
    const TCas cas[] = {
        {"passe", 110, 40, false, false, false, false, false, false},
        {"miroir trop petit", 60, 40, false, false, false, true, true, false},
        {"miroir trop petit, référence", 60, 40, true, false, false, true, false, false},
        {"ménisque manqué", 110, 155, false, true, true, false, true, true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        Maksutov(c.diametreMiroir);
        Lance(c.x, 0, 0, c.reference);
        TraceRayon();
        EXPECT_EQ(Rayon.PremiereFaceBloque(), c.premiere);
        EXPECT_EQ(Rayon.SecondeFaceBloque(), c.seconde);
        EXPECT_EQ(Rayon.MiroirBloque(), c.miroir);
        EXPECT_EQ(Rayon.RayonBloque, c.bloque);
        EXPECT_EQ(Rayon.RayonPerdu, c.perdu);
    }
}

// In a corrector of three surfaces or more, surface 3 keeps its own record beside the mirror's.
TEST(PassesGroupes, LaTroisiemeSurfaceDuCorrecteurNEstPasLeMiroir)
{
    Nouveau(TTypeInstrument::LurieHoughton);
    Instrument.DiametreEntree = 200;
    Instrument.DiametreMiroir = 10;
    Primaire(1600, 0, 0);
    Correcteur(4, 600);
    Groupe.IndiceTraceGroupe = {1.0f, 1.5f, 1.0f, 1.5f, 1.0f};
    Lance(90, 0, 0, true);
    TraceRayon();
    EXPECT_FALSE(Rayon.RayonBloqueGroupe[3]);
    EXPECT_TRUE(Rayon.MiroirBloque());
    EXPECT_FALSE(Rayon.RayonBloque) << "a reference ray";
    for (int i = 1; i <= 4; ++i)
    {
        SCOPED_TRACE(i);
        // z of each hit counted from the primary's vertex.
        EXPECT_NEAR(Rayon.CoteImpactGroupe[i], Instrument.DistanceLameMiroir - Groupe.SommetGroupe[i], 10.0);
    }
}

// Thirteen planes, glass and air by turns: traced and recorded like two, the ray leaving parallel
// to its entry and shifted at each plate by Snell's law.
TEST(PassesGroupes, UnGroupeDeTreizeSurfaces)
{
    Nouveau(TTypeInstrument::Lunette);
    Groupe.NombreDioptresGroupe = 13;
    Groupe.IndiceTraceGroupe[0] = 1.0f;
    for (int i = 1; i <= 13; ++i)
    {
        Groupe.RayonGroupe[i] = RayonPlan;
        Groupe.SommetGroupe[i] = 5.0 * (i - 1);
        Groupe.CentreGroupe[i] = Groupe.SommetGroupe[i];
        Groupe.CarreDemiDiametreGroupe[i] = 1e6;
        Groupe.IndiceTraceGroupe[i] = i % 2 && i < 13 ? 1.5f : 1.0f;
    }
    const double u = 0.2;
    Lance(1, 0, u, false);
    TraceRayon();
    double x = 1;
    for (int i = 1; i <= 13; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_NEAR(Rayon.HauteurImpactGroupe[i], x, 1e-12);
        EXPECT_EQ(Rayon.CoteImpactGroupe[i], 5.0 * (i - 1));
        EXPECT_FALSE(Rayon.RayonBloqueGroupe[i]);
        const double sinus = std::sin(u) / static_cast<double>(Groupe.IndiceTraceGroupe[i]);
        x += 5.0 * sinus / std::sqrt(1 - sinus * sinus);
    }
    EXPECT_NEAR(Rayon.LRayon, std::sin(u), 1e-15);
    EXPECT_NEAR(Rayon.NRayon, std::cos(u), 1e-15);
}

// The usable aperture of a single lens whose rear face is too small for the full beam.
TEST(PassesGroupes, LOuvertureDeLaLunetteSeReduitDeUnPourCentParTrace)
{
    for (double diametreArriere : {120.0, 80.0})
    {
        SCOPED_TRACE(diametreArriere);
        Nouveau(TTypeInstrument::Lunette);
        Instrument.DiametreEntree = 100;
        Groupe.NombreDioptresGroupe = 2;
        Groupe.RayonGroupe = {0, 500, RayonPlan};
        Groupe.DiametreGroupe = {0, 100, diametreArriere};
        Groupe.SommetGroupe = {0, 0, 10};
        Groupe.CentreGroupe = {0, 500, 10};
        Groupe.CarreDemiDiametreGroupe = {0, 2500, diametreArriere * diametreArriere / 4};
        Groupe.IndiceVertGroupe = {1.0f, 1.5f, 1.0f};
        Groupe.IndiceTraceGroupe = {1.0f, 1.5f, 1.0f};
        CalculeOuvertureLunette();
        EXPECT_TRUE(Instrument.OuvertureLunetteCalculee);
        if (diametreArriere > 100)
        {
            EXPECT_EQ(Instrument.DiametreObjectif, 100.0);
        }
        else
        {
            // The first height below 80 / 1.999 along 50 x 0.99^k, the ray converging slightly in the glass.
            EXPECT_LT(Rayon.HauteurImpactGroupe[2], 80 / 1.999);
            EXPECT_GT(Rayon.HauteurImpactGroupe[2] / 0.99, 80 / 1.999);
            EXPECT_NEAR(Instrument.DiametreObjectif, 2 * Rayon.XDepart, 1e-12);
        }
    }
}

// The groups keep each sphere's index ratio and inverse radius from ray to ray, one way through and
// the other: a change to the indices or the radius must reach the next ray as it reaches a thread
// that has never traced (and so keeps nothing).
TEST(PassesGroupes, LesSpheresDesGroupesSuiventChaqueChangementDuDessin)
{
    const std::vector<std::pair<const char*, void (*)()>> formes = {
        {"Klevtsov", Klevtsov},
        {"Houghton-Cassegrain", HoughtonCassegrain},
    };
    const std::vector<std::pair<const char*, void (*)()>> changements = {
        {"rayon",
         [] {
             Groupe.RayonGroupe[2] *= 1.01;
             Groupe.CentreGroupe[2] = Groupe.SommetGroupe[2] + Groupe.RayonGroupe[2];
         }},
        {"devant", [] { Groupe.IndiceTraceGroupe[0] = 1.01f; }},
        {"verre", [] { Groupe.IndiceTraceGroupe[1] = 1.52f; }},
        {"derriere", [] { Groupe.IndiceTraceGroupe[2] = 1.02f; }},
    };
    for (const auto& [forme, prepare] : formes)
    {
        for (const auto& [nom, change] : changements)
        {
            SCOPED_TRACE(std::string(forme) + " " + nom);
            prepare();
            Groupe.IndiceTraceGroupe[1] = 1.5f;
            LeChangementAtteintLeRayonSuivant(change, 60, 20, 0.005, false);
        }
    }
}

TEST(PassesGroupes, UnRayonPerduDansLObjectifResteHorsDuDispositif)
{
    Nouveau(TTypeInstrument::Lunette);
    Groupe.NombreDioptresGroupe = 2;
    Groupe.RayonGroupe = {0, 10, -10};
    Groupe.SommetGroupe = {0, 0, 5};
    Groupe.CentreGroupe = {0, 10, -5};
    Groupe.CarreDemiDiametreGroupe = {0, 400, 400};
    Groupe.IndiceTraceGroupe = {1.0f, 1.5f, 1.0f};
    Validite.DispositifValide = true;
    Dispositif.NombreDioptres = 1;
    Dispositif.RayonDioptre[1] = RayonPlan;
    Dispositif.SommetDioptre[1] = 100;
    Dispositif.CarreDemiDiametre[1] = 1e4;
    Dispositif.IndiceTrace[1] = Dispositif.IndiceTrace[2] = 1.0f;
    Rayon.HauteurImpact[1] = -99;
    Lance(12, 0, 0, false);
    TraceRayon();
    EXPECT_TRUE(Rayon.RayonPerdu);
    EXPECT_EQ(Rayon.HauteurImpact[1], -99.0);
    EXPECT_EQ(Rayon.DioptreArret, AucunDioptreArret);
}

} // namespace
