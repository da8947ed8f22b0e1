// Relative illumination: two rim rays per colour give the beam's width and centre on each aperture,
// a closed-form disc overlap gives the share each aperture cuts, and the forms adjust for what the
// meridional rays cannot see (central hole, device shade, mirror edge, flat).
#include "optics/Eclairement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "optics/DiametreDispositif.h"
#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "optics/TraceSchmidt.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double RimPerdu = -100.0;
constexpr double LargeurMinimale = 0.01; // a beam of zero width on an aperture counts as 0.01 mm

double AngleBorne(double cosinus)
{
    return std::acos(std::clamp(cosinus, -1.0, 1.0));
}

// The lens area shared by two discs of radii a and b, centres d apart, when their edges cross.
double LentilleCommune(double a, double b, double d)
{
    const double alpha = AngleBorne((a * a + d * d - b * b) / (2.0 * a * d));
    const double beta = AngleBorne((a * a + b * b - d * d) / (2.0 * a * b));
    return Pi * b * b - (d * a * std::sin(alpha) + b * b * (alpha + beta) - a * a * alpha);
}

// The ray inputs the views set, given back after the illumination's own rays.
struct TEntreesRayon
{
    double Angle, Sinus, Cosinus, X, Y;
    bool Reference;
};

TEntreesRayon LitEntrees()
{
    return {Rayon.AngleChamp, Rayon.SinusAngleChamp, Rayon.CosinusAngleChamp,
            Rayon.XDepart,    Rayon.YDepart,         Rayon.EstRayonReference};
}

void RendEntrees(const TEntreesRayon& e)
{
    Rayon.AngleChamp = e.Angle;
    Rayon.SinusAngleChamp = e.Sinus;
    Rayon.CosinusAngleChamp = e.Cosinus;
    Rayon.XDepart = e.X;
    Rayon.YDepart = e.Y;
    Rayon.EstRayonReference = e.Reference;
}

int NombreDioptresSur()
{
    return std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
}

// Working indices of one colour: 0 green, 1 red, 2 blue.
void AppliqueCouleur(int couleur)
{
    const auto& dispositif = couleur == 0   ? Dispositif.IndiceVert
                             : couleur == 1 ? Dispositif.IndiceRouge
                                            : Dispositif.IndiceBleu;
    const auto& groupe = couleur == 0   ? Groupe.IndiceVertGroupe
                         : couleur == 1 ? Groupe.IndiceRougeGroupe
                                        : Groupe.IndiceBleuGroupe;
    for (int k = 0; k <= NombreDioptresSur() + 1; ++k)
        Dispositif.IndiceTrace[k] = dispositif[k];
    Groupe.IndiceTraceGroupe = groupe;
}

bool EstForme(std::initializer_list<TTypeInstrument> formes)
{
    return std::find(formes.begin(), formes.end(), Instrument.TypeInstrument) != formes.end();
}

bool AvecSecondaire(double seuil)
{
    return Instrument.DiametreSecondaire * Instrument.DistanceSecondaireFoyer > seuil;
}

// The chief ray of the field point, as a reference ray so that no obstruction hides it.
void TraceRayonPrincipal()
{
    Rayon.XDepart = 0.0;
    Rayon.YDepart = 0.0;
    Rayon.EstRayonReference = true;
    EffaceDrapeauxRayon();
    TraceRayon();
}

// Heights of the upper and lower rim rays: at the secondary's plane (element 0) and on each device
// surface. False when a rim ray is lost.
using THauteurs = std::array<double, NombreMaxDioptres + 1>;

bool TraceBords(double demiPupille, THauteurs& haut, THauteurs& bas)
{
    for (int cote = 0; cote < 2; ++cote)
    {
        THauteurs& hauteurs = cote == 0 ? haut : bas;
        const double x = cote == 0 ? demiPupille : -demiPupille;
        Rayon.XDepart = x;
        Rayon.YDepart = 0.0;
        EffaceDrapeauxRayon();
        TraceRayonBord();
        if (Rayon.RayonPerdu)
            return false;
        hauteurs = Rayon.HauteurBord;
        hauteurs[0] = std::copysign(std::sqrt(Rayon.CarreDistanceAxe[0]), x);
    }
    return true;
}

