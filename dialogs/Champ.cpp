// The field-analysis settings window.
#include "dialogs/Champ.h"

#include "dialogs/Boites.h"
#include "optics/Modele.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int ToucheEntree = 13;
constexpr int ToucheEchap = 27;

// A radio button cleared even when it is its group's checked one: the amplitude codes that no button shows (150)
// leave the three of them clear.
void Coche(QRadioButton* bouton, bool coche)
{
    bouton->setAutoExclusive(coche);
    bouton->setChecked(coche);
    bouton->setAutoExclusive(true);
}

QLabel* Libelle(const char* texte, QWidget* parent)
{
    return new QLabel(QString::fromUtf8(texte), parent);
}

} // namespace

TChampForm::TChampForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Configuration de l'analyse du champ"));
    // Not bold, explicitly: the controls inside a bold group caption would inherit its weight otherwise.
    QFont police = font();
    police.setPixelSize(11);
    police.setBold(false);
    setFont(police);
    QFont gras = police;
    gras.setPixelSize(13);
    gras.setBold(true);

    const auto boite = [this](TBoiteChamp b) {
        auto* saisie = new QLineEdit(this);
        saisie->setFixedWidth(40);
        saisie->setMaxLength(LongueurBoiteChamp(b));
        saisie->installEventFilter(this);
        return saisie;
    };

    auto* reelle = new QGroupBox(QStringLiteral("Système avec image réelle"), this);
    reelle->setFont(gras);
    auto* grille = new QGridLayout(reelle);
    Panel1 = new QWidget(reelle);
    NGV12 = new QRadioButton(QStringLiteral("100µm"), Panel1);
    NGV24 = new QRadioButton(QStringLiteral("200µm"), Panel1);
    NGV60 = new QRadioButton(QStringLiteral("500µm"), Panel1);
    auto* amplitudes = new QHBoxLayout(Panel1);
    amplitudes->setContentsMargins(0, 0, 0, 0);
    for (QRadioButton* b : {NGV12, NGV24, NGV60})
        amplitudes->addWidget(b);
    PhiRepereSaisie = boite(TBoiteChamp::PhiRepereSaisie);
    Panel2 = new QWidget(reelle);
    BoutonLineaire = new QRadioButton(QStringLiteral("Linéaire"), Panel2);
    BoutonAngulaire = new QRadioButton(QStringLiteral("Angulaire"), Panel2);
    auto* modes = new QHBoxLayout(Panel2);
    modes->setContentsMargins(0, 0, 0, 0);
    modes->addWidget(BoutonLineaire);
    modes->addWidget(BoutonAngulaire);
    RayonLineaireSaisie = boite(TBoiteChamp::RayonLineaireSaisie);
    RayonAngulaireSaisie = boite(TBoiteChamp::RayonAngulaireSaisie);
    auto* repere = new QHBoxLayout;
    repere->addWidget(PhiRepereSaisie);
    repere->addWidget(Libelle("µm", reelle));
    repere->addStretch();
    auto* rayons = new QHBoxLayout;
    rayons->addWidget(RayonLineaireSaisie);
    rayons->addWidget(Libelle("mm", reelle));
    rayons->addWidget(RayonAngulaireSaisie);
    rayons->addWidget(Libelle("'", reelle));
    rayons->addStretch();
    grille->addWidget(Libelle("Amplitude verticale :", reelle), 0, 0);
    grille->addWidget(Panel1, 0, 1);
    auto* libelleRepere = Libelle("Amplitude repérée avec une ligne pointillée (0 à 100 µm) =", reelle);
    libelleRepere->setWordWrap(true);
    grille->addWidget(libelleRepere, 1, 0);
    grille->addLayout(repere, 1, 1);
    grille->addWidget(Libelle("Distance à l'axe :", reelle), 2, 0);
    grille->addWidget(Panel2, 2, 1);
    grille->addWidget(Libelle("Rayon du champ étudié :", reelle), 3, 0);
    grille->addLayout(rayons, 3, 1);

    auto* afocal = new QGroupBox(QStringLiteral("Système afocal"), this);
    auto* grilleAfocale = new QGridLayout(afocal);
    Panel3 = new QWidget(afocal);
    NGV20deg = new QRadioButton(QStringLiteral("20'"), Panel3);
    NGV60deg = new QRadioButton(QStringLiteral("60'"), Panel3);
    auto* amplitudesAfocales = new QHBoxLayout(Panel3);
    amplitudesAfocales->setContentsMargins(0, 0, 0, 0);
    amplitudesAfocales->addWidget(NGV20deg);
    amplitudesAfocales->addWidget(NGV60deg);
    RayonAfocalSaisie = boite(TBoiteChamp::RayonAfocalSaisie);
    auto* rayonAfocal = new QHBoxLayout;
    rayonAfocal->addWidget(RayonAfocalSaisie);
    rayonAfocal->addWidget(Libelle("°", afocal));
    rayonAfocal->addStretch();
    grilleAfocale->addWidget(Libelle("Amplitude verticale :", afocal), 0, 0);
    grilleAfocale->addWidget(Panel3, 0, 1);
    grilleAfocale->addWidget(Libelle("Rayon du champ étudié =", afocal), 1, 0);
    grilleAfocale->addLayout(rayonAfocal, 1, 1);
    // The groups' captions are bold, not their contents.
    for (QWidget* contenu : reelle->findChildren<QWidget*>())
        contenu->setFont(police);
    for (QWidget* contenu : afocal->findChildren<QWidget*>())
        contenu->setFont(police);

    Panel4 = new QWidget(this);
    AnalyseDispersion = new QCheckBox(Panel4);
    AnalyseDispersion->installEventFilter(this);
    auto* titreDispersion = Libelle("Analyse avec dispersion chromatique :", Panel4);
    QFont grasSimple = police;
    grasSimple.setBold(true);
    titreDispersion->setFont(grasSimple);
    auto* noteDispersion =
        Libelle("Ce choix est pris en compte uniquement si tous les indices de réfraction sont indiqués.", Panel4);
    noteDispersion->setWordWrap(true);
    auto* dispersion = new QGridLayout(Panel4);
    dispersion->setContentsMargins(0, 0, 0, 0);
    dispersion->addWidget(titreDispersion, 0, 0);
    dispersion->addWidget(AnalyseDispersion, 0, 1);
    dispersion->addWidget(noteDispersion, 1, 0, 1, 2);

    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setDefault(true);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(CancelBtn);
    boutons->addWidget(OKBtn);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(reelle);
    colonne->addWidget(afocal);
    colonne->addWidget(Panel4);
    colonne->addLayout(boutons);
    FixeTaille(this, colonne, 420);

    for (QRadioButton* b : {NGV12, NGV24, NGV20deg, NGV60deg})
        b->installEventFilter(this);
    setTabOrder(OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TChampForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(BoutonLineaire, &QRadioButton::clicked, this, &TChampForm::BoutonLineaireClick);
    connect(BoutonAngulaire, &QRadioButton::clicked, this, &TChampForm::BoutonAngulaireClick);
    FormActivate();
}

