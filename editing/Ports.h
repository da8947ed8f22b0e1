// What in-place editing asks of the shell: message boxes, the journal, the central refresh, command states, the
// status bar and the help context. The shell installs its routines at start-up; tests install recording fakes. Until
// installed every port is inert (no message, no record, no refresh).
#pragma once

#include "editing/CodesJournal.h"
#include "sheet/Vue.h"

#include <cstdint>
#include <string>

// One journal record as written: code, index (row, option or 0) and the value as text (a number in the general
// form with the user's decimal mark, or a text unchanged).
struct TEnregistrementJournal
{
    TCodeJournal Code = 0;
    std::int32_t Index = 0;
    std::string Valeur;
};

// The commands in-place editing enables or disables.
enum class TCommandeEdition
{
    Annuler,
    Copier,
    Couper,
    Coller,
    PlacerAvantDispo,
    RemplaceDispo,
    PlacerApresDispo,
    CopierLigne,
    CollerLigne,
    InsererLigneCopiee,
    CouperLigne,
    InsererLigne,
    BtnDiaOpt
};

struct TPortsEdition
{
    // Messages: a warning box (320 or 420 pixels wide), the yes/no question (6 yes, 7 no), a beep, and the
    // three-line box of the diagonal flat's conflict with the meniscus.
    void (*AfficheAvertissement)(const std::string& titre, const std::string& texte) = [](const std::string&,
                                                                                          const std::string&) {};
    void (*AfficheAvertissementLarge)(const std::string& titre, const std::string& texte) = [](const std::string&,
                                                                                               const std::string&) {};
    int (*PoseQuestion)(const std::string& titre, const std::string& texte) = [](const std::string&,
                                                                                 const std::string&) { return 7; };
    void (*Bip)() = [] {};
    void (*AfficheConflitMiroirPlan)() = [] {};

    // The journal: appends one record (nothing while a replay runs) and counts them.
    void (*AjouteAuJournal)(const TEnregistrementJournal& enregistrement) = [](const TEnregistrementJournal&) {};
    std::int32_t (*NombreEnregistrementsJournal)() = [] { return std::int32_t{0}; };
    // The record the journal appended last, when the design shown is the one it ends with (none while undone records
    // wait to be cut): an edit that would append the very same record again need not.
    TEnregistrementJournal (*DernierEnregistrement)() = [] { return TEnregistrementJournal{}; };
    bool (*RejeuEnCours)() = [] { return false; };

    // The central refresh, and the same after closing the editing frames or the lens-row frame.
    void (*RafraichitVue)() = [] {};
    void (*FermeCadresEtRafraichit)() = [] {};
    void (*FermeCadreDioptre)() = [] {};

    // Command states, and whether the clipboard holds text.
    void (*ActiveCommande)(TCommandeEdition commande, bool active) = [](TCommandeEdition, bool) {};
    bool (*PressePapiersTexte)() = [] { return false; };

    // The status bar's simple text and the help context of the main window, the sheet and the entry box.
    void (*AfficheStatut)(const std::string& texte) = [](const std::string&) {};
    void (*FixeContexteAide)(int contexte) = [](int) {};

    // The spectral line chosen in the wavelength list applied to the edited table (codes 1001 to 1003).
    void (*AppliqueLongueurOnde)() = [] {};

    // The entry-box model changed outside a refresh (an opener, a key): the shell mirrors it onto its widget.
    void (*MontreSaisie)() = [] {};
    // The name of the current view ("Tableau", "Instrument", "Etoile Unique" ...), which some help contexts follow.
    TVue (*VueCourante)() = [] { return TVue::Aucune; };
};

inline TPortsEdition PortsEdition;
