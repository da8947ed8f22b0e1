// The Houghton-Cassegrain's section on screen and on paper. The light runs from the lens group on the left to the
// pierced primary; the secondary sends it back through the hole to the focus or the lens device behind the primary.
// The reference point is the group's first vertex, axial distances running rightwards from it.
#include "sections/CoupeHoughtonCassegrain.h"

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
#include <cmath>
#include <optional>
#include <string>

namespace {

constexpr TColor TeinteMiroirDonne = 0xD6D618; // a primary whose thickness is given, drawn flat-backed
constexpr TColor TeinteMiroirSansEpaisseur = 0xFFFFA0; // a primary drawn at the substitute thickness

const std::string TexteTrouTropPetit = " Le trou central est trop petit ";
const std::string TexteSecondaireTropPetit = " Le miroir secondaire est trop petit ";
const std::string TexteEtConflit = " et il y a conflit entre le correcteur et le miroir secondaire ";
const std::string TexteConflit = " Conflit entre le correcteur et le miroir secondaire ";

// The primary takes the wider of the entrance and the beam the group spreads on it: a working value of the drawing
// that the design file does not keep for this form.
void FixeDiametreMiroir()
{
    TInstrument& I = Instrument;
    I.DiametreMiroir = I.DiametreUtileHoughton > I.DiametreEntree ? I.DiametreUtileHoughton : I.DiametreEntree;
}

// The values of one drawing, in millimetres, and the frame.
struct THoughton
{
    double D = 0, Dh = 0, Du = 0, Dm = 0, F1 = 0, R1 = 0, F = 0, p = 0, R2 = 0, Ds = 0, H = 0;
    double Lg = 0, Ld = 0, Ep = 0, Es = 0, sP = 0, sS = 0, L = 0, Hs = 0;
    bool EpaisseurDonnee = false;
    int Ng = 0;
    float s = 0;
    int Ao = 0, Oa = 0, W = 0;
};

void Mesure(THoughton& c)
{
    TInstrument& I = Instrument;
    c.D = I.DiametreEntree;
    c.Dh = I.DiametreUtileHoughton;
    c.Du = I.DiametreUtilePrimaire;
    c.Dm = I.DiametreMiroir;
    c.F1 = I.FocalePrimaire;
    c.R1 = I.RayonCourburePrimaire;
    c.F = I.FocaleResultante;
    c.p = I.DistanceFoyerPrimaireSecondaire;
    c.R2 = I.RayonCourbureSecondaire;
    c.Ds = I.DiametreSecondaire;
    c.H = I.DiametreTrouCentral;
    c.Lg = I.DistanceLameMiroir;
    c.Ld = I.DistanceDiaphragmeMiroir;
    c.Ng = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    c.L = I.LongueurInstrument;
    c.Hs = I.EncombrementLateral;
    const TPrimaireDessine primaire = PrimaireDessine(c.Dm, c.L);
    c.EpaisseurDonnee = primaire.EpaisseurDonnee;
    c.Ep = primaire.Epaisseur;
    c.Es = I.EpaisseurSecondaire >= 1e-6 ? I.EpaisseurSecondaire : c.Ds / 10;
    I.EpaisseurSecondaireDessin = c.Es;
    c.sP = FlecheSphere(c.R1, c.Dm);
    c.sS = FlecheSphere(c.R2, c.Ds);
}

// What the marginal ray on the axis from the entrance's rim tells the drawing.
struct TMarginal
{
    bool CoupeGroupe = false; // the group's edge stopped it
    bool ManqueSecondaire = false;
};

TMarginal TraceMarginal(double demiEntree)
{
    TRayon& r = Rayon;
    r.ManqueSecondaire = false;
    TraceAxialOcculte(demiEntree);
    return {r.ArretGroupe, r.ManqueSecondaire};
}

// The axial places of the drawing, in pixels (dots).
struct TPlaces
{
    int Dos = 0; // the primary's back
    int Droite = 0; // the drawing's right end, where the device ends
    int F1 = 0; // the primary's focus
    int Image = 0;
    int S0 = 0; // the secondary's vertex
};

TPlaces Places(const TSupport& sup, const THoughton& c)
{
    const float s = c.s;
    TPlaces x;
    x.Dos = c.Ao + sup.Pos((c.Lg + c.Ep) * s);
    x.Droite = c.Ao + Arrondi(c.L * s);
    x.F1 = x.Dos - sup.Pos((c.Ep + c.F1) * s);
    x.Image = c.Ao + sup.Pos((c.Ld + Instrument.DegagementFoyer + Systeme.DecalageFoyer) * s);
    x.S0 = x.Dos - sup.Pos((c.Ep + c.F1 - Instrument.DistanceSecondaireFoyer) * s);
    return x;
}

void DessinePrimaire(TSupport& sup, const THoughton& c, const TPlaces& x)
{
    const TInstrument& I = Instrument;
    // On screen the mirror is drawn a little wider than the beam it receives.
    const double diametre = sup.Papier() ? c.Du : 1.005 * c.Du;
    sup.C.Stylo().Couleur = clBlack;
    if (c.Ep > c.sP)
    {
        const TColor teinte = sup.Papier()        ? EclaircitCouleur(I.TeinteMiroirs)
                              : c.EpaisseurDonnee ? TeinteMiroirDonne
                                                  : TeinteMiroirSansEpaisseur;
        sup.MiroirPerce(x.Dos, c.Oa, teinte, -c.R1, RayonPlan, c.Ep, diametre, diametre, c.H, c.s);
    }
    else
    {
        const TColor teinte = sup.Papier() ? EclaircitCouleur(I.TeinteMiroirs) : I.TeinteMiroirs;
        sup.MiroirPerce(x.Dos + sup.Pos(c.sP * c.s), c.Oa, teinte, -c.R1, -c.R1, c.Ep, diametre, diametre, c.H, c.s);
    }
}

void DessineSecondaire(TSupport& sup, const THoughton& c, const TPlaces& x)
{
    const TColor teinte = sup.Papier() ? EclaircitCouleur(Instrument.TeinteMiroirs) : Instrument.TeinteMiroirs;
    sup.C.Stylo().Couleur = clBlack;
    // Face A, the mirror, looks towards the primary; a blank thinner than its sag is a shell.
    sup.Element(x.S0, c.Oa, teinte, c.Es > c.sS ? RayonPlan : -c.R2, -c.R2, c.Es, c.Ds, c.Ds, c.s, false, false);
}

// Where the beam from the primary's rim towards its focus meets the secondary's sphere, height in pixels above the
// axis; nothing when it misses the sphere.
std::optional<TPointCanevas> ImpactMarginal(const TSupport& sup, const THoughton& c, const TPlaces& x)
{
    const std::optional<TImpactSecondaire> impact = ImpactSecondaire(c.Dh / 2 / (c.F1 - c.sP), c.R2 - c.p, c.R2);
    if (!impact)
        return std::nullopt;
    return TPointCanevas{x.F1 + sup.Pos((c.p - c.R2 + impact->Cote) * c.s), sup.Pos(impact->Hauteur * c.s)};
}

// The size and conflict checks: the colour of the beam behind the secondary and the two messages.
struct TAvertissements
{
    TColor Faisceau = CouleurRouge;
    bool TrouTropPetit = false;
    std::string Gauche; // the secondary's message, the conflict's, or both
};

bool TrouTropPetit(const THoughton& c, double degagement)
{
    return c.F > 1 && degagement / c.F * c.D > c.H;
}

TAvertissements Avertissements(const THoughton& c)
{
    TAvertissements a;
    if (TrouTropPetit(c, Instrument.FinDispositif))
    {
        a.Faisceau = CouleurVertClair;
        a.TrouTropPetit = true;
    }
    if (c.Ds < c.p * c.D / c.F1)
    {
        a.Faisceau = CouleurBleuCiel;
        a.Gauche = TexteSecondaireTropPetit;
    }
    // The secondary's back reaches past the group's last surface.
    if (Groupe.CentreGroupe[0] - c.R2 + Instrument.EpaisseurSecondaire > Instrument.DistanceApresGroupe)
    {
        if (a.Faisceau == CouleurBleuCiel)
            a.Gauche += TexteEtConflit;
        else
        {
            a.Gauche = TexteConflit;
            a.Faisceau = CouleurBleuCiel;
        }
    }
    return a;
}

// A message written white on its colour, no box around it.
void EcritAvertissement(TSupport& sup, int x, int y, const std::string& texte, TColor fond)
{
    sup.C.Pinceau().Couleur = fond;
    sup.C.Pinceau().Style = TStylePinceau::Plein;
    sup.C.Police().Couleur = clWhite;
    sup.C.TextOut(x, y, texte);
    sup.C.Police().Couleur = clBlack;
}

void EcritAvertissements(TSupport& sup, const TAvertissements& a)
{
    ICanevas& C = sup.C;
    const bool papier = sup.Papier();
    const int y = papier ? MiseEnPage.OrdonneeCourante + 2 * ImpressionEtat.PasLigneImpression / 10 : 2;
    if (papier)
        PoliceImpression(C, 9, false);
    if (a.TrouTropPetit)
    {
        const int droite = papier ? C.Largeur() - ImpressionEtat.MargeImpression : C.Largeur();
        EcritAvertissement(sup, droite - C.TextWidth(TexteTrouTropPetit), y, TexteTrouTropPetit, CouleurOrange);
    }
    if (!a.Gauche.empty())
        EcritAvertissement(sup, papier ? ImpressionEtat.MargeImpression : 0, y, a.Gauche, CouleurFuchsia);
}

// The three edge rays from the secondary through the device to the image; false when a ray needed too many steps
// and the drawing stops.
bool DessineRayons(TSupport& sup, const THoughton& c, const TPlaces& x, const std::optional<TPointCanevas>& secondaire)
{
    TReglesRayonsBord regles;
    // On paper too the banner is set as on screen.
    regles.AvecBandeau = true;
    const TRayonsBord rayons = TraceRayonsBord(regles);
    const auto& R = Dispositif.RayonDioptre;
    const auto& E = Dispositif.EpaisseurDioptre;
    const int n = NombreLignesDispositif();
    const double total = SommeEpaisseurs(1, n);
    const bool afocal = Validite.SystemeAfocal;
    const int largeur = sup.C.Largeur();
    DessineRayonsBord(
        sup, rayons,
        [&](int k, const TRayonBord&) {
            TDebutRayon debut;
            if (secondaire)
                debut = {{TPointCanevas{secondaire->X, c.Oa - k * secondaire->Y}}, 1, true};
            return debut;
        },
        [&](int i, const TRayonBord& rayon, TPointCanevas avant) {
            if (i > n)
            {
                if (afocal)
                {
                    const int xa = sup.Papier() ? largeur - ImpressionEtat.MargeImpression : x.Droite + 20;
                    return TPointCanevas{std::min(xa, largeur - 1), avant.Y};
                }
                const double h = rayon.XRayon + (Systeme.PositionFoyer + Systeme.DecalageFoyer - rayon.ZRayon) /
                                                    rayon.NRayon * rayon.LRayon;
                return TPointCanevas{std::min(avant.X + Arrondi(E[n] * c.s), largeur - 1), c.Oa - Arrondi(h * c.s)};
            }
            const double h = rayon.Hauteurs[static_cast<std::size_t>(i)];
            const double q = total - SommeEpaisseurs(1, i - 1);
            return TPointCanevas{x.Droite - Arrondi((q - FlecheSphere(R[i], 2 * h)) * c.s), c.Oa - Arrondi(h * c.s)};
        });
    return rayons.Issue != TIssueRayonsBord::Abandon;
}

// The section once the frame is fitted; false when an edge ray was given up and the drawing stopped.
bool DessineAuRepere(TSupport& sup, THoughton& c, const TMarginal& marginal)
{
    const TInstrument& I = Instrument;
    FixeRepere(c.s, c.Ao, c.Oa, c.L, c.Hs);
    const TPlaces x = Places(sup, c);
    const float s = c.s;
    const bool papier = sup.Papier();

    DessinePrimaire(sup, c, x);
    DessineGroupe(sup, c.Ao, c.Oa, s);
    DessineSecondaire(sup, c, x);
    DessineFaisceauGroupe(sup, c.Ao, c.Oa, s, c.Lg, marginal.CoupeGroupe);
    const int xP = x.Dos - sup.Pos((c.Ep + I.ImpactPrimaire[2]) * s);
    const int yP = sup.Pos(I.ImpactPrimaire[0] * s);
    const std::optional<TPointCanevas> secondaire = ImpactMarginal(sup, c, x);

    const TAvertissements avertissements = Avertissements(c);
    EcritAvertissements(sup, avertissements);
    // A rim ray that misses the secondary's sphere leaves out the lines to and from it.
    if (secondaire)
        for (const int signe : {-1, 1})
            sup.Trait(xP, c.Oa + signe * yP, secondaire->X, c.Oa + signe * secondaire->Y, CouleurRouge);

    const bool dispositif = Validite.DispositifPresent;
    if (dispositif)
    {
        DessineDispositifDroit(sup, {.Droite = x.Droite, .Fin = x.Droite, .Oa = c.Oa, .s = s});
        if (!DessineRayons(sup, c, x, secondaire))
            return false;
    }
    else if (secondaire)
    {
        TColor couleur = avertissements.Faisceau;
        if (papier)
        {
            if (marginal.ManqueSecondaire)
                couleur = CouleurBleuCiel;
            if (TrouTropPetit(c, I.DegagementFoyer))
                couleur = CouleurOrange;
        }
        for (const int signe : {-1, 1})
            sup.Trait(x.Image, c.Oa, secondaire->X, c.Oa + signe * secondaire->Y, couleur);
    }

    const bool afocal = Validite.SystemeAfocal;
    sup.Axe(c.Oa);
    if (!afocal)
        sup.PlanFocal(x.Image);
    if (papier)
    {
        const int p = ImpressionEtat.PasLigneImpression;
        PoliceImpression(sup.C, 9, false);
        const int xF = x.Image + p / 4;
        if (xF > ImpressionEtat.MargeImpression + sup.C.TextWidth("M"))
        {
            if (!dispositif)
                sup.Texte(xF, c.Oa - p, "F");
            if (!afocal)
                sup.CarreFoyer(x.Image, c.Oa);
        }
        if (marginal.CoupeGroupe)
            ImprimeMessageCorrecteur(sup.C);
        return true;
    }
    if (!dispositif)
        sup.Texte(x.Image + 5, c.Oa - 16, "F");
    if (!afocal)
        sup.CarreFoyer(x.Image, c.Oa);
    const int hc = c.Ng > 0 ? Arrondi(Rayon.HauteurImpactGroupe[static_cast<std::size_t>(c.Ng)] * s) : 0;
    for (const int signe : {-1, 1})
        Chevrons(sup, x.S0, c.Oa + signe * hc);
    MontreBandeauCorrecteur(marginal.CoupeGroupe, c.Ao);
    return true;
}

// A first group face hollow towards the sky moves the drawing right by its sag, so that its rim stands at the origin.
int DecalageGroupe(const TSupport& sup, float s)
{
    if (!(Groupe.RayonGroupe[1] < 0))
        return 0;
    return sup.Pos(FlecheSphere(Groupe.RayonGroupe[1], Groupe.DiametreGroupe[1]) * s);
}

} // namespace

