// The preferences window.
#include "dialogs/Preferences.h"

#include "dialogs/Boites.h"
#include "editing/Ports.h"
#include "optics/Modele.h"
#include "platform/Services.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int ContexteAide = 6000;
constexpr int ToucheEntree = 13;
constexpr int ToucheEchap = 27;

QLabel* Libelle(const char* texte, QWidget* parent)
{
    auto* libelle = new QLabel(QString::fromUtf8(texte), parent);
    libelle->setWordWrap(true);
    return libelle;
}

QFont Gras(QFont police, int pixels)
{
    police.setPixelSize(pixels);
    police.setBold(true);
    return police;
}

} // namespace

TPreferencesForm::TPreferencesForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Préférences"));
    // Not bold, explicitly: the controls inside a bold group caption would inherit its weight otherwise.
    QFont police = font();
    police.setPixelSize(11);
    police.setBold(false);
    setFont(police);
    setFixedSize(370, 540);

    const auto boite = [this] {
        auto* saisie = new QLineEdit(this);
        saisie->setFixedWidth(64);
        saisie->installEventFilter(this);
        return saisie;
    };
    SaisieDist = boite();
    SaisieDec = boite();
    Panel1 = new QGroupBox(QStringLiteral("Imprimante"), this);
    Panel1->setFont(Gras(font(), 13));
    ImprimePos = new QRadioButton(QStringLiteral("sur fond &noir"), Panel1);
    ImprimeNeg = new QRadioButton(QStringLiteral("sur fond &blanc"), Panel1);
    EnCouleur = new QCheckBox(QStringLiteral("En &couleur"), Panel1);
    ImprimePos->installEventFilter(this);
    IncrementRdc = boite();
    IncrementEp = boite();
    IncrementDia = boite();
    IncrementN = boite();
    IncrementPhi = boite();
    IncrementGamma = boite();
    ButtonInit =
        new QPushButton(style()->standardIcon(QStyle::SP_BrowserReload), QStringLiteral("&Réinitialiser"), this);
    ButtonAide = new QPushButton(QStringLiteral("&Aide"), this);
    ButtonOk = new QPushButton(QStringLiteral("OK"), this);
    ButtonOk->setDefault(true);

    auto* colonne = new QVBoxLayout(this);
    const auto ligne = [this, colonne](const char* texte, QLineEdit* saisie, const char* unite) {
        auto* rangee = new QHBoxLayout;
        rangee->addWidget(Libelle(texte, this), 1);
        rangee->addWidget(saisie);
        auto* libelleUnite = new QLabel(QString::fromUtf8(unite), this);
        libelleUnite->setMinimumWidth(50);
        rangee->addWidget(libelleUnite);
        colonne->addLayout(rangee);
    };
    ligne("Distance à l'axe du rayon considéré dans le calcul de la position du foyer (en diamètre du miroir) =",
          SaisieDist, "");
    colonne->addWidget(Libelle(
        "(réglage conseillé = 0,433 diamètre du miroir principal) Valeur mini = 0,1 / Valeur maxi = 0,5 ", this));
    ligne("Décalage de la mise au point par rapport à la valeur calculée par QUIVANE (compris entre +10 et - 10) =  ",
          SaisieDec, "mm");
    colonne->addWidget(Libelle("(Il peut être untile, par exemple, pour compenser une courbure de champ. Ce décalage "
                               "est annulé à chaque démarrage de QUIVANE.)",
                               this));

    auto* imprimante = new QVBoxLayout(Panel1);
    auto* titreImpression = Libelle("Impression des images d'étoiles", Panel1);
    for (QWidget* controle : std::initializer_list<QWidget*>{titreImpression, ImprimePos, ImprimeNeg, EnCouleur})
    {
        controle->setFont(font());
        imprimante->addWidget(controle);
    }
    colonne->addWidget(Panel1);

    auto* titreIncrements = Libelle("Réglage des incréments appliqués lors des variations obtenues avec les petites "
                                    "flèches placées à droite des zones de saisie",
                                    this);
    titreIncrements->setFont(Gras(font(), 14));
    titreIncrements->setAlignment(Qt::AlignCenter);
    colonne->addWidget(titreIncrements);
    ligne("Incrément / Rayon de courbure =", IncrementRdc, "mm");
    ligne("Incrément / Epaisseur =", IncrementEp, "mm");
    ligne("Incrément / Diamètre =", IncrementDia, "mm");
    ligne("Incrément / Indices de réfraction =", IncrementN, "mm");
    ligne("Incrément / Phi =", IncrementPhi, "dioptries");
    ligne("Incrément / Gamma =", IncrementGamma, "m<sup>-1</sup>");
    colonne->addStretch();
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(ButtonInit);
    boutons->addWidget(ButtonAide);
    boutons->addWidget(ButtonOk);
    colonne->addLayout(boutons);

    QWidget* precedent = SaisieDist;
    for (QWidget* suivant : std::initializer_list<QWidget*>{SaisieDec, ImprimePos, ImprimeNeg, EnCouleur, IncrementRdc,
                                                            IncrementEp, IncrementDia, IncrementN, IncrementPhi,
                                                            IncrementGamma, ButtonInit, ButtonAide, ButtonOk})
    {
        setTabOrder(precedent, suivant);
        precedent = suivant;
    }

    connect(ImprimePos, &QRadioButton::clicked, this, &TPreferencesForm::ImprimePosClick);
    connect(ImprimeNeg, &QRadioButton::clicked, this, &TPreferencesForm::ImprimeNegClick);
    connect(EnCouleur, &QCheckBox::clicked, this, &TPreferencesForm::EnCouleurClick);
    connect(ButtonInit, &QPushButton::clicked, this, &TPreferencesForm::ButtonInitClick);
    connect(ButtonAide, &QPushButton::clicked, this, &TPreferencesForm::ButtonAideClick);
    connect(ButtonOk, &QPushButton::clicked, this, &TPreferencesForm::ButtonOkClick);
    AffichePreferences();
}

