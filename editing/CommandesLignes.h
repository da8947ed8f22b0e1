// The row commands of the two surface tables (cut, copy, paste over, insert an empty row, insert the copied row) on
// the current row of the edited table, the one-row clipboard of each table, and the row frame "Edition du dioptre"
// that offers them under the highlighted row.
#pragma once

// What the row frame shows: its place on the page and which of its command buttons answer.
struct TCadreDioptreModele
{
    int Gauche = 0;
    int Haut = 0;
    bool CopierActif = false;
    bool CollerActif = false; // also "Insérer la ligne copiée"
    bool InsererActif = false;
};
inline TCadreDioptreModele CadreDioptreModele;

// The routines the replay runs too: each acts on `Edition.LigneCourante` of `Edition.TableEditee` (the lens device
// or the lens group), prepares or appends its record, and changes nothing else (no frame, no refresh). A row past
// the table counts as its last row; an insertion may also stand one past it, which appends the row.
//
// Inserts an empty row at the current row, the rows below moving down; false, with nothing changed, when the table
// is full (30 device rows, 13 group rows).
bool InsereLigneVide();
// The current row into the table's clipboard; appends nothing (the copy command does).
void CopieLigne();
// The table's clipboard over the current row; no record.
void EcritLigneCopiee();
// Copies, then removes the current row, the rows below moving up; the table keeps at least one row.
void CoupeLigne();
// The clipboard over the current row; nothing (a beep) while the clipboard is empty.
void ColleLigne();
// An empty row inserted, then the clipboard written in it; a full table or an empty clipboard changes nothing and
// beeps.
void InsereLigneCopiee();
// An empty row inserted; a full table changes nothing and beeps.
void InsereLigne();
// A new empty row after the lens group's last one, its radius opened; a beep and nothing else at 13 rows.
void AjouteLigneGroupe();

// The commands of the "Edition" menu and of the row frame: the routine, then the frame closed, the design marked
// modified and the view refreshed.
void CouperLigneExecute();
void CopierLigneExecute();
void CollerLigneExecute();
void InsererLigneExecute();
void InsererLigneCopieeExecute();

// The row frame under the highlighted row of the lens device or of the lens group (or under the Klevtsov's mirror row
// while no lens row is highlighted).
void OuvreCadreDioptre();
void OuvreCadreDioptreGroupe();