QLineEdit* TChampForm::Boite(TBoiteChamp boite) const
{
    switch (boite)
    {
    case TBoiteChamp::PhiRepereSaisie: return PhiRepereSaisie;
    case TBoiteChamp::RayonLineaireSaisie: return RayonLineaireSaisie;
    case TBoiteChamp::RayonAngulaireSaisie: return RayonAngulaireSaisie;
    case TBoiteChamp::RayonAfocalSaisie: return RayonAfocalSaisie;
    }
    return PhiRepereSaisie;
}

void TChampForm::FormActivate()
{
    const TReglagesChamp c = LitReglagesChamp();
    Coche(NGV12, c.AmplitudeChamp == 12);
    Coche(NGV24, c.AmplitudeChamp == 24);
    Coche(NGV60, c.AmplitudeChamp == 60);
    Coche(NGV20deg, c.AmplitudeChampAfocal == 24);
    Coche(NGV60deg, c.AmplitudeChampAfocal != 24);
    AnalyseDispersion->setChecked(c.AnalyseChromatique);
    Coche(BoutonLineaire, c.ChampLineaire);
    Coche(BoutonAngulaire, !c.ChampLineaire);
    for (TBoiteChamp boite : {TBoiteChamp::PhiRepereSaisie, TBoiteChamp::RayonLineaireSaisie,
                              TBoiteChamp::RayonAngulaireSaisie, TBoiteChamp::RayonAfocalSaisie})
        RemetBoite(boite);
    ColoreRayons();
    PhiRepereSaisie->selectAll();
}

void TChampForm::RemetBoite(TBoiteChamp boite)
{
    MontreEntier(Boite(boite), ValeurBoiteChamp(LitReglagesChamp(), boite), LongueurBoiteChamp(boite));
}

