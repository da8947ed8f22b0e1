// The Schmidt camera's section on screen and on paper, which also draws the Schmidt-Cassegrain without secondary.
// The light comes from the left through the plate and is sent back leftwards by the primary, whose back is the
// reference point; axial distances run leftwards from it, and the device in the returning beam is drawn mirrored.
#include "sections/CoupeSchmidt.h"

#include "optics/Geometrie.h"
#include "optics/Initialisation.h"
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

namespace {

const std::string TexteMiroirTropPetit = " Le miroir primaire est trop petit ";
const std::string TexteLameTropPetite = " La Lame est trop petite pour ce miroir ";

bool SansSecondaire()
{
    return Instrument.TypeInstrument == TTypeInstrument::SchmidtCassegrain && Validite.SansSecondaire;
}

// The values of one drawing, in millimetres, and the frame.
struct TSchmidt
{
    double D = 0, Dm = 0, F1 = 0, R = 0;
    double Ep = 0, Ec = 0, sD = 0;
    double L = 0, H = 0;
    float s = 0;
    int Ao = 0, Oa = 0, W = 0;
    int xFoyer = 0, xLame = 0, yHaut = 0, yBas = 0;
};

// The drawing thicknesses: the blank's edge, a tenth of the mirror when not given, and its thickness on the axis.
void Mesure(TSchmidt& c)
{
    TInstrument& I = Instrument;
    c.D = I.DiametreEntree;
    c.Dm = I.DiametreMiroir;
    c.F1 = I.FocalePrimaire;
    c.R = I.RayonCourburePrimaire;
    c.Ep = EpaisseurBordPrimaireSchmidt();
    I.EpaisseurPrimaireDessin = c.Ep;
    I.EpaisseurLameDessin = I.EpaisseurLame >= 1 ? I.EpaisseurLame : c.D / 20;
    c.sD = FlecheSphere(c.R, c.D);
    c.Ec = c.Ep - FlecheSphere(c.R, c.Dm);
    I.EpaisseurCentrePrimaireDessin = c.Ec;
    CalculeGeometrieInstrument();
    c.L = I.LongueurInstrument < 0.1 ? 1000 : I.LongueurInstrument;
    // A plate without thickness keeps the room of its drawing thickness in the layout, as in the two-mirror forms.
    if (I.LongueurInstrument >= 0.1 && I.EpaisseurLame < 1)
        c.L += I.EpaisseurLameDessin;
    c.H = I.EncombrementLateral;
}

// The places of the drawing once the frame is known; positions round to the nearest pixel on paper too.
void Places(TSchmidt& c)
{
    const TInstrument& I = Instrument;
    c.xFoyer = c.Ao - Arrondi((c.Ec + c.F1 + Systeme.DecalageFoyer) * c.s);
    c.xLame = c.Ao - Arrondi((I.DistanceLameMiroir + c.Ec) * c.s);
    c.yHaut = c.Oa - Arrondi(c.D / 2 * c.s);
    c.yBas = c.Oa + Arrondi(c.D / 2 * c.s);
}

// The hit of the marginal ray on the primary.
struct TImpactMarginal
{
    bool Connu = false;
    double Hauteur = 0;
    int X = 0, YHaut = 0, YBas = 0;
};

TImpactMarginal TraceMarginal(const TSchmidt& c)
{
    TImpactMarginal impact;
    const std::optional<TImpactMiroir> trace = TraceMarginalMiroir(c.D / 2);
    if (!trace)
        return impact;
    impact.Connu = true;
    impact.Hauteur = trace->Hauteur;
    impact.X = c.Ao - Arrondi((c.Ec + trace->Cote) * c.s);
    impact.YHaut = c.Oa - Arrondi(trace->Hauteur * c.s);
    impact.YBas = c.Oa + Arrondi(trace->Hauteur * c.s);
    return impact;
}

// The beam without a device: from the plate to the mirror and back to the focus.
void DessineFaisceau(TSupport& sup, const TSchmidt& c, const TImpactMarginal& impact)
{
    if (!impact.Connu)
        return;
    if (sup.Papier())
    {
        for (const auto& [y, yImpact] : {std::pair{c.yBas, impact.YBas}, std::pair{c.yHaut, impact.YHaut}})
        {
            sup.Ligne(sup.Gauche(), y, c.xLame, y, CouleurRouge);
            sup.C.LineTo(impact.X, yImpact);
        }
        sup.Ligne(impact.X, impact.YBas, c.xFoyer, c.Oa, CouleurRouge);
        sup.C.LineTo(impact.X, impact.YHaut);
        return;
    }
    sup.Trait(impact.X, impact.YBas, c.xFoyer, c.Oa, CouleurRouge);
    sup.Trait(impact.X, impact.YHaut, c.xFoyer, c.Oa, CouleurRouge);
    for (const auto& [y, yImpact] : {std::pair{c.yBas, impact.YBas}, std::pair{c.yHaut, impact.YHaut}})
    {
        sup.Ligne(0, y, c.xLame, y, CouleurRouge);
        sup.Trait(c.xLame, y, impact.X, yImpact, CouleurRouge);
    }
    Chevrons(sup, 30, c.yHaut);
    Chevrons(sup, 30, c.yBas);
}

void DessinePrimaire(TSupport& sup, const TSchmidt& c)
{
    const TColor teinte = sup.Papier() ? EclaircitCouleur(Instrument.TeinteMiroirs) : Instrument.TeinteMiroirs;
    const double face = -c.R;
    const double dos = c.Ep > c.sD ? RayonPlan : face;
    sup.C.Stylo().Couleur = clBlack;
    if (SansSecondaire())
        sup.MiroirPerce(c.Ao, c.Oa, teinte, face, dos, c.Ec, c.Dm, c.Dm, Instrument.DiametreTrouCentral, c.s);
    else
        sup.Element(c.Ao, c.Oa, teinte, face, dos, c.Ec, c.Dm, c.Dm, c.s, false, false);
}

// "F" beside the focus when no device stands there, and the focus square.
void DessineMarques(TSupport& sup, const TSchmidt& c)
{
    const int p = ImpressionEtat.PasLigneImpression;
    if (!Validite.DispositifPresent)
    {
        if (sup.Papier())
            sup.Texte(c.xFoyer + p / 3, c.Oa - 13 * p / 10, "F");
        else
            sup.Texte(c.xFoyer + 10, c.Oa - 16, "F");
    }
    sup.CarreFoyer(c.xFoyer, c.Oa);
}

// The section once the frame is fitted; false when an edge ray was given up and the drawing stopped.
bool DessineAuRepere(TSupport& sup, TSchmidt& c)
{
    FixeRepere(c.s, c.Ao, c.Oa, c.L, c.H);
    ResoutDispositifFocal(sup.Papier());
    Places(c);
    if (!sup.Papier())
        DessineMarques(sup, c);
    const TImpactMarginal impact = TraceMarginal(c);
    if (impact.Connu && c.Dm / 2 < impact.Hauteur)
        sup.BoiteTaille(TexteMiroirTropPetit, CouleurFuchsia,
                        {.AGauche = true, .Contour = sup.Papier() ? CouleurFuchsia : CouleurRouge});
    const bool dispositif = Validite.DispositifPresent;
    if (!dispositif)
        DessineFaisceau(sup, c, impact);
    if (sup.Papier() && impact.Connu)
    {
        const int x = sup.C.Largeur() * 60 / 762;
        Chevrons(sup, x, impact.YHaut);
        Chevrons(sup, x, impact.YBas);
    }
    DessinePrimaire(sup, c);
    const TColor lame = sup.Papier() ? EclaircitCouleur(Instrument.TeinteLentilles) : Instrument.TeinteLentilles;
    sup.Lame(c.xLame, c.Oa, lame, c.D, Instrument.ProfilLame, Instrument.EpaisseurLame, c.s);
    if (dispositif && !Validite.SystemeAfocal)
    {
        const TDispositifRenverse renverse{c.Ao, c.Oa, c.s, c.Ec, c.Ec + c.F1 + Systeme.DecalageFoyer, c.xFoyer};
        DessineDispositifRenverse(sup, renverse);
        if (!DessineRayonsRenverses(sup, renverse))
            return false;
    }
    if (!dispositif && (sup.Papier() || !SansSecondaire()))
        DessinePorteFilm(sup, c.xFoyer, c.Oa, c.s, c.R, c.F1);
    if (sup.Papier())
        DessineMarques(sup, c);
    sup.Axe(c.Oa);
    if (Instrument.DiametreChampPleineLumiere > c.D)
        sup.BoiteTaille(TexteLameTropPetite, CouleurFuchsia, {.Contour = sup.Papier() ? clBlack : CouleurGrise});
    return true;
}

} // namespace

