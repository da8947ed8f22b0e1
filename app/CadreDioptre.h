// The row frame "Edition du dioptre" of the surface tables: the five row commands under the highlighted row, shown,
// placed and enabled from the row-frame model the editors leave, and the pressed images of the tables' buttons.
#pragma once

#include <QFrame>

class QAction;
class QPushButton;
class TImageVue;

class TCadreDioptre : public QFrame
{
    Q_OBJECT

public:
    // Creates the frame on the page `fiche`, hidden; its command buttons run the given actions.
    TCadreDioptre(QWidget* fiche, QAction* couper, QAction* copier, QAction* coller, QAction* inserer,
                  QAction* insererCopiee);

    // Shows, places and enables the frame from the model while the editors keep it open; hides it otherwise.
    void Applique();

    QPushButton* BtnCouperLigne;
    QPushButton* BtnCopierLigne;
    QPushButton* BtnCollerLigne;
    QPushButton* BtnInsererLigne;
    QPushButton* BtnInsererLigneCopiee;
    QPushButton* BtnAnnulerDioptre;
    QPushButton* BtnAideDioptre;
    QPushButton* BtnCloseDioptre;

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
};

// The pressed looks of the tables' buttons on the page `fiche`: a drop-down button (twice: a row's, and the mirror
// row's add button) and the two halves of a pair of spin arrows. They show what Controles says, at its place.
struct TImagesAppui
{
    TImageVue* AppuiDeroule;
    TImageVue* AppuiDeroulePlus;
    TImageVue* Spinup;
    TImageVue* SpinDown;
};
TImagesAppui CreeImagesAppui(QWidget* fiche);
void AppliqueImagesAppui(const TImagesAppui& images);
