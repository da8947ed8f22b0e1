// Largest clear diameter of the lens device.
#include "optics/DiametreDispositif.h"

#include <algorithm>

#include "optics/Modele.h"

void CalculeDiametreMaximalDispositif()
{
    const int n = std::clamp(Dispositif.NombreDioptres, 0, NombreMaxDioptres);
    double plusGrand = 0;
    for (int i = 1; i <= n; ++i)
        plusGrand = std::max(plusGrand, Dispositif.DiametreDioptre[i]);
    Instrument.DiametreMaximalDispositif = plusGrand < 1.0 ? Instrument.DiametreTrouCentral : plusGrand;

    // A Schmidt-Cassegrain without secondary carries the device inside the converging beam, which it
    // shadows over the beam's width at the plate (or the device's own width when larger). Before
    // the focus is solved there is no beam to measure.
    if (Instrument.TypeInstrument == TTypeInstrument::SchmidtCassegrain && Validite.SansSecondaire)
    {
        const double F = Instrument.FocaleEffective;
        const double faisceau = F > 0 ? (F - Instrument.DistanceLameMiroir) / F * Instrument.DiametreEntree : 0.0;
        Instrument.DiametreObstructionDispositif = std::max(faisceau, Instrument.DiametreMaximalDispositif);
    }
}
