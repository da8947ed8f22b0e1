// The fixed pictures under the values of the lens-device table's rows and of the small images laid over the tables:
// cells, rules, spin and drop-down buttons and the titles, painted before the values each time.
#pragma once

class ICanevas;

// A row of the lens-device table from its top `haut`: the cells in button face, their rules and buttons between the
// table's x `debut` and `fin` (both rules drawn), the whole moved right by `decalage` px.
void DessineLigneFond(ICanevas& canevas, int haut, int debut = 1, int fin = 761, int decalage = 0);

// The Klevtsov mirror row while edited: the number, radius, thickness and diameter cells with their buttons, then
// white up to the end, "Miroir" across the glass column.
void DessineFondLigneMiroirActive(ICanevas& canevas);
// The plate-glass row laid over the plate table's glass row: the index cells with their spin and catalogue
// buttons, then the glass cell.
void DessineFondLigneSchmidt(ICanevas& canevas);
// The plate or meniscus glass table: "Lame correctrice" on the left; on the right the index titles with their
// wavelength cells and "Matière" over the glass row.
void DessineFondTableauSchmidt(ICanevas& canevas);
// The plate coefficient's spin box: the value field, then its up and down arrows from x 41.
void DessineFondCaseArl(ICanevas& canevas);
