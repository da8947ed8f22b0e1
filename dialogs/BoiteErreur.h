// The standard error box of the dialogs: a value refused in a dialog's box is reported there.
#pragma once

#include <string>

// Caption "Erreur", the error icon and one "OK" button, through the question window of the platform services.
void AfficheErreur(const std::string& texte);
