// The list of the ten most recent files and the texts of their menu items.
#include "app/Historique.h"

#include "app/Etat.h"
#include "app/Texte.h"

std::string TexteHistorique(const std::string& entree)
{
    const std::string nom = ExtraitNomFichier(entree);
    if (NombreCaracteres(nom) < 47)
    {
        if (NombreCaracteres(entree) < 50)
            return entree;
        return DebutTexte(entree, 9) + "..." + FinTexte(entree, 50);
    }
    if (NombreCaracteres(nom) < 50)
        return nom;
    return DebutTexte(nom, 47) + "...";
}

void MetAJourHistorique()
{
    auto& fichiers = Etat.FichiersRecents;
    if (!Etat.CheminAffiche.empty())
    {
        fichiers[0] = Etat.CheminDocument;
        const std::string cheminSansBlancs = SupprimeBlancsAutour(Etat.CheminDocument);
        for (int i = 1; i <= NombreFichiersRecents; ++i)
        {
            if (!fichiers[i].empty() && fichiers[i].back() == ' ')
                fichiers[i].pop_back();
            if (SupprimeBlancsAutour(fichiers[i]) == cheminSansBlancs)
                fichiers[i].clear();
        }
        // One pass only: the entry emptied above leaves no hole; the last entry is pushed out below.
        for (int i = 1; i < NombreFichiersRecents; ++i)
            if (fichiers[i].empty())
                for (int j = i; j < NombreFichiersRecents; ++j)
                    fichiers[j] = fichiers[j + 1];
        for (int i = NombreFichiersRecents; i >= 1; --i)
            fichiers[i] = fichiers[i - 1];
    }
    MontreFichiersRecents();
}

void MontreFichiersRecents()
{
    for (int k = 1; k <= NombreFichiersRecents; ++k)
        Etat.TextesHistorique[k] = TexteHistorique(Etat.FichiersRecents[k]);
    MontreHistorique();
}

void RetireFichierRecent(int k)
{
    if (k < 1 || k > NombreFichiersRecents)
        return;
    auto& fichiers = Etat.FichiersRecents;
    for (int i = k; i < NombreFichiersRecents; ++i)
        fichiers[i] = fichiers[i + 1];
    fichiers[NombreFichiersRecents].clear();
}
