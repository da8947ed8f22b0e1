// The refractor's section on screen and on paper. The light comes from the left; the reference point is the
// objective's first vertex and axial distances run rightwards from it. In the objective mode the objective alone is
// fitted to the band and centred, its beam running on towards the focus beyond the band.
#include "sections/CoupeLunette.h"

#include "optics/DiametreDispositif.h"
#include "optics/Initialisation.h"
#include "optics/Geometrie.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "optics/Validite.h"
#include "sections/Cadre.h"
#include "sections/Primitives.h"
#include "sections/RayonsBord.h"
#include "sections/Support.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The values of one drawing and the frame.
struct TLunette
{
    bool Objectif = false; // the objective alone, enlarged
    double L = 0, H = 0;
    int N = 0;
    float s = 0;
    int Ao = 0, Oa = 0;
};

TLunette Mesure()
{
    TLunette c;
    c.Objectif = Edition.LongueurTotaleAffichee;
    c.L = c.Objectif ? Instrument.LongueurTotale : Instrument.LongueurInstrument;
    c.H = Instrument.EncombrementLateral;
    c.N = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    return c;
}

void Resout()
{
    ResoutSysteme();
    CalculeGeometrieInstrument();
}

// The box at the top left: a minus sign, with the plus sign's stroke in the whole-instrument mode, where a click
// enlarges the objective.
void DessineCase(ICanevas& dessin)
{
    dessin.Stylo().Couleur = clBlack;
    dessin.Stylo().Style = TStyleStylo::Plein;
    dessin.Pinceau().Couleur = clWhite;
    dessin.Pinceau().Style = TStylePinceau::Plein;
    dessin.Rectangle(0, 0, 11, 10);
    dessin.MoveTo(2, 4);
    dessin.LineTo(8, 4);
    if (!Edition.LongueurTotaleAffichee)
    {
        dessin.MoveTo(5, 2);
        dessin.LineTo(5, 7);
    }
}

// The objective's marginal beam: the entry point on surface 1, then the hit on each later surface, heights in
// pixels above the axis; from `Bleu` on the segments are light sky blue (none when all surfaces pass the ray).
struct TFaisceau
{
    bool Trace = false;
    std::array<TPointCanevas, NombreMaxDioptresGroupe + 1> Points{};
    int Nombre = 0;
    int Bleu = NombreMaxDioptresGroupe + 1;
};

TFaisceau TraceFaisceau(const TSupport& sup, const TLunette& c)
{
    TFaisceau f;
    if (!Instrument.OuvertureLunetteCalculee || !(Instrument.DistanceApresGroupe > 0) || c.N < 1)
        return f;
    Rayon.EstRayonReference = true;
    TraceAxial((sup.Papier() ? Instrument.DiametreObjectif : Instrument.DiametreEntree) / 2);
    const TRayon& r = Rayon;
    f.Trace = true;
    for (int j = 1; j <= c.N; ++j)
    {
        const double h = j == 1 ? r.XDepart : r.HauteurImpactGroupe[static_cast<std::size_t>(j)];
        f.Points[static_cast<std::size_t>(f.Nombre++)] = {
            c.Ao + sup.Pos(r.CoteImpactGroupe[static_cast<std::size_t>(j)] * c.s), sup.Pos(h * c.s)};
        if (j >= 2 && f.Bleu > c.N && Groupe.DiametreGroupe[static_cast<std::size_t>(j)] / 2 < h)
            f.Bleu = j;
    }
    return f;
}

// The device's glass at its vertices, the last one running to the image; its stops as strokes out to its widest
// diameter. The x of the last element drawn, or 0 when none is.
int DessineLentilles(TSupport& sup, const TLunette& c, int xImage)
{
    const auto& R = Dispositif.RayonDioptre;
    const auto& E = Dispositif.EpaisseurDioptre;
    const auto& Dia = Dispositif.DiametreDioptre;
    const auto& Sommet = Dispositif.SommetDioptre;
    CalculeDiametreMaximalDispositif();
    int dernier = 0;
    DessineDispositif(
        [&](int i, bool fin) {
            const int x = fin ? xImage : c.Ao + sup.Pos(Sommet[i + 1] * c.s);
            sup.C.Stylo().Couleur = clBlack;
            sup.Element(x, c.Oa, TeinteLigne(i), R[i], fin ? RayonPlan : R[i + 1], E[i], Dia[i],
                        fin ? Dia[i] : Dia[i + 1], c.s, JointPrecedent, JointSuivant);
            dernier = x;
        },
        [&](int i) {
            const double maximal = Instrument.DiametreMaximalDispositif;
            if (!(maximal > Dia[i]))
                return;
            const int x = c.Ao + Arrondi(Sommet[i] * c.s);
            const int ouvert = sup.Pos(Dia[i] / 2 * c.s);
            const int ferme = sup.Pos(maximal / 2 * c.s);
            LigneArret(sup, x, c.Oa - ouvert, x, c.Oa - ferme);
            LigneArret(sup, x, c.Oa + ouvert, x, c.Oa + ferme);
            dernier = x;
        });
    return dernier;
}

