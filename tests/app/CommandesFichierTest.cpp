// The file commands: the save question, Cancel and unreadable files leaving everything as it was, open, the device
// titles of the placing commands, and New.
#include "FichierTest.h"

#include "app/CommandesFichier.h"
#include "app/FichierEcriture.h"
#include "dialogs/Interrogation.h"
#include "editing/EtatEdition.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <array>

namespace {

std::string TitreFenetre;

class CommandesFichier : public FichierTest
{
protected:
    void SetUp() override
    {
        FichierTest::SetUp();
        FenetreFichier.Titre = [](const std::string& titre) { TitreFenetre = titre; };
        TitreFenetre.clear();
        Etat.CheminJournal = Chemin("Quivane0.tmp");
        // The current document: a Cassegrain with a two-row device, saved, then changed.
        ConstruitFormeValide(TTypeInstrument::Cassegrain);
        Dispositif.TitreDispositif = "A";
        Dispositif.NombreDioptres = 1;
        Dispositif.RayonDioptre[1] = 50;
        Dispositif.EpaisseurDioptre[1] = 20;
        Dispositif.DiametreDioptre[1] = 30;
        Dispositif.IndiceVert[2] = 1.5f;
        Etat.CheminDocument = Chemin("courant.qvd");
        EXPECT_TRUE(EcritFichierConception());
        Etat.CheminAffiche = Etat.CheminDocument;
        EcritFichier(Etat.CheminJournal, {"-2", "0", Etat.CheminDocument});
        Journal.NombreEnregistrementsJournal = 1;
    }

    // Another document: a Newton whose device is titled "B".
    void EcritAutre()
    {
        const TCopieConception courant = CopieConception();
        ConstruitFormeValide(TTypeInstrument::Newton);
        Dispositif.TitreDispositif = "B";
        Dispositif.RayonDioptre[1] = -60;
        Dispositif.EpaisseurDioptre[1] = 10;
        Dispositif.DiametreDioptre[1] = 25;
        Etat.CheminDocument = Chemin("autre.qvd");
        EXPECT_TRUE(EcritFichierConception());
        RestaureConception(courant);
    }

    // What must not change when a command does nothing.
    struct TEtatVisible
    {
        std::vector<std::string> Lignes;
        std::string Chemin;
        std::string Affiche;
        std::string Journal;
        bool Modifie;
        bool operator==(const TEtatVisible&) const = default;
    };
    TEtatVisible Visible() const
    {
        return {LignesFichierConception(), Etat.CheminDocument, Etat.CheminAffiche, Octets(Etat.CheminJournal),
                Edition.DocumentModifie};
    }
};

TEST_F(CommandesFichier, AnnulerLeDialogueNeChangeRien)
{
    struct TCas
    {
        const char* Commande;
        void (*Execute)();
    };
    const TCas cas[] = {
        {"Ouvrir", OuvreDocument},
        {"Lire un instrument", LitInstrument},
        {"Remplacer le dispositif actuel", RemplaceDispoExecute},
        {"Placer devant le dispositif actuel", PlacerAvantDispoExecute},
        {"Placer derrière le dispositif actuel", PlacerApresDispoExecute},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Commande);
        const TEtatVisible avant = Visible();
        Services.DialoguesFichier.RepondOuvre(std::nullopt);
        c.Execute();
        EXPECT_EQ(Visible(), avant);
        EXPECT_TRUE(Services.Question.Posees.empty()) << "rien de modifié, pas de question";
    }
}

TEST_F(CommandesFichier, UnFichierIllisibleNeChangeRien)
{
    EcritFichier(Chemin("faux.qvd"), {"<Quivane 3.3.0>", "[Télescope de Hubble]"});
    struct TCas
    {
        const char* Commande;
        void (*Execute)();
    };
    const TCas cas[] = {
        {"Ouvrir", OuvreDocument},
        {"Lire un instrument", LitInstrument},
        {"Remplacer le dispositif actuel", RemplaceDispoExecute},
        {"Placer derrière le dispositif actuel", PlacerApresDispoExecute},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Commande);
        const TEtatVisible avant = Visible();
        Services.DialoguesFichier.RepondOuvre(Chemin("faux.qvd"));
        Services.Question.Posees.clear();
        Services.Question.Repond(ReponseOk);
        c.Execute();
        EXPECT_EQ(Boites(), std::vector<std::string>{"Quivane - Lecture d'un fichier / Fichier incorrect"});
        EXPECT_EQ(Visible(), avant);
        EXPECT_EQ(TitreFenetre, "Quivane - courant.qvd");
    }
}

