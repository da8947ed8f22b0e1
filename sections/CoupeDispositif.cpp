// The lens-device section on screen and on paper.
// The reference point `AbscisseOrigine` is the image plane (for an afocal device its last vertex); axial distances
// run leftwards from it to the first vertex and the light runs rightwards.
#include "sections/CoupeDispositif.h"

#include "optics/Arrondis.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sections/Cadre.h"
#include "sections/Primitives.h"
#include "sections/RayonsBord.h"
#include "sections/Support.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// The central ray stopped by an obstruction.
constexpr TColor CouleurRoseBloque = 0xCBC0FF;
// A device surface the last trace did not reach keeps this height, far beyond any real one.
constexpr double SansImpact = 1e30;
// The afocal aiming keeps its last angle after this many corrections.
constexpr int VisesMaximales = 100;

const std::string TitreVue = "Vue en coupe du dispositif dioptrique";
const std::string TexteDiaphragme = " Faisceau interrompu par un diaphragme du dispositif dioptrique ";
const std::string TexteBordDispositif = " Le faisceau est interrompu par le bord du dispositif dioptrique ";
const std::string TexteTrou = " Le faisceau est interrompu par le bord du trou central ";
const std::string TexteChamp = " Le faisceau est interrompu par le bord du champ ";
const std::string TexteChampImprime = "  Le faisceau est interrompu par le bord du champ ";
const std::string TexteSecondaire = " Le faisceau est interrompu par le bord du miroir secondaire ";
const std::string TexteMasque = " Le faisceau est masqué par le bord du dispositif dioptrique ";

// The frame and the device's length of one drawing.
struct TVue
{
    int N = 1;
    double T = 0; // vertex 1 to the image plane, or to the last vertex when afocal
    bool Afocal = false;
    float s = 0;
    int Ao = 0;
    int Oa = 0;
    int SigneRayons = 1;
};

TVue VueInitiale()
{
    TVue v;
    v.N = NombreLignesDispositif();
    v.T = SommeEpaisseurs(1, v.N);
    v.Afocal = EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[v.N]);
    Validite.SystemeAfocal = v.Afocal;
    return v;
}

// A Newton of 1000 mm focal length and 100 mm aperture standing in for a missing instrument while an afocal device
// is drawn. The whole instrument record comes back when the drawing ends, whichever way it ends, so that the
// stand-in's solved values do not outlive it either.
class TNewtonProvisoire
{
public:
    TNewtonProvisoire() = default;
    TNewtonProvisoire(const TNewtonProvisoire&) = delete;
    TNewtonProvisoire& operator=(const TNewtonProvisoire&) = delete;
    ~TNewtonProvisoire()
    {
        if (!Pose_)
            return;
        Instrument = Sauve_;
        Validite.InstrumentValide = Valide_;
    }

    void Pose()
    {
        Sauve_ = Instrument;
        Valide_ = Validite.InstrumentValide;
        Pose_ = true;
        Instrument.TypeInstrument = TTypeInstrument::Newton;
        Instrument.FocalePrimaire = 1000;
        Instrument.RayonCourburePrimaire = 2000;
        Instrument.RayonPrimaireCube = 2000.0 * 2000.0 * 2000.0;
        Instrument.RayonPrimairePuissance5 = Instrument.RayonPrimaireCube * 2000.0 * 2000.0;
        Instrument.DiametreEntree = 100;
        // A paraboloid whatever another form left in these fields, without flat or hole.
        Instrument.CoefficientDeformationPrimaire = -1;
        Instrument.CoefficientDeformationPrimaire2 = SansTermeOrdre6;
        Instrument.DiametreObstruction = 0;
        Instrument.DistanceSecondaireFoyer = 0;
    }

private:
    bool Pose_ = false;
    bool Valide_ = false;
    TInstrument Sauve_;
};

