// The Ross corrector dialog.
#include "dialogs/Ross.h"

#include "dialogs/Boites.h"
#include "dialogs/FenetreDifferee.h"
#include "editing/ChoixVerre.h"
#include "editing/EtatEdition.h"
#include "optics/Modele.h"
#include "platform/Services.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int Largeur = 353;
constexpr int LargeurBoite = 49;

QPointer<QWidget> Parent;
QPointer<TRossForm> Fenetre;

QLabel* Libelle(const char* texte, QWidget* parent)
{
    return new QLabel(QString::fromUtf8(texte), parent);
}

} // namespace

TRossForm::TRossForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Correcteur de Ross selon vos spécifications"));
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(11);
    setFont(police);

    LabelTitre = Libelle("Caractéristiques du correcteur de Ross", this);
    QFont titre = police;
    titre.setPixelSize(15);
    titre.setBold(true);
    LabelTitre->setFont(titre);
    LabelTitre->setAlignment(Qt::AlignHCenter);
    LabelTexte = Libelle("QUIVANE vous propose de calculer un correcteur de Ross à deux lentilles à partir des "
                         "éléments suivants :",
                         this);
    LabelTexte->setWordWrap(true);

    const auto boite = [this](int longueur) {
        auto* saisie = new QLineEdit(this);
        saisie->setFixedWidth(LargeurBoite);
        saisie->setMaxLength(longueur);
        saisie->installEventFilter(this);
        return saisie;
    };
    SaisiePhi = boite(7);
    Saisieh = boite(7);
    SaisieDiametre = boite(4);

    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(4);
    auto* puissance = new QHBoxLayout;
    puissance->setSpacing(0);
    puissance->addWidget(Libelle("Puissance de la première lentille = ", this));
    // "F1" in the Symbol font of the original reads as a capital phi and 1.
    puissance->addWidget(Libelle("Φ1 = ", this));
    puissance->addStretch();
    grille->addLayout(puissance, 0, 0);
    grille->addWidget(SaisiePhi, 0, 1);
    grille->addWidget(Libelle("dioptries", this), 0, 2);
    grille->addWidget(Libelle("Distance entre le correcteur et le foyer = h =", this), 1, 0);
    grille->addWidget(Saisieh, 1, 1);
    grille->addWidget(Libelle("mm", this), 1, 2);
    grille->addWidget(Libelle("Diamètre du correcteur =", this), 2, 0);
    grille->addWidget(SaisieDiametre, 2, 1);
    grille->addWidget(Libelle("mm", this), 2, 2);
    grille->setColumnStretch(3, 1);

    BoutonVerre = new QPushButton(QStringLiteral("Matériau"), this);
    LabelVerre = Libelle("= BK7", this);
    auto* verre = new QHBoxLayout;
    verre->addWidget(BoutonVerre);
    verre->addWidget(LabelVerre, 1);

    ButtonOk = new QPushButton(QStringLiteral("OK"), this);
    ButtonAide = new QPushButton(QStringLiteral("&Aide"), this);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    // Enter in a box moves to the next one; only a focused button answers it.
    for (QPushButton* bouton : {BoutonVerre, ButtonOk, ButtonAide, CancelBtn})
        bouton->setAutoDefault(false);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(CancelBtn);
    boutons->addWidget(ButtonAide);
    boutons->addWidget(ButtonOk);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(LabelTitre);
    colonne->addWidget(LabelTexte);
    colonne->addLayout(grille);
    colonne->addLayout(verre);
    colonne->addLayout(boutons);
    FixeTaille(this, colonne, std::max(Largeur, colonne->minimumSize().width()));

    setTabOrder(SaisiePhi, Saisieh);
    setTabOrder(Saisieh, SaisieDiametre);
    setTabOrder(SaisieDiametre, BoutonVerre);
    setTabOrder(BoutonVerre, ButtonOk);
    setTabOrder(ButtonOk, ButtonAide);
    setTabOrder(ButtonAide, CancelBtn);

    connect(BoutonVerre, &QPushButton::clicked, this, &TRossForm::BoutonVerreClick);
    connect(ButtonOk, &QPushButton::clicked, this, &TRossForm::ButtonOkClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonAide, &QPushButton::clicked, this, &TRossForm::ButtonAideClick);
    Prepare(SaisieRossInitiale());
}

QLineEdit* TRossForm::Boite(TChampRoss champ) const
{
    switch (champ)
    {
    case TChampRoss::Puissance: return SaisiePhi;
    case TChampRoss::Distance: return Saisieh;
    case TChampRoss::Diametre: return SaisieDiametre;
    }
    return SaisiePhi;
}

float& TRossForm::Valeur(TChampRoss champ)
{
    switch (champ)
    {
    case TChampRoss::Puissance: return Saisie_.Puissance;
    case TChampRoss::Distance: return Saisie_.Distance;
    case TChampRoss::Diametre: return Saisie_.Diametre;
    }
    return Saisie_.Puissance;
}

