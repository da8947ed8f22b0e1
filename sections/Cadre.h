// What every instrument section shares: its colours, the band, the validity gate, the fit into the band, the glass
// tints and joined faces of the lens device, the beam-cut banner, the size boxes and the focus marks.
#pragma once

#include "optics/Modele.h"
#include "platform/Canevas.h"
#include "sections/Repere.h"
#include "sheet/ImpressionTableau.h"

#include <optional>
#include <string>

// The fixed colours of the sections.
inline constexpr TColor CouleurRouge = 0x0000FF; // incoming light, a ray that passes unhindered
inline constexpr TColor CouleurBleuCiel = 0xFACE87; // a ray moved in from the flat's edge, or a too small flat
inline constexpr TColor CouleurRose = 0xC1B6FF; // the central ray in the flat's shadow
inline constexpr TColor CouleurVertClair = 0x90EE90; // a ray moved in from a device surface's edge
inline constexpr TColor CouleurFuchsia = 0xFF00FF; // too small flat or secondary; cut by the device
inline constexpr TColor CouleurOrange = 0x00A5FF; // too small central hole
inline constexpr TColor CouleurGrise = 0x808080; // axis and focal plane on screen
inline constexpr TColor CouleurBlanche = 0xFFFFFF;

// The screen band of the sections is 350 pixels high.
inline constexpr int HauteurBande = 350;

// Where the banner stands over the drawing: its right edge on the drawing's (the usual place), or its left edge at
// a given distance from the drawing's left; its top a given distance below the drawing's top.
struct TPlaceBandeau
{
    std::optional<int> Gauche;
    int Haut = 0;
};

// The banner `LabelOcculte` over the drawing: white bold text on its own colour. The sheet's controls record
// (`Controles.LabelOcculte`) holds where it shows.
struct TBandeau
{
    std::string Legende;
    TColor Couleur = CouleurRouge;
    bool Visible = false;
    TPlaceBandeau Place{};
};
inline TBandeau BandeauOcculte;

// Where a size box stands in the band and how it is drawn: at the top right (the usual place) or the top left;
// widened by a few pixels towards the band's inside, its text moved in from the box's edge by `DecalageTexte`; its
// outline's colour (an outline of the fill's colour is lightened with it on paper); bold. On paper the text stands
// 2/10 of a line below the band's top, or 2/16 when `TexteAuSeizieme`.
struct TPlaceBoite
{
    bool AGauche = false;
    int Elargissement = 0;
    int DecalageTexte = 0;
    TColor Contour = clBlack;
    bool Gras = false;
    bool TexteAuSeizieme = false;
};

// Working values of one drawing: the palette slot the next new glass takes.
inline int TeinteSuivante = 0;
// The joined-face flags of the device element being drawn.
inline bool JointPrecedent = false;
inline bool JointSuivant = false;
// The edge ray's first trace passed outside the flat or secondary.
inline bool VignettageSecondaire = false;

// A section is drawn only for a valid instrument without conflict or failed solve, and a valid device if any.
bool PorteCoupeOuverte();
// The gate's text on screen and in print.
std::string TexteCoupeRefusee(bool blancs);

// Screen band: the drawing image shown 16 pixels under the lens table, filled with the button face, the white band
// framed.
void PrepareBandeEcran(ICanevas& dessin);
// Printed band at the current print position, as high as the block.
void PrepareBandeImprimee(ICanevas& canevas);
// The normal end of a printed section: the position moves past the band and one line.
void TermineBandeImprimee();
// Shows the banner after a cut edge ray, at its place over the drawing.
void MontreBandeau(const TBandeau& bandeau);
// The left of the banner `BandeauOcculte` on the page when its caption is this wide.
int PositionBandeau(int largeur);

// Scale of the fit: the band's usable height over the height when the drawing is relatively taller than the usable
// width, else that width over the length; 0 when the drawing has no extent.
float EchelleEcran(double longueur, double hauteur, int largeur, int hauteurUtile, int marge);
float EchelleImprimee(double longueur, double hauteur, int hauteurBande, int largeurPage, int marge, int unite);

// Palette slots of the device rows (`TeinteDioptre`): a glass already met shares its slot, air takes none, a new
// glass takes the next of the ten slots in turn.
void AttribueTeintes();
// The same for the instrument's lens group, its slots in the device's `TeinteDioptre` too.
void AttribueTeintesGroupe();
// The joined-face flags of the element between surfaces i and i + 1.
void CalculeJoints(int i);
// A medium of the device (element k: in front of surface k) counts as glass.
bool EstVerre(int milieu);

// The banner's caption and colour after an edge ray that was cut; the device's edge comes first, then the central
// hole, then (except for the refractor) the secondary's edge.
TBandeau LegendeBandeau(bool vignettageDispositif, bool dansTrouCentral, bool vignettageSecondaire,
                        TTypeInstrument type);

// The coloured size warning in a corner of the band, white text.
void DessineBoiteTaille(ICanevas& dessin, const std::string& message, TColor fond, const TPlaceBoite& place = {});
void ImprimeBoiteTaille(ICanevas& canevas, const std::string& message, TColor fond, const TPlaceBoite& place = {});

// The focus square: a 3 x 3 black outline with a white centre (printed: one sixteenth of a line each side).
void DessineCarreFoyer(ICanevas& dessin, int x, int y);
void ImprimeCarreFoyer(ICanevas& canevas, int x, int y);
