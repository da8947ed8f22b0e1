// The instrument's overall length and transverse extent, form by form, from the solved system.
#include "optics/Geometrie.h"

#include <algorithm>
#include <cmath>

#include "optics/DiametreDispositif.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"

double EpaisseurBordPrimaireSchmidt()
{
    return Instrument.EpaisseurPrimaire >= 1 ? Instrument.EpaisseurPrimaire : Instrument.DiametreMiroir / 10;
}

namespace {

constexpr double SeuilSansSecondaire = 1e-6; // a flat distance at or below it: no flat

// The last device row, as the geometry reads it.
struct TFinDispositif
{
    double Sommet; // V_N
    double Fleche; // sag of the last surface when it bulges towards the image, else 0
    double Epaisseur;
};

TFinDispositif DernierDioptre()
{
    const int n = std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
    const double rayon = Dispositif.RayonDioptre[n];
    return {Dispositif.SommetDioptre[n], rayon > 0.0 ? FlecheSphere(rayon, Dispositif.DiametreDioptre[n]) : 0.0,
            Dispositif.EpaisseurDioptre[n]};
}

// Where the optical train ends behind the instrument: the device's last vertex, its sag, and its
// distance to the image unless the output is parallel.
double FinDuDispositif()
{
    const TFinDispositif fin = DernierDioptre();
    return fin.Fleche + fin.Sommet + (Validite.SystemeAfocal ? 0.0 : fin.Epaisseur);
}

// The value a form gives `FinDispositif`: `sansDispositif` alone; with a device, the device's end
// measured from the primary's vertex (`origineFoyer` false) or from its focus (true).
void FixeFinDispositif(double sansDispositif, bool origineFoyer)
{
    if (!Validite.DispositifPresent)
    {
        Instrument.FinDispositif = sansDispositif;
    }
    else
    {
        Instrument.FinDispositif = FinDuDispositif() - (origineFoyer ? Instrument.FocalePrimaire : 0.0);
    }
}

// The bottom of the tube: the device's end when it lies beyond the primary's back, else the back.
double Fond()
{
    const double fin = Instrument.FinDispositif;
    return (Instrument.EpaisseurPrimaire < fin && fin < SeuilEpaisseurInfinie) ? fin : Instrument.EpaisseurPrimaire;
}

bool AvecRenvoi()
{
    return Instrument.DistanceSecondaireFoyer > SeuilSansSecondaire;
}

// Sideways, a folded focus stands out of the tube by the flat's distance plus the image shift, or
// for a parallel output by the device's length beyond it.
double EncombrementRenvoi(double diametre)
{
    const double d = Instrument.DistanceSecondaireFoyer;
    if (Validite.SystemeAfocal)
    {
        return diametre / 2.0 + DernierDioptre().Sommet - (Instrument.FocalePrimaire - d);
    }
    return diametre / 2.0 + d + Systeme.DecalageFoyer;
}

// Smallest flat passing the on-axis beam at distance d before the focus, with the primary's sag s.
// Zero when the mirror is too fast for the formula (the validity check refuses such a design).
float FlatMinimal(double s)
{
    const double d = Instrument.DistanceSecondaireFoyer;
    const double D = Instrument.DiametreEntree;
    const double deuxF = 2.0 * (Instrument.FocalePrimaire - s);
    if (deuxF - D <= 0.0)
        return 0.0f;
    return static_cast<float>(d * D * (1.0 / (deuxF + D) + 1.0 / (deuxF - D)));
}

void LongueurNewtonAvecRenvoi()
{
    CalculeDiametreMaximalDispositif();
    const double D = Instrument.DiametreEntree;
    const double d = Instrument.DistanceSecondaireFoyer;
    const double s = FlecheSphere(Instrument.RayonCourburePrimaire, D);
    const double ouverture = (Instrument.FocalePrimaire - s) / D;
    Instrument.LongueurInstrument = Instrument.FocalePrimaire + Instrument.EpaisseurPrimaire - d;
    Instrument.DiametreSecondaireMinimal = FlatMinimal(s);
    const double denominateur = 4.0 * ouverture * ouverture - 1.0;
    if (denominateur <= 0.0)
        return;
    // The flat's far edge, beyond the axis, or the device if it reaches further.
    const double v = d / denominateur;
    const double w = std::max<double>(Instrument.DiametreSecondaire, Instrument.DiametreSecondaireMinimal);
    const double bord = w / 2.0 + Instrument.EpaisseurSecondaire / std::sqrt(2.0) - v;
    const double demiDispositif = Instrument.DiametreMaximalDispositif / 2.0;
    Instrument.LongueurInstrument += demiDispositif >= bord ? demiDispositif : bord;
}

void LongueurCassegrain()
{
    CalculeDiametreMaximalDispositif();
    const double z = Fond();
    const double es = Instrument.EpaisseurSecondaire;
    const double flecheSecondaire = FlecheSphere(Instrument.RayonCourbureSecondaire, Instrument.DiametreSecondaire);
    double longueur = (Dispositif.CentreDioptre[0] - Instrument.RayonCourbureSecondaire) + es + z;
    if (es < flecheSecondaire)
        longueur += flecheSecondaire - es;
    if (Instrument.FinDispositif < Instrument.DegagementFoyer)
    {
        longueur += Instrument.DegagementFoyer - Instrument.EpaisseurPrimaire;
    }
    Instrument.LongueurInstrument = std::max(longueur, Instrument.DistanceLameMiroir + Instrument.EpaisseurLame + z);
}

void LongueurSansSecondaire()
{
    const double epaisseur =
        EpaisseurBordPrimaireSchmidt() - FlecheSphere(Instrument.RayonCourburePrimaire, Instrument.DiametreMiroir);
    const double foyer = epaisseur + Instrument.FocaleEffective + Systeme.DecalageFoyer;
    Instrument.LongueurInstrument = Instrument.DistanceLameMiroir <= foyer
                                        ? foyer
                                        : Instrument.DistanceLameMiroir + epaisseur + Instrument.EpaisseurLame;
}

void GeometrieLunette()
{
    const int n = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    double somme = 0.0;
    double plusLarge = 0.0;
    for (int i = 1; i <= n; ++i)
    {
        if (i < n)
            somme += Groupe.EpaisseurGroupe[i];
        plusLarge = std::max(plusLarge, Groupe.DiametreGroupe[i]);
    }
    Instrument.DistanceApresGroupe = Systeme.PositionFoyer;
    Instrument.LongueurInstrument = Instrument.DistanceApresGroupe;
    Instrument.LongueurTotale = somme;
    Instrument.FinDispositif = Systeme.DecalageFoyer;
    if (Validite.DispositifPresent && Validite.SystemeAfocal)
    {
        const TFinDispositif fin = DernierDioptre();
        Instrument.FinDispositif = fin.Fleche;
        Instrument.LongueurInstrument = fin.Sommet;
    }
    Instrument.LongueurInstrument += Instrument.FinDispositif;
    Instrument.EncombrementLateral = plusLarge;
}

void FinKlevtsov()
{
    Instrument.FinDispositif = Systeme.PositionFoyer;
    if (!Validite.DispositifPresent)
    {
        Instrument.FinDispositif = Instrument.DegagementFoyer + Systeme.DecalageFoyer;
        return;
    }
    const TFinDispositif fin = DernierDioptre();
    if (fin.Fleche > fin.Epaisseur)
        Instrument.FinDispositif += fin.Fleche - fin.Epaisseur;
    Instrument.FinDispositif += Systeme.DecalageFoyer;
    if (Validite.SystemeAfocal)
        Instrument.FinDispositif = fin.Sommet;
}

// Sag of the Houghton corrector's first face when it is hollow towards the sky.
double FlecheCorrecteur()
{
    return Groupe.RayonGroupe[1] < 0.0 ? FlecheSphere(Groupe.RayonGroupe[1], Groupe.DiametreGroupe[1]) : 0.0;
}

// Preparation of a reference trace in the main colour, then the solve.
void ResoutEnVert()
{
    Systeme.NombreCouleurs = 1;
    AppliqueIndices();
    Rayon.SinusAngleChamp = 0.0;
    Rayon.CosinusAngleChamp = 1.0;
    Rayon.AngleChamp = 0.0;
    Dispositif.IndiceVert[1] = IndiceAir(LongueursOnde.LongueurOndeVerte);
    const int n = std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
    for (int k = 0; k <= n + 1; ++k)
        Dispositif.IndiceTrace[k] = Dispositif.IndiceVert[k];
    for (int k = 1; k <= NombreMaxDioptresGroupe; ++k)
        Groupe.IndiceTraceGroupe[k] = Groupe.IndiceVertGroupe[k];
    Rayon.RayonPerdu = false;
    Rayon.EstRayonReference = true;
    PrepareSysteme();
}

bool Calculable()
{
    return Validite.InstrumentValide && !Systeme.CalculEchoue &&
           (Validite.DispositifValide || !Validite.DispositifPresent);
}

} // namespace