// The three edge rays from the objective's exit through the device; false when a ray needed too many steps and the
// drawing stops.
bool DessineRayons(TSupport& sup, const TLunette& c, TPointCanevas sortie, int xImage)
{
    TReglesRayonsBord regles;
    // On paper too the banner is set as on screen.
    regles.AvecBandeau = true;
    const TRayonsBord rayons = TraceRayonsBord(regles);
    const int n = NombreLignesDispositif();
    const bool afocal = Validite.SystemeAfocal;
    // An afocal beam has no image: its rays run on in their direction to the band's right edge.
    const int xFin = sup.Papier() ? sup.Droite() - ImpressionEtat.EpaisseurTraitImpression : sup.C.Largeur() - 2;
    DessineRayonsBord(
        sup, rayons,
        [&](int k, const TRayonBord&) {
            return TDebutRayon{{TPointCanevas{sortie.X, c.Oa - k * sortie.Y}}, 1, false};
        },
        [&](int i, const TRayonBord& rayon, TPointCanevas avant) {
            if (i > n)
            {
                if (afocal)
                {
                    const double pente = rayon.NRayon != 0 ? rayon.LRayon / rayon.NRayon : 0;
                    const double y = avant.Y - (xFin - avant.X) * pente;
                    return TPointCanevas{xFin, Arrondi(std::isfinite(y) ? y : avant.Y)};
                }
                const double h = rayon.XRayon + rayon.LRayon *
                                                    (Systeme.PositionFoyer + Systeme.DecalageFoyer - rayon.ZRayon) /
                                                    rayon.NRayon;
                return TPointCanevas{xImage, c.Oa - sup.Pos(h * c.s)};
            }
            const double h = rayon.Hauteurs[static_cast<std::size_t>(i)];
            const double z = Dispositif.SommetDioptre[i] + FlecheSphere(Dispositif.RayonDioptre[i], 2 * h);
            return TPointCanevas{c.Ao + sup.Pos(z * c.s), c.Oa - sup.Pos(h * c.s)};
        });
    return rayons.Issue != TIssueRayonsBord::Abandon;
}

