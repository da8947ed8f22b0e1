// The system solver on designs whose focus is known from physics: a paraboloid, a sphere, a classical
// Cassegrain, a Barlow lens checked by a paraxial trace, an eyepiece giving parallel light.
#include "optics/PrepareSysteme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <numbers>
#include <optional>
#include <vector>

#include "optics/FormulesSchmidt.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Notifications.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "optics/Validite.h"
#include "support/Formes.h"

namespace {

constexpr float AirVert = 1.000278f;
constexpr float BK7Vert = 1.51872f;

// One row of the lens device; the glass is the medium behind the surface (green index only).
struct Ligne
{
    double rayon, epaisseur, diametre;
    float indiceApres;
};

void EntreDispositif(const std::vector<Ligne>& lignes)
{
    Dispositif.NombreDioptres = static_cast<int>(lignes.size());
    for (int i = 1; i <= Dispositif.NombreDioptres; ++i)
    {
        const Ligne& l = lignes[i - 1];
        Dispositif.RayonDioptre[i] = l.rayon;
        Dispositif.EpaisseurDioptre[i] = l.epaisseur;
        Dispositif.DiametreDioptre[i] = l.diametre;
        Dispositif.IndiceRouge[i + 1] = Dispositif.IndiceVert[i + 1] = Dispositif.IndiceBleu[i + 1] = l.indiceApres;
    }
    AppliqueIndices();
    VerifieValidite();
}

// A biconcave BK7 lens of -193 mm focal length, 100 mm in front of the image: a Barlow lens.
const std::vector<Ligne> Barlow = {{-200, 5, 40, BK7Vert}, {200, 100, 40, AirVert}};
// A plano-convex BK7 lens of 25 mm focal length sending parallel light out: a simple eyepiece.
const std::vector<Ligne> Oculaire = {{RayonPlan, 4, 20, BK7Vert}, {-13, EpaisseurInfinie, 20, AirVert}};

// The request hook answers from a script: a value, or nothing to stop.
std::deque<std::optional<double>> Reponses;
int Demandes = 0;
bool RepondDistance()
{
    ++Demandes;
    if (Reponses.empty())
    {
        ADD_FAILURE() << "unexpected request";
        return false;
    }
    const std::optional<double> reponse = Reponses.front();
    Reponses.pop_front();
    if (!reponse)
        return false;
    Systeme.DistanceFoyerDioptre = *reponse;
    return true;
}

int BipsExclamation = 0;
int BipsDefaut = 0;

class PrepareSystemeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Reponses.clear();
        Demandes = 0;
        BipsExclamation = BipsDefaut = 0;
        Construit(TTypeInstrument::Aucun);
    }
    void TearDown() override
    {
        EXPECT_TRUE(Reponses.empty());
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
    }

    // A valid design of the form, with the script's hooks (building a design resets them).
    static void Construit(TTypeInstrument forme)
    {
        ConstruitFormeValide(forme);
        Notifications.Bip = [](int genre) { ++(genre == BipExclamation ? BipsExclamation : BipsDefaut); };
        Notifications.DemandeDistanceFoyerDioptre = &RepondDistance;
    }

    // Newton F1 1000 at its prime focus, with the given conic constant and aperture.
    static void Newton(double conique, double diametre = 200)
    {
        Construit(TTypeInstrument::Newton);
        Instrument.DiametreEntree = diametre;
        Instrument.DiametreSecondaire = 0;
        Instrument.DistanceSecondaireFoyer = 0;
        Instrument.CoefficientDeformationPrimaire = conique;
        Instrument.CoefficientDeformationPrimaire2 = conique == -1 ? -1 : 0; // a sphere keeps its h^6 term
        VerifieValidite();
        ASSERT_TRUE(Validite.InstrumentValide);
    }
};

