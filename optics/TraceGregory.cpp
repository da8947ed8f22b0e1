// Gregory: primary, entering-hole test, concave aspheric secondary beyond the primary's focus, and
// the two hole-edge tests. Frames as the Cassegrain's: entry z towards the sky, exit z negated.
#include "optics/TraceGregory.h"

#include "optics/Modele.h"
#include "optics/Noyaux.h"

void TraceGregory()
{
    TVecteur impact;
    RefleteMiroirs<TFormeSecondaire::Concave, TTrouPrimaire::Gregory>(Dispositif.CentreDioptre[0], impact);
}
