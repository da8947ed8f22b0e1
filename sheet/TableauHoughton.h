// The Houghton corrector's table of the Lurie-Houghton and Houghton-Cassegrain forms, on the sheet and on paper.
#pragma once

#include "platform/Canevas.h"
#include "sheet/TableauGroupe.h"

// How the corrector's table reads: its title, a stop as "Diaph." on the sheet and "Diaphragme" on paper, and the
// sheet's longer thickness thresholds.
extern const TPresentationGroupe PresentationHoughton;

// Places TableauKlevtsov 18 px below the block's last line (OrdonneeCourante, the line of box 12) with
// NombreLignesHoughton rows, paints it, and puts the device heading 14 px below it.
void DessineGroupeHoughton();

// Prints the ruled table from OrdonneeCourante (the table's top) on the report's font; leaves OrdonneeCourante on
// the rows' base line, from which the caller counts the group's rows and one more line.
void ImprimeGroupeHoughton(ICanevas& canevas);
