// What the settings dialogs share: the outcome of a decimal box's validator, the packed values of their records
// (whole numbers padded with zeros to their field's width, each followed by one blank, read back by splitting on
// blanks so that a value wider than its field still reads), and the end of their commands.
#pragma once

#include "editing/CodesJournal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the validator of a decimal box did with its text.
enum class TIssueValidation
{
    Ignore, // not a number, or negative where no sign is allowed: nothing stored, the text stays as typed
    Refuse, // out of range: Message to show, then Texte (the stored value) back in the box
    Inchange, // the value rounds to what is already stored: nothing stored, the text stays
    Stocke // stored; Texte is the value written back into the box
};

struct TValidationBoite
{
    TIssueValidation Issue = TIssueValidation::Ignore;
    std::string Message;
    std::string Texte;
};

// The largest whole number a settings box or record takes: far beyond what any box holds, well within 32 bits.
inline constexpr std::int32_t EntierReglageMaximal = 999999;

// The number's decimal text with "0" put in front up to `largeur` characters, then one blank; never cut.
std::string EntierEmballe(std::int32_t valeur, int largeur);
// "1 " or "0 ".
std::string DrapeauEmballe(bool drapeau);

// The blank-separated words of a value.
std::vector<std::string> Mots(std::string_view valeur);

// A word that is a whole number within [minimum, maximum] (either decimal mark refused), else nothing.
std::optional<std::int32_t> EntierDansLimites(std::string_view mot, std::int32_t minimum, std::int32_t maximum);

// A flag written "1" or "0", else nothing.
std::optional<bool> DrapeauLu(std::string_view mot);

// The end of a settings command: when a setting changed, the record, a recomputation, and the design marked
// modified when `modifie` (the design file carries the settings); then the refresh.
void TermineReglages(bool change, TCodeJournal code, std::int32_t index, const std::string& valeur, bool modifie);
