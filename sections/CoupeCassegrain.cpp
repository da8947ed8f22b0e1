// The two-mirror sections (Cassegrain, Ritchey-Chrétien, Dall-Kirkham, Schmidt-Cassegrain, Gregory, Schwarzschild)
// on screen and on paper. The light comes from the left; the reference point is the right end of the drawing (the
// end of the optical train or the primary's back), and axial distances run leftwards from it.
#include "sections/CoupeCassegrain.h"

#include "optics/DiametreDispositif.h"
#include "optics/Geometrie.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "sections/Cadre.h"
#include "sections/CoupeSchmidt.h"
#include "sections/Primitives.h"
#include "sections/RayonsBord.h"
#include "sections/Support.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <cmath>
#include <optional>

namespace {

const std::string TexteSecondaireTropPetit = " Le miroir secondaire est trop petit ";
const std::string TexteTrouTropPetit = " Le trou central est trop petit ";

// The Gregory family has a concave secondary beyond the primary focus; the Cassegrain family a convex one before it.
bool FamilleGregory(TTypeInstrument type)
{
    switch (type)
    {
    case TTypeInstrument::Gregory:
    case TTypeInstrument::Schwarzschild: return true;
    case TTypeInstrument::Aucun:
    case TTypeInstrument::Newton:
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovCassegrain:
    case TTypeInstrument::Lunette:
    case TTypeInstrument::MaksutovNewton:
    case TTypeInstrument::DallKirkham:
    case TTypeInstrument::KlevtsovCassegrain:
    case TTypeInstrument::LurieHoughton:
    case TTypeInstrument::HoughtonCassegrain:
    case TTypeInstrument::SchmidtNewton: return false;
    }
    return false;
}

// The sag R (1 - sqrt(1 - (d / 2R)^2)) of a mirror at diameter d, signed like R; nothing when the sphere does not
// span the diameter.
std::optional<double> FlecheMiroir(double rayon, double diametre)
{
    const double rapport = diametre / (2 * rayon);
    const double reste = 1 - rapport * rapport;
    if (!(reste >= 0))
        return std::nullopt;
    return rayon * (1 - std::sqrt(reste));
}

// The values of one drawing, in millimetres, and the frame.
struct TCassegrain
{
    TTypeInstrument Type = TTypeInstrument::Aucun;
    bool Gregory = false;
    bool Schmidt = false; // the Schmidt-Cassegrain and its plate
    double D = 0, Dm = 0, F1 = 0, F = 0, p = 0, R2 = 0, Ds = 0;
    double Ep = 0, Es = 0, El = 0;
    // The mirrors' sags at their rims; a sphere narrower than its mirror has none, and only the drawing of the
    // mirror itself then takes the hemisphere's.
    std::optional<double> s1, s2;
    double L = 0;
    float s = 0;
    int Ao = 0, Oa = 0;
    int W = 0;
};

// The drawing thicknesses of the elements not given, and the primary's diameter of the forms without a plate.
void Mesure(TCassegrain& c)
{
    TInstrument& I = Instrument;
    c.Type = I.TypeInstrument;
    c.Gregory = FamilleGregory(c.Type);
    c.Schmidt = c.Type == TTypeInstrument::SchmidtCassegrain;
    c.D = I.DiametreEntree;
    if (!c.Schmidt)
        I.DiametreMiroir = c.D;
    c.Dm = I.DiametreMiroir;
    c.F1 = I.FocalePrimaire;
    c.F = I.FocaleResultante;
    c.p = I.DistanceFoyerPrimaireSecondaire;
    c.R2 = I.RayonCourbureSecondaire;
    c.Ds = I.DiametreSecondaire;
    c.Ep = I.EpaisseurPrimaire >= 1e-6 ? I.EpaisseurPrimaire : c.D / 10;
    c.Es = I.EpaisseurSecondaire >= 1e-6 ? I.EpaisseurSecondaire : c.Ds / 10;
    c.El = I.EpaisseurLame >= 1 ? I.EpaisseurLame : c.D / 20;
    I.EpaisseurPrimaireDessin = c.Ep;
    I.EpaisseurSecondaireDessin = c.Es;
    I.EpaisseurLameDessin = c.El;
    I.DiametreTrouCentralDessin = I.DiametreTrouCentral >= 1e-6 ? I.DiametreTrouCentral : c.D / 10;
    c.s1 = FlecheMiroir(2 * c.F1, c.Dm);
    c.s2 = FlecheMiroir(c.R2, c.Ds);

    c.L = I.LongueurInstrument;
    if (I.EpaisseurPrimaire < 1e-6)
        c.L += c.Ep;
    if (I.EpaisseurSecondaire < 1e-6)
        c.L += c.Es;
    // The plate's allowance lengthens all six forms alike.
    if (I.EpaisseurLame < 1)
        c.L += c.El;
    if (c.Schmidt)
        c.L *= 1.02;
}

// The axial places of the drawing, in pixels (dots).
struct TPlaces
{
    int Fin = 0; // end of the optical train (the final focus)
    int Dos = 0; // the primary's back
    int F1 = 0; // the primary's focus
    int Dispositif = 0; // the origin of the device's positions
    int Primaire = 0; // the plane of the primary's reflecting rim
    int hD = 0, hDm = 0;
};

TPlaces Places(const TSupport& sup, const TCassegrain& c)
{
    const float s = c.s;
    const double fin = Instrument.FinDispositif;
    TPlaces x;
    if (fin > c.Ep)
    {
        x.Fin = c.Ao;
        x.Dos = c.Ao - sup.Pos((fin - c.Ep) * s);
        x.F1 = x.Fin - sup.Pos((fin + c.F1) * s);
    }
    else
    {
        x.Dos = c.Ao;
        x.Fin = c.Ao - sup.Pos((c.Ep - fin) * s);
        x.F1 = c.Ao - sup.Pos((c.Ep + c.F1) * s);
    }
    x.Dispositif = c.Ao;
    if (c.Type == TTypeInstrument::Schwarzschild)
    {
        // The final focus lies in front of the primary.
        const double apres = Instrument.DistanceSecondaireFoyer + (Validite.SystemeAfocal ? 0 : Systeme.DecalageFoyer);
        x.Fin = x.F1 - sup.Pos(c.p * s) + sup.Pos(apres * s);
        x.Dos = c.Ao;
        x.Dispositif = x.Fin;
        if (Validite.DispositifPresent && Validite.SystemeAfocal)
        {
            const int n = NombreLignesDispositif();
            x.Dispositif = x.Fin + sup.Pos((Dispositif.SommetDioptre[n] - Systeme.PositionFoyer) * s);
        }
    }
    x.Primaire = x.Dos - sup.Pos(c.Ep * s);
    x.hD = sup.Pos(c.D / 2 * s);
    // The primary's rim is rounded on paper too.
    x.hDm = Arrondi(c.Dm / 2 * s);
    return x;
}

void DessinePrimaire(TSupport& sup, const TCassegrain& c, const TPlaces& x)
{
    const TColor teinte = sup.Papier() ? EclaircitCouleur(Instrument.TeinteMiroirs) : Instrument.TeinteMiroirs;
    const double rayon = -2 * c.F1;
    const double s1 = c.s1.value_or(FlecheSphere(2 * c.F1, c.Dm));
    const double trou = Instrument.DiametreTrouCentral;
    sup.C.Stylo().Couleur = clBlack;
    if (c.Ep > s1)
        sup.MiroirPerce(x.Dos, c.Oa, teinte, rayon, RayonPlan, c.Ep - s1, c.Dm, c.Dm, trou, c.s);
    else
        // A shell of even thickness; either way the mirror's rim stands on the plane x.Primaire.
        sup.MiroirPerce(x.Dos + sup.Pos(s1 * c.s), c.Oa, teinte, rayon, rayon, c.Ep, c.Dm, c.Dm, trou, c.s);
}

// The Schmidt-Cassegrain's plate, with the hole the converging beam passes through when the secondary stands beyond
// it.
void DessineLame(TSupport& sup, const TCassegrain& c, const TPlaces& x)
{
    TInstrument& I = Instrument;
    const float s = c.s;
    const double Lp = I.DistanceLameMiroir;
    const TColor teinte = sup.Papier() ? EclaircitCouleur(I.TeinteLentilles) : I.TeinteLentilles;
    sup.Lame(x.F1 + sup.Pos((c.F1 - Lp + c.El / 2) * s), c.Oa, teinte, c.D, I.ProfilLame, I.EpaisseurLame, s);
    const double sommetSecondaire = Dispositif.CentreDioptre[0] - c.R2;
    if (!(sommetSecondaire > Lp))
        return;
    if (c.F1 > 1)
    {
        const double s1 = c.s1.value_or(FlecheSphere(2 * c.F1, c.Dm));
        I.DiametreObstructionDispositif = (c.F1 + s1 - sommetSecondaire) / c.F1 * c.Dm;
        CalculeDiametreMaximalDispositif();
    }
    const double trou = I.DiametreObstructionDispositif;
    const int h = Arrondi(trou / 2 * s);
    sup.C.Stylo().Couleur = clWhite;
    sup.C.Stylo().Style = TStyleStylo::Plein;
    sup.C.Pinceau().Couleur = clWhite;
    sup.C.Rectangle(x.F1 + Arrondi((c.F1 - Lp - c.El / 2) * s) - 2, c.Oa - h,
                    x.F1 + Arrondi((c.F1 - Lp + c.El / 2) * s) + 2, c.Oa + h + 1);
    const int avant = x.F1 + Arrondi((c.F1 - Lp) * s);
    const int arriere = x.F1 + Arrondi((c.F1 - Lp - c.El) * s);
    for (const int y : {c.Oa - h, c.Oa + h})
        sup.Ligne(avant, y, arriere, y, clBlack);
}

void DessineSecondaire(TSupport& sup, const TCassegrain& c, const TPlaces& x)
{
    const TColor teinte = sup.Papier() ? EclaircitCouleur(Instrument.TeinteMiroirs) : Instrument.TeinteMiroirs;
    const double s2 = c.s2.value_or(FlecheSphere(c.R2, c.Ds));
    // The reflecting face A looks towards the primary.
    const double rayon = c.Gregory ? c.R2 : -c.R2;
    const int xa = c.Gregory ? x.F1 - sup.Pos(c.p * c.s) : x.F1 + sup.Pos(c.p * c.s);
    sup.C.Stylo().Couleur = clBlack;
    sup.Element(xa, c.Oa, teinte, c.Es > s2 ? RayonPlan : rayon, rayon, c.Es, c.Ds, c.Ds, c.s, false, false);
}

// Where the marginal ray from the primary's rim meets the secondary; nothing when it misses the secondary's
// sphere, or a mirror is narrower than its sphere allows.
std::optional<TPointCanevas> ImpactMarginal(const TSupport& sup, const TCassegrain& c, const TPlaces& x)
{
    if (!c.s1 || !c.s2)
        return std::nullopt;
    const double s1 = *c.s1;
    const double pente = c.Dm / 2 / (c.Gregory ? c.F1 + s1 : c.F1 - s1);
    const double b = c.Gregory ? c.R2 + c.p : c.R2 - c.p;
    const std::optional<TImpactSecondaire> impact = ImpactSecondaire(pente, b, c.R2);
    if (!impact)
        return std::nullopt;
    const int xs = c.Gregory ? x.F1 - sup.Pos((c.p - *c.s2) * c.s) : x.F1 + sup.Pos((c.p - c.R2 + impact->Cote) * c.s);
    return TPointCanevas{xs, sup.Pos(impact->Hauteur * c.s)};
}

// The size checks: the colour of the beam behind the secondary, and the box that says why it is not red.
struct TTaille
{
    TColor Faisceau = CouleurRouge;
    std::string Message;
    TColor Fond = CouleurFuchsia;
};

TTaille VerifieTailles(const TCassegrain& c)
{
    const TInstrument& I = Instrument;
    const double minimal = c.Type == TTypeInstrument::Schwarzschild
                               ? static_cast<double>(I.DiametreSecondaireSchwarzschild)
                               : c.p * c.D / c.F1;
    TTaille t;
    if (c.Ds < minimal)
        t = {CouleurBleuCiel, TexteSecondaireTropPetit, CouleurFuchsia};
    else if (c.F > 1 && I.FinDispositif / c.F * c.D > I.DiametreTrouCentral)
        t = {CouleurVertClair, TexteTrouTropPetit, CouleurOrange};
    return t;
}

// The x of the three chevrons of the incoming light.
int XChevrons(const TSupport& sup, const TCassegrain& c, const TPlaces& x)
{
    const int minimum = sup.Papier() ? 3 * (ImpressionEtat.MargeImpression + sup.C.TextWidth("M")) : 10;
    if (!c.Schmidt)
        return sup.Papier() ? minimum : 100;
    // Halfway from the primary focus to the plate's front face.
    const TInstrument& I = Instrument;
    const double milieu = (c.F1 - I.DistanceLameMiroir + c.El / 2 - I.EpaisseurLame) * c.s / 2;
    return std::max(x.F1 + sup.Pos(milieu), minimum);
}

int XLumiere(const TSupport& sup)
{
    return sup.Papier() ? ImpressionEtat.MargeImpression + sup.C.TextWidth("M") : 10;
}

// The beam without a device: from the primary's rim to the secondary and back to the focus, and the incoming light.
void DessineFaisceau(TSupport& sup, const TCassegrain& c, const TPlaces& x, const std::optional<TPointCanevas>& impact,
                     TColor couleur)
{
    for (const int signe : {-1, 1})
    {
        if (!impact)
            continue;
        const int yS = c.Oa + signe * impact->Y;
        sup.Trait(x.Primaire, c.Oa + signe * x.hDm, impact->X, yS, CouleurRouge);
        sup.Trait(x.Fin, c.Oa, impact->X, yS, couleur);
    }
    const int xc = XChevrons(sup, c, x);
    for (const int signe : {-1, 1})
        sup.Ligne(x.Primaire, c.Oa + signe * x.hDm, XLumiere(sup), c.Oa + signe * x.hD, CouleurRouge);
    for (const int signe : {-1, 1})
        Chevrons(sup, xc, c.Oa + signe * x.hD);
}

// The three edge rays through the device; false when a ray needed too many steps and the drawing stops.
bool DessineRayons(TSupport& sup, const TCassegrain& c, const TPlaces& x, const std::optional<TPointCanevas>& impact)
{
    TReglesRayonsBord regles;
    regles.AvecBandeau = true;
    const TRayonsBord rayons = TraceRayonsBord(regles);
    const auto& R = Dispositif.RayonDioptre;
    const auto& E = Dispositif.EpaisseurDioptre;
    const int n = NombreLignesDispositif();
    const double total = SommeEpaisseurs(1, n);
    const bool afocal = Validite.SystemeAfocal;
    DessineRayonsBord(
        sup, rayons,
        [&](int k, const TRayonBord&) {
            TDebutRayon debut;
            if (impact)
                debut = {{TPointCanevas{x.Primaire, c.Oa - k * x.hD}, TPointCanevas{impact->X, c.Oa - k * impact->Y}},
                         2,
                         true};
            return debut;
        },
        [&](int i, const TRayonBord& rayon, TPointCanevas avant) {
            if (i > n)
            {
                int xi = avant.X + sup.Pos(E[n] * c.s);
                if (afocal)
                {
                    // An afocal beam leaves a little beyond the end of the train (the Schwarzschild's device).
                    const int depart = c.Type == TTypeInstrument::Schwarzschild ? x.Dispositif : x.Fin;
                    if (sup.Papier())
                    {
                        const int droite = sup.C.Largeur() - ImpressionEtat.MargeImpression;
                        xi = std::min(depart + (sup.C.Largeur() - 2 * ImpressionEtat.MargeImpression) * 20 / 762,
                                      droite - sup.C.Stylo().Epaisseur / 2);
                    }
                    else
                    {
                        xi = depart + 20;
                        if (xi > c.W)
                            xi = c.W - 1;
                    }
                }
                const double h = rayon.XRayon + (Systeme.PositionFoyer + Systeme.DecalageFoyer - rayon.ZRayon) /
                                                    rayon.NRayon * rayon.LRayon;
                return TPointCanevas{xi, c.Oa - sup.Pos(h * c.s)};
            }
            const double hauteur = rayon.Hauteurs[static_cast<std::size_t>(i)];
            const double longueur = total - SommeEpaisseurs(1, i - 1) - FlecheSphere(R[i], 2 * hauteur);
            // The hit on the first surface is rounded on paper too.
            if (i == 1)
                return TPointCanevas{x.Dispositif - Arrondi(longueur * c.s), c.Oa - Arrondi(hauteur * c.s)};
            return TPointCanevas{x.Dispositif - sup.Pos(longueur * c.s), c.Oa - sup.Pos(hauteur * c.s)};
        });
    if (rayons.Issue == TIssueRayonsBord::Abandon)
        return false;
    // The incoming light of each drawn ray, from the start actually traced to the rim.
    const int xc = XChevrons(sup, c, x);
    for (int r = 0; r < rayons.Nombre; r += 2)
    {
        const int k = r - 1;
        const int y = c.Oa - std::abs(k) * sup.Pos(rayons.Rayons[static_cast<std::size_t>(r)].XDepart * c.s);
        sup.Ligne(XLumiere(sup), y, x.Primaire, c.Oa - k * x.hD, CouleurRouge);
        if (sup.Papier())
            for (const int signe : {-1, 1})
                Chevrons(sup, xc, c.Oa + signe * x.hD);
        else
            Chevrons(sup, xc, c.Oa - k * x.hD);
    }
    return true;
}

// "F1", the focal plane, "Fr" and the squares at both foci, then the axis.
void DessineMarques(TSupport& sup, const TCassegrain& c, const TPlaces& x, int dernier)
{
    ICanevas& C = sup.C;
    const int p = ImpressionEtat.PasLigneImpression;
    if (sup.Papier())
        PoliceImpression(C, 9, false);
    sup.Texte(sup.Papier() ? x.F1 - p / 8 : x.F1 - 2, sup.Papier() ? c.Oa - p : c.Oa - 15, "F1");
    sup.CarreFoyer(x.F1, c.Oa);
    if (!Validite.SystemeAfocal)
    {
        sup.PlanFocal(x.Fin);
        const int proche = sup.Papier() ? p / 2 : 8;
        if (!(Validite.DispositifPresent && x.Fin - dernier <= proche))
        {
            const int largeur = C.TextWidth("Fr");
            const int y = sup.Papier() ? c.Oa - C.TextHeight("Fr") - 15 : c.Oa - 15;
            int gauche = x.Fin - largeur / 2;
            // The Schwarzschild's label stands beside its focus, with no box.
            if (c.Type == TTypeInstrument::Schwarzschild)
                gauche += largeur;
            else
            {
                C.Stylo().Couleur = clWhite;
                C.Pinceau().Couleur = clWhite;
                C.Rectangle(gauche, y, gauche + largeur, y + C.TextHeight("F"));
            }
            sup.Texte(gauche, y, "Fr");
        }
        sup.CarreFoyer(x.Fin, c.Oa);
    }
    sup.Axe(c.Oa);
}

// The section once the frame is fitted; false when an edge ray was given up and the drawing stopped.
bool DessineAuRepere(TSupport& sup, TCassegrain& c)
{
    FixeRepere(c.s, c.Ao, c.Oa, c.L, c.D);
    const TPlaces x = Places(sup, c);
    DessinePrimaire(sup, c, x);
    if (c.Schmidt)
        DessineLame(sup, c, x);
    DessineSecondaire(sup, c, x);
    const std::optional<TPointCanevas> impact = ImpactMarginal(sup, c, x);
    const TTaille taille = VerifieTailles(c);
    if (!taille.Message.empty())
        sup.BoiteTaille(taille.Message, taille.Fond);

    int dernier = 0;
    if (!Validite.DispositifPresent)
        DessineFaisceau(sup, c, x, impact, taille.Faisceau);
    else
    {
        dernier = DessineDispositifDroit(
            sup,
            {.Droite = x.Dispositif, .Fin = x.Fin, .Oa = c.Oa, .s = c.s, .Eclaircir = true, .ArretLargeCompte = true});
        if (!DessineRayons(sup, c, x, impact))
            return false;
    }
    DessineMarques(sup, c, x, dernier);
    // On screen the box comes back over everything, a little wider, outlined by the axis's grey.
    if (!sup.Papier() && !taille.Message.empty())
        sup.BoiteTaille(taille.Message, taille.Fond, {.Elargissement = 4, .DecalageTexte = 2, .Contour = CouleurGrise});
    return true;
}

} // namespace

