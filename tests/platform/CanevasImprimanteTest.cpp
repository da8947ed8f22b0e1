// The printer canvas: a two-page PDF read back as text, Greek letters included; a document that cannot open.
#include "platform/CanevasImprimante.h"

#include "doubles/CanevasEnregistreur.h"
#include "doubles/TextePdf.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
class CanevasImprimante : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }

    void SetUp() override
    {
        ASSERT_TRUE(Dossier.isValid());
        Imprimante.setOutputFormat(QPrinter::PdfFormat);
        Imprimante.setResolution(600);
        Imprimante.setOutputFileName(Chemin);
    }

    QTemporaryDir Dossier;
    QString Chemin = Dossier.filePath("rapport.pdf");
    QPrinter Imprimante{QPrinter::HighResolution};
};

TEST_F(CanevasImprimante, UnRapportDeDeuxPagesSeRelitAvecSesTextes)
{
    TCanevasImprimante impression(Imprimante);
    impression.FixeTitre("Quivane - Impression");
    ASSERT_TRUE(impression.Debute());
    EXPECT_EQ(impression.Resolution(), 600);
    // A4 at 600 dpi is 4961 dots wide; the printable width lies within it.
    EXPECT_GT(impression.LargeurPage(), 4000);
    EXPECT_LE(impression.LargeurPage(), 4961);
    EXPECT_GT(impression.HauteurPage(), impression.LargeurPage());

    ICanevas& canevas = impression.Canevas();
    canevas.Police().FixeTaille(13);
    canevas.Police().Gras = true;
    canevas.TextOut(100, 100, "Télescope de Newton");
    canevas.Police().FixeTaille(9);
    canevas.Police().Gras = false;
    const int ligne = canevas.TextHeight("Bp");
    canevas.TextOut(100, 100 + 2 * ligne, "Tache de diffraction pour");
    canevas.Police().Nom = "Symbol";
    canevas.TextOut(100 + canevas.TextWidth("Tache de diffraction pour  "), 100 + 2 * ligne, "l");
    canevas.Police().Nom = "Arial";
    canevas.Stylo().Epaisseur = impression.Resolution() / 72;
    canevas.MoveTo(100, 100 + 4 * ligne);
    canevas.LineTo(2000, 100 + 4 * ligne);
    canevas.Rectangle(100, 2000, 600, 2400);
    canevas.Ellipse(700, 2000, 708, 2008);
    canevas.Arc(700, 2100, 900, 2300, 800, 2400, 800, 2000);

    impression.NouvellePage();
    canevas.TextOut(0, 0, "Suite de : essai.qvd");
    canevas.Police().Nom = "Symbol";
    canevas.TextOut(100, 3 * ligne, "r = 2 Û F");
    impression.Termine();

    const std::vector<std::string> pages = PagesPdf(Chemin.toStdString());
    ASSERT_GE(pages.size(), 2u);
    EXPECT_NE(pages[0].find("Télescope de Newton"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("Tache de diffraction pour"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("λ"), std::string::npos) << pages[0];
    EXPECT_EQ(pages[0].find("Suite de"), std::string::npos) << pages[0];
    EXPECT_NE(pages[1].find("Suite de : essai.qvd"), std::string::npos) << pages[1];
    for (const char* grec : {"ρ", "⇔", "Φ"})
        EXPECT_NE(pages[1].find(grec), std::string::npos) << grec << " in " << pages[1];
    for (size_t i = 2; i < pages.size(); ++i)
        EXPECT_EQ(pages[i].find_first_not_of(" \n"), std::string::npos) << "page " << i + 1;
}

TEST_F(CanevasImprimante, LesMesuresSuiventLaResolutionDeLImprimante)
{
    // Nine points are 75 dots of character height at 600 dpi: the text cell is a little taller.
    TCanevasImprimante impression(Imprimante);
    impression.Canevas().Police().FixeTaille(9);
    const int hauteur = impression.Canevas().TextHeight("Bp");
    EXPECT_GE(hauteur, 75);
    EXPECT_LE(hauteur, 100);
    impression.Canevas().Police().FixeHauteur(-75);
    EXPECT_EQ(impression.Canevas().TextHeight("Bp"), hauteur);
}

TEST_F(CanevasImprimante, UnDocumentQuiNePeutSOuvrirLeDit)
{
    // A folder cannot be made under a regular file, whoever runs the test.
    const QString fichier = Dossier.filePath("fichier");
    FILE* flux = std::fopen(fichier.toStdString().c_str(), "w");
    ASSERT_NE(flux, nullptr);
    std::fclose(flux);
    Imprimante.setOutputFileName(fichier + "/rapport.pdf");
    TCanevasImprimante impression(Imprimante);
    EXPECT_FALSE(impression.Debute());
    impression.Canevas().TextOut(10, 10, "rien");
    impression.Canevas().Rectangle(0, 0, 10, 10);
    impression.NouvellePage();
    impression.Termine();
    EXPECT_EQ(impression.Canevas().Pixels(0, 0), CouleurIllisible);
}
}
