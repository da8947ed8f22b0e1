// The printer and its canvas over Qt's printer: a PDF file, or the printer the user chose.
#include "platform/CanevasImprimante.h"

#include "platform/CanevasQt.h"
#include "platform/Polices.h"

#include <QFile>
#include <QFontMetrics>
#include <QPrinter>

#include <algorithm>

TCanevasImprimante::TCanevasImprimante(QPrinter& imprimante) : Imprimante_(imprimante) {}

TCanevasImprimante::~TCanevasImprimante()
{
    Termine();
}

void TCanevasImprimante::FixeTitre(const std::string& titre)
{
    Imprimante_.setDocName(QString::fromStdString(titre));
}

bool TCanevasImprimante::Debute()
{
    if (Peintre_.isActive())
        return true;
    // A PDF file that cannot be written is found here, before the painter would complain about it on stderr.
    if (Imprimante_.outputFormat() == QPrinter::PdfFormat)
    {
        QFile fichier(Imprimante_.outputFileName());
        if (!fichier.open(QIODevice::WriteOnly))
            return false;
    }
    return Peintre_.begin(&Imprimante_);
}

void TCanevasImprimante::NouvellePage()
{
    if (Peintre_.isActive())
        Imprimante_.newPage();
}

void TCanevasImprimante::Termine()
{
    if (Peintre_.isActive())
        Peintre_.end();
}

int TCanevasImprimante::LargeurPage() const
{
    return Imprimante_.width();
}

int TCanevasImprimante::HauteurPage() const
{
    return Imprimante_.height();
}

int TCanevasImprimante::Resolution() const
{
    return Imprimante_.resolution();
}

void TCanevasImprimante::MoveTo(int x, int y)
{
    X_ = x;
    Y_ = y;
}

void TCanevasImprimante::LineTo(int x, int y)
{
    if (Peintre_.isActive() && Stylo_.Style != TStyleStylo::Transparent)
    {
        Peintre_.setPen(StyloQt(Stylo_));
        Peintre_.drawLine(X_, Y_, x, y);
    }
    X_ = x;
    Y_ = y;
}

void TCanevasImprimante::Rectangle(int x1, int y1, int x2, int y2)
{
    const int gauche = std::min(x1, x2);
    const int droite = std::max(x1, x2) - 1;
    const int haut = std::min(y1, y2);
    const int bas = std::max(y1, y2) - 1;
    if (!Peintre_.isActive() || droite < gauche || bas < haut)
        return;
    if (Pinceau_.Style == TStylePinceau::Plein)
        Peintre_.fillRect(QRect(gauche, haut, droite - gauche + 1, bas - haut + 1), CouleurQt(Pinceau_.Couleur));
    if (Stylo_.Style == TStyleStylo::Transparent)
        return;
    Peintre_.setPen(StyloQt(Stylo_));
    Peintre_.setBrush(Qt::NoBrush);
    const QPoint coins[4] = {{gauche, haut}, {droite, haut}, {droite, bas}, {gauche, bas}};
    Peintre_.drawPolygon(coins, 4);
}

void TCanevasImprimante::FillRect(int x1, int y1, int x2, int y2)
{
    if (!Peintre_.isActive() || Pinceau_.Style == TStylePinceau::Transparent)
        return;
    const QPoint coinHaut(std::min(x1, x2), std::min(y1, y2));
    const QPoint coinBas(std::max(x1, x2) - 1, std::max(y1, y2) - 1);
    Peintre_.fillRect(QRect(coinHaut, coinBas), CouleurQt(Pinceau_.Couleur));
}

void TCanevasImprimante::Ellipse(int x1, int y1, int x2, int y2)
{
    if (Peintre_.isActive())
        PeintEllipse(Peintre_, Stylo_, Pinceau_, x1, y1, x2, y2);
}

void TCanevasImprimante::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    if (Peintre_.isActive())
        PeintArc(Peintre_, Stylo_, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanevasImprimante::Polygon(std::span<const TPointCanevas> sommets)
{
    if (Peintre_.isActive())
        PeintPolygone(Peintre_, Stylo_, Pinceau_, sommets);
}

void TCanevasImprimante::TextOut(int x, int y, const std::string& texte)
{
    if (Peintre_.isActive())
        PeintTexte(Peintre_, PoliceQt(Police_, Resolution(), true), Police_.Couleur, Pinceau_, x, y,
                   TexteAffiche(Police_, texte));
}

int TCanevasImprimante::TextWidth(const std::string& texte)
{
    const QFontMetrics mesures(PoliceQt(Police_, Resolution(), true), &Imprimante_);
    return mesures.horizontalAdvance(TexteAffiche(Police_, texte));
}

int TCanevasImprimante::TextHeight(const std::string& texte)
{
    const QFontMetrics mesures(PoliceQt(Police_, Resolution(), true), &Imprimante_);
    return mesures.height();
}

TColor TCanevasImprimante::Pixels(int x, int y)
{
    return CouleurIllisible;
}

void TCanevasImprimante::Pixels(int x, int y, TColor couleur)
{
    if (Peintre_.isActive())
        Peintre_.fillRect(QRect(x, y, 1, 1), CouleurQt(couleur));
}
