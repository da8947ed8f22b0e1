// The field graph's scales, ticks and curves, drawn with the measures of the screen or of the paper.
#include "stars/ChampDessin.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "optics/Arrondis.h"
#include "optics/Modele.h"
#include "platform/Format.h"
#include "sections/Primitives.h"
#include "stars/Champ.h"
#include "stars/ChampTextes.h"
#include "stars/GrapheChamp.h"
#include "stars/MecaniqueEtoiles.h"

namespace {

constexpr TColor Orange = 0x00A5FF;
constexpr TColor Memoire = 0xFF00FF;
constexpr TColor MemoireTroisCouleurs = 0xFF77FF;

int Tronque(double valeur)
{
    return PixelTronque(valeur);
}
int Arrondi(double valeur)
{
    return static_cast<int>(Round(std::clamp(valeur, -1e8, 1e8)));
}

TPointCanevas PointTaille(double position, double taille)
{
    const TGrapheChamp& g = GrapheChamp;
    return {Arrondi(g.AbscisseOrigine + position * g.EchelleChampGraphe),
            Arrondi(g.OrdonneeAxe + taille * g.EchelleTailleGraphe)};
}

TPointCanevas PointLuminosite(double position, double luminosite)
{
    const TGrapheChamp& g = GrapheChamp;
    return {Arrondi(g.AbscisseOrigine + position * g.EchelleChampGraphe),
            Arrondi(g.OrdonneeAxe - luminosite * g.EchelleLuminositeGraphe)};
}

void Segment(ICanevas& c, TPointCanevas a, TPointCanevas b, const TTraitsGraphe& t)
{
    SegmentBande(c, a.X, a.Y, b.X, b.Y, t.Haut, t.Droite);
}

bool DansBande(int y, const TTraitsGraphe& t)
{
    return t.Haut < y;
}

// A segment of the memorised curve: smoothed on screen, so that it reads apart from the present curves; plain on
// paper, where the printer's resolution needs no shading.
void SegmentLisse(ICanevas& c, TPointCanevas a, TPointCanevas b, TColor couleur, const TTraitsGraphe& t)
{
    c.Stylo().Couleur = couleur;
    if (t.Papier)
    {
        Segment(c, a, b, t);
        return;
    }
    if (const std::optional<TSegmentCanevas> s = CoupeBande(a.X, a.Y, b.X, b.Y, t.Haut, t.Droite))
        DessineLigneLissee(c, s->A.X, s->A.Y, s->B.X, s->B.Y, couleur);
}

// The three black dashes of the three-colour size: on screen over the sixths 0-1, 2-3 and 4-5 of the segment, on
// paper over 1-2, 3-4 and 5-6 with the segment's own truncated steps, each kept whole inside the band.
void TiretsTroisCouleurs(ICanevas& c, TPointCanevas a, TPointCanevas b, const TTraitsGraphe& t)
{
    c.Stylo().Couleur = clBlack;
    if (!t.Papier)
    {
        for (int k = 0; k < 6; k += 2)
        {
            const auto point = [&](int sixieme) {
                return TPointCanevas{Arrondi(a.X + (b.X - a.X) * sixieme / 6.0),
                                     Arrondi(a.Y + (b.Y - a.Y) * sixieme / 6.0)};
            };
            Segment(c, point(k), point(k + 1), t);
        }
        return;
    }
    const int sx = Tronque((b.X - a.X) / 6.0);
    const int sy = Tronque((b.Y - a.Y) / 6.0);
    for (int k = 1; k <= 5; k += 2)
    {
        const TPointCanevas debut{a.X + k * sx, a.Y + k * sy};
        const TPointCanevas fin{a.X + (k + 1) * sx, a.Y + (k + 1) * sy};
        if (DansBande(debut.Y, t) && DansBande(fin.Y, t) && std::max(debut.X, fin.X) <= t.Droite)
            LigneGraphe(c, debut.X, debut.Y, fin.X, fin.Y);
    }
}

// The luminosity's dashes built on one segment from (h, ya) to (l, yb) for paper, cut at the right end.
void TiretsLuminosite(ICanevas& c, int h, int ya, int l, int yb, int droite)
{
    const int dx = l - h;
    const int dy = yb - ya;
    if (l < droite)
    {
        if (2 * std::abs(dy) < std::abs(dx))
        {
            LigneGraphe(c, h, ya, h + dx / 3, ya + dy / 3);
            LigneGraphe(c, h + 2 * dx / 3, ya + 2 * dy / 3, l, yb);
            return;
        }
        // A steep segment: n short dashes, never more than its height in dots.
        const int n = dx == 0
                          ? std::max(1, std::abs(dy) / 3)
                          : std::clamp(Arrondi(std::abs(static_cast<double>(dy) / dx)), 1, std::max(1, std::abs(dy)));
        const int u = dx / 3 / n;
        const int v = dy / 3 / n;
        for (int k = 0; k <= n; ++k)
        {
            const TPointCanevas debut =
                k == 0 ? TPointCanevas{h, ya} : TPointCanevas{h + (3 * k - 1) * u, ya + (3 * k - 1) * v};
            const TPointCanevas fin = k == n ? TPointCanevas{h + 3 * n * u, ya + 3 * n * v}
                                             : TPointCanevas{h + (3 * k + 1) * u, ya + (3 * k + 1) * v};
            LigneGraphe(c, debut.X, debut.Y, fin.X, fin.Y);
        }
        return;
    }
    if (h >= droite || dx == 0)
        return;
    if (h + dx / 3 < droite)
        LigneGraphe(c, h, ya, h + dx / 3, ya + dy / 3);
    if (h + 2 * dx / 3 < droite)
        LigneGraphe(c, h + 2 * dx / 3, ya + 2 * dy / 3, droite,
                    ya + Tronque(static_cast<double>(droite - h) / dx * dy));
}

// One luminosity curve of a table whose element k holds position k; `trace`(k) allows the segment into k. An axis
// near full light leaves the first segment out and starts the second off the axis, where the curve leaves the top.
template <class FTrace>
void CourbeLuminosite(ICanevas& c, const TResultatChamp* table, FTrace&& trace, bool ticks, const TTraitsGraphe& t)
{
    const TGrapheChamp& g = GrapheChamp;
    const TStylo stylo = c.Stylo();
    for (int j = 1; j <= 20; ++j)
    {
        if (!trace(j) || !(j > 1 || table[0].Luminosite < 0.98))
            continue;
        TPointCanevas a = PointLuminosite(table[j - 1].Position, table[j - 1].Luminosite);
        const TPointCanevas b = PointLuminosite(table[j].Position, table[j].Luminosite);
        if (j == 2 && table[1].Luminosite > 0.98)
            a.X = g.AbscisseOrigine + t.DebutPresqueEclaire;
        c.Stylo() = stylo;
        if (t.Papier)
            TiretsLuminosite(c, a.X, a.Y, b.X, b.Y, t.Droite);
        else
            LigneGraphe(c, a.X, a.Y, b.X, b.Y);
        if (ticks && b.X < t.Droite)
        {
            c.Stylo().Style = TStyleStylo::Plein;
            c.Stylo().Couleur = clBlack;
            LigneGraphe(c, b.X, b.Y - t.TickPoint, b.X, std::min(b.Y + t.TickPoint, g.OrdonneeAxe));
        }
    }
    c.Stylo() = stylo;
}

} // namespace

