// The view "Instrument": which forms show the drawing image, where it goes under the lens table, and that a form
// whose section is not drawn hides the image.
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "sections/Cadre.h"
#include "sections/CoupeInstrument.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

namespace {

class CoupeInstrument : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }
    void SetUp() override
    {
        Controles.Grille.Top = 300;
        Controles.Grille.Height = 81;
    }

    TServicesDeTest Services;
};

TEST_F(CoupeInstrument, SeulUnInstrumentValideMontreLImageSousLaGrille)
{
    struct TCas
    {
        const char* Nom;
        TTypeInstrument Forme;
        bool Invalide;
        bool Visible;
        bool Dessine;
    };
    const TCas cas[] = {
        {"no form", TTypeInstrument::Aucun, false, false, false},
        {"valid Newton", TTypeInstrument::Newton, false, true, true},
        {"Newton without focal length", TTypeInstrument::Newton, true, false, false},
        {"valid refractor", TTypeInstrument::Lunette, false, true, true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ConstruitFormeValide(c.Forme);
        if (c.Invalide)
            Instrument.FocalePrimaire = 0;
        Controles.LabelOcculte.Visible = true;
        Controles.BoxDistance.Visible = true;
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        EXPECT_EQ(Controles.Dessin.Visible, c.Visible);
        EXPECT_EQ(!dessin.Journal().empty(), c.Dessine);
        EXPECT_FALSE(Controles.LabelOcculte.Visible);
        EXPECT_FALSE(Controles.BoxDistance.Visible);
        if (c.Dessine)
        {
            EXPECT_EQ(Controles.Dessin.Top, 300 + 81 + 16);
            EXPECT_EQ(ContexteAide, 3100);
            // The band is white, framed in black, over the button face.
            EXPECT_EQ(dessin.Pixels(0, 0), clBlack);
            EXPECT_EQ(dessin.Pixels(1, 348), clWhite);
            EXPECT_EQ(dessin.Pixels(5, 400), clBtnFace);
        }
    }
}

} // namespace
