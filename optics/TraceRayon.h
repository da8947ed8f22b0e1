// The one entry through which every view, analysis and search traces a single ray.
#pragma once

// Runs the pass of the current form, then the lens device's surfaces when a valid device is
// switched on. Reads the inputs of `Rayon` and reports only through its records and flags.
// A ray the instrument lost (`RayonPerdu`) does not enter the device and stays lost; a real ray
// outside the secondary or flat does not enter it either.
void TraceRayon();
