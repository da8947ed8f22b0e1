// Design formulas of the two-mirror forms and the searches of a mirror's sixth-order coefficient.
#include "optics/FormulesDeuxMiroirs.h"

#include <cmath>
#include <limits>

#include "optics/GardeCalcul.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Rayon.h"
#include "optics/TraceCassegrain.h"
#include "optics/TraceGregory.h"
#include "optics/TraceSchwarzschild.h"
#include "optics/Validite.h"

namespace {

constexpr double Infini = std::numeric_limits<double>::infinity();

// Height of the zonal ray as a fraction of D.
constexpr double HauteurZonale = 0.433;
// The secondary of the Schwarzschild, in units of its focal length F and of D.
constexpr double RayonSecondaireSchwarzschild = 1.67;
constexpr double SeparationSchwarzschild = 1.25;
constexpr double DistanceSecondaireFoyerSchwarzschild = 0.5;
constexpr double DiametreSecondaireSchwarzschild = 0.5048729174;

// Steps of the coefficient searches: 1, 0.1 ... 0.0001; no phase may take more steps than this.
constexpr double DiviseurFinal = 100000;
constexpr int PasMaximauxParPhase = 1000;

bool LongueursCassegrainValides()
{
    const TInstrument& I = Instrument;
    return I.DiametreEntree > 1 && I.FocalePrimaire > 1 && I.FocaleResultante > 1.1 * I.FocalePrimaire &&
           std::abs(I.DegagementFoyer) < SeuilDegagementNonSaisi && I.DiametreSecondaire > SeuilDiametreNul;
}

bool GrandissementCalculable()
{
    return Instrument.FocalePrimaire > 1 && Instrument.FocaleResultante > 1.1 * Instrument.FocalePrimaire;
}

void AnnuleRayons()
{
    Instrument.RayonCourburePrimaire = 0;
    Instrument.RayonCourbureSecondaire = 0;
}

// The error of the current coefficient: zonal focus, then the marginal ray's distance from it.
double EcartCoefficient(void (*passe)())
{
    const double diametre = Instrument.DiametreEntree;
    if (!MesureFoyerZonal(HauteurZonale * diametre, passe))
        return Infini;
    return EcartAuFoyer(diametre / 2, passe);
}

bool Ameliore(double courante, double precedente)
{
    return std::isfinite(courante) && courante <= precedente;
}

// The one-dimensional search shared by both coefficients: steps of 1 while the error does not
// grow, then back with a step ten times smaller at each growth, down to 0.0001.
void RechercheCoefficient(double& coefficient, void (*passe)())
{
    bool erreurFinie = false;
    auto mesure = [&]() {
        const double ecart = EcartCoefficient(passe);
        erreurFinie = erreurFinie || std::isfinite(ecart);
        return ecart;
    };

    coefficient = 0;
    const double ecartZero = mesure();
    coefficient = 0.001;
    const double ecartSonde = mesure();
    int& sens = Systeme.SensRecherche;
    sens = 1;
    double precedente = ecartZero;
    double courante = ecartSonde;
    if (!Ameliore(ecartSonde, ecartZero))
    {
        sens = -1;
        coefficient = 0;
        precedente = ecartSonde;
        courante = ecartZero;
    }

    double diviseur = 1;
    for (;;)
    {
        for (int pas = 0; Ameliore(courante, precedente); ++pas)
        {
            if (pas == PasMaximauxParPhase)
            {
                // Still improving after so many steps: the error is flat, not a design.
                Systeme.CalculEchoue = true;
                return;
            }
            coefficient += sens / diviseur;
            precedente = courante;
            courante = mesure();
        }
        sens = -sens;
        diviseur *= 10;
        if (diviseur >= DiviseurFinal)
            break;
        coefficient += sens / diviseur;
        precedente = courante;
        courante = mesure();
    }
    if (!erreurFinie)
    {
        // No ray ever reached the focus: no coefficient can be judged.
        coefficient = 0;
        Systeme.CalculEchoue = true;
    }
}

} // namespace

void CalculeRayonPrimaire()
{
    TInstrument& I = Instrument;
    I.RayonCourburePrimaire = 2 * I.FocalePrimaire;
    I.RayonPrimaireCube = std::pow(I.RayonCourburePrimaire, 3);
    I.RayonPrimairePuissance5 = std::pow(I.RayonCourburePrimaire, 5);
}

