// The central refresh: recomputes the design, redraws the current view and decides the states of the commands.
#include "app/Rafraichissement.h"

#include "app/Impression.h"
#include "app/Journal.h"
#include "app/Recuperation.h"
#include "app/Vues.h"
#include "optics/Diffraction.h"
#include "optics/FormulesSchmidt.h"
#include "optics/Initialisation.h"
#include "optics/PrepareForme.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "platform/Format.h"
#include "sections/CoupeDispositif.h"
#include "sections/CoupeInstrument.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"
#include "sheet/LignesEditees.h"
#include "sheet/Tableau.h"
#include "stars/ChampPage.h"
#include "stars/ChampTextes.h"
#include "stars/PageEtoiles.h"

#include <algorithm>
#include <cmath>

void TEtatsPage::Fusionne(const TEtatsPage& autre)
{
    for (std::size_t k = 0; k < Actives.size(); ++k)
        if (autre.Actives[k])
            Actives[k] = autre.Actives[k];
    for (std::size_t k = 0; k < Visibles.size(); ++k)
        if (autre.Visibles[k])
            Visibles[k] = autre.Visibles[k];
}

TEtatsPage CommandesFormules(TTypeInstrument forme, bool sansSecondaire)
{
    TEtatsPage etats;
    const auto ross = [&](bool actif) {
        for (TCommande commande : {TCommande::CorrecteurdeRossdeuxlentilles1, TCommande::RossQuivane,
                                   TCommande::RossSpecial, TCommande::Wynne})
            etats.Active(commande, actif);
    };
    const auto barlow = [&](bool actif) {
        etats.Active(TCommande::Barlow, actif);
        etats.Active(TCommande::OculaireA, actif);
    };
    switch (forme)
    {
    case TTypeInstrument::Aucun: etats.Montre(TElementPage::VerticalBar, false); break;
    case TTypeInstrument::Newton:
        ross(true);
        barlow(true);
        etats.Montre(TElementPage::LigneMiroir, false);
        etats.Montre(TElementPage::LigneMiroirActive, false);
        break;
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::MaksutovCassegrain:
    case TTypeInstrument::Lunette:
    case TTypeInstrument::Schwarzschild:
    case TTypeInstrument::MaksutovNewton:
    case TTypeInstrument::DallKirkham:
    case TTypeInstrument::KlevtsovCassegrain:
    case TTypeInstrument::LurieHoughton:
    case TTypeInstrument::HoughtonCassegrain:
    case TTypeInstrument::SchmidtNewton:
        ross(false);
        barlow(!sansSecondaire);
        break;
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::Maksutov:
        ross(false);
        barlow(false);
        break;
    }
    return etats;
}

TEtatsPage CommandesValidite(TTypeInstrument forme, const TValidite& validite, bool ligneVisible,
                             bool ligneCouranteVide, bool ligneCopiee)
{
    TEtatsPage etats;
    etats.Active(TCommande::ToolDispositif, validite.InstrumentValide && validite.DispositifValide);
    etats.Active(TCommande::EffacerInstrument, forme != TTypeInstrument::Aucun);
    etats.Active(TCommande::EffacerIndices, validite.DispositifPresent);
    etats.Active(TCommande::EffacerDispo, validite.DispositifPresent);
    etats.Active(TCommande::CopierLigne, ligneVisible && !ligneCouranteVide);
    etats.Active(TCommande::CollerLigne, ligneVisible && ligneCopiee);
    etats.Active(TCommande::InsererLigneCopiee, ligneVisible && ligneCopiee);
    etats.Active(TCommande::CouperLigne, ligneVisible);
    etats.Active(TCommande::InsererLigne, ligneVisible);
    return etats;
}

TEtatsPage CommandesResultats(const TValidite& validite, bool premiereLigneVide)
{
    TEtatsPage etats;
    const bool iv = validite.InstrumentValide;
    const bool dv = validite.DispositifValide;
    const bool present = validite.DispositifPresent;
    etats.Active(TCommande::AfficheInstrument, iv);
    etats.Active(TCommande::AfficheDispositifdioptrique, dv);
    for (TCommande commande :
         {TCommande::Analyseduchamp, TCommande::EtoileMultiple, TCommande::EtoileUnique, TCommande::ImprimerTout})
        etats.Active(commande, iv && (dv || !present));
    etats.Active(TCommande::Imprimer, !validite.InstrumentVierge && !premiereLigneVide);
    etats.Active(TCommande::Optimisationdesdiametres, iv && present && dv);
    etats.Active(TCommande::Homothetie, !validite.InstrumentVierge || present);
    etats.Active(TCommande::PuissanceGlobale, present && dv);
    etats.Active(TCommande::Encombrement, present && dv);
    etats.Active(TCommande::RossQuivane, iv);
    etats.Active(TCommande::RossSpecial, iv);
    return etats;
}

