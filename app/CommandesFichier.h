// The commands of the "Fichier" menu that start, open and combine designs, and the save question before them.
// The main window's handlers call these routines. Every command that reads a file shows the open dialog before it
// touches the design: Cancel, or a file that cannot be read, leaves the design, its names and the journal as they
// were.
#pragma once

#include "app/FichierLecture.h"

#include <string>

// The save question, asked only when the design is modified; the answer is left in Etat.Reponse (6, 7 or 2;
// 7 without a question when nothing changed).
void ConfirmeEnregistrement();
// The save question and, on "Oui", the save (Save as for a design without a path): true when the command may go on
// (Non, or a save that wrote).
bool EnregistreSiDemande();

// New: the save question (Annuler, or a save that did not happen, stops), then an empty design and journal.
void CreeNouveauDocument();

// Open: the save question, the open dialog, then the whole design of the chosen file.
void OuvreDocument();

// Open recent file k (1 to 10); an entry that cannot be read leaves the list.
void OuvreHistorique(int k);

// "Lire un instrument": another file's instrument replaces the design's; the lens device, the document's names stay.
void LitInstrument();

// "Remplacer le dispositif actuel", "Placer devant le dispositif actuel", "Placer derrière le dispositif actuel":
// another file's lens device replaces the design's or is placed before or behind it; the title of a placed device
// joins both titles with " & ". The document keeps its names and counts as modified.
void RemplaceDispoExecute();
void PlacerAvantDispoExecute();
void PlacerApresDispoExecute();

// The window's caption from the shown path: "Quivane - " and its file name, or "Quivane" alone.
void MontreTitreDocument();

// The device title after another file's device was read in this mode: the file's title when it replaced the
// device, else both titles joined by " & " in the order the two devices stand.
std::string TitreDispositifCombine(const TModeLecture& mode, const std::string& ancien, const std::string& lu);

// The reset before another file's instrument is read: the instrument as new, but the spectral lines and star
// settings, which that read does not take from the file, kept (the device's index columns stay those of its lines).
void ReinitialiseAvantLectureInstrument();
