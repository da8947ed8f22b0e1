// The six-star settings window "Quivane - Configuration du dessin des six étoiles", and the window class it shares
// with the single-star settings (Unique.h): the ray density, shown and typed per diameter, the field steps of focal
// and afocal systems and the colour analysis. "&Réinitialisation" stores its values at once; OK stores the boxes;
// Cancel leaves what was typed. The settings' rules are in EtoilesCalcul.
#pragma once

#include "dialogs/EtoilesCalcul.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TEtoilesForm : public QDialog
{
    Q_OBJECT

public:
    explicit TEtoilesForm(QWidget* parent = nullptr);

    // The boxes show the stored settings, the density box selected (every opening).
    void Remplit();

    // The controls' events as the window reports them; a key is its character code (13 Enter, 27 Esc).
    void SaisieDensiteKeyPress(int touche);
    void SaisieIdcKeyPress(int touche);
    void SaisieIdoKeyPress(int touche);
    void AdcKeyPress();
    void BtnReinitialisationClick();
    void OKBtnClick();

    const TVueEtoiles Vue;

    QLineEdit* SaisieDensite;
    QCheckBox* Adc;
    QLineEdit* SaisieIdc;
    QLineEdit* SaisieIdo;
    QPushButton* CancelBtn;
    QPushButton* BtnReinitialisation;
    QPushButton* OKBtn;

protected:
    TEtoilesForm(TVueEtoiles vue, QWidget* parent);

    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    // Each box shows its stored setting again, the density doubled.
    void RemetDensite();
    void RemetPas();
    void RemetPasAfocal();
};

inline QPointer<TEtoilesForm> EtoilesForm;

// The command "Configuration des étoiles multiples": the window shown, then a change journaled, the design marked
// modified and the view refreshed.
void ConfigEtoilesMultiExecute();
