// Recovery of an interrupted run: the real program reads a design and is killed; the next start-up of the same
// instance number asks the question, rebuilds the design exactly, makes it the base copy and the journal one record,
// and treats it as an unsaved design with no path, also after an undo.
#include "JournalTest.h"
#include "doubles/ApplicationQt.h"

#include "app/AnnulerRefaire.h"
#include "app/Effacement.h"
#include "app/Principale.h"
#include "app/Session.h"
#include "editing/Valide.h"
#include "platform/Locale.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace fs = std::filesystem;

namespace {

fs::path Programme()
{
    return fs::canonical("/proc/self/exe").parent_path().parent_path() / "quivane";
}

std::vector<std::string> Lignes(const fs::path& chemin)
{
    std::vector<std::string> lignes;
    std::ifstream fichier(chemin, std::ios::binary);
    for (std::string ligne; std::getline(fichier, ligne);)
        lignes.push_back(ligne);
    return lignes;
}

class Recuperation : public JournalTest
{
protected:
    void SetUp() override
    {
        JournalTest::SetUp();
        AssureApplicationQt();
        if (const char* precedent = std::getenv("QUIVANE_DOSSIER"))
            DossierPrecedent = precedent;
        ::setenv("QUIVANE_DOSSIER", Dossier.c_str(), 1);
    }

    void TearDown() override
    {
        if (Instance.state() != QProcess::NotRunning)
        {
            Instance.kill();
            Instance.waitForFinished(5000);
        }
        LibereSession();
        if (DossierPrecedent.empty())
            ::unsetenv("QUIVANE_DOSSIER");
        else
            ::setenv("QUIVANE_DOSSIER", DossierPrecedent.c_str(), 1);
        JournalTest::TearDown();
    }

    // The state of a program that has just started, before its main window prepares anything.
    static void EtatDeDepart()
    {
        ReinitialiseEtat();
        Etat = TEtatApplication{};
        Journal = TJournal{};
        Lecture = TLecture{};
        EtatSaisie = TEtatSaisie{};
    }

    // A Cassegrain with its two-row device written to "base.qvd"; the design as reading that file gives it.
    std::vector<std::string> EcritConception()
    {
        EtatDeDepart();
        // The program takes the system's decimal mark at start-up: the design is compared in the same one.
        SeparateurDecimal = SeparateurDecimalDuSysteme();
        ConstruitFormeValide(TTypeInstrument::Cassegrain);
        PoseDispositif();
        AppliqueIndices();
        Etat.CheminDocument = Chemin("base.qvd");
        EXPECT_TRUE(EcritFichierConception());
        EtatDeDepart();
        EXPECT_TRUE(Ouvre(Chemin("base.qvd")));
        const auto lue = ConceptionRafraichie();
        EtatDeDepart();
        return lue;
    }

    // The real program started on the file, killed once its journal holds the read.
    void LanceEtTue(const std::string& fichier)
    {
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environnement.insert(QStringLiteral("QUIVANE_DOSSIER"), QString::fromStdString(Dossier));
        Instance.setProcessEnvironment(environnement);
        Instance.start(QString::fromStdString(Programme().string()), {QString::fromStdString(fichier)});
        ASSERT_TRUE(Instance.waitForStarted(5000));
        for (int essai = 0; essai < 200 && Lignes(Chemin("Quivane0.tmp")).size() < 3; ++essai)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        Instance.kill();
        ASSERT_TRUE(Instance.waitForFinished(5000));
        EXPECT_EQ(Instance.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(Lignes(Chemin("Quivane0.tmp")), (std::vector<std::string>{"-2", "0", fichier}));
        EXPECT_TRUE(fs::exists(Chemin("QuivaneFile0.tmp")));
    }

    void VerifieQuestion(std::size_t rang) const
    {
        ASSERT_GT(Services.Question.Posees.size(), rang);
        const TQuestion& question = Services.Question.Posees[rang];
        EXPECT_EQ(question.Titre, "Quivane - Récupération");
        EXPECT_EQ(question.Ligne1, "Voulez-vous récupérer la dernière session interrompue ?");
        EXPECT_EQ(question.Boutons, TBoutonsQuestion::OuiNon);
        EXPECT_EQ(question.Icone, TIconeQuestion::Interrogation);
    }

    // What a recovery leaves, whatever the design.
    void VerifieRecuperation(const TPrincipale& principale, const std::string& nomPropose) const
    {
        EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane - Fichier Récupéré");
        EXPECT_EQ(LignesJournal(), (std::vector<std::string>{"-2", "0", Chemin("QuivaneFile0.tmp")}));
        EXPECT_EQ(Journal.NombreEnregistrementsJournal, 1);
        EXPECT_EQ(Edition.PositionJournal, 0);
        EXPECT_EQ(Etat.CheminDocument, "");
        EXPECT_EQ(Etat.NomEnregistrement, nomPropose);
        EXPECT_TRUE(Edition.DocumentModifie);
        EXPECT_FALSE(principale.Enregistrer->isEnabled());
        EXPECT_FALSE(fs::exists(Etat.CheminJournalProvisoire));
    }

    QProcess Instance;
    std::string DossierPrecedent;
};

}

TEST_F(Recuperation, UneSessionTueeEstRetrouveeAvecSesModifications)
{
    ASSERT_TRUE(fs::exists(Programme())) << Programme();
    const fs::path aide = Programme().parent_path() / "Quivane.html";
    if (!fs::exists(aide) && !fs::exists(Programme().parent_path() / "Quivane.chm"))
        std::ofstream(aide) << "<html></html>\n";
    const auto lue = EcritConception();
    LanceEtTue(Chemin("base.qvd"));

    std::vector<std::string> modifiee;
    {
        Services.Question.Repond(ReponseOui);
        TPrincipale principale;
        FormCreate(principale, {});
        VerifieQuestion(0);
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), lue), "");
        VerifieRecuperation(principale, "base.qvd");

        // Changes made through the commands, then the run stops without closing again.
        EtatSaisie.Saisie.Texte = "254,55";
        ValideSaisie();
        EXPECT_EQ(Instrument.DiametreEntree, 254.6);
        Services.Question.Repond(ReponseNon);
        EffacerDispoExecute();
        EXPECT_EQ(Journal.NombreEnregistrementsJournal, 3);
        modifiee = ConceptionRafraichie();
        LibereSession();
    }
    EtatDeDepart();

    Services.Question.Repond(ReponseOui);
    TPrincipale principale;
    FormCreate(principale, {});
    VerifieQuestion(2);
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), modifiee), "");
    EXPECT_EQ(Instrument.DiametreEntree, 254.6);
    EXPECT_EQ(Dispositif.NombreDioptres, 1);
    // The journal now starts from the base copy, which the sheet's title names so.
    VerifieRecuperation(principale, "Fichier récupéré");

    // Closing asks to save the recovered design; "Non" ends the run and removes its files.
    Services.Question.Repond(ReponseNon);
    EXPECT_TRUE(FermeProgramme(true, principale.Geometrie()));
    ASSERT_EQ(Services.Question.Posees.size(), 4u);
    EXPECT_EQ(Services.Question.Posees[3].Titre, "Quivane - Confirmer");
    for (const char* nom : {"Quivane0.tmp", "QuivaneFile0.tmp", "Session0.tmp"})
    {
        SCOPED_TRACE(nom);
        EXPECT_FALSE(fs::exists(Chemin(nom)));
    }
}

