// Typed numbers. The readers first filter the text into a working text (signs, digits, "." for either mark, "E"),
// then convert it by one fixed grammar, independent of the locale.
#include "editing/Nombres.h"

#include "optics/Arrondis.h"
#include "platform/Bip.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

struct TTexteFiltre
{
    std::string Travail;
    int Separateurs = 0;
    int Signes = 0;
    int Etrangers = 0;
};

bool EstChiffre(char c)
{
    return c >= '0' && c <= '9';
}

TTexteFiltre Filtre(std::string_view texte)
{
    TTexteFiltre filtre;
    for (const char c : texte)
    {
        if (c == '+' || c == '-')
        {
            filtre.Travail += c;
            ++filtre.Signes;
        }
        else if (EstChiffre(c))
            filtre.Travail += c;
        else if (c == '.' || c == ',')
        {
            filtre.Travail += '.';
            ++filtre.Separateurs;
        }
        else if (c == 'E' || c == 'e')
            filtre.Travail += 'E';
        else if (c == ' ')
            continue;
        // The continuation bytes of a UTF-8 character belong to the character already counted.
        else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++filtre.Etrangers;
    }
    return filtre;
}

// [sign] (digits [. digits] | . digits | .) [E [sign] [digits]]; nothing when the text does not match or the value
// overflows.
std::optional<double> Convertit(std::string_view travail)
{
    std::size_t i = 0;
    const auto signe = [&]() -> char {
        if (i < travail.size() && (travail[i] == '+' || travail[i] == '-'))
            return travail[i++];
        return '+';
    };
    const auto chiffres = [&]() {
        std::string lus;
        while (i < travail.size() && EstChiffre(travail[i]))
            lus += travail[i++];
        return lus;
    };

    const char signeMantisse = signe();
    std::string entiers = chiffres();
    std::string decimales;
    bool marque = false;
    if (i < travail.size() && travail[i] == '.')
    {
        marque = true;
        ++i;
        decimales = chiffres();
    }
    if (entiers.empty() && !marque)
        return std::nullopt;
    std::string exposant;
    char signeExposant = '+';
    if (i < travail.size() && travail[i] == 'E')
    {
        ++i;
        signeExposant = signe();
        exposant = chiffres();
    }
    if (i != travail.size())
        return std::nullopt;

    const std::string canonique = (entiers.empty() ? "0" : entiers) + "." + (decimales.empty() ? "0" : decimales) +
                                  "e" + signeExposant + (exposant.empty() ? "0" : exposant);
    double valeur = 0;
    const auto resultat = std::from_chars(canonique.data(), canonique.data() + canonique.size(), valeur);
    if (resultat.ec != std::errc() || resultat.ptr != canonique.data() + canonique.size() || !std::isfinite(valeur))
        return std::nullopt;
    if (valeur == 0)
        return 0.0;
    return signeMantisse == '-' ? -valeur : valeur;
}

// The working text as an int32, a fraction rounding a half to even; 0 with ErreurLecture set when it cannot be.
std::int32_t EnEntier(std::string_view travail)
{
    const std::optional<double> valeur = Convertit(travail);
    const double arrondi = valeur ? std::nearbyint(*valeur) : 0.0;
    if (!valeur || arrondi < -2147483648.0 || arrondi > 2147483647.0)
    {
        ErreurLecture = true;
        return 0;
    }
    return static_cast<std::int32_t>(Round(arrondi));
}

// The lenient reading of a text: the strays handled by the policy, then the value; nothing for a text refused. An
// empty working text (blanks and strays only) reads 0.
std::optional<double> Lit(std::string_view texte, TPolitiqueNombre politique)
{
    const TTexteFiltre filtre = Filtre(texte);
    switch (politique.Etranger)
    {
    case TCaractereEtranger::SignaleFichier:
        if (filtre.Etrangers > 0)
            FichierIncorrect = true;
        break;
    case TCaractereEtranger::Ignore: break;
    case TCaractereEtranger::BipParCaractere:
        for (int n = 0; n < filtre.Etrangers; ++n)
            MessageBeep(BipDefaut);
        break;
    }
    if (filtre.Separateurs > 1 || filtre.Signes > 2)
        return std::nullopt;
    if (filtre.Travail.empty())
        return 0.0;
    return Convertit(filtre.Travail);
}

// A mark without a digit before its exponent: typed, it reads 0; as a value it holds no number.
bool MantisseSansChiffre(std::string_view texte)
{
    for (const char c : texte)
    {
        if (EstChiffre(c))
            return false;
        if (c == 'E' || c == 'e')
            return true;
    }
    return true;
}

} // namespace

int ReconnaitNombre(std::string_view texte, TPolitiqueNombre politique)
{
    bool signe = false;
    if (!texte.empty() && (texte[0] == '-' || (politique.PlusEnTete && texte[0] == '+')))
    {
        texte.remove_prefix(1);
        signe = true;
    }
    int classe = PasUnNombre;
    bool marque = false;
    bool chiffre = false;
    for (const char c : texte)
    {
        if (EstChiffre(c) || c == ' ')
        {
            chiffre = chiffre || c != ' ';
            if (classe == PasUnNombre)
                classe = NombreEntier;
        }
        else if (c == '.' || c == ',')
        {
            if (marque)
                return PasUnNombre;
            marque = true;
            if (texte.size() > 1)
                classe = NombreDecimal;
        }
        else
            return PasUnNombre;
    }
    // A sign followed by blanks alone holds no number at all; blanks alone still read as a typed zero.
    if (signe && !chiffre && !marque)
        return PasUnNombre;
    return classe;
}

double LitNombre(std::string_view texte, TPolitiqueNombre politique)
{
    if (texte.empty())
        return 0;
    const std::optional<double> valeur = Lit(texte, politique);
    if (!valeur)
    {
        MessageBeep(BipDefaut);
        return 0;
    }
    return *valeur;
}

std::optional<double> NombreLisible(std::string_view texte, TPolitiqueNombre politique)
{
    const std::optional<double> valeur = Lit(texte, politique);
    const bool marqueSeule = Filtre(texte).Separateurs > 0 && MantisseSansChiffre(texte);
    if (!valeur || marqueSeule)
        return std::nullopt;
    return valeur;
}

std::int32_t LitEntier(std::string_view texte)
{
    ErreurLecture = false;
    const TTexteFiltre filtre = Filtre(texte);
    if (filtre.Etrangers > 0 || filtre.Separateurs > 0 || filtre.Signes > 0)
    {
        ErreurLecture = true;
        return 0;
    }
    return EnEntier(filtre.Travail);
}

std::int32_t LitEntierSigne(std::string_view texte)
{
    ErreurLecture = false;
    const TTexteFiltre filtre = Filtre(texte);
    if (filtre.Separateurs > 0 || filtre.Signes > 1)
    {
        ErreurLecture = true;
        return 0;
    }
    ErreurLecture = filtre.Etrangers > 0;
    return EnEntier(filtre.Travail);
}
