// The sections of the meniscus forms, the Maksutov camera and the Maksutov-Newton, with the real tracer and with
// scripted traces: drawn and printed with and without a lens device, the meniscus and mirror message, the afocal
// camera, the gate texts and the star readout of the camera.
#include "CoupesDeTest.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sections/CoupeMaksutov.h"
#include "sections/CoupeMaksutovCassegrain.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using T = TTypeInstrument;

class CoupeMaksutov : public CoupeDeTest
{};

// The form's test design (the camera's 140 mm mirror gives a fully illuminated field about 25 mm wide, which the rim
// rays clear). The box's step is the single star's, as the readout sets it.
void Construit(T forme)
{
    ConstruitFormeDerivee(forme);
    Reglages.PasBoiteDistance = static_cast<float>(Reglages.PasEtoileUnique);
}

TEST_F(CoupeMaksutov, ChaqueFormeSeDessineEtSImprimeSansToucherLaConception)
{
    for (const T forme : {T::Maksutov, T::MaksutovNewton, T::MaksutovCassegrain})
        for (const bool dispositif : {false, true})
        {
            const std::string nom = std::string(forme == T::Maksutov         ? "Maksutov"
                                                : forme == T::MaksutovNewton ? "Maksutov-Newton"
                                                                             : "Maksutov-Cassegrain") +
                                    (dispositif ? "-d" : "");
            SCOPED_TRACE(nom);
            Construit(forme);
            if (dispositif)
                DispositifDeuxLentilles();
            ASSERT_TRUE(Validite.InstrumentValide);
            ASSERT_EQ(Validite.DispositifPresent, dispositif);
            DessineEtImprimeSansToucherLaConception(nom);
        }
}

} // namespace

namespace {

// The flags the scripted trace leaves on every ray, over the real trace.
struct TDrapeaux
{
    bool PremiereFace = false, SecondeFace = false, Miroir = false;
};
TDrapeaux Drapeaux;

void TraceAvecDrapeaux()
{
    TraceRayon();
    Rayon.RayonBloqueGroupe[1] = Drapeaux.PremiereFace;
    Rayon.RayonBloqueGroupe[2] = Drapeaux.SecondeFace;
    Rayon.RayonBloqueMiroir = Drapeaux.Miroir;
}

TEST_F(CoupeMaksutov, LeMessageDuMenisqueEtDuMiroirSuitLesDrapeauxDuDernierRayon)
{
    struct TCas
    {
        TDrapeaux Drapeaux;
        const char* Texte; // nothing: the device's banner stays
    };
    const TCas cas[] = {
        {{true, true, true}, " Faisceau interrompu par les bords du ménisque et du miroir "},
        {{false, true, true}, " Faisceau interrompu par le bord du miroir "},
        {{true, true, false}, " Faisceau interrompu par le bord du ménisque "},
        {{true, false, false}, " Faisceau interrompu par le bord du ménisque "},
        {{false, false, false}, nullptr},
    };
    for (const TCas& c : cas)
        for (const T forme : {T::Maksutov, T::MaksutovNewton})
        {
            SCOPED_TRACE(std::string(c.Texte ? c.Texte : "none") + (forme == T::Maksutov ? " camera" : " newton"));
            Construit(forme);
            // A device narrower than the beam: its edge cuts the rays and sets its banner first.
            DispositifDeuxLentilles();
            for (int i = 1; i <= 4; ++i)
                Dispositif.DiametreDioptre[i] = 8;
            VerifieValidite();
            ASSERT_TRUE(Validite.DispositifValide);
            Drapeaux = c.Drapeaux;
            TraceursMaksutov.Trace = TraceAvecDrapeaux;
            Controles.Dessin.Left = 20;
            TCanevasEnregistreur dessin(762, 550);
            DessineCoupeInstrument(dessin);
            EXPECT_TRUE(Controles.LabelOcculte.Visible);
            if (c.Texte)
            {
                EXPECT_EQ(BandeauOcculte.Legende, c.Texte);
                EXPECT_EQ(BandeauOcculte.Couleur, CouleurFuchsia);
                EXPECT_EQ(Controles.LabelOcculte.Left, Controles.Dessin.Left + 1);
                EXPECT_EQ(Controles.LabelOcculte.Top, Controles.Dessin.Top + 1);
            }
            else
                EXPECT_EQ(BandeauOcculte.Legende, " Le faisceau est interrompu par le bord du dispositif dioptrique ");

            // On paper the message stands at the band's top left.
            const auto page = Imprime();
            if (c.Texte)
            {
                EXPECT_TRUE(TexteDessine(*page, {.Texte = c.Texte, .Couleur = clWhite}));
            }
        }
}

TEST_F(CoupeMaksutov, UnOculaireDerriereLaChambreEffaceLImageJusquAuProchainCalculDeGeometrie)
{
    // A flat field: the chief ray leaving the eyepiece parallel would miss a curved one and end the view first.
    Construit(T::Maksutov);
    Instrument.ChampCourbe = false;
    DispositifOculaire();
    ASSERT_TRUE(Validite.SystemeAfocal);
    TCanevasImage dessin(762, 550);
    DessineCoupeInstrument(dessin);
    EXPECT_TRUE(Validite.ConflitGeometrique);
    EXPECT_EQ(PixelsDessines(dessin), 0);

    // The next refresh of a design without the eyepiece recomputes the geometry: the view draws again.
    Construit(T::Maksutov);
    Validite.ConflitGeometrique = true;
    DessineCoupeInstrument(dessin);
    EXPECT_FALSE(Validite.ConflitGeometrique);
    EXPECT_GT(PixelsDessines(dessin), 500);

    // On paper the band keeps its picture.
    Construit(T::Maksutov);
    Instrument.ChampCourbe = false;
    DispositifOculaire();
    const auto page = Imprime();
    EXPECT_TRUE(Validite.ConflitGeometrique);
    EXPECT_GT(page->Journal().size(), 100u);
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 2 * 99 + Bande + 99);
}

