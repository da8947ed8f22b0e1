// Lurie-Houghton: the corrector group (rows 1..N), the spherical primary, its edge and the flat's
// or secondary's tests. Entry frame: origin at the corrector's first surface, z towards the
// mirror, which lies DistanceLameMiroir beyond. Exit frame: origin at the mirror's vertex, z back
// towards the corrector. The validity the callers established gates the group's kernels.
#include "optics/TraceLurieHoughton.h"

#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"

void TraceLurieHoughton()
{
    TRayon& r = Rayon;
    const TInstrument& in = Instrument;
    const double distanceMiroir = static_cast<double>(in.DistanceLameMiroir);
    if (!TraverseCorrecteurEtPrimaire(NombreSurfacesGroupe(), distanceMiroir, false))
        return;
    TesteBordMiroirCorrecteur();
    if (r.EstRayonReference)
    {
        r.RayonBloque = false;
        return;
    }
    const bool cassegrain = in.TypeInstrument == TTypeInstrument::HoughtonCassegrain;
    const double plan =
        in.FocalePrimaire - (cassegrain ? in.DistanceFoyerPrimaireSecondaire : in.DistanceSecondaireFoyer);
    const double rayonSecondaire = static_cast<double>(in.DiametreSecondaire) / 2.0;
    r.DansOmbreSecondaire = CarreEntrantDepuisPupille(plan) < in.RayonObstructionCarre;
    r.CarreDistanceAxe[0] = CarreReflechi(plan);
    r.HorsSecondaire = rayonSecondaire * rayonSecondaire < r.CarreDistanceAxe[0];
    r.ManqueSecondaire = r.DansOmbreSecondaire || r.HorsSecondaire;
    r.RayonBloque = r.RayonBloque || r.ManqueSecondaire;
}
