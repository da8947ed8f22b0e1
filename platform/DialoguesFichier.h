// The open and save-as file dialogs.
#pragma once

#include <optional>
#include <string>

// The filter of the design files, in the "label|pattern|label|pattern" form the dialogs take.
inline constexpr const char* FiltreFichiersQuivane = "Fichier Quivane *.qvd|*.qvd|Tous fichiers *.*|*.*";

struct TDemandeFichier
{
    std::string Titre{}; // e.g. "Quivane - Ouvrir un fichier"
    std::string Filtre = FiltreFichiersQuivane;
    std::string Dossier{}; // initial folder; empty: the dialog's own choice
    std::string Nom{}; // proposed file name or path
    std::string ExtensionParDefaut{}; // appended by the save dialog when the name has none, e.g. "qvd"
};

class IDialoguesFichier
{
public:
    virtual ~IDialoguesFichier() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> Ouvre(const TDemandeFichier& demande) = 0;
    // The chosen path, or nothing when the user cancelled. Never asks about overwriting: the caller does.
    virtual std::optional<std::string> EnregistreSous(const TDemandeFichier& demande) = 0;
};
