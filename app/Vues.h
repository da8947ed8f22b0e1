// The five view commands and their tool buttons: each only presses or releases the buttons, names the view and
// asks for the central refresh, which decides the view shown from the buttons.
#pragma once

#include "app/Etat.h"

#include <optional>
#include <string>

void AfficheInstrumentExecute();
void AfficheDispositifdioptriqueExecute();
void AnalyseduchampExecute();
void EtoileMultipleExecute();
void EtoileUniqueExecute();

// The view named by the buttons, each later rule overriding the earlier ones; `actuelle` stays when no rule applies.
TVue VueDesBoutons(TVue actuelle);

// Presses one button and releases the four others.
void EnfonceSeul(TBoutonVue bouton);

// Closes whatever editor is open before the drawing takes a click: the entry box committed, the frames, the
// wavelength list and the row highlight closed.
void FermeEditeursDessin();
// A double click on the drawing, once the editors are closed: the view it leaves for becomes current with its button
// the one pressed, its return flag kept in the shell's state. The status text to show (empty: the bar stays as it
// is), or nothing when the click changes no view.
std::optional<std::string> DessinDoubleClic();

// The zooms of the current star view: each doubles or halves its zoom, or disables itself at the limit.
void ZoomAvantExecute();
void ZoomArriereExecute();
// The field analysis's scale (view "Champ" only): 12, 24, 60, 150 for a focal system, 24 or 72 for an afocal one.
void ZoomPlusExecute();
void ZoomMoinsExecute();
// Switches the transverse aberrations of the single star on or off.
void TransversalesExecute();

// The edit box's cut, copy and paste go through the platform's clipboard.
void PlaceDansPressePapiers(const std::string& texte);
// Empty when the clipboard holds no text.
std::string TexteDuPressePapiers();
