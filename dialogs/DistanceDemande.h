// The small modal request a diverging focus search opens to ask for a new start value: one box
// in millimetres and the buttons "Abandonner", "&Aide" and "OK". The two requests differ only in
// their caption and label (DistanceDun.h, DistanceDeltaFun.h).
#pragma once

#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

class TDemandeDepartForm : public QDialog
{
    Q_OBJECT

public:
    TDemandeDepartForm(const QString& titre, const QString& libelle, QWidget* parent = nullptr);

    // Shows the request modally. The text of the box when OK closes it, nothing when the search is
    // abandoned. A text that is not a number is put back to `valeurPrecedente` in the box (for the
    // next opening) and still returned, so that the caller sees what was typed.
    std::optional<std::string> Demande(double valeurPrecedente);

    QLabel* Libelle;
    QLineEdit* SaisieDun;
    QLabel* Unite;
    QPushButton* CancelBtn;
    QPushButton* ButtonAide;
    QPushButton* OKBtn;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void SaisieDunKeyPress(int touche);
    void OKBtnClick();
    void ButtonAideClick();
    void RemetValeurPrecedente();

    double ValeurPrecedente = 0;
    std::optional<std::string> Reponse;
};

// The box holds a number as the dialogs read them.
bool EstNombreSaisi(const std::string& texte);

class IDemandeFoyer;
// The request service installed in the services record (the dialogs, or a test's script).
IDemandeFoyer* DemandeFoyerInstallee();
