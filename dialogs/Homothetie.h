// The homothety dialog "Quivane - Homothétie": the parts to scale and the coefficient. OK closes it only when the
// coefficient keeps the ticked parts within their size limits; Cancel and the close box scale nothing.
#pragma once

#include "dialogs/HomothetieCalcul.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class THomothetieForm : public QDialog
{
    Q_OBJECT

public:
    explicit THomothetieForm(QWidget* parent = nullptr);

    // Enables the boxes as `etat` says, both unticked, the coefficient box empty, and shows the window modally: the
    // choice made by OK, nothing for Cancel, Esc or the close box.
    std::optional<TChoixHomothetie> Montre(TEtatHomothetie etat);

    QLabel* LabelTitre;
    QLabel* LabelSousTitre;
    QLabel* LabelTexte;
    QLabel* LabelLimites;
    QCheckBox* InstrumentBox;
    QCheckBox* DispositifBox;
    QLabel* LabelCoefficient;
    QLineEdit* SaisieCoefficient;
    QPushButton* ButtonAnnuler;
    QPushButton* ButtonAide;
    QPushButton* ButtonOk;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void ValideCoefficient();
    void ButtonOkClick();
    void ButtonAideClick();

    // The coefficient of this opening of the dialog, none until a number is typed.
    std::optional<float> Coefficient_;
    std::optional<TChoixHomothetie> Choix_;
};

// The dialog the homothety command shows: its window, a child of the window given here, is created at the first
// showing and kept.
void FixeParentHomothetie(QWidget* parent);
std::optional<TChoixHomothetie> MontreHomothetie(TEtatHomothetie etat);
