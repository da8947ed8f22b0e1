// Numbers to text: the digit patterns ("#0.##", "0.000", "000.00", ...) and the general form, with the decimal mark
// of the user's locale. Standard library only.
#pragma once

#include <string>
#include <string_view>

// The decimal mark written by the formatter, one character, fixed at start-up from the locale (tests set it).
inline char SeparateurDecimal = '.';

// The value with a digit pattern: "0" a required digit, "#" an optional one; before the mark, the count of "0" is
// the least count of integer digits; after it, the "0" are kept decimals and the "#" decimals dropped when zero.
// The value is rounded on its shortest decimal form, a half away from zero (0.25 with "#0.#" gives "0.3"), and a
// result that rounds to zero has no sign. A magnitude of 1e18 or more is written in the general form.
std::string FormateNombre(double valeur, std::string_view motif);

// The shortest general form with at most 15 significant digits: fixed notation ("12.5", "0.001") unless the integer
// part has more than 15 digits or the magnitude is below 1e-5, then "1E20", "-1.5E-6".
std::string FormateGeneral(double valeur);
// The same with as many significant digits as the value needs to read back exactly (at most 17).
std::string FormateExact(double valeur);
