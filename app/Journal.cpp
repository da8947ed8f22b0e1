// The edit journal file: appends, the rewrite after an undo or a failed write, and the reading, in UTF-8 with LF.
#include "app/Journal.h"

#include "app/Etat.h"
#include "app/Messages.h"
#include "editing/CodesJournal.h"
#include "editing/Nombres.h"
#include "optics/Modele.h"
#include "platform/Services.h"

#include <cstdint>

namespace {

bool EcritEnregistrement(IEcritureTexte& fichier, const TEnregistrementJournal& enregistrement)
{
    return fichier.EcritLigne(std::to_string(enregistrement.Code)) &&
           fichier.EcritLigne(std::to_string(enregistrement.Index)) && fichier.EcritLigne(enregistrement.Valeur);
}

bool AjouteAuFichier(const TEnregistrementJournal& enregistrement)
{
    // A journal file gone behind the run's back would start again at this record: it is rewritten whole instead.
    if (Journal.Enregistrements.size() > 1 && !Services().Fichiers->Existe(Etat.CheminJournal))
        return false;
    auto ecriture = Services().Fichiers->OuvreEcriture(Etat.CheminJournal, TCodage::Utf8, TModeEcriture::Ajoute);
    const bool ecrit = EcritEnregistrement(*ecriture, enregistrement);
    return ecriture->Termine() && ecrit;
}

// A line that the file ends inside was being written when the run stopped.
bool LitLigneEntiere(ILectureTexte& fichier, std::string& ligne)
{
    return fichier.LitLigne(ligne) && fichier.LigneTerminee();
}

}

// A journal that can no longer be written makes undo, redo and recovery incomplete: the user hears of it once.
void SignaleEchecJournal()
{
    if (Journal.EchecSignale)
        return;
    Journal.EchecSignale = true;
    AfficheAvertissementLarge("Quivane - Journal",
                              "Le journal des modifications ne peut pas être écrit : annuler, rétablir et la "
                              "récupération d'une session interrompue seront incomplets.");
}

bool LitJournal(std::int32_t nombre, std::vector<TEnregistrementJournal>& enregistrements, bool* entier)
{
    enregistrements.clear();
    auto fichier = Services().Fichiers->OuvreLecture(Etat.CheminJournal);
    if (fichier->Erreur() != TErreurFichier::Aucune)
        return false;
    std::string code;
    std::string index;
    std::string valeur;
    bool complet = true;
    for (std::int32_t i = 0; i < nombre; ++i)
    {
        if (fichier->Fin())
            break;
        if (!fichier->LitLigne(code) || code.empty())
        {
            complet = false;
            break;
        }
        if (!fichier->LigneTerminee() || !LitLigneEntiere(*fichier, index) || !LitLigneEntiere(*fichier, valeur))
        {
            Etat.Reponse = 0;
            complet = false;
            break;
        }
        enregistrements.push_back({LitEntierSigne(code), LitEntierSigne(index), valeur});
    }
    if (entier != nullptr)
        *entier = complet && fichier->Fin() && fichier->Erreur() == TErreurFichier::Aucune;
    return true;
}

void AdopteJournal(std::vector<TEnregistrementJournal> enregistrements, bool fichierAJour)
{
    Journal.Enregistrements = std::move(enregistrements);
    Journal.NombreEnregistrementsJournal = static_cast<std::int32_t>(Journal.Enregistrements.size());
    Journal.FichierAJour = fichierAJour;
}

bool EcritJournalProvisoire(const std::vector<TEnregistrementJournal>& enregistrements)
{
    if (Etat.CheminJournalProvisoire.empty())
        return false;
    auto provisoire = Services().Fichiers->OuvreEcriture(Etat.CheminJournalProvisoire, TCodage::Utf8);
    bool reussi = provisoire->Erreur() == TErreurFichier::Aucune;
    for (const TEnregistrementJournal& enregistrement : enregistrements)
        reussi = reussi && EcritEnregistrement(*provisoire, enregistrement);
    if (provisoire->Termine() && reussi)
        return true;
    if (Services().Fichiers->Existe(Etat.CheminJournalProvisoire))
        Services().Fichiers->Supprime(Etat.CheminJournalProvisoire);
    return false;
}

