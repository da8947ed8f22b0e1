// Every hook of the program, installed once at start-up: the editors, the refresh, the design files and the model
// reach the shell, the dialogs and the main window only through what is installed here.
#include "app/Crochets.h"

#include "app/CablageVues.h"
#include "app/CadreLentille.h"
#include "app/CadresTables.h"
#include "app/CommandesFichier.h"
#include "app/Etat.h"
#include "app/FichierFenetre.h"
#include "app/Historique.h"
#include "app/Journal.h"
#include "app/ListesFiche.h"
#include "app/Messages.h"
#include "app/Outils.h"
#include "app/Principale.h"
#include "app/Rafraichissement.h"
#include "dialogs/DemandesFoyer.h"
#include "dialogs/Homothetie.h"
#include "dialogs/Index.h"
#include "dialogs/IndexCalcul.h"
#include "dialogs/OculaireChoix.h"
#include "dialogs/Optimisation.h"
#include "dialogs/Position.h"
#include "dialogs/Ross.h"
#include "editing/BoiteSaisie.h"
#include "editing/CadresTables.h"
#include "editing/ChoixVerre.h"
#include "editing/ClicsFiche.h"
#include "editing/EtatEdition.h"
#include "editing/ListeTypes.h"
#include "editing/OuvreCellules.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "editing/SourisTableaux.h"
#include "editing/Touches.h"
#include "optics/Modele.h"
#include "optics/Notifications.h"
#include "platform/Bip.h"
#include "platform/Services.h"
#include "sections/CoupeDispositif.h"
#include "sheet/Fiche.h"
#include "stars/EtoileUnique.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QStatusBar>

#include <iterator>

namespace {

void InstallePortsEdition()
{
    PortsEdition = TPortsEdition{
        // A refusal's warning is said every other time because the modal box once took the entry box's focus and
        // that focus loss ran the commit again, silently. Our entry box does not commit when a modal box takes its
        // focus, so the silent pass is done here: each refused entry is said once, and the next one is said again.
        .AfficheAvertissement =
            [](const std::string& t, const std::string& x) {
                AfficheAvertissement(t, x);
                Systeme.MessageDejaAffiche = 0;
            },
        .AfficheAvertissementLarge =
            [](const std::string& t, const std::string& x) {
                AfficheAvertissementLarge(t, x);
                Systeme.MessageDejaAffiche = 0;
            },
        .PoseQuestion =
            [](const std::string& t, const std::string& x) {
                PoseQuestion(t, x);
                return static_cast<int>(Etat.Reponse);
            },
        .Bip = [] { SonneBip(BipExclamation); },
        .AfficheConflitMiroirPlan =
            [] {
                MessageBeep(BipExclamation);
                TQuestion q{"Quivane - Saisie du petit côté du miroir plan",
                            "La disposition actuelle provoque un conflit entre",
                            "le miroir plan et le ménisque correcteur.",
                            "Il faut augmenter la distance lame-miroir principal.",
                            TIconeQuestion::Avertissement,
                            TBoutonsQuestion::Ok,
                            "&Ok",
                            350,
                            0};
                if (Services().Question != nullptr)
                    Etat.Reponse = Services().Question->Pose(q);
            },
        .AjouteAuJournal = [](const TEnregistrementJournal& e) { AjouteEnregistrement(e); },
        .NombreEnregistrementsJournal = [] { return Journal.NombreEnregistrementsJournal; },
        .DernierEnregistrement =
            [] {
                // An emptied journal, or undone records still ahead of the design shown: its last record is not this
                // design's.
                const std::int32_t position = Edition.PositionJournal;
                const std::int32_t nombre = Journal.NombreEnregistrementsJournal;
                if (nombre == 0 || (position > 0 && position < nombre))
                    return TEnregistrementJournal{};
                return TEnregistrementJournal{Journal.CodeJournal, Journal.IndexJournal, Journal.ValeurJournal};
            },
        .RejeuEnCours = [] { return Journal.RejeuEnCours; },
        .RafraichitVue = [] { RafraichitVue(); },
        .FermeCadresEtRafraichit = [] { FermeCadresEtRafraichit(); },
        .FermeCadreDioptre = [] { FermeCadreDioptre(); },
        .ActiveCommande =
            [](TCommandeEdition commande, bool active) {
                TPrincipale* p = Principale;
                if (p == nullptr)
                    return;
                // In the order of TCommandeEdition; the device view's button is not the main window's.
                QAction* actions[] = {
                    p->Annuler,       p->Copier,           p->Couper,      p->Coller,      p->PlacerAvantDispo,
                    p->RemplaceDispo, p->PlacerApresDispo, p->CopierLigne, p->CollerLigne, p->InsererLigneCopiee,
                    p->CouperLigne,   p->InsererLigne};
                const auto rang = static_cast<std::size_t>(commande);
                if (rang < std::size(actions))
                    actions[rang]->setEnabled(active);
            },
        .PressePapiersTexte =
            [] { return Services().PressePapiers != nullptr && Services().PressePapiers->ContientTexte(); },
        .AfficheStatut =
            [](const std::string& texte) {
                if (Principale != nullptr)
                    Principale->statusBar()->showMessage(QString::fromStdString(texte));
            },
        .FixeContexteAide = [](int contexte) { FixeContexteAide(contexte); },
        .AppliqueLongueurOnde = AppliqueLongueurOnde,
        // An opener shows the wavelength list the way it shows the entry box.
        .MontreSaisie =
            [] {
                MontreBoiteSaisie();
                AppliqueListesFiche();
            },
        .VueCourante = [] { return Etat.VueCourante; },
    };
}

void InstalleRelais()
{
    Relais = TRelaisRafraichissement{
        .CodeSaisie = [] { return static_cast<int>(EtatSaisie.CodeSaisie); },
        // The box's model, not the widget, says whether a value is open: the widget is hidden while the window is.
        .SaisieVisible = [] { return EtatSaisie.Saisie.Visible; },
        // The frames are the editors' state; the refresh shows them.
        .CadreOuvert =
            [] {
                const TEtatSaisie& e = EtatSaisie;
                return e.CadreDioptre || e.CadreLentille || e.CadreEpaisseur || e.CadreDiametre || e.CadreMiroirPlan;
            },
        .FermeCadres =
            [] {
                TEtatSaisie& e = EtatSaisie;
                e.CadreDioptre = e.CadreLentille = e.CadreEpaisseur = e.CadreDiametre = e.CadreMiroirPlan = false;
            },
        .FermeCadreDioptre = [] { EtatSaisie.CadreDioptre = false; },
        .OuvreSaisieDiametreEntree = OuvreSaisieDiametreEntree,
        .OuvreSaisieRayonGroupe = OuvreSaisieRayonGroupe,
        .OuvreSaisieRayonDioptre = OuvreSaisieRayonDioptre,
        .CurseurAttente =
            [](bool attente) {
                if (Principale == nullptr)
                    return;
                if (attente)
                    QApplication::setOverrideCursor(Qt::WaitCursor);
                else
                    QApplication::restoreOverrideCursor();
            },
        .MontreStatut =
            [](const std::string& texte) {
                if (CablageVues != nullptr)
                    CablageVues->MontreStatut(texte);
            },
    };
}

void InstalleFenetreFichier()
{
    FenetreFichier = TFenetreFichier{
        .Titre =
            [](const std::string& titre) {
                if (Principale != nullptr)
                    Principale->setWindowTitle(QString::fromStdString(titre));
            },
        .ActionsDispositif =
            [](bool remplace, bool avant, bool apres) {
                if (Principale != nullptr)
                    Principale->ActionsDispositif(remplace, avant, apres);
            },
        .ActionEnregistrer =
            [](bool active) {
                if (Principale != nullptr)
                    Principale->Enregistrer->setEnabled(active);
            },
        .BoutonsVuesInstrument =
            [] {
                if (Principale != nullptr)
                    Principale->BoutonsVuesInstrument();
            },
        .CacheSaisie = CacheBoiteSaisie,
        .RouvreSaisie = RouvreSaisieApresOuverture,
    };
}

void InstalleNotifications()
{
    Notifications = TNotifications{
        .InstrumentReinitialise =
            [] {
                OublieNomDocument();
                // A new instrument has no mirror row to edit.
                Controles.LigneMiroir.Visible = false;
                Controles.LigneMiroirActive.Visible = false;
                if (Principale != nullptr)
                    Principale->InstrumentReinitialise();
            },
        .DispositifReinitialise =
            [](bool instrumentValide) {
                OublieNomDocument();
                if (Principale != nullptr)
                    Principale->DispositifReinitialise(instrumentValide);
            },
        .Bip = SonneBip,
        .DemandeDistanceFoyerDioptre = DemandeDistanceFoyerDioptre,
        .DemandeDecalageFoyer = DemandeDecalageFoyer,
    };
}

} // namespace

