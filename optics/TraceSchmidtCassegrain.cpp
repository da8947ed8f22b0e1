// Schmidt-Cassegrain: the plate and the primary, the secondary's shadow, the entering-hole test on the
// reflected ray, the spherical secondary and the hole-edge test. Entry frame: the Schmidt pass's.
// After the primary: origin at its vertex, z towards the plate; after the secondary, z negated.
#include "optics/TraceSchmidtCassegrain.h"

#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"
#include "optics/TraceSchmidt.h"

void TraceSchmidtCassegrain()
{
    TRayon& r = Rayon;
    // Not the camera's obstruction tests: they would take the secondary's plane from the final focus, not
    // the primary's, and stop every ray the mirror reflects wider than the secondary there.
    TraceLameEtMiroir();
    if (r.RayonPerdu)
        return;
    const double rayonSecondaire = static_cast<double>(Instrument.DiametreSecondaire) / 2.0;
    r.ManqueSecondaire = CarreEntrantDepuisImpact(Instrument.FocaleEffective) < rayonSecondaire * rayonSecondaire;
    r.RayonBloque = r.RayonBloque || r.ManqueSecondaire;
    TesteEntreeTrouReflechi();
    TVecteur impact;
    if (!RefleteSecondaire(Dispositif.CentreDioptre[0], TFormeSecondaire::Spherique, false, impact))
        return;
    MesureDistanceTrou(Dispositif.CentreDioptre[0], impact);
    TesteBordTrou();
}
