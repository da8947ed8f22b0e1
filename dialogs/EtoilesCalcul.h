// The settings of the two star views without their windows: density, the two field steps and the colour flag of the
// six-star view and of the single-star view, the conversion of the dialogs' boxes, their reset, the journal records
// that pack them and their replay, and what the commands do once a dialog is closed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

enum class TVueEtoiles
{
    Multiple, // the six stars
    Unique // the single star
};

struct TReglagesEtoiles
{
    std::int32_t Densite = 0; // rays per pupil radius; the dialogs show and take twice it
    std::int32_t Pas = 0; // arc minutes, focal systems
    std::int32_t PasAfocal = 0; // degrees, afocal systems
    bool AnalyseChromatique = false; // shared with the field analysis

    bool operator==(const TReglagesEtoiles&) const = default;
};

TReglagesEtoiles LitReglagesEtoiles(TVueEtoiles vue);
void AppliqueReglagesEtoiles(TVueEtoiles vue, const TReglagesEtoiles& reglages);

// What "&Réinitialisation" sets: density 10 and steps 5 and 5 for the six stars, density 15 and steps 10 and 5 for
// the single star, the colour flag on.
TReglagesEtoiles ReglagesEtoilesInitiaux(TVueEtoiles vue);

// The characters the density box takes (rays per diameter up to 99, or 999 for the single star).
int LongueurDensite(TVueEtoiles vue);

// The density box's text as rays per diameter: a whole number giving at least one ray per pupil radius; nothing
// otherwise.
std::optional<std::int32_t> RayonsParDiametre(const std::string& texte);
// A step box's text: a whole number of zero or more; nothing otherwise.
std::optional<std::int32_t> PasSaisi(const std::string& texte);

// The settings OK stores from the dialog's boxes: a box that cannot be read keeps its stored setting; the density
// changes only when the rays per diameter typed differ from twice the stored density, and an odd count then loses
// its last unit (21 stores 10).
TReglagesEtoiles ReglagesEtoilesSaisis(const TReglagesEtoiles& stockes, const std::string& densite,
                                       const std::string& pas, const std::string& pasAfocal, bool chromatique);

// The journal values: "10 0005 0005 1 " for the six stars, "015 0010 0005 1 " for the single star.
std::string TexteReglagesEtoiles(TVueEtoiles vue, const TReglagesEtoiles& reglages);
// Their replay; a field missing, not whole or out of its range changes nothing: false.
bool AppliqueTexteReglagesEtoiles(TVueEtoiles vue, const std::string& valeur);

// The command after its dialog closed: when a setting differs from `avant`, the record (9105 or 9106), the design
// marked modified and a recomputation; then the refresh.
void TermineConfigEtoiles(TVueEtoiles vue, const TReglagesEtoiles& avant);
