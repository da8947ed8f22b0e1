// Start-up and close inside the test process, with scripted services: the boxes start-up may show, a close without
// changes that asks nothing, and "Oui" at closing that always asks for a name.
#include "doubles/ApplicationQt.h"
#include "app/Demarrage.h"
#include "app/Etat.h"
#include "app/FichierEcriture.h"
#include "app/Principale.h"
#include "app/Session.h"
#include "dialogs/Preferences.h"
#include "editing/EtatEdition.h"
#include "editing/OuvreSaisie.h"
#include "doubles/ServicesDeTest.h"
#include "optics/Modele.h"
#include "support/Formes.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class Fermeture : public testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationQt();
        if (const char* precedent = std::getenv("QUIVANE_DOSSIER"))
            DossierPrecedent = precedent;
        char modele[] = "/tmp/quivane-fermeture-XXXXXX";
        ASSERT_NE(::mkdtemp(modele), nullptr);
        Dossier = modele;
        ::setenv("QUIVANE_DOSSIER", Dossier.c_str(), 1);
        Edition.DocumentModifie = false;
    }
    void TearDown() override
    {
        LibereSession();
        Edition.DocumentModifie = false;
        if (DossierPrecedent.empty())
            ::unsetenv("QUIVANE_DOSSIER");
        else
            ::setenv("QUIVANE_DOSSIER", DossierPrecedent.c_str(), 1);
        fs::remove_all(Dossier);
    }

    fs::path Dossier;
    std::string DossierPrecedent;
};

}

TEST_F(Fermeture, SansFichierDAideUnMessagePuisUneFermetureSansQuestion)
{
    TServicesDeTest services;
    services.Aide.Present = false;
    services.Question.Repond(ReponseOk);
    TPrincipale principale;
    FormCreate(principale, {});
    ASSERT_EQ(services.Question.Posees.size(), 1u);
    EXPECT_EQ(services.Question.Posees[0].Titre, "Quivane");
    EXPECT_EQ(services.Question.Posees[0].Ligne1, "Le fichier d'aide est introuvable !");
    EXPECT_EQ(Etat.NumeroSession, 0);
    EXPECT_TRUE(fs::exists(Dossier / "Session0.tmp"));

    EXPECT_TRUE(FermeProgramme(true, principale.Geometrie()));
    EXPECT_EQ(services.Question.Posees.size(), 1u);
    EXPECT_EQ(Etat.Reponse, ReponseNon);
    EXPECT_FALSE(fs::exists(Dossier / "Session0.tmp"));
    EXPECT_FALSE(fs::exists(Dossier / "Quivane0.tmp"));
    EXPECT_TRUE(fs::exists(Dossier / "Quivane.ini"));
}

TEST_F(Fermeture, UnDossierInutilisableEstNommeDansSonAvertissement)
{
    std::ofstream(Dossier / "fichier") << "x";
    const fs::path impossible = Dossier / "fichier" / "Quivane";
    ::setenv("QUIVANE_DOSSIER", impossible.c_str(), 1);
    TServicesDeTest services;
    services.Question.Repond(ReponseOk);
    TPrincipale principale;
    FormCreate(principale, {});
    ASSERT_EQ(services.Question.Posees.size(), 1u);
    EXPECT_EQ(services.Question.Posees[0].Titre, "Quivane - Initialisation");
    EXPECT_EQ(services.Question.Posees[0].Ligne1, "Le dossier " + impossible.string() +
                                                      "/ ne peut pas être écrit : ni journal ni configuration ne "
                                                      "seront gardés.");
    EXPECT_TRUE(FermeProgramme(true, principale.Geometrie()));
}

TEST_F(Fermeture, OuiDemandeToujoursUnNomEtAbandonnerGardeLeProgramme)
{
    TServicesDeTest services;
    TPrincipale principale;
    FormCreate(principale, {});
    Edition.DocumentModifie = true;
    Etat.CheminDocument = (Dossier / "a.qvd").string();
    Etat.CheminAffiche = Etat.CheminDocument;
    services.Question.Repond(ReponseOui);
    services.DialoguesFichier.RepondEnregistreSous(std::nullopt);

    EXPECT_FALSE(FermeProgramme(false, principale.Geometrie()));
    ASSERT_EQ(services.DialoguesFichier.Demandes.size(), 1u);
    EXPECT_FALSE(Etat.FermetureEnCours);
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_TRUE(fs::exists(Dossier / "Session0.tmp"));
    EXPECT_FALSE(fs::exists(Dossier / "Quivane.ini"));

    services.Question.Repond(ReponseAnnuler);
    EXPECT_FALSE(FermeProgramme(true, principale.Geometrie()));
    EXPECT_TRUE(fs::exists(Dossier / "Session0.tmp"));

    services.Question.Repond(ReponseNon);
    EXPECT_TRUE(FermeProgramme(true, principale.Geometrie()));
    EXPECT_FALSE(fs::exists(Dossier / "Session0.tmp"));
}

