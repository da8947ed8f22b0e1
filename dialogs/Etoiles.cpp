// The star views' settings windows.
#include "dialogs/Etoiles.h"

#include "dialogs/Boites.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int ToucheEntree = 13;
constexpr int ToucheEchap = 27;
constexpr int LongueurPas = 4;

QLabel* Libelle(const char* texte, QWidget* parent, bool retour = false)
{
    auto* libelle = new QLabel(QString::fromUtf8(texte), parent);
    libelle->setWordWrap(retour);
    return libelle;
}

} // namespace

TEtoilesForm::TEtoilesForm(QWidget* parent) : TEtoilesForm(TVueEtoiles::Multiple, parent) {}

TEtoilesForm::TEtoilesForm(TVueEtoiles vue, QWidget* parent) : QDialog(parent), Vue(vue)
{
    const bool unique = vue == TVueEtoiles::Unique;
    setWindowTitle(unique ? QStringLiteral("Quivane - Configuration du dessin de l'étoile unique")
                          : QStringLiteral("Quivane - Configuration du dessin des six étoiles"));
    QFont police = font();
    police.setPixelSize(11);
    setFont(police);

    const auto boite = [this] {
        auto* saisie = new QLineEdit(this);
        saisie->setFixedWidth(44);
        saisie->installEventFilter(this);
        return saisie;
    };
    SaisieDensite = boite();
    Adc = new QCheckBox(this);
    Adc->installEventFilter(this);
    SaisieIdc = boite();
    SaisieIdo = boite();
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    BtnReinitialisation =
        new QPushButton(style()->standardIcon(QStyle::SP_BrowserReload), QStringLiteral("&Réinitialisation"), this);
    BtnReinitialisation->setToolTip(QStringLiteral("Réinitialisation des paramètres par défaut"));
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setDefault(true);

    QFont gras = police;
    gras.setBold(true);
    auto* colonne = new QVBoxLayout(this);
    const auto ligne = [this, colonne](QLabel* libelle, QWidget* controle, const char* unite) {
        auto* rangee = new QHBoxLayout;
        rangee->addWidget(libelle);
        rangee->addWidget(controle);
        if (unite != nullptr)
            rangee->addWidget(Libelle(unite, this));
        rangee->addStretch();
        colonne->addLayout(rangee);
    };
    ligne(Libelle("Densité de rayons lumineux =", this), SaisieDensite, nullptr);
    colonne->addWidget(Libelle(unique ? "C'est le nombre de rayons lumineux analysés sur le diamètre de l'objectif. "
                                        "Il est compris entre 10 et 999."
                                      : "C'est le nombre de rayons lumineux analysés sur le diamètre de l'objectif. "
                                        "Il est compris entre 10 et 99.",
                               this, true));
    colonne->addWidget(Libelle("Nombre total de rayons lumineux = Densité ² . pi /4", this));
    colonne->addSpacing(8);
    auto* titreDispersion = Libelle("Analyse avec dispersion chromatique :", this);
    titreDispersion->setFont(gras);
    ligne(titreDispersion, Adc, nullptr);
    colonne->addWidget(
        Libelle("Ce choix est pris en compte uniquement si tous les indices de réfraction sont indiqués.", this, true));
    colonne->addSpacing(8);
    ligne(Libelle("Pas de variation de la distance à l'axe =", this), SaisieIdc, "' ");
    colonne->addWidget(Libelle("Dispositif avec focalisation (ex : correcteur de champ).", this, true));
    ligne(Libelle("Pas de variation de la distance à l'axe =", this), SaisieIdo, "°");
    colonne->addWidget(
        Libelle("En sortie d'un dispositif afocal <=> dernière épaisseur infinie (ex : Oculaire).", this, true));
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(CancelBtn);
    boutons->addWidget(BtnReinitialisation);
    boutons->addWidget(OKBtn);
    colonne->addLayout(boutons);
    FixeTaille(this, colonne, 400);

    using TOrdre = std::array<QWidget*, 7>;
    const TOrdre ordre = unique
                             ? TOrdre{SaisieDensite, Adc, SaisieIdc, SaisieIdo, CancelBtn, BtnReinitialisation, OKBtn}
                             : TOrdre{OKBtn, BtnReinitialisation, SaisieDensite, CancelBtn, Adc, SaisieIdc, SaisieIdo};
    QWidget* precedent = nullptr;
    for (QWidget* suivant : ordre)
    {
        if (precedent != nullptr)
            setTabOrder(precedent, suivant);
        precedent = suivant;
    }

    connect(OKBtn, &QPushButton::clicked, this, &TEtoilesForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnReinitialisation, &QPushButton::clicked, this, &TEtoilesForm::BtnReinitialisationClick);
    Remplit();
}

