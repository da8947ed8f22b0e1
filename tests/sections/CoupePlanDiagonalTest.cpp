// The sections of the forms whose diagonal flat folds the beam up to a side focus, the Schmidt-Newton (also drawn
// straight without its flat) and the Lurie-Houghton, with the real tracer: drawn and printed with and without a lens
// device, the layout chosen by the flat's distance, the size boxes, the lens group's tints and its cut beam.
#include "CoupesDeTest.h"
#include "optics/Notifications.h"
#include "optics/Validite.h"
#include "sections/CoupeLurieHoughton.h"
#include "sections/CoupeSchmidtNewton.h"

#include <string>

namespace {

using T = TTypeInstrument;

class CoupePlanDiagonal : public CoupeDeTest
{};

// The Schmidt-Newton of the test designs, its plate moved out to 1998 mm so that it stays valid when its flat is
// taken away, the flat then `d` from the focus.
void SchmidtNewton(double d)
{
    ConstruitFormeValide(T::SchmidtNewton);
    Instrument.DistanceLameMiroir = 1998;
    Instrument.DistanceSecondaireFoyer = d;
    if (!(d > 1e-6))
        Instrument.DiametreSecondaire = 0;
    RederiveForme();
}

// Whether a flat was drawn: a polygon filled in the mirrors' tint.
bool PlanDessine(const TCanevasEnregistreur& canevas)
{
    for (const TAppelCanevas& appel : canevas.Journal())
        if (appel.Operation == TOperationCanevas::Polygon)
            return true;
    return false;
}

TEST_F(CoupePlanDiagonal, ChaqueFormeSeDessineEtSImprimeSansToucherLaConception)
{
    struct TCas
    {
        const char* Nom;
        T Forme;
        double Renvoi; // the Schmidt-Newton's flat-to-focus distance
    };
    for (const TCas c :
         {TCas{"Schmidt-Newton", T::SchmidtNewton, 150}, TCas{"Schmidt-Newton straight", T::SchmidtNewton, 0},
          TCas{"Lurie-Houghton", T::LurieHoughton, 0}})
        for (const bool dispositif : {false, true})
        {
            SCOPED_TRACE(std::string(c.Nom) + (dispositif ? " with a device" : ""));
            if (c.Forme == T::SchmidtNewton)
                SchmidtNewton(c.Renvoi);
            else
                ConstruitFormeDerivee(c.Forme);
            if (dispositif)
                DispositifDeuxLentilles();
            ASSERT_TRUE(Validite.InstrumentValide);
            ASSERT_EQ(Validite.DispositifPresent, dispositif);
            DessineEtImprimeSansToucherLaConception(std::string(c.Nom) + (dispositif ? "-d" : ""));
        }
}

TEST_F(CoupePlanDiagonal, UnMillioniemeDeMillimetreNePlieRienPlusLeFaitPlier)
{
    for (const double d : {1e-6, 1.1e-6})
    {
        SCOPED_TRACE(d);
        SchmidtNewton(150);
        Instrument.DistanceSecondaireFoyer = d;
        RederiveForme();
        ASSERT_TRUE(Validite.InstrumentValide);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        ASSERT_GT(RepereDessin.EchelleDessin, 0);
        EXPECT_EQ(PlanDessine(dessin), d > 1e-6);
        // Straight, the focus lies on the axis in the middle of the band, "F" to its left.
        const std::vector<TPointCanevas> carres = CarresFoyer(dessin);
        ASSERT_EQ(carres.size(), 1u);
        if (d > 1e-6)
        {
            EXPECT_TRUE(TexteDessine(dessin, {.Texte = "F", .X = carres[0].X + 5}));
        }
        else
        {
            EXPECT_EQ(RepereDessin.OrdonneeAxe, 175);
            EXPECT_TRUE(TexteDessine(dessin, {.Texte = "F", .X = carres[0].X - 2 - dessin.TextWidth("F"), .Y = 160}));
        }
    }
}

TEST_F(CoupePlanDiagonal, LesRayonsSousUnPlanTropPetitSontBleusEtSaBoiteVeutUnPlanDefini)
{
    // The beam is about 30 mm wide at the flat 150 mm from the focus; without a size the flat is not defined.
    const std::string message = " Le miroir plan est trop petit ";
    for (const float plan : {20.0f, 0.0f})
    {
        SCOPED_TRACE(plan);
        SchmidtNewton(150);
        Instrument.DiametreSecondaire = plan;
        DispositifDeuxLentilles();
        ASSERT_TRUE(Validite.InstrumentValide);
        ASSERT_EQ(Validite.SecondaireDefini, plan > 0);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        EXPECT_NEAR(Instrument.DiametreSecondaireMinimal, 30.4, 0.5);
        EXPECT_FALSE(PixelsEnCouleur(dessin, CouleurBleuCiel).empty());
        EXPECT_EQ(TexteDessine(dessin, {.Texte = message,
                                        .X = 762 - dessin.TextWidth(message),
                                        .Y = 2,
                                        .Couleur = clWhite,
                                        .Fond = CouleurFuchsia}),
                  plan > 0);
    }
}

TEST_F(CoupePlanDiagonal, UnMiroirPlusEtroitQueLeFaisceauSeSignaleEnHautAGaucheDansLesDeuxDispositions)
{
    const std::string message = " Le miroir primaire est trop petit ";
    for (const double d : {150.0, 0.0})
    {
        SCOPED_TRACE(d);
        SchmidtNewton(d);
        Instrument.DiametreMiroir = 200;
        RederiveForme();
        ASSERT_TRUE(Validite.InstrumentValide);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        EXPECT_TRUE(
            TexteDessine(dessin, {.Texte = message, .X = 0, .Y = 2, .Couleur = clWhite, .Fond = CouleurFuchsia}));
    }
}

TEST_F(CoupePlanDiagonal, UnOculaireSansPlanNiRayonsNiDispositif)
{
    SchmidtNewton(0);
    DispositifOculaire();
    ASSERT_TRUE(Validite.SystemeAfocal);
    TCanevasEnregistreur dessin(762, 550);
    DessineCoupeInstrument(dessin);
    ASSERT_TRUE(PorteCoupeOuverte());
    // Neither the eyepiece's glass nor any smoothed ray; the incoming light goes with the beam it would feed.
    for (int y = 0; y < HauteurBande; ++y)
        for (int x = 0; x < 762; ++x)
            ASSERT_NE(dessin.Pixels(x, y), Reglages.TeinteVerre[0]) << x << ", " << y;
    EXPECT_TRUE(PixelsEnCouleur(dessin, CouleurRouge).empty());
    EXPECT_TRUE(PixelsEnCouleur(dessin, CouleurVertClair).empty());
}

TEST_F(CoupePlanDiagonal, LesLentillesDuCorrecteurPartagentLeurTeinteEtLeDispositifRepartDeZero)
{
    // The corrector's two lenses are of BK7; the device's, BK7 then F2.
    ConstruitFormeDerivee(T::LurieHoughton);
    TCanevasImage dessin(762, 550);
    DessineCoupeInstrument(dessin);
    EXPECT_EQ(Dispositif.TeinteDioptre[1], 0);
    EXPECT_EQ(Dispositif.TeinteDioptre[3], 0);
    int premiere = 0, seconde = 0;
    for (int y = 0; y < HauteurBande; ++y)
        for (int x = 0; x < 762; ++x)
        {
            premiere += dessin.Pixels(x, y) == Reglages.TeinteVerre[0];
            seconde += dessin.Pixels(x, y) == Reglages.TeinteVerre[1];
        }
    EXPECT_GT(premiere, 100);
    EXPECT_EQ(seconde, 0);

    // A corrector of two glasses takes slots 0 and 1; the device's first lens takes slot 0 again.
    Groupe.MatiereGroupe[3] = "F2";
    DispositifDeuxLentilles();
    DessineCoupeInstrument(dessin);
    EXPECT_EQ(Dispositif.TeinteDioptre[1], 0);
    EXPECT_EQ(Dispositif.TeinteDioptre[3], 1);
}

TEST_F(CoupePlanDiagonal, UnCorrecteurTropEtroitColoreLeFaisceauEtSeSignaleSurEcranEtSurPapier)
{
    ConstruitFormeDerivee(T::LurieHoughton);
    // The marginal ray meets the second lens's back face at about 100 mm; that face is open over 190 mm.
    Groupe.DiametreGroupe[3] = 190;
    RederiveForme();
    ASSERT_TRUE(Validite.InstrumentValide);
    Controles.Dessin.Left = 12;
    TCanevasEnregistreur dessin(762, 550);
    DessineCoupeInstrument(dessin);
    EXPECT_FALSE(PixelsEnCouleur(dessin, CouleurBleuCiel).empty());
    EXPECT_TRUE(Controles.LabelOcculte.Visible);
    EXPECT_EQ(BandeauOcculte.Legende, " Le faisceau est interrompu par le bord du correcteur ");
    EXPECT_EQ(BandeauOcculte.Couleur, CouleurFuchsia);
    EXPECT_EQ(Controles.LabelOcculte.Left, 12 + 20);

    const auto page = Imprime();
    EXPECT_TRUE(TexteDessine(*page, {.Texte = " Faisceau interrompu par le bord du correcteur ", .Couleur = clWhite}));
    EXPECT_TRUE(TexteDessine(*page, {.Texte = " Faisceau interrompu par le bord du correcteur ",
                                     .X = 100 + page->Stylo().Epaisseur,
                                     .Y = 1000 + 2 * 99 + 2 * 99 / 16}));

    // A corrector open over the beam: red all along, and no banner.
    ConstruitFormeDerivee(T::LurieHoughton);
    BandeauOcculte = TBandeau{};
    Controles.LabelOcculte.Visible = false;
    TCanevasEnregistreur libre(762, 550);
    DessineCoupeInstrument(libre);
    EXPECT_TRUE(PixelsEnCouleur(libre, CouleurBleuCiel).empty());
    EXPECT_FALSE(Controles.LabelOcculte.Visible);
}

TEST_F(CoupePlanDiagonal, LePlanSansEpaisseurNEstPasDessineMaisLeFaisceauSePlieToujours)
{
    for (const double epaisseur : {0.0, 5.0})
    {
        SCOPED_TRACE(epaisseur);
        ConstruitFormeValide(T::LurieHoughton);
        Instrument.EpaisseurSecondaire = epaisseur;
        RederiveForme();
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        ASSERT_GT(RepereDessin.EchelleDessin, 0);
        EXPECT_EQ(PlanDessine(dessin), epaisseur > 0);
        // The folded beam reaches the focus above the flat: a red line ends there, at the top of the band.
        const std::vector<TPointCanevas> carres = CarresFoyer(dessin);
        ASSERT_EQ(carres.size(), 1u);
        bool auFoyer = false;
        for (const TPointCanevas p : PixelsEnCouleur(dessin, CouleurRouge))
            auFoyer = auFoyer || (std::abs(p.X - carres[0].X) <= 1 && p.Y < RepereDessin.OrdonneeAxe - 100);
        EXPECT_TRUE(auFoyer);
    }
}

TEST_F(CoupePlanDiagonal, UnPlanJusteTropPetitMontreSaBoiteGrasseEtUnFaisceauBleu)
{
    ConstruitFormeDerivee(T::LurieHoughton);
    TCanevasEnregistreur mesure(762, 550);
    DessineCoupeInstrument(mesure);
    const float minimal = Instrument.DiametreSecondaireMinimal;
    ASSERT_GT(minimal, 10);
    const std::string message = " Le miroir plan est trop petit ";
    for (const float plan : {minimal + 0.5f, minimal - 0.5f})
    {
        SCOPED_TRACE(plan);
        Instrument.DiametreSecondaire = plan;
        VerifieValidite();
        ASSERT_TRUE(Validite.SecondaireDefini);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        const bool petit = plan < minimal;
        EXPECT_EQ(PixelsEnCouleur(dessin, CouleurBleuCiel).empty(), !petit);
        dessin.Police().Gras = true;
        const int w = dessin.TextWidth(message);
        EXPECT_EQ(TexteDessine(dessin, {.Texte = message, .X = 762 - w, .Y = 2, .Gras = true, .Couleur = clWhite}),
                  petit);
        // Its box reaches one pixel left of the text.
        bool boite = false;
        for (const TAppelCanevas& appel : dessin.Journal())
            boite = boite || (appel.Operation == TOperationCanevas::Rectangle &&
                              appel.Valeurs == std::vector<int>{762 - w - 1, 0, 762, 18});
        EXPECT_EQ(boite, petit);
    }
}

TEST_F(CoupePlanDiagonal, UnBordDuDispositifColoreLeRayonEnVertSansBandeau)
{
    ConstruitFormeDerivee(T::LurieHoughton);
    DispositifDeuxLentilles();
    for (int i = 1; i <= 4; ++i)
        Dispositif.DiametreDioptre[i] = 8;
    VerifieValidite();
    ASSERT_TRUE(Validite.DispositifValide);
    TCanevasEnregistreur dessin(762, 550);
    DessineCoupeInstrument(dessin);
    EXPECT_FALSE(PixelsEnCouleur(dessin, CouleurVertClair).empty());
    EXPECT_FALSE(Controles.LabelOcculte.Visible);
}

TEST_F(CoupePlanDiagonal, UnOculaireApresLePlanSortSesRayonsEnHautDeLaBandeSansMarqueDeFoyer)
{
    ConstruitFormeDerivee(T::LurieHoughton);
    Dispositif.NombreDioptres = 2;
    LigneDispositif(1, 50, 8, 40, BK7);
    LigneDispositif(2, -50, EpaisseurInfinie, 40, Air);
    AppliqueIndices();
    // The search of the eyepiece's place starts again from 45 mm behind the focus, as a user would answer.
    Notifications.DemandeDistanceFoyerDioptre = [] {
        Systeme.DistanceFoyerDioptre = 45;
        return true;
    };
    RederiveForme();
    ASSERT_TRUE(Validite.SystemeAfocal);
    TCanevasEnregistreur dessin(762, 550);
    DessineCoupeInstrument(dessin);
    ASSERT_TRUE(PorteCoupeOuverte());
    EXPECT_TRUE(CarresFoyer(dessin).empty());
    // The rays leave by the band's top; the folded beam's axis still runs down the band.
    bool enHaut = false;
    for (const TColor couleur : {CouleurRouge, CouleurVertClair, CouleurBleuCiel})
        for (const TPointCanevas p : PixelsEnCouleur(dessin, couleur))
            enHaut = enHaut || p.Y == 0;
    EXPECT_TRUE(enHaut);
    int verticales = 0;
    for (const TAppelCanevas& appel : dessin.Journal())
        verticales += appel.Operation == TOperationCanevas::MoveTo && appel.Stylo.Couleur == CouleurGrise &&
                      appel.Valeurs[1] == 0;
    EXPECT_GT(verticales, 0);
    // On paper neither the focal plane nor the short line: the grey of the screen is black there.
    const auto page = Imprime();
    int traits = 0;
    for (const TAppelCanevas& appel : page->Journal())
        traits += appel.Operation == TOperationCanevas::MoveTo && appel.Stylo.Couleur == clBlack &&
                  appel.Valeurs[1] == 1000 + 2 * 99;
    EXPECT_EQ(traits, 0);
}

} // namespace
