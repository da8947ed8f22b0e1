// The Ross and Wynne field correctors as they are written into the lens device: the formula's rows for the
// proposed corrector, its rounding, its refusals, the values the dialog takes, the record that rebuilds a typed
// corrector and the glass a replay finds by name.
#include "dialogs/Formules.h"
#include "dialogs/IndexCalcul.h"
#include "dialogs/RossCalcul.h"
#include "doubles/ServicesDeTest.h"
#include "editing/ChoixVerre.h"
#include "editing/CodesJournal.h"
#include "editing/PortsEnregistres.h"
#include "optics/Initialisation.h"
#include "platform/Format.h"
#include "support/Verres.h"

#include <cmath>

namespace {

const std::string RefusRoss = "Quivane / Calcul impossible car / le diamètre est trop grand.";

// A catalogue holding a glass of its own and a BK7 that differs from the built-in one.
TCatalogueLu CatalogueDeTest()
{
    TCatalogueLu catalogue;
    const auto matiere = [&](const char* nom, const char* rouge, const char* vert, const char* bleu) {
        TMatiereCatalogue m;
        m.Lignes[0] = nom;
        m.Lignes[8] = rouge;
        m.Lignes[13] = vert;
        m.Lignes[17] = bleu;
        catalogue.Matieres.push_back(m);
    };
    matiere("Air", "1,000276", "1,000278", "1,000283");
    matiere("Verre X", "1,601000", "1,605000", "1,620000");
    matiere("BK7", "1,514000", "1,518000", "1,530000");
    return catalogue;
}

class Correcteurs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstallePortsEnregistres();
        InitialiseLongueursOnde();
        Instrument.FocalePrimaire = 1000;
        SeparateurDecimal = ',';
    }
    void TearDown() override { SeparateurDecimal = '.'; }

    std::vector<std::string> Boites() const
    {
        std::vector<std::string> boites;
        for (const TQuestion& q : Services.Question.Posees)
            boites.push_back(q.Titre + " / " + q.Ligne1 + " / " + q.Ligne2);
        return boites;
    }

    // The four rows as the proposed corrector at a focal length of 1000 mm has them.
    static void VerifieRangees(double derniere, double ecart)
    {
        const TDioptre& d = Dispositif;
        ASSERT_EQ(d.NombreDioptres, 4);
        const double rayons[] = {93.21, 47.31, 215.52, -173.29};
        const double epaisseurs[] = {2.01, 5.70, 5.28, derniere};
        for (std::size_t i = 1; i <= 4; ++i)
        {
            SCOPED_TRACE(i);
            EXPECT_DOUBLE_EQ(d.RayonDioptre[i], rayons[i - 1]);
            EXPECT_NEAR(d.EpaisseurDioptre[i], epaisseurs[i - 1], ecart);
            EXPECT_EQ(d.DiametreDioptre[i], 50);
        }
        EXPECT_EQ(d.TitreDispositif, "Correcteur de champ / Formule de Ross à 2 lentilles");
        EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 8);
        EXPECT_EQ(LongueursOnde.LongueurOndeVerte, 13);
        EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 17);
        EXPECT_TRUE(Edition.DocumentModifie);
    }

    TServicesDeTest Services;
};

TEST_F(Correcteurs, RossProposeAUneFocaleDe1000)
{
    ASSERT_TRUE(CreeCorrecteurRoss());
    VerifieRangees(53.505, 1e-9);
    const TDioptre& d = Dispositif;
    EXPECT_EQ(d.MatiereDioptre[2], "BK7");
    EXPECT_EQ(d.MatiereDioptre[3], "Air");
    EXPECT_EQ(d.MatiereDioptre[4], "BK7");
    EXPECT_EQ(d.MatiereDioptre[5], "air");
    // The blue line is 404.7 nm.
    EXPECT_EQ(d.IndiceVert[2], BK7.Vert);
    EXPECT_EQ(d.IndiceBleu[4], IndiceVerreIntegre("BK7", 17));
    EXPECT_NE(d.IndiceBleu[4], BK7.Bleu);
    EXPECT_EQ(d.IndiceBleu[5], IndiceAir(17));
    EXPECT_EQ(Reglages.PasEtoileMultiple, 17);
    EXPECT_EQ(Reglages.PasEtoileUnique, 8);
    EXPECT_EQ(Reglages.PasBoiteDistance, 8);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalRoss);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "0");
    EXPECT_TRUE(Appels.Commandes[TCommandeEdition::RemplaceDispo]);
    EXPECT_TRUE(Services.Question.Posees.empty());
}

