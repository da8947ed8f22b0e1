// The homothety dialog.
#include "dialogs/Homothetie.h"

#include "dialogs/BoiteErreur.h"
#include "dialogs/Boites.h"
#include "dialogs/FenetreDifferee.h"
#include "optics/GenresBip.h"
#include "platform/Bip.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Wide enough for the three buttons and the texts in a few lines; the height follows the texts.
constexpr int Largeur = 250;

QPointer<QWidget> Parent;
QPointer<THomothetieForm> Fenetre;

QLabel* Texte(const char* texte, QWidget* parent)
{
    auto* libelle = new QLabel(QString::fromUtf8(texte), parent);
    libelle->setWordWrap(true);
    libelle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return libelle;
}

} // namespace

THomothetieForm::THomothetieForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Homothétie"));
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(11);
    setFont(police);

    auto* colonne = new QVBoxLayout(this);
    LabelTitre = Texte("Homothétie", this);
    QFont titre = police;
    titre.setPixelSize(20);
    titre.setBold(true);
    LabelTitre->setFont(titre);
    LabelSousTitre = Texte("Agrandissement ou réduction", this);
    QFont gras = police;
    gras.setBold(true);
    LabelSousTitre->setFont(gras);
    LabelTexte = Texte("Quivane vous propose de multiplier par un même coefficient toutes les dimensions de l'élément "
                       "choisi.",
                       this);
    LabelLimites = Texte("Ce coefficient doit être supérieur à 0,001 et inférieur à 1000.", this);
    for (QLabel* libelle : {LabelTitre, LabelSousTitre, LabelTexte, LabelLimites})
        colonne->addWidget(libelle);

    InstrumentBox = new QCheckBox(QStringLiteral("Instrument"), this);
    DispositifBox = new QCheckBox(QStringLiteral("Dispositif dioptrique"), this);
    for (QCheckBox* boite : {InstrumentBox, DispositifBox})
    {
        auto* rangee = new QHBoxLayout;
        rangee->addSpacing(20);
        rangee->addWidget(boite);
        colonne->addLayout(rangee);
    }

    LabelCoefficient = new QLabel(QStringLiteral("Coefficient ="), this);
    SaisieCoefficient = new QLineEdit(this);
    SaisieCoefficient->setMaxLength(8);
    SaisieCoefficient->setFixedWidth(60);
    SaisieCoefficient->installEventFilter(this);
    auto* coefficient = new QHBoxLayout;
    coefficient->addStretch();
    coefficient->addWidget(LabelCoefficient);
    coefficient->addWidget(SaisieCoefficient);
    coefficient->addStretch();
    colonne->addSpacing(6);
    colonne->addLayout(coefficient);
    colonne->addSpacing(6);

    ButtonAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    ButtonAide = new QPushButton(QStringLiteral("&Aide"), this);
    ButtonOk = new QPushButton(QStringLiteral("OK"), this);
    auto* boutons = new QHBoxLayout;
    for (QPushButton* bouton : {ButtonAnnuler, ButtonAide, ButtonOk})
    {
        bouton->setAutoDefault(false);
        boutons->addWidget(bouton);
    }
    ButtonOk->setDefault(true);
    colonne->addLayout(boutons);
    FixeTaille(this, colonne, Largeur);

    QWidget* precedent = ButtonOk;
    for (QWidget* suivant :
         std::initializer_list<QWidget*>{InstrumentBox, ButtonAide, ButtonAnnuler, DispositifBox, SaisieCoefficient})
    {
        setTabOrder(precedent, suivant);
        precedent = suivant;
    }

    connect(ButtonOk, &QPushButton::clicked, this, &THomothetieForm::ButtonOkClick);
    connect(ButtonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonAide, &QPushButton::clicked, this, &THomothetieForm::ButtonAideClick);
}

std::optional<TChoixHomothetie> THomothetieForm::Montre(TEtatHomothetie etat)
{
    InstrumentBox->setEnabled(etat.InstrumentActif);
    DispositifBox->setEnabled(etat.DispositifActif);
    InstrumentBox->setChecked(false);
    DispositifBox->setChecked(false);
    SaisieCoefficient->clear();
    Coefficient_.reset();
    Choix_.reset();
    SaisieCoefficient->setFocus();
    exec();
    return Choix_;
}

void THomothetieForm::ValideCoefficient()
{
    const std::optional<TCoefficientSaisi> saisi = ValideCoefficientHomothetie(SaisieCoefficient->text().toStdString());
    if (!saisi)
        return;
    if (saisi->Borne)
        MessageBeep(BipDefaut);
    Coefficient_ = saisi->Coefficient;
    SaisieCoefficient->setText(QString::fromStdString(saisi->Texte));
}

void THomothetieForm::ButtonOkClick()
{
    ValideCoefficient();
    // A box that cannot be used scales nothing, whatever tick it kept.
    const TPartiesHomothetie parties{InstrumentBox->isEnabled() && InstrumentBox->isChecked(),
                                     DispositifBox->isEnabled() && DispositifBox->isChecked()};
    if (Coefficient_)
        if (const std::optional<std::string> message = VerifieCoefficientHomothetie(*Coefficient_, parties))
        {
            AfficheErreur(*message);
            return;
        }
    Choix_ = TChoixHomothetie{Coefficient_, parties};
    accept();
}

void THomothetieForm::ButtonAideClick()
{
    if (Services().Aide != nullptr)
        Services().Aide->AfficheSommaire();
}

// F1 opens the help file at its contents; Enter in the coefficient box takes the value and moves to OK.
void THomothetieForm::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
    {
        ButtonAideClick();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

bool THomothetieForm::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == SaisieCoefficient)
    {
        if (QuitteLaBoite(evenement))
            ValideCoefficient();
        else if (evenement->type() == QEvent::KeyPress)
        {
            const int touche = static_cast<QKeyEvent*>(evenement)->key();
            if (touche == Qt::Key_Return || touche == Qt::Key_Enter)
            {
                ValideCoefficient();
                ButtonOk->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

void FixeParentHomothetie(QWidget* parent)
{
    Parent = parent;
}

std::optional<TChoixHomothetie> MontreHomothetie(TEtatHomothetie etat)
{
    return MontreFenetreDifferee(Parent, Fenetre, etat);
}
