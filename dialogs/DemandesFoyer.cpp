// The focus searches' requests, from the solver's hooks to the request service.
#include "dialogs/DemandesFoyer.h"

#include "editing/Nombres.h"
#include "optics/Modele.h"

std::optional<std::string> TDemandesFoyer::DemandeDistanceFoyerDioptre(double distancePrecedente)
{
    return DistanceDunForm.Demande(distancePrecedente);
}

std::optional<std::string> TDemandesFoyer::DemandeDecalageFoyer(double decalagePrecedent)
{
    return DistanceDeltaFunForm.Demande(decalagePrecedent);
}

bool DemandeDistanceFoyerDioptre()
{
    IDemandeFoyer* demande = DemandeFoyerInstallee();
    if (demande == nullptr)
    {
        return false;
    }
    const std::optional<std::string> texte =
        demande->DemandeDistanceFoyerDioptre(Systeme.DistanceFoyerDioptrePrecedente);
    if (!texte || !EstNombreSaisi(*texte))
    {
        return false;
    }
    Systeme.DistanceFoyerDioptre = LitNombre(*texte, PolitiqueDialogue);
    return true;
}

// The value typed is taken at OK as well as at Enter: a value confirmed only by OK would otherwise
// be lost and the search would start again from the shift that had just failed.
bool DemandeDecalageFoyer()
{
    IDemandeFoyer* demande = DemandeFoyerInstallee();
    if (demande == nullptr)
    {
        return false;
    }
    const std::optional<std::string> texte = demande->DemandeDecalageFoyer(Systeme.DecalageFoyerPrecedent);
    if (!texte)
    {
        return false;
    }
    if (EstNombreSaisi(*texte))
    {
        Systeme.DecalageFoyerInitial = LitNombre(*texte, PolitiqueDialogue);
    }
    return true;
}
