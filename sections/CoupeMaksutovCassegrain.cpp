// The Maksutov-Cassegrain's section on screen and on paper. The light comes from the left through the meniscus to the
// primary and back to the secondary, then through the primary's hole to the focus behind it. Axial positions count
// from the primary's vertex towards the light and are drawn leftwards from the primary's back; the drawing's right
// end is the end of the optical train or the primary's back, whichever lies further right.
#include "sections/CoupeMaksutovCassegrain.h"

#include "optics/DiametreDispositif.h"
#include "optics/Geometrie.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "optics/Validite.h"
#include "sections/Cadre.h"
#include "sections/CoupeMaksutov.h"
#include "sections/Primitives.h"
#include "sections/RayonsBord.h"
#include "sections/Support.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <cmath>

namespace {

const std::string TexteIncomplet = " Les données sont incomplètes ou incohérentes ";
const std::string TexteSecondaire = " Le miroir secondaire est trop petit ";
const std::string TexteTrou = " Le trou central est trop petit ";

void Prepare()
{
    (TraceursMaksutov.Prepare ? TraceursMaksutov.Prepare : PrepareSysteme)();
}

void Trace()
{
    (TraceursMaksutov.Trace ? TraceursMaksutov.Trace : TraceRayon)();
}

// The values of one drawing, in millimetres, and the frame.
struct TMaksutovCassegrain
{
    double D = 0, Dm = 0, Dn = 0, F1 = 0, R1 = 0, F = 0, p = 0, R2 = 0, Ds = 0, Lm = 0, H = 0;
    double Ep = 0, El = 0, Es = 0, sP = 0;
    double L = 0, Hs = 0;
    float s = 0;
    int Oa = 0, Ao = 0, W = 0;
    int xFin = 0, xDos = 0, xF1 = 0;
    // The marginal ray's hit on the secondary.
    float HauteurS = 0, CoteS = 0;
};

void Mesure(TMaksutovCassegrain& c, bool papier)
{
    TInstrument& I = Instrument;
    c.D = I.DiametreEntree;
    c.Dm = I.DiametreMiroir;
    c.Dn = I.DiametreMenisque;
    c.F1 = I.FocalePrimaire;
    c.R1 = I.RayonCourburePrimaire;
    c.F = I.FocaleResultante;
    c.p = I.DistanceFoyerPrimaireSecondaire;
    c.R2 = I.RayonCourbureSecondaire;
    c.Ds = I.DiametreSecondaire;
    c.Lm = I.DistanceLameMiroir;
    c.H = I.DiametreTrouCentral;
    // The printed primary without a thickness of its own is a tenth of the mirror, the screen's of the aperture.
    c.Ep = I.EpaisseurPrimaire >= 1e-6 ? I.EpaisseurPrimaire : (papier ? c.Dm : c.D) / 10;
    c.El = I.EpaisseurLame >= 1e-6 ? I.EpaisseurLame : c.D / 20;
    c.Es = I.EpaisseurSecondaire >= 1e-6 ? I.EpaisseurSecondaire : c.Ds / 10;
    I.EpaisseurPrimaireDessin = c.Ep;
    I.EpaisseurLameDessin = c.El;
    I.EpaisseurSecondaireDessin = c.Es;
    c.sP = FlecheSphere(c.R1, c.Dm);
    c.L = I.LongueurInstrument;
    c.Hs = c.Dm > c.D ? c.Dm : c.D;
}

// The axial ray for the image height, then the marginal ray from the rim below the axis, its path recorded.
void TraceFaisceau(TMaksutovCassegrain& c)
{
    TRayon& r = Rayon;
    Systeme.NombreCouleurs = 1;
    AppliqueIndices();
    r.EstRayonReference = true;
    r.AngleChamp = 0;
    r.SinusAngleChamp = 0;
    r.CosinusAngleChamp = 1;
    Prepare();
    r.XDepart = 0;
    r.YDepart = 0;
    Trace();
    Systeme.HauteurImagePrincipale =
        r.XRayon + (Systeme.PositionFoyer + Systeme.DecalageFoyer - r.ZRayon) * r.LRayon / r.NRayon;
    r.ArretGroupe = false;
    r.RayonBloque = false;
    r.RayonBloqueGroupe = {};
    r.RayonBloqueMiroir = false;
    r.XDepart = -Instrument.DiametreEntree / 2;
    r.EstRayonReference = false;
    Trace();
    TrajetBordNegatif[0] = {static_cast<float>(r.XDepart), Instrument.DistanceDiaphragmeMiroir};
    TrajetBordNegatif[1] = {static_cast<float>(r.HauteurImpactGroupe[1]), static_cast<float>(r.CoteImpactGroupe[1])};
    TrajetBordNegatif[2] = {static_cast<float>(r.HauteurImpactGroupe[2]), static_cast<float>(r.CoteImpactGroupe[2])};
    TrajetBordNegatif[3] = {static_cast<float>(Instrument.ImpactPrimaire[0]),
                            static_cast<float>(Instrument.ImpactPrimaire[2])};
    c.HauteurS = r.HauteurImpactSecondaire;
    c.CoteS = r.CoteImpactSecondaire;
}

void Places(const TSupport& sup, TMaksutovCassegrain& c)
{
    const double fin = Instrument.FinDispositif;
    if (fin > c.Ep)
    {
        c.xFin = c.Ao;
        c.xDos = c.Ao - sup.Pos((fin - c.Ep) * c.s);
    }
    else
    {
        c.xDos = c.Ao;
        c.xFin = c.Ao - sup.Pos((c.Ep - fin) * c.s);
    }
    c.xF1 = c.xDos - sup.Pos((c.Ep + c.F1) * c.s);
    FixeRepere(c.s, c.Ao, c.Oa, c.L, c.Hs);
}

TColor Teinte(const TSupport& sup, TColor teinte)
{
    return sup.Papier() ? EclaircitCouleur(teinte) : teinte;
}

// A shell of even thickness when thinner than its sag; its back's vertex stays on the primary's back either way.
void DessinePrimaire(TSupport& sup, const TMaksutovCassegrain& c)
{
    sup.C.Stylo().Couleur = clBlack;
    sup.MiroirPerce(c.xDos, c.Oa, Teinte(sup, Instrument.TeinteMiroirs), -c.R1, c.Ep > c.sP ? RayonPlan : -c.R1, c.Ep,
                    c.Dm, c.Dm, c.H, c.s);
}

// A point of the beam at height x and axial position z, on its side of the axis.
TPointCanevas Point(const TSupport& sup, const TMaksutovCassegrain& c, double x, double z, int signe)
{
    return {c.xDos - sup.Pos((z + c.Ep) * c.s), c.Oa + signe * sup.Pos(x * c.s)};
}

void DessineCorps(TSupport& sup, TMaksutovCassegrain& c)
{
    DessinePrimaire(sup, c);
    // Aluminised on the meniscus, the secondary is a shell a hundredth of the aperture thick, in whole millimetres.
    const bool surMenisque = Instrument.SecondaireSurMenisque;
    if (surMenisque)
    {
        c.Es = static_cast<double>(Round(c.D / 100));
        Instrument.EpaisseurSecondaireDessin = c.Es;
    }
    sup.C.Stylo().Couleur = clBlack;
    sup.Element(c.xDos - sup.Pos((c.Lm + c.Ep) * c.s), c.Oa, Teinte(sup, Instrument.TeinteLentilles),
                Groupe.RayonGroupe[1], Groupe.RayonGroupe[2], c.El, c.D, c.Dn, c.s, false, false);
    if (!sup.Papier())
        sup.Axe(c.Oa);
    sup.C.Stylo().Couleur = clBlack;
    sup.Element(c.xF1 + sup.Pos(c.p * c.s), c.Oa, Teinte(sup, Instrument.TeinteMiroirs),
                surMenisque ? -c.R2 : RayonPlan, -c.R2, c.Es, c.Ds, c.Ds, c.s, false, false);

    const int p = ImpressionEtat.PasLigneImpression;
    if (!sup.Papier())
    {
        sup.Texte(c.xF1 + 10, c.Oa - 16, "F");
        sup.CarreFoyer(c.xF1, c.Oa);
    }
    else if (c.xF1 + p / 2 > sup.Gauche() + sup.C.TextWidth("M"))
    {
        sup.Texte(c.xF1 + p / 2, c.Oa - p, "F");
        sup.CarreFoyer(c.xF1, c.Oa);
    }

    // The marginal beam from the band's left edge through the meniscus to the primary and the secondary, both sides.
    const TTrajetRayon& t = TrajetBordNegatif;
    for (const int signe : {1, -1})
    {
        TPointCanevas avant{sup.Gauche(), c.Oa + signe * sup.Pos(t[0].X * c.s)};
        for (std::size_t j = 0; j <= 4; ++j)
        {
            const TPointCanevas point =
                j < 4 ? Point(sup, c, t[j].X, t[j].Z, signe) : Point(sup, c, c.HauteurS, c.CoteS, signe);
            sup.Trait(avant.X, avant.Y, point.X, point.Y, CouleurRouge);
            avant = point;
        }
    }
}

// The hole too small for the beam converging to the focus behind the primary.
bool TrouTropPetit(const TMaksutovCassegrain& c)
{
    return c.F > 1 && Instrument.DegagementFoyer / c.F * c.D > c.H;
}

// The device's edge rays from their own hits on the secondary; the outcome of their traces.
TIssueRayonsBord DessineRayons(TSupport& sup, const TMaksutovCassegrain& c)
{
    TReglesRayonsBord regles;
    regles.AvecBandeau = true;
    regles.Prepare = TraceursMaksutov.Prepare;
    regles.Trace = TraceursMaksutov.Trace;
    const TRayonsBord rayons = TraceRayonsBord(regles);
    const auto& R = Dispositif.RayonDioptre;
    const int n = NombreLignesDispositif();
    const double total = SommeEpaisseurs(1, n);
    const int droite =
        sup.Papier() ? sup.C.Largeur() - ImpressionEtat.MargeImpression - ImpressionEtat.EpaisseurTraitImpression / 2
                     : c.W - 2;
    DessineRayonsBord(
        sup, rayons,
        [&](int, const TRayonBord& rayon) {
            return TDebutRayon{{TPointCanevas{c.xDos - Arrondi((rayon.CoteSecondaire + c.Ep) * c.s),
                                              c.Oa + Arrondi(rayon.HauteurSecondaire * c.s)}},
                               1,
                               true};
        },
        [&](int i, const TRayonBord& rayon, TPointCanevas) {
            if (i > n)
            {
                const double h = rayon.XRayon + (Systeme.PositionFoyer + Systeme.DecalageFoyer - rayon.ZRayon) /
                                                    rayon.NRayon * rayon.LRayon;
                return TPointCanevas{Validite.SystemeAfocal ? droite : c.xFin, c.Oa - Arrondi(h * c.s)};
            }
            const double h = rayon.Hauteurs[static_cast<std::size_t>(i)];
            const double q = total - SommeEpaisseurs(1, i - 1);
            return TPointCanevas{c.xFin - Arrondi((q - FlecheSphere(R[i], 2 * h)) * c.s), c.Oa - Arrondi(h * c.s)};
        });
    return rayons.Issue;
}

// The beam from the secondary to the focus without a device: red, light sky blue when the marginal ray missed the
// secondary, orange when the hole is too small for it.
void DessineFaisceauFoyer(TSupport& sup, const TMaksutovCassegrain& c, bool manque)
{
    TColor couleur = manque ? CouleurBleuCiel : CouleurRouge;
    if (TrouTropPetit(c))
        couleur = CouleurOrange;
    for (const int signe : {1, -1})
    {
        const TPointCanevas s = Point(sup, c, c.HauteurS, c.CoteS, signe);
        sup.Trait(s.X, s.Y, c.xFin, c.Oa, couleur);
    }
}

void DessineChevrons(TSupport& sup, const TMaksutovCassegrain& c)
{
    const int xc = c.xDos - sup.Pos((0.9 * c.Lm + c.Ep) * c.s);
    const int hc = sup.Pos((9 * c.Dn + c.Dm) / 20 * c.s);
    if (!sup.Papier())
    {
        for (const int y : {c.Oa - hc, c.Oa + hc})
            Chevrons(sup, xc, y);
        return;
    }
    const int b = 5 * ImpressionEtat.PasLigneImpression / 16;
    sup.C.Stylo().Couleur = CouleurRouge;
    sup.C.Stylo().Style = TStyleStylo::Plein;
    for (const int y : {c.Oa - hc, c.Oa + hc})
        for (int j = 0; j < 3; ++j)
        {
            sup.C.MoveTo(xc + j * b - b, y - b);
            sup.C.LineTo(xc + j * b, y);
            sup.C.LineTo(xc + j * b - b, y + b);
        }
}

// The final focus: the focal plane, "Fr" unless the device's last element stands right at the image, the square.
void DessineFoyer(TSupport& sup, const TMaksutovCassegrain& c, int dernier)
{
    if (Validite.SystemeAfocal)
        return;
    ICanevas& C = sup.C;
    sup.PlanFocal(c.xFin);
    const int proche = sup.Papier() ? ImpressionEtat.PasLigneImpression / 2 : 8;
    if (sup.Papier())
        PoliceImpression(C, 9, false);
    if (!(Validite.DispositifPresent && c.xFin - dernier <= proche))
    {
        const int largeur = C.TextWidth("Fr");
        const int gauche = c.xFin - largeur / 2;
        const int y = sup.Papier() ? c.Oa - C.TextHeight("Fr") - 15 : c.Oa - 15;
        C.Stylo().Couleur = clWhite;
        C.Pinceau().Couleur = clWhite;
        C.Rectangle(gauche, y, gauche + largeur, y + C.TextHeight("F"));
        sup.Texte(gauche, y, "Fr");
    }
    sup.CarreFoyer(c.xFin, c.Oa);
}

// The size warnings: the secondary's at the top left, the hole's at the top right.
void DessineAvertissements(TSupport& sup, const TMaksutovCassegrain& c)
{
    const bool trou = TrouTropPetit(c);
    if (!sup.Papier())
    {
        if (Rayon.ManqueSecondaire)
            sup.BoiteTaille(TexteSecondaire, CouleurFuchsia, {.AGauche = true});
        if (trou)
            sup.BoiteTaille(TexteTrou, CouleurOrange);
        return;
    }
    ICanevas& C = sup.C;
    const int marge = ImpressionEtat.MargeImpression;
    const int p = ImpressionEtat.PasLigneImpression;
    const int oc = MiseEnPage.OrdonneeCourante;
    const int m = C.TextWidth("M");
    const int trait = C.Stylo().Epaisseur;
    PoliceImpression(C, 9, false);
    auto boite = [&](const std::string& texte, TColor fond, bool aGauche) {
        const int w = C.TextWidth(texte);
        C.Pinceau().Couleur = EclaircitCouleur(fond);
        C.Stylo().Couleur = clBlack;
        if (aGauche)
            C.Rectangle(marge, oc, marge + m + w, oc + 12 * p / 10);
        else
            C.Rectangle(C.Largeur() - marge - w - m, oc, C.Largeur() - marge, oc + 12 * p / 10);
        C.Police().Couleur = clWhite;
        C.TextOut(aGauche ? marge + trait : C.Largeur() - marge - w - trait, oc + 2 * p / 16, texte);
        C.Police().Couleur = clBlack;
    };
    if (Rayon.ManqueSecondaire)
        boite(TexteSecondaire, CouleurFuchsia, true);
    if (trou)
        boite(TexteTrou, CouleurOrange, false);
}

// The section once the frame is fitted; false when an edge ray needed too many steps and the drawing stops.
bool DessineAuRepere(TSupport& sup, TMaksutovCassegrain& c)
{
    const bool manque = Rayon.ManqueSecondaire;
    Places(sup, c);
    DessineCorps(sup, c);
    int dernier = 0;
    if (Validite.DispositifPresent)
    {
        dernier = DessineDispositifDroit(
            sup, {.Droite = c.xFin, .Fin = c.xFin, .Oa = c.Oa, .s = c.s, .Eclaircir = true, .ArretLargeCompte = true});
        if (DessineRayons(sup, c) == TIssueRayonsBord::Abandon)
            return false;
    }
    else
        DessineFaisceauFoyer(sup, c, manque);
    if (sup.Papier())
    {
        DessinePrimaire(sup, c);
        DessineChevrons(sup, c);
    }
    else
    {
        DessineChevrons(sup, c);
        DessinePrimaire(sup, c);
    }
    DessineFoyer(sup, c, dernier);
    sup.Axe(c.Oa);
    DessineAvertissements(sup, c);
    return true;
}

} // namespace

