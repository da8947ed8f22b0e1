// The instrument drawing window.
#include "dialogs/ConfigInstrument.h"

#include "dialogs/CaseRVB.h"
#include "dialogs/ConfigInstrumentCalcul.h"
#include "editing/Ports.h"
#include "platform/ImageVue.h"
#include "platform/Services.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int FondX = 9;
constexpr int FondY = 21;

QLabel* Texte(const QString& texte, QWidget* parent, int x, int y, int largeur)
{
    auto* libelle = new QLabel(texte, parent);
    libelle->setGeometry(x, y, largeur, 17);
    return libelle;
}

} // namespace

TConfigInstrumentForm::TConfigInstrumentForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Configuration du schéma de l'instrument"));
    QFont police = font();
    police.setPixelSize(11);
    setFont(police);
    setFixedSize(416, 202);

    Texte(QStringLiteral("Teinte des des composants dans le schéma de l'instrument"), this, 10, 2, 396);
    Fond = new TImageVue(LargeurFondInstrument, HauteurFondInstrument, this);
    Fond->move(FondX, FondY);
    QFont titre = font();
    titre.setPixelSize(13);
    for (const auto& [nom, y] : {std::pair{"Miroirs", FondY + 3}, std::pair{"Lentilles", FondY + 67}})
        Texte(QString::fromUtf8(nom), this, FondX + 4, y, 62)->setFont(titre);
    const std::array<const char*, 3> noms = {"Rouge :", "Vert :", "Bleu :"};
    for (int k = 1; k <= 6; ++k)
    {
        const TPositionCase place = PositionCaseInstrument(k);
        const auto rang = static_cast<std::size_t>(k - 1);
        Libelles_[rang] = Texte(QString::fromUtf8(noms[rang % 3]), this, place.X - 42, place.Y + 1, 40);
        Libelles_[rang]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Valeurs[rang] = Texte(QString(), this, place.X + 2, place.Y + 1, 30);
        for (QLabel* l : {Libelles_[rang], Valeurs[rang]})
            l->installEventFilter(this);
    }
    CaseRVB = new TCaseRVB(this);
    ButtonAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    BoutonAide = new QPushButton(QStringLiteral("&Aide"), this);
    ButtonOk = new QPushButton(QStringLiteral("OK"), this);
    ButtonAnnuler->setGeometry(146, 166, 80, 26);
    BoutonAide->setGeometry(236, 166, 80, 26);
    ButtonOk->setGeometry(326, 166, 80, 26);
    ButtonOk->setDefault(true);
    setTabOrder(ButtonOk, BoutonAide);
    setTabOrder(BoutonAide, ButtonAnnuler);

    connect(CaseRVB, &TCaseRVB::Pas, this, &TConfigInstrumentForm::CaseRVBPas);
    // Neither button undoes anything: each step is already in the colours.
    connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(BoutonAide, &QPushButton::clicked, this, &TConfigInstrumentForm::ButtonAideClick);
    DessineCouleursInstrument();
}

void TConfigInstrumentForm::DessineCouleursInstrument()
{
    ::DessineCouleursInstrument(Fond->Canevas());
    Fond->update();
    for (int k = 1; k <= 6; ++k)
        Valeurs[static_cast<std::size_t>(k - 1)]->setText(QString::number(ComposanteCouleurInstrument(k)));
    const TPositionCase place = PositionCaseInstrument(ComposanteCouleur);
    CaseRVB->move(place.X, place.Y);
    CaseRVB->Montre(ComposanteCouleurInstrument(ComposanteCouleur));
}

void TConfigInstrumentForm::ComposanteClick(int composante)
{
    ComposanteCouleur = composante;
    DessineCouleursInstrument();
}

void TConfigInstrumentForm::CaseRVBPas(bool haut)
{
    PasCouleurInstrument(ComposanteCouleur, haut);
    DessineCouleursInstrument();
}

void TConfigInstrumentForm::ButtonAideClick()
{
    Services().Aide->AfficheSommaire();
}

bool TConfigInstrumentForm::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::MouseButtonRelease)
        for (std::size_t k = 0; k < Valeurs.size(); ++k)
            if (objet == Valeurs[k] || objet == Libelles_[k])
                ComposanteClick(static_cast<int>(k) + 1);
    return QDialog::eventFilter(objet, evenement);
}

// Every opening shows the colours as they are now: an undo may have changed them since.
void TConfigInstrumentForm::showEvent(QShowEvent* evenement)
{
    QDialog::showEvent(evenement);
    DessineCouleursInstrument();
}

void TConfigInstrumentForm::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
    {
        ButtonAideClick();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void ConfigInstrumentExecute()
{
    PortsEdition.FermeCadresEtRafraichit();
    const TColor miroirs = Instrument.TeinteMiroirs;
    const TColor lentilles = Instrument.TeinteLentilles;
    ConfigInstrumentForm->exec();
    TermineConfigInstrument(miroirs, lentilles);
}
