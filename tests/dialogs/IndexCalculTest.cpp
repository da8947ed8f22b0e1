// The glass catalogue file: its creation and re-creation at start-up, its reading, the list's Abbe numbers and
// orders, and the saving of a new, edited or deleted material.
#include "dialogs/IndexCalcul.h"
#include <random>
#include <cmath>
#include "doubles/FichiersDefaillants.h"
#include "doubles/ServicesDeTest.h"
#include "editing/Nombres.h"
#include "optics/Initialisation.h"
#include "platform/Codage.h"
#include "platform/Format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> LignesBrutes(const std::string& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    std::stringstream tout;
    tout << f.rdbuf();
    std::vector<std::string> lignes;
    std::string texte = tout.str();
    for (std::size_t debut = 0; debut < texte.size();)
    {
        const std::size_t fin = texte.find("\r\n", debut);
        if (fin == std::string::npos)
        {
            lignes.push_back(texte.substr(debut));
            break;
        }
        lignes.push_back(texte.substr(debut, fin - debut));
        debut = fin + 2;
    }
    return lignes;
}

void EcritBrut(const std::string& chemin, const std::string& contenu)
{
    std::ofstream(chemin, std::ios::binary) << contenu;
}

const TMatiereCatalogue* Matiere(const TCatalogueLu& catalogue, const std::string& nom)
{
    for (const TMatiereCatalogue& m : catalogue.Matieres)
        if (m.Lignes[0] == nom)
            return &m;
    return nullptr;
}

class Catalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::remove(FichierIndices().c_str());
        std::remove((FichierIndices().substr(0, FichierIndices().size() - 4) + ".bak").c_str());
        SeparateurPrecedent = SeparateurDecimal;
        SeparateurDecimal = ',';
        InitialiseLongueursOnde();
    }
    void TearDown() override { SeparateurDecimal = SeparateurPrecedent; }

    // A catalogue created from the built-in glasses, its message answered.
    void CreeCatalogue()
    {
        Services.Question.Repond(ReponseOk);
        VerifieCatalogue();
    }

    TServicesDeTest Services;
    char SeparateurPrecedent = '.';
};

TEST_F(Catalogue, AbsentIlEstCreeDesVerresIntegres)
{
    CreeCatalogue();
    ASSERT_EQ(Services.Question.Posees.size(), 1u);
    EXPECT_EQ(Services.Question.Posees[0].Titre, "Quivane - Initialisation");
    EXPECT_EQ(Services.Question.Posees[0].Ligne1, "Quivane ne trouve pas le fichier Indices.idr, il va le créer.");
    const std::vector<std::string> lignes = LignesBrutes(FichierIndices());
    ASSERT_EQ(lignes.size(), 2u + 22u * 24u);
    EXPECT_EQ(lignes[0], "<Quivane 3.3.0>");
    EXPECT_EQ(lignes[1], Utf8VersWindows1252("[Table des indices de réfraction]"));
    EXPECT_EQ(lignes[2], "Vide");
    for (int k = 3; k < 26; ++k)
        EXPECT_EQ(lignes[static_cast<std::size_t>(k)], "1");
    EXPECT_EQ(lignes[26], "Air");
    EXPECT_EQ(lignes[27], "1,000273");
    // The glasses in the catalogue's order, SF6 before SF57.
    const std::vector<std::string> noms = {"BAF4", "BALF5", "BK7",   "F2",   "F4",   "K7",  "LaF N21",
                                           "LaF7", "LaK7",  "LaK14", "LLF6", "SF1",  "SF2", "SF4",
                                           "SF5",  "SF6",   "SF57",  "SK5",  "SK16", "TIF4"};
    for (std::size_t k = 0; k < noms.size(); ++k)
        EXPECT_EQ(lignes[50 + 24 * k], noms[k]);
    // BK7 is the third glass: ne (line 13) and a line without value (19).
    EXPECT_EQ(lignes[50 + 24 * 2 + 13], "1,518720");
    EXPECT_EQ(lignes[50 + 24 * 2 + 19], "0,000000");

    const TCatalogueLu catalogue = LitCatalogue();
    EXPECT_FALSE(catalogue.Erreur);
    ASSERT_EQ(catalogue.Matieres.size(), 22u);
    const TMatiereCatalogue* bk7 = Matiere(catalogue, "BK7");
    ASSERT_NE(bk7, nullptr);
    EXPECT_FLOAT_EQ(static_cast<float>(LitNombre(TexteIndiceLigne(*bk7, 12))), 1.5168f);
}