// The extents the drawing must fit; for an afocal device, the gap from the instrument's focus to the device too.
void Etendues(TVue& v, bool papier, TNewtonProvisoire& provisoire)
{
    const auto& R = Dispositif.RayonDioptre;
    const auto& D = Dispositif.DiametreDioptre;
    double plusGrand = 0;
    for (int i = 1; i <= v.N; ++i)
        plusGrand = std::max(plusGrand, D[i]);
    HauteurSchema = papier ? 1.05 * plusGrand : plusGrand;
    const double fleche1 = R[1] < 0 ? -FlecheSphere(R[1], D[1]) : 0;
    LongueurSchema = fleche1 + v.T + fleche1;
    if (R[v.N] > 0)
        LongueurSchema += FlecheSphere(R[v.N], D[v.N]);
    if (!v.Afocal)
        return;
    LongueurSchema += 6;
    if (!Validite.InstrumentValide)
        provisoire.Pose();
    if (Validite.DispositifPresent && Validite.DispositifValide)
    {
        ResoutEnVert();
        if (!Systeme.CalculInterrompu && Dispositif.SommetDioptre[1] > Systeme.PositionFoyer)
            LongueurSchema += Dispositif.SommetDioptre[1] - Systeme.PositionFoyer;
    }
}

// An afocal device of magnification above 1 leaves 6 mm on its right for the emerging beam.
void DecaleAfocal(TVue& v)
{
    if (v.Afocal && std::abs(Systeme.GrossissementAfocal) > 1)
        v.Ao -= Tronque(6 * v.s);
}

bool CadreEcran(TVue& v, int largeur)
{
    const double L = LongueurSchema;
    const double H = HauteurSchema;
    if (!(L > 0) || !(H > 0) || largeur <= 40)
        return false;
    v.s = static_cast<float>(H / L > 330.0 / (largeur - 20) ? 330 / H : (largeur - 40) / L);
    if (!(v.s > 0) || !std::isfinite(v.s))
        return false;
    v.Oa = 175;
    v.Ao = largeur - (largeur - Tronque(L * v.s)) / 2;
    DecaleAfocal(v);
    return true;
}

bool CadreImprime(TVue& v, ICanevas& canevas)
{
    const double L = LongueurSchema;
    const double H = HauteurSchema;
    const int largeur = canevas.Largeur();
    const int bande = HauteurBandeImprimee;
    const int m = canevas.TextWidth("M");
    const int marge = ImpressionEtat.MargeImpression;
    const double hauteurUtile = bande - 2 * m;
    const double largeurUtile = largeur - 2 * (marge + m);
    if (!(L > 0) || !(H > 0) || hauteurUtile <= 0 || largeur - 4 * (marge + m) <= 0)
        return false;
    v.s = static_cast<float>(H / L > hauteurUtile / largeurUtile ? hauteurUtile / H : (largeur - 4 * (marge + m)) / L);
    if (!(v.s > 0) || !std::isfinite(v.s))
        return false;
    v.Oa = MiseEnPage.OrdonneeCourante + bande - (bande - Tronque(H * v.s)) / 2 - Tronque(H / 2 * v.s);
    v.Ao = largeur - (largeur - Tronque(L * v.s)) / 2;
    DecaleAfocal(v);
    return true;
}

int XSommet(const TVue& v, int j)
{
    return v.Ao - Tronque((v.T - SommeEpaisseurs(1, j - 1)) * v.s);
}

// The instrument's focus, in front of the first vertex of an afocal device.
int XFoyerInstrument(const TVue& v)
{
    return v.Ao - Tronque((Dispositif.SommetDioptre[1] - Systeme.PositionFoyer + v.T) * v.s);
}

