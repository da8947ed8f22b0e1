// The window shell of the entry box.
#include "editing/BoiteSaisie.h"

#include "editing/Ports.h"
#include "editing/Touches.h"
#include "sheet/Fiche.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

TCoqueSaisie* Coque = nullptr;

TPointPage Origine(const TControle& controle)
{
    return {controle.Left, controle.Top};
}

// A key combination one of the window's commands holds (Ctrl+U, Ctrl+Z, Ctrl+Shift+Z, Ctrl+S ...): it acts on the
// design even while the box has the focus, so the line edit's own meaning of it (erase the line, undo the typing) is
// never taken, whether the command is enabled or not.
bool RaccourciDeLaFenetre(const QWidget* saisie, const QKeyEvent* evenement)
{
    const QKeySequence touches(evenement->keyCombination());
    const QList<QAction*> commandes = saisie->window()->findChildren<QAction*>();
    return std::any_of(commandes.begin(), commandes.end(),
                       [&touches](const QAction* commande) { return commande->shortcuts().contains(touches); });
}

} // namespace

TPointPage OrigineImage(TImageSaisie image)
{
    switch (image)
    {
    case TImageSaisie::Fenetre: return {};
    case TImageSaisie::TableauSchmidt: return Origine(Controles.TableauSchmidt);
    case TImageSaisie::Grille: return Origine(Controles.Grille);
    case TImageSaisie::TableauKlevtsov: return Origine(Controles.TableauKlevtsov);
    case TImageSaisie::LigneMiroir: return Origine(Controles.LigneMiroir);
    case TImageSaisie::LigneSchmidt: return Origine(Controles.LigneSchmidt);
    case TImageSaisie::BoxDistance: return Origine(Controles.BoxDistance);
    }
    return {};
}

TCoqueSaisie::TCoqueSaisie(QLineEdit* saisie) : QObject(saisie), Saisie_(saisie)
{
    Saisie_->installEventFilter(this);
    connect(Saisie_, &QLineEdit::textChanged, this,
            [](const QString& texte) { EtatSaisie.Saisie.Texte = texte.toStdString(); });
}

TCoqueSaisie::~TCoqueSaisie()
{
    if (Coque == this)
        Coque = nullptr;
}

void TCoqueSaisie::Montre()
{
    TBoiteSaisie& boite = EtatSaisie.Saisie;
    if (!boite.Visible)
    {
        if (Saisie_->isVisible())
        {
            const bool enCours = EnCours_;
            EnCours_ = true;
            Saisie_->hide();
            EnCours_ = enCours;
        }
        return;
    }
    const TPointPage origine = OrigineImage(boite.Image);
    Saisie_->setGeometry(origine.X + boite.Gauche, origine.Y + boite.Haut, boite.Largeur, boite.Hauteur);
    const QString texte = QString::fromStdString(boite.Texte);
    if (Saisie_->text() != texte)
        Saisie_->setText(texte);
    Saisie_->setEnabled(boite.Active);
    QPalette palette = Saisie_->palette();
    const TColor c = boite.Couleur;
    palette.setColor(QPalette::Base, QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                                            static_cast<int>((c >> 16) & 0xFF)));
    Saisie_->setPalette(palette);
    Saisie_->setToolTip(QString::fromStdString(boite.Conseil));
    Saisie_->show();
    Saisie_->raise();
    if (boite.ToutSelectionne)
    {
        boite.ToutSelectionne = false;
        Saisie_->selectAll();
    }
    if (boite.Focus)
    {
        boite.Focus = false;
        Saisie_->setFocus(Qt::OtherFocusReason);
    }
}

bool TCoqueSaisie::DepasseLongueur(const QString& ajout) const
{
    const int limite = EtatSaisie.Saisie.LongueurMax;
    if (limite <= 0)
        return false;
    const int reste = static_cast<int>(Saisie_->text().size() - Saisie_->selectedText().size());
    return reste + static_cast<int>(ajout.size()) > limite;
}

// True when the key is handled here and the line edit is not to see it.
bool TCoqueSaisie::TouchePressee(QKeyEvent* evenement)
{
    switch (evenement->key())
    {
    case Qt::Key_Left: FicheSaisieKeyDown(ToucheGauche); return true;
    case Qt::Key_Right: FicheSaisieKeyDown(ToucheDroite); return true;
    case Qt::Key_Up: FicheSaisieKeyDown(ToucheHaut); return true;
    case Qt::Key_Down: FicheSaisieKeyDown(ToucheBas); return true;
    case Qt::Key_PageDown: FicheSaisieKeyDown(TouchePageSuivante); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: FicheSaisieKeyPress(CaractereEntree); return true;
    case Qt::Key_Escape: FicheSaisieKeyPress(CaractereEchap); return true;
    default: break;
    }
    const QString texte = evenement->text();
    if (texte.isEmpty() || !texte.at(0).isPrint())
        return false;
    if (texte.size() == 1 && texte.at(0).unicode() < 128 &&
        FicheSaisieKeyPress(static_cast<char>(texte.at(0).unicode())))
        return true;
    return DepasseLongueur(texte);
}

void TCoqueSaisie::FocusPerdu(int raison)
{
    // A modal message, the catalogue or a menu takes the focus for a while: the box is not left.
    if (raison == Qt::ActiveWindowFocusReason || raison == Qt::PopupFocusReason || raison == Qt::MenuBarFocusReason)
        return;
    if (EnCours_ || !Saisie_->isVisible())
        return;
    EnCours_ = true;
    FicheSaisieExit();
    EnCours_ = false;
    Montre();
}

bool TCoqueSaisie::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet != Saisie_)
        return QObject::eventFilter(objet, evenement);
    switch (evenement->type())
    {
    // Left unaccepted, the window's shortcut takes the key; a disabled command's key reaches the box and is dropped.
    case QEvent::ShortcutOverride: return RaccourciDeLaFenetre(Saisie_, static_cast<QKeyEvent*>(evenement));
    case QEvent::KeyPress:
    {
        if (RaccourciDeLaFenetre(Saisie_, static_cast<QKeyEvent*>(evenement)))
            return true;
        if (EnCours_)
            return true;
        EnCours_ = true;
        const bool traitee = TouchePressee(static_cast<QKeyEvent*>(evenement));
        EnCours_ = false;
        Montre();
        return traitee;
    }
    case QEvent::FocusIn:
        if (!EnCours_)
            FicheSaisieEnter();
        break;
    case QEvent::FocusOut: FocusPerdu(static_cast<QFocusEvent*>(evenement)->reason()); break;
    case QEvent::MouseButtonRelease: FicheSaisieClick(); break;
    default: break;
    }
    return QObject::eventFilter(objet, evenement);
}

void InstalleBoiteSaisie(QLineEdit* saisie)
{
    Coque = new TCoqueSaisie(saisie);
}

void MontreBoiteSaisie()
{
    if (Coque != nullptr)
        Coque->Montre();
}

void CacheBoiteSaisie()
{
    EtatSaisie.Saisie.Visible = false;
    EtatSaisie.CodeSaisie = AucuneSaisie;
    MontreBoiteSaisie();
}
