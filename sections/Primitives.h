// The pixel-exact drawing primitives of the sections (axes, smoothed lines, lenses, mirrors, plates, stops) and
// their printed twins. Lengths are millimetres with the view's scale s in pixels (dots) per millimetre.
#pragma once

#include "platform/Canevas.h"
#include "sections/Repere.h"

#include <array>

using TDegrade = std::array<TColor, 10>;

// Ramp from black (0) to the colour (9), and from white (0) to nine tenths of the way to the colour (9).
inline TDegrade DegradeNoir{};
inline TDegrade DegradeBlanc{};
inline constexpr TDegrade DegradeGris = {0xFFFFFF, 0xE3E3E3, 0xC7C7C7, 0xABABAB, 0x8E8E8E,
                                         0x717171, 0x555555, 0x393939, 0x1C1C1C, 0x000000};

// The rims the last element drawn leaves for its caller: face B (x, half-height) and face A. The vertical drawer
// leaves the half-widths in the X fields and the rims' ordinates in the Y fields.
struct TBordsFaces
{
    int XBordFace1 = 0;
    int YBordFace1 = 0;
    int XBordFace2 = 0;
    int YBordFace2 = 0;
};
inline TBordsFaces BordsFaces;

// Each channel halfway to white.
TColor EclaircitCouleur(TColor couleur);
void CalculeDegradeNoir(TColor couleur);
void CalculeDegradeBlanc(TColor couleur);

// Dash-dot lines: dot 4, gap 4, dash 36, gap 4 (scaled from one 16-pixel line on paper).
void DessineAxe(ICanevas& canevas, int y, TColor couleur);
void DessineAxeCourt(ICanevas& canevas, int x, int y, TColor couleur);
void DessinePlanFocal(ICanevas& canevas, int x, int yFin, TColor couleur);
void DessineVerticalePointillee(ICanevas& canevas, int x, int yFin, TColor couleur);
void ImprimeAxe(ICanevas& canevas, int y, TColor couleur);
void ImprimeAxeCourt(ICanevas& canevas, int x, int y, TColor couleur);
void ImprimePlanFocal(ICanevas& canevas, int x, int yFin, TColor couleur);
void ImprimeVerticalePointillee(ICanevas& canevas, int x, int yFin, TColor couleur);

// A line shaded over two pixels per column (per row when steep) from the white ramp of the colour; the two end
// pixels take the pen colour found on entry.
void DessineLigneLissee(ICanevas& canevas, int x1, int y1, int x2, int y2, TColor couleur);

// An element between two spherical faces about the horizontal axis at height y: face A has its vertex at x, face B
// at x - e s. Radii are signed for the drawing's orientation; 1e20 is a plane. A set joint flag leaves out the outer
// grey pixel of that face. An element with a zero radius is not drawn and leaves the rims as they were.
void DessineElement(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA, double epaisseur,
                    double diametreB, double diametreA, float echelle, bool jointB, bool jointA);
void ImprimeElement(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA, double epaisseur,
                    double diametreB, double diametreA, float echelle);

// The same element with a central hole of diameter `trou` (mm); the hole's edges show only above 1 mm.
void DessineMiroirPerce(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA,
                        double epaisseur, double diametreB, double diametreA, double trou, float echelle, bool jointB,
                        bool jointA);
void ImprimeMiroirPerce(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA,
                        double epaisseur, double diametreB, double diametreA, double trou, float echelle);

// The element turned a quarter turn, about the vertical line at x: face A has its vertex at y, face B at y + e s.
void DessineElementVertical(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA,
                            double epaisseur, double diametreB, double diametreA, float echelle, bool jointB,
                            bool jointA);
void ImprimeElementVertical(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA,
                            double epaisseur, double diametreB, double diametreA, float echelle);

// The Schmidt plate between x - e s and x, D wide, its profile shown by shading on screen and by displacement on
// paper (profile code 0: no plate, an entrance stop instead). A Schmidt-Cassegrain without secondary leaves the
// device's shadow out of the plate's rows.
void DessineLame(ICanevas& canevas, int x, int y, TColor remplissage, double diametre, double profil, double epaisseur,
                 float echelle);
void ImprimeLame(ICanevas& canevas, int x, int y, TColor remplissage, double diametre, double profil, double epaisseur,
                 float echelle);

// A stop whose opening spans OrdonneeAxe +- b (pixels or dots), with lines out to the band's edges.
void DessineDiaphragme(ICanevas& canevas, int x, int b);
void ImprimeDiaphragme(ICanevas& canevas, int x, int b);
