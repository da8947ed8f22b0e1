// The preferences window "Quivane - Préférences": the height of the focus ray, the focus offset, the print options of
// the star images and the steps of the small spin arrows. Each box's value is stored as soon as its validator takes
// it (Enter, leaving the box, OK); there is no Cancel. The settings' rules are in PreferencesCalcul.
#pragma once

#include "dialogs/PreferencesCalcul.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TPreferencesForm : public QDialog
{
    Q_OBJECT

public:
    explicit TPreferencesForm(QWidget* parent = nullptr);

    // Every control shows its stored setting.
    void AffichePreferences();

    // The validators of the eight boxes: the box's text stored, refused with its message, or left.
    void ValideDistanceRayonFoyer();
    void ValideDecalageMiseAuPoint();
    void ValidePasRayon();
    void ValidePasEpaisseur();
    void ValidePasDiametre();
    void ValidePasIndice();
    void ValidePasPhi();
    void ValidePasGamma();

    // The controls' events as the window reports them; a key is its character code (13 Enter, 27 Esc).
    void BoiteKeyPress(TBoitePreference boite, int touche);
    void BoiteExit(TBoitePreference boite);
    void ImprimePosKeyPress(int touche);
    void ImprimePosClick();
    void ImprimeNegClick();
    void EnCouleurClick();
    void ButtonInitClick();
    void ButtonAideClick();
    void ButtonOkClick();

    QLineEdit* Boite(TBoitePreference boite) const;

    QLineEdit* SaisieDist;
    QLineEdit* SaisieDec;
    QGroupBox* Panel1;
    QRadioButton* ImprimePos;
    QRadioButton* ImprimeNeg;
    QCheckBox* EnCouleur;
    QLineEdit* IncrementRdc;
    QLineEdit* IncrementEp;
    QLineEdit* IncrementDia;
    QLineEdit* IncrementN;
    QLineEdit* IncrementPhi;
    QLineEdit* IncrementGamma;
    QPushButton* ButtonInit;
    QPushButton* ButtonAide;
    QPushButton* ButtonOk;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void Valide(TBoitePreference boite);
    // A box selected whole and given the focus, as Enter leaves the next one.
    static void Selectionne(QLineEdit* saisie);

    // A refusal's message takes the focus from the box: its departure is not a second validation.
    bool EnValidation_ = false;
};

// The window the command shows, created with the main window.
inline QPointer<TPreferencesForm> PreferencesForm;

// The command "Préférences": the editing frames closed, the window shown, then a change journaled and the view
// refreshed.
void PreferencesExecute();
