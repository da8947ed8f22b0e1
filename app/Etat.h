// The shell's shared state: the document's names, the recent files, the question window's answer, the current view,
// the window's remembered geometry and the files of this running instance.
#pragma once

#include "platform/Question.h"
#include "sheet/Vue.h"

#include <array>
#include <string>

constexpr int NombreFichiersRecents = 10;

enum class TBoutonVue
{
    Instrument,
    Dispositif,
    Champ,
    Etoiles,
    Unique
};

struct TEtatApplication
{
    // The document.
    std::string CheminDocument; // the path read and written by the file commands
    std::string CheminAffiche; // the path shown as the document's; empty for a new design
    std::string NomEnregistrement; // the name Save as proposes
    std::string CheminDocumentMemorise;
    bool DocumentNomme = false; // saved under a name in this run
    bool CopieSauvegarde = true; // a save first moves the previous file to "<name>.bak"

    // Element 0 is the path being inserted, 1 to 10 the recent files, most recent first.
    std::array<std::string, NombreFichiersRecents + 1> FichiersRecents;
    // The texts shown for the recent files, 1 to 10 (element 0 unused).
    std::array<std::string, NombreFichiersRecents + 1> TextesHistorique;

    // The last answer of the question window, and the button that gave it.
    TReponse Reponse = ReponseOui;
    TReponse BoutonInterrogation = ReponseOui;

    TVue VueCourante = TVue::Aucune;
    // The view buttons of the tool bar, down or up, in the order of TBoutonVue; at most one is down.
    std::array<bool, 5> BoutonsVue{};
    // The single-star view was entered by a double click on the six-star, lens-device or field view.
    bool RetourEtoileMultiple = false;
    bool RetourDispositif = false;
    bool RetourChamp = false;
    bool FermetureEnCours = false;
    bool TailleMaximaleAJour = true; // the field analysis's largest image size is current
    bool Transversales = false; // the single star shows its transverse aberrations
    // The star views' zoom commands, disabled at their limits until a star view enables them again.
    bool ZoomAvantActif = true;
    bool ZoomArriereActif = true;
    bool AImprimerVue = false;
    bool AImprimerTout = false;

    // The window and the page, in pixels.
    int EtatFenetreLu = 0; // window state read from the configuration: 0 normal, 1 minimised, 2 maximised
    int LargeurVisible = 820;
    int HauteurVisible = 0;
    int HauteurPage = 0;

    // This running instance and its files, all in the program's folder (which ends with a separator).
    int NumeroSession = -1;
    bool DossierUtilisable = false; // the program's folder exists and can be written
    std::string DossierProgramme;
    std::string CheminSession; // "Session<N>.tmp", locked for the whole run
    std::string CheminJournal; // "Quivane<N>.tmp"
    std::string CheminJournalProvisoire; // "Quivane<N>.bak"
    std::string CheminCopieDeBase; // full path of "QuivaneFile<N>.tmp"
    std::string NomCopieDeBase; // "QuivaneFile<N>.tmp", the name alone
    // "QuivaneFile<N>.bak": a recovery's rebuilt design, until it becomes the base copy
    std::string CheminCopieDeBaseProvisoire;
    std::string CheminConfiguration; // "Quivane.ini"
    std::string NumeroVersion; // "3.3.0"
};

extern TEtatApplication Etat;

// Which file the design is. The resets of the design leave the document unnamed; a change that rebuilds the design
// or its lens device without making it another file (a replay, a formula) puts these back after it.
struct TNomsDocument
{
    std::string CheminDocument;
    std::string CheminAffiche;
    std::string NomEnregistrement;
    bool DocumentNomme = false;
};

TNomsDocument NomsDocument();
void RemetNomsDocument(const TNomsDocument& noms);
// The resets of the design leave the document unnamed: no path, no save name. The path shown stays for the caption.
void OublieNomDocument();
