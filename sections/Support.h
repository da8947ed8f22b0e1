// What the instrument sections share beyond the frame: the drawing surface (screen image or paper) with its
// rounding, its clipping and its primitives, the lens device drawn inside a section, the edge rays drawn as
// polylines, the chevrons of the incoming light, the stored paths of traced rays and the marginal ray's hit on a
// secondary mirror.
#pragma once

#include "optics/Arrondis.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "platform/Canevas.h"
#include "sections/Cadre.h"
#include "sections/RayonsBord.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

// Coordinates are held within this many pixels (dots) of the origin, so that a point far off the band, or a value
// that is not a number, still makes an int the canvas can take.
inline constexpr std::int64_t LimitePx = 10000000;

int Entier(std::int64_t v);
// A length in pixels, rounded half to even, or with its fraction dropped.
int Arrondi(double v);
int Tronque(double v);

// The drawing surface of one section: the screen image or the paper, with their rounding and their primitives.
class TSupport
{
public:
    TSupport(ICanevas& canevas, bool papier) : C(canevas), Papier_(papier) {}

    bool Papier() const { return Papier_; }
    // Positions round to the nearest pixel on screen and drop the fraction on paper.
    int Pos(double v) const { return Papier() ? Tronque(v) : Arrondi(v); }
    // A length fixed in screen pixels, as printed: from a 16-pixel line.
    int Ligne16(int n) const;
    // The band's edges: the image's on screen, the printed frame's on paper.
    int Haut() const;
    int Bas() const;
    int Gauche() const;
    int Droite() const;

    // A ray: smoothed on screen, a plain pen line on paper, cut to the image (to the band's frame on paper). A ray
    // may start far off the band, where the smoothed line would otherwise walk millions of columns.
    void Trait(int x1, int y1, int x2, int y2, TColor couleur);
    // A plain pen line in the colour given (incoming light, stop strokes).
    void Ligne(int x1, int y1, int x2, int y2, TColor couleur);

    void Element(int x, int y, TColor teinte, double rB, double rA, double e, double dB, double dA, float s,
                 bool jointB, bool jointA);
    void ElementVertical(int x, int y, TColor teinte, double rB, double rA, double e, double dB, double dA, float s,
                         bool jointB, bool jointA);
    void MiroirPerce(int x, int y, TColor teinte, double rB, double rA, double e, double dB, double dA, double trou,
                     float s);
    void Lame(int x, int y, TColor teinte, double diametre, double profil, double epaisseur, float s);
    void Diaphragme(int x, int b);

    // The optical axis, the focal plane down the band and the short focal line, grey on screen, black on paper.
    void Axe(int y);
    void PlanFocal(int x);
    void AxeCourt(int x, int y);
    void CarreFoyer(int x, int y);
    void BoiteTaille(const std::string& message, TColor fond, const TPlaceBoite& place = {});

    // Black text on white, in 9 points on paper.
    void Texte(int x, int y, const std::string& texte);

    ICanevas& C;

private:
    bool Papier_;
};

// The device's rows drawn: 1 .. NombreDioptres, at most the table's rows.
int NombreLignesDispositif();
// Sum of the device's finite thicknesses of rows [premier, dernier].
double SommeEpaisseurs(int premier, int dernier);
// The tint of device row i from its palette slot.
TColor TeinteLigne(int i);
// A black solid stroke of a device stop.
void LigneArret(TSupport& sup, int x1, int y1, int x2, int y2);

// The screen band of a form whose drawing is hidden while the instrument is not valid, then the instrument's and the
// device's checks again; false when the drawing is hidden.
bool PrepareBandeSiValide(ICanevas& dessin);

// The device and the instrument's own glass traced in the green line, then the system solved.
void ResoutEnVert();
// For a valid device: whether the system is afocal, from its last thickness; then, for a focal one, the solve in the
// green line, on paper always, on screen only when the refresh asks for a recomputation.
void ResoutDispositifFocal(bool papier);

