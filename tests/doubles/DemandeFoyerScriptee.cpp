// The scripted focus-search requests.
#include "DemandeFoyerScriptee.h"

std::optional<std::string> TDemandeFoyerScriptee::DemandeDistanceFoyerDioptre(double distancePrecedente)
{
    return Repond(TDemande::DistanceFoyerDioptre, distancePrecedente);
}

std::optional<std::string> TDemandeFoyerScriptee::DemandeDecalageFoyer(double decalagePrecedent)
{
    return Repond(TDemande::DecalageFoyer, decalagePrecedent);
}

std::optional<std::string> TDemandeFoyerScriptee::Repond(TDemande demande, double precedente)
{
    Demandes.push_back({demande, precedente});
    const char* nom =
        demande == TDemande::DistanceFoyerDioptre ? "distance foyer - premier dioptre" : "décalage du foyer";
    const auto reponse = Reponses.Suivante(nom);
    if (!reponse)
        return std::nullopt;
    if (reponse->first != demande)
    {
        ADD_FAILURE() << "Demandes de mise au point : " << nom << " demandé à la place de l'autre valeur";
        return std::nullopt;
    }
    return reponse->second;
}
