// The Houghton-Cassegrain's section with the real tracer: drawn and printed with and without a lens device, the
// primary's diameter taken from the beam, the hole, secondary and conflict warnings, a secondary the rim ray misses.
#include "CoupesDeTest.h"
#include "optics/Validite.h"

#include <string>

namespace {

using T = TTypeInstrument;

const std::string TexteTrou = " Le trou central est trop petit ";
const std::string TexteSecondaire = " Le miroir secondaire est trop petit ";
const std::string TexteEtConflit = " et il y a conflit entre le correcteur et le miroir secondaire ";
const std::string TexteConflit = " Conflit entre le correcteur et le miroir secondaire ";

class CoupeHoughtonCassegrain : public CoupeDeTest
{};

// The test design with its corrector `dernier` mm before the primary: the secondary, about 633 mm before it, stands
// behind the corrector from 640 mm on, in conflict with it below.
void HoughtonCassegrain(double dernier = 700)
{
    ConstruitFormeValide(T::HoughtonCassegrain);
    Groupe.EpaisseurGroupe[4] = dernier;
    RederiveForme();
}

// Whether a box was drawn with that brush.
bool BoiteEnCouleur(const TCanevasEnregistreur& canevas, TColor fond)
{
    for (const TAppelCanevas& appel : canevas.Journal())
        if (appel.Operation == TOperationCanevas::Rectangle && appel.Pinceau.Couleur == fond)
            return true;
    return false;
}

TEST_F(CoupeHoughtonCassegrain, SeDessineEtSImprimeSansToucherLaConception)
{
    for (const bool dispositif : {false, true})
    {
        SCOPED_TRACE(dispositif ? "with a device" : "without a device");
        HoughtonCassegrain();
        if (dispositif)
            DispositifDeuxLentilles();
        ASSERT_TRUE(Validite.InstrumentValide);
        ASSERT_EQ(Validite.DispositifPresent, dispositif);
        DessineEtImprimeSansToucherLaConception(std::string("houghton-cassegrain") + (dispositif ? "-d" : ""));
        EXPECT_EQ(Controles.Dessin.Height, 550);
    }
}

TEST_F(CoupeHoughtonCassegrain, LePrimairePrendLeDiametreDuFaisceauQuandIlDepasseLEntree)
{
    for (const double faisceau : {230.0, 180.0})
    {
        SCOPED_TRACE(faisceau);
        HoughtonCassegrain();
        Instrument.DiametreUtileHoughton = faisceau;
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        const double attendu = std::max(faisceau, 200.0);
        EXPECT_EQ(Instrument.DiametreMiroir, attendu);
        // Without a thickness of its own the primary is drawn a tenth of its diameter thick.
        EXPECT_DOUBLE_EQ(Instrument.EpaisseurPrimaireDessin, attendu / 10);
    }
}

TEST_F(CoupeHoughtonCassegrain, LesAvertissementsSeComposentEnHautDeLaBande)
{
    struct TCas
    {
        const char* Nom;
        float Secondaire;
        float Trou;
        double Dernier;
        std::string Gauche; // the text at the top left, or none
        bool TrouSignale; // the hole's text at the top right
    };
    // The beam wants a secondary of p D / F1 = 42 mm and a hole of B / F D = 10 mm.
    const TCas cas[] = {
        {"all sizes right", 70, 60, 700, "", false},
        {"hole and secondary too small", 40, 5, 700, TexteSecondaire, true},
        {"secondary too small, in conflict", 40, 60, 600, TexteSecondaire + TexteEtConflit, false},
        {"conflict alone", 70, 60, 600, TexteConflit, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        HoughtonCassegrain(c.Dernier);
        Instrument.DiametreSecondaire = c.Secondaire;
        Instrument.DiametreTrouCentral = c.Trou;
        RederiveForme();
        ASSERT_TRUE(Validite.InstrumentValide);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        int textes = 0;
        for (const TAppelCanevas& appel : dessin.Textes())
            textes += appel.Texte.find("petit") != std::string::npos || appel.Texte.find("onflit") != std::string::npos;
        EXPECT_EQ(textes, (c.Gauche.empty() ? 0 : 1) + (c.TrouSignale ? 1 : 0));
        if (!c.Gauche.empty())
        {
            EXPECT_TRUE(
                TexteDessine(dessin, {.Texte = c.Gauche, .X = 0, .Y = 2, .Couleur = clWhite, .Fond = CouleurFuchsia}));
        }
        if (c.TrouSignale)
        {
            EXPECT_TRUE(TexteDessine(dessin, {.Texte = TexteTrou,
                                              .X = 762 - dessin.TextWidth(TexteTrou),
                                              .Y = 2,
                                              .Couleur = clWhite,
                                              .Fond = CouleurOrange}));
        }
        // The messages stand on their text's background, with no box around them.
        EXPECT_FALSE(BoiteEnCouleur(dessin, CouleurOrange));
        EXPECT_FALSE(BoiteEnCouleur(dessin, CouleurFuchsia));
        // Without a device the beam behind the secondary takes the colour of the last warning.
        EXPECT_EQ(PixelsEnCouleur(dessin, CouleurBleuCiel).empty(), c.Gauche.empty());
    }
}

TEST_F(CoupeHoughtonCassegrain, UnSecondaireQueLeRayonDuBordManqueLaisseLeResteDessine)
{
    for (const bool dispositif : {false, true})
    {
        SCOPED_TRACE(dispositif ? "with a device" : "without a device");
        HoughtonCassegrain();
        if (dispositif)
            DispositifDeuxLentilles();
        // A sphere of 10 mm that the converging beam, 120 mm off its centre, passes by.
        Instrument.RayonCourbureSecondaire = 10;
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        EXPECT_GT(PixelsDessines(dessin), 500);
        EXPECT_TRUE(CoordonneesBornees(dessin));
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
        const auto page = Imprime();
        EXPECT_TRUE(CoordonneesBornees(*page));
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 2 * 99 + Bande + 99);
    }
}

} // namespace
