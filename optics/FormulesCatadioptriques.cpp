// Set-ups of the catadioptric forms and of the refractor: surfaces placed, system solved, beams traced.
#include "optics/FormulesCatadioptriques.h"

#include <algorithm>
#include <cmath>

#include "optics/FormulesDeuxMiroirs.h"
#include "optics/GardeCalcul.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Notifications.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceHoughtonCassegrain.h"
#include "optics/TraceLunette.h"
#include "optics/TraceLurieHoughton.h"
#include "optics/TraceMaksutov.h"
#include "optics/TraceRayon.h"
#include "optics/Validite.h"

namespace {

// The Maksutov's first estimate of its fully lit field, before the beam on the primary is traced.
constexpr double FacteurChampInitial = 34.0 / 44.0;
// Margin given to the Houghton corrector's clear diameters, mm.
constexpr double MargeDiametreHoughton = 0.1;

// Bounds of the two secondary searches: the outer steps the forms already count, and the inner
// radius search of the Maksutov-Cassegrain, which had none of its own.
constexpr int PasMaximauxSecondaire = 10000;
constexpr int PasMaximauxRayonSecondaire = 10000;

int Signe(double x)
{
    return (x > 0) - (x < 0);
}

int NombreLignesGroupe()
{
    return std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
}

// The solve of the reference ray; `vertSeul` for the forms set up in the main colour only.
void SolutionReference(bool vertSeul)
{
    if (vertSeul)
        Systeme.NombreCouleurs = 1;
    AppliqueIndices();
    Rayon.EstRayonReference = true;
    Rayon.AngleChamp = 0;
    PrepareSysteme();
}

// The solver gave up or was stopped (it then sets `CalculInterrompu`), or left a focus that is not
// a number.
bool SolutionManquee()
{
    return Systeme.CalculInterrompu || !std::isfinite(Systeme.PositionFoyer) ||
           !std::isfinite(Instrument.FocaleEffective) || !std::isfinite(Systeme.DecalageFoyer);
}

// A secondary search that cannot end: the computation stops, once, with one beep.
void AbandonneRecherche()
{
    if (!Systeme.CalculInterrompu)
        Notifications.Bip(BipDefaut);
    Systeme.CalculInterrompu = true;
    Systeme.CalculEchoue = true;
    Validite.InstrumentValide = false;
}

// Lens-group surfaces placed one after the other from z = 0 (refractor, Houghton corrector), their
// clear diameters widened by `marge`.
void PlaceGroupeDepuisZero(double marge)
{
    Groupe.SommetGroupe[0] = 0;
    Groupe.EpaisseurGroupe[0] = 0;
    for (int i = 1; i <= NombreLignesGroupe(); ++i)
    {
        Groupe.SommetGroupe[i] = Groupe.SommetGroupe[i - 1] + Groupe.EpaisseurGroupe[i - 1];
        Groupe.CentreGroupe[i] = Groupe.SommetGroupe[i] + Groupe.RayonGroupe[i];
        Groupe.CarreDemiDiametreGroupe[i] = std::pow((Groupe.DiametreGroupe[i] + marge) / 2, 2);
    }
}

// The Houghton corrector: placed, its length to the primary, its last gap (corrector to primary).
void PlaceCorrecteurHoughton()
{
    PlaceGroupeDepuisZero(MargeDiametreHoughton);
    const int n = NombreLignesGroupe();
    Instrument.DistanceLameMiroir = 0;
    for (int i = 1; i <= n; ++i)
        Instrument.DistanceLameMiroir += static_cast<float>(Groupe.EpaisseurGroupe[i]);
    Instrument.DistanceApresGroupe = Groupe.EpaisseurGroupe[n];
}

// F1 := R / 2 with R's cached powers.
void FocaleParRayon()
{
    Instrument.FocalePrimaire = Instrument.RayonCourburePrimaire / 2;
    CalculeRayonPrimaire();
}

// The beam sizes of the Maksutov-Cassegrain from the marginal ray just traced.
void FaisceauxMaksutovCassegrain()
{
    TInstrument& I = Instrument;
    I.DiametreMiroir = std::abs(2 * I.ImpactPrimaire[0]);
    I.DiametreUtileSecondaire = std::abs(2 * Rayon.HauteurImpactSecondaire);
    I.DiametreMenisque = std::abs(2 * Rayon.HauteurImpactGroupe[2]);
}

// Secondary aluminised on the meniscus's rear face: the spot's mirror equation, then the traced
// clearance and focal length.
void SecondaireSurMenisque()
{
    TInstrument& I = Instrument;
    const double Lp = I.DistanceLameMiroir;
    if (std::abs(I.RayonMenisque2) > 1 && I.FocalePrimaire > 1 && Lp > 1)
    {
        const double R2 = std::abs(I.RayonMenisque2);
        const double p = I.FocalePrimaire - Lp;
        const double d = 1 / (1 / p - 2 / R2);
        const double m = d / p;
        // A meniscus at the primary's focus, or a spot imaging it at infinity, has no such secondary.
        if (!std::isfinite(m))
            return;
        I.RayonCourbureSecondaire = R2;
        I.DistanceFoyerPrimaireSecondaire = p;
        I.DistanceSecondaireFoyer = d;
        I.Grandissement = m;
        I.FocaleResultante = I.FocalePrimaire * m;
    }
    if (!Validite.InstrumentValide)
        return;
    const double p = I.DistanceFoyerPrimaireSecondaire;
    I.DistanceEntreMiroirs = I.FocalePrimaire - p;
    Dispositif.CentreDioptre[0] = I.DistanceEntreMiroirs + I.RayonCourbureSecondaire;
    I.DegagementFoyer = I.DistanceSecondaireFoyer - I.DistanceEntreMiroirs;
    Systeme.PositionFoyer = I.DegagementFoyer;
    I.DistanceDiaphragmeMiroir = I.DistanceLameMiroir + I.EpaisseurTotaleMenisque;
    SolutionReference(true);
    if (SolutionManquee())
        return;
    I.DegagementFoyer = Systeme.PositionFoyer;
    I.DistanceSecondaireFoyer = I.FocalePrimaire - p + I.DegagementFoyer;
    LanceRayonAxial(I.DiametreEntree / 2);
    TraceRayon();
    I.FocaleResultante = I.FocaleEffective;
    I.Grandissement = I.FocaleResultante / I.FocalePrimaire;
    FaisceauxMaksutovCassegrain();
}

// Separate secondary: its radius is searched until the traced focus lies at the clearance, and its
// place until the traced focal length is the requested one. False when the search gave up or was
// stopped.
bool SecondaireSepare()
{
    TInstrument& I = Instrument;
    const double F = I.FocaleResultante;
    const double B = I.DegagementFoyer;
    if (I.RayonCourburePrimaire > 1 && F > 1.1 * I.FocalePrimaire)
        I.Grandissement = F / I.FocalePrimaire;
    if (!Validite.InstrumentValide)
        return true;
    const double F1 = I.FocalePrimaire;
    const double m = I.Grandissement;
    double p = (F1 + B) / (m + 1);
    double d = m * p;
    double& R2 = I.RayonCourbureSecondaire;
    R2 = 2 * d / (m - 1);
    double separation = F1 - p;
    Systeme.PositionFoyer = B == 0 ? 10 : 0;
    I.DistanceDiaphragmeMiroir = I.DistanceLameMiroir + I.EpaisseurTotaleMenisque;

    auto ecrit = [&]() {
        I.DistanceFoyerPrimaireSecondaire = p;
        I.DistanceSecondaireFoyer = d;
        I.DistanceEntreMiroirs = separation;
    };
    double pasPlace = d / 100;
    int sensPlace = 1;
    I.FocaleEffective = 0;
    for (int pas = 0; !(std::abs(I.FocaleEffective / F - 1) <= 1e-5); ++pas)
    {
        if (pas == PasMaximauxSecondaire)
        {
            AbandonneRecherche();
            return false;
        }
        double pasRayon = std::abs(R2) / 100;
        Dispositif.CentreDioptre[0] = separation + R2;
        ecrit();
        int sensRayon = 1;
        SolutionReference(true);
        if (SolutionManquee())
            break;
        for (int pasInterieur = 0; std::abs(Systeme.PositionFoyer - B) > 0.01; ++pasInterieur)
        {
            if (pasInterieur == PasMaximauxRayonSecondaire)
            {
                AbandonneRecherche();
                return false;
            }
            R2 += Systeme.PositionFoyer - B > 0 ? pasRayon : -pasRayon;
            Dispositif.CentreDioptre[0] = separation + R2;
            separation = F1 - p;
            ecrit();
            SolutionReference(true);
            if (SolutionManquee())
                break;
            const int signe = Signe(Systeme.PositionFoyer - B);
            if (signe != sensRayon)
            {
                sensRayon = signe;
                pasRayon /= 2;
            }
        }
        if (SolutionManquee())
            break;
        const double Fp = I.FocaleEffective;
        if (std::abs(F - Fp) > 0.001)
        {
            if (Fp < F)
            {
                p -= pasPlace;
                d += pasPlace;
            }
            else
            {
                p += pasPlace;
                d -= pasPlace;
            }
            separation = F1 - p;
            ecrit();
            const int signe = Signe(Fp - F);
            if (signe != sensPlace)
            {
                sensPlace = signe;
                pasPlace /= 2;
            }
        }
    }
    if (Systeme.CalculInterrompu)
        return false;
    if (SolutionManquee())
    {
        AbandonneRecherche();
        return false;
    }
    LanceRayonAxial(I.DiametreEntree / 2);
    TraceRayon();
    FaisceauxMaksutovCassegrain();
    I.Grandissement = I.FocaleEffective / F1;
    return true;
}

} // namespace