namespace {

// Dessin, ToolButton9, the curve commands, Transversales, the field zooms, the star zooms, ToolButton20.
struct TLigneVue
{
    std::optional<bool> Dessin;
    bool Separateur9, Courbe, Transversales, ZoomsChamp, ZoomsEtoiles, Separateur20;
};

std::optional<TLigneVue> LigneVue(TVue vue)
{
    switch (vue)
    {
    case TVue::Aucune:
    case TVue::Depart: return std::nullopt;
    case TVue::Tableau: return TLigneVue{false, false, false, false, false, false, false};
    case TVue::Instrument:
    case TVue::Dispositif: return TLigneVue{std::nullopt, false, false, false, false, false, false};
    case TVue::Champ: return TLigneVue{std::nullopt, true, true, false, true, false, true};
    case TVue::EtoileMultiple: return TLigneVue{true, false, false, false, false, true, true};
    case TVue::EtoileUnique: return TLigneVue{true, true, false, true, false, true, true};
    }
    return std::nullopt;
}

} // namespace

TEtatsPage ElementsVue(TVue vue, const TMarquesCourbe& marques, bool systemeAfocal)
{
    TEtatsPage etats;
    if (const std::optional<TLigneVue> trouvee = LigneVue(vue))
    {
        const TLigneVue& ligne = *trouvee;
        if (ligne.Dessin)
            etats.Montre(TElementPage::Dessin, *ligne.Dessin);
        etats.Montre(TElementPage::ToolButton9, ligne.Separateur9);
        etats.Montre(TElementPage::CommandesCourbe, ligne.Courbe);
        etats.Montre(TElementPage::Transversales, ligne.Transversales);
        etats.Montre(TElementPage::ZoomsChamp, ligne.ZoomsChamp);
        etats.Montre(TElementPage::ZoomsEtoiles, ligne.ZoomsEtoiles);
        etats.Montre(TElementPage::ToolButton20, ligne.Separateur20);
    }
    // "Copier la courbe" is left to the field analysis, which enables it only once it has results to copy.
    if (vue == TVue::Champ)
    {
        const bool memorisee = std::abs(marques.Memorisee) > 0.1;
        const bool afocale = std::abs(marques.Afocale) > 0.1;
        const bool comparable = memorisee && afocale == systemeAfocal;
        etats.Active(TCommande::AfficheCourbeMemorisee, comparable);
        etats.Active(TCommande::EffaceCourbeMemorisee, comparable);
    }
    return etats;
}

TEtatsPage CommandesEnregistrement(TTypeInstrument forme, bool documentModifie, const std::string& cheminAffiche,
                                   const std::string& cheminDocument, int positionJournal, int nombreEnregistrements)
{
    TEtatsPage etats;
    if (documentModifie)
    {
        // A recovered design has no path: Save asks for one.
        if (cheminAffiche == TexteFichierRecupere)
        {
            etats.Active(TCommande::Enregistrer, true);
        }
        else if (!cheminAffiche.empty())
        {
            if (!cheminDocument.empty())
                etats.Active(TCommande::Enregistrer, true);
        }
        else
        {
            etats.Active(TCommande::Enregistrer, false);
        }
    }
    etats.Active(TCommande::EnregistrerSous, forme != TTypeInstrument::Aucun);
    etats.Active(TCommande::Retablir, 0 < positionJournal && positionJournal < nombreEnregistrements);
    etats.Active(TCommande::Annuler, nombreEnregistrements > 1 && positionJournal != 1);
    return etats;
}

int HauteurBlocInstrument(TTypeInstrument forme, bool secondaireSurMenisque, int nombreDioptresGroupe)
{
    const int groupe = 16 * nombreDioptresGroupe + (nombreDioptresGroupe == 0 ? 16 : 0);
    switch (forme)
    {
    case TTypeInstrument::Aucun: return 0;
    case TTypeInstrument::Newton: return 64;
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::Schwarzschild:
    case TTypeInstrument::DallKirkham: return 96;
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton:
    case TTypeInstrument::LurieHoughton: return 112;
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::SchmidtNewton: return 160;
    case TTypeInstrument::MaksutovCassegrain: return secondaireSurMenisque ? 160 : 176;
    case TTypeInstrument::Lunette: return 85 + groupe;
    case TTypeInstrument::KlevtsovCassegrain: return 149 + groupe;
    case TTypeInstrument::HoughtonCassegrain: return 144;
    }
    return 0;
}

