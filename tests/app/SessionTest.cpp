// The session lock is a regular file of the program's folder: whatever else stands at its name (a link, even one to
// nowhere, a pipe, an empty folder) is replaced, and nothing outside the folder is made or changed.
#include "app/Etat.h"
#include "app/Session.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class Session : public testing::Test
{
protected:
    void SetUp() override
    {
        char modele[] = "/tmp/quivane-session-XXXXXX";
        ASSERT_NE(::mkdtemp(modele), nullptr);
        Racine = modele;
        fs::create_directory(Racine / "programme");
        fs::create_directory(Racine / "ailleurs");
        Etat = TEtatApplication{};
        Etat.DossierProgramme = (Racine / "programme").string() + "/";
    }
    void TearDown() override
    {
        LibereSession();
        Etat = TEtatApplication{};
        fs::remove_all(Racine);
    }

    fs::path Verrou() const { return Racine / "programme" / "Session0.tmp"; }

    fs::path Racine;
};

TEST_F(Session, CeQuiNEstPasUnFichierOrdinaireEstRemplace)
{
    const fs::path autre = Racine / "ailleurs" / "a.qvd";
    struct TCas
    {
        const char* Quoi;
        void (*Prepare)(const fs::path& verrou, const fs::path& autre);
    };
    const TCas cas[] = {
        {"lien vers rien", [](const fs::path& v, const fs::path& a) { fs::create_symlink(a, v); }},
        {"lien vers un fichier",
         [](const fs::path& v, const fs::path& a) {
             std::ofstream(a) << "conception\n";
             fs::create_symlink(a, v);
         }},
        {"tube", [](const fs::path& v, const fs::path&) { ::mkfifo(v.c_str(), 0600); }},
        {"dossier vide", [](const fs::path& v, const fs::path&) { fs::create_directory(v); }},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Quoi);
        fs::remove_all(Racine / "ailleurs");
        fs::create_directory(Racine / "ailleurs");
        c.Prepare(Verrou(), autre);
        const bool autreExistait = fs::exists(autre);

        ASSERT_TRUE(ChoisitNumeroSession());
        EXPECT_EQ(Etat.NumeroSession, 0);
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Verrou())));
        EXPECT_EQ(fs::exists(autre), autreExistait);
        if (autreExistait)
        {
            std::ifstream lu(autre);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(lu), {}), "conception\n");
        }
        LibereSession();
        EXPECT_FALSE(fs::exists(fs::symlink_status(Verrou())));
    }
}

} // namespace
