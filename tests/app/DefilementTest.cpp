// The scroll bars' percentage model: page size and large change of each bar, and when each bar shows.
#include "app/Defilement.h"

#include <gtest/gtest.h>

TEST(DisposeBarres, TaillesEnPourcentDeLaPage)
{
    struct TCas
    {
        const char* Nom;
        TMesuresFenetre Mesures;
        bool HorizontaleAvant;
        bool Verticale;
        int TailleVerticale;
        int PasVertical;
        bool Horizontale;
        int TailleHorizontale;
        int PasHorizontal;
    };
    // Client 700 high less a tool bar of 60 and a status bar of 40 leaves 600 visible.
    const TCas cas[] = {
        {"page de 1000 pour 600 visibles", {700, 900, 60, 40, 17, 17, 1000, 800}, false, true, 60, 40, false, 0, 0},
        {"page de 2000: 90 % du visible", {700, 900, 60, 40, 17, 17, 2000, 800}, false, true, 30, 27, false, 0, 0},
        {"la barre horizontale prend sa hauteur",
         {717, 900, 60, 40, 17, 17, 1000, 1000},
         true,
         true,
         60,
         40,
         true,
         88,
         12},
        {"page qui tient, barre verticale à 0", {700, 900, 60, 40, 17, 17, 500, 800}, false, false, 0, 0, false, 0, 0},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        TBarreDefilement verticale{true, 55, 0, 0};
        TBarreDefilement horizontale{c.HorizontaleAvant, 0, 0, 0};
        const TDispositionBarres d = DisposeBarres(c.Mesures, verticale, horizontale);
        EXPECT_EQ(d.Verticale.Visible, c.Verticale);
        EXPECT_EQ(d.Verticale.Position, c.Verticale ? 55 : 0);
        EXPECT_EQ(d.Horizontale.Visible, c.Horizontale);
        if (c.Verticale)
        {
            EXPECT_EQ(d.Verticale.TaillePage, c.TailleVerticale);
            EXPECT_EQ(d.Verticale.GrandPas, c.PasVertical);
        }
        if (c.Horizontale)
        {
            EXPECT_EQ(d.Horizontale.TaillePage, c.TailleHorizontale);
            EXPECT_EQ(d.Horizontale.GrandPas, c.PasHorizontal);
        }
    }
}

TEST(DisposeBarres, LaPageSeDecaleDuPourcentageDeSaTaille)
{
    EXPECT_EQ(DecalagePage(1000, 0), 0);
    EXPECT_EQ(DecalagePage(1000, 40), -400);
    EXPECT_EQ(DecalagePage(1234, 33), -407);
}
