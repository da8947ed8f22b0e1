// Largest clear diameter of the lens device, read by the overall geometry and the illumination.
#pragma once

// `DiametreMaximalDispositif`: the largest device diameter (0 without rows), replaced by the
// central hole's diameter when that largest value is below 1 mm; for a Schmidt-Cassegrain without
// secondary also `DiametreObstructionDispositif`, the width the section views shade.
void CalculeDiametreMaximalDispositif();
