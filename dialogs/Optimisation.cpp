// The diameter-optimisation dialog.
#include "dialogs/Optimisation.h"

#include "dialogs/Boites.h"
#include "optics/GenresBip.h"
#include "platform/Bip.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Largeur = 384;
constexpr int Hauteur = 185;

QWidget* Parent = nullptr;
TOptimisationForm* Fenetre = nullptr;

} // namespace

TOptimisationForm::TOptimisationForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Quivane - Optimisation des diamètres"));
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(11);
    setFont(police);
    setFixedSize(Largeur, Hauteur);

    LabelTitre = new QLabel(QStringLiteral("Optimisation des diamètres du dispositif dioptrique "), this);
    QFont titre = police;
    titre.setPixelSize(15);
    titre.setBold(true);
    LabelTitre->setFont(titre);
    LabelTitre->setWordWrap(true);
    LabelTitre->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabelTitre->setGeometry(40, 8, Largeur - 80, 40);
    LabelTexte = new QLabel(QStringLiteral("Avec cette fonction, QUIVANE donne au diamètre de chaque dioptre du "
                                           "dispositif dioptrique la valeur minimale qui n'occulte pas le faisceau. "
                                           "Cette valeur sera optimisée pour la distance à l'axe indiquée."),
                            this);
    LabelTexte->setWordWrap(true);
    LabelTexte->setGeometry(16, 52, Largeur - 32, 48);
    LabelDistance = new QLabel(QStringLiteral("Distance à l'axe sur l'image ="), this);
    LabelDistance->setGeometry(60, 110, 180, 18);
    SaisieDist = new QLineEdit(this);
    SaisieDist->setMaxLength(4);
    SaisieDist->setGeometry(244, 108, 40, 22);
    SaisieDist->installEventFilter(this);
    LabelUnite = new QLabel(QStringLiteral("mm"), this);
    LabelUnite->setGeometry(290, 110, 30, 18);

    BoutonAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    BoutonAnnuler->setGeometry(60, 146, 90, 25);
    BoutonOptimiser = new QPushButton(QStringLiteral("Optimiser"), this);
    BoutonOptimiser->setGeometry(Largeur - 150, 146, 90, 25);
    BoutonAnnuler->setAutoDefault(false);
    BoutonOptimiser->setAutoDefault(false);
    BoutonOptimiser->setDefault(true);

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

void InstalleOptimisation(QWidget* parent)
{
    Parent = parent;
    PortsOptimisation.Montre = [](bool afocal) {
        if (Fenetre == nullptr)
            Fenetre = new TOptimisationForm(Parent);
        return Fenetre->Montre(afocal);
    };
}
