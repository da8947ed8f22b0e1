// The steps every value rule of the commit is made of: the common reading of a typed number, the every-other-time
// message toggle, refusal, acceptance and the journal record. Shared by the rules of the commit only.
#pragma once

#include "editing/EtatEdition.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The instrument's form, which most rules branch on.
TTypeInstrument Forme();
// The value read is the one the box opened with: the rule stops, nothing is stored or recorded.
bool Inchange(double valeur);

// The entry box holds nothing but blanks.
bool SaisieVide();
// The typed number brought to the step whose inverse is given (10 for 0.1 mm), a half going to the even neighbour.
double ArrondiAuPas(double valeur, double inversePas);
// The common reading: nothing when the text is not a number or is negative (the text is then ignored); an empty
// text reads 0.
std::optional<double> LitSaisieCommune(double inversePas);
// The typed number as read, not rounded, whatever the classifier says of the text.
double LitSaisieBrute();
// The entry box holds a number by the classifier of typed texts (a leading "+" allowed).
bool SaisieEstNombre();
// The typed number, sign allowed, rounded to the step; nothing when the text is not a number (an empty one neither).
std::optional<double> LitSaisieSignee(double inversePas);

// The message toggle: true on the pass that shows its message, which also records the field as refused; false on
// the silent pass, which clears the toggle.
bool PasseAffichee();
// The toggle, and the warning box on the pass that shows.
void Signale(const std::string& titre, const std::string& texte);
// The box's text: the value with the pattern, empty for a value below 1e-6 in magnitude.
void AfficheValeur(double valeur, std::string_view motif);
// A refusing check: the toggle and its message, then the box shows the value it had when it opened.
void Refuse(const std::string& titre, const std::string& texte, std::string_view motif = "#0.#");
// The refusal of the primary focal length of the forms whose mirror radius is 2 F1 (Newton and Maksutov): as Refuse,
// and on the silent pass the focal length, the radius and the flat's separation are put back as they were when the
// box opened.
void RefuseFocale(const std::string& titre, const std::string& texte);
// A store that would leave a value that is not a number: refused with a beep, the box back on the old value.
void RefuseNonFini(std::string_view motif = "#0.#");
// Stores through the value's routine; a store that would leave a value that is not a number is refused instead.
bool StockeOuRefuse(std::int32_t codeJournal, double valeur, std::string_view motif = "#0.#");
// The document is modified and the design is to be recomputed.
void Accepte();
// The end of an accepted edit: the box shows the value, the flags are set, the record (code, 0, value) is appended.
void Conclut(std::int32_t codeJournal, double valeur, std::string_view motif = "#0.#");
// Appends a record whose value is a number (general form, the user's decimal mark) or a text.
void Journalise(std::int32_t code, std::int32_t index, double valeur);
void JournaliseTexte(std::int32_t code, std::int32_t index, const std::string& valeur);
