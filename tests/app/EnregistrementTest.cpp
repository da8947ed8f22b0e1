// Save and Save as: backups kept as moves, writes that fail leave the old file and the modified state, the save-as
// dialog's proposal, extension and overwrite question.
#include "FichierTest.h"

#include "app/Enregistrement.h"
#include "app/FichierEcriture.h"
#include "doubles/FichiersDefaillants.h"

namespace {

class Enregistrement : public FichierTest
{
protected:
    void SetUp() override
    {
        FichierTest::SetUp();
        ConstruitFormeValide(TTypeInstrument::Newton);
    }

    // A change of the design that shows in its file.
    static void Modifie(double diametre)
    {
        Instrument.DiametreEntree = diametre;
        Edition.DocumentModifie = true;
    }

    static std::string Contenu(double diametre)
    {
        const double ancien = Instrument.DiametreEntree;
        Instrument.DiametreEntree = diametre;
        std::string octets;
        for (const std::string& ligne : LignesFichierConception())
            octets += ligne + "\r\n";
        Instrument.DiametreEntree = ancien;
        // The writer's bytes are Windows-1252: the only accented letter here is the title's "é".
        const auto e = octets.find("é");
        return octets.replace(e, 2, "\xE9");
    }
};

TEST_F(Enregistrement, DeuxEnregistrementsLaissentLaVersionPrecedenteEnBak)
{
    Etat.CheminDocument = Chemin("a.qvd");
    std::string contenus[3];
    for (int i = 0; i < 3; ++i)
    {
        Modifie(200 + 50 * i);
        contenus[i] = Contenu(200 + 50 * i);
        EnregistreDocument();
    }

    EXPECT_TRUE(OperationFichierReussie);
    EXPECT_EQ(Octets(Chemin("a.qvd")), contenus[2]);
    EXPECT_EQ(Octets(Chemin("a.bak")), contenus[1]);
    EXPECT_FALSE(Edition.DocumentModifie);
    EXPECT_EQ(Etat.CheminAffiche, Chemin("a.qvd"));
    EXPECT_EQ(Etat.FichiersRecents[1], Chemin("a.qvd"));
}

TEST_F(Enregistrement, SansCopieDeSauvegardeLeBakResteIntact)
{
    Etat.CopieSauvegarde = false;
    EcritFichier(Chemin("a.bak"), {"ancienne sauvegarde"});
    Etat.CheminDocument = Chemin("a.qvd");
    Modifie(200);
    EnregistreDocument();
    Modifie(250);
    const std::string attendu = Contenu(250);
    EnregistreDocument();
    EXPECT_EQ(Octets(Chemin("a.qvd")), attendu);
    EXPECT_EQ(Octets(Chemin("a.bak")), "ancienne sauvegarde\r\n");
}

TEST_F(Enregistrement, UnEchecGardeLAncienFichierEtLeDocumentModifie)
{
    EcritFichier(Chemin("pas-un-dossier"), {"x"});
    struct TCas
    {
        const char* Quoi;
        std::string Chemin;
        int LignesAvantEchec; // -1: the disk itself
    };
    const TCas cas[] = {
        {"dossier impossible", Chemin("pas-un-dossier/a.qvd"), -1},
        {"disque plein à la 20e ligne", Chemin("a.qvd"), 20},
        {"disque plein à la dernière ligne", Chemin("a.qvd"), 50},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Quoi);
        EcritFichier(Chemin("a.qvd"), {"version enregistrée"});
        std::filesystem::remove(Chemin("a.bak"));
        TFichiersDefaillants defaillants(c.LignesAvantEchec);
        if (c.LignesAvantEchec >= 0)
            ::Services().Fichiers = &defaillants;
        Etat.CheminDocument = c.Chemin;
        Etat.CheminAffiche.clear();
        Modifie(300);
        Services.Question.Posees.clear();
        Services.Question.Repond(ReponseOk);

        EnregistreDocument();

        EXPECT_FALSE(OperationFichierReussie);
        EXPECT_EQ(Boites(),
                  std::vector<std::string>{"Quivane - Ecriture d'un fichier / Erreur d'écriture d'un fichier"});
        EXPECT_EQ(Octets(Chemin("a.qvd")), "version enregistrée\r\n");
        EXPECT_FALSE(std::filesystem::exists(Chemin("a.bak")));
        EXPECT_TRUE(Edition.DocumentModifie);
        EXPECT_TRUE(Etat.CheminAffiche.empty()) << "rien n'a été enregistré sous ce nom";
        ::Services().Fichiers = &Services.Fichiers;
    }
}