std::optional<TBoutonVue> BoutonDeVue(TVue vue)
{
    switch (vue)
    {
    case TVue::Aucune:
    case TVue::Depart:
    case TVue::Tableau: return std::nullopt;
    case TVue::Instrument: return TBoutonVue::Instrument;
    case TVue::Dispositif: return TBoutonVue::Dispositif;
    case TVue::Champ: return TBoutonVue::Champ;
    case TVue::EtoileMultiple: return TBoutonVue::Etoiles;
    case TVue::EtoileUnique: return TBoutonVue::Unique;
    }
    return std::nullopt;
}

TVue VueDuBouton(TBoutonVue bouton)
{
    switch (bouton)
    {
    case TBoutonVue::Instrument: return TVue::Instrument;
    case TBoutonVue::Dispositif: return TVue::Dispositif;
    case TBoutonVue::Champ: return TVue::Champ;
    case TBoutonVue::Etoiles: return TVue::EtoileMultiple;
    case TBoutonVue::Unique: return TVue::EtoileUnique;
    }
    return TVue::Aucune;
}

int HauteurVue(TVue vue)
{
    switch (vue)
    {
    case TVue::Aucune:
    case TVue::Depart:
    case TVue::Tableau: return 0;
    case TVue::Instrument: return 350;
    case TVue::Dispositif: return 366;
    case TVue::Champ: return 400;
    case TVue::EtoileMultiple:
    case TVue::EtoileUnique: return 550;
    }
    return 0;
}

int ContexteAideVue(TVue vue)
{
    switch (vue)
    {
    case TVue::Aucune:
    case TVue::Depart:
    case TVue::Tableau: return 0;
    case TVue::Instrument: return 3100;
    case TVue::Dispositif: return 3200;
    case TVue::Champ: return 3300;
    case TVue::EtoileMultiple: return 3400;
    case TVue::EtoileUnique: return 3500;
    }
    return 0;
}

bool LigneVide(TTableEditee table, int ligne)
{
    const TTableEditee tableEditee = Edition.TableEditee;
    Edition.TableEditee = table;
    const bool vide = EstLigneVide(ligne);
    Edition.TableEditee = tableEditee;
    return vide;
}

