// Schmidt-Cassegrain: the Schmidt pass, the secondary's shadow, the entering-hole test on the
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
    TraceSchmidt();
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
