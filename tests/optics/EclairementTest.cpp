// Relative illumination: the disc overlaps against the textbook lens area, and designs whose
// illuminated share follows from their geometry.
#include "optics/Eclairement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "support/Formes.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr float AirVert = 1.000278f;

// Area shared by two discs of radii r1 and r2 whose centres are d apart.
double Lentille(double r1, double r2, double d)
{
    if (d >= r1 + r2)
        return 0.0;
    if (d <= std::abs(r1 - r2))
        return Pi * std::pow(std::min(r1, r2), 2);
    const double k = std::sqrt((-d + r1 + r2) * (d + r1 - r2) * (d - r1 + r2) * (d + r1 + r2));
    return r1 * r1 * std::acos((d * d + r1 * r1 - r2 * r2) / (2 * d * r1)) +
           r2 * r2 * std::acos((d * d + r2 * r2 - r1 * r1) / (2 * d * r2)) - k / 2;
}

TEST(Recouvrement, AireHorsDuDisqueEtFractionCouverte)
{
    struct Cas
    {
        double a, b, d;
    };
    const Cas cas[] = {{1, 1, 1},     {0.8, 1, 0.5}, {0.5, 1, 0},   {0.5, 1, 2}, {2, 1, 2}, {1.2, 1, 0.9},
                       {0.3, 1, 1.1}, {2, 1, 0.5},   {1, 0.4, 0.8}, {3, 1, 3.5}, {1, 1, 0}, {0.7, 0.7, 1.4}};
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " " << c.d);
        const double lentille = Lentille(c.a, c.b, c.d);
        EXPECT_NEAR(AireRecouvrement(c.a, c.b, c.d), Pi * c.b * c.b - lentille, 1e-9);
        EXPECT_NEAR(AireRecouvrement(-c.a, c.b, -c.d), Pi * c.b * c.b - lentille, 1e-9);
        // One disc wholly inside the other counts as covered, whichever is the smaller.
        const double fraction = std::abs(c.a - c.b) >= c.d ? 1.0 : lentille / (Pi * c.b * c.b);
        EXPECT_NEAR(FractionNonObstruee(c.a, c.b, c.d), fraction, 1e-9);
    }
    EXPECT_NEAR(AireRecouvrement(1, 1, 1), 1.913223, 1e-6);
    EXPECT_NEAR(FractionNonObstruee(1.2, 1, 0.9), 0.590863, 1e-6);
    EXPECT_EQ(FractionNonObstruee(0.5, 1, 0.3), 1.0);
}

class EclairementTest : public ::testing::Test
{
protected:
    void SetUp() override { ReinitialiseEtat(); }
    void TearDown() override
    {
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
    }

    // Paraboloid Newton F1 1000, D 200, with or without its 50 mm flat 150 mm before the focus, the
    // obstruction set as the refresh sets it, and the device of the given rows (glass behind each).
    static void Newton(bool flat, const std::vector<std::pair<double, double>>& dispositif = {},
                       double diametreDispositif = 0)
    {
        ConstruitFormeValide(TTypeInstrument::Newton);
        Instrument.DiametreSecondaire = flat ? 50.0f : 0.0f;
        Instrument.DistanceSecondaireFoyer = flat ? 150 : 0;
        Instrument.DistanceEntreMiroirs = 1000 - Instrument.DistanceSecondaireFoyer;
        Instrument.DiametreObstruction = Instrument.DiametreSecondaire;
        Instrument.RayonObstructionCarre = std::pow(Instrument.DiametreSecondaire / 2.0, 2);
        if (!dispositif.empty())
        {
            Dispositif.NombreDioptres = static_cast<int>(dispositif.size());
            for (int i = 1; i <= Dispositif.NombreDioptres; ++i)
            {
                Dispositif.RayonDioptre[i] = dispositif[i - 1].first;
                Dispositif.EpaisseurDioptre[i] = dispositif[i - 1].second;
                Dispositif.DiametreDioptre[i] = diametreDispositif;
                Dispositif.IndiceRouge[i + 1] = Dispositif.IndiceVert[i + 1] = Dispositif.IndiceBleu[i + 1] = AirVert;
            }
        }
        AppliqueIndices();
        VerifieValidite();
        ASSERT_TRUE(Validite.InstrumentValide);
        PrepareSysteme();
        ASSERT_FALSE(Systeme.CalculEchoue);
    }

    static void Champ(double angle)
    {
        Rayon.AngleChamp = angle;
        Rayon.SinusAngleChamp = std::sin(angle);
        Rayon.CosinusAngleChamp = std::cos(angle);
    }
};

// On axis the flat's shadow alone is lost, in one colour or three; and the caller's ray is given back.
TEST_F(EclairementTest, NewtonSurLAxePerdLOmbreDuPlan)
{
    for (int couleurs : {1, 3})
    {
        SCOPED_TRACE(couleurs);
        Newton(true);
        Systeme.NombreCouleurs = couleurs;
        Champ(0.0);
        Rayon.XDepart = 12.0;
        Rayon.EstRayonReference = false;
        CalculeEclairement();
        EXPECT_NEAR(Systeme.Eclairement, 1.0 - std::pow(50.0 / 200.0, 2), 1e-9);
        EXPECT_EQ(Rayon.XDepart, 12.0);
        EXPECT_EQ(Rayon.AngleChamp, 0.0);
        EXPECT_FALSE(Rayon.EstRayonReference);
    }
}

