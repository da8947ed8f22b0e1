// The eyepiece dialog "Quivane - Choix d'un oculaire": the design, its focal length, and the buttons that place it
// in place of the lens device or behind it. The designs and the placement are in OculaireChoixCalcul.
#pragma once

#include "dialogs/OculaireChoixCalcul.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TOculaireChoixForm : public QDialog
{
    Q_OBJECT

public:
    explicit TOculaireChoixForm(QWidget* parent = nullptr);

    // Lays the buttons out for the device as it stands and shows the window modally: the answer of a placing
    // button, nothing for Cancel or the close box. The window keeps the design and the focal length typed.
    std::optional<TChoixOculaire> Montre(TEtatDispositifOculaire etat);
    // The layout alone.
    void Dispose(TEtatDispositifOculaire etat);

    QLabel* LabelTitre;
    QLabel* LabelType;
    QComboBox* OculaireBox;
    QLabel* LabelDistance;
    QLineEdit* SaisieFocale;
    QLabel* LabelMillimetre;
    QPushButton* RemplaceBtn;
    QPushButton* DerriereBtn;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void Place(TPlacementOculaire placement);
    void HelpBtnClick();

    std::optional<TChoixOculaire> Choix_;
};

// The dialog the eyepiece command shows: its window, a child of the window given here, is created at the first
// showing and kept.
void FixeParentChoixOculaire(QWidget* parent);
std::optional<TChoixOculaire> MontreChoixOculaire(TEtatDispositifOculaire etat);
