// The printed field analysis: segments cut to the band, the block's place in the report, the settings it leaves
// alone, and the texts a PDF of it gives back.
#include "stars/ImpressionChamp.h"
#include "stars/ChampDessin.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include <array>
#include <string>

#include "Conceptions.h"
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "doubles/TextePdf.h"
#include "optics/Modele.h"
#include "platform/CanevasImprimante.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "stars/Champ.h"
#include "support/Formes.h"

namespace {

constexpr int Marge = 100;
constexpr int PasLigne = 100;
constexpr int Bande = 2378; // Round(4960 x 350 / 762 + 100)

class ChampImpression : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }
    void SetUp() override
    {
        ImpressionEtat.MargeImpression = Marge;
        ImpressionEtat.PasLigneImpression = PasLigne;
        ImpressionEtat.EpaisseurTraitImpression = 8;
        MiseEnPage.OrdonneeCourante = 1000;
        MiseEnPage.AbscisseCourante = 0;
        DocumentFiche.CheminDocument = "/documents/newton.qvd";
    }
    TServicesDeTest Services;
};

// Band top at y = 100, right end at x = 500.
TEST(SegmentBande, LesSegmentsSontCoupesAuHautEtADroite)
{
    struct Cas
    {
        const char* nom;
        std::array<int, 4> segment;
        std::vector<int> trace; // x1, y1, x2, y2, or nothing
    };
    const Cas cas[] = {
        {"dedans", {10, 200, 50, 300}, {10, 200, 50, 300}},
        {"au-dela de la droite", {400, 200, 600, 300}, {400, 200, 500, 250}},
        {"sortant par le haut", {10, 200, 50, 0}, {10, 200, 30, 100}},
        {"entrant par le haut", {50, 0, 10, 200}, {30, 100, 10, 200}},
        {"au-dessus", {10, 50, 50, 0}, {}},
        {"sur le haut", {10, 100, 50, 100}, {}},
        {"a droite", {500, 200, 600, 300}, {}},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        TCanevasEnregistreur canevas(700, 400);
        SegmentBande(canevas, c.segment[0], c.segment[1], c.segment[2], c.segment[3], 100, 500);
        std::vector<int> trace;
        for (const TAppelCanevas& appel : canevas.Journal())
            trace.insert(trace.end(), appel.Valeurs.begin(), appel.Valeurs.end());
        EXPECT_EQ(trace, c.trace);
    }
}

// A Newton at 600' whose coma far exceeds the 0.16 mm scale: its curves rise past the graph and are cut under the
// title and the legend, never crossing them; nothing is drawn outside the band, which the print position then passes.
TEST_F(ChampImpression, LeBlocGardeSesCourbesDansLaBande)
{
    NewtonEtoiles(true);
    Reglages.AmplitudeChamp = 12;
    Reglages.ChampLineaire = false;
    Reglages.RayonChampAngulaire = 600;
    const TReglages reglages = Reglages;
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeAnalyseChamp(*page, false);

    const int haut = 1000 + PasLigne;
    const int sousLegende = haut + PasLigne * 36 / 16;
    const int echantillonsLegende = haut + PasLigne * 20 / 16 + PasLigne / 2; // the legend's sample lines and ticks
    int coupes = 0;
    int traitsDeCourbeAuDessus = 0;
    for (const TAppelCanevas& appel : page->Journal())
    {
        if (appel.Operation != TOperationCanevas::MoveTo && appel.Operation != TOperationCanevas::LineTo)
            continue;
        EXPECT_GE(appel.Valeurs[1], haut);
        EXPECT_LE(appel.Valeurs[1], haut + Bande);
        EXPECT_LE(appel.Valeurs[0], 4960 - Marge);
        if (appel.Operation == TOperationCanevas::LineTo && appel.Stylo.Couleur == clBlack)
        {
            if (appel.Valeurs[1] == sousLegende)
                ++coupes;
            // The size axis rises to the band's top; a curve's segment is anything else reaching the title's row.
            if (appel.Valeurs[1] < echantillonsLegende - PasLigne / 8 && appel.Valeurs[0] > Marge + 4 * PasLigne)
                ++traitsDeCourbeAuDessus;
        }
    }
    EXPECT_GT(coupes, 0);
    EXPECT_EQ(traitsDeCourbeAuDessus, 0);
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, haut + Bande);
    EXPECT_EQ(MiseEnPage.AbscisseCourante, Marge);
    EXPECT_TRUE(
        TexteDessine(*page, {.Texte = "Plus grande dimension des images stellaires", .Taille = 13, .Gras = true}));
    EXPECT_EQ(Reglages.RayonChampAngulaire, reglages.RayonChampAngulaire);
    EXPECT_EQ(Reglages.AmplitudeChamp, reglages.AmplitudeChamp);
}

TEST_F(ChampImpression, UnBlocQuiNeTientPasPasseALaPageSuivante)
{
    NewtonEtoiles(true);
    MiseEnPage.OrdonneeCourante = 7016 - 1000;
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeAnalyseChamp(*page, false);
    EXPECT_TRUE(TexteDessine(*page, {.Texte = "Suite de : newton.qvd", .X = 0, .Y = 0}));
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 2 * PasLigne + Bande);
}

// Printing a Schmidt in the linear mode bounds its radius for the page only.
TEST_F(ChampImpression, LImpressionNeChangeAucunReglage)
{
    SchmidtEtoiles();
    Reglages.ChampLineaire = true;
    Reglages.RayonChampLineaire = 1000;
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeAnalyseChamp(*page, true);
    EXPECT_EQ(Reglages.RayonChampLineaire, 1000);
    EXPECT_TRUE(TexteDessine(*page, {.Texte = "Distance à l'axe en mm"}));
}

TEST_F(ChampImpression, UneConceptionInvalideNImprimeRien)
{
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeAnalyseChamp(*page, false);
    EXPECT_TRUE(page->Journal().empty());
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000);
}

TEST_F(ChampImpression, LeBlocSeRelitDansLePdf)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("champ.pdf");
    QPrinter imprimante{QPrinter::HighResolution};
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setResolution(600);
    imprimante.setOutputFileName(chemin);

    NewtonEtoiles(true);
    Reglages.ChampLineaire = false;
    Reglages.RayonChampAngulaire = 30;
    {
        TCanevasImprimante impression(imprimante);
        ASSERT_TRUE(impression.Debute());
        ImprimeAnalyseChamp(impression, false);
        impression.Termine();
    }
    const std::string texte = TextePdf(chemin.toStdString());
    for (const char* attendu :
         {"Plus grande dimension des images stellaires", "Distance à l'axe en minutes d'arc sur le ciel",
          "Distance focale = 1000.0 mm", "Dimension avec N vert", "Luminosité", "50%"})
    {
        SCOPED_TRACE(attendu);
        EXPECT_NE(texte.find(attendu), std::string::npos) << texte;
    }
}

} // namespace
