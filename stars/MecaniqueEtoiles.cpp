// The mechanics shared by the star views: gate, division, colour passes, chief ray and aiming, ray images,
// plotting, Airy circle, texts and the printed frame.
#include "stars/MecaniqueEtoiles.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <numbers>

#include "optics/Diffraction.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/TraceRayon.h"
#include "platform/Bip.h"
#include "platform/Format.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double MinuteArc = Pi / 10800.0;

int NombreDioptresSur()
{
    return std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
}

double AsinBorne(double x)
{
    return std::asin(std::clamp(x, -1.0, 1.0));
}

bool EstForme(std::initializer_list<TTypeInstrument> formes)
{
    return std::find(formes.begin(), formes.end(), Instrument.TypeInstrument) != formes.end();
}

// The curved image surface: the sphere centred on the axis at the primary's centre of curvature through the
// instrument's focus moved by the focus shift. Gives the hit of the current ray, z from the sphere's centre.
bool ImpactChampCourbe(std::array<double, 3>& impact)
{
    const double R = Instrument.RayonCourburePrimaire;
    const double rho = R - Instrument.FocalePrimaire - Systeme.DecalageFoyer;
    const double zr = Rayon.ZRayon - R;
    const double b = 2.0 * (Rayon.XRayon * Rayon.LRayon + Rayon.YRayon * Rayon.MRayon + zr * Rayon.NRayon);
    const double c = Rayon.XRayon * Rayon.XRayon + Rayon.YRayon * Rayon.YRayon + zr * zr - rho * rho;
    const double discriminant = b * b - 4.0 * c;
    if (!(discriminant >= 0.0))
    {
        Rayon.RayonBloque = true;
        MessageBeep(BipDefaut);
        return false;
    }
    const double t = (-b - std::sqrt(discriminant)) / 2.0;
    impact = {Rayon.XRayon + t * Rayon.LRayon, Rayon.YRayon + t * Rayon.MRayon, zr + t * Rayon.NRayon};
    return true;
}

double PlanImage()
{
    return Systeme.PositionFoyer + Systeme.DecalageFoyer;
}

void TraceRayonPrincipal()
{
    EffaceDrapeauxRayon();
    TraceRayon();
}

} // namespace

bool EtoilesDessinables()
{
    return Validite.InstrumentValide && !Systeme.CalculEchoue &&
           (Validite.DispositifValide || !Validite.DispositifPresent);
}

int GraduationPourZoom(int zoom)
{
    if (zoom <= 2)
        return 10;
    if (zoom <= 8)
        return 5;
    return 1;
}

void FixeSystemeAfocal()
{
    Validite.SystemeAfocal = EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[NombreDioptresSur()]);
}

void ChoisitNombreCouleurs()
{
    const bool verreInstrument =
        EstForme({TTypeInstrument::Schmidt, TTypeInstrument::SchmidtCassegrain, TTypeInstrument::Maksutov,
                  TTypeInstrument::MaksutovNewton, TTypeInstrument::MaksutovCassegrain, TTypeInstrument::Lunette,
                  TTypeInstrument::KlevtsovCassegrain, TTypeInstrument::LurieHoughton,
                  TTypeInstrument::HoughtonCassegrain, TTypeInstrument::SchmidtNewton}) &&
        !Validite.DispositifPresent && (Validite.DispositifValide || Validite.InstrumentValide);
    const bool trois = Reglages.AnalyseChromatique && Validite.CouleursInstrumentCompletes &&
                       ((Validite.DispositifValide && Validite.TroisCouleursPossibles) || verreInstrument);
    Systeme.NombreCouleurs = trois ? 3 : 1;
}

bool ResoutSystemeEtoiles()
{
    AppliqueIndices();
    Rayon.EstRayonReference = true;
    PrepareSysteme();
    if (Systeme.CalculInterrompu)
        return false;
    CalculeTacheDiffraction();
    return true;
}

void ChargeIndicesCouleur(int passe)
{
    const auto& dispositif = passe == 2   ? Dispositif.IndiceRouge
                             : passe == 3 ? Dispositif.IndiceBleu
                                          : Dispositif.IndiceVert;
    const auto& groupe = passe == 2   ? Groupe.IndiceRougeGroupe
                         : passe == 3 ? Groupe.IndiceBleuGroupe
                                      : Groupe.IndiceVertGroupe;
    for (int k = 0; k <= NombreDioptresSur() + 1; ++k)
        Dispositif.IndiceTrace[k] = dispositif[k];
    for (int k = 1; k <= NombreMaxDioptresGroupe; ++k)
        Groupe.IndiceTraceGroupe[k] = groupe[k];
    Groupe.IndiceTraceGroupe[0] = Groupe.IndiceVertGroupe[0];
}

