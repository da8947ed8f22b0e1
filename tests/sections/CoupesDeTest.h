// What the tests of the instrument sections share: a two-lens device, the fixture that resets the view's state and
// prints the view's block, and readings of the recorded canvas.
#pragma once

#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "optics/Initialisation.h"
#include "optics/Notifications.h"
#include "platform/CanevasImage.h"
#include "sections/Cadre.h"
#include "sections/CoupeInstrument.h"
#include "sections/Support.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "support/Conception.h"
#include "support/Formes.h"
#include "support/Verres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

// Two separated singlets 40 mm wide, 60 mm before the image: a weak positive lens of BK7, a negative one of F2.
inline void DispositifDeuxLentilles()
{
    Dispositif.NombreDioptres = 4;
    LigneDispositif(1, 200, 4, 40, BK7);
    LigneDispositif(2, -200, 5, 40, Air);
    LigneDispositif(3, -300, 4, 40, F2);
    LigneDispositif(4, 300, 60, 40, Air);
    AppliqueIndices();
    RederiveForme();
}

// A 25 mm eyepiece lens, 20 mm wide, behind the focus: the light leaves it parallel.
inline void DispositifOculaire()
{
    Dispositif.NombreDioptres = 2;
    LigneDispositif(1, 26, 5, 20, BK7);
    LigneDispositif(2, -26, EpaisseurInfinie, 20, Air);
    AppliqueIndices();
    RederiveForme();
}

// Every coordinate of the log inside the bound the sections hold them to.
inline bool CoordonneesBornees(const TCanevasEnregistreur& canevas)
{
    for (const TAppelCanevas& appel : canevas.Journal())
        for (const int v : appel.Valeurs)
            if (std::abs(v) > LimitePx)
                return false;
    return true;
}

// Pixels neither white nor black nor the button face: something of the section was drawn.
inline int PixelsDessines(ICanevas& image)
{
    int n = 0;
    for (int y = 1; y < HauteurBande - 1; ++y)
        for (int x = 1; x < image.Largeur() - 1; ++x)
        {
            const TColor c = image.Pixels(x, y);
            n += c != clWhite && c != clBlack && c != clBtnFace;
        }
    return n;
}

// The focus squares drawn: 3 x 3 boxes, black outline, white inside; their centres.
inline std::vector<TPointCanevas> CarresFoyer(const TCanevasEnregistreur& canevas)
{
    std::vector<TPointCanevas> carres;
    for (const TAppelCanevas& appel : canevas.Journal())
        if (appel.Operation == TOperationCanevas::Rectangle && appel.Valeurs[2] - appel.Valeurs[0] == 3 &&
            appel.Valeurs[3] - appel.Valeurs[1] == 3 && appel.Pinceau.Couleur == clWhite &&
            appel.Stylo.Couleur == clBlack)
            carres.push_back({appel.Valeurs[0] + 1, appel.Valeurs[1] + 1});
    return carres;
}

// The pixels written in exactly that colour (the end pixels of the smoothed lines take the line's colour).
inline std::vector<TPointCanevas> PixelsEnCouleur(const TCanevasEnregistreur& canevas, TColor couleur)
{
    std::vector<TPointCanevas> points;
    for (const TAppelCanevas& appel : canevas.Journal())
        if (appel.Operation == TOperationCanevas::Pixels && appel.Couleur == couleur)
            points.push_back({appel.Valeurs[0], appel.Valeurs[1]});
    return points;
}

// The last rectangle drawn.
inline const TAppelCanevas* DernierRectangle(const TCanevasEnregistreur& canevas)
{
    const TAppelCanevas* dernier = nullptr;
    for (const TAppelCanevas& appel : canevas.Journal())
        if (appel.Operation == TOperationCanevas::Rectangle)
            dernier = &appel;
    return dernier;
}

class CoupeDeTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }
    void SetUp() override
    {
        // The sections draw what the model computes; the model's beeps and questions are its own tests' business.
        Notifications = NotificationsMuettes;
        Controles.Dessin.Width = 762;
        Edition.AMettreAJour = true;
    }

    // Prints the view's block on an A4 page at 600 dpi from y = 1000.
    std::unique_ptr<TCanevasEnregistreur> Imprime()
    {
        auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
        ImpressionEtat.PasLigneImpression = 99;
        ImpressionEtat.MargeImpression = 100;
        ImpressionEtat.EpaisseurTraitImpression = 8;
        MiseEnPage.OrdonneeCourante = 1000;
        MiseEnPage.AbscisseCourante = 100;
        ImprimeCoupeInstrument(*page);
        return page;
    }

    // The current design drawn on screen and printed: something drawn, every coordinate within the bound, the print
    // position past the band and one line, the saved design as it was and nothing that is not a number. The picture
    // is kept in the test's folder under the name given.
    void DessineEtImprimeSansToucherLaConception(const std::string& nom)
    {
        const TConceptionSauvee avant = TConceptionSauvee::Lue();
        TCanevasImage dessin(762, 550);
        DessineCoupeInstrument(dessin);
        EXPECT_TRUE(Controles.Dessin.Visible);
        EXPECT_GT(PixelsDessines(dessin), 500);
        if (const char* dossier = std::getenv("QUIVANE_DOSSIER"))
            dessin.Image().save(QString::fromUtf8(dossier) + "/" + QString::fromStdString(nom) + ".png");
        TCanevasEnregistreur enregistre(762, 550);
        DessineCoupeInstrument(enregistre);
        EXPECT_TRUE(CoordonneesBornees(enregistre));

        const auto page = Imprime();
        EXPECT_TRUE(TexteDessine(*page, {.Texte = "Vue en coupe de l'instrument", .Gras = true}));
        EXPECT_GT(page->Journal().size(), 100u);
        EXPECT_TRUE(CoordonneesBornees(*page));
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 2 * 99 + Bande + 99);

        EXPECT_TRUE(MemeConception(avant, TConceptionSauvee::Lue()));
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
    }

    // The band: 350 pixels of a 762-pixel screen on a 4960-dot page, plus one line.
    const int Bande = static_cast<int>(std::lround(4960 * 350 / 762.0 + 99));
    TServicesDeTest Services;
};
