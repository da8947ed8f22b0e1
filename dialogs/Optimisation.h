// The diameter-optimisation dialog "Quivane - Optimisation des diamètres": the distance of the image from the axis
// for which the lens device's diameters are made the smallest that pass the beam.
#pragma once

#include "dialogs/OptimisationCalcul.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

class TOptimisationForm : public QDialog
{
    Q_OBJECT

public:
    explicit TOptimisationForm(QWidget* parent = nullptr);

    // The unit of the device, the box emptied, the window shown modally: the distance of "Optimiser" (0 for an
    // empty box), nothing for Cancel, Esc or the close box.
    std::optional<double> Montre(bool afocal);

    QLabel* LabelTitre;
    QLabel* LabelTexte;
    QLabel* LabelDistance;
    QLineEdit* SaisieDist;
    QLabel* LabelUnite;
    QPushButton* BoutonAnnuler;
    QPushButton* BoutonOptimiser;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void ValideDistance();
    void BoutonOptimiserClick();

    // The distance of this opening of the dialog: the caller's setting changes only when an optimisation is made.
    double Distance_ = 0;
    std::optional<double> Choix_;
};

// The dialog the optimisation command shows: its window, a child of the window given here, is created at the first
// showing and kept.
void FixeParentOptimisation(QWidget* parent);
std::optional<double> MontreOptimisation(bool afocal);
