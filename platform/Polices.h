// The fonts the drawings name, mapped to the fonts installed with the program, and Symbol-encoded text.
#pragma once

#include "platform/Canevas.h"

#include <QFont>
#include <QString>

#include <string>

// Symbol-encoded text turned into the Unicode characters it shows: Latin letters become the Greek letters at the
// same codes ("l" lambda, "r" rho, "f" phi, "F" capital phi...) and "Û" the double arrow; other characters stay.
std::string TexteSymbole(const std::string& texte);

// The text as it is drawn and measured in this font: Symbol-encoded for the font "Symbol", as given otherwise.
QString TexteAffiche(const TPolice& police, const std::string& texte);

// The Qt font drawing this font on a device of the given resolution (dots per inch), sized in device pixels.
// Without smoothing, glyphs are drawn pixel by pixel, as on the screen images.
QFont PoliceQt(const TPolice& police, int resolution, bool lissee);
