// Typed numbers: the classifier and the lenient reader on one table of texts, read with "," and with "." as the
// locale's mark; the strict readers of counts and journal codes; values the program writes read back unchanged.
#include "editing/Nombres.h"

#include "editing/CodesJournal.h"

#include "doubles/BipCompteur.h"
#include "platform/Format.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

class NombresTypes : public ::testing::TestWithParam<char>
{
protected:
    void SetUp() override
    {
        SeparateurPrecedent = SeparateurDecimal;
        BipPrecedent = Services().Bip;
        SeparateurDecimal = GetParam();
        Services().Bip = &Bip;
    }
    void TearDown() override
    {
        SeparateurDecimal = SeparateurPrecedent;
        Services().Bip = BipPrecedent;
    }

    TBipCompteur Bip;
    char SeparateurPrecedent = '.';
    IBip* BipPrecedent = nullptr;
};

struct TCasTexte
{
    std::string Texte;
    int ClassePrincipale; // the main window, which also strips a leading "+"
    int ClasseDialogue;
    double Valeur; // LitNombre
    int Bips; // default beeps of LitNombre
};

TEST_P(NombresTypes, ClasseEtLitChaqueTexteQuelQueSoitLeSeparateur)
{
    const std::vector<TCasTexte> cas{
        {"", 0, 0, 0, 0},          {"   ", 1, 1, 0, 0},         {".", 0, 0, 0, 0},
        {",", 0, 0, 0, 0},         {" .", 2, 2, 0, 0},          {", ", 2, 2, 0, 0},
        {"- .", 2, 2, 0, 0},       {"12.", 2, 2, 12, 0},        {",5", 2, 2, 0.5, 0},
        {"12,75", 2, 2, 12.75, 0}, {"-12.75", 2, 2, -12.75, 0}, {"1 000", 1, 1, 1000, 0},
        {"+3", 1, 0, 3, 0},        {"+2,5", 2, 0, 2.5, 0},      {"--3", 0, 0, 0, 1},
        {"-+3", 0, 0, 0, 1},       {"3-", 0, 0, 0, 1},          {"1.2,3", 0, 0, 0, 1},
        {"1,5E3", 0, 0, 1500, 0},  {"2e-3", 0, 0, 0.002, 0},    {"-1.5E-05", 0, 0, -1.5e-05, 0},
        {"E5", 0, 0, 0, 1},        {"-", 0, 0, 0, 1},           {"-   ", 0, 0, 0, 1},
        {"+ ", 0, 0, 0, 1},
    };
    for (const TCasTexte& c : cas)
    {
        SCOPED_TRACE("\"" + c.Texte + "\"");
        EXPECT_EQ(ReconnaitNombre(c.Texte, PolitiquePrincipale), c.ClassePrincipale);
        EXPECT_EQ(ReconnaitNombre(c.Texte, PolitiqueDialogue), c.ClasseDialogue);
        Bip.Oublie();
        EXPECT_DOUBLE_EQ(LitNombre(c.Texte), c.Valeur);
        EXPECT_EQ(Bip.Nombre(BipDefaut), c.Bips);
        EXPECT_EQ(Bip.Total(), c.Bips);
        EXPECT_FALSE(FichierIncorrect);
    }
}

TEST_P(NombresTypes, UnCaractereInconnuEstEcarteSelonLaFenetre)
{
    EXPECT_EQ(ReconnaitNombre("1x5"), PasUnNombre);

    EXPECT_DOUBLE_EQ(LitNombre("1x5", PolitiqueDialogue), 15);
    EXPECT_FALSE(FichierIncorrect);
    EXPECT_EQ(Bip.Total(), 0);

    EXPECT_DOUBLE_EQ(LitNombre("1x5", PolitiquePrincipale), 15);
    EXPECT_TRUE(FichierIncorrect);
    EXPECT_EQ(Bip.Total(), 0);

    // The glass catalogue beeps once per character, an accented letter counting once, and reads the rest.
    EXPECT_DOUBLE_EQ(LitNombre("1é,b5", PolitiqueCatalogue), 1.5);
    EXPECT_EQ(Bip.Nombre(BipDefaut), 2);

    // Nothing left to read: 0, silently.
    Bip.Oublie();
    EXPECT_DOUBLE_EQ(LitNombre("abc", PolitiqueDialogue), 0);
    EXPECT_EQ(Bip.Total(), 0);
}

