// Schwarzschild: primary and concave aspheric secondary, the ray leaving from the secondary's hit;
// the focus lies between the mirrors, so there is no hole to test. Entry frame: origin at the
// primary's vertex, z towards the sky. Exit frame: z negated.
#include "optics/TraceSchwarzschild.h"

#include "optics/Modele.h"
#include "optics/Noyaux.h"

void TraceSchwarzschild()
{
    TVecteur impact;
    RefleteMiroirs<TFormeSecondaire::Concave, TTrouPrimaire::Aucun>(Dispositif.CentreDioptre[0], impact);
}
