// The central refresh: every change of the design, of the view or of a setting ends by calling it. It recomputes
// the design, redraws the current view into the page's retained images and sets the states of the commands, which
// the main window then applies.
#pragma once

#include "app/Etat.h"
#include "optics/Crochets.h"
#include "optics/Modele.h"
#include "platform/Canevas.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

// The commands whose enabled state the refresh decides.
enum class TCommande
{
    CorrecteurdeRossdeuxlentilles1,
    RossQuivane,
    RossSpecial,
    Wynne,
    Barlow,
    OculaireA,
    ToolDispositif,
    EffacerInstrument,
    EffacerIndices,
    EffacerDispo,
    CopierLigne,
    CollerLigne,
    InsererLigneCopiee,
    CouperLigne,
    InsererLigne,
    AfficheInstrument,
    AfficheDispositifdioptrique,
    Analyseduchamp,
    EtoileMultiple,
    EtoileUnique,
    ImprimerTout,
    Imprimer,
    Optimisationdesdiametres,
    Homothetie,
    PuissanceGlobale,
    Encombrement,
    Copiercourbe,
    AfficheCourbeMemorisee,
    EffaceCourbeMemorisee,
    Enregistrer,
    EnregistrerSous,
    Annuler,
    Retablir,
    ZoomAvant,
    ZoomArriere,
    ZoomPlus,
    ZoomMoins,
    Transversales,
    Nombre
};

// The tool-bar items and page parts the refresh shows or hides.
enum class TElementPage
{
    VerticalBar,
    LigneMiroir,
    LigneMiroirActive,
    Dessin,
    ToolButton9,
    CommandesCourbe, // Copiercourbe, AfficheCourbeMemorisee, EffaceCourbeMemorisee
    Transversales, // Transversales and AberTrans
    ZoomsChamp, // ZoomPlus, ZoomMoins
    ZoomsEtoiles, // ZoomAvant, ZoomArriere
    ToolButton20,
    Nombre
};

// What one refresh decided; an empty entry leaves the command or the item as it is.
struct TEtatsPage
{
    std::array<std::optional<bool>, static_cast<std::size_t>(TCommande::Nombre)> Actives{};
    std::array<std::optional<bool>, static_cast<std::size_t>(TElementPage::Nombre)> Visibles{};

    void Active(TCommande commande, bool active) { Actives[static_cast<std::size_t>(commande)] = active; }
    void Montre(TElementPage element, bool visible) { Visibles[static_cast<std::size_t>(element)] = visible; }
    std::optional<bool> EstActive(TCommande commande) const { return Actives[static_cast<std::size_t>(commande)]; }
    std::optional<bool> EstVisible(TElementPage element) const { return Visibles[static_cast<std::size_t>(element)]; }
    // The states the other one sets override these.
    void Fusionne(const TEtatsPage& autre);
};

// The states decided by the last refresh, for the main window to apply; each refresh starts them empty.
inline TEtatsPage EtatsPage;

// The two marks of the memorised field-analysis curve: a curve is memorised, it was computed for an afocal system.
struct TMarquesCourbe
{
    double Memorisee = 0;
    double Afocale = 0;
};
inline TMarquesCourbe MarquesCourbe;