namespace {

// The focal length of the instrument alone and the Airy radius; the device's place is kept.
void FocaleObjectifSeul()
{
    const double distance = Systeme.DistanceFoyerDioptre;
    Rayon.DispositifActif = false;
    PrepareSysteme();
    // A stopped computation solves nothing: the effective focal length is then the last solve's, not this design's.
    if (!Systeme.CalculInterrompu)
        Instrument.FocaleObjectif = Instrument.FocaleEffective;
    Rayon.DispositifActif = true;
    Systeme.DistanceFoyerDioptre = distance;
    CalculeTacheDiffraction();
}

// The instrument's length (and for two forms the primary-to-focus distance) at the right of the block's first line.
void EcritLongueurInstrument()
{
    const TTypeInstrument forme = Instrument.TypeInstrument;
    const double longueur = Instrument.LongueurInstrument;
    if (ImagesFiche.Fenetre == nullptr || !(longueur > 1) || forme == TTypeInstrument::Lunette ||
        !Validite.InstrumentValide || !Edition.InstrumentDeveloppe || !(Instrument.EpaisseurPrimaire > 1e-6))
        return;
    ICanevas& c = *ImagesFiche.Fenetre;
    c.Police().Nom = "Arial";
    c.Police().FixeHauteur(-11);
    c.Police().Gras = false;
    c.Police().Couleur = clBlack;
    c.Pinceau() = TPinceau{};
    MiseEnPage.OrdonneeCourante = MiseEnPage.OrdonneePremiereLigne;
    MiseEnPage.TexteCourant = TexteLongueurInstrument(longueur);
    MiseEnPage.AbscisseCourante = c.Largeur() - c.TextWidth(MiseEnPage.TexteCourant) - 20;
    c.TextOut(MiseEnPage.AbscisseCourante, MiseEnPage.OrdonneeCourante, MiseEnPage.TexteCourant);
    if (forme == TTypeInstrument::LurieHoughton || forme == TTypeInstrument::MaksutovNewton)
        c.TextOut(MiseEnPage.AbscisseCourante / 2, MiseEnPage.OrdonneeCourante,
                  "Distance miroir principal - foyer = " + FormateNombre(Systeme.PositionFoyer, "###0.0") + " mm");
}

void RouvreSaisie()
{
    const TTypeInstrument forme = Instrument.TypeInstrument;
    if (Relais.CodeSaisie() == 0 && forme != TTypeInstrument::Aucun && forme != TTypeInstrument::Lunette)
        Relais.OuvreSaisieDiametreEntree();
    if (Relais.CodeSaisie() != 0 || Relais.CadreOuvert() || forme == TTypeInstrument::Aucun ||
        Edition.PositionJournal == PositionRecuperation)
        return;
    if (forme == TTypeInstrument::Lunette)
    {
        if (Edition.InstrumentDeveloppe &&
            (Edition.TableEditee == TTableEditee::Groupe || Edition.TableEditee == TTableEditee::Aucune))
            Relais.OuvreSaisieRayonGroupe();
        if (Edition.DispositifDeveloppe && Edition.TableEditee == TTableEditee::Dispositif)
            Relais.OuvreSaisieRayonDioptre();
    }
    else if (Relais.SaisieVisible())
    {
        Relais.OuvreSaisieDiametreEntree();
    }
}

// The sheet is shown by every view but the start.
bool MontreFiche(TVue vue)
{
    switch (vue)
    {
    case TVue::Aucune:
    case TVue::Depart: return false;
    case TVue::Tableau:
    case TVue::Instrument:
    case TVue::Dispositif:
    case TVue::Champ:
    case TVue::EtoileMultiple:
    case TVue::EtoileUnique: return true;
    }
    return false;
}

void DessineVue(TVue vue)
{
    const TEtatsPage elements = ElementsVue(vue, MarquesCourbe, Validite.SystemeAfocal);
    EtatsPage.Fusionne(elements);
    if (const auto dessin = elements.EstVisible(TElementPage::Dessin))
        Controles.Dessin.Visible = *dessin;
    if (!Relais.SaisieVisible() && ContexteAideVue(vue) != 0)
        FixeContexteAide(ContexteAideVue(vue));
    // Every view draws the sheet first, then its own drawing below it.
    const bool fiche = MontreFiche(vue);
    if (fiche)
        DessineTableau();
    // The drawing goes right below the lens-device table; a view may move it.
    Controles.Dessin.Top = Controles.Grille.Top + Controles.Grille.Height;
    DessineSousFiche(vue);
    // A drawn sheet can always be printed, whatever the results decided before.
    if (fiche)
        EtatsPage.Active(TCommande::Imprimer, true);
}

// The row clipboard of the table being edited: the row commands paste from it.
const TLigneCopiee& PressePapiersLigne()
{
    return Edition.TableEditee == TTableEditee::Groupe ? Edition.LigneCopieeGroupe : Edition.LigneCopiee;
}

void CalculeCarres()
{
    Instrument.CarreRayonPupille = Instrument.DiametreEntree * Instrument.DiametreEntree / 4;
    const double secondaire = Instrument.DiametreSecondaire;
    Instrument.RayonObstructionCarre = secondaire * secondaire / 4;
}

void RecalculeEtDessine()
{
    for (TControle* controle : {&Controles.Dessin, &Controles.BoxDistance, &Controles.Spinup, &Controles.SpinDown})
        controle->Visible = false;
    Etat.VueCourante = VueDesBoutons(Etat.VueCourante);
    VerifieInstrument();
    VerifieDispositif();

    const TTypeInstrument forme = Instrument.TypeInstrument;
    if (Controles.Ligne.Visible)
        DessineLigneEditee();

    CalculeCarres();

    MesureHauteurTitre();
    int hauteur = MiseEnPage.HauteurTitre + 32;
    if (Edition.InstrumentDeveloppe)
    {
        hauteur += HauteurBlocInstrument(forme, Instrument.SecondaireSurMenisque, Groupe.NombreDioptresGroupe);
        PrepareForme();
    }
    hauteur += 96;
    if (Edition.DispositifDeveloppe)
    {
        hauteur += 16 * Dispositif.NombreDioptres;
    }
    else
    {
        Controles.Ligne.Visible = false;
        Controles.LigneSchmidt.Visible = false;
    }
    Controles.TableauKlevtsov.Visible = Edition.InstrumentDeveloppe && (forme == TTypeInstrument::Lunette ||
                                                                        forme == TTypeInstrument::KlevtsovCassegrain);
    Controles.Dessin.Width = Controles.Grille.Width;
    Controles.Dessin.Height = 550;
    Controles.Dessin.Left = Controles.Grille.Left;
    hauteur += HauteurVue(Etat.VueCourante);
    Etat.HauteurPage = hauteur;
    const int lignesGrille = std::max(Dispositif.NombreDioptres, 1);
    Controles.Grille.Height = Edition.DispositifDeveloppe ? 16 * lignesGrille + 49 : 49;

    EtatsPage.Fusionne(CommandesResultats(Validite, LigneVide(Edition.TableEditee, 1)));

    if (Validite.InstrumentValide)
        FocaleObjectifSeul();
    FixeReglagesVues();

    DessineVue(Etat.VueCourante);
    EcritLongueurInstrument();
    RouvreSaisie();
    Edition.AMettreAJour = false;
}

void Rafraichit()
{
    EtatsPage = TEtatsPage{};
    if (Systeme.CalculInterrompu)
        Etat.VueCourante = TVue::Tableau;
    Controles.AppuiDeroule.Visible = false;
    Controles.AppuiDeroulePlus.Visible = false;
    if (Etat.VueCourante == TVue::Depart)
        Etat.BoutonsVue[static_cast<std::size_t>(TBoutonVue::Instrument)] = true;
    Relais.CurseurAttente(true);

    const TTypeInstrument forme = Instrument.TypeInstrument;
    const TEtatsPage formules = CommandesFormules(forme, Validite.SansSecondaire);
    EtatsPage.Fusionne(formules);
    // The page's records are what the keys and clicks consult: a mirror row the form has not must be hidden there.
    if (formules.EstVisible(TElementPage::LigneMiroir) == false)
        Controles.LigneMiroir.Visible = false;
    if (formules.EstVisible(TElementPage::LigneMiroirActive) == false)
        Controles.LigneMiroirActive.Visible = false;
    if (forme == TTypeInstrument::Schmidt)
        CalculeFocaleSchmidt();
    if (!Relais.SaisieVisible() && ContexteAideVue(Etat.VueCourante) != 0)
        FixeContexteAide(ContexteAideVue(Etat.VueCourante));

    DocumentFiche.NomEnregistrement = Etat.NomEnregistrement;
    DocumentFiche.CheminDocument = Etat.CheminDocument;
    DocumentFiche.LargeurVisible = Etat.LargeurVisible;
    if (Edition.AMettreAJour && Etat.VueCourante != TVue::Depart)
    {
        RecalculeEtDessine();
        Etat.NomEnregistrement = DocumentFiche.NomEnregistrement;
    }
    // The row commands follow the highlight, which a click may hide or move without a recompute.
    const bool ligneVisible = Controles.Ligne.Visible;
    EtatsPage.Fusionne(CommandesValidite(Instrument.TypeInstrument, Validite, ligneVisible,
                                         ligneVisible && LigneVide(Edition.TableEditee, Edition.LigneCourante),
                                         PressePapiersLigne()[0] > 1e-6f));

    EtatsPage.Fusionne(CommandesEnregistrement(Instrument.TypeInstrument, Edition.DocumentModifie, Etat.CheminAffiche,
                                               Etat.CheminDocument, Edition.PositionJournal,
                                               Journal.NombreEnregistrementsJournal));
    Relais.CurseurAttente(false);
    RedessinePage();
    ImprimeSiDemande();
}

} // namespace

