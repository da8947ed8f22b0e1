// Text encodings of the files: UTF-8 (the program's own strings) and Windows-1252.
#pragma once

#include <string>
#include <string_view>

bool EstUtf8Valide(std::string_view octets);

// Every byte is a character; the five bytes Windows-1252 leaves undefined become the control characters of the
// same number.
std::string Windows1252VersUtf8(std::string_view octets);

// A character Windows-1252 lacks, or a byte that is not valid UTF-8, becomes "?".
std::string Utf8VersWindows1252(std::string_view texte);

// "\" and "/" both separate folders.
std::string CheminNormalise(std::string_view chemin);
