// The glass choice of a table row from the catalogue's answer.
#include "editing/ChoixVerre.h"

#include "editing/EtatEdition.h"
#include "editing/Nombres.h"
#include "editing/OuvreCellules.h"
#include "editing/Valide.h"
#include "sheet/LignesEditees.h"

namespace {

constexpr std::size_t LargeurColonneIndice = 10;

std::string ColonneIndice(const std::string& texte)
{
    std::string colonne = texte.substr(0, LargeurColonneIndice);
    colonne.resize(LargeurColonneIndice, ' ');
    return colonne;
}

void VideReponse()
{
    MatiereChoisie = {};
    MatiereSelectionnee = false;
}

bool EstCelluleIndice(TCodeSaisie code)
{
    return (code >= SaisieIndiceRouge && code <= SaisieIndiceBleu) ||
           (code >= SaisieIndiceRougeGroupe && code <= SaisieIndiceBleuGroupe);
}

} // namespace

std::string TexteChoixVerre(const std::array<std::string, 4>& matiere)
{
    return ColonneIndice(matiere[1]) + ColonneIndice(matiere[2]) + ColonneIndice(matiere[3]) + matiere[0];
}

void AppliqueChoixVerre(TTableVerre table, int ligne)
{
    const bool groupe = table == TTableVerre::Groupe;
    const int maximum = groupe ? NombreMaxDioptresGroupe : NombreMaxDioptres;
    if (ligne < 1 || ligne > maximum)
        return;
    // A device row's glass is the medium behind its surface, one element further than the row.
    const auto element = static_cast<std::size_t>(groupe ? ligne : ligne + 1);
    std::array<float*, 3> indices =
        groupe ? std::array<float*, 3>{&Groupe.IndiceRougeGroupe[element], &Groupe.IndiceVertGroupe[element],
                                       &Groupe.IndiceBleuGroupe[element]}
               : std::array<float*, 3>{&Dispositif.IndiceRouge[element], &Dispositif.IndiceVert[element],
                                       &Dispositif.IndiceBleu[element]};
    for (std::size_t couleur = 0; couleur < 3; ++couleur)
        if (!MatiereChoisie[couleur + 1].empty())
            *indices[couleur] = static_cast<float>(LitNombre(MatiereChoisie[couleur + 1]));
    if (!MatiereChoisie[0].empty())
        (groupe ? Groupe.MatiereGroupe[element] : Dispositif.MatiereDioptre[element]) = MatiereChoisie[0];
    if (MatiereSelectionnee)
        PortsEdition.AjouteAuJournal({CodeJournalVerreCatalogue, groupe ? ligne + DecalageLigneGroupeVerre : ligne,
                                      TexteChoixVerre(MatiereChoisie)});
}

void ChoixVerreLigne()
{
    const TTableEditee table = Edition.TableEditee;
    if (table == TTableEditee::Aucune)
        return;
    VideReponse();
    PortsCatalogue.Montre();
    switch (table)
    {
    case TTableEditee::Aucune: return;
    case TTableEditee::Dispositif: AppliqueChoixVerre(TTableVerre::Dispositif, Edition.LigneCourante); break;
    case TTableEditee::Groupe: AppliqueChoixVerre(TTableVerre::Groupe, Edition.LigneCourante); break;
    // The plate glass is the lens group's first medium.
    case TTableEditee::Lame: AppliqueChoixVerre(TTableVerre::Groupe, 1); break;
    }
    if (MatiereSelectionnee)
    {
        Edition.AMettreAJour = true;
        Edition.DocumentModifie = true;
    }
}

void ChoixVerreClavierIndice()
{
    const TCodeSaisie code = EtatSaisie.CodeSaisie;
    if (!EstCelluleIndice(code))
        return;
    EtatSaisie.CodeSaisieMemorise = code;
    ValideSaisie();
    EtatSaisie.CodeSaisie = EtatSaisie.CodeSaisieMemorise;
    VideReponse();
    PortsCatalogue.Montre();
    AppliqueChoixVerre(code >= SaisieIndiceRougeGroupe ? TTableVerre::Groupe : TTableVerre::Dispositif,
                       Edition.LigneCourante);
    DessineLigneEditee();
    // The commit hid the box: the cell is opened again so that the open code always has its box, showing the index
    // now stored.
    OuvreCellule(code);
    if (MatiereSelectionnee)
    {
        Edition.AMettreAJour = true;
        Edition.DocumentModifie = true;
    }
}