TEST_F(CommandesFichier, QuestionDEnregistrement)
{
    ConfirmeEnregistrement();
    EXPECT_EQ(Etat.Reponse, ReponseNon);
    EXPECT_TRUE(Services.Question.Posees.empty());

    Edition.DocumentModifie = true;
    struct TCas
    {
        std::string Chemin;
        std::string Ligne1;
        std::string Ligne2;
    };
    // Past 60 characters the folders are shortened, never the file's name.
    const std::string nomLong = "/" + std::string(56, 'x') + ".qvd";
    const std::string dossierLong = "/" + std::string(51, 'd') + "/newton.qvd";
    const TCas cas[] = {
        {"", "Voulez-vous enregistrer ce fichier ?", ""},
        {"/d/a.qvd", "Voulez-vous enregistrer :", "/d/a.qvd ?"},
        {nomLong, "Voulez-vous enregistrer :", nomLong + " ?"},
        {dossierLong, "Voulez-vous enregistrer :",
         dossierLong.substr(0, 15) + " ... " + dossierLong.substr(dossierLong.size() - 26) + " ?"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Chemin);
        Etat.CheminDocument = c.Chemin;
        Services.Question.Posees.clear();
        Services.Question.Repond(ReponseAnnuler);
        ConfirmeEnregistrement();
        ASSERT_EQ(Services.Question.Posees.size(), 1u);
        const TQuestion& q = Services.Question.Posees[0];
        EXPECT_EQ(q.Titre, "Quivane - Confirmer");
        EXPECT_EQ(q.Ligne1, c.Ligne1);
        EXPECT_EQ(q.Ligne2, c.Ligne2);
        EXPECT_EQ(q.Boutons, TBoutonsQuestion::OuiNonAnnuler);
        EXPECT_EQ(DisposeInterrogation(q).Lignes[0].Largeur, 280);
        EXPECT_EQ(q.LigneChemin, c.Chemin.empty() ? 0 : 2);
        EXPECT_EQ(Etat.Reponse, ReponseAnnuler);
    }
}

TEST_F(CommandesFichier, AnnulerLaQuestionNOuvrePasLeDialogue)
{
    Edition.DocumentModifie = true;
    const TEtatVisible avant = Visible();
    Services.Question.Repond(ReponseAnnuler);
    OuvreDocument();
    EXPECT_TRUE(Services.DialoguesFichier.Demandes.empty());
    EXPECT_EQ(Visible(), avant);
}

TEST_F(CommandesFichier, OuvrirPrendLeFichierEtRecommenceLeJournal)
{
    EcritAutre();
    Edition.DocumentModifie = true;
    Services.Question.Repond(ReponseNon);
    Services.DialoguesFichier.RepondOuvre(Chemin("autre.qvd"));
    OuvreDocument();
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Newton);
    EXPECT_EQ(Dispositif.TitreDispositif, "B");
    EXPECT_EQ(Etat.CheminDocument, Chemin("autre.qvd"));
    EXPECT_EQ(Etat.CheminAffiche, Chemin("autre.qvd"));
    EXPECT_FALSE(Edition.DocumentModifie);
    EXPECT_EQ(Etat.FichiersRecents[1], Chemin("autre.qvd"));
    EXPECT_EQ(TitreFenetre, "Quivane - autre.qvd");
    EXPECT_EQ(Octets(Etat.CheminJournal), "-2\n0\n" + Chemin("autre.qvd") + "\n");
    EXPECT_EQ(Services.DialoguesFichier.Demandes[0].Demande.Titre, "Quivane - Ouvrir un fichier");
}

TEST_F(CommandesFichier, PlacerUnDispositifJointLesTitres)
{
    EcritAutre();
    struct TCas
    {
        const char* Commande;
        void (*Execute)();
        const char* Titre;
        double PremierRayon;
    };
    const TCas cas[] = {
        {"derrière", PlacerApresDispoExecute, "A & B", 50},
        {"devant", PlacerAvantDispoExecute, "B & A", -60},
        {"à la place", RemplaceDispoExecute, "B", -60},
    };
    const TCopieConception depart = CopieConception();
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Commande);
        RestaureConception(depart);
        Services.DialoguesFichier.RepondOuvre(Chemin("autre.qvd"));
        c.Execute();
        EXPECT_EQ(Dispositif.TitreDispositif, c.Titre);
        EXPECT_EQ(Dispositif.RayonDioptre[1], c.PremierRayon);
        EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Cassegrain);
        EXPECT_EQ(Etat.CheminDocument, Chemin("courant.qvd")) << "le document garde son nom";
        EXPECT_TRUE(Edition.DocumentModifie);
    }
}

