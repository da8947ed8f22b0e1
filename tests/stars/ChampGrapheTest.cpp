// The field-analysis graph: its tick table and scales, the settings it bounds, the segments it leaves out, and
// the whole view drawn for a Newton and for an invalid design.
#include "stars/GrapheChamp.h"

#include <gtest/gtest.h>

#include "Conceptions.h"
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "stars/Champ.h"
#include "stars/ChampDessin.h"
#include "stars/ChampTextes.h"
#include "support/Formes.h"

namespace {

class ChampGraphe : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }
    void SetUp() override
    {
        ResultatsChamp = {};
        CourbeMemorisee = {};
    }
    TServicesDeTest Services;

    // One colour pass on a screen frame: 30 pixels a field unit, 2600 a millimetre of image.
    static void CadreUneCouleur()
    {
        Systeme.NombreCouleurs = 1;
        GrapheChamp.AbscisseOrigine = 30;
        GrapheChamp.OrdonneeAxe = 338;
        GrapheChamp.EchelleChampGraphe = 30.0f;
        GrapheChamp.EchelleTailleGraphe = -2600.0f;
    }
};

TEST(GraduationChamp, LePasEtLaPeriodeSuiventLeRayon)
{
    struct Cas
    {
        int rayon, pas, periode;
    };
    for (const Cas& c : {Cas{1, 1, 5}, Cas{29, 1, 5}, Cas{30, 5, 2}, Cas{119, 5, 2}, Cas{120, 10, 5}, Cas{299, 10, 5},
                         Cas{300, 50, 1}, Cas{5000, 50, 1}})
    {
        SCOPED_TRACE(c.rayon);
        EXPECT_EQ(GraduationChamp(c.rayon).Pas, c.pas);
        EXPECT_EQ(GraduationChamp(c.rayon).Periode, c.periode);
    }
}

// The 312-pixel size axis: integer quotients, so the 72' scale covers 288 pixels. Amplitudes a design file may
// bring outside the choices go to the nearest one instead of dividing by zero.
TEST_F(ChampGraphe, LesEchellesDeTailleSontDesQuotientsEntiers)
{
    struct Cas
    {
        bool afocal;
        int amplitude;
        float echelle;
    };
    for (const Cas& c : {Cas{false, 12, -2600}, Cas{false, 24, -1300}, Cas{false, 60, -520}, Cas{false, 150, -208},
                         Cas{false, 0, -2600}, Cas{false, 100, -520}, Cas{false, 1000, -208}, Cas{true, 24, -13},
                         Cas{true, 72, -4}, Cas{true, 0, -13}, Cas{true, 500, -4}})
    {
        SCOPED_TRACE(std::to_string(c.afocal) + " " + std::to_string(c.amplitude));
        (c.afocal ? Reglages.AmplitudeChampAfocal : Reglages.AmplitudeChamp) = c.amplitude;
        EXPECT_EQ(EchelleTailleEcran(c.afocal, 312), c.echelle);
    }
}

// A segment is drawn when more than a tenth of the fan reached the image at its far end; the point ticks follow
// the same rule. Position 11 has exactly a tenth: the segment 10-11 and its tick are left out.
TEST_F(ChampGraphe, LesSegmentsSautentLesPositionsPeuEclairees)
{
    CadreUneCouleur();
    for (int j = 0; j < 21; ++j)
        ResultatsChamp[j] = {1.0 * j, 0.001 * j, 0.001 * j, j == 11 ? 0.1 : j > 11 ? 0.5 : 1.0, 0, 0};
    TCanevasEnregistreur canevas(762, 400);
    DessineCourbesTailles(canevas, TTraitsGraphe{});

    std::vector<std::pair<int, int>> segments;
    std::vector<int> ticks;
    const auto& journal = canevas.Journal();
    for (std::size_t k = 1; k < journal.size(); ++k)
    {
        if (journal[k].Operation != TOperationCanevas::LineTo || journal[k - 1].Operation != TOperationCanevas::MoveTo)
            continue;
        EXPECT_EQ(journal[k].Stylo.Couleur, clBlack);
        const int xa = journal[k - 1].Valeurs[0];
        const int xb = journal[k].Valeurs[0];
        if (xa == xb)
            ticks.push_back(xa);
        else
            segments.emplace_back(xa, xb);
    }
    EXPECT_EQ(segments.size(), 19u);
    EXPECT_EQ(ticks.size(), 19u);
    for (const auto& [xa, xb] : segments)
        EXPECT_FALSE(xa == 30 + 300 && xb == 30 + 330);
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), 30 + 330), 0);
    EXPECT_EQ(std::count(ticks.begin(), ticks.end(), 30 + 360), 1);
}