void TraceDeuxMiroirs()
{
    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::DallKirkham: TraceCassegrain(); break;
    case TTypeInstrument::Gregory: TraceGregory(); break;
    case TTypeInstrument::Schwarzschild: TraceSchwarzschild(); break;
    case TTypeInstrument::Aucun:
    case TTypeInstrument::Newton:
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovCassegrain:
    case TTypeInstrument::Lunette:
    case TTypeInstrument::MaksutovNewton:
    case TTypeInstrument::KlevtsovCassegrain:
    case TTypeInstrument::LurieHoughton:
    case TTypeInstrument::HoughtonCassegrain:
    case TTypeInstrument::SchmidtNewton: break;
    }
}

void TraceDallKirkham()
{
    if (Instrument.TypeInstrument == TTypeInstrument::DallKirkham)
        TraceCassegrain();
}

void GeometrieCassegrain()
{
    TInstrument& I = Instrument;
    const double m = I.Grandissement;
    const double p = (I.FocalePrimaire + I.DegagementFoyer) / (m + 1);
    I.DistanceFoyerPrimaireSecondaire = p;
    I.RayonCourbureSecondaire = 2 * m * p / (m - 1);
    I.DistanceSecondaireFoyer = p;
    I.DistanceEntreMiroirs = I.FocalePrimaire - p;
    Dispositif.CentreDioptre[0] = I.FocalePrimaire - p + I.RayonCourbureSecondaire;
}

void CalculeCassegrain()
{
    const TGardeCalcul garde;
    VerifieInstrument();
    TInstrument& I = Instrument;
    if (GrandissementCalculable())
    {
        const double m = I.FocaleResultante / I.FocalePrimaire;
        I.Grandissement = m;
        if (I.DiametreEntree > 1)
            I.CoefficientDeformationSecondaire = -std::pow((m + 1) / (m - 1), 2);
    }
    if (!Validite.InstrumentValide)
    {
        AnnuleRayons();
        return;
    }
    CalculeRayonPrimaire();
    GeometrieCassegrain();
    I.CoefficientDeformationPrimaire = -1.0;
    RechercheCoefficientSecondaire();
}

void CalculeGregory()
{
    const TGardeCalcul garde;
    VerifieInstrument();
    TInstrument& I = Instrument;
    if (GrandissementCalculable())
    {
        const double m = I.FocaleResultante / I.FocalePrimaire;
        I.Grandissement = m;
        if (I.DiametreEntree > 1)
            I.CoefficientDeformationSecondaire = -std::pow((m - 1) / (m + 1), 2);
    }
    if (!Validite.InstrumentValide)
    {
        AnnuleRayons();
        return;
    }
    // A concave secondary beyond the primary focus.
    CalculeRayonPrimaire();
    const double m = I.Grandissement;
    const double p = (I.FocalePrimaire + I.DegagementFoyer) / (m - 1);
    I.DistanceFoyerPrimaireSecondaire = p;
    I.RayonCourbureSecondaire = 2 * m * p / (m + 1);
    I.DistanceSecondaireFoyer = p;
    I.DistanceEntreMiroirs = I.FocalePrimaire + p;
    Dispositif.CentreDioptre[0] = I.FocalePrimaire + p - I.RayonCourbureSecondaire;
    I.CoefficientDeformationPrimaire = -1.0;
    RechercheCoefficientSecondaire();
}

void CalculeRitcheyChretien()
{
    const TGardeCalcul garde;
    VerifieInstrument();
    TInstrument& I = Instrument;
    if (GrandissementCalculable())
        I.Grandissement = I.FocaleResultante / I.FocalePrimaire;
    // Tested here: the validity check refuses the form while its conics are still to compute.
    if (!LongueursCassegrainValides())
    {
        AnnuleRayons();
        return;
    }
    CalculeRayonPrimaire();
    GeometrieCassegrain();
    if (!EstCoefficientACalculer(I.CoefficientDeformationPrimaire) ||
        !EstCoefficientACalculer(I.CoefficientDeformationSecondaire))
        return;
    const double m = I.Grandissement;
    const double p = I.DistanceFoyerPrimaireSecondaire;
    const double separation = I.DistanceEntreMiroirs;
    I.CoefficientDeformationPrimaire = -(2 * p / (separation * m * m) + 1);
    I.CoefficientDeformationSecondaire =
        -(std::pow((m + 1) / (m - 1), 2) + 2 * I.FocalePrimaire * m / (separation * std::pow(m - 1, 3)));
    RechercheCoefficientSecondaire();
}

