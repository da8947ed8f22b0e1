// A canvas and printer for tests: it logs every call with the pen, brush and font in force, measures text with
// fixed metrics, and keeps an image so that pixels read back what was drawn.
#include "doubles/CanevasEnregistreur.h"

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {
// The canvas of the screen images measures sizes in points at this resolution.
constexpr int ResolutionEcran = 96;

int NombreCaracteres(const std::string& texte)
{
    // UTF-8: every byte but the continuation bytes starts a character.
    const auto debutCaractere = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    return static_cast<int>(std::count_if(texte.begin(), texte.end(), debutCaractere));
}

std::string Decrit(const TAppelCanevas& appel)
{
    std::ostringstream flux;
    flux << '"' << appel.Texte << "\" at (" << appel.Valeurs.at(0) << ", " << appel.Valeurs.at(1) << "), "
         << appel.Police.Nom << (appel.Police.Taille > 0 ? " size " : " height ")
         << (appel.Police.Taille > 0 ? appel.Police.Taille : appel.Police.Hauteur) << (appel.Police.Gras ? " bold" : "")
         << ", colour 0x" << std::hex << appel.Police.Couleur;
    if (appel.Pinceau.Style == TStylePinceau::Plein)
        flux << " on 0x" << appel.Pinceau.Couleur;
    else
        flux << " on a clear brush";
    return flux.str();
}

// The application ends with the test run, before the program exits: destroyed later, among the exit handlers, it
// would outlive Qt's own globals and crash.
class TApplicationDeTest : public ::testing::Environment
{
public:
    explicit TApplicationDeTest(QApplication* application) : Application(application) {}
    void TearDown() override { Application.reset(); }

private:
    std::unique_ptr<QApplication> Application;
};

bool Correspond(const TAppelCanevas& appel, const TTexteAttendu& attendu)
{
    return appel.Texte == attendu.Texte && (!attendu.X || appel.Valeurs.at(0) == *attendu.X) &&
           (!attendu.Y || appel.Valeurs.at(1) == *attendu.Y) &&
           (!attendu.Police || appel.Police.Nom == *attendu.Police) &&
           (!attendu.Hauteur || appel.Police.Hauteur == *attendu.Hauteur) &&
           (!attendu.Taille || appel.Police.Taille == *attendu.Taille) &&
           (!attendu.Gras || appel.Police.Gras == *attendu.Gras) &&
           (!attendu.Couleur || appel.Police.Couleur == *attendu.Couleur) &&
           (!attendu.Fond || (appel.Pinceau.Style == TStylePinceau::Plein && appel.Pinceau.Couleur == *attendu.Fond));
}
}

const char* NomOperation(TOperationCanevas operation)
{
    switch (operation)
    {
    case TOperationCanevas::MoveTo: return "MoveTo";
    case TOperationCanevas::LineTo: return "LineTo";
    case TOperationCanevas::Rectangle: return "Rectangle";
    case TOperationCanevas::FillRect: return "FillRect";
    case TOperationCanevas::Ellipse: return "Ellipse";
    case TOperationCanevas::Arc: return "Arc";
    case TOperationCanevas::Polygon: return "Polygon";
    case TOperationCanevas::TextOut: return "TextOut";
    case TOperationCanevas::Pixels: return "Pixels";
    case TOperationCanevas::FixeTitre: return "FixeTitre";
    case TOperationCanevas::Debute: return "Debute";
    case TOperationCanevas::NouvellePage: return "NouvellePage";
    case TOperationCanevas::Termine: return "Termine";
    }
    return "?";
}

TCanevasEnregistreur::TCanevasEnregistreur(int largeur, int hauteur)
    : TCanevasEnregistreur(largeur, hauteur, ResolutionEcran, true)
{}

TCanevasEnregistreur::TCanevasEnregistreur(int largeur, int hauteur, int resolution, bool avecImage)
    : Largeur_(largeur), Hauteur_(hauteur), Resolution_(resolution),
      Image_(avecImage ? std::make_unique<TCanevasImage>(largeur, hauteur) : nullptr)
{}

std::unique_ptr<TCanevasEnregistreur> TCanevasEnregistreur::Page(int largeur, int hauteur, int resolution)
{
    return std::unique_ptr<TCanevasEnregistreur>(new TCanevasEnregistreur(largeur, hauteur, resolution, false));
}

void TCanevasEnregistreur::Note(TOperationCanevas operation, std::vector<int> valeurs, const std::string& texte,
                                TColor couleur)
{
    Journal_.push_back({operation, std::move(valeurs), texte, couleur, Stylo_, Pinceau_, Police_});
}

TCanevasImage* TCanevasEnregistreur::ImagePrete()
{
    if (Image_)
    {
        Image_->Stylo() = Stylo_;
        Image_->Pinceau() = Pinceau_;
    }
    return Image_.get();
}

void TCanevasEnregistreur::MoveTo(int x, int y)
{
    Note(TOperationCanevas::MoveTo, {x, y});
    if (TCanevasImage* image = ImagePrete())
        image->MoveTo(x, y);
}