TColor CouleurPassageEcran(int passe)
{
    if (passe == 2)
        return clRed;
    if (passe == 3)
        return clBlue;
    return Systeme.NombreCouleurs == 1 ? clWhite : clLime;
}

int DensiteUtile(int densite)
{
    return std::max(densite, 1);
}

double AngleChampEtoile(double distance)
{
    if (Validite.SystemeAfocal)
        return Systeme.GrossissementAfocal != 0.0 ? distance * Pi / 180.0 / Systeme.GrossissementAfocal : 0.0;
    return distance * MinuteArc;
}

void FixeAngleChamp(double angle)
{
    Rayon.AngleChamp = angle;
    Rayon.SinusAngleChamp = std::sin(angle);
    Rayon.CosinusAngleChamp = std::cos(angle);
}

TVisee ViseRayonPrincipal(double distance)
{
    Rayon.XDepart = 0.0;
    Rayon.YDepart = 0.0;
    Rayon.EstRayonReference = true;
    TraceRayonPrincipal();
    double& h = Systeme.HauteurImagePrincipale;
    if (Validite.SystemeAfocal)
    {
        if (Rayon.AngleChamp == 0.0)
        {
            h = 0.0;
        }
        else
        {
            h = AsinBorne(Rayon.LRayon);
            Etoiles.AngleVise = distance * Pi / 180.0;
            // The field angle scales by the square root of the ratio still to go; a step that cannot be computed,
            // or an aiming that does not settle within its bound, counts as a chief ray lost.
            bool atteint = false;
            for (int pas = 0; pas < LimiteVisee; ++pas)
            {
                const double u = std::abs(Rayon.AngleChamp * std::sqrt(std::abs(Etoiles.AngleVise / h)));
                if (!std::isfinite(u))
                    break;
                FixeAngleChamp(u);
                TraceRayonPrincipal();
                if (Rayon.RayonPerdu)
                    break;
                h = AsinBorne(Rayon.LRayon);
                if (std::abs(Etoiles.AngleVise - std::abs(h)) <= 1e-7)
                {
                    atteint = true;
                    break;
                }
            }
            if (!atteint)
                Rayon.RayonPerdu = true;
        }
    }
    else if (!Instrument.ChampCourbe)
    {
        h = Rayon.XRayon + Rayon.LRayon * (PlanImage() - Rayon.ZRayon) / Rayon.NRayon;
    }
    else
    {
        if (!ImpactChampCourbe(Etoiles.PointImagePrincipal))
            return TVisee::HorsChamp;
        const double rayon = Instrument.RayonCourburePrimaire - Instrument.FocalePrimaire;
        h = rayon * AsinBorne(Etoiles.PointImagePrincipal[0] / rayon);
    }
    Etoiles.SigneImage = h > 0.0 ? 1 : -1;
    return Validite.SystemeAfocal && Rayon.RayonPerdu ? TVisee::Perdue : TVisee::Trouvee;
}

bool ImageRayon(TImageRayon& image)
{
    if (Validite.SystemeAfocal)
    {
        image.Meridien = AsinBorne(Rayon.LRayon) - Systeme.HauteurImagePrincipale;
        image.Sagittal = AsinBorne(Rayon.MRayon);
        image.Hauteur = Rayon.LRayon;
    }
    else if (!Instrument.ChampCourbe)
    {
        const double t = (PlanImage() - Rayon.ZRayon) / Rayon.NRayon;
        Etoiles.XImage = Rayon.XRayon + t * Rayon.LRayon;
        Etoiles.YImage = Rayon.YRayon + t * Rayon.MRayon;
        image.Meridien = Etoiles.XImage - Systeme.HauteurImagePrincipale;
        image.Sagittal = Etoiles.YImage;
        image.Hauteur = Etoiles.XImage;
    }
    else
    {
        std::array<double, 3> impact{};
        if (!ImpactChampCourbe(impact))
            return false;
        Etoiles.YImage = impact[1] - Etoiles.PointImagePrincipal[1];
        Etoiles.XImage = (impact[0] - Etoiles.PointImagePrincipal[0]) / Rayon.CosinusAngleChamp;
        image.Meridien = Etoiles.XImage;
        image.Sagittal = Etoiles.YImage;
        image.Hauteur = impact[0];
    }
    return true;
}

