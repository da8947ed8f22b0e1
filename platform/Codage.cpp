// Text encodings. Windows-1252 is Latin-1 but for the 32 bytes 0x80 to 0x9F, which hold typographic characters.
#include "platform/Codage.h"

#include <array>
#include <cstdint>

namespace {

// The characters of bytes 0x80 to 0x9F; the undefined bytes keep their own number.
constexpr std::array<char32_t, 32> Plage80{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                           0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                           0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                           0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AjouteUtf8(std::string& texte, char32_t c)
{
    if (c < 0x80)
        texte += static_cast<char>(c);
    else if (c < 0x800)
    {
        texte += static_cast<char>(0xC0 | (c >> 6));
        texte += static_cast<char>(0x80 | (c & 0x3F));
    }
    else
    {
        texte += static_cast<char>(0xE0 | (c >> 12));
        texte += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        texte += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character starting at octets[i] and its length in bytes; length 0 when the bytes are not valid UTF-8 (an
// overlong form, a surrogate, beyond U+10FFFF or cut short).
std::pair<char32_t, std::size_t> CaractereUtf8(std::string_view octets, std::size_t i)
{
    const auto octet = [&](std::size_t k) { return static_cast<std::uint8_t>(octets[k]); };
    const std::uint8_t premier = octet(i);
    if (premier < 0x80)
        return {premier, 1};
    std::size_t longueur = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if ((premier & 0xE0) == 0xC0)
    {
        longueur = 2;
        c = premier & 0x1F;
        minimum = 0x80;
    }
    else if ((premier & 0xF0) == 0xE0)
    {
        longueur = 3;
        c = premier & 0x0F;
        minimum = 0x800;
    }
    else if ((premier & 0xF8) == 0xF0)
    {
        longueur = 4;
        c = premier & 0x07;
        minimum = 0x10000;
    }
    else
        return {0, 0};
    if (i + longueur > octets.size())
        return {0, 0};
    for (std::size_t k = 1; k < longueur; ++k)
    {
        if ((octet(i + k) & 0xC0) != 0x80)
            return {0, 0};
        c = (c << 6) | (octet(i + k) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return {0, 0};
    return {c, longueur};
}

} // namespace

bool EstUtf8Valide(std::string_view octets)
{
    for (std::size_t i = 0; i < octets.size();)
    {
        const auto [c, longueur] = CaractereUtf8(octets, i);
        if (longueur == 0)
            return false;
        i += longueur;
    }
    return true;
}

std::string Windows1252VersUtf8(std::string_view octets)
{
    std::string texte;
    texte.reserve(octets.size());
    for (const char octet : octets)
    {
        const auto b = static_cast<std::uint8_t>(octet);
        AjouteUtf8(texte, b >= 0x80 && b < 0xA0 ? Plage80[b - 0x80] : b);
    }
    return texte;
}

std::string Utf8VersWindows1252(std::string_view texte)
{
    std::string octets;
    octets.reserve(texte.size());
    for (std::size_t i = 0; i < texte.size();)
    {
        const auto [c, longueur] = CaractereUtf8(texte, i);
        if (longueur == 0)
        {
            octets += '?';
            ++i;
            continue;
        }
        i += longueur;
        char resultat = '?';
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            resultat = static_cast<char>(c);
        else
            for (std::size_t k = 0; k < Plage80.size(); ++k)
                if (Plage80[k] == c)
                    resultat = static_cast<char>(0x80 + k);
        octets += resultat;
    }
    return octets;
}

std::string CheminNormalise(std::string_view chemin)
{
    std::string normalise(chemin);
    for (char& c : normalise)
        if (c == '\\')
            c = '/';
    return normalise;
}
