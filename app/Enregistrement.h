// Save and Save as: the design written to the document's path or to a path chosen in the save dialog, the previous
// file kept as "<name>.bak".
#pragma once

#include <string>

// The last file step succeeded: Save as wrote the design (callers going on after a save question test it).
inline bool OperationFichierReussie = false;

// The name without a final ".qvd", ".bak" or ".tmp" (exact case); a shorter name or another ending is unchanged.
std::string RetireExtension(const std::string& nom);

// Etat.NomEnregistrement without its extension, followed by ".qvd".
void ForceExtension();

// The backup of a document: its extension replaced by ".bak", or ".bak" added when its file name has none.
std::string CheminSecours(const std::string& chemin);

// Save: writes the design to Etat.CheminDocument, the previous file becoming its backup when the option asks for
// it; a document without a path is saved as. Sets OperationFichierReussie.
void EnregistreDocument();

// Save as: asks for a path (again after "Non" to the overwrite question) and writes there, an overwritten file
// becoming the backup. Leaves Etat.Reponse 2 when the user gave up and OperationFichierReussie for the caller.
void EnregistreDocumentSous();
