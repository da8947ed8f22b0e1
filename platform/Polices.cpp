// The fonts the drawings name, mapped to the fonts installed with the program, and Symbol-encoded text.
#include "platform/Polices.h"

#include <QFontMetricsF>

#include <cmath>
#include <map>
#include <utility>

namespace {
// The Greek letters at the codes of the Latin ones in the Symbol encoding, "A".."Z" then "a".."z".
constexpr char32_t GrecMajuscules[26] = {U'Α', U'Β', U'Χ', U'Δ', U'Ε', U'Φ', U'Γ', U'Η', U'Ι', U'ϑ', U'Κ', U'Λ', U'Μ',
                                         U'Ν', U'Ο', U'Π', U'Θ', U'Ρ', U'Σ', U'Τ', U'Υ', U'ς', U'Ω', U'Ξ', U'Ψ', U'Ζ'};
constexpr char32_t GrecMinuscules[26] = {U'α', U'β', U'χ', U'δ', U'ε', U'φ', U'γ', U'η', U'ι', U'ϕ', U'κ', U'λ', U'μ',
                                         U'ν', U'ο', U'π', U'θ', U'ρ', U'σ', U'τ', U'υ', U'ϖ', U'ω', U'ξ', U'ψ', U'ζ'};

char32_t CaractereSymbole(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return GrecMajuscules[c - U'A'];
    if (c >= U'a' && c <= U'z')
        return GrecMinuscules[c - U'a'];
    if (c == U'Û')
        return U'⇔';
    return c;
}

QString FamilleInstallee(const std::string& nom)
{
    if (nom == "Arial")
        return QStringLiteral("Liberation Sans");
    if (nom == "Tahoma" || nom == "MS Sans Serif" || nom == "Symbol")
        return QStringLiteral("DejaVu Sans");
    return QString::fromStdString(nom);
}

// Cell height (ascent plus descent) of one pixel of em, per family and weight: it turns a cell height into a size.
double CelluleParPixel(const QFont& police)
{
    static std::map<std::pair<QString, bool>, double> connues;
    const auto cle = std::make_pair(police.family(), police.bold());
    const auto trouvee = connues.find(cle);
    if (trouvee != connues.end())
        return trouvee->second;
    QFont reference(police);
    reference.setPixelSize(1000);
    const QFontMetricsF mesures(reference);
    const double rapport = (mesures.ascent() + mesures.descent()) / 1000.0;
    connues.emplace(cle, rapport > 0.0 ? rapport : 1.0);
    return connues.at(cle);
}
}

std::string TexteSymbole(const std::string& texte)
{
    const std::u32string source = QString::fromStdString(texte).toStdU32String();
    std::u32string resultat;
    resultat.reserve(source.size());
    for (const char32_t c : source)
        resultat.push_back(CaractereSymbole(c));
    return QString::fromStdU32String(resultat).toStdString();
}

QString TexteAffiche(const TPolice& police, const std::string& texte)
{
    return QString::fromStdString(police.Nom == "Symbol" ? TexteSymbole(texte) : texte);
}

QFont PoliceQt(const TPolice& police, int resolution, bool lissee)
{
    QFont resultat(FamilleInstallee(police.Nom));
    resultat.setBold(police.Gras);
    resultat.setKerning(false);
    resultat.setStyleStrategy(lissee ? QFont::PreferAntialias : QFont::NoAntialias);
    // Screen glyphs keep whole-pixel advances, so that letters are evenly spaced and widths add up.
    resultat.setHintingPreference(lissee ? QFont::PreferNoHinting : QFont::PreferFullHinting);
    int pixels = 0;
    if (police.Taille > 0)
        pixels = static_cast<int>(std::lround(police.Taille * resolution / 72.0));
    else if (police.Hauteur < 0)
        pixels = -police.Hauteur;
    else if (police.Hauteur > 0)
        pixels = static_cast<int>(std::lround(police.Hauteur / CelluleParPixel(resultat)));
    resultat.setPixelSize(pixels > 0 ? pixels : 1);
    return resultat;
}
