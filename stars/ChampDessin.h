// The parts of the field-analysis graph that the screen and the paper draw alike, up to their measures: the size
// and luminosity scales, the field ticks, the size curves, the memorised curve, the reference line and the
// luminosity curves, in the frame of `GrapheChamp`.
#pragma once

#include <climits>
#include <optional>
#include <string>

#include "platform/Canevas.h"

// The screen's measures by default; the paper gives its own in dots, a band top and a right end that cut what
// would pass them.
struct TTraitsGraphe
{
    int Haut = INT_MIN; // nothing is drawn at or above it
    int Droite = INT_MAX; // curves are cut there
    double Demi = 0.5; // added before a scale position is truncated
    int TickLong = 6;
    int TickCourt = 3;
    int EcartEtiquette = 3;
    int SeuilEtiquette = 20; // a size label is written only below it
    int TickPoint = 2; // half-length of the ticks on the curves' points
    TColor Luminosite = clBlue;
    int LuminositeLong = 6;
    int LuminositeCourt = 3;
    int LuminositeEtiquette = 8;
    int LuminositeTexteX = 6; // "Luminosité" from the size axis
    int LuminositeTexteY = 1;
    int ChampLong = 8;
    int ChampCourt = 5;
    int PasRepere = 8;
    int TiretRepere = 3;
    int DebutPresqueEclaire = 40; // where the second luminosity segment starts when the first is near full light
    bool Papier = false; // three-colour dashes on the other sixths, luminosity dashes built by hand
};

// A coordinate dropped to a whole pixel toward zero, kept far inside the int range.
int PixelTronque(double valeur);

void LigneGraphe(ICanevas& canevas, int x1, int y1, int x2, int y2);
void TexteGraphe(ICanevas& canevas, int x, int y, const std::string& texte, TColor couleur = clBlack);

// The size axis's graduations: a focal system's every 10 µm (labelled every 50 µm, or 0.1 mm and 0.5 mm at the
// largest amplitude), an afocal system's every 1' or 5'.
void DessineEchelleTaille(ICanevas& canevas, bool afocal, const TTraitsGraphe& traits);
// 0 to 100 % on the right of the size axis.
void DessineEchelleLuminosite(ICanevas& canevas, const TTraitsGraphe& traits);
// The field axis's ticks and labels; sets the step and the period of `GrapheChamp`.
void DessineGraduationsChamp(ICanevas& canevas, const TTraitsGraphe& traits);

// The size curves and their point ticks from `ResultatsChamp`: a segment is drawn only when the fan reached the
// image at its far end with more than a tenth of its rays.
void DessineCourbesTailles(ICanevas& canevas, const TTraitsGraphe& traits);
void DessineCourbeMemoriseeTailles(ICanevas& canevas, const TTraitsGraphe& traits);
void DessineLigneRepere(ICanevas& canevas, int fin, const TTraitsGraphe& traits);
// The illumination of the field and, when shown, the memorised one.
void DessineCourbesLuminosite(ICanevas& canevas, bool courbeAffichee, const TTraitsGraphe& traits);

struct TSegmentCanevas
{
    TPointCanevas A;
    TPointCanevas B;
};
// A segment kept below the top `haut` and left of `droite`: cut where it crosses them, nothing when both ends lie
// at or above the top (or both at or right of `droite`).
std::optional<TSegmentCanevas> CoupeBande(int xa, int ya, int xb, int yb, int haut, int droite);
void SegmentBande(ICanevas& canevas, int xa, int ya, int xb, int yb, int haut, int droite);
