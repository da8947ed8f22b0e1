// Maksutov-Cassegrain: the Maksutov pass, the entering-hole test, the convex secondary (its sag
// searched only when it is aspheric) and the hole-edge test. Frames: the Maksutov pass's, then z
// negated after the secondary.
#include "optics/TraceMaksutovCassegrain.h"

#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"
#include "optics/TraceMaksutov.h"

void TraceMaksutovCassegrain()
{
    TRayon& r = Rayon;
    TraceMaksutov();
    if (r.RayonPerdu)
        return;
    TesteEntreeTrou();
    const double centre = Dispositif.CentreDioptre[0];
    const bool aspherique = EstAspherique(Instrument.CoefficientDeformationSecondaire);
    TVecteur impact;
    if (!RefleteSecondaire(centre, TFormeSecondaire::Convexe, aspherique, impact))
        return;
    r.HauteurImpactSecondaire = static_cast<float>(impact.x);
    r.CoteImpactSecondaire = static_cast<float>(centre - impact.z);
    TesteBordTrou();
}
