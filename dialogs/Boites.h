// The edit boxes and windows of the settings dialogs: a validator's outcome, a whole number shown in a box of limited
// length, the focus leaving a box for good, and a window's fixed size.
#pragma once

struct TValidationBoite;
class QDialog;
class QEvent;
class QLayout;
class QLineEdit;

// A validator's outcome shown in its box: a refusal's message in the error box, then the text it puts back; a
// stored value's text.
void MontreValidation(QLineEdit* boite, const TValidationBoite& validation);

// The value in the box, whose length takes `longueur` characters or the value's own when it is longer, so that a
// setting read from a file is never shown cut.
void MontreEntier(QLineEdit* boite, int valeur, int longueur);

// The event is the focus leaving a box for another control: not for a message box, a menu or another window, which
// take it only for a while.
bool QuitteLaBoite(const QEvent* evenement);

// The window's size fixed once, before it is first shown: `largeur` wide and as high as its layout needs there, so that
// nothing resizes it while it is open.
void FixeTaille(QDialog* fenetre, QLayout* disposition, int largeur);
