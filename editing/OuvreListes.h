// The openers of the wavelength list over a header cell: of the lens-device or lens-group table (`TableEditee` 1
// or 2; codes 1001 to 1003) and of the plate-glass table (codes 57 to 59). The entry box is hidden while the list
// is open, so these are the one case where a field code stands with no box shown.
#pragma once

void OuvreListeLongueurOndeRouge();
void OuvreListeLongueurOndeVerte();
void OuvreListeLongueurOndeBleue();
void OuvreListeLongueurOndeRougeLame();
void OuvreListeLongueurOndeVerteLame();
void OuvreListeLongueurOndeBleueLame();
