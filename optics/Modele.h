// The one open design: instrument, lens group, lens device, spectral lines, display settings,
// validity flags and solved values, held in plain records with one program-wide instance each.
// Lengths in millimetres, angles in radians, wavelengths in nanometres. Fields the model stores at
// 32-bit precision are `float`. The state of the ray being traced lives in Rayon.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "optics/Sentinelles.h"

using TOctet = std::uint8_t;
using TColor = std::uint32_t; // 0x00BBGGRR

// The instrument's form; the codes are those saved and replayed, so they are not contiguous.
enum class TTypeInstrument : std::int32_t
{
    Aucun = 0,
    Newton = 1,
    Cassegrain = 2,
    RitcheyChretien = 3,
    Gregory = 4,
    Schmidt = 5,
    SchmidtCassegrain = 6,
    Maksutov = 7,
    MaksutovCassegrain = 8,
    Lunette = 9,
    Schwarzschild = 10,
    MaksutovNewton = 76,
    DallKirkham = 110,
    KlevtsovCassegrain = 120,
    LurieHoughton = 130,
    HoughtonCassegrain = 140,
    SchmidtNewton = 150,
};

inline constexpr std::array<TTypeInstrument, 16> FormesInstrument = {
    TTypeInstrument::Newton,
    TTypeInstrument::Cassegrain,
    TTypeInstrument::RitcheyChretien,
    TTypeInstrument::Gregory,
    TTypeInstrument::Schmidt,
    TTypeInstrument::SchmidtCassegrain,
    TTypeInstrument::Maksutov,
    TTypeInstrument::MaksutovCassegrain,
    TTypeInstrument::Lunette,
    TTypeInstrument::Schwarzschild,
    TTypeInstrument::MaksutovNewton,
    TTypeInstrument::DallKirkham,
    TTypeInstrument::KlevtsovCassegrain,
    TTypeInstrument::LurieHoughton,
    TTypeInstrument::HoughtonCassegrain,
    TTypeInstrument::SchmidtNewton,
};

// A code read from a file or the journal must pass this before it becomes a `TTypeInstrument`.
inline constexpr bool EstCodeTypeInstrument(std::int32_t code)
{
    if (code == 0)
        return true;
    for (TTypeInstrument forme : FormesInstrument)
        if (static_cast<std::int32_t>(forme) == code)
            return true;
    return false;
}

// Face of the Schmidt plate that carries the profile.
enum TProfilLame : TOctet
{
    ProfilAucun = 0,
    ProfilAvant = 1,
    ProfilArriere = 2,
    ProfilPartage = 3
};

// Limits of the two surface tables.
inline constexpr int NombreMaxDioptres = 30;
inline constexpr int NombreMaxDioptresGroupe = 13;
inline constexpr int NombreLongueursOnde = 23;

// ---- Spectral lines --------------------------------------------------------------------------

using TLongueurOnde = std::int32_t; // line 1..23, 0 = none chosen
using TIndicesMatiere = std::array<float, NombreLongueursOnde + 1>; // element 0 unused; 0 = no value

struct TTableSpectrale
{
    std::array<const char*, NombreLongueursOnde + 1> NomsLongueursOnde;
    std::array<float, NombreLongueursOnde + 1> TableLongueursOnde; // nm
    TIndicesMatiere IndicesAir;
};

inline constexpr TTableSpectrale TableSpectrale = {
    {"",   "n2325.4", "n1970.1", "n1529.6", "n1060.0", "nt", "ns", "nr",     "nC",     "nC'",    "n632.8", "nD",
     "nd", "ne",      "nF",      "nF'",     "ng",      "nh", "ni", "n334.1", "n312.6", "n296.7", "n280.4", "n248.3"},
    {0.0f,   2325.4f, 1970.1f, 1529.6f, 1060.0f, 1014.0f, 852.1f, 706.5f, 656.3f, 643.8f, 632.8f, 589.3f,
     587.6f, 546.1f,  486.1f,  480.0f,  435.8f,  404.7f,  365.0f, 334.1f, 312.6f, 296.7f, 280.4f, 248.3f},
    {0.0f,      1.000273f, 1.000273f, 1.000273f, 1.000274f, 1.000274f, 1.000275f, 1.000276f,
     1.000276f, 1.000276f, 1.000277f, 1.000277f, 1.000277f, 1.000278f, 1.000279f, 1.00028f,
     1.000281f, 1.000283f, 1.000285f, 1.000288f, 1.00029f,  1.000292f, 1.000295f, 1.000302f},
};
inline constexpr const auto& NomsLongueursOnde = TableSpectrale.NomsLongueursOnde;
inline constexpr const auto& TableLongueursOnde = TableSpectrale.TableLongueursOnde;
inline constexpr const auto& IndicesAir = TableSpectrale.IndicesAir;