// The memorised size curve is shaded on screen, where it must read apart from the present curves, and drawn in
// plain lines on paper.
TEST_F(ChampGraphe, LaCourbeMemoriseeEstLisseALEcranEtSimpleSurPapier)
{
    CadreUneCouleur();
    for (int j = 0; j < 21; ++j)
        CourbeMemorisee[static_cast<std::size_t>(j + 1)] = {1.0 * j, 0.003 * j, 0.003 * j, 1.0, 0, 0};
    for (const bool papier : {false, true})
    {
        SCOPED_TRACE(papier);
        TCanevasEnregistreur canevas(762, 400);
        TTraitsGraphe traits;
        traits.Papier = papier;
        DessineCourbeMemoriseeTailles(canevas, traits);
        int pixels = 0, lignes = 0, nuances = 0;
        for (const auto& o : canevas.Journal())
        {
            if (o.Operation == TOperationCanevas::Pixels)
            {
                ++pixels;
                nuances += o.Couleur != 0xFF00FF;
            }
            lignes += o.Operation == TOperationCanevas::LineTo;
        }
        if (papier)
        {
            EXPECT_EQ(lignes, 20);
            EXPECT_EQ(pixels, 0);
        }
        else
        {
            EXPECT_EQ(lignes, 0);
            EXPECT_GT(nuances, 100) << "shaded pixels beside the curve's own colour";
        }
    }
}

// The linear radius of a Schmidt beyond its fully illuminated field is lowered for the graph, which stores nothing;
// the refresh keeps the lowered radius in the setting, whatever view it draws.
TEST_F(ChampGraphe, LeRayonLineaireDuSchmidtEstBorneParLeRafraichissement)
{
    SchmidtEtoiles();
    Reglages.ChampLineaire = true;
    const double demiChamp = Instrument.DiametreChampPleineLumiere / 2.0;
    ASSERT_GT(demiChamp, 2.0);
    const int borne = static_cast<int>(demiChamp);
    Reglages.RayonChampLineaire = 10 * borne;

    EXPECT_EQ(RayonChampGrapheCourant(), borne);
    EXPECT_EQ(Reglages.RayonChampLineaire, 10 * borne);
    FixeReglagesVues();
    EXPECT_EQ(Reglages.RayonChampLineaire, borne);
    // In the angular mode the linear radius is left as it is.
    Reglages.RayonChampLineaire = 10 * borne;
    Reglages.ChampLineaire = false;
    FixeReglagesVues();
    EXPECT_EQ(Reglages.RayonChampLineaire, 10 * borne);
    Reglages.ChampLineaire = true;

    // Within 10 % of the field the radius stays; a radius of 0 reads as 1.
    Reglages.RayonChampLineaire = borne + 1;
    EXPECT_EQ(RayonChampGrapheCourant(), borne + 1);
    Reglages.ChampLineaire = false;
    Reglages.RayonChampAngulaire = 0;
    EXPECT_EQ(RayonChampGrapheCourant(), 1);
    // From 120' the caption names degrees, and so do the labels.
    EXPECT_EQ(EtiquetteChamp(30, 120), "0.5");
    EXPECT_EQ(EtiquetteChamp(30, 119), "30");
}

TEST_F(ChampGraphe, LaVueDessineLeGrapheDuNewton)
{
    NewtonEtoiles(true);
    Reglages.AmplitudeChamp = 12;
    Reglages.ChampLineaire = false;
    Reglages.RayonChampAngulaire = 30;
    TCanevasEnregistreur canevas(762, 550);
    TFenetreChamp fenetre;
    fenetre.Dessin = &canevas;
    DessineAnalyseChamp(fenetre);

    EXPECT_TRUE(fenetre.CopieActive);
    EXPECT_FALSE(fenetre.CourbeActive);
    EXPECT_TRUE(fenetre.ZoomMoinsActif);
    EXPECT_FALSE(fenetre.ZoomPlusActif);
    EXPECT_TRUE(TexteDessine(
        canevas, {.Texte = "Plus grande dimension des images stellaires", .Y = 1, .Hauteur = -16, .Gras = true}));
    EXPECT_TRUE(TexteDessine(canevas, {.Texte = "Distance à l'axe en minutes d'arc sur le ciel"}));
    EXPECT_TRUE(TexteDessine(canevas, {.Texte = "Distance focale = 1000.0 mm", .X = 30, .Y = 358}));
    EXPECT_TRUE(TexteDessine(canevas, {.Texte = "50%", .Couleur = clBlue}));
    EXPECT_TRUE(TexteDessine(canevas, {.Texte = "µm", .Y = 1}));
    // The field radius falls at 95 % of the axis.
    EXPECT_FLOAT_EQ(GrapheChamp.EchelleChampGraphe, 725 * 0.95f / 30);
    EXPECT_NEAR(ResultatsChamp[20].Position, 30.0, 1e-9);
    EXPECT_GT(ResultatsChamp[20].TailleVert, 0.0);
}

