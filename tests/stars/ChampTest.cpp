// The field analysis: the size rule, the field positions of each mode, coma against third-order theory, the
// luminosity of the fan, the stop on the curved image surface, the eye-pupil search and the memorised copy.
#include "stars/Champ.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Conceptions.h"
#include "doubles/ServicesDeTest.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/TraceRayon.h"
#include "stars/MecaniqueEtoiles.h"

namespace {

constexpr double Pi = std::numbers::pi;

class Champ : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResultatsChamp = {};
        EchecRayonPrincipal = {};
        CourbeMemorisee = {};
    }
    TServicesDeTest Services;
};

// Each case gives the offsets (m, s) of the rays that arrived and the size the rule must give.
TEST(EtenduesTache, LaTailleEstLaPlusGrandeDesTroisMesures)
{
    struct Cas
    {
        const char* nom;
        std::vector<std::pair<double, double>> rayons;
        double taille;
    };
    const std::vector<Cas> cas = {
        {"longueur meridienne", {{-1.0, 0.0}, {1.5, 0.0}}, 2.5},
        {"largeur sagittale", {{0.0, 3.0}, {0.0, -1.0}}, 6.0},
        {"largeur contre longueur", {{-3.0, 4.0}, {3.0, 4.0}}, 8.0},
        // One ray at 1 from the chief image, off the meridian: neither extent reaches the radius.
        {"rayon seul hors meridien", {{-2.0 / std::sqrt(5.0), 1.0 / std::sqrt(5.0)}}, 1.0},
        // The extents start at 0: a single ray measures from the chief image.
        {"un seul cote", {{2.0, 0.0}}, 2.0},
        {"aucun rayon", {}, 0.0},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        TEtenduesTache e;
        for (const auto& [m, s] : c.rayons)
            e.Ajoute(m, s);
        EXPECT_NEAR(e.Taille(), c.taille, 1e-12);
    }
    // The superposed images of two passes: one ray each side.
    TEtenduesTache vert, rouge;
    vert.Ajoute(-1.0, 0.0);
    rouge.Ajoute(2.0, 0.0);
    vert.Combine(rouge);
    EXPECT_DOUBLE_EQ(vert.Taille(), 3.0);
}

// The position column in each field mode: arc minutes, the traced image height, degrees of apparent field.
TEST_F(Champ, LesPositionsSuiventLeModeDuChamp)
{
    NewtonEtoiles(false);
    Reglages.ChampLineaire = false;
    Reglages.RayonChampAngulaire = 600;
    ASSERT_EQ(CalculeAnalyseChamp(), TIssueChamp::Complete);
    for (int j = 0; j < 21; ++j)
        EXPECT_NEAR(ResultatsChamp[j].Position, 30.0 * j, 1e-9) << j;

    Reglages.ChampLineaire = true;
    Reglages.RayonChampLineaire = 20;
    ASSERT_EQ(CalculeAnalyseChamp(), TIssueChamp::Complete);
    EXPECT_NEAR(ResultatsChamp[0].Position, 0.0, 1e-9);
    // A paraboloid's image height is F tan u to within its small distortion.
    for (int j = 1; j < 21; ++j)
        EXPECT_NEAR(ResultatsChamp[j].Position, j, 0.01 * j) << j;

    NewtonOculaire();
    ASSERT_TRUE(Validite.SystemeAfocal);
    Reglages.RayonChampAfocal = 40;
    ASSERT_EQ(CalculeAnalyseChamp(), TIssueChamp::Complete);
    for (int j = 0; j < 21; ++j)
        EXPECT_NEAR(ResultatsChamp[j].Position, 2.0 * j, 1e-9) << j;
}

// A paraboloid is perfect on the axis; off the axis the star image is the coma comet, 3 theta F / (16 N^2) long.
TEST_F(Champ, LaTailleSuitLaComaDuParaboloide)
{
    NewtonEtoiles(false);
    Reglages.ChampLineaire = false;
    Reglages.RayonChampAngulaire = 10;
    ASSERT_EQ(CalculeAnalyseChamp(), TIssueChamp::Complete);
    EXPECT_LT(ResultatsChamp[0].TailleVert, 1e-6);
    const double theta = 10.0 * Pi / 10800.0;
    const double coma = 3.0 * theta * 1000.0 / (16.0 * 5.0 * 5.0);
    EXPECT_NEAR(ResultatsChamp[20].TailleVert, coma, 0.1 * coma);
    EXPECT_NEAR(ResultatsChamp[10].TailleVert, coma / 2.0, 0.1 * coma / 2.0);
    // One pass: the three-colour size is the green one.
    EXPECT_EQ(ResultatsChamp[20].TailleTroisCouleurs, ResultatsChamp[20].TailleVert);
    EXPECT_FALSE(EchecRayonPrincipal[20]);
}

