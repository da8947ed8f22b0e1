// The configuration file: its 17 lines read with the screen's limits, its faults, and the lines written.
#include "app/Configuration.h"
#include <random>
#include "app/Etat.h"
#include "optics/Modele.h"

#include <gtest/gtest.h>

namespace {

constexpr TEcran Ecran{1920, 1080};

std::vector<std::string> Fichier(const std::vector<std::string>& debut)
{
    std::vector<std::string> lignes = debut;
    while (lignes.size() < 17)
        lignes.emplace_back();
    return lignes;
}

class Configuration : public testing::Test
{
protected:
};

}

TEST_F(Configuration, LitLaGeometrieDansLesLimitesDeLEcran)
{
    struct TCas
    {
        const char* Nom;
        std::vector<std::string> Lignes;
        TGeometrieFenetre Attendue;
    };
    const TCas cas[] = {
        {"valeurs ordinaires",
         Fichier({"[Quivane 3.3.0]", "0", "900", "1000", "30", "40", "backup"}),
         {0, 900, 1000, 30, 40}},
        {"blancs finaux",
         Fichier({"[Quivane 3.3.0]", "2  ", "900 ", "1000", "30", "40", "backup"}),
         {2, 900, 1000, 30, 40}},
        {"plus large que l'écran",
         Fichier({"[Quivane 3.1.4]", "0", "2500", "1000", "30", "40", "backup"}),
         {0, 1920, 1000, 30, 40}},
        {"plus haute que l'écran",
         Fichier({"[Quivane 3.3.0]", "0", "900", "1081", "30", "40", "backup"}),
         {0, 900, 830, 30, 40}},
        {"gauche au-delà de l'écran",
         Fichier({"[Quivane 3.3.0]", "0", "900", "1000", "1901", "40", "backup"}),
         {0, 900, 1000, 0, 40}},
        {"gauche au bord",
         Fichier({"[Quivane 3.3.0]", "0", "900", "1000", "1900", "40", "backup"}),
         {0, 900, 1000, 1900, 40}},
        {"haut au-delà de l'écran",
         Fichier({"[Quivane 3.3.0]", "0", "900", "1000", "30", "1061", "backup"}),
         {0, 900, 1000, 30, 0}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        const TConfigurationLue lue = LitConfiguration(c.Lignes, Ecran);
        EXPECT_FALSE(lue.Erreur);
        EXPECT_EQ(lue.EtatFenetre, c.Attendue.EtatFenetre);
        EXPECT_EQ(lue.Largeur, c.Attendue.Largeur);
        EXPECT_EQ(lue.Hauteur, c.Attendue.Hauteur);
        EXPECT_EQ(lue.Gauche, c.Attendue.Gauche);
        EXPECT_EQ(lue.Haut, c.Attendue.Haut);
        EXPECT_EQ(Etat.LargeurVisible, c.Attendue.Largeur);
        EXPECT_EQ(Etat.HauteurVisible, c.Attendue.Hauteur);
    }
}

TEST_F(Configuration, LOptionDeSauvegardeEtLesFichiersRecents)
{
    struct TCas
    {
        const char* Nom;
        std::string Ligne7;
        bool Sauvegarde;
    };
    const TCas cas[] = {
        {"backup", "backup", true},
        {"backup suivi de blancs", "backup   ", true},
        {"pas de backup", "pas de backup", false},
        {"majuscules", "Backup", false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Etat.CopieSauvegarde = !c.Sauvegarde;
        auto lignes = Fichier({"[Quivane 3.3.0]", "0", "900", "1000", "30", "40", c.Ligne7, "/a/b.qvd ", "/c.qvd"});
        EXPECT_FALSE(LitConfiguration(lignes, Ecran).Erreur);
        EXPECT_EQ(Etat.CopieSauvegarde, c.Sauvegarde);
        EXPECT_EQ(Etat.FichiersRecents[1], "/a/b.qvd ");
        EXPECT_EQ(Etat.FichiersRecents[2], "/c.qvd");
        EXPECT_EQ(Etat.FichiersRecents[3], "");
    }
}

TEST_F(Configuration, UnFichierFautifEstUneErreurQuiArreteLesValeurs)
{
    const auto complet = Fichier({"[Quivane 3.3.0]", "2", "900", "1000", "30", "40", "backup", "/a.qvd"});
    struct TCas
    {
        const char* Nom;
        std::vector<std::string> Lignes;
        std::optional<int> EtatFenetre; // line 2, applied only before the fault
        std::optional<int> Gauche;
    };
    auto seize = complet;
    seize.pop_back();
    auto largeurFausse = complet;
    largeurFausse[2] = "9OO";
    auto entete2 = complet;
    entete2[0] = "[Quivane 2.0]";
    auto entete4 = complet;
    entete4[0] = "[Quivane 4.0.0]";
    const TCas cas[] = {
        {"16 lignes", seize, 2, 30},
        {"largeur illisible", largeurFausse, 2, std::nullopt},
        {"en-tête d'une version 2", entete2, std::nullopt, std::nullopt},
        {"en-tête d'une version 4", entete4, std::nullopt, std::nullopt},
        {"fichier vide", {}, std::nullopt, std::nullopt},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        const TConfigurationLue lue = LitConfiguration(c.Lignes, Ecran);
        EXPECT_TRUE(lue.Erreur);
        EXPECT_EQ(lue.EtatFenetre, c.EtatFenetre);
        EXPECT_EQ(lue.Gauche, c.Gauche);
    }
}

TEST_F(Configuration, LaHauteurEstGardeeMemeApresUneErreur)
{
    const TConfigurationLue lue = LitConfiguration({"[Quivane 2.0]", "1", "900", "1000", "30", "40", "backup"}, Ecran);
    EXPECT_TRUE(lue.Erreur);
    EXPECT_FALSE(lue.Hauteur.has_value());
    EXPECT_EQ(Etat.EtatFenetreLu, 1);
    EXPECT_EQ(Etat.LargeurVisible, 900);
    EXPECT_EQ(Etat.HauteurVisible, 1000);
}

TEST_F(Configuration, EcritDixSeptLignes)
{
    Etat.NumeroVersion = "3.3.0";
    Etat.CopieSauvegarde = false;
    Etat.EtatFenetreLu = 2;
    Etat.FichiersRecents[1] = "/a/é.qvd";
    struct TCas
    {
        const char* Nom;
        TGeometrieFenetre Fenetre;
        std::string Etat;
        std::string Gauche;
        std::string Haut;
    };
    const TCas cas[] = {
        {"normale", {0, 820, 1000, 12, 5}, "0", "12", "5"},
        {"maximisée", {2, 820, 1000, -4, -4}, "2", "0", "0"},
        {"réduite: l'état lu au démarrage", {1, 820, 1000, 12, 5}, "2", "12", "5"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        const auto lignes = LignesConfiguration(c.Fenetre);
        ASSERT_EQ(lignes.size(), 17u);
        EXPECT_EQ(lignes[0], "[Quivane 3.3.0]");
        EXPECT_EQ(lignes[1], c.Etat);
        EXPECT_EQ(lignes[2], "820");
        EXPECT_EQ(lignes[3], "1000");
        EXPECT_EQ(lignes[4], c.Gauche);
        EXPECT_EQ(lignes[5], c.Haut);
        EXPECT_EQ(lignes[6], "pas de backup");
        EXPECT_EQ(lignes[7], "/a/é.qvd");
        EXPECT_EQ(lignes[16], "");
    }
}

TEST_F(Configuration, LaFenetreParDefautTientDansLEcran)
{
    struct TCas
    {
        const char* Nom;
        TEcran Ecran;
        int Largeur;
        int Hauteur;
    };
    const TCas cas[] = {
        {"grand écran", {1920, 1200}, 820, 1188},
        {"écran de 1080", {1920, 1080}, 820, 1069},
        {"écran de 1060", {1280, 1061}, 820, 1050},
        {"petit écran", {800, 600}, 640, 594},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        const TGeometrieFenetre fenetre = FenetreParDefaut(c.Ecran, {2, 640, 480, 33, 77});
        EXPECT_EQ(fenetre.EtatFenetre, 0);
        EXPECT_EQ(fenetre.Largeur, c.Largeur);
        EXPECT_EQ(fenetre.Hauteur, c.Hauteur);
        EXPECT_EQ(fenetre.Gauche, 33);
        EXPECT_EQ(fenetre.Haut, 5);
        EXPECT_EQ(Etat.LargeurVisible, 820);
        EXPECT_TRUE(Reglages.ImpressionFondNoir);
    }
}

// The frame, title bar included, stays on the screen's free area: the default window on a 1280 x 1024 screen no
// longer hides its title above the screen, and a remembered place off the screen comes back onto it.
TEST(PlacementFenetre, LeCadreTientDansLaZoneLibreDeLEcran)
{
    struct TCas
    {
        const char* Nom;
        TGeometrieFenetre Cadre;
        TEcran Ecran;
        TGeometrieFenetre Interieur;
    };
    const TMargesCadre marges{1, 20, 1, 4};
    const TCas cas[] = {
        {"défaut sur 1280 x 1024", {0, 820, 1013, 0, 5}, {1280, 1024}, {0, 818, 989, 1, 25}},
        {"défaut sur 1920 x 1080", {0, 820, 1069, 0, 5}, {1920, 1080}, {0, 818, 1045, 1, 25}},
        {"sous un panneau de 30 en haut", {0, 820, 1013, 0, 5}, {1280, 994, 0, 30}, {0, 818, 970, 1, 50}},
        {"trop bas et trop à droite", {0, 820, 700, 900, 600}, {1280, 1024}, {0, 818, 676, 461, 344}},
        {"au-dessus et à gauche de l'écran", {0, 820, 700, -50, -30}, {1280, 1024}, {0, 818, 676, 1, 20}},
        {"plus grand que l'écran", {0, 1600, 1200, 0, 0}, {1280, 1024}, {0, 1278, 1000, 1, 20}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        const TGeometrieFenetre interieur = InterieurDansEcran(c.Cadre, marges, c.Ecran);
        EXPECT_EQ(interieur.Largeur, c.Interieur.Largeur);
        EXPECT_EQ(interieur.Hauteur, c.Interieur.Hauteur);
        EXPECT_EQ(interieur.Gauche, c.Interieur.Gauche);
        EXPECT_EQ(interieur.Haut, c.Interieur.Haut);
        // Frame bottom within the screen.
        EXPECT_LE(interieur.Haut + interieur.Hauteur + marges.Bas, c.Ecran.Haut + c.Ecran.Hauteur);
    }
}

TEST_F(Configuration, UnFichierAbimeAuHasardDonneUneFenetreDansLEcran)
{
    const std::vector<std::string> modele = LignesConfiguration({2, 900, 1000, 30, 40});
    const std::vector<std::string> morceaux = {"",           "-1",   "99999999999", "1E400",           "-2147483648",
                                               "2147483648", "2",    "3",           "[Quivane 3.3.0]", "backup",
                                               " ",          "0x10", "1,5",         "/a.qvd"};
    std::mt19937 hasard(17);
    const auto tirage = [&hasard](std::size_t n) { return static_cast<std::size_t>(hasard() % n); };
    for (int essai = 0; essai < 2000; ++essai)
    {
        std::vector<std::string> lignes = modele;
        for (int abimes = 1 + static_cast<int>(tirage(3)); abimes > 0 && !lignes.empty(); --abimes)
        {
            const std::size_t i = tirage(lignes.size());
            switch (tirage(4))
            {
            case 0: lignes.erase(lignes.begin() + static_cast<std::ptrdiff_t>(i)); break;
            case 1: lignes[i] = morceaux[tirage(morceaux.size())]; break;
            case 2: lignes.resize(i); break;
            default:
                if (!lignes[i].empty())
                    lignes[i][tirage(lignes[i].size())] = static_cast<char>(hasard() & 0xFF);
            }
        }
        const TConfigurationLue lue = LitConfiguration(lignes, Ecran);
        SCOPED_TRACE(essai);
        // Each value is read within the screen, whatever stands on its line.
        EXPECT_TRUE(lue.EtatFenetre.value_or(0) >= 0 && lue.EtatFenetre.value_or(0) <= 2);
        ASSERT_LE(lue.Largeur.value_or(0), Ecran.Largeur);
        ASSERT_LE(lue.Hauteur.value_or(0), Ecran.Hauteur);
        ASSERT_LT(lue.Gauche.value_or(0), Ecran.Largeur);
        ASSERT_LT(lue.Haut.value_or(0), Ecran.Hauteur);
    }
}
