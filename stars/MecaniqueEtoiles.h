// What the star views share: when they may draw, the scale and its division, the colour passes, the chief ray
// and its aiming, the pupil grid, where each ray lands relative to the chief image, the plotting of a hit on screen
// and on paper, the Airy circle, the ticks and the frame of a printed star view.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "optics/Modele.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "platform/Canevas.h"

// The state the star views write and share with their printed twins.
struct TEtoiles
{
    float EchelleDessin = 0; // pixels (dots) per 10 µm of image, or per arc minute of apparent field when afocal
    int AbscisseOrigine = 0; // where the chief image is drawn
    int OrdonneeAxe = 0;
    int GraduationEtoile = 10; // the scale division in zoom units: 10, 5 or 1
    double PasPupille = 0; // mm between neighbouring rays of the pupil grid
    TColor CouleurPassage = clWhite;
    double AngleVise = 0; // exit angle the afocal aiming looks for, radians
    std::array<double, 3> PointImagePrincipal{}; // chief ray on the curved field, z from the sphere's centre
    int SigneImage = -1; // multiplies every meridional offset of the star image
    double DemiCordePupille = 0;
    double XImage = 0; // the current ray's image coordinates, mm
    double YImage = 0;
    double SommeHauteursImage = 0; // meridional coordinates of the plotted rays, summed
};
inline TEtoiles Etoiles;

// Where the report's first page left the print job, and what the printed views need of it.
struct TPositionImpression
{
    int MargeImpression = 0;
    int AbscisseCourante = 0;
    int OrdonneeCourante = 0;
    int EpaisseurTraitImpression = 1;
    std::string CheminDocument; // its file name heads a page the block moves to
};

// What the window gives a star view on screen, and what the view leaves for the window to apply.
struct TFenetreEtoiles
{
    ICanevas* Dessin = nullptr; // the drawing image under the sheet
    ICanevas* BoiteDistance = nullptr; // the distance box's own canvas (single star)
    int LargeurBoiteDistance = 50;
    bool Depart = false; // a document is being opened: the views draw nothing
    bool Transversales = false;
    bool RetourEtoileMultiple = false;

    bool DessinVisible = false;
    bool ZoomAvantActif = false;
    bool ZoomArriereActif = false;
    bool BoiteDistanceVisible = false;
    int BoiteDistanceGauche = 0; // from the image's left edge; its top is the image's top + 4
    bool TransversalesVisible = false;
    std::string TexteStatut;
};

// ---- Computation --------------------------------------------------------------------------------

// A star view draws only a valid instrument whose solve has not failed, with a valid lens device or none.
bool EtoilesDessinables();

// The scale division for a zoom: 10 units at zoom 1 and 2, 5 at 4 and 8, 1 from 16 on.
int GraduationPourZoom(int zoom);

// `SystemeAfocal` from the last device row's thickness.
void FixeSystemeAfocal();

// `NombreCouleurs`: three passes when the chromatic option is on and every traced glass has its red and blue
// indices, else one.
void ChoisitNombreCouleurs();

// The working indices applied, the system solved from the reference ray and the Airy radius computed; false when the
// user stopped the solve.
bool ResoutSystemeEtoiles();

// Working indices of pass k: 1 green, 2 red, 3 blue. The medium in front of the lens group keeps the green value.
void ChargeIndicesCouleur(int passe);

// The colour of pass k on screen: white for a single pass, else green, red, blue.
TColor CouleurPassageEcran(int passe);

// A density below 1 reads as 1, so that the pupil step stays finite.
int DensiteUtile(int densite);

// The field angle (radians) of a star at this distance: arc minutes on the sky, or degrees of apparent field
// divided by the magnification for an afocal system (the first guess of the aiming).
double AngleChampEtoile(double distance);
void FixeAngleChamp(double angle);

// What the chief ray gave.
enum class TVisee
{
    Trouvee,
    Perdue, // the afocal chief ray no longer passes, or its aiming did not settle: `RayonPerdu` is set
    HorsChamp // it misses the curved image surface: beeped, `RayonBloque` set, the view stops
};

// The aiming gives up after this many adjustments of the field angle.
inline constexpr int LimiteVisee = 200;