TEST_F(PrepareSystemeTest, LesFormesAMiroirSimpleOntLeurFoyerSansTracerDeRayon)
{
    for (TTypeInstrument forme : {TTypeInstrument::Newton, TTypeInstrument::Schmidt, TTypeInstrument::SchmidtNewton})
    {
        SCOPED_TRACE(static_cast<int>(forme));
        Construit(forme);
        Instrument.FocalePrimaire = 1234.5;
        Rayon.XRayon = Rayon.ZRayon = 777.0;
        Edition.AMettreAJour = false;
        CalculeFoyer();
        EXPECT_EQ(Systeme.PositionFoyer, 1234.5);
        EXPECT_EQ(Instrument.FocaleEffective, 1234.5);
        EXPECT_EQ(Rayon.XRayon, 777.0);
        EXPECT_EQ(Rayon.ZRayon, 777.0);
        EXPECT_FALSE(Edition.AMettreAJour);
    }
}

// A paraboloid focuses every on-axis ray at F1: the search's first trace, exactly on the start
// value, already meets the image on the axis. A start shift of 1e-4 mm or less is no start shift.
TEST_F(PrepareSystemeTest, UnParaboloideSeResoutAuPremierTraceSurLeDepartNul)
{
    for (double initial : {0.0, 1e-4, -1e-4})
    {
        SCOPED_TRACE(initial);
        Newton(-1);
        Systeme.DecalageFoyerInitial = initial;
        PrepareSysteme();
        EXPECT_EQ(Systeme.DecalageFoyer, 0.0);
        EXPECT_NEAR(Instrument.FocaleEffective, 1000.0, 1e-3);
        EXPECT_FALSE(Systeme.CalculEchoue);
    }
}

// A sphere focuses the zone of height y, sin(theta) = y / R, at R / (2 cos(theta)) from its centre:
// short of F1 = R / 2 by the spherical aberration.
TEST_F(PrepareSystemeTest, UnMiroirSpheriqueFocaliseLaZoneDeReferenceEnDecaDuFoyerParaxial)
{
    Newton(0);
    PrepareSysteme();
    const double r = 2000.0;
    const double sinus = Systeme.DistanceAxeRayonFoyer * 200.0 / r;
    const double attendu = r / 2.0 - r / (2.0 * std::sqrt(1.0 - sinus * sinus));
    EXPECT_NEAR(attendu, -0.9388, 1e-4);
    EXPECT_NEAR(Systeme.DecalageFoyer, attendu, 2e-4);
    EXPECT_FALSE(Systeme.CalculEchoue);
}

// The classical Cassegrain (paraboloid and confocal hyperboloid) has no spherical aberration: the
// solved image lies at the back focus B behind the primary's vertex, and F = m F1.
TEST_F(PrepareSystemeTest, UnCassegrainClassiqueFocaliseAuDegagementPrevu)
{
    Construit(TTypeInstrument::Cassegrain);
    const double f1 = 800, f = 3000, b = 150, m = f / f1;
    const double p = (f1 + b) / (m + 1); // secondary in front of the primary focus
    const double r2 = 2 * m * p / (m - 1);
    const double conique = -std::pow((m + 1) / (m - 1), 2);
    Instrument.DiametreEntree = 200;
    Instrument.FocalePrimaire = f1;
    Instrument.RayonCourburePrimaire = 2 * f1;
    Instrument.RayonPrimaireCube = std::pow(2 * f1, 3);
    Instrument.RayonPrimairePuissance5 = std::pow(2 * f1, 5);
    Instrument.FocaleResultante = f;
    Instrument.DegagementFoyer = b;
    Instrument.DistanceSecondaireFoyer = p;
    Instrument.DistanceFoyerPrimaireSecondaire = p;
    Instrument.DistanceEntreMiroirs = f1 - p;
    Instrument.RayonCourbureSecondaire = r2;
    Instrument.CoefficientDeformationPrimaire = -1;
    Instrument.CoefficientDeformationPrimaire2 = -1;
    Instrument.CoefficientDeformationSecondaire = conique;
    Instrument.CoefficientDeformationSecondaire2 = std::pow(1 + conique, 2) - 1; // the conic's h^6 term
    Instrument.DiametreSecondaire = 60;
    Instrument.DiametreObstruction = 60;
    Instrument.RayonObstructionCarre = 900;
    Instrument.DiametreTrouCentral = 0;
    Dispositif.CentreDioptre[0] = f1 - p + r2;
    VerifieValidite();
    ASSERT_TRUE(Validite.InstrumentValide);
    PrepareSysteme();
    EXPECT_FALSE(Systeme.CalculEchoue);
    EXPECT_NEAR(Systeme.PositionFoyer + Systeme.DecalageFoyer, b, 1e-3);
    EXPECT_NEAR(Instrument.FocaleEffective, f, 0.01 * f);
}

