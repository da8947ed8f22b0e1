// The Maksutov and Maksutov-Newton sections on screen and on paper. The light comes from the left through the stop
// and the meniscus to the primary, whose back is the reference point; axial positions count from the primary's
// vertex towards the light and are drawn leftwards, ray heights downwards. The camera's image lies inside the tube;
// the Maksutov-Newton's flat folds the beam up to a side focus where its device stands upright.
#include "sections/CoupeMaksutov.h"

#include "optics/Geometrie.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "optics/Validite.h"
#include "platform/Bip.h"
#include "platform/Format.h"
#include "sections/Cadre.h"
#include "sections/Primitives.h"
#include "sections/RayonsBord.h"
#include "sections/Support.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace {

// One arc minute in radians.
constexpr double MinuteArc = 2.908882086657216e-4;

const std::string TextePlanTropPetit = " Le miroir plan est trop petit ";
const std::string TexteOuverture = " L'ouverture est trop petite pour ce miroir ";

void Prepare()
{
    (TraceursMaksutov.Prepare ? TraceursMaksutov.Prepare : PrepareSysteme)();
}

void Trace()
{
    (TraceursMaksutov.Trace ? TraceursMaksutov.Trace : TraceRayon)();
}

// The checks, the solve of a valid design and the checks again, then the extent the fit needs: a report printed
// before the view was ever drawn would otherwise fit an instrument of no extent.
void VerifieEtResout()
{
    VerifieDispositif();
    VerifieInstrument();
    if (Validite.InstrumentValide)
        Prepare();
    VerifieInstrument();
    CalculeGeometrieInstrument();
}

bool Camera()
{
    return Instrument.TypeInstrument == TTypeInstrument::Maksutov;
}

// The values of one drawing, in millimetres, and the frame.
struct TMaksutov
{
    double D = 0, Dm = 0, F1 = 0, R = 0, Dn = 0, Lm = 0, Ld = 0, d = 0, ds = 0, Dc = 0, dF = 0;
    double Ep = 0, Es = 0, El = 0, sM = 0;
    double L = 0, H = 0;
    float s = 0;
    int Ao = 0, Oa = 0, W = 0;
    int xF = 0, yF = 0, yI = 0;
    // The edge paths' first trace was stopped by the meniscus or the mirror.
    bool Bn = false;
};

void Mesure(TMaksutov& c)
{
    TInstrument& I = Instrument;
    c.D = I.DiametreEntree;
    c.Dm = I.DiametreMiroir;
    c.F1 = I.FocalePrimaire;
    c.R = I.RayonCourburePrimaire;
    c.Dn = I.DiametreMenisque;
    c.Lm = I.DistanceLameMiroir;
    c.Ld = I.DistanceDiaphragmeMiroir;
    c.d = I.DistanceSecondaireFoyer;
    c.ds = I.DiametreSecondaire;
    c.Dc = I.DiametreChampPleineLumiere;
    c.dF = Systeme.DecalageFoyer;
    c.Ep = I.EpaisseurPrimaire >= 1e-6 ? I.EpaisseurPrimaire : c.Dm / 10;
    c.Es = I.EpaisseurSecondaire >= 1e-6 ? I.EpaisseurSecondaire : c.ds / 10;
    c.El = I.EpaisseurLame;
    I.EpaisseurPrimaireDessin = c.Ep;
    I.EpaisseurSecondaireDessin = c.Es;
    I.EpaisseurLameDessin = c.El;
    c.sM = FlecheSphere(c.R, c.Dm);
    c.L = I.LongueurInstrument;
    if (I.EpaisseurPrimaire < 1e-6)
        c.L += c.Ep;
    c.H = I.EncombrementLateral;
}

bool MenisqueOuMiroirBloque()
{
    return Rayon.PremiereFaceBloque() || Rayon.SecondeFaceBloque() || Rayon.MiroirBloque();
}

// One ray from the aperture stop's plane at height x, its path recorded: the start, the meniscus's two faces and the
// primary.
void TraceTrajet(TTrajetRayon& trajet, double x)
{
    TRayon& r = Rayon;
    r.XDepart = x;
    r.YDepart = 0;
    trajet[0] = {static_cast<float>(x), Instrument.DistanceDiaphragmeMiroir};
    Trace();
    trajet[1] = {static_cast<float>(r.HauteurImpactGroupe[1]), static_cast<float>(r.CoteImpactGroupe[1])};
    trajet[2] = {static_cast<float>(r.HauteurImpactGroupe[2]), static_cast<float>(r.CoteImpactGroupe[2])};
    trajet[3] = {static_cast<float>(Instrument.ImpactPrimaire[0]), static_cast<float>(Instrument.ImpactPrimaire[2])};
}