// Lenses in their tints, stops with the stop symbol, the last glass up to the image plane.
void DessineLentilles(TSupport& sup, const TVue& v)
{
    const auto& R = Dispositif.RayonDioptre;
    const auto& E = Dispositif.EpaisseurDioptre;
    const auto& D = Dispositif.DiametreDioptre;
    AttribueTeintes();
    auto element = [&](int i, int x, double rayonA, double diametreA) {
        const TColor teinte =
            Reglages.TeinteVerre[static_cast<std::size_t>(std::clamp(Dispositif.TeinteDioptre[i], 0, 9))];
        sup.C.Stylo().Couleur = clBlack;
        if (sup.Papier())
            ImprimeElement(sup.C, x, v.Oa, EclaircitCouleur(teinte), R[i], rayonA, E[i], D[i], diametreA, v.s);
        else
            DessineElement(sup.C, x, v.Oa, teinte, R[i], rayonA, E[i], D[i], diametreA, v.s, JointPrecedent,
                           JointSuivant);
    };
    for (int i = 1; i <= v.N; ++i)
    {
        if (EstVerre(i + 1) && i < v.N)
        {
            CalculeJoints(i);
            element(i, XSommet(v, i + 1), R[i + 1], D[i + 1]);
        }
        else if (EstDiaphragme(R[i]))
        {
            const int x = XSommet(v, i);
            const int b = Tronque(D[i] / 2 * v.s);
            if (sup.Papier())
                ImprimeDiaphragme(sup.C, x, b);
            else
                DessineDiaphragme(sup.C, x, b);
        }
    }
    // Behind an afocal device the last glass has no end to draw.
    if (EstVerre(v.N + 1) && !v.Afocal)
    {
        CalculeJoints(v.N);
        JointSuivant = false;
        element(v.N, v.Ao, RayonPlan, D[v.N]);
    }
}

// Chevrons of the light's direction on the axis, at both ends of the band.
void Chevrons(TSupport& sup, const TVue& v)
{
    sup.C.Stylo().Couleur = clBlack;
    sup.C.Stylo().Style = TStyleStylo::Plein;
    const int gauche = sup.Gauche();
    const int droite = sup.Droite();
    for (const int x :
         {gauche + sup.Ligne16(10), gauche + sup.Ligne16(15), droite - sup.Ligne16(10), droite - sup.Ligne16(5)})
    {
        sup.C.MoveTo(x - sup.Ligne16(5), v.Oa - sup.Ligne16(5));
        sup.C.LineTo(x, v.Oa);
        sup.C.LineTo(x - sup.Ligne16(6), v.Oa + sup.Ligne16(6));
    }
}

// What is drawn before the rays: the focal device's solve and image marks, the chevrons, the device, the axis.
void DessineCorps(TSupport& sup, const TVue& v)
{
    if (!v.Afocal)
    {
        ResoutEnVert();
        sup.C.Stylo().Couleur = clBlack;
        sup.Texte(v.Ao + sup.Ligne16(5), v.Oa - sup.Ligne16(16), "Fr");
        sup.CarreFoyer(v.Ao, v.Oa);
    }
    Chevrons(sup, v);
    DessineLentilles(sup, v);
    if (sup.Papier())
    {
        ImprimeAxe(sup.C, v.Oa, clBlack);
        if (!v.Afocal)
            ImprimeVerticalePointillee(sup.C, v.Ao, sup.Bas(), clBlack);
    }
    else
    {
        DessineAxe(sup.C, v.Oa, CouleurGrise);
        if (!v.Afocal)
            DessineVerticalePointillee(sup.C, v.Ao, HauteurBande, CouleurGrise);
    }
}

void PoseAngle(double angle)
{
    Rayon.AngleChamp = angle;
    Rayon.SinusAngleChamp = std::sin(angle);
    Rayon.CosinusAngleChamp = std::cos(angle);
}

// One trace, each device surface first marked as not reached.
void Trace(int n)
{
    for (int i = 1; i <= n; ++i)
        Rayon.HauteurImpact[i] = SansImpact;
    TraceRayon();
}

double ArcSinus(double x)
{
    return std::asin(std::clamp(x, -1.0, 1.0));
}

