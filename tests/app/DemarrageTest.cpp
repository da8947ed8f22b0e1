// Start-up and shutdown of the real program, run as separate processes in a fresh folder: the instance number and
// its lock file, leftovers of ended runs, and what a normal exit leaves behind.
#include "doubles/ApplicationQt.h"
#include "app/Demarrage.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>

namespace fs = std::filesystem;

namespace {

fs::path Programme()
{
    return fs::canonical("/proc/self/exe").parent_path().parent_path() / "quivane";
}

bool AttendFichier(const fs::path& chemin, bool present)
{
    for (int essai = 0; essai < 200; ++essai)
    {
        if (fs::exists(chemin) == present)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

class Demarrage : public testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationQt();
        ASSERT_TRUE(fs::exists(Programme())) << Programme();
        // Without a help file the program says so in a box at start-up, which nobody would answer here.
        const fs::path aide = Programme().parent_path() / "Quivane.html";
        if (!fs::exists(aide) && !fs::exists(Programme().parent_path() / "Quivane.chm"))
            std::ofstream(aide) << "<html></html>\n";
        char modele[] = "/tmp/quivane-demarrage-XXXXXX";
        ASSERT_NE(::mkdtemp(modele), nullptr);
        Dossier = modele;
    }
    void TearDown() override
    {
        for (auto& instance : Instances)
            if (instance->state() != QProcess::NotRunning)
            {
                instance->kill();
                instance->waitForFinished(5000);
            }
        fs::remove_all(Dossier);
    }

    QProcess& Lance()
    {
        auto instance = std::make_unique<QProcess>();
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environnement.insert(QStringLiteral("QUIVANE_DOSSIER"), QString::fromStdString(Dossier.string()));
        instance->setProcessEnvironment(environnement);
        instance->start(QString::fromStdString(Programme().string()), {});
        EXPECT_TRUE(instance->waitForStarted(5000));
        Instances.push_back(std::move(instance));
        return *Instances.back();
    }

    static void Arrete(QProcess& instance)
    {
        instance.terminate();
        EXPECT_TRUE(instance.waitForFinished(10000));
        EXPECT_EQ(instance.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(instance.exitCode(), 0);
    }

    fs::path Session(int n) const { return Dossier / ("Session" + std::to_string(n) + ".tmp"); }

    fs::path Dossier;
    std::vector<std::unique_ptr<QProcess>> Instances;
};

}

TEST_F(Demarrage, UnDossierVideDonneLeNumeroZeroEtUneSortieNormaleNeLaisseQueLaConfiguration)
{
    QProcess& instance = Lance();
    ASSERT_TRUE(AttendFichier(Session(0), true));
    EXPECT_FALSE(fs::exists(Session(1)));
    Arrete(instance);
    for (const char* nom : {"Session0.tmp", "Quivane0.tmp", "Quivane0.bak", "QuivaneFile0.tmp"})
    {
        SCOPED_TRACE(nom);
        EXPECT_FALSE(fs::exists(Dossier / nom));
    }
    std::ifstream configuration(Dossier / "Quivane.ini");
    std::vector<std::string> lignes;
    for (std::string ligne; std::getline(configuration, ligne);)
        lignes.push_back(ligne);
    ASSERT_EQ(lignes.size(), 17u);
    EXPECT_EQ(lignes[0], "[Quivane 3.3.0]");
    EXPECT_EQ(lignes[6], "backup");
}

TEST_F(Demarrage, UneSecondeInstancePrendLeNumeroUn)
{
    QProcess& premiere = Lance();
    ASSERT_TRUE(AttendFichier(Session(0), true));
    QProcess& seconde = Lance();
    ASSERT_TRUE(AttendFichier(Session(1), true));
    Arrete(seconde);
    EXPECT_FALSE(fs::exists(Session(1)));
    EXPECT_TRUE(fs::exists(Session(0)));
    Arrete(premiere);
    EXPECT_FALSE(fs::exists(Session(0)));
}

TEST_F(Demarrage, LesVerrousLaissesParDesSessionsFiniesSontRepris)
{
    std::ofstream(Session(0)).put('\n');
    std::ofstream(Session(2)).put('\n');
    QProcess& instance = Lance();
    ASSERT_TRUE(AttendFichier(Session(2), false));
    EXPECT_TRUE(fs::exists(Session(0)));
    EXPECT_EQ(fs::file_size(Session(0)), 0u);
    EXPECT_FALSE(fs::exists(Session(1)));
    Arrete(instance);
    EXPECT_FALSE(fs::exists(Session(0)));
}

TEST(LigneDeCommande, ChaqueArgumentSuiviDUnBlanc)
{
    EXPECT_EQ(CheminLigneDeCommande({"a", "b.qvd"}), "a b.qvd ");
    EXPECT_EQ(CheminLigneDeCommande({"/d/f.qvd"}), "/d/f.qvd ");
    EXPECT_EQ(CheminLigneDeCommande({}), "");
    EXPECT_EQ(CheminAfficheDe("/d/mon fichier.qvd "), "mon fichier.qvd ");
    EXPECT_EQ(CheminAfficheDe("C:\\d\\f.qvd"), "f.qvd");
}
