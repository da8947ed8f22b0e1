// The section primitives: colour ramps, dash-dot lines, the smoothed line, the element drawers and the stop.
#include "sections/Primitives.h"

#include "optics/Arrondis.h"
#include "optics/DiametreDispositif.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "optics/Sentinelles.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace {

// Coordinates far outside any image are held to a range where integer arithmetic stays exact.
constexpr std::int64_t LimiteCoordonnee = 10000000;

int Px(std::int64_t valeur)
{
    return static_cast<int>(std::clamp(valeur, -LimiteCoordonnee, LimiteCoordonnee));
}

int RoundPx(double x)
{
    return Px(Round(x));
}
int TruncPx(double x)
{
    return Px(Trunc(x));
}

// The fractional part with the sign of the value, as the shading indices expect.
double Frac(double x)
{
    return x - std::trunc(x);
}

int Indice(std::int64_t i)
{
    return static_cast<int>(std::clamp<std::int64_t>(i, 0, 9));
}

// Sag of a face of radius r at height h; a height beyond the radius stops at the hemisphere, never NaN.
double Fleche(double rayon, double hauteur)
{
    const double t = std::min((hauteur / rayon) * (hauteur / rayon), 1.0);
    return rayon * (1 - std::sqrt(1 - t));
}

void Segment(ICanevas& canevas, int x1, int y1, int x2, int y2)
{
    canevas.MoveTo(x1, y1);
    canevas.LineTo(x2, y2);
}

// Axial distance between two rims and the slope of the side edge joining them (rows per column); a knife edge
// takes the given default.
double PenteBord(double flecheA, double flecheB, double epaisseur, double diametreA, double diametreB, double defaut)
{
    const double w = flecheA + epaisseur - flecheB;
    if (std::abs(w) <= 0.01)
        return defaut;
    return (diametreA - diametreB) / 2 / w;
}

// Columns beyond a rim follow the side edge; a side edge without slope cannot be reached from there.
int SuitBord(int ecart, double pente)
{
    if (pente == 0)
        return 0;
    return TruncPx(ecart / pente);
}

void Disque(ICanevas& canevas, int x, int y, int rayon)
{
    canevas.Ellipse(x - rayon, y - rayon, x + rayon, y + rayon);
}

struct TStyloSauve
{
    explicit TStyloSauve(ICanevas& canevas) : Canevas(canevas), Stylo(canevas.Stylo()), Pinceau(canevas.Pinceau()) {}
    ~TStyloSauve()
    {
        Canevas.Stylo() = Stylo;
        Canevas.Pinceau().Couleur = Pinceau.Couleur;
    }
    ICanevas& Canevas;
    TStylo Stylo;
    TPinceau Pinceau;
};

// Printed dash-dot pattern along one direction from `debut` to `fin` (exclusive): dot, gap, dash, gap.
template <class FTrait>
void MotifImprime(int debut, int fin, int pas, FTrait trait)
{
    const int point = pas / 4;
    const int vide = pas / 4;
    const int tiret = 5 * pas / 2 - vide;
    const int periode = 3 * pas;
    if (periode <= 0)
        return;
    for (int c = debut; c < fin; c += periode)
    {
        trait(c, std::min(c + point, fin));
        if (c + point + vide < fin)
            trait(c + point + vide, std::min(c + point + vide + tiret, fin));
    }
}

} // namespace

TColor EclaircitCouleur(TColor couleur)
{
    return CouleurRVB((ComposanteRouge(couleur) + 255) >> 1, (ComposanteVerte(couleur) + 255) >> 1,
                      (ComposanteBleue(couleur) + 255) >> 1);
}

void CalculeDegradeNoir(TColor couleur)
{
    for (int i = 0; i < 10; ++i)
        DegradeNoir[i] = CouleurRVB(i * ComposanteRouge(couleur) / 9, i * ComposanteVerte(couleur) / 9,
                                    i * ComposanteBleue(couleur) / 9);
}

void CalculeDegradeBlanc(TColor couleur)
{
    for (int i = 0; i < 10; ++i)
        DegradeBlanc[i] =
            CouleurRVB(255 - i * (255 - ComposanteRouge(couleur)) / 10, 255 - i * (255 - ComposanteVerte(couleur)) / 10,
                       255 - i * (255 - ComposanteBleue(couleur)) / 10);
}

void DessineAxe(ICanevas& canevas, int y, TColor couleur)
{
    canevas.Stylo().Couleur = couleur;
    canevas.Stylo().Style = TStyleStylo::Plein;
    canevas.MoveTo(0, y);
    for (int c = 4; c < canevas.Largeur(); c += 48)
    {
        canevas.LineTo(c, y);
        canevas.MoveTo(c + 4, y);
        canevas.LineTo(c + 40, y);
        canevas.MoveTo(c + 44, y);
    }
}

void DessineAxeCourt(ICanevas& canevas, int x, int y, TColor couleur)
{
    canevas.Stylo().Couleur = couleur;
    canevas.Stylo().Style = TStyleStylo::Plein;
    const int fin = x + 100;
    for (int c = std::max(x - 100, 0); c < fin; c += 48)
    {
        if (c + 4 < fin)
            Segment(canevas, c + 4, y, std::min(c + 40, fin), y);
        if (c + 44 < fin)
            Segment(canevas, c + 44, y, std::min(c + 48, fin), y);
    }
}