void InstalleCrochets()
{
    InstallePortsEdition();
    InstalleRelais();
    InstalleFenetreFichier();
    InstalleNotifications();
    PortsClicsFiche = TPortsClicsFiche{
        .TexteListeTypes = TexteListeTypesFiche,
        .AfficheVueTableau = [] { Etat.VueCourante = TVue::Tableau; },
        .PasDistanceDispositif = [] { return ::PasDistanceDispositif; },
        .PrepareDistanceEtoile = PrepareDistanceEtoile,
    };
    PortsListes = TPortsListes{.CreeNouveauDocument = CreeNouveauDocument};
    PortsCatalogue = TPortsCatalogue{
        .Lit = LitCatalogueFenetre,
        .Montre = MontreCatalogue,
        .MontreTable = MontreTableCatalogue,
        .AfficheMessageDisque = AfficheMessageDisque,
        .IndiceVerreIntegre = IndiceVerreIntegre,
    };
    PortsCadresTables = TPortsCadresTables{
        .OuvreCadreLentille = MontreCadreLentille,
        .OuvreCadreEpaisseur = MontreCadreEpaisseur,
        .OuvreCadreDiametre = MontreCadreDiametre,
        .OuvreCadreMiroirPlan = MontreCadreMiroirPlan,
    };
    PortsCadres = TPortsCadres{
        // The position window is created with the main window.
        .AfficheFormePosition =
            [] {
                if (PositionForm != nullptr)
                    AfficheFormePosition();
            },
        .DiametreOptimise = DiametreOptimise,
    };
    PortsOculaire = TPortsOculaire{.Montre = MontreChoixOculaire};
    PortsRoss = TPortsRoss{.Montre = MontreRoss};
    PortsHomothetie = TPortsHomothetie{.Montre = MontreHomothetie};
    PortsOptimisation = TPortsOptimisation{.Montre = MontreOptimisation};
    ChoixVerreClavier = ChoixVerreClavierIndice;
    RedessinePage = [] {
        if (Principale != nullptr)
            Principale->RedessinePage();
        MontreBoiteSaisie();
    };
    MontreHistorique = [] {
        if (Principale != nullptr)
            Principale->MontreHistorique();
    };
}