// Aims the chief ray at the distance of the box: on the image for a focal device, at that apparent angle for an
// afocal one. A ray that cannot be aimed is left lost.
void ViseRayonPrincipal(const TVue& v)
{
    TRayon& r = Rayon;
    const double distance = Reglages.DistanceAxeImage;
    const double diviseur = v.Afocal ? Systeme.GrossissementAfocal : Instrument.FocaleEffective;
    if (!(std::abs(diviseur) > 0) || !std::isfinite(diviseur))
    {
        r.RayonPerdu = true;
        return;
    }
    const double vise = distance * std::numbers::pi / 180;
    double angle = v.Afocal ? -vise / diviseur : -std::atan(distance / diviseur);
    PoseAngle(angle);
    r.XDepart = 0;
    r.YDepart = 0;
    Trace(v.N);
    if (!v.Afocal)
    {
        Systeme.HauteurImagePrincipale = distance;
        return;
    }
    if (angle == 0)
    {
        Systeme.HauteurImagePrincipale = 0;
        return;
    }
    double hauteur = ArcSinus(r.LRayon);
    for (int essai = 0; essai < VisesMaximales && !r.RayonPerdu; ++essai)
    {
        // An exit parallel to the axis gives no ratio to correct the angle by.
        if (hauteur == 0 || !std::isfinite(hauteur))
        {
            r.RayonPerdu = true;
            break;
        }
        angle *= std::sqrt(std::abs(vise / hauteur));
        PoseAngle(angle);
        Trace(v.N);
        if (!r.RayonPerdu)
            hauteur = ArcSinus(r.LRayon);
        if (std::abs(std::abs(vise) - std::abs(hauteur)) <= 1e-7)
            break;
    }
    const double signe = (distance > 0) - (distance < 0);
    PoseAngle(angle * signe);
    Systeme.HauteurImagePrincipale = hauteur * signe;
}

// The caption the banner takes after a cut ray; nothing when the cut has no message of its own.
bool LegendeRayon(const TVue& v, bool papier, TBandeau& bandeau)
{
    const TRayon& r = Rayon;
    if (r.DioptreArret < v.N)
    {
        bandeau.Legende = TexteDiaphragme;
        bandeau.Couleur = CouleurRouge;
        return true;
    }
    if (r.VignettageDispositif)
    {
        bandeau.Legende = TexteBordDispositif;
        bandeau.Couleur = CouleurFuchsia;
        return true;
    }
    const TTypeInstrument type = Instrument.TypeInstrument;
    if (r.DansTrouCentral)
        bandeau.Legende = TexteTrou;
    else if (type != TTypeInstrument::Lunette && VignettageSecondaire)
    {
        const bool champ = type == TTypeInstrument::Schmidt || type == TTypeInstrument::Maksutov;
        bandeau.Legende = champ ? (papier ? TexteChampImprime : TexteChamp) : TexteSecondaire;
    }
    else
        return false;
    bandeau.Couleur = CouleurRouge;
    return true;
}

// A printed beam-cut message in a lightened box above the band's top right.
void ImprimeMessage(ICanevas& canevas, const std::string& message)
{
    const int droite = canevas.Largeur() - ImpressionEtat.MargeImpression;
    const int y = MiseEnPage.OrdonneeCourante;
    const int p = ImpressionEtat.PasLigneImpression;
    PoliceImpression(canevas, 9, false);
    const int gauche = droite - canevas.TextWidth(message);
    canevas.Stylo().Couleur = clBlack;
    canevas.Pinceau().Couleur = EclaircitCouleur(CouleurFuchsia);
    canevas.Rectangle(gauche, y - 12 * p / 10, droite, y);
    canevas.Police().Couleur = clWhite;
    canevas.TextOut(gauche, y - 11 * p / 10, message);
    canevas.Police().Couleur = clBlack;
    canevas.Pinceau().Couleur = clWhite;
}

