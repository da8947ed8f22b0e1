// The edit boxes of the settings dialogs.
#include "dialogs/Boites.h"

#include "dialogs/BoiteErreur.h"
#include "dialogs/ReglagesCommuns.h"

#include <QDialog>
#include <QFocusEvent>
#include <QLayout>
#include <QLineEdit>

#include <algorithm>

void MontreValidation(QLineEdit* boite, const TValidationBoite& validation)
{
    switch (validation.Issue)
    {
    case TIssueValidation::Refuse:
        AfficheErreur(validation.Message);
        boite->setText(QString::fromStdString(validation.Texte));
        break;
    case TIssueValidation::Stocke: boite->setText(QString::fromStdString(validation.Texte)); break;
    case TIssueValidation::Ignore:
    case TIssueValidation::Inchange: break;
    }
}

void MontreEntier(QLineEdit* boite, int valeur, int longueur)
{
    const QString texte = QString::number(valeur);
    boite->setMaxLength(std::max(longueur, static_cast<int>(texte.size())));
    boite->setText(texte);
}

bool QuitteLaBoite(const QEvent* evenement)
{
    if (evenement->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason raison = static_cast<const QFocusEvent*>(evenement)->reason();
    return raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason && raison != Qt::MenuBarFocusReason;
}

void FixeTaille(QDialog* fenetre, QLayout* disposition, int largeur)
{
    const int hauteur = disposition->hasHeightForWidth() ? disposition->totalHeightForWidth(largeur)
                                                         : disposition->totalSizeHint().height();
    fenetre->setFixedSize(largeur, std::max(hauteur, disposition->totalMinimumSize().height()));
}