void DessinePlanFocal(ICanevas& canevas, int x, int yFin, TColor couleur)
{
    canevas.Stylo().Couleur = couleur;
    canevas.Stylo().Style = TStyleStylo::Plein;
    for (int c = 0; c < yFin; c += 48)
    {
        Segment(canevas, x, c, x, std::min(c + 4, yFin));
        if (c + 8 < yFin)
            Segment(canevas, x, c + 8, x, std::min(c + 44, yFin));
    }
}

void DessineVerticalePointillee(ICanevas& canevas, int x, int yFin, TColor couleur)
{
    canevas.Stylo().Couleur = couleur;
    canevas.Stylo().Style = TStyleStylo::Plein;
    for (int c = 0; c < yFin; c += 8)
        Segment(canevas, x, c, x, std::min(c + 4, yFin));
}

void ImprimeAxe(ICanevas& canevas, int y, TColor couleur)
{
    TStyloSauve sauve(canevas);
    canevas.Stylo().Couleur = couleur;
    canevas.Stylo().Style = TStyleStylo::Plein;
    canevas.Stylo().Epaisseur = sauve.Stylo.Epaisseur / 2;
    const int marge = ImpressionEtat.MargeImpression;
    MotifImprime(marge, canevas.Largeur() - marge, ImpressionEtat.PasLigneImpression,
                 [&](int a, int b) { Segment(canevas, a, y, b, y); });
}

void ImprimeAxeCourt(ICanevas& canevas, int x, int y, TColor couleur)
{
    TStyloSauve sauve(canevas);
    canevas.Stylo().Couleur = couleur;
    canevas.Stylo().Style = TStyleStylo::Plein;
    canevas.Stylo().Epaisseur = sauve.Stylo.Epaisseur / 2;
    const int demi = 100 * ImpressionEtat.PasLigneImpression / 16;
    const int debut = std::max(x - demi, canevas.Largeur() * 10 / 762);
    const int fin = x + demi;
    const int pas = ImpressionEtat.PasLigneImpression;
    const int periode = 3 * pas;
    if (periode <= 0)
        return;
    // The short axis starts with a gap, then dash, gap and dot, like its screen form.
    const int vide = pas / 4;
    const int tiret = 5 * pas / 2 - vide;
    for (int c = debut; c < fin; c += periode)
    {
        if (c + vide < fin)
            Segment(canevas, c + vide, y, std::min(c + vide + tiret, fin), y);
        if (c + 2 * vide + tiret < fin)
            Segment(canevas, c + 2 * vide + tiret, y, std::min(c + periode, fin), y);
    }
}

void ImprimePlanFocal(ICanevas& canevas, int x, int yFin, TColor couleur)
{
    TStyloSauve sauve(canevas);
    canevas.Stylo().Couleur = couleur;
    canevas.Stylo().Style = TStyleStylo::Plein;
    canevas.Stylo().Epaisseur = sauve.Stylo.Epaisseur / 2;
    MotifImprime(MiseEnPage.OrdonneeCourante, yFin, ImpressionEtat.PasLigneImpression,
                 [&](int a, int b) { Segment(canevas, x, a, x, b); });
}

void ImprimeVerticalePointillee(ICanevas& canevas, int x, int yFin, TColor couleur)
{
    TStyloSauve sauve(canevas);
    canevas.Stylo().Couleur = couleur;
    canevas.Stylo().Style = TStyleStylo::Plein;
    canevas.Stylo().Epaisseur = sauve.Stylo.Epaisseur / 2;
    const int pas = ImpressionEtat.PasLigneImpression / 4;
    if (pas <= 0)
        return;
    for (int c = MiseEnPage.OrdonneeCourante; c < yFin; c += 2 * pas)
        Segment(canevas, x, c, x, std::min(c + pas, yFin));
}

void DessineLigneLissee(ICanevas& canevas, int x1, int y1, int x2, int y2, TColor couleur)
{
    CalculeDegradeBlanc(couleur);
    const TColor couleurEntree = canevas.Stylo().Couleur;
    canevas.Stylo().Style = TStyleStylo::Plein;
    int xa = x2, ya = y2, xb = x1, yb = y1;
    if (x1 < x2)
    {
        xa = x1;
        ya = y1;
        xb = x2;
        yb = y2;
    }
    const double pente = xb == xa ? 1.0 : (static_cast<double>(yb) - ya) / (static_cast<double>(xb) - xa);
    if (std::abs(pente) < 1)
    {
        canevas.Pixels(xa, ya, couleurEntree);
        canevas.Pixels(xb, yb, couleurEntree);
        // Columns off the canvas shade nothing: a ray running far beyond it costs no more than the canvas.
        for (int c = std::max(xa + 1, 0); c < std::min(xb, canevas.Largeur()); ++c)
        {
            const double t = ya + (static_cast<double>(c) - xa) * pente;
            // Points above the image have no pixel to shade.
            if (t < 0)
                continue;
            const int k = Indice(Trunc(Frac(t) * 10));
            const int r = TruncPx(t);
            canevas.Pixels(c, r, DegradeBlanc[9 - k]);
            canevas.Pixels(c, r + 1, DegradeBlanc[k]);
        }
        return;
    }
    if (yb < ya)
    {
        std::swap(xa, xb);
        std::swap(ya, yb);
    }
    canevas.Pixels(xa, ya, couleurEntree);
    canevas.Pixels(xb, yb, couleurEntree);
    if (xa == xb)
    {
        canevas.Stylo().Couleur = DegradeBlanc[9];
        Segment(canevas, xa, ya, xb, yb);
        canevas.Stylo().Couleur = couleurEntree;
        return;
    }
    for (int r = std::max(ya + 1, 0); r < std::min(yb, canevas.Hauteur()); ++r)
    {
        const double t = xa + (static_cast<double>(r) - ya) / pente;
        if (t < 0)
            continue;
        const int k = Indice(Trunc(Frac(t) * 10));
        const int c = TruncPx(t);
        canevas.Pixels(c, r, DegradeBlanc[9 - k]);
        canevas.Pixels(c + 1, r, DegradeBlanc[k]);
    }
}

