// The window "Quivane - Position du système dioptrique": the start values of the focus search set in advance, the
// focus shift for a system with a focus and the focus-to-first-surface distance for an afocal one. A value is taken
// only by Enter in its box; OK closes without reading the boxes.
#pragma once

#include "dialogs/PositionCalcul.h"

#include <QDialog>
#include <QPointer>

class QGroupBox;
class QLineEdit;
class QPushButton;

class TPositionForm : public QDialog
{
    Q_OBJECT

public:
    explicit TPositionForm(QWidget* parent = nullptr);

    // Both boxes show the stored values.
    void AffichePosition();

    // The boxes' keys (13 Enter, 27 Esc) and the button.
    void SaisieDeltafKeyPress(int touche);
    void SaisieDafKeyPress(int touche);
    void ButtonOkClick();

    QGroupBox* GroupeFocalisation;
    QGroupBox* GroupeAfocal;
    QLineEdit* SaisieDeltaf;
    QLineEdit* SaisieDaf;
    QPushButton* ButtonOk;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void SaisieKeyPress(QLineEdit* saisie, TValeurPosition valeur, int touche);
};

// The window the command shows, created with the main window.
inline QPointer<TPositionForm> PositionForm;

// The command "Position du dispositif dioptrique" (also the thickness frame's button): the editing frames closed,
// the boxes filled, the window shown, then the changed values journaled and the view refreshed.
void AfficheFormePosition();