// The luminosity is the arriving share of the 144 rays, of the 432 with three passes. On the axis the flat's
// 50 mm shadow stops the rays of rings 0, 1, 2 (radii 0, 9.1, 18.2 mm): 27 of 144.
TEST_F(Champ, LaLuminositeEstLaPartArriveeDeLEventail)
{
    NewtonEtoiles(false);
    Reglages.RayonChampAngulaire = 10;
    Reglages.ChampLineaire = false;
    ASSERT_EQ(CalculeAnalyseChamp(), TIssueChamp::Complete);
    EXPECT_DOUBLE_EQ(ResultatsChamp[0].Luminosite, 1.0);

    NewtonEtoiles(true);
    ASSERT_EQ(CalculeAnalyseChamp(), TIssueChamp::Complete);
    EXPECT_DOUBLE_EQ(ResultatsChamp[0].Luminosite, 117.0 / 144.0);

    NewtonDispositif(4);
    Reglages.AnalyseChromatique = true;
    ChoisitNombreCouleurs();
    ASSERT_EQ(Systeme.NombreCouleurs, 3);
    ResultatsChamp[0].TailleRouge = -1.0;
    ASSERT_EQ(CalculeAnalyseChamp(), TIssueChamp::Complete);
    EXPECT_DOUBLE_EQ(ResultatsChamp[0].Luminosite, 3.0 * 117.0 / 432.0);
    EXPECT_GE(ResultatsChamp[0].TailleRouge, 0.0);
    // The images of the three colours superposed are at least as large as any one of them.
    for (int j = 0; j < 21; ++j)
    {
        const TResultatChamp& r = ResultatsChamp[j];
        EXPECT_GE(r.TailleTroisCouleurs, std::max({r.TailleVert, r.TailleRouge, r.TailleBleu}) - 1e-12) << j;
    }
}

// The illumination replaces the fan's share only for an obstructed system, a device or a vignetting form; a
// position whose chief ray failed is replaced too.
TEST_F(Champ, LEclairementRemplaceLaLuminositeSelonLeSysteme)
{
    NewtonEtoiles(false);
    EXPECT_FALSE(LuminositeParEclairement());
    for (TResultatChamp& r : ResultatsChamp)
        r.Luminosite = 0.25;
    CalculeLuminositeChamp();
    for (const TResultatChamp& r : ResultatsChamp)
        EXPECT_EQ(r.Luminosite, 0.25);

    NewtonEtoiles(true);
    EXPECT_TRUE(LuminositeParEclairement());
    Reglages.ChampLineaire = false;
    Reglages.RayonChampAngulaire = 30;
    EchecRayonPrincipal[7] = true;
    CalculeLuminositeChamp();
    for (int j = 0; j < 21; ++j)
    {
        SCOPED_TRACE(j);
        EXPECT_NE(ResultatsChamp[j].Luminosite, 0.25);
        EXPECT_GT(ResultatsChamp[j].Luminosite, 0.5);
        EXPECT_LE(ResultatsChamp[j].Luminosite, 1.0);
    }

    // Forms that vignette by themselves use it without obstruction or device.
    struct Cas
    {
        TTypeInstrument forme;
        bool eclairement;
    };
    NewtonEtoiles(false);
    for (const Cas& c : {Cas{TTypeInstrument::Schmidt, true}, Cas{TTypeInstrument::SchmidtNewton, true},
                         Cas{TTypeInstrument::Maksutov, true}, Cas{TTypeInstrument::Lunette, true},
                         Cas{TTypeInstrument::Cassegrain, false}, Cas{TTypeInstrument::MaksutovCassegrain, false}})
    {
        SCOPED_TRACE(static_cast<int>(c.forme));
        Instrument.TypeInstrument = c.forme;
        EXPECT_EQ(LuminositeParEclairement(), c.eclairement);
    }
}

