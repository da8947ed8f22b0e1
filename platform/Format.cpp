// Numbers to text. Both forms start from the shortest decimal digits that read back as the same double, so that
// rounding a half acts on the decimal value the user sees, never on the binary one (0.15 is a half here).
#include "platform/Format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// A positive value as decimal digits without leading zeros, and the place of the mark: value = 0.Chiffres x 10^Point.
struct TDecimal
{
    std::string Chiffres;
    int Point = 0;
};

TDecimal DecimalLePlusCourt(double positif)
{
    char tampon[64];
    const auto resultat = std::to_chars(tampon, tampon + sizeof tampon, positif, std::chars_format::scientific);
    const std::string_view texte(tampon, static_cast<std::size_t>(resultat.ptr - tampon));
    const auto e = texte.find('e');
    TDecimal decimal;
    for (const char c : texte.substr(0, e))
        if (c != '.')
            decimal.Chiffres += c;
    decimal.Point = std::atoi(std::string(texte.substr(e + 1)).c_str()) + 1;
    return decimal;
}

// Keeps the first `gardes` digits, a dropped half or more carrying into them (away from zero, the value being a
// magnitude). Fewer than zero digits kept leaves nothing.
void Arrondit(TDecimal& decimal, int gardes)
{
    if (gardes >= static_cast<int>(decimal.Chiffres.size()))
        return;
    if (gardes < 0)
    {
        decimal.Chiffres.clear();
        return;
    }
    const bool monte = decimal.Chiffres[static_cast<std::size_t>(gardes)] >= '5';
    decimal.Chiffres.resize(static_cast<std::size_t>(gardes));
    if (!monte)
        return;
    int i = gardes - 1;
    while (i >= 0 && decimal.Chiffres[static_cast<std::size_t>(i)] == '9')
    {
        decimal.Chiffres[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0)
        ++decimal.Chiffres[static_cast<std::size_t>(i)];
    else
    {
        decimal.Chiffres.insert(decimal.Chiffres.begin(), '1');
        ++decimal.Point;
    }
}

bool EstNul(const TDecimal& decimal)
{
    return decimal.Chiffres.find_first_not_of('0') == std::string::npos;
}

// The digit at place p counted from the first digit, zeros outside the digits.
char Chiffre(const TDecimal& decimal, int p)
{
    return p >= 0 && p < static_cast<int>(decimal.Chiffres.size()) ? decimal.Chiffres[static_cast<std::size_t>(p)]
                                                                   : '0';
}

bool DepasseLePlusGrand(const TDecimal& decimal)
{
    if (decimal.Point < 309)
        return false;
    const std::string texte = "0." + decimal.Chiffres + "e" + std::to_string(decimal.Point);
    double lu = 0;
    const auto resultat = std::from_chars(texte.data(), texte.data() + texte.size(), lu);
    return resultat.ec == std::errc::result_out_of_range || std::isinf(lu);
}

std::string NonFini(double valeur)
{
    if (std::isnan(valeur))
        return "NAN";
    return valeur < 0 ? "-INF" : "INF";
}

} // namespace

std::string FormateNombre(double valeur, std::string_view motif)
{
    if (!std::isfinite(valeur))
        return NonFini(valeur);
    if (std::fabs(valeur) >= 1e18)
        return FormateGeneral(valeur);

    const auto marque = motif.find('.');
    const std::string_view avant = motif.substr(0, marque);
    const std::string_view apres = marque == std::string_view::npos ? std::string_view() : motif.substr(marque + 1);
    int entiersRequis = 0;
    for (const char c : avant)
        entiersRequis += c == '0' ? 1 : 0;
    int decimalesMax = 0;
    int decimalesMin = 0;
    for (const char c : apres)
    {
        if (c == '0' || c == '#')
            ++decimalesMax;
        if (c == '0')
            decimalesMin = decimalesMax;
    }

    TDecimal decimal;
    if (valeur != 0)
    {
        decimal = DecimalLePlusCourt(std::fabs(valeur));
        Arrondit(decimal, decimal.Point + decimalesMax);
    }

    std::string entiers;
    for (int p = 0; p < decimal.Point; ++p)
        entiers += Chiffre(decimal, p);
    const auto premier = entiers.find_first_not_of('0');
    entiers.erase(0, premier == std::string::npos ? entiers.size() : premier);
    if (static_cast<int>(entiers.size()) < entiersRequis)
        entiers.insert(0, static_cast<std::size_t>(entiersRequis) - entiers.size(), '0');

    std::string decimales;
    for (int p = decimal.Point; p < decimal.Point + decimalesMax; ++p)
        decimales += Chiffre(decimal, p);
    while (static_cast<int>(decimales.size()) > decimalesMin && decimales.back() == '0')
        decimales.pop_back();

    std::string texte = valeur < 0 && !EstNul(decimal) ? "-" : "";
    texte += entiers;
    if (!decimales.empty())
        texte += SeparateurDecimal + decimales;
    return texte;
}

namespace {

// General notation with at most `chiffresSignificatifs` significant digits; 17 keep every double exact.
std::string FormateChiffres(double valeur, int chiffresSignificatifs)
{
    if (!std::isfinite(valeur))
        return NonFini(valeur);
    if (valeur == 0)
        return "0";

    TDecimal decimal = DecimalLePlusCourt(std::fabs(valeur));
    const TDecimal exact = decimal;
    Arrondit(decimal, chiffresSignificatifs);
    // Rounded up past the largest double, the text would read back as infinity: the value keeps its exact digits.
    if (DepasseLePlusGrand(decimal))
        decimal = exact;
    while (decimal.Chiffres.size() > 1 && decimal.Chiffres.back() == '0')
        decimal.Chiffres.pop_back();

    std::string texte = valeur < 0 ? "-" : "";
    const int exposant = decimal.Point - 1;
    if (exposant >= chiffresSignificatifs || exposant < -5)
    {
        texte += decimal.Chiffres[0];
        if (decimal.Chiffres.size() > 1)
            texte += SeparateurDecimal + decimal.Chiffres.substr(1);
        texte += 'E' + std::to_string(exposant);
        return texte;
    }
    if (decimal.Point <= 0)
        return texte + '0' + SeparateurDecimal + std::string(static_cast<std::size_t>(-decimal.Point), '0') +
               decimal.Chiffres;
    for (int p = 0; p < decimal.Point; ++p)
        texte += Chiffre(decimal, p);
    if (decimal.Point < static_cast<int>(decimal.Chiffres.size()))
        texte += SeparateurDecimal + decimal.Chiffres.substr(static_cast<std::size_t>(decimal.Point));
    return texte;
}

}

std::string FormateGeneral(double valeur)
{
    return FormateChiffres(valeur, 15);
}

std::string FormateExact(double valeur)
{
    return FormateChiffres(valeur, 17);
}
