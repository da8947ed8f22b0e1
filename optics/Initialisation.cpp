// Resets of a new design (instrument, lens device, spectral lines, plate glass) and the shared
// helpers: working indices, empty-row test, sag of a sphere, minimum thickness between two faces.
#include "optics/Initialisation.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "optics/Notifications.h"
#include "optics/Rayon.h"

namespace {

constexpr TLongueurOnde LigneRougeParDefaut = 8; // "nC" 656.3 nm
constexpr TLongueurOnde LigneVerteParDefaut = 13; // "ne" 546.1 nm
constexpr TLongueurOnde LigneBleueParDefaut = 15; // "nF'" 480.0 nm

constexpr TColor TeinteMiroirsParDefaut = 14079512; // $D6D618
constexpr TColor TeinteLentillesParDefaut = 12056030; // $B7F5DE

float IndiceBK7(TLongueurOnde ligne)
{
    return ligne >= 1 && ligne <= NombreLongueursOnde ? IndicesBK7[static_cast<std::size_t>(ligne)] : 0.0f;
}

int NombreDioptresBorne()
{
    if (Dispositif.NombreDioptres < 1)
        return 1;
    if (Dispositif.NombreDioptres > NombreMaxDioptres)
        return NombreMaxDioptres;
    return Dispositif.NombreDioptres;
}

} // namespace

float IndiceAir(TLongueurOnde ligne)
{
    return ligne >= 1 && ligne <= NombreLongueursOnde ? IndicesAir[static_cast<std::size_t>(ligne)] : 0.0f;
}

float LongueurOndeNm(TLongueurOnde ligne)
{
    return ligne >= 1 && ligne <= NombreLongueursOnde ? TableLongueursOnde[static_cast<std::size_t>(ligne)] : 0.0f;
}

void InitialiseLongueursOnde()
{
    LongueursOnde.LongueurOndeRouge = LigneRougeParDefaut;
    LongueursOnde.LongueurOndeVerte = LigneVerteParDefaut;
    LongueursOnde.LongueurOndeBleue = LigneBleueParDefaut;
}

void InitialiseInstrument()
{
    // A replay that rebuilds a document keeps the form it was made with.
    const bool garderType = Edition.PositionJournal != 0;
    const TTypeInstrument type = Instrument.TypeInstrument;
    const std::string nom = Instrument.NomInstrument;

    // Every value, derived ones included, starts again from zero: a focus, a magnification or a
    // flat size left from the previous design must never take part in judging the new one.
    Instrument = TInstrument{};
    if (garderType)
    {
        Instrument.TypeInstrument = type;
        Instrument.NomInstrument = nom;
    }
    Instrument.CoefficientDeformationPrimaire = CoefficientACalculer;
    Instrument.CoefficientDeformationPrimaire2 = SansTermeOrdre6;
    Instrument.CoefficientDeformationSecondaire = CoefficientACalculer;
    Instrument.CoefficientDeformationSecondaire2 = SansTermeOrdre6;
    Instrument.DegagementFoyer = DegagementNonSaisi;
    Instrument.CoefficientDeformationLame = 1.0;
    Instrument.CoefficientK = 1.5;
    Instrument.CoefficientLameRelatif = 1.0;
    Instrument.CoefficientLameOptimal = 1.0;
    Instrument.CoteLame = 100;
    Instrument.ProfilLame = ProfilAvant;
    Instrument.ChampCourbe = false;
    Instrument.SecondaireSurMenisque = true;
    Instrument.TeinteMiroirs = TeinteMiroirsParDefaut;
    Instrument.TeinteLentilles = TeinteLentillesParDefaut;

    Groupe = TDioptreGroupe{};
    Groupe.EpaisseurGroupe.fill(EpaisseurNonSaisie);

    Validite.InstrumentValide = false;
    Validite.SecondaireDefini = false;
    Validite.ConflitGeometrique = false;
    Validite.SansSecondaire = false;
    Validite.InstrumentVierge = true;

    // The solved values go with the instrument; the afocal search's start belongs to the device,
    // which this reset keeps, and the Airy factor persists between computations.
    TSysteme systeme{};
    systeme.DistanceFoyerDioptre = Systeme.DistanceFoyerDioptre;
    systeme.DistanceFoyerDioptrePrecedente = Systeme.DistanceFoyerDioptrePrecedente;
    systeme.FacteurAiry = Systeme.FacteurAiry;
    systeme.NombreCouleurs = Systeme.NombreCouleurs;
    Systeme = systeme;
    Systeme.DistanceAxeRayonFoyer = std::sqrt(3.0) / 4.0;

    Rayon.ManqueSecondaire = false;
    Rayon.CarreDistanceAxe[0] = 0;

    InitialiseLongueursOnde();

    Edition.DispositifDeveloppe = true;
    Edition.LongueurTotaleAffichee = false;
    Edition.ReticuleEnCours = false;
    Edition.MarqueEditionTableau = false;
    Edition.TableEditee = TTableEditee::Aucune;

    Reglages.PasEtoileUnique = 5;
    Reglages.PasEtoileUniqueAfocal = 5;
    Reglages.PasEtoileMultiple = 5;
    Reglages.PasEtoileMultipleAfocal = 5;

    Notifications.InstrumentReinitialise();
}

