// The Newton section on screen and on paper. The reference point is the back of the primary mirror; axial
// distances run leftwards from it, the mirror faces left and the light enters from the left.
#include "sections/CoupeNewton.h"

#include "optics/Arrondis.h"
#include "optics/DiametreDispositif.h"
#include "optics/Geometrie.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "sections/Cadre.h"
#include "sections/Primitives.h"
#include "sections/RayonsBord.h"
#include "sections/Support.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <algorithm>
#include <cmath>

namespace {

// The values of one drawing, in millimetres, and the points derived from the frame.
struct TNewton
{
    double D = 0, F1 = 0, d = 0, Ds = 0;
    double s0 = 0, e1 = 0, e2 = 0;
    bool Plan = false;
    double L = 0, H = 0;
    float s = 0;
    int Ao = 0, Oa = 0;
    TPointCanevas BordBas{}, BordHaut{}; // rims of the mirror surface
};

void MesureNewton(TNewton& n, bool papier)
{
    const TInstrument& I = Instrument;
    n.D = I.DiametreEntree;
    n.F1 = I.FocalePrimaire;
    n.d = I.DistanceSecondaireFoyer;
    n.Ds = I.DiametreSecondaire;
    n.Plan = n.d > 1e-6;
    n.s0 = FlecheSphere(2 * n.F1, n.D);
    CalculeGeometrieInstrument();
    n.L = I.LongueurInstrument;
    n.e1 = I.EpaisseurPrimaire;
    if (n.e1 < 1e-6)
    {
        n.e1 = n.D / 10;
        n.L += n.D / 10;
    }
    n.H = I.EncombrementLateral;
    Instrument.EpaisseurPrimaireDessin = n.e1;
    if (n.Plan)
    {
        n.e2 = I.EpaisseurSecondaire;
        // On paper the flat keeps its own thickness; the screen gives an unset one a tenth of its size.
        if (!papier && n.e2 < 1e-6)
        {
            n.e2 = n.Ds / 10;
            n.L += n.e2 / std::sqrt(2.0);
        }
        Instrument.EpaisseurSecondaireDessin = n.e2;
    }
}

void DessinePrimaire(TSupport& sup, TNewton& n)
{
    const double rayon = -2 * n.F1;
    sup.C.Stylo().Couleur = clBlack;
    const TColor teinte = sup.Papier() ? EclaircitCouleur(Instrument.TeinteMiroirs) : Instrument.TeinteMiroirs;
    if (n.e1 > n.s0)
        sup.Element(n.Ao, n.Oa, teinte, rayon, RayonPlan, n.e1, n.D, n.D, n.s, false, false);
    else
        // A blank of even thickness whose back rim is at the reference point.
        sup.Element(n.Ao + sup.Pos(n.s0 * n.s), n.Oa, teinte, rayon, rayon, n.e1, n.D, n.D, n.s, false, false);
    n.BordBas = {BordsFaces.XBordFace1, n.Oa + BordsFaces.YBordFace1};
    n.BordHaut = {BordsFaces.XBordFace1, n.Oa - BordsFaces.YBordFace1};
}

// The edge rays traced, then drawn from their start points; false when a ray needed too many steps.
template <class FPoint>
bool DessineRayons(TSupport& sup, const TNewton& n, TPointCanevas debutBas, TPointCanevas debutHaut, FPoint point)
{
    TReglesRayonsBord regles;
    regles.SecondaireTropPetit = n.Plan && n.Ds < Instrument.DiametreSecondaireMinimal;
    const TRayonsBord rayons = TraceRayonsBord(regles);
    DessineRayonsBord(
        sup, rayons,
        [&](int k, const TRayonBord&) {
            return TDebutRayon{{k < 0 ? debutBas : debutHaut}, 1, true};
        },
        point);
    return rayons.Issue != TIssueRayonsBord::Abandon;
}

// The three chevrons of the incoming light on the line ending at the rim (xBord, y), nine tenths of the way from
// xDebut.
void ChevronsLumiere(TSupport& sup, int xBord, int xDebut, int y)
{
    const double recul = 0.9 * (xBord - xDebut);
    Chevrons(sup, xBord - sup.Pos(recul), y);
}

// Folded layout: the flat at 45 degrees sends the beam up to the side focus, where the device stands upright.
bool DessinePlie(TSupport& sup, TNewton& n)
{
    const double denominateur = 4 * std::pow((n.F1 - n.s0) / n.D, 2) - 1;
    const double pente = -(n.D / 2) / (n.F1 - n.s0);
    // A mirror faster than f/0.5 has no flat in this construction.
    if (!(denominateur > 0) || !(n.F1 - n.s0 > n.D / 2))
        return true;
    const double c = n.d / denominateur;
    const float s = n.s;
    const int xf = n.Ao - sup.Pos((n.e1 + n.F1 - n.d) * s);
    const int yF = n.Oa - sup.Pos(n.d * s);
    const int yI = n.Oa - sup.Pos((n.d + Systeme.DecalageFoyer) * s);

    const bool dessineePlan = sup.Papier() ? n.Ds > 1e-6 : n.e2 > 1e-6;
    if (dessineePlan)
        DessinePlanDiagonal(sup, xf, n.Oa, n.Ds, c, n.e2, s,
                            sup.Papier() ? EclaircitCouleur(Instrument.TeinteMiroirs) : Instrument.TeinteMiroirs);

    // The marginal rays from the rims towards the primary focus, met by the flat's face h = -z - (F1 - s0 - d).
    const double k = n.F1 - n.s0 - n.d;
    const double zBas = (n.D / 2 - k) / (pente + 1);
    const double hBas = pente * zBas - n.D / 2;
    const double zHaut = -(k + n.D / 2) / (1 - pente);
    const double hHaut = -pente * zHaut + n.D / 2;
    auto versPoint = [&](double z, double h) {
        return TPointCanevas{n.Ao + sup.Pos((z - n.e1 - n.s0) * s), n.Oa - sup.Pos(h * s)};
    };
    TPointCanevas impactBas = versPoint(zBas, hBas);
    TPointCanevas impactHaut = versPoint(zHaut, hHaut);
    if (impactBas.X == xf)
        impactBas.X = xf - 1;
    if (impactHaut.X == xf)
        impactHaut.X = xf + 1;

    const double g = 2 * n.F1 - 2 * n.s0;
    const double minimal = g > n.D ? n.d * n.D * (1 / (g + n.D) + 1 / (g - n.D)) : 0;
    if (!sup.Papier())
        Instrument.DiametreSecondaireMinimal = static_cast<float>(minimal);
    const bool tropPetit = n.Ds < minimal && Validite.SecondaireDefini;
    const TColor couleurRayons = tropPetit ? CouleurBleuCiel : CouleurRouge;
    if (tropPetit)
        sup.BoiteTaille(" Le miroir plan est trop petit ", CouleurFuchsia);

    const bool dispositif = Validite.DispositifPresent;
    sup.Trait(n.BordBas.X, n.BordBas.Y, impactBas.X, impactBas.Y, CouleurRouge);
    if (!dispositif)
    {
        sup.Trait(impactBas.X, impactBas.Y, xf, yF, couleurRayons);
        sup.Trait(xf, yF, impactHaut.X, impactHaut.Y, couleurRayons);
    }
    sup.Trait(impactHaut.X, impactHaut.Y, n.BordHaut.X, n.BordHaut.Y, CouleurRouge);
    DessinePrimaire(sup, n);

    sup.C.Stylo().Couleur = CouleurRouge;
    sup.C.MoveTo(impactBas.X, n.BordBas.Y);
    sup.C.LineTo(n.BordBas.X, n.BordBas.Y);
    sup.C.MoveTo(impactBas.X, n.BordHaut.Y);
    sup.C.LineTo(n.BordHaut.X, n.BordHaut.Y);
    ChevronsLumiere(sup, n.BordHaut.X, impactBas.X, n.BordHaut.Y);
    ChevronsLumiere(sup, n.BordBas.X, impactBas.X, n.BordBas.Y);

    const bool afocal = Validite.SystemeAfocal;
    if (!afocal)
        sup.AxeCourt(xf, yI);
    if (!dispositif)
    {
        const int yTexte = !sup.Papier() && yF <= 12 ? 2 : yF - sup.Ligne16(14);
        sup.Texte(xf + sup.Ligne16(5), yTexte, "F");
    }
    sup.CarreFoyer(xf, yI);

    if (dispositif)
    {
        const TDispositifDebout debout{xf, yI, n.Oa, s, afocal, n.H - n.D / 2, sup.Haut()};
        DessineDispositifDebout(sup, debout);
        auto point = [&](int i, const TRayonBord& rayon, TPointCanevas avant) {
            return PointDebout(sup, debout, i, rayon, avant, true);
        };
        if (!DessineRayons(sup, n, impactBas, impactHaut, point))
            return false;
    }
    sup.Axe(n.Oa);
    sup.PlanFocal(xf);
    return true;
}

// Prime-focus layout: the beam converges on the axis, where the device lies with the light running leftwards.
bool DessinePrimeFoyer(TSupport& sup, TNewton& n)
{
    const float s = n.s;
    const bool afocal = Validite.SystemeAfocal;
    const bool dispositif = Validite.DispositifPresent;
    const int xF = n.Ao - sup.Pos((n.e1 + n.F1) * s);
    // On paper the margin unit is the page-width equivalent of 10 screen pixels.
    const int unite = Entier(Trunc(sup.C.Largeur() * 10 / 762.0));
    const int marge = ImpressionEtat.MargeImpression;
    int xI = n.Ao - sup.Pos((n.e1 + n.F1 + Systeme.DecalageFoyer) * s);
    if (afocal)
        xI = sup.Papier() ? marge + unite : 12;

    const int xLumiere = sup.Papier() ? marge + unite / 2 : 5;
    sup.C.Stylo().Couleur = CouleurRouge;
    sup.C.MoveTo(xLumiere, n.BordBas.Y);
    sup.C.LineTo(n.BordBas.X, n.BordBas.Y);
    sup.C.MoveTo(xLumiere, n.BordHaut.Y);
    sup.C.LineTo(n.BordHaut.X, n.BordHaut.Y);
    if (!dispositif)
    {
        sup.Trait(n.BordBas.X, n.BordBas.Y, xF, n.Oa, CouleurRouge);
        sup.Trait(xF, n.Oa, n.BordHaut.X, n.BordHaut.Y, CouleurRouge);
    }
    if (!afocal && !sup.Papier())
        sup.PlanFocal(xI);
    if (!dispositif)
    {
        if (sup.Papier())
            sup.Texte(xF + sup.Ligne16(2), n.Oa - sup.Ligne16(16), "F");
        else
            sup.Texte(xF + 5, n.Oa - 14, "F");
    }
    if (!(sup.Papier() && afocal))
        sup.CarreFoyer(xI, n.Oa);

    if (dispositif)
    {
        const auto& R = Dispositif.RayonDioptre;
        const auto& E = Dispositif.EpaisseurDioptre;
        const auto& Dia = Dispositif.DiametreDioptre;
        const int nombre = NombreLignesDispositif();
        auto xSommet = [&](int i) {
            const double reste = SommeEpaisseurs(i, nombre);
            if (afocal)
                return n.Ao - sup.Pos((n.L - reste) * s);
            return xI + sup.Pos(reste * s);
        };
        CalculeDiametreMaximalDispositif();
        DessineDispositif(
            [&](int i, bool dernier) {
                sup.Element(xSommet(i), n.Oa, TeinteLigne(i), dernier ? RayonPlan : -R[i + 1], -R[i], E[i],
                            dernier ? Dia[i] : Dia[i + 1], Dia[i], s, JointPrecedent, JointSuivant);
            },
            [&](int i) {
                const int x = xSommet(i);
                const int ouvert = sup.Pos(Dia[i] / 2 * s);
                const int ferme = sup.Pos(Instrument.DiametreMaximalDispositif / 2 * s);
                LigneArret(sup, x, n.Oa - ouvert, x, n.Oa - ferme);
                LigneArret(sup, x, n.Oa + ouvert, x, n.Oa + ferme);
            });
        const int bord = sup.Papier() ? marge + ImpressionEtat.EpaisseurTraitImpression : 0;
        auto point = [&](int i, const TRayonBord& rayon, TPointCanevas avant) {
            if (i > nombre)
                return afocal ? TPointCanevas{bord, avant.Y} : TPointCanevas{xI, n.Oa};
            const double h = rayon.Hauteurs[i];
            return TPointCanevas{xSommet(i) - sup.Pos(FlecheSphere(R[i], 2 * h) * s), n.Oa - sup.Pos(h * s)};
        };
        if (!DessineRayons(sup, n, n.BordBas, n.BordHaut, point))
            return false;
    }
    sup.Axe(n.Oa);
    if (sup.Papier() && !afocal)
        sup.PlanFocal(xI);
    return true;
}

// The section once the frame is fitted; false when an edge ray was given up and the drawing stopped.
bool DessineAuRepere(TSupport& sup, TNewton& n)
{
    FixeRepere(n.s, n.Ao, n.Oa, n.L, n.H);
    DessinePrimaire(sup, n);
    return n.Plan ? DessinePlie(sup, n) : DessinePrimeFoyer(sup, n);
}

} // namespace

