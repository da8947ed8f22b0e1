// The single-star view on screen and on paper.
#include "stars/EtoileUnique.h"

#include <algorithm>
#include <numbers>
#include <vector>

#include "optics/Arrondis.h"
#include "optics/Diffraction.h"
#include "optics/Eclairement.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Validite.h"
#include "platform/Bip.h"
#include "platform/Format.h"
#include "platform/Services.h"
#include "sections/CoupeMaksutov.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double MinuteArc = Pi / 10800.0;
constexpr TColor VertFonce = 0x008000;

// Where the transverse curves go and how finely the pupil is scanned.
struct TBoitesTransversales
{
    int X0 = 0; // pupil centre of the meridional curve
    int AxeMeridien = 0; // its axis ordinate
    int Y0 = 0; // pupil centre of the sagittal curve
    int AxeSagittal = 0; // its axis abscissa
    double Demi = 280; // pixels from the pupil's centre to its edge
    int NombrePas = 560; // rays across the pupil diameter
};

std::string TexteDistanceAfocale(double d)
{
    return FormateNombre(d, "0.##") + " °";
}

std::string TexteImageFocale()
{
    return " = " + FormateNombre(std::abs(Systeme.HauteurImagePrincipale), "0.000") + " mm";
}

// The first device surface that is not a stop; none when every surface is one.
std::optional<std::string> TexteFoyerPremierDioptre()
{
    const int n = std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
    for (int i = 1; i <= n; ++i)
    {
        if (Dispositif.RayonDioptre[static_cast<std::size_t>(i)] < SeuilRayonDiaphragme)
        {
            const float v =
                static_cast<float>(Dispositif.SommetDioptre[static_cast<std::size_t>(i)] - Systeme.PositionFoyer);
            return "Distance (Foyer - Premier Dioptre) = " + FormateNombre(v, "0.00") + " mm";
        }
    }
    return std::nullopt;
}

void TexteSymbole(ICanevas& c, int x, int y, const std::string& texte)
{
    c.Police().Nom = "Symbol";
    c.TextOut(x, y, texte);
    c.Police().Nom = "Arial";
}

int LargeurSymbole(ICanevas& c, const std::string& texte)
{
    c.Police().Nom = "Symbol";
    const int largeur = c.TextWidth(texte);
    c.Police().Nom = "Arial";
    return largeur;
}

// The right-hand texts of rows 1 and 2, right-aligned at R: the Airy radius (with the wavelength when focal), the
// focus shift or the distance from the focus to the device.
void TextesDroite(ICanevas& c, int R, int y1, int y2)
{
    const std::string airy = FormateNombre(Systeme.RayonAiryImage, "0.00");
    if (Validite.SystemeAfocal)
    {
        const std::string t = airy + "' sur l'image";
        const int wt = c.TextWidth(t);
        TexteSymbole(c, R - wt - LargeurSymbole(c, "r = "), y1, "r = ");
        c.TextOut(R - wt, y1, t);
        if (const auto foyer = TexteFoyerPremierDioptre())
            c.TextOut(R - c.TextWidth(*foyer), y2, *foyer);
        return;
    }
    const std::string decalage = "Décalage du Foyer = " + FormateNombre(Systeme.DecalageFoyer, "0.00") + " mm";
    c.TextOut(R - c.TextWidth(decalage), y1, decalage);
    const std::string tv = airy + " µm pour ";
    const std::string tw = FormateNombre(TableLongueursOnde[static_cast<std::size_t>(
                                             std::clamp(LongueursOnde.LongueurOndeVerte, 0, NombreLongueursOnde))],
                                         "0.#") +
                           " nm";
    const int wv = c.TextWidth(tv);
    const int ww = c.TextWidth(tw);
    TexteSymbole(c, R - wv - ww - LargeurSymbole(c, "r = ") - LargeurSymbole(c, " l = "), y2, "r = ");
    // Every piece is measured in its own font, so that the pieces neither overlap nor leave gaps.
    c.TextOut(R - wv - ww - LargeurSymbole(c, " l = "), y2, tv);
    TexteSymbole(c, R - ww - LargeurSymbole(c, " l = "), y2, " l = ");
    c.TextOut(R - ww, y2, tw);
}

TColor CouleurCourbe(int passe, TColor couleurPassage, bool imprimee)
{
    if (passe != 1)
        return couleurPassage;
    const bool noir = Systeme.NombreCouleurs == 1 || (imprimee && !Reglages.ImpressionCouleur);
    return noir ? clBlack : VertFonce;
}