void CalculeDallKirkham()
{
    const TGardeCalcul garde;
    VerifieInstrument();
    TInstrument& I = Instrument;
    if (GrandissementCalculable())
    {
        I.Grandissement = I.FocaleResultante / I.FocalePrimaire;
        // A spherical secondary: conic 0 and the sixth-order term of the sphere.
        I.CoefficientDeformationSecondaire = 0;
        I.CoefficientDeformationSecondaire2 = 0;
    }
    if (LongueursCassegrainValides())
    {
        // R1 is needed by the primary's conic below, whatever it was before.
        CalculeRayonPrimaire();
        GeometrieCassegrain();
        const double m = I.Grandissement;
        I.CoefficientDeformationPrimaire =
            (I.RayonCourbureSecondaire / I.RayonCourburePrimaire) * std::pow(m * m - 1, 2) / std::pow(m, 4) - 1;
        RechercheCoefficientPrimaire();
    }
    else
    {
        AnnuleRayons();
    }
    AppliqueIndices();
}

void CalculeSchwarzschild()
{
    const TGardeCalcul garde;
    VerifieInstrument();
    TInstrument& I = Instrument;
    const double F = I.FocaleResultante;
    if (I.FocalePrimaire > 1 && F > 1)
        I.Grandissement = F / I.FocalePrimaire;
    if (!Validite.InstrumentValide)
    {
        AnnuleRayons();
        return;
    }
    CalculeRayonPrimaire();
    I.DistanceFoyerPrimaireSecondaire = -I.FocalePrimaire / 2;
    I.RayonCourbureSecondaire = RayonSecondaireSchwarzschild * F;
    I.DistanceSecondaireFoyer = DistanceSecondaireFoyerSchwarzschild * F;
    I.DistanceEntreMiroirs = SeparationSchwarzschild * F;
    // The focus lies in front of the primary.
    I.DegagementFoyer = DistanceSecondaireFoyerSchwarzschild * F - SeparationSchwarzschild * F;
    Dispositif.CentreDioptre[0] = I.DistanceEntreMiroirs - I.RayonCourbureSecondaire;
    I.CoefficientDeformationPrimaire = -13.5;
    I.CoefficientDeformationSecondaire = 1.97;
    RechercheCoefficientSecondaire();
    I.DiametreSecondaireSchwarzschild = static_cast<float>(DiametreSecondaireSchwarzschild * I.DiametreEntree);
    AppliqueIndices();
}

void PlaceRayonAxial(double xDepart)
{
    TRayon& r = Rayon;
    r.AngleChamp = 0;
    r.SinusAngleChamp = 0;
    r.CosinusAngleChamp = 1;
    r.XDepart = xDepart;
    r.YDepart = 0;
}

void LanceRayonAxial(double xDepart)
{
    PlaceRayonAxial(xDepart);
    TRayon& r = Rayon;
    r.RayonPerdu = false;
    r.RayonBloque = false;
    r.ArretDispositif = false;
    r.VignettageDispositif = false;
    r.ArretGroupe = false;
    r.ManqueSecondaire = false;
    r.HorsSecondaire = false;
    r.DansOmbreSecondaire = false;
    r.DansTrouCentral = false;
    r.ArretBordTrou = false;
}

bool MesureFoyerZonal(double xDepart, void (*passe)())
{
    if (!DepenseTraces(1))
        return false;
    LanceRayonAxial(xDepart);
    passe();
    const TRayon& r = Rayon;
    if (r.RayonPerdu || r.LRayon == 0)
        return false;
    const double position = r.ZRayon - r.XRayon * r.NRayon / r.LRayon;
    if (!std::isfinite(position))
        return false;
    Systeme.PositionFoyer = position;
    return true;
}

double EcartAuFoyer(double xDepart, void (*passe)())
{
    if (!DepenseTraces(1))
        return Infini;
    LanceRayonAxial(xDepart);
    passe();
    const TRayon& r = Rayon;
    if (r.RayonPerdu || r.NRayon == 0)
        return Infini;
    // Measured on the emerging ray itself, so it does not depend on which point of the ray the pass
    // leaves: it vanishes exactly when the ray goes through the focus.
    const double ecart = std::abs(r.XRayon + (Systeme.PositionFoyer - r.ZRayon) * r.LRayon / r.NRayon);
    return std::isfinite(ecart) ? ecart : Infini;
}

void RechercheCoefficientSecondaire()
{
    Rayon.EstRayonReference = true;
    RechercheCoefficient(Instrument.CoefficientDeformationSecondaire2, TraceDeuxMiroirs);
}

void RechercheCoefficientPrimaire()
{
    const bool reference = Rayon.EstRayonReference;
    Rayon.EstRayonReference = true;
    RechercheCoefficient(Instrument.CoefficientDeformationPrimaire2, TraceDallKirkham);
    Rayon.EstRayonReference = reference;
}
