// The commands of the "Fichier" menu that start, open and combine designs.
#include "app/CommandesFichier.h"

#include "app/Enregistrement.h"
#include "app/Etat.h"
#include "editing/Ports.h"
#include "app/FichierFenetre.h"
#include "app/FichierLecture.h"
#include "app/Historique.h"
#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "app/Texte.h"
#include "editing/EtatEdition.h"
#include "optics/Initialisation.h"
#include "platform/Bip.h"
#include "platform/Services.h"
#include "sheet/Fiche.h"

#include <optional>

bool EnregistreSiDemande()
{
    ConfirmeEnregistrement();
    if (Etat.Reponse == ReponseNon)
        return true;
    if (Etat.Reponse != ReponseOui)
        return false;
    if (Etat.CheminDocument.empty())
        EnregistreDocumentSous();
    else
        EnregistreDocument();
    return OperationFichierReussie;
}

void MontreTitreDocument()
{
    FenetreFichier.Titre(Etat.CheminAffiche.empty() ? std::string("Quivane")
                                                    : "Quivane - " + ExtraitNomFichier(Etat.CheminAffiche));
}

namespace {

std::optional<std::string> DemandeFichierALire()
{
    TDemandeFichier demande;
    demande.Titre = "Quivane - Ouvrir un fichier";
    const auto chemin = Services().DialoguesFichier->Ouvre(demande);
    if (!chemin || chemin->empty())
        return std::nullopt;
    return chemin;
}

// Reads the chosen file in the mode already set. An open takes the file's path as the document's; the other reads
// leave that to their caller. On failure the design as it was before the command (`avant`) comes back.
bool LitFichierChoisi(const std::string& chemin, const TCopieConception& avant)
{
    const bool ouverture = !Lecture.LectureDispositifSeul && !Lecture.LectureInstrumentSeul;
    Etat.CheminDocument = chemin;
    if (ouverture)
    {
        Etat.CheminAffiche = chemin;
        MontreTitreDocument();
    }
    if (!LitFichierConception())
    {
        RestaureConception(avant);
        MontreTitreDocument();
        return false;
    }
    MetAJourHistorique();
    if (Instrument.TypeInstrument != TTypeInstrument::Aucun)
        Edition.InstrumentDeveloppe = true;
    Edition.DocumentModifie = false;
    Edition.AMettreAJour = true;
    FenetreFichier.BoutonsVuesInstrument();
    MontreTitreDocument();
    RafraichitVue();
    return true;
}

// A read that combines another file with the design: the document keeps its own names and counts as modified.
bool CombineAvecFichier(const std::string& chemin, const TCopieConception& avant)
{
    if (!LitFichierChoisi(chemin, avant))
        return false;
    Etat.CheminDocument = avant.CheminDocument;
    Etat.CheminAffiche = avant.CheminAffiche;
    Etat.NomEnregistrement = avant.NomEnregistrement;
    Etat.DocumentNomme = avant.DocumentNomme;
    Edition.DocumentModifie = true;
    MontreTitreDocument();
    return true;
}

void DebutLectureDispositif(const TModeLecture& mode)
{
    Lecture.ModeLecture = mode;
    Lecture.LectureInstrumentSeul = false;
    Lecture.LectureDispositifSeul = true;
    Lecture.NouveauJournal = false;
}

// The three lens-device commands once their mode is set.
void LitDispositif(bool reinitialise)
{
    // The read itself may change the mode (a device too long for the table).
    const TModeLecture mode = Lecture.ModeLecture;
    if (!EnregistreSiDemande())
        return;
    const auto chemin = DemandeFichierALire();
    if (!chemin)
        return;
    const TCopieConception avant = CopieConception();
    if (reinitialise)
        InitialiseDispositif();
    if (CombineAvecFichier(*chemin, avant))
        Dispositif.TitreDispositif =
            TitreDispositifCombine(mode, avant.Dispositif.TitreDispositif, Lecture.TitreDispositifLu);
}

void FinLectureDispositif(bool vueTableau)
{
    if (vueTableau)
        Etat.VueCourante = TVue::Tableau;
    Edition.AMettreAJour = true;
    RafraichitVue();
}

// The end of Open and of the recent files, whatever happened.
void FinOuverture()
{
    Etat.VueCourante = TVue::Aucune;
    FenetreFichier.BoutonsVuesInstrument();
    Edition.AMettreAJour = true;
    RafraichitVue();
    if (Instrument.TypeInstrument != TTypeInstrument::Aucun)
        FenetreFichier.RouvreSaisie();
}

// Resets the design for a whole new file and reads it; the journal starts anew only when the read succeeds.
bool OuvreFichier(const std::string& chemin)
{
    const TCopieConception avant = CopieConception();
    Etat.VueCourante = TVue::Depart;
    InitialiseInstrument();
    InitialiseDispositif();
    Etat.CheminDocumentMemorise.clear();
    InitialiseLongueursOnde();
    Lecture.NouveauJournal = true;
    return LitFichierChoisi(chemin, avant);
}

void DebutOuverture()
{
    Lecture.ModeLecture = ModeOuvreFichier;
    Lecture.LectureInstrumentSeul = false;
    Lecture.LectureDispositifSeul = false;
    FermeCadresEtRafraichit();
}

} // namespace

