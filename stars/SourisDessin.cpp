// The drawing image's mouse: panel and field-point choice, cross-hair, and the double click between the views.
#include "stars/SourisDessin.h"

#include <cmath>
#include <numbers>

#include "optics/Modele.h"
#include "stars/Champ.h"
#include "stars/EtoileMultiple.h"
#include "stars/GrapheChamp.h"

namespace {

constexpr double MinuteArc = std::numbers::pi / 10800.0;

// A distance of the field graph or of the lens-device view as the single star's distance: degrees of apparent
// field stay degrees, an image height becomes arc minutes on the sky, arc minutes stay arc minutes.
double DistanceEtoileDe(double distance)
{
    if (Validite.SystemeAfocal)
        return distance;
    if (Reglages.ChampLineaire)
        return Instrument.FocaleEffective != 0.0 ? std::atan(distance / Instrument.FocaleEffective) / MinuteArc : 0.0;
    return distance;
}

} // namespace

void ChoisitCaseEtoile(int x, int y)
{
    TChoixSouris& c = ChoixSouris;
    if (2 < y && y < 267)
        c.LigneCaseEtoile = 1;
    else if (283 < y && y < 548)
        c.LigneCaseEtoile = 2;
    for (int colonne = 1; colonne <= 3; ++colonne)
    {
        const int gauche = GaucheCasesEtoiles[static_cast<std::size_t>(colonne - 1)];
        if (gauche < x && x < gauche + LargeurCaseEtoile)
            c.ColonneCaseEtoile = colonne;
    }
    c.CaseEtoileChoisie = (c.LigneCaseEtoile - 1) * 3 + c.ColonneCaseEtoile;
}

int PointChampProche(double distance)
{
    int proche = 20;
    double meilleur = ResultatsChamp[20].Position;
    for (int j = 0; j <= 20; ++j)
    {
        const double ecart = std::abs(distance - ResultatsChamp[static_cast<std::size_t>(j)].Position);
        if (ecart < meilleur)
        {
            meilleur = ecart;
            proche = j;
        }
    }
    return proche == 0 ? 1 : proche;
}

void ChoisitPointChamp(int x)
{
    const TGrapheChamp& g = GrapheChamp;
    ChoixSouris.DistancePointChamp = 0;
    if (x <= g.AbscisseOrigine || !(g.EchelleChampGraphe > 0.0f) || g.RayonChampGraphe <= 0)
        return;
    const int c = PointChampProche((x - g.AbscisseOrigine) / g.EchelleChampGraphe);
    // Pixels per unit of the evenly spaced field at that point: a distorting system's traced positions are not
    // evenly spaced, so the click is read on the scale that puts point c where it was drawn.
    const double s =
        g.EchelleChampGraphe * ResultatsChamp[static_cast<std::size_t>(c)].Position / (c / 20.0 * g.RayonChampGraphe);
    if (s > 0.001)
        ChoixSouris.DistancePointChamp = static_cast<float>((x - g.AbscisseOrigine) / s);
}

void DessinRelache(TVue vue, int x, int y)
{
    if (vue == TVue::EtoileMultiple)
        ChoisitCaseEtoile(x, y);
    if (vue == TVue::Champ)
        ChoisitPointChamp(x);
    else
        ChoixSouris.DistancePointChamp = 0;
    if (vue == TVue::Instrument && Instrument.TypeInstrument == TTypeInstrument::Lunette && x < 10 && y < 9)
        Edition.LongueurTotaleAffichee = !Edition.LongueurTotaleAffichee;
}

TBasculeVue BasculeDoubleClic(TVue vue, TRetoursEtoile& retours)
{
    TChoixSouris& c = ChoixSouris;
    double& distance = Reglages.DistanceAxeEtoile;
    if (vue == TVue::EtoileUnique)
    {
        // The flags are read in this order; a stale one never sends the view on a second move.
        if (retours.EtoileMultiple)
        {
            retours.EtoileMultiple = false;
            distance = c.DistanceAxeEtoileMemorisee;
            return {TVue::EtoileMultiple, ""};
        }
        if (retours.Dispositif)
        {
            retours.Dispositif = false;
            distance = c.DistanceAxeEtoileMemorisee;
            return {TVue::Dispositif, ""};
        }
        if (retours.Champ)
        {
            retours.Champ = false;
            distance = c.DistanceAxeEtoileMemorisee;
            return {TVue::Champ, ""};
        }
        return {};
    }
    if (vue == TVue::EtoileMultiple)
    {
        c.DistanceAxeEtoileMemorisee = distance;
        distance = DistanceCaseEtoile(c.CaseEtoileChoisie);
        retours.EtoileMultiple = true;
        return {TVue::EtoileUnique, "Double-clic sur l'image pour afficher en mode Etoile Unique"};
    }
    if (vue == TVue::Dispositif && Reglages.RayonsLumineuxTraces)
    {
        c.DistanceAxeEtoileMemorisee = distance;
        if (Validite.SystemeAfocal || Reglages.ChampLineaire)
            distance = DistanceEtoileDe(Reglages.DistanceAxeImage);
        retours.Dispositif = true;
        return {TVue::EtoileUnique, "Double-clic sur l'image pour afficher le dispositif"};
    }
    if (vue == TVue::Champ)
    {
        c.DistanceAxeEtoileMemorisee = distance;
        distance = DistanceEtoileDe(c.DistancePointChamp);
        retours.Champ = true;
        return {TVue::EtoileUnique, "Double-clic sur l'image pour afficher en mode Etoile Unique"};
    }
    return {};
}

bool DessineReticule(ICanevas& canevas, int x, int y, int largeur)
{
    const TGrapheChamp& g = GrapheChamp;
    if (!(y < g.OrdonneeAxe && x > g.AbscisseOrigine))
        return false;
    canevas.Stylo().Couleur = clBlack;
    canevas.Stylo().Style = TStyleStylo::Plein;
    canevas.Stylo().Epaisseur = 1;
    canevas.MoveTo(g.AbscisseOrigine, y);
    canevas.LineTo(largeur, y);
    canevas.MoveTo(x, 0);
    canevas.LineTo(x, g.OrdonneeAxe);
    return true;
}
