// The scripted file dialogs.
#include "DialoguesFichierScriptes.h"

std::optional<std::string> TDialoguesFichierScriptes::Ouvre(const TDemandeFichier& demande)
{
    return Repond(TDialogue::Ouvrir, demande);
}

std::optional<std::string> TDialoguesFichierScriptes::EnregistreSous(const TDemandeFichier& demande)
{
    return Repond(TDialogue::EnregistrerSous, demande);
}

std::optional<std::string> TDialoguesFichierScriptes::Repond(TDialogue dialogue, const TDemandeFichier& demande)
{
    Demandes.push_back({dialogue, demande});
    const auto reponse = Reponses.Suivante("\"" + demande.Titre + "\"");
    if (!reponse)
        return std::nullopt;
    if (reponse->first != dialogue)
    {
        ADD_FAILURE() << "Dialogues de fichier : \"" << demande.Titre << "\" ouvert à la place de l'autre dialogue";
        return std::nullopt;
    }
    return reponse->second;
}
