// Start-up and shutdown: the program entry, the preparation of the main window's document, the help and about
// commands, and the close that removes this instance's files.
#pragma once

#include "app/Configuration.h"

#include <string>
#include <vector>

class TPrincipale;

// Creates the application, the question window and the main window, then runs the event loop.
int Demarre(int argc, char** argv);

// The instance files of number n in the program's folder, into Etat.
void NommeFichiersSession(const std::string& dossier, int n);

// "Remplacer le dispositif actuel" enabled when there is a device or a valid instrument; placing before or behind
// only when there is a device, and behind only when it is not afocal.
void ActiveCommandesDispositif();

// The command line as one path: every argument followed by one blank.
std::string CheminLigneDeCommande(const std::vector<std::string>& arguments);
// The characters after the last "\", "/" or double quote.
std::string CheminAfficheDe(const std::string& cheminDocument);

// What the main window's creation prepares once its widgets exist: help file, decimal mark, version, instance
// number and files, the default design, the configuration, the recent files, then the document of the command line
// or a new one, and the first refresh.
void FormCreate(TPrincipale& principale, const std::vector<std::string>& arguments);

// The close request of the main window (`requeteFermeture`) and the command "Quitter": the save question, then,
// unless cancelled, the configuration written and the instance's files removed. True when the program ends.
bool FermeProgramme(bool requeteFermeture, const TGeometrieFenetre& fenetre);

void AideExecute();
void SommaireExecute();
void AproposExecute();
void CopieSauvegardeExecute();
