// The program's message boxes and its yes/no question, all shown in the one question window.
#pragma once

#include <string>

// Each box beeps (exclamation), then waits for the user; the answer is left in Etat.Reponse and
// Etat.BoutonInterrogation (6 for Ok or Oui, 7 for Non).
void AfficheAvertissement(const std::string& titre, const std::string& texte);
void AfficheAvertissementLarge(const std::string& titre, const std::string& texte);
void AfficheMessageDisque(const std::string& titre, const std::string& texte);
void PoseQuestion(const std::string& titre, const std::string& texte);
// The plain box of a report or a refusal: caption "Quivane", no icon, no beep, one "OK"; the box grows with the text's
// lines.
void AfficheMessage(const std::string& texte);

// The system beep of the installed services, for the hooks of the routines that cannot reach them.
void SonneBip(int type);
