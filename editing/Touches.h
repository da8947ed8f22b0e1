// The keys and events of the entry box: Enter and the arrows commit and move to another field or row, Esc puts the
// stored value back, three letters write the special words of the tables; entering or clicking the box enables the
// clipboard commands, leaving it commits. The window shell converts its events and calls these.
#pragma once

#include "editing/EtatEdition.h"
#include "optics/Crochets.h"

// The keys the box reacts to when pressed, by their virtual key codes.
inline constexpr int ToucheGauche = 37;
inline constexpr int ToucheHaut = 38;
inline constexpr int ToucheDroite = 39;
inline constexpr int ToucheBas = 40;
inline constexpr int TouchePageSuivante = 34;

// The characters the box reacts to.
inline constexpr char CaractereEntree = 13;
inline constexpr char CaractereEchap = 27;

// Commits the box and gives the code of the field it was open on, the field the navigation leaves.
TCodeSaisie ValideEnPlace();

// A key pressed down: Left and Right commit and open the field before or after, Up and Down commit and carry the
// column to the row above or below, Page Down on an index cell chooses a glass from the catalogue.
void FicheSaisieKeyDown(int touche);

// A character typed. True when the handler has replaced the box's text (a radius's "p" or "d", the last
// thickness's "i"): the box then does not type the character itself.
bool FicheSaisieKeyPress(char caractere);

// A key pressed while the page itself has the focus: Left and Right commit and open the field before or after; Up
// and Down commit and carry the lens-device table's highlight, with the editor of its column, to the row above or
// below; at the table's ends the highlight stays and its editor opens again.
void FormKeyDown(int touche);

void FicheSaisieClick();
void FicheSaisieEnter();
// The box lost the focus to another control of the program: the clipboard commands are disabled and the box commits.
void FicheSaisieExit();

// The glass choice from the keyboard, installed at start-up.
inline void (*ChoixVerreClavier)() = [] { CrochetAbsent("ChoixVerreClavier"); };