// Illumination of one colour from its rim heights: the largest share an aperture cuts from the
// unit beam, and the central obstruction.
double EclairementCouleur(const THauteurs& haut, const THauteurs& bas, double obstruction)
{
    double coupe = 0.0;
    const auto coupeOuverture = [&](int j, double rayonOuverture) {
        double w = std::abs(haut[j] - bas[j]) / 2.0;
        if (w <= 1e-6)
            w = LargeurMinimale;
        const double decentrement = std::abs(haut[j] + bas[j]) / 2.0 / w;
        coupe = std::max(coupe, AireRecouvrement(rayonOuverture / w, 1.0, decentrement));
    };
    if (AvecSecondaire(1e-6))
        coupeOuverture(0, Instrument.DiametreSecondaire / 2.0);
    if (Validite.DispositifPresent)
    {
        for (int j = 1; j <= NombreDioptresSur(); ++j)
            coupeOuverture(j, Dispositif.DiametreDioptre[j] / 2.0);
    }
    return std::max(0.0, (Pi - coupe - obstruction) / Pi);
}

double Obstruction(double pupille)
{
    const bool trouCompte =
        EstForme({TTypeInstrument::Cassegrain, TTypeInstrument::RitcheyChretien, TTypeInstrument::Gregory,
                  TTypeInstrument::MaksutovCassegrain, TTypeInstrument::DallKirkham});
    if (trouCompte && Instrument.DiametreTrouCentral > Instrument.DiametreSecondaire)
    {
        return Pi * std::pow(Instrument.DiametreTrouCentral / pupille, 2);
    }
    if (AvecSecondaire(1e-6))
        return Pi * Instrument.RayonObstructionCarre / std::pow(pupille / 2.0, 2);
    return 0.0;
}

// The hole's edge cuts the beam once the chief ray crosses the hole's plane far enough off axis.
void AjusteTrou(double& eclairement)
{
    const double demiTrou = Instrument.DiametreTrouCentral / 2.0;
    const double ouverture = demiTrou + Systeme.RayonFaisceauTrou;
    if (Instrument.DiametreTrouCentral <= 1e-6 || ouverture <= 0.0)
        return;
    TraceRayonPrincipal();
    const double h = std::abs(Rayon.HauteurTrou);
    if (h > demiTrou - Systeme.RayonFaisceauTrou)
        eclairement = std::max(0.0, (ouverture - h) / ouverture);
}

// The refractor: the beam of the field point against the on-axis beam on each objective surface.
double EclairementLunette(const TEntreesRayon& champ)
{
    const int n = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    Rayon.XDepart = Instrument.DiametreObjectif / 2.0;
    Rayon.YDepart = 0.0;
    Rayon.EstRayonReference = true;
    Rayon.AngleChamp = 0.0;
    Rayon.SinusAngleChamp = 0.0;
    Rayon.CosinusAngleChamp = 1.0;
    EffaceDrapeauxRayon();
    TraceRayonBord();
    const auto surAxe = Rayon.HauteurImpactGroupe;
    Rayon.AngleChamp = champ.Angle;
    Rayon.SinusAngleChamp = champ.Sinus;
    Rayon.CosinusAngleChamp = champ.Cosinus;
    EffaceDrapeauxRayon();
    TraceRayonBord();
    double eclairement = 1.0;
    for (int j = 1; j <= n; ++j)
    {
        const double h0 = std::abs(surAxe[j]);
        eclairement = std::min(eclairement, FractionNonObstruee(Groupe.DiametreGroupe[j] / 2.0, h0,
                                                                Rayon.HauteurImpactGroupe[j] - surAxe[j]));
    }
    return eclairement;
}

// The primary's edge: the beam, centred where the chief ray meets the mirror, against the mirror.
double FacteurBordMiroir()
{
    TraceRayonPrincipal();
    return FractionNonObstruee(Instrument.DiametreMiroir / 2.0, Instrument.DiametreEntree / 2.0,
                               Instrument.ImpactPrimaire[0]);
}

double RapportCompte(const TRayonsComptes& comptes)
{
    return comptes.Traces > 0 ? static_cast<double>(comptes.Passes) / comptes.Traces : 0.0;
}

} // namespace

