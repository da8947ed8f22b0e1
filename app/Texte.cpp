// Small text helpers of the shell.
#include "app/Texte.h"

#include <algorithm>

namespace {

bool EstSuite(unsigned char octet)
{
    return (octet & 0xC0) == 0x80;
}

// Byte offset of the character numbered `rang` (0 based), or the text's size past its end.
std::size_t Decalage(const std::string& texte, int rang)
{
    std::size_t i = 0;
    for (int compte = 0; i < texte.size(); ++i)
    {
        if (EstSuite(static_cast<unsigned char>(texte[i])))
            continue;
        if (compte == rang)
            return i;
        ++compte;
    }
    return texte.size();
}

bool EstBlancOuControle(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

}

int NombreCaracteres(const std::string& texte)
{
    int n = 0;
    for (char c : texte)
        if (!EstSuite(static_cast<unsigned char>(c)))
            ++n;
    return n;
}

std::string DebutTexte(const std::string& texte, int n)
{
    if (n <= 0)
        return {};
    return texte.substr(0, Decalage(texte, n));
}

std::string FinTexte(const std::string& texte, int n)
{
    const int total = NombreCaracteres(texte);
    if (n >= total)
        return texte;
    if (n <= 0)
        return {};
    return texte.substr(Decalage(texte, total - n));
}

std::string SupprimeBlancsFin(const std::string& texte)
{
    std::string resultat = texte;
    while (!resultat.empty() && resultat.back() == ' ')
        resultat.pop_back();
    return resultat;
}

std::string SupprimeBlancsAutour(const std::string& texte)
{
    std::size_t debut = 0;
    std::size_t fin = texte.size();
    while (debut < fin && EstBlancOuControle(texte[debut]))
        ++debut;
    while (fin > debut && EstBlancOuControle(texte[fin - 1]))
        --fin;
    return texte.substr(debut, fin - debut);
}

std::string ExtraitNomFichier(const std::string& chemin)
{
    const std::size_t separateur = chemin.find_last_of("/\\");
    return separateur == std::string::npos ? chemin : chemin.substr(separateur + 1);
}

std::string CheminRaccourci(const std::string& chemin, int longueurMax, int debut, int fin)
{
    const int total = NombreCaracteres(chemin);
    if (total <= longueurMax)
        return chemin;
    const int finGardee = std::max(fin, NombreCaracteres(ExtraitNomFichier(chemin)) + 1);
    if (debut + 5 + finGardee >= total)
        return chemin;
    return DebutTexte(chemin, debut) + " ... " + FinTexte(chemin, finGardee);
}