// A Schmidt camera images on the sphere about the mirror's centre of curvature. With k = 1.5 the
// reference ray crosses the plate at its neutral zone, undeviated, and meets the axis at the focus
// the design computed for that zone (rounded to 0.1 mm); the focal length stays the mirror's, R / 2.
TEST_F(PrepareSystemeTest, UneChambreDeSchmidtFocaliseSurSonChampCourbe)
{
    Construit(TTypeInstrument::Schmidt);
    CalculeSchmidt();
    VerifieValidite();
    ASSERT_TRUE(Validite.InstrumentValide);
    ASSERT_TRUE(Instrument.ChampCourbe);
    PrepareSysteme();
    ASSERT_FALSE(Systeme.CalculEchoue);
    EXPECT_FALSE(Rayon.RayonBloque);
    const double demiRayon = Instrument.RayonCourburePrimaire / 2.0;
    EXPECT_NEAR(Instrument.FocaleEffective, demiRayon, 0.005 * demiRayon);
    EXPECT_EQ(Systeme.PositionFoyer, Instrument.FocalePrimaire);
    EXPECT_LT(std::abs(Systeme.DecalageFoyer), 0.05 + 1e-3);
}

// Paraxial (y, n u) trace of the Newton and the device as the solver placed it: the focal length
// of the whole system.
double FocaleParaxiale()
{
    double y = 1.0;
    double nu = -AirVert * y / 1000.0; // after the paraboloid, towards its focus
    double z = 0.0;
    for (int i = 1; i <= Dispositif.NombreDioptres; ++i)
    {
        y += nu / Dispositif.IndiceTrace[i] * (Dispositif.SommetDioptre[i] - z);
        z = Dispositif.SommetDioptre[i];
        const double r = Dispositif.RayonDioptre[i];
        if (!EstPlan(r))
            nu -= y * (Dispositif.IndiceTrace[i + 1] - Dispositif.IndiceTrace[i]) / r;
    }
    return -AirVert * 1.0 / nu;
}

// The reference ray traced again through the solved system: its x on the image plane.
double XReferenceSurImage()
{
    Rayon.AngleChamp = Rayon.SinusAngleChamp = 0.0;
    Rayon.CosinusAngleChamp = 1.0;
    Rayon.XDepart = Systeme.DistanceAxeRayonFoyer * Instrument.DiametreEntree;
    Rayon.EstRayonReference = true;
    Rayon.RayonPerdu = false;
    TraceRayon();
    return Rayon.XRayon + (Systeme.PositionFoyer + Systeme.DecalageFoyer - Rayon.ZRayon) * Rayon.LRayon / Rayon.NRayon;
}

// At f/10 the lens's spherical aberration moves the solved image plane too little to matter.
TEST_F(PrepareSystemeTest, AvecUneBarlowLaFocaleDuRayonDeChampEstCelleDuCalculParaxial)
{
    Newton(-1, 100);
    EntreDispositif(Barlow);
    ASSERT_TRUE(Validite.DispositifValide && Validite.DispositifPresent);
    PrepareSysteme();
    ASSERT_FALSE(Systeme.CalculEchoue);
    // The reference ray meets the image plane on the axis, 100 mm behind the last surface.
    EXPECT_LE(std::abs(XReferenceSurImage()), 1e-4);
    const double focale = FocaleParaxiale();
    EXPECT_GT(focale, 1300.0); // a Barlow lengthens the focal length
    EXPECT_NEAR(Instrument.FocaleEffective, focale, 1e-3 * focale);
    EXPECT_NEAR(Systeme.DistanceFoyerDioptre, Dispositif.SommetDioptre[1] - Systeme.PositionFoyer, 1e-12);
}

