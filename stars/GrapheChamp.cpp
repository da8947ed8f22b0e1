// The field-analysis graph on screen: band, scales, legend, Airy band, figures, size and luminosity curves, the
// memorised curve and the axes.
#include "stars/GrapheChamp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "optics/Arrondis.h"
#include "optics/Diffraction.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "stars/Champ.h"
#include "stars/ChampDessin.h"
#include "stars/ChampTextes.h"
#include "stars/MecaniqueEtoiles.h"

namespace {

constexpr int LargeurBande = 400;
constexpr int HauteurAxe = 312;
constexpr TColor FondAiry = 0xE0E0FF;
constexpr TColor Orange = 0x00A5FF;
constexpr TColor Memoire = 0xFF00FF;
constexpr TColor MemoireTroisCouleurs = 0xFF77FF;

// The legend's lower edge: one row, or two when the three colours' memorised curve takes a second row.
int BasLegende(bool courbeAffichee)
{
    return courbeAffichee && Systeme.NombreCouleurs == 3 && LuminositeLegendeEntree() ? 50 : 34;
}

void Legende(ICanevas& c, int W, bool courbeAffichee)
{
    const bool obstruction = LuminositeLegende();
    const bool trois = Systeme.NombreCouleurs == 3;
    std::string t = obstruction ? "Luminosité" : "";
    int w = obstruction ? 70 : 0;
    if (trois)
    {
        t += "Dimension avec N vertavec N rougeavec N bleuavec les trois couleurs";
        w += 170;
    }
    else
    {
        t += "Dimension avec N vert";
        w += 90;
    }
    int x = (W - c.TextWidth(t) - w) / 3;
    int xBleu = x;
    int suivant = 0;
    c.Pinceau().Couleur = clWhite;
    if (!trois)
    {
        c.Stylo().Couleur = clBlack;
        LigneGraphe(c, x, 27, x + 30, 27);
        TexteGraphe(c, x + 35, 20, "Dimension avec N vert");
        suivant = x + 35 + c.TextWidth("Dimension avec N vert") + 30;
    }
    else
    {
        const std::array<std::pair<TColor, const char*>, 3> entrees = {std::pair{clLime, "Dimension avec N vert"},
                                                                       std::pair{clRed, "avec N rouge"},
                                                                       std::pair{clBlue, "avec N bleu"}};
        for (const auto& [couleur, texte] : entrees)
        {
            if (couleur == clBlue)
                xBleu = x;
            c.Stylo().Couleur = couleur;
            LigneGraphe(c, x, 27, x + 30, 27);
            TexteGraphe(c, x + 35, 20, texte);
            x += 35 + c.TextWidth(texte) + 20;
        }
        c.Stylo().Couleur = clBlack;
        for (int k = 0; k < 30; k += 10)
            LigneGraphe(c, x + k, 27, x + k + 5, 27);
        TexteGraphe(c, x + 35, 20, "avec les 3 couleurs");
        suivant = x + 35 + c.TextWidth("avec les 3 couleurs") + 30;
    }
    if (!LuminositeLegendeEntree())
        return;
    x = suivant - 10;
    c.Stylo().Couleur = clBlue;
    LigneGraphe(c, x, 27, x + 16, 27);
    LigneGraphe(c, x + 24, 27, x + 40, 27);
    c.Stylo().Couleur = clBlack;
    LigneGraphe(c, x + 8, 29, x + 8, 25);
    LigneGraphe(c, x + 32, 29, x + 32, 25);
    TexteGraphe(c, x + 45, 20, "Luminosité");
    if (!courbeAffichee)
        return;
    int ligne = 27;
    if (trois)
    {
        x = xBleu;
        ligne = 43;
    }
    else
    {
        x += 45 + c.TextWidth("Luminosité") + 20;
    }
    c.Stylo().Couleur = Orange;
    c.Stylo().Style = TStyleStylo::Points;
    LigneGraphe(c, x, ligne - 5, x + 40, ligne - 5);
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Couleur = Memoire;
    LigneGraphe(c, x, ligne, x + 40, ligne);
    if (trois)
    {
        c.Stylo().Couleur = MemoireTroisCouleurs;
        LigneGraphe(c, x, ligne + 5, x + 40, ligne + 5);
    }
    TexteGraphe(c, x + 50, ligne - 7, "Mémoire");
}

void BandeAiry(ICanevas& c, int W)
{
    const TGrapheChamp& g = GrapheChamp;
    const int x0 = g.AbscisseOrigine;
    const int yA = PixelTronque(g.OrdonneeAxe + DiametreAiryGraphe() * g.EchelleTailleGraphe + 0.5);
    c.Pinceau().Couleur = FondAiry;
    c.Stylo().Style = TStyleStylo::Transparent;
    c.Rectangle(x0, std::min(yA, g.OrdonneeAxe), W, std::max(yA, g.OrdonneeAxe));
    c.Stylo().Style = TStyleStylo::Plein;
    c.Pinceau().Couleur = clWhite;
    c.Stylo().Couleur = clBlack;
    LigneGraphe(c, x0 - 15, yA, x0, yA);
    LigneGraphe(c, x0 - 20, yA - 5, x0 - 15, yA);
    LigneGraphe(c, x0 - 20, yA + 5, x0 - 15, yA);
}

void Figures(ICanevas& c, int W)
{
    const TGrapheChamp& g = GrapheChamp;
    const int x0 = g.AbscisseOrigine;
    const int y1 = g.OrdonneeAxe + 20;
    const int y2 = g.OrdonneeAxe + 34;
    c.Pinceau().Couleur = clWhite;
    const TFiguresChamp f = FiguresChampEcran();
    TexteGraphe(c, x0, y1, f.Ligne1);
    TexteGraphe(c, x0, y2, f.Ligne2);
    if (!f.Droite.empty())
        TexteGraphe(c, W - c.TextWidth(f.Droite) - 5, y2, f.Droite);
    // The field between two labels, then its equivalent, on a tinted background at the top right.
    const int largeurFleche = [&] {
        c.Police().Nom = "Symbol";
        const int largeur = c.TextWidth(" Û ");
        c.Police().Nom = "Arial";
        return largeur;
    }();
    int x = W - 5 - c.TextWidth(f.Equivalence1) - c.TextWidth(f.Equivalence2) - largeurFleche;
    const int y = g.OrdonneeAxe - 16;
    c.Pinceau().Couleur = FondAiry;
    TexteGraphe(c, x, y, f.Equivalence1);
    x += c.TextWidth(f.Equivalence1);
    c.Police().Nom = "Symbol";
    TexteGraphe(c, x, y, " Û ");
    c.Police().Nom = "Arial";
    x += largeurFleche;
    TexteGraphe(c, x, y, f.Equivalence2);
    c.Pinceau().Couleur = clWhite;
}

void Axes(ICanevas& c, int W)
{
    const TGrapheChamp& g = GrapheChamp;
    const int x0 = g.AbscisseOrigine;
    const int oa = g.OrdonneeAxe;
    c.Pinceau().Couleur = clBlack;
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Couleur = clBlack;
    const TPointCanevas fleche1[] = {{x0, 1}, {x0 - 2, 7}, {x0 + 2, 7}, {x0, 1}};
    c.Polygon(fleche1);
    LigneGraphe(c, x0, 6, x0, oa);
    LigneGraphe(c, x0, oa, W, oa);
    const TPointCanevas fleche2[] = {{W - 1, oa}, {W - 7, oa - 2}, {W - 7, oa + 2}, {W - 1, oa}};
    c.Polygon(fleche2);
    c.Pinceau().Couleur = clWhite;
}

} // namespace

