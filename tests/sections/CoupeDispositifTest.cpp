// The lens-device section with the real tracer: the gate, the ruler, the pencil aimed at the box's distance, a
// stop that cuts it, the afocal aiming, and a design left as it was after the screen and the printed view.
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "optics/FormulesDeuxMiroirs.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "sections/Cadre.h"
#include "sections/CoupeDispositif.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "support/Conception.h"
#include "support/Formes.h"
#include "support/Verres.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

void Valide()
{
    AppliqueIndices();
    VerifieValidite();
}

// Two BK7 singlets 40 mm wide with a stop between them (row 3), 30 mm before the image: 50 mm in all.
void DispositifAvecDiaphragme(double ouverture)
{
    Dispositif.NombreDioptres = 5;
    LigneDispositif(1, 100, 5, 40, BK7);
    LigneDispositif(2, -100, 5, 40, Air);
    LigneDispositif(3, RayonDiaphragme, 5, ouverture, Air);
    LigneDispositif(4, 150, 5, 40, BK7);
    LigneDispositif(5, -150, 30, 40, Air);
    Valide();
}

// A single positive lens focused at infinity behind the focus: an eyepiece of about 48 mm focal length.
void DispositifAfocal()
{
    Dispositif.NombreDioptres = 2;
    LigneDispositif(1, 50, 5, 20, BK7);
    LigneDispositif(2, -50, EpaisseurInfinie, 20, Air);
    Valide();
}

class CoupeDispositif : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }
    void SetUp() override
    {
        ConstruitFormeValide(TTypeInstrument::Newton);
        // The focal length the refresh measures for the instrument alone: the mirror's.
        Instrument.FocaleObjectif = 1000;
        BandeauOcculte = {};
        Edition.AMettreAJour = true;
    }

    // A printed page of 4960 x 7016 dots at 600 dpi, the view 1000 dots down the page.
    std::unique_ptr<TCanevasEnregistreur> Imprime()
    {
        auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
        ImpressionEtat.PasLigneImpression = 99;
        ImpressionEtat.MargeImpression = 100;
        ImpressionEtat.EpaisseurTraitImpression = 8;
        MiseEnPage.OrdonneeCourante = 1000;
        MiseEnPage.AbscisseCourante = 100;
        ImprimeCoupeDispositif(*page);
        return page;
    }

    TServicesDeTest Services;
};

struct TSegment
{
    int X1, Y1, X2, Y2;
};

// The lines drawn with a pen of that colour, from the pen's position before each LineTo.
std::vector<TSegment> Segments(const TCanevasEnregistreur& canevas, TColor couleur)
{
    std::vector<TSegment> segments;
    int x = 0, y = 0;
    for (const TAppelCanevas& appel : canevas.Journal())
    {
        if (appel.Operation != TOperationCanevas::MoveTo && appel.Operation != TOperationCanevas::LineTo)
            continue;
        if (appel.Operation == TOperationCanevas::LineTo && appel.Stylo.Couleur == couleur)
            segments.push_back({x, y, appel.Valeurs[0], appel.Valeurs[1]});
        x = appel.Valeurs[0];
        y = appel.Valeurs[1];
    }
    return segments;
}

// The printed rays as polylines: a segment continues the ray whose last point it starts from.
std::vector<std::vector<TSegment>> Rayons(const TCanevasEnregistreur& page, TColor couleur)
{
    std::vector<std::vector<TSegment>> rayons;
    for (const TSegment& segment : Segments(page, couleur))
        if (!rayons.empty() && rayons.back().back().X2 == segment.X1 && rayons.back().back().Y2 == segment.Y1)
            rayons.back().push_back(segment);
        else
            rayons.push_back({segment});
    return rayons;
}

TEST_F(CoupeDispositif, SansRafraichissementOuAvecUnDispositifIncompletSeulLeMessageEstDessine)
{
    struct TCas
    {
        const char* Nom;
        bool AMettreAJour;
        double Diametre2;
    };
    for (const TCas cas : {TCas{"no refresh asked", false, 40}, TCas{"row 2 without diameter", true, 0}})
    {
        SCOPED_TRACE(cas.Nom);
        ReinitialiseProgramme();
        SetUp();
        DispositifAvecDiaphragme(40);
        Dispositif.DiametreDioptre[2] = cas.Diametre2;
        Valide();
        Edition.AMettreAJour = cas.AMettreAJour;
        Reglages.RayonsLumineuxTraces = true;
        Controles.BoxDistance.Visible = true;
        Controles.Grille.Top = 300;
        Controles.Grille.Height = 81;
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeDispositif(dessin, nullptr);
        EXPECT_TRUE(Controles.Dessin.Visible);
        EXPECT_EQ(Controles.Dessin.Top, 300 + 81 + 32);
        EXPECT_EQ(Controles.Dessin.Height, 350);
        ASSERT_EQ(dessin.Textes().size(), 1u);
        EXPECT_TRUE(TexteDessine(dessin, {.Texte = "Les données sont incomplètes ou incohérentes", .X = 0, .Y = 0}));
        for (const TControle* controle : {&Controles.BoutonRayons, &Controles.LabelDistanceAxe, &Controles.LabelOcculte,
                                          &Controles.BoxDistance, &Controles.LabelUnites})
            EXPECT_FALSE(controle->Visible);
    }
    // An incomplete device prints nothing at all and keeps the print position.
    const auto page = Imprime();
    EXPECT_TRUE(page->Journal().empty());
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000);
}

