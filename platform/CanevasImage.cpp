// The canvas of a retained screen image: pixel-exact, without smoothing, with fast single-pixel access.
#include "platform/CanevasImage.h"

#include "platform/CanevasQt.h"
#include "platform/Polices.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {
// The screen images are laid out at the usual desktop resolution: a size in points turns into pixels with it.
constexpr int ResolutionEcran = 96;

// Runs of painted and skipped pixels of the thin broken pens, as the screen draws them.
constexpr int TiretPlein = 18;
constexpr int TiretVide = 6;
constexpr int PointPlein = 3;
constexpr int PointVide = 3;

QImage ImageBlanche(int largeur, int hauteur)
{
    QImage image(std::max(largeur, 0), std::max(hauteur, 0), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// No painter is kept open between calls: the single-pixel writes go straight to the image's bits, and each shape
// that needs a painter opens one on the image as it is at that moment.
void PrepareSansLissage(QPainter& peintre)
{
    peintre.setRenderHint(QPainter::Antialiasing, false);
    peintre.setRenderHint(QPainter::TextAntialiasing, false);
}

// Cuts the segment to the box [gauche, droite] x [haut, bas] (Liang-Barsky); false when it misses the box.
bool CoupeSegment(int& x0, int& y0, int& x1, int& y1, int gauche, int haut, int droite, int bas)
{
    const double dx = static_cast<double>(x1) - x0;
    const double dy = static_cast<double>(y1) - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {static_cast<double>(x0) - gauche, static_cast<double>(droite) - x0,
                         static_cast<double>(y0) - haut, static_cast<double>(bas) - y0};
    double debut = 0.0;
    double fin = 1.0;
    for (int i = 0; i < 4; ++i)
    {
        if (p[i] == 0.0)
        {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            debut = std::max(debut, t);
        else
            fin = std::min(fin, t);
    }
    if (debut > fin)
        return false;
    const int nx0 = static_cast<int>(std::lround(x0 + debut * dx));
    const int ny0 = static_cast<int>(std::lround(y0 + debut * dy));
    const int nx1 = static_cast<int>(std::lround(x0 + fin * dx));
    const int ny1 = static_cast<int>(std::lround(y0 + fin * dy));
    x0 = nx0;
    y0 = ny0;
    x1 = nx1;
    y1 = ny1;
    return true;
}
}

TCanevasImage::TCanevasImage(int largeur, int hauteur) : Image_(ImageBlanche(largeur, hauteur)) {}

void TCanevasImage::Redimensionne(int largeur, int hauteur)
{
    if (largeur == Image_.width() && hauteur == Image_.height())
        return;
    QImage nouvelle = ImageBlanche(largeur, hauteur);
    if (!nouvelle.isNull() && !Image_.isNull())
    {
        QPainter peintre(&nouvelle);
        peintre.drawImage(0, 0, Image_);
    }
    Image_ = std::move(nouvelle);
}

void TCanevasImage::MoveTo(int x, int y)
{
    X_ = x;
    Y_ = y;
}

void TCanevasImage::LineTo(int x, int y)
{
    Ligne(X_, Y_, x, y);
    X_ = x;
    Y_ = y;
}

// A thin pen is drawn here pixel by pixel (Bresenham), so the result is exact and the end pixel stays unpainted;
// a wide pen goes through a painter.
void TCanevasImage::Ligne(int x0, int y0, int x1, int y1)
{
    if (Stylo_.Style == TStyleStylo::Transparent || (x0 == x1 && y0 == y1) || Image_.isNull())
        return;
    // A segment reaching far outside is first cut to a frame just outside the image (wider than half the pen),
    // so that a wild coordinate costs no more than the image's size; segments within the frame keep their pixels.
    const int marge = std::clamp(Stylo_.Epaisseur, 1, 1000);
    const int gauche = -marge;
    const int haut = -marge;
    const int droite = Image_.width() - 1 + marge;
    const int bas = Image_.height() - 1 + marge;
    const bool dehors =
        std::min(x0, x1) < gauche || std::max(x0, x1) > droite || std::min(y0, y1) < haut || std::max(y0, y1) > bas;
    if (dehors && !CoupeSegment(x0, y0, x1, y1, gauche, haut, droite, bas))
        return;
    if (Stylo_.Epaisseur > 1)
    {
        QPainter peintre(&Image_);
        PrepareSansLissage(peintre);
        peintre.setPen(StyloQt(Stylo_));
        peintre.drawLine(x0, y0, x1, y1);
        return;
    }
    int plein = 1;
    int vide = 0;
    if (Stylo_.Style == TStyleStylo::Tirets)
    {
        plein = TiretPlein;
        vide = TiretVide;
    }
    else if (Stylo_.Style == TStyleStylo::Points)
    {
        plein = PointPlein;
        vide = PointVide;
    }
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int pasX = x0 < x1 ? 1 : -1;
    const int pasY = y0 < y1 ? 1 : -1;
    int erreur = dx + dy;
    int x = x0;
    int y = y0;
    for (int rang = 0; x != x1 || y != y1; ++rang)
    {
        if (rang % (plein + vide) < plein)
            Pixels(x, y, Stylo_.Couleur);
        const int double_erreur = 2 * erreur;
        if (double_erreur >= dy)
        {
            erreur += dy;
            x += pasX;
        }
        if (double_erreur <= dx)
        {
            erreur += dx;
            y += pasY;
        }
    }
}

void TCanevasImage::Remplit(int x1, int y1, int x2, int y2, TColor couleur)
{
    const int gauche = std::max(std::min(x1, x2), 0);
    const int droite = std::min(std::max(x1, x2), Image_.width());
    const int haut = std::max(std::min(y1, y2), 0);
    const int bas = std::min(std::max(y1, y2), Image_.height());
    const QRgb rgb = RgbQt(couleur);
    for (int y = haut; y < bas; ++y)
    {
        QRgb* ligne = reinterpret_cast<QRgb*>(Image_.scanLine(y));
        std::fill(ligne + gauche, ligne + std::max(droite, gauche), rgb);
    }
}

void TCanevasImage::Rectangle(int x1, int y1, int x2, int y2)
{
    const int gauche = std::min(x1, x2);
    const int droite = std::max(x1, x2) - 1;
    const int haut = std::min(y1, y2);
    const int bas = std::max(y1, y2) - 1;
    if (droite < gauche || bas < haut)
        return;
    if (Pinceau_.Style == TStylePinceau::Plein)
        Remplit(gauche, haut, droite + 1, bas + 1, Pinceau_.Couleur);
    if (Stylo_.Style == TStyleStylo::Transparent)
        return;
    if (droite == gauche || bas == haut)
    {
        // A one-pixel-thin box: its outline is a single run, ends included.
        Ligne(gauche, haut, droite, bas);
        Pixels(droite, bas, Stylo_.Couleur);
        return;
    }
    Ligne(gauche, haut, droite, haut);
    Ligne(droite, haut, droite, bas);
    Ligne(droite, bas, gauche, bas);
    Ligne(gauche, bas, gauche, haut);
}

void TCanevasImage::FillRect(int x1, int y1, int x2, int y2)
{
    if (Pinceau_.Style == TStylePinceau::Plein)
        Remplit(x1, y1, x2, y2, Pinceau_.Couleur);
}

void TCanevasImage::Ellipse(int x1, int y1, int x2, int y2)
{
    if (Image_.isNull())
        return;
    QPainter peintre(&Image_);
    PrepareSansLissage(peintre);
    PeintEllipse(peintre, Stylo_, Pinceau_, x1, y1, x2, y2);
}

void TCanevasImage::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (Image_.isNull())
        return;
    QPainter peintre(&Image_);
    PrepareSansLissage(peintre);
    PeintArc(peintre, Stylo_, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanevasImage::Polygon(std::span<const TPointCanevas> sommets)
{
    if (Image_.isNull())
        return;
    QPainter peintre(&Image_);
    PrepareSansLissage(peintre);
    PeintPolygone(peintre, Stylo_, Pinceau_, sommets);
}

void TCanevasImage::TextOut(int x, int y, const std::string& texte)
{
    if (Image_.isNull())
        return;
    QPainter peintre(&Image_);
    PrepareSansLissage(peintre);
    PeintTexte(peintre, PoliceQt(Police_, ResolutionEcran, false), Police_.Couleur, Pinceau_, x, y,
               TexteAffiche(Police_, texte));
}

int TCanevasImage::TextWidth(const std::string& texte)
{
    const QFontMetrics mesures(PoliceQt(Police_, ResolutionEcran, false), &Image_);
    return mesures.horizontalAdvance(TexteAffiche(Police_, texte));
}

int TCanevasImage::TextHeight(const std::string& texte)
{
    const QFontMetrics mesures(PoliceQt(Police_, ResolutionEcran, false), &Image_);
    return mesures.height();
}

TColor TCanevasImage::Pixels(int x, int y)
{
    if (x < 0 || y < 0 || x >= Image_.width() || y >= Image_.height())
        return CouleurIllisible;
    return CouleurDeRgb(reinterpret_cast<const QRgb*>(Image_.constScanLine(y))[x]);
}

void TCanevasImage::Pixels(int x, int y, TColor couleur)
{
    if (x < 0 || y < 0 || x >= Image_.width() || y >= Image_.height())
        return;
    reinterpret_cast<QRgb*>(Image_.scanLine(y))[x] = RgbQt(couleur);
}