void TEtoilesForm::Remplit()
{
    RemetDensite();
    RemetPas();
    RemetPasAfocal();
    Adc->setChecked(LitReglagesEtoiles(Vue).AnalyseChromatique);
    SaisieDensite->selectAll();
    SaisieDensite->setFocus();
}

void TEtoilesForm::RemetDensite()
{
    MontreEntier(SaisieDensite, 2 * LitReglagesEtoiles(Vue).Densite, LongueurDensite(Vue));
}

void TEtoilesForm::RemetPas()
{
    MontreEntier(SaisieIdc, LitReglagesEtoiles(Vue).Pas, LongueurPas);
}

void TEtoilesForm::RemetPasAfocal()
{
    MontreEntier(SaisieIdo, LitReglagesEtoiles(Vue).PasAfocal, LongueurPas);
}

void TEtoilesForm::SaisieDensiteKeyPress(int touche)
{
    if (touche == ToucheEchap || (touche == ToucheEntree && !RayonsParDiametre(SaisieDensite->text().toStdString())))
        RemetDensite();
    if (touche == ToucheEntree)
        OKBtn->setFocus();
}

void TEtoilesForm::SaisieIdcKeyPress(int touche)
{
    if (touche == ToucheEchap || (touche == ToucheEntree && !PasSaisi(SaisieIdc->text().toStdString())))
        RemetPas();
    if (touche == ToucheEntree)
    {
        SaisieIdo->selectAll();
        SaisieIdo->setFocus();
    }
}

void TEtoilesForm::SaisieIdoKeyPress(int touche)
{
    if (touche == ToucheEchap || (touche == ToucheEntree && !PasSaisi(SaisieIdo->text().toStdString())))
        RemetPasAfocal();
    if (touche == ToucheEntree)
        OKBtn->setFocus();
}

void TEtoilesForm::AdcKeyPress()
{
    Adc->toggle();
    SaisieIdc->selectAll();
    SaisieIdc->setFocus();
}

void TEtoilesForm::BtnReinitialisationClick()
{
    AppliqueReglagesEtoiles(Vue, ReglagesEtoilesInitiaux(Vue));
    Remplit();
}

void TEtoilesForm::OKBtnClick()
{
    AppliqueReglagesEtoiles(Vue, ReglagesEtoilesSaisis(LitReglagesEtoiles(Vue), SaisieDensite->text().toStdString(),
                                                       SaisieIdc->text().toStdString(), SaisieIdo->text().toStdString(),
                                                       Adc->isChecked()));
    accept();
}

bool TEtoilesForm::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objet, evenement);
    const auto* appui = static_cast<QKeyEvent*>(evenement);
    if (objet == Adc)
    {
        if (appui->text().isEmpty())
            return QDialog::eventFilter(objet, evenement);
        AdcKeyPress();
        return true;
    }
    const int touche = appui->key();
    const bool entree = touche == Qt::Key_Return || touche == Qt::Key_Enter;
    if (!entree && touche != Qt::Key_Escape)
        return QDialog::eventFilter(objet, evenement);
    const int code = entree ? ToucheEntree : ToucheEchap;
    if (objet == SaisieDensite)
        SaisieDensiteKeyPress(code);
    else if (objet == SaisieIdc)
        SaisieIdcKeyPress(code);
    else if (objet == SaisieIdo)
        SaisieIdoKeyPress(code);
    else
        return QDialog::eventFilter(objet, evenement);
    return true;
}

void TEtoilesForm::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    Remplit();
}

void ConfigEtoilesMultiExecute()
{
    const TReglagesEtoiles avant = LitReglagesEtoiles(TVueEtoiles::Multiple);
    EtoilesForm->exec();
    TermineConfigEtoiles(TVueEtoiles::Multiple, avant);
}
