// The one reset of the program's state for the tests, built into each test program with the folders it links: every
// test starts from the state of a new run, whatever the test before it left.
#include "support/Formes.h"

#include "optics/Crochets.h"
#include "optics/Notifications.h"
#include "optics/TraceRayon.h"

#ifdef QUIVANE_ETAT_PLATEFORME
#include "platform/Format.h"
#endif
#ifdef QUIVANE_ETAT_FICHE
#include "sheet/BlocSchmidt.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/TableauGroupe.h"
#endif
#ifdef QUIVANE_ETAT_COUPES
#include "sections/Cadre.h"
#include "sections/CoupeDispositif.h"
#include "sections/CoupeMaksutov.h"
#include "sections/Primitives.h"
#include "sections/Repere.h"
#include "sections/Support.h"
#endif
#ifdef QUIVANE_ETAT_ETOILES
#include "stars/Champ.h"
#include "stars/ChampPage.h"
#include "stars/EtoileUnique.h"
#include "stars/GrapheChamp.h"
#include "stars/MecaniqueEtoiles.h"
#include "stars/PageEtoiles.h"
#include "stars/SourisDessin.h"
#endif
#ifdef QUIVANE_ETAT_EDITION
#include "editing/ChoixVerre.h"
#include "editing/ClicsFiche.h"
#include "editing/EtatEdition.h"
#include "editing/ListeTypes.h"
#include "editing/Nombres.h"
#include "editing/Ports.h"
#include "editing/PortsEnregistres.h"
#include "editing/CadresTables.h"
#include "editing/SourisTableaux.h"
#include "editing/Touches.h"
#endif
#ifdef QUIVANE_ETAT_DIALOGUES
#include "dialogs/HomothetieCalcul.h"
#include "dialogs/OculaireChoixCalcul.h"
#include "dialogs/OptimisationCalcul.h"
#include "dialogs/RossCalcul.h"
#endif
#ifdef QUIVANE_ETAT_APPLICATION
#include "app/Crochets.h"
#include "app/Enregistrement.h"
#include "app/Etat.h"
#include "app/FichierFenetre.h"
#include "app/FichierLecture.h"
#include "app/Historique.h"
#include "app/Journal.h"
#include "app/Rafraichissement.h"
#endif

#include <gtest/gtest.h>

void ReinitialiseProgramme()
{
    // A hook the test did not install fails the test, naming the hook, instead of stopping the whole program.
    SurCrochetAbsent = [](const char* nom) { ADD_FAILURE() << "hook called but never installed: " << nom; };
    ReinitialiseEtat();
    Notifications = TNotifications{};
    RayonsGroupe = {};
#ifdef QUIVANE_ETAT_PLATEFORME
    SeparateurDecimal = '.';
#endif
#ifdef QUIVANE_ETAT_FICHE
    MiseEnPage = TMiseEnPage{};
    Controles = TControlesFiche{};
    ImagesFiche = TImagesFiche{};
    DocumentFiche = TDocumentFiche{};
    ContexteAide = 0;
    LegendesBoutonsLame = TLegendesBoutonsLame{};
    ImagesGroupe = TImagesGroupe{};
    ImpressionEtat = TImpressionEtat{};
#endif
#ifdef QUIVANE_ETAT_COUPES
    BandeauOcculte = TBandeau{};
    TeinteSuivante = 0;
    JointPrecedent = false;
    JointSuivant = false;
    VignettageSecondaire = false;
    TrajetRayonPrincipal = TTrajetRayon{};
    TrajetBordNegatif = TTrajetRayon{};
    TrajetBordPositif = TTrajetRayon{};
    TraceursMaksutov = TTraceursMaksutov{};
    DegradeNoir = TDegrade{};
    DegradeBlanc = TDegrade{};
    BordsFaces = TBordsFaces{};
    RepereDessin = TRepereDessin{};
    LongueurSchema = 0;
    HauteurSchema = 0;
    HauteurBandeImprimee = 0;
    LegendesDispositif = TLegendesDispositif{};
    PasDistanceDispositif = 1;
#endif
#ifdef QUIVANE_ETAT_ETOILES
    EtatEtoileUnique = TEtatEtoileUnique{};
    ChoixSouris = TChoixSouris{};
    ResultatsChamp = {};
    EchecRayonPrincipal = {};
    RayonsEmergentsChamp = TRayonsEmergentsChamp{};
    CourbeMemorisee = {};
    GrapheChamp = TGrapheChamp{};
    Etoiles = TEtoiles{};
    CourbeMemoriseeAffichee = false;
    ImagesEtoiles = TImagesEtoiles{};
#endif
#ifdef QUIVANE_ETAT_EDITION
    EtatSaisie = TEtatSaisie{};
    PortsEdition = TPortsEdition{};
    PortsClicsFiche = TPortsClicsFiche{};
    PortsCatalogue = TPortsCatalogue{};
    PortsListes = TPortsListes{};
    ListeLongueursOnde = TListeLongueursOnde{};
    MatiereChoisie = {};
    MatiereSelectionnee = false;
    PortsCadresTables = TPortsCadresTables{};
    PortsCadres = TPortsCadres{};
    ChoixVerreClavier = [] { CrochetAbsent("ChoixVerreClavier"); };
    FichierIncorrect = false;
    ErreurLecture = false;
#endif
#ifdef QUIVANE_ETAT_DIALOGUES
    PortsOculaire = TPortsOculaire{};
    PortsRoss = TPortsRoss{};
    PortsHomothetie = TPortsHomothetie{};
    PortsOptimisation = TPortsOptimisation{};
#endif
#if defined(QUIVANE_ETAT_EDITION) && !defined(QUIVANE_ETAT_APPLICATION)
    // Below the shell, the editors' ports are recorded for every test to look at.
    InstallePortsEnregistres();
#endif
#ifdef QUIVANE_ETAT_APPLICATION
    Etat = TEtatApplication{};
    Journal = TJournal{};
    Lecture = TLecture{};
    EtatsPage = TEtatsPage{};
    MarquesCourbe = TMarquesCourbe{};
    Relais = TRelaisRafraichissement{};
    FenetreFichier = TFenetreFichier{};
    OperationFichierReussie = false;
    // The shell's tests run the program's own wiring, as its start-up installs it, except the focus searches'
    // questions: abandoned unless a test asks them through the program's dialogs.
    InstalleCrochets();
    Notifications.DemandeDistanceFoyerDioptre = [] { return false; };
    Notifications.DemandeDecalageFoyer = [] { return false; };
#endif
}

namespace {

class TReinitialisationAvantChaqueTest : public testing::EmptyTestEventListener
{
    void OnTestStart(const testing::TestInfo&) override { ReinitialiseProgramme(); }
};

[[maybe_unused]] const bool ReinitialisationInstallee = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new TReinitialisationAvantChaqueTest);
    return true;
}();

} // namespace