double FacteurPixels()
{
    return Validite.SystemeAfocal ? Etoiles.EchelleDessin / MinuteArc : 100.0 * Etoiles.EchelleDessin;
}

int EntierPixel(double valeur)
{
    constexpr double limite = 1e8;
    if (std::isnan(valeur))
        return static_cast<int>(limite);
    return static_cast<int>(std::trunc(std::clamp(valeur, -limite, limite)));
}

int NombreRayonsGrille(int densite, bool intervalleFerme)
{
    int rayons = 0;
    ParcourtPupille(densite, intervalleFerme, [&rayons](int) {
        ++rayons;
        return true;
    });
    return rayons;
}

void EffaceDrapeauxGrille()
{
    EffaceDrapeauxRayon();
    Rayon.RayonOcculte = false;
    Rayon.ManqueSecondaire = false;
    Rayon.DansOmbreSecondaire = false;
}

void TraceRayonGrille()
{
    EffaceDrapeauxGrille();
    TraceRayon();
}

void PointOu(ICanevas& canevas, int x, int y, TColor couleur)
{
    const TColor ancien = canevas.Pixels(x, y);
    if (ancien != CouleurIllisible)
        canevas.Pixels(x, y, ancien | couleur);
}

void PointImprime(ICanevas& canevas, int x, int y, TColor couleur, int k, int epaisseur)
{
    const int m = std::max(0, k / 3 - 1);
    canevas.Stylo().Epaisseur = 1;
    canevas.Stylo().Couleur = couleur;
    canevas.Pinceau().Couleur = couleur;
    const bool traits = couleur == clRed || couleur == clLime || couleur == clBlue;
    const int decalage = couleur == clRed ? 1 : couleur == clBlue ? -1 : 0;
    if (traits)
    {
        for (int j = 0; j <= m; ++j)
        {
            canevas.MoveTo(x + decalage + 3 * j, y);
            canevas.LineTo(x + decalage + 3 * j, y + k);
        }
    }
    else
    {
        for (int j = 0; j <= m; ++j)
            canevas.Rectangle(x, y, x + k, y + k);
    }
    canevas.Stylo().Epaisseur = epaisseur;
}

void DessineCercleAiry(ICanevas& canevas, int x0, int y0, double r)
{
    if (!(r > 0.0) || !std::isfinite(r))
        return;
    // The circle reaches the canvas only between its nearest and farthest points from the centre: a radius of
    // billions of pixels around a star on the canvas draws nothing, where its chords once took minutes.
    const double largeur = canevas.Largeur();
    const double hauteur = canevas.Hauteur();
    const double proche = std::hypot(x0 - std::clamp<double>(x0, 0, largeur), y0 - std::clamp<double>(y0, 0, hauteur));
    const double loin = std::hypot(std::max<double>(std::abs(x0), std::abs(largeur - x0)),
                                   std::max<double>(std::abs(y0), std::abs(hauteur - y0)));
    if (r + 1.0 < proche || r - 1.0 > loin)
        return;
    // Dashes and gaps of about 4.4 pixels whatever the radius: chord k spans k p to k p + delta, p = 2 delta.
    const double delta = (500.0 / r) * (Pi / 2.0) / 180.0;
    const double pas = 2.0 * delta;
    const auto cordes = static_cast<long long>(std::ceil(2.0 * Pi / pas));
    long long premiere = 0;
    long long derniere = cordes - 1;
    const double diagonale = std::hypot(largeur, hauteur);
    if (r > 4.0 * diagonale)
    {
        // A centre far off the canvas: only the chords of the turn that faces the canvas, which lies within half a
        // diagonal of its middle, can show.
        const double mx = largeur / 2.0 - x0;
        const double my = hauteur / 2.0 - y0;
        const double demiAngle = std::asin(std::min(1.0, (diagonale / 2.0 + 2.0) / std::hypot(mx, my)));
        const double milieu = std::atan2(my, mx);
        premiere = static_cast<long long>(std::floor((milieu - demiAngle) / pas)) - 1;
        derniere = static_cast<long long>(std::ceil((milieu + demiAngle) / pas)) + 1;
    }
    for (long long k = premiere; k <= derniere; ++k)
    {
        const double theta = static_cast<double>(((k % cordes) + cordes) % cordes) * pas;
        CordeCercle(canevas, x0, y0, r, theta, theta + delta);
    }
}

