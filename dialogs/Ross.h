// The dialog "Quivane - Correcteur de Ross selon vos spécifications": the first lens's power, the distance to the
// focus, the diameter and the glass of a two-lens Ross corrector. The formula is in RossCalcul.
#pragma once

#include "dialogs/RossCalcul.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

class TRossForm : public QDialog
{
    Q_OBJECT

public:
    explicit TRossForm(QWidget* parent = nullptr);

    // Shows the window modally on `presets`: the values of OK, nothing for Cancel or the close box.
    std::optional<TSaisieRoss> Montre(const TSaisieRoss& presets);
    // The presets in the boxes, without showing the window.
    void Prepare(const TSaisieRoss& presets);

    // A box took the focus, left it, or had Enter or Esc pressed in it.
    void SaisieEnter(TChampRoss champ);
    void SaisieExit(TChampRoss champ);
    void SaisieTouche(TChampRoss champ, int touche);
    void BoutonVerreClick();
    void ButtonOkClick();

    // The values as the boxes last stored them.
    const TSaisieRoss& Saisie() const { return Saisie_; }

    QLabel* LabelTitre;
    QLabel* LabelTexte;
    QLineEdit* SaisiePhi;
    QLineEdit* Saisieh;
    QLineEdit* SaisieDiametre;
    QPushButton* BoutonVerre;
    QLabel* LabelVerre;
    QPushButton* ButtonOk;
    QPushButton* ButtonAide;
    QPushButton* CancelBtn;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    QLineEdit* Boite(TChampRoss champ) const;
    float& Valeur(TChampRoss champ);
    float& ValeurAvantSaisie(TChampRoss champ);
    void ButtonAideClick();

    TSaisieRoss Saisie_;
    // Each box's value when it last took the focus (or was preset), which Esc and a refusal bring back.
    std::array<float, 3> ValeursAvantSaisie_{};
    std::optional<TSaisieRoss> Reponse_;
};

// The dialog the command "Selon vos spécifications" shows: its window, a child of the window given here, is created at
// the first showing and kept.
void FixeParentRoss(QWidget* parent);
std::optional<TSaisieRoss> MontreRoss(const TSaisieRoss& presets);
