// The shared request box of the focus searches.
#include "dialogs/DistanceDemande.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/Nombres.h"
#include "platform/Format.h"
#include "platform/Services.h"

bool EstNombreSaisi(const std::string& texte)
{
    return ReconnaitNombre(texte, PolitiqueDialogue) != PasUnNombre;
}

IDemandeFoyer* DemandeFoyerInstallee()
{
    return Services().DemandeFoyer;
}

TDemandeDepartForm::TDemandeDepartForm(const QString& titre, const QString& libelle, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(titre);
    setFixedSize(330, 110);
    Libelle = new QLabel(libelle, this);
    SaisieDun = new QLineEdit(QStringLiteral("0"), this);
    SaisieDun->setFixedWidth(SaisieDun->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    Unite = new QLabel(QStringLiteral("mm"), this);
    CancelBtn = new QPushButton(QStringLiteral("Abandonner"), this);
    ButtonAide = new QPushButton(QStringLiteral("&Aide"), this);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setDefault(true);

    auto* ligne = new QHBoxLayout;
    ligne->addWidget(Libelle);
    ligne->addWidget(SaisieDun);
    ligne->addWidget(Unite);
    ligne->addStretch();
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(CancelBtn);
    boutons->addWidget(ButtonAide);
    boutons->addWidget(OKBtn);
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(ligne);
    colonne->addLayout(boutons);

    SaisieDun->installEventFilter(this);
    connect(OKBtn, &QPushButton::clicked, this, &TDemandeDepartForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonAide, &QPushButton::clicked, this, &TDemandeDepartForm::ButtonAideClick);
}

std::optional<std::string> TDemandeDepartForm::Demande(double valeurPrecedente)
{
    ValeurPrecedente = valeurPrecedente;
    Reponse.reset();
    SaisieDun->selectAll();
    SaisieDun->setFocus();
    exec();
    return Reponse;
}

// Enter and Esc belong to the box: they must not close the dialog as they would by default.
bool TDemandeDepartForm::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == SaisieDun && evenement->type() == QEvent::KeyPress)
    {
        const int touche = static_cast<QKeyEvent*>(evenement)->key();
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Escape)
        {
            SaisieDunKeyPress(touche);
            return true;
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

// F1, like the help button, opens the help file at its contents.
void TDemandeDepartForm::keyPressEvent(QKeyEvent* evenement)
{
    if (evenement->key() == Qt::Key_F1)
    {
        ButtonAideClick();
        return;
    }
    QDialog::keyPressEvent(evenement);
}

void TDemandeDepartForm::SaisieDunKeyPress(int touche)
{
    if (touche == Qt::Key_Escape)
    {
        RemetValeurPrecedente();
        return;
    }
    if (!EstNombreSaisi(SaisieDun->text().toStdString()))
    {
        RemetValeurPrecedente();
    }
    OKBtn->setFocus();
}

void TDemandeDepartForm::OKBtnClick()
{
    const std::string texte = SaisieDun->text().toStdString();
    if (!EstNombreSaisi(texte))
    {
        RemetValeurPrecedente();
    }
    Reponse = texte;
    accept();
}

void TDemandeDepartForm::ButtonAideClick()
{
    if (Services().Aide != nullptr)
    {
        Services().Aide->AfficheSommaire();
    }
}

void TDemandeDepartForm::RemetValeurPrecedente()
{
    SaisieDun->setText(QString::fromStdString(FormateGeneral(ValeurPrecedente)));
}
