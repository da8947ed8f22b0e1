// Largest clear diameter of the lens device.
#include "optics/DiametreDispositif.h"

#include <algorithm>

#include "optics/Modele.h"

void CalculeDiametreMaximalDispositif() {
  const int n = std::clamp(Dispositif.NombreDioptres, 0, NombreMaxDioptres);
  double plusGrand = 0;
  for (int i = 1; i <= n; ++i) plusGrand = std::max(plusGrand, Dispositif.DiametreDioptre[i]);
  Instrument.DiametreMaximalDispositif = plusGrand < 1.0 ? Instrument.DiametreTrouCentral : plusGrand;
}