// Traces the chief ray of the star at `distance` (field angle already set), aims it for an afocal system so that it
// leaves at the distance's angle, and sets `HauteurImagePrincipale` and `SigneImage`.
TVisee ViseRayonPrincipal(double distance);

// Where one ray meets the image, after a trace that neither lost nor blocked it. Offsets are taken from the chief
// image, x meridional, y sagittal: radians when afocal, mm otherwise.
struct TImageRayon
{
    double Meridien = 0; // meridional offset from the chief image (the curved field: the chord projected)
    double Sagittal = 0; // sagittal coordinate (on the flat field measured from the axis, which is the same)
    double Hauteur = 0; // absolute meridional coordinate: LRayon (afocal), XImage (flat), the hit's x (curved)
};

// False when the ray misses the curved image surface (beeped, `RayonBloque` set).
bool ImageRayon(TImageRayon& image);

// Pixels (dots) per unit of offset at the current scale: per radian when afocal, per mm otherwise.
double FacteurPixels();
// A coordinate dropped to a whole pixel toward zero, kept far outside any image when it is huge or not a number.
int EntierPixel(double valeur);
// The meridional offset in pixels, signed by `SigneImage`, from the chief image.
inline int PixelMeridien(const TImageRayon& image)
{
    return EntierPixel(Etoiles.SigneImage * image.Meridien * FacteurPixels());
}
// The image's abscissa: the origin is added before the fraction is dropped.
inline int PixelAbscisse(const TImageRayon& image)
{
    return EntierPixel(Etoiles.AbscisseOrigine + Etoiles.SigneImage * image.Meridien * FacteurPixels());
}
inline int PixelSagittal(const TImageRayon& image)
{
    return EntierPixel(image.Sagittal * FacteurPixels());
}

// Clears the flags a grid ray is judged by.
void EffaceDrapeauxGrille();
// Clears the flags a grid ray is judged by, then traces it.
void TraceRayonGrille();

// The pupil grid of half the pupil: rows i = 0..n at y = i s, along a row x = 0, +s, -s, +2s, -2s ... until the
// first value outside the row (open interval, or closed with a margin of 1e-4 mm). The points of a row come in groups
// of up to RayonsEnSemble: `groupe`(i, y, x, nombre) with x[0 .. nombre-1]; it returns false to end the walk.
// Returns false when it was ended.
template <class FGroupe>
bool ParcourtPupilleParGroupes(int densite, bool intervalleFerme, FGroupe&& groupe)
{
    const int n = DensiteUtile(densite);
    const double s = Instrument.DiametreEntree / 2.0 / n;
    Etoiles.PasPupille = s;
    std::array<double, RayonsEnSemble> x{};
    for (int i = 0; i <= n; ++i)
    {
        const double y = i * s;
        const double c = std::sqrt(std::abs(Instrument.CarreRayonPupille - y * y));
        Etoiles.DemiCordePupille = c;
        const auto dedans = [&](double v) {
            return intervalleFerme ? (-(c + 0.0001) <= v && v <= c + 0.0001) : (-c < v && v < c);
        };
        double suivant = 0.0;
        while (dedans(suivant))
        {
            int nombre = 0;
            while (nombre < RayonsEnSemble && dedans(suivant))
            {
                x[static_cast<std::size_t>(nombre++)] = suivant;
                suivant = suivant > 0.0 ? -suivant : -suivant + s;
            }
            if (!groupe(i, y, x.data(), nombre))
                return false;
        }
    }
    return true;
}

// The same walk a point at a time: `rayon`(i) is called with the pupil point set in `Rayon`.
template <class FRayon>
bool ParcourtPupille(int densite, bool intervalleFerme, FRayon&& rayon)
{
    return ParcourtPupilleParGroupes(densite, intervalleFerme, [&](int i, double y, const double* x, int nombre) {
        for (int k = 0; k < nombre; ++k)
        {
            Rayon.XDepart = x[k];
            Rayon.YDepart = y;
            if (!rayon(i))
                return false;
        }
        return true;
    });
}

