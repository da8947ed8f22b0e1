// Klevtsov-Cassegrain: primary, entering-hole test, the lens group crossed towards its spherical
// secondary and back, hole-edge test. Entry frame: origin at the primary's vertex, z towards the
// sky; the group's positions are in it. After the secondary the frame is mirrored (z negated), as
// is the exit frame. A ray lost in the group ends the pass there.
#include "optics/TraceKlevtsov.h"

#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"

void TraceKlevtsov()
{
    TRayon& r = Rayon;
    RefleteMiroirPrimaire();
    TesteEntreeTrou();
    if (!TraverseGroupeKlevtsovAller())
        return;
    TVecteur impact;
    if (!RefleteSecondaire(Groupe.CentreGroupe[0], TFormeSecondaire::Convexe, false, impact))
        return;
    r.HauteurGroupeAller[0] = impact.x;
    if (!TraverseGroupeKlevtsovRetour())
        return;
    TesteBordTrou();
}