// The path of the ray just traced: its start, its hit on each surface it reached, its end; returns the index of
// the last point known.
int CheminRayon(TSupport& sup, const TVue& v, std::array<TPointCanevas, NombreMaxDioptres + 2>& points)
{
    const TRayon& r = Rayon;
    const auto& R = Dispositif.RayonDioptre;
    const float s = v.s;
    const int sr = v.SigneRayons;
    if (v.Afocal)
        points[0] = {XFoyerInstrument(v) - Tronque(Instrument.FocaleObjectif * s), v.Oa + Tronque(r.XDepart * s)};
    else
        points[0] = {v.Ao - Tronque((Instrument.FocaleObjectif + Systeme.DecalageFoyer) * s),
                     v.Oa - Tronque(r.XDepart * s)};
    int dernier = 0;
    for (int j = 1; j <= v.N; ++j)
    {
        const double h = r.HauteurImpact[j];
        if (!(std::abs(h) < SansImpact / 2))
            return dernier;
        const double fleche = FlecheSphere(R[j], 2 * h);
        if (v.Afocal)
            points[static_cast<std::size_t>(j)] = {
                v.Ao - Tronque((v.T - (Dispositif.SommetDioptre[j] - Dispositif.SommetDioptre[1]) - fleche) * s),
                v.Oa + sr * Tronque(h * s)};
        else
            points[static_cast<std::size_t>(j)] = {v.Ao - Tronque((v.T - SommeEpaisseurs(1, j - 1) - fleche) * s),
                                                   v.Oa - sr * Tronque(h * s)};
        dernier = j;
    }
    if (r.RayonPerdu)
        return dernier;
    const TPointCanevas fin = points[static_cast<std::size_t>(v.N)];
    if (v.Afocal)
    {
        const int x = sup.Droite();
        points[static_cast<std::size_t>(v.N + 1)] = {x, fin.Y + sr * Tronque((x - v.Ao) * r.LRayon)};
    }
    else
    {
        if (!(std::abs(r.NRayon) > 0))
            return dernier;
        const double h = r.XRayon + r.LRayon * (Systeme.PositionFoyer + Systeme.DecalageFoyer - r.ZRayon) / r.NRayon;
        points[static_cast<std::size_t>(v.N + 1)] = {v.Ao, v.Oa - sr * Tronque(h * s)};
    }
    return v.N + 1;
}

// The surface past which the ray is not drawn: the stop that stopped it or, when the retreat from an edge gave
// up, the first surface it met outside the clear aperture.
int SurfaceArret(const TVue& v)
{
    const TRayon& r = Rayon;
    int arret = std::min(r.DioptreArret, v.N + 1);
    if (r.ArretDispositif)
        for (int i = 1; i < arret; ++i)
            if (r.CarreDistanceAxe[i] > Dispositif.CarreDemiDiametre[i])
            {
                arret = i;
                break;
            }
    return arret;
}

void EffaceDrapeaux()
{
    TRayon& r = Rayon;
    r.ManqueSecondaire = false;
    r.DansOmbreSecondaire = false;
    r.HorsSecondaire = false;
    r.ArretDispositif = false;
    r.RayonOcculte = false;
    r.RayonBloque = false;
    r.DansTrouCentral = false;
}

// The three rays k = 0, -1, +1 of the pencil at the chief ray's angle, each moved in from the edges that cut it;
// `bandeau` ends with the caption of the last cut ray, or the chief ray's loss.
void DessineRayons(TSupport& sup, const TVue& v, TBandeau& bandeau)
{
    TRayon& r = Rayon;
    r.VignettageDispositif = false;
    if (r.RayonPerdu)
    {
        bandeau = {TexteMasque, CouleurRouge, true};
        if (sup.Papier())
            ImprimeMessage(sup.C, TexteMasque);
        return;
    }
    r.EstRayonReference = false;
    for (int i = 1; i <= NombreMaxDioptres; ++i)
        r.CarreDistanceAxeMaximal[i] = 0;
    const double demi = Instrument.DiametreEntree / 2;
    for (const int k : {0, -1, 1})
    {
        EffaceDrapeaux();
        r.XDepart = k * demi;
        r.YDepart = 0;
        Trace(v.N);
        r.RayonOcculte = r.HorsSecondaire || r.ArretDispositif || r.DioptreArret <= v.N;
        VignettageSecondaire = r.HorsSecondaire;

        TColor couleur = CouleurRouge;
        if (r.HorsSecondaire)
        {
            if (k != 0)
                while (r.HorsSecondaire)
                {
                    r.XDepart -= k;
                    if (std::abs(r.XDepart) > demi)
                        break;
                    r.ManqueSecondaire = false;
                    r.HorsSecondaire = false;
                    Trace(v.N);
                }
            couleur = CouleurBleuCiel;
        }
        else if (k == 0 && r.DansOmbreSecondaire)
            couleur = CouleurRose;
        if (k == 0 && r.RayonBloque)
            couleur = CouleurRoseBloque;

        if (r.ArretDispositif)
        {
            // An edge that keeps cutting the ray ends the retreat; the ray is drawn up to that edge.
            int pas = 0;
            while (r.ArretDispositif && std::abs(r.XDepart) <= demi && pas <= PasRetraitMaximal)
            {
                r.ManqueSecondaire = false;
                r.HorsSecondaire = false;
                r.ArretDispositif = false;
                if (k != 0)
                    r.XDepart -= 0.1 * k;
                else if (std::abs(r.XDepart) <= 1e-6)
                    r.XDepart = 0.1;
                else
                    r.XDepart = -(r.XDepart + (r.XDepart > 0 ? 0.1 : -0.1));
                Trace(v.N);
                ++pas;
            }
            r.VignettageDispositif = true;
            couleur = CouleurVertClair;
        }

        if (!r.HorsSecondaire)
        {
            std::array<TPointCanevas, NombreMaxDioptres + 2> points{};
            const int dernier = CheminRayon(sup, v, points);
            const int arret = SurfaceArret(v);
            for (int j = 0; j < arret && j < dernier; ++j)
            {
                const TPointCanevas a = points[static_cast<std::size_t>(j)];
                const TPointCanevas b = points[static_cast<std::size_t>(j + 1)];
                sup.Trait(a.X, a.Y, b.X, b.Y, couleur);
            }
        }

        if (r.RayonOcculte && LegendeRayon(v, sup.Papier(), bandeau))
        {
            bandeau.Visible = true;
            if (sup.Papier())
                ImprimeMessage(sup.C, bandeau.Legende);
        }
    }
}