TEST_F(Correcteurs, UnRayonSArrondiEnAllantVersZero)
{
    EXPECT_DOUBLE_EQ(ArrondiRayonRoss(-173.2994), -173.29);
    EXPECT_DOUBLE_EQ(ArrondiRayonRoss(-173.2949), -173.28);
    EXPECT_DOUBLE_EQ(ArrondiRayonRoss(93.2149), 93.21);
    EXPECT_DOUBLE_EQ(ArrondiRayonRoss(93.2151), 93.22);
}

TEST_F(Correcteurs, LesPasDEtoilesSuiventLaFocale)
{
    struct TCas
    {
        double Focale;
        int Multiple, Unique;
    };
    for (const TCas& c : {TCas{1000, 17, 8}, TCas{8600, 1, 0}})
    {
        SCOPED_TRACE(c.Focale);
        Instrument.FocalePrimaire = c.Focale;
        ASSERT_TRUE(CreeCorrecteurRoss());
        EXPECT_EQ(Reglages.PasEtoileMultiple, c.Multiple);
        EXPECT_EQ(Reglages.PasEtoileUnique, c.Unique);
    }
}

// What the formula cannot build: nothing is written, nothing recorded, and the box says so.
TEST_F(Correcteurs, UnCorrecteurImpossibleEstRefuseSansRienChanger)
{
    struct TCas
    {
        const char* Nom;
        double Focale, P, M, Diametre, N;
    };
    const double n = BK7.Vert;
    const TCas cas[] = {
        {"diametre trop grand", 1000, -5.4, 0.06, 100, n},
        {"foyer au correcteur", 60, -0.324, 1, 50, n},
        {"foyer devant le correcteur", 50, -0.27, 1.2, 50, n},
        {"verre vide", 1000, -5.4, 0.06, 50, 1},
        {"indice absent", 1000, -5.4, 0.06, 50, 0},
        {"puissance nulle", 1000, 0, 0.06, 50, n},
        {"distance nulle", 1000, -5.4, 0, 50, n},
        {"indice infini", 1000, -5.4, 0.06, 50, INFINITY},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        EXPECT_FALSE(CalculeCorrecteurRoss(c.Focale, c.P, c.M, c.Diametre, c.N).has_value());
    }
    // A radius that rounds to nothing: the first lens's term far beyond the focal length.
    EXPECT_FALSE(CalculeCorrecteurRoss(1000, -5.4e7, 0.06, 50, n).has_value());

    for (double focale : {60.0, 50.0})
    {
        SCOPED_TRACE(focale);
        Instrument.FocalePrimaire = focale;
        LigneDispositif(1, 80, 5, 30, BK7);
        Dispositif.NombreDioptres = 1;
        Edition.DocumentModifie = false;
        Services.Question.Repond(ReponseOk);
        EXPECT_FALSE(CreeCorrecteurRoss());
        EXPECT_EQ(Dispositif.NombreDioptres, 1);
        EXPECT_EQ(Dispositif.RayonDioptre[1], 80);
        EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 15);
        EXPECT_FALSE(Edition.DocumentModifie);
        EXPECT_TRUE(Appels.Enregistrements.empty());
        EXPECT_EQ(Boites().back(), RefusRoss);
    }
}

TEST_F(Correcteurs, LesChampsDuDialogueValidentLeurTexte)
{
    struct TCas
    {
        TChampRoss Champ;
        const char* Texte;
        float Avant;
        TIssueValidation Issue;
        float Valeur; // stored after
        const char* Message;
        const char* Affiche;
    };
    using I = TIssueValidation;
    const TCas cas[] = {
        {TChampRoss::Puissance, "0,05", -5.4f, I::Refuse, -5.4f, "Cette puissance optique est trop faible", "-5,4"},
        {TChampRoss::Puissance, "-3", -5.4f, I::Stocke, -3.0f, "", "-3"},
        {TChampRoss::Puissance, "2,12345", -5.4f, I::Stocke, 2.123f, "", "2,123"},
        {TChampRoss::Puissance, "-5,4", -5.4f, I::Inchange, -5.4f, "", ""},
        {TChampRoss::Puissance, "abc", -5.4f, I::Ignore, -5.4f, "", ""},
        {TChampRoss::Distance, "-60", 60, I::Ignore, 60, "", ""},
        {TChampRoss::Distance, "0,9", 60, I::Refuse, 60, "Cette valeur est trop petite", "60"},
        {TChampRoss::Distance, "75.5", 60, I::Stocke, 75.5f, "", "75,5"},
        {TChampRoss::Diametre, "0,5", 50, I::Refuse, 50, "Cette valeur est trop petite", "50"},
        {TChampRoss::Diametre, "-50", 50, I::Ignore, 50, "", ""},
        {TChampRoss::Diametre, "100", 50, I::Stocke, 100, "", "100"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Texte);
        float valeur = c.Avant;
        const TValidationBoite v = ValideChampRoss(c.Champ, c.Texte, c.Avant, valeur);
        EXPECT_EQ(v.Issue, c.Issue);
        EXPECT_EQ(valeur, c.Valeur);
        EXPECT_EQ(v.Message, c.Message);
        EXPECT_EQ(v.Texte, c.Affiche);
    }
}