namespace {

// The rows of a horizontal element, shared by the plain and the pierced drawer. Sub-rows whose height is at most
// `demiTrou` (mm) are left out; the last one left out and its two face columns are reported.
struct TTrouLaisse
{
    int Ligne = -1;
    int ColonneB = 0;
    int ColonneA = 0;
};

TTrouLaisse RangeesElement(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA,
                           double epaisseur, double diametreB, double diametreA, double demiTrou, float echelle,
                           bool jointB, bool jointA, double pente)
{
    const TBordsFaces& b = BordsFaces;
    constexpr int SurMax = 6;
    const int sur = (std::abs(rayonB) < diametreB || std::abs(rayonA) < diametreA) ? SurMax : 1;
    const int lignes = std::max(b.YBordFace1, b.YBordFace2);
    TTrouLaisse trou;
    // The face columns of one pixel row's sub-rows.
    struct TSousLigne
    {
        int CB = 0, JB = 0, CA = 0, JA = 0;
    };
    std::array<TSousLigne, SurMax> sous{};
    for (int r = 0; r < lignes; ++r)
    {
        int n = 0;
        for (int k = r * sur; k < (r + 1) * sur; ++k)
        {
            const double h = static_cast<double>(k) / echelle / sur;
            TSousLigne& s = sous[static_cast<std::size_t>(n)];
            double qA = 0;
            if (k < sur * b.YBordFace1)
            {
                const double q = (epaisseur - Fleche(rayonB, h)) * echelle;
                s.CB = TruncPx(x - q) + (q < 0 ? 1 : 0);
                std::int64_t j = Trunc(Frac(q) * 10);
                if (j < 0)
                    j += 10;
                s.JB = Indice(j);
            }
            else
            {
                s.CB = SuitBord(r - b.YBordFace1, pente) + b.XBordFace1;
                s.JB = 0;
            }
            int jA = 0;
            if (k < sur * b.YBordFace2)
            {
                qA = Fleche(rayonA, h) * echelle;
                s.CA = TruncPx(x + qA);
                jA = Indice(std::abs(Trunc(Frac(qA) * 10)));
            }
            else
                s.CA = SuitBord(r - b.YBordFace2, pente) + b.XBordFace2;
            s.JA = qA < 0 ? 9 - jA : jA;
            if (h <= demiTrou)
            {
                trou = {r, s.CB, s.CA};
                continue;
            }
            ++n;
        }
        // A steep face crosses several columns within one pixel row: every sub-row's glass goes first, so that a
        // later sub-row's glass never covers the face pixels of an earlier one (a stepped, broken outline).
        const auto faceB = [&](const TSousLigne& s, int ligne) {
            if (!jointB)
                canevas.Pixels(s.CB - 1, ligne, DegradeGris[s.JB]);
            canevas.Pixels(s.CB, ligne, DegradeNoir[s.JB]);
        };
        const auto faceA = [&](const TSousLigne& s, int ligne) {
            canevas.Pixels(s.CA - 1, ligne, DegradeNoir[s.JA]);
            if (!jointA)
                canevas.Pixels(s.CA, ligne, DegradeGris[s.JA]);
        };
        const auto verre = [&](const TSousLigne& s, int ligne) {
            canevas.Stylo().Couleur = remplissage;
            Segment(canevas, s.CB + 1, ligne, s.CA - 1, ligne);
        };
        for (const int ligne : {y - r, y + r})
        {
            if (sur == 1)
            {
                if (n == 1)
                {
                    faceB(sous[0], ligne);
                    verre(sous[0], ligne);
                    faceA(sous[0], ligne);
                }
                continue;
            }
            for (int i = 0; i < n; ++i)
                verre(sous[static_cast<std::size_t>(i)], ligne);
            for (int i = 0; i < n; ++i)
            {
                faceB(sous[static_cast<std::size_t>(i)], ligne);
                faceA(sous[static_cast<std::size_t>(i)], ligne);
            }
        }
    }
    return trou;
}

// Rims, outline and slope of a horizontal element, on screen; false when a radius is zero.
bool BordsElement(ICanevas& canevas, int x, int y, double rayonB, double rayonA, double epaisseur, double diametreB,
                  double diametreA, float echelle)
{
    if (std::abs(rayonB) <= SeuilRayonNul || std::abs(rayonA) <= SeuilRayonNul)
        return false;
    const double flecheB = Fleche(rayonB, diametreB / 2);
    const double flecheA = Fleche(rayonA, diametreA / 2);
    BordsFaces.XBordFace1 = x - RoundPx((epaisseur - flecheB) * echelle);
    BordsFaces.XBordFace2 = RoundPx(x + flecheA * echelle);
    BordsFaces.YBordFace1 = RoundPx(diametreB / 2 * echelle);
    BordsFaces.YBordFace2 = RoundPx(diametreA / 2 * echelle);
    canevas.Stylo().Couleur = clBlack;
    canevas.Stylo().Style = TStyleStylo::Plein;
    const TBordsFaces& b = BordsFaces;
    Segment(canevas, b.XBordFace1, y - b.YBordFace1, b.XBordFace2, y - b.YBordFace2);
    Segment(canevas, b.XBordFace1, y + b.YBordFace1, b.XBordFace2, y + b.YBordFace2);
    return true;
}

void BordsLisses(ICanevas& canevas, int y)
{
    const TBordsFaces b = BordsFaces;
    if (b.YBordFace1 == b.YBordFace2)
        return;
    DessineLigneLissee(canevas, b.XBordFace1, y - b.YBordFace1, b.XBordFace2, y - b.YBordFace2, clBlack);
    DessineLigneLissee(canevas, b.XBordFace1, y + b.YBordFace1, b.XBordFace2, y + b.YBordFace2, clBlack);
}

// The printed rows of a horizontal element: face points as black discs, then the fill; rows up to `demiTrou` (mm)
// are left out.
void RangeesImprimees(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA,
                      double epaisseur, double demiTrou, float echelle, double pente, int rayonDisque)
{
    const TBordsFaces& b = BordsFaces;
    const int fin = std::max(b.YBordFace1, b.YBordFace2);
    for (int r = 0; r < fin; ++r)
    {
        const double h = r / echelle;
        if (h <= demiTrou)
            continue;
        int cB = 0, cA = 0;
        if (r < b.YBordFace1)
        {
            const double q = (epaisseur - Fleche(rayonB, h)) * echelle;
            cB = TruncPx(x - q) + (q < 0 ? 1 : 0);
        }
        else
            cB = SuitBord(r - b.YBordFace1, pente) + b.XBordFace1;
        if (r < b.YBordFace2)
            cA = TruncPx(x + Fleche(rayonA, h) * echelle);
        else
            cA = SuitBord(r - b.YBordFace2, pente) + b.XBordFace2;
        for (const int ligne : {y - r, y + r})
        {
            canevas.Stylo().Couleur = clBlack;
            canevas.Stylo().Epaisseur = 1;
            canevas.Pinceau().Couleur = clBlack;
            Disque(canevas, cB, ligne, rayonDisque);
            Disque(canevas, cA, ligne, rayonDisque);
            canevas.Stylo().Couleur = remplissage;
            Segment(canevas, cB + 1, ligne, cA - 1, ligne);
        }
    }
}

bool BordsImprimes(int x, double rayonB, double rayonA, double epaisseur, double diametreB, double diametreA,
                   float echelle)
{
    if (std::abs(rayonB) <= SeuilRayonNul || std::abs(rayonA) <= SeuilRayonNul)
        return false;
    BordsFaces.XBordFace1 = x - RoundPx((epaisseur - Fleche(rayonB, diametreB / 2)) * echelle);
    BordsFaces.XBordFace2 = TruncPx(x + Fleche(rayonA, diametreA / 2) * echelle);
    BordsFaces.YBordFace1 = TruncPx(diametreB / 2 * echelle);
    BordsFaces.YBordFace2 = TruncPx(diametreA / 2 * echelle);
    return true;
}

void ContourImprime(ICanevas& canevas, int y, int epaisseur)
{
    const TBordsFaces& b = BordsFaces;
    canevas.Stylo().Couleur = clBlack;
    canevas.Stylo().Epaisseur = epaisseur;
    Segment(canevas, b.XBordFace1, y - b.YBordFace1, b.XBordFace2, y - b.YBordFace2);
    Segment(canevas, b.XBordFace1, y + b.YBordFace1, b.XBordFace2, y + b.YBordFace2);
}

} // namespace