TEST_F(CoupeDispositif, LaRegleCompteEnMillimetresAuDelaDeCinqPixelsParMillimetreSinonEnCentimetres)
{
    struct TCas
    {
        const char* Nom;
        double Tirage; // last thickness, to the image
        float Echelle; // the fit: the band's 330 pixels over a 40 mm height, or 722 pixels over the length
        const char* Unite;
        double PasMm;
    };
    for (const TCas cas : {TCas{"short device, scale from its height", 30, 330.0f / 40, "mm", 1},
                           TCas{"long device, scale from its length", 180, 722.0f / 200, "cm", 10}})
    {
        SCOPED_TRACE(cas.Nom);
        ReinitialiseProgramme();
        SetUp();
        DispositifAvecDiaphragme(40);
        Dispositif.EpaisseurDioptre[5] = cas.Tirage;
        Valide();
        PrepareSysteme();
        TCanevasEnregistreur dessin(762, 350);
        DessineCoupeDispositif(dessin, nullptr);
        const float s = RepereDessin.EchelleDessin;
        ASSERT_FLOAT_EQ(s, cas.Echelle);
        EXPECT_TRUE(TexteDessine(dessin, {.Texte = cas.Unite, .X = 5, .Y = 1}));

        // The ticks along the top from the image plane: long every ten, middle every five, short otherwise.
        std::vector<std::pair<int, int>> traits;
        for (const TSegment& t : Segments(dessin, clBlack))
            if (t.Y1 == 0 && t.X1 == t.X2)
                traits.push_back({t.X1, t.Y2});
        const int ao = RepereDessin.AbscisseOrigine;
        for (const auto& [n, longueur] : {std::pair{0, 10}, {1, 3}, {5, 6}, {10, 10}, {13, 3}, {25, 6}})
        {
            SCOPED_TRACE(n);
            const int d = static_cast<int>(std::trunc(n * s * cas.PasMm));
            EXPECT_NE(std::find(traits.begin(), traits.end(), std::pair{ao - d, longueur}), traits.end());
            EXPECT_NE(std::find(traits.begin(), traits.end(), std::pair{ao + d, longueur}), traits.end());
        }

        // Printed, the ticks run from the image plane near the band's right end out to its left edge.
        const auto page = Imprime();
        const int hautBande = 1000 + 2 * 99;
        int plusAGauche = page->Largeur();
        for (const TSegment& t : Segments(*page, clBlack))
            if (t.Y1 == hautBande && t.X1 == t.X2 && t.Y2 > t.Y1)
                plusAGauche = std::min(plusAGauche, t.X1);
        EXPECT_GT(plusAGauche, 100);
        EXPECT_LE(plusAGauche, 100 + static_cast<int>(10 * RepereDessin.EchelleDessin));
    }
}

