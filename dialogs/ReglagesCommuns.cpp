// What the settings dialogs share.
#include "dialogs/ReglagesCommuns.h"

#include "editing/Nombres.h"
#include "editing/Ports.h"
#include "optics/Modele.h"

std::string EntierEmballe(std::int32_t valeur, int largeur)
{
    std::string texte = std::to_string(valeur);
    if (static_cast<int>(texte.size()) < largeur)
        texte.insert(0, static_cast<std::size_t>(largeur) - texte.size(), '0');
    return texte + ' ';
}

std::string DrapeauEmballe(bool drapeau)
{
    return drapeau ? "1 " : "0 ";
}

std::vector<std::string> Mots(std::string_view valeur)
{
    std::vector<std::string> mots;
    std::size_t debut = valeur.find_first_not_of(' ');
    while (debut != std::string_view::npos)
    {
        const std::size_t fin = valeur.find(' ', debut);
        mots.emplace_back(valeur.substr(debut, fin == std::string_view::npos ? fin : fin - debut));
        debut = fin == std::string_view::npos ? fin : valeur.find_first_not_of(' ', fin);
    }
    return mots;
}

std::optional<std::int32_t> EntierDansLimites(std::string_view mot, std::int32_t minimum, std::int32_t maximum)
{
    if (ReconnaitNombre(mot, PolitiqueDialogue) != NombreEntier)
        return std::nullopt;
    const double valeur = LitNombre(mot, PolitiqueDialogue);
    if (valeur < minimum || valeur > maximum)
        return std::nullopt;
    return static_cast<std::int32_t>(valeur);
}

std::optional<bool> DrapeauLu(std::string_view mot)
{
    if (mot == "1" || mot == "0")
        return mot == "1";
    return std::nullopt;
}

void TermineReglages(bool change, TCodeJournal code, std::int32_t index, const std::string& valeur, bool modifie)
{
    if (change)
    {
        Edition.AMettreAJour = true;
        if (modifie)
            Edition.DocumentModifie = true;
        PortsEdition.AjouteAuJournal({code, index, valeur});
    }
    PortsEdition.RafraichitVue();
}
