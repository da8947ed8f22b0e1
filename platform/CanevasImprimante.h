// The printer and its canvas over Qt's printer: a PDF file, or the printer the user chose.
#pragma once

#include "platform/Canevas.h"

#include <QPainter>

class QPrinter;

class TCanevasImprimante : public IImprimante, public ICanevas
{
public:
    // The printer stays the caller's and must outlive this object.
    explicit TCanevasImprimante(QPrinter& imprimante);
    ~TCanevasImprimante() override;
    TCanevasImprimante(const TCanevasImprimante&) = delete;
    TCanevasImprimante& operator=(const TCanevasImprimante&) = delete;

    void FixeTitre(const std::string& titre) override;
    bool Debute() override;
    void NouvellePage() override;
    void Termine() override;
    int LargeurPage() const override;
    int HauteurPage() const override;
    int Resolution() const override;
    ICanevas& Canevas() override { return *this; }

    TStylo& Stylo() override { return Stylo_; }
    TPinceau& Pinceau() override { return Pinceau_; }
    TPolice& Police() override { return Police_; }

    // Drawing before Debute or after Termine leaves no mark.
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
    // Paper cannot be read back: a read answers CouleurIllisible.
    TColor Pixels(int x, int y) override;
    void Pixels(int x, int y, TColor couleur) override;
    int Largeur() const override { return LargeurPage(); }
    int Hauteur() const override { return HauteurPage(); }

private:
    QPrinter& Imprimante_;
    QPainter Peintre_;
    TStylo Stylo_;
    TPinceau Pinceau_;
    TPolice Police_;
    int X_ = 0;
    int Y_ = 0;
};