void DessineCoupeHoughtonCassegrain(ICanevas& dessin)
{
    // The checks do not read the mirror's diameter; the solve does.
    FixeDiametreMiroir();
    if (!OuvreBandeEcran(dessin))
        return;
    ResoutEnUneCouleur();
    THoughton c;
    Mesure(c);
    // The solve may have found the design wanting: nothing of it is drawn then.
    if (!PorteCoupeOuverte())
    {
        EcritRefus(dessin, TexteDonneesIncompletes);
        return;
    }
    const TMarginal marginal = TraceMarginal(c.D / 2);

    c.W = dessin.Largeur();
    if (!(c.L > 0) || !(c.Hs > 0) || c.W <= 40)
        return;
    TSupport sup(dessin, false);
    if (c.Hs / c.L > 310.0 / (c.W - 40))
    {
        c.s = static_cast<float>(310 / c.Hs);
        c.Ao = Arrondi(c.W - c.L * c.s) / 2;
    }
    else
    {
        c.s = static_cast<float>((c.W - 40) / c.L);
        c.Ao = 20;
    }
    c.Oa = 175;
    c.Ao -= DecalageGroupe(sup, c.s);
    DessineAuRepere(sup, c, marginal);
}

void ImprimeCoupeHoughtonCassegrain(ICanevas& canevas)
{
    // The checks do not read the mirror's diameter; the solve does.
    FixeDiametreMiroir();
    if (!OuvreBandeImprimee(canevas))
        return;
    ResoutEnUneCouleur();
    THoughton c;
    Mesure(c);
    if (!PorteCoupeOuverte())
    {
        TermineBandeImprimee();
        return;
    }
    const TMarginal marginal = TraceMarginal(c.D / 2);

    c.W = canevas.Largeur();
    const int m = canevas.TextWidth("M");
    const int bande = HauteurBandeImprimee;
    const int hauteurUtile = bande - 2 * m;
    const int largeurUtile = c.W - 3 * (ImpressionEtat.MargeImpression + m);
    if (c.L > 0 && c.Hs > 0 && hauteurUtile > 0 && largeurUtile > 0)
    {
        TSupport sup(canevas, true);
        c.s = static_cast<float>(c.Hs / c.L > static_cast<double>(hauteurUtile) / largeurUtile ? hauteurUtile / c.Hs
                                                                                               : largeurUtile / c.L);
        c.Oa = MiseEnPage.OrdonneeCourante + bande / 2;
        c.Ao = Tronque(c.W - c.L * c.s) / 2 - DecalageGroupe(sup, c.s);
        DessineAuRepere(sup, c, marginal);
    }
    PoliceImpression(canevas, 9, false);
    TermineBandeImprimee();
}
