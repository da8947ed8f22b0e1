// The canvas of a retained screen image: pixel-exact, without smoothing, with fast single-pixel access.
#pragma once

#include "platform/Canevas.h"

#include <QImage>

class TCanevasImage : public ICanevas
{
public:
    // A new image is white.
    TCanevasImage(int largeur, int hauteur);

    TStylo& Stylo() override { return Stylo_; }
    TPinceau& Pinceau() override { return Pinceau_; }
    TPolice& Police() override { return Police_; }

    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Polygon(std::span<const TPointCanevas> sommets) override;
    void TextOut(int x, int y, const std::string& texte) override;
    int TextWidth(const std::string& texte) override;
    int TextHeight(const std::string& texte) override;
    TColor Pixels(int x, int y) override;
    void Pixels(int x, int y, TColor couleur) override;
    int Largeur() const override { return Image_.width(); }
    int Hauteur() const override { return Image_.height(); }

    // The image keeps its content at the top left; what it gains is white.
    void Redimensionne(int largeur, int hauteur);
    const QImage& Image() const { return Image_; }

private:
    void Ligne(int x0, int y0, int x1, int y1);
    void Remplit(int x1, int y1, int x2, int y2, TColor couleur);

    QImage Image_;
    TStylo Stylo_;
    TPinceau Pinceau_;
    TPolice Police_;
    int X_ = 0;
    int Y_ = 0;
};