void CalculeGeometrieInstrument()
{
    Instrument.LongueurInstrument = 0.0;
    Validite.ConflitGeometrique = false;
    if (!Calculable())
        return;
    ResoutEnVert();
    if (!Calculable())
        return;

    const double D = Instrument.DiametreEntree;
    const double Dm = Instrument.DiametreMiroir;
    const double F1 = Instrument.FocalePrimaire;
    const double Ep = Instrument.EpaisseurPrimaire;
    const double Es = Instrument.EpaisseurSecondaire;
    const double t = Instrument.EpaisseurLame;
    const double B = Instrument.DegagementFoyer;
    const double dec = Systeme.DecalageFoyer;
    const float Lp = Instrument.DistanceLameMiroir;
    const float Ls = Instrument.DistanceDiaphragmeMiroir;

    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Aucun: return;
    case TTypeInstrument::Newton:
        if (!AvecRenvoi())
        {
            Instrument.LongueurInstrument = Validite.SystemeAfocal ? DernierDioptre().Sommet + Ep : F1 + dec + Ep;
            Instrument.EncombrementLateral = D;
            return;
        }
        FixeFinDispositif(dec, true);
        LongueurNewtonAvecRenvoi();
        Instrument.EncombrementLateral = EncombrementRenvoi(D);
        return;
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::DallKirkham:
        FixeFinDispositif(B + dec, false);
        LongueurCassegrain();
        Instrument.EncombrementLateral = D;
        return;
    case TTypeInstrument::Gregory:
        FixeFinDispositif(B + dec, false);
        Instrument.LongueurInstrument = F1 + Instrument.DistanceSecondaireFoyer + Es + Fond();
        if (Instrument.FinDispositif < B)
            Instrument.LongueurInstrument += B - Ep;
        Instrument.EncombrementLateral = D;
        return;
    case TTypeInstrument::Schmidt:
        Instrument.LongueurInstrument = Lp + Ep - FlecheSphere(Instrument.RayonCourburePrimaire, Dm) + t;
        Instrument.EncombrementLateral = Dm;
        return;
    case TTypeInstrument::SchmidtNewton:
        if (AvecRenvoi())
        {
            FixeFinDispositif(dec, true);
            CalculeDiametreMaximalDispositif();
            Instrument.DiametreSecondaireMinimal = FlatMinimal(FlecheSphere(Instrument.RayonCourburePrimaire, D));
        }
        Instrument.LongueurInstrument =
            Lp + EpaisseurBordPrimaireSchmidt() - FlecheSphere(Instrument.RayonCourburePrimaire, Dm) + t;
        if (!AvecRenvoi())
        {
            Instrument.EncombrementLateral = Dm;
        }
        else if (Validite.SystemeAfocal)
        {
            Instrument.EncombrementLateral = EncombrementRenvoi(Dm);
        }
        else
        {
            Instrument.EncombrementLateral = std::max(EncombrementRenvoi(Dm), Dm);
        }
        return;
    case TTypeInstrument::SchmidtCassegrain:
        FixeFinDispositif(B + dec, false);
        LongueurCassegrain();
        if (Validite.SansSecondaire)
            LongueurSansSecondaire();
        Instrument.EncombrementLateral = Dm;
        return;
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton:
        if (AvecRenvoi())
            FixeFinDispositif(dec, true);
        Instrument.LongueurInstrument = Ls + static_cast<float>(Ep);
        Instrument.EncombrementLateral = AvecRenvoi() ? EncombrementRenvoi(std::max(D, Dm)) : std::max(D, Dm);
        return;
    case TTypeInstrument::MaksutovCassegrain:
    {
        FixeFinDispositif(B + dec, false);
        const double fin = Instrument.FinDispositif;
        if (fin <= Ep || fin >= SeuilEpaisseurInfinie)
        {
            Instrument.LongueurInstrument = Lp + static_cast<float>(Ep) + static_cast<float>(t);
        }
        else
        {
            Instrument.LongueurInstrument = Lp + static_cast<float>(FlecheSphere(Instrument.RayonMenisque1, D)) +
                                            static_cast<float>(t) + static_cast<float>(fin);
        }
        Instrument.EncombrementLateral = std::max(D, Dm);
        return;
    }
    case TTypeInstrument::Lunette: GeometrieLunette(); return;
    case TTypeInstrument::Schwarzschild:
        Instrument.LongueurInstrument = F1 + Instrument.DistanceFoyerPrimaireSecondaire + Ep + Es;
        // Its concave secondary may be the wider mirror.
        Instrument.EncombrementLateral = std::max<double>(D, Instrument.DiametreSecondaire);
        return;
    case TTypeInstrument::KlevtsovCassegrain:
        FinKlevtsov();
        Instrument.LongueurInstrument =
            Groupe.SommetGroupe[0] + Fond() +
            std::max(Es, FlecheSphere(Instrument.RayonCourbureSecondaire, Instrument.DiametreSecondaire));
        Instrument.EncombrementLateral = D;
        return;
    case TTypeInstrument::LurieHoughton:
        FixeFinDispositif(dec, true);
        Instrument.LongueurInstrument = Ls + static_cast<float>(Ep) + static_cast<float>(FlecheCorrecteur());
        Instrument.EncombrementLateral = AvecRenvoi() ? EncombrementRenvoi(D) : D;
        return;
    case TTypeInstrument::HoughtonCassegrain:
        FixeFinDispositif(B + dec, false);
        Instrument.LongueurInstrument = Ls - static_cast<float>(FlecheCorrecteur()) + static_cast<float>(Fond());
        Instrument.EncombrementLateral = std::max(D, Dm);
        return;
    }
}
