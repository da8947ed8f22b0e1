// The thickness and diameter frames of the surface tables.
#include "app/CadresTables.h"

#include "app/Rafraichissement.h"
#include "dialogs/Position.h"
#include "editing/CadresTables.h"
#include "editing/EtatEdition.h"
#include "editing/Ports.h"
#include "editing/SourisTableaux.h"
#include "optics/Modele.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QPushButton* Bouton(QWidget* parent, const char* legende, QRect place)
{
    auto* bouton = new QPushButton(QString::fromUtf8(legende), parent);
    bouton->setGeometry(place);
    // Enter presses the button that has the focus, as in a dialog.
    bouton->setAutoDefault(true);
    QFont police = bouton->font();
    police.setPixelSize(11);
    bouton->setFont(police);
    return bouton;
}

void Titre(QFrame* cadre, const char* texte, int largeur)
{
    cadre->setFrameShape(QFrame::Panel);
    cadre->setFrameShadow(QFrame::Raised);
    cadre->setAutoFillBackground(true);
    auto* titre = new QLabel(QString::fromUtf8(texte), cadre);
    QFont gras = titre->font();
    gras.setPixelSize(11);
    gras.setBold(true);
    titre->setFont(gras);
    titre->setGeometry(3, 3, largeur - 30, 16);
}

void Focalise(QPushButton* bouton)
{
    if (bouton->isEnabled() && bouton->isVisible())
        bouton->setFocus();
}

} // namespace

TCadreEpaisseur::TCadreEpaisseur(QWidget* fiche) : QFrame(fiche)
{
    constexpr int largeur = 204;
    constexpr int hauteur = 161;
    resize(largeur, hauteur);
    Titre(this, "Epaisseur de la lentille", largeur);
    BtnCloseEpaisseur = Bouton(this, "X", QRect(largeur - 21, 2, 18, 18));
    LabelBord = new QLabel(this);
    LabelBord->setGeometry(8, 24, largeur - 16, 16);
    LabelTotale = new QLabel(this);
    LabelTotale->setGeometry(8, 42, largeur - 16, 16);
    BtnEpMini = Bouton(this, "Epaisseur &minimale", QRect(3, 62, largeur - 6, 22));
    BtnInfini = Bouton(this, "&Infini", QRect(3, 86, largeur - 6, 22));
    BtnPosition = Bouton(this, "Po&sition du dispositif", QRect(3, 110, largeur - 6, 22));
    BtnOKEpaisseur = Bouton(this, "&OK", QRect(3, hauteur - 26, 80, 22));
    BtnAideEpaisseur = Bouton(this, "?", QRect(largeur - 40, hauteur - 26, 36, 22));
    connect(BtnEpMini, &QPushButton::clicked, this, [] { CadreEpaisseurBtnEpMiniClick(); });
    connect(BtnInfini, &QPushButton::clicked, this, [] { CadreEpaisseurBtnInfiniClick(); });
    connect(BtnPosition, &QPushButton::clicked, this, [] { CadreEpaisseurBtnPositionClick(); });
    for (QPushButton* ferme : {BtnOKEpaisseur, BtnCloseEpaisseur})
        connect(ferme, &QPushButton::clicked, this, [this] {
            FermeCadreEpaisseur();
            Applique();
            RedessinePage();
        });
    hide();
}

void TCadreEpaisseur::Applique()
{
    if (!EtatSaisie.CadreEpaisseur)
    {
        Ouvert_ = false;
        hide();
        return;
    }
    const TCadreEpaisseurModele& m = CadreEpaisseurModele;
    move(m.Gauche, m.Haut);
    BtnInfini->setVisible(m.InfiniVisible);
    BtnPosition->setVisible(m.InfiniVisible);
    BtnInfini->setEnabled(m.InfiniActif);
    BtnEpMini->setEnabled(m.EpaisseurMinimaleActive);
    LabelBord->setText(QString::fromStdString(m.LabelBord));
    LabelTotale->setText(QString::fromStdString(m.LabelTotale));
    LabelBord->setVisible(m.LabelsVisibles);
    LabelTotale->setVisible(m.LabelsVisibles);
    show();
    raise();
    if (Ouvert_)
        return;
    Ouvert_ = true;
    switch (m.Focus)
    {
    case TFocusCadre::Infini: return Focalise(BtnInfini);
    case TFocusCadre::EpaisseurMinimale: return Focalise(BtnEpMini);
    case TFocusCadre::Ok:
    case TFocusCadre::DiametreMaximal:
    case TFocusCadre::DiametrePrecedent:
    case TFocusCadre::DiametreOptimum: return Focalise(BtnOKEpaisseur);
    }
}