TEST_F(Enregistrement, NomsDeSauvegardeEtExtensions)
{
    struct TCas
    {
        const char* Nom;
        const char* SansExtension;
        const char* Secours;
    };
    const TCas cas[] = {
        {"/d/mirror.bak", "/d/mirror", "/d/mirror.bak"},
        {"/d/mirror.QVD", "/d/mirror.QVD", "/d/mirror.bak"},
        {"/d/mirror", "/d/mirror", "/d/mirror.bak"},
        {"/d/a.qvd", "/d/a", "/d/a.bak"},
        {".tmp", "", ".tmp.bak"},
        {"qvd", "qvd", "qvd.bak"},
        {"/home/u.v/ab", "/home/u.v/ab", "/home/u.v/ab.bak"},
        {"C:\\Optique\\ab", "C:\\Optique\\ab", "C:\\Optique\\ab.bak"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        EXPECT_EQ(RetireExtension(c.Nom), c.SansExtension);
        EXPECT_EQ(CheminSecours(c.Nom), c.Secours);
    }
    Etat.NomEnregistrement = "mirror.QVD";
    ForceExtension();
    EXPECT_EQ(Etat.NomEnregistrement, "mirror.QVD.qvd");
}

TEST_F(Enregistrement, EnregistrerSousProposeLeCheminSansExtension)
{
    struct TCas
    {
        const char* Affiche;
        const char* Propose;
        // The name of the file a recovered journal started from.
        const char* Origine = "";
    };
    const TCas cas[] = {
        {"", ""},
        {"/d/miroir.qvd", "/d/miroir"},
        {"/d/miroir...qvd", "/d/miroir"},
        {"Fichier Récupéré", "miroir", "miroir.qvd"},
        {"Fichier Récupéré", ""},
        {"Fichier Récupéré", "", "QuivaneFile0.tmp"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::string(c.Affiche) + " " + c.Origine);
        Etat.CheminAffiche = c.Affiche;
        Journal.NomFichierOrigine = c.Origine;
        Services.DialoguesFichier.Demandes.clear();
        Services.DialoguesFichier.RepondEnregistreSous(std::nullopt);
        EnregistreDocumentSous();
        ASSERT_EQ(Services.DialoguesFichier.Demandes.size(), 1u);
        const TDemandeFichier& demande = Services.DialoguesFichier.Demandes[0].Demande;
        EXPECT_EQ(demande.Nom, c.Propose);
        EXPECT_EQ(demande.Titre, "Quivane - Enregistrer sous");
        EXPECT_EQ(demande.ExtensionParDefaut, "qvd");
        EXPECT_EQ(Etat.Reponse, ReponseAnnuler);
        EXPECT_FALSE(OperationFichierReussie);
    }
}

TEST_F(Enregistrement, EnregistrerSousSurUnFichierExistant)
{
    EcritFichier(Chemin("a.qvd"), {"ancien a"});
    EcritFichier(Chemin("a.bak"), {"vieux bak"});
    Etat.CopieSauvegarde = false; // Save as keeps the overwritten file whatever the option
    Modifie(300);

    // Non reopens the dialog, Annuler gives up without writing.
    Services.DialoguesFichier.RepondEnregistreSous(Chemin("a"));
    Services.Question.Repond(ReponseNon);
    Services.DialoguesFichier.RepondEnregistreSous(Chemin("a.bak"));
    Services.Question.Repond(ReponseAnnuler);
    EnregistreDocumentSous();
    EXPECT_EQ(Services.DialoguesFichier.Demandes.size(), 2u);
    EXPECT_EQ(Etat.Reponse, ReponseAnnuler);
    EXPECT_FALSE(OperationFichierReussie);
    EXPECT_EQ(Octets(Chemin("a.qvd")), "ancien a\r\n");
    ASSERT_EQ(Services.Question.Posees.size(), 2u);
    EXPECT_EQ(Services.Question.Posees[0].Titre, "Quivane - Enregistrer le fichier sous");
    EXPECT_EQ(Services.Question.Posees[0].Ligne1, Chemin("a.qvd"));
    EXPECT_EQ(Services.Question.Posees[0].Ligne2, "Ce fichier existe déjà, voulez-vous l'écraser?");

    Services.DialoguesFichier.RepondEnregistreSous(Chemin("a.qvd"));
    Services.Question.Repond(ReponseOui);
    const std::string attendu = Contenu(300);
    EnregistreDocumentSous();
    EXPECT_TRUE(OperationFichierReussie);
    EXPECT_EQ(Octets(Chemin("a.qvd")), attendu);
    EXPECT_EQ(Octets(Chemin("a.bak")), "ancien a\r\n");
    EXPECT_EQ(Etat.CheminDocument, Chemin("a.qvd"));
    EXPECT_EQ(Etat.CheminAffiche, Chemin("a.qvd"));
    EXPECT_TRUE(Etat.DocumentNomme);
    EXPECT_FALSE(Edition.DocumentModifie);
}

TEST_F(Enregistrement, UnLongCheminEstRaccourciDansLaQuestionSansCouperLeNom)
{
    const std::string dossier = Chemin("");
    // 63 characters in all.
    const std::string nom = std::string(63 - dossier.size() - 4, 'n') + ".qvd";
    EcritFichier(dossier + nom, {"x"});
    Services.DialoguesFichier.RepondEnregistreSous(dossier + nom);
    Services.Question.Repond(ReponseAnnuler);
    EnregistreDocumentSous();
    const std::string chemin = dossier + nom;
    ASSERT_EQ(chemin.size(), 63u);
    ASSERT_EQ(Services.Question.Posees.size(), 1u);
    ASSERT_GT(nom.size(), 34u);
    EXPECT_EQ(Services.Question.Posees[0].Ligne1, chemin.substr(0, 15) + " ... /" + nom);
    EXPECT_EQ(Services.Question.Posees[0].LigneChemin, 1);
}

TEST_F(Enregistrement, UnDocumentSansCheminEstEnregistreSous)
{
    Modifie(300);
    Services.DialoguesFichier.RepondEnregistreSous(Chemin("neuf"));
    const std::string attendu = Contenu(300);
    EnregistreDocument();
    EXPECT_TRUE(OperationFichierReussie);
    EXPECT_EQ(Octets(Chemin("neuf.qvd")), attendu);
    EXPECT_EQ(Etat.CheminDocument, Chemin("neuf.qvd"));
}

} // namespace
