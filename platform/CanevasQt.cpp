// What the two Qt canvases share: colours, pens and brushes in Qt's terms, and the shapes drawn through a painter.
#include "platform/CanevasQt.h"

#include <QFontMetrics>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdlib>

QPen StyloQt(const TStylo& stylo)
{
    if (stylo.Style == TStyleStylo::Transparent)
        return QPen(Qt::NoPen);
    QPen resultat(CouleurQt(stylo.Couleur));
    resultat.setWidth(std::max(stylo.Epaisseur, 1));
    resultat.setCapStyle(stylo.Epaisseur > 1 ? Qt::RoundCap : Qt::FlatCap);
    resultat.setJoinStyle(Qt::MiterJoin);
    if (stylo.Style == TStyleStylo::Tirets)
        resultat.setStyle(Qt::DashLine);
    else if (stylo.Style == TStyleStylo::Points)
        resultat.setStyle(Qt::DotLine);
    return resultat;
}

QBrush PinceauQt(const TPinceau& pinceau)
{
    if (pinceau.Style == TStylePinceau::Transparent)
        return QBrush(Qt::NoBrush);
    return QBrush(CouleurQt(pinceau.Couleur));
}

void PeintEllipse(QPainter& peintre, const TStylo& stylo, const TPinceau& pinceau, int x1, int y1, int x2, int y2)
{
    const int gauche = std::min(x1, x2);
    const int haut = std::min(y1, y2);
    const int largeur = std::abs(x2 - x1);
    const int hauteur = std::abs(y2 - y1);
    if (largeur < 1 || hauteur < 1)
        return;
    peintre.setPen(StyloQt(stylo));
    peintre.setBrush(PinceauQt(pinceau));
    // A one-pixel outline of QRect(x, y, w, h) covers x .. x + w: one less than the box keeps the far edges out.
    peintre.drawEllipse(QRect(gauche, haut, largeur - 1, hauteur - 1));
}

void PeintArc(QPainter& peintre, const TStylo& stylo, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const int gauche = std::min(x1, x2);
    const int haut = std::min(y1, y2);
    const int largeur = std::abs(x2 - x1);
    const int hauteur = std::abs(y2 - y1);
    if (largeur < 1 || hauteur < 1)
        return;
    // Directions from the box's centre, y upwards, in sixteenths of a degree as the painter counts them.
    const double cx = gauche + largeur / 2.0;
    const double cy = haut + hauteur / 2.0;
    auto angle = [&](int x, int y) {
        const double a = std::atan2(cy - y, x - cx) * 180.0 / std::numbers::pi;
        return a < 0 ? a + 360.0 : a;
    };
    const double debut = angle(x3, y3);
    double etendue = angle(x4, y4) - debut;
    if (etendue <= 0)
        etendue += 360.0;
    peintre.setPen(StyloQt(stylo));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawArc(QRect(gauche, haut, largeur - 1, hauteur - 1), static_cast<int>(std::lround(debut * 16)),
                    static_cast<int>(std::lround(etendue * 16)));
}

void PeintPolygone(QPainter& peintre, const TStylo& stylo, const TPinceau& pinceau,
                   std::span<const TPointCanevas> sommets)
{
    if (sommets.empty())
        return;
    QPolygon polygone;
    polygone.reserve(static_cast<int>(sommets.size()));
    for (const TPointCanevas& sommet : sommets)
        polygone.append(QPoint(sommet.X, sommet.Y));
    peintre.setPen(StyloQt(stylo));
    peintre.setBrush(PinceauQt(pinceau));
    peintre.drawPolygon(polygone, Qt::OddEvenFill);
}

void PeintTexte(QPainter& peintre, const QFont& police, TColor couleur, const TPinceau& pinceau, int x, int y,
                const QString& texte)
{
    const QFontMetrics mesures(police, peintre.device());
    if (pinceau.Style == TStylePinceau::Plein)
        peintre.fillRect(QRect(x, y, mesures.horizontalAdvance(texte), mesures.height()), CouleurQt(pinceau.Couleur));
    peintre.setFont(police);
    peintre.setPen(CouleurQt(couleur));
    peintre.drawText(QPoint(x, y + mesures.ascent()), texte);
}