// Two scans of the pupil diameter in reference mode, not counted: the meridional offset against the pupil
// coordinate, and the sagittal one turned by a quarter turn. The plotter says whether a point lies in its box and
// puts it there. False when a ray missed the curved image surface.
template <class TTraceur>
bool CourbesTransversales(const TBoitesTransversales& b, TTraceur& traceur, TColor couleur)
{
    const double D = Instrument.DiametreEntree;
    const auto pupille = [&](double v) { return static_cast<int>(Round(v / D * 2.0 * b.Demi)); };
    Rayon.EstRayonReference = true;
    const bool meridien = ParcourtDiametreTrace(b.NombrePas, false, [&] {
        TImageRayon image;
        if (!ImageRayon(image))
            return false;
        const int xp = PixelMeridien(image);
        const int y = b.AxeMeridien - xp;
        if (traceur.MeridienDedans(xp, y))
            traceur.Point(b.X0 + pupille(Rayon.XDepart), y, couleur);
        return true;
    });
    if (!meridien)
        return false;
    return ParcourtDiametreTrace(b.NombrePas, true, [&] {
        TImageRayon image;
        if (!ImageRayon(image))
            return false;
        const int x = b.AxeSagittal + PixelSagittal(image);
        if (traceur.SagittalDedans(x))
            traceur.Point(x, b.Y0 + pupille(Rayon.YDepart), couleur);
        return true;
    });
}

// What a grid ray of the spot gave, kept for the Strehl estimate.
struct TImpactGrille
{
    bool Passe = false;
    double Hauteur = 0;
    double Sagittal = 0;
};

// The spot's rays, one entry per grid ray traced, sized once per drawing.
class TImpactsGrille
{
public:
    void Prepare()
    {
        Impacts_.clear();
        Impacts_.reserve(static_cast<std::size_t>(Systeme.NombreCouleurs) *
                         static_cast<std::size_t>(NombreRayonsGrille(Reglages.DensiteEtoileUnique, true)));
    }
    void Note(const TImageRayon* image)
    {
        Impacts_.push_back(image != nullptr ? TImpactGrille{true, image->Hauteur, image->Sagittal} : TImpactGrille{});
    }
    const std::vector<TImpactGrille>& Impacts() const { return Impacts_; }

private:
    std::vector<TImpactGrille> Impacts_;
};

// The share of the grid rays, traced without obstruction, whose image lies within the Airy radius of the spot's
// mean meridional position. A ray the spot plotted meets no obstruction either way and lands where it did, so only
// the others are traced again, those of a colour pass all before any is judged (on several threads when they are
// many). False when a ray missed the curved image surface; no ratio when none counted.
bool RapportStrehl(const TImpactsGrille& spot, std::optional<float>& rapport)
{
    rapport.reset();
    const double moyenne = Etoiles.SommeHauteursImage / Systeme.NombreRayonsPasses;
    const float carreAiry = static_cast<float>(Systeme.RayonAiryImage * Systeme.RayonAiryImage * 1e-6);
    long dans = 0;
    long hors = 0;
    const auto juge = [&](double hauteur, double sagittal) {
        const double dx = hauteur - moyenne;
        if (dx * dx + sagittal * sagittal <= carreAiry)
            ++dans;
        else
            ++hors;
    };
    const std::vector<TImpactGrille>& impacts = spot.Impacts();
    const auto plotte = [&impacts](std::size_t k) { return k < impacts.size() && impacts[k].Passe; };
    std::size_t k = 0;
    Rayon.EstRayonReference = true;
    for (int passe = 1; passe <= Systeme.NombreCouleurs; ++passe)
    {
        ChargeIndicesCouleur(passe);
        // The rays to trace again, in the walk's groups, all traced before any is judged.
        std::vector<TGroupePupille> groupes;
        int rayons = 0;
        std::size_t j = k;
        const auto note = [&](int i, double y, const double* x, int nombre) {
            TGroupePupille g{i, y, Etoiles.DemiCordePupille, {}, 0};
            for (int m = 0; m < nombre; ++m, ++j)
                if (!plotte(j))
                    g.X[static_cast<std::size_t>(g.Nombre++)] = x[m];
            if (g.Nombre > 0)
                groupes.push_back(g);
            rayons += g.Nombre;
            return true;
        };
        ParcourtPupilleParGroupes(Reglages.DensiteEtoileUnique, true, note);
        std::vector<TRayonVu> vus;
        TraceGroupesPupille(groupes, FilsPourRayons(rayons), vus);
        std::size_t v = 0;
        const bool fini = ParcourtPupille(Reglages.DensiteEtoileUnique, true, [&](int) {
            const std::size_t n = k++;
            if (plotte(n))
            {
                juge(impacts[n].Hauteur, impacts[n].Sagittal);
                return true;
            }
            RendRayonVu(vus[v++]);
            if (Rayon.RayonBloque || Rayon.RayonPerdu)
                return true;
            TImageRayon image;
            if (!ImageRayon(image))
                return false;
            juge(image.Hauteur, image.Sagittal);
            return true;
        });
        if (!fini)
            return false;
    }
    if (dans + hors > 0)
        rapport = static_cast<float>(static_cast<double>(dans) / static_cast<double>(dans + hors));
    return true;
}