// The chief ray and the pencil, once the system is solved again in the green line.
void DessineFaisceau(TSupport& sup, TVue& v, TBandeau& bandeau)
{
    ResoutEnVert();
    v.SigneRayons = Instrument.TypeInstrument == TTypeInstrument::Gregory ? -1 : 1;
    if (Systeme.CalculInterrompu)
        return;
    ViseRayonPrincipal(v);
    DessineRayons(sup, v, bandeau);
}

// The instrument's focus drawn as an "F" of lines (printed as text) with the focus square.
void MarqueF(TSupport& sup, const TVue& v, int x)
{
    ICanevas& c = sup.C;
    if (sup.Papier())
        sup.Texte(x + sup.Ligne16(2), v.Oa - sup.Ligne16(16), "F");
    else
    {
        c.Stylo().Couleur = clBlack;
        c.Stylo().Style = TStyleStylo::Plein;
        c.MoveTo(x, v.Oa - 6);
        c.LineTo(x, v.Oa - 13);
        c.LineTo(x + 6, v.Oa - 13);
        c.MoveTo(x, v.Oa - 10);
        c.LineTo(x + 5, v.Oa - 10);
    }
    sup.CarreFoyer(x, v.Oa);
}

// Ruler along the band's top, in mm or cm from the image plane (afocal: from the instrument's focus).
void Regle(TSupport& sup, const TVue& v, int x0)
{
    ICanevas& c = sup.C;
    const int largeur = c.Largeur();
    const bool millimetres = sup.Papier() ? (largeur - 2 * ImpressionEtat.MargeImpression) / v.s < 100 : v.s > 5;
    const double pasRegle = v.s * (millimetres ? 1 : 10);
    const int haut = sup.Haut();
    c.Stylo().Couleur = clBlack;
    c.Stylo().Style = TStyleStylo::Plein;
    for (int n = 0; n < largeur; ++n)
    {
        const int d = Tronque(n * pasRegle);
        // On paper the ticks run on while either side is still inside the band (the image plane lies near its
        // right end, so its right side alone would leave the ruler a few millimetres long).
        if (sup.Papier() && x0 + d >= sup.Droite() && x0 - d <= sup.Gauche())
            break;
        const int longueur = sup.Ligne16(n % 10 == 0 ? 10 : n % 5 == 0 ? 6 : 3);
        for (const int x : {x0 + d, x0 - d})
        {
            // Printed ticks stay inside the band's frame, off the page's margins.
            if (sup.Papier() && (x <= sup.Gauche() || x >= sup.Droite()))
                continue;
            c.MoveTo(x, haut);
            c.LineTo(x, haut + longueur);
        }
    }
    const std::string unite = millimetres ? "mm" : "cm";
    if (sup.Papier())
    {
        const int trait = 2 * ImpressionEtat.EpaisseurTraitImpression;
        sup.Texte(ImpressionEtat.MargeImpression + trait, haut + trait, unite);
    }
    else
        sup.Texte(5, 1, unite);
}

