// Typed numbers: the classifier of a text typed by the user, the lenient reader of real numbers and the two strict
// readers of whole numbers. "." and "," are both decimal marks whatever the locale. Nothing is thrown: a text that
// cannot be read is refused as the routine's refusal says.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// What a reader does with a character it does not know (anything but digits, signs, marks, "E"/"e" and blanks).
enum class TCaractereEtranger
{
    SignaleFichier, // dropped, and FichierIncorrect := true (the main window's reader, used for files)
    Ignore, // dropped silently (the dialogs)
    BipParCaractere // dropped with one default beep each (the glass catalogue)
};

// The one reader configured by the window that uses it.
struct TPolitiqueNombre
{
    bool PlusEnTete; // the classifier also strips a leading "+"
    TCaractereEtranger Etranger;
};

inline constexpr TPolitiqueNombre PolitiquePrincipale{true, TCaractereEtranger::SignaleFichier};
inline constexpr TPolitiqueNombre PolitiqueDialogue{false, TCaractereEtranger::Ignore};
inline constexpr TPolitiqueNombre PolitiqueCatalogue{false, TCaractereEtranger::BipParCaractere};

// Classification of a typed text.
constexpr int PasUnNombre = 0;
constexpr int NombreEntier = 1;
constexpr int NombreDecimal = 2;

// Set by LitNombre under PolitiquePrincipale when it drops a stray character; never cleared here.
inline bool FichierIncorrect = false;
// Cleared on entry to LitEntier and LitEntierSigne, set when they refuse the text.
inline bool ErreurLecture = false;

// 0 not a number (empty, an exponent, a second mark, a sign that is not the one leading sign, a sign followed by
// blanks only), 1 whole (digits and blanks), 2 decimal (one mark). Never converts.
int ReconnaitNombre(std::string_view texte, TPolitiqueNombre politique = PolitiquePrincipale);

// The value of the text: blanks ignored, either mark, an exponent accepted, one sign before the number and one after
// "E". 0 for an empty or blank text (silently) and for a text it refuses (one default beep).
double LitNombre(std::string_view texte, TPolitiqueNombre politique = PolitiquePrincipale);

// The same reading for a value stored in a file, without the refusal's beep: nothing for a text refused, and for a
// mark without a digit ("." or "-,"), which holds no number; an empty or blank text reads 0.
std::optional<double> NombreLisible(std::string_view texte, TPolitiqueNombre politique = PolitiquePrincipale);

// A stored count or row: digits only (blanks ignored, "1E3" is 1000). Anything else, an empty text or a value out of
// the 32-bit range: 0 with ErreurLecture set.
std::int32_t LitEntier(std::string_view texte);

// As LitEntier with one sign allowed (journal codes are negative). A stray character sets ErreurLecture but the
// number read from the rest is returned; a fraction from a negative exponent rounds a half to even.
std::int32_t LitEntierSigne(std::string_view texte);
