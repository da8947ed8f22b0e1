// The recent files: a reopened or new path goes to the top, the others keep their order, ten at most; menu texts.
#include "app/Etat.h"
#include "app/Historique.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

namespace {

int MenusMontres = 0;

class Historique : public testing::Test
{
protected:
    void SetUp() override
    {
        Etat.FichiersRecents = {};
        for (int k = 1; k <= 10; ++k)
            Etat.FichiersRecents[k] = "/d/f" + std::to_string(k) + ".qvd";
    }
    void TearDown() override
    {
        Etat.FichiersRecents = {};
        Etat.CheminDocument.clear();
        Etat.CheminAffiche.clear();
    }

    static void Ouvre(const std::string& chemin)
    {
        Etat.CheminDocument = chemin;
        Etat.CheminAffiche = chemin;
        MetAJourHistorique();
    }
};

std::string Repete(char c, int n)
{
    return std::string(static_cast<std::size_t>(n), c);
}

}

TEST_F(Historique, UnFichierRouvertMonteEnTeteSansDoublon)
{
    struct TCas
    {
        const char* Nom;
        std::string Chemin;
        std::vector<int> Ordre; // the former entries below the new first one
    };
    const TCas cas[] = {
        {"troisième rouvert", "/d/f3.qvd", {1, 2, 4, 5, 6, 7, 8, 9, 10}},
        {"avec un blanc final", "/d/f3.qvd ", {1, 2, 4, 5, 6, 7, 8, 9, 10}},
        {"dixième rouvert", "/d/f10.qvd", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"nouveau fichier", "/d/nouveau.qvd", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        Ouvre(c.Chemin);
        EXPECT_EQ(Etat.FichiersRecents[1], c.Chemin);
        for (std::size_t i = 0; i < c.Ordre.size(); ++i)
            EXPECT_EQ(Etat.FichiersRecents[i + 2], "/d/f" + std::to_string(c.Ordre[i]) + ".qvd");
    }
}

TEST_F(Historique, UnDocumentSansCheminAfficheNeChangePasLaListe)
{
    Etat.CheminDocument = "/d/f3.qvd";
    Etat.CheminAffiche.clear();
    MenusMontres = 0;
    MontreHistorique = [] { ++MenusMontres; };
    MetAJourHistorique();
    EXPECT_EQ(Etat.FichiersRecents[1], "/d/f1.qvd");
    EXPECT_EQ(Etat.FichiersRecents[3], "/d/f3.qvd");
    EXPECT_EQ(Etat.TextesHistorique[3], "/d/f3.qvd");
    EXPECT_EQ(MenusMontres, 1);
}

TEST_F(Historique, UnFichierIlisibleQuitteLaListe)
{
    RetireFichierRecent(3);
    EXPECT_EQ(Etat.FichiersRecents[2], "/d/f2.qvd");
    EXPECT_EQ(Etat.FichiersRecents[3], "/d/f4.qvd");
    EXPECT_EQ(Etat.FichiersRecents[9], "/d/f10.qvd");
    EXPECT_EQ(Etat.FichiersRecents[10], "");
}

TEST(TexteHistorique, RaccourcitLesLongsCheminsEtLesLongsNoms)
{
    const std::string nom10 = "abcdef.qvd";
    const std::string chemin60 = "/" + Repete('d', 48) + "/" + nom10;
    const std::string nom55 = Repete('n', 51) + ".qvd";
    const std::string nom48 = Repete('m', 44) + ".qvd";
    struct TCas
    {
        const char* Nom;
        std::string Entree;
        std::string Attendu;
    };
    const TCas cas[] = {
        {"chemin court", "/d/f.qvd", "/d/f.qvd"},
        {"chemin de 49", "/" + Repete('d', 37) + "/" + nom10, "/" + Repete('d', 37) + "/" + nom10},
        {"chemin de 60, nom de 10", chemin60, chemin60.substr(0, 9) + "..." + chemin60.substr(10)},
        {"nom de 55", "/d/" + nom55, nom55.substr(0, 47) + "..."},
        {"nom de 48", "/d/" + nom48, nom48},
        {"chemin accentué", "/" + std::string("é") + Repete('d', 47) + "/" + nom10,
         "/" + std::string("é") + Repete('d', 7) + "..." + Repete('d', 39) + "/" + nom10},
    };
    ASSERT_EQ(chemin60.size(), 60u);
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        EXPECT_EQ(TexteHistorique(c.Entree), c.Attendu);
    }
}