TEST_F(CoupeMaksutov, LaDistanceDeLEtoileEtLaHauteurDeSonImageSurLesDeuxSeparateurs)
{
    struct TCas
    {
        double Distance;
        const char* Point; // the box's text with "."
    };
    const TCas cas[] = {{0, "0 '"}, {0.5, "0.5 '"}, {5, "5 '"}, {25, "25 '"}, {0.126, "0.13 '"}, {-5, "-5 '"}};
    for (const char separateur : {',', '.'})
        for (const TCas& c : cas)
        {
            SCOPED_TRACE(std::string(1, separateur) + " " + c.Point);
            SeparateurDecimal = separateur;
            Construit(T::Maksutov);
            Reglages.DistanceAxeEtoile = c.Distance;
            Reglages.PasEtoileUnique = 7;
            Controles.BoxDistance.Width = 50;
            Controles.Dessin.Left = 20;
            TCanevasEnregistreur dessin(762, 550);
            TCanevasEnregistreur boite(50, 17);
            DessineCoupeInstrument(dessin, &boite);
            std::string attendu = c.Point;
            std::replace(attendu.begin(), attendu.end(), '.', separateur);
            EXPECT_TRUE(TexteDessine(boite, {.Texte = attendu, .X = 35 - dessin.TextWidth(attendu), .Y = 1}));
            const std::string libelle = "Distance à l'axe = ";
            EXPECT_TRUE(TexteDessine(dessin, {.Texte = libelle, .X = 762 - 250, .Y = 6}));
            const int x = 762 - 250 + dessin.TextWidth(libelle);
            EXPECT_TRUE(Controles.BoxDistance.Visible);
            EXPECT_EQ(Controles.BoxDistance.Left, 20 + x);
            EXPECT_EQ(Controles.BoxDistance.Top, Controles.Dessin.Top + 4);
            EXPECT_EQ(Reglages.PasBoiteDistance, 7);
            const double h = Systeme.HauteurImagePrincipale;
            EXPECT_EQ(h == 0, c.Distance == 0);
            // The image's height without its sign.
            const std::string hauteur = " = " + FormateNombre(std::abs(h), "0.000") + " mm";
            EXPECT_EQ(hauteur.find('-'), std::string::npos);
            EXPECT_TRUE(TexteDessine(dessin, {.Texte = hauteur, .X = x + 50, .Y = 6}));
            if (c.Distance == 0)
            {
                EXPECT_EQ(hauteur, std::string(" = 0") + separateur + "000 mm");
            }
        }
}

