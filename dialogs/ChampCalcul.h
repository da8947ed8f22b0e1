// The field-analysis settings without their window: the eight settings, the conversion of the dialog's whole-number
// boxes, the journal record that packs them and its replay, and what the command does once the dialog is closed.
#pragma once

#include <cstdint>
#include <string>

struct TReglagesChamp
{
    std::int32_t AmplitudeChamp = 0; // 12, 24, 60; the zoom commands also leave 150
    std::int32_t AmplitudeChampAfocal = 0; // 24 or 72
    bool AnalyseChromatique = false;
    std::int32_t AmplitudeRepere = 0; // µm
    bool ChampLineaire = false;
    std::int32_t RayonChampLineaire = 0; // mm
    std::int32_t RayonChampAngulaire = 0; // arc minutes
    std::int32_t RayonChampAfocal = 0; // degrees

    bool operator==(const TReglagesChamp&) const = default;
};

TReglagesChamp LitReglagesChamp();
void AppliqueReglagesChamp(const TReglagesChamp& reglages);

// The dialog's whole-number boxes.
enum class TBoiteChamp
{
    PhiRepereSaisie,
    RayonLineaireSaisie,
    RayonAngulaireSaisie,
    RayonAfocalSaisie
};

// The box's stored setting, and the count of characters it takes.
std::int32_t ValeurBoiteChamp(const TReglagesChamp& reglages, TBoiteChamp boite);
int LongueurBoiteChamp(TBoiteChamp boite);

// A box's text as its setting: the whole number typed when it lies in the setting's range (0 to 100 µm for the
// reference line, a radius of at least 1), else the stored value, as Enter puts it back.
std::int32_t EntierBoiteChamp(TBoiteChamp boite, const std::string& texte, std::int32_t stocke);

// The journal value: "12 24 1 30 1 025 090 20 ", each field zero-padded to its columns and followed by a blank.
std::string TexteReglagesChamp(const TReglagesChamp& reglages);
// Its replay; a field missing, not whole or out of its range changes nothing: false.
bool AppliqueTexteReglagesChamp(const std::string& valeur);

// The command after its dialog closed: when a setting differs from `avant`, the record 9104, the design marked
// modified and a recomputation; then the refresh.
void TermineConfigChamp(const TReglagesChamp& avant);