TEST_P(NombresTypes, UneValeurEcriteParLeProgrammeSeRelitALIdentique)
{
    for (const double valeur : {-1.5e-05, 1e20, 1e30, -1e20, 1.51872, -0.785, 1234.5678, 2.5e-9, 123456789012345.0})
    {
        SCOPED_TRACE(valeur);
        const std::string texte = FormateGeneral(valeur);
        EXPECT_EQ(LitNombre(texte), valeur) << texte;
        EXPECT_EQ(Bip.Total(), 0);
    }
    EXPECT_EQ(LitNombre(FormateNombre(-1.0025, "#0.####")), -1.0025);
}

// A stored value is read by the same grammar, without the refusal's beep; a mark without a digit holds no number.
TEST_P(NombresTypes, UneValeurStockeeSeLitParLaMemeGrammaire)
{
    const std::vector<std::pair<std::string, std::optional<double>>> cas = {
        {"12,5", 12.5},
        {" 12.5 ", 12.5},
        {"-1.5E-05", -1.5e-05},
        {"1E", 1.0},
        {"", 0.0},
        {"   ", 0.0},
        {".", std::nullopt},
        {"-,", std::nullopt},
        {".E3", std::nullopt},
        {"--3", std::nullopt},
        {"1.2,3", std::nullopt},
        {"E5", std::nullopt},
        {"1E999", std::nullopt},
    };
    for (const auto& [texte, attendue] : cas)
    {
        SCOPED_TRACE("\"" + texte + "\"");
        EXPECT_EQ(NombreLisible(texte), attendue);
        EXPECT_FALSE(FichierIncorrect);
    }
    EXPECT_EQ(Bip.Total(), 0);
    // A stray character is dropped and marks the file as the main window's reader does.
    EXPECT_EQ(NombreLisible("12a5"), 125.0);
    EXPECT_TRUE(FichierIncorrect);
}

INSTANTIATE_TEST_SUITE_P(Separateurs, NombresTypes, ::testing::Values(',', '.'));

struct TCasEntier
{
    std::string Texte;
    std::int32_t Valeur;
    bool Erreur;
};

TEST(NombresEntiers, LitEntierNAccepteQueDesChiffres)
{
    const std::vector<TCasEntier> cas{
        {"42", 42, false}, {" 7 ", 7, false}, {"1E3", 1000, false},     {"-5", 0, true},
        {"+5", 0, true},   {"4.0", 0, true},  {"4,0", 0, true},         {"12a", 0, true},
        {"", 0, true},     {"E", 0, true},    {"99999999999", 0, true},
    };
    for (const TCasEntier& c : cas)
    {
        SCOPED_TRACE("\"" + c.Texte + "\"");
        ErreurLecture = !c.Erreur;
        EXPECT_EQ(LitEntier(c.Texte), c.Valeur);
        EXPECT_EQ(ErreurLecture, c.Erreur);
    }
}

TEST(NombresEntiers, LitEntierSigneAccepteUnSigne)
{
    const std::vector<TCasEntier> cas{
        {"-27", -27, false}, {"9101", CodeJournalPreferences, false},
        {"-27x", -27, true}, {"--3", 0, true},
        {"1,5", 0, true},    {"25E-1", 2, false},
        {"35E-1", 4, false}, {"-25E-1", 0, true},
        {"", 0, true},       {"-", 0, true},
        {"3-", 0, true},
    };
    for (const TCasEntier& c : cas)
    {
        SCOPED_TRACE("\"" + c.Texte + "\"");
        ErreurLecture = !c.Erreur;
        EXPECT_EQ(LitEntierSigne(c.Texte), c.Valeur);
        EXPECT_EQ(ErreurLecture, c.Erreur);
    }
}

} // namespace