// The chief ray at the star's angle (the camera without device) or on the axis, and its image on the flat or curved
// field; false when it misses a curved field, which beeps and ends the view. Then the two edge rays at that angle.
bool TraceRayons(TMaksutov& c)
{
    TRayon& r = Rayon;
    Systeme.NombreCouleurs = 1;
    AppliqueIndices();
    r.EstRayonReference = true;
    Prepare();
    r.AngleChamp = Camera() && !Validite.DispositifPresent ? Reglages.DistanceAxeEtoile * MinuteArc : 0;
    r.SinusAngleChamp = std::sin(r.AngleChamp);
    r.CosinusAngleChamp = std::cos(r.AngleChamp);

    TraceTrajet(TrajetRayonPrincipal, 0);
    const double plan = Systeme.PositionFoyer + Systeme.DecalageFoyer;
    if (!Instrument.ChampCourbe)
    {
        Systeme.HauteurImagePrincipale = r.XRayon + (plan - r.ZRayon) * r.LRayon / r.NRayon;
        TrajetRayonPrincipal[4] = {static_cast<float>(Systeme.HauteurImagePrincipale), static_cast<float>(plan)};
    }
    else
    {
        // The field is the sphere about the primary's centre of curvature through the shifted focus.
        const double rho = c.R - c.F1 - Systeme.DecalageFoyer;
        r.ZRelatif = r.ZRayon - c.R;
        const double b = 2 * (r.XRayon * r.LRayon + r.YRayon * r.MRayon + r.ZRelatif * r.NRayon);
        const double cc = r.XRayon * r.XRayon + r.YRayon * r.YRayon + r.ZRelatif * r.ZRelatif - rho * rho;
        const double delta = b * b - 4 * cc;
        if (!(delta >= 0))
        {
            r.RayonBloque = true;
            MessageBeep(BipDefaut);
            return false;
        }
        r.DistanceImpact = (-b - std::sqrt(delta)) / 2;
        const double px = r.XRayon + r.DistanceImpact * r.LRayon;
        const double pz = r.ZRelatif + r.DistanceImpact * r.NRayon;
        // The arc along the field, measured with the radius of the unshifted field.
        const double courbure = c.R - c.F1;
        Systeme.HauteurImagePrincipale = courbure * std::asin(std::clamp(px / courbure, -1.0, 1.0));
        TrajetRayonPrincipal[4] = {static_cast<float>(px), static_cast<float>(c.R + pz)};
    }

    r.ArretGroupe = false;
    r.RayonBloque = false;
    r.RayonBloqueGroupe = {};
    r.RayonBloqueMiroir = false;
    TraceTrajet(TrajetBordNegatif, -c.D / 2);
    c.Bn = MenisqueOuMiroirBloque();
    TraceTrajet(TrajetBordPositif, c.D / 2);
    return true;
}

// A point of a path, the frame's way round: leftwards from the primary's back, heights downwards.
TPointCanevas Point(const TSupport& sup, const TMaksutov& c, TPointTrajet p)
{
    return {c.Ao - sup.Pos((static_cast<double>(p.Z) + c.Ep) * c.s), c.Oa + sup.Pos(p.X * c.s)};
}

void DessinePrimaire(TSupport& sup, const TMaksutov& c)
{
    const TColor teinte = sup.Papier() ? EclaircitCouleur(Instrument.TeinteMiroirs) : Instrument.TeinteMiroirs;
    sup.C.Stylo().Couleur = clBlack;
    sup.Element(c.Ao, c.Oa, teinte, -c.R, c.Ep <= c.sM ? -c.R : RayonPlan, c.Ep, c.Dm, c.Dm, c.s, false, false);
}

// The flat's centre lies this far beyond its axis point, along its face away from the light; nothing for a mirror
// faster than f/0.5, which no flat can fold.
std::optional<double> DecalagePlan(const TMaksutov& c)
{
    const double ouverture = (c.F1 - c.sM) / c.D;
    const double denominateur = 4 * ouverture * ouverture - 1;
    if (!(denominateur > 0))
        return std::nullopt;
    return c.d / denominateur;
}

