// The refractor's section with the real tracer: drawn and printed in both modes with and without a lens device, the
// box that switches them by a click, the objective's beam cut by a narrow surface, the focus mark beside a close
// device and an afocal device's rays.
#include "CoupesDeTest.h"
#include "optics/Validite.h"

#include <algorithm>
#include <string>

namespace {

using T = TTypeInstrument;

class CoupeLunette : public CoupeDeTest
{};

// The box's plus stroke: the middle column of the box, above and below the minus stroke.
bool SignePlus(TCanevasImage& dessin)
{
    return dessin.Pixels(5, 2) == clBlack && dessin.Pixels(5, 6) == clBlack;
}

bool SigneMoins(TCanevasImage& dessin)
{
    for (int x = 2; x < 8; ++x)
        if (dessin.Pixels(x, 4) != clBlack)
            return false;
    return dessin.Pixels(0, 0) == clBlack && dessin.Pixels(10, 9) == clBlack && dessin.Pixels(11, 5) != clBlack;
}

TEST_F(CoupeLunette, SeDessineEtSImprimeDansLesDeuxModesSansToucherLaConception)
{
    for (const bool objectif : {false, true})
        for (const bool dispositif : {false, true})
        {
            const std::string nom = std::string("lunette") + (objectif ? "-objectif" : "") + (dispositif ? "-d" : "");
            SCOPED_TRACE(nom);
            ConstruitFormeDerivee(T::Lunette);
            if (dispositif)
                DispositifDeuxLentilles();
            Edition.LongueurTotaleAffichee = objectif;
            ASSERT_TRUE(Validite.InstrumentValide);
            ASSERT_EQ(Validite.DispositifPresent, dispositif);
            DessineEtImprimeSansToucherLaConception(nom);
            EXPECT_EQ(Controles.Dessin.Height, 550);
        }
}

TEST_F(CoupeLunette, LaCaseMontreLeModeQuiAgranditLObjectifOuMontreLInstrument)
{
    ConstruitFormeDerivee(T::Lunette);
    DispositifDeuxLentilles();
    TCanevasImage entier(762, 550);
    DessineCoupeInstrument(entier);
    EXPECT_TRUE(SigneMoins(entier));
    EXPECT_TRUE(SignePlus(entier));
    // The whole instrument ends 10 pixels from the right edge, its device and edge rays drawn.
    EXPECT_EQ(RepereDessin.AbscisseOrigine + Arrondi(Instrument.LongueurInstrument * RepereDessin.EchelleDessin),
              762 - 10);
    TCanevasEnregistreur entierEnregistre(762, 550);
    DessineCoupeInstrument(entierEnregistre);
    const std::vector<TPointCanevas> rayons = PixelsEnCouleur(entierEnregistre, CouleurRouge);
    const int xDispositif =
        RepereDessin.AbscisseOrigine + Arrondi(Dispositif.SommetDioptre[1] * RepereDessin.EchelleDessin);
    EXPECT_TRUE(std::any_of(rayons.begin(), rayons.end(), [&](TPointCanevas p) { return p.X > xDispositif + 2; }));

    // What a click in the box does.
    Edition.LongueurTotaleAffichee = true;
    TCanevasEnregistreur objectif(762, 550);
    DessineCoupeInstrument(objectif);
    TCanevasImage image(762, 550);
    DessineCoupeInstrument(image);
    EXPECT_TRUE(SigneMoins(image));
    EXPECT_FALSE(SignePlus(image));
    // The objective alone fills the band's height, centred.
    const float s = RepereDessin.EchelleDessin;
    EXPECT_FLOAT_EQ(s, static_cast<float>(330 / Instrument.EncombrementLateral));
    EXPECT_EQ(RepereDessin.AbscisseOrigine, (762 - Arrondi(Instrument.LongueurTotale * s)) / 2);
    // No device: nothing drawn in the device's tints, the beam runs on to the focus beyond the band.
    EXPECT_TRUE(PixelsEnCouleur(objectif, CouleurVertClair).empty());
    EXPECT_FALSE(PixelsEnCouleur(objectif, CouleurRouge).empty());
    const int finObjectif = RepereDessin.AbscisseOrigine + Arrondi(Instrument.LongueurTotale * s) + 8;
    for (const TAppelCanevas& appel : objectif.Journal())
    {
        if (appel.Operation == TOperationCanevas::Pixels && appel.Valeurs[0] > finObjectif)
        {
            EXPECT_TRUE(appel.Couleur != Reglages.TeinteVerre[0] && appel.Couleur != Reglages.TeinteVerre[1]);
        }
    }

    // The printed section follows the mode, without the box.
    for (const bool mode : {true, false})
    {
        SCOPED_TRACE(mode ? "printed objective" : "printed whole instrument");
        Edition.LongueurTotaleAffichee = mode;
        const auto page = Imprime();
        const int largeur = 4960;
        for (const TAppelCanevas& appel : page->Journal())
        {
            EXPECT_FALSE(appel.Operation == TOperationCanevas::Rectangle && appel.Valeurs[2] - appel.Valeurs[0] == 11);
        }
        const int longueur =
            Tronque((mode ? Instrument.LongueurTotale : Instrument.LongueurInstrument) * RepereDessin.EchelleDessin);
        const int m = page->TextWidth("M");
        EXPECT_EQ(RepereDessin.AbscisseOrigine, mode ? (largeur - longueur) / 2 : largeur - 100 - m - longueur);
    }
}

TEST_F(CoupeLunette, LeFaisceauDeLObjectifDevientBleuALaPremiereSurfaceTropEtroite)
{
    for (const double diametre : {100.0, 60.0})
    {
        SCOPED_TRACE(diametre);
        ConstruitFormeDerivee(T::Lunette);
        // The last surface narrower than the beam of 100 mm: from the segment that reaches it the beam is blue.
        Groupe.DiametreGroupe[3] = diametre;
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        const std::vector<TPointCanevas> bleus = PixelsEnCouleur(dessin, CouleurBleuCiel);
        EXPECT_EQ(bleus.empty(), diametre == 100.0);
        const int x2 = RepereDessin.AbscisseOrigine + Arrondi(Groupe.SommetGroupe[2] * RepereDessin.EchelleDessin);
        for (const TPointCanevas p : bleus)
            EXPECT_GE(p.X, x2 - 3);
    }
}

TEST_F(CoupeLunette, UneImageTropProcheDuDernierElementNeDitPasFr)
{
    for (const double tirage : {60.0, 5.0})
    {
        SCOPED_TRACE(tirage);
        ConstruitFormeDerivee(T::Lunette);
        DispositifDeuxLentilles();
        Dispositif.EpaisseurDioptre[4] = tirage;
        RederiveForme();
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        const int xImage = RepereDessin.AbscisseOrigine +
                           Arrondi((Systeme.PositionFoyer + Systeme.DecalageFoyer) * RepereDessin.EchelleDessin);
        EXPECT_EQ(TexteDessine(dessin, {.Texte = "Fr"}), tirage > 10);
        const std::vector<TPointCanevas> carres = CarresFoyer(dessin);
        ASSERT_EQ(carres.size(), 1u);
        EXPECT_EQ(carres[0].X, xImage);
    }
}

TEST_F(CoupeLunette, LesRayonsDUnDispositifAfocalVontAuBordDeLaBande)
{
    ConstruitFormeDerivee(T::Lunette);
    DispositifOculaire();
    // The eyepiece searched from just behind the objective's focus.
    Systeme.CalculInterrompu = false;
    Systeme.DistanceFoyerDioptre = 20;
    RederiveForme();
    ASSERT_TRUE(Validite.SystemeAfocal);
    ASSERT_FALSE(Systeme.CalculInterrompu);
    TCanevasEnregistreur dessin(762, 550);
    DessineCoupeInstrument(dessin);
    const std::vector<TPointCanevas> rouges = PixelsEnCouleur(dessin, CouleurRouge);
    ASSERT_FALSE(rouges.empty());
    EXPECT_EQ(std::max_element(rouges.begin(), rouges.end(), [](auto a, auto b) { return a.X < b.X; })->X, 762 - 2);
    EXPECT_TRUE(CarresFoyer(dessin).empty());
    EXPECT_FALSE(TexteDessine(dessin, {.Texte = "Fr"}));
}

} // namespace
