// The edit journal file: appends, the cut after an undo, the rewrite and the reading, in UTF-8 with LF.
#include "app/Journal.h"

#include "app/Etat.h"
#include "app/Messages.h"
#include "editing/Nombres.h"
#include "optics/Modele.h"
#include "platform/Services.h"

namespace {

// A journal that can no longer be written makes undo, redo and recovery incomplete: the user hears of it once.
void SignaleEchec()
{
    if (Journal.EchecSignale)
        return;
    Journal.EchecSignale = true;
    AfficheAvertissementLarge("Quivane - Journal",
                              "Le journal des modifications ne peut pas être écrit : annuler, rétablir et la "
                              "récupération d'une session interrompue seront incomplets.");
}

bool EcritEnregistrement(IEcritureTexte& fichier, const TEnregistrementJournal& enregistrement)
{
    return fichier.EcritLigne(std::to_string(enregistrement.Code)) &&
           fichier.EcritLigne(std::to_string(enregistrement.Index)) && fichier.EcritLigne(enregistrement.Valeur);
}

}

bool LitJournal(std::int32_t nombre, std::vector<TEnregistrementJournal>& enregistrements)
{
    enregistrements.clear();
    auto fichier = Services().Fichiers->OuvreLecture(Etat.CheminJournal);
    if (fichier->Erreur() != TErreurFichier::Aucune)
        return false;
    std::string code;
    std::string index;
    std::string valeur;
    for (std::int32_t i = 0; i < nombre; ++i)
    {
        if (!fichier->LitLigne(code) || code.empty())
            break;
        // A record cut short is the last append of a run that stopped while writing it: only its start exists.
        if (!fichier->LitLigne(index) || !fichier->LitLigne(valeur))
        {
            Etat.Reponse = 0;
            break;
        }
        enregistrements.push_back({LitEntierSigne(code), LitEntierSigne(index), valeur});
    }
    return true;
}

bool RemplaceJournal(const std::vector<TEnregistrementJournal>& enregistrements)
{
    if (Etat.CheminJournal.empty() || Etat.CheminJournalProvisoire.empty())
        return false;
    auto provisoire = Services().Fichiers->OuvreEcriture(Etat.CheminJournalProvisoire, TCodage::Utf8);
    bool reussi = provisoire->Erreur() == TErreurFichier::Aucune;
    for (const TEnregistrementJournal& enregistrement : enregistrements)
        reussi = reussi && EcritEnregistrement(*provisoire, enregistrement);
    reussi = provisoire->Termine() && reussi;
    if (reussi)
        return Services().Fichiers->Deplace(Etat.CheminJournalProvisoire, Etat.CheminJournal);
    if (Services().Fichiers->Existe(Etat.CheminJournalProvisoire))
        Services().Fichiers->Supprime(Etat.CheminJournalProvisoire);
    return false;
}

void AjouteAuJournal()
{
    if (Journal.RejeuEnCours)
        return;
    if (Journal.CodeJournal == CodeJournalLectureConception)
        Journal.ValeurJournal = Etat.CheminDocument;
    // Without the program's folder the records are only counted; an undo then finds no journal to read.
    const bool fichier = !Etat.CheminJournal.empty();
    const bool coupe = Edition.PositionJournal > 0;
    if (coupe)
    {
        // The undone records go: the count is what was actually kept.
        std::vector<TEnregistrementJournal> gardes;
        if (fichier && (!LitJournal(Edition.PositionJournal, gardes) || !RemplaceJournal(gardes)))
            SignaleEchec();
        Journal.NombreEnregistrementsJournal =
            fichier ? static_cast<std::int32_t>(gardes.size()) : Edition.PositionJournal;
    }
    ++Journal.NombreEnregistrementsJournal;
    if (fichier)
    {
        auto ecriture = Services().Fichiers->OuvreEcriture(Etat.CheminJournal, TCodage::Utf8, TModeEcriture::Ajoute);
        const bool ecrit =
            EcritEnregistrement(*ecriture, {Journal.CodeJournal, Journal.IndexJournal, Journal.ValeurJournal});
        if (!ecriture->Termine() || !ecrit)
            SignaleEchec();
    }
    if (coupe)
        Edition.PositionJournal = Journal.NombreEnregistrementsJournal;
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

void VideJournal()
{
    if (!Etat.CheminJournal.empty())
    {
        if (Services().Fichiers->Existe(Etat.CheminJournal))
            Services().Fichiers->Supprime(Etat.CheminJournal);
        if (!Services().Fichiers->OuvreEcriture(Etat.CheminJournal, TCodage::Utf8)->Termine())
            SignaleEchec();
    }
    Journal.NombreEnregistrementsJournal = 0;
    Edition.PositionJournal = 0;
}