void DessineCorps(TSupport& sup, const TMaksutov& c)
{
    DessinePrimaire(sup, c);
    if (!Camera() && c.d > 1e-6 && c.Es > 1e-6)
        if (const std::optional<double> decalage = DecalagePlan(c))
        {
            const TColor teinte = sup.Papier() ? EclaircitCouleur(Instrument.TeinteMiroirs) : Instrument.TeinteMiroirs;
            DessinePlanDiagonal(sup, c.xF, c.Oa, c.ds, *decalage, c.Es, c.s, teinte);
        }
    const TColor lentilles = sup.Papier() ? EclaircitCouleur(Instrument.TeinteLentilles) : Instrument.TeinteLentilles;
    sup.C.Stylo().Couleur = clBlack;
    sup.Element(c.Ao - sup.Pos((c.Lm + c.Ep) * c.s), c.Oa, lentilles, Groupe.RayonGroupe[1], Groupe.RayonGroupe[2],
                c.El, c.Dn, c.Dn, c.s, false, false);
    // The aperture stop: the jaws and hatches of a plate-less entrance.
    sup.Lame(c.Ao - sup.Pos((c.Ld + c.Ep) * c.s), c.Oa, clWhite, c.D, ProfilAucun, 0, c.s);
    if (Camera())
        DessinePorteFilm(sup, c.xF, c.Oa, c.s, c.R, c.F1);
}

// The chief ray in light pink, on paper only, for a star more than a degree off the axis.
void ImprimeRayonPrincipal(TSupport& sup, const TMaksutov& c)
{
    if (!(Rayon.AngleChamp > std::numbers::pi / 180))
        return;
    for (std::size_t j = 1; j < TrajetRayonPrincipal.size(); ++j)
    {
        const TPointCanevas a = Point(sup, c, TrajetRayonPrincipal[j - 1]);
        const TPointCanevas b = Point(sup, c, TrajetRayonPrincipal[j]);
        sup.Trait(a.X, a.Y, b.X, b.Y, CouleurRose);
    }
}

// The camera's edge paths through the meniscus to the primary, and without a device on to the chief ray's image.
void DessineRayonsCamera(TSupport& sup, const TMaksutov& c, bool blocageFinal)
{
    TColor couleur = c.Bn ? CouleurRose : CouleurRouge;
    for (const TTrajetRayon* trajet : {&TrajetBordNegatif, &TrajetBordPositif})
    {
        if (trajet == &TrajetBordPositif && blocageFinal)
            couleur = CouleurRose;
        const std::size_t fin = Validite.DispositifPresent ? 3 : 4;
        for (std::size_t j = 1; j <= fin; ++j)
        {
            const TPointCanevas a = Point(sup, c, (*trajet)[j - 1]);
            const TPointCanevas b = Point(sup, c, j < 4 ? (*trajet)[j] : TrajetRayonPrincipal[4]);
            sup.Trait(a.X, a.Y, b.X, b.Y, couleur);
        }
    }
}

// The Maksutov-Newton's edge paths, the beam folded by the flat and the flat's size check. Gives the points where
// the two paths meet the flat (below, above) and the x of their hit on the primary.
struct TPlan
{
    std::optional<TPointCanevas> Moins, Plus;
    int XMiroir = 0;
};

