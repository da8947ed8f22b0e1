// What the two Qt canvases share: colours, pens and brushes in Qt's terms, and the shapes drawn through a painter.
#pragma once

#include "platform/Canevas.h"

#include <QColor>
#include <QPainter>
#include <QRgb>

#include <span>
#include <string>

inline QColor CouleurQt(TColor couleur)
{
    return QColor(ComposanteRouge(couleur), ComposanteVerte(couleur), ComposanteBleue(couleur));
}

inline QRgb RgbQt(TColor couleur)
{
    return qRgb(ComposanteRouge(couleur), ComposanteVerte(couleur), ComposanteBleue(couleur));
}

inline TColor CouleurDeRgb(QRgb rgb)
{
    return CouleurRVB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QPen StyloQt(const TStylo& stylo);
QBrush PinceauQt(const TPinceau& pinceau);

// The shapes through a painter, with the canvas's conventions: right and bottom edges excluded.
void PeintEllipse(QPainter& peintre, const TStylo& stylo, const TPinceau& pinceau, int x1, int y1, int x2, int y2);
void PeintArc(QPainter& peintre, const TStylo& stylo, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
void PeintPolygone(QPainter& peintre, const TStylo& stylo, const TPinceau& pinceau,
                   std::span<const TPointCanevas> sommets);
// The text cell at (x, y), filled with the brush unless it is clear, then the text in the font's colour.
void PeintTexte(QPainter& peintre, const QFont& police, TColor couleur, const TPinceau& pinceau, int x, int y,
                const QString& texte);
