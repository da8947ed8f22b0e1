// The field analysis: at 21 positions from the axis to the field radius, the largest dimension of the star image
// per colour, the share of the pupil that reaches the image, the eye pupil of an afocal system, and the memorised
// comparison curve.
#pragma once

#include <array>

// One field position. Sizes in mm, or arc minutes for an afocal system.
struct TResultatChamp
{
    double Position = 0; // degrees of apparent field (afocal), mm (linear field), arc minutes on the sky
    double TailleVert = 0;
    double TailleTroisCouleurs = 0;
    double Luminosite = 0; // 0..1; negative when the illumination's rim rays were lost
    double TailleRouge = 0;
    double TailleBleu = 0;
};

inline constexpr int NombrePositionsChamp = 21;
inline constexpr int RayonsEventailChamp = 144; // 1 + 11 rings x 13 azimuths over half the pupil

inline std::array<TResultatChamp, NombrePositionsChamp> ResultatsChamp{};
// The chief ray of position j was lost.
inline std::array<bool, NombrePositionsChamp> EchecRayonPrincipal{};

// Record 0 is the header: first double 1.0 while a curve is memorised, second double 1.0 when it was computed for
// an afocal system. Records 1..21 hold positions 0..20 (position, sizes green and three colours, luminosity).
inline std::array<TResultatChamp, NombrePositionsChamp + 1> CourbeMemorisee{};

// A ray leaving the last surface, kept for the eye-pupil search. A ray that did not reach the image is stored as
// point (0, 0, 1) and direction (0, 0, 1).
struct TRayonEmergent
{
    double X = 0, Y = 0, Z = 1;
    double L = 0, M = 0, N = 1;
};
// For the even positions 0, 2 .. 20, each colour pass and each ray of the fan.
using TRayonsEmergentsChamp =
    std::array<std::array<std::array<TRayonEmergent, RayonsEventailChamp>, 3>, NombrePositionsChamp / 2 + 1>;
inline TRayonsEmergentsChamp RayonsEmergentsChamp{};

// The five extents of a star image, offsets from the chief image: all start at 0, so m_min <= 0 <= m_max.
struct TEtenduesTache
{
    double MMin = 0;
    double CarreRn = 0; // largest m^2 + s^2 among the rays with m < 0
    double SMax = 0;
    double CarreRp = 0; // largest m^2 + s^2 among the rays with m >= 0
    double MMax = 0;

    void Ajoute(double m, double s);
    void Combine(const TEtenduesTache& autre);
    // The largest of 2 s_max, m_max - m_min and sqrt(Rn^2 + Rp^2).
    double Taille() const;
};

// How a run of the analysis ended.
enum class TIssueChamp
{
    Complete,
    HorsChamp, // a ray missed the curved image surface: beeped, the later positions keep their values
    GrossissementNul // an afocal system without magnification has no field angle: nothing computed
};

// The field angle (radians) traced for position j; `afocal` chooses the apparent-field formula.
double AngleChampPosition(int j, bool afocal);

// The analysis of the 21 positions, with the colour passes, indices and system already prepared by the caller.
// The pupil points of the fan every position traces: rings every D/22 up to the rim, azimuths every 15 degrees over
// the half pupil y >= 0, the axis once.
using TEventailChamp = std::array<std::array<double, 2>, RayonsEventailChamp>;
TEventailChamp EventailChamp();

TIssueChamp CalculeAnalyseChamp();

// The illumination replaces the fan's luminosity when the system has an obstruction, a device, or is a form whose
// corrector or tube vignettes (Schmidt, Schmidt-Newton, Maksutov, refractor).
bool LuminositeParEclairement();
void CalculeLuminositeChamp();

struct TPupilleOculaire
{
    double Diametre = 0; // mm
    double Distance = 0; // mm behind the last device vertex
};
// The waist of the emerging bundles of the even positions 2 .. 20.
TPupilleOculaire CalculePupilleOculaire();

// "Copier la courbe": the table as the last drawing or printing left it, luminosity 0 where the chief ray failed.
void CopieCourbeMemorisee(bool afocal);
// "Effacer la courbe mémorisée".
void EffaceCourbeMemorisee();
bool CourbeEstMemorisee();