// The rays of one group of the walk, the pupil points x[0 .. nombre-1] of the row at y, traced as TraceRayonGrille
// traces each: `lit`(k, rayon) reads ray k where it ended (a lone ray in `Rayon`, the rays of a group in records of
// their own, `Rayon` keeping what the last instrument pass left) and returns false to skip the rest.
template <class FLit>
bool TraceGroupePupille(double y, const double* x, int nombre, FLit&& lit)
{
    if (nombre == 1)
    {
        Rayon.XDepart = x[0];
        Rayon.YDepart = y;
        TraceRayonGrille();
        return lit(0, static_cast<const TRayon&>(Rayon));
    }
    return TraceRayonsEnSembleLus(
        nombre,
        [&](int k) {
            Rayon.XDepart = x[k];
            Rayon.YDepart = y;
            EffaceDrapeauxGrille();
        },
        lit);
}

// The same walk with every grid ray traced as TraceRayonGrille traces it before `suite`(i) reads it in `Rayon`. The
// rays of a group go through the tracer together, which more than halves the time a long lens device takes.
template <class FSuite>
bool ParcourtPupilleTracee(int densite, bool intervalleFerme, FSuite&& suite)
{
    return ParcourtPupilleParGroupes(densite, intervalleFerme, [&](int i, double y, const double* x, int nombre) {
        return TraceGroupePupille(y, x, nombre, [&](int, const TRayon& rayon) {
            if (&rayon != &Rayon)
                Rayon = rayon;
            return suite(i);
        });
    });
}

// What the star views read of a traced grid ray: where it ends and whether it got there.
struct TRayonVu
{
    double X = 0, Y = 0, Z = 0, L = 0, M = 0, N = 1;
    bool Bloque = false;
    bool Perdu = false;
};

// The ray's end and flags put back into `Rayon`.
inline void RendRayonVu(const TRayonVu& v)
{
    TRayon& r = Rayon;
    r.XRayon = v.X, r.YRayon = v.Y, r.ZRayon = v.Z;
    r.LRayon = v.L, r.MRayon = v.M, r.NRayon = v.N;
    r.RayonBloque = v.Bloque;
    r.RayonPerdu = v.Perdu;
}

// A group of the pupil walk, as ParcourtPupilleParGroupes hands it over, with the half chord of its row.
struct TGroupePupille
{
    int Ligne = 0;
    double Y = 0;
    double DemiCorde = 0;
    std::array<double, RayonsEnSemble> X{};
    int Nombre = 0;
};

// Threads a dense walk of the pupil grid is traced on, the calling one included; 1 keeps it on the calling thread.
inline int FilsEtoiles = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
// The fewest rays that are worth a thread of their own.
inline constexpr int RayonsParFil = 4096;
// The threads for tracing that many rays: at least the calling one.
inline int FilsPourRayons(int rayons)
{
    return std::max(1, std::min(FilsEtoiles, rayons / RayonsParFil));
}

// Every ray of the groups traced as ParcourtPupilleTracee traces it, on up to `fils` threads, each starting from a
// copy of the calling thread's `Rayon`; ray k of the groups goes to vus[k]. The calling thread's `Rayon` is then as
// the last group left it, its running maxima including those of every ray.
void TraceGroupesPupille(std::span<const TGroupePupille> groupes, int fils, std::vector<TRayonVu>& vus);

// ParcourtPupilleTracee for the star views, whose `suite`(i) reads in `Rayon` only the pupil point, the ray's point
// and direction, `RayonBloque` and `RayonPerdu` (and may set `RayonBloque`): only these are handed over, not the
// whole record. The grid is traced a block of groups at a time, a dense one on several threads, then handed to
// `suite` in the walk's order, so that every value a view accumulates is what one thread gives, to the last bit.
// When `suite` ends the walk, the other records of `Rayon` are those of the last ray of its block.
template <class FSuite>
bool ParcourtPupilleVue(int densite, bool intervalleFerme, FSuite&& suite)
{
    std::vector<TGroupePupille> groupes;
    int rayons = 0;
    ParcourtPupilleParGroupes(densite, intervalleFerme, [&](int i, double y, const double* x, int nombre) {
        TGroupePupille& g = groupes.emplace_back(TGroupePupille{i, y, Etoiles.DemiCordePupille, {}, nombre});
        std::copy(x, x + nombre, g.X.begin());
        rayons += nombre;
        return true;
    });
    const int fils = FilsPourRayons(rayons);
    // Blocks of many groups: each costs the start of the threads, and holds a few megabytes of traced rays.
    constexpr std::size_t bloc = 32768;
    std::vector<TRayonVu> vus;
    for (std::size_t debut = 0; debut < groupes.size(); debut += bloc)
    {
        const std::span<const TGroupePupille> partie(groupes.data() + debut, std::min(bloc, groupes.size() - debut));
        TraceGroupesPupille(partie, fils, vus);
        std::size_t k = 0;
        for (const TGroupePupille& g : partie)
        {
            Etoiles.DemiCordePupille = g.DemiCorde;
            for (int j = 0; j < g.Nombre; ++j, ++k)
            {
                Rayon.XDepart = g.X[static_cast<std::size_t>(j)];
                Rayon.YDepart = g.Y;
                RendRayonVu(vus[k]);
                if (!suite(g.Ligne))
                    return false;
            }
        }
    }
    return true;
}