// The focus offset moves the device once and the image plane twice.
TEST_F(PrepareSystemeTest, LeDecalageDeMiseAuPointDeplaceLeDispositifUneFoisEtLImageDeuxFois)
{
    Newton(-1);
    EntreDispositif(Barlow);
    PrepareSysteme();
    const double sommet = Dispositif.SommetDioptre[1];
    const double image = Systeme.PositionFoyer + Systeme.DecalageFoyer;
    Reglages.DecalageMiseAuPoint = 2.0f;
    PrepareSysteme();
    EXPECT_NEAR(Dispositif.SommetDioptre[1] - sommet, 2.0, 1e-3);
    EXPECT_NEAR(Dispositif.SommetDioptre[2] - Dispositif.SommetDioptre[1], 5.0, 1e-12);
    EXPECT_NEAR(Systeme.PositionFoyer + Systeme.DecalageFoyer - image, 4.0, 1e-3);
}

// Parallel light out: the first surface at the eyepiece's focal length beyond the focus, and the
// magnification F1 / f of the eyepiece.
TEST_F(PrepareSystemeTest, UnOculaireAfocalEstPlaceEtDonneLeGrossissement)
{
    Newton(-1, 100);
    EntreDispositif(Oculaire);
    ASSERT_TRUE(Validite.SystemeAfocal);
    PrepareSysteme();
    ASSERT_FALSE(Systeme.CalculEchoue);
    EXPECT_LE(std::abs(Rayon.LRayon), 1e-7);
    const double focaleOculaire = AirVert * 13.0 / (BK7Vert - AirVert);
    EXPECT_NEAR(Systeme.GrossissementAfocal, 1000.0 / focaleOculaire, 0.01 * 1000.0 / focaleOculaire);
    EXPECT_EQ(Instrument.FocaleEffective, 1000.0); // left as the focus computation set it
    EXPECT_NEAR(Systeme.DistanceFoyerDioptre, Dispositif.SommetDioptre[1] - Systeme.PositionFoyer, 1e-12);
}

// A start so far from the focus that the ray misses the eyepiece: the search asks, beeping, and
// goes on from the distance given.
TEST_F(PrepareSystemeTest, LaRechercheAfocaleDemandeUnNouveauDepartEtRepartDeLui)
{
    Newton(-1);
    EntreDispositif(Oculaire);
    Systeme.DistanceFoyerDioptre = 400;
    Reponses = {30.0};
    PrepareSysteme();
    EXPECT_EQ(Demandes, 1);
    EXPECT_EQ(BipsExclamation, 1);
    EXPECT_EQ(Systeme.DistanceFoyerDioptrePrecedente, 400.0);
    EXPECT_FALSE(Systeme.CalculInterrompu);
    EXPECT_LE(std::abs(Rayon.LRayon), 1e-7);
    EXPECT_GT(Systeme.DistanceFoyerDioptre, 20.0);
    EXPECT_LT(Systeme.DistanceFoyerDioptre, 30.0);
}

// The request opens at every other divergence only; abandoning it stops the computation without
// marking it failed, and a stopped solver then leaves everything as it is.
TEST_F(PrepareSystemeTest, LaDemandeAfocaleUneFoisSurDeuxEtAbandonArreteLeCalcul)
{
    Newton(-1);
    EntreDispositif(Oculaire);
    Systeme.DistanceFoyerDioptre = 400;
    Reponses = {400.0, std::nullopt};
    PrepareSysteme();
    EXPECT_EQ(Demandes, 2);
    EXPECT_EQ(BipsExclamation, 2);
    EXPECT_TRUE(Systeme.CalculInterrompu);
    EXPECT_FALSE(Systeme.CalculEchoue);
    EXPECT_EQ(Systeme.MessageDejaAffiche, 1);

    const TSysteme avant = Systeme;
    const auto sommets = Dispositif.SommetDioptre;
    Validite.DispositifValide = false;
    PrepareSysteme();
    EXPECT_EQ(Demandes, 2);
    EXPECT_FALSE(Validite.DispositifValide); // not even the device was checked again
    EXPECT_EQ(Dispositif.SommetDioptre, sommets);
    EXPECT_EQ(Systeme.DecalageFoyer, avant.DecalageFoyer);
    EXPECT_EQ(Systeme.DistanceFoyerDioptre, avant.DistanceFoyerDioptre);
    EXPECT_EQ(Systeme.GrossissementAfocal, avant.GrossissementAfocal);
}

