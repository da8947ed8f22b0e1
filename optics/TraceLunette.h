// The pass of the refractor, and the search for its usable aperture.
#pragma once

void TraceLunette();

// Shrinks the on-axis marginal ray by 1 % per trace, from DiametreEntree / 2, until it passes every
// surface of the objective within its clear diameter: `DiametreObjectif`, `OuvertureLunetteCalculee`.
// After 10000 traces without a passing ray the instrument becomes invalid.
void CalculeOuvertureLunette();
