// The focus and system solver: the instrument's focus by form, then the search that places the
// image plane (focal systems) or the lens device (afocal systems).
#include "optics/PrepareSysteme.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "optics/Diffraction.h"
#include "optics/Modele.h"
#include "optics/Notifications.h"
#include "optics/Rayon.h"
#include "optics/TraceCassegrain.h"
#include "optics/TraceGregory.h"
#include "optics/TraceHoughtonCassegrain.h"
#include "optics/TraceKlevtsov.h"
#include "optics/TraceLunette.h"
#include "optics/TraceLurieHoughton.h"
#include "optics/TraceMaksutov.h"
#include "optics/TraceMaksutovCassegrain.h"
#include "optics/TraceRayon.h"
#include "optics/TraceSchmidt.h"
#include "optics/TraceSchmidtCassegrain.h"
#include "optics/TraceSchwarzschild.h"
#include "optics/Validite.h"

namespace {

// The focal searches move the image plane in 10 mm steps and halve the step at each reversal; the
// afocal search moves the first surface in 2 mm steps, divided by 1.1, and restarts in 10 mm steps.
constexpr TReglageRecherche ReglageAvecDispositif{0.1, 0.1, 2.0, 1e7, 1e-4, false};
constexpr TReglageRecherche ReglageAfocal{0.5, 0.1, 1.1, 1e6, 1e-7, true};
constexpr TReglageRecherche ReglageSansDispositif{0.1, 0.1, 2.0, 1e7, 1e-5, false};

// Start values and focus offsets at or below this size count as not given.
constexpr double SeuilValeurDonnee = 1e-4;
// The field ray that measures the effective focal length: one arc minute.
constexpr double AngleUneMinute = std::numbers::pi / 10800.0;

// What one solve traces besides its search: the form's focus, the beam at the hole, the focal length.
constexpr long TracesSolution = 4;

// A request dialog is open: a search run meanwhile must not open it again.
bool DemandeOuverte = false;

void OrienteRayon(double angle)
{
    Rayon.AngleChamp = angle;
    Rayon.SinusAngleChamp = std::sin(angle);
    Rayon.CosinusAngleChamp = std::cos(angle);
}

int NombreDioptresSur()
{
    return std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
}

// The computation cannot go on: the views show their failure text until the design changes. A computation
// already stopped has beeped.
void EchecCalcul()
{
    if (!Systeme.CalculInterrompu)
        Notifications.Bip(BipDefaut);
    Systeme.CalculInterrompu = true;
    Systeme.CalculEchoue = true;
    Validite.InstrumentValide = false;
}

// The emerging ray's x where it meets the image plane z = PositionFoyer + DecalageFoyer.
double XSurPlanImage()
{
    return Rayon.XRayon + (Systeme.PositionFoyer + Systeme.DecalageFoyer - Rayon.ZRayon) * Rayon.LRayon / Rayon.NRayon;
}

// Keeps a residual in `XImage` unless it is not a number, which the search then refuses.
double NoteXImage(double x)
{
    if (std::isfinite(x))
        Systeme.XImage = x;
    return x;
}

// The reference ray as it leaves the pass: where it crosses the axis, and the focal length its
// slope gives. False for a ray leaving parallel to the axis, which has no focus.
bool FoyerDuRayon(double& position, double& focale)
{
    position = Rayon.ZRayon - Rayon.XRayon * Rayon.NRayon / Rayon.LRayon;
    focale = std::abs(Rayon.NRayon / Rayon.LRayon * Instrument.DiametreEntree * Systeme.DistanceAxeRayonFoyer);
    return std::isfinite(position) && std::isfinite(focale);
}

// The reference ray traced again to the plane of the central hole of the focus just found, with no
// focus shift: the beam's radius there is the instrument's own, whatever image plane the previous
// solve left. A design without a hole has no such radius.
void MesureFaisceauTrou(void (*passe)())
{
    const double decalage = Systeme.DecalageFoyer;
    Systeme.DecalageFoyer = 0.0;
    Rayon.HauteurTrou = 0.0;
    EffaceDrapeauxRayon();
    passe();
    Systeme.RayonFaisceauTrou = static_cast<float>(std::abs(Rayon.HauteurTrou));
    Systeme.DecalageFoyer = decalage;
}

// The meniscus faces as the Maksutov passes read them (group rows 1 and 2).
void PlaceMenisque()
{
    Groupe.SommetGroupe[1] =
        Instrument.DistanceDiaphragmeMiroir - Instrument.DistanceLameMiroir - Instrument.EpaisseurLame;
    Groupe.SommetGroupe[2] = Groupe.SommetGroupe[1] + Instrument.EpaisseurLame;
    Groupe.EpaisseurGroupe[1] = Instrument.EpaisseurLame;
    Groupe.EpaisseurGroupe[2] = Instrument.DistanceLameMiroir;
    for (int i = 1; i <= 2; ++i)
    {
        Groupe.CentreGroupe[i] = Groupe.SommetGroupe[i] + Groupe.RayonGroupe[i];
        Groupe.CarreDemiDiametreGroupe[i] = Instrument.DiametreMenisque * Instrument.DiametreMenisque / 4.0;
    }
}

// The Houghton corrector's length: to the primary, and from its first to its last surface.
void MesureCorrecteurHoughton()
{
    const int n = std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    double total = 0.0;
    for (int i = 1; i < n; ++i)
        total += Groupe.EpaisseurGroupe[i];
    Instrument.LongueurTotale = total;
    Instrument.DistanceDiaphragmeMiroir = static_cast<float>(n >= 1 ? total + Groupe.EpaisseurGroupe[n] : 0.0);
}

// A focal search's request after a divergence: the shift that failed is kept for the box.
bool RelanceDecalage(double& depart)
{
    Systeme.DecalageFoyerPrecedent = Systeme.DecalageFoyerInitial;
    DemandeOuverte = true;
    const bool poursuit = Notifications.DemandeDecalageFoyer();
    DemandeOuverte = false;
    if (!poursuit)
        return false;
    depart = Systeme.DecalageFoyerInitial;
    return true;
}

// The afocal search asks at every other divergence only; in between it starts again from the
// same distance.
bool RelanceDistance(double& depart)
{
    Systeme.DistanceFoyerDioptrePrecedente = Systeme.DistanceFoyerDioptre;
    if (Systeme.MessageDejaAffiche == 0 && !DemandeOuverte)
    {
        Notifications.Bip(BipExclamation);
        Systeme.MessageDejaAffiche = 1;
        DemandeOuverte = true;
        const bool poursuit = Notifications.DemandeDistanceFoyerDioptre();
        DemandeOuverte = false;
        if (!poursuit)
            return false;
    }
    else
    {
        Systeme.MessageDejaAffiche = 0;
    }
    depart = Systeme.PositionFoyer + Systeme.DistanceFoyerDioptre;
    return true;
}

// Ends a search: false when the solver must stop here.
bool IssueAcceptee(TIssueRecherche issue)
{
    switch (issue)
    {
    case TIssueRecherche::Convergee:
    case TIssueRecherche::RayonPerdu: return true;
    case TIssueRecherche::Arretee: Systeme.CalculInterrompu = true; return false;
    case TIssueRecherche::Echouee: EchecCalcul(); return false;
    }
    return false;
}

// The chief ray at one arc minute, from the centre of the pupil: its height on the image plane
// gives the effective focal length of the whole system.
bool MesureFocaleEffective()
{
    OrienteRayon(AngleUneMinute);
    Rayon.XDepart = 0.0;
    EffaceDrapeauxRayon();
    TraceRayon();
    const double x = NoteXImage(XSurPlanImage());
    const double focale = std::abs(x * Rayon.CosinusAngleChamp / Rayon.SinusAngleChamp);
    if (!std::isfinite(focale))
    {
        EchecCalcul();
        return false;
    }
    Instrument.FocaleEffective = focale;
    return true;
}

double SommeEpaisseursDispositif()
{
    if (!Validite.DispositifPresent)
        return 0.0;
    double somme = 0.0;
    for (int i = 1; i <= NombreDioptresSur(); ++i)
        somme += Dispositif.EpaisseurDioptre[i];
    return somme;
}

// Focal system with a lens device: the device moves with the image plane, at its last thickness
// in front of it, until the reference ray meets the plane on the axis.
void RechercheFocaleAvecDispositif()
{
    CalculeFoyer();
    if (Systeme.CalculInterrompu)
        return;
    const double depart = std::abs(Systeme.DecalageFoyerInitial) > SeuilValeurDonnee ? Systeme.DecalageFoyerInitial
                                                                                     : SommeEpaisseursDispositif();
    const TIssueRecherche issue = RecherchePasAPas(
        Systeme.DecalageFoyer, depart, ReglageAvecDispositif,
        [](double decalage) {
            Systeme.DecalageFoyer = decalage;
            PlaceDispositifDepuisFin();
            EffaceDrapeauxRayon();
            TraceRayon();
            if (Rayon.RayonPerdu)
                return TEssaiRecherche{0.0, true};
            return TEssaiRecherche{NoteXImage(XSurPlanImage()), false};
        },
        RelanceDecalage);
    if (!IssueAcceptee(issue))
        return;
    const double miseAuPoint = Reglages.DecalageMiseAuPoint;
    if (std::abs(miseAuPoint) > SeuilValeurDonnee)
    {
        Systeme.DecalageFoyer += miseAuPoint;
        PlaceDispositifDepuisFin();
    }
    if (!MesureFocaleEffective())
        return;
    // The image plane follows the focus offset once more, the device staying where it is.
    Systeme.DecalageFoyer += miseAuPoint;
    Systeme.DistanceFoyerDioptre = Dispositif.SommetDioptre[1] - Systeme.PositionFoyer;
}

// Afocal system: the first surface moves until the reference ray leaves parallel to the axis.
void RechercheAfocale()
{
    CalculeFoyer();
    if (Systeme.CalculInterrompu)
        return;
    double sommet = 0.0;
    const TIssueRecherche issue = RecherchePasAPas(
        sommet, Systeme.PositionFoyer + Systeme.DistanceFoyerDioptre, ReglageAfocal,
        [](double premier) {
            Dispositif.SommetDioptre[1] = premier;
            PlaceDispositifDepuisDebut();
            EffaceDrapeauxRayon();
            TraceRayon();
            return TEssaiRecherche{Rayon.LRayon, Rayon.RayonPerdu};
        },
        RelanceDistance);
    if (!IssueAcceptee(issue))
        return;
    const double grossissement = std::abs(Instrument.DiametreEntree / Rayon.XRayon * Systeme.DistanceAxeRayonFoyer);
    if (!std::isfinite(grossissement))
    {
        EchecCalcul();
        return;
    }
    Systeme.DistanceFoyerDioptre = Dispositif.SommetDioptre[1] - Systeme.PositionFoyer;
    Systeme.GrossissementAfocal = grossissement;
    if (std::abs(Reglages.DecalageMiseAuPoint) > SeuilValeurDonnee)
    {
        Dispositif.SommetDioptre[1] += Reglages.DecalageMiseAuPoint;
        PlaceDispositifDepuisDebut();
    }
}

// The residual on the curved image surface: the sphere about the primary's centre of curvature
// through the image point. False when the ray misses it.
bool XSurChampCourbe(double decalage, double& x)
{
    const double r = Instrument.RayonCourburePrimaire;
    const double rayonChamp = r - Instrument.FocaleEffective - decalage;
    const double pz = Rayon.ZRayon - r;
    const double b = 2.0 * (Rayon.XRayon * Rayon.LRayon + Rayon.YRayon * Rayon.MRayon + pz * Rayon.NRayon);
    const double c = Rayon.XRayon * Rayon.XRayon + Rayon.YRayon * Rayon.YRayon + pz * pz - rayonChamp * rayonChamp;
    const double discriminant = b * b - 4.0 * c;
    if (discriminant < 0.0)
        return false;
    x = Rayon.XRayon + (-b - std::sqrt(discriminant)) / 2.0 * Rayon.LRayon;
    return true;
}

// Instrument alone: the image plane (or curved field) moves until the reference ray meets it on
// the axis.
void RechercheFocaleSansDispositif()
{
    const double depart =
        std::abs(Systeme.DecalageFoyerInitial) > SeuilValeurDonnee ? Systeme.DecalageFoyerInitial : 0.0;
    CalculeFoyer();
    if (Systeme.CalculInterrompu)
        return;
    bool champManque = false;
    const TIssueRecherche issue = RecherchePasAPas(
        Systeme.DecalageFoyer, depart, ReglageSansDispositif,
        [&champManque](double decalage) {
            Systeme.DecalageFoyer = decalage;
            EffaceDrapeauxRayon();
            TraceRayon();
            if (Rayon.RayonPerdu)
                return TEssaiRecherche{0.0, true};
            double x = 0.0;
            if (!Instrument.ChampCourbe)
            {
                x = XSurPlanImage();
            }
            else if (!XSurChampCourbe(decalage, x))
            {
                champManque = true;
                return TEssaiRecherche{0.0, true};
            }
            return TEssaiRecherche{NoteXImage(x), false};
        },
        RelanceDecalage);
    if (!IssueAcceptee(issue))
        return;
    if (champManque)
    {
        Rayon.RayonBloque = true;
        Notifications.Bip(BipDefaut);
        return;
    }
    if (Instrument.TypeInstrument == TTypeInstrument::KlevtsovCassegrain)
    {
        // The magnification follows the focal length found, so that a second set-up finds what the first left.
        Instrument.FocaleResultante = Instrument.FocaleEffective;
        if (Instrument.FocalePrimaire > 0)
            Instrument.Grandissement = Instrument.FocaleResultante / Instrument.FocalePrimaire;
    }
    else if (!MesureFocaleEffective())
    {
        return;
    }
    Systeme.DecalageFoyer += Reglages.DecalageMiseAuPoint;
    Systeme.DistanceFoyerDioptre = Dispositif.SommetDioptre[1] - Systeme.PositionFoyer;
}

} // namespace