TEST_F(CoupeDispositif, LesTroisRayonsPartentDuBordDeLaPupilleEtSeRejoignentALaDistanceDeLaBoite)
{
    for (const double distance : {0.0, 2.0})
    {
        SCOPED_TRACE(distance);
        ReinitialiseProgramme();
        SetUp();
        // Stopped down to f/20, so that the simple lenses blur the pencil by less than a tenth of a millimetre.
        Instrument.DiametreEntree = 50;
        DispositifAvecDiaphragme(40);
        Reglages.RayonsLumineuxTraces = true;
        Reglages.DistanceAxeImage = distance;
        TCanevasEnregistreur dessin(762, 350);
        TCanevasEnregistreur boite(37, 17);
        DessineCoupeDispositif(dessin, &boite);
        EXPECT_EQ(LegendesDispositif.BoutonRayons, "Effacer les rayons lumineux");
        EXPECT_EQ(LegendesDispositif.Unites, "mm");
        EXPECT_TRUE(Controles.BoxDistance.Visible);
        EXPECT_FALSE(BandeauOcculte.Visible);
        EXPECT_TRUE(TexteDessine(boite, {.Texte = distance == 0 ? "0" : "2"}));

        // On paper the rays are plain lines, easy to follow from the pupil to the image plane.
        const auto page = Imprime();
        EXPECT_TRUE(
            TexteDessine(*page, {.Texte = distance == 0 ? "Distance à l'axe = 0mm" : "Distance à l'axe = 2mm"}));
        const float s = RepereDessin.EchelleDessin;
        const int ao = RepereDessin.AbscisseOrigine;
        const int oa = RepereDessin.OrdonneeAxe;
        const auto rayons = Rayons(*page, CouleurRouge);
        ASSERT_EQ(rayons.size(), 3u);
        // In the order k = 0, -1, +1: from the pupil's centre and its two rims, one focal length before the image,
        // far to the left of the band, whose frame cuts them.
        const double depart = ao - (1000 + Systeme.DecalageFoyer) * s;
        for (int i = 0; i < 3; ++i)
        {
            SCOPED_TRACE(i);
            const int k = i == 0 ? 0 : i == 1 ? -1 : 1;
            const std::vector<TSegment>& rayon = rayons[static_cast<std::size_t>(i)];
            // Start, the five surfaces, the image.
            EXPECT_EQ(rayon.size(), 6u);
            const TSegment& premier = rayon.front();
            EXPECT_EQ(premier.X1, 100);
            const double pente = static_cast<double>(premier.Y2 - premier.Y1) / (premier.X2 - premier.X1);
            EXPECT_NEAR(premier.Y1 + pente * (depart - premier.X1), oa - k * 25 * s, s);
            EXPECT_EQ(rayon.back().X2, ao);
            // The pencil meets at the box's distance above the axis, to a tenth of a millimetre.
            EXPECT_NEAR(rayon.back().Y2, oa - distance * s, 0.1 * s + 1);
        }
    }
}

TEST_F(CoupeDispositif, UnDiaphragmeQuiArreteLesRayonsDeBordLesFinitSurLuiAvecSonBandeau)
{
    struct TCas
    {
        double Ouverture;
        bool Coupe;
    };
    for (const TCas cas : {TCas{4, true}, TCas{40, false}})
    {
        SCOPED_TRACE(cas.Ouverture);
        ReinitialiseProgramme();
        SetUp();
        DispositifAvecDiaphragme(cas.Ouverture);
        Reglages.RayonsLumineuxTraces = true;
        TCanevasEnregistreur dessin(762, 350);
        DessineCoupeDispositif(dessin, nullptr);
        EXPECT_EQ(BandeauOcculte.Visible, cas.Coupe);
        EXPECT_EQ(Controles.LabelOcculte.Visible, cas.Coupe);
        EXPECT_EQ(BandeauOcculte.Legende,
                  cas.Coupe ? " Faisceau interrompu par un diaphragme du dispositif dioptrique " : "");

        const auto page = Imprime();
        EXPECT_EQ(TexteDessine(*page, {.Texte = " Faisceau interrompu par un diaphragme du dispositif dioptrique "}),
                  cas.Coupe);
        // The stop is vertex 3, 10 mm after vertex 1, 40 mm before the image.
        const int xDiaphragme =
            RepereDessin.AbscisseOrigine - static_cast<int>(std::trunc(40 * RepereDessin.EchelleDessin));
        const auto rayons = Rayons(*page, CouleurRouge);
        ASSERT_EQ(rayons.size(), 3u);
        for (std::size_t i = 1; i < 3; ++i)
        {
            SCOPED_TRACE(i);
            if (cas.Coupe)
            {
                ASSERT_EQ(rayons[i].size(), 3u);
                EXPECT_EQ(rayons[i].back().X2, xDiaphragme);
            }
            else
                EXPECT_EQ(rayons[i].back().X2, RepereDessin.AbscisseOrigine);
        }
        // The central ray passes the stop and reaches the image.
        EXPECT_EQ(rayons[0].back().X2, RepereDessin.AbscisseOrigine);
    }
}

TEST_F(CoupeDispositif, UnRayonPrincipalQuiManqueUneSurfaceMasqueLeFaisceauSansAucunRayon)
{
    // A ball lens 12 mm wide: a chief ray aimed 10 mm off the axis passes beside its first sphere.
    Dispositif.NombreDioptres = 2;
    LigneDispositif(1, 6, 12, 12, BK7);
    LigneDispositif(2, -6, 10, 12, Air);
    Valide();
    PrepareSysteme();
    ASSERT_FALSE(Systeme.CalculInterrompu);
    Reglages.RayonsLumineuxTraces = true;
    const std::string masque = " Le faisceau est masqué par le bord du dispositif dioptrique ";
    for (const double distance : {0.0, 10.0})
    {
        SCOPED_TRACE(distance);
        const bool perdu = distance > 0;
        Reglages.DistanceAxeImage = distance;
        TCanevasEnregistreur dessin(762, 350);
        DessineCoupeDispositif(dessin, nullptr);
        EXPECT_EQ(BandeauOcculte.Legende == masque, perdu);
        EXPECT_EQ(BandeauOcculte.Couleur, CouleurRouge);
        const auto page = Imprime();
        EXPECT_EQ(Rayons(*page, CouleurRouge).empty(), perdu);
        EXPECT_EQ(TexteDessine(*page, {.Texte = masque}), perdu);
    }
}

