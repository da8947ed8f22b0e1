// The lens shape frame "Forme de la lentille" and the mirror frame "Forme du miroir" of the surface tables: shown,
// placed and filled from the models the editors leave; their boxes, arrows and buttons run the editors' handlers.
#pragma once

#include "optics/Modele.h"

#include <QFrame>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

// A value's box with its pair of spin arrows at the right end; a press on the arrows steps the value.
class TBoiteForme : public QWidget
{
    Q_OBJECT

public:
    TBoiteForme(QWidget* parent, bool cambrure);
    QLineEdit* Case;
    QFrame* Repere;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    bool Cambrure_;
    int Appui_ = 0; // 1 up, -1 down while pressed
};

class TCadreLentille : public QFrame
{
    Q_OBJECT

public:
    explicit TCadreLentille(QWidget* fiche);
    void Applique();
    // Both boxes show the model's texts, whatever was typed in them.
    void MontreTextes();

    TBoiteForme* BoxPhi;
    TBoiteForme* BoxGamma;
    QLabel* LabelPhi;
    QLabel* LabelGamma;
    QLabel* UnitePhi;
    QLabel* UniteGamma;
    QPushButton* BtnDioptrePlan;
    QPushButton* BtnDiaphragme;
    QPushButton* BtnOKRdc;
    QPushButton* BtnCloseRdc;
    QPushButton* BtnAideRdc;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    bool Ouvert_ = false;
    // The texts last given to the boxes: a redraw of the page leaves what the user is typing alone.
    std::string TextePhi_;
    std::string TexteGamma_;
};

class TCadreMiroirPlan : public QFrame
{
    Q_OBJECT

public:
    explicit TCadreMiroirPlan(QWidget* fiche);
    void Applique();

    QPushButton* BtnMiroirPlan;
    QPushButton* BtnCloseMp;
    QPushButton* BtnAideMp;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    bool Ouvert_ = false;
};

// The frames opened from the table's buttons, the page's controls shown after the opening.
void MontreCadreLentille(TTableEditee table);
void MontreCadreMiroirPlan();