TEST_F(Correcteurs, LEnregistrementGardeSesColonnesEtSeRelitAuDela)
{
    EXPECT_EQ(TexteEnregistrementRoss(-5.4, 0.06, 50, "BK7"), "-05,4000 0,06000 050,0 BK7");
    EXPECT_EQ(TexteEnregistrementRoss(3, 0.012345, 12.25, "N-SF 5"), "+03,0000 0,01235 012,3 N-SF 5");
    SeparateurDecimal = '.';
    EXPECT_EQ(TexteEnregistrementRoss(-5.4, 0.06, 50, "BK7"), "-05.4000 0.06000 050.0 BK7");

    struct TCas
    {
        double P, M, Diametre;
        const char* Verre;
    };
    for (const TCas& c :
         {TCas{-5.4, 0.06, 50, "BK7"}, TCas{123.4567, 0.5, 1234.5, "Verre X"}, TCas{-250, 0.00001, 9999, "LAK7"}})
        for (const char marque : {',', '.'})
        {
            SeparateurDecimal = marque;
            const std::string texte = TexteEnregistrementRoss(c.P, c.M, c.Diametre, c.Verre);
            SCOPED_TRACE(texte);
            const std::optional<TEnregistrementRoss> lu = LitEnregistrementRoss(texte);
            ASSERT_TRUE(lu.has_value());
            EXPECT_DOUBLE_EQ(lu->P, c.P);
            EXPECT_DOUBLE_EQ(lu->M, c.M);
            EXPECT_DOUBLE_EQ(lu->Diametre, c.Diametre);
            EXPECT_EQ(lu->Verre, c.Verre);
        }
    for (const char* faux : {"", "-05,4000 0,06000 050,0", "-05,4000 0,06000 050,0 ", "x 0,06 50 BK7",
                             "-05,4000 1E999 050,0 BK7", "-05,4000 0,06000"})
        EXPECT_FALSE(LitEnregistrementRoss(faux).has_value()) << faux;
}

TEST_F(Correcteurs, LeVerreDUnRejeuSeTrouveParSonNom)
{
    PortsCatalogue.Lit = [] { return CatalogueDeTest(); };
    const std::optional<TVerreRoss> x = VerreRossParNom("verre x");
    ASSERT_TRUE(x.has_value());
    EXPECT_EQ(x->Nom, "verre x");
    EXPECT_EQ(x->Indices, (std::array<float, 3>{1.601f, 1.605f, 1.62f}));
    // The catalogue's own values come first.
    EXPECT_EQ(VerreRossParNom("BK7")->Indices[1], 1.518f);
    // A glass the catalogue lacks comes from the built-in table, under the name the record gives.
    const std::optional<TVerreRoss> lak7 = VerreRossParNom("LAK7");
    ASSERT_TRUE(lak7.has_value());
    EXPECT_EQ(lak7->Nom, "LAK7");
    EXPECT_EQ(lak7->Indices[2], IndiceVerreIntegre("LaK7", 17));
    EXPECT_GT(lak7->Indices[2], 1.6f);
    EXPECT_FALSE(VerreRossParNom("Inconnu").has_value());
}

// The dialog's presets accepted at once give the proposed corrector, but for the media's names, and a record that
// rebuilds it whole.
TEST_F(Correcteurs, LeCorrecteurSaisiSeReconstruitDeSonEnregistrement)
{
    for (const char marque : {',', '.'})
    {
        SCOPED_TRACE(marque);
        SeparateurDecimal = marque;
        InstallePortsEnregistres();
        // No catalogue file: the glass is the program's own.
        PortsCatalogue.Lit = [] { return TCatalogueLu{{}, true}; };
        ASSERT_TRUE(CreeCorrecteurRossSaisi(SaisieRossInitiale()));
        VerifieRangees(53.505, 0.001);
        EXPECT_EQ(Dispositif.MatiereDioptre[5], "Air");
        EXPECT_EQ(Dispositif.IndiceBleu[2], IndiceVerreIntegre("BK7", 17));
        ASSERT_EQ(Appels.Enregistrements.size(), 1u);
        const TEnregistrementJournal e = Appels.Enregistrements[0];
        EXPECT_EQ(e.Code, CodeJournalRossSpecifie);
        EXPECT_EQ(e.Valeur, marque == ',' ? "-05,4000 0,06000 050,0 BK7" : "-05.4000 0.06000 050.0 BK7");

        const TDioptre construit = Dispositif;
        const TLongueursOnde lignes = LongueursOnde;
        Dispositif = TDioptre{};
        InitialiseLongueursOnde();
        CreeCorrecteurRossSpecifie(e.Valeur);
        EXPECT_EQ(Dispositif.RayonDioptre, construit.RayonDioptre);
        EXPECT_EQ(Dispositif.EpaisseurDioptre, construit.EpaisseurDioptre);
        EXPECT_EQ(Dispositif.IndiceBleu, construit.IndiceBleu);
        EXPECT_EQ(Dispositif.MatiereDioptre, construit.MatiereDioptre);
        EXPECT_EQ(LongueursOnde.LongueurOndeBleue, lignes.LongueurOndeBleue);
    }
}

