// The page's two scroll bars: their positions are percentages (0 to 100) of the page's height and width.
#include "app/Defilement.h"

#include <algorithm>

namespace {

// Visible and page sizes in pixels; the page size and the large change of the bar in percent of the page.
void DimensionneBarre(TBarreDefilement& barre, int visible, int page)
{
    if (page <= 0)
    {
        barre.Visible = false;
        barre.Position = 0;
        barre.TaillePage = 100;
        barre.GrandPas = 0;
        return;
    }
    barre.TaillePage = visible * 100 / page;
    barre.GrandPas = std::min(visible * 90 / page, 100 - barre.TaillePage);
}

}

TDispositionBarres DisposeBarres(const TMesuresFenetre& mesures, const TBarreDefilement& verticale,
                                 const TBarreDefilement& horizontale)
{
    TDispositionBarres d;
    d.Verticale = verticale;
    d.Horizontale = horizontale;

    d.HauteurVisible = mesures.HauteurClient - mesures.HauteurOutils - mesures.HauteurStatut;
    if (horizontale.Visible)
        d.HauteurVisible -= mesures.HauteurBarreHorizontale;
    d.Verticale.Visible = d.HauteurVisible < mesures.HauteurPage;
    if (!d.Verticale.Visible)
        d.Verticale.Position = 0;
    DimensionneBarre(d.Verticale, d.HauteurVisible, mesures.HauteurPage);

    d.LargeurVisible = mesures.LargeurClient;
    if (d.Verticale.Visible)
        d.LargeurVisible -= mesures.LargeurBarreVerticale;
    d.Horizontale.Visible = d.LargeurVisible < mesures.LargeurPage;
    DimensionneBarre(d.Horizontale, d.LargeurVisible, mesures.LargeurPage);
    return d;
}

int DecalagePage(int taillePage, int position)
{
    return -(taillePage * position / 100);
}
