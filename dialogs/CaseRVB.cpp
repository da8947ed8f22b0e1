// The colour spin box of the two drawing colour dialogs.
#include "dialogs/CaseRVB.h"

#include "dialogs/DispositifCalcul.h"

TCaseRVB::TCaseRVB(QWidget* parent) : TImageVue(LargeurCaseRVB, HauteurCaseRVB, parent)
{
    connect(this, &TImageVue::SourisEnfoncee, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, bool, int x, int y) { Appui(x, y); });
    connect(this, &TImageVue::SourisRelachee, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { Relache(); });
    Dessine();
}

void TCaseRVB::Montre(int valeur)
{
    Valeur_ = valeur;
    Dessine();
}

void TCaseRVB::Appui(int x, int y)
{
    const std::optional<bool> haut = SensCaseRVB(x, y);
    if (!haut)
        return;
    Enfoncee_ = haut;
    Dessine();
    emit Pas(*haut);
}

void TCaseRVB::Relache()
{
    Enfoncee_.reset();
    Dessine();
}

void TCaseRVB::Dessine()
{
    DessineCaseRVB(Canevas(), Valeur_, Enfoncee_);
    update();
}