// The focus marks and the ruler, the last things drawn.
void DessineMarques(TSupport& sup, const TVue& v)
{
    if (v.Afocal)
        MarqueF(sup, v, XFoyerInstrument(v));
    else
    {
        // Only an image plane clearly away from the instrument's focus (10 screen pixels) gets its own mark.
        const int ecart = Tronque(Systeme.DecalageFoyer * v.s);
        if (std::abs(ecart) > sup.Ligne16(10))
            MarqueF(sup, v, v.Ao - ecart);
    }
    Regle(sup, v, v.Afocal ? XFoyerInstrument(v) : v.Ao);
}

bool RayonsDemandes()
{
    return Validite.InstrumentValide && Validite.DispositifPresent && Validite.DispositifValide &&
           Reglages.RayonsLumineuxTraces;
}

void CacheControles()
{
    for (TControle* controle : {&Controles.BoutonRayons, &Controles.LabelDistanceAxe, &Controles.LabelOcculte,
                                &Controles.BoxDistance, &Controles.LabelUnites})
        controle->Visible = false;
}

// The rays button, the distance box and its labels above the band; true when the rays are to be drawn.
bool PlaceControles(const TVue& v, ICanevas* boiteDistance)
{
    TControlesFiche& c = Controles;
    if (!(Validite.InstrumentValide && Validite.DispositifPresent && Validite.DispositifValide))
    {
        CacheControles();
        return false;
    }
    PasDistanceDispositif = std::max(1, Tronque(Instrument.FocalePrimaire / 1000));
    const int top = c.Dessin.Top;
    c.BoutonRayons = {true, c.Dessin.Left, top - 16, c.BoutonRayons.Width, c.BoutonRayons.Height};
    c.LabelDistanceAxe.Left = c.BoutonRayons.Left + 190;
    c.LabelDistanceAxe.Top = top - 15;
    c.LabelOcculte.Top = top - 15;
    c.BoxDistance.Left = c.LabelDistanceAxe.Left + c.LabelDistanceAxe.Width;
    c.BoxDistance.Top = top - 16;
    c.LabelUnites.Left = c.BoxDistance.Left + c.BoxDistance.Width + 5;
    c.LabelUnites.Top = top - 16;
    if (!Reglages.RayonsLumineuxTraces)
    {
        LegendesDispositif.BoutonRayons = "Tracer les rayons lumineux";
        for (TControle* controle : {&c.LabelDistanceAxe, &c.LabelOcculte, &c.BoxDistance, &c.LabelUnites})
            controle->Visible = false;
        return false;
    }
    LegendesDispositif.BoutonRayons = "Effacer les rayons lumineux";
    LegendesDispositif.Unites = v.Afocal ? "°" : "mm";
    for (TControle* controle : {&c.LabelDistanceAxe, &c.BoxDistance, &c.LabelUnites})
        controle->Visible = true;
    if (boiteDistance != nullptr)
    {
        ICanevas& boite = *boiteDistance;
        boite.Stylo().Style = TStyleStylo::Transparent;
        boite.Pinceau().Couleur = clWhite;
        boite.Pinceau().Style = TStylePinceau::Plein;
        boite.Rectangle(1, 1, 35, 15);
        boite.Stylo().Style = TStyleStylo::Plein;
        const std::string texte = FormateNombre(Reglages.DistanceAxeImage, "0.##");
        boite.Police().Couleur = clBlack;
        boite.TextOut(35 - boite.TextWidth(texte), 1, texte);
    }
    return true;
}