// An aperture 50 mm before the image, centred on the converging beam: the beam's radius there is
// 50 mm times the rim ray's slope, 100 / (F1 - sag); the aperture keeps q^2 of it.
TEST_F(EclairementTest, UneOuvertureCentreePlusPetiteQueLeFaisceauGardeQAuCarre)
{
    Newton(false, {{RayonPlan, 50}}, 5);
    Champ(0.0);
    CalculeEclairement();
    const double q = 2.5 / (50.0 * 100.0 / (1000.0 - 100.0 * 100.0 / 4000.0));
    EXPECT_NEAR(Systeme.Eclairement, q * q, 1e-6);
}

// Off axis the beam moves off the small aperture entirely: nothing passes, and the flat's shadow
// does not make the share negative.
TEST_F(EclairementTest, UnFaisceauHorsDeLOuvertureNeDonneRienSansNegatif)
{
    Newton(true, {{RayonPlan, 50}}, 5);
    Champ(0.02);
    CalculeEclairement();
    EXPECT_EQ(Systeme.Eclairement, 0.0);
}

// A rim ray that misses a device sphere is lost: the value says so, whatever the ceiling.
TEST_F(EclairementTest, UnRayonDeBordPerduDonneMoinsCent)
{
    Newton(true, {{2.0, 50}}, 4);
    Champ(0.0);
    CalculeEclairement();
    EXPECT_EQ(Systeme.Eclairement, -100.0);
}

// Past the angle where the field leaves the fully lit circle behind the plate holder, a Schmidt
// camera gives nothing; just inside it, the holder's shadow alone is lost.
TEST_F(EclairementTest, SchmidtAuDelaDuChampPleineLumiereRienNePasse)
{
    ConstruitFormeValide(TTypeInstrument::Schmidt);
    Instrument.DiametreChampPleineLumiere = 50.0f;
    Instrument.DiametreSecondaire = 50.0f;
    VerifieValidite();
    ASSERT_TRUE(Validite.InstrumentValide);
    const double limite = std::asin(25.0 / (2001.9 - 1000.0));
    for (double angle : {limite - 0.0005, limite + 0.0005})
    {
        SCOPED_TRACE(angle);
        Champ(angle);
        CalculeEclairement();
        EXPECT_NEAR(Systeme.Eclairement, angle < limite ? 1.0 - std::pow(50.0 / 200.0, 2) : 0.0, 1e-9);
    }
}

// A refractor's objective passes the whole on-axis beam; off axis the beam slides across the rims
// of the later surfaces and loses a little more as the angle grows.
TEST_F(EclairementTest, LunetteToutPasseSurLAxeEtDeMoinsEnMoinsEnChamp)
{
    ConstruitFormeValide(TTypeInstrument::Lunette);
    double sommet = 0.0;
    for (int i = 1; i <= Groupe.NombreDioptresGroupe; ++i)
    {
        Groupe.SommetGroupe[i] = sommet;
        Groupe.CentreGroupe[i] = sommet + Groupe.RayonGroupe[i];
        Groupe.CarreDemiDiametreGroupe[i] = 50.0 * 50.0;
        sommet += Groupe.EpaisseurGroupe[i];
    }
    Instrument.DiametreObjectif = 100;
    VerifieValidite();
    ASSERT_TRUE(Validite.InstrumentValide);
    PrepareSysteme();
    ASSERT_FALSE(Systeme.CalculEchoue);
    double precedent = 2.0;
    for (double angle : {0.0, 0.01, 0.03, 0.05})
    {
        SCOPED_TRACE(angle);
        Champ(angle);
        CalculeEclairement();
        if (angle == 0.0)
        {
            EXPECT_EQ(Systeme.Eclairement, 1.0);
        }
        EXPECT_LT(Systeme.Eclairement, precedent);
        EXPECT_GT(Systeme.Eclairement, 0.9);
        precedent = Systeme.Eclairement;
    }
}

// The star views count their rays: the forms with shadows the rim rays cannot follow report the
// counted share, the others keep their own estimate.
TEST_F(EclairementTest, LesVuesEtoilesDonnentLeRapportCompteAuxFormesOmbragees)
{
    const TRayonsComptes comptes{3, 60};
    for (TTypeInstrument forme : FormesInstrument)
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ConstruitFormeValide(forme);
        Champ(0.001);
        CalculeEclairement(comptes);
        const bool compte = forme == TTypeInstrument::Newton || forme == TTypeInstrument::Schmidt ||
                            forme == TTypeInstrument::SchmidtCassegrain || forme == TTypeInstrument::SchmidtNewton ||
                            forme == TTypeInstrument::Maksutov || forme == TTypeInstrument::MaksutovNewton ||
                            forme == TTypeInstrument::MaksutovCassegrain || forme == TTypeInstrument::LurieHoughton ||
                            forme == TTypeInstrument::HoughtonCassegrain;
        if (compte)
        {
            EXPECT_DOUBLE_EQ(Systeme.Eclairement, 0.05);
        }
        else
        {
            EXPECT_NE(Systeme.Eclairement, 0.05);
        }
        EXPECT_TRUE(std::isfinite(Systeme.Eclairement));
    }
}

} // namespace