// The refusal of most sections.
inline const std::string TexteDonneesIncompletes = "Les données sont incomplètes ou incohérentes";
// The screen band 550 pixels high, then the device's and the instrument's checks; false, the refusal written in the
// band, when the section cannot be drawn.
bool OuvreBandeEcran(ICanevas& dessin);
// The refusal of a section that cannot be drawn, black on white at the band's top left.
void EcritRefus(ICanevas& dessin, const std::string& texte);
// The printed band framed from the margin, then the checks, the solve of a valid design and the checks again; false,
// the band left framed and empty and the print position past it, when the section cannot be drawn.
bool OuvreBandeImprimee(ICanevas& canevas);
// The system solved anew, from a reference ray that nothing has stopped yet.
void ResoutSysteme();
// The system solved in the one colour the sections trace, then the instrument's extent.
void ResoutEnUneCouleur();
// A primary as drawn: the thickness given, or a tenth of its diameter when none is, which the drawing's length then
// takes in besides; the thickness drawn is kept for the sheet.
struct TPrimaireDessine
{
    double Epaisseur = 0;
    bool EpaisseurDonnee = false;
};
TPrimaireDessine PrimaireDessine(double diametre, double& longueur);
// That ray traced through the instrument.
void TraceAxial(double hauteur);
// The same ray with the stops of a former trace cleared; whether the group, the secondary or the device hid it is
// left in the ray's RayonOcculte.
void TraceAxialOcculte(double hauteur);

// The device's glass and stops in their tints: `element`(i, dernier) draws the glass behind surface i (the last one
// running to the image plane), `arret`(i) the stop of surface i. The tint slots and joined-face flags are set
// before each call.
template <class FElement, class FArret>
void DessineDispositif(FElement element, FArret arret)
{
    AttribueTeintes();
    const int n = NombreLignesDispositif();
    for (int i = 1; i <= n; ++i)
    {
        if (EstVerre(i + 1) && i < n)
        {
            CalculeJoints(i);
            element(i, false);
        }
        else if (EstDiaphragme(Dispositif.RayonDioptre[i]))
            arret(i);
        if (i == n && EstVerre(n + 1) && !EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[n]))
        {
            CalculeJoints(n);
            JointSuivant = false;
            element(n, true);
        }
    }
}

// Where a lens device stands on the axis with the light running rightwards: the vertex of surface i + 1 stands the
// device's finite thicknesses after surface i left of `Droite`, a last glass runs from `Fin` (where the image lies)
// back over its thickness. The fills are lightened on paper when `Eclaircir`.
struct TDispositifDroit
{
    int Droite = 0;
    int Fin = 0;
    int Oa = 0;
    float s = 0;
    bool Eclaircir = false;
    // The two-mirror and Maksutov-Cassegrain sections keep their focus mark clear of a stop as wide as the device
    // too, which is not drawn.
    bool ArretLargeCompte = false;
};
// The device's glass, and its stops narrower than the device as two black strokes out to its widest diameter. The x
// of the last element drawn (or of a wide stop that counts), 0 when there is none.
int DessineDispositifDroit(TSupport& sup, const TDispositifDroit& place);

// The mark "Fr" of the final focus centred on x in a white box TextHeight("F") high at yBoite, its text at yTexte.
void MarqueFoyerResultant(TSupport& sup, int x, int yTexte, int yBoite);

// Where an edge ray's drawn path starts before the device: up to two points of the form (a mirror's rim, a hit on
// a secondary). The segments from them into device surface 1 are drawn whatever stopped the ray when `Toujours` is
// set; otherwise they follow the rule of the later segments, drawn only while the ray is not left stopped.
struct TDebutRayon
{
    std::array<TPointCanevas, 2> Points{};
    int Nombre = 0;
    bool Toujours = true;
};

