// The openers of the surface tables' cells: the lens device (`Grille`), the lens group (`TableauKlevtsov`), the
// Klevtsov group's mirror row and the plate-glass row, on row `LigneCourante` of the table the caller chose.
#pragma once

#include <string>

void OuvreSaisieRayonDioptre();
void OuvreSaisieEpaisseurDioptre();
void OuvreSaisieDiametreDioptre();
void OuvreSaisieIndiceRouge();
void OuvreSaisieIndiceVert();
void OuvreSaisieIndiceBleu();
void OuvreSaisieMatiereDioptre();

void OuvreSaisieRayonGroupe();
void OuvreSaisieEpaisseurGroupe();
void OuvreSaisieDiametreGroupe();
void OuvreSaisieIndiceRougeGroupe();
void OuvreSaisieIndiceVertGroupe();
void OuvreSaisieIndiceBleuGroupe();
void OuvreSaisieMatiereGroupe();

void OuvreSaisieRayonLigneMiroir();
void OuvreSaisieDiametreLigneMiroir();
void OuvreSaisieEpaisseurLigneMiroir();

void OuvreSaisieIndiceRougeLame();
void OuvreSaisieIndiceVertLame();
void OuvreSaisieIndiceBleuLame();
void OuvreSaisieMatiereLame();

// Opens the cell of a code (2001 to 2007 on the device row, 2011 to 2020 on the group and its mirror row, 2054 to
// 2057 on the plate glass); any other code opens nothing.
void OuvreCellule(int code);

// A glass name without its leading and trailing blanks.
std::string SansBlancs(const std::string& texte);
