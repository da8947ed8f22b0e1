// The Lurie-Houghton's section on screen and on paper. The light runs from the lens group on the left to the
// primary on the right; the flat folds the beam up to a side focus where the device stands upright. On screen the
// reference point is the group's first vertex, 20 pixels from the left edge, axial distances running rightwards; on
// paper it is the primary's back and the drawing is centred.
#include "sections/CoupeLurieHoughton.h"

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

#include <cmath>
#include <optional>

namespace {

constexpr TColor TeinteMiroirDonne = 0xD6D618; // a mirror whose thickness is given
constexpr TColor TeinteMiroirSansEpaisseur = 0xFFFFA0; // a primary without a thickness of its own
constexpr int GaucheEcran = 20; // the group's first vertex on screen

const std::string TextePlanTropPetit = " Le miroir plan est trop petit ";
const std::string TexteTrou = " Le faisceau est interrompu par le bord du trou central ";
const std::string TexteDispositif = " Le faisceau est interrompu par le bord du dispositif dioptrique ";

// The values of one drawing, in millimetres, and the frame.
struct TLurieHoughton
{
    double D = 0, Dm = 0, R = 0, F1 = 0, d = 0, ds = 0, Lc = 0, PF = 0;
    double Ep = 0, Es = 0, sDm = 0;
    bool EpaisseurDonnee = false;
    double L = 0, H = 0;
    int N = 0;
    float s = 0;
    int Oa = 0;
    int X0 = 0; // the group's first vertex
    int XDos = 0; // the primary's back
};

void Mesure(TLurieHoughton& c)
{
    TInstrument& I = Instrument;
    c.D = I.DiametreEntree;
    c.Dm = I.DiametreMiroir;
    c.R = I.RayonCourburePrimaire;
    c.F1 = I.FocalePrimaire;
    c.d = I.DistanceSecondaireFoyer;
    c.ds = I.DiametreSecondaire;
    c.Lc = I.DistanceLameMiroir;
    c.PF = Systeme.PositionFoyer;
    c.N = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    c.L = I.LongueurInstrument;
    c.H = I.EncombrementLateral;
    const TPrimaireDessine primaire = PrimaireDessine(c.Dm, c.L);
    c.EpaisseurDonnee = primaire.EpaisseurDonnee;
    c.Ep = primaire.Epaisseur;
    c.Es = I.EpaisseurSecondaire;
    I.EpaisseurSecondaireDessin = c.Es;
    c.sDm = FlecheSphere(c.R, c.Dm);
}

void DessinePrimaire(TSupport& sup, const TLurieHoughton& c, TColor teinte, int xDos)
{
    sup.C.Stylo().Couleur = clBlack;
    sup.Element(xDos, c.Oa, teinte, -c.R, c.Ep > c.sDm ? RayonPlan : -c.R, c.Ep, c.Dm, c.Dm, c.s, false, false);
}

// The flat at 45 degrees through the axis point xF; a mirror faster than f/0.5 has none.
void DessinePlan(TSupport& sup, const TLurieHoughton& c, int xF, TColor teinte)
{
    const double denominateur = 4 * std::pow((c.F1 - c.sDm) / c.D, 2) - 1;
    if (c.Es > 1e-6 && denominateur > 0)
        DessinePlanDiagonal(sup, xF, c.Oa, c.ds, c.d / denominateur, c.Es, c.s, teinte);
}

// The two points where the beam reflected by the primary meets the flat's line.
struct TPlan
{
    TPointCanevas Haut{}, Bas{};
};

// The point where the ray from height h at axial position z (mm from the primary's vertex, heights upwards) to the
// focus `foyer` on the axis meets the flat's line, d before that focus at 45 degrees. Nothing when it cannot be
// found.
std::optional<TPointCanevas> PointPlan(const TLurieHoughton& c, double foyer, double h, double z, bool papier)
{
    const double k = h / (foyer - z);
    const double zPlan = foyer - c.d / (1 + k);
    const double hPlan = c.d - c.d / (1 + k);
    if (!std::isfinite(zPlan) || !std::isfinite(hPlan))
        return std::nullopt;
    auto arrondi = [papier](double v) { return papier ? Tronque(v) : Arrondi(v); };
    return TPointCanevas{c.XDos - arrondi((zPlan + c.Ep) * c.s), c.Oa - arrondi(hPlan * c.s)};
}

// The beam from the primary's hits to the flat, red, then without a device up to the focus in the beam's colour.
void DessineFaisceauPlan(TSupport& sup, TPointCanevas impactHaut, TPointCanevas impactBas,
                         const std::optional<TPointCanevas>& haut, const std::optional<TPointCanevas>& bas,
                         TPointCanevas foyer, TColor faisceau)
{
    if (!haut || !bas)
        return;
    sup.Trait(impactHaut.X, impactHaut.Y, haut->X, haut->Y, CouleurRouge);
    sup.Trait(impactBas.X, impactBas.Y, bas->X, bas->Y, CouleurRouge);
    if (Validite.DispositifPresent)
        return;
    sup.Trait(haut->X, haut->Y, foyer.X, foyer.Y, faisceau);
    sup.Trait(foyer.X, foyer.Y, bas->X, bas->Y, faisceau);
}

TDispositifDebout DispositifDebout(const TSupport& sup, const TLurieHoughton& c, int xF, int yI)
{
    // On paper the afocal rays stop a pen's width inside the band.
    return {xF,
            yI,
            c.Oa,
            c.s,
            Validite.SystemeAfocal,
            Instrument.EncombrementLateral - c.D / 2,
            sup.Papier() ? sup.Haut() + ImpressionEtat.EpaisseurTraitImpression : 0};
}

// The device and its edge rays from the flat points; false when a ray needed too many steps.
bool DessineDispositifEtRayons(TSupport& sup, const TDispositifDebout& debout, const TReglesRayonsBord& regles,
                               TPointCanevas bas, TPointCanevas haut, std::optional<TRayonsBord>& traces)
{
    DessineDispositifDebout(sup, debout);
    traces = TraceRayonsBord(regles);
    const int epaisseur = sup.C.Stylo().Epaisseur;
    if (sup.Papier())
        sup.C.Stylo().Epaisseur = ImpressionEtat.EpaisseurTraitImpression;
    DessineRayonsBord(
        sup, *traces,
        [&](int k, const TRayonBord&) {
            return TDebutRayon{{k < 0 ? bas : haut}, 1, true};
        },
        [&](int i, const TRayonBord& rayon, TPointCanevas avant) {
            return PointDebout(sup, debout, i, rayon, avant, false);
        });
    sup.C.Stylo().Epaisseur = epaisseur;
    return traces->Issue != TIssueRayonsBord::Abandon;
}

} // namespace