void DessineElement(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA, double epaisseur,
                    double diametreB, double diametreA, float echelle, bool jointB, bool jointA)
{
    if (!BordsElement(canevas, x, y, rayonB, rayonA, epaisseur, diametreB, diametreA, echelle))
        return;
    const double pente =
        PenteBord(Fleche(rayonA, diametreA / 2), Fleche(rayonB, diametreB / 2), epaisseur, diametreA, diametreB, 2);
    CalculeDegradeNoir(remplissage);
    RangeesElement(canevas, x, y, remplissage, rayonB, rayonA, epaisseur, diametreB, diametreA, -1, echelle, jointB,
                   jointA, pente);
    BordsLisses(canevas, y);
}

void ImprimeElement(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA, double epaisseur,
                    double diametreB, double diametreA, float echelle)
{
    if (!BordsImprimes(x, rayonB, rayonA, epaisseur, diametreB, diametreA, echelle))
        return;
    TStyloSauve sauve(canevas);
    const double pente =
        PenteBord(Fleche(rayonA, diametreA / 2), Fleche(rayonB, diametreB / 2), epaisseur, diametreA, diametreB, 1);
    RangeesImprimees(canevas, x, y, remplissage, rayonB, rayonA, epaisseur, -1, echelle, pente, 2);
    ContourImprime(canevas, y, ImpressionEtat.EpaisseurTraitImpression);
}

