// The eyepiece dialog.
#include "dialogs/OculaireChoix.h"

#include "dialogs/FenetreDifferee.h"
#include "platform/Services.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

constexpr int Largeur = 280;
constexpr int LargeurBouton = 75;
constexpr int HauteurBouton = 25;

// Both go with the main window that owns the dialog.
QPointer<QWidget> Parent;
QPointer<TOculaireChoixForm> Fenetre;

}

TOculaireChoixForm::TOculaireChoixForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Choix d'un oculaire"));
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(11);
    setFont(police);

    LabelTitre = new QLabel(QStringLiteral("Choix d'un oculaire"), this);
    QFont titre(QStringLiteral("DejaVu Sans"));
    titre.setPixelSize(15);
    titre.setBold(true);
    LabelTitre->setFont(titre);
    LabelTitre->setGeometry(18, 8, Largeur - 36, 22);

    LabelType = new QLabel(QStringLiteral("Type d'oculaire :"), this);
    LabelType->setGeometry(18, 42, 100, 16);
    // Only the listed designs can be chosen: a typed name would build nothing.
    OculaireBox = new QComboBox(this);
    OculaireBox->setEditable(false);
    for (const char* nom : {"Kepler", "Huygens", "Dollond", "Ramsden", "Kellner", "Orthoscopique", "Plössl", "Nagler 1",
                            "Nagler 2", "Ethos", "Dilworth"})
        OculaireBox->addItem(QString::fromUtf8(nom));
    OculaireBox->setGeometry(124, 38, 137, 22);

    LabelDistance = new QLabel(QStringLiteral("Distance focale ="), this);
    LabelDistance->setGeometry(18, 72, 100, 16);
    SaisieFocale = new QLineEdit(this);
    SaisieFocale->setMaxLength(4);
    SaisieFocale->setGeometry(124, 68, 49, 22);
    LabelMillimetre = new QLabel(QStringLiteral("mm"), this);
    LabelMillimetre->setGeometry(179, 72, 30, 16);

    RemplaceBtn = new QPushButton(QStringLiteral("Remplacer le dispositif actuel"), this);
    DerriereBtn = new QPushButton(QStringLiteral("Placer derrière le dispositif actuel"), this);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    HelpBtn = new QPushButton(QStringLiteral("&Aide"), this);
    for (QPushButton* bouton : {RemplaceBtn, DerriereBtn, OKBtn, CancelBtn, HelpBtn})
        bouton->setAutoDefault(false);

    connect(RemplaceBtn, &QPushButton::clicked, this, [this] { Place(TPlacementOculaire::RemplaceDispositif); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { Place(TPlacementOculaire::RemplaceDispositif); });
    connect(DerriereBtn, &QPushButton::clicked, this, [this] { Place(TPlacementOculaire::DerriereDispositif); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TOculaireChoixForm::HelpBtnClick);
    Dispose(TEtatDispositifOculaire::Aucun);
}

void TOculaireChoixForm::Dispose(TEtatDispositifOculaire etat)
{
    const auto place = [](QPushButton* bouton, int gauche, int haut, int largeur = LargeurBouton) {
        bouton->setGeometry(gauche, haut, largeur, HauteurBouton);
        bouton->show();
    };
    const int large = Largeur - 2 * 18;
    RemplaceBtn->hide();
    DerriereBtn->hide();
    OKBtn->hide();
    switch (etat)
    {
    case TEtatDispositifOculaire::ValideFocal:
        setFixedSize(Largeur, 229);
        place(DerriereBtn, 18, 102, large);
        place(RemplaceBtn, 18, 133, large);
        place(CancelBtn, 99, 164);
        place(HelpBtn, 186, 164);
        break;
    case TEtatDispositifOculaire::Present:
        setFixedSize(Largeur, 198);
        place(RemplaceBtn, 18, 102, large);
        place(CancelBtn, 99, 133);
        place(HelpBtn, 186, 133);
        break;
    case TEtatDispositifOculaire::Aucun:
        setFixedSize(Largeur, 168);
        place(OKBtn, 186, 102);
        place(CancelBtn, 18, 102);
        place(HelpBtn, 99, 102);
        break;
    }
    QPushButton* parDefaut = etat == TEtatDispositifOculaire::Aucun ? OKBtn : RemplaceBtn;
    for (QPushButton* bouton : {RemplaceBtn, DerriereBtn, OKBtn})
        bouton->setDefault(bouton == parDefaut);
}

std::optional<TChoixOculaire> TOculaireChoixForm::Montre(TEtatDispositifOculaire etat)
{
    Dispose(etat);
    Choix_.reset();
    SaisieFocale->selectAll();
    SaisieFocale->setFocus();
    exec();
    return Choix_;
}

void TOculaireChoixForm::Place(TPlacementOculaire placement)
{
    Choix_ = TChoixOculaire{OculaireBox->currentText().toStdString(), SaisieFocale->text().toStdString(), placement};
    accept();
}

void TOculaireChoixForm::HelpBtnClick()
{
    if (Services().Aide != nullptr)
        Services().Aide->AfficheSommaire();
}

// F1, like the help button, opens the help file at its contents.
void TOculaireChoixForm::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
    {
        HelpBtnClick();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void FixeParentChoixOculaire(QWidget* parent)
{
    Parent = parent;
}

std::optional<TChoixOculaire> MontreChoixOculaire(TEtatDispositifOculaire etat)
{
    return MontreFenetreDifferee(Parent, Fenetre, etat);
}
