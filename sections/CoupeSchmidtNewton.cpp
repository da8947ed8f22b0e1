// The Schmidt-Newton's section on screen and on paper. The light runs from the plate on the left to the primary,
// whose back is the reference point; axial distances run leftwards from it. With a flat the beam is folded up to a
// side focus where the device stands upright; without one the instrument is drawn straight, like a Schmidt camera.
#include "sections/CoupeSchmidtNewton.h"

#include "optics/DiametreDispositif.h"
#include "optics/Geometrie.h"
#include "optics/Initialisation.h"
#include "optics/Validite.h"
#include "sections/Cadre.h"
#include "sections/Primitives.h"
#include "sections/RayonsBord.h"
#include "sections/Support.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <cmath>
#include <optional>

namespace {

const std::string TexteMiroirTropPetit = " Le miroir primaire est trop petit ";
const std::string TextePlanTropPetit = " Le miroir plan est trop petit ";

// The values of one drawing, in millimetres, and the frame.
struct TSchmidtNewton
{
    double D = 0, Dm = 0, F1 = 0, R = 0, d = 0, ds = 0;
    double Ep = 0, Ecp = 0, Es = 0, sD = 0, sDm = 0;
    bool Plie = false;
    double L = 0, H = 0;
    float s = 0;
    int Ao = 0, Oa = 0;
};

// The drawing thicknesses, the sags and the overall geometry.
void Mesure(TSchmidtNewton& c)
{
    TInstrument& I = Instrument;
    c.D = I.DiametreEntree;
    c.Dm = I.DiametreMiroir;
    c.F1 = I.FocalePrimaire;
    c.R = I.RayonCourburePrimaire;
    c.d = I.DistanceSecondaireFoyer;
    c.ds = I.DiametreSecondaire;
    c.Plie = c.d > 1e-6;
    c.Ep = EpaisseurBordPrimaireSchmidt();
    I.EpaisseurPrimaireDessin = c.Ep;
    I.EpaisseurLameDessin = I.EpaisseurLame >= 1 ? I.EpaisseurLame : c.D / 20;
    c.sD = FlecheSphere(c.R, c.D);
    c.sDm = FlecheSphere(c.R, c.Dm);
    c.Ecp = c.Ep - c.sDm;
    I.EpaisseurCentrePrimaireDessin = c.Ecp;
    if (c.Plie)
    {
        c.Es = I.EpaisseurSecondaire >= 1e-6 ? I.EpaisseurSecondaire : c.ds / 10;
        I.EpaisseurSecondaireDessin = c.Es;
    }
    CalculeGeometrieInstrument();
    CalculeDiametreMaximalDispositif();
    c.L = I.LongueurInstrument < 0.1 ? 1000 : I.LongueurInstrument;
}

// The primary, a plano-concave blank of radius `rayon` when its edge is thicker than `seuil`, else a shell of even
// thickness whose back vertex stands at xDos.
void DessinePrimaire(TSupport& sup, const TSchmidtNewton& c, double rayon, double seuil, int xDos)
{
    const TColor teinte = sup.Papier() ? EclaircitCouleur(Instrument.TeinteMiroirs) : Instrument.TeinteMiroirs;
    sup.C.Stylo().Couleur = clBlack;
    if (c.Ep > seuil)
        sup.Element(c.Ao, c.Oa, teinte, rayon, RayonPlan, c.Ecp, c.Dm, c.Dm, c.s, false, false);
    else
        sup.Element(xDos, c.Oa, teinte, rayon, rayon, c.Ecp, c.Dm, c.Dm, c.s, false, false);
}

// The marginal ray's hits on the primary, above and below the axis.
struct TImpacts
{
    bool Connus = false;
    double Hauteur = 0;
    int X = 0, YHaut = 0, YBas = 0;
};

TImpacts TraceImpacts(TSupport& sup, const TSchmidtNewton& c, TColor contour)
{
    TImpacts i;
    const std::optional<TImpactMiroir> impact = TraceMarginalMiroir(c.D / 2);
    if (!impact)
        return i;
    i.Connus = true;
    i.Hauteur = impact->Hauteur;
    i.X = c.Ao - Arrondi((c.Ecp + impact->Cote) * c.s);
    i.YHaut = c.Oa - Arrondi(impact->Hauteur * c.s);
    i.YBas = c.Oa + Arrondi(impact->Hauteur * c.s);
    // A marginal ray meeting the mirror beyond its edge: the box at the top left.
    if (c.Dm / 2 < impact->Hauteur)
        sup.BoiteTaille(TexteMiroirTropPetit, CouleurFuchsia, {.AGauche = true, .Contour = contour});
    return i;
}

// The plate, its rear face at xLame.
void DessineLame(TSupport& sup, const TSchmidtNewton& c, int xLame)
{
    const TColor teinte = sup.Papier() ? EclaircitCouleur(Instrument.TeinteLentilles) : Instrument.TeinteLentilles;
    sup.Lame(xLame, c.Oa, teinte, c.D, Instrument.ProfilLame, Instrument.EpaisseurLame, c.s);
}

// The incoming light on screen: from the band's left edge to the plate, then to the mirror, with its chevrons.
void DessineLumiereEcran(TSupport& sup, const TSchmidtNewton& c, int xLame, const TImpacts& impacts)
{
    const int h = Arrondi(c.D / 2 * c.s);
    for (const auto& [y, yImpact] : {std::pair{c.Oa - h, impacts.YHaut}, std::pair{c.Oa + h, impacts.YBas}})
    {
        sup.Ligne(0, y, xLame, y, CouleurRouge);
        if (impacts.Connus)
            sup.Trait(xLame, y, impacts.X, yImpact, CouleurRouge);
        Chevrons(sup, 30, y);
    }
}

// Where the marginal lines from the mirror's rim plane towards the focus, F' before it, meet the flat's 45-degree
// line through the axis d from that focus; x of a point (X mm from the rim plane towards the mirror) at
// Ao + Round((X + decalage) s). Nothing when a line runs parallel to the flat.
struct TPointsPlan
{
    TPointCanevas Bas{}, Haut{};
};

std::optional<TPointsPlan> PointsPlan(const TSchmidtNewton& c, double focale, double decalage, int xPlan)
{
    const double k = c.D / (2 * focale);
    if (!(std::abs(1 - k) > 0) || !std::isfinite(k))
        return std::nullopt;
    const double xBas = (c.d - focale + c.D / 2) / (1 - k);
    const double xHaut = (c.d - focale - c.D / 2) / (1 + k);
    auto point = [&](double x) {
        return TPointCanevas{c.Ao + Arrondi((x + decalage) * c.s), c.Oa - Arrondi((c.d - focale - x) * c.s)};
    };
    TPointsPlan p{point(xBas), point(xHaut)};
    // A point exactly on the flat's axis line moves one pixel off it, to its own side.
    if (p.Bas.X == xPlan)
        p.Bas.X = xPlan - 1;
    if (p.Haut.X == xPlan)
        p.Haut.X = xPlan + 1;
    return p;
}

// The folded layout; false when an edge ray was given up and the drawing stopped.
bool DessinePlie(TSupport& sup, const TSchmidtNewton& c)
{
    TInstrument& I = Instrument;
    const bool papier = sup.Papier();
    const float s = c.s;
    if (papier && Validite.DispositifValide && !Validite.SystemeAfocal)
        ResoutEnVert();
    const int xF = c.Ao - sup.Pos((c.Ecp + c.F1 - c.d) * s);
    const int yF = c.Oa - sup.Pos(c.d * s);
    const int yI = c.Oa - Arrondi((c.d + Systeme.DecalageFoyer) * s);

    // The flat's centre lies further along its face than the axis point; a mirror faster than f/0.5 has no flat.
    const double denominateur = 4 * std::pow((c.F1 - c.sD) / c.D, 2) - 1;
    const TColor teinteMiroirs = papier ? EclaircitCouleur(I.TeinteMiroirs) : I.TeinteMiroirs;
    if (c.Es > 1e-6 && denominateur > 0)
        DessinePlanDiagonal(sup, xF, c.Oa, c.ds, c.d / denominateur, c.Es, s, teinteMiroirs);
    const int xDos = c.Ao + Arrondi(c.sD * s);
    if (!papier)
        DessinePrimaire(sup, c, -c.R, c.sDm, xDos);

    const TImpacts impacts = TraceImpacts(sup, c, CouleurFuchsia);
    const int xLame = c.Ao - Arrondi((I.DistanceLameMiroir + c.Ecp) * s);
    DessineLame(sup, c, xLame);

    // On screen the focus lies F1 - sD before the rim plane; on paper F1 before the vertex.
    const std::optional<TPointsPlan> plan =
        papier ? PointsPlan(c, c.F1, -c.Ecp, xF) : PointsPlan(c, c.F1 - c.sD, -c.Ecp - c.sD, xF);
    const double g = 2 * c.F1 - 2 * c.sD;
    const double minimal = g > c.D ? c.d * c.D * (1 / (g + c.D) + 1 / (g - c.D)) : 0;
    if (!papier)
        I.DiametreSecondaireMinimal = static_cast<float>(minimal);
    const bool tropPetit = c.ds < minimal && Validite.SecondaireDefini;
    const TColor faisceau = tropPetit ? CouleurBleuCiel : CouleurRouge;
    if (tropPetit)
        sup.BoiteTaille(TextePlanTropPetit, CouleurFuchsia, {.Contour = CouleurFuchsia});

    if (papier)
    {
        if (impacts.Connus)
            for (const int y : {impacts.YHaut, impacts.YBas})
                sup.Ligne(sup.Gauche(), y, impacts.X, y, CouleurRouge);
        if (impacts.Connus && plan)
        {
            const int x0 = impacts.X - Tronque(0.9 * (impacts.X - plan->Bas.X));
            Chevrons(sup, x0, impacts.YHaut);
            Chevrons(sup, x0, impacts.YBas);
        }
    }
    else
        DessineLumiereEcran(sup, c, xLame, impacts);

    const bool dispositif = Validite.DispositifPresent;
    if (impacts.Connus && plan)
    {
        sup.Trait(impacts.X, impacts.YBas, plan->Bas.X, plan->Bas.Y, CouleurRouge);
        if (!dispositif)
        {
            sup.Trait(plan->Bas.X, plan->Bas.Y, xF, yF, faisceau);
            sup.Trait(xF, yF, plan->Haut.X, plan->Haut.Y, faisceau);
        }
        sup.Trait(plan->Haut.X, plan->Haut.Y, impacts.X, impacts.YHaut, CouleurRouge);
    }
    if (papier)
        DessinePrimaire(sup, c, -c.R, c.sDm, xDos);
    else
        DessinePrimaire(sup, c, -2 * c.F1, c.sD, xDos);

    const bool afocal = Validite.SystemeAfocal;
    if (!dispositif)
    {
        if (papier)
            sup.Texte(xF + sup.Ligne16(5), yF - sup.Ligne16(14), "F");
        else
            sup.Texte(xF + 5, yF <= 12 ? 2 : yF - 14, "F");
    }
    if (!papier)
        sup.CarreFoyer(xF, yI);

    if (dispositif)
    {
        // On paper the afocal rays stop a pen's width inside the band.
        const TDispositifDebout debout{xF,
                                       yI,
                                       c.Oa,
                                       s,
                                       afocal,
                                       I.EncombrementLateral - c.D / 2,
                                       papier ? sup.Haut() + ImpressionEtat.EpaisseurTraitImpression : 0};
        DessineDispositifDebout(sup, debout);
        TReglesRayonsBord regles;
        regles.SecondaireTropPetit = c.ds < minimal;
        const TRayonsBord rayons = TraceRayonsBord(regles);
        const int epaisseur = sup.C.Stylo().Epaisseur;
        if (papier)
            sup.C.Stylo().Epaisseur = ImpressionEtat.EpaisseurTraitImpression;
        if (plan)
            DessineRayonsBord(
                sup, rayons,
                [&](int k, const TRayonBord&) {
                    return TDebutRayon{{k < 0 ? plan->Bas : plan->Haut}, 1, true};
                },
                [&](int i, const TRayonBord& rayon, TPointCanevas avant) {
                    return PointDebout(sup, debout, i, rayon, avant, false);
                });
        sup.C.Stylo().Epaisseur = epaisseur;
        if (rayons.Issue == TIssueRayonsBord::Abandon)
            return false;
    }
    if (papier || !afocal)
        sup.AxeCourt(xF, yI);
    sup.Axe(c.Oa);
    sup.PlanFocal(xF);
    return true;
}

// The straight layout, without a flat; false when an edge ray was given up and the drawing stopped.
bool DessineDroit(TSupport& sup, const TSchmidtNewton& c)
{
    TInstrument& I = Instrument;
    const bool papier = sup.Papier();
    const float s = c.s;
    ResoutDispositifFocal(papier);
    const int xF = c.Ao - Arrondi((c.Ecp + c.F1) * s);
    const int xI = c.Ao - Arrondi((c.Ecp + c.F1 + Systeme.DecalageFoyer) * s);
    const bool dispositif = Validite.DispositifPresent;

    // On screen this layout's box keeps a black outline.
    const TImpacts impacts = TraceImpacts(sup, c, papier ? CouleurFuchsia : clBlack);
    const int xLame = c.Ao - Arrondi((I.DistanceLameMiroir + c.Ecp) * s);
    DessineLame(sup, c, xLame);

    if (papier)
    {
        const int h = Arrondi(c.D / 2 * s);
        for (const auto& [y, yImpact] : {std::pair{c.Oa - h, impacts.YHaut}, std::pair{c.Oa + h, impacts.YBas}})
        {
            sup.Ligne(sup.Gauche(), y, xLame, y, CouleurRouge);
            if (impacts.Connus)
                sup.C.LineTo(impacts.X, yImpact);
        }
        if (impacts.Connus)
        {
            const int x0 = sup.C.Largeur() * 60 / 762;
            Chevrons(sup, x0, impacts.YHaut);
            Chevrons(sup, x0, impacts.YBas);
            if (!dispositif)
                for (const int y : {impacts.YBas, impacts.YHaut})
                    sup.Ligne(impacts.X, y, xF, c.Oa, CouleurRouge);
        }
    }
    else if (!dispositif)
    {
        if (impacts.Connus)
            for (const int y : {impacts.YBas, impacts.YHaut})
                sup.Trait(impacts.X, y, xI, c.Oa, CouleurRouge);
        DessineLumiereEcran(sup, c, xLame, impacts);
    }

    if (papier)
        DessinePrimaire(sup, c, -c.R, c.sDm, c.Ao + Arrondi(c.sD * s));
    else
    {
        // The straight primary's edge test takes its thickness on the axis, and its shell stays on the reference.
        TSchmidtNewton axe = c;
        axe.Ep = c.Ecp;
        DessinePrimaire(sup, axe, -c.R, c.sDm, c.Ao);
    }

    if (!dispositif)
    {
        if (papier)
            sup.Texte(xF + sup.Ligne16(5), c.Oa - sup.Ligne16(14), "F");
        else
        {
            const int largeur = sup.C.TextWidth("F");
            sup.Texte(largeur + 2 > xF ? xF + 2 : xF - 2 - largeur, c.Oa - 15, "F");
        }
    }
    if (!papier)
        sup.CarreFoyer(xF, c.Oa);

    if (dispositif && !Validite.SystemeAfocal)
    {
        // On paper the device moves away from the image by its last surface's sag when that bulges towards it.
        const int n = NombreLignesDispositif();
        const double fleche = papier && Dispositif.RayonDioptre[n] > 0
                                  ? FlecheSphere(Dispositif.RayonDioptre[n], Dispositif.DiametreDioptre[n])
                                  : 0;
        const TDispositifRenverse renverse{c.Ao, c.Oa, s, c.Ecp, c.Ecp + c.F1 + Systeme.DecalageFoyer - fleche, xI};
        DessineDispositifRenverse(sup, renverse);
        if (!DessineRayonsRenverses(sup, renverse))
            return false;
    }
    sup.Axe(c.Oa);
    if (!dispositif)
        sup.PlanFocal(papier ? xF : xI);
    return true;
}

bool DessineAuRepere(TSupport& sup, TSchmidtNewton& c)
{
    FixeRepere(c.s, c.Ao, c.Oa, c.L, c.H);
    return c.Plie ? DessinePlie(sup, c) : DessineDroit(sup, c);
}

} // namespace