// A scan of the pupil diameter at -D/2 + i D/`nombrePas` while below D/2, along x, or along y when `sagittal`, the
// other coordinate 0; every ray is traced as TraceRayonGrille traces it before `suite`() reads it in `Rayon`, the
// rays going through the tracer four at a time. False when `suite` returned false, which ends the scan.
template <class FSuite>
bool ParcourtDiametreTrace(int nombrePas, bool sagittal, FSuite&& suite)
{
    const double D = Instrument.DiametreEntree;
    const double pas = D / nombrePas;
    int n = 0;
    while (-D / 2.0 + n * pas < D / 2.0)
        ++n;
    for (int debut = 0; debut < n; debut += RayonsEnSemble)
    {
        const bool fini = TraceRayonsEnSemble(
            std::min(RayonsEnSemble, n - debut),
            [&](int k) {
                const double v = -D / 2.0 + (debut + k) * pas;
                Rayon.XDepart = sagittal ? 0.0 : v;
                Rayon.YDepart = sagittal ? v : 0.0;
                EffaceDrapeauxGrille();
            },
            [&](int) { return suite(); });
        if (!fini)
            return false;
    }
    return true;
}

// The rays of one pass over the grid, counted without tracing them.
int NombreRayonsGrille(int densite, bool intervalleFerme);

// The colour passes of one star: the counts and the sum of image heights start from zero; every grid ray is traced,
// counted and handed to `trace`(image), the image being null for a ray blocked or lost; a plotted ray adds its
// meridional coordinate (on the curved field of the six-star view, the chief image's height less its offset) and
// goes to `point`(px, py); after each pass `apresPasse`(k) runs. False when a ray missed the curved image surface or
// `apresPasse` returned false.
template <class FCouleur, class FTrace, class FPoint, class FApres>
bool PassesEtoile(int densite, bool intervalleFerme, FCouleur&& couleur, FTrace&& trace, FPoint&& point,
                  FApres&& apresPasse)
{
    Etoiles.SommeHauteursImage = 0.0;
    Systeme.NombreRayonsPasses = 0;
    Systeme.NombreRayonsTraces = 0;
    const bool depuisPrincipal = !intervalleFerme && Instrument.ChampCourbe && !Validite.SystemeAfocal;
    for (int passe = 1; passe <= Systeme.NombreCouleurs; ++passe)
    {
        Rayon.EstRayonReference = false;
        ChargeIndicesCouleur(passe);
        Etoiles.CouleurPassage = couleur(passe);
        const bool fini = ParcourtPupilleVue(densite, intervalleFerme, [&](int) {
            ++Systeme.NombreRayonsTraces;
            if (Rayon.RayonBloque || Rayon.RayonPerdu)
            {
                trace(static_cast<const TImageRayon*>(nullptr));
                return true;
            }
            TImageRayon image;
            if (!ImageRayon(image))
                return false;
            trace(&image);
            ++Systeme.NombreRayonsPasses;
            Etoiles.SommeHauteursImage +=
                depuisPrincipal ? Systeme.HauteurImagePrincipale - Etoiles.XImage : image.Hauteur;
            point(PixelAbscisse(image), PixelSagittal(image));
            return true;
        });
        if (!fini || !apresPasse(passe))
            return false;
    }
    return true;
}

// ---- Drawing --------------------------------------------------------------------------------------

// A hit on screen: the pixel becomes the bitwise OR of what is there and the colour.
void PointOu(ICanevas& canevas, int x, int y, TColor couleur);