// The settings commands from start-up; preferences left as shown change nothing, while the focus ray's distance,
// which the design file carries, alone makes the close ask for saving.
TEST_F(Fermeture, LaDistanceDuRayonDuFoyerSeuleDemandeDEnregistrer)
{
    TServicesDeTest services;
    TPrincipale principale;
    FormCreate(principale, {});
    for (const QAction* commande :
         {principale.Preferences, principale.ConfigInstrument, principale.Configdispo, principale.ConfigChamp,
          principale.ConfigEtoilesMulti, principale.ConfigEtoileUnique})
        EXPECT_TRUE(commande->isEnabled()) << commande->text().toStdString();

    QTimer::singleShot(0, PreferencesForm, [] { PreferencesForm->ButtonOk->click(); });
    principale.Preferences->trigger();
    EXPECT_FALSE(Edition.DocumentModifie);

    QTimer::singleShot(0, PreferencesForm, [] {
        PreferencesForm->SaisieDist->setText("0,3");
        PreferencesForm->ButtonOk->click();
    });
    principale.Preferences->trigger();
    EXPECT_EQ(Systeme.DistanceAxeRayonFoyer, 0.3);
    EXPECT_TRUE(Edition.DocumentModifie);

    services.Question.Repond(ReponseNon);
    EXPECT_TRUE(FermeProgramme(true, principale.Geometrie()));
    ASSERT_EQ(services.Question.Posees.size(), 1u);
    EXPECT_EQ(services.Question.Posees[0].Titre, "Quivane - Confirmer");
}

TEST_F(Fermeture, UnFichierIlisibleDeLaLigneDeCommandeLaisseUnDocumentSansNom)
{
    TServicesDeTest services;
    services.Question.Repond(ReponseOk);
    TPrincipale principale;
    FormCreate(principale, {(Dossier / "absent").string(), "b.qvd"});
    EXPECT_EQ(services.Question.Posees.size(), 1u);
    EXPECT_EQ(Etat.CheminDocument, "");
    EXPECT_EQ(Etat.CheminAffiche, "");
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane");
    EXPECT_EQ(Etat.FichiersRecents[1], "");
    EXPECT_TRUE(FermeProgramme(true, principale.Geometrie()));
}

TEST_F(Fermeture, UneConfigurationFautiveDonneLeMessageEtLaFenetreParDefaut)
{
    TServicesDeTest services;
    Etat.DossierUtilisable = true;
    Etat.CheminConfiguration = (Dossier / "Quivane.ini").string();
    const std::vector<std::string> seizeLignes = {
        "[Quivane 3.3.0]", "0", "1200", "900", "30", "40", "backup", "", "", "", "", "", "", "", "", ""};
    {
        std::ofstream fichier(Etat.CheminConfiguration);
        for (const std::string& ligne : seizeLignes)
            fichier << ligne << '\n';
    }
    services.Question.Repond(ReponseOk);
    const TGeometrieFenetre fenetre = ConfigurationDemarrage({1920, 1200}, {2, 640, 480, 7, 9});
    ASSERT_EQ(services.Question.Posees.size(), 1u);
    EXPECT_EQ(services.Question.Posees[0].Titre, "Quivane - Initialisation");
    EXPECT_EQ(services.Question.Posees[0].Ligne1, "Erreur de lecture du fichier Quivane.ini");
    EXPECT_EQ(fenetre.EtatFenetre, 0);
    EXPECT_EQ(fenetre.Largeur, 820);
    EXPECT_EQ(fenetre.Hauteur, 1188);
    EXPECT_EQ(fenetre.Gauche, 30);
    EXPECT_EQ(fenetre.Haut, 5);

    fs::remove(Etat.CheminConfiguration);
    const TGeometrieFenetre sansFichier = ConfigurationDemarrage({1920, 1200}, {2, 640, 480, 7, 9});
    EXPECT_EQ(services.Question.Posees.size(), 1u);
    EXPECT_EQ(sansFichier.Largeur, 820);
    EXPECT_EQ(sansFichier.Gauche, 7);
}