void DessineMiroirPerce(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA,
                        double epaisseur, double diametreB, double diametreA, double trou, float echelle, bool jointB,
                        bool jointA)
{
    if (!BordsElement(canevas, x, y, rayonB, rayonA, epaisseur, diametreB, diametreA, echelle))
        return;
    const double flecheA = Fleche(rayonA, diametreA / 2);
    const double flecheB = Fleche(rayonB, diametreB / 2);
    // A pierced mirror's side edge defaults to one row per column, and only when the rims coincide exactly.
    const double w = flecheA + epaisseur - flecheB;
    const double pente = w == 0 ? 1.0 : (diametreA - diametreB) / 2 / w;
    CalculeDegradeNoir(remplissage);
    const TTrouLaisse bord = RangeesElement(canevas, x, y, remplissage, rayonB, rayonA, epaisseur, diametreB, diametreA,
                                            trou / 2, echelle, jointB, jointA, pente);
    if (trou > 1 && bord.Ligne >= 0)
    {
        canevas.Stylo().Couleur = clBlack;
        Segment(canevas, bord.ColonneB, y - bord.Ligne, bord.ColonneA, y - bord.Ligne);
        Segment(canevas, bord.ColonneB, y + bord.Ligne, bord.ColonneA, y + bord.Ligne);
    }
    BordsLisses(canevas, y);
}

void ImprimeMiroirPerce(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA,
                        double epaisseur, double diametreB, double diametreA, double trou, float echelle)
{
    if (!BordsImprimes(x, rayonB, rayonA, epaisseur, diametreB, diametreA, echelle))
        return;
    TStyloSauve sauve(canevas);
    const double flecheA = Fleche(rayonA, diametreA / 2);
    const double flecheB = Fleche(rayonB, diametreB / 2);
    const double w = flecheA + epaisseur - flecheB;
    const double pente = w == 0 ? 1.0 : (diametreA - diametreB) / 2 / w;
    ContourImprime(canevas, y, ImpressionEtat.EpaisseurTraitImpression);
    if (trou > 1)
    {
        const int ligne = TruncPx(echelle * trou / 2);
        const int cB = TruncPx(x - (epaisseur - Fleche(rayonB, trou / 2)) * echelle);
        const int cA = TruncPx(x + Fleche(rayonA, trou / 2) * echelle);
        canevas.Stylo().Couleur = clBlack;
        Segment(canevas, cB, y - ligne, cA, y - ligne);
        Segment(canevas, cB, y + ligne, cA, y + ligne);
    }
    RangeesImprimees(canevas, x, y, remplissage, rayonB, rayonA, epaisseur, trou / 2, echelle, pente, 4);
    ContourImprime(canevas, y, ImpressionEtat.EpaisseurTraitImpression);
}

namespace {

// One column of a vertical element: the rows of face B (below) and face A (above) and their shade indices.
struct TColonneVerticale
{
    int YB = 0;
    int KB = 0;
    int YA = 0;
    int KA = 0;
    bool SagANegative = false;
};

TColonneVerticale ColonneVerticale(int i, int y, double rayonB, double rayonA, double epaisseur, float echelle,
                                   double pente)
{
    const TBordsFaces& b = BordsFaces;
    TColonneVerticale col;
    const double hB = std::min(i, b.XBordFace1) / static_cast<double>(echelle);
    if (i < b.XBordFace1 && (hB / rayonB) * (hB / rayonB) <= 1)
    {
        const double v = y + (epaisseur - Fleche(rayonB, hB)) * echelle;
        col.YB = TruncPx(v);
        col.KB = Indice(Trunc(Frac(v) * 10));
    }
    else
        // Beyond face B's rim the side edge climbs towards face A's rim.
        col.YB = b.YBordFace1 - SuitBord(i - b.XBordFace1, pente);
    const double hA = std::min(i, b.XBordFace2) / static_cast<double>(echelle);
    if (i < b.XBordFace2 && (hA / rayonA) * (hA / rayonA) <= 1)
    {
        const double v = Fleche(rayonA, hA) * echelle;
        col.YA = TruncPx(y - v);
        int k = Indice(Trunc(Frac(y - v) * 10));
        if (v > 0)
            k = 9 - k;
        col.KA = k;
        col.SagANegative = v < 0;
    }
    else
        col.YA = b.YBordFace2 - SuitBord(i - b.XBordFace2, pente);
    return col;
}

bool BordsVerticaux(int y, double rayonB, double rayonA, double epaisseur, double diametreB, double diametreA,
                    float echelle, bool imprime)
{
    if (std::abs(rayonB) <= SeuilRayonNul || std::abs(rayonA) <= SeuilRayonNul)
        return false;
    auto arrondi = imprime ? TruncPx : RoundPx;
    BordsFaces.YBordFace1 = arrondi(y + (epaisseur - Fleche(rayonB, diametreB / 2)) * echelle);
    BordsFaces.YBordFace2 = arrondi(y - Fleche(rayonA, diametreA / 2) * echelle);
    BordsFaces.XBordFace1 = arrondi(diametreB / 2 * echelle);
    BordsFaces.XBordFace2 = arrondi(diametreA / 2 * echelle);
    return true;
}

void ContourVertical(ICanevas& canevas, int x)
{
    const TBordsFaces& b = BordsFaces;
    Segment(canevas, x - b.XBordFace1, b.YBordFace1, x - b.XBordFace2, b.YBordFace2);
    Segment(canevas, x + b.XBordFace1, b.YBordFace1, x + b.XBordFace2, b.YBordFace2);
}

} // namespace