TEST_F(Catalogue, CorrompuIlEstGardeEnBakEtRecree)
{
    struct TCas
    {
        const char* Nom;
        std::string Contenu;
    };
    const std::vector<TCas> cas = {
        {"vide", ""}, {"autre programme", "<Autre 3.3.0>\r\nx\r\n"}, {"version 2", "<Quivane 2.9>\r\n[Table]\r\n"}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        EcritBrut(FichierIndices(), c.Contenu);
        Services.Question.Posees.clear();
        Services.Question.Repond(ReponseOk);
        VerifieCatalogue();
        ASSERT_EQ(Services.Question.Posees.size(), 1u);
        EXPECT_EQ(Services.Question.Posees[0].Ligne1, "Le fichier Indices.idr est corrompu, Quivane va le recréer.");
        std::ifstream bak(FichierIndices().substr(0, FichierIndices().size() - 4) + ".bak", std::ios::binary);
        std::stringstream ancien;
        ancien << bak.rdbuf();
        EXPECT_EQ(ancien.str(), c.Contenu);
        EXPECT_EQ(LignesBrutes(FichierIndices()).size(), 530u);
    }
}

TEST_F(Catalogue, UnEnteteQuivane3EstGardeTelQuel)
{
    const std::string contenu = "<Quivane 3.1.0>\r\nx\r\nMon verre\r\n" + [] {
        std::string s;
        for (int k = 0; k < 23; ++k)
            s += "1,5\r\n";
        return s;
    }();
    EcritBrut(FichierIndices(), contenu);
    VerifieCatalogue();
    EXPECT_TRUE(Services.Question.Posees.empty());
    const TCatalogueLu catalogue = LitCatalogue();
    EXPECT_FALSE(catalogue.Erreur);
    ASSERT_EQ(catalogue.Matieres.size(), 1u);
    EXPECT_EQ(catalogue.Matieres[0].Lignes[0], "Mon verre");
}

TEST_F(Catalogue, LesErreursDeLectureSontSignaleesEtLesMatieresLuesGardees)
{
    std::string materiau = "Bon\r\n";
    for (int k = 0; k < 23; ++k)
        materiau += "1,5\r\n";
    struct TCas
    {
        const char* Nom;
        std::string Contenu;
        std::size_t Lues;
    };
    const std::vector<TCas> cas = {
        {"entête refusée", "<Autre>\r\nx\r\n" + materiau, 0},
        {"matière coupée", "<Quivane 3.3.0>\r\nx\r\n" + materiau + "Coupe\r\n1,5\r\n", 1},
        {"indice illisible",
         "<Quivane 3.3.0>\r\nx\r\nMauvais\r\nabc\r\n" + materiau.substr(materiau.find('\n') + 1 + 5), 1}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        EcritBrut(FichierIndices(), c.Contenu);
        const TCatalogueLu catalogue = LitCatalogue();
        EXPECT_TRUE(catalogue.Erreur);
        EXPECT_EQ(catalogue.Matieres.size(), c.Lues);
    }
    // The unreadable line gives no index there, never another material's.
    const TCatalogueLu catalogue = LitCatalogue();
    ASSERT_EQ(catalogue.Matieres.size(), 1u);
    EXPECT_EQ(catalogue.Matieres[0].Lignes[1], "0");
    EXPECT_EQ(catalogue.Matieres[0].Lignes[2], "1,5");
}

TEST_F(Catalogue, NombreAbbeAuxRaiesChoisies)
{
    CreeCatalogue();
    const TCatalogueLu catalogue = LitCatalogue();
    struct TCas
    {
        const char* Nom;
        const char* Abbe;
    };
    // nu = (ne - 1) / (nF' - nC) at 656.3, 546.1 and 480.0 nm.
    for (const TCas& c : std::vector<TCas>{{"BK7", "60,95"}, {"F2", "34,54"}, {"Vide", "0"}, {"Air", "0"}})
    {
        SCOPED_TRACE(c.Nom);
        const TMatiereCatalogue* m = Matiere(catalogue, c.Nom);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(TexteAbbe(*m, LongueursOnde), c.Abbe);
    }
    SeparateurDecimal = '.';
    EXPECT_EQ(TexteAbbe(*Matiere(catalogue, "BK7"), LongueursOnde), "60.95");
    // A chosen line without a value gives no Abbe number.
    EXPECT_EQ(TexteAbbe(*Matiere(catalogue, "BK7"), {8, 13, 19}), "0");
}

