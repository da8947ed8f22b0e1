// The printed field-analysis graph: the screen's graph in printer dots, its curves cut to the band, its dashes
// built by hand, its fills lightened.
#include "stars/ImpressionChamp.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "optics/Arrondis.h"
#include "optics/Diffraction.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "stars/Champ.h"
#include "stars/ChampDessin.h"
#include "stars/ChampTextes.h"
#include "stars/GrapheChamp.h"
#include "stars/MecaniqueEtoiles.h"

namespace {

constexpr TColor BleuClair = 0xFF7F7F; // the luminosity blue, lightened for paper
constexpr TColor VertClair = 0x7FFF7F;
constexpr TColor FondAiry = 0xC0C0FF;
constexpr TColor Orange = 0x00A5FF;
constexpr TColor Memoire = 0xFF00FF;
constexpr TColor MemoireTroisCouleurs = 0xFF77FF;

// The band and its scales in dots.
struct TBande
{
    int PL = 16; // one printed line
    int M = 0;
    int PW = 0;
    int Haut = 0; // the band's top, OC
    int XR = 0; // right end of the field axis
    int pw = 1;
    int Fraction(int a) const { return PL * a / 16; }
};

void Legende(ICanevas& c, const TBande& b, bool courbeAffichee)
{
    const bool trois = Systeme.NombreCouleurs == 3;
    std::string t = LuminositeLegende() ? "Luminosité" : "";
    t += trois ? "Dimension avec N vertavec N rougeavec N bleuavec les trois couleurs" : "Dimension avec N vert";
    const int PL = b.PL;
    const int yTexte = b.Haut + b.Fraction(20);
    const int yLigne = yTexte + PL / 2;
    int x = (b.PW - c.TextWidth(t) - 7 * PL) / 2 - 2 * b.M;
    if (!trois)
    {
        c.Stylo().Couleur = clBlack;
        LigneGraphe(c, x + 4 * PL, yLigne, x + 6 * PL, yLigne);
        const int xTexte = x + 4 * PL + 5 * PL / 2;
        TexteGraphe(c, xTexte, yTexte, "Dimension avec N vert");
        x = xTexte + c.TextWidth("Dimension avec N vert") + b.Fraction(30);
    }
    else
    {
        const std::array<std::pair<TColor, const char*>, 3> entrees = {std::pair{VertClair, "Dimension avec N vert"},
                                                                       std::pair{clRed, "avec N rouge"},
                                                                       std::pair{clBlue, "avec N bleu"}};
        for (const auto& [couleur, texte] : entrees)
        {
            c.Stylo().Couleur = couleur;
            LigneGraphe(c, x, yLigne, x + PL, yLigne);
            TexteGraphe(c, x + 3 * PL / 2, yTexte, texte);
            x += 3 * PL / 2 + c.TextWidth(texte) + PL;
        }
        c.Stylo().Couleur = clBlack;
        for (int k = 0; k < 5; k += 2)
            LigneGraphe(c, x + 2 * PL * k / 5, yLigne, x + 2 * PL * k / 5 + 2 * PL / 5, yLigne);
        TexteGraphe(c, x + 5 * PL / 2, yTexte, "avec les trois couleurs");
        x += 5 * PL / 2 + c.TextWidth("avec les trois couleurs") + PL;
    }
    if (!LuminositeLegendeEntree())
        return;
    const int o = 2 * PL / 3;
    c.Stylo().Couleur = clBlue;
    LigneGraphe(c, x, yLigne, x + o, yLigne);
    LigneGraphe(c, x + 2 * o, yLigne, x + 2 * PL, yLigne);
    c.Stylo().Couleur = clBlack;
    for (int xt : {x + o / 2, x + 2 * o + o / 2})
        LigneGraphe(c, xt, yLigne - b.Fraction(2), xt, yLigne + b.Fraction(2));
    TexteGraphe(c, x + 5 * PL / 2, yTexte, "Luminosité");
    if (!courbeAffichee)
        return;
    x = b.PW / 2 - 4 * PL;
    const int yMemoire = b.Haut + b.Fraction(40);
    const int yEchantillon = yMemoire + PL / 2;
    c.Stylo().Couleur = Orange;
    c.Stylo().Style = TStyleStylo::Points;
    LigneGraphe(c, x, yEchantillon - b.Fraction(5), x + o, yEchantillon - b.Fraction(5));
    LigneGraphe(c, x + 2 * o, yEchantillon - b.Fraction(5), x + 2 * PL, yEchantillon - b.Fraction(5));
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Couleur = Memoire;
    LigneGraphe(c, x, yEchantillon, x + 2 * PL, yEchantillon);
    if (trois)
    {
        c.Stylo().Couleur = MemoireTroisCouleurs;
        LigneGraphe(c, x, yEchantillon + b.Fraction(5), x + 2 * PL, yEchantillon + b.Fraction(5));
    }
    TexteGraphe(c, x + 5 * PL / 2, yMemoire, "Mémoire");
}

void Figures(ICanevas& c, const TBande& b)
{
    const TGrapheChamp& g = GrapheChamp;
    const int x0 = g.AbscisseOrigine;
    const int y1 = g.OrdonneeAxe + b.Fraction(20);
    const int y2 = y1 + b.PL;
    const int fin = b.PW - b.M - b.Fraction(5);
    c.Pinceau().Couleur = clWhite;
    const TFiguresChamp f = FiguresChampImprime();
    TexteGraphe(c, x0, y1, f.Ligne1);
    TexteGraphe(c, x0, y2, f.Ligne2);
    if (!f.Droite.empty())
        TexteGraphe(c, fin - c.TextWidth(f.Droite), y2, f.Droite);
    c.Police().Nom = "Symbol";
    const int largeurFleche = c.TextWidth(" Û ");
    c.Police().Nom = "Arial";
    int x = fin - c.TextWidth(f.Equivalence1) - c.TextWidth(f.Equivalence2) - largeurFleche;
    const int y = g.OrdonneeAxe - b.PL;
    c.Pinceau().Couleur = FondAiry;
    TexteGraphe(c, x, y, f.Equivalence1);
    x += c.TextWidth(f.Equivalence1);
    c.Police().Nom = "Symbol";
    TexteGraphe(c, x, y - b.Fraction(2), " Û ");
    c.Police().Nom = "Arial";
    TexteGraphe(c, x + largeurFleche, y, f.Equivalence2);
    c.Pinceau().Couleur = clWhite;
}

void Axes(ICanevas& c, const TBande& b)
{
    const TGrapheChamp& g = GrapheChamp;
    const int x0 = g.AbscisseOrigine;
    const int oa = g.OrdonneeAxe;
    const int oc = b.Haut;
    const int PL = b.PL;
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Couleur = clBlack;
    c.Pinceau().Couleur = clBlack;
    const TPointCanevas fleche1[] = {
        {x0, oc}, {x0 - PL / 8, oc + b.Fraction(6)}, {x0, oc + PL / 4}, {x0 + PL / 8, oc + b.Fraction(6)}};
    c.Polygon(fleche1);
    LigneGraphe(c, x0, oc, x0, oa);
    LigneGraphe(c, x0, oa, b.XR, oa);
    const TPointCanevas fleche2[] = {
        {b.XR, oa}, {b.XR - b.Fraction(6), oa - PL / 8}, {b.XR - PL / 4, oa}, {b.XR - b.Fraction(6), oa + PL / 8}};
    c.Polygon(fleche2);
    c.Pinceau().Couleur = clWhite;
}

// Everything after the band's frame; returns early where the screen would stop.
void ImprimeContenu(ICanevas& c, const TBande& b, int hauteurBande, bool courbeAffichee)
{
    TGrapheChamp& g = GrapheChamp;
    FixeSystemeAfocal();
    const bool afocal = Validite.SystemeAfocal;
    PoliceImpression(c, 13, true);
    const std::string titre = "Plus grande dimension des images stellaires";
    TexteGraphe(c, (b.PW - c.TextWidth(titre)) / 2, b.Haut + b.pw, titre);
    PoliceImpression(c, 9, false);

    g.AbscisseOrigine = b.M + c.TextWidth("MMMM");
    g.OrdonneeAxe = b.Haut + hauteurBande - b.PL * 43 / 10;
    const int T = b.Haut + 2 * b.PL;
    const int H = g.OrdonneeAxe - T;
    const int L = b.XR - g.AbscisseOrigine;
    g.EchelleTailleGraphe = afocal ? static_cast<float>(static_cast<double>(T - g.OrdonneeAxe) /
                                                        AmplitudeChampAfocalUtile(Reglages.AmplitudeChampAfocal))
                                   : static_cast<float>(static_cast<double>(T - g.OrdonneeAxe) * 100.0 /
                                                        AmplitudeChampUtile(Reglages.AmplitudeChamp));
    g.EchelleLuminositeGraphe = static_cast<float>(H * 10.0 / 12.0);
    g.RayonChampGraphe = RayonChampGrapheCourant();
    g.EchelleChampGraphe = static_cast<float>(L * 0.95 / g.RayonChampGraphe);

    const int xUnite = b.M + (afocal ? b.Fraction(10) : b.Fraction(3));
    c.Police().Nom = "Symbol";
    TexteGraphe(c, xUnite, b.Haut + b.pw, "f");
    const int largeurPhi = c.TextWidth("f");
    c.Police().Nom = "Arial";
    TexteGraphe(c, xUnite + largeurPhi + b.Fraction(2), b.Haut + b.pw, UniteTaille());

    TTraitsGraphe traits;
    traits.Haut = b.Haut;
    traits.Droite = b.XR;
    traits.Demi = 0.0;
    traits.TickLong = b.Fraction(6);
    traits.TickCourt = b.Fraction(3);
    traits.EcartEtiquette = b.Fraction(3);
    traits.SeuilEtiquette = b.PL;
    traits.TickPoint = b.Fraction(2);
    traits.Luminosite = BleuClair;
    traits.LuminositeLong = b.PL / 3;
    traits.LuminositeCourt = b.Fraction(3);
    traits.LuminositeEtiquette = b.PL / 3 + b.Fraction(2);
    traits.LuminositeTexteX = b.Fraction(6);
    traits.LuminositeTexteY = b.Haut + b.pw;
    traits.ChampLong = b.PL / 2;
    traits.ChampCourt = b.PL / 3;
    traits.PasRepere = b.Fraction(8);
    traits.TiretRepere = b.Fraction(3);
    traits.DebutPresqueEclaire = b.PL / 16 + 40;
    traits.Papier = true;
    DessineEchelleTaille(c, afocal, traits);
    if (LuminositeParEclairement())
        DessineEchelleLuminosite(c, traits);
    const std::string legende = LegendeAxeChamp(g.RayonChampGraphe);
    TexteGraphe(c, b.PW - b.M - c.TextWidth(legende) - b.PL / 3, g.OrdonneeAxe + b.Fraction(20), legende);
    DessineGraduationsChamp(c, traits);

    ChoisitCouleursChamp();
    Legende(c, b, courbeAffichee);

    if (!ResoutSystemeEtoiles())
        return;
    const int yA = PixelTronque(g.OrdonneeAxe + DiametreAiryGraphe() * g.EchelleTailleGraphe);
    c.Pinceau().Couleur = FondAiry;
    c.Stylo().Style = TStyleStylo::Transparent;
    c.Rectangle(g.AbscisseOrigine, std::max(yA, b.Haut), b.PW - b.M - b.pw, g.OrdonneeAxe);
    c.Stylo().Style = TStyleStylo::Plein;
    c.Pinceau().Couleur = clWhite;
    const int x0 = g.AbscisseOrigine;
    LigneGraphe(c, x0 - b.Fraction(15), yA, x0, yA);
    LigneGraphe(c, x0 - b.Fraction(20), yA - b.Fraction(5), x0 - b.Fraction(15), yA);
    LigneGraphe(c, x0 - b.Fraction(20), yA + b.Fraction(5), x0 - b.Fraction(15), yA);
    Figures(c, b);

    if (CalculeAnalyseChamp() != TIssueChamp::Complete)
        return;
    // The curves stay in the graph, under the title and the legend (its second row when the memorised curve is
    // shown), as on the screen.
    TTraitsGraphe courbes = traits;
    courbes.Haut = b.Haut + b.Fraction(courbeAffichee ? 56 : 36);
    DessineCourbesTailles(c, courbes);
    if (courbeAffichee)
        DessineCourbeMemoriseeTailles(c, courbes);
    DessineLigneRepere(c, b.XR, courbes);
    if (LuminositeParEclairement())
        DessineCourbesLuminosite(c, courbeAffichee, courbes);
    if (afocal)
        TexteGraphe(c, x0, g.OrdonneeAxe + b.Fraction(52), TextePupilleOculaire(CalculePupilleOculaire()));
    Axes(c, b);
}

} // namespace

