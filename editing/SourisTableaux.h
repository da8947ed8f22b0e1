// The mouse on the surface tables: a press selects the row under the pointer and steps a value on its arrows, a
// release opens the cell, a row frame, the glass catalogue or a wavelength list. The lens-device table, the
// lens-group table and the highlighted row laid over either share one column layout; the Klevtsov's mirror row and
// the plate-glass row have layouts of their own. The window converts its events (pixels of each image) and calls
// these.
#pragma once

#include "optics/Crochets.h"
#include "optics/Modele.h"

// The column zones of a table row, left to right.
enum class TZoneLigne
{
    Aucune,
    BoutonLigne,
    Rayon,
    FlechesRayon,
    BoutonLentille,
    Epaisseur,
    FlechesEpaisseur,
    BoutonEpaisseur,
    Diametre,
    FlechesDiametre,
    BoutonDiametre,
    IndiceRouge,
    FlechesRouge,
    CatalogueRouge,
    IndiceVert,
    FlechesVert,
    CatalogueVert,
    IndiceBleu,
    FlechesBleu,
    CatalogueBleu,
    Matiere
};

// The zone of a table row at x, in pixels from the left of the table or of its highlighted row.
TZoneLigne ZoneLigne(int x);
// The row of a table image under y: 0 on the header, otherwise the row counted under it, kept within the table's
// rows (a point on the table's last pixel line is on its last row).
int LigneSousPointeur(TTableEditee table, int y);

// What the table frames of the lens shape, the thickness, the diameter and the flat mirror need, installed at
// start-up.
struct TPortsCadresTables
{
    void (*OuvreCadreLentille)(TTableEditee table) = [](TTableEditee) {
        CrochetAbsent("PortsCadresTables.OuvreCadreLentille");
    };
    void (*OuvreCadreEpaisseur)(TTableEditee table) = [](TTableEditee) {
        CrochetAbsent("PortsCadresTables.OuvreCadreEpaisseur");
    };
    // On the lens group, the current row past its last one is the Klevtsov's mirror row.
    void (*OuvreCadreDiametre)(TTableEditee table) = [](TTableEditee) {
        CrochetAbsent("PortsCadresTables.OuvreCadreDiametre");
    };
    void (*OuvreCadreMiroirPlan)() = [] { CrochetAbsent("PortsCadresTables.OuvreCadreMiroirPlan"); };
};
inline TPortsCadresTables PortsCadresTables;

void FicheGrilleMouseDown(int x, int y);
void FicheGrilleMouseUp(int x, int y);
void FicheTableauKlevtsovMouseDown(int x, int y);
void FicheTableauKlevtsovMouseUp(int x, int y);
void FicheLigneMouseDown(int x, int y);
void FicheLigneMouseUp(int x, int y);

// The Klevtsov's mirror row, plain and highlighted.
void FicheLigneMiroirMouseDown(int x, int y);
void FicheLigneMiroirMouseUp(int x, int y);
void FicheLigneMiroirActiveMouseDown(int x, int y);
void FicheLigneMiroirActiveMouseUp(int x, int y);

// The plate or meniscus glass: its highlighted row and the whole table with its wavelength cells.
void FicheLigneSchmidtMouseDown(int x, int y);
void FicheLigneSchmidtMouseUp(int x, int y);
void FicheTableauSchmidtMouseDown(int x, int y);
void FicheTableauSchmidtMouseUp(int x, int y);

// The pressed look of a row's drop-down button: a press on it closes the frames, and it goes.
void FicheAppuiDerouleMouseDown();
void FicheAppuiDerouleMouseUp();