// The distortion line: only without a positive focus shift, with plotted rays and off the axis.
std::optional<std::string> TexteDistorsion()
{
    const double d = Reglages.DistanceAxeEtoile;
    if (!(Reglages.DecalageMiseAuPoint < 1e-6f) || Systeme.NombreRayonsPasses <= 0 || !(d > 1e-6))
        return std::nullopt;
    const double moyenne = Etoiles.SommeHauteursImage / Systeme.NombreRayonsPasses;
    if (Validite.SystemeAfocal)
    {
        // The mean direction cosine read as an angle: a small-angle estimate of the mean exit direction.
        const double m = moyenne / MinuteArc / 60.0;
        const double distorsion = std::abs(m) - d;
        return "Distorsion = " + FormateNombre(distorsion, "0.#####") +
               " ° = " + FormateNombre(100.0 * distorsion / d, "0.###") + " %";
    }
    const double u = Rayon.AngleChamp;
    const double h0 = Instrument.ChampCourbe
                          ? std::sin(u) * (Instrument.RayonCourburePrimaire - Instrument.FocalePrimaire)
                          : std::tan(u) * Instrument.FocaleEffective;
    const double distorsion = std::abs(moyenne) - h0;
    return "Distorsion = " + FormateNombre(distorsion, "0.#####") +
           " mm = " + FormateNombre(100.0 * distorsion / h0, "0.###") + " %";
}

std::optional<std::string> TexteLuminosite()
{
    CalculeEclairement(TRayonsComptes{Systeme.NombreRayonsPasses, Systeme.NombreRayonsTraces});
    if (Rayon.RayonPerdu)
        return std::nullopt;
    return "Luminosité = " + std::to_string(Round(100.0 * Systeme.Eclairement)) + " %";
}

// The scale, pupil step and division that the screen and the paper share.
void PrepareEtoile(float echelle)
{
    Etoiles.EchelleDessin = echelle;
    Etoiles.PasPupille = Instrument.DiametreEntree / 2.0 / DensiteUtile(Reglages.DensiteEtoileUnique);
    FixeSystemeAfocal();
    Etoiles.GraduationEtoile = GraduationPourZoom(Reglages.ZoomEtoileUnique);
}

// Colour passes, working indices, the system solve and the Airy radius; false when the solve was stopped.
bool ResoutSysteme()
{
    Rayon.RayonPerdu = false;
    ChoisitNombreCouleurs();
    return ResoutSystemeEtoiles();
}

void AnnonceRayonCentralPerdu()
{
    TQuestion question;
    question.Titre = TitreAnalyseEtoileUnique;
    question.Ligne1 = MessageRayonCentralPerdu;
    question.Icone = TIconeQuestion::Stop;
    question.Boutons = TBoutonsQuestion::Ok;
    question.Largeur = 420;
    MessageBeep(BipExclamation);
    if (Services().Question != nullptr)
        Services().Question->Pose(question);
}

// ---- Screen ----

// The curves on screen: a point over white takes the colour, over anything else adds it.
struct TTraceurEcran
{
    ICanevas& C;
    int W;
    TTraceurEcran(ICanevas& c, int w) : C(c), W(w) {}
    bool MeridienDedans(int xp, int) const { return xp < 35; }
    bool SagittalDedans(int x) const { return x > W - 70; }
    void Point(int x, int y, TColor couleur)
    {
        const TColor ancien = C.Pixels(x, y);
        if (ancien == CouleurIllisible)
            return;
        C.Pixels(x, y, ancien == clWhite ? couleur : (ancien | couleur));
    }
};

