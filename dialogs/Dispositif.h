// The lens-device drawing window "Quivane - Configuration du schéma du dispofitif": the ten glass tints, chosen on a
// picture and changed one component at a time, and the refractive index above which a medium is drawn as glass.
// It edits working copies (DispositifCalcul) that only OK applies.
#pragma once

#include "dialogs/DispositifCalcul.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;
class TCaseRVB;
class TImageVue;

class TDispositifForm : public QDialog
{
    Q_OBJECT

public:
    explicit TDispositifForm(QWidget* parent = nullptr);

    // The working state the window shows and edits; the command fills it before each opening.
    void Prepare(const TTeintesDialogue& teintes);
    TTeintesDialogue Teintes;

    // The repaint after every change: the picture, the component panel and its controls, the arrow button.
    void DessineTeintes();

    // The controls' events as the window reports them; a key is its character code (13 Enter, 27 Esc).
    void FondMouseUp(int x, int y);
    void ComposanteClick(int composante); // a label or a value of the component: 1 red, 2 green, 3 blue
    void CaseRVBPas(bool haut);
    void BtnGaucheMouseDown();
    void BtnGaucheMouseUp();
    void SaisieIndiceLimiteExit();
    void SaisieIndiceLimiteKeyPress(int touche);
    void ButtonOkClick();
    void ButtonAideClick();

    TImageVue* Fond;
    QLabel* LabelRouge;
    QLabel* LabelVert;
    QLabel* LabelBleu;
    QLabel* IntRouge;
    QLabel* IntVert;
    QLabel* IntBleu;
    TCaseRVB* CaseRVB;
    // The arrow button that moves the selected tint one slot to the left, shown while a tint is selected; its picture
    // is the normal, the hovered or the pressed one.
    TImageVue* BtnGauche;
    QLineEdit* SaisieIndiceLimite;
    QPushButton* ButtonOk;
    QPushButton* ButtonAide;
    QPushButton* ButtonAnnuler;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    enum class TEtatBouton
    {
        Normal,
        Survole,
        Enfonce
    };

    void ValideIndiceLimite();
    void DessineBoutonGauche(TEtatBouton etat);

    bool EnValidation_ = false;
};

inline QPointer<TDispositifForm> DispositifForm;

// The command "Configuration du dispositif dioptrique": the editing frames closed, the window shown on copies of the
// tints and the limit, then a change journaled and the view refreshed.
void ConfigdispoExecute();
