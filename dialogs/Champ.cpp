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
#include <tuple>
#include <utility>
#include <vector>

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

    // A panel of radio buttons side by side: one group of exclusive choices.
    const auto panneau = [](QWidget* parent, std::initializer_list<const char*> libelles) {
        auto* panel = new QWidget(parent);
        auto* rangee = new QHBoxLayout(panel);
        rangee->setContentsMargins(0, 0, 0, 0);
        std::vector<QRadioButton*> boutons;
        for (const char* libelle : libelles)
        {
            boutons.push_back(new QRadioButton(QString::fromUtf8(libelle), panel));
            rangee->addWidget(boutons.back());
        }
        return std::pair{panel, boutons};
    };
    // Boxes with their units, then the rest of the row empty.
    const auto rangee = [](std::initializer_list<QWidget*> controles) {
        auto* ligne = new QHBoxLayout;
        for (QWidget* controle : controles)
            ligne->addWidget(controle);
        ligne->addStretch();
        return ligne;
    };

    auto* reelle = new QGroupBox(QStringLiteral("Système avec image réelle"), this);
    reelle->setFont(gras);
    auto* grille = new QGridLayout(reelle);
    std::vector<QRadioButton*> radios;
    std::tie(Panel1, radios) = panneau(reelle, {"100µm", "200µm", "500µm"});
    NGV12 = radios[0];
    NGV24 = radios[1];
    NGV60 = radios[2];
    PhiRepereSaisie = boite(TBoiteChamp::PhiRepereSaisie);
    std::tie(Panel2, radios) = panneau(reelle, {"Linéaire", "Angulaire"});
    BoutonLineaire = radios[0];
    BoutonAngulaire = radios[1];
    RayonLineaireSaisie = boite(TBoiteChamp::RayonLineaireSaisie);
    RayonAngulaireSaisie = boite(TBoiteChamp::RayonAngulaireSaisie);
    grille->addWidget(Libelle("Amplitude verticale :", reelle), 0, 0);
    grille->addWidget(Panel1, 0, 1);
    auto* libelleRepere = Libelle("Amplitude repérée avec une ligne pointillée (0 à 100 µm) =", reelle);
    libelleRepere->setWordWrap(true);
    grille->addWidget(libelleRepere, 1, 0);
    grille->addLayout(rangee({PhiRepereSaisie, Libelle("µm", reelle)}), 1, 1);
    grille->addWidget(Libelle("Distance à l'axe :", reelle), 2, 0);
    grille->addWidget(Panel2, 2, 1);
    grille->addWidget(Libelle("Rayon du champ étudié :", reelle), 3, 0);
    grille->addLayout(rangee({RayonLineaireSaisie, Libelle("mm", reelle), RayonAngulaireSaisie, Libelle("'", reelle)}),
                      3, 1);

    auto* afocal = new QGroupBox(QStringLiteral("Système afocal"), this);
    auto* grilleAfocale = new QGridLayout(afocal);
    std::tie(Panel3, radios) = panneau(afocal, {"20'", "60'"});
    NGV20deg = radios[0];
    NGV60deg = radios[1];
    RayonAfocalSaisie = boite(TBoiteChamp::RayonAfocalSaisie);
    grilleAfocale->addWidget(Libelle("Amplitude verticale :", afocal), 0, 0);
    grilleAfocale->addWidget(Panel3, 0, 1);
    grilleAfocale->addWidget(Libelle("Rayon du champ étudié =", afocal), 1, 0);
    grilleAfocale->addLayout(rangee({RayonAfocalSaisie, Libelle("°", afocal)}), 1, 1);
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