void DessineCoupeLurieHoughton(ICanevas& dessin)
{
    TInstrument& I = Instrument;
    if (!OuvreBandeEcran(dessin))
        return;
    ResoutEnUneCouleur();
    TLurieHoughton c;
    Mesure(c);
    const TColor teintePrimaire = c.EpaisseurDonnee ? TeinteMiroirDonne : TeinteMiroirSansEpaisseur;

    const TRayon& r = Rayon;
    TraceAxialOcculte(c.D / 2);
    const bool coupe = r.ArretGroupe;
    const double hp = I.ImpactPrimaire[0];
    const double zp = I.ImpactPrimaire[2];
    // The group's last heights, for the chevrons drawn after the edge rays have traced again.
    const double hauteurSortie = c.N > 0 ? r.HauteurImpactGroupe[c.N] : hp;

    const int largeur = dessin.Largeur();
    if (!(c.L > 0) || !(c.H > 0) || largeur <= 40)
        return;
    c.s = static_cast<float>(c.H / c.L > 330.0 / (largeur - 20) ? 310 / c.H : (largeur - 40) / c.L);
    c.Oa = HauteurBande - (HauteurBande - Arrondi(c.H * c.s)) / 2 - Arrondi(c.D / 2 * c.s);
    c.X0 = GaucheEcran;
    FixeRepere(c.s, c.X0, c.Oa, c.L, c.H);
    TSupport sup(dessin, false);
    const float s = c.s;
    c.XDos = c.X0 + Arrondi((c.Lc + c.Ep) * s);
    const int yF = c.Oa - Arrondi(c.d * s);
    const int xF = c.XDos - Arrondi((c.Ep + c.PF - c.d) * s);
    const int yI = c.Oa - Arrondi((c.d + Systeme.DecalageFoyer) * s);

    DessinePrimaire(sup, c, teintePrimaire, c.XDos);
    DessinePlan(sup, c, xF, TeinteMiroirDonne);
    DessineGroupe(sup, c.X0, c.Oa, c.s);
    DessineFaisceauGroupe(sup, c.X0, c.Oa, c.s, c.Lc, coupe);

    // The reflected beam, from each hit on the primary towards the traced focus, cut by the flat's line.
    const TPointCanevas impactHaut{c.X0 + Arrondi((c.Lc - zp) * s), c.Oa - Arrondi(hp * s)};
    const TPointCanevas impactBas{impactHaut.X, c.Oa + Arrondi(hp * s)};
    const std::optional<TPointCanevas> haut = PointPlan(c, c.PF, hp, zp, false);
    const std::optional<TPointCanevas> bas = PointPlan(c, c.PF, -hp, zp, false);
    const double sh = FlecheSphere(c.R, 2 * hp);
    const double minimal = 2 * c.d * hp * (1 / (2 * (c.PF - sh + hp)) + 1 / (2 * (c.PF - sh - hp)));
    I.DiametreSecondaireMinimal = std::isfinite(minimal) ? static_cast<float>(minimal) : 0.0f;
    const bool tropPetit = c.ds < I.DiametreSecondaireMinimal && Validite.SecondaireDefini;
    const TColor faisceau = tropPetit ? CouleurBleuCiel : CouleurRouge;
    if (tropPetit)
        sup.BoiteTaille(TextePlanTropPetit, CouleurFuchsia, {.Elargissement = 1, .DecalageTexte = 1, .Gras = true});
    const bool dispositif = Validite.DispositifPresent;
    DessineFaisceauPlan(sup, impactHaut, impactBas, haut, bas, {xF, yF}, faisceau);

    const bool afocal = Validite.SystemeAfocal;
    if (dispositif && haut && bas)
    {
        TReglesRayonsBord regles;
        regles.OcculteParGroupe = true;
        regles.SecondaireTropPetit = c.ds < I.DiametreSecondaireMinimal;
        std::optional<TRayonsBord> traces;
        if (!DessineDispositifEtRayons(sup, DispositifDebout(sup, c, xF, yI), regles, *bas, *haut, traces))
            return;
    }
    if (!dispositif)
        sup.Texte(xF + 5, yF <= 20 ? yF : yF - 16, "F");
    if (!afocal)
        sup.CarreFoyer(xF, yI);
    sup.Axe(c.Oa);
    sup.PlanFocal(xF);
    if (!afocal)
        sup.AxeCourt(xF, yI);
    for (const int signe : {-1, 1})
        Chevrons(sup, xF + 50, c.Oa + signe * Arrondi(hauteurSortie * s));
    MontreBandeauCorrecteur(coupe, GaucheEcran);
}