void DessineElementVertical(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA,
                            double epaisseur, double diametreB, double diametreA, float echelle, bool jointB,
                            bool jointA)
{
    if (!BordsVerticaux(y, rayonB, rayonA, epaisseur, diametreB, diametreA, echelle, false))
        return;
    const double pente =
        PenteBord(Fleche(rayonA, diametreA / 2), Fleche(rayonB, diametreB / 2), epaisseur, diametreA, diametreB, 2);
    canevas.Stylo().Couleur = clBlack;
    canevas.Stylo().Style = TStyleStylo::Plein;
    ContourVertical(canevas, x);
    CalculeDegradeNoir(remplissage);
    CalculeDegradeBlanc(remplissage);
    const TBordsFaces b = BordsFaces;
    const int fin = std::max(b.XBordFace1, b.XBordFace2);
    for (int i = 0; i < fin; ++i)
    {
        const TColonneVerticale col = ColonneVerticale(i, y, rayonB, rayonA, epaisseur, echelle, pente);
        const int kA = col.SagANegative ? 9 - col.KA : col.KA;
        for (const int colonne : {x - i, x + i})
        {
            if (!jointB)
                canevas.Pixels(colonne, col.YB + 1, DegradeGris[col.KB]);
            canevas.Pixels(colonne, col.YB, DegradeNoir[col.KB]);
            canevas.Stylo().Couleur = remplissage;
            Segment(canevas, colonne, col.YB - 1, colonne, col.YA);
            canevas.Pixels(colonne, col.YA + 1, DegradeNoir[kA]);
            if (!jointA)
                canevas.Pixels(colonne, col.YA, DegradeGris[kA]);
        }
    }
    if (b.XBordFace1 != b.XBordFace2)
    {
        DessineLigneLissee(canevas, x - b.XBordFace1, b.YBordFace1, x - b.XBordFace2, b.YBordFace2, clBlack);
        DessineLigneLissee(canevas, x + b.XBordFace1, b.YBordFace1, x + b.XBordFace2, b.YBordFace2, clBlack);
    }
}

void ImprimeElementVertical(ICanevas& canevas, int x, int y, TColor remplissage, double rayonB, double rayonA,
                            double epaisseur, double diametreB, double diametreA, float echelle)
{
    if (!BordsVerticaux(y, rayonB, rayonA, epaisseur, diametreB, diametreA, echelle, true))
        return;
    TStyloSauve sauve(canevas);
    const double pente =
        PenteBord(Fleche(rayonA, diametreA / 2), Fleche(rayonB, diametreB / 2), epaisseur, diametreA, diametreB, 1);
    const TBordsFaces b = BordsFaces;
    const int fin = std::max(b.XBordFace1, b.XBordFace2);
    for (int i = 0; i < fin; ++i)
    {
        const TColonneVerticale col = ColonneVerticale(i, y, rayonB, rayonA, epaisseur, echelle, pente);
        for (const int colonne : {x - i, x + i})
        {
            canevas.Stylo().Couleur = clBlack;
            canevas.Stylo().Epaisseur = 1;
            canevas.Pinceau().Couleur = clBlack;
            Disque(canevas, colonne, col.YB, 3);
            Disque(canevas, colonne, col.YA, 3);
            canevas.Stylo().Couleur = remplissage;
            Segment(canevas, colonne, col.YB + 1, colonne, col.YA - 1);
        }
    }
    canevas.Stylo().Couleur = clBlack;
    canevas.Stylo().Epaisseur = ImpressionEtat.EpaisseurTraitImpression / 2;
    ContourVertical(canevas, x);
}

