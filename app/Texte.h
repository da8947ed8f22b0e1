// Small text helpers of the shell. Texts are UTF-8; lengths and cuts count characters, not bytes.
#pragma once

#include <string>

int NombreCaracteres(const std::string& texte);
// The first n characters (the whole text when it is shorter).
std::string DebutTexte(const std::string& texte, int n);
// The last n characters (the whole text when it is shorter).
std::string FinTexte(const std::string& texte, int n);
// The text without its trailing blanks; an empty text stays empty.
std::string SupprimeBlancsFin(const std::string& texte);
// The text without the blanks and control characters at both ends.
std::string SupprimeBlancsAutour(const std::string& texte);
// The file name of a path: its characters after the last "/" or "\\" (the whole text when there is none).
std::string ExtraitNomFichier(const std::string& chemin);
// A path longer than `longueurMax` characters shortened for a message: its first `debut` characters, " ... ", then
// its last `fin` characters, or more so that the file's name is never cut; the path whole when that is no shorter.
std::string CheminRaccourci(const std::string& chemin, int longueurMax, int debut, int fin);