// The banner at the drawing's top right, above the band beside the distance box.
void MontreBandeauDispositif(TBandeau bandeau)
{
    bandeau.Visible = !bandeau.Legende.empty();
    bandeau.Place.Haut = -15;
    MontreBandeau(bandeau);
}

} // namespace

void DessineCoupeDispositif(ICanevas& dessin, ICanevas* boiteDistance)
{
    VerifieDispositif();
    FixeContexteAide(3200);
    TControle& image = Controles.Dessin;
    Controles.BoutonRayons.Visible = false;
    image.Visible = true;
    BandeauOcculte = {};
    Controles.LabelOcculte.Visible = false;

    image.Top = Controles.Grille.Top + Controles.Grille.Height + 32;
    image.Height = HauteurBande;
    const int largeur = dessin.Largeur();
    dessin.Stylo() = {clBlack, 1, TStyleStylo::Plein};
    dessin.Pinceau() = {clBtnFace, TStylePinceau::Plein};
    dessin.Police().Couleur = clBlack;
    dessin.FillRect(0, 0, largeur, dessin.Hauteur());
    dessin.Pinceau().Couleur = clWhite;
    dessin.Rectangle(0, 0, largeur, HauteurBande);

    if (!Edition.AMettreAJour || !Validite.DispositifValide)
    {
        dessin.TextOut(0, 0, "Les données sont incomplètes ou incohérentes");
        CacheControles();
        return;
    }
    TVue v = VueInitiale();
    TNewtonProvisoire provisoire;
    Etendues(v, false, provisoire);
    if (!CadreEcran(v, largeur))
    {
        CacheControles();
        return;
    }
    RepereDessin = {v.s, v.Ao, v.Oa};
    dessin.Pinceau().Couleur = clWhite;
    dessin.Stylo().Couleur = clBlack;
    dessin.Rectangle(0, 0, largeur, HauteurBande);

    TSupport sup(dessin, false);
    DessineCorps(sup, v);
    if (PlaceControles(v, boiteDistance))
    {
        TBandeau bandeau;
        DessineFaisceau(sup, v, bandeau);
        MontreBandeauDispositif(bandeau);
    }
    DessineMarques(sup, v);
}

void ImprimeCoupeDispositif(IImprimante& imprimante)
{
    VerifieDispositif();
    if (!Validite.DispositifValide)
        return;
    ICanevas& canevas = imprimante.Canevas();
    const int pas = ImpressionEtat.PasLigneImpression;
    ImpressionEtat.HauteurBlocImprime = static_cast<int>(Round(imprimante.LargeurPage() * 350.0 / 762 + pas));
    BlocImprime(imprimante, ImpressionEtat.HauteurBlocImprime);
    MiseEnPage.OrdonneeCourante += pas;
    PoliceImpression(canevas, 9, true);
    canevas.TextOut(MiseEnPage.AbscisseCourante, MiseEnPage.OrdonneeCourante, TitreVue);
    MiseEnPage.OrdonneeCourante += pas;
    MiseEnPage.AbscisseCourante = ImpressionEtat.MargeImpression;
    PoliceImpression(canevas, 9, false);
    PrepareBandeImprimee(canevas);

    TVue v = VueInitiale();
    {
        TNewtonProvisoire provisoire;
        Etendues(v, true, provisoire);
        if (CadreImprime(v, canevas))
        {
            RepereDessin = {v.s, v.Ao, v.Oa};
            TSupport sup(canevas, true);
            DessineCorps(sup, v);
            if (RayonsDemandes())
            {
                const std::string texte =
                    "Distance à l'axe = " + FormateNombre(Reglages.DistanceAxeImage, "0.##") + (v.Afocal ? "°" : "mm");
                PoliceImpression(canevas, 9, false);
                sup.Texte(canevas.Largeur() - ImpressionEtat.MargeImpression - canevas.TextWidth(texte + " "),
                          MiseEnPage.OrdonneeCourante + HauteurBandeImprimee - pas, texte);
                TBandeau bandeau;
                DessineFaisceau(sup, v, bandeau);
            }
            DessineMarques(sup, v);
        }
    }
    PoliceImpression(canevas, 9, false);
    TermineBandeImprimee();
}