TEST_F(CoupeMaksutov, UnChampPleinementEclaireAussiLargeQueLOuvertureNeMontreNiLectureNiBoite)
{
    const std::string boite = " L'ouverture est trop petite pour ce miroir ";
    for (const double ecart : {-1.0, 0.0, 1.0})
    {
        SCOPED_TRACE(ecart);
        Construit(T::Maksutov);
        Instrument.DiametreChampPleineLumiere = static_cast<float>(Instrument.DiametreEntree + ecart);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        EXPECT_EQ(Controles.BoxDistance.Visible, ecart < 0);
        EXPECT_EQ(TexteDessine(dessin, {.Texte = "Distance à l'axe = "}), ecart < 0);
        EXPECT_EQ(TexteDessine(dessin, {.Texte = boite,
                                        .X = 762 - dessin.TextWidth(boite),
                                        .Y = 2,
                                        .Couleur = clWhite,
                                        .Fond = CouleurFuchsia}),
                  ecart > 0);
    }
}

TEST_F(CoupeMaksutov, LaLigneImprimeeDeLEtoileAuDelaDUnDixiemeDeMinute)
{
    for (const double distance : {0.1, 0.5})
    {
        SCOPED_TRACE(distance);
        Construit(T::Maksutov);
        Reglages.DistanceAxeEtoile = distance;
        const auto page = Imprime();
        const std::string ligne = "Distance à l'axe = " + TexteDistanceEtoile(distance) + " = " +
                                  FormateNombre(std::abs(Systeme.HauteurImagePrincipale), "0.000") + " mm";
        EXPECT_EQ(TexteDessine(*page, {.Texte = ligne, .Y = 1000 + 2 * 99 + 99 / 8}), distance > 0.1);
    }
}

TEST_F(CoupeMaksutov, LeSecondaireSurLaLameEstUneCoqueDUnCentiemeDeLOuverture)
{
    struct TCas
    {
        double D;
        bool SurMenisque;
        double Epaisseur; // drawn
    };
    // Half a millimetre goes to the even one, whatever thickness the secondary was given.
    for (const TCas c : {TCas{250, true, 2}, TCas{350, true, 4}})
    {
        SCOPED_TRACE(c.D);
        ConstruitFormeValide(T::MaksutovCassegrain);
        Instrument.DiametreEntree = c.D;
        Instrument.SecondaireSurMenisque = c.SurMenisque;
        Instrument.EpaisseurSecondaire = 7;
        RederiveForme();
        ASSERT_TRUE(PorteCoupeOuverte());
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        EXPECT_EQ(Instrument.EpaisseurSecondaireDessin, c.Epaisseur);
        EXPECT_FALSE(PixelsEnCouleur(dessin, CouleurRouge).empty());
    }
}

TEST_F(CoupeMaksutov, UneFocaleDeZeroOuUnNeTesteNiLeTrouNiNeDonneDeNonNombre)
{
    const std::string trou = " Le trou central est trop petit ";
    for (const double F : {0.0, 1.0})
    {
        SCOPED_TRACE(F);
        ConstruitFormeDerivee(T::MaksutovCassegrain);
        Instrument.DiametreTrouCentral = 1;
        Instrument.DegagementFoyer = 200;
        Instrument.FocaleResultante = F;
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeMaksutovCassegrain(dessin);
        EXPECT_FALSE(TexteDessine(dessin, {.Texte = trou}));
        EXPECT_TRUE(PixelsEnCouleur(dessin, CouleurOrange).empty());
        EXPECT_TRUE(CoordonneesBornees(dessin));
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
    }
    // A real focal length with that hole, the focus 200 mm behind the primary: the orange beam and its box.
    ConstruitFormeDerivee(T::MaksutovCassegrain);
    Instrument.DiametreTrouCentral = 1;
    Instrument.DegagementFoyer = 200;
    TCanevasEnregistreur dessin(762, 550);
    DessineCoupeMaksutovCassegrain(dessin);
    EXPECT_TRUE(
        TexteDessine(dessin, {.Texte = trou, .X = 762 - dessin.TextWidth(trou), .Y = 2, .Fond = CouleurOrange}));
    EXPECT_FALSE(PixelsEnCouleur(dessin, CouleurOrange).empty());
}