// What the refresh asks of in-place editing and of the main window; installed at start-up, one called before that
// fails loudly (optics/Crochets.h).
struct TRelaisRafraichissement
{
    int (*CodeSaisie)() = [] {
        CrochetAbsent("Relais.CodeSaisie");
        return 0;
    };
    bool (*SaisieVisible)() = [] {
        CrochetAbsent("Relais.SaisieVisible");
        return false;
    };
    // One of the frames CadreDioptre, CadreLentille, CadreEpaisseur, CadreDiametre is shown.
    bool (*CadreOuvert)() = [] {
        CrochetAbsent("Relais.CadreOuvert");
        return false;
    };
    // Hide CadreDioptre, CadreLentille, CadreEpaisseur, CadreDiametre and CadreMiroirPlan; CadreDioptre alone.
    void (*FermeCadres)() = [] { CrochetAbsent("Relais.FermeCadres"); };
    void (*FermeCadreDioptre)() = [] { CrochetAbsent("Relais.FermeCadreDioptre"); };
    void (*OuvreSaisieDiametreEntree)() = [] { CrochetAbsent("Relais.OuvreSaisieDiametreEntree"); };
    void (*OuvreSaisieRayonGroupe)() = [] { CrochetAbsent("Relais.OuvreSaisieRayonGroupe"); };
    void (*OuvreSaisieRayonDioptre)() = [] { CrochetAbsent("Relais.OuvreSaisieRayonDioptre"); };
    void (*CurseurAttente)(bool attente) = [](bool) { CrochetAbsent("Relais.CurseurAttente"); };
    // A view's text for the status bar; an empty text leaves the bar as it is.
    void (*MontreStatut)(const std::string& texte) = [](const std::string&) { CrochetAbsent("Relais.MontreStatut"); };
};
inline TRelaisRafraichissement Relais;

// The formula commands by instrument form, with the parts the form hides.
TEtatsPage CommandesFormules(TTypeInstrument forme, bool sansSecondaire);
// The commands that follow the validity flags and the lens-row highlight.
TEtatsPage CommandesValidite(TTypeInstrument forme, const TValidite& validite, bool ligneVisible,
                             bool ligneCouranteVide, bool ligneCopiee);
// The commands that follow the results: the views, printing and the tools.
TEtatsPage CommandesResultats(const TValidite& validite, bool premiereLigneVide);
// The tool-bar items of a view and, for the field analysis, its curve commands.
TEtatsPage ElementsVue(TVue vue, const TMarquesCourbe& marques, bool systemeAfocal);
// Save, Save as, Undo and Redo.
TEtatsPage CommandesEnregistrement(TTypeInstrument forme, bool documentModifie, const std::string& cheminAffiche,
                                   const std::string& cheminDocument, int positionJournal, int nombreEnregistrements);

// The height the instrument's expanded block adds to the page, by form.
int HauteurBlocInstrument(TTypeInstrument forme, bool secondaireSurMenisque, int nombreDioptresGroupe);
// The height the view adds below the sheet.
int HauteurVue(TVue vue);
// The help context of a view, 0 for none.
int ContexteAideVue(TVue vue);

// The drawing of a view below the sheet, after the sheet; nothing for the sheet alone and the start.
void DessineSousFiche(TVue vue);
// Its printed twin, after the report's first page.
void ImprimeSousFiche(IImprimante& imprimante, TVue vue);

// The view of a name, or nothing for "Tableau", "Départ" and any other text.
std::optional<TBoutonVue> BoutonDeVue(TVue vue);
// The view of a button.
TVue VueDuBouton(TBoutonVue bouton);

// Draws the six stars or the single star on the page with the shell's options; the zoom commands (and the single
// star's transverse-aberration command) take the states the view leaves. Answers the status text the view leaves
// (the single star's, else empty).
std::string DessineEtoiles(bool unique);

// Recomputes and redraws the current view when AMettreAJour is set, then sets the save and journal commands and
// runs a pending print job. A call made while a refresh runs (from a modal dialog of the solver) is run once the
// first ends.
void RafraichitVue();

// The design's values that a refresh computes, those the sheet computes as it draws included, without the view
// below the sheet: the replay runs it after each record, so that the next record meets the values its edit met.
void RecalculeConception();

// Closes the editing frames, then refreshes.
void FermeCadresEtRafraichit();

// Whether row `ligne` of table `table` (1 the lens device, 2 the lens group) is empty, whatever table is edited.
bool LigneVide(TTableEditee table, int ligne);
// Closes the lens-row frame and its pressed buttons, then refreshes.
void FermeCadreDioptre();

// Installed with the main window: repaints the page's images and lays out the scroll bars.
inline void (*RedessinePage)() = [] { CrochetAbsent("RedessinePage"); };