void DessineCoupeCassegrain(ICanevas& dessin)
{
    if (Instrument.TypeInstrument == TTypeInstrument::SchmidtCassegrain && Validite.SansSecondaire)
    {
        DessineCoupeSchmidt(dessin);
        return;
    }
    PrepareBandeEcran(dessin);
    if (!PorteCoupeOuverte())
    {
        EcritRefus(dessin, TexteDonneesIncompletes);
        return;
    }
    CalculeGeometrieInstrument();
    ResoutSysteme();
    TCassegrain c;
    Mesure(c);
    c.W = dessin.Largeur();
    c.s = EchelleEcran(c.L, c.D, c.W, 330, 20);
    // A design without extent cannot be scaled: nothing is drawn.
    if (!(c.s > 0))
        return;
    c.Oa = HauteurBande - (HauteurBande - Arrondi(c.D * c.s)) / 2 - Arrondi(c.D / 2 * c.s);
    c.Ao = c.W - (c.W - Arrondi(c.L * c.s)) / 2;
    TSupport sup(dessin, false);
    DessineAuRepere(sup, c);
}

void ImprimeCoupeCassegrain(ICanevas& canevas)
{
    if (Instrument.TypeInstrument == TTypeInstrument::SchmidtCassegrain && Validite.SansSecondaire)
    {
        ImprimeCoupeSchmidt(canevas);
        return;
    }
    if (!Validite.InstrumentValide)
        return;
    PrepareBandeImprimee(canevas);
    if (!PorteCoupeOuverte())
    {
        TermineBandeImprimee();
        return;
    }
    ResoutSysteme();
    TCassegrain c;
    Mesure(c);
    c.W = canevas.Largeur();
    const int m = canevas.TextWidth("M");
    c.s = EchelleImprimee(c.L, c.D, HauteurBandeImprimee, c.W, ImpressionEtat.MargeImpression, m);
    if (c.s > 0)
    {
        const int bande = HauteurBandeImprimee;
        c.Oa = bande - (bande - Tronque(c.D * c.s)) / 2 - Tronque(c.D / 2 * c.s) + MiseEnPage.OrdonneeCourante;
        c.Ao = c.W - (c.W - Tronque(c.L * c.s)) / 2;
        TSupport sup(canevas, true);
        DessineAuRepere(sup, c);
    }
    PoliceImpression(canevas, 9, false);
    TermineBandeImprimee();
}