void ImprimeAnalyseChamp(IImprimante& imprimante, bool courbeAffichee)
{
    VerifieInstrument();
    if (!ChampDessinable())
        return;
    ICanevas& c = imprimante.Canevas();
    TBande b;
    b.PW = imprimante.LargeurPage();
    b.M = ImpressionEtat.MargeImpression;
    b.PL = ImpressionEtat.PasLigneImpression > 0 ? ImpressionEtat.PasLigneImpression
                                                 : std::max(1, (b.PW - 2 * b.M) * 16 / 762);
    b.pw = std::max(1, ImpressionEtat.EpaisseurTraitImpression);
    const int hauteurBande = static_cast<int>(Round(b.PW * 0.45931758530183725 + b.PL));
    ImpressionEtat.HauteurBlocImprime = hauteurBande;
    BlocImprime(imprimante, hauteurBande);
    MiseEnPage.OrdonneeCourante += b.PL;
    MiseEnPage.AbscisseCourante = b.M;
    b.Haut = MiseEnPage.OrdonneeCourante;
    b.XR = b.PW - b.M;

    PoliceImpression(c, 9, false);
    c.Stylo() = TStylo{};
    c.Stylo().Epaisseur = b.pw;
    c.Pinceau() = TPinceau{};
    c.Rectangle(b.M, b.Haut, b.PW - b.M, b.Haut + hauteurBande);
    ImprimeContenu(c, b, hauteurBande, courbeAffichee);
    c.Stylo().Style = TStyleStylo::Plein;
    c.Pinceau().Couleur = clWhite;
    MiseEnPage.OrdonneeCourante = b.Haut + hauteurBande;
    MiseEnPage.AbscisseCourante = b.M;
}
