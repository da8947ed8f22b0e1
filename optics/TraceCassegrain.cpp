// Cassegrain family: primary, entering-hole test, convex aspheric secondary, hole-edge test.
// Entry frame: origin at the primary's vertex, z towards the sky. Exit frame: z negated, so that
// the light leaves the secondary towards +z, through the primary's plane (z = 0) to the focus.
#include "optics/TraceCassegrain.h"

#include "optics/Modele.h"
#include "optics/Noyaux.h"

void TraceCassegrain()
{
    TVecteur impact;
    RefleteMiroirs<TFormeSecondaire::Convexe, TTrouPrimaire::Cassegrain>(Dispositif.CentreDioptre[0], impact);
}
