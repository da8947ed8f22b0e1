// What the instrument sections share: rays cut to the band, the size boxes in either corner, the banner at its
// place, and the marginal ray's hit on a secondary's sphere.
#include "doubles/CanevasEnregistreur.h"
#include "sections/Cadre.h"
#include "sections/Primitives.h"
#include "sections/Support.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class Support : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }
    void SetUp() override
    {
        ImpressionEtat.PasLigneImpression = 100;
        ImpressionEtat.MargeImpression = 100;
        MiseEnPage.OrdonneeCourante = 1000;
        MiseEnPage.AbscisseCourante = 100;
        HauteurBandeImprimee = 2000;
    }
};

// The ends of every pen line, and the pixels written, all inside the rectangle.
bool ToutDedans(const TCanevasEnregistreur& canevas, int gauche, int haut, int droite, int bas)
{
    for (const TAppelCanevas& appel : canevas.Journal())
        for (std::size_t i = 0; i + 1 < appel.Valeurs.size(); i += 2)
            if (appel.Valeurs[i] < gauche || appel.Valeurs[i] > droite || appel.Valeurs[i + 1] < haut ||
                appel.Valeurs[i + 1] > bas)
                return false;
    return true;
}

TEST_F(Support, UnRayonVenuDeLoinEstCoupeAuBordDeLImageOuDeLaBandeImprimee)
{
    // A ray starting a focal length off the band: on screen the smoothed line walks the image's columns only.
    TCanevasEnregistreur ecran(762, 350);
    TSupport surEcran(ecran, false);
    surEcran.Trait(-9000000, 100, 300, 200, CouleurRouge);
    EXPECT_LT(ecran.Journal().size(), 2000u);
    EXPECT_TRUE(ToutDedans(ecran, -1, -1, 762, 350));
    EXPECT_EQ(ecran.Pixels(300, 200), CouleurRouge);
    // Wholly outside: nothing at all.
    ecran.EffaceJournal();
    surEcran.Trait(800, 10, 900, 20, CouleurRouge);
    EXPECT_TRUE(ecran.Journal().empty());

    // On paper the band's frame bounds it: from the left margin to the right one, between the band's top and bottom.
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    TSupport surPapier(*page, true);
    surPapier.Trait(2000, 2000, 9000, 2000, CouleurRouge);
    ASSERT_EQ(page->Journal().size(), 2u);
    EXPECT_EQ(page->Journal()[0].Valeurs, (std::vector<int>{2000, 2000}));
    EXPECT_EQ(page->Journal()[1].Valeurs, (std::vector<int>{4860, 2000}));
    page->EffaceJournal();
    surPapier.Trait(2000, 500, 3000, 900, CouleurRouge);
    EXPECT_TRUE(page->Journal().empty());
}

TEST_F(Support, UneCoordonneeHorsDePorteeOuNonDefinieResteUnEntierBorne)
{
    EXPECT_EQ(Arrondi(std::numeric_limits<double>::infinity()), LimitePx);
    EXPECT_EQ(Tronque(-1e300), -LimitePx);
    EXPECT_EQ(Arrondi(std::nan("")), 0);
    EXPECT_EQ(Arrondi(2.5), 2);
    EXPECT_EQ(Tronque(-2.7), -2);
}