void InitialisePasFleches()
{
    Reglages.PasRayon = 1.0f;
    Reglages.PasEpaisseur = 0.1f;
    Reglages.PasDiametre = 1.0f;
    Reglages.PasIndice = 0.001f;
    Reglages.PasPhi = 0.01f;
    Reglages.PasGamma = 0.01f;
}

void InitialiseDispositif()
{
    Edition.TableEditee = TTableEditee::Dispositif;
    Edition.DispositifDeveloppe = true;
    Edition.LigneCourante = 1;
    Edition.LigneCopiee.fill(0.0f);
    Edition.MatiereCopiee.clear();

    Dispositif.TitreDispositif.clear();
    for (int i = 0; i <= NombreMaxDioptres; ++i)
    {
        Dispositif.RayonDioptre[i] = RayonVide;
        Dispositif.EpaisseurDioptre[i] = EpaisseurNonSaisie;
        Dispositif.DiametreDioptre[i] = 0;
        Dispositif.IndiceRouge[i + 1] = 0;
        Dispositif.IndiceVert[i + 1] = 0;
        Dispositif.IndiceBleu[i + 1] = 0;
        Dispositif.MatiereDioptre[i + 1].clear();
        Dispositif.SommetDioptre[i] = 0;
        Dispositif.CentreDioptre[i] = 0;
        Dispositif.CarreDemiDiametre[i] = 0;
    }
    Dispositif.NombreDioptres = 1;

    Validite.DispositifValide = false;
    Validite.DispositifPresent = false;
    Validite.SystemeAfocal = false;

    Reglages.IndiceLimite = 1.1f;
    Reglages.DecalageMiseAuPoint = 0;
    Reglages.ImpressionFondNoir = false;
    Reglages.ImpressionCouleur = false;
    InitialisePasFleches();
    Reglages.RayonsLumineuxTraces = false;
    Reglages.DistanceAxeImage = 0;
    Reglages.TeinteVerre = TeintesParDefaut;
    Reglages.ZoomEtoileUnique = 32;
    Reglages.DensiteEtoileUnique = 15;
    Reglages.PasEtoileUnique = 10;
    Reglages.PasEtoileUniqueAfocal = 5;
    Reglages.AnalyseChromatique = true;
    Reglages.ZoomEtoileMultiple = 64;
    Reglages.DensiteEtoileMultiple = 10;
    Reglages.DistanceAxeEtoile = 0;
    Reglages.AmplitudeChamp = 12;
    Reglages.AmplitudeChampAfocal = 24;
    Reglages.ChampLineaire = true;
    Reglages.RayonChampLineaire = 25;
    Reglages.RayonChampAngulaire = 90;
    Reglages.RayonChampAfocal = 20;
    Reglages.AmplitudeRepere = 30;

    Systeme.CalculInterrompu = false;
    Systeme.DecalageFoyerInitial = 0;
    Systeme.DistanceFoyerDioptre = 0;

    Rayon.DioptreArret = AucunDioptreArret;

    Notifications.DispositifReinitialise(Validite.InstrumentValide);
}

void InitialiseVerreLame()
{
    Groupe.MatiereGroupe[1] = "BK7";
    Groupe.IndiceRougeGroupe[1] = IndiceBK7(LongueursOnde.LongueurOndeRouge);
    Groupe.IndiceVertGroupe[1] = IndiceBK7(LongueursOnde.LongueurOndeVerte);
    Groupe.IndiceBleuGroupe[1] = IndiceBK7(LongueursOnde.LongueurOndeBleue);
    Dispositif.IndiceTrace[0] = IndiceBK7(LongueursOnde.LongueurOndeVerte);
    Dispositif.IndiceTrace[1] = IndiceAir(LongueursOnde.LongueurOndeVerte);
}