void TCanevasEnregistreur::LineTo(int x, int y)
{
    Note(TOperationCanevas::LineTo, {x, y});
    if (TCanevasImage* image = ImagePrete())
        image->LineTo(x, y);
}

void TCanevasEnregistreur::Rectangle(int x1, int y1, int x2, int y2)
{
    Note(TOperationCanevas::Rectangle, {x1, y1, x2, y2});
    if (TCanevasImage* image = ImagePrete())
        image->Rectangle(x1, y1, x2, y2);
}

void TCanevasEnregistreur::FillRect(int x1, int y1, int x2, int y2)
{
    Note(TOperationCanevas::FillRect, {x1, y1, x2, y2});
    if (TCanevasImage* image = ImagePrete())
        image->FillRect(x1, y1, x2, y2);
}

void TCanevasEnregistreur::Ellipse(int x1, int y1, int x2, int y2)
{
    Note(TOperationCanevas::Ellipse, {x1, y1, x2, y2});
    if (TCanevasImage* image = ImagePrete())
        image->Ellipse(x1, y1, x2, y2);
}

void TCanevasEnregistreur::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Note(TOperationCanevas::Arc, {x1, y1, x2, y2, x3, y3, x4, y4});
    if (TCanevasImage* image = ImagePrete())
        image->Arc(x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanevasEnregistreur::Polygon(std::span<const TPointCanevas> sommets)
{
    std::vector<int> valeurs;
    for (const TPointCanevas& sommet : sommets)
    {
        valeurs.push_back(sommet.X);
        valeurs.push_back(sommet.Y);
    }
    Note(TOperationCanevas::Polygon, std::move(valeurs));
    if (TCanevasImage* image = ImagePrete())
        image->Polygon(sommets);
}

// No glyph is drawn: the cell alone is filled, at the size the fixed metrics give it.
void TCanevasEnregistreur::TextOut(int x, int y, const std::string& texte)
{
    Note(TOperationCanevas::TextOut, {x, y}, texte);
    if (TCanevasImage* image = ImagePrete())
        image->FillRect(x, y, x + TextWidth(texte), y + TextHeight(texte));
}

int TCanevasEnregistreur::HauteurCaractere() const
{
    int hauteur = 0;
    if (Police_.Taille > 0)
        hauteur = static_cast<int>(std::lround(Police_.Taille * Resolution_ / 72.0));
    else if (Police_.Hauteur < 0)
        hauteur = -Police_.Hauteur;
    else
        hauteur = Police_.Hauteur * 5 / 6;
    return std::max(hauteur, 1);
}

int TCanevasEnregistreur::TextWidth(const std::string& texte)
{
    return NombreCaracteres(texte) * (HauteurCaractere() / 2 + (Police_.Gras ? 1 : 0));
}

int TCanevasEnregistreur::TextHeight(const std::string& texte)
{
    if (Police_.Taille <= 0 && Police_.Hauteur > 0)
        return Police_.Hauteur;
    const int hauteur = HauteurCaractere();
    return hauteur + hauteur / 5;
}

TColor TCanevasEnregistreur::Pixels(int x, int y)
{
    return Image_ ? Image_->Pixels(x, y) : CouleurIllisible;
}

void TCanevasEnregistreur::Pixels(int x, int y, TColor couleur)
{
    Note(TOperationCanevas::Pixels, {x, y}, {}, couleur);
    if (Image_)
        Image_->Pixels(x, y, couleur);
}

void TCanevasEnregistreur::FixeTitre(const std::string& titre)
{
    Note(TOperationCanevas::FixeTitre, {}, titre);
}

bool TCanevasEnregistreur::Debute()
{
    Note(TOperationCanevas::Debute, {});
    return true;
}

void TCanevasEnregistreur::NouvellePage()
{
    Note(TOperationCanevas::NouvellePage, {});
}

void TCanevasEnregistreur::Termine()
{
    Note(TOperationCanevas::Termine, {});
}

std::vector<TAppelCanevas> TCanevasEnregistreur::Textes() const
{
    std::vector<TAppelCanevas> textes;
    std::copy_if(Journal_.begin(), Journal_.end(), std::back_inserter(textes),
                 [](const TAppelCanevas& appel) { return appel.Operation == TOperationCanevas::TextOut; });
    return textes;
}

void AssureApplicationGraphique()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char nom[] = "quivane_test";
    static char* argv[] = {nom, nullptr};
    ::testing::AddGlobalTestEnvironment(new TApplicationDeTest(new QApplication(argc, argv)));
}

::testing::AssertionResult TexteDessine(const TCanevasEnregistreur& canevas, const TTexteAttendu& attendu)
{
    const std::vector<TAppelCanevas> textes = canevas.Textes();
    const auto trouve = [&](const TAppelCanevas& appel) { return Correspond(appel, attendu); };
    if (std::any_of(textes.begin(), textes.end(), trouve))
        return ::testing::AssertionSuccess();
    ::testing::AssertionResult echec = ::testing::AssertionFailure();
    echec << "no text \"" << attendu.Texte << "\" drawn as expected; texts drawn:";
    for (const TAppelCanevas& appel : textes)
        echec << "\n  " << Decrit(appel);
    return echec;
}