// Draws the edge rays k = -1 and +1 as traced: from the form's start, through `point`(i, rayon, avant) on each
// device surface i = 1 .. N the ray reached, to its end `point`(N + 1, rayon, avant); `avant` is the point before.
template <class FDebut, class FPoint>
void DessineRayonsBord(TSupport& sup, const TRayonsBord& rayons, FDebut debut, FPoint point)
{
    const int nombre = NombreLignesDispositif();
    std::array<TPointCanevas, NombreMaxDioptres + 4> chemin{};
    for (int r = 0; r < rayons.Nombre; r += 2)
    {
        const TRayonBord& rayon = rayons.Rayons[static_cast<std::size_t>(r)];
        const TDebutRayon tete = debut(r - 1, rayon);
        std::size_t taille = 0;
        for (int j = 0; j < tete.Nombre && j < 2; ++j)
            chemin[taille++] = tete.Points[static_cast<std::size_t>(j)];
        const std::size_t premiers = taille;
        for (int i = 1; i <= nombre + 1; ++i)
        {
            // A surface the ray never reached in a computable place ends the path there.
            if (i <= nombre && !std::isfinite(rayon.Hauteurs[static_cast<std::size_t>(i)]))
                break;
            chemin[taille] = point(i, rayon, taille > 0 ? chemin[taille - 1] : TPointCanevas{});
            ++taille;
        }
        // The segments that end on surface 1 or before belong to the form's start.
        const std::size_t toujours = tete.Toujours ? std::min(premiers + 1, taille) : 0;
        const std::size_t fin = rayon.SuiteDessinee ? taille : toujours;
        for (std::size_t j = 1; j < fin; ++j)
            sup.Trait(chemin[j - 1].X, chemin[j - 1].Y, chemin[j].X, chemin[j].Y, rayon.Couleur);
    }
}

// The instrument's lens group: its glass in the palette's tints (lightened on paper), without joined faces, and its
// stops with the stop symbol; the slots counted from 0. The group's first vertex stands at x0, the others
// SommetGroupe mm to its right.
void DessineGroupe(TSupport& sup, int x0, int oa, float s);
// The marginal beam of the last trace through the lens group, below the axis and above: from the band's left edge to
// the group's hits (their axial positions counted from the primary's vertex, which lies `groupeMiroir` mm right of
// the first vertex), then to the hit on the primary (`ImpactPrimaire`), light sky blue when the group's edge cut it.
void DessineFaisceauGroupe(TSupport& sup, int x0, int oa, float s, double groupeMiroir, bool coupe);

// After the last trace, when it was cut: the banner of the lens group's edge when `coupe`, else of the central hole,
// its left edge `gauche` pixels from the drawing's; hidden when neither stopped the ray.
void MontreBandeauCorrecteur(bool coupe, int gauche);
// On paper, the lens group's edge named at the band's top left, in a box a letter wider than its text.
void ImprimeMessageCorrecteur(ICanevas& canevas);

// Three chevrons of the incoming light pointing along it, their tips at x, x + 5 and x + 10 on the line y.
void Chevrons(TSupport& sup, int x, int y);

// The diagonal flat folding the beam up: its reflecting face at 45 degrees from upper left to lower right through
// (x, Oa), its centre `decalage` mm further along the face than that point, its back offset down and to the left by
// its thickness.
void DessinePlanDiagonal(TSupport& sup, int x, int oa, double petitCote, double decalage, double epaisseur, float s,
                         TColor teinte);

// The film holder or focal surface at the focus x: a yellow block, outlined in green, whose right face is the field
// curved about the primary's centre of curvature (radius R - F1), or, for a flat field or one wider than that sphere,
// a flat yellow bar as high as the fully illuminated field.
void DessinePorteFilm(TSupport& sup, int x, int oa, float s, double rayon, double focale);