TEST_F(CommandesFichier, LireUnInstrumentGardeLeDispositifEtLeNom)
{
    EcritAutre();
    LongueursOnde.LongueurOndeBleue = 16;
    Reglages.PasEtoileMultiple = 7;
    Services.DialoguesFichier.RepondOuvre(Chemin("autre.qvd"));
    LitInstrument();
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Newton);
    EXPECT_EQ(Dispositif.TitreDispositif, "A");
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 16);
    EXPECT_EQ(Reglages.PasEtoileMultiple, 7);
    EXPECT_EQ(Etat.CheminDocument, Chemin("courant.qvd"));
    EXPECT_TRUE(Edition.DocumentModifie) << "la conception n'est plus celle d'aucun fichier";
}

TEST_F(CommandesFichier, UnFichierRecentIllisibleQuitteLaListe)
{
    Etat.FichiersRecents[1] = Chemin("disparu.qvd");
    Etat.FichiersRecents[2] = Chemin("courant.qvd");
    const TEtatVisible avant = Visible();
    Services.Question.Repond(ReponseOk);
    OuvreHistorique(1);
    EXPECT_EQ(Boites(), std::vector<std::string>{"Quivane - Lecture d'un fichier / Fichier introuvable."});
    EXPECT_EQ(Visible(), avant);
    EXPECT_EQ(Etat.FichiersRecents[1], Chemin("courant.qvd"));
}

TEST_F(CommandesFichier, UnFichierRecentIllisibleNeMetRienEnTeteDeLaListe)
{
    struct TCas
    {
        const char* Nom;
        std::string CheminDocument;
        std::string CheminAffiche;
    };
    const TCas cas[] = {
        {"conception récupérée, sans chemin", "", "Fichier Récupéré"},
        {"document absent de la liste", Chemin("courant.qvd"), Chemin("courant.qvd")},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Etat.FichiersRecents = {};
        Etat.TextesHistorique = {};
        Etat.FichiersRecents[1] = Chemin("disparu.qvd");
        Etat.FichiersRecents[2] = Chemin("autre.qvd");
        Etat.CheminDocument = c.CheminDocument;
        Etat.CheminAffiche = c.CheminAffiche;
        Services.Question.Repond(ReponseOk);
        OuvreHistorique(1);
        std::array<std::string, NombreFichiersRecents> attendus{};
        attendus[0] = Chemin("autre.qvd");
        EXPECT_TRUE(std::equal(attendus.begin(), attendus.end(), Etat.FichiersRecents.begin() + 1));
        EXPECT_EQ(Etat.TextesHistorique[1], Chemin("autre.qvd"));
        EXPECT_EQ(Etat.TextesHistorique[2], "");
        EXPECT_EQ(Etat.CheminDocument, c.CheminDocument);
    }
}

TEST_F(CommandesFichier, NouveauApresNonViderTout)
{
    // Views left by a double click on the single star, and the spectral-line list, belong to the old design.
    Etat.RetourEtoileMultiple = Etat.RetourChamp = Etat.RetourDispositif = true;
    Controles.ComboBoxLambda.Visible = true;
    Edition.DocumentModifie = true;
    Services.Question.Repond(ReponseNon);
    CreeNouveauDocument();
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Aucun);
    EXPECT_EQ(Dispositif.NombreDioptres, 1);
    EXPECT_TRUE(Etat.CheminDocument.empty());
    EXPECT_TRUE(Etat.CheminAffiche.empty());
    EXPECT_FALSE(Edition.DocumentModifie);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 0);
    EXPECT_EQ(Octets(Etat.CheminJournal), "");
    EXPECT_EQ(TitreFenetre, "Quivane");
    EXPECT_FALSE(Etat.RetourEtoileMultiple || Etat.RetourChamp || Etat.RetourDispositif);
    EXPECT_FALSE(Controles.ComboBoxLambda.Visible);
}

TEST_F(CommandesFichier, NouveauSArreteQuandLEnregistrementEchoue)
{
    Edition.DocumentModifie = true;
    const TEtatVisible avant = Visible();
    Services.Question.Repond(ReponseOui);
    Services.DialoguesFichier.RepondEnregistreSous(std::nullopt);
    CreeNouveauDocument();
    EXPECT_EQ(Visible(), avant);
}

} // namespace
