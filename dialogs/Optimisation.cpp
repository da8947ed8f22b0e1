// The diameter-optimisation dialog.
#include "dialogs/Optimisation.h"

#include "dialogs/Boites.h"
#include "dialogs/FenetreDifferee.h"
#include "optics/GenresBip.h"
#include "platform/Bip.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int Largeur = 384;

QPointer<QWidget> Parent;
QPointer<TOptimisationForm> Fenetre;

} // namespace

TOptimisationForm::TOptimisationForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Optimisation des diamètres"));
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(11);
    setFont(police);

    auto* colonne = new QVBoxLayout(this);
    LabelTitre = new QLabel(QStringLiteral("Optimisation des diamètres du dispositif dioptrique "), this);
    QFont titre = police;
    titre.setPixelSize(15);
    titre.setBold(true);
    LabelTitre->setFont(titre);
    LabelTitre->setWordWrap(true);
    LabelTitre->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    colonne->addWidget(LabelTitre);
    LabelTexte = new QLabel(QStringLiteral("Avec cette fonction, QUIVANE donne au diamètre de chaque dioptre du "
                                           "dispositif dioptrique la valeur minimale qui n'occulte pas le faisceau. "
                                           "Cette valeur sera optimisée pour la distance à l'axe indiquée."),
                            this);
    LabelTexte->setWordWrap(true);
    colonne->addWidget(LabelTexte);

    LabelDistance = new QLabel(QStringLiteral("Distance à l'axe sur l'image ="), this);
    SaisieDist = new QLineEdit(this);
    SaisieDist->setMaxLength(4);
    SaisieDist->setFixedWidth(40);
    SaisieDist->installEventFilter(this);
    LabelUnite = new QLabel(QStringLiteral("mm"), this);
    LabelUnite->setMinimumWidth(24);
    auto* distance = new QHBoxLayout;
    distance->addStretch();
    distance->addWidget(LabelDistance);
    distance->addWidget(SaisieDist);
    distance->addWidget(LabelUnite);
    distance->addStretch();
    colonne->addSpacing(6);
    colonne->addLayout(distance);
    colonne->addSpacing(6);

    BoutonAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    BoutonOptimiser = new QPushButton(QStringLiteral("Optimiser"), this);
    BoutonAnnuler->setAutoDefault(false);
    BoutonOptimiser->setAutoDefault(false);
    BoutonOptimiser->setDefault(true);
    auto* boutons = new QHBoxLayout;
    boutons->addSpacing(40);
    boutons->addWidget(BoutonAnnuler);
    boutons->addStretch();
    boutons->addWidget(BoutonOptimiser);
    boutons->addSpacing(40);
    colonne->addLayout(boutons);
    FixeTaille(this, colonne, Largeur);

    connect(BoutonOptimiser, &QPushButton::clicked, this, &TOptimisationForm::BoutonOptimiserClick);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<double> TOptimisationForm::Montre(bool afocal)
{
    LabelUnite->setText(afocal ? QStringLiteral("°") : QStringLiteral("mm"));
    SaisieDist->clear();
    Distance_ = 0;
    Choix_.reset();
    SaisieDist->setFocus();
    exec();
    return Choix_;
}

void TOptimisationForm::ValideDistance()
{
    const TDistanceSaisie saisie = ValideDistanceOptimisation(SaisieDist->text().toStdString());
    if (saisie.Bip)
        MessageBeep(BipDefaut);
    Distance_ = saisie.Distance;
    SaisieDist->setText(QString::fromStdString(saisie.Texte));
}

void TOptimisationForm::BoutonOptimiserClick()
{
    ValideDistance();
    Choix_ = Distance_;
    accept();
}

// Enter in the distance box takes the value and moves to "Optimiser".
bool TOptimisationForm::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == SaisieDist)
    {
        if (QuitteLaBoite(evenement))
            ValideDistance();
        else if (evenement->type() == QEvent::KeyPress)
        {
            const int touche = static_cast<QKeyEvent*>(evenement)->key();
            if (touche == Qt::Key_Return || touche == Qt::Key_Enter)
            {
                ValideDistance();
                BoutonOptimiser->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(objet, evenement);
}

void FixeParentOptimisation(QWidget* parent)
{
    Parent = parent;
}

std::optional<double> MontreOptimisation(bool afocal)
{
    return MontreFenetreDifferee(Parent, Fenetre, afocal);
}
