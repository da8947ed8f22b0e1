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
#include "stars/ChampTextes.h"
#include "stars/MecaniqueEtoiles.h"

namespace {

constexpr int LargeurBande = 400;
constexpr int HauteurAxe = 312;
constexpr TColor FondAiry = 0xE0E0FF;
constexpr TColor Orange = 0x00A5FF;
constexpr TColor Memoire = 0xFF00FF;
constexpr TColor MemoireTroisCouleurs = 0xFF77FF;

int Pixel(double valeur) { return static_cast<int>(std::clamp<double>(Round(std::clamp(valeur, -1e8, 1e8)), -1e8, 1e8)); }
int PixelTronque(double valeur) { return static_cast<int>(Trunc(std::clamp(valeur, -1e8, 1e8))); }

void Ligne(ICanevas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void Texte(ICanevas& c, int x, int y, const std::string& texte, TColor couleur = clBlack)
{
    c.Police().Couleur = couleur;
    c.TextOut(x, y, texte);
}

struct TPointGraphe
{
    int X = 0;
    int Y = 0;
};

TPointGraphe PointTaille(double position, double taille)
{
    const TGrapheChamp& g = GrapheChamp;
    return {Pixel(g.AbscisseOrigine + position * g.EchelleChampGraphe),
            Pixel(g.OrdonneeAxe + taille * g.EchelleTailleGraphe)};
}

TPointGraphe PointLuminosite(double position, double luminosite)
{
    const TGrapheChamp& g = GrapheChamp;
    return {Pixel(g.AbscisseOrigine + position * g.EchelleChampGraphe),
            Pixel(g.OrdonneeAxe - luminosite * g.EchelleLuminositeGraphe)};
}

void Segment(ICanevas& c, TPointGraphe a, TPointGraphe b) { Ligne(c, a.X, a.Y, b.X, b.Y); }

// The three black dashes of the three-colour size over the sixths 0-1, 2-3 and 4-5 of a segment.
void TiretsTroisCouleurs(ICanevas& c, TPointGraphe a, TPointGraphe b)
{
    c.Stylo().Couleur = clBlack;
    for (int k = 0; k < 6; k += 2) {
        const auto point = [&](int sixieme) {
            return TPointGraphe{Pixel(a.X + (b.X - a.X) * sixieme / 6.0), Pixel(a.Y + (b.Y - a.Y) * sixieme / 6.0)};
        };
        Segment(c, point(k), point(k + 1));
    }
}

void EchelleTaille(ICanevas& c, bool afocal, int diviseur)
{
    const TGrapheChamp& g = GrapheChamp;
    const int x0 = g.AbscisseOrigine;
    const auto tick = [&](int depart, int y) { Ligne(c, depart, y, x0, y); };
    c.Pinceau().Couleur = clWhite;
    if (afocal) {
        const int amplitude = AmplitudeChampAfocalUtile(Reglages.AmplitudeChampAfocal);
        const int pas = amplitude == 24 ? 1 : 5;
        Etoiles.GraduationEtoile = pas;
        for (int i = 0; i <= amplitude / pas; ++i) {
            const int y = PixelTronque(g.OrdonneeAxe + pas * i * g.EchelleTailleGraphe + 0.5);
            if (pas * i % 10 == 0) {
                const std::string etiquette = std::to_string(pas * i);
                Texte(c, x0 - 6 - c.TextWidth(etiquette) - 3, y - c.TextHeight(etiquette) / 2, etiquette);
                tick(x0 - 6, y);
            } else {
                tick(pas == 1 && (i == 5 || i == 15 || i == 25) ? x0 - 6 : x0 - 3, y);
            }
        }
        return;
    }
    const int amplitude = AmplitudeChampUtile(Reglages.AmplitudeChamp);
    for (int i = 0; i <= amplitude + 4; ++i) {
        const int y = PixelTronque(i * g.EchelleTailleGraphe / 100.0 + g.OrdonneeAxe + 0.5);
        int depart = x0 - 3;
        if (i % (5 * diviseur) == 0) {
            depart = x0 - 6;
            if (y > 20) {
                const std::string etiquette =
                    amplitude < 100 ? std::to_string(10 * i) : FormateNombre(i / 100.0, "#0.0");
                Texte(c, x0 - 6 - c.TextWidth(etiquette) - 3, y - c.TextHeight(etiquette) / 2, etiquette);
            }
        }
        if (i % diviseur == 0)
            tick(depart, y);
    }
}

void EchelleLuminosite(ICanevas& c)
{
    const TGrapheChamp& g = GrapheChamp;
    const int x0 = g.AbscisseOrigine;
    c.Stylo().Couleur = clBlue;
    for (int i = 0; i <= 10; ++i) {
        const int y = PixelTronque(g.OrdonneeAxe - HauteurAxe * i / 12.0);
        if (i == 5 || i == 10) {
            const std::string etiquette = std::to_string(10 * i) + "%";
            Ligne(c, x0 + 6, y, x0, y);
            Texte(c, x0 + 8, y - c.TextHeight(etiquette) / 2, etiquette, clBlue);
        } else {
            Ligne(c, x0 + 3, y, x0, y);
        }
    }
    Texte(c, x0 + 6, 1, "Luminosité", clBlue);
    c.Stylo().Couleur = clBlack;
}

void AxeChamp(ICanevas& c, int W)
{
    TGrapheChamp& g = GrapheChamp;
    const std::string legende = LegendeAxeChamp(g.RayonChampGraphe);
    Texte(c, W - c.TextWidth(legende) - 5, g.OrdonneeAxe + 21, legende);
    const TGraduationChamp graduation = GraduationChamp(g.RayonChampGraphe);
    g.PasGraduationChamp = graduation.Pas;
    g.PeriodeEtiquetteChamp = graduation.Periode;
    int compteur = graduation.Periode;
    for (int i = 0; i <= g.RayonChampGraphe / graduation.Pas; ++i) {
        const int x = g.AbscisseOrigine + PixelTronque(graduation.Pas * g.EchelleChampGraphe * i + 0.5);
        if (compteur == graduation.Periode) {
            const std::string etiquette = EtiquetteChamp(graduation.Pas * i, g.RayonChampGraphe);
            Texte(c, x - c.TextWidth(etiquette) / 2, g.OrdonneeAxe + 8, etiquette);
            Ligne(c, x, g.OrdonneeAxe, x, g.OrdonneeAxe + 8);
            compteur = 1;
        } else {
            Ligne(c, x, g.OrdonneeAxe, x, g.OrdonneeAxe + 5);
            ++compteur;
        }
    }
}

void Legende(ICanevas& c, int W, bool courbeAffichee)
{
    const bool obstruction = LuminositeLegende();
    const bool trois = Systeme.NombreCouleurs == 3;
    std::string t = obstruction ? "Luminosité" : "";
    int w = obstruction ? 70 : 0;
    if (trois) {
        t += "Dimension avec N vertavec N rougeavec N bleuavec les trois couleurs";
        w += 170;
    } else {
        t += "Dimension avec N vert";
        w += 90;
    }
    int x = (W - c.TextWidth(t) - w) / 3;
    int xBleu = x;
    int suivant = 0;
    c.Pinceau().Couleur = clWhite;
    if (!trois) {
        c.Stylo().Couleur = clBlack;
        Ligne(c, x, 27, x + 30, 27);
        Texte(c, x + 35, 20, "Dimension avec N vert");
        suivant = x + 35 + c.TextWidth("Dimension avec N vert") + 30;
    } else {
        const std::array<std::pair<TColor, const char*>, 3> entrees = {
            std::pair{clLime, "Dimension avec N vert"}, std::pair{clRed, "avec N rouge"},
            std::pair{clBlue, "avec N bleu"}};
        for (const auto& [couleur, texte] : entrees) {
            if (couleur == clBlue)
                xBleu = x;
            c.Stylo().Couleur = couleur;
            Ligne(c, x, 27, x + 30, 27);
            Texte(c, x + 35, 20, texte);
            x += 35 + c.TextWidth(texte) + 20;
        }
        c.Stylo().Couleur = clBlack;
        for (int k = 0; k < 30; k += 10)
            Ligne(c, x + k, 27, x + k + 5, 27);
        Texte(c, x + 35, 20, "avec les 3 couleurs");
        suivant = x + 35 + c.TextWidth("avec les 3 couleurs") + 30;
    }
    if (!LuminositeLegendeEntree())
        return;
    x = suivant - 10;
    c.Stylo().Couleur = clBlue;
    Ligne(c, x, 27, x + 16, 27);
    Ligne(c, x + 24, 27, x + 40, 27);
    c.Stylo().Couleur = clBlack;
    Ligne(c, x + 8, 29, x + 8, 25);
    Ligne(c, x + 32, 29, x + 32, 25);
    Texte(c, x + 45, 20, "Luminosité");
    if (!courbeAffichee)
        return;
    int ligne = 27;
    if (trois) {
        x = xBleu;
        ligne = 43;
    } else {
        x += 45 + c.TextWidth("Luminosité") + 20;
    }
    c.Stylo().Couleur = Orange;
    c.Stylo().Style = TStyleStylo::Points;
    Ligne(c, x, ligne - 5, x + 40, ligne - 5);
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Couleur = Memoire;
    Ligne(c, x, ligne, x + 40, ligne);
    if (trois) {
        c.Stylo().Couleur = MemoireTroisCouleurs;
        Ligne(c, x, ligne + 5, x + 40, ligne + 5);
    }
    Texte(c, x + 50, ligne - 7, "Mémoire");
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
    Ligne(c, x0 - 15, yA, x0, yA);
    Ligne(c, x0 - 20, yA - 5, x0 - 15, yA);
    Ligne(c, x0 - 20, yA + 5, x0 - 15, yA);
}

void Figures(ICanevas& c, int W)
{
    const TGrapheChamp& g = GrapheChamp;
    const int x0 = g.AbscisseOrigine;
    const int y1 = g.OrdonneeAxe + 20;
    const int y2 = g.OrdonneeAxe + 34;
    c.Pinceau().Couleur = clWhite;
    const TFiguresChamp f = FiguresChampEcran();
    Texte(c, x0, y1, f.Ligne1);
    Texte(c, x0, y2, f.Ligne2);
    if (!f.Droite.empty())
        Texte(c, W - c.TextWidth(f.Droite) - 5, y2, f.Droite);
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
    Texte(c, x, y, f.Equivalence1);
    x += c.TextWidth(f.Equivalence1);
    c.Police().Nom = "Symbol";
    Texte(c, x, y, " Û ");
    c.Police().Nom = "Arial";
    x += largeurFleche;
    Texte(c, x, y, f.Equivalence2);
    c.Pinceau().Couleur = clWhite;
}

} // namespace

void DessineCourbesTailles(ICanevas& c)
{
    const bool trois = Systeme.NombreCouleurs == 3;
    const TColor couleur = trois ? clLime : clBlack;
    c.Stylo().Style = TStyleStylo::Plein;
    for (std::size_t j = 0; j + 1 < ResultatsChamp.size(); ++j) {
        const TResultatChamp& a = ResultatsChamp[j];
        const TResultatChamp& b = ResultatsChamp[j + 1];
        if (!(b.Luminosite > 0.1))
            continue;
        if (trois) {
            c.Stylo().Couleur = clRed;
            Segment(c, PointTaille(a.Position, a.TailleRouge), PointTaille(b.Position, b.TailleRouge));
            c.Stylo().Couleur = clBlue;
            Segment(c, PointTaille(a.Position, a.TailleBleu), PointTaille(b.Position, b.TailleBleu));
        }
        c.Stylo().Couleur = couleur;
        Segment(c, PointTaille(a.Position, a.TailleVert), PointTaille(b.Position, b.TailleVert));
        if (trois)
            TiretsTroisCouleurs(c, PointTaille(a.Position, a.TailleTroisCouleurs),
                                PointTaille(b.Position, b.TailleTroisCouleurs));
    }
    for (std::size_t j = 1; j < ResultatsChamp.size(); ++j) {
        const TResultatChamp& r = ResultatsChamp[j];
        if (!(r.Luminosite > 0.1))
            continue;
        const auto tick = [&](double taille, TColor teinte) {
            const TPointGraphe p = PointTaille(r.Position, taille);
            c.Stylo().Couleur = teinte;
            Ligne(c, p.X, p.Y - 2, p.X, p.Y + 2);
            return p.Y;
        };
        const int yVert = tick(r.TailleVert, couleur);
        if (trois) {
            const int yRouge = tick(r.TailleRouge, clRed);
            const int yBleu = tick(r.TailleBleu, clBlue);
            const TPointGraphe p = PointTaille(r.Position, r.TailleTroisCouleurs);
            if (p.Y != yVert && p.Y != yRouge && p.Y != yBleu)
                tick(r.TailleTroisCouleurs, clBlack);
        }
    }
}

namespace {

void CourbeMemoriseeTailles(ICanevas& c)
{
    const bool trois = Systeme.NombreCouleurs == 3;
    for (std::size_t r = 1; r <= 20; ++r) {
        const TResultatChamp& a = CourbeMemorisee[r];
        const TResultatChamp& b = CourbeMemorisee[r + 1];
        if (!(b.Luminosite > 0.1 || (r == 20 && a.Luminosite > 0.1)))
            continue;
        c.Stylo().Couleur = trois ? MemoireTroisCouleurs : Memoire;
        Segment(c, PointTaille(a.Position, a.TailleVert), PointTaille(b.Position, b.TailleVert));
        if (trois) {
            c.Stylo().Couleur = Memoire;
            Segment(c, PointTaille(a.Position, a.TailleTroisCouleurs), PointTaille(b.Position, b.TailleTroisCouleurs));
        }
    }
}

void LigneRepere(ICanevas& c, int W)
{
    const TGrapheChamp& g = GrapheChamp;
    const int y = PixelTronque(Reglages.AmplitudeRepere / 1000.0 * g.EchelleTailleGraphe + g.OrdonneeAxe + 0.5);
    c.Stylo().Couleur = clBlack;
    for (int x = g.AbscisseOrigine; x < W - 5; x += 8)
        Ligne(c, x, y, x + 3, y);
}

// The luminosity curve of a table whose record k holds position k - decalage; the segment into record k is drawn
// when `trace`(k) allows it. An axis near full light leaves its first segment out and starts the second 40 pixels
// off the axis, where the curve leaves the top of the scale.
template <class FTrace>
void CourbeLuminosite(ICanevas& c, const TResultatChamp* table, FTrace&& trace, bool ticks)
{
    const TGrapheChamp& g = GrapheChamp;
    for (int j = 1; j <= 20; ++j) {
        if (!trace(j))
            continue;
        TPointGraphe a = PointLuminosite(table[j - 1].Position, table[j - 1].Luminosite);
        const TPointGraphe b = PointLuminosite(table[j].Position, table[j].Luminosite);
        if (j == 2 && table[1].Luminosite > 0.98)
            a.X = g.AbscisseOrigine + 40;
        const bool segment = j > 1 || table[0].Luminosite < 0.98;
        if (segment)
            Segment(c, a, b);
        if (ticks && segment) {
            c.Stylo().Style = TStyleStylo::Plein;
            c.Stylo().Couleur = clBlack;
            Ligne(c, b.X, b.Y - 2, b.X, std::min(b.Y + 2, g.OrdonneeAxe));
            c.Stylo().Style = TStyleStylo::Tirets;
            c.Stylo().Couleur = clBlue;
        }
    }
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
    Ligne(c, x0, 6, x0, oa);
    Ligne(c, x0, oa, W, oa);
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

int AmplitudeChampAfocalUtile(int amplitude) { return amplitude >= 48 ? 72 : 24; }

int RayonChampUtile(int rayon) { return std::max(rayon, 1); }

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

    if (!ChampDessinable()) {
        Texte(c, 20, 5, "Les données sont incomplètes ou incohérentes.");
        return;
    }
    fenetre.CopieActive = true;
    fenetre.CourbeActive = CourbeEstMemorisee();
    FixeSystemeAfocal();
    const bool afocal = Validite.SystemeAfocal;
    int diviseur = 1;
    if (afocal) {
        const bool vingtQuatre = AmplitudeChampAfocalUtile(Reglages.AmplitudeChampAfocal) == 24;
        fenetre.ZoomMoinsActif = vingtQuatre;
        fenetre.ZoomPlusActif = !vingtQuatre;
    } else {
        const int amplitude = AmplitudeChampUtile(Reglages.AmplitudeChamp);
        fenetre.ZoomMoinsActif = amplitude != 150;
        fenetre.ZoomPlusActif = amplitude != 12;
        diviseur = amplitude == 150 ? 10 : 1;
    }

    c.Police().FixeHauteur(-16);
    c.Police().Gras = true;
    const std::string titre = "Plus grande dimension des images stellaires";
    Texte(c, (W - c.TextWidth(titre)) / 2, 1, titre);
    c.Police().FixeHauteur(-11);
    c.Police().Gras = false;

    TGrapheChamp& g = GrapheChamp;
    g.AbscisseOrigine = 30;
    g.OrdonneeAxe = 338;
    const int L = W - 37;

    c.Police().Nom = "Symbol";
    const int xUnite = afocal ? 10 : 2;
    Texte(c, xUnite, 1, "f");
    const int largeurPhi = c.TextWidth("f");
    c.Police().Nom = "Arial";
    Texte(c, xUnite + largeurPhi + 2, 1, UniteTaille());

    g.EchelleTailleGraphe = EchelleTailleEcran(afocal, HauteurAxe);
    EchelleTaille(c, afocal, diviseur);
    g.EchelleLuminositeGraphe = HauteurAxe * 10.0f / 12.0f;
    if (LuminositeParEclairement())
        EchelleLuminosite(c);

    g.RayonChampGraphe = RayonChampGrapheCourant(false);
    g.EchelleChampGraphe = static_cast<float>(L * 0.95 / g.RayonChampGraphe);
    AxeChamp(c, W);

    Rayon.RayonPerdu = false;
    ChoisitNombreCouleurs();
    AppliqueIndices();
    Legende(c, W, fenetre.CourbeAffichee);

    AppliqueIndices();
    Rayon.EstRayonReference = true;
    PrepareSysteme();
    if (Systeme.CalculInterrompu)
        return;
    CalculeTacheDiffraction();
    BandeAiry(c, W);
    Figures(c, W);

    if (CalculeAnalyseChamp() != TIssueChamp::Complete)
        return;
    DessineCourbesTailles(c);
    if (fenetre.CourbeAffichee)
        CourbeMemoriseeTailles(c);
    LigneRepere(c, W);
    if (LuminositeParEclairement()) {
        CalculeLuminositeChamp();
        c.Stylo().Couleur = clBlue;
        c.Stylo().Style = TStyleStylo::Tirets;
        CourbeLuminosite(
            c, ResultatsChamp.data(),
            [](int j) {
                return !EchecRayonPrincipal[static_cast<std::size_t>(j)] &&
                       ResultatsChamp[static_cast<std::size_t>(j)].Luminosite >= 0.0;
            },
            true);
        if (fenetre.CourbeAffichee) {
            c.Stylo().Couleur = Orange;
            c.Stylo().Style = TStyleStylo::Points;
            CourbeLuminosite(
                c, CourbeMemorisee.data() + 1,
                [](int j) { return CourbeMemorisee[static_cast<std::size_t>(j + 1)].Luminosite >= 0.0; }, false);
        }
    }
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Couleur = clBlack;
    if (afocal) {
        const TPupilleOculaire pupille = CalculePupilleOculaire();
        c.Pinceau().Couleur = clWhite;
        Texte(c, g.AbscisseOrigine, g.OrdonneeAxe + 47, TextePupilleOculaire(pupille));
    }
    Axes(c, W);
}
