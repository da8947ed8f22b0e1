// The Klevtsov-Cassegrain's section on screen and on paper. The light comes from the left to the pierced primary, goes
// back through the group to the secondary and through the group again to the focus behind the primary. The frame's
// origin is the right end of the centred drawing; the instrument is laid out from the end of the optical train, a
// point z mm in front of the primary's vertex standing (FinDispositif + z) mm left of it.
#include "sections/CoupeKlevtsov.h"

#include "optics/FormulesDeuxMiroirs.h"
#include "optics/Geometrie.h"
#include "optics/Initialisation.h"
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
#include <optional>
#include <string>

namespace {

constexpr TColor CouleurVertPelouse = 0x00FC7C; // the beam's end cut by the hole's edge

const std::string TexteTrou = " Le diamètre du trou du miroir principal est trop petit";
const std::string TexteSecondaire = " Le miroir secondaire est trop petit ";

// What the beam needs of one traced ray: its heights on the group's surfaces on the way to the secondary (element 0:
// on the secondary) and back, whether the hole's edge stopped it, and its height on the device's first surface.
struct TTrace
{
    std::array<double, NombreMaxDioptresGroupe + 1> Aller{};
    std::array<double, NombreMaxDioptresGroupe + 1> Retour{};
    bool ArretBordTrou = false;
    double HauteurDispositif = 0;
};

TTrace Releve()
{
    const TRayon& r = Rayon;
    return {r.HauteurGroupeAller, r.HauteurGroupeRetour, r.ArretBordTrou, r.HauteurImpact[1]};
}

// The system solved in one colour, then the marginal ray from the entrance's rim through the instrument alone. A ray
// that leaves the instrument moving away from the axis makes the design invalid until the next check.
TTrace TraceMarginal()
{
    TRayon& r = Rayon;
    Systeme.NombreCouleurs = 1;
    AppliqueIndices();
    r.EstRayonReference = true;
    PrepareSysteme();
    PlaceRayonAxial(Instrument.DiametreEntree / 2);
    r.ArretBordTrou = false;
    TraceRayonInstrument();
    if (r.XRayon * r.LRayon > 0)
        Validite.InstrumentValide = false;
    return Releve();
}

// The values of one drawing, in millimetres, and the frame.
struct TKlevtsov
{
    double D = 0, F1 = 0, R2 = 0, Ds = 0, Epd = 0, Esd = 0, s1 = 0, Fin = 0, L = 0;
    int N = 0;
    float s = 0;
    int Ao = 0, Oa = 0;
};

// The drawn thicknesses and the drawing's length. A group of an even number of rows ends in air and the secondary
// is a blank of its own, drawn at its thickness or a tenth of its diameter when none is given; with an odd number
// the secondary is the silvered back of the group's last glass and has no blank.
TKlevtsov Mesure()
{
    TInstrument& I = Instrument;
    TKlevtsov c;
    c.D = I.DiametreEntree;
    c.F1 = I.FocalePrimaire;
    c.R2 = I.RayonCourbureSecondaire;
    c.Ds = I.DiametreSecondaire;
    c.N = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    c.Epd = I.EpaisseurPrimaire >= 1e-6 ? I.EpaisseurPrimaire : c.D / 10;
    const bool blanc = c.N % 2 == 0;
    c.Esd = !blanc ? 0 : I.EpaisseurSecondaire >= 1e-6 ? static_cast<double>(I.EpaisseurSecondaire) : c.Ds / 10;
    I.EpaisseurPrimaireDessin = c.Epd;
    I.EpaisseurSecondaireDessin = c.Esd;
    I.DiametreTrouCentralDessin = I.DiametreTrouCentral >= 1e-6 ? I.DiametreTrouCentral : c.D / 10;
    c.s1 = 2 * c.F1 * (1 - std::sqrt(1 - std::pow(c.D / (4 * c.F1), 2)));
    c.Fin = I.FinDispositif;
    c.L = I.LongueurInstrument;
    if (I.EpaisseurPrimaire < 1e-6)
        c.L += c.Epd;
    if (blanc && I.EpaisseurSecondaire < 1e-6)
        c.L += c.Esd;
    return c;
}

// The axial places of the drawing, in pixels (dots).
struct TPlaces
{
    int Fin = 0; // the image, or the end of an afocal train
    int Dos = 0; // the primary's back at its edge
    int F1 = 0; // the primary's focus
    int P = 0; // the primary's rim, where the beam starts
    int hD = 0;
};

TPlaces Places(const TSupport& sup, const TKlevtsov& c)
{
    const float s = c.s;
    TPlaces x;
    if (c.Fin > c.Epd)
    {
        x.Fin = c.Ao;
        x.Dos = x.Fin - sup.Pos((c.Fin - c.Epd) * s);
        x.F1 = x.Fin - sup.Pos((c.Fin + c.F1) * s);
    }
    else
    {
        x.Fin = c.Ao - sup.Pos((c.Epd - c.Fin) * s);
        x.Dos = c.Ao;
        x.F1 = c.Ao - sup.Pos((c.Epd + c.F1) * s);
    }
    x.P = x.Dos - Arrondi(c.Epd * s);
    x.hD = sup.Pos(c.D / 2 * s);
    return x;
}

// The x of a point z mm in front of the primary's vertex.
int XDevant(const TSupport& sup, const TKlevtsov& c, const TPlaces& x, double z)
{
    return x.Fin - sup.Pos((c.Fin + z) * c.s);
}

void DessinePrimaire(TSupport& sup, const TKlevtsov& c, const TPlaces& x)
{
    const TColor teinte = sup.Papier() ? EclaircitCouleur(Instrument.TeinteMiroirs) : Instrument.TeinteMiroirs;
    const double rayon = -2 * c.F1;
    const double trou = Instrument.DiametreTrouCentral;
    sup.C.Stylo().Couleur = clBlack;
    if (c.Epd > c.s1)
        sup.MiroirPerce(x.Dos, c.Oa, teinte, rayon, RayonPlan, c.Epd - c.s1, c.D, c.D, trou, c.s);
    else
        sup.MiroirPerce(x.Dos + sup.Pos(c.s1 * c.s), c.Oa, teinte, rayon, rayon, c.Epd, c.D, c.D, trou, c.s);
}

// The group's glass in the lenses' tint, the light crossing it leftwards; the last glass of an odd group runs to the
// secondary's face. Then the secondary: its own blank, or on paper the silvered face as a thick arc.
void DessineGroupeEtSecondaire(TSupport& sup, const TKlevtsov& c, const TPlaces& x)
{
    const auto& R = Groupe.RayonGroupe;
    const auto& E = Groupe.EpaisseurGroupe;
    const auto& Dia = Groupe.DiametreGroupe;
    const auto& Sommet = Groupe.SommetGroupe;
    const TInstrument& I = Instrument;
    const TColor lentilles = sup.Papier() ? EclaircitCouleur(I.TeinteLentilles) : I.TeinteLentilles;
    for (int j = 1; j <= c.N; ++j)
    {
        if (!(Groupe.IndiceVertGroupe[j] > Reglages.IndiceLimite) || EstDiaphragme(R[j]))
            continue;
        const bool dernier = j == c.N;
        const double rayonB = dernier ? -c.R2 : -R[j + 1];
        if (!dernier && EstDiaphragme(R[j + 1]))
            continue;
        sup.C.Stylo().Couleur = clBlack;
        sup.Element(XDevant(sup, c, x, Sommet[j]), c.Oa, lentilles, rayonB, -R[j], E[j], dernier ? c.Ds : Dia[j + 1],
                    Dia[j], c.s, false, false);
    }

    const TColor miroirs = sup.Papier() ? EclaircitCouleur(I.TeinteMiroirs) : I.TeinteMiroirs;
    if (c.N % 2 == 0)
    {
        const double s2 = FlecheSphere(c.R2, c.Ds);
        sup.C.Stylo().Couleur = clBlack;
        sup.Element(XDevant(sup, c, x, Sommet[0]), c.Oa, miroirs, c.Esd > s2 ? RayonPlan : -c.R2, -c.R2, c.Esd, c.Ds,
                    c.Ds, c.s, false, false);
        return;
    }
    if (!sup.Papier())
        return;
    // The circle of the secondary's sphere about its centre, from below the axis round by its vertex to above.
    ICanevas& C = sup.C;
    const double centre = Groupe.CentreGroupe[0];
    const int xc = XDevant(sup, c, x, centre);
    const int xs = XDevant(sup, c, x, centre - c.R2);
    const int r = Tronque(std::abs(c.R2) * c.s);
    const int h = Tronque(c.Ds / 2 * c.s);
    C.Stylo().Couleur = I.TeinteMiroirs;
    C.Stylo().Style = TStyleStylo::Plein;
    C.Stylo().Epaisseur = 2 * ImpressionEtat.EpaisseurTraitImpression;
    C.Arc(xc - r, c.Oa - r, xc + r, c.Oa + r, xs, c.Oa + h, xs, c.Oa - h);
    C.Stylo().Epaisseur = ImpressionEtat.EpaisseurTraitImpression;
    C.Stylo().Couleur = clBlack;
}

// The beam of one traced ray through the instrument, above the axis and mirrored below it, with the incoming light
// and its chevrons. The number of the first element too small for it along its path (0 the secondary), if any.
std::optional<int> DessineFaisceau(TSupport& sup, const TKlevtsov& c, const TPlaces& x, const TTrace& t,
                                   std::optional<TPointCanevas> dispositif1)
{
    const auto& Dia = Groupe.DiametreGroupe;
    const auto& Sommet = Groupe.SommetGroupe;
    const float s = c.s;
    auto point = [&](double z, double rayon, double h) {
        return TPointCanevas{XDevant(sup, c, x, z + FlecheSphere(rayon, 2 * h)), sup.Pos(h * s)};
    };
    TColor couleur = CouleurRouge;
    std::optional<int> trop;
    auto signale = [&](bool petit, int numero) {
        if (petit && !trop)
        {
            trop = numero;
            couleur = CouleurBleuCiel;
        }
    };
    TPointCanevas dernier{x.P, x.hD};
    auto vers = [&](TPointCanevas b) {
        for (const int signe : {-1, 1})
            sup.Trait(dernier.X, c.Oa + signe * dernier.Y, b.X, c.Oa + signe * b.Y, couleur);
        dernier = b;
    };
    for (int j = 1; j <= c.N; ++j)
    {
        if (j > 1)
            signale(Dia[j - 1] / 2 < t.Aller[j - 1], j - 1);
        vers(point(Sommet[j], Groupe.RayonGroupe[j], t.Aller[j]));
    }
    if (c.N > 0)
        signale(Dia[c.N] / 2 < t.Aller[c.N], c.N);
    vers(point(Sommet[0], c.R2, t.Aller[0]));
    signale(c.Ds / 2 < t.Aller[0], 0);
    for (int j = c.N; j >= 1; --j)
    {
        signale(Dia[j] / 2 < t.Retour[j], j);
        vers(point(Sommet[j], Groupe.RayonGroupe[j], t.Retour[j]));
    }

    if (!Validite.DispositifPresent)
    {
        const TPointCanevas avant = dernier;
        vers({x.Fin, 0});
        if (t.ArretBordTrou && x.Fin != avant.X)
        {
            const int d = Arrondi((c.Fin - c.s1) * s);
            const int y = Arrondi(static_cast<double>(d) * avant.Y / (x.Fin - avant.X));
            for (const int signe : {-1, 1})
                sup.Trait(x.Fin - d, c.Oa + signe * y, x.Fin, c.Oa, CouleurVertPelouse);
        }
    }
    else if (dispositif1)
        vers(*dispositif1);

    const int gauche = sup.Papier() ? ImpressionEtat.MargeImpression : 10;
    const int xc = sup.Papier() ? x.Dos - sup.Pos((0.9 * Sommet[1] + c.Epd) * s) : 100;
    for (const int signe : {-1, 1})
    {
        sup.Ligne(x.P, c.Oa + signe * x.hD, gauche, c.Oa + signe * x.hD, CouleurRouge);
        Chevrons(sup, xc, c.Oa + signe * x.hD);
    }
    return trop;
}

// The height of a traced ray where it meets the image plane.
double HauteurImage(const TRayonBord& rayon)
{
    return rayon.XRayon + (Systeme.PositionFoyer + Systeme.DecalageFoyer - rayon.ZRayon) / rayon.NRayon * rayon.LRayon;
}

// The section once the frame is fitted; false when an edge ray was given up and the drawing stopped.
bool DessineAuRepere(TSupport& sup, const TKlevtsov& c, TTrace trace)
{
    FixeRepere(c.s, c.Ao, c.Oa, c.L, c.D);
    const TPlaces x = Places(sup, c);
    const float s = c.s;
    const bool papier = sup.Papier();
    const bool afocal = Validite.SystemeAfocal;

    DessinePrimaire(sup, c, x);
    DessineGroupeEtSecondaire(sup, c, x);

    const bool dispositif = Validite.DispositifPresent && Validite.DispositifValide;
    int dernier = 0;
    std::optional<TPointCanevas> dispositif1;
    const int n = NombreLignesDispositif();
    const double total = SommeEpaisseurs(1, n);
    auto surface = [&](int i, double h) {
        const double z = total - SommeEpaisseurs(1, i - 1) - FlecheSphere(Dispositif.RayonDioptre[i], 2 * h);
        return TPointCanevas{c.Ao - sup.Pos(z * s), c.Oa - sup.Pos(h * s)};
    };
    if (dispositif)
    {
        dernier = DessineDispositifDroit(sup, {.Droite = c.Ao, .Fin = x.Fin, .Oa = c.Oa, .s = s, .Eclaircir = true});
        TReglesRayonsBord regles;
        // On paper too the banner is set as on screen.
        regles.AvecBandeau = true;
        const TRayonsBord rayons = TraceRayonsBord(regles);
        // An afocal beam has no image: its rays run on in their direction, to the band's right edge on screen.
        const int xFin = afocal && !papier ? sup.C.Largeur() - 2 : x.Fin;
        DessineRayonsBord(
            sup, rayons,
            [](int, const TRayonBord&) {
                return TDebutRayon{{}, 0, false};
            },
            [&](int i, const TRayonBord& rayon, TPointCanevas avant) {
                if (i <= n)
                    return surface(i, rayon.Hauteurs[static_cast<std::size_t>(i)]);
                if (afocal)
                {
                    const double pente = rayon.NRayon != 0 ? rayon.LRayon / rayon.NRayon : 0;
                    const double y = avant.Y - (xFin - avant.X) * pente;
                    return TPointCanevas{xFin, Arrondi(std::isfinite(y) ? y : avant.Y)};
                }
                return TPointCanevas{xFin, c.Oa - sup.Pos(HauteurImage(rayon) * s)};
            });
        if (rayons.Issue == TIssueRayonsBord::Abandon)
            return false;
        // The beam follows the upper edge ray as its retreat left it.
        if (rayons.Issue == TIssueRayonsBord::Traces)
        {
            trace = Releve();
            const TPointCanevas p = surface(1, trace.HauteurDispositif);
            dispositif1 = TPointCanevas{p.X, c.Oa - p.Y};
        }
    }
    const std::optional<int> trop = DessineFaisceau(sup, c, x, trace, dispositif1);

    ICanevas& C = sup.C;
    const int p = ImpressionEtat.PasLigneImpression;
    if (papier)
    {
        PoliceImpression(C, 9, false);
        sup.Texte(x.F1 + p / 2, c.Oa - p, "F");
    }
    else
        sup.Texte(x.F1 - 2, c.Oa - 15, "F1");
    sup.CarreFoyer(x.F1, c.Oa);
    if (!afocal)
    {
        sup.PlanFocal(x.Fin);
        if (!(dispositif && x.Fin - dernier <= (papier ? p / 2 : 8)))
            MarqueFoyerResultant(sup, x.Fin, papier ? c.Oa - p : c.Oa - 15, c.Oa - 15);
        sup.CarreFoyer(x.Fin, c.Oa);
    }
    sup.Axe(c.Oa);

    std::string message;
    if (trace.ArretBordTrou)
        message = TexteTrou;
    else if (trop && *trop == 0)
        message = TexteSecondaire;
    else if (trop)
        message = " Le diamètre du dioptre N°" + std::to_string(*trop) + " du groupe de Klevtsov est trop petit ";
    if (message.empty())
        return true;
    if (!papier)
    {
        sup.BoiteTaille(message, CouleurFuchsia);
        return true;
    }
    const int droite = C.Largeur() - ImpressionEtat.MargeImpression;
    const int largeur = C.TextWidth(message);
    const int oc = MiseEnPage.OrdonneeCourante;
    C.Pinceau().Couleur = EclaircitCouleur(CouleurFuchsia);
    C.Stylo().Couleur = clBlack;
    C.Rectangle(droite - largeur - C.TextWidth("M"), oc, droite, oc + 12 * p / 10);
    C.Police().Couleur = clWhite;
    C.TextOut(droite - largeur - C.Stylo().Epaisseur, oc + 2 * p / 16, message);
    C.Police().Couleur = clBlack;
    return true;
}

} // namespace