void BoitesEcran(ICanevas& c, int x0, int y0, int W, int H, double r)
{
    const int marque = static_cast<int>(Round(r));
    c.Stylo().Couleur = clBlack;
    c.Stylo().Style = TStyleStylo::Plein;
    c.Pinceau().Couleur = clWhite;
    c.Rectangle(x0 - 150, H - 70, x0 + 150, H);
    c.MoveTo(x0, H - 70);
    c.LineTo(x0, H);
    c.MoveTo(x0 - 140, H - 35);
    c.LineTo(x0 + 140, H - 35);
    for (int x : {x0 - 140, x0 + 140})
    {
        c.MoveTo(x, H - 35 - marque);
        c.LineTo(x, H - 35 + marque);
    }
    c.Rectangle(W - 70, y0 - 150, W, y0 + 150);
    c.MoveTo(W - 70, y0);
    c.LineTo(W, y0);
    c.MoveTo(W - 35, y0 - 140);
    c.LineTo(W - 35, y0 + 140);
    for (int y : {y0 - 140, y0 + 140})
    {
        c.MoveTo(W - 35 - marque, y);
        c.LineTo(W - 35 + marque, y);
    }
    c.Pinceau().Couleur = clBlack;
}

// The distance label, the box with the value and the text after the box; returns where the box sits.
int EcritDistanceEcran(TFenetreEtoiles& fenetre, ICanevas& c, int xm)
{
    const bool afocal = Validite.SystemeAfocal;
    const std::string etiquette = afocal ? "Distance à l'axe sur l'image = " : "Distance à l'axe = ";
    c.TextOut(xm, 5, etiquette);
    const int boite = xm + c.TextWidth(etiquette);
    const std::string valeur =
        afocal ? TexteDistanceAfocale(Reglages.DistanceAxeEtoile) : TexteDistanceEtoile(Reglages.DistanceAxeEtoile);
    if (fenetre.BoiteDistance != nullptr)
    {
        ICanevas& b = *fenetre.BoiteDistance;
        b.Stylo().Style = TStyleStylo::Transparent;
        b.Pinceau().Style = TStylePinceau::Plein;
        b.Pinceau().Couleur = clWhite;
        b.Rectangle(1, 1, 35, 15);
        b.Police().Nom = "Arial";
        b.Police().Couleur = clBlack;
        b.TextOut(35 - b.TextWidth(valeur), 1, valeur);
    }
    const std::string suite = afocal ? " = " + TexteAngleCiel(Rayon.AngleChamp) : TexteImageFocale();
    c.TextOut(boite + fenetre.LargeurBoiteDistance, 5, suite);
    return boite;
}

} // namespace

std::optional<std::string> TexteRapportStrehl(float rapport)
{
    if (rapport > 0.1f)
        return "Rapport de Strehl = " + FormateNombre(rapport, "0.##") + " ";
    if (rapport > 0.001f)
        return "Rapport de Strehl = " + FormateNombre(rapport, "0.000") + " ";
    return std::nullopt;
}

void PrepareDistanceEtoile()
{
    EtatEtoileUnique.MessageRayonPrincipalAffiche = false;
    EtatEtoileUnique.DistanceAxeEtoileValide = Reglages.DistanceAxeEtoile;
}