TEST_F(ChampGraphe, UneConceptionInvalideNeMontreQueLeMessage)
{
    TCanevasEnregistreur canevas(762, 550);
    TFenetreChamp fenetre;
    fenetre.Dessin = &canevas;
    ResultatsChamp[4].TailleVert = 3.0;
    DessineAnalyseChamp(fenetre);
    const auto textes = canevas.Textes();
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(textes[0].Texte, "Les données sont incomplètes ou incohérentes.");
    EXPECT_FALSE(fenetre.CopieActive);
    EXPECT_EQ(ResultatsChamp[4].TailleVert, 0.0);
}

// Curves larger than the scale stop at the graph's top: the title and the legend above it stay clear. Only the
// legend's own strokes and the size axis with its ticks reach there.
TEST_F(ChampGraphe, LesCourbesRestentSousLeTitreEtLaLegende)
{
    NewtonEtoiles(true);
    Reglages.AmplitudeChamp = 12;
    Reglages.ChampLineaire = false;
    Reglages.RayonChampAngulaire = 90;
    TCanevasEnregistreur canevas(762, 550);
    TFenetreChamp fenetre;
    fenetre.Dessin = &canevas;
    DessineAnalyseChamp(fenetre);
    ASSERT_LT(GrapheChamp.OrdonneeAxe + ResultatsChamp[20].TailleVert * GrapheChamp.EchelleTailleGraphe, 0)
        << "la courbe doit dépasser l'échelle";
    const auto& journal = canevas.Journal();
    int segments = 0;
    for (std::size_t k = 1; k < journal.size(); ++k)
    {
        if (journal[k].Operation != TOperationCanevas::LineTo || journal[k - 1].Operation != TOperationCanevas::MoveTo)
            continue;
        const int xa = journal[k - 1].Valeurs[0];
        const int ya = journal[k - 1].Valeurs[1];
        const int xb = journal[k].Valeurs[0];
        const int yb = journal[k].Valeurs[1];
        if (std::min(ya, yb) >= 34)
            continue;
        const bool axe = std::max(xa, xb) <= GrapheChamp.AbscisseOrigine;
        const bool legende = std::min(ya, yb) >= 20 && std::max(ya, yb) <= 30;
        EXPECT_TRUE(axe || legende) << xa << "," << ya << " - " << xb << "," << yb;
        ++segments;
    }
    EXPECT_GT(segments, 0);
}

// Every graph that draws a luminosity curve names it in its legend: the Maksutov camera's angular graph too.
TEST_F(ChampGraphe, LaLegendeNommeLaLuminositeDesQuElleEstTracee)
{
    for (const TTypeInstrument forme : FormesInstrument)
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ConstruitFormeValide(forme);
        VerifieInstrument();
        VerifieDispositif();
        EXPECT_TRUE(!LuminositeParEclairement() || LuminositeLegendeEntree());
    }
}

} // namespace

// Every form's test design sends light to the image across the inner 40 % of its default field (the Maksutov camera's
// fully illuminated field ends near the half): a star image at each position and most of the pupil's light on the
// axis. A design whose rays are all stopped (a Gregory without its
// hole, a flat whose plane was never set, a camera mirror narrower than its beam) gives an empty analysis.
TEST_F(ChampGraphe, ChaqueConceptionDeTestDonneUneCourbe)
{
    for (const TTypeInstrument forme : FormesInstrument)
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ConstruitFormeDerivee(forme);
        ASSERT_TRUE(Validite.InstrumentValide);
        TCanevasEnregistreur canevas(762, 550);
        TFenetreChamp fenetre;
        fenetre.Dessin = &canevas;
        DessineAnalyseChamp(fenetre);
        EXPECT_GT(ResultatsChamp[0].Luminosite, 0.5);
        for (int j = 1; j <= 8; ++j)
        {
            SCOPED_TRACE(j);
            EXPECT_FALSE(EchecRayonPrincipal[static_cast<std::size_t>(j)]);
            EXPECT_GT(ResultatsChamp[static_cast<std::size_t>(j)].TailleVert, 0.0);
            EXPECT_GT(ResultatsChamp[static_cast<std::size_t>(j)].Luminosite, 0.0);
        }
    }
}
