// Houghton-Cassegrain: the Lurie-Houghton pass, the entering-hole test on the reflected ray, the
// spherical secondary (centre CentreGroupe[0]) and the hole-edge test. Frames: the Lurie-Houghton
// pass's, then z negated after the secondary.
#include "optics/TraceHoughtonCassegrain.h"

#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"
#include "optics/TraceLurieHoughton.h"

void TraceHoughtonCassegrain()
{
    TraceLurieHoughton();
    if (Rayon.RayonPerdu)
        return;
    TesteEntreeTrouReflechi();
    TVecteur impact;
    if (!RefleteSecondaire(Groupe.CentreGroupe[0], TFormeSecondaire::Spherique, false, impact))
        return;
    MesureDistanceTrou(Groupe.CentreGroupe[0], impact);
    TesteBordTrou();
}