// The section once the frame is fitted; false when an edge ray was given up and the drawing stopped.
bool DessineAuRepere(TSupport& sup, const TLunette& c)
{
    FixeRepere(c.s, c.Ao, c.Oa, c.L, c.H);
    const float s = c.s;
    const bool papier = sup.Papier();

    DessineGroupe(sup, c.Ao, c.Oa, s);
    const TFaisceau f = TraceFaisceau(sup, c);
    const bool dispositif = Validite.DispositifPresent && !c.Objectif && Validite.DispositifValide;
    const bool jusquAuFoyer = f.Trace && (!Validite.DispositifPresent || c.Objectif);
    TColor couleur = CouleurRouge;
    for (int j = 1; j < f.Nombre; ++j)
    {
        if (j + 1 >= f.Bleu)
            couleur = CouleurBleuCiel;
        for (const int signe : {-1, 1})
        {
            const TPointCanevas a = f.Points[static_cast<std::size_t>(j - 1)];
            const TPointCanevas b = f.Points[static_cast<std::size_t>(j)];
            sup.Trait(a.X, c.Oa + signe * a.Y, b.X, c.Oa + signe * b.Y, couleur);
        }
    }
    const TPointCanevas sortie =
        f.Nombre > 0 ? f.Points[static_cast<std::size_t>(f.Nombre - 1)] : TPointCanevas{c.Ao, 0};

    std::optional<int> xImage;
    if (jusquAuFoyer)
    {
        xImage = c.Ao + sup.Pos(Systeme.PositionFoyer * s);
        for (const int signe : {-1, 1})
            sup.Trait(sortie.X, c.Oa + signe * sortie.Y, *xImage, c.Oa, couleur);
    }
    int dernier = 0;
    if (dispositif)
    {
        xImage = c.Ao + Arrondi((Systeme.PositionFoyer + Systeme.DecalageFoyer) * s);
        dernier = DessineLentilles(sup, c, *xImage);
        if (!DessineRayons(sup, c, sortie, *xImage))
            return false;
    }

    if (!Validite.SystemeAfocal && xImage)
    {
        const int p = ImpressionEtat.PasLigneImpression;
        sup.PlanFocal(*xImage);
        if (!(dispositif && *xImage - dernier <= (papier ? p / 2 : 8)))
        {
            const int y = papier ? c.Oa - sup.C.TextHeight("Fr") - 15 : c.Oa - 15;
            MarqueFoyerResultant(sup, *xImage, y, y);
        }
        sup.CarreFoyer(*xImage, c.Oa);
    }
    sup.Axe(c.Oa);

    // The incoming light, up to the beam's entry on the first surface.
    const int entree = f.Trace ? f.Points[0].X : c.Ao;
    const int h = sup.Pos(Instrument.DiametreEntree / 2 * s);
    const int gauche = papier ? ImpressionEtat.MargeImpression + ImpressionEtat.EpaisseurTraitImpression : 10;
    int x0 = c.Ao > 120 ? 100 : 10;
    if (papier)
    {
        const int largeur = sup.C.Largeur();
        x0 = c.Ao < largeur / 8 ? 2 * sup.C.TextWidth("M") + ImpressionEtat.MargeImpression : largeur / 8;
    }
    for (const int signe : {-1, 1})
    {
        sup.Ligne(entree, c.Oa + signe * h, gauche, c.Oa + signe * h, CouleurRouge);
        Chevrons(sup, x0, c.Oa + signe * h);
    }
    return true;
}

} // namespace

void DessineCoupeLunette(ICanevas& dessin)
{
    if (!OuvreBandeEcran(dessin))
        return;
    DessineCase(dessin);
    Resout();
    TLunette c = Mesure();
    const int w = dessin.Largeur();
    if (!(c.L > 0) || !(c.H > 0) || w <= 40)
        return;
    c.s = static_cast<float>(c.H / c.L > 330.0 / (w - 20) ? 330 / c.H : (w - 40) / c.L);
    c.Oa = HauteurBande - (HauteurBande - Arrondi(c.H * c.s)) / 2 - Arrondi(c.H / 2 * c.s);
    const int longueur = Arrondi(c.L * c.s);
    c.Ao = c.Objectif ? (w - longueur) / 2 : w - 10 - longueur;
    TSupport sup(dessin, false);
    DessineAuRepere(sup, c);
}

void ImprimeCoupeLunette(ICanevas& canevas)
{
    if (!Validite.InstrumentValide)
        return;
    PrepareBandeImprimee(canevas);
    VerifieDispositif();
    VerifieInstrument();
    if (!PorteCoupeOuverte())
    {
        TermineBandeImprimee();
        return;
    }
    Resout();
    TLunette c = Mesure();
    const int largeur = canevas.Largeur();
    const int marge = ImpressionEtat.MargeImpression;
    const int m = canevas.TextWidth("M");
    const int bande = HauteurBandeImprimee;
    const int hauteurUtile = bande - 2 * m;
    if (c.L > 0 && c.H > 0 && hauteurUtile > 0 && largeur - 4 * (marge + m) > 0)
    {
        c.s = static_cast<float>(c.H / c.L > static_cast<double>(hauteurUtile) / (largeur - 2 * (marge + m))
                                     ? hauteurUtile / c.H
                                     : (largeur - 4 * (marge + m)) / c.L);
        c.Oa = bande - (bande - Tronque(c.H * c.s)) / 2 - Tronque(c.H / 2 * c.s) + MiseEnPage.OrdonneeCourante;
        const int longueur = Tronque(c.L * c.s);
        c.Ao = c.Objectif ? (largeur - longueur) / 2 : largeur - marge - m - longueur;
        TSupport sup(canevas, true);
        if (!DessineAuRepere(sup, c))
        {
            TermineBandeImprimee();
            return;
        }
    }
    PoliceImpression(canevas, 9, false);
    TermineBandeImprimee();
}
