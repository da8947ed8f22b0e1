// The diameter optimisation of the lens device.
#include "optics/OptimisationDiametres.h"

#include "optics/GardeCalcul.h"
#include "optics/Initialisation.h"
#include "optics/Noyaux.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace {

constexpr double MargeDiametre = 0.2; // mm added to the beam's width
constexpr double ToleranceVisee = 1e-7; // radians of apparent field

void PoseAngle(double angle)
{
    Rayon.AngleChamp = angle;
    Rayon.SinusAngleChamp = std::sin(angle);
    Rayon.CosinusAngleChamp = std::cos(angle);
}

double ArcSinus(double x)
{
    return std::asin(std::clamp(x, -1.0, 1.0));
}

// The chief ray from the pupil's centre at the distance's field angle; an afocal device is aimed until the ray
// leaves it at the wanted apparent angle. Leaves the field angle in `Rayon` for the beam.
TRefusOptimisation ViseRayonPrincipal(double distance, bool afocal)
{
    TRayon& r = Rayon;
    const double diviseur = afocal ? Systeme.GrossissementAfocal : Instrument.FocaleEffective;
    double angle = 0;
    if (distance != 0)
    {
        if (!std::isfinite(diviseur) || diviseur == 0)
            return TRefusOptimisation::Impossible;
        angle = afocal ? distance * std::numbers::pi / 180 / diviseur : std::atan(distance / diviseur);
    }
    PoseAngle(angle);
    r.XDepart = 0;
    r.YDepart = 0;
    TraceRayon();
    if (!afocal || angle == 0 || r.RayonPerdu)
        return r.RayonPerdu ? TRefusOptimisation::ReflexionTotale : TRefusOptimisation::Aucun;

    const double vise = distance * std::numbers::pi / 180;
    double hauteur = ArcSinus(r.LRayon);
    for (int essai = 0; essai < VisesOptimisationMaximales; ++essai)
    {
        // An exit along the axis gives no ratio to correct the angle by.
        if (hauteur == 0 || !std::isfinite(hauteur))
            return TRefusOptimisation::Impossible;
        angle = std::abs(angle * std::sqrt(std::abs(vise / hauteur)));
        PoseAngle(angle);
        TraceRayon();
        if (r.RayonPerdu)
            return TRefusOptimisation::ReflexionTotale;
        hauteur = ArcSinus(r.LRayon);
        if (std::abs(vise - std::abs(hauteur)) <= ToleranceVisee)
            return TRefusOptimisation::Aucun;
    }
    return TRefusOptimisation::Impossible;
}

enum class TCouleur
{
    Vert,
    Rouge,
    Bleu
};

// The indices the tracer reads, for one colour.
void IndicesCouleur(TCouleur couleur, int n)
{
    TDioptre& d = Dispositif;
    TDioptreGroupe& g = Groupe;
    const auto& dispositif = couleur == TCouleur::Vert    ? d.IndiceVert
                             : couleur == TCouleur::Rouge ? d.IndiceRouge
                                                          : d.IndiceBleu;
    const auto& groupe = couleur == TCouleur::Vert    ? g.IndiceVertGroupe
                         : couleur == TCouleur::Rouge ? g.IndiceRougeGroupe
                                                      : g.IndiceBleuGroupe;
    for (std::size_t k = 0; k <= static_cast<std::size_t>(n) + 1; ++k)
        d.IndiceTrace[k] = dispositif[k];
    for (std::size_t i = 1; i <= NombreMaxDioptresGroupe; ++i)
        g.IndiceTraceGroupe[i] = groupe[i];
}