TEST_F(Catalogue, TriParChaqueColonne)
{
    CreeCatalogue();
    const TCatalogueLu catalogue = LitCatalogue();
    const auto noms = [&](const std::vector<int>& ordre) {
        std::vector<std::string> n;
        for (int k : ordre)
            n.push_back(catalogue.Matieres[static_cast<std::size_t>(k - 1)].Lignes[0]);
        return n;
    };
    const std::vector<std::string> parNom = noms(OrdreMatieres(catalogue, TColonneCatalogue::Nom, LongueursOnde));
    const std::vector<std::string> attenduNom = {"Vide",    "Air",  "BAF4",  "BALF5", "BK7",  "F2",  "F4",  "K7",
                                                 "LaF N21", "LaF7", "LaK14", "LaK7",  "LLF6", "SF1", "SF2", "SF4",
                                                 "SF5",     "SF57", "SF6",   "SK16",  "SK5",  "TIF4"};
    EXPECT_EQ(parNom, attenduNom);

    // At line 19 most glasses have no value: their texts 0,000000 come first, in file order.
    const std::vector<std::string> parRouge = noms(OrdreMatieres(catalogue, TColonneCatalogue::Rouge, {19, 20, 21}));
    const std::vector<std::string> attenduRouge = {"BAF4", "BALF5", "BK7", "F2",   "F4",   "LaF N21", "LaF7", "LLF6",
                                                   "SF1",  "SF2",   "SF4", "SF5",  "SF6",  "SF57",    "TIF4", "Vide",
                                                   "Air",  "K7",    "SK5", "SK16", "LaK7", "LaK14"};
    EXPECT_EQ(parRouge, attenduRouge);

    // Every other column lists every material once, in ascending text.
    for (TColonneCatalogue colonne : {TColonneCatalogue::Abbe, TColonneCatalogue::Vert, TColonneCatalogue::Bleu})
    {
        SCOPED_TRACE(static_cast<int>(colonne));
        const std::vector<int> ordre = OrdreMatieres(catalogue, colonne, LongueursOnde);
        ASSERT_EQ(ordre.size(), 22u);
        std::vector<int> tries = ordre;
        std::sort(tries.begin(), tries.end());
        for (int k = 0; k < 22; ++k)
            EXPECT_EQ(tries[static_cast<std::size_t>(k)], k + 1);
    }
    // Texts, not values: an Abbe number of 0 first, then 25,xx before 60,95.
    const std::vector<std::string> parAbbe = noms(OrdreMatieres(catalogue, TColonneCatalogue::Abbe, LongueursOnde));
    EXPECT_EQ(parAbbe[0], "Vide");
    EXPECT_EQ(parAbbe[1], "Air");
    EXPECT_EQ(parAbbe[2], "SF57") << "22,65 is the smallest number";
    EXPECT_EQ(parAbbe.back(), "BK7") << "60,95 is the largest";
}

TEST_F(Catalogue, UnMateriauAjouteSurvitAuRedemarrageEtSEdite)
{
    CreeCatalogue();
    TMateriau nouveau{"Mon verre", {}};
    for (int k = 1; k <= 23; ++k)
        nouveau.Indices[static_cast<std::size_t>(k)] = 1.5f + 0.001f * static_cast<float>(k);
    ASSERT_TRUE(EnregistreMatiere(0, nouveau));
    VerifieCatalogue(); // the next start-up keeps the file
    TCatalogueLu catalogue = LitCatalogue();
    ASSERT_EQ(catalogue.Matieres.size(), 23u);
    EXPECT_EQ(catalogue.Matieres.back().Lignes[0], "Mon verre");
    EXPECT_EQ(catalogue.Matieres.back().Lignes[13], "1,513000");
    EXPECT_TRUE(NomDejaEnregistre("Mon verre", 0));
    EXPECT_FALSE(NomDejaEnregistre("Mon verre", 23)) << "its own name is no duplicate";
    EXPECT_FALSE(NomDejaEnregistre("mon verre", 0)) << "names compare exactly";

    // Renamed in place, then deleted: every other line stays as it was.
    const std::vector<std::string> avant = LignesBrutes(FichierIndices());
    nouveau.Nom = "Verre 2";
    ASSERT_TRUE(EnregistreMatiere(23, nouveau));
    std::vector<std::string> apres = LignesBrutes(FichierIndices());
    ASSERT_EQ(apres.size(), avant.size());
    EXPECT_EQ(apres[2 + 22 * 24], "Verre 2");
    nouveau.Nom.clear();
    ASSERT_TRUE(EnregistreMatiere(5, nouveau)); // BK7
    apres = LignesBrutes(FichierIndices());
    std::vector<std::string> attendu = avant;
    attendu[2 + 22 * 24] = "Verre 2";
    attendu.erase(attendu.begin() + 2 + 4 * 24, attendu.begin() + 2 + 5 * 24);
    EXPECT_EQ(apres, attendu);
}

