// Colours as the drawings name them: 0x00BBGGRR values (blue in the high byte), free of any toolkit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

using TColor = std::uint32_t;

constexpr TColor CouleurRVB(int rouge, int vert, int bleu)
{
    return static_cast<TColor>((rouge & 0xFF) | ((vert & 0xFF) << 8) | ((bleu & 0xFF) << 16));
}

constexpr int ComposanteRouge(TColor couleur)
{
    return static_cast<int>(couleur & 0xFF);
}
constexpr int ComposanteVerte(TColor couleur)
{
    return static_cast<int>((couleur >> 8) & 0xFF);
}
constexpr int ComposanteBleue(TColor couleur)
{
    return static_cast<int>((couleur >> 16) & 0xFF);
}

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clMaroon = 0x00000080;
inline constexpr TColor clGreen = 0x00008000;
inline constexpr TColor clOlive = 0x00008080;
inline constexpr TColor clNavy = 0x00800000;
inline constexpr TColor clPurple = 0x00800080;
inline constexpr TColor clTeal = 0x00808000;
inline constexpr TColor clGray = 0x00808080;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clLime = 0x0000FF00;
inline constexpr TColor clYellow = 0x0000FFFF;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clFuchsia = 0x00FF00FF;
inline constexpr TColor clAqua = 0x00FFFF00;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clMoneyGreen = 0x00C0DCC0;
inline constexpr TColor clSkyBlue = 0x00F0CAA6;
inline constexpr TColor clCream = 0x00F0FBFF;
inline constexpr TColor clMedGray = 0x00A4A0A0;

// The face of buttons and table cells: a fixed light grey, so that pictures do not follow the desktop theme.
inline constexpr TColor clBtnFace = CouleurRVB(240, 240, 240);

// What a pixel read answers outside the image, or on a device that cannot be read back (a printer).
inline constexpr TColor CouleurIllisible = 0xFFFFFFFF;

// A colour as written in design files and journal records: its identifier when it has one, else "$" and eight
// upper-case hexadecimal digits.
std::string TexteCouleur(TColor couleur);

// A colour text read back: an identifier, "$" hexadecimal or a decimal integer; nothing for any other text.
std::optional<TColor> LitCouleur(const std::string& texte);
