// Schmidt forms: mirror radius and focal length, plate place, the plate tables and the traced searches.
#include "optics/FormulesSchmidt.h"

#include <cmath>
#include <gtest/gtest.h>

#include "optics/DefautsTypes.h"
#include "optics/FormulesDeuxMiroirs.h"
#include "optics/GardeCalcul.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceSchmidt.h"
#include "optics/TraceSchmidtCassegrain.h"
#include "optics/Validite.h"
#include "support/Formes.h"

namespace {

// A Schmidt camera of D 200 and plate 20 mm thick, its plate at R - t/2 (the far place).
void EntreCamera(double F1, double k)
{
    ReinitialiseEtat();
    AppliqueDefautsType(TTypeInstrument::Schmidt);
    Instrument.DiametreEntree = 200;
    Instrument.DiametreMiroir = 260;
    Instrument.FocalePrimaire = F1;
    Instrument.FocaleResultante = F1;
    Instrument.RayonCourburePrimaire = 2 * F1;
    Instrument.CoefficientK = k;
    Instrument.EpaisseurLame = 20;
    Instrument.DistanceLameMiroir = static_cast<float>(2 * F1 - 10);
    AppliqueIndices();
    VerifieValidite();
}

struct TDiviseurs
{
    double c1, c2, c3;
};

void AttendDiviseurs(const TDiviseurs& attendu)
{
    const auto& c = Instrument.CoefficientsAspheriquesLame;
    EXPECT_NEAR(c[0], attendu.c1, 1e-4);
    EXPECT_NEAR(c[1], attendu.c2, 1e-4);
    EXPECT_NEAR(c[2], attendu.c3, 1e-4);
}

class FormulesSchmidt : public ::testing::Test
{
protected:
    void SetUp() override { ReinitialiseEtat(); }
};

TEST_F(FormulesSchmidt, DiviseursDesTablesParFDEtK)
{
    struct TCas
    {
        double FD, k;
        TDiviseurs Attendu;
    };
    const TCas cas[] = {
        // k 1.5 lies on its row; 1.6 is 0.4 of the way from column 1.5 to column 1.75.
        {1.6, 1.5, {170, 76, -118.8}},
        // Below F/D 1 and above 4 the end columns are used as they stand.
        {0.8, 1.5, {160, 19, -33}},
        {5, 1.5, {170, 260, -170}},
        // Half-way between rows 0.5 and 1, on column 2.
        {2, 0.75, {71, 87.5, -74.5}},
        // Beyond k 2 the last interval is extended.
        {1, 2.5, {760, 201, 1033}},
    };
    for (const TCas& unCas : cas)
    {
        SCOPED_TRACE(testing::Message() << "F/D " << unCas.FD << ", k " << unCas.k);
        EntreCamera(200 * unCas.FD, unCas.k);
        ASSERT_TRUE(Validite.InstrumentValide);
        CalculeCoefficientsLame();
        AttendDiviseurs(unCas.Attendu);
        EXPECT_DOUBLE_EQ(Instrument.RapportFD, unCas.FD);
    }
}

TEST_F(FormulesSchmidt, UneLameProcheDuMiroirPrendLesDiviseursProches)
{
    // F/D 1.6, k 1.5: far values (170, 76, -118.8), near values (170, 124, -222).
    struct TCas
    {
        const char* Place;
        double Lp;
        TDiviseurs Attendu;
    };
    const double F1 = 320;
    const double loin = 2 * F1 - 10;
    const double proche = F1 + 20;
    const TCas cas[] = {
        {"au centre de courbure moins t/2", loin, {170, 76, -118.8}},
        {"à mi-chemin", (loin + proche) / 2, {170, 100, -170.4}},
        {"à F1 + 20", proche, {170, 124, -222}},
        {"plus près encore", F1, {170, 124, -222}},
    };
    for (const TCas& unCas : cas)
    {
        SCOPED_TRACE(unCas.Place);
        EntreCamera(F1, 1.5);
        Instrument.DistanceLameMiroir = static_cast<float>(unCas.Lp);
        VerifieValidite();
        CalculeCoefficientsLame();
        AttendDiviseurs(unCas.Attendu);
    }
}

TEST_F(FormulesSchmidt, UnTitreEnEtoileRemplaceLesDiviseurs)
{
    struct TCas
    {
        const char* Titre;
        TDiviseurs Attendu;
    };
    const TCas cas[] = {
        {"*  200  150 -100 correcteur", {200, 150, -100}},
        {"*  2,5 1.25 -3E1", {2.5, 1.25, -30}},
        {"*200mm150mm-100mm", {200, 150, -100}},
        // A field that reads 0, or is missing, leaves the tables' values.
        {"*  200    0 -100", {170, 76, -118.8}},
        {"*  200", {170, 76, -118.8}},
        {"*Correcteur de champ", {170, 76, -118.8}},
        {"   200  150 -100", {170, 76, -118.8}},
    };
    for (const TCas& unCas : cas)
    {
        SCOPED_TRACE(unCas.Titre);
        EntreCamera(320, 1.5);
        Dispositif.TitreDispositif = unCas.Titre;
        CalculeCoefficientsLame();
        AttendDiviseurs(unCas.Attendu);
    }
}

TEST_F(FormulesSchmidt, DiviseursDuSchmidtCassegrainSelonLaPlaceDeLaLame)
{
    // F/D 2 takes column 2: nearest place (190, 140, -133), farthest (600, 160, -240).
    struct TCas
    {
        const char* Place;
        double Fraction; // of the way from the nearest to the farthest place
        TDiviseurs Attendu;
    };
    const TCas cas[] = {
        {"la plus proche", 0, {190, 140, -133}},   {"en deçà", -0.5, {190, 140, -133}},
        {"au quart", 0.25, {292.5, 145, -159.75}}, {"la plus lointaine", 1, {600, 160, -240}},
        {"au-delà", 2, {600, 160, -240}},
    };
    for (const TCas& unCas : cas)
    {
        SCOPED_TRACE(unCas.Place);
        ReinitialiseEtat();
        AppliqueDefautsType(TTypeInstrument::SchmidtCassegrain);
        Instrument.DiametreEntree = 200;
        Instrument.RayonCourburePrimaire = 800;
        Instrument.FocalePrimaire = 400;
        Instrument.FocaleResultante = 2000;
        Instrument.DegagementFoyer = 200;
        Instrument.EpaisseurLame = 6;
        Instrument.DistanceFoyerPrimaireSecondaire = 100;
        // Nearest place: (F1 - p) + t/2 + 10 + D/20 = 323.
        const double plusProche = 323;
        const double plusLointaine = plusProche * 1.494253;
        Instrument.DistanceLameMiroir = static_cast<float>(plusProche + unCas.Fraction * (plusLointaine - plusProche));
        AppliqueIndices();
        VerifieValidite();
        ASSERT_TRUE(Validite.InstrumentValide);
        CalculeCoefficientsLame();
        const auto& c = Instrument.CoefficientsAspheriquesLame;
        EXPECT_NEAR(c[0], unCas.Attendu.c1, 1e-3);
        EXPECT_NEAR(c[1], unCas.Attendu.c2, 1e-3);
        EXPECT_NEAR(c[2], unCas.Attendu.c3, 1e-3);
    }
}

// Where a ray reflected by the sphere of radius R at the height y crosses the axis, from the vertex.
double CroisementSphere(double R, double y)
{
    const double angle = std::asin(y / R);
    return R - R / (2 * std::cos(angle));
}

TEST_F(FormulesSchmidt, RayonEtFocaleDuMiroirParLaZoneNeutre)
{
    EntreCamera(1000, 1.5);
    CalculeRayonSchmidt();
    const double R = Instrument.RayonCourburePrimaire;
    EXPECT_DOUBLE_EQ(R * 10, std::nearbyint(R * 10)) << "au dixième de millimètre";
    // The neutral zone sqrt(k/2) D/2 = 86.6 mm reflects to F1 from the vertex, to the rounding of R.
    const double zone = std::sqrt(1.5 / 2) * 100;
    EXPECT_NEAR(CroisementSphere(R, zone), 1000, 0.03);
    EXPECT_NEAR(R, 2001.9, 1e-9);

    // And back: the focal length of that sphere is F1 again.
    Instrument.FocalePrimaire = 0;
    CalculeFocaleSchmidt();
    EXPECT_NEAR(Instrument.FocalePrimaire, 1000, 1e-9);

    // k = 0.01 is not above 0.01: R stays 2 F.
    EntreCamera(1000, 0.01);
    CalculeRayonSchmidt();
    EXPECT_EQ(Instrument.RayonCourburePrimaire, 2000);
}

TEST_F(FormulesSchmidt, FocaleDuMiroirSansZoneNeutre)
{
    struct TCas
    {
        double k, F1;
    };
    // R 2000.3: R/2 = 1000.15 below k 0.01; from k 0.01 on, the zone's crossing rounded to 0.1 mm.
    const TCas cas[] = {{0.009, 1000.15}, {0.01, 1000.1}};
    for (const TCas& unCas : cas)
    {
        SCOPED_TRACE(unCas.k);
        EntreCamera(1000, unCas.k);
        Instrument.RayonCourburePrimaire = 2000.3;
        CalculeFocaleSchmidt();
        EXPECT_NEAR(Instrument.FocalePrimaire, unCas.F1, 1e-9);
    }
}

TEST_F(FormulesSchmidt, ChampEtudieDUnSchmidt)
{
    EntreCamera(1000, 1.5);
    Instrument.RayonCourburePrimaire = 2000;
    Instrument.FocaleEffective = 1000;
    Instrument.DiametreChampPleineLumiere = 30;
    CalculeChampSchmidt();
    EXPECT_EQ(Reglages.RayonChampLineaire, 15);
    // asin(15 / 1000) is 51.6 arc minutes, taken up to the next ten.
    EXPECT_EQ(Reglages.RayonChampAngulaire, 60);

    // A focal length not yet traced leaves the field as it was.
    Reglages.RayonChampLineaire = 25;
    Instrument.FocaleEffective = 0;
    CalculeChampSchmidt();
    EXPECT_EQ(Reglages.RayonChampLineaire, 25);
}

TEST_F(FormulesSchmidt, ChampPleineLumiereEtObstructionDeLaChambre)
{
    EntreCamera(1000, 1.5);
    Instrument.DistanceLameMiroir = 2000;
    CalculeSchmidt();
    // (Dm - D) F1 / Lp.
    EXPECT_FLOAT_EQ(Instrument.DiametreChampPleineLumiere, 30);
    EXPECT_FLOAT_EQ(Instrument.DiametreSecondaire, 30);
    EXPECT_DOUBLE_EQ(Instrument.RayonPrimaireCube, 8e9);

    Instrument.DistanceLameMiroir = 0;
    CalculeSchmidt();
    EXPECT_FLOAT_EQ(Instrument.DiametreChampPleineLumiere, 0);
}

TEST_F(FormulesSchmidt, FocaleRestaureeEtLamePlaceeSelonLeProfil)
{
    struct TCas
    {
        TOctet Profil;
        double Lp;
    };
    // R 2000, plate 20 mm: the rear profile puts the plate at R - t/2.
    const TCas cas[] = {{ProfilAucun, 2000}, {ProfilAvant, 1996}, {ProfilArriere, 1990}, {ProfilPartage, 2000}};
    for (const TCas& unCas : cas)
    {
        SCOPED_TRACE(static_cast<int>(unCas.Profil));
        EntreCamera(900, 1.5);
        Instrument.ProfilLame = unCas.Profil;
        Instrument.AncienneFocalePrimaire = 1000;
        AjusteSchmidt();
        EXPECT_EQ(Instrument.FocalePrimaire, 1000);
        EXPECT_EQ(Instrument.RayonCourburePrimaire, 2000);
        EXPECT_FLOAT_EQ(Instrument.DistanceLameMiroir, static_cast<float>(unCas.Lp));
    }

    ReinitialiseEtat();
    AppliqueDefautsType(TTypeInstrument::Newton);
    Instrument.DistanceSecondaireFoyer = 150;
    Instrument.AncienneFocalePrimaire = 1000;
    Instrument.FocaleEffective = 1000;
    Instrument.DiametreChampPleineLumiere = 40;
    Reglages.RayonChampLineaire = 7;
    AjusteSchmidt();
    EXPECT_EQ(Instrument.DistanceEntreMiroirs, 850);
    EXPECT_EQ(Reglages.RayonChampLineaire, 7) << "the Newton keeps its field settings";
}

TEST_F(FormulesSchmidt, ReliefDeLaLameSelonSonProfil)
{
    // For k 1.5 the profile's main terms 6 u^2 - 16 u^4 peak at u^2 = 3/16 with 9/16, in units of
    // D^4 / (64 (n - 1) R^3); the high-order terms move that peak by far less than a percent.
    EntreCamera(1000, 1.5);
    Instrument.RayonCourburePrimaire = 2000;
    Instrument.CoefficientDeformationLame = 0.5;
    CalculeCoefficientsLame();
    const double n = Groupe.IndiceVertGroupe[1] - Groupe.IndiceVertGroupe[0];
    const double unite = std::pow(200.0, 4) / (64 * n * std::pow(2000.0, 3));
    EXPECT_NEAR(Instrument.ReliefLame, 0.5 * 9.0 / 16.0 * unite, 0.005 * unite);
}

TEST_F(FormulesSchmidt, LaChambreAtteintSaFocaleTracee)
{
    EntreCamera(1000, 1.5);
    CalculeRayonSchmidt();
    Instrument.RayonPrimaireCube = std::pow(Instrument.RayonCourburePrimaire, 3);
    PlaceLameSchmidt();
    VerifieValidite();
    AjusteFocaleSchmidt();
    ASSERT_FALSE(Systeme.CalculEchoue);
    EXPECT_NEAR(Instrument.FocaleEffective, 1000, 0.01);
}

// Where a ray parallel to the axis at `h` crosses the axis, counted from the mirror's vertex towards the plate.
double CroisementAxe(double h)
{
    Rayon.EstRayonReference = true;
    LanceRayonAxial(h);
    TraceSchmidt();
    return Rayon.ZRayon - Rayon.XRayon * Rayon.NRayon / Rayon.LRayon;
}

TEST_F(FormulesSchmidt, LaLameConvergePresDeLAxeEtAllongeLaFocale)
{
    // A fast camera, 200 mm at F/1.5, its focal length adjusted. Its plate's profile thins it away from the axis
    // (the front face K A 4k u^2 deep, A = D^4 / (64 (n - 1) R^3), u = h / D): near the axis a thin lens of power
    // phi = 2 (n - 1) K A 4k / D^2 = K k D^2 / (8 R^3), at the mirror's centre of curvature, R before the mirror.
    // Paraxially the pair then focuses (1 - R phi) / (2/R - phi) from the mirror, short of R/2, with the focal length
    // 1 / (2/R - phi), beyond it by as much: the neutral zone's focus F1, which the plate leaves where the sphere
    // puts it, is the paraxial focus only with this sign.
    EntreCamera(300, 1.5);
    Instrument.DiametreMiroir = 300;
    CalculeRayonSchmidt();
    PlaceLameSchmidt();
    VerifieValidite();
    AjusteFocaleSchmidt();
    ASSERT_FALSE(Systeme.CalculEchoue);
    const double R = Instrument.RayonCourburePrimaire;
    const double D = Instrument.DiametreEntree;
    const double phi = Instrument.CoefficientDeformationLame * Instrument.CoefficientK * D * D / (8 * std::pow(R, 3));
    const double paraxial = (1 - R * phi) / (2 / R - phi);
    ASSERT_GT(R / 2 - paraxial, 2.5);
    EXPECT_NEAR(CroisementAxe(0.5), paraxial, 0.05);
    const double zone = std::sqrt(Instrument.CoefficientK / 2) * D / 2;
    EXPECT_NEAR(CroisementAxe(zone), paraxial, 0.05);
    EXPECT_NEAR(Instrument.FocalePrimaire, paraxial, 0.15);
    // The solver measures it on the image plane its reference ray finds, a tenth of a millimetre off the paraxial
    // focus by what remains of the zones' aberration.
    PrepareSysteme();
    EXPECT_NEAR(Instrument.FocaleEffective, 1 / (2 / R - phi), 0.15);
    EXPECT_NEAR(Instrument.FocaleEffective, 300, 0.1);
}

TEST_F(FormulesSchmidt, LAjustementDeLaFocaleTienDansUneImage)
{
    // The traced focal length follows F1 nearly one for one: a few solves reach it, where a hundredth of the gap at
    // each step took hundreds, seconds on the screen.
    for (const double F : {250.0, 300.0, 1000.0, 4000.0})
    {
        SCOPED_TRACE(F);
        EntreCamera(F, 1.5);
        Instrument.DiametreMiroir = 300;
        CalculeRayonSchmidt();
        PlaceLameSchmidt();
        VerifieValidite();
        AjusteFocaleSchmidt();
        ASSERT_FALSE(Systeme.CalculEchoue);
        EXPECT_NEAR(Instrument.FocaleEffective, F, 0.01);
        EXPECT_LT(TracesDepensees(), 2000);
    }
}

TEST_F(FormulesSchmidt, LeSchmidtCassegrainAtteintSaFocaleTracee)
{
    ConstruitFormeValide(TTypeInstrument::SchmidtCassegrain);
    ASSERT_TRUE(Validite.InstrumentValide);
    CalculeSchmidtCassegrain();
    ASSERT_FALSE(Systeme.CalculEchoue);
    EXPECT_NEAR(Instrument.FocaleEffective, Instrument.FocaleResultante, 0.01);
    // The flags the set-up changes while it works are back.
    EXPECT_FALSE(Systeme.ConceptionSchmidtCassegrain);
    EXPECT_TRUE(Rayon.DispositifActif);
    EXPECT_DOUBLE_EQ(Instrument.CoefficientDeformationLame,
                     Instrument.CoefficientLameOptimal * Instrument.CoefficientLameRelatif);
}

TEST_F(FormulesSchmidt, UnCalculInterrompuArreteLaBoucleEtRendLesDrapeaux)
{
    ConstruitFormeValide(TTypeInstrument::SchmidtCassegrain);
    // Stopped by the user: the solver does nothing, so no focal length can ever match.
    Systeme.CalculInterrompu = true;
    CalculeSchmidtCassegrain();
    EXPECT_FALSE(Systeme.ConceptionSchmidtCassegrain);
    EXPECT_TRUE(Rayon.DispositifActif);

    EntreCamera(1000, 1.5);
    Systeme.CalculInterrompu = true;
    AjusteFocaleSchmidt();
    EXPECT_EQ(Instrument.FocalePrimaire, 1000);
}

TEST_F(FormulesSchmidt, SansSecondaireLeFoyerEstCeluiDuMiroir)
{
    ConstruitFormeValide(TTypeInstrument::SchmidtCassegrain);
    Instrument.DiametreSecondaire = 0;
    VerifieValidite();
    ASSERT_TRUE(Validite.SansSecondaire);
    CalculeSchmidtCassegrain();
    // Traced as a Schmidt camera: the corrected mirror focuses F1 from its vertex.
    EXPECT_NEAR(Systeme.PositionFoyer, Instrument.FocalePrimaire, 1);
    EXPECT_FALSE(Systeme.ConceptionSchmidtCassegrain);
}

// Sum over ten zones of the distance from the axis at which the zone's ray crosses the focal plane
// of the reference ray.
double EtalementZones()
{
    const double D = Instrument.DiametreEntree;
    Rayon.EstRayonReference = true;
    EXPECT_TRUE(MesureFoyerZonal(Systeme.DistanceAxeRayonFoyer * D, TraceSchmidtCassegrain));
    double somme = 0;
    for (int i = 1; i <= 10; ++i)
        somme += EcartAuFoyer(i * D / 20, TraceSchmidtCassegrain);
    return somme;
}

TEST_F(FormulesSchmidt, LeCoefficientDeLameRassembleLesZonesAuFoyer)
{
    ConstruitFormeValide(TTypeInstrument::SchmidtCassegrain);
    CalculeSchmidtCassegrain();
    ASSERT_FALSE(Systeme.CalculEchoue);
    RechercheCoefficientLame();
    const double trouve = Instrument.CoefficientDeformationLame;
    const double etalement = EtalementZones();
    // Neither a smaller nor a larger plate coefficient gathers the zones better, and no plate at
    // all leaves them far apart.
    for (double ecart : {-0.001, 0.001})
    {
        Instrument.CoefficientDeformationLame = trouve + ecart;
        EXPECT_GE(EtalementZones(), etalement) << ecart;
    }
    Instrument.CoefficientDeformationLame = 0;
    EXPECT_GT(EtalementZones(), 10 * etalement);
}

} // namespace
