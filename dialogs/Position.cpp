// The position window of the lens device.
#include "dialogs/Position.h"

#include "editing/Ports.h"
#include "platform/Services.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

// A framed group: its example, then the label, the box and the unit on one line.
QGroupBox* Groupe(const char* titre, const char* exemple, const char* libelle, QLineEdit* saisie, QWidget* parent)
{
    auto* groupe = new QGroupBox(QString::fromUtf8(titre), parent);
    QFont grand = parent->font();
    grand.setPixelSize(13);
    grand.setBold(true);
    groupe->setFont(grand);
    auto* colonne = new QVBoxLayout(groupe);
    auto* rangee = new QHBoxLayout;
    QLabel* textes[] = {Libelle(exemple, groupe), Libelle(libelle, groupe), new QLabel(QStringLiteral("mm"), groupe)};
    // The group's title alone is larger: its contents keep the window's font.
    for (QLabel* texte : textes)
        texte->setFont(parent->font());
    saisie->setParent(groupe);
    saisie->setFont(parent->font());
    colonne->addWidget(textes[0]);
    rangee->addWidget(textes[1], 1);
    rangee->addWidget(saisie);
    rangee->addWidget(textes[2]);
    colonne->addLayout(rangee);
    return groupe;
}

} // namespace

TPositionForm::TPositionForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Position du système dioptrique"));
    QFont police = font();
    police.setPixelSize(11);
    police.setBold(false);
    setFont(police);
    setFixedWidth(460);

    const auto boite = [this] {
        auto* saisie = new QLineEdit(this);
        // Wide enough for a distance of a few metres with its three decimals, which the box shows on opening.
        saisie->setFixedWidth(saisie->fontMetrics().horizontalAdvance(QStringLiteral("-0000.000")) + 12);
        saisie->installEventFilter(this);
        return saisie;
    };
    SaisieDeltaf = boite();
    SaisieDaf = boite();
    ButtonOk = new QPushButton(QStringLiteral("OK"), this);
    ButtonOk->setDefault(true);

    auto* colonne = new QVBoxLayout(this);
    for (const char* texte :
         {"En l'absence d'indications contraires, QUIVANE cherche à positionner le dispositif dioptrique en partant "
          "d'un décalage de foyer nul (système avec focalisation) ou avec la surface du premier dioptre sur le foyer "
          "du miroir principal (système afocal).",
          "S'il ne réussit pas à déterminer une position cohérente, QUIVANE demande de préciser une autre position de "
          "départ pour cette investigation.",
          "Vous pouvez indiquer ci-dessous la position à partir de laquelle vous souhaitez que QUIVANE effectue cette "
          "recherche de la mise au point."})
        colonne->addWidget(Libelle(texte, this));
    GroupeFocalisation = Groupe("Système avec focalisation", "(exemple : correcteur de champ)",
                                "Décalage du foyer. C'est la distance entre le foyer du miroir principal et le foyer "
                                "résultant =",
                                SaisieDeltaf, this);
    GroupeAfocal = Groupe("Système afocal ", "(exemple : un oculaire)",
                          "Distance entre le foyer et le premier dioptre =", SaisieDaf, this);
    colonne->addWidget(GroupeFocalisation);
    colonne->addWidget(GroupeAfocal);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ButtonOk);
    boutons->addStretch();
    colonne->addLayout(boutons);
    setTabOrder(SaisieDeltaf, SaisieDaf);
    setTabOrder(SaisieDaf, ButtonOk);

    connect(ButtonOk, &QPushButton::clicked, this, &TPositionForm::ButtonOkClick);
    AffichePosition();
}

void TPositionForm::AffichePosition()
{
    SaisieDeltaf->setText(QString::fromStdString(TextePosition(TValeurPosition::DecalageFoyerInitial)));
    SaisieDaf->setText(QString::fromStdString(TextePosition(TValeurPosition::DistanceFoyerDioptre)));
}

void TPositionForm::SaisieKeyPress(QLineEdit* saisie, TValeurPosition valeur, int touche)
{
    if (touche == ToucheEchap)
    {
        saisie->setText(QString::fromStdString(TextePosition(valeur)));
        return;
    }
    if (touche != ToucheEntree)
        return;
    if (!StockePositionTapee(valeur, saisie->text().toStdString()))
        saisie->setText(QString::fromStdString(TextePosition(valeur)));
}

void TPositionForm::SaisieDeltafKeyPress(int touche)
{
    SaisieKeyPress(SaisieDeltaf, TValeurPosition::DecalageFoyerInitial, touche);
    if (touche == ToucheEntree)
    {
        SaisieDaf->selectAll();
        SaisieDaf->setFocus();
    }
}

void TPositionForm::SaisieDafKeyPress(int touche)
{
    SaisieKeyPress(SaisieDaf, TValeurPosition::DistanceFoyerDioptre, touche);
    if (touche == ToucheEntree)
        ButtonOk->setFocus();
}

// The boxes are not read: a value is taken only by Enter in its box. The first box is ready for the next opening.
void TPositionForm::ButtonOkClick()
{
    SaisieDeltaf->selectAll();
    SaisieDeltaf->setFocus();
    accept();
}

// Enter and Esc belong to the boxes: neither may close the window.
bool TPositionForm::eventFilter(QObject* objet, QEvent* evenement)
{
    if ((objet == SaisieDeltaf || objet == SaisieDaf) && evenement->type() == QEvent::KeyPress)
    {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Escape)
        {
            const int code = touche == Qt::Key_Escape ? ToucheEchap : ToucheEntree;
            if (objet == SaisieDeltaf)
                SaisieDeltafKeyPress(code);
            else
                SaisieDafKeyPress(code);
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

void TPositionForm::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
    {
        if (Services().Aide != nullptr)
            Services().Aide->AfficheRubrique(ContexteAide);
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void AfficheFormePosition()
{
    PortsEdition.FermeCadresEtRafraichit();
    PositionForm->AffichePosition();
    PositionForm->SaisieDeltaf->selectAll();
    PositionForm->SaisieDeltaf->setFocus();
    const TPositionDispositif avant = LitPositionDispositif();
    PositionForm->exec();
    TerminePosition(avant);
}
