// The small images laid over the tables: the highlighted current row, the Klevtsov group's active mirror row, the
// plate glass row, the plate or meniscus glass table and the plate coefficient's spin box.
#pragma once

#include <string>

// The current row `LigneCourante` of the edited table (1 lens device, 2 lens group; nothing for the others) on
// `Ligne` while it is shown, and for the lens group the active mirror row while it is shown.
void DessineLigneEditee();
// The glass row of the plate or meniscus (group entry 1) on `LigneSchmidt`, while it is shown; hides `Ligne`.
void DessineLigneSchmidt();
// The plate or meniscus glass table; for the Maksutov forms also the meniscus line with its boxes (slots 4, 5, 6).
void DessineTableauSchmidt();
// The text of the plate coefficient's spin box, right-aligned against its arrows.
void DessineCaseArl(const std::string& texte);
// The plate glass row becomes the edited table unless a row of another table is highlighted or a wavelength list
// is open.
void RendLameEditee();
