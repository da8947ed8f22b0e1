// The file dialogs scripted by a test: each dialog shown is recorded and takes the next prepared answer, a path or
// a cancel, which must be for a dialog of the same kind.
#pragma once

#include "Script.h"
#include "platform/DialoguesFichier.h"

#include <vector>

class TDialoguesFichierScriptes : public IDialoguesFichier
{
public:
    enum class TDialogue
    {
        Ouvrir,
        EnregistrerSous
    };
    struct TDemandeVue
    {
        TDialogue Dialogue;
        TDemandeFichier Demande;
    };

    std::optional<std::string> Ouvre(const TDemandeFichier& demande) override;
    std::optional<std::string> EnregistreSous(const TDemandeFichier& demande) override;

    // nothing: the user cancels.
    void RepondOuvre(std::optional<std::string> chemin) { Reponses.Ajoute({TDialogue::Ouvrir, std::move(chemin)}); }
    void RepondEnregistreSous(std::optional<std::string> chemin)
    {
        Reponses.Ajoute({TDialogue::EnregistrerSous, std::move(chemin)});
    }
    void Verifie() { Reponses.Verifie(); }

    std::vector<TDemandeVue> Demandes;

private:
    std::optional<std::string> Repond(TDialogue dialogue, const TDemandeFichier& demande);
    TScript<std::pair<TDialogue, std::optional<std::string>>> Reponses{"Dialogues de fichier"};
};