QLineEdit* TPreferencesForm::Boite(TBoitePreference boite) const
{
    switch (boite)
    {
    case TBoitePreference::SaisieDist: return SaisieDist;
    case TBoitePreference::SaisieDec: return SaisieDec;
    case TBoitePreference::IncrementRdc: return IncrementRdc;
    case TBoitePreference::IncrementEp: return IncrementEp;
    case TBoitePreference::IncrementDia: return IncrementDia;
    case TBoitePreference::IncrementN: return IncrementN;
    case TBoitePreference::IncrementPhi: return IncrementPhi;
    case TBoitePreference::IncrementGamma: return IncrementGamma;
    }
    return SaisieDist;
}

void TPreferencesForm::AffichePreferences()
{
    for (TBoitePreference boite : BoitesPreferences)
        Boite(boite)->setText(QString::fromStdString(TexteAffichePreference(boite)));
    const TPreferences p = LitPreferences();
    ImprimePos->setChecked(p.ImpressionFondNoir);
    ImprimeNeg->setChecked(!p.ImpressionFondNoir);
    EnCouleur->setChecked(p.ImpressionCouleur);
}

void TPreferencesForm::Valide(TBoitePreference boite)
{
    if (EnValidation_)
        return;
    EnValidation_ = true;
    QLineEdit* saisie = Boite(boite);
    MontreValidation(saisie, ValidePreference(boite, saisie->text().toStdString()));
    EnValidation_ = false;
}

void TPreferencesForm::ValideDistanceRayonFoyer()
{
    Valide(TBoitePreference::SaisieDist);
}

void TPreferencesForm::ValideDecalageMiseAuPoint()
{
    Valide(TBoitePreference::SaisieDec);
}

void TPreferencesForm::ValidePasRayon()
{
    Valide(TBoitePreference::IncrementRdc);
}

void TPreferencesForm::ValidePasEpaisseur()
{
    Valide(TBoitePreference::IncrementEp);
}