TEST_F(CoupeDispositif, LeGregoryQuiRedresseLImageDessineLesHauteursDeLAutreCote)
{
    for (const TTypeInstrument forme : {TTypeInstrument::Newton, TTypeInstrument::Gregory})
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ReinitialiseProgramme();
        SetUp();
        ConstruitFormeValide(forme);
        if (forme == TTypeInstrument::Gregory)
        {
            CalculeGregory();
            Instrument.FocaleObjectif = Instrument.FocaleResultante;
            // The obstruction the refresh derives from the secondary's diameter.
            Instrument.RayonObstructionCarre = std::pow(Instrument.DiametreSecondaire / 2.0, 2);
        }
        DispositifAvecDiaphragme(40);
        PrepareSysteme();
        ASSERT_TRUE(Validite.InstrumentValide);
        Reglages.RayonsLumineuxTraces = true;
        Reglages.DistanceAxeImage = 1;
        const auto page = Imprime();
        // The last ray traced and drawn is k = +1; its hit on the first surface ends its first segment.
        const double hauteur = Rayon.HauteurImpact[1];
        ASSERT_GT(std::abs(hauteur), 0.5);
        const auto rayons = Rayons(*page, CouleurRouge);
        ASSERT_FALSE(rayons.empty());
        const int dessinee = rayons.back().front().Y2 - RepereDessin.OrdonneeAxe;
        // Upwards (towards smaller y) for a positive height, except behind the Gregory.
        const int signe = forme == TTypeInstrument::Gregory ? 1 : -1;
        EXPECT_EQ(dessinee > 0 ? 1 : -1, signe * (hauteur > 0 ? 1 : -1));
    }
}

TEST_F(CoupeDispositif, LaViseeAfocaleRattrapeLAngleApparentDemande)
{
    DispositifAfocal();
    PrepareSysteme();
    ASSERT_TRUE(Validite.SystemeAfocal);
    ASSERT_GT(std::abs(Systeme.GrossissementAfocal), 10);
    Reglages.RayonsLumineuxTraces = true;
    for (const double degres : {5.0, 20.0})
    {
        SCOPED_TRACE(degres);
        TCanevasEnregistreur dessin(762, 350);
        DessineCoupeDispositif(dessin, nullptr);
        Reglages.DistanceAxeImage = degres;
        DessineCoupeDispositif(dessin, nullptr);
        EXPECT_EQ(LegendesDispositif.Unites, "°");
        // The eyepiece turns the image: the apparent angle comes out on the other side of the axis.
        EXPECT_NEAR(std::abs(Systeme.HauteurImagePrincipale), degres * std::numbers::pi / 180, 1e-7);
    }
}

TEST_F(CoupeDispositif, DessinerPuisImprimerLaVueLaisseLaConceptionALOctetPres)
{
    struct TCas
    {
        const char* Nom;
        bool Instrument;
        bool Afocal;
    };
    for (const TCas cas : {TCas{"Newton and a focal device", true, false}, TCas{"Newton and an eyepiece", true, true},
                           TCas{"an eyepiece alone, drawn behind a stand-in Newton", false, true}})
    {
        SCOPED_TRACE(cas.Nom);
        ReinitialiseProgramme();
        SetUp();
        if (!cas.Instrument)
            ReinitialiseEtat();
        cas.Afocal ? DispositifAfocal() : DispositifAvecDiaphragme(4);
        ASSERT_TRUE(Validite.DispositifValide);
        ASSERT_EQ(Validite.InstrumentValide, cas.Instrument);
        Edition.AMettreAJour = true;
        Reglages.RayonsLumineuxTraces = true;
        Reglages.DistanceAxeImage = 1;
        const TConceptionSauvee avant = TConceptionSauvee::Lue();

        TCanevasEnregistreur dessin(762, 350);
        DessineCoupeDispositif(dessin, nullptr);
        // Drawn, with the instrument's focus marked before an eyepiece.
        EXPECT_GT(dessin.Journal().size(), 100u);
        const auto page = Imprime();
        EXPECT_TRUE(TexteDessine(*page, {.Texte = "Vue en coupe du dispositif dioptrique", .Gras = true}));
        if (cas.Afocal)
        {
            EXPECT_TRUE(TexteDessine(*page, {.Texte = "F"}));
        }

        EXPECT_TRUE(MemeConception(avant, TConceptionSauvee::Lue()));
        EXPECT_EQ(Validite.InstrumentValide, cas.Instrument);
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
    }
}

} // namespace
