// Colours as text: the identifiers of the named colours, else hexadecimal.
#include "platform/Couleurs.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace {

struct TCouleurNommee
{
    const char* Nom;
    TColor Valeur;
};

// The system colours are the system's colour number above $FF000000; the last two are special values.
constexpr TColor Systeme(TColor numero)
{
    return 0xFF000000u + numero;
}

constexpr std::array<TCouleurNommee, 52> CouleursNommees = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clScrollBar", Systeme(0)},
    {"clBackground", Systeme(1)},
    {"clActiveCaption", Systeme(2)},
    {"clInactiveCaption", Systeme(3)},
    {"clMenu", Systeme(4)},
    {"clWindow", Systeme(5)},
    {"clWindowFrame", Systeme(6)},
    {"clMenuText", Systeme(7)},
    {"clWindowText", Systeme(8)},
    {"clCaptionText", Systeme(9)},
    {"clActiveBorder", Systeme(10)},
    {"clInactiveBorder", Systeme(11)},
    {"clAppWorkSpace", Systeme(12)},
    {"clHighlight", Systeme(13)},
    {"clHighlightText", Systeme(14)},
    {"clBtnFace", Systeme(15)},
    {"clBtnShadow", Systeme(16)},
    {"clGrayText", Systeme(17)},
    {"clBtnText", Systeme(18)},
    {"clInactiveCaptionText", Systeme(19)},
    {"clBtnHighlight", Systeme(20)},
    {"cl3DDkShadow", Systeme(21)},
    {"cl3DLight", Systeme(22)},
    {"clInfoText", Systeme(23)},
    {"clInfoBk", Systeme(24)},
    {"clHotLight", Systeme(26)},
    {"clGradientActiveCaption", Systeme(27)},
    {"clGradientInactiveCaption", Systeme(28)},
    {"clMenuHighlight", Systeme(29)},
    {"clMenuBar", Systeme(30)},
    {"clDefault", 0x20000000u},
    {"clNone", 0x1FFFFFFFu},
}};

} // namespace

std::string TexteCouleur(TColor couleur)
{
    for (const TCouleurNommee& nommee : CouleursNommees)
        if (nommee.Valeur == couleur)
            return nommee.Nom;
    static const char chiffres[] = "0123456789ABCDEF";
    std::string texte = "$";
    for (int decalage = 28; decalage >= 0; decalage -= 4)
        texte += chiffres[(couleur >> decalage) & 0xFu];
    return texte;
}

std::optional<TColor> LitCouleur(const std::string& texte)
{
    for (const TCouleurNommee& nommee : CouleursNommees)
        if (texte == nommee.Nom)
            return nommee.Valeur;
    const char* debut = texte.data();
    const char* fin = texte.data() + texte.size();
    if (debut != fin && *debut == '$')
    {
        std::uint32_t valeur = 0;
        const auto resultat = std::from_chars(debut + 1, fin, valeur, 16);
        if (resultat.ec != std::errc() || resultat.ptr != fin || debut + 1 == fin)
            return std::nullopt;
        return valeur;
    }
    // A decimal colour may be written signed: the system colours are negative 32-bit integers.
    std::int64_t valeur = 0;
    const auto resultat = std::from_chars(debut, fin, valeur, 10);
    if (resultat.ec != std::errc() || resultat.ptr != fin || valeur < INT32_MIN || valeur > UINT32_MAX)
        return std::nullopt;
    return static_cast<TColor>(static_cast<std::uint32_t>(valeur));
}
