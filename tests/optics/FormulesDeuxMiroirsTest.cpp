// Two-mirror design formulas: the closed forms of each form and the traced sixth-order searches.
#include "optics/FormulesDeuxMiroirs.h"

#include <cmath>
#include <numbers>
#include <gtest/gtest.h>

#include "optics/DefautsTypes.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "support/Formes.h"

namespace {

// The worked example: F1 1000, F 4000, clearance 200, D 200, a 60 mm secondary.
void EntreCassegrain(TTypeInstrument forme)
{
    ReinitialiseEtat();
    AppliqueDefautsType(forme);
    Instrument.DiametreEntree = 200;
    Instrument.FocalePrimaire = 1000;
    Instrument.FocaleResultante = 4000;
    Instrument.DegagementFoyer = 200;
    Instrument.DiametreSecondaire = 60;
}

// A Schwarzschild of F 1000: the secondary images the primary's focus 2.5 F away, so F1 = 2500.
void EntreSchwarzschild()
{
    ReinitialiseEtat();
    AppliqueDefautsType(TTypeInstrument::Schwarzschild);
    Instrument.DiametreEntree = 200;
    Instrument.FocalePrimaire = 2500;
    Instrument.FocaleResultante = 1000;
    Instrument.DiametreSecondaire = 110;
}

void Calcule(TTypeInstrument forme)
{
    switch (forme)
    {
    case TTypeInstrument::Cassegrain: CalculeCassegrain(); break;
    case TTypeInstrument::RitcheyChretien: CalculeRitcheyChretien(); break;
    case TTypeInstrument::Gregory: CalculeGregory(); break;
    case TTypeInstrument::DallKirkham: CalculeDallKirkham(); break;
    case TTypeInstrument::Schwarzschild: CalculeSchwarzschild(); break;
    default: FAIL() << "pas une forme à deux miroirs";
    }
}

class FormulesDeuxMiroirs : public ::testing::Test
{
protected:
    void SetUp() override { ReinitialiseEtat(); }
};

TEST_F(FormulesDeuxMiroirs, CassegrainEtGregoryDeLExemple)
{
    struct TCas
    {
        TTypeInstrument Forme;
        double c, p, R2, separation, centre;
    };
    const TCas cas[] = {
        {TTypeInstrument::Cassegrain, -25.0 / 9.0, 240, 640, 760, 1400},
        {TTypeInstrument::Gregory, -0.36, 400, 640, 1400, 760},
    };
    for (const TCas& attendu : cas)
    {
        SCOPED_TRACE(NomTypeInstrument(attendu.Forme));
        EntreCassegrain(attendu.Forme);
        Calcule(attendu.Forme);
        EXPECT_DOUBLE_EQ(Instrument.Grandissement, 4);
        EXPECT_NEAR(Instrument.CoefficientDeformationSecondaire, attendu.c, 1e-12);
        EXPECT_DOUBLE_EQ(Instrument.DistanceFoyerPrimaireSecondaire, attendu.p);
        EXPECT_DOUBLE_EQ(Instrument.DistanceSecondaireFoyer, attendu.p);
        EXPECT_DOUBLE_EQ(Instrument.RayonCourbureSecondaire, attendu.R2);
        EXPECT_DOUBLE_EQ(Instrument.DistanceEntreMiroirs, attendu.separation);
        EXPECT_DOUBLE_EQ(Dispositif.CentreDioptre[0], attendu.centre);
        EXPECT_EQ(Instrument.CoefficientDeformationPrimaire, -1.0);
        EXPECT_DOUBLE_EQ(Instrument.RayonCourburePrimaire, 2000);
        EXPECT_DOUBLE_EQ(Instrument.RayonPrimaireCube, 8e9);
        EXPECT_DOUBLE_EQ(Instrument.RayonPrimairePuissance5, 3.2e16);
    }
}

TEST_F(FormulesDeuxMiroirs, ConiquesDuRitcheyChretienEtDuDallKirkham)
{
    // Ritchey-Chrétien: b = -(2p / (sep m^2) + 1), c = -(((m+1)/(m-1))^2 + 2 F1 m / (sep (m-1)^3)).
    EntreCassegrain(TTypeInstrument::RitcheyChretien);
    CalculeRitcheyChretien();
    EXPECT_NEAR(Instrument.CoefficientDeformationPrimaire, -1.0394737, 1e-7);
    EXPECT_NEAR(Instrument.CoefficientDeformationSecondaire, -3.1676413, 1e-7);
    EXPECT_DOUBLE_EQ(Instrument.RayonCourbureSecondaire, 640);

    // Dall-Kirkham: a spherical secondary, the primary's conic from R2 / R1.
    EntreCassegrain(TTypeInstrument::DallKirkham);
    Instrument.CoefficientDeformationSecondaire2 = 5;
    CalculeDallKirkham();
    EXPECT_DOUBLE_EQ(Instrument.CoefficientDeformationPrimaire, -0.71875);
    EXPECT_EQ(Instrument.CoefficientDeformationSecondaire, 0);
    EXPECT_EQ(Instrument.CoefficientDeformationSecondaire2, 0);
}

TEST_F(FormulesDeuxMiroirs, ConiquesSaisiesDuRitcheyChretienJamaisRecalculees)
{
    struct TCas
    {
        const char* Nom;
        double b, c;
    };
    const TCas cas[] = {
        {"les deux saisies", -1.05, -3.3},
        {"b à calculer, c saisie", CoefficientACalculer, -3.3},
        {"b saisie, c à calculer", -1.05, CoefficientACalculer},
    };
    for (const TCas& saisie : cas)
    {
        SCOPED_TRACE(saisie.Nom);
        EntreCassegrain(TTypeInstrument::RitcheyChretien);
        Instrument.CoefficientDeformationPrimaire = saisie.b;
        Instrument.CoefficientDeformationSecondaire = saisie.c;
        Instrument.CoefficientDeformationSecondaire2 = 0.5;
        CalculeRitcheyChretien();
        EXPECT_EQ(Instrument.CoefficientDeformationPrimaire, saisie.b);
        EXPECT_EQ(Instrument.CoefficientDeformationSecondaire, saisie.c);
        EXPECT_EQ(Instrument.CoefficientDeformationSecondaire2, 0.5) << "aucune recherche";
        EXPECT_DOUBLE_EQ(Instrument.RayonCourbureSecondaire, 640) << "la géométrie est calculée";
    }
}

TEST_F(FormulesDeuxMiroirs, SchwarzschildDeFocale1000)
{
    EntreSchwarzschild();
    CalculeSchwarzschild();
    EXPECT_DOUBLE_EQ(Instrument.RayonCourbureSecondaire, 1670);
    EXPECT_DOUBLE_EQ(Instrument.DistanceSecondaireFoyer, 500);
    EXPECT_DOUBLE_EQ(Instrument.DistanceEntreMiroirs, 1250);
    EXPECT_DOUBLE_EQ(Instrument.DegagementFoyer, -750);
    EXPECT_DOUBLE_EQ(Dispositif.CentreDioptre[0], -420);
    EXPECT_DOUBLE_EQ(Instrument.DistanceFoyerPrimaireSecondaire, -1250);
    EXPECT_EQ(Instrument.CoefficientDeformationPrimaire, -13.5);
    EXPECT_EQ(Instrument.CoefficientDeformationSecondaire, 1.97);
    EXPECT_FLOAT_EQ(Instrument.DiametreSecondaireSchwarzschild, static_cast<float>(0.5048729174 * 200));
    EXPECT_DOUBLE_EQ(Instrument.Grandissement, 0.4);
}

TEST_F(FormulesDeuxMiroirs, UneConceptionInvalideAnnuleLesDeuxRayons)
{
    // F = 1.1 F1 exactly is refused; so is a clearance never entered.
    struct TCas
    {
        TTypeInstrument Forme;
        double F, B;
    };
    const TCas cas[] = {
        {TTypeInstrument::Cassegrain, 1100, 200},
        {TTypeInstrument::Gregory, 1100, 200},
        {TTypeInstrument::RitcheyChretien, 1100, 200},
        {TTypeInstrument::DallKirkham, 1100, 200},
        {TTypeInstrument::Cassegrain, 4000, DegagementNonSaisi},
        {TTypeInstrument::RitcheyChretien, 4000, DegagementNonSaisi},
    };
    for (const TCas& invalide : cas)
    {
        SCOPED_TRACE(NomTypeInstrument(invalide.Forme));
        SCOPED_TRACE(invalide.F);
        EntreCassegrain(invalide.Forme);
        Instrument.FocaleResultante = invalide.F;
        Instrument.DegagementFoyer = invalide.B;
        Instrument.RayonCourburePrimaire = 2000;
        Instrument.RayonCourbureSecondaire = 640;
        Calcule(invalide.Forme);
        EXPECT_EQ(Instrument.RayonCourburePrimaire, 0);
        EXPECT_EQ(Instrument.RayonCourbureSecondaire, 0);
    }
    EntreSchwarzschild();
    Instrument.DiametreSecondaire = 0;
    Instrument.RayonCourbureSecondaire = 1670;
    CalculeSchwarzschild();
    EXPECT_EQ(Instrument.RayonCourbureSecondaire, 0);
}

// Where a reference ray parallel to the axis from the height x crosses the axis after the mirrors.
double Croisement(double x)
{
    LanceRayonAxial(x);
    Rayon.EstRayonReference = true;
    TraceDeuxMiroirs();
    EXPECT_FALSE(Rayon.RayonPerdu) << "rayon de hauteur " << x;
    return Rayon.ZRayon - Rayon.XRayon * Rayon.NRayon / Rayon.LRayon;
}

// How far the marginal ray's crossing lies from the zonal ray's.
double EcartMarginalZonal()
{
    const double D = Instrument.DiametreEntree;
    return Croisement(D / 2) - Croisement(0.433 * D);
}

TEST_F(FormulesDeuxMiroirs, LaRechercheAmeneLeRayonMarginalAuFoyerZonal)
{
    for (TTypeInstrument forme :
         {TTypeInstrument::Cassegrain, TTypeInstrument::RitcheyChretien, TTypeInstrument::Gregory,
          TTypeInstrument::DallKirkham, TTypeInstrument::Schwarzschild})
    {
        SCOPED_TRACE(NomTypeInstrument(forme));
        if (forme == TTypeInstrument::Schwarzschild)
            EntreSchwarzschild();
        else
            EntreCassegrain(forme);
        Calcule(forme);
        ASSERT_FALSE(Systeme.CalculEchoue);

        // The coefficient searched: the primary's for the Dall-Kirkham, else the secondary's.
        double& coefficient = forme == TTypeInstrument::DallKirkham ? Instrument.CoefficientDeformationPrimaire2
                                                                    : Instrument.CoefficientDeformationSecondaire2;
        const double trouve = coefficient;
        const double ecart = EcartMarginalZonal();
        // The search ends with steps of 0.0001 and may stop one step past the best value.
        coefficient = trouve + 0.0001;
        const double parPas = std::abs(EcartMarginalZonal() - ecart);
        coefficient = 0;
        const double sansRecherche = std::abs(EcartMarginalZonal());
        EXPECT_LE(std::abs(ecart), 2 * parPas);
        EXPECT_LT(std::abs(ecart), sansRecherche / 100);
    }
}

TEST_F(FormulesDeuxMiroirs, LeCassegrainTrouveLeTermeDOrdre6DeLHyperboloide)
{
    // The hyperboloid's sag series has (1 + K)^2 as its sixth-order factor: K2 = (1 + c)^2 - 1; the
    // series stops there, so the fitted value comes near it, not onto it.
    EntreCassegrain(TTypeInstrument::Cassegrain);
    CalculeCassegrain();
    const double c = Instrument.CoefficientDeformationSecondaire;
    EXPECT_NEAR(Instrument.CoefficientDeformationSecondaire2, (1 + c) * (1 + c) - 1, 0.05);
}

TEST_F(FormulesDeuxMiroirs, UneErreurQuiNeCroitJamaisArreteLaRechercheASaBorne)
{
    // A Schwarzschild whose primary focus lies before the secondary: the beam is so narrow there
    // that the secondary's sixth-order term changes nothing, and the error only creeps down.
    EntreSchwarzschild();
    Instrument.FocalePrimaire = 1000;
    CalculeSchwarzschild();
    EXPECT_TRUE(Systeme.CalculEchoue);
    EXPECT_TRUE(std::isfinite(Instrument.CoefficientDeformationSecondaire2));
}

TEST_F(FormulesDeuxMiroirs, UneRechercheSansAucunRayonPassantEchoue)
{
    // A secondary moved far beyond the rays: every ray misses it, no error can be measured.
    EntreCassegrain(TTypeInstrument::Cassegrain);
    CalculeCassegrain();
    ASSERT_FALSE(Systeme.CalculEchoue);
    Dispositif.CentreDioptre[0] = 1e6;
    RechercheCoefficientSecondaire();
    EXPECT_TRUE(Systeme.CalculEchoue);
    EXPECT_EQ(Instrument.CoefficientDeformationSecondaire2, 0);
    EXPECT_TRUE(std::isfinite(Systeme.PositionFoyer));
}

// Where the ray from the pupil point (x, y) at the field angle u meets the plane z = `plan`.
void Image(double x, double y, double u, double plan, double& xImage, double& yImage)
{
    LanceRayonAxial(x);
    Rayon.YDepart = y;
    Rayon.AngleChamp = u;
    Rayon.SinusAngleChamp = std::sin(u);
    Rayon.CosinusAngleChamp = std::cos(u);
    Rayon.EstRayonReference = true;
    TraceDeuxMiroirs();
    ASSERT_FALSE(Rayon.RayonPerdu);
    const double t = (plan - Rayon.ZRayon) / Rayon.NRayon;
    xImage = Rayon.XRayon + t * Rayon.LRayon;
    yImage = Rayon.YRayon + t * Rayon.MRayon;
}

// The coma of the spot at the field angle u on the solved image plane: how far the centre of the
// image of the pupil's rim lies from the chief ray's image (defocus and astigmatism keep that
// centre on the chief ray; coma moves it).
double Coma(double u)
{
    const double plan = Systeme.PositionFoyer + Systeme.DecalageFoyer;
    double xPrincipal = 0, yPrincipal = 0;
    Image(0, 0, u, plan, xPrincipal, yPrincipal);
    const double rayonPupille = Instrument.DiametreEntree / 2;
    const int rayons = 72;
    double xMoyen = 0, yMoyen = 0;
    for (int k = 0; k < rayons; ++k)
    {
        const double angle = 2 * std::numbers::pi * k / rayons;
        double x = 0, y = 0;
        Image(rayonPupille * std::cos(angle), rayonPupille * std::sin(angle), u, plan, x, y);
        xMoyen += x / rayons;
        yMoyen += y / rayons;
    }
    return std::hypot(xMoyen - xPrincipal, yMoyen - yPrincipal);
}

TEST_F(FormulesDeuxMiroirs, LeRitcheyChretienEstSansComa)
{
    // Same first-order layout: F1 1000, F 4000, clearance 200, D 200.
    double coma[2] = {};
    const TTypeInstrument formes[2] = {TTypeInstrument::Cassegrain, TTypeInstrument::RitcheyChretien};
    for (int i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(NomTypeInstrument(formes[i]));
        EntreCassegrain(formes[i]);
        Calcule(formes[i]);
        VerifieValidite();
        PrepareSysteme();
        ASSERT_FALSE(Systeme.CalculEchoue);
        coma[i] = Coma(0.2 * std::numbers::pi / 180);
    }
    // The classical Cassegrain has the coma of a paraboloid of focal length F: several micrometres.
    EXPECT_GT(coma[0], 0.001);
    EXPECT_LT(coma[1], coma[0] / 10);
}

} // namespace
