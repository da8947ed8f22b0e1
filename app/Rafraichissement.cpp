// The central refresh: every change of the design, of the view or of a setting ends by calling it.
#include "app/Rafraichissement.h"

#include "app/Etat.h"
#include "app/Vues.h"
#include "optics/Modele.h"

void RafraichitVue()
{
    if (Systeme.CalculInterrompu)
        Etat.VueCourante = "Tableau";
    if (Etat.VueCourante == "Départ")
        Etat.BoutonsVue[static_cast<std::size_t>(TBoutonVue::Instrument)] = true;
    if (Edition.AMettreAJour && Etat.VueCourante != "Départ") {
        Etat.VueCourante = VueDesBoutons(Etat.VueCourante);
        Edition.AMettreAJour = false;
    }
    RedessinePage();
}

void FermeCadresEtRafraichit()
{
    RafraichitVue();
}