namespace {

// The records in place of the journal file: written whole to the provisional file, which is then renamed over the
// journal file, so that a failure at any point leaves the previous file.
bool RemplaceJournal(const std::vector<TEnregistrementJournal>& enregistrements)
{
    return !Etat.CheminJournal.empty() && EcritJournalProvisoire(enregistrements) &&
           Services().Fichiers->Deplace(Etat.CheminJournalProvisoire, Etat.CheminJournal);
}

}

void AjouteAuJournal()
{
    if (Journal.RejeuEnCours || Journal.Arrete)
        return;
    if (Journal.CodeJournal == CodeJournalLectureConception)
        Journal.ValeurJournal = Etat.CheminDocument;
    std::int32_t& position = Edition.PositionJournal;
    std::int32_t& nombre = Journal.NombreEnregistrementsJournal;
    // After an undo the records past the position go; a position at the end (a commit leaves it there) cuts nothing.
    const bool coupe = position > 0 && position < nombre;
    if (Etat.CheminJournal.empty())
    {
        // Without the program's folder the records are only counted; an undo then finds no journal to replay.
        if (coupe)
            nombre = position;
        ++nombre;
    }
    else
    {
        if (coupe)
        {
            if (Journal.PositionEnregistree > position)
                Journal.PositionEnregistree = -1;
            Journal.Enregistrements.resize(static_cast<std::size_t>(position));
            Journal.FichierAJour = false;
        }
        const TEnregistrementJournal enregistrement{Journal.CodeJournal, Journal.IndexJournal, Journal.ValeurJournal};
        Journal.Enregistrements.push_back(enregistrement);
        nombre = static_cast<std::int32_t>(Journal.Enregistrements.size());
        // A record after a gap would rebuild a design that never was: where appending is not sure, the file is
        // rewritten whole, now or at the next record that can be written.
        Journal.FichierAJour =
            (Journal.FichierAJour && AjouteAuFichier(enregistrement)) || RemplaceJournal(Journal.Enregistrements);
        if (!Journal.FichierAJour)
            SignaleEchecJournal();
    }
    if (position > 0)
        position = nombre;
}

void AjouteEnregistrement(const TEnregistrementJournal& enregistrement)
{
    if (Journal.RejeuEnCours)
        return;
    Journal.CodeJournal = enregistrement.Code;
    Journal.IndexJournal = enregistrement.Index;
    Journal.ValeurJournal = enregistrement.Valeur;
    AjouteAuJournal();
}

std::vector<bool> PositionsEntreCommandes(std::span<const TEnregistrementJournal> enregistrements)
{
    // Each closing record puts the positions after its command's first record, up to its own, inside the command;
    // the marks are counted in one pass over the records, then summed position by position.
    const std::size_t n = enregistrements.size();
    std::vector<int> bords(n + 2, 0);
    for (std::size_t m = 0; m < n; ++m)
    {
        const TEnregistrementJournal& e = enregistrements[m];
        if (e.Code != CodeJournalFinCommande || e.Index < 2)
            continue;
        // The command's records come after the design the journal starts from; a count that reaches past it is
        // a damaged record, which closes nothing.
        const auto premier = static_cast<std::int64_t>(m) - e.Index;
        if (premier < 1)
            continue;
        ++bords[static_cast<std::size_t>(premier) + 1];
        --bords[m + 1];
    }
    std::vector<bool> entre(n + 1);
    int dedans = 0;
    for (std::size_t position = 0; position <= n; ++position)
    {
        dedans += bords[position];
        entre[position] = dedans == 0;
    }
    return entre;
}

bool PositionEntreCommandes(std::int32_t position)
{
    const std::vector<bool> entre = PositionsEntreCommandes(Journal.Enregistrements);
    return position <= 0 || static_cast<std::size_t>(position) >= entre.size() ||
           entre[static_cast<std::size_t>(position)];
}

void VideJournal()
{
    Journal.Arrete = false;
    Journal.Enregistrements.clear();
    Journal.FichierAJour = true;
    if (!Etat.CheminJournal.empty())
    {
        if (Services().Fichiers->Existe(Etat.CheminJournal))
            Services().Fichiers->Supprime(Etat.CheminJournal);
        Journal.FichierAJour = Services().Fichiers->OuvreEcriture(Etat.CheminJournal, TCodage::Utf8)->Termine();
        if (!Journal.FichierAJour)
            SignaleEchecJournal();
    }
    Journal.NombreEnregistrementsJournal = 0;
    Journal.PositionEnregistree = 1;
    Edition.PositionJournal = 0;
}