void DessineEtoileUnique(TFenetreEtoiles& fenetre)
{
    VerifieInstrument();
    VerifieDispositif();
    if (fenetre.Depart)
        return;
    fenetre.TransversalesVisible = true;
    const int zoom = Reglages.ZoomEtoileUnique;
    fenetre.ZoomArriereActif = zoom > 1;
    fenetre.ZoomAvantActif = zoom < 128;
    fenetre.TexteStatut = fenetre.RetourEtoileMultiple
                              ? "Double-clic sur l'image pour revenir en affichage Etoile Multiple"
                              : "Densité = " + std::to_string(2 * Reglages.DensiteEtoileUnique) + " rayons / diamètre";
    fenetre.BoiteDistanceVisible = false;
    fenetre.DessinVisible = EtoilesDessinables() && fenetre.Dessin != nullptr;
    if (!fenetre.DessinVisible)
        return;

    ICanevas& c = *fenetre.Dessin;
    const int W = c.Largeur();
    const int H = c.Hauteur();
    c.Police().Nom = "Arial";
    c.Police().Couleur = clWhite;
    c.Pinceau().Style = TStylePinceau::Plein;
    c.Pinceau().Couleur = clBlack;
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Epaisseur = 1;
    c.Stylo().Couleur = clWhite;
    c.FillRect(0, 0, W, H);

    PrepareEtoile(static_cast<float>(W * zoom / 800.0));
    const int x0 = W / 3;
    const int y0 = 275;
    Etoiles.AbscisseOrigine = x0;
    Etoiles.OrdonneeAxe = y0;
    DessineGraduationsEtoile(c, x0, y0, W, 5, 2, [](int) { return TTicksVisibles{}; });

    if (!ResoutSysteme())
        return;
    const double r = RayonAiryPixels();
    DessineCercleAiry(c, x0, y0, r);
    FixeAngleChamp(AngleChampEtoile(Reglages.DistanceAxeEtoile));
    if (fenetre.Transversales)
        BoitesEcran(c, x0, y0, W, H, r);

    const TVisee visee = ViseRayonPrincipal(Reglages.DistanceAxeEtoile);
    if (visee == TVisee::HorsChamp)
        return;
    if (visee == TVisee::Perdue)
    {
        // Shown once per failure: the next failing drawing draws on with the chief ray as found.
        if (!EtatEtoileUnique.MessageRayonPrincipalAffiche)
        {
            EtatEtoileUnique.MessageRayonPrincipalAffiche = true;
            Reglages.DistanceAxeEtoile = EtatEtoileUnique.DistanceAxeEtoileValide;
            AnnonceRayonCentralPerdu();
            return;
        }
        EtatEtoileUnique.MessageRayonPrincipalAffiche = false;
    }

    c.Stylo().Couleur = clWhite;
    c.Police().Couleur = clWhite;
    c.Pinceau().Couleur = clBlack;
    const int xm = static_cast<int>(Trunc(x0 * 1.1 + 30));
    c.TextOut(5, 5, Validite.SystemeAfocal ? TexteDivisionAfocale("'") : TexteDivisionFocale());
    fenetre.BoiteDistanceGauche = EcritDistanceEcran(fenetre, c, xm);
    fenetre.BoiteDistanceVisible = true;
    TextesDroite(c, W - 5, 5, 21);
    c.TextOut(xm, 21, Validite.SystemeAfocal ? TexteGrossissement() : TexteFocaleEcran());
    if (Reglages.DistanceAxeEtoile > 0.0)
    {
        c.MoveTo(30, y0 - 12);
        c.LineTo(5, y0 - 12);
        c.LineTo(10, y0 - 17);
        c.MoveTo(5, y0 - 12);
        c.LineTo(10, y0 - 7);
        c.TextOut(5, y0 - 30, "Foyer");
    }

    TTraceurEcran traceur(c, W);
    TImpactsGrille spot;
    spot.Prepare();
    const TBoitesTransversales boites{x0, H - 35, y0, W - 35, 280, 560};
    const bool fini = PassesEtoile(
        Reglages.DensiteEtoileUnique, true, CouleurPassageEcran,
        [&spot](const TImageRayon* image) { spot.Note(image); },
        [&](int px, int py) {
            PointOu(c, px, y0 + py, Etoiles.CouleurPassage);
            PointOu(c, px, y0 - py, Etoiles.CouleurPassage);
        },
        [&](int passe) {
            return !fenetre.Transversales ||
                   CourbesTransversales(boites, traceur, CouleurCourbe(passe, Etoiles.CouleurPassage, false));
        });
    if (!fini)
        return;

    c.Police().Couleur = clWhite;
    c.Pinceau().Couleur = clBlack;
    if (!Validite.SystemeAfocal && Systeme.NombreRayonsPasses > 0)
    {
        std::optional<float> rapport;
        if (!RapportStrehl(spot, rapport))
            return;
        if (rapport)
        {
            if (const auto texte = TexteRapportStrehl(*rapport))
                c.TextOut(W - c.TextWidth(*texte), 37, *texte);
        }
    }
    c.Stylo().Style = TStyleStylo::Plein;
    if (const auto texte = TexteDistorsion())
        c.TextOut(xm, 37, *texte);
    if (const auto texte = TexteLuminosite())
        c.TextOut(5, 21, *texte);
}

