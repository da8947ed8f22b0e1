// The canvas every view draws on (a screen image, the printer, a test recorder) and the printer that holds one.
#pragma once

#include "platform/Couleurs.h"

#include <span>
#include <string>

enum class TStyleStylo
{
    Plein,
    Transparent,
    Tirets,
    Points
};
enum class TStylePinceau
{
    Plein,
    Transparent
};

struct TStylo
{
    TColor Couleur = clBlack;
    int Epaisseur = 1;
    TStyleStylo Style = TStyleStylo::Plein;
};

struct TPinceau
{
    TColor Couleur = clWhite;
    TStylePinceau Style = TStylePinceau::Plein;
};

// The height is either in pixels of the device, in the usual sign convention (negative: the character height,
// the em square; positive: the cell height, character plus internal leading), or a size in points, turned into
// device pixels with the device's resolution. Setting one clears the other.
struct TPolice
{
    std::string Nom = "Arial";
    int Hauteur = -11;
    int Taille = 0;
    bool Gras = false;
    TColor Couleur = clBlack;

    void FixeHauteur(int pixels)
    {
        Hauteur = pixels;
        Taille = 0;
    }
    void FixeTaille(int points)
    {
        Taille = points;
        Hauteur = 0;
    }
};

struct TPointCanevas
{
    int X = 0;
    int Y = 0;
};

// Coordinates are device pixels (printer dots on paper), y downwards. Shapes exclude their right and bottom
// edges; LineTo leaves its end pixel unpainted; TextOut puts the top-left of the text cell at (x, y) and fills the
// cell with the brush unless the brush is clear. Texts are UTF-8. Drawing outside the device is clipped.
// The pen, the brush and the font are read at each call, so a caller changes them in place:
// canevas.Stylo().Couleur = clRed.
class ICanevas
{
public:
    virtual ~ICanevas() = default;

    virtual TStylo& Stylo() = 0;
    virtual TPinceau& Pinceau() = 0;
    virtual TPolice& Police() = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // The outline of the ellipse in the box (x1, y1, x2, y2), with the pen alone, counter-clockwise from the direction
    // of (x3, y3) to that of (x4, y4), both seen from the box's centre; the same direction twice draws it whole.
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void Polygon(std::span<const TPointCanevas> sommets) = 0;
    virtual void TextOut(int x, int y, const std::string& texte) = 0;
    virtual int TextWidth(const std::string& texte) = 0;
    virtual int TextHeight(const std::string& texte) = 0;

    // One pixel; a read outside the device, or on a device that cannot be read back, answers CouleurIllisible.
    virtual TColor Pixels(int x, int y) = 0;
    virtual void Pixels(int x, int y, TColor couleur) = 0;

    virtual int Largeur() const = 0;
    virtual int Hauteur() const = 0;
};

// A print job: Debute opens the document under its title (false when it cannot be opened), NouvellePage ejects the
// page, Termine closes the document (harmless when none is open). Page sizes are in dots at Resolution dots per inch.
class IImprimante
{
public:
    virtual ~IImprimante() = default;

    virtual void FixeTitre(const std::string& titre) = 0;
    virtual bool Debute() = 0;
    virtual void NouvellePage() = 0;
    virtual void Termine() = 0;

    virtual int LargeurPage() const = 0;
    virtual int HauteurPage() const = 0;
    virtual int Resolution() const = 0;
    virtual ICanevas& Canevas() = 0;
};