float& TRossForm::ValeurAvantSaisie(TChampRoss champ)
{
    return ValeursAvantSaisie_[static_cast<std::size_t>(champ)];
}

void TRossForm::Prepare(const TSaisieRoss& presets)
{
    Saisie_ = presets;
    for (TChampRoss champ : {TChampRoss::Puissance, TChampRoss::Distance, TChampRoss::Diametre})
    {
        Boite(champ)->setText(QString::fromStdString(TexteChampRoss(Valeur(champ))));
        ValeurAvantSaisie(champ) = Valeur(champ);
    }
    LabelVerre->setText(QString::fromStdString("= " + Saisie_.Verre.Nom));
    Reponse_.reset();
}

std::optional<TSaisieRoss> TRossForm::Montre(const TSaisieRoss& presets)
{
    Prepare(presets);
    SaisiePhi->selectAll();
    SaisiePhi->setFocus();
    exec();
    return Reponse_;
}

void TRossForm::SaisieEnter(TChampRoss champ)
{
    ValeurAvantSaisie(champ) = Valeur(champ);
}

void TRossForm::SaisieExit(TChampRoss champ)
{
    QLineEdit* saisie = Boite(champ);
    MontreValidation(saisie,
                     ValideChampRoss(champ, saisie->text().toStdString(), ValeurAvantSaisie(champ), Valeur(champ)));
}

void TRossForm::SaisieTouche(TChampRoss champ, int touche)
{
    if (touche == Qt::Key_Escape)
    {
        // The stored value stays; only the text comes back.
        Boite(champ)->setText(QString::fromStdString(TexteChampRoss(ValeurAvantSaisie(champ))));
        CancelBtn->setFocus();
        return;
    }
    SaisieExit(champ);
    switch (champ)
    {
    case TChampRoss::Puissance:
        Saisieh->selectAll();
        Saisieh->setFocus();
        break;
    case TChampRoss::Distance:
        SaisieDiametre->selectAll();
        SaisieDiametre->setFocus();
        break;
    case TChampRoss::Diametre: BoutonVerre->setFocus(); break;
    }
}

void TRossForm::BoutonVerreClick()
{
    MatiereChoisie = {};
    MatiereSelectionnee = false;
    // The catalogue lists and hands back the indices at the corrector's lines; the design's own lines and its
    // modified flag are the design's until the corrector is written.
    const TLongueursOnde lignes = LongueursOnde;
    const bool modifie = Edition.DocumentModifie;
    LongueursOnde = {LigneRougeCorrecteur, LigneVerteCorrecteur, LigneBleueCorrecteur};
    PortsCatalogue.MontreTable();
    LongueursOnde = lignes;
    Edition.DocumentModifie = modifie;
    if (MatiereSelectionnee && !MatiereChoisie[0].empty())
        Saisie_.Verre = VerreRossChoisi(MatiereChoisie);
    LabelVerre->setText(QString::fromStdString("= " + Saisie_.Verre.Nom));
}

void TRossForm::ButtonOkClick()
{
    // A box still holding the focus has its text taken as leaving it would; a refused value keeps the window open.
    for (TChampRoss champ : {TChampRoss::Puissance, TChampRoss::Distance, TChampRoss::Diametre})
        if (focusWidget() == Boite(champ))
        {
            QLineEdit* saisie = Boite(champ);
            const TValidationBoite v =
                ValideChampRoss(champ, saisie->text().toStdString(), ValeurAvantSaisie(champ), Valeur(champ));
            MontreValidation(saisie, v);
            if (v.Issue == TIssueValidation::Refuse)
                return;
            ValeurAvantSaisie(champ) = Valeur(champ);
        }
    Reponse_ = Saisie_;
    accept();
}

void TRossForm::ButtonAideClick()
{
    if (Services().Aide != nullptr)
        Services().Aide->AfficheSommaire();
}

bool TRossForm::eventFilter(QObject* objet, QEvent* evenement)
{
    for (TChampRoss champ : {TChampRoss::Puissance, TChampRoss::Distance, TChampRoss::Diametre})
    {
        if (objet != Boite(champ))
            continue;
        if (evenement->type() == QEvent::FocusIn)
            SaisieEnter(champ);
        else if (QuitteLaBoite(evenement))
            SaisieExit(champ);
        else if (evenement->type() == QEvent::KeyPress)
        {
            const int touche = static_cast<QKeyEvent*>(evenement)->key();
            if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Escape)
            {
                SaisieTouche(champ, touche);
                return true;
            }
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

// F1, like the help button, opens the help file at its contents.
void TRossForm::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
    {
        ButtonAideClick();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void FixeParentRoss(QWidget* parent)
{
    Parent = parent;
}

std::optional<TSaisieRoss> MontreRoss(const TSaisieRoss& presets)
{
    return MontreFenetreDifferee(Parent, Fenetre, presets);
}