// BK7, the default glass of the Schmidt plate.
inline constexpr TIndicesMatiere IndicesBK7 = {0.0f,     1.48929f, 1.495f,   1.50094f, 1.50669f, 1.50731f,
                                               1.50981f, 1.51289f, 1.51432f, 1.51472f, 1.51509f, 1.51673f,
                                               1.5168f,  1.51872f, 1.52238f, 1.52283f, 1.52669f, 1.53024f,
                                               1.53626f, 0.0f,     0.0f,     0.0f,     0.0f,     0.0f};

// The lines whose indices fill the red, green and blue columns of both surface tables; green is
// the main colour (single-colour traces, Airy radius).
struct TLongueursOnde
{
    TLongueurOnde LongueurOndeRouge = 0;
    TLongueurOnde LongueurOndeVerte = 0;
    TLongueurOnde LongueurOndeBleue = 0;
};

// ---- Instrument --------------------------------------------------------------------------------

struct TInstrument
{
    std::string NomInstrument;
    TTypeInstrument TypeInstrument = TTypeInstrument::Aucun;
    double DiametreEntree = 0; // entrance aperture D (for the refractor a copy of DiametreObjectif)
    double FocalePrimaire = 0; // F1
    double DiametreMiroir = 0; // primary behind a corrector; must be >= D
    double DiametreObjectif = 0; // refractor's usable aperture
    double DiametreUtilePrimaire = 0; // on-axis beam on the primary
    double DiametreUtileHoughton = 0;
    double RayonCourburePrimaire = 0; // R1
    double RayonPrimaireCube = 0; // R1^3, mm^3
    double RayonPrimairePuissance5 = 0; // R1^5, mm^5
    double RayonMenisque1 = 0; // typed magnitude; lens-group row 1 holds its negative
    double RayonMenisque2 = 0; // typed magnitude; lens-group row 2 holds its negative
    double FocaleResultante = 0; // requested focal length F of the system
    double FocaleObjectif = 0; // instrument alone, set by the refresh
    double FocaleEffective = 0; // of the last reference trace (solver)
    double RapportFD = 0; // F/D for the plate tables
    float DiametreSecondaire = 0; // secondary, or small side of the Newton flat; 0 = none
    float DiametreSecondaireMinimal = 0; // smallest flat that passes the beam
    double DiametreObstruction = 0;
    double DistanceSecondaireFoyer = 0; // d; two-mirror forms: p
    double DistanceFoyerPrimaireSecondaire = 0; // p
    double RayonCourbureSecondaire = 0; // R2
    double DegagementFoyer = 0; // back-focus clearance B; DegagementNonSaisi = not entered
    double LongueurInstrument = 0;
    double EncombrementLateral = 0;
    double LongueurTotale = 0; // lens group length
    double Grandissement = 0; // magnification m of the secondary
    double CoefficientDeformationPrimaire = 0; // conic b; CoefficientACalculer = to compute
    double CoefficientDeformationPrimaire2 = 0; // sixth-order term; SansTermeOrdre6 = none
    double CoefficientDeformationSecondaire = 0; // conic c; CoefficientACalculer = to compute
    double CoefficientDeformationSecondaire2 = 0; // SansTermeOrdre6 = none
    float TacheDiffractionMicrons = 0; // Airy radius at the instrument's focus, µm
    float TacheDiffractionSecondes = 0; // the same on the sky, arc seconds
    double EpaisseurPrimaire = 0; // 0 = not given
    double EpaisseurSecondaire = 0;
    double EpaisseurLame = 0; // plate or meniscus
    double EpaisseurPrimaireDessin = 0; // the four drawing thicknesses are set by the section views
    double EpaisseurSecondaireDessin = 0;
    double EpaisseurLameDessin = 0;
    double EpaisseurCentrePrimaireDessin = 0;
    float DistanceLameMiroir = 0; // Lp; Houghton forms: corrector group length
    float DistanceDiaphragmeMiroir = 0; // Ls; Klevtsov: primary to first group surface
    float EpaisseurTotaleMenisque = 0;
    double RayonObstructionCarre = 0; // mm^2
    double DistanceEntreMiroirs = 0;
    double DiametreTrouCentral = 0; // h
    double DiametreTrouCentralDessin = 0;
    float DiametreSecondaireSchwarzschild = 0;
    float DiametreUtileSecondaire = 0;
    float DiametreChampPleineLumiere = 0;
    TOctet ProfilLame = ProfilAucun; // TProfilLame
    double ReliefLame = 0; // plate profile depth for a unit coefficient
    bool ChampCourbe = false; // image on the sphere about the primary's centre of curvature
    double CoefficientK = 0; // neutral zone at sqrt(k/2) of the radius
    std::array<double, 3> CoefficientsAspheriquesLame{}; // divisors of the u^10, u^12, u^14 terms
    std::array<double, 3> CoefficientsAspheriquesLameProche{}; // plate nearer than the centre of curvature
    std::array<double, 3> ImpactPrimaire{}; // x, y, z of the last hit on the primary (tracer)
    double CoefficientDeformationLame = 0;
    double CoefficientLameOptimal = 0;
    double CoefficientLameRelatif = 0;
    std::int32_t CoteLame = 0; // axial coordinate of the plate's profiled face, mm
    double DiametreMenisque = 0;
    double DistanceApresGroupe = 0; // refractor: focus position; Houghton forms: corrector to primary

