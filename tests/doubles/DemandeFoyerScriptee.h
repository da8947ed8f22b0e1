// The two focus-search requests scripted by a test: each request shown is recorded with the value that failed and
// takes the next prepared answer, a text or a stop, which must be for a request of the same kind.
#pragma once

#include "Script.h"
#include "platform/DemandeFoyer.h"

#include <vector>

class TDemandeFoyerScriptee : public IDemandeFoyer
{
public:
    enum class TDemande
    {
        DistanceFoyerDioptre,
        DecalageFoyer
    };
    struct TDemandeVue
    {
        TDemande Demande;
        double ValeurPrecedente;
    };

    std::optional<std::string> DemandeDistanceFoyerDioptre(double distancePrecedente) override;
    std::optional<std::string> DemandeDecalageFoyer(double decalagePrecedent) override;

    // nothing: the user stops the search.
    void RepondDistance(std::optional<std::string> texte)
    {
        Reponses.Ajoute({TDemande::DistanceFoyerDioptre, std::move(texte)});
    }
    void RepondDecalage(std::optional<std::string> texte)
    {
        Reponses.Ajoute({TDemande::DecalageFoyer, std::move(texte)});
    }
    void Verifie() { Reponses.Verifie(); }

    std::vector<TDemandeVue> Demandes;

private:
    std::optional<std::string> Repond(TDemande demande, double precedente);
    TScript<std::pair<TDemande, std::optional<std::string>>> Reponses{"Demandes de mise au point"};
};