void CordeCercle(ICanevas& canevas, int x0, int y0, double r, double a, double b)
{
    canevas.MoveTo(x0 + EntierPixel(std::nearbyint(r * std::cos(a))),
                   y0 + EntierPixel(std::nearbyint(r * std::sin(a))));
    canevas.LineTo(x0 + EntierPixel(std::nearbyint(r * std::cos(b))),
                   y0 + EntierPixel(std::nearbyint(r * std::sin(b))));
}

double RayonAiryPixels()
{
    return Validite.SystemeAfocal ? Systeme.RayonAiryImage * Etoiles.EchelleDessin
                                  : Systeme.RayonAiryImage * Etoiles.EchelleDessin / 10.0;
}

std::string TexteAngleCiel(double angle)
{
    const double minutes = angle * 180.0 / Pi * 60.0;
    if (minutes > 2.0)
        return FormateNombre(minutes, "0.00") + "' sur le ciel";
    return FormateNombre(minutes * 60.0, "0.00") + "\" sur le ciel";
}

std::string TexteFocaleEcran()
{
    const TInstrument& I = Instrument;
    std::string texte = Validite.DispositifPresent
                            ? "Distance focale résultante = " + FormateNombre(I.FocaleEffective, "0.0") + " mm"
                            : "Distance focale = " + FormateNombre(I.FocaleObjectif, "0.0") + " mm";
    if (I.FocaleObjectif > 1.0 && Validite.DispositifPresent && !Validite.SansSecondaire)
    {
        const bool parPrimaire = EstForme({TTypeInstrument::Newton, TTypeInstrument::Schmidt,
                                           TTypeInstrument::LurieHoughton, TTypeInstrument::SchmidtNewton});
        const double diviseur = parPrimaire ? I.FocalePrimaire : I.FocaleResultante;
        if (diviseur != 0.0)
            texte += " = F x " + FormateNombre(I.FocaleEffective / diviseur, "0.00");
    }
    return texte;
}

std::string TexteFocaleImprimee()
{
    const TInstrument& I = Instrument;
    if (!Validite.DispositifPresent)
        return "Distance focale = " + FormateNombre(I.FocaleObjectif, "0.0") + " mm";
    std::string texte = "Distance focale résultante = " + FormateNombre(I.FocaleEffective, "0.0") + " mm";
    if (I.FocaleObjectif != 0.0)
        texte += " = F x " + FormateNombre(I.FocaleEffective / I.FocaleObjectif, "0.00");
    return texte;
}

std::string TexteGrossissement()
{
    const double G = Systeme.GrossissementAfocal;
    std::string texte = "Grossissement = " + FormateNombre(G, "0.0");
    if (G != 0.0)
        texte += " = F/" + FormateNombre(Instrument.FocaleObjectif / G, "0.0") + " mm";
    return texte;
}

std::string TexteDivisionFocale()
{
    const double g = Etoiles.GraduationEtoile;
    const double secondes =
        Instrument.FocaleEffective != 0.0 ? std::atan(g / 100.0 / Instrument.FocaleEffective) / MinuteArc * 60.0 : 0.0;
    return "1 division = " + FormateNombre(g / 100.0, "0.00") + " mm = " + FormateNombre(secondes, "0.00") + "\"";
}

std::string TexteDivisionAfocale(const std::string& minute)
{
    const int g = Etoiles.GraduationEtoile;
    const double G = Systeme.GrossissementAfocal;
    return "1 division = " + std::to_string(g) + minute +
           " sur l'image = " + FormateNombre(G != 0.0 ? g * 60.0 / G : 0.0, "0.00") + "\" sur le ciel";
}