TPlan DessineRayonsNewton(TSupport& sup, const TMaksutov& c, bool blocageFinal)
{
    TColor couleur = c.Bn ? CouleurRose : CouleurRouge;
    const int gauche = sup.Papier() ? sup.Gauche() + ImpressionEtat.EpaisseurTraitImpression : 0;
    for (const TTrajetRayon* trajet : {&TrajetBordNegatif, &TrajetBordPositif})
    {
        if (trajet == &TrajetBordPositif && blocageFinal)
            couleur = CouleurRose;
        const TPointCanevas depart{gauche, c.Oa + sup.Pos((*trajet)[0].X * c.s)};
        const TPointCanevas p1 = Point(sup, c, (*trajet)[1]);
        sup.Trait(depart.X, depart.Y, p1.X, p1.Y, couleur);
        for (std::size_t j = 2; j <= 3; ++j)
        {
            const TPointCanevas a = Point(sup, c, (*trajet)[j - 1]);
            const TPointCanevas b = Point(sup, c, (*trajet)[j]);
            sup.Trait(a.X, a.Y, b.X, b.Y, couleur);
        }
    }
    const TPointTrajet moins = TrajetBordNegatif[3];
    const TPointTrajet plus = TrajetBordPositif[3];
    const TPointCanevas miroir = Point(sup, c, moins);
    TPlan plan;
    plan.XMiroir = miroir.X;
    if (!(c.d > 1e-6))
        return plan;
    // Each line runs from its height on the mirror's vertex plane to the primary's focus, and meets the flat's line.
    auto surPlan = [&](double x3) -> std::optional<TPointCanevas> {
        const double z = (c.F1 - c.d - x3) / (1 - x3 / c.F1);
        const double h = c.F1 - c.d - z;
        if (!std::isfinite(z) || !std::isfinite(h))
            return std::nullopt;
        return TPointCanevas{c.Ao + sup.Pos((-z - c.Ep) * c.s), c.Oa + sup.Pos(h * c.s)};
    };
    plan.Moins = surPlan(moins.X);
    plan.Plus = surPlan(plus.X);

    const double w = static_cast<double>(plus.X) - moins.X;
    const double sw = FlecheSphere(c.R, w);
    const double minimal = w * c.d * (1 / (w + 2 * (c.F1 - sw)) - 1 / (w - 2 * (c.F1 - sw)));
    const bool tropPetit = c.ds < minimal && Validite.SecondaireDefini;
    if (tropPetit)
    {
        if (sup.Papier())
            sup.BoiteTaille(TextePlanTropPetit, CouleurFuchsia, {.Gras = true, .TexteAuSeizieme = true});
        else
            sup.BoiteTaille(TextePlanTropPetit, CouleurFuchsia, {.Elargissement = 1, .DecalageTexte = 1, .Gras = true});
    }
    if (plan.Moins && plan.Plus)
    {
        sup.Trait(miroir.X, miroir.Y, plan.Moins->X, plan.Moins->Y, CouleurRouge);
        sup.Trait(miroir.X, c.Oa - sup.Pos(moins.X * c.s), plan.Plus->X, plan.Plus->Y, CouleurRouge);
        if (!Validite.DispositifPresent)
        {
            const TColor faisceau = tropPetit ? CouleurBleuCiel : CouleurRouge;
            sup.Trait(plan.Moins->X, plan.Moins->Y, c.xF, c.yF, faisceau);
            sup.Trait(c.xF, c.yF, plan.Plus->X, plan.Plus->Y, faisceau);
        }
    }
    DessinePrimaire(sup, c);
    return plan;
}

// The chevrons of the light coming in, for a star within a minute of the axis: in front of the meniscus at the full
// aperture when the stop stands well before it, else on the beam a tenth of the way from the meniscus to the primary.
void DessineChevrons(TSupport& sup, const TMaksutov& c, int xMiroir)
{
    if (!(Rayon.AngleChamp < std::numbers::pi / 10800))
        return;
    int xc = 0, hc = 0;
    if (c.Ld > 1.2 * c.Lm)
    {
        xc = xMiroir - sup.Pos((0.9 * c.Ld + c.Ep) * c.s);
        hc = sup.Pos(c.D / 2 * c.s);
    }
    else
    {
        const double largeur = (9 * (static_cast<double>(TrajetBordPositif[2].X) - TrajetBordNegatif[2].X) +
                                (static_cast<double>(TrajetBordPositif[3].X) - TrajetBordNegatif[3].X)) /
                               20;
        xc = xMiroir - sup.Pos((0.9 * c.Lm + c.Ep) * c.s);
        hc = sup.Pos(largeur * c.s);
    }
    if (!sup.Papier())
    {
        for (const int y : {c.Oa - hc, c.Oa + hc})
            Chevrons(sup, xc, y);
        return;
    }
    // On paper the arms are as long as the step.
    const int k = 5 * ImpressionEtat.PasLigneImpression / 16;
    sup.C.Stylo().Couleur = CouleurRouge;
    sup.C.Stylo().Style = TStyleStylo::Plein;
    for (const int y : {c.Oa - hc, c.Oa + hc})
        for (int j = 0; j < 3; ++j)
        {
            const int x = xc + j * k;
            sup.C.MoveTo(x - k, y - k);
            sup.C.LineTo(x, y);
            sup.C.LineTo(x - k, y + k);
        }
}