void TCadreEpaisseur::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() != Qt::Key_Escape)
        return QFrame::keyPressEvent(evenement);
    FermeCadreEpaisseur();
    Applique();
    RedessinePage();
}

TCadreDiametre::TCadreDiametre(QWidget* fiche) : QFrame(fiche)
{
    constexpr int largeur = 204;
    constexpr int hauteur = 145;
    resize(largeur, hauteur);
    Titre(this, "Diamètre de la lentille", largeur);
    BtnCloseDiametre = Bouton(this, "X", QRect(largeur - 21, 2, 18, 18));
    BtnDiaMax = Bouton(this, "Diamètre &maximal", QRect(3, 26, largeur - 6, 22));
    BtnDiaprec = Bouton(this, "&Diamètre précédent", QRect(3, 52, largeur - 6, 22));
    BtnDiaOpt = Bouton(this, "Diamètre o&ptimum", QRect(3, 78, largeur - 6, 22));
    BtnOKDiametre = Bouton(this, "&OK", QRect(3, hauteur - 26, 80, 22));
    connect(BtnDiaMax, &QPushButton::clicked, this, [] { CadreDiametreBtnDiaMaxClick(); });
    connect(BtnDiaprec, &QPushButton::clicked, this, [] { CadreDiametreBtnDiaprecClick(); });
    connect(BtnDiaOpt, &QPushButton::clicked, this, [] { CadreDiametreBtnDiaOptClick(); });
    for (QPushButton* ferme : {BtnOKDiametre, BtnCloseDiametre})
        connect(ferme, &QPushButton::clicked, this, [this] {
            FermeCadreDiametre();
            Applique();
            RedessinePage();
        });
    hide();
}

void TCadreDiametre::Applique()
{
    if (!EtatSaisie.CadreDiametre)
    {
        Ouvert_ = false;
        hide();
        return;
    }
    const TCadreDiametreModele& m = CadreDiametreModele;
    move(m.Gauche, m.Haut);
    BtnDiaMax->setEnabled(m.MaximalActif);
    BtnDiaprec->setEnabled(m.PrecedentActif);
    BtnDiaOpt->setVisible(m.OptimumVisible);
    // The optimum needs the traced beam of the device's section.
    BtnDiaOpt->setEnabled(Reglages.RayonsLumineuxTraces);
    show();
    raise();
    if (Ouvert_)
        return;
    Ouvert_ = true;
    switch (m.Focus)
    {
    case TFocusCadre::DiametreMaximal: return Focalise(BtnDiaMax);
    case TFocusCadre::DiametrePrecedent: return Focalise(BtnDiaprec);
    case TFocusCadre::DiametreOptimum: return Focalise(BtnDiaOpt);
    case TFocusCadre::Infini:
    case TFocusCadre::EpaisseurMinimale:
    case TFocusCadre::Ok: return Focalise(BtnOKDiametre);
    }
}

void TCadreDiametre::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() != Qt::Key_Escape)
        return QFrame::keyPressEvent(evenement);
    FermeCadreDiametre();
    Applique();
    RedessinePage();
}

void MontreCadreEpaisseur(TTableEditee table)
{
    table == TTableEditee::Groupe ? OuvreCadreEpaisseurGroupe() : OuvreCadreEpaisseur();
    RedessinePage();
}

void MontreCadreDiametre(TTableEditee table)
{
    table == TTableEditee::Groupe ? OuvreCadreDiametreGroupe() : OuvreCadreDiametre();
    RedessinePage();
}
