// The instrument's outer dimensions, printed on the sheet and used by the sections to scale.
#pragma once

// Solves the system for the main colour, then sets `LongueurInstrument`, `EncombrementLateral`,
// `FinDispositif`, and by form the smallest flat `DiametreSecondaireMinimal` or the refractor's
// `LongueurTotale` and `DistanceApresGroupe`. Always clears `ConflitGeometrique`; an invalid
// instrument or device, or a failed solve, leaves the length at 0 and the rest as it was.
void CalculeGeometrieInstrument();
