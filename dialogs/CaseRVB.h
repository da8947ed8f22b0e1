// The colour spin box of the two drawing colour dialogs: the value of the chosen component, then two arrows. A press
// on an arrow steps the component, the arrow drawn pressed until the mouse is released.
#pragma once

#include "platform/ImageVue.h"

#include <optional>

class TCaseRVB : public TImageVue
{
    Q_OBJECT

public:
    explicit TCaseRVB(QWidget* parent);

    void Montre(int valeur);
    // A press at (x, y) in the box: nothing on the number part, else the arrow held and Pas.
    void Appui(int x, int y);
    void Relache();

signals:
    void Pas(bool haut);

private:
    void Dessine();

    int Valeur_ = 0;
    std::optional<bool> Enfoncee_;
};