// A lens device standing on the vertical line X above a folding flat, the light going up to the image at YImage;
// an afocal device rises instead to HauteurAfocale mm above the axis, its rays leaving up to YSortie. Every vertex
// may stand Recul mm further from the image, the last glass then running up to that far beyond it.
struct TDispositifDebout
{
    int X = 0;
    int YImage = 0;
    int Oa = 0;
    float s = 0;
    bool Afocal = false;
    double HauteurAfocale = 0;
    int YSortie = 0;
    double Recul = 0;
    // The ordinate of vertex j moved by `fleche` mm along the light.
    int YSommet(const TSupport& sup, int j, double fleche) const;
};
// Its glass in full tints and its stops as strokes out to the device's widest diameter, when narrower.
void DessineDispositifDebout(TSupport& sup, const TDispositifDebout& d);
// The point of an edge ray on device surface i as the face is drawn (moved from the vertex by its sag, but on a
// focal device's first surface when `flecheSurface1` is clear), or for i beyond the last surface its end.
TPointCanevas PointDebout(const TSupport& sup, const TDispositifDebout& d, int i, const TRayonBord& rayon,
                          TPointCanevas avant, bool flecheSurface1);

// A lens device in the beam a spherical primary sends back towards the light, drawn mirrored with the light running
// leftwards. Ao is the primary's back, the reference point; the primary's vertex lies Fond mm in front of it and the
// image Image mm; the device's last thickness ends on the image.
struct TDispositifRenverse
{
    int Ao = 0;
    int Oa = 0;
    float s = 0;
    double Fond = 0;
    double Image = 0;
    int XImage = 0;
    // The incoming light from the band's left edge to each ray's hit on the primary, with its chevrons on screen;
    // a form that draws its beam into the primary itself leaves it out.
    bool LumiereEntrante = true;
    // On paper a cut ray's message is printed at the band's top right; without it the screen's banner is set.
    bool MessagesImprimes = true;
    // The solver and the tracer of the edge rays; tests put scripted ones in their place.
    void (*Prepare)() = nullptr;
    void (*Trace)() = nullptr;
    // Distance of device surface i's vertex in front of Ao.
    double Sommet(int i) const;
};
// Its glass (lightened on paper) and its stops with the stop symbol.
void DessineDispositifRenverse(TSupport& sup, const TDispositifRenverse& d);
// The three edge rays from their own hits on the primary through the device to the image, red, or light green after
// a retreat from a device edge, each with its incoming light (when asked); a cut ray shows the banner on screen and
// prints its message at the band's top right (when asked). False when a ray needed too many steps and the drawing
// stops.
bool DessineRayonsRenverses(TSupport& sup, const TDispositifRenverse& d);

// The path of one traced ray through a meniscus or corrector form as (x, z) pairs in single precision: x its height
// in the section's plane, z its axial position counted from the primary's vertex towards the light. Pair 0 the start
// on the aperture stop's plane, 1 and 2 the hits on the corrector's first and second faces, 3 the hit on the
// primary, 4 the chief ray's image point.
struct TPointTrajet
{
    float X = 0;
    float Z = 0;
};
using TTrajetRayon = std::array<TPointTrajet, 5>;
inline TTrajetRayon TrajetRayonPrincipal{};
inline TTrajetRayon TrajetBordNegatif{};
inline TTrajetRayon TrajetBordPositif{};

// The marginal ray traced on the axis from the entrance's rim at height `hauteur` to a Schmidt primary: its hit
// there, height and axial position in the mirror's frame; nothing when the ray is lost.
struct TImpactMiroir
{
    double Hauteur = 0;
    double Cote = 0;
};
std::optional<TImpactMiroir> TraceMarginalMiroir(double hauteur);

// Where a marginal ray meets a secondary's sphere: its height t and its axial position u = t / a + b, in the frame of
// the sphere's centre, a being the ray's slope (height over axial distance) and b the axis crossing's distance from
// the centre. Nothing when the ray misses the sphere or the values cannot be computed.
struct TImpactSecondaire
{
    double Hauteur = 0;
    double Cote = 0;
};
std::optional<TImpactSecondaire> ImpactSecondaire(double pente, double b, double rayon);