void ImprimeCoupeLurieHoughton(ICanevas& canevas)
{
    TInstrument& I = Instrument;
    const int hbi = ImpressionEtat.HauteurBlocImprime;
    if (!Validite.InstrumentValide)
    {
        HauteurBandeImprimee = hbi;
        TermineBandeImprimee();
        return;
    }
    if (!OuvreBandeImprimee(canevas))
        return;

    TRayon& r = Rayon;
    Systeme.NombreCouleurs = 1;
    AppliqueIndices();
    r.EstRayonReference = true;
    PrepareSysteme();
    // The two edge traces keep their hits on the primary; the first tells whether the corrector stopped the ray,
    // at a surface it missed or outside a surface's aperture, as the screen's banner does.
    TraceAxial(-I.DiametreEntree / 2);
    TrajetBordNegatif[3] = {static_cast<float>(I.ImpactPrimaire[0]), static_cast<float>(I.ImpactPrimaire[2])};
    bool bloque = r.ArretGroupe;
    for (int j = 1; j <= std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe); ++j)
        bloque = bloque || r.RayonBloqueGroupe[static_cast<std::size_t>(j)];
    TraceAxial(I.DiametreEntree / 2);
    TrajetBordPositif[3] = {static_cast<float>(I.ImpactPrimaire[0]), static_cast<float>(I.ImpactPrimaire[2])};
    CalculeGeometrieInstrument();
    TLurieHoughton c;
    Mesure(c);
    TraceAxial(c.D / 2);
    const bool coupe = r.ArretGroupe;

    const int largeur = canevas.Largeur();
    const int marge = ImpressionEtat.MargeImpression;
    const int m = canevas.TextWidth("M");
    const int hauteurUtile = HauteurBandeImprimee - 3 * m;
    const int largeurUtile = largeur - 2 * (marge + m);
    if (!(c.L > 0) || !(c.H > 0) || hauteurUtile <= 0 || largeurUtile <= 0)
    {
        TermineBandeImprimee();
        return;
    }
    c.s = static_cast<float>(c.H / c.L > static_cast<double>(hauteurUtile) / largeurUtile ? hauteurUtile / c.H
                                                                                          : largeurUtile / c.L);
    const int bande = HauteurBandeImprimee;
    const int oc = MiseEnPage.OrdonneeCourante;
    c.Oa = oc + bande - (bande - Tronque(c.H * c.s) - (3 * m) / 2) / 2 - Tronque(c.D / 2 * c.s);
    c.XDos = largeur - (largeur - Tronque(c.L * c.s)) / 2;
    c.X0 = c.XDos - Tronque(c.L * c.s);
    FixeRepere(c.s, c.XDos, c.Oa, c.L, c.H);
    TSupport sup(canevas, true);
    const float s = c.s;
    const int yF = c.Oa - Tronque(c.d * s);
    const int xF = c.XDos - Tronque((c.Ep + c.PF - c.d) * s);
    const int yI = c.Oa - Tronque((c.d + Systeme.DecalageFoyer) * s);
    const TColor teinteMiroirs = EclaircitCouleur(I.TeinteMiroirs);
    const int p = ImpressionEtat.PasLigneImpression;

    DessinePrimaire(sup, c, teinteMiroirs, c.XDos);
    DessinePlan(sup, c, xF, teinteMiroirs);
    DessineGroupe(sup, c.X0, c.Oa, c.s);
    DessineFaisceauGroupe(sup, c.X0, c.Oa, c.s, c.Lc, coupe);
    const double hauteurSortie = c.N > 0 ? r.HauteurImpactGroupe[c.N] : I.ImpactPrimaire[0];

    // The flat points of the two stored paths, with the primary's own focus.
    const TPointTrajet negatif = TrajetBordNegatif[3];
    const TPointTrajet positif = TrajetBordPositif[3];
    // Each line runs from its height on the mirror's vertex plane; the path from below the axis rises above it.
    const std::optional<TPointCanevas> haut = PointPlan(c, c.F1, -negatif.X, 0, true);
    const std::optional<TPointCanevas> bas = PointPlan(c, c.F1, -positif.X, 0, true);
    const int xImpact = c.XDos - Tronque((negatif.Z + c.Ep) * s);
    const TPointCanevas impactHaut{xImpact, c.Oa + Tronque(negatif.X * s)};
    const TPointCanevas impactBas{xImpact, c.Oa - Tronque(negatif.X * s)};
    const double largeurFaisceau = static_cast<double>(positif.X) - negatif.X;
    const double sh = FlecheSphere(c.R, largeurFaisceau);
    const double minimal =
        largeurFaisceau * c.d * (1 / (2 * (c.F1 - sh) + largeurFaisceau) + 1 / (2 * (c.F1 - sh) - largeurFaisceau));
    const bool tropPetit = c.ds < minimal && Validite.SecondaireDefini;
    const TColor faisceau = tropPetit ? CouleurBleuCiel : CouleurRouge;
    if (tropPetit)
        sup.BoiteTaille(TextePlanTropPetit, CouleurFuchsia, {.Gras = true, .TexteAuSeizieme = true});
    const bool dispositif = Validite.DispositifPresent;
    DessineFaisceauPlan(sup, impactHaut, impactBas, haut, bas, {xF, yF}, faisceau);
    DessinePrimaire(sup, c, teinteMiroirs, c.XDos);

    // The chevrons of this print, their arms as long as their step.
    const int pas = 5 * p / 16;
    sup.C.Stylo().Couleur = CouleurRouge;
    for (const int signe : {-1, 1})
    {
        const int y = c.Oa + signe * Arrondi(hauteurSortie * s);
        for (int j = 0; j < 3; ++j)
        {
            const int x = xF + Tronque(0.1 * (c.PF - c.d) * s) + j * pas;
            sup.C.MoveTo(x - pas, y - pas);
            sup.C.LineTo(x, y);
            sup.C.LineTo(x - pas, y + pas);
        }
    }

    const bool afocal = Validite.SystemeAfocal;
    if (dispositif && haut && bas)
    {
        TDispositifDebout debout = DispositifDebout(sup, c, xF, yI);
        const int n = NombreLignesDispositif();
        if (Dispositif.RayonDioptre[n] > 0)
            debout.Recul = FlecheSphere(Dispositif.RayonDioptre[n], Dispositif.DiametreDioptre[n]);
        TReglesRayonsBord regles;
        regles.SecondaireTropPetit = c.ds < minimal;
        std::optional<TRayonsBord> traces;
        const bool fini = DessineDispositifEtRayons(sup, debout, regles, *bas, *haut, traces);
        // Each cut ray sets the screen's banner, at the drawing's left: the device's edge or the central hole.
        for (int k = 0; k < traces->Nombre; ++k)
        {
            const TRayonBord& rayon = traces->Rayons[static_cast<std::size_t>(k)];
            if (!rayon.Occulte)
                continue;
            TBandeau bandeau;
            if (rayon.VignettageDispositif)
                bandeau = {TexteDispositif, CouleurFuchsia, true};
            else if (rayon.DansTrouCentral)
                bandeau = {TexteTrou, CouleurRouge, true};
            bandeau.Place.Gauche = 0;
            MontreBandeau(bandeau);
        }
        if (!fini)
        {
            TermineBandeImprimee();
            return;
        }
    }

    PoliceImpression(canevas, 9, false);
    const int xTexte = xF + p / 2;
    if (xTexte > marge + m)
    {
        if (!dispositif)
            sup.Texte(xTexte, yF - p, "F");
        if (!afocal)
            sup.CarreFoyer(xF, yI);
    }
    if (!afocal)
        sup.AxeCourt(xF, yI);
    sup.Axe(c.Oa);
    if (!afocal)
        sup.PlanFocal(xF);
    if (bloque)
        ImprimeMessageCorrecteur(canevas);
    TermineBandeImprimee();
}