namespace {

// ---- Paper ----

// The curves on paper: squares of m dots painted over what is there.
struct TTraceurPapier
{
    ICanevas& C;
    const TCadreImpression& Cadre;
    int BasBoite; // the bottom box spans (BasBoite - b, BasBoite)
    int HautBoite;
    int DroiteBoite; // the right box spans (DroiteBoite - b, DroiteBoite)
    int b;
    int m;
    TTraceurPapier(ICanevas& c, const TCadreImpression& cadre, int bas, int droite, int largeur)
        : C(c), Cadre(cadre), BasBoite(bas), HautBoite(bas - largeur), DroiteBoite(droite), b(largeur),
          m(std::max(0, cadre.k / 3 - 1))
    {}
    bool MeridienDedans(int, int y) const { return HautBoite < y && y < BasBoite; }
    bool SagittalDedans(int x) const { return DroiteBoite - b < x && x < DroiteBoite; }
    void Point(int x, int y, TColor couleur)
    {
        C.Pinceau().Couleur = couleur;
        C.FillRect(x, y, x + m, y + m);
    }
};

} // namespace

void ImprimeEtoileUnique(IImprimante& imprimante, TPositionImpression& position, bool transversales)
{
    TCadreImpression cadre;
    if (!DebuteCadreImpression(imprimante, position, cadre))
        return;
    const auto termine = [&] { TermineCadreImpression(position, cadre); };
    ICanevas& c = imprimante.Canevas();
    const int LW = cadre.Largeur;
    const int HB = cadre.Hauteur;
    const int AC = cadre.Gauche;
    const int OC = cadre.Haut;
    const int L = cadre.Ligne;
    c.Police().Gras = false;
    // The screen's 11-pixel text scaled to the page as the whole block is: a size in points would grow with the
    // printer's resolution while the block does not.
    c.Police().FixeHauteur(-11 * cadre.k);
    c.Rectangle(AC, OC, AC + LW, OC + HB);

    const int x0 = LW / 3 + AC;
    const int y0 = HB / 2 + OC;
    Etoiles.AbscisseOrigine = x0;
    Etoiles.OrdonneeAxe = y0;
    PrepareEtoile(static_cast<float>(LW * Reglages.ZoomEtoileUnique / 800.0));
    DessineGraduationsEtoile(c, x0, y0, LW, (5 * L) / 16, (2 * L) / 16, [&](int a) {
        return TTicksVisibles{x0 + a<AC + LW, x0 - a> AC, y0 + a<OC + HB, y0 - a> OC};
    });

    if (!ResoutSysteme())
        return termine();
    const double r = RayonAiryPixels();
    FixeAngleChamp(AngleChampEtoile(Reglages.DistanceAxeEtoile));

    const int B = static_cast<int>(Round(HB * 6.0 / 11.0));
    const int b = static_cast<int>(Round(HB * 7.0 / 55.0));
    const int q = 14 * (B / 30);
    const int ya = OC + HB - b / 2;
    const int xa = AC + LW - b / 2;
    if (transversales)
    {
        const int marque = std::min(static_cast<int>(Round(r)), b / 2);
        c.Stylo().Couleur = clBlack;
        c.Stylo().Style = TStyleStylo::Plein;
        c.Pinceau().Couleur = clWhite;
        c.Rectangle(x0 - B / 2, OC + HB - b, x0 + B / 2, OC + HB);
        c.MoveTo(x0, OC + HB - b);
        c.LineTo(x0, OC + HB);
        c.MoveTo(x0 - q, ya);
        c.LineTo(x0 + q, ya);
        for (int x : {x0 - q, x0 + q})
        {
            c.MoveTo(x, ya - marque);
            c.LineTo(x, ya + marque);
        }
        c.Rectangle(AC + LW - b, y0 - B / 2, AC + LW, y0 + B / 2);
        c.MoveTo(AC + LW - b, y0);
        c.LineTo(AC + LW, y0);
        c.MoveTo(xa, y0 - q);
        c.LineTo(xa, y0 + q);
        for (int y : {y0 - q, y0 + q})
        {
            c.MoveTo(xa - marque, y);
            c.LineTo(xa + marque, y);
        }
        c.Pinceau().Couleur = cadre.Fond;
    }

    // A lost afocal chief ray ends the block silently: the message and the distance belong to the screen.
    if (ViseRayonPrincipal(Reglages.DistanceAxeEtoile) != TVisee::Trouvee)
        return termine();

    c.Stylo().Couleur = cadre.PremierPlan;
    c.Police().Couleur = cadre.PremierPlan;
    c.Pinceau().Couleur = cadre.Fond;
    const int ligne1 = OC + (5 * L) / 16;
    const int ligne2 = ligne1 + L;
    const int gauche = AC + (5 * L) / 16;
    const int milieu = x0 + position.MargeImpression;
    const bool afocal = Validite.SystemeAfocal;
    c.TextOut(gauche, ligne1, afocal ? TexteDivisionAfocale("'") : TexteDivisionFocale());
    c.TextOut(milieu, ligne1,
              afocal ? "Distance à l'axe sur l'image = " + TexteDistanceAfocale(Reglages.DistanceAxeEtoile) + " = " +
                           TexteAngleCiel(Rayon.AngleChamp)
                     : "Distance à l'axe = " + TexteDistanceEtoile(Reglages.DistanceAxeEtoile) + TexteImageFocale());
    TextesDroite(c, AC + LW - (5 * L) / 16, ligne1, ligne2);
    c.TextOut(milieu, ligne2, afocal ? TexteGrossissement() : TexteFocaleImprimee());
    if (Reglages.DistanceAxeEtoile > 1e-6)
    {
        const auto n = [L](int pixels) { return (pixels * L) / 16; };
        c.TextOut(AC + n(5), y0 - 2 * L, "Foyer");
        c.MoveTo(AC + n(30), y0 - n(12));
        c.LineTo(AC + n(5), y0 - n(12));
        c.LineTo(AC + n(10), y0 - n(17));
        c.MoveTo(AC + n(5), y0 - n(12));
        c.LineTo(AC + n(10), y0 - n(7));
    }

    TTraceurPapier traceur(c, cadre, OC + HB, AC + LW, b);
    TImpactsGrille spot;
    spot.Prepare();
    const TBoitesTransversales boites{x0, ya, y0, xa, 14.0 * (B / 30), 56 * (B / 30)};
    const bool fini = PassesEtoile(
        Reglages.DensiteEtoileUnique, true, [&cadre](int passe) { return CouleurPassageImprimee(passe, cadre); },
        [&spot](const TImageRayon* image) { spot.Note(image); },
        [&](int px, int py) {
            PointImprime(c, px, y0 + py, Etoiles.CouleurPassage, cadre.k, position.EpaisseurTraitImpression);
            PointImprime(c, px, y0 - py, Etoiles.CouleurPassage, cadre.k, position.EpaisseurTraitImpression);
        },
        [&](int passe) {
            return !transversales || boites.NombrePas <= 0 ||
                   CourbesTransversales(boites, traceur, CouleurCourbe(passe, Etoiles.CouleurPassage, true));
        });
    if (!fini)
        return termine();

    // Dashes of one step and gaps of three, the step a fraction of the turn set by the zoom.
    c.Stylo().Couleur = cadre.PremierPlan;
    c.Stylo().Epaisseur = position.EpaisseurTraitImpression;
    if (r > 0.0 && std::isfinite(r))
    {
        const double delta = 2.0 * Pi / std::max(Reglages.ZoomEtoileUnique, 1);
        for (double theta = 0.0; theta < 2.0 * Pi; theta += 4.0 * delta)
            CordeCercle(c, x0, y0, r, theta, theta + delta);
    }

    c.Police().Couleur = cadre.PremierPlan;
    c.Pinceau().Couleur = cadre.Fond;
    if (!afocal && Systeme.NombreRayonsPasses > 0)
    {
        std::optional<float> rapport;
        if (!RapportStrehl(spot, rapport))
            return termine();
        if (rapport)
        {
            if (const auto texte = TexteRapportStrehl(*rapport))
                c.TextOut(AC + LW - (5 * L) / 16 - c.TextWidth(*texte), OC + (37 * L) / 16, *texte);
        }
    }
    c.Stylo().Style = TStyleStylo::Plein;
    c.Pinceau().Couleur = cadre.Fond;
    if (const auto texte = TexteDistorsion())
        c.TextOut(milieu, OC + (37 * L) / 16, *texte);
    if (const auto texte = TexteLuminosite())
        c.TextOut(gauche, OC + (21 * L) / 16, *texte);
    termine();
}