    // The Maksutov-Cassegrain's secondary is a spot aluminised on the meniscus (the sheet's check box
    // "Secondaire métallisé sur la lame").
    bool SecondaireSurMenisque = true;
    double FinDispositif = 0; // axial end of the optical train (overall geometry)
    double DiametreMaximalDispositif = 0; // largest device diameter (or the central hole's)
    double DiametreObstructionDispositif = 0; // Schmidt-Cassegrain without secondary: beam width at the device
    double CarreRayonPupille = 0; // D^2 / 4, set before the views run
    bool OuvertureLunetteCalculee = false; // the refractor's usable aperture has been computed
    double AncienneFocalePrimaire = 0; // F1 when its entry opened, restored on refusal
    TColor TeinteMiroirs = 0;
    TColor TeinteLentilles = 0;
};

// The instrument's own lens group: refractor objective, Klevtsov group, Houghton corrector, the
// Schmidt plate's glass (row 1) or the Maksutov meniscus (rows 1 and 2). Rows 1..13; element 0 of
// the index columns is the medium in front, element i the medium behind surface i.
struct TDioptreGroupe
{
    std::int32_t NombreDioptresGroupe = 0;
    std::array<double, NombreMaxDioptresGroupe + 1> RayonGroupe{};
    std::array<double, NombreMaxDioptresGroupe + 1> DiametreGroupe{};
    std::array<double, NombreMaxDioptresGroupe + 1> EpaisseurGroupe{}; // EpaisseurNonSaisie = not entered
    std::array<float, NombreMaxDioptresGroupe + 1> IndiceRougeGroupe{};
    std::array<float, NombreMaxDioptresGroupe + 1> IndiceVertGroupe{};
    std::array<float, NombreMaxDioptresGroupe + 1> IndiceBleuGroupe{};
    std::array<std::string, NombreMaxDioptresGroupe + 1> MatiereGroupe{}; // at most 45 characters
    std::array<float, NombreMaxDioptresGroupe + 1> IndiceTraceGroupe{}; // colour being traced
    // Per-surface positions set by the set-ups and the solver, in the frame of the form's pass.
    std::array<double, NombreMaxDioptresGroupe + 1> SommetGroupe{};
    std::array<double, NombreMaxDioptresGroupe + 1> CentreGroupe{};
    std::array<double, NombreMaxDioptresGroupe + 1> CarreDemiDiametreGroupe{}; // (D/2)^2
};

