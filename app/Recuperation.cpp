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
// What the caption shows for a design rebuilt from the base copy; never a path.
const std::string TexteRecupere = "Fichier Récupéré";

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

void Abandonne()
{
    for (const std::string& chemin : {Etat.CheminJournal, Etat.CheminCopieDeBase})
        if (Services().Fichiers->Existe(chemin))
            Services().Fichiers->Supprime(chemin);
    VideJournal();
    CreeNouveauDocument();
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
    Edition.PositionJournal = 10000;
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
    // The records read as the running journal, so that the base design read first is not taken for a new one.
    std::vector<TEnregistrementJournal> enregistrements;
    LitJournal(Edition.PositionJournal, enregistrements);
    Journal.NombreEnregistrementsJournal = static_cast<std::int32_t>(enregistrements.size());
    RejoueJournal();
    Edition.TableEditee = 1;
    if (Dispositif.NombreDioptres > 1 && EstLigneVide(Dispositif.NombreDioptres))
        --Dispositif.NombreDioptres;
}

}

bool SessionInterrompue()
{
    if (!Etat.DossierUtilisable || Etat.CheminJournal.empty() || !Services().Fichiers->Existe(Etat.CheminJournal))
        return false;
    // A run that stopped before its first change left an empty journal: there is nothing to offer.
    std::vector<TEnregistrementJournal> premier;
    return LitJournal(1, premier) && !premier.empty();
}

void RecupereSession()
{
    if (Question() != ReponseOui)
    {
        Abandonne();
        OuvreSaisieDiametreEntree();
        return;
    }
    Reconstruit();
    // The rebuilt design becomes the base copy, and the journal the one record that reads it. When the copy could
    // not be written the journal stays whole: it still rebuilds the design.
    Etat.CheminDocument = Etat.CheminCopieDeBase;
    bool erreur = !EcritFichierConception();
    if (!erreur)
    {
        erreur = !RemplaceJournal({{CodeJournalLectureConception, 0, Etat.CheminCopieDeBase}});
        if (!erreur)
            Journal.NombreEnregistrementsJournal = 1;
    }
    Etat.CheminAffiche = Etat.CheminDocument;
    Etat.NomEnregistrement = Etat.CheminDocument;
    if (ExtraitNomFichier(Etat.CheminAffiche).starts_with("QuivaneFile"))
        Etat.CheminAffiche = TexteRecupere;
    Etat.CheminDocument = Etat.CheminAffiche == TexteRecupere ? std::string() : Etat.CheminAffiche;
    Etat.NomEnregistrement = Journal.NomFichierOrigine;
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
        if (Services().Fichiers->Existe(Etat.CheminJournalProvisoire))
            Services().Fichiers->Supprime(Etat.CheminJournalProvisoire);
    }
    OuvreSaisieDiametreEntree();
}
