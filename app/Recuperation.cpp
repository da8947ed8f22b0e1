// Start-up's recovery of the journal left by an interrupted run.
#include "app/Recuperation.h"

#include "app/CommandesFichier.h"
#include "app/Etat.h"
#include "app/FichierEcriture.h"
#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "app/Rejeu.h"
#include "app/Texte.h"
#include "editing/EtatEdition.h"
#include "editing/OuvreSaisie.h"
#include "optics/GenresBip.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "platform/Bip.h"
#include "platform/Services.h"
#include "sheet/Fiche.h"

#include <cstddef>
#include <vector>

namespace {

const std::string TitreRecuperation = "Quivane - Récupération";

TReponse Question()
{
    MessageBeep(BipExclamation);
    TQuestion question;
    question.Titre = TitreRecuperation;
    question.Ligne1 = "Voulez-vous récupérer la dernière session interrompue ?";
    question.Icone = TIconeQuestion::Interrogation;
    question.Boutons = TBoutonsQuestion::OuiNon;
    question.LibelleOk = "&Oui";
    return Services().Question == nullptr ? ReponseNon : Services().Question->Pose(question);
}

bool Existe(const std::string& chemin)
{
    return !chemin.empty() && Services().Fichiers->Existe(chemin);
}

void SupprimeSiPresent(const std::string& chemin)
{
    if (Existe(chemin))
        Services().Fichiers->Supprime(chemin);
}

void EffaceTableauLame()
{
    if (ImagesFiche.TableauSchmidt != nullptr)
    {
        ICanevas& canevas = *ImagesFiche.TableauSchmidt;
        canevas.Stylo().Style = TStyleStylo::Transparent;
        canevas.Pinceau() = TPinceau{clBtnFace, TStylePinceau::Plein};
        canevas.Rectangle(5, 21, 312, 41);
    }
    Controles.TableauSchmidt.Visible = false;
}

// The design rebuilt from every record of the journal.
void Reconstruit()
{
    Edition.PositionJournal = PositionRecuperation;
    Etat.CheminAffiche.clear();
    InitialiseInstrument();
    InitialiseDispositif();
    InitialiseLongueursOnde();
    EffaceTableauLame();
    EtatSaisie.CodeSaisie = AucuneSaisie;
    Edition.DocumentModifie = false;
    Edition.InstrumentDeveloppe = true;
    FermeCadresEtRafraichit();
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
    // The records become the running journal, so that the base design read first is not taken for a new one. A
    // file that ends inside a record is not appended to: the next write puts the whole journal in its place.
    std::vector<TEnregistrementJournal> enregistrements;
    bool entier = false;
    LitJournal(PositionRecuperation, enregistrements, &entier);
    AdopteJournal(std::move(enregistrements), entier);
    RejoueJournal();
    // The base copy is written before any refresh: it gets the values the refresh after the last change gave.
    RecalculeConception();
    // The empty row that a glass name added after the last row stays: it is part of the design the user had, and
    // of the file the user would have saved.
    Edition.TableEditee = TTableEditee::Dispositif;
}

// The rebuilt design becomes the base copy and the journal the one record that reads it, in one step: the new pair
// is written whole beside the old one, then the journal's rename makes it count, and the base copy follows. A stop
// at any point leaves a pair that ReprendRemplacementJournal makes whole. False when the old pair stays.
bool RemplaceParConceptionReconstruite()
{
    const std::vector<TEnregistrementJournal> nouveau = {{CodeJournalLectureConception, 0, Etat.CheminCopieDeBase}};
    if (!EcritJournalProvisoire(nouveau))
        return false;
    Etat.CheminDocument = Etat.CheminCopieDeBaseProvisoire;
    // Every number exact: a later recovery starts from the design itself, not from its values rounded for a file.
    if (!EcritFichierConception({}, true) ||
        !Services().Fichiers->Deplace(Etat.CheminJournalProvisoire, Etat.CheminJournal))
    {
        SupprimeSiPresent(Etat.CheminJournalProvisoire);
        SupprimeSiPresent(Etat.CheminCopieDeBaseProvisoire);
        return false;
    }
    AdopteJournal(nouveau, true);
    return Services().Fichiers->Deplace(Etat.CheminCopieDeBaseProvisoire, Etat.CheminCopieDeBase);
}

}

void ReprendRemplacementJournal()
{
    if (!Etat.DossierUtilisable || Etat.CheminJournalProvisoire.empty())
        return;
    // The provisional journal goes when its rename was still to come; this also drops a cut of the journal that a
    // stop interrupted, whose journal is whole.
    if (Existe(Etat.CheminJournalProvisoire))
    {
        Services().Fichiers->Supprime(Etat.CheminJournalProvisoire);
        SupprimeSiPresent(Etat.CheminCopieDeBaseProvisoire);
    }
    else if (Existe(Etat.CheminCopieDeBaseProvisoire))
        Services().Fichiers->Deplace(Etat.CheminCopieDeBaseProvisoire, Etat.CheminCopieDeBase);
}

bool SessionInterrompue()
{
    if (!Etat.DossierUtilisable || Etat.CheminJournal.empty() || !Services().Fichiers->Existe(Etat.CheminJournal))
        return false;
    // A run that stopped before its first change left an empty journal: there is nothing to offer.
    std::vector<TEnregistrementJournal> premier;
    return LitJournal(1, premier) && !premier.empty();
}

bool RecupereSession()
{
    if (Question() != ReponseOui)
    {
        for (const std::string& chemin : {Etat.CheminJournal, Etat.CheminCopieDeBase, Etat.CheminCopieDeBaseProvisoire})
            SupprimeSiPresent(chemin);
        VideJournal();
        return false;
    }
    Reconstruit();
    // When the new pair could not be written the journal stays whole: it still rebuilds the design.
    const bool erreur = !RemplaceParConceptionReconstruite();
    Etat.CheminDocument = Etat.CheminCopieDeBase;
    Etat.CheminAffiche = Etat.CheminDocument;
    Etat.NomEnregistrement = Etat.CheminDocument;
    if (ExtraitNomFichier(Etat.CheminAffiche).starts_with("QuivaneFile"))
        Etat.CheminAffiche = TexteFichierRecupere;
    Etat.CheminDocument = Etat.CheminAffiche == TexteFichierRecupere ? std::string() : Etat.CheminAffiche;
    // The heading names the file the journal started from; a design that never had one is headed as recovered.
    Etat.NomEnregistrement = Journal.NomFichierOrigine.empty() ? Etat.CheminCopieDeBase : Journal.NomFichierOrigine;
    Etat.DocumentNomme = false;
    MontreTitreDocument();
    Edition.AMettreAJour = true;
    // Writing the base copy marked the design saved; the user has saved nothing yet.
    Edition.DocumentModifie = true;
    if (erreur)
    {
        TQuestion message;
        message.Titre = TitreRecuperation;
        message.Ligne1 = "Erreur dans la récupération des données";
        message.Icone = TIconeQuestion::Avertissement;
        if (Services().Question != nullptr)
            Services().Question->Pose(message);
    }
    OuvreSaisieDiametreEntree();
    return true;
}