void EffaceDrapeauxRayon()
{
    Rayon.RayonPerdu = false;
    Rayon.RayonBloque = false;
    Rayon.ArretDispositif = false;
    Rayon.VignettageDispositif = false;
    Rayon.ArretGroupe = false;
    Rayon.HorsSecondaire = false;
    Rayon.DansTrouCentral = false;
    Rayon.ArretBordTrou = false;
}

void PlaceDispositifDepuisFin()
{
    const int n = NombreDioptresSur();
    Dispositif.SommetDioptre[n] = Systeme.PositionFoyer + Systeme.DecalageFoyer - Dispositif.EpaisseurDioptre[n];
    for (int i = n - 1; i >= 1; --i)
    {
        Dispositif.SommetDioptre[i] = Dispositif.SommetDioptre[i + 1] - Dispositif.EpaisseurDioptre[i];
    }
    PlaceDispositifDepuisDebut();
}

void PlaceDispositifDepuisDebut()
{
    const int n = NombreDioptresSur();
    for (int i = 1; i <= n; ++i)
    {
        if (i > 1)
            Dispositif.SommetDioptre[i] = Dispositif.SommetDioptre[i - 1] + Dispositif.EpaisseurDioptre[i - 1];
        const double rayon = Dispositif.RayonDioptre[i];
        // A plane's centre is its vertex: the plane kernels read only the vertex.
        Dispositif.CentreDioptre[i] = Dispositif.SommetDioptre[i] + (EstPlan(rayon) ? 0.0 : rayon);
        Dispositif.CarreDemiDiametre[i] = Dispositif.DiametreDioptre[i] * Dispositif.DiametreDioptre[i] / 4.0;
    }
}