void TPreferencesForm::ValidePasDiametre()
{
    Valide(TBoitePreference::IncrementDia);
}

void TPreferencesForm::ValidePasIndice()
{
    Valide(TBoitePreference::IncrementN);
}

void TPreferencesForm::ValidePasPhi()
{
    Valide(TBoitePreference::IncrementPhi);
}

void TPreferencesForm::ValidePasGamma()
{
    Valide(TBoitePreference::IncrementGamma);
}

void TPreferencesForm::Selectionne(QLineEdit* saisie)
{
    saisie->selectAll();
    saisie->setFocus();
}

void TPreferencesForm::BoiteKeyPress(TBoitePreference boite, int touche)
{
    if (touche == ToucheEchap)
    {
        if (boite == TBoitePreference::SaisieDist)
            SaisieDist->setText(QString::fromStdString(TexteAffichePreference(boite)));
        return;
    }
    if (touche != ToucheEntree)
        return;
    Valide(boite);
    switch (boite)
    {
    case TBoitePreference::SaisieDist: Selectionne(SaisieDec); break;
    case TBoitePreference::SaisieDec: ImprimePos->setFocus(); break;
    case TBoitePreference::IncrementRdc: Selectionne(IncrementEp); break;
    case TBoitePreference::IncrementEp: Selectionne(IncrementDia); break;
    case TBoitePreference::IncrementDia: Selectionne(IncrementN); break;
    case TBoitePreference::IncrementN: Selectionne(IncrementPhi); break;
    case TBoitePreference::IncrementPhi: Selectionne(IncrementGamma); break;
    case TBoitePreference::IncrementGamma: ButtonOk->setFocus(); break;
    }
}

void TPreferencesForm::BoiteExit(TBoitePreference boite)
{
    Valide(boite);
}

void TPreferencesForm::ImprimePosKeyPress(int touche)
{
    if (touche != ToucheEntree)
        return;
    ImprimePosClick();
    Selectionne(IncrementRdc);
}

void TPreferencesForm::ImprimePosClick()
{
    Reglages.ImpressionFondNoir = ImprimePos->isChecked();
}

void TPreferencesForm::ImprimeNegClick()
{
    Reglages.ImpressionFondNoir = !ImprimeNeg->isChecked();
}

void TPreferencesForm::EnCouleurClick()
{
    Reglages.ImpressionCouleur = EnCouleur->isChecked();
}

void TPreferencesForm::ButtonInitClick()
{
    ReinitialisePreferences();
    AffichePreferences();
}

void TPreferencesForm::ButtonAideClick()
{
    Services().Aide->AfficheSommaire();
}

void TPreferencesForm::ButtonOkClick()
{
    for (TBoitePreference boite : BoitesPreferences)
        Valide(boite);
    accept();
}

bool TPreferencesForm::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == ImprimePos && evenement->type() == QEvent::KeyPress)
    {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter)
        {
            ImprimePosKeyPress(ToucheEntree);
            return true;
        }
        return QDialog::eventFilter(objet, evenement);
    }
    for (TBoitePreference boite : BoitesPreferences)
    {
        if (objet != Boite(boite))
            continue;
        if (evenement->type() == QEvent::KeyPress)
        {
            // Enter and Esc belong to the boxes: neither may close the window.
            const int touche = static_cast<QKeyEvent*>(evenement)->key();
            if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Escape)
            {
                BoiteKeyPress(boite, touche == Qt::Key_Escape ? ToucheEchap : ToucheEntree);
                return true;
            }
        }
        else if (QuitteLaBoite(evenement))
            BoiteExit(boite);
        break;
    }
    return QDialog::eventFilter(objet, evenement);
}

void TPreferencesForm::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    AffichePreferences();
}

// Every control carries the preferences' help context.
void TPreferencesForm::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
    {
        Services().Aide->AfficheRubrique(ContexteAide);
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void PreferencesExecute()
{
    PortsEdition.FermeCadresEtRafraichit();
    const TPreferences avant = LitPreferences();
    PreferencesForm->exec();
    TerminePreferences(avant);
}