void DessineCoupeSchmidt(ICanevas& dessin)
{
    if (!PrepareBandeSiValide(dessin))
        return;
    TSchmidt c;
    Mesure(c);
    if (!Validite.InstrumentValide || (Validite.DispositifPresent && !Validite.DispositifValide))
    {
        const bool incorrect = Instrument.TypeInstrument == TTypeInstrument::Schmidt && c.Dm / 3 >= c.D;
        EcritRefus(dessin, incorrect ? "Les données sont incorrectes" : TexteDonneesIncompletes + " ");
        return;
    }
    c.W = dessin.Largeur();
    c.s = EchelleEcran(c.L, c.H, c.W, 330, 20);
    // The Schmidt-Cassegrain without secondary keeps 320 pixels of the band's height, under the same test.
    if (c.s > 0 && SansSecondaire() && c.H / c.L > 330.0 / (c.W - 20))
        c.s = static_cast<float>(320 / c.H);
    // A design without extent cannot be scaled: nothing is drawn.
    if (!(c.s > 0))
        return;
    c.Oa = HauteurBande / 2;
    c.Ao = c.W - (c.W - Arrondi(c.L * c.s)) / 2;
    TSupport sup(dessin, false);
    DessineAuRepere(sup, c);
}

void ImprimeCoupeSchmidt(ICanevas& canevas)
{
    if (!Validite.InstrumentValide || (Validite.DispositifPresent && !Validite.DispositifValide))
        return;
    PrepareBandeImprimee(canevas);
    TSchmidt c;
    Mesure(c);
    c.W = canevas.Largeur();
    const int m = Arrondi(c.W * 10 / 762.0);
    c.s = EchelleImprimee(c.L, c.H, HauteurBandeImprimee, c.W, ImpressionEtat.MargeImpression, m);
    if (c.s > 0)
    {
        const int bande = HauteurBandeImprimee;
        c.Oa = bande - (bande - Arrondi(c.H * c.s)) / 2 - Arrondi(c.H / 2 * c.s) + MiseEnPage.OrdonneeCourante;
        c.Ao = c.W - (c.W - Arrondi(c.L * c.s)) / 2;
        TSupport sup(canevas, true);
        DessineAuRepere(sup, c);
    }
    PoliceImpression(canevas, 9, false);
    TermineBandeImprimee();
}
