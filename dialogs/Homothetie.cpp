// The homothety dialog.
#include "dialogs/Homothetie.h"

#include "dialogs/BoiteErreur.h"
#include "dialogs/Boites.h"
#include "optics/GenresBip.h"
#include "platform/Bip.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Largeur = 194;
constexpr int Hauteur = 279;
constexpr int Marge = 10;
constexpr int LargeurBouton = 54;
constexpr int HauteurBouton = 25;

QWidget* Parent = nullptr;
THomothetieForm* Fenetre = nullptr;

QLabel* Texte(const char* texte, QWidget* parent, int haut, int hauteur)
{
    auto* libelle = new QLabel(QString::fromUtf8(texte), parent);
    libelle->setWordWrap(true);
    libelle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    libelle->setGeometry(Marge, haut, Largeur - 2 * Marge, hauteur);
    return libelle;
}

} // namespace

THomothetieForm::THomothetieForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Homothétie"));
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(11);
    setFont(police);
    setFixedSize(Largeur, Hauteur);

    LabelTitre = Texte("Homothétie", this, 8, 26);
    QFont titre = police;
    titre.setPixelSize(20);
    titre.setBold(true);
    LabelTitre->setFont(titre);
    LabelSousTitre = Texte("Agrandissement ou réduction", this, 38, 16);
    QFont gras = police;
    gras.setBold(true);
    LabelSousTitre->setFont(gras);
    LabelTexte = Texte("Quivane vous propose de multiplier par un même coefficient toutes les dimensions de l'élément "
                       "choisi.",
                       this, 60, 44);
    LabelLimites = Texte("Ce coefficient doit être supérieur à 0,001 et inférieur à 1000.", this, 108, 30);

    InstrumentBox = new QCheckBox(QStringLiteral("Instrument"), this);
    InstrumentBox->setGeometry(30, 146, Largeur - 40, 18);
    DispositifBox = new QCheckBox(QStringLiteral("Dispositif dioptrique"), this);
    DispositifBox->setGeometry(30, 170, Largeur - 40, 18);

    LabelCoefficient = new QLabel(QStringLiteral("Coefficient ="), this);
    LabelCoefficient->setGeometry(30, 204, 76, 18);
    SaisieCoefficient = new QLineEdit(this);
    SaisieCoefficient->setMaxLength(8);
    SaisieCoefficient->setGeometry(108, 202, 60, 22);
    SaisieCoefficient->installEventFilter(this);

    ButtonAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    ButtonAide = new QPushButton(QStringLiteral("&Aide"), this);
    ButtonOk = new QPushButton(QStringLiteral("OK"), this);
    const int ecart = (Largeur - 2 * Marge - 3 * LargeurBouton) / 2;
    int gauche = Marge;
    for (QPushButton* bouton : {ButtonAnnuler, ButtonAide, ButtonOk})
    {
        bouton->setGeometry(gauche, Hauteur - HauteurBouton - 12, LargeurBouton, HauteurBouton);
        bouton->setAutoDefault(false);
        gauche += LargeurBouton + ecart;
    }
    ButtonOk->setDefault(true);

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

void InstalleHomothetie(QWidget* parent)
{
    Parent = parent;
    PortsHomothetie.Montre = [](TEtatHomothetie etat) {
        if (Fenetre == nullptr)
            Fenetre = new THomothetieForm(Parent);
        return Fenetre->Montre(etat);
    };
}