TEST_F(Correcteurs, LeCorrecteurSaisiSuitLesValeursEtLeVerreChoisis)
{
    PortsCatalogue.Lit = [] { return CatalogueDeTest(); };
    TSaisieRoss saisie = SaisieRossInitiale();
    saisie.Puissance = -3;
    saisie.Verre = VerreRossChoisi({"Verre X", "1,601000", "1,605000", "1,620000"});
    ASSERT_TRUE(CreeCorrecteurRossSaisi(saisie));
    EXPECT_EQ(Appels.Enregistrements.back().Valeur, "-03,0000 0,06000 050,0 Verre X");
    const std::optional<TCorrecteurRoss> attendu = CalculeCorrecteurRoss(1000, -3, 0.06, 50, 1.605f);
    ASSERT_TRUE(attendu.has_value());
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(Dispositif.RayonDioptre[k + 1], attendu->Rayons[k]);
    EXPECT_NE(Dispositif.RayonDioptre[1], 93.21);
    EXPECT_EQ(Dispositif.MatiereDioptre[2], "Verre X");
    EXPECT_EQ(Dispositif.MatiereDioptre[4], "Verre X");
    EXPECT_EQ(Dispositif.IndiceRouge[2], 1.601f);
    EXPECT_EQ(Dispositif.IndiceBleu[4], 1.62f);
    EXPECT_EQ(Dispositif.IndiceVert[3], IndiceAir(13));

    // Too wide a corrector is refused; so is a record whose glass is found nowhere, silently.
    const TDioptre avant = Dispositif;
    Appels = TAppelsPorts{};
    saisie.Diametre = 100;
    Services.Question.Repond(ReponseOk);
    EXPECT_FALSE(CreeCorrecteurRossSaisi(saisie));
    EXPECT_EQ(Boites().back(), RefusRoss);
    CreeCorrecteurRossSpecifie("-05,4000 0,06000 050,0 Inconnu");
    CreeCorrecteurRossSpecifie("n'importe quoi");
    EXPECT_EQ(Dispositif.RayonDioptre, avant.RayonDioptre);
    EXPECT_TRUE(Appels.Enregistrements.empty());
    EXPECT_EQ(Services.Question.Posees.size(), 1u);
}

TEST_F(Correcteurs, Wynne)
{
    CreeCorrecteurWynne();
    const TDioptre& d = Dispositif;
    ASSERT_EQ(d.NombreDioptres, 6);
    const double rangees[6][3] = {{68.5, 6.64, 75},   {80.47, 53.51, 75}, {135.81, 1.26, 57},
                                  {49.85, 75.78, 57}, {84.97, 9.15, 63},  {-1053.07, 27.77, 63}};
    for (std::size_t i = 1; i <= 6; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(d.RayonDioptre[i], rangees[i - 1][0]);
        EXPECT_EQ(d.EpaisseurDioptre[i], rangees[i - 1][1]);
        EXPECT_EQ(d.DiametreDioptre[i], rangees[i - 1][2]);
        EXPECT_EQ(d.MatiereDioptre[i + 1], i % 2 == 1 ? "BK7" : "Air");
        EXPECT_EQ(d.IndiceBleu[i + 1], i % 2 == 1 ? IndiceVerreIntegre("BK7", 17) : IndiceAir(17));
    }
    EXPECT_EQ(d.TitreDispositif, "Correcteur de champ / Formule de Wynne à 3 lentilles (caractéristiques protégées "
                                 "par les lois sur la propriété industrielle)");
    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 8);
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 17);
    EXPECT_EQ(Reglages.PasEtoileMultiple, 15);
    EXPECT_EQ(Reglages.PasEtoileUnique, 7);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalWynne);
    EXPECT_TRUE(Edition.DocumentModifie);

    Instrument.FocalePrimaire = 8000;
    CreeCorrecteurWynne();
    EXPECT_EQ(Reglages.PasEtoileMultiple, 1);
    EXPECT_EQ(Reglages.PasEtoileUnique, 0);
}

} // namespace