// The Schmidt's rim rays cross the plane of the mirror's centre of curvature about a pupil radius (100 mm) from
// it. An image sphere of 100 mm about that centre catches the fan on the axis, and is missed off the axis. The run
// stops there with one beep, the positions before it filled and the later ones as they were.
TEST_F(Champ, UnRateDuChampCourbeArreteLeCalculSansToucherLaSuite)
{
    SchmidtEtoiles();
    ASSERT_TRUE(Instrument.ChampCourbe);
    Systeme.DecalageFoyer = Instrument.RayonCourburePrimaire - Instrument.FocalePrimaire - 100.0;
    Reglages.ChampLineaire = false;
    Reglages.RayonChampAngulaire = 600;
    constexpr double Marque = -7.0;
    for (TResultatChamp& r : ResultatsChamp)
        r = {Marque, Marque, Marque, Marque, Marque, Marque};

    EXPECT_EQ(CalculeAnalyseChamp(), TIssueChamp::HorsChamp);
    int premiere = 0;
    while (premiere < 21 && ResultatsChamp[premiere].TailleTroisCouleurs != Marque)
        ++premiere;
    ASSERT_GT(premiere, 0);
    ASSERT_LT(premiere, 21);
    for (int j = 0; j < premiere; ++j)
        EXPECT_NEAR(ResultatsChamp[j].Position, 30.0 * j, 1e-9) << j;
    for (int j = premiere + 1; j < 21; ++j)
        EXPECT_EQ(ResultatsChamp[j].Position, Marque) << j;
}

// Bundles of the even positions 2..20, parallel rays 4 mm wide each, whose middle rays cross the axis at `croisement`
// behind the last vertex (at 0); stopped rays keep their fixed values and never widen the pupil.
void RemplitFaisceaux(double croisement)
{
    RayonsEmergentsChamp = {};
    for (std::size_t p = 1; p < RayonsEmergentsChamp.size(); ++p)
    {
        const double l = 0.01 * static_cast<double>(p);
        const double n = std::sqrt(1.0 - l * l);
        auto& rayons = RayonsEmergentsChamp[p][0];
        for (int i = 0; i < 5; ++i)
        {
            const double x0 = -l / n * croisement + (i - 2);
            rayons[static_cast<std::size_t>(i)] = {x0, 0.0, 0.0, l, 0.0, n};
        }
    }
}

TEST_F(Champ, LaPupilleOculaireEstLaTailleDesFaisceaux)
{
    Dispositif.NombreDioptres = 1;
    Dispositif.SommetDioptre[1] = 0.0;
    Systeme.NombreCouleurs = 1;

    RemplitFaisceaux(15.0);
    TPupilleOculaire pupille = CalculePupilleOculaire();
    EXPECT_NEAR(pupille.Distance, 15.0, 0.2);
    EXPECT_NEAR(pupille.Diametre, 4.0, 0.05);

    // Bundles that diverge from the start: the narrowest place is the last vertex itself.
    RemplitFaisceaux(-10.0);
    pupille = CalculePupilleOculaire();
    EXPECT_EQ(pupille.Distance, 0.0);
    EXPECT_NEAR(pupille.Diametre, 2.0 * (2.0 + 0.1 / std::sqrt(1.0 - 0.01) * 10.0), 0.05);
}

TEST_F(Champ, LaCopieMemoriseLaCourbeEtEffaceLaLuminositeDesRayonsPerdus)
{
    for (int j = 0; j < 21; ++j)
        ResultatsChamp[j] = {1.0 * j, 0.01 * j, 0.02 * j, 0.5, 7.0, 8.0};
    EchecRayonPrincipal[4] = true;
    CourbeMemorisee[5].TailleRouge = -3.0;

    CopieCourbeMemorisee(true);
    EXPECT_TRUE(CourbeEstMemorisee());
    EXPECT_EQ(CourbeMemorisee[0].TailleVert, 1.0);
    for (int j = 0; j < 21; ++j)
    {
        SCOPED_TRACE(j);
        const TResultatChamp& m = CourbeMemorisee[j + 1];
        EXPECT_EQ(m.Position, 1.0 * j);
        EXPECT_EQ(m.TailleVert, 0.01 * j);
        EXPECT_EQ(m.TailleTroisCouleurs, 0.02 * j);
        EXPECT_EQ(m.Luminosite, j == 4 ? 0.0 : 0.5);
    }
    EXPECT_EQ(CourbeMemorisee[5].TailleRouge, -3.0);

    CopieCourbeMemorisee(false);
    EXPECT_EQ(CourbeMemorisee[0].TailleVert, 0.0);
    EffaceCourbeMemorisee();
    EXPECT_FALSE(CourbeEstMemorisee());
    EXPECT_EQ(CourbeMemorisee[0].TailleVert, 0.0);
}