void CalculeFoyer()
{
    double position = 0.0;
    double focale = 0.0;
    EffaceDrapeauxRayon();
    void (*passe)() = nullptr;
    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Aucun: return;
    case TTypeInstrument::Newton:
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtNewton:
        // The primary's own focus: nothing to trace.
        Systeme.PositionFoyer = Instrument.FocalePrimaire;
        Instrument.FocaleEffective = Instrument.FocalePrimaire;
        return;
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::DallKirkham: passe = TraceCassegrain; break;
    case TTypeInstrument::Gregory: passe = TraceGregory; break;
    case TTypeInstrument::SchmidtCassegrain:
        passe = Validite.SansSecondaire ? TraceSchmidt : TraceSchmidtCassegrain;
        break;
    case TTypeInstrument::MaksutovCassegrain:
        PlaceMenisque();
        passe = TraceMaksutovCassegrain;
        break;
    case TTypeInstrument::KlevtsovCassegrain: passe = TraceKlevtsov; break;
    case TTypeInstrument::Schwarzschild: passe = TraceSchwarzschild; break;
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton:
        // Placed before the trace: a meniscus whose radius, thickness or gap has just changed still has the
        // previous design's faces, and the focus traced through them would be another design's.
        PlaceMenisque();
        passe = TraceMaksutov;
        break;
    case TTypeInstrument::LurieHoughton:
    case TTypeInstrument::HoughtonCassegrain: passe = TraceLurieHoughton; break;
    case TTypeInstrument::Lunette: passe = TraceLunette; break;
    }
    passe();
    Edition.AMettreAJour = true;
    // A reference ray lost on its way (a surface missed, a meniscus face or secondary narrower than the beam) stopped
    // where no surface took it: its position and direction are an earlier trace's, and a focus read from them would
    // be another design's, found on one refresh and not the next.
    if (Rayon.RayonPerdu || !FoyerDuRayon(position, focale))
    {
        EchecCalcul();
        return;
    }
    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Aucun:
    case TTypeInstrument::Newton:
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtNewton: return;
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::DallKirkham:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::MaksutovCassegrain:
    case TTypeInstrument::KlevtsovCassegrain:
        Systeme.PositionFoyer = position;
        if (Instrument.TypeInstrument == TTypeInstrument::KlevtsovCassegrain)
        {
            Instrument.DegagementFoyer = position;
        }
        MesureFaisceauTrou(passe);
        Instrument.FocaleEffective = focale;
        return;
    case TTypeInstrument::Schwarzschild:
        Systeme.PositionFoyer = position;
        Instrument.FocaleEffective = focale;
        return;
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton:
    case TTypeInstrument::LurieHoughton:
        // Behind a meniscus or corrector, the primary's focal length is that of the pair.
        Systeme.PositionFoyer = position;
        Instrument.FocalePrimaire = position;
        Instrument.FocaleEffective = position;
        if (Instrument.TypeInstrument == TTypeInstrument::LurieHoughton)
            MesureCorrecteurHoughton();
        return;
    case TTypeInstrument::HoughtonCassegrain:
        // The corrector and primary's focus; the system's own focus is the set-up's.
        Instrument.FocalePrimaire = position;
        MesureCorrecteurHoughton();
        MesureFaisceauTrou(TraceHoughtonCassegrain);
        return;
    case TTypeInstrument::Lunette:
        Systeme.PositionFoyer = position;
        Instrument.FocalePrimaire = focale;
        Instrument.FocaleEffective = focale;
        Instrument.FocaleResultante = focale;
        return;
    }
}

void PrepareSysteme()
{
    if (Systeme.CalculInterrompu || !DepenseTraces(TracesSolution))
        return;
    VerifieDispositif();
    OrienteRayon(0.0);
    Rayon.EstRayonReference = true;
    Rayon.XDepart = Systeme.DistanceAxeRayonFoyer * Instrument.DiametreEntree;
    Rayon.YDepart = 0.0;
    Systeme.XImage = 0.0;
    Systeme.SensRecherche = 1;
    Rayon.RayonPerdu = false;
    Validite.SystemeAfocal = EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[NombreDioptresSur()]);
    CalculeTacheDiffraction();
    if (Instrument.DiametreEntree <= 0.0)
        return;
    if (Validite.DispositifPresent && Validite.DispositifValide && Rayon.DispositifActif)
    {
        if (Validite.SystemeAfocal)
        {
            RechercheAfocale();
        }
        else
        {
            RechercheFocaleAvecDispositif();
        }
    }
    else
    {
        RechercheFocaleSansDispositif();
    }
}