void TChampForm::ColoreRayons()
{
    const auto colore = [this](QLineEdit* saisie, bool choisi) {
        QPalette couleurs = saisie->palette();
        couleurs.setColor(QPalette::Text, palette().color(choisi ? QPalette::WindowText : QPalette::Midlight));
        saisie->setPalette(couleurs);
    };
    colore(RayonLineaireSaisie, BoutonLineaire->isChecked());
    colore(RayonAngulaireSaisie, !BoutonLineaire->isChecked());
}

void TChampForm::OKBtnClick()
{
    TReglagesChamp c = LitReglagesChamp();
    const std::array<std::pair<QRadioButton*, std::int32_t>, 3> amplitudes = {{{NGV12, 12}, {NGV24, 24}, {NGV60, 60}}};
    for (const auto& [bouton, amplitude] : amplitudes)
        if (bouton->isChecked())
            c.AmplitudeChamp = amplitude;
    c.AmplitudeChampAfocal = NGV20deg->isChecked() ? 24 : 72;
    c.AnalyseChromatique = AnalyseDispersion->isChecked();
    c.AmplitudeRepere =
        EntierBoiteChamp(TBoiteChamp::PhiRepereSaisie, PhiRepereSaisie->text().toStdString(), c.AmplitudeRepere);
    c.ChampLineaire = BoutonLineaire->isChecked();
    c.RayonChampLineaire = EntierBoiteChamp(TBoiteChamp::RayonLineaireSaisie, RayonLineaireSaisie->text().toStdString(),
                                            c.RayonChampLineaire);
    c.RayonChampAngulaire = EntierBoiteChamp(TBoiteChamp::RayonAngulaireSaisie,
                                             RayonAngulaireSaisie->text().toStdString(), c.RayonChampAngulaire);
    c.RayonChampAfocal =
        EntierBoiteChamp(TBoiteChamp::RayonAfocalSaisie, RayonAfocalSaisie->text().toStdString(), c.RayonChampAfocal);
    AppliqueReglagesChamp(c);
    accept();
}

void TChampForm::BoutonLineaireClick()
{
    Coche(BoutonLineaire, true);
    ColoreRayons();
}

void TChampForm::BoutonAngulaireClick()
{
    Coche(BoutonAngulaire, true);
    ColoreRayons();
}

void TChampForm::AmplitudeKeyPress(QRadioButton* bouton, int touche)
{
    if (touche == ToucheEntree)
        Coche(bouton, true);
}

void TChampForm::AnalyseDispersionKeyPress()
{
    AnalyseDispersion->toggle();
    OKBtn->setFocus();
}

void TChampForm::BoiteKeyPress(TBoiteChamp boite, int touche)
{
    const std::int32_t stockee = ValeurBoiteChamp(LitReglagesChamp(), boite);
    if (touche == ToucheEchap ||
        (touche == ToucheEntree && EntierBoiteChamp(boite, Boite(boite)->text().toStdString(), stockee) == stockee))
        RemetBoite(boite);
    if (touche == ToucheEntree)
        OKBtn->setFocus();
}

bool TChampForm::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objet, evenement);
    const auto* appui = static_cast<QKeyEvent*>(evenement);
    const int touche = appui->key();
    const bool entree = touche == Qt::Key_Return || touche == Qt::Key_Enter;
    if (objet == AnalyseDispersion)
    {
        if (appui->text().isEmpty())
            return QDialog::eventFilter(objet, evenement);
        AnalyseDispersionKeyPress();
        return true;
    }
    for (QRadioButton* bouton : {NGV12, NGV24, NGV20deg, NGV60deg})
        if (objet == bouton && entree)
        {
            AmplitudeKeyPress(bouton, ToucheEntree);
            return true;
        }
    for (TBoiteChamp boite : {TBoiteChamp::PhiRepereSaisie, TBoiteChamp::RayonLineaireSaisie,
                              TBoiteChamp::RayonAngulaireSaisie, TBoiteChamp::RayonAfocalSaisie})
        if (objet == Boite(boite) && (entree || touche == Qt::Key_Escape))
        {
            BoiteKeyPress(boite, entree ? ToucheEntree : ToucheEchap);
            return true;
        }
    return QDialog::eventFilter(objet, evenement);
}

void TChampForm::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    FormActivate();
}

void ConfigChampExecute()
{
    const TReglagesChamp avant = LitReglagesChamp();
    ChampForm->exec();
    TermineConfigChamp(avant);
}
