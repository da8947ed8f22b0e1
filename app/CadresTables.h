// The thickness frame "Epaisseur de la lentille" and the diameter frame "Diamètre de la lentille" of the surface
// tables: shown, placed and enabled from the models the editors leave; their buttons run the editors' commands.
#pragma once

#include "optics/Modele.h"

#include <QFrame>

class QLabel;
class QPushButton;

class TCadreEpaisseur : public QFrame
{
    Q_OBJECT

public:
    explicit TCadreEpaisseur(QWidget* fiche);
    void Applique();

    QLabel* LabelBord;
    QLabel* LabelTotale;
    QPushButton* BtnInfini;
    QPushButton* BtnEpMini;
    QPushButton* BtnPosition;
    QPushButton* BtnOKEpaisseur;
    QPushButton* BtnCloseEpaisseur;
    QPushButton* BtnAideEpaisseur;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    bool Ouvert_ = false;
};

class TCadreDiametre : public QFrame
{
    Q_OBJECT

public:
    explicit TCadreDiametre(QWidget* fiche);
    void Applique();

    QPushButton* BtnDiaMax;
    QPushButton* BtnDiaprec;
    QPushButton* BtnDiaOpt;
    QPushButton* BtnOKDiametre;
    QPushButton* BtnCloseDiametre;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    bool Ouvert_ = false;
};

// The frames opened from the table's buttons, the page's controls shown after the opening.
void MontreCadreEpaisseur(TTableEditee table);
void MontreCadreDiametre(TTableEditee table);