TEST_F(Fermeture, UneConfigurationQuiNePeutEtreEcriteLeDit)
{
    TServicesDeTest services;
    Etat.DossierUtilisable = true;
    Etat.DossierProgramme = (Dossier / "absent" / "").string();
    services.Question.Repond(ReponseOk);
    EcritConfiguration({0, 820, 1000, 0, 0});
    ASSERT_EQ(services.Question.Posees.size(), 1u);
    EXPECT_EQ(services.Question.Posees[0].Titre, "Quivane - Configuration");
    EXPECT_EQ(services.Question.Posees[0].Ligne1, "Erreur d'ecriture dans le fichier Quivane.ini");
    EXPECT_EQ(services.Bip.Nombre(BipExclamation), 1);
}

TEST_F(Fermeture, UnDossierImpossibleEstSignaleEtLeProgrammeContinueSansLui)
{
    std::ofstream(Dossier / "fichier") << "x";
    ::setenv("QUIVANE_DOSSIER", (Dossier / "fichier" / "sous").c_str(), 1);
    TServicesDeTest services;
    services.Question.Repond(ReponseOk);
    TPrincipale principale;
    FormCreate(principale, {});
    ASSERT_EQ(services.Question.Posees.size(), 1u);
    EXPECT_EQ(services.Question.Posees[0].Titre, "Quivane - Initialisation");
    EXPECT_FALSE(Etat.DossierUtilisable);
    EXPECT_EQ(Etat.CheminJournal, "");
    EXPECT_EQ(Etat.CheminCopieDeBase, "");
    EXPECT_FALSE(fs::exists("Quivane0.tmp"));
    EXPECT_TRUE(FermeProgramme(true, principale.Geometrie()));
    EXPECT_EQ(services.Question.Posees.size(), 1u);
}

TEST_F(Fermeture, LaLigneDeCommandeOuvreSonFichierMalgreLeBlancFinal)
{
    TServicesDeTest services;
    const std::string chemin = (Dossier / "mon newton.qvd").string();
    ReinitialiseEtat();
    ConstruitFormeValide(TTypeInstrument::Newton);
    Etat.CheminDocument = chemin;
    ASSERT_TRUE(EcritFichierConception());
    ReinitialiseEtat();
    Etat = TEtatApplication{};
    EtatSaisie = TEtatSaisie{};

    TPrincipale principale;
    const std::string dossier = Dossier.string();
    FormCreate(principale, {dossier + "/mon", "newton.qvd"});
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Newton);
    EXPECT_EQ(Etat.CheminDocument, chemin);
    EXPECT_EQ(Etat.FichiersRecents[1], chemin);
    EXPECT_EQ(principale.windowTitle().toStdString(), chemin + " ");
    EXPECT_FALSE(Edition.DocumentModifie);
    // The design opened shows no value open for typing.
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieApresLecture);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
    EXPECT_TRUE(FermeProgramme(true, principale.Geometrie()));
    std::ifstream configuration(Dossier / "Quivane.ini");
    std::vector<std::string> lignes;
    for (std::string ligne; std::getline(configuration, ligne);)
        lignes.push_back(ligne);
    ASSERT_EQ(lignes.size(), 17u);
    EXPECT_EQ(lignes[7], chemin);
}

TEST_F(Fermeture, LaSaisieOuverteApresUneRecuperationLaisseLeFocusLaSuivanteLePrend)
{
    TServicesDeTest services;
    // What a run killed after opening a Newton leaves: its base copy and a journal that reads it.
    ReinitialiseEtat();
    ConstruitFormeValide(TTypeInstrument::Newton);
    Etat.CheminDocument = (Dossier / "QuivaneFile0.tmp").string();
    ASSERT_TRUE(EcritFichierConception());
    std::ofstream(Dossier / "Quivane0.tmp") << "-2\n0\n" << (Dossier / "newton.qvd").string() << "\n";
    ReinitialiseEtat();
    Etat = TEtatApplication{};
    EtatSaisie = TEtatSaisie{};

    services.Question.Repond(ReponseOui);
    TPrincipale principale;
    FormCreate(principale, {});
    ASSERT_EQ(Instrument.TypeInstrument, TTypeInstrument::Newton);
    ASSERT_TRUE(principale.Saisie->isVisibleTo(principale.Fiche));
    EXPECT_NE(principale.focusWidget(), principale.Saisie);
    OuvreSaisieDiametreEntree();
    EXPECT_EQ(principale.focusWidget(), principale.Saisie);

    services.Question.Repond(ReponseNon);
    EXPECT_TRUE(FermeProgramme(true, principale.Geometrie()));
}