// The camera's device, mirrored in the beam the primary returns, with its edge rays; false when a ray needed too many
// steps and the drawing stops.
bool DessineDispositifCamera(TSupport& sup, const TMaksutov& c)
{
    TDispositifRenverse renverse{c.Ao, c.Oa, c.s, c.Ep, c.Ep + c.F1 + c.dF, c.xF};
    renverse.LumiereEntrante = false;
    renverse.MessagesImprimes = false;
    renverse.Prepare = TraceursMaksutov.Prepare;
    renverse.Trace = TraceursMaksutov.Trace;
    DessineDispositifRenverse(sup, renverse);
    return DessineRayonsRenverses(sup, renverse);
}

// The Maksutov-Newton's device standing above the flat, with its edge rays from the flat; false when a ray needed too
// many steps and the drawing stops.
bool DessineDispositifNewton(TSupport& sup, const TMaksutov& c, const TPlan& plan)
{
    const int n = NombreLignesDispositif();
    TDispositifDebout debout{c.xF,
                             c.yI,
                             c.Oa,
                             c.s,
                             Validite.SystemeAfocal,
                             Instrument.EncombrementLateral - c.D / 2,
                             sup.Papier() ? sup.Haut() : 0};
    if (Dispositif.RayonDioptre[n] > 0)
        debout.Recul = FlecheSphere(Dispositif.RayonDioptre[n], Dispositif.DiametreDioptre[n]);
    DessineDispositifDebout(sup, debout);
    if (!plan.Moins || !plan.Plus)
        return true;
    TReglesRayonsBord regles;
    regles.RetraitSecondaire = false;
    regles.AvecBandeau = true;
    regles.Prepare = TraceursMaksutov.Prepare;
    regles.Trace = TraceursMaksutov.Trace;
    const TRayonsBord rayons = TraceRayonsBord(regles);
    DessineRayonsBord(
        sup, rayons,
        [&](int k, const TRayonBord&) {
            return TDebutRayon{{k > 0 ? *plan.Moins : *plan.Plus}, 1, true};
        },
        [&](int i, const TRayonBord& rayon, TPointCanevas avant) {
            return PointDebout(sup, debout, i, rayon, avant, true);
        });
    return rayons.Issue != TIssueRayonsBord::Abandon;
}

// The meniscus and mirror message, from the flags the last trace left.
std::string MessageMenisque()
{
    const TRayon& r = Rayon;
    if (r.PremiereFaceBloque() && r.SecondeFaceBloque() && r.MiroirBloque())
        return " Faisceau interrompu par les bords du ménisque et du miroir ";
    if (r.MiroirBloque())
        return " Faisceau interrompu par le bord du miroir ";
    if (r.PremiereFaceBloque() || r.SecondeFaceBloque())
        return " Faisceau interrompu par le bord du ménisque ";
    return {};
}

// The readout belongs to the camera without device, unblocked, whose lit field is narrower than its aperture.
bool LectureEtoile(const TMaksutov& c)
{
    return Camera() && !Validite.DispositifPresent && !Validite.ConflitGeometrique && c.Dc < c.D;
}

// The image height's text.
std::string TexteHauteur()
{
    return " = " + FormateNombre(std::abs(Systeme.HauteurImagePrincipale), "0.000") + " mm";
}

void DessineLecture(ICanevas& dessin, ICanevas* boite, const TMaksutov& c)
{
    TControlesFiche& k = Controles;
    dessin.Police().Couleur = clBlack;
    dessin.Pinceau().Couleur = clWhite;
    dessin.Pinceau().Style = TStylePinceau::Plein;
    const std::string libelle = "Distance à l'axe = ";
    int x = c.W - 250;
    dessin.TextOut(x, 6, libelle);
    x += dessin.TextWidth(libelle);
    k.BoxDistance.Visible = true;
    k.BoxDistance.Top = k.Dessin.Top + 4;
    k.BoxDistance.Left = k.Dessin.Left + x;
    if (boite != nullptr)
    {
        boite->Stylo().Style = TStyleStylo::Transparent;
        boite->Pinceau().Couleur = clWhite;
        boite->Pinceau().Style = TStylePinceau::Plein;
        boite->Rectangle(1, 1, 35, 15);
        boite->Stylo().Style = TStyleStylo::Plein;
        const std::string texte = TexteDistanceEtoile(Reglages.DistanceAxeEtoile);
        boite->Police().Couleur = clBlack;
        boite->TextOut(35 - dessin.TextWidth(texte), 1, texte);
    }
    x += k.BoxDistance.Width;
    dessin.TextOut(x, 6, TexteHauteur());
    Reglages.PasBoiteDistance = static_cast<float>(Reglages.PasEtoileUnique);
}