TGraduationChamp GraduationChamp(int rayon)
{
    if (rayon < 30)
        return {1, 5};
    if (rayon < 120)
        return {5, 2};
    if (rayon < 300)
        return {10, 5};
    return {50, 1};
}

int AmplitudeChampUtile(int amplitude)
{
    int proche = 12;
    for (int permise : {12, 24, 60, 150})
        if (std::abs(amplitude - permise) < std::abs(amplitude - proche))
            proche = permise;
    return proche;
}

int AmplitudeChampAfocalUtile(int amplitude)
{
    return amplitude >= 48 ? 72 : 24;
}

int RayonChampUtile(int rayon)
{
    return std::max(rayon, 1);
}

float EchelleTailleEcran(bool afocal, int hauteur)
{
    if (afocal)
        return static_cast<float>(-hauteur / AmplitudeChampAfocalUtile(Reglages.AmplitudeChampAfocal));
    return static_cast<float>(-hauteur * 100 / AmplitudeChampUtile(Reglages.AmplitudeChamp));
}

void DessineAnalyseChamp(TFenetreChamp& fenetre)
{
    ResultatsChamp = {};
    if (fenetre.Depart || fenetre.Dessin == nullptr)
        return;
    VerifieInstrument();
    VerifieDispositif();
    ICanevas& c = *fenetre.Dessin;
    const int W = c.Largeur();
    c.Police().Nom = "Arial";
    c.Police().Couleur = clBlack;
    c.Police().FixeHauteur(-11);
    c.Police().Gras = false;
    c.Stylo() = TStylo{};
    c.Pinceau() = TPinceau{};
    c.Pinceau().Couleur = clBtnFace;
    c.FillRect(0, 0, W, c.Hauteur());
    c.Pinceau().Couleur = clWhite;
    c.Rectangle(0, 0, W, LargeurBande);

    if (!ChampDessinable())
    {
        TexteGraphe(c, 20, 5, "Les données sont incomplètes ou incohérentes.");
        return;
    }
    fenetre.CopieActive = true;
    fenetre.CourbeActive = CourbeEstMemorisee();
    FixeSystemeAfocal();
    const bool afocal = Validite.SystemeAfocal;
    if (afocal)
    {
        const bool vingtQuatre = AmplitudeChampAfocalUtile(Reglages.AmplitudeChampAfocal) == 24;
        fenetre.ZoomMoinsActif = vingtQuatre;
        fenetre.ZoomPlusActif = !vingtQuatre;
    }
    else
    {
        const int amplitude = AmplitudeChampUtile(Reglages.AmplitudeChamp);
        fenetre.ZoomMoinsActif = amplitude != 150;
        fenetre.ZoomPlusActif = amplitude != 12;
    }

    c.Police().FixeHauteur(-16);
    c.Police().Gras = true;
    const std::string titre = "Plus grande dimension des images stellaires";
    TexteGraphe(c, (W - c.TextWidth(titre)) / 2, 1, titre);
    c.Police().FixeHauteur(-11);
    c.Police().Gras = false;

    TGrapheChamp& g = GrapheChamp;
    g.AbscisseOrigine = 30;
    g.OrdonneeAxe = 338;
    const int L = W - 37;

    c.Police().Nom = "Symbol";
    const int xUnite = afocal ? 10 : 2;
    TexteGraphe(c, xUnite, 1, "f");
    const int largeurPhi = c.TextWidth("f");
    c.Police().Nom = "Arial";
    TexteGraphe(c, xUnite + largeurPhi + 2, 1, UniteTaille());

    const TTraitsGraphe traits;
    g.EchelleTailleGraphe = EchelleTailleEcran(afocal, HauteurAxe);
    c.Pinceau().Couleur = clWhite;
    DessineEchelleTaille(c, afocal, traits);
    g.EchelleLuminositeGraphe = HauteurAxe * 10.0f / 12.0f;
    if (LuminositeParEclairement())
        DessineEchelleLuminosite(c, traits);

    g.RayonChampGraphe = RayonChampGrapheCourant();
    g.EchelleChampGraphe = static_cast<float>(L * 0.95 / g.RayonChampGraphe);
    const std::string legende = LegendeAxeChamp(g.RayonChampGraphe);
    TexteGraphe(c, W - c.TextWidth(legende) - 5, g.OrdonneeAxe + 21, legende);
    DessineGraduationsChamp(c, traits);

    ChoisitCouleursChamp();
    Legende(c, W, fenetre.CourbeAffichee);

    if (!ResoutSystemeEtoiles())
        return;
    BandeAiry(c, W);
    Figures(c, W);

    if (CalculeAnalyseChamp() != TIssueChamp::Complete)
        return;
    // The curves stay in the graph, under the title and the legend, left of the field axis's arrow.
    TTraitsGraphe courbes = traits;
    courbes.Haut = BasLegende(fenetre.CourbeAffichee);
    courbes.Droite = W - 7;
    DessineCourbesTailles(c, courbes);
    if (fenetre.CourbeAffichee)
        DessineCourbeMemoriseeTailles(c, courbes);
    DessineLigneRepere(c, W - 5, courbes);
    if (LuminositeParEclairement())
        DessineCourbesLuminosite(c, fenetre.CourbeAffichee, courbes);
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Couleur = clBlack;
    if (afocal)
    {
        const TPupilleOculaire pupille = CalculePupilleOculaire();
        c.Pinceau().Couleur = clWhite;
        TexteGraphe(c, g.AbscisseOrigine, g.OrdonneeAxe + 47, TextePupilleOculaire(pupille));
    }
    Axes(c, W);
}
