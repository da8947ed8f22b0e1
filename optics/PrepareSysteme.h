// The focus and system solver: the instrument's own focus, the placing of the lens device, and the
// bounded one-dimensional step searches that find the image plane or the afocal position.
#pragma once

#include <cmath>

#include "optics/GardeCalcul.h"

// Traces the reference ray set by the caller through the instrument alone (never the device) and
// sets the focus fields of the form: `PositionFoyer`, `FocaleEffective`, `RayonFaisceauTrou`...
void CalculeFoyer();

// Solves the whole system before a view: does nothing while `CalculInterrompu` is set; reports
// through `CalculEchoue` and `CalculInterrompu`, never by a message.
void PrepareSysteme();

// Device geometry for the tracer, from the last row back (`SommetDioptre`[N] from the image
// plane) or from the first row on (`SommetDioptre`[1] already set).
void PlaceDispositifDepuisFin();
void PlaceDispositifDepuisDebut();

// Clears the flags the tracer only ever sets, as a caller does before each ray.
void EffaceDrapeauxRayon();

// Every search gives up after this many traces; inside a set-up, sooner when the set-up's budget is spent.
inline constexpr long LimiteTracesRecherche = 100000;

// One search's constants. A step moves the variable by 1/h mm (times the direction +1 or -1).
struct TReglageRecherche
{
    double PasInitial; // h of the first step
    double PasRelance; // h after a divergence
    double Facteur; // h is multiplied by it at each reversal
    double PasDivergence; // beyond this h the search has diverged
    double Tolerance; // converged when abs(residual) is at or below it
    bool RelanceSiPerdu; // a lost ray counts as a divergence (else it ends the search)
};

// What one trace of the search gave.
struct TEssaiRecherche
{
    double Residu;
    bool RayonPerdu;
};

enum class TIssueRecherche
{
    Convergee,
    RayonPerdu, // the search ends where it stands
    Arretee, // the user stopped it when asked for a new start
    Echouee // trace limit reached, or a residual that is not a number
};

namespace recherche {
inline int Signe(double x)
{
    return (x > 0) - (x < 0);
}
}

// The shared step rule: the variable starts exactly on `depart`, moves by a constant step while the
// residual improves, and when the residual moves away from zero on the same side the direction turns
// and the step is divided by the factor. `essai`(valeur) traces once; `relance`(depart) is asked for
// a new start after a divergence and returns false to stop.
template <class FEssai, class FRelance>
TIssueRecherche RecherchePasAPas(double& valeur, double depart, const TReglageRecherche& reglage, FEssai essai,
                                 FRelance relance)
{
    double pas = reglage.PasInitial;
    int sens = 1;
    double residuPrecedent = 0.0;
    valeur = depart;
    for (long traces = 1;; ++traces)
    {
        if (!DepenseTraces(1))
        {
            return TIssueRecherche::Echouee;
        }
        const TEssaiRecherche resultat = essai(valeur);
        const bool perdu = resultat.RayonPerdu;
        if (!perdu)
        {
            if (!std::isfinite(resultat.Residu))
            {
                return TIssueRecherche::Echouee;
            }
            if (std::abs(resultat.Residu) <= reglage.Tolerance)
            {
                return TIssueRecherche::Convergee;
            }
            if (recherche::Signe(resultat.Residu - residuPrecedent) == recherche::Signe(residuPrecedent))
            {
                sens = -sens;
                pas *= reglage.Facteur;
            }
            residuPrecedent = resultat.Residu;
        }
        else if (!reglage.RelanceSiPerdu)
        {
            return TIssueRecherche::RayonPerdu;
        }
        if (traces >= LimiteTracesRecherche)
        {
            return TIssueRecherche::Echouee;
        }
        if (perdu || pas > reglage.PasDivergence)
        {
            pas = reglage.PasRelance;
            sens = 1;
            if (!relance(depart))
            {
                return TIssueRecherche::Arretee;
            }
            valeur = depart;
        }
        else
        {
            valeur += sens / pas;
        }
    }
}