// Marks and axes: "F" beside the image without a device, the focus square, the axis, the focal plane and the short
// focal line across the folded beam.
void DessineMarques(TSupport& sup, const TMaksutov& c)
{
    const bool afocal = Validite.SystemeAfocal;
    const bool dispositif = Validite.DispositifPresent;
    const int y = Camera() ? c.Oa : c.yI;
    if (!sup.Papier())
    {
        if (!dispositif)
            sup.Texte(c.xF + 5, c.yF - 16, "F");
        if (!afocal)
            sup.CarreFoyer(c.xF, y);
        sup.Axe(c.Oa);
        sup.PlanFocal(c.xF);
        if (!Camera() && !afocal)
            sup.AxeCourt(c.xF, y);
        return;
    }
    const int p = ImpressionEtat.PasLigneImpression;
    PoliceImpression(sup.C, 9, false);
    if (c.xF + p / 2 > ImpressionEtat.MargeImpression + sup.C.TextWidth("M"))
    {
        if (!dispositif)
            sup.Texte(c.xF + p / 2, c.yF - p, "F");
        if (!afocal)
            sup.CarreFoyer(c.xF, y);
    }
    if (!Camera() && !afocal)
        sup.AxeCourt(c.xF, y);
    sup.Axe(c.Oa);
    if (!afocal)
        sup.PlanFocal(c.xF);
}

// The frame's image-side points once the scale, the origin and the axis are known.
void Places(const TSupport& sup, TMaksutov& c)
{
    if (Camera())
    {
        c.xF = c.Ao - sup.Pos((c.Ep + c.F1 + c.dF) * c.s);
        c.yF = c.Oa;
    }
    else
    {
        c.xF = c.Ao - sup.Pos((c.Ep + c.F1 - c.d) * c.s);
        c.yF = c.Oa - sup.Pos(c.d * c.s);
    }
    c.yI = c.Oa - sup.Pos((c.d + c.dF) * c.s);
    FixeRepere(c.s, c.Ao, c.Oa, c.L, c.H);
}

// The drawing from the primary to the marks; false when an edge ray of the device needed too many steps.
bool DessineAuRepere(TSupport& sup, const TMaksutov& c)
{
    const bool blocageFinal = MenisqueOuMiroirBloque();
    DessineCorps(sup, c);
    int xMiroir = c.Ao - sup.Pos((c.Ep + c.sM) * c.s);
    TPlan plan;
    if (Camera())
    {
        if (Instrument.ChampCourbe)
        {
            // The chevrons stand from the curved field's sag instead of the mirror's.
            const double courbure = c.R - c.F1;
            const double reste = courbure * courbure - c.Dc * c.Dc / 4;
            if (reste >= 0)
                xMiroir = c.Ao - sup.Pos((c.Ep + courbure - std::sqrt(reste)) * c.s);
        }
        if (sup.Papier())
            ImprimeRayonPrincipal(sup, c);
        DessineRayonsCamera(sup, c, blocageFinal);
    }
    else
    {
        plan = DessineRayonsNewton(sup, c, blocageFinal);
        if (c.d > 1e-6)
            xMiroir = plan.XMiroir;
    }
    DessineChevrons(sup, c, xMiroir);
    if (Validite.DispositifPresent)
    {
        const bool fini = Camera() ? DessineDispositifCamera(sup, c) : DessineDispositifNewton(sup, c, plan);
        if (!fini)
            return false;
        if (Camera() && Validite.SystemeAfocal)
            Validite.ConflitGeometrique = true;
    }
    DessineMarques(sup, c);
    return true;
}

} // namespace

std::string TexteDistanceEtoile(double minutes)
{
    return FormateNombre(minutes, minutes < 1 ? "0.##" : minutes < 10 ? "0.#" : "0") + " '";
}