void AppliqueIndices()
{
    const float airRouge = IndiceAir(LongueursOnde.LongueurOndeRouge);
    const float airVert = IndiceAir(LongueursOnde.LongueurOndeVerte);
    const float airBleu = IndiceAir(LongueursOnde.LongueurOndeBleue);

    Dispositif.IndiceRouge[1] = airRouge;
    Dispositif.IndiceVert[1] = airVert;
    Dispositif.IndiceBleu[1] = airBleu;

    Groupe.IndiceRougeGroupe[0] = airRouge;
    Groupe.IndiceVertGroupe[0] = airVert;
    Groupe.IndiceBleuGroupe[0] = airBleu;

    // Behind the plate or meniscus glass (row 1) lies air; the refractor and the Houghton correctors
    // have a second glass there.
    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Lunette:
    case TTypeInstrument::LurieHoughton:
    case TTypeInstrument::HoughtonCassegrain: break;
    case TTypeInstrument::Aucun:
    case TTypeInstrument::Newton:
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovCassegrain:
    case TTypeInstrument::Schwarzschild:
    case TTypeInstrument::MaksutovNewton:
    case TTypeInstrument::DallKirkham:
    case TTypeInstrument::KlevtsovCassegrain:
    case TTypeInstrument::SchmidtNewton:
        Groupe.IndiceRougeGroupe[2] = airRouge;
        Groupe.IndiceVertGroupe[2] = airVert;
        Groupe.IndiceBleuGroupe[2] = airBleu;
        break;
    }

    // The medium behind the last surface is element N + 1.
    const int dernierMilieu = NombreDioptresBorne() + 1;
    for (int k = 0; k <= dernierMilieu; ++k)
        Dispositif.IndiceTrace[k] = Dispositif.IndiceVert[k];
    Groupe.IndiceTraceGroupe = Groupe.IndiceVertGroupe;
}

bool EstLigneVide(int ligne)
{
    switch (Edition.TableEditee)
    {
    case TTableEditee::Dispositif: return EstLigneDispositifVide(ligne);
    case TTableEditee::Groupe: return EstLigneGroupeVide(ligne);
    case TTableEditee::Aucune:
    case TTableEditee::Lame: return false;
    }
    return false;
}

bool EstLigneDispositifVide(int ligne)
{
    if (ligne < 1 || ligne > NombreMaxDioptres)
        return false;
    const TDioptre& d = Dispositif;
    const auto i = static_cast<std::size_t>(ligne);
    return EstRayonVide(d.RayonDioptre[i]) && EstEpaisseurVide(d.EpaisseurDioptre[i]) &&
           EstIndiceVide(d.IndiceRouge[i + 1]) && EstIndiceVide(d.IndiceVert[i + 1]) &&
           EstIndiceVide(d.IndiceBleu[i + 1]) && d.MatiereDioptre[i + 1].empty();
}

bool EstLigneGroupeVide(int ligne)
{
    if (ligne < 1 || ligne > NombreMaxDioptresGroupe)
        return false;
    const TDioptreGroupe& g = Groupe;
    const auto i = static_cast<std::size_t>(ligne);
    return EstRayonVide(g.RayonGroupe[i]) && EstEpaisseurVide(g.EpaisseurGroupe[i]) &&
           EstIndiceVide(g.IndiceRougeGroupe[i]) && EstIndiceVide(g.IndiceVertGroupe[i]) &&
           EstIndiceVide(g.IndiceBleuGroupe[i]) && g.MatiereGroupe[i].empty();
}

double FlecheSphere(double rayon, double diametre)
{
    if (rayon == 0)
        return 0;
    const double demi = diametre / 2;
    // Callers check that the sphere spans the diameter; should one not, the sag stops at the
    // hemisphere rather than becoming NaN.
    const double reste = std::max(rayon * rayon - demi * demi, 0.0);
    return std::copysign(std::abs(rayon) - std::sqrt(reste), rayon);
}

namespace {

// The sag that a face of a lens takes at its rim; nothing when the sphere cannot span the diameter.
std::optional<double> FlecheFace(double rayon, double diametre)
{
    if (rayon == RayonVide || std::abs(rayon) > SeuilRayonPlan)
        return 0.0;
    if (std::abs(rayon) < diametre / 2)
        return std::nullopt;
    return FlecheSphere(rayon, diametre);
}

} // namespace

double CalculeEpaisseurMinimale(bool air, double rayon1, double rayon2, double diametre1, double diametre2)
{
    if (diametre2 < 0.1)
        diametre2 = diametre1;
    if (air)
        diametre1 = diametre2 = std::min(diametre1, diametre2);
    const auto fleche1 = FlecheFace(rayon1, diametre1);
    const auto fleche2 = FlecheFace(rayon2, diametre2);
    if (!fleche1 || !fleche2)
        return EpaisseurMinimaleImpossible;
    return std::max(*fleche1 - *fleche2, 0.0);
}