void RecalculeConception()
{
    if (Instrument.TypeInstrument == TTypeInstrument::Schmidt)
        CalculeFocaleSchmidt();
    VerifieInstrument();
    VerifieDispositif();
    CalculeCarres();
    if (Edition.InstrumentDeveloppe)
        PrepareForme();
    if (Validite.InstrumentValide)
        FocaleObjectifSeul();
    // The sheet's blocks solve the system as they draw; its image is drawn again by the refresh that follows.
    const bool aMettreAJour = Edition.AMettreAJour;
    Edition.AMettreAJour = true;
    DessineTableau();
    Edition.AMettreAJour = aMettreAJour;
    FixeReglagesVues();
}

void RafraichitVue()
{
    // The solver may open a modal dialog whose event loop calls back here (a resize, a scroll): that call is run once
    // the refresh in progress has ended, not in the middle of it.
    static bool enCours = false;
    static bool redemande = false;
    if (enCours)
    {
        redemande = true;
        return;
    }
    enCours = true;
    redemande = false;
    Rafraichit();
    if (redemande)
    {
        redemande = false;
        Rafraichit();
    }
    enCours = false;
}

void FermeCadresEtRafraichit()
{
    Controles.AppuiDeroule.Visible = false;
    Relais.FermeCadres();
    RafraichitVue();
}