// A mirror figured almost flat behind its nominal focal length: the image lies a billion kilometres
// away, every 10 mm step brings the ray nearer the axis by a hair, and the search, with or without
// a device, gives up at its trace limit instead of walking on: the computation is marked failed,
// once, with finite values.
TEST_F(PrepareSystemeTest, UneRechercheQuiNAboutitPasEchoueALaLimiteDeTraces)
{
    for (bool dispositif : {false, true})
    {
        SCOPED_TRACE(dispositif);
        Newton(-1);
        Instrument.RayonCourburePrimaire = 2e12;
        Instrument.RayonPrimaireCube = std::pow(2e12, 3);
        Instrument.RayonPrimairePuissance5 = std::pow(2e12, 5);
        if (dispositif)
            EntreDispositif({{RayonPlan, 10, 40, AirVert}});
        VerifieValidite();
        ASSERT_TRUE(Validite.InstrumentValide);
        BipsDefaut = 0;
        PrepareSysteme();
        EXPECT_TRUE(Systeme.CalculEchoue);
        EXPECT_TRUE(Systeme.CalculInterrompu);
        EXPECT_FALSE(Validite.InstrumentValide);
        EXPECT_EQ(BipsDefaut, 1);
        EXPECT_EQ(Demandes, 0);
        EXPECT_NEAR(std::abs(Systeme.DecalageFoyer), 10.0 * LimiteTracesRecherche, 20.0);
    }
}

// A reference ray lost on its way, once a valid design of the form has been traced: a secondary whose sphere is
// narrower than the beam reaching it, a meniscus face of 5 mm radius on a beam of 100 mm or more. No focus is read
// from the ray the valid trace left: the solve fails, and fails alike when it is asked again.
TEST_F(PrepareSystemeTest, UnRayonDeReferencePerduFaitEchouerChaqueResolution)
{
    struct TCas
    {
        TTypeInstrument Forme;
        void (*Rend)();
    };
    const auto secondaire = [] {
        Instrument.RayonCourbureSecondaire = 15;
        Instrument.DiametreSecondaire = 20;
    };
    const auto menisque = [] { Groupe.RayonGroupe[1] = -5; };
    const TCas cas[] = {
        {TTypeInstrument::Cassegrain, secondaire},
        {TTypeInstrument::DallKirkham, secondaire},
        {TTypeInstrument::Maksutov, menisque},
        {TTypeInstrument::MaksutovCassegrain, menisque},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        Construit(c.Forme);
        RederiveForme();
        ASSERT_FALSE(Systeme.CalculEchoue);
        ASSERT_TRUE(Validite.InstrumentValide);
        c.Rend();
        double focale = 0.0;
        for (int resolution = 1; resolution <= 2; ++resolution)
        {
            SCOPED_TRACE(resolution);
            Systeme.CalculInterrompu = false;
            Systeme.CalculEchoue = false;
            Validite.InstrumentValide = true;
            Rayon.EstRayonReference = true;
            PrepareSysteme();
            EXPECT_TRUE(Systeme.CalculEchoue);
            EXPECT_FALSE(Validite.InstrumentValide);
            if (resolution == 2)
            {
                EXPECT_EQ(Instrument.FocaleEffective, focale);
            }
            focale = Instrument.FocaleEffective;
        }
    }
}

} // namespace