double AireRecouvrement(double a, double b, double d)
{
    const double grand = std::max(std::abs(a), std::abs(b));
    const double petit = std::min(std::abs(a), std::abs(b));
    d = std::abs(d);
    double aire = 0.0;
    if (d + petit < grand || d == 0.0)
    {
        aire = 0.0;
    }
    else if (petit + grand < d)
    {
        aire = Pi * petit * petit;
    }
    else
    {
        const double alpha = AngleBorne((grand * grand + d * d - petit * petit) / (2.0 * grand * d));
        const double beta = AngleBorne((grand * grand + petit * petit - d * d) / (2.0 * grand * petit));
        aire = d * grand * std::sin(alpha) + petit * petit * (alpha + beta) - grand * grand * alpha;
    }
    if (std::abs(b) > std::abs(a))
        aire += Pi * (b * b - a * a);
    return aire;
}

double FractionNonObstruee(double a, double b, double d)
{
    a = std::abs(a);
    b = std::abs(b);
    d = std::abs(d);
    if (std::abs(a - b) >= d)
        return 1.0;
    if (a + b <= d)
        return 0.0;
    return LentilleCommune(a, b, d) / (Pi * b * b);
}

void TraceRayonBord()
{
    const bool dispositifActif = Rayon.DispositifActif;
    if (Instrument.TypeInstrument == TTypeInstrument::SchmidtCassegrain && Validite.SansSecondaire)
    {
        TraceSchmidt();
    }
    else
    {
        Rayon.DispositifActif = false;
        TraceRayon();
        Rayon.DispositifActif = dispositifActif;
    }
    if (AvecSecondaire(1.0))
    {
        Rayon.HauteurBord[0] =
            Rayon.XRayon + (Instrument.DistanceEntreMiroirs - Rayon.ZRayon) * Rayon.LRayon / Rayon.NRayon;
    }
    Rayon.RayonPerdu = false;
    if (!Validite.DispositifPresent)
        return;
    for (int i = 1; i <= NombreDioptresSur() && !Rayon.RayonPerdu; ++i)
    {
        if (Dispositif.RayonDioptre[i] < SeuilRayonPlan)
        {
            RefracteSphereBord(i);
        }
        else
        {
            RefractePlanBord(i);
        }
    }
}

