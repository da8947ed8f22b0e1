// A widget of the main page that shows one retained image and reports the mouse in the image's pixels.
#pragma once

#include "platform/CanevasImage.h"

#include <QWidget>

// The widget is as large as its image and shows nothing else; views draw on its canvas, then call update().
// It never takes the keyboard focus, so keys keep going to the page's edit box.
class TImageVue : public QWidget
{
    Q_OBJECT

public:
    TImageVue(int largeur, int hauteur, QWidget* parent = nullptr);

    TCanevasImage& Canevas() { return Canevas_; }
    // Resizes the image and the widget together; the image keeps its content at the top left.
    void Redimensionne(int largeur, int hauteur);

signals:
    // A press; the second press of a double click comes after DoubleClic, with double_ set.
    void SourisEnfoncee(Qt::MouseButton bouton, Qt::KeyboardModifiers touches, bool double_, int x, int y);
    void SourisRelachee(Qt::MouseButton bouton, Qt::KeyboardModifiers touches, int x, int y);
    void SourisDeplacee(Qt::MouseButtons boutons, Qt::KeyboardModifiers touches, int x, int y);
    // A left press released over the image, reported before its release; not after the second press of a double click.
    void Clic(int x, int y);
    void DoubleClic(int x, int y);

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;

private:
    TCanevasImage Canevas_;
    bool ClicEnCours_ = false;
};