void FermeCadreDioptre()
{
    for (TControle* controle : {&Controles.AppuiDeroule, &Controles.Spinup, &Controles.SpinDown})
        controle->Visible = false;
    Relais.FermeCadreDioptre();
    RafraichitVue();
}

std::string DessineEtoiles(bool unique)
{
    TFenetreEtoiles fenetre;
    fenetre.Transversales = Etat.Transversales;
    fenetre.RetourEtoileMultiple = Etat.RetourEtoileMultiple;
    fenetre.ZoomAvantActif = Etat.ZoomAvantActif;
    fenetre.ZoomArriereActif = Etat.ZoomArriereActif;
    DessineEtoilesPage(unique, fenetre);
    Etat.ZoomAvantActif = fenetre.ZoomAvantActif;
    Etat.ZoomArriereActif = fenetre.ZoomArriereActif;
    EtatsPage.Active(TCommande::ZoomAvant, fenetre.ZoomAvantActif);
    EtatsPage.Active(TCommande::ZoomArriere, fenetre.ZoomArriereActif);
    if (unique)
        EtatsPage.Active(TCommande::Transversales, fenetre.TransversalesVisible);
    return fenetre.TexteStatut;
}

namespace {

// The field analysis, on the same drawing image. Its commands follow the analysis once its data passed: a curve is
// copied only from results (data refused leave none), and the zooms stop at the scale's ends.
void DessineVueChamp()
{
    TFenetreChamp fenetre;
    fenetre.Depart = Etat.VueCourante == TVue::Depart;
    DessineChampPage(fenetre);
    EtatsPage.Active(TCommande::Copiercourbe, fenetre.CopieActive);
    if (fenetre.CopieActive)
    {
        EtatsPage.Active(TCommande::AfficheCourbeMemorisee, fenetre.CourbeActive);
        EtatsPage.Active(TCommande::ZoomPlus, fenetre.ZoomPlusActif);
        EtatsPage.Active(TCommande::ZoomMoins, fenetre.ZoomMoinsActif);
    }
}

// The instrument's section, on the drawing image under the sheet that the main window installs for the views, with
// the distance box's own image.
void DessineVueInstrument()
{
    if (ImagesEtoiles.Dessin != nullptr)
        DessineCoupeInstrument(*ImagesEtoiles.Dessin, ImagesEtoiles.BoiteDistance);
}

// The lens device's section, on the same drawing image, with the distance box's own image.
void DessineVueDispositif()
{
    if (ImagesEtoiles.Dessin != nullptr)
        DessineCoupeDispositif(*ImagesEtoiles.Dessin, ImagesEtoiles.BoiteDistance);
}

} // namespace

void DessineSousFiche(TVue vue)
{
    switch (vue)
    {
    case TVue::Aucune:
    case TVue::Depart:
    case TVue::Tableau: return;
    case TVue::Instrument: DessineVueInstrument(); return;
    case TVue::Dispositif: DessineVueDispositif(); return;
    case TVue::Champ: DessineVueChamp(); return;
    case TVue::EtoileMultiple: DessineEtoiles(false); return;
    // The single star leaves its status text for the status bar.
    case TVue::EtoileUnique: Relais.MontreStatut(DessineEtoiles(true)); return;
    }
}

void ImprimeSousFiche(IImprimante& imprimante, TVue vue)
{
    switch (vue)
    {
    case TVue::Aucune:
    case TVue::Depart:
    case TVue::Tableau: return;
    case TVue::Instrument: ImprimeCoupeInstrument(imprimante); return;
    case TVue::Dispositif: ImprimeCoupeDispositif(imprimante); return;
    case TVue::Champ: ImprimeChampPage(imprimante); return;
    case TVue::EtoileMultiple: ImprimeEtoileMultiplePage(imprimante); return;
    case TVue::EtoileUnique: ImprimeEtoileUniquePage(imprimante, Etat.Transversales); return;
    }
}
