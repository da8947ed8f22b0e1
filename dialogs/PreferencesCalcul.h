// The preferences without their window: the ten settings, the validator of each of the dialog's eight boxes, the
// reset, the journal record that packs them and its replay, and what the command does once the dialog is closed.
#pragma once

#include "dialogs/ReglagesCommuns.h"

#include <array>
#include <string>

struct TPreferences
{
    double DistanceAxeRayonFoyer = 0; // fraction of the entrance diameter
    float DecalageMiseAuPoint = 0; // mm
    bool ImpressionFondNoir = false;
    bool ImpressionCouleur = false;
    float PasRayon = 0;
    float PasEpaisseur = 0;
    float PasDiametre = 0;
    float PasIndice = 0;
    float PasPhi = 0;
    float PasGamma = 0;

    bool operator==(const TPreferences&) const = default;
};

// The settings as they stand.
TPreferences LitPreferences();

// The dialog's eight edit boxes, in the order OK validates them.
enum class TBoitePreference
{
    SaisieDist,
    SaisieDec,
    IncrementRdc,
    IncrementEp,
    IncrementDia,
    IncrementN,
    IncrementPhi,
    IncrementGamma
};

inline constexpr std::array<TBoitePreference, 8> BoitesPreferences = {
    TBoitePreference::SaisieDist,   TBoitePreference::SaisieDec,     TBoitePreference::IncrementRdc,
    TBoitePreference::IncrementEp,  TBoitePreference::IncrementDia,  TBoitePreference::IncrementN,
    TBoitePreference::IncrementPhi, TBoitePreference::IncrementGamma};

// The box's setting as the dialog shows it when it opens (and after Esc in SaisieDist), with the decimal mark of
// the locale.
std::string TexteAffichePreference(TBoitePreference boite);

// Validates a box's text: read leniently, rounded to the box's decimals, checked against its range, stored.
// A value that shows as the setting already does is not stored again, so that a box left as it was shown never
// rounds its setting (sqrt(3)/4 stays exact).
TValidationBoite ValidePreference(TBoitePreference boite, const std::string& texte);

// "&Réinitialiser": every setting to its reset value but the colour print option, which stays.
void ReinitialisePreferences();

// The journal value: 80 fixed columns, each number left-aligned in its field with the locale's decimal mark.
std::string TextePreferences(const TPreferences& preferences);

// The replay of that value: each column read with either decimal mark (a blank one takes its default), a value
// that shows as its setting already does leaving the setting exact. A column that is no number or is out of its
// box's range changes nothing at all: false.
bool AppliqueTextePreferences(const std::string& valeur);

// The command after its dialog closed: when a setting differs from `avant`, the record 9101, a recomputation, and
// the design marked modified when the distance of the focus ray changed (the design file carries it, not the
// others); then the refresh.
void TerminePreferences(const TPreferences& avant);
