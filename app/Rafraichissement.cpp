// The central refresh: every change of the design, of the view or of a setting ends by calling it.
#include "app/Rafraichissement.h"

#include "optics/Modele.h"

void RafraichitVue()
{
    RedessinePage();
    Edition.AMettreAJour = false;
}

void FermeCadresEtRafraichit()
{
    RafraichitVue();
}