// The lens device behind the instrument's focus. Rows 1..30; the media are numbered so that
// element k is the medium in front of surface k: element 1 is object space, row i's glass element i+1.
struct TDioptre
{
    std::string TitreDispositif;
    std::int32_t NombreDioptres = 1; // one empty row = no device
    std::array<double, NombreMaxDioptres + 1> RayonDioptre{};
    std::array<double, NombreMaxDioptres + 1> EpaisseurDioptre{}; // last row: to the image; EpaisseurInfinie = afocal
    std::array<double, NombreMaxDioptres + 1> DiametreDioptre{};
    std::array<float, NombreMaxDioptres + 2> IndiceRouge{};
    std::array<float, NombreMaxDioptres + 2> IndiceVert{};
    std::array<float, NombreMaxDioptres + 2> IndiceBleu{};
    std::array<float, NombreMaxDioptres + 2> IndiceTrace{}; // colour being traced
    std::array<std::string, NombreMaxDioptres + 2> MatiereDioptre{}; // equal names = the same glass
    std::array<std::int32_t, NombreMaxDioptres + 1> TeinteDioptre{}; // palette slot 0..9
    // Placed by the solver: vertex z, centre of curvature z (the vertex for a plane), (D/2)^2.
    std::array<double, NombreMaxDioptres + 1> SommetDioptre{};
    std::array<double, NombreMaxDioptres + 1> CentreDioptre{};
    std::array<double, NombreMaxDioptres + 1> CarreDemiDiametre{};
};

// ---- Settings held with the design -------------------------------------------------------------

using TPaletteTeintes = std::array<TColor, 10>;
using TLigneCopiee = std::array<float, 7>; // filled flag, radius, thickness, diameter, red, green, blue

inline constexpr TPaletteTeintes TeintesParDefaut = {0xD4FFF0, 0xFBEBE7, 0xAEFFFF, 0xFFDCFF, 0xE6BBDC,
                                                     0xC4E5FB, 0xC2EAD6, 0xFFF7C5, 0xD2EDF5, 0xFBC4C4};

struct TReglages
{
    float IndiceLimite = 0; // a medium whose green index exceeds it counts as glass
    TPaletteTeintes TeinteVerre{};
    float DecalageMiseAuPoint = 0; // user's focus offset added to the solved position, mm
    bool ImpressionFondNoir = false;
    bool ImpressionCouleur = false;
    float PasRayon = 0; // spin steps of the tables and of the lens shape frame
    float PasEpaisseur = 0;
    float PasDiametre = 0;
    float PasIndice = 0;
    float PasPhi = 0;
    float PasGamma = 0;
    bool RayonsLumineuxTraces = false;
    double DistanceAxeImage = 0;
    std::int32_t ZoomEtoileUnique = 0;
    std::int32_t DensiteEtoileUnique = 0; // rays per pupil radius
    std::int32_t PasEtoileUnique = 0; // arc minutes
    std::int32_t PasEtoileUniqueAfocal = 0; // degrees
    std::int32_t PasEtoileMultiple = 0;
    std::int32_t PasEtoileMultipleAfocal = 0;
    bool AnalyseChromatique = false;
    std::int32_t ZoomEtoileMultiple = 0;
    std::int32_t DensiteEtoileMultiple = 0;
    double DistanceAxeEtoile = 0; // arc minutes on the sky, or degrees of apparent field when afocal
    std::int32_t AmplitudeChamp = 0;
    std::int32_t AmplitudeChampAfocal = 0;
    bool ChampLineaire = false; // field radius in mm on the image, else as an angle
    std::int32_t RayonChampLineaire = 0; // mm
    std::int32_t RayonChampAngulaire = 0; // arc minutes
    std::int32_t RayonChampAfocal = 0; // degrees
    std::int32_t AmplitudeRepere = 0; // µm
    float PasBoiteDistance = 0; // step of the off-axis distance box's arrows
    std::int32_t EntierReserve = 0; // kept only to be written back to the design file
};