namespace {

// The plate's drawn profile: f(u) = 1.5 u^2 - u^4, whose top at u = 0.866 is the neutral zone.
constexpr double ZoneNeutre = 0.866;
double ProfilLame(double u)
{
    return 1.5 * u * u - u * u * u * u;
}
const double ProfilZone = ProfilLame(ZoneNeutre);

bool SansSecondaireSchmidtCassegrain()
{
    return Instrument.TypeInstrument == TTypeInstrument::SchmidtCassegrain && Validite.SansSecondaire;
}

// The first row of the plate: the device's shadow when a Schmidt-Cassegrain has no secondary.
int PremiereRangeeLame(float echelle)
{
    if (!SansSecondaireSchmidtCassegrain())
        return 0;
    CalculeDiametreMaximalDispositif();
    return RoundPx(echelle * Instrument.DiametreMaximalDispositif / 2);
}

struct TNuances
{
    TColor C1, C2, C3;
};

// The three shades across a profiled face, from the profile's height A (-1 on the axis, 2 at the zone).
TNuances NuancesLame(double a)
{
    if (a < 0)
    {
        const int k = Indice(Trunc(Frac(a + 1) * 5));
        return {DegradeNoir[k], DegradeGris[k], DegradeGris[0]};
    }
    const int k = std::min(Indice(Trunc(Frac(a) * 5)), 4);
    if (a < 1)
        return {DegradeNoir[k + 5], DegradeNoir[k], DegradeGris[k]};
    return {DegradeNoir[9], DegradeNoir[k + 5], DegradeGris[k + 5]};
}

} // namespace

void DessineLame(ICanevas& canevas, int x, int y, TColor remplissage, double diametre, double profil, double epaisseur,
                 float echelle)
{
    const int m = RoundPx(epaisseur * echelle);
    const int n = RoundPx(diametre / 2 * echelle);
    const int code = static_cast<int>(Round(profil));
    BordsFaces.XBordFace2 = x;
    canevas.Stylo().Style = TStyleStylo::Plein;
    if (code == ProfilAucun)
    {
        // No plate: the entrance stop, a black jaw above and below with grey hatching inside.
        const int xs = TruncPx(x - m / 2.0);
        canevas.Stylo().Couleur = clBlack;
        for (const int sens : {-1, 1})
        {
            const int bord = y + sens * n;
            canevas.MoveTo(xs, bord);
            canevas.LineTo(xs, bord + sens * 10);
            canevas.LineTo(xs - 5, bord + sens * 10);
            canevas.LineTo(xs - 5, bord + sens * 5);
            canevas.LineTo(xs, bord);
        }
        canevas.Stylo().Couleur = 0xC0C0C0;
        for (int i = 1; i <= 4; ++i)
        {
            Segment(canevas, xs - i, y - n - i - 1, xs - i, y - n - 10);
            Segment(canevas, xs - i, y + n + i + 1, xs - i, y + n + 10);
        }
        return;
    }
    canevas.Stylo().Couleur = clBlack;
    Segment(canevas, x - m, y - n, x, y - n);
    Segment(canevas, x - m, y + n, x, y + n);
    const bool sansSecondaire = SansSecondaireSchmidtCassegrain();
    const int h0 = PremiereRangeeLame(echelle);
    CalculeDegradeNoir(remplissage);
    const int zone = RoundPx(n * ZoneNeutre);
    for (int i = h0; i < n; ++i)
    {
        double a = 3 * ProfilLame(static_cast<double>(i) / n) / ProfilZone - 1;
        if (i > zone)
            a = 2 - 5 * (2 - a);
        const TNuances c = NuancesLame(a);
        for (const int ligne : {y - i, y + i})
        {
            canevas.Stylo().Couleur = (sansSecondaire && i == h0) ? clBlack : remplissage;
            Segment(canevas, x - m, ligne, x, ligne);
            if (code == ProfilArriere || code == ProfilPartage)
            {
                canevas.Pixels(x - 1, ligne, c.C1);
                canevas.Pixels(x, ligne, c.C2);
                canevas.Pixels(x + 1, ligne, c.C3);
            }
            if (code == ProfilAvant || code == ProfilPartage)
            {
                canevas.Pixels(x - m - 1, ligne, c.C3);
                canevas.Pixels(x - m, ligne, c.C2);
                canevas.Pixels(x - m + 1, ligne, c.C1);
            }
        }
    }
    if (code == ProfilPartage)
        return;
    // The face without profile is a plain line, open across the device's shadow.
    const int xFace = code == ProfilArriere ? x - m : x;
    canevas.Stylo().Couleur = clBlack;
    if (sansSecondaire)
    {
        Segment(canevas, xFace, y - n, xFace, y - h0);
        Segment(canevas, xFace, y + h0, xFace, y + n);
    }
    else
        Segment(canevas, xFace, y - n, xFace, y + n);
}

