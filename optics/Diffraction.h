// Radius of the diffraction spot (Airy disc) of the instrument.
#pragma once

// Obstruction factor k of the first dark ring's radius k lambda F / D for an obstruction ratio
// `e` in 0..1 (1.22 for a clear aperture, 0.947 from 0.6 on).
float FacteurObstruction(float e);

// `TacheDiffractionMicrons`, `TacheDiffractionSecondes`, `RayonAiryImage` and `FacteurAiry` from
// the aperture, the obstruction, `FocaleObjectif` and the green line (550 nm when none is chosen).
void CalculeTacheDiffraction();