TEST_F(Support, LaBoiteDeTailleSePlaceAuCoinDemandeSurEcranEtSurPapier)
{
    const std::string message = " Le miroir primaire est trop petit ";
    struct TCas
    {
        const char* Nom;
        TPlaceBoite Place;
        int Gauche; // of the box; the text at Gauche + DecalageTexte
        TColor Contour;
    };
    TCanevasEnregistreur mesure(762, 350);
    const int w = mesure.TextWidth(message);
    mesure.Police().Gras = true;
    const int wGras = mesure.TextWidth(message);
    const TCas cas[] = {
        {"top right", {}, 762 - w, clBlack},
        {"top left, red outline", {.AGauche = true, .Contour = CouleurRouge}, 0, CouleurRouge},
        {"widened, grey outline",
         {.Elargissement = 4, .DecalageTexte = 2, .Contour = CouleurGrise},
         762 - w - 4,
         CouleurGrise},
        {"bold", {.Elargissement = 1, .DecalageTexte = 1, .Gras = true}, 762 - wGras - 1, clBlack},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        TCanevasEnregistreur dessin(762, 350);
        DessineBoiteTaille(dessin, message, CouleurFuchsia, c.Place);
        const auto& journal = dessin.Journal();
        ASSERT_EQ(journal.size(), 2u);
        const int largeur = (c.Place.Gras ? wGras : w) + c.Place.Elargissement;
        EXPECT_EQ(journal[0].Valeurs, (std::vector<int>{c.Gauche, 0, c.Gauche + largeur, 18}));
        EXPECT_EQ(journal[0].Stylo.Couleur, c.Contour);
        EXPECT_EQ(journal[0].Pinceau.Couleur, CouleurFuchsia);
        EXPECT_TRUE(TexteDessine(dessin, {.Texte = message,
                                          .X = c.Gauche + c.Place.DecalageTexte,
                                          .Y = 2,
                                          .Gras = c.Place.Gras,
                                          .Couleur = clWhite}));
        // The font goes back as it was.
        EXPECT_FALSE(dessin.Police().Gras);
        EXPECT_EQ(dessin.Police().Couleur, clBlack);
    }

    // On paper: at the print position's left, its outline lightened with the fill; the text a sixteenth lower.
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeBoiteTaille(*page, message, CouleurFuchsia,
                       {.AGauche = true, .Contour = CouleurFuchsia, .TexteAuSeizieme = true});
    const int wPage = page->TextWidth(message);
    const auto& journal = page->Journal();
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[0].Valeurs, (std::vector<int>{100, 1000, 100 + wPage, 1120}));
    EXPECT_EQ(journal[0].Stylo.Couleur, EclaircitCouleur(CouleurFuchsia));
    EXPECT_EQ(journal[1].Valeurs, (std::vector<int>{100, 1012}));
    // The hole's orange is not lightened, and the box stands at the right margin.
    page->EffaceJournal();
    ImprimeBoiteTaille(*page, message, CouleurOrange);
    EXPECT_EQ(page->Journal()[0].Valeurs, (std::vector<int>{4860 - wPage, 1000, 4860, 1120}));
    EXPECT_EQ(page->Journal()[0].Pinceau.Couleur, CouleurOrange);
    EXPECT_EQ(page->Journal()[1].Valeurs, (std::vector<int>{4860 - wPage, 1020}));
}

TEST_F(Support, LeBandeauSeMetADroiteOuALaGaucheDonnee)
{
    Controles.Dessin = {true, 12, 400, 762, 350};
    Controles.LabelOcculte.Width = 300;
    MontreBandeau({" Le faisceau est interrompu par le bord du correcteur ", CouleurFuchsia, true});
    EXPECT_EQ(Controles.LabelOcculte.Left, 12 + 762 - 300);
    EXPECT_EQ(Controles.LabelOcculte.Top, 400);
    EXPECT_TRUE(Controles.LabelOcculte.Visible);
    MontreBandeau({" Le faisceau est interrompu par le bord du correcteur ", CouleurFuchsia, true, {20, 1}});
    EXPECT_EQ(Controles.LabelOcculte.Left, 12 + 20);
    EXPECT_EQ(Controles.LabelOcculte.Top, 401);
    EXPECT_EQ(PositionBandeau(500), 12 + 20);
}

TEST_F(Support, LeRayonMarginalRencontreLaSphereDuSecondaireOuLaManque)
{
    struct TCas
    {
        const char* Nom;
        double Pente, B, Rayon;
        bool Touche;
    };
    const TCas cas[] = {
        {"through the centre", 1, 0, std::sqrt(2.0), true}, {"a Cassegrain's convex secondary", 0.1, 150, 300, true},
        {"passing beside the sphere", 0.1, 500, 30, false}, {"parallel to the axis", 0, 10, 300, false},
        {"not a number", std::nan(""), 10, 300, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        const std::optional<TImpactSecondaire> impact = ImpactSecondaire(c.Pente, c.B, c.Rayon);
        ASSERT_EQ(impact.has_value(), c.Touche);
        if (!impact)
            continue;
        // On the ray and on the sphere, on the side of positive heights.
        EXPECT_NEAR(impact->Cote, impact->Hauteur / c.Pente + c.B, 1e-9);
        EXPECT_NEAR(std::hypot(impact->Hauteur, impact->Cote), std::abs(c.Rayon), 1e-9);
        EXPECT_GT(impact->Hauteur, 0);
    }
    EXPECT_NEAR(ImpactSecondaire(1, 0, std::sqrt(2.0))->Hauteur, 1, 1e-12);
}

} // namespace