void PrepareMaksutov()
{
    const TGardeCalcul garde;
    VerifieInstrument();
    // Set up and traced without the lens device.
    Validite.DispositifPresent = false;
    Validite.DispositifValide = false;
    Validite.SystemeAfocal = false;
    if (!Validite.InstrumentValide)
        return;
    TInstrument& I = Instrument;
    FocaleParRayon();
    const double Ls = I.DistanceDiaphragmeMiroir;
    // A stop not yet placed gives no field rather than an infinite one.
    auto champ = [&](double diametreUtile) {
        return Ls > 0 ? static_cast<float>((I.DiametreMiroir - diametreUtile) * I.FocalePrimaire / Ls) : 0.0f;
    };
    I.DiametreChampPleineLumiere = champ(I.DiametreEntree) * static_cast<float>(FacteurChampInitial);
    I.EpaisseurTotaleMenisque =
        static_cast<float>(FlecheSphere(I.RayonMenisque1, I.DiametreMenisque) + I.EpaisseurLame);
    SolutionReference(true);
    if (SolutionManquee())
        return;
    LanceRayonAxial(I.DiametreEntree / 2);
    TraceMaksutov();
    I.DiametreUtilePrimaire = 2 * I.ImpactPrimaire[0];
    I.DiametreChampPleineLumiere = champ(I.DiametreUtilePrimaire);
}