TEST_F(Recuperation, NonEffaceLaSessionEtCommenceUneConceptionNouvelle)
{
    std::ofstream(Chemin("Quivane0.tmp")) << "-2\n0\n" << Chemin("base.qvd") << "\n1\n0\n250\n";
    std::ofstream(Chemin("QuivaneFile0.tmp")) << "<Quivane 3.3.0>\n";
    EtatDeDepart();
    Services.Question.Repond(ReponseNon);
    TPrincipale principale;
    FormCreate(principale, {});
    VerifieQuestion(0);
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Aucun);
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane");
    EXPECT_TRUE(LignesJournal().empty());
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 0);
    EXPECT_FALSE(fs::exists(Chemin("QuivaneFile0.tmp")));
    EXPECT_FALSE(Edition.DocumentModifie);
}

TEST_F(Recuperation, UnJournalVideNeDemandeRien)
{
    std::ofstream(Chemin("Quivane0.tmp")).flush();
    EtatDeDepart();
    TPrincipale principale;
    FormCreate(principale, {});
    EXPECT_TRUE(Services.Question.Posees.empty());
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane");
    EXPECT_FALSE(Edition.DocumentModifie);
}

TEST_F(Recuperation, UnJournalQuOnNePeutRecrireResteEntier)
{
    const auto lue = EcritConception();
    fs::copy_file(Chemin("base.qvd"), Chemin("QuivaneFile0.tmp"));
    const std::vector<std::string> journal = {"-2", "0", Chemin("base.qvd"), "1", "0", "230"};
    {
        std::ofstream fichier(Chemin("Quivane0.tmp"));
        for (const std::string& ligne : journal)
            fichier << ligne << '\n';
    }
    // The provisional journal cannot be made where a folder has its name.
    fs::create_directory(Chemin("Quivane0.bak"));
    EtatDeDepart();
    Services.Question.Repond(ReponseOui);
    Services.Question.Repond(ReponseOk);
    TPrincipale principale;
    FormCreate(principale, {});
    VerifieQuestion(0);
    ASSERT_EQ(Services.Question.Posees.size(), 2u);
    EXPECT_EQ(Services.Question.Posees[1].Titre, "Quivane - Récupération");
    EXPECT_EQ(Services.Question.Posees[1].Ligne1, "Erreur dans la récupération des données");
    EXPECT_EQ(LignesJournal(), journal);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 2);
    EXPECT_EQ(Instrument.DiametreEntree, 230);
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane - Fichier Récupéré");
}

TEST_F(Recuperation, AnnulerApresUneRecuperationGardeUneConceptionSansChemin)
{
    EcritConception();
    fs::copy_file(Chemin("base.qvd"), Chemin("QuivaneFile0.tmp"));
    std::ofstream(Chemin("Quivane0.tmp")) << "-2\n0\n" << Chemin("base.qvd") << "\n1\n0\n230\n";
    EtatDeDepart();
    Services.Question.Repond(ReponseOui);
    TPrincipale principale;
    FormCreate(principale, {});
    VerifieQuestion(0);
    Modifie(SaisieDiametreEntreeNewton, 240);
    AnnulerExecute();
    EXPECT_EQ(Instrument.DiametreEntree, 230);
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane - Fichier Récupéré");
    EXPECT_EQ(Etat.CheminDocument, "") << "Enregistrer demande un nom";
    EXPECT_EQ(Etat.CheminAffiche, "Fichier Récupéré");
    EXPECT_EQ(Etat.NomEnregistrement, "base.qvd");
    EXPECT_FALSE(principale.Enregistrer->isEnabled());
}
