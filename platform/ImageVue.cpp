// A widget of the main page that shows one retained image and reports the mouse in the image's pixels.
#include "platform/ImageVue.h"

#include <QMouseEvent>
#include <QPainter>

TImageVue::TImageVue(int largeur, int hauteur, QWidget* parent) : QWidget(parent), Canevas_(largeur, hauteur)
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(Canevas_.Largeur(), Canevas_.Hauteur());
}

void TImageVue::Redimensionne(int largeur, int hauteur)
{
    Canevas_.Redimensionne(largeur, hauteur);
    resize(Canevas_.Largeur(), Canevas_.Hauteur());
    update();
}

void TImageVue::paintEvent(QPaintEvent* evenement)
{
    QPainter peintre(this);
    peintre.drawImage(0, 0, Canevas_.Image());
}

void TImageVue::mousePressEvent(QMouseEvent* evenement)
{
    const QPoint position = evenement->position().toPoint();
    ClicEnCours_ = evenement->button() == Qt::LeftButton;
    emit SourisEnfoncee(evenement->button(), evenement->modifiers(), false, position.x(), position.y());
}

void TImageVue::mouseReleaseEvent(QMouseEvent* evenement)
{
    const QPoint position = evenement->position().toPoint();
    if (evenement->button() == Qt::LeftButton && ClicEnCours_)
    {
        ClicEnCours_ = false;
        if (rect().contains(position))
            emit Clic(position.x(), position.y());
    }
    emit SourisRelachee(evenement->button(), evenement->modifiers(), position.x(), position.y());
}

void TImageVue::mouseDoubleClickEvent(QMouseEvent* evenement)
{
    const QPoint position = evenement->position().toPoint();
    ClicEnCours_ = false;
    if (evenement->button() == Qt::LeftButton)
        emit DoubleClic(position.x(), position.y());
    emit SourisEnfoncee(evenement->button(), evenement->modifiers(), true, position.x(), position.y());
}

void TImageVue::mouseMoveEvent(QMouseEvent* evenement)
{
    const QPoint position = evenement->position().toPoint();
    emit SourisDeplacee(evenement->buttons(), evenement->modifiers(), position.x(), position.y());
}