// A hit on paper, k dots per screen pixel: the three pass colours as interleaved strokes 3 dots apart, any other
// colour as a filled square of k dots. The pen is left at width `epaisseur`.
void PointImprime(ICanevas& canevas, int x, int y, TColor couleur, int k, int epaisseur);

// The chord of the circle of radius r around (x0, y0) from angle a to angle b, each end rounded to the nearest pixel.
void CordeCercle(ICanevas& canevas, int x0, int y0, double r, double a, double b);

// The dashed Airy circle of radius r pixels around (x0, y0) in the current pen; nothing for r <= 0.
void DessineCercleAiry(ICanevas& canevas, int x0, int y0, double r);

// The radius of the Airy disc in pixels (dots) at the current scale.
double RayonAiryPixels();

// Which of the four ticks at offset a may be drawn.
struct TTicksVisibles
{
    bool Droite = true;
    bool Gauche = true;
    bool Bas = true;
    bool Haut = true;
};

// Ticks along the two lines through (x0, y0) in the current pen while the offset stays below `limite`: a minor
// tick every division, a major one every 5 divisions (2 at division 5). `visibles`(a) chooses the ticks drawn.
template <class FVisibles>
void DessineGraduationsEtoile(ICanevas& canevas, int x0, int y0, int limite, int majeure, int mineure,
                              FVisibles&& visibles)
{
    const int g = Etoiles.GraduationEtoile;
    const int pas = static_cast<int>(std::trunc(g * Etoiles.EchelleDessin));
    if (pas <= 0)
        return;
    const int seuil = g == 1 ? 5 : g == 5 ? 10 : 50;
    const auto tick = [&](int a, int longueur) {
        const TTicksVisibles v = visibles(a);
        if (v.Droite)
        {
            canevas.MoveTo(x0 + a, y0 + longueur);
            canevas.LineTo(x0 + a, y0 - longueur);
        }
        if (v.Gauche)
        {
            canevas.MoveTo(x0 - a, y0 + longueur);
            canevas.LineTo(x0 - a, y0 - longueur);
        }
        if (v.Bas)
        {
            canevas.MoveTo(x0 - longueur, y0 + a);
            canevas.LineTo(x0 + longueur, y0 + a);
        }
        if (v.Haut)
        {
            canevas.MoveTo(x0 - longueur, y0 - a);
            canevas.LineTo(x0 + longueur, y0 - a);
        }
    };
    int a = 0;
    int unites = 0;
    while (a < limite)
    {
        a += pas;
        unites += g;
        if (unites >= seuil)
        {
            tick(a, majeure);
            unites = 0;
        }
        tick(a, mineure);
    }
}

// ---- Texts ----------------------------------------------------------------------------------------

// The sky angle of the aimed field angle: arc minutes above 2', arc seconds below.
std::string TexteAngleCiel(double angle);
// "Distance focale..." as the screen writes it, with the " = F x " ratio when a device extends the instrument.
std::string TexteFocaleEcran();
// "Distance focale..." as the printed views write it.
std::string TexteFocaleImprimee();
// "Grossissement = " G " = F/" eyepiece focal length " mm".
std::string TexteGrossissement();
// "1 division = ..." of a focal system.
std::string TexteDivisionFocale();
// "1 division = ..." of an afocal system, the division in arc minutes on the image followed by `minute`.
std::string TexteDivisionAfocale(const std::string& minute);

// ---- Printed frame --------------------------------------------------------------------------------

struct TCadreImpression
{
    int k = 1; // printer dots per screen pixel
    int Ligne = 16; // one printed line
    int Largeur = 0; // printable width, 762 k
    int Hauteur = 0; // block height, 550 k
    int Gauche = 0; // the block's corner after the frame's blank line
    int Haut = 0;
    TColor Fond = clWhite;
    TColor PremierPlan = clBlack;
};

// Breaks the page when the block does not fit, moves past a blank line, centres the block and sets the colours.
// False (and the print position untouched) when the gate fails.
bool DebuteCadreImpression(IImprimante& imprimante, TPositionImpression& position, TCadreImpression& cadre);
// Moves the print position past the block.
void TermineCadreImpression(TPositionImpression& position, const TCadreImpression& cadre);
// The colour of pass k on paper.
TColor CouleurPassageImprimee(int passe, const TCadreImpression& cadre);
