// The question window: every warning, file message and question of the program is shown in it.
#pragma once

#include "platform/Question.h"

#include <QDialog>

class QFontMetrics;
class QLabel;
class QPushButton;

struct TRectangle
{
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0;
    int Hauteur = 0;
};

// Where the window puts its parts for one use: client size, the icon, the three lines and the shown buttons.
struct TDispositionInterrogation
{
    int Largeur = 0;
    int Hauteur = 0;
    TRectangle Icone;
    TRectangle Lignes[3];
    TRectangle BoutonOK;
    TRectangle BoutonNO;
    TRectangle BoutonAnnuler;
};

TDispositionInterrogation DisposeInterrogation(const TQuestion& question);

// The answer of Escape and of the close box: "Annuler" when that button is shown, "Non" for a yes/no question,
// "Ok" for a plain message; never "Oui".
TReponse ReponseEchappement(TBoutonsQuestion boutons);

// A path that fits `largeur` pixels: as it is when it fits, else its folders shortened in the middle ("…"), its file
// name and what follows it kept whole. A name that does not fit alone comes back whole after "…/", with places
// where it may break onto a second line.
QString CheminAjuste(const QString& chemin, const QFontMetrics& mesure, int largeur);

class TInterrogationForm : public QDialog, public IQuestion
{
    Q_OBJECT

public:
    explicit TInterrogationForm(QWidget* parent = nullptr);
    TReponse Pose(const TQuestion& question) override;

    QLabel* Ligne1;
    QLabel* Ligne2;
    QLabel* Ligne3;
    QLabel* Avertissement;
    QLabel* Disque;
    QLabel* Stop;
    QLabel* Interrogation;
    QPushButton* BoutonOK;
    QPushButton* BoutonNO;
    QPushButton* BoutonAnnuler;

private:
    void ReinitialiseInterrogation();
    void BoutonOKClick();
    void BoutonNOClick();
    void BoutonAnnulerClick();
    void Repond(TReponse reponse);
    // Each line as tall as its wrapped text, the parts below it moved down and the window grown, with a gap above
    // the buttons.
    void AjusteHauteurs(const TDispositionInterrogation& d);

    TReponse Reponse = ReponseOui;
};
