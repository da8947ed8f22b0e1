// The window shell of the entry box: a thin layer over the page's line edit that shows the box's model (place,
// text, colour, hint, focus) and hands the box's events to the key handlers.
#pragma once

#include "editing/EtatEdition.h"

#include <QObject>

class QKeyEvent;
class QLineEdit;

// Where each image the box can stand on lies in the page, in the page's pixels: the box's place is the image's
// origin plus the model's position in that image.
struct TPointPage
{
    int X = 0;
    int Y = 0;
};
TPointPage OrigineImage(TImageSaisie image);

class TCoqueSaisie : public QObject
{
    Q_OBJECT

public:
    // Watches `saisie` (a child of the page) and becomes its child. The box's maximum length limits typing only,
    // so the line edit's own limit is never set: text the program puts in is never cut.
    explicit TCoqueSaisie(QLineEdit* saisie);
    ~TCoqueSaisie() override;

    // Mirrors the model onto the line edit.
    void Montre();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool TouchePressee(QKeyEvent* evenement);
    bool DepasseLongueur(const QString& ajout) const;
    void FocusPerdu(int raison);

    QLineEdit* Saisie_;
    // A handler is running: the focus the box loses meanwhile (its commit hides it) is not a user's move.
    bool EnCours_ = false;
};

// Attaches the shell to the page's line edit; the shell lives as long as the line edit.
void InstalleBoiteSaisie(QLineEdit* saisie);
// Mirrors the model onto the line edit, when a shell is installed.
void MontreBoiteSaisie();
// Hides the box without committing: no field is open any more.
void CacheBoiteSaisie();