void ImprimeLame(ICanevas& canevas, int x, int y, TColor remplissage, double diametre, double profil, double epaisseur,
                 float echelle)
{
    TStyloSauve sauve(canevas);
    const int w0 = sauve.Stylo.Epaisseur;
    const int l = ImpressionEtat.PasLigneImpression;
    canevas.Stylo().Epaisseur = ImpressionEtat.EpaisseurTraitImpression;
    canevas.Stylo().Couleur = clBlack;
    canevas.Stylo().Style = TStyleStylo::Plein;
    const double m = epaisseur * echelle;
    BordsFaces.XBordFace1 = TruncPx(x - m);
    BordsFaces.XBordFace2 = x;
    const int n = TruncPx(diametre / 2 * echelle);
    BordsFaces.YBordFace1 = n;
    const int x1 = BordsFaces.XBordFace1;
    const int code = static_cast<int>(Round(profil));
    if (code == ProfilAucun)
    {
        const int xs = TruncPx(x - m / 2);
        canevas.Stylo().Couleur = 0xC0C0C0;
        for (int j = 1; j <= 4; ++j)
            for (const int sens : {-1, 1})
                Segment(canevas, xs - j * l / 16, y + sens * (n + j * l / 16 + l / 16), xs - j * l / 16,
                        y + sens * (n + 2 * l / 3));
        canevas.Stylo().Couleur = clBlack;
        for (const int sens : {-1, 1})
        {
            const int bord = y + sens * n;
            canevas.MoveTo(xs, bord);
            canevas.LineTo(xs, bord + sens * (2 * l / 3));
            canevas.LineTo(xs - l / 3, bord + sens * (2 * l / 3));
            canevas.LineTo(xs - l / 3, bord + sens * (l / 3));
            canevas.LineTo(xs, bord);
        }
        return;
    }
    const int zone = TruncPx(n * ZoneNeutre);
    for (int i = PremiereRangeeLame(echelle); i < n; ++i)
    {
        double v = ProfilLame(static_cast<double>(i) / n) / ProfilZone - 1;
        if (i > zone)
            v *= 2;
        const int w = TruncPx(2 * v * w0);
        const int gauche = (code == ProfilArriere) ? x1 : x1 - w;
        const int droite = (code == ProfilAvant) ? x : x + w;
        const int faceArriere = (code == ProfilAvant) ? x : x + w;
        const int faceAvant = (code == ProfilArriere) ? x1 : x1 - w;
        for (const int ligne : {y - i, y + i})
        {
            canevas.Stylo().Epaisseur = 1;
            canevas.Stylo().Couleur = remplissage;
            Segment(canevas, gauche, ligne, droite, ligne);
            canevas.Stylo().Couleur = clBlack;
            canevas.Pinceau().Couleur = clBlack;
            Disque(canevas, faceArriere, ligne, 2);
            Disque(canevas, faceAvant, ligne, 2);
        }
    }
    canevas.Stylo().Couleur = clBlack;
    canevas.Stylo().Epaisseur = ImpressionEtat.EpaisseurTraitImpression;
    Segment(canevas, x1, y - n, x, y - n);
    Segment(canevas, x1, y + n, x, y + n);
}

namespace {

struct TTrait
{
    int Decalage; // column offset from the stop's line
    int De; // first pixel beyond the opening's edge
    int A; // end, not painted
};

struct TTraitsCouleur
{
    TColor Couleur;
    std::array<TTrait, 4> Traits;
    int Nombre;
};

constexpr std::array<TTraitsCouleur, 4> TraitsDiaphragme = {{
    {0xD7D7D7, {{{1, 1, 9}, {2, 3, 10}, {3, 5, 10}, {4, 8, 11}}}, 4},
    {0x6E6E6E, {{{1, 2, 9}, {2, 4, 10}, {3, 6, 11}, {4, 9, 11}}}, 4},
    {0x252525, {{{2, 5, 10}}}, 1},
    {clBlack, {{{1, 4, 9}, {2, 6, 10}, {3, 8, 10}}}, 3},
}};

} // namespace

void DessineDiaphragme(ICanevas& canevas, int x, int b)
{
    const int axe = RepereDessin.OrdonneeAxe;
    canevas.Stylo().Style = TStyleStylo::Plein;
    for (const TTraitsCouleur& groupe : TraitsDiaphragme)
    {
        canevas.Stylo().Couleur = groupe.Couleur;
        for (int n = 0; n < groupe.Nombre; ++n)
        {
            const TTrait& t = groupe.Traits[n];
            for (const int colonne : {x - t.Decalage, x + t.Decalage})
            {
                Segment(canevas, colonne, axe - b - t.De, colonne, axe - b - t.A);
                Segment(canevas, colonne, axe + b + t.De, colonne, axe + b + t.A);
            }
        }
    }
    canevas.Stylo().Couleur = clBlack;
    Segment(canevas, x, axe - b, x, 0);
    Segment(canevas, x, axe + b, x, 350);
}

void ImprimeDiaphragme(ICanevas& canevas, int x, int b)
{
    const int axe = RepereDessin.OrdonneeAxe;
    const int l = ImpressionEtat.PasLigneImpression;
    const int q = l / 4;
    const int h1 = l / 2;
    const int h2 = l * 11 / 16;
    canevas.Stylo().Couleur = clBlack;
    canevas.Stylo().Style = TStyleStylo::Plein;
    canevas.Pinceau().Couleur = clBlack;
    const int haut = axe - b;
    const int bas = axe + b;
    const TPointCanevas dessus[] = {{x, haut}, {x - q, haut - h2}, {x, haut - h1}, {x + q, haut - h2}};
    const TPointCanevas dessous[] = {{x, bas}, {x - q, bas + h2}, {x, bas + h1}, {x + q, bas + h2}};
    canevas.Polygon(dessus);
    canevas.Polygon(dessous);
    Segment(canevas, x, haut, x, MiseEnPage.OrdonneeCourante);
    Segment(canevas, x, bas, x, MiseEnPage.OrdonneeCourante + HauteurBandeImprimee);
}
