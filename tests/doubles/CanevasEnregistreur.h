// A canvas and printer for tests: it logs every call with the pen, brush and font in force, measures text with
// fixed metrics, and keeps an image so that pixels read back what was drawn.
#pragma once

#include "platform/Canevas.h"
#include "platform/CanevasImage.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class TOperationCanevas
{
    MoveTo,
    LineTo,
    Rectangle,
    FillRect,
    Ellipse,
    Arc,
    Polygon,
    TextOut,
    Pixels,
    FixeTitre,
    Debute,
    NouvellePage,
    Termine
};

const char* NomOperation(TOperationCanevas operation);

struct TAppelCanevas
{
    TOperationCanevas Operation = TOperationCanevas::MoveTo;
    // The coordinates as given: x, y (MoveTo, LineTo, TextOut, Pixels), x1, y1, x2, y2 (the boxes; for Arc then the
    // two direction points), or the vertices.
    std::vector<int> Valeurs;
    // The text of TextOut as given (Symbol-encoded for the font "Symbol"), the title of FixeTitre.
    std::string Texte;
    // The colour written by Pixels.
    TColor Couleur = clBlack;
    TStylo Stylo;
    TPinceau Pinceau;
    TPolice Police;
};

// Fixed metrics, so that layouts are known in advance whatever fonts the machine has. With h the character height
// in pixels (-Hauteur; five sixths of a positive Hauteur, the cell; Taille x resolution / 72, rounded, for a size):
// TextHeight is the cell, Hauteur when positive, otherwise h + h div 5 (11 -> 13, 20 -> 24); TextWidth is the
// number of characters times h div 2, plus one per character in bold (11 -> 5 and 6 per character). A font size of
// 0 counts as character height 1.
class TCanevasEnregistreur : public ICanevas, public IImprimante
{
public:
    // A screen image of that size, white at first: shapes and text cells are painted on it, pixels read it back.
    TCanevasEnregistreur(int largeur, int hauteur);
    // A printed page of that size and resolution: nothing is kept but the log, and pixels cannot be read back.
    static std::unique_ptr<TCanevasEnregistreur> Page(int largeur, int hauteur, int resolution);

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
    int Largeur() const override { return Largeur_; }
    int Hauteur() const override { return Hauteur_; }

    void FixeTitre(const std::string& titre) override;
    bool Debute() override;
    void NouvellePage() override;
    void Termine() override;
    int LargeurPage() const override { return Largeur_; }
    int HauteurPage() const override { return Hauteur_; }
    int Resolution() const override { return Resolution_; }
    ICanevas& Canevas() override { return *this; }

    const std::vector<TAppelCanevas>& Journal() const { return Journal_; }
    // The TextOut calls alone, in order.
    std::vector<TAppelCanevas> Textes() const;
    void EffaceJournal() { Journal_.clear(); }

private:
    TCanevasEnregistreur(int largeur, int hauteur, int resolution, bool avecImage);
    void Note(TOperationCanevas operation, std::vector<int> valeurs, const std::string& texte = {},
              TColor couleur = clBlack);
    // The image takes the pen and the brush in force before each shape.
    TCanevasImage* ImagePrete();
    int HauteurCaractere() const;

    int Largeur_;
    int Hauteur_;
    int Resolution_;
    std::unique_ptr<TCanevasImage> Image_;
    TStylo Stylo_;
    TPinceau Pinceau_;
    TPolice Police_;
    std::vector<TAppelCanevas> Journal_;
};

// The Qt application object that fonts, painters on paper and widgets need: made on first use (unless the test
// program already has one) and kept to the end of the run.
void AssureApplicationGraphique();

// A text expected in the log; the fields left empty are not checked.
struct TTexteAttendu
{
    std::string Texte = {};
    std::optional<int> X = std::nullopt;
    std::optional<int> Y = std::nullopt;
    std::optional<std::string> Police = std::nullopt;
    std::optional<int> Hauteur = std::nullopt;
    std::optional<int> Taille = std::nullopt;
    std::optional<bool> Gras = std::nullopt;
    std::optional<TColor> Couleur = std::nullopt;
    // The colour of a solid brush filling the text cell.
    std::optional<TColor> Fond = std::nullopt;
};

// Succeeds when one TextOut of the log matches every given field; otherwise lists the texts drawn.
::testing::AssertionResult TexteDessine(const TCanevasEnregistreur& canevas, const TTexteAttendu& attendu);