void DessineCoupeNewton(ICanevas& dessin)
{
    PrepareBandeEcran(dessin);
    VerifieDispositif();
    VerifieInstrument();
    AppliqueIndices();
    if (Validite.InstrumentValide)
        PrepareSysteme();
    VerifieInstrument();
    if (!PorteCoupeOuverte())
    {
        EcritRefus(dessin, TexteCoupeRefusee(true));
        return;
    }
    TNewton n;
    MesureNewton(n, false);
    const int largeur = dessin.Largeur();
    n.s = EchelleEcran(n.L, n.H, largeur, 330, n.Plan ? 20 : 22);
    // A design without extent cannot be scaled: nothing is drawn.
    if (!(n.s > 0))
        return;
    n.Oa = HauteurBande - (HauteurBande - Entier(Round(n.H * n.s))) / 2 - Entier(Round(n.D / 2 * n.s));
    n.Ao = n.Plan ? largeur - (largeur - Entier(Round(n.L * n.s))) / 2 : largeur - 10;
    TSupport sup(dessin, false);
    DessineAuRepere(sup, n);
}

void ImprimeCoupeNewton(ICanevas& canevas)
{
    if (!PorteCoupeOuverte())
        return;
    PrepareBandeImprimee(canevas);
    TNewton n;
    MesureNewton(n, true);
    const int largeur = canevas.Largeur();
    const double unite = largeur * 10 / 762.0;
    const int u = Entier(n.Plan ? Round(unite) : Trunc(unite));
    n.s = EchelleImprimee(n.L, n.H, HauteurBandeImprimee, largeur, ImpressionEtat.MargeImpression, u);
    if (!(n.s > 0))
    {
        TermineBandeImprimee();
        return;
    }
    auto arrondi = [&](double v) { return Entier(n.Plan ? Round(v) : Trunc(v)); };
    const int bande = HauteurBandeImprimee;
    n.Oa = MiseEnPage.OrdonneeCourante + bande - (bande - arrondi(n.H * n.s)) / 2 - arrondi(n.D / 2 * n.s);
    n.Ao = largeur - (largeur - arrondi(n.L * n.s)) / 2;
    TSupport sup(canevas, true);
    DessineAuRepere(sup, n);
    TermineBandeImprimee();
}
