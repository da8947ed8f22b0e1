// The five view commands and their tool buttons.
#include "app/Vues.h"

#include "app/Rafraichissement.h"
#include "optics/Modele.h"

namespace {

bool& Bouton(TBoutonVue bouton)
{
    return Etat.BoutonsVue[static_cast<std::size_t>(bouton)];
}

const TVue NomsVues[] = {"Instrument", "Dispositif", "Champ", "Etoile Multiple", "Etoile Unique"};

void BasculeVue(TBoutonVue bouton)
{
    const TVue& nom = NomsVues[static_cast<std::size_t>(bouton)];
    Bouton(bouton) = Etat.VueCourante != nom;
    if (Bouton(bouton)) {
        EnfonceSeul(bouton);
        Etat.VueCourante = nom;
    }
    Edition.AMettreAJour = true;
    RafraichitVue();
}

}

void EnfonceSeul(TBoutonVue bouton)
{
    Etat.BoutonsVue.fill(false);
    Bouton(bouton) = true;
}

TVue VueDesBoutons(const TVue& actuelle)
{
    TVue vue = actuelle;
    if (!Etat.RetourEtoileMultiple && !Etat.RetourChamp && !Etat.RetourDispositif)
        vue = "Tableau";
    if (Bouton(TBoutonVue::Instrument))
        vue = "Instrument";
    if (!Etat.RetourDispositif && Bouton(TBoutonVue::Dispositif))
        vue = "Dispositif";
    if (!Etat.RetourChamp && Bouton(TBoutonVue::Champ))
        vue = "Champ";
    if (!Etat.RetourEtoileMultiple && Bouton(TBoutonVue::Etoiles))
        vue = "Etoile Multiple";
    if (Bouton(TBoutonVue::Unique))
        vue = "Etoile Unique";
    return vue;
}

void AfficheInstrumentExecute()
{
    BasculeVue(TBoutonVue::Instrument);
}

void AfficheDispositifdioptriqueExecute()
{
    Systeme.CalculInterrompu = false;
    BasculeVue(TBoutonVue::Dispositif);
}

void AnalyseduchampExecute()
{
    Systeme.CalculInterrompu = false;
    BasculeVue(TBoutonVue::Champ);
}

void EtoileMultipleExecute()
{
    Systeme.CalculInterrompu = false;
    BasculeVue(TBoutonVue::Etoiles);
}

void EtoileUniqueExecute()
{
    Systeme.CalculInterrompu = false;
    BasculeVue(TBoutonVue::Unique);
}