void DessineCoupeMaksutovCassegrain(ICanevas& dessin)
{
    PrepareBandeEcran(dessin);
    Systeme.CalculInterrompu = false;
    if (!PorteCoupeOuverte())
    {
        dessin.Police().Couleur = clBlack;
        if (Validite.InstrumentValide)
        {
            const std::string texte = " Les données sont incohérentes, le grandissement est trop faible ou négatif ";
            dessin.Pinceau().Couleur = CouleurFuchsia;
            dessin.Stylo().Couleur = clBlack;
            dessin.Rectangle(0, 0, dessin.TextWidth(texte) + 6, 20);
            dessin.Police().Couleur = clWhite;
            dessin.TextOut(0, 4, texte);
            dessin.Police().Couleur = clBlack;
        }
        else
        {
            dessin.Pinceau().Couleur = clWhite;
            dessin.TextOut(0, 0, TexteIncomplet);
        }
        return;
    }
    CalculeGeometrieInstrument();
    TMaksutovCassegrain c;
    TraceFaisceau(c);
    Mesure(c, false);
    if (!Validite.InstrumentValide)
        return;
    c.W = dessin.Largeur();
    if (!(c.L > 0) || !(c.Hs > 0) || c.W <= 20)
        return;
    c.s = static_cast<float>(c.Hs / c.L > 330.0 / (c.W - 20) ? 330 / c.Hs : (c.W - 20) / c.L);
    c.Oa = HauteurBande / 2;
    c.Ao = c.W - (c.W - Arrondi(c.L * c.s)) / 2;
    TSupport sup(dessin, false);
    if (!DessineAuRepere(sup, c))
        return;
    // The second solve, for the edge rays, may have found the design wanting.
    if (!Validite.InstrumentValide)
        EcritRefus(dessin, TexteIncomplet);
}