void CalculeEclairement(std::optional<TRayonsComptes> comptes)
{
    const TEntreesRayon entrees = LitEntrees();
    const double D = Instrument.DiametreEntree;
    const double d = Instrument.DistanceSecondaireFoyer;
    const TTypeInstrument forme = Instrument.TypeInstrument;
    Systeme.Eclairement = 0.0;
    if (D <= 0.0)
        return;

    const double focale =
        forme == TTypeInstrument::LurieHoughton ? Instrument.FocaleObjectif : Instrument.FocalePrimaire;
    Instrument.DiametreSecondaireMinimal = focale > 0.0 ? static_cast<float>(d * D / focale) : 0.0f;
    if (forme == TTypeInstrument::MaksutovCassegrain)
        Instrument.DiametreSecondaireMinimal = Instrument.DiametreUtileSecondaire;
    const bool diametreDispositif = EstForme({TTypeInstrument::Schmidt, TTypeInstrument::Maksutov}) ||
                                    (forme == TTypeInstrument::SchmidtNewton && d > 1.0);
    if (diametreDispositif && Validite.DispositifPresent)
        CalculeDiametreMaximalDispositif();

    // An undersized secondary narrows the pupil.
    const bool secondaireReduit =
        Instrument.DiametreSecondaire < Instrument.DiametreSecondaireMinimal && Validite.SecondaireDefini;
    const double pupille = secondaireReduit ? Instrument.DiametreSecondaire * Instrument.FocalePrimaire / d : D;
    const double rapportPupille = pupille / D;
    double plafond = 1.0;
    if (forme != TTypeInstrument::Lunette)
    {
        plafond = secondaireReduit ? rapportPupille * rapportPupille : 1.0;
        if (!(forme == TTypeInstrument::SchmidtNewton && d <= 1.0))
        {
            plafond -= std::pow(Instrument.DiametreSecondaire / D, 2);
        }
    }

    const int couleurs = Systeme.NombreCouleurs > 1 ? 3 : 1;
    std::array<THauteurs, 3> haut{};
    std::array<THauteurs, 3> bas{};
    bool perdu = false;
    for (int c = 0; c < couleurs && !perdu; ++c)
    {
        AppliqueCouleur(c);
        RendEntrees(entrees);
        Rayon.EstRayonReference = false;
        perdu = !TraceBords(pupille / 2.0, haut[c], bas[c]);
    }
    double eclairement = RimPerdu;
    if (!perdu)
    {
        const double obstruction = Obstruction(pupille);
        double somme = 0.0;
        for (int c = 0; c < couleurs; ++c)
            somme += EclairementCouleur(haut[c], bas[c], obstruction);
        eclairement = (couleurs > 1 ? somme / 3.0 : somme) * rapportPupille * rapportPupille;
        RendEntrees(entrees);

        const bool avecSecondaire6 = forme == TTypeInstrument::SchmidtCassegrain && !Validite.SansSecondaire;
        if (EstForme({TTypeInstrument::Cassegrain, TTypeInstrument::RitcheyChretien, TTypeInstrument::Gregory,
                      TTypeInstrument::MaksutovCassegrain, TTypeInstrument::DallKirkham,
                      TTypeInstrument::KlevtsovCassegrain, TTypeInstrument::HoughtonCassegrain}) ||
            avecSecondaire6)
        {
            AjusteTrou(eclairement);
        }
        if ((forme == TTypeInstrument::SchmidtCassegrain && Validite.SansSecondaire) ||
            (forme == TTypeInstrument::SchmidtNewton && d < 1.0))
        {
            // The device in front of the focus shades the pupil.
            CalculeDiametreMaximalDispositif();
            eclairement -= std::pow(Instrument.DiametreMaximalDispositif / D, 2);
        }
        if (forme == TTypeInstrument::Lunette)
            eclairement = EclairementLunette(entrees);
        RendEntrees(entrees);

        const bool rapportCompte = comptes.has_value();
        switch (forme)
        {
        case TTypeInstrument::Newton:
            // The Newton's primary is its entrance: no edge to cut the beam.
            if (rapportCompte)
                eclairement = RapportCompte(*comptes);
            break;
        case TTypeInstrument::SchmidtCassegrain:
        case TTypeInstrument::MaksutovCassegrain:
        case TTypeInstrument::HoughtonCassegrain:
        case TTypeInstrument::SchmidtNewton:
            eclairement = rapportCompte ? RapportCompte(*comptes) : eclairement * FacteurBordMiroir();
            break;
        case TTypeInstrument::Schmidt:
        case TTypeInstrument::Maksutov:
            if (rapportCompte)
            {
                eclairement = RapportCompte(*comptes);
            }
            else
            {
                const double lumiere = Instrument.DiametreChampPleineLumiere;
                const double dh = Validite.DispositifPresent && Instrument.DiametreMaximalDispositif > lumiere
                                      ? Instrument.DiametreMaximalDispositif
                                      : lumiere;
                eclairement = (D * D - dh * dh) / (D * D) * FacteurBordMiroir();
                // Beyond this angle the field lies behind the holder of the plate or the device.
                const double limite = std::asin(
                    std::clamp(dh / 2.0 / (Instrument.RayonCourburePrimaire - Instrument.FocalePrimaire), -1.0, 1.0));
                if (entrees.Angle > limite)
                    eclairement = 0.0;
            }
            break;
        case TTypeInstrument::MaksutovNewton:
        case TTypeInstrument::LurieHoughton:
            if (rapportCompte)
            {
                eclairement = RapportCompte(*comptes);
            }
            else
            {
                eclairement *= FacteurBordMiroir();
                const double foyer = Instrument.FocalePrimaire + Systeme.DecalageFoyer;
                if (foyer != 0.0)
                {
                    eclairement *= FractionNonObstruee(Instrument.DiametreSecondaire / 2.0, D / 2.0 * d / foyer,
                                                       (foyer - d) * std::tan(entrees.Angle));
                }
            }
            break;
        case TTypeInstrument::Aucun:
        case TTypeInstrument::Cassegrain:
        case TTypeInstrument::RitcheyChretien:
        case TTypeInstrument::Gregory:
        case TTypeInstrument::Lunette:
        case TTypeInstrument::Schwarzschild:
        case TTypeInstrument::DallKirkham:
        case TTypeInstrument::KlevtsovCassegrain: break;
        }
        eclairement = std::min(eclairement, plafond);
    }
    RendEntrees(entrees);
    // Heights from a degenerate trace must not leave a NaN in the design.
    Systeme.Eclairement = std::isfinite(eclairement) ? eclairement : 0.0;
}