// The five rays of the beam in the colour set; the largest distances from the axis gather in the ray's record.
TRefusOptimisation TraceFaisceau()
{
    TRayon& r = Rayon;
    const double f = Systeme.DistanceAxeRayonFoyer * Instrument.DiametreEntree;
    const double bord = Instrument.DiametreEntree / 2;
    const double departs[] = {0, f, -f, bord, -bord};
    for (std::size_t k = 0; k < std::size(departs); ++k)
    {
        r.RayonBloque = false;
        r.RayonOcculte = false;
        r.ManqueSecondaire = false;
        r.ArretDispositif = false;
        r.XDepart = departs[k];
        r.YDepart = 0;
        TraceRayon();
        if (k == 0 && r.ManqueSecondaire)
            return TRefusOptimisation::BordSecondaire;
        if (r.RayonPerdu)
            return TRefusOptimisation::ReflexionTotale;
        // Only the rays below the axis are tested against the secondary's edge, the beam being symmetric.
        if ((k == 2 || k == 4) && r.ManqueSecondaire)
            return TRefusOptimisation::BordSecondaire;
    }
    return TRefusOptimisation::Aucun;
}

bool Air(std::size_t milieu)
{
    return Dispositif.IndiceVert[milieu] < Reglages.IndiceLimite;
}

// Whether the device can take the new diameters: every sphere spans its diameter, every thickness keeps the faces
// apart.
bool DiametresPossibles(const std::array<double, NombreMaxDioptres + 1>& D, int n)
{
    const TDioptre& d = Dispositif;
    const auto& R = d.RayonDioptre;
    const auto& e = d.EpaisseurDioptre;
    for (std::size_t j = 1; j <= static_cast<std::size_t>(n); ++j)
    {
        if (2 * std::abs(R[j]) < D[j])
            return false;
        if (j == 1)
            continue;
        if (e[j - 1] < CalculeEpaisseurMinimale(Air(j), R[j - 1], R[j], D[j - 1], D[j]))
            return false;
        const double suivante =
            j < static_cast<std::size_t>(n) ? CalculeEpaisseurMinimale(Air(j + 1), R[j], R[j + 1], D[j], D[j + 1]) : 0;
        if (e[j] < suivante)
            return false;
    }
    return true;
}

TOptimisationDiametres Optimise(double distance, int n)
{
    TOptimisationDiametres resultat;
    TRayon& r = Rayon;
    AppliqueIndices();
    r.RayonPerdu = false;
    r.EstRayonReference = true;
    PrepareSysteme();
    if (Systeme.CalculInterrompu)
    {
        resultat.Refus = TRefusOptimisation::Impossible;
        return resultat;
    }
    resultat.Refus = ViseRayonPrincipal(distance, Validite.SystemeAfocal);
    if (resultat.Refus != TRefusOptimisation::Aucun)
        return resultat;

    r.EstRayonReference = false;
    for (double& carre : r.CarreDistanceAxeMaximal)
        carre = 0;
    r.ManqueSecondaire = false;
    for (TCouleur couleur : {TCouleur::Vert, TCouleur::Rouge, TCouleur::Bleu})
    {
        if (couleur != TCouleur::Vert && !Validite.TroisCouleursPossibles)
            break;
        IndicesCouleur(couleur, n);
        resultat.Refus = TraceFaisceau();
        if (resultat.Refus != TRefusOptimisation::Aucun)
            return resultat;
    }

    std::array<double, NombreMaxDioptres + 1> diametres{};
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i)
        diametres[i] = 2 * std::sqrt(r.CarreDistanceAxeMaximal[i]) + MargeDiametre;
    if (!DiametresPossibles(diametres, n))
    {
        resultat.Refus = TRefusOptimisation::EpaisseurInsuffisante;
        return resultat;
    }
    resultat.Diametres = diametres;
    return resultat;
}

} // namespace

TOptimisationDiametres OptimiseDiametres(double distance)
{
    const TGardeCalcul garde;
    const bool dispositifActif = Rayon.DispositifActif;
    Rayon.DispositifActif = true;
    const TOptimisationDiametres resultat = Optimise(distance, NombreSurfacesDispositif());
    // The views trace in green after this.
    AppliqueIndices();
    Rayon.DispositifActif = dispositifActif;
    return resultat;
}