// An afocal system without magnification has no field angle: nothing is computed.
TEST_F(Champ, UnSystemeAfocalSansGrossissementNeCalculeRien)
{
    NewtonOculaire();
    Systeme.GrossissementAfocal = 0.0;
    ResultatsChamp[3].Position = -2.0;
    EXPECT_EQ(CalculeAnalyseChamp(), TIssueChamp::GrossissementNul);
    EXPECT_EQ(ResultatsChamp[3].Position, -2.0);
}

} // namespace

// The fan goes through the tracer in groups: every ray the analysis keeps leaves the last surface exactly where
// tracing the same fan one ray at a time, after the same chief ray, puts it; on a device, a sphere that rim rays
// miss, a curved image surface and an afocal system.
TEST_F(Champ, LEventailTraceParGroupesDonneLesRayonsUnAUn)
{
    const std::pair<const char*, void (*)()> conceptions[] = {
        {"dispositif", [] { NewtonDispositif(6); }},
        {"petite sphere", NewtonPetiteSphere},
        {"Schmidt", SchmidtEtoiles},
        {"oculaire", NewtonOculaire},
    };
    int arrives = 0, arretes = 0;
    for (const auto& [nom, construit] : conceptions)
    {
        SCOPED_TRACE(nom);
        construit();
        Reglages.AnalyseChromatique = true;
        ChoisitNombreCouleurs();
        ASSERT_EQ(CalculeAnalyseChamp(), TIssueChamp::Complete);
        const bool afocal = Validite.SystemeAfocal;
        const TEventailChamp eventail = EventailChamp();
        for (int j = 0; j < NombrePositionsChamp; j += 2)
        {
            FixeAngleChamp(AngleChampPosition(j, afocal));
            ChargeIndicesCouleur(1);
            Rayon.EstRayonReference = true;
            Rayon.XDepart = 0.0;
            Rayon.YDepart = 0.0;
            EffaceDrapeauxRayon();
            TraceRayon();
            Rayon.EstRayonReference = false;
            for (int passe = 1; passe <= Systeme.NombreCouleurs; ++passe)
            {
                ChargeIndicesCouleur(passe);
                for (std::size_t i = 0; i < eventail.size(); ++i)
                {
                    Rayon.XDepart = eventail[i][0];
                    Rayon.YDepart = eventail[i][1];
                    Rayon.ArretGroupe = false;
                    TraceRayonGrille();
                    const bool arrive = !Rayon.RayonBloque && !Rayon.RayonPerdu;
                    (arrive ? arrives : arretes) += 1;
                    const TRayonEmergent attendu = arrive ? TRayonEmergent{Rayon.XRayon, Rayon.YRayon, Rayon.ZRayon,
                                                                           Rayon.LRayon, Rayon.MRayon, Rayon.NRayon}
                                                          : TRayonEmergent{};
                    const TRayonEmergent& groupe =
                        RayonsEmergentsChamp[static_cast<std::size_t>(j / 2)][static_cast<std::size_t>(passe - 1)][i];
                    SCOPED_TRACE(testing::Message() << "position " << j << " passe " << passe << " rayon " << i);
                    // Exact equality: the same operations in the same order, whichever path traced the ray.
                    EXPECT_EQ(groupe.X, attendu.X);
                    EXPECT_EQ(groupe.Y, attendu.Y);
                    EXPECT_EQ(groupe.Z, attendu.Z);
                    EXPECT_EQ(groupe.L, attendu.L);
                    EXPECT_EQ(groupe.M, attendu.M);
                    EXPECT_EQ(groupe.N, attendu.N);
                }
            }
        }
    }
    EXPECT_GT(arrives, 1000);
    EXPECT_GT(arretes, 100);
}