bool DebuteCadreImpression(IImprimante& imprimante, TPositionImpression& position, TCadreImpression& cadre)
{
    if (!EtoilesDessinables())
        return false;
    ICanevas& c = imprimante.Canevas();
    cadre.k = std::max(1, (imprimante.LargeurPage() - 2 * position.MargeImpression) / 762);
    cadre.Hauteur = 550 * cadre.k;
    cadre.Largeur = 762 * cadre.k;
    cadre.Ligne = 16 * cadre.Largeur / 762;
    if (imprimante.HauteurPage() - position.OrdonneeCourante < cadre.Hauteur)
    {
        imprimante.NouvellePage();
        const std::size_t barre = position.CheminDocument.find_last_of("/\\");
        const std::string nom =
            barre == std::string::npos ? position.CheminDocument : position.CheminDocument.substr(barre + 1);
        if (!nom.empty())
        {
            c.Police().Couleur = clBlack;
            c.Pinceau().Couleur = clWhite;
            c.TextOut(0, 0, "Suite de : " + nom);
        }
        position.OrdonneeCourante = cadre.Ligne;
    }
    position.OrdonneeCourante += cadre.Ligne;
    position.AbscisseCourante = (imprimante.LargeurPage() - cadre.Largeur) / 2;
    cadre.Gauche = position.AbscisseCourante;
    cadre.Haut = position.OrdonneeCourante;
    cadre.Fond = Reglages.ImpressionFondNoir ? clBlack : clWhite;
    cadre.PremierPlan = Reglages.ImpressionFondNoir ? clWhite : clBlack;
    c.Police().Nom = "Arial";
    c.Police().Couleur = cadre.PremierPlan;
    c.Stylo().Couleur = cadre.PremierPlan;
    c.Stylo().Style = TStyleStylo::Plein;
    c.Stylo().Epaisseur = position.EpaisseurTraitImpression;
    c.Pinceau().Couleur = cadre.Fond;
    c.Pinceau().Style = TStylePinceau::Plein;
    return true;
}

void TermineCadreImpression(TPositionImpression& position, const TCadreImpression& cadre)
{
    position.AbscisseCourante = position.MargeImpression;
    position.OrdonneeCourante += cadre.Hauteur + cadre.Ligne;
}

TColor CouleurPassageImprimee(int passe, const TCadreImpression& cadre)
{
    if (Systeme.NombreCouleurs == 1 || !Reglages.ImpressionCouleur)
        return cadre.PremierPlan;
    return passe == 2 ? clRed : passe == 3 ? clBlue : clLime;
}

void TraceGroupesPupille(std::span<const TGroupePupille> groupes, int fils, std::vector<TRayonVu>& vus)
{
    std::vector<std::size_t> debuts(groupes.size());
    std::size_t rayons = 0;
    for (std::size_t g = 0; g < groupes.size(); ++g)
    {
        debuts[g] = rayons;
        rayons += static_cast<std::size_t>(groupes[g].Nombre);
    }
    vus.resize(rayons);
    // Every ray's trace depends on nothing but its pupil point and the state the walk started from, so the helper
    // threads take runs of groups as they come free, from a copy of that state. The calling thread takes runs too,
    // then the last one, after which its records are those the walk leaves when one thread traces every ray.
    const TRayon depart = Rayon;
    constexpr std::size_t suite = 64;
    const std::size_t dernier = groupes.size() - std::min(groupes.size(), suite);
    std::vector<std::array<double, NombreMaxDioptres + 1>> maxima(static_cast<std::size_t>(std::max(fils, 1)));
    std::atomic<std::size_t> suivant{0};
    const auto trace = [&](std::size_t a, std::size_t b) {
        for (std::size_t g = a; g < b; ++g)
        {
            TRayonVu* const vu = vus.data() + debuts[g];
            TraceGroupePupille(groupes[g].Y, groupes[g].X.data(), groupes[g].Nombre, [vu](int k, const TRayon& r) {
                vu[k] = {r.XRayon, r.YRayon, r.ZRayon, r.LRayon, r.MRayon, r.NRayon, r.RayonBloque, r.RayonPerdu};
                return true;
            });
        }
    };
    const auto prend = [&](std::size_t fil) {
        if (fil > 0)
        {
            TraceAuxiliaire = true;
            Rayon = depart;
        }
        for (std::size_t a = suivant.fetch_add(suite); a < dernier; a = suivant.fetch_add(suite))
            trace(a, std::min(a + suite, dernier));
        maxima[fil] = Rayon.CarreDistanceAxeMaximal;
    };
    {
        std::vector<std::jthread> aides;
        for (std::size_t fil = 1; fil < maxima.size(); ++fil)
            aides.emplace_back(prend, fil);
        prend(0);
    }
    trace(dernier, groupes.size());
    // The running maxima of one thread walking every ray: the largest over all of them.
    for (const auto& m : maxima)
        for (std::size_t i = 0; i < m.size(); ++i)
            Rayon.CarreDistanceAxeMaximal[i] = std::max(Rayon.CarreDistanceAxeMaximal[i], m[i]);
}