void ImprimeCoupeMaksutovCassegrain(ICanevas& canevas)
{
    canevas.Pinceau().Couleur = clWhite;
    canevas.Stylo().Couleur = clBlack;
    PoliceImpression(canevas, 9, false);
    const int pageLargeur = canevas.Largeur();
    ImpressionEtat.LargeurImprimable = pageLargeur - 2 * ImpressionEtat.MargeImpression;
    ImpressionEtat.PasLigneImpression = ImpressionEtat.LargeurImprimable * 16 / 762;
    PrepareBandeImprimee(canevas);
    Systeme.CalculInterrompu = false;
    if (!PorteCoupeOuverte())
    {
        TermineBandeImprimee();
        return;
    }
    // The geometry of this print, as the screen computes it before its drawing.
    CalculeGeometrieInstrument();
    TMaksutovCassegrain c;
    TraceFaisceau(c);
    Mesure(c, true);
    const int marge = ImpressionEtat.MargeImpression;
    const int m = canevas.TextWidth("M");
    const int bande = HauteurBandeImprimee;
    const int hauteurUtile = bande - 2 * m;
    const int largeurUtile = pageLargeur - 2 * (marge + m);
    if (!Validite.InstrumentValide || !(c.L > 0) || !(c.Hs > 0) || hauteurUtile <= 0 || largeurUtile <= 0)
    {
        TermineBandeImprimee();
        return;
    }
    c.W = pageLargeur;
    c.s = static_cast<float>(c.Hs / c.L > static_cast<double>(hauteurUtile) / largeurUtile ? hauteurUtile / c.Hs
                                                                                           : largeurUtile / c.L);
    c.Oa = MiseEnPage.OrdonneeCourante + bande - (bande - Tronque(c.Hs * c.s)) / 2 - Tronque(c.Hs / 2 * c.s);
    c.Ao = pageLargeur - (pageLargeur - Tronque(c.L * c.s)) / 2;
    TSupport sup(canevas, true);
    // The rays in the printer's line width, as its primitives draw.
    canevas.Stylo().Epaisseur = ImpressionEtat.EpaisseurTraitImpression;
    DessineAuRepere(sup, c);
    PoliceImpression(canevas, 9, false);
    TermineBandeImprimee();
}
