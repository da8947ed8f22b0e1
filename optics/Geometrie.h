// The instrument's outer dimensions, printed on the sheet and used by the sections to scale.
#pragma once

// Solves the system for the main colour, then sets `LongueurInstrument`, `EncombrementLateral`,
// `FinDispositif`, and by form the smallest flat `DiametreSecondaireMinimal` or the refractor's
// `LongueurTotale` and `DistanceApresGroupe`. Always clears `ConflitGeometrique`; an invalid
// instrument or device, or a failed solve, leaves the length at 0 and the rest as it was.
void CalculeGeometrieInstrument();

// The edge thickness of a Schmidt-type primary as the sections draw it: the one given, else a tenth of the mirror.
// The lengths that depend on it take it from the design, not from the last drawing: an undo or a view without the
// section leaves no drawing to read.
double EpaisseurBordPrimaireSchmidt();
