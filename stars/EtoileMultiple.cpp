// The six-star view on screen and on paper: six panels, each a spot diagram with its Airy circle, ticks, distance
// and luminosity, and one line of scale, focal length and Airy radius under the first row.
#include "stars/EtoileMultiple.h"

#include <algorithm>
#include <numbers>

#include "optics/Arrondis.h"
#include "optics/Diffraction.h"
#include "optics/Eclairement.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "platform/Format.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr int AbscisseEtoile = 83; // the chief image within a screen panel
constexpr int OrdonneeEtoile = 132;

// The corner of a printed panel, in dots.
struct TPanneau
{
    int X = 0;
    int Y = 0;
};

std::string TexteDistance(double distance)
{
    if (Validite.SystemeAfocal)
        return "Dist = " + FormateNombre(distance, "0.##") + "°";
    return "Dist = " + FormateNombre(distance, "0.##") +
           "' = " + FormateNombre(std::abs(Systeme.HauteurImagePrincipale), "0.###") + " mm";
}

// The distance text; for an afocal star off the axis followed by the double arrow and the sky angle.
void EcritDistance(ICanevas& c, int x, int y, int numero, double distance)
{
    const std::string texte = TexteDistance(distance);
    c.TextOut(x, y, texte);
    if (!Validite.SystemeAfocal || numero == 1)
        return;
    int suite = x + c.TextWidth(texte);
    c.Police().Nom = "Symbol";
    c.TextOut(suite, y, " Û ");
    suite += c.TextWidth(" Û ");
    c.Police().Nom = "Arial";
    c.TextOut(suite, y, TexteAngleCiel(Rayon.AngleChamp));
}

// "r = " in Symbol, then the Airy radius.
void EcritRayonAiry(ICanevas& c, int x, int y)
{
    c.Police().Nom = "Symbol";
    c.TextOut(x, y, "r = ");
    const int suite = x + c.TextWidth("r = ");
    c.Police().Nom = "Arial";
    const std::string unite = Validite.SystemeAfocal ? "' sur l'image" : " µm";
    c.TextOut(suite, y, FormateNombre(Systeme.RayonAiryImage, "0.00") + unite);
}

// The arrow pointing from a panel's left edge towards the axis, offsets in screen pixels times `unite` / 16.
void DessineFlecheFoyer(ICanevas& c, int x, int y0, int unite)
{
    const auto n = [unite](int pixels) { return pixels * unite / 16; };
    c.MoveTo(x + n(30), y0 - n(12));
    c.LineTo(x + n(5), y0 - n(12));
    c.LineTo(x + n(10), y0 - n(17));
    c.MoveTo(x + n(5), y0 - n(12));
    c.LineTo(x + n(10), y0 - n(7));
    c.TextOut(x + n(5), y0 - n(30), "Foyer");
}

// The luminosity of the star from its counted rays; its text only when the illumination's rays were not lost.
bool Luminosite(std::string& texte)
{
    CalculeEclairement(TRayonsComptes{Systeme.NombreRayonsPasses, Systeme.NombreRayonsTraces});
    if (Rayon.RayonPerdu)
        return false;
    texte = "L = " + std::to_string(Round(100.0 * Systeme.Eclairement)) + " %";
    return true;
}

int PasEtoiles()
{
    return Validite.SystemeAfocal ? Reglages.PasEtoileMultipleAfocal : Reglages.PasEtoileMultiple;
}

} // namespace

double DistanceCaseEtoile(int numero)
{
    FixeSystemeAfocal();
    return (numero - 1) * static_cast<double>(PasEtoiles());
}

