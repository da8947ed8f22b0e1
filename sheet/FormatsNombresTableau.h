// The texts of the cells of the surface tables (lens device, lens group, plate glass, and their printed twins).
#pragma once

#include "optics/Modele.h"

#include <string>

// A radius: "Diaph." for a stop, "Plan" for a plane, blank when never given, else the signed value with fewer
// decimals as it grows.
std::string FormateRayonTableau(double rayon);
// A thickness of the lens device: "Infini" for the afocal output, blank when not entered.
std::string FormateEpaisseurDispositif(double epaisseur);
// A thickness of the lens group, whose rows hold longer distances: two thresholds ten times higher.
std::string FormateEpaisseurGroupe(double epaisseur);
// A diameter: blank when not entered.
std::string FormateDiametreTableau(double diametre);
// A refractive index: blank below 1 (no glass, or no line chosen).
std::string FormateIndiceTableau(float indice);
// The wavelength of a spectral line in nm ("#0.#"), blank when no line is chosen.
std::string FormateLongueurOnde(TLongueurOnde ligne);