void PrepareMaksutovCassegrain()
{
    const TGardeCalcul garde;
    TInstrument& I = Instrument;
    I.DiametreMiroir = I.DiametreEntree;
    I.DiametreMenisque = I.DiametreEntree;
    FocaleParRayon();
    VerifieInstrument();
    // Set up without the lens device; its flags come back on every way out.
    const bool afocal = Validite.SystemeAfocal;
    const bool present = Validite.DispositifPresent;
    const bool valide = Validite.DispositifValide;
    Validite.SystemeAfocal = false;
    Validite.DispositifPresent = false;
    Validite.DispositifValide = false;
    AppliqueIndices();
    Rayon.EstRayonReference = true;

    if (std::abs(I.RayonMenisque1) > 1 && I.DiametreMenisque > 1)
        I.EpaisseurTotaleMenisque =
            static_cast<float>(FlecheSphere(I.RayonMenisque1, I.DiametreMenisque) + I.EpaisseurLame);
    if (I.SecondaireSurMenisque)
        SecondaireSurMenisque();
    else
        SecondaireSepare();

    Validite.SystemeAfocal = afocal;
    Validite.DispositifPresent = present;
    Validite.DispositifValide = valide;
    Rayon.EstRayonReference = true;
}

void PrepareKlevtsov()
{
    const TGardeCalcul garde;
    VerifieInstrument();
    if (!Validite.InstrumentValide)
        return;
    TInstrument& I = Instrument;
    FocaleParRayon();
    const double Ls = I.DistanceDiaphragmeMiroir;
    I.DistanceSecondaireFoyer = I.FocalePrimaire - Ls;
    I.DistanceEntreMiroirs = Ls;
    double z = Ls;
    for (int i = 1; i <= NombreLignesGroupe(); ++i)
    {
        Groupe.SommetGroupe[i] = z;
        Groupe.CentreGroupe[i] = z + Groupe.RayonGroupe[i];
        Groupe.CarreDemiDiametreGroupe[i] = std::pow(Groupe.DiametreGroupe[i] / 2, 2);
        z += Groupe.EpaisseurGroupe[i];
    }
    // The group's mirror, behind its last lens surface.
    Groupe.SommetGroupe[0] = z;
    Groupe.CentreGroupe[0] = z + I.RayonCourbureSecondaire;
    SolutionReference(true);
    if (SolutionManquee())
        return;
    I.DegagementFoyer = Systeme.PositionFoyer;
    I.Grandissement = I.FocaleResultante / I.FocalePrimaire;
}

void PrepareLurieHoughton()
{
    const TGardeCalcul garde;
    VerifieInstrument();
    if (!Validite.InstrumentValide)
        return;
    TInstrument& I = Instrument;
    Groupe.DiametreGroupe[1] = I.DiametreEntree;
    PlaceCorrecteurHoughton();
    SolutionReference(false);
    if (!Validite.InstrumentValide || SolutionManquee())
        return;
    LanceRayonAxial(I.DiametreEntree / 2);
    TraceLurieHoughton();
    I.DiametreUtileHoughton = 2 * I.ImpactPrimaire[0];
}

