// The design sheet: title, the instrument's block, the lens-device heading and the lens-device table `Grille`.
#pragma once

// Paints the whole sheet when AMettreAJour is set (emptying the value boxes first, so that only the values painted
// now can be hit), else repaints the lens-device table alone. Reads the derived values the refresh computed.
void DessineTableau();

// HauteurTitre, the height of the title line, measured on the sheet image (kept when there is none).
void MesureHauteurTitre();

// The table's fixed picture: the header with its titles, and each row's cells, spin and drop-down buttons.
class ICanevas;
void DessineGrilleFond(ICanevas& grille);