int PixelTronque(double valeur)
{
    return static_cast<int>(Trunc(std::clamp(valeur, -1e8, 1e8)));
}

void LigneGraphe(ICanevas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void TexteGraphe(ICanevas& c, int x, int y, const std::string& texte, TColor couleur)
{
    c.Police().Couleur = couleur;
    c.TextOut(x, y, texte);
}

void DessineEchelleTaille(ICanevas& c, bool afocal, const TTraitsGraphe& t)
{
    const TGrapheChamp& g = GrapheChamp;
    const int x0 = g.AbscisseOrigine;
    const auto tick = [&](int depart, int y) { LigneGraphe(c, depart, y, x0, y); };
    const auto etiquette = [&](const std::string& texte, int y) {
        TexteGraphe(c, x0 - t.TickLong - c.TextWidth(texte) - t.EcartEtiquette, y - c.TextHeight(texte) / 2, texte);
    };
    c.Stylo().Couleur = clBlack;
    if (afocal)
    {
        const int amplitude = AmplitudeChampAfocalUtile(Reglages.AmplitudeChampAfocal);
        const int pas = amplitude == 24 ? 1 : 5;
        Etoiles.GraduationEtoile = pas;
        for (int i = 0; i <= amplitude / pas; ++i)
        {
            const int y = Tronque(g.OrdonneeAxe + pas * i * g.EchelleTailleGraphe + t.Demi);
            if (!DansBande(y, t))
                continue;
            if (pas * i % 10 == 0)
            {
                etiquette(std::to_string(pas * i), y);
                tick(x0 - t.TickLong, y);
            }
            else
            {
                tick(pas == 1 && (i == 5 || i == 15 || i == 25) ? x0 - t.TickLong : x0 - t.TickCourt, y);
            }
        }
        return;
    }
    const int amplitude = AmplitudeChampUtile(Reglages.AmplitudeChamp);
    const int diviseur = amplitude == 150 ? 10 : 1;
    for (int i = 0; i <= amplitude + 4; ++i)
    {
        const int y = Tronque(i * g.EchelleTailleGraphe / 100.0 + g.OrdonneeAxe + t.Demi);
        if (!DansBande(y, t))
            continue;
        int depart = x0 - t.TickCourt;
        if (i % (5 * diviseur) == 0)
        {
            depart = x0 - t.TickLong;
            if (y > t.SeuilEtiquette)
                etiquette(amplitude < 100 ? std::to_string(10 * i) : FormateNombre(i / 100.0, "#0.0"), y);
        }
        if (i % diviseur == 0)
            tick(depart, y);
    }
}

void DessineEchelleLuminosite(ICanevas& c, const TTraitsGraphe& t)
{
    const TGrapheChamp& g = GrapheChamp;
    const int x0 = g.AbscisseOrigine;
    c.Stylo().Couleur = t.Luminosite;
    for (int i = 0; i <= 10; ++i)
    {
        const int y = Tronque(g.OrdonneeAxe - i * g.EchelleLuminositeGraphe / 10.0);
        if (!DansBande(y, t))
            continue;
        if (i == 5 || i == 10)
        {
            const std::string etiquette = std::to_string(10 * i) + "%";
            LigneGraphe(c, x0 + t.LuminositeLong, y, x0, y);
            TexteGraphe(c, x0 + t.LuminositeEtiquette, y - c.TextHeight(etiquette) / 2, etiquette, t.Luminosite);
        }
        else
        {
            LigneGraphe(c, x0 + t.LuminositeCourt, y, x0, y);
        }
    }
    TexteGraphe(c, x0 + t.LuminositeTexteX, t.LuminositeTexteY, "Luminosité", t.Luminosite);
    c.Stylo().Couleur = clBlack;
}

void DessineGraduationsChamp(ICanevas& c, const TTraitsGraphe& t)
{
    TGrapheChamp& g = GrapheChamp;
    const TGraduationChamp graduation = GraduationChamp(g.RayonChampGraphe);
    g.PasGraduationChamp = graduation.Pas;
    g.PeriodeEtiquetteChamp = graduation.Periode;
    c.Stylo().Couleur = clBlack;
    int compteur = graduation.Periode;
    for (int i = 0; i <= g.RayonChampGraphe / graduation.Pas; ++i)
    {
        const int x = g.AbscisseOrigine + Tronque(graduation.Pas * g.EchelleChampGraphe * i + t.Demi);
        if (compteur == graduation.Periode)
        {
            const std::string etiquette = EtiquetteChamp(graduation.Pas * i, g.RayonChampGraphe);
            TexteGraphe(c, x - c.TextWidth(etiquette) / 2, g.OrdonneeAxe + t.ChampLong, etiquette);
            LigneGraphe(c, x, g.OrdonneeAxe, x, g.OrdonneeAxe + t.ChampLong);
            compteur = 1;
        }
        else
        {
            LigneGraphe(c, x, g.OrdonneeAxe, x, g.OrdonneeAxe + t.ChampCourt);
            ++compteur;
        }
    }
}

void DessineCourbesTailles(ICanevas& c, const TTraitsGraphe& t)
{
    const bool trois = Systeme.NombreCouleurs == 3;
    const TColor couleur = trois ? clLime : clBlack;
    c.Stylo().Style = TStyleStylo::Plein;
    for (std::size_t j = 0; j + 1 < ResultatsChamp.size(); ++j)
    {
        const TResultatChamp& a = ResultatsChamp[j];
        const TResultatChamp& b = ResultatsChamp[j + 1];
        if (!(b.Luminosite > 0.1))
            continue;
        if (trois)
        {
            c.Stylo().Couleur = clRed;
            Segment(c, PointTaille(a.Position, a.TailleRouge), PointTaille(b.Position, b.TailleRouge), t);
            c.Stylo().Couleur = clBlue;
            Segment(c, PointTaille(a.Position, a.TailleBleu), PointTaille(b.Position, b.TailleBleu), t);
        }
        c.Stylo().Couleur = couleur;
        Segment(c, PointTaille(a.Position, a.TailleVert), PointTaille(b.Position, b.TailleVert), t);
        if (trois)
            TiretsTroisCouleurs(c, PointTaille(a.Position, a.TailleTroisCouleurs),
                                PointTaille(b.Position, b.TailleTroisCouleurs), t);
    }
    for (std::size_t j = 1; j < ResultatsChamp.size(); ++j)
    {
        const TResultatChamp& r = ResultatsChamp[j];
        if (!(r.Luminosite > 0.1))
            continue;
        const auto tick = [&](double taille, TColor teinte) {
            const TPointCanevas p = PointTaille(r.Position, taille);
            if (p.X < t.Droite && DansBande(p.Y - t.TickPoint, t))
            {
                c.Stylo().Couleur = teinte;
                LigneGraphe(c, p.X, p.Y - t.TickPoint, p.X, p.Y + t.TickPoint);
            }
            return p.Y;
        };
        const int yVert = tick(r.TailleVert, couleur);
        if (trois)
        {
            const int yRouge = tick(r.TailleRouge, clRed);
            const int yBleu = tick(r.TailleBleu, clBlue);
            const int yTrois = PointTaille(r.Position, r.TailleTroisCouleurs).Y;
            if (yTrois != yVert && yTrois != yRouge && yTrois != yBleu)
                tick(r.TailleTroisCouleurs, clBlack);
        }
    }
}

void DessineCourbeMemoriseeTailles(ICanevas& c, const TTraitsGraphe& t)
{
    const bool trois = Systeme.NombreCouleurs == 3;
    c.Stylo().Style = TStyleStylo::Plein;
    for (std::size_t r = 1; r <= 20; ++r)
    {
        const TResultatChamp& a = CourbeMemorisee[r];
        const TResultatChamp& b = CourbeMemorisee[r + 1];
        if (!(b.Luminosite > 0.1 || (r == 20 && a.Luminosite > 0.1)))
            continue;
        SegmentLisse(c, PointTaille(a.Position, a.TailleVert), PointTaille(b.Position, b.TailleVert),
                     trois ? MemoireTroisCouleurs : Memoire, t);
        if (trois)
            SegmentLisse(c, PointTaille(a.Position, a.TailleTroisCouleurs),
                         PointTaille(b.Position, b.TailleTroisCouleurs), Memoire, t);
    }
}

void DessineLigneRepere(ICanevas& c, int fin, const TTraitsGraphe& t)
{
    const TGrapheChamp& g = GrapheChamp;
    const int y = Tronque(Reglages.AmplitudeRepere / 1000.0 * g.EchelleTailleGraphe + g.OrdonneeAxe + 0.5);
    if (!DansBande(y, t))
        return;
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Couleur = clBlack;
    for (int x = g.AbscisseOrigine; x < fin; x += t.PasRepere)
        LigneGraphe(c, x, y, std::min(x + t.TiretRepere, t.Droite), y);
}

void DessineCourbesLuminosite(ICanevas& c, bool courbeAffichee, const TTraitsGraphe& t)
{
    CalculeLuminositeChamp();
    c.Stylo().Couleur = clBlue;
    c.Stylo().Style = t.Papier ? TStyleStylo::Plein : TStyleStylo::Tirets;
    CourbeLuminosite(
        c, ResultatsChamp.data(),
        [](int j) {
            return !EchecRayonPrincipal[static_cast<std::size_t>(j)] &&
                   ResultatsChamp[static_cast<std::size_t>(j)].Luminosite >= 0.0;
        },
        true, t);
    if (courbeAffichee)
    {
        c.Stylo().Couleur = Orange;
        c.Stylo().Style = TStyleStylo::Points;
        CourbeLuminosite(
            c, CourbeMemorisee.data() + 1,
            [](int j) { return CourbeMemorisee[static_cast<std::size_t>(j + 1)].Luminosite >= 0.0; }, false, t);
    }
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Couleur = clBlack;
}

std::optional<TSegmentCanevas> CoupeBande(int xa, int ya, int xb, int yb, int haut, int droite)
{
    const bool dedansA = haut < ya;
    const bool dedansB = haut < yb;
    if (!dedansA && !dedansB)
        return std::nullopt;
    // (xd, yd) lies inside, (xh, yh) at or above the top: where the segment meets y = haut.
    const auto coupeHaut = [&](int xd, int yd, int xh, int yh) {
        return TPointCanevas{xd + Tronque(static_cast<double>(haut - yd) / (yh - yd) * (xh - xd)), haut};
    };
    TPointCanevas a{xa, ya};
    TPointCanevas z{xb, yb};
    if (!dedansA)
        a = coupeHaut(xb, yb, xa, ya);
    if (!dedansB)
        z = coupeHaut(xa, ya, xb, yb);
    if (a.X >= droite && z.X >= droite)
        return std::nullopt;
    const auto coupeDroite = [&](TPointCanevas dedans, TPointCanevas dehors) {
        return TPointCanevas{droite, dedans.Y + Tronque(static_cast<double>(droite - dedans.X) / (dehors.X - dedans.X) *
                                                        (dehors.Y - dedans.Y))};
    };
    if (z.X > droite)
        z = coupeDroite(a, z);
    else if (a.X > droite)
        a = coupeDroite(z, a);
    return TSegmentCanevas{a, z};
}

void SegmentBande(ICanevas& c, int xa, int ya, int xb, int yb, int haut, int droite)
{
    if (const std::optional<TSegmentCanevas> s = CoupeBande(xa, ya, xb, yb, haut, droite))
        LigneGraphe(c, s->A.X, s->A.Y, s->B.X, s->B.Y);
}
