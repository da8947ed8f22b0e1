// The field-analysis settings window "Quivane - Configuration de l'analyse du champ": the graph's vertical amplitudes,
// the dotted reference line, the field radius studied (linear, angular or afocal) and the colour analysis. It stores
// on OK only; the settings' rules are in ChampCalcul.
#pragma once

#include "dialogs/ChampCalcul.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

class TChampForm : public QDialog
{
    Q_OBJECT

public:
    explicit TChampForm(QWidget* parent = nullptr);

    // The controls show the stored settings (every opening).
    void FormActivate();

    // The controls' events as the window reports them; a key is its character code (13 Enter, 27 Esc).
    void OKBtnClick();
    void BoutonLineaireClick();
    void BoutonAngulaireClick();
    void AmplitudeKeyPress(QRadioButton* bouton, int touche);
    void AnalyseDispersionKeyPress();
    void BoiteKeyPress(TBoiteChamp boite, int touche);

    QLineEdit* Boite(TBoiteChamp boite) const;

    QWidget* Panel1; // the three amplitudes of a real image
    QWidget* Panel2; // linear or angular
    QWidget* Panel3; // the two afocal amplitudes
    QWidget* Panel4; // the colour analysis
    QRadioButton* NGV12;
    QRadioButton* NGV24;
    QRadioButton* NGV60;
    QLineEdit* PhiRepereSaisie;
    QRadioButton* BoutonLineaire;
    QRadioButton* BoutonAngulaire;
    QLineEdit* RayonLineaireSaisie;
    QLineEdit* RayonAngulaireSaisie;
    QRadioButton* NGV20deg;
    QRadioButton* NGV60deg;
    QLineEdit* RayonAfocalSaisie;
    QCheckBox* AnalyseDispersion;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;

private:
    // The radius box of the chosen mode in the text's colour, the other greyed (both stay editable).
    void ColoreRayons();
    void RemetBoite(TBoiteChamp boite);
};

inline QPointer<TChampForm> ChampForm;

// The command "Configuration de l'analyse du champ": the window shown, then a change journaled, the design marked
// modified and the view refreshed.
void ConfigChampExecute();