void PrepareHoughtonCassegrain()
{
    const TGardeCalcul garde;
    TInstrument& I = Instrument;
    I.DiametreMiroir = I.DiametreEntree;
    VerifieInstrument();
    const double F = I.FocaleResultante;
    if (I.RayonCourburePrimaire > 1 && F > 1.1 * I.FocalePrimaire && I.FocalePrimaire > 1)
    {
        I.Grandissement = 2 * F / I.RayonCourburePrimaire;
        I.FocaleEffective = F;
    }
    if (!Validite.InstrumentValide)
    {
        I.FocalePrimaire = 0;
        I.RayonCourbureSecondaire = 0;
        return;
    }
    PlaceCorrecteurHoughton();

    // The focus of corrector and primary alone, solved as a Lurie-Houghton.
    I.TypeInstrument = TTypeInstrument::LurieHoughton;
    Rayon.SinusAngleChamp = 0;
    Rayon.CosinusAngleChamp = 1;
    SolutionReference(false);
    I.TypeInstrument = TTypeInstrument::HoughtonCassegrain;
    if (SolutionManquee())
        return;

    LanceRayonAxial(I.DiametreEntree / 2);
    TraceLurieHoughton();
    const double R = I.RayonCourburePrimaire;
    const double B = I.DegagementFoyer;
    double m = 2 * F / R;
    I.DiametreUtilePrimaire = 2 * I.ImpactPrimaire[0];
    I.DiametreUtileHoughton = I.DiametreUtilePrimaire;
    // The Cassegrain secondary for this magnification; `facteur` then moves it along the axis.
    auto placeSecondaire = [&](double facteur) {
        const double F1 = I.FocalePrimaire;
        const double p = (F1 + B) / (m + 1);
        I.DistanceFoyerPrimaireSecondaire = p;
        I.RayonCourbureSecondaire = 2 * m * p * facteur / (m - 1);
        I.DistanceSecondaireFoyer = p * facteur;
        I.DistanceEntreMiroirs = F1 - I.DistanceSecondaireFoyer;
        Groupe.CentreGroupe[0] = F1 - I.DistanceSecondaireFoyer + I.RayonCourbureSecondaire;
    };
    placeSecondaire(1);
    I.Grandissement = m;
    Systeme.PositionFoyer = B;
    LanceRayonAxial(I.DiametreEntree / 2);
    TraceHoughtonCassegrain();

    // Solved without the lens device; its flag and start value come back on every way out.
    const bool dispositifValide = Validite.DispositifValide;
    const double distanceFoyerDioptre = Systeme.DistanceFoyerDioptre;
    Validite.DispositifValide = false;
    SolutionReference(false);
    double facteur = 1;
    int pas = 0;
    bool echec = SolutionManquee();
    while (!echec && std::abs(Systeme.DecalageFoyer) > 0.01)
    {
        if (pas >= PasMaximauxSecondaire)
        {
            echec = true;
            break;
        }
        I.FocaleEffective = F + 1;
        while (std::abs(I.FocaleEffective - F) > 0.01)
        {
            if (++pas > PasMaximauxSecondaire || !(I.FocaleEffective > 0))
            {
                echec = true;
                break;
            }
            m *= std::sqrt(F / I.FocaleEffective);
            I.Grandissement = m;
            placeSecondaire(facteur);
            SolutionReference(false);
            if (SolutionManquee())
            {
                echec = true;
                break;
            }
        }
        if (echec)
            break;
        facteur -= Systeme.DecalageFoyer / I.FocalePrimaire;
    }
    Validite.DispositifValide = dispositifValide;
    Systeme.DistanceFoyerDioptre = distanceFoyerDioptre;
    if (echec)
    {
        if (!Systeme.CalculInterrompu)
            AbandonneRecherche();
        return;
    }
    I.Grandissement = 2 * F / R;
    I.DistanceFoyerPrimaireSecondaire = I.DistanceSecondaireFoyer;
    I.FocaleObjectif = I.FocaleEffective;
    I.DiametreMiroir = I.DiametreUtilePrimaire;
}

void PrepareLunette()
{
    const TGardeCalcul garde;
    VerifieInstrument();
    if (!Validite.InstrumentValide)
        return;
    TInstrument& I = Instrument;
    I.DiametreEntree = Groupe.DiametreGroupe[1];
    PlaceGroupeDepuisZero(0);
    CalculeOuvertureLunette();
    I.DiametreEntree = I.DiametreObjectif;
    SolutionReference(true);
    if (Validite.InstrumentValide && !SolutionManquee())
    {
        LanceRayonAxial(I.DiametreObjectif / 2);
        TraceLunette();
    }
    I.CarreRayonPupille = I.DiametreObjectif * I.DiametreObjectif / 4;
}
