// What in-place editing asks of the shell: message boxes, the journal, the central refresh, command states, the
// status bar and the help context. The shell installs its routines at start-up; tests install recording fakes. A port
// called before it is installed fails loudly (optics/Crochets.h).
#pragma once

#include "editing/CodesJournal.h"
#include "optics/Crochets.h"
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
    void (*AfficheAvertissement)(const std::string& titre, const std::string& texte) =
        [](const std::string&, const std::string&) { CrochetAbsent("PortsEdition.AfficheAvertissement"); };
    void (*AfficheAvertissementLarge)(const std::string& titre, const std::string& texte) =
        [](const std::string&, const std::string&) { CrochetAbsent("PortsEdition.AfficheAvertissementLarge"); };
    int (*PoseQuestion)(const std::string& titre, const std::string& texte) = [](const std::string&,
                                                                                 const std::string&) {
        CrochetAbsent("PortsEdition.PoseQuestion");
        return 7;
    };
    void (*Bip)() = [] { CrochetAbsent("PortsEdition.Bip"); };
    void (*AfficheConflitMiroirPlan)() = [] { CrochetAbsent("PortsEdition.AfficheConflitMiroirPlan"); };

    // The journal: appends one record (nothing while a replay runs) and counts them.
    void (*AjouteAuJournal)(const TEnregistrementJournal& enregistrement) = [](const TEnregistrementJournal&) {
        CrochetAbsent("PortsEdition.AjouteAuJournal");
    };
    std::int32_t (*NombreEnregistrementsJournal)() = [] {
        CrochetAbsent("PortsEdition.NombreEnregistrementsJournal");
        return std::int32_t{0};
    };
    // The record the journal appended last, when the design shown is the one it ends with (none while undone records
    // wait to be cut): an edit that would append the very same record again need not.
    TEnregistrementJournal (*DernierEnregistrement)() = [] {
        CrochetAbsent("PortsEdition.DernierEnregistrement");
        return TEnregistrementJournal{};
    };
    bool (*RejeuEnCours)() = [] {
        CrochetAbsent("PortsEdition.RejeuEnCours");
        return false;
    };

    // The central refresh, and the same after closing the editing frames or the lens-row frame.
    void (*RafraichitVue)() = [] { CrochetAbsent("PortsEdition.RafraichitVue"); };
    void (*FermeCadresEtRafraichit)() = [] { CrochetAbsent("PortsEdition.FermeCadresEtRafraichit"); };
    void (*FermeCadreDioptre)() = [] { CrochetAbsent("PortsEdition.FermeCadreDioptre"); };

    // Command states, and whether the clipboard holds text.
    void (*ActiveCommande)(TCommandeEdition commande, bool active) = [](TCommandeEdition, bool) {
        CrochetAbsent("PortsEdition.ActiveCommande");
    };
    bool (*PressePapiersTexte)() = [] {
        CrochetAbsent("PortsEdition.PressePapiersTexte");
        return false;
    };

    // The status bar's simple text and the help context of the main window, the sheet and the entry box.
    void (*AfficheStatut)(const std::string& texte) = [](const std::string&) {
        CrochetAbsent("PortsEdition.AfficheStatut");
    };
    void (*FixeContexteAide)(int contexte) = [](int) { CrochetAbsent("PortsEdition.FixeContexteAide"); };

    // The spectral line chosen in the wavelength list applied to the edited table (codes 1001 to 1003).
    void (*AppliqueLongueurOnde)() = [] { CrochetAbsent("PortsEdition.AppliqueLongueurOnde"); };

    // The entry-box model changed outside a refresh (an opener, a key): the shell mirrors it onto its widget.
    void (*MontreSaisie)() = [] { CrochetAbsent("PortsEdition.MontreSaisie"); };
    // The current view, which some help contexts follow.
    TVue (*VueCourante)() = [] {
        CrochetAbsent("PortsEdition.VueCourante");
        return TVue::Aucune;
    };
};

inline TPortsEdition PortsEdition;
