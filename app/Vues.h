// The five view commands and their tool buttons: each only presses or releases the buttons, names the view and
// asks for the central refresh, which decides the view shown from the buttons.
#pragma once

#include "app/Etat.h"

void AfficheInstrumentExecute();
void AfficheDispositifdioptriqueExecute();
void AnalyseduchampExecute();
void EtoileMultipleExecute();
void EtoileUniqueExecute();

// The view named by the buttons, each later rule overriding the earlier ones; `actuelle` stays when no rule applies.
TVue VueDesBoutons(const TVue& actuelle);

// Presses one button and releases the four others.
void EnfonceSeul(TBoutonVue bouton);