void DessineCoupeKlevtsov(ICanevas& dessin)
{
    PrepareBandeEcran(dessin);
    VerifieInstrument();
    VerifieDispositif();
    TTrace trace;
    if (Validite.InstrumentValide)
        trace = TraceMarginal();
    if (!PorteCoupeOuverte())
    {
        EcritRefus(dessin, TexteDonneesIncompletes);
        return;
    }
    CalculeGeometrieInstrument();
    TKlevtsov c = Mesure();
    const int w = dessin.Largeur();
    if (!(c.L > 0) || !(c.D > 0) || w <= 20)
        return;
    c.s = static_cast<float>(c.D / c.L > 330.0 / (w - 20) ? 330 / c.D : (w - 20) / c.L);
    c.Oa = HauteurBande - (HauteurBande - Arrondi(c.D * c.s)) / 2 - Arrondi(c.D / 2 * c.s);
    c.Ao = w - (w - Arrondi(c.L * c.s)) / 2;
    TSupport sup(dessin, false);
    DessineAuRepere(sup, c, trace);
}

void ImprimeCoupeKlevtsov(ICanevas& canevas)
{
    if (!Validite.InstrumentValide)
        return;
    PrepareBandeImprimee(canevas);
    const TTrace trace = TraceMarginal();
    if (!Validite.InstrumentValide)
    {
        TermineBandeImprimee();
        return;
    }
    // The geometry is computed here too: a print from another view must not draw the last screen's.
    CalculeGeometrieInstrument();
    TKlevtsov c = Mesure();
    const int largeur = canevas.Largeur();
    const int marge = ImpressionEtat.MargeImpression;
    const int m = canevas.TextWidth("M");
    const int bande = HauteurBandeImprimee;
    const int hauteurUtile = bande - 2 * m;
    const int largeurUtile = largeur - 2 * (marge + m);
    if (c.L > 0 && c.D > 0 && hauteurUtile > 0 && largeurUtile - m > 0)
    {
        c.s =
            static_cast<float>(c.D / c.L > static_cast<double>(hauteurUtile) / largeurUtile ? hauteurUtile / c.D
                                                                                            : (largeurUtile - m) / c.L);
        c.Oa = bande - (bande - Tronque(c.D * c.s)) / 2 - Tronque(c.D / 2 * c.s) + MiseEnPage.OrdonneeCourante;
        c.Ao = largeur - (largeur - Tronque(c.L * c.s)) / 2;
        TSupport sup(canevas, true);
        canevas.Stylo().Epaisseur = ImpressionEtat.EpaisseurTraitImpression;
        if (!DessineAuRepere(sup, c, trace))
        {
            TermineBandeImprimee();
            return;
        }
    }
    PoliceImpression(canevas, 9, false);
    TermineBandeImprimee();
}