void DessineCoupeSchmidtNewton(ICanevas& dessin)
{
    if (!PrepareBandeSiValide(dessin))
        return;
    TSchmidtNewton c;
    Mesure(c);
    if (!Validite.InstrumentValide || (Validite.DispositifPresent && !Validite.DispositifValide) ||
        Validite.ConflitGeometrique)
    {
        EcritRefus(dessin, TexteDonneesIncompletes + " ");
        return;
    }
    const int largeur = dessin.Largeur();
    c.H = Instrument.EncombrementLateral + (c.Plie ? 2 : 0);
    c.s = EchelleEcran(c.L, c.H, largeur, 330, 20);
    // A design without extent cannot be scaled: nothing is drawn.
    if (!(c.s > 0))
        return;
    c.Oa = c.Plie ? HauteurBande - (HauteurBande - Arrondi(c.H * c.s)) / 2 - Arrondi(c.Dm / 2 * c.s) : HauteurBande / 2;
    c.Ao = largeur - (largeur - Arrondi(c.L * c.s)) / 2;
    TSupport sup(dessin, false);
    DessineAuRepere(sup, c);
}

void ImprimeCoupeSchmidtNewton(ICanevas& canevas)
{
    if (!Validite.InstrumentValide || (Validite.DispositifPresent && !Validite.DispositifValide))
        return;
    PrepareBandeImprimee(canevas);
    TSchmidtNewton c;
    Mesure(c);
    const int largeur = canevas.Largeur();
    const int m = Arrondi(largeur * 10 / 762.0);
    c.H = Instrument.EncombrementLateral;
    c.s = EchelleImprimee(c.L, c.H, HauteurBandeImprimee, largeur, ImpressionEtat.MargeImpression, m);
    Validite.SystemeAfocal = EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[NombreLignesDispositif()]);
    if (c.s > 0)
    {
        const int bande = HauteurBandeImprimee;
        c.Oa = MiseEnPage.OrdonneeCourante + bande - (bande - Arrondi(c.H * c.s)) / 2 - Arrondi(c.Dm / 2 * c.s);
        c.Ao = largeur - (largeur - Arrondi(c.L * c.s)) / 2;
        TSupport sup(canevas, true);
        DessineAuRepere(sup, c);
    }
    PoliceImpression(canevas, 9, false);
    TermineBandeImprimee();
}