std::string TitreDispositifCombine(const TModeLecture& mode, const std::string& ancien, const std::string& lu)
{
    if (mode == ModeApresDispo)
        return ancien + " & " + lu;
    if (mode == ModeAvantDispo)
        return lu + " & " + ancien;
    return lu;
}

void ReinitialiseAvantLectureInstrument()
{
    const TLongueursOnde lignes = LongueursOnde;
    const TReglages reglages = Reglages;
    InitialiseInstrument();
    LongueursOnde = lignes;
    Reglages = reglages;
}

void ConfirmeEnregistrement()
{
    if (!Edition.DocumentModifie)
    {
        Etat.Reponse = ReponseNon;
        Etat.BoutonInterrogation = ReponseNon;
        return;
    }
    TQuestion question;
    question.Titre = "Quivane - Confirmer";
    question.Icone = TIconeQuestion::Disque;
    question.Boutons = TBoutonsQuestion::OuiNonAnnuler;
    question.LibelleOk = "&Oui";
    question.Largeur = 375;
    question.Hauteur = 138;
    question.LargeurTexte = 280;
    const std::string& chemin = Etat.CheminDocument;
    if (chemin.empty())
        question.Ligne1 = "Voulez-vous enregistrer ce fichier ?";
    else
    {
        question.Ligne1 = "Voulez-vous enregistrer :";
        question.Ligne2 = CheminRaccourci(chemin, 60, 15, 26) + " ?";
        question.LigneChemin = 2;
    }
    MessageBeep(BipExclamation);
    Etat.Reponse = Services().Question->Pose(question);
    Etat.BoutonInterrogation = Etat.Reponse;
}

void CreeNouveauDocument()
{
    FenetreFichier.CacheSaisie();
    ConfirmeEnregistrement();
    if (Etat.Reponse == ReponseOui)
    {
        if (Etat.DocumentNomme)
            EnregistreDocument();
        else
            EnregistreDocumentSous();
        // A save that did not write keeps the design.
        if (!OperationFichierReussie)
            return;
    }
    if (Etat.Reponse == ReponseAnnuler)
        return;
    Etat.CheminAffiche.clear();
    Instrument.TypeInstrument = TTypeInstrument::Aucun;
    InitialiseInstrument();
    InitialiseDispositif();
    VideJournal();
    InitialiseLongueursOnde();
    Etat.CheminDocument.clear();
    Etat.NomEnregistrement.clear();
    Etat.CheminDocumentMemorise.clear();
    Edition.DocumentModifie = false;
    Lecture.LectureInstrumentSeul = false;
    Lecture.LectureDispositifSeul = false;
    Etat.FermetureEnCours = false;
    Etat.RetourEtoileMultiple = false;
    Etat.RetourChamp = false;
    Etat.RetourDispositif = false;
    Controles.ComboBoxLambda.Visible = false;
    Etat.DocumentNomme = false;
    Etat.VueCourante = TVue::Instrument;
    Edition.InstrumentDeveloppe = false;
    FermeCadresEtRafraichit();
    Edition.AMettreAJour = true;
    FenetreFichier.BoutonsVuesInstrument();
    MontreTitreDocument();
    // No value is open on the empty sheet: the last one's hint goes with it.
    PortsEdition.AfficheStatut(std::string());
    RafraichitVue();
}

void OuvreDocument()
{
    DebutOuverture();
    if (EnregistreSiDemande())
        if (const auto chemin = DemandeFichierALire())
            OuvreFichier(*chemin);
    FinOuverture();
}

void OuvreHistorique(int k)
{
    if (k < 1 || k > NombreFichiersRecents)
        return;
    DebutOuverture();
    const std::string entree = Etat.FichiersRecents[static_cast<std::size_t>(k)];
    // The design that stays is not made recent by the failure: only the entry goes.
    if (EnregistreSiDemande() && !entree.empty() && !OuvreFichier(entree))
    {
        RetireFichierRecent(k);
        MontreFichiersRecents();
    }
    FinOuverture();
}

void LitInstrument()
{
    Lecture.LectureInstrumentSeul = true;
    Lecture.LectureDispositifSeul = false;
    Lecture.NouveauJournal = false;
    if (EnregistreSiDemande())
        if (const auto chemin = DemandeFichierALire())
        {
            const TCopieConception avant = CopieConception();
            ReinitialiseAvantLectureInstrument();
            CombineAvecFichier(*chemin, avant);
        }
    Etat.VueCourante = TVue::Tableau;
    Edition.AMettreAJour = true;
    RafraichitVue();
}

void RemplaceDispoExecute()
{
    DebutLectureDispositif(ModeRemplaceDispo);
    LitDispositif(true);
    FinLectureDispositif(true);
}

void PlacerAvantDispoExecute()
{
    DebutLectureDispositif(ModeAvantDispo);
    FenetreFichier.BoutonsVuesInstrument();
    Etat.VueCourante = TVue::Tableau;
    LitDispositif(false);
    FinLectureDispositif(true);
}

void PlacerApresDispoExecute()
{
    DebutLectureDispositif(ModeApresDispo);
    FermeCadresEtRafraichit();
    FenetreFichier.BoutonsVuesInstrument();
    Etat.VueCourante = TVue::Tableau;
    LitDispositif(false);
    FinLectureDispositif(false);
}