TEST_F(Catalogue, UnEnregistrementQuiEchoueLaisseLeCatalogue)
{
    CreeCatalogue();
    const std::vector<std::string> avant = LignesBrutes(FichierIndices());
    TFichiersDefaillants defaillants(100);
    IFichiers* disque = ::Services().Fichiers;
    ::Services().Fichiers = &defaillants;
    Services.Question.Repond(ReponseOk);
    const bool enregistre = EnregistreMatiere(0, TMateriau{"X", {}});
    ::Services().Fichiers = disque;
    EXPECT_FALSE(enregistre);
    ASSERT_FALSE(Services.Question.Posees.empty());
    EXPECT_EQ(Services.Question.Posees.back().Titre, "Quivane - Ecriture des indices");
    EXPECT_EQ(LignesBrutes(FichierIndices()), avant);
}

TEST(ValeurIndiceMatiere, SeuilsDeLaPageDEdition)
{
    struct TCas
    {
        const char* Texte;
        TValeurIndice Resultat;
    };
    const std::vector<TCas> cas = {{"1,5", TValeurIndice::Stockee},   {"4.999", TValeurIndice::Stockee},
                                   {"0", TValeurIndice::Stockee},     {"", TValeurIndice::Stockee},
                                   {"5", TValeurIndice::Refusee},     {"0.5", TValeurIndice::Refusee},
                                   {"-1,5", TValeurIndice::Negative}, {"abc", TValeurIndice::Ignoree}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Texte);
        float valeur = -7;
        EXPECT_EQ(ValeurIndiceMatiere(c.Texte, valeur), c.Resultat);
        if (c.Resultat != TValeurIndice::Stockee)
        {
            EXPECT_EQ(valeur, -7);
        }
    }
}

TEST(SelectionneMatiere, UneRaieNonChoisieRendUnTexteVide)
{
    LongueursOnde = {8, 13, 0};
    TMatiereCatalogue m;
    m.Lignes[0] = "BK7";
    m.Lignes[8] = "1,514320";
    m.Lignes[13] = "1,518720";
    MatiereChoisie = {};
    MatiereSelectionnee = false;
    SelectionneMatiere(m);
    EXPECT_EQ(MatiereChoisie, (std::array<std::string, 4>{"BK7", "1,514320", "1,518720", ""}));
    EXPECT_TRUE(MatiereSelectionnee);
}

} // namespace

TEST_F(Catalogue, UnFichierAbimeAuHasardSeLitSansIndiceQuiNEstPasUnNombre)
{
    CreeCatalogue();
    const std::vector<std::string> modele = LignesBrutes(FichierIndices());
    ASSERT_GT(modele.size(), 100u);
    const std::vector<std::string> morceaux = {"", "-", "E", "1E", "--1", "1,2,3", "1E400", "NAN", "INF", "\"", "0"};
    std::mt19937 hasard(1101);
    const auto tirage = [&hasard](std::size_t n) { return static_cast<std::size_t>(hasard() % n); };
    for (int essai = 0; essai < 200; ++essai)
    {
        std::vector<std::string> lignes = modele;
        for (int abimes = 1 + static_cast<int>(tirage(3)); abimes > 0 && !lignes.empty(); --abimes)
        {
            const std::size_t i = tirage(lignes.size());
            switch (tirage(5))
            {
            case 0: lignes.erase(lignes.begin() + static_cast<std::ptrdiff_t>(i)); break;
            case 1: lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(i), lignes[i]); break;
            case 2: lignes[i] = morceaux[tirage(morceaux.size())]; break;
            case 3: lignes.resize(i); break;
            default:
                if (!lignes[i].empty())
                    lignes[i][tirage(lignes[i].size())] = static_cast<char>(hasard() & 0xFF);
            }
        }
        std::string octets;
        for (const std::string& ligne : lignes)
            octets += ligne + "\r\n";
        EcritBrut(FichierIndices(), octets);
        SCOPED_TRACE(essai);
        const TCatalogueLu lu = LitCatalogue();
        ASSERT_LE(lu.Matieres.size(), lignes.size());
        for (const TMatiereCatalogue& m : lu.Matieres)
            for (TLongueurOnde ligne = 1; ligne <= NombreLongueursOnde; ++ligne)
                ASSERT_TRUE(std::isfinite(LitNombre(m.Lignes[static_cast<std::size_t>(ligne)], PolitiqueDialogue)))
                    << m.Lignes[0] << " " << ligne;
    }
}