// ---- Editing state the resets touch -------------------------------------------------------------
// The document's path and name belong to the shell; the resets reach them through Notifications.h.

// The undo position while a recovery replays every record, whatever their number; no journal reaches it.
constexpr std::int32_t PositionRecuperation = INT32_MAX;

// The table whose row the cursor, the row commands and the glass choice work on.
enum class TTableEditee
{
    Aucune,
    Dispositif, // the lens device
    Groupe, // the lens group
    Lame // the plate or meniscus glass, kept in the lens group's first row
};

struct TEtatEdition
{
    bool DocumentModifie = false;
    bool AMettreAJour = false; // recompute and redraw at the next refresh
    std::int32_t PositionJournal = 0; // non-zero while a replay rebuilds a document
    bool InstrumentDeveloppe = true;
    bool DispositifDeveloppe = true;
    bool LongueurTotaleAffichee = false;
    TTableEditee TableEditee = TTableEditee::Aucune;
    std::int32_t LigneCourante = 1;
    // The row clipboards of the lens device and of the lens group, with their glass names.
    TLigneCopiee LigneCopiee{};
    std::string MatiereCopiee;
    TLigneCopiee LigneCopieeGroupe{};
    std::string MatiereCopieeGroupe;
    bool ReticuleEnCours = false;
    bool MarqueEditionTableau = false;
};

// ---- Validity --------------------------------------------------------------------------------------

struct TValidite
{
    bool InstrumentValide = false;
    bool SecondaireDefini = false;
    bool ConflitGeometrique = false; // parts collide; cleared by the overall geometry
    bool SansSecondaire = false; // Schmidt-Cassegrain without secondary: a Schmidt camera
    bool CouleursInstrumentCompletes = false;
    bool InstrumentVierge = true; // none of the type's main values entered yet
    bool DispositifValide = false;
    bool DispositifPresent = false;
    bool SystemeAfocal = false; // last device thickness infinite
    bool TroisCouleursPossibles = false;
};

// ---- Solved system and values the views read ----------------------------------------------------

struct TSysteme
{
    double PositionFoyer = 0; // z of the instrument's focus in the exit frame of the form's pass
    float RayonFaisceauTrou = 0; // beam radius of the reference ray in the plane of the central hole
    double DecalageFoyer = 0; // image plane at PositionFoyer + DecalageFoyer
    double DecalageFoyerInitial = 0; // start of that search; abs <= 1e-4 = none given
    double DecalageFoyerPrecedent = 0;
    double DistanceFoyerDioptre = 0; // PositionFoyer to the first device surface
    double DistanceFoyerDioptrePrecedente = 0;
    double DistanceAxeRayonFoyer = 0; // reference ray height as a fraction of DiametreEntree
    std::int32_t SensRecherche = 1; // +1 or -1
    double XImage = 0; // residual of the focal searches
    double GrossissementAfocal = 0;
    bool CalculEchoue = false;
    bool CalculInterrompu = false; // while set, the solver does nothing
    std::int32_t MessageDejaAffiche = 0;
    bool ConceptionSchmidtCassegrain = false; // trace the Schmidt-Cassegrain pass even without secondary
    std::int32_t NombreCouleurs = 1; // colours traced by the views: 1 green only, 3
    double RayonAiryImage = 0; // µm at the final image, or arc minutes of apparent field when afocal
    float FacteurAiry = 1.22f; // kept between calls
    double Eclairement = 0; // relative illumination 0..1, -100 when a rim ray is lost
    double HauteurImagePrincipale = 0; // chief ray's image height of the current field point
    std::int32_t NombreRayonsPasses = 0;
    std::int32_t NombreRayonsTraces = 0;
};

// ---- The program-wide instances ----------------------------------------------------------------

inline TInstrument Instrument;
inline TDioptreGroupe Groupe;
inline TDioptre Dispositif;
inline TLongueursOnde LongueursOnde;
inline TReglages Reglages;
inline TEtatEdition Edition;
inline TValidite Validite;
inline TSysteme Systeme;