TEST_F(CoupeMaksutov, LesDeuxTextesDeRefusDuMaksutovCassegrain)
{
    const std::string incoherent = " Les données sont incohérentes, le grandissement est trop faible ou négatif ";
    ConstruitFormeDerivee(T::MaksutovCassegrain);
    Validite.ConflitGeometrique = true;
    TCanevasEnregistreur conflit(762, 550);
    DessineCoupeMaksutovCassegrain(conflit);
    EXPECT_TRUE(
        TexteDessine(conflit, {.Texte = incoherent, .X = 0, .Y = 4, .Couleur = clWhite, .Fond = CouleurFuchsia}));
    const TAppelCanevas* boite = DernierRectangle(conflit);
    ASSERT_NE(boite, nullptr);
    EXPECT_EQ(boite->Valeurs, (std::vector<int>{0, 0, conflit.TextWidth(incoherent) + 6, 20}));

    Validite.InstrumentValide = false;
    TCanevasEnregistreur incomplet(762, 550);
    DessineCoupeMaksutovCassegrain(incomplet);
    EXPECT_TRUE(TexteDessine(incomplet, {.Texte = " Les données sont incomplètes ou incohérentes ", .X = 0, .Y = 0}));
    EXPECT_FALSE(TexteDessine(incomplet, {.Texte = incoherent}));
}

// The chief ray leaves the meniscus far off the axis: it cannot meet the curved field.
void TraceHorsChamp()
{
    TraceRayon();
    if (Rayon.XDepart == 0)
        Rayon.XRayon = 1e6;
}

TEST_F(CoupeMaksutov, UnRayonPrincipalQuiManqueLeChampCourbeBipeUneFoisEtArreteLaVue)
{
    Construit(T::Maksutov);
    ASSERT_TRUE(Instrument.ChampCourbe);
    TraceursMaksutov.Trace = TraceHorsChamp;
    TCanevasEnregistreur dessin(762, 550);
    DessineCoupeInstrument(dessin);
    EXPECT_EQ(Services.Bip.Total(), 1);
    EXPECT_TRUE(Rayon.RayonBloque);
    // The band as prepared, and nothing after it.
    const TAppelCanevas* dernier = DernierRectangle(dessin);
    ASSERT_NE(dernier, nullptr);
    EXPECT_EQ(dernier->Valeurs, (std::vector<int>{0, 0, 762, HauteurBande}));
    EXPECT_EQ(&dessin.Journal().back(), dernier);
    EXPECT_FALSE(Controles.BoxDistance.Visible);

    Services.Bip.Oublie();
    Imprime();
    EXPECT_EQ(Services.Bip.Total(), 1);
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 2 * 99 + Bande + 99);
}

TEST_F(CoupeMaksutov, LesDonneesRefuseesDonnentLeurTexteSansBlancs)
{
    // A mirror three times the aperture is no Maksutov camera.
    Construit(T::Maksutov);
    Instrument.DiametreMiroir = 3 * Instrument.DiametreEntree;
    TCanevasEnregistreur dessin(762, 550);
    DessineCoupeMaksutov(dessin, nullptr);
    EXPECT_TRUE(TexteDessine(dessin, {.Texte = "Les données sont incorrectes", .X = 0, .Y = 0}));

    // A device that is not valid.
    for (const T forme : {T::Maksutov, T::MaksutovNewton})
    {
        Construit(forme);
        DispositifDeuxLentilles();
        Dispositif.IndiceVert[2] = 0;
        VerifieValidite();
        ASSERT_TRUE(Validite.DispositifPresent);
        ASSERT_FALSE(Validite.DispositifValide);
        TCanevasEnregistreur refuse(762, 550);
        DessineCoupeMaksutov(refuse, nullptr);
        EXPECT_TRUE(TexteDessine(refuse, {.Texte = "Les données sont incomplètes ou incohérentes", .X = 0, .Y = 0}));
    }
}

} // namespace