void DessineEtoileMultiple(TFenetreEtoiles& fenetre)
{
    if (fenetre.Depart)
        return;
    fenetre.BoiteDistanceVisible = false;
    fenetre.TransversalesVisible = false;
    const int zoom = Reglages.ZoomEtoileMultiple;
    fenetre.ZoomArriereActif = zoom > 1;
    fenetre.ZoomAvantActif = zoom < 256;
    fenetre.DessinVisible = EtoilesDessinables() && fenetre.Dessin != nullptr;
    if (!fenetre.DessinVisible)
        return;

    ICanevas& c = *fenetre.Dessin;
    const int W = c.Largeur();
    c.Police().Nom = "Arial";
    c.Pinceau().Style = TStylePinceau::Plein;
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Epaisseur = 1;
    c.Pinceau().Couleur = clWhite;
    c.Stylo().Couleur = clWhite;
    c.FillRect(0, 0, W, c.Hauteur());
    c.Pinceau().Couleur = clBlack;
    for (std::size_t j = 0; j < 6; ++j)
        c.Rectangle(GaucheCasesEtoiles[j], HautCasesEtoiles[j], GaucheCasesEtoiles[j] + LargeurCaseEtoile,
                    HautCasesEtoiles[j] + HauteurCaseEtoile);

    Etoiles.EchelleDessin = static_cast<float>(W * zoom / 800.0 / 3.0);
    const int densite = DensiteUtile(Reglages.DensiteEtoileMultiple);
    Etoiles.PasPupille = Instrument.DiametreEntree / 2.0 / densite;
    FixeSystemeAfocal();
    Etoiles.AbscisseOrigine = AbscisseEtoile;
    Etoiles.OrdonneeAxe = OrdonneeEtoile;
    Etoiles.GraduationEtoile = GraduationPourZoom(zoom);

    for (std::size_t j = 0; j < 6; ++j)
    {
        DessineGraduationsEtoile(c, GaucheCasesEtoiles[j] + AbscisseEtoile, HautCasesEtoiles[j] + OrdonneeEtoile, 167,
                                 5, 2, [](int a) {
                                     return TTicksVisibles{AbscisseEtoile + a < LargeurCaseEtoile, a < AbscisseEtoile,
                                                           OrdonneeEtoile + a < HauteurCaseEtoile, a < OrdonneeEtoile};
                                 });
    }

    ChoisitNombreCouleurs();
    if (!ResoutSystemeEtoiles())
        return;

    for (int numero = 1; numero <= 6; ++numero)
    {
        const int x = GaucheCasesEtoiles[static_cast<std::size_t>(numero - 1)];
        const int y = HautCasesEtoiles[static_cast<std::size_t>(numero - 1)];
        const double distance = (numero - 1) * static_cast<double>(PasEtoiles());
        c.Stylo().Couleur = clWhite;
        DessineCercleAiry(c, x + AbscisseEtoile, y + OrdonneeEtoile, RayonAiryPixels());

        FixeAngleChamp(AngleChampEtoile(distance));
        ChargeIndicesCouleur(1);
        if (ViseRayonPrincipal(distance) == TVisee::HorsChamp)
            return;

        if (numero == 1)
        {
            c.Police().Couleur = clBlack;
            c.Pinceau().Couleur = clWhite;
            c.TextOut(5, 267, Validite.SystemeAfocal ? TexteDivisionAfocale("''") : TexteDivisionFocale());
            c.TextOut(255, 267, Validite.SystemeAfocal ? TexteGrossissement() : TexteFocaleEcran());
            EcritRayonAiry(c, 568, 267);
        }
        else
        {
            c.Police().Couleur = clWhite;
            c.Pinceau().Couleur = clBlack;
            DessineFlecheFoyer(c, x, y + OrdonneeEtoile, 16);
        }
        c.Police().Couleur = clWhite;
        c.Pinceau().Couleur = clBlack;
        EcritDistance(c, x + 88, y + 5, numero, distance);

        const bool fini = PassesEtoile(
            densite, false, CouleurPassageEcran, [](const TImageRayon*) {},
            [&](int px, int py) {
                if (px <= 0 || px >= LargeurCaseEtoile)
                    return;
                if (0 < OrdonneeEtoile + py && OrdonneeEtoile + py < HauteurCaseEtoile)
                    PointOu(c, x + px, y + OrdonneeEtoile + py, Etoiles.CouleurPassage);
                if (Rayon.YDepart > 0.0 && 0 < OrdonneeEtoile - py && OrdonneeEtoile - py < HauteurCaseEtoile)
                    PointOu(c, x + px, y + OrdonneeEtoile - py, Etoiles.CouleurPassage);
            },
            [](int) { return true; });
        if (!fini)
            return;

        std::string texte;
        if (Luminosite(texte))
        {
            c.Police().Couleur = clWhite;
            c.Pinceau().Couleur = clBlack;
            c.TextOut(x + 5, y + 5, texte);
        }
    }
}