void DessineCoupeMaksutov(ICanevas& dessin, ICanevas* boiteDistance)
{
    PrepareBandeEcran(dessin);
    VerifieEtResout();
    TMaksutov c;
    Mesure(c);
    if (!PorteCoupeOuverte())
    {
        const bool incorrect = Camera() && c.Dm / 3 >= c.D;
        EcritRefus(dessin, incorrect ? "Les données sont incorrectes" : TexteDonneesIncompletes);
        return;
    }
    if (!TraceRayons(c))
        return;
    Mesure(c);
    c.W = dessin.Largeur();
    if (!(c.L > 0) || !(c.H > 0) || c.W <= 20)
        return;
    c.s = static_cast<float>(c.H / c.L > 320.0 / (c.W - 20) ? 320 / c.H : (c.W - 20) / c.L);
    const int h = Arrondi(c.H * c.s);
    c.Oa = HauteurBande - (HauteurBande - h - 21) / 2 - Arrondi(c.H / 2 * c.s);
    c.Ao = c.W - (c.W - Arrondi(c.L * c.s)) / 2;
    TSupport sup(dessin, false);
    Places(sup, c);
    if (!DessineAuRepere(sup, c))
        return;
    // An eyepiece behind the camera has no image inside the tube: the picture goes, the messages may still show.
    if (Validite.ConflitGeometrique)
        PrepareBandeEcran(dessin);
    if (const std::string message = MessageMenisque(); !message.empty())
        MontreBandeau({message, CouleurFuchsia, true, {.Gauche = 1, .Haut = 1}});
    if (LectureEtoile(c))
        DessineLecture(dessin, boiteDistance, c);
    else if (c.Dc > c.D)
        sup.BoiteTaille(TexteOuverture, CouleurFuchsia);
}

void ImprimeCoupeMaksutov(ICanevas& canevas)
{
    if (!Validite.InstrumentValide)
        return;
    PrepareBandeImprimee(canevas);
    VerifieEtResout();
    TMaksutov c;
    if (!Validite.InstrumentValide || Systeme.CalculEchoue ||
        (Validite.DispositifPresent && !Validite.DispositifValide) || (Mesure(c), !TraceRayons(c)))
    {
        TermineBandeImprimee();
        return;
    }
    Mesure(c);
    c.W = canevas.Largeur();
    const int marge = ImpressionEtat.MargeImpression;
    const int m = canevas.TextWidth("M");
    const int bande = HauteurBandeImprimee;
    const int hauteurUtile = bande - 3 * m;
    const int largeurUtile = c.W - 2 * (marge + m);
    if (!(c.L > 0) || !(c.H > 0) || hauteurUtile <= 0 || largeurUtile <= 0)
    {
        TermineBandeImprimee();
        return;
    }
    c.s = static_cast<float>(c.H / c.L > static_cast<double>(hauteurUtile) / largeurUtile ? hauteurUtile / c.H
                                                                                          : largeurUtile / c.L);
    const int oc = MiseEnPage.OrdonneeCourante;
    c.Oa = oc + bande - (bande - Tronque(c.H * c.s) - (3 * m) / 2) / 2 - Tronque(c.H / 2 * c.s);
    c.Ao = c.W - (c.W - Tronque(c.L * c.s)) / 2;
    TSupport sup(canevas, true);
    // The rays in the printer's line width, as its primitives draw.
    canevas.Stylo().Epaisseur = ImpressionEtat.EpaisseurTraitImpression;
    Places(sup, c);
    if (!DessineAuRepere(sup, c))
    {
        TermineBandeImprimee();
        return;
    }
    const int p = ImpressionEtat.PasLigneImpression;
    PoliceImpression(canevas, 9, false);
    if (const std::string message = MessageMenisque(); !message.empty())
    {
        // At the band's top left, a letter wider than its text.
        const int w = canevas.TextWidth(message + "m");
        canevas.Pinceau().Couleur = EclaircitCouleur(CouleurFuchsia);
        canevas.Stylo().Couleur = clBlack;
        canevas.Rectangle(marge, oc, marge + w, oc + p * 12 / 10);
        canevas.Police().Couleur = clWhite;
        canevas.TextOut(marge + canevas.Stylo().Epaisseur, oc + p / 8, message);
        canevas.Police().Couleur = clBlack;
    }
    if (c.Dc > c.D)
        sup.BoiteTaille(TexteOuverture, CouleurFuchsia);
    if (LectureEtoile(c) && Reglages.DistanceAxeEtoile > 0.1)
    {
        const std::string ligne =
            "Distance à l'axe = " + TexteDistanceEtoile(Reglages.DistanceAxeEtoile) + TexteHauteur();
        sup.Texte(c.W - marge - 2 * m - canevas.TextWidth(ligne), oc + p / 8, ligne);
    }
    TermineBandeImprimee();
}
