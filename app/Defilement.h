// The page's two scroll bars: their positions are percentages (0 to 100) of the page's height and width.
#pragma once

struct TBarreDefilement
{
    bool Visible = false;
    int Position = 0; // percent of the page
    int TaillePage = 0; // percent of the page shown
    int GrandPas = 0; // percent moved by a click beside the thumb
};

// The sizes DisposeBarres works from, in pixels.
struct TMesuresFenetre
{
    int HauteurClient = 0;
    int LargeurClient = 0;
    int HauteurOutils = 0; // the tool bar
    int HauteurStatut = 0; // the status bar
    int HauteurBarreHorizontale = 0;
    int LargeurBarreVerticale = 0;
    int HauteurPage = 0;
    int LargeurPage = 0;
};

struct TDispositionBarres
{
    int HauteurVisible = 0;
    int LargeurVisible = 0;
    TBarreDefilement Verticale;
    TBarreDefilement Horizontale;
};

// Lays out the bars for the window's sizes; the bars as they are now give the positions kept and whether the
// horizontal bar takes room from the visible height.
TDispositionBarres DisposeBarres(const TMesuresFenetre& mesures, const TBarreDefilement& verticale,
                                 const TBarreDefilement& horizontale);

// The page's offset in pixels for a bar position: -(page size x position div 100).
int DecalagePage(int taillePage, int position);