void ImprimeEtoileMultiple(IImprimante& imprimante, TPositionImpression& position)
{
    TCadreImpression cadre;
    if (!DebuteCadreImpression(imprimante, position, cadre))
        return;
    ICanevas& c = imprimante.Canevas();
    const int L = cadre.Ligne;
    const int w = (cadre.Largeur - L / 2) / 3;
    const int h = (cadre.Hauteur - (6 * L) / 4) / 2;
    const int x1 = cadre.Gauche + L / 8;
    const int x2 = x1 + w + L / 8;
    const int x3 = x2 + w + L / 8;
    const int y1 = cadre.Haut + L / 8;
    const int y2 = cadre.Haut + h + (6 * L) / 4;
    const std::array<TPanneau, 6> panneaux = {TPanneau{x1, y1}, TPanneau{x2, y1}, TPanneau{x3, y1},
                                              TPanneau{x1, y2}, TPanneau{x2, y2}, TPanneau{x3, y2}};
    for (const TPanneau& p : panneaux)
        c.Rectangle(p.X, p.Y, p.X + w, p.Y + h);

    const int zoom = Reglages.ZoomEtoileMultiple;
    Etoiles.EchelleDessin = static_cast<float>(cadre.Largeur * zoom / 800.0 / 3.0);
    const int densite = DensiteUtile(Reglages.DensiteEtoileMultiple);
    Etoiles.PasPupille = Instrument.DiametreEntree / 2.0 / densite;
    FixeSystemeAfocal();
    Etoiles.AbscisseOrigine = w / 3;
    Etoiles.OrdonneeAxe = h / 2;
    Etoiles.GraduationEtoile = GraduationPourZoom(zoom);
    const int x0 = Etoiles.AbscisseOrigine;
    const int y0 = Etoiles.OrdonneeAxe;
    CalculeTacheDiffraction();
    for (const TPanneau& p : panneaux)
    {
        DessineGraduationsEtoile(c, p.X + x0, p.Y + y0, (2 * w) / 3, (5 * L) / 16, (2 * L) / 16, [&](int a) {
            return TTicksVisibles{x0 + a < w, a < x0, y0 + a < h, a < y0};
        });
    }

    ChoisitNombreCouleurs();
    AppliqueIndices();
    Rayon.EstRayonReference = true;
    PrepareSysteme();
    const auto termine = [&] { TermineCadreImpression(position, cadre); };
    if (Systeme.CalculInterrompu)
        return termine();

    const TPolice police = c.Police();
    for (int numero = 1; numero <= 6; ++numero)
    {
        const TPanneau& p = panneaux[static_cast<std::size_t>(numero - 1)];
        const double distance = (numero - 1) * static_cast<double>(PasEtoiles());
        FixeAngleChamp(AngleChampEtoile(distance));
        ChargeIndicesCouleur(1);
        if (ViseRayonPrincipal(distance) == TVisee::HorsChamp)
            return termine();

        c.Stylo().Couleur = cadre.PremierPlan;
        c.Stylo().Epaisseur = position.EpaisseurTraitImpression;
        if (numero == 1)
        {
            c.Police() = police;
            c.Police().Couleur = clBlack;
            c.Pinceau().Couleur = clWhite;
            const int ys = y1 + h + (3 * L) / 16;
            if (Validite.SystemeAfocal)
            {
                c.TextOut(x1, ys, TexteDivisionAfocale("''"));
                c.TextOut(x2 + 3 * L, ys, TexteGrossissement());
            }
            else
            {
                c.TextOut(x1, ys, TexteDivisionFocale());
                c.TextOut(x2, ys, TexteFocaleImprimee());
            }
            EcritRayonAiry(c, x3 + 4 * L, ys);
        }
        else
        {
            c.Police().Couleur = cadre.PremierPlan;
            c.Pinceau().Couleur = cadre.Fond;
            DessineFlecheFoyer(c, p.X, p.Y + y0, L);
        }
        c.Police().FixeTaille(7);
        c.Police().Couleur = cadre.PremierPlan;
        c.Pinceau().Couleur = cadre.Fond;
        EcritDistance(c, p.X + x0 + (5 * L) / 16, p.Y + (5 * L) / 16, numero, distance);

        const bool fini = PassesEtoile(
            densite, false, [&cadre](int passe) { return CouleurPassageImprimee(passe, cadre); },
            [](const TImageRayon*) {},
            [&](int px, int py) {
                if (0 < px && px < w && 0 < y0 + py && y0 + py < h)
                {
                    PointImprime(c, p.X + px, p.Y + y0 + py, Etoiles.CouleurPassage, cadre.k,
                                 position.EpaisseurTraitImpression);
                    PointImprime(c, p.X + px, p.Y + y0 - py, Etoiles.CouleurPassage, cadre.k,
                                 position.EpaisseurTraitImpression);
                }
            },
            [](int) { return true; });
        if (!fini)
            return termine();

        // Dashes of two steps and gaps of nine, the step a fraction of the turn set by the zoom.
        c.Stylo().Couleur = cadre.PremierPlan;
        c.Pinceau().Couleur = cadre.Fond;
        const double r = RayonAiryPixels();
        const double delta = 2.0 * Pi / std::max(zoom, 1);
        const int cx = p.X + x0;
        const int cy = p.Y + y0;
        if (r > 0.0 && std::isfinite(r))
        {
            for (double theta = 0.0; theta < 2.0 * Pi; theta += 11.0 * delta)
                CordeCercle(c, cx, cy, r, theta, theta + 2.0 * delta);
        }

        std::string texte;
        if (Luminosite(texte))
            c.TextOut(p.X + (5 * L) / 16, p.Y + (5 * L) / 16, texte);
    }
    termine();
}
