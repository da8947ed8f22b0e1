// The eyepiece designs as the lens device receives them: each design's optics at a typed focal length, the placement
// in place of the device or behind it with its refusals, the focal length typed, and the record read back.
#include "dialogs/OculaireChoixCalcul.h"
#include "editing/CodesJournal.h"
#include "editing/PortsEnregistres.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"
#include "support/Verres.h"

#include <cmath>

namespace {

class Oculaire : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SeparateurPrecedent = SeparateurDecimal;
        SeparateurDecimal = ',';
        InstallePortsEnregistres();
    }
    void TearDown() override { SeparateurDecimal = SeparateurPrecedent; }

    // A focal device of `n` rows: BK7 lenses 5 mm thick with 10 mm of air between them, the last row ending in air
    // at `derniere` from the image.
    static void Dispositif_(int n, double derniere)
    {
        for (int i = 1; i <= n; ++i)
            LigneDispositif(i, i % 2 == 1 ? 100 : -100, i % 2 == 1 ? 5 : 10, 30, i % 2 == 1 && i < n ? BK7 : Air);
        Dispositif.EpaisseurDioptre[static_cast<std::size_t>(n)] = derniere;
        Dispositif.NombreDioptres = n;
        Dispositif.TitreDispositif = "Lentilles";
        AppliqueIndices();
    }

    char SeparateurPrecedent = '.';
};

// The (y, n u) matrix of the rows from `premiere` to the last, at the green line; the last thickness is not crossed.
struct TMatrice
{
    double A = 1, B = 0, C = 0, D = 1;
};

TMatrice MatriceParaxiale(int premiere)
{
    const TDioptre& d = Dispositif;
    TMatrice m;
    for (int i = premiere; i <= d.NombreDioptres; ++i)
    {
        const auto k = static_cast<std::size_t>(i);
        const double puissance =
            EstPlan(d.RayonDioptre[k]) ? 0.0 : (d.IndiceVert[k + 1] - d.IndiceVert[k]) / d.RayonDioptre[k];
        m = {m.A, m.B, m.C - puissance * m.A, m.D - puissance * m.B};
        if (i < d.NombreDioptres)
        {
            const double t = d.EpaisseurDioptre[k] / d.IndiceVert[k + 1];
            m = {m.A + t * m.C, m.B + t * m.D, m.C, m.D};
        }
    }
    return m;
}

TEST_F(Oculaire, ChaqueFormuleALaFocaleDemandeeEtSonFoyerAvantALaBonnePlace)
{
    struct TAttendu
    {
        const char* Nom;
        int Lignes;
        double K;
        double DistanceFoyerDioptre; // as a multiple of f
        const char* Titre;
    };
    const TAttendu attendus[] = {
        {"kepler", 3, 0, 0, "Oculaire de Kepler"},
        {"huygens", 5, 0.352, 0, "Oculaire de Huygens"},
        {"dollond", 5, 0.906, 0, "Oculaire de Dollond"},
        {"ramsden", 5, 0, 0, "Oculaire de Ramsden"},
        {"kellner", 6, 0, 0, "Oculaire de Kellner"},
        {"orthoscopique", 7, 0, 0, "Oculaire Orthoscopique"},
        {"plössl", 7, 0, 0, "Oculaire  de Plössl"},
        {"nagler 1", 12, 1.645, -1.645,
         "Oculaire de Nagler 1 (caractéristiques protégées par les lois sur la propriété industrielle)"},
        {"nagler 2", 14, 1.65, -1.65,
         "Oculaire de Nagler 2 (caractéristiques protégées par les lois sur la propriété industrielle)"},
        {"ethos", 16, 2.767, -2.767,
         "Oculaire Ethos (caractéristiques protégées par les lois sur la propriété industrielle)"},
        {"dilworth", 15, 2.006, -2.006,
         "Oculaire de Dilworth (caractéristiques protégées par les lois sur la propriété industrielle)"},
    };
    ASSERT_EQ(ModelesOculaires().size(), std::size(attendus));
    const double f = 25;
    for (const TAttendu& a : attendus)
    {
        SCOPED_TRACE(a.Nom);
        ReinitialiseEtat();
        ASSERT_TRUE(InsereOculaire(a.Nom, static_cast<float>(f), TPlacementOculaire::RemplaceDispositif));
        AppliqueIndices();
        const TDioptre& d = Dispositif;
        EXPECT_EQ(d.NombreDioptres, a.Lignes);
        EXPECT_EQ(d.TitreDispositif, a.Titre);
        EXPECT_EQ(ModeleOculaire(a.Nom)->K, a.K);
        EXPECT_DOUBLE_EQ(Systeme.DistanceFoyerDioptre, a.DistanceFoyerDioptre * f);
        EXPECT_TRUE(EstEpaisseurInfinie(d.EpaisseurDioptre[static_cast<std::size_t>(a.Lignes)]));
        VerifieDispositif();
        EXPECT_TRUE(Validite.DispositifValide && Validite.SystemeAfocal);

        const TMatrice m = MatriceParaxiale(1);
        EXPECT_NEAR(-1.0 / m.C, f, 0.01 * f);
        // Parallel light out for a point k f behind the first surface: on the field stop when k is 0.
        const double foyerAvant = m.D * d.IndiceVert[1] / m.C;
        EXPECT_NEAR(foyerAvant, a.K * f, 0.03 * f);
    }
}

TEST_F(Oculaire, KeplerDeDixMillimetresSansDispositif)
{
    ASSERT_TRUE(InsereOculaire("kepler", 10, TPlacementOculaire::RemplaceDispositif));
    const TDioptre& d = Dispositif;
    ASSERT_EQ(d.NombreDioptres, 3);
    EXPECT_EQ(d.RayonDioptre[1], RayonDiaphragme);
    EXPECT_DOUBLE_EQ(d.DiametreDioptre[1], 6.5);
    EXPECT_DOUBLE_EQ(d.EpaisseurDioptre[1], 9.3);
    EXPECT_DOUBLE_EQ(d.RayonDioptre[2], 10);
    EXPECT_DOUBLE_EQ(d.EpaisseurDioptre[2], 2);
    EXPECT_DOUBLE_EQ(d.RayonDioptre[3], -10);
    EXPECT_EQ(d.EpaisseurDioptre[3], EpaisseurInfinie);
    EXPECT_DOUBLE_EQ(d.DiametreDioptre[2], 8.5);
    EXPECT_DOUBLE_EQ(d.DiametreDioptre[3], 8.5);
    EXPECT_EQ(d.MatiereDioptre[2], "Air - Diaphragme de champ");
    EXPECT_EQ(d.IndiceVert[2], Air.Vert);
    EXPECT_EQ(d.MatiereDioptre[3], "BK7");
    EXPECT_EQ((std::array{d.IndiceRouge[3], d.IndiceVert[3], d.IndiceBleu[3]}),
              (std::array{BK7.Rouge, BK7.Vert, BK7.Bleu}));
    EXPECT_EQ(d.MatiereDioptre[4], "Air");
    EXPECT_EQ(d.TitreDispositif, "Oculaire de Kepler");
    EXPECT_EQ(Reglages.RayonChampAfocal, 15);
    EXPECT_EQ(Reglages.PasEtoileMultipleAfocal, 4);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalOculaire);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 0);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "010,00 kepler");
    EXPECT_TRUE(Appels.Commandes[TCommandeEdition::RemplaceDispo]);
    EXPECT_FALSE(Appels.Commandes[TCommandeEdition::PlacerApresDispo]);
}

// The Ethos's three capitalised glasses take the indices of the built-in glasses of mixed case.
TEST_F(Oculaire, LesVerresEnCapitalesPrennentLesIndicesDesVerresIntegres)
{
    ASSERT_TRUE(InsereOculaire("ethos", 25, TPlacementOculaire::RemplaceDispositif));
    for (const std::size_t element : {11u, 13u, 15u})
    {
        SCOPED_TRACE(Dispositif.MatiereDioptre[element]);
        EXPECT_GT(Dispositif.IndiceVert[element], 1.6f);
    }
    EXPECT_EQ(Dispositif.MatiereDioptre[13], "LAK7");
}

TEST_F(Oculaire, DerriereUnDispositifLesRefusNeChangentRien)
{
    struct TCas
    {
        const char* Nom;
        float Focale;
        int Lignes;
        double Derniere;
        bool FinitDansLeVerre;
        const char* Titre; // of the message, "" when it is accepted
        const char* Texte;
    };
    const TCas cas[] = {
        {"huygens", 20, 2, 7, false, "Quivane - Incompatible",
         "Incompatible : L'espace libre après le dernier dioptre est insuffisant."},
        {"huygens", 20, 2, 8, false, "", ""},
        {"ethos", 25, 15, 100, false, "Quivane - Nombre de lignes excessif", "Nombre de lignes > 30"},
        {"ethos", 25, 14, 100, false, "", ""},
        {"dollond", 10, 2, 100, true, "Quivane - Incompatible",
         "Incompatible : il faut un espace libre après le dernier dioptre."},
        // A design that starts at the image needs no air behind the device.
        {"ramsden", 10, 2, 100, true, "", ""},
        {"inconnu", 10, 2, 100, false, nullptr, nullptr},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::string(c.Nom) + " derriere " + std::to_string(c.Lignes) + " lignes");
        ReinitialiseEtat();
        InstallePortsEnregistres();
        Dispositif_(c.Lignes, c.Derniere);
        if (c.FinitDansLeVerre)
            LigneDispositif(c.Lignes, -100, c.Derniere, 30, BK7);
        const TDioptre avant = Dispositif;
        const bool accepte = InsereOculaire(c.Nom, c.Focale, TPlacementOculaire::DerriereDispositif);
        if (c.Titre == nullptr || c.Titre[0] != '\0')
        {
            EXPECT_FALSE(accepte);
            EXPECT_EQ(Dispositif.NombreDioptres, avant.NombreDioptres);
            EXPECT_EQ(Dispositif.EpaisseurDioptre, avant.EpaisseurDioptre);
            EXPECT_EQ(Dispositif.MatiereDioptre, avant.MatiereDioptre);
            EXPECT_EQ(Dispositif.TitreDispositif, avant.TitreDispositif);
            EXPECT_FALSE(Edition.DocumentModifie);
            EXPECT_TRUE(Appels.Enregistrements.empty());
            if (c.Titre == nullptr)
                EXPECT_TRUE(Appels.Messages.empty());
            else
            {
                ASSERT_EQ(Appels.Messages.size(), 1u);
                EXPECT_EQ(Appels.Messages[0].Titre, c.Titre);
                EXPECT_EQ(Appels.Messages[0].Texte, c.Texte);
            }
            continue;
        }
        EXPECT_TRUE(accepte);
        EXPECT_TRUE(Appels.Messages.empty());
        const int n = static_cast<int>(ModeleOculaire(c.Nom)->Surfaces.size());
        EXPECT_EQ(Dispositif.NombreDioptres, c.Lignes + n);
        EXPECT_EQ(Dispositif.RayonDioptre[1], avant.RayonDioptre[1]);
        const double reste = c.Derniere - ModeleOculaire(c.Nom)->K * c.Focale;
        EXPECT_NEAR(Dispositif.EpaisseurDioptre[static_cast<std::size_t>(c.Lignes)], reste, 1e-6);
        EXPECT_EQ(Dispositif.TitreDispositif, std::string("Lentilles + ") + ModeleOculaire(c.Nom)->Titre);
        ASSERT_EQ(Appels.Enregistrements.size(), 1u);
        EXPECT_EQ(Appels.Enregistrements[0].Index, 1);
    }
}

TEST_F(Oculaire, UnPlosslDerriereQuatreLignes)
{
    Dispositif_(4, 60);
    ASSERT_TRUE(InsereOculaire("plössl", 25, TPlacementOculaire::DerriereDispositif));
    EXPECT_EQ(Dispositif.NombreDioptres, 11);
    EXPECT_EQ(Dispositif.RayonDioptre[5], RayonDiaphragme);
    EXPECT_DOUBLE_EQ(Dispositif.RayonDioptre[6], 2.756 * 25);
    EXPECT_EQ(Dispositif.EpaisseurDioptre[4], 60);
    EXPECT_EQ(Dispositif.TitreDispositif, "Lentilles + Oculaire  de Plössl");
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 1);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "025,00 plössl");
}

TEST_F(Oculaire, SansSpectraleBleueLesIndicesBleusSontNuls)
{
    LongueursOnde.LongueurOndeBleue = 0;
    ASSERT_TRUE(InsereOculaire("orthoscopique", 25, TPlacementOculaire::RemplaceDispositif));
    for (int i = 1; i <= Dispositif.NombreDioptres; ++i)
        EXPECT_EQ(Dispositif.IndiceBleu[static_cast<std::size_t>(i + 1)], 0.0f) << i;
}

TEST_F(Oculaire, LaFocaleSaisieEstArrondieAuDixiemePair)
{
    struct TCas
    {
        const char* Texte;
        std::optional<float> Focale;
        bool Message;
    };
    const TCas cas[] = {
        {"12.25", 12.2f, false}, {"12,35", 12.4f, false}, {"25", 25.0f, false},     {"0,06", 0.1f, false},
        {"0.04", {}, true},      {"0,05", {}, true},      {"abc", {}, false},       {"-5", {}, false},
        {"", {}, false},         {"1.2.3", {}, false},    {"9999", 9999.0f, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Texte);
        Appels.Messages.clear();
        EXPECT_EQ(FocaleOculaireSaisie(c.Texte), c.Focale);
        if (c.Message)
        {
            ASSERT_EQ(Appels.Messages.size(), 1u);
            EXPECT_EQ(Appels.Messages[0].Titre, "Quivane - Focale oculaire");
            EXPECT_EQ(Appels.Messages[0].Texte, "Cette distance focale est trop courte.");
        }
        else
            EXPECT_TRUE(Appels.Messages.empty());
    }
}

// A focal length of four digits takes seven characters in the record: it still reads back to the same rows.
TEST_F(Oculaire, LEnregistrementSeRelitEnLesMemesLignes)
{
    for (const float focale : {1000.0f, 12.2f})
    {
        SCOPED_TRACE(focale);
        ReinitialiseEtat();
        InstallePortsEnregistres();
        ASSERT_TRUE(InsereOculaire("nagler 2", focale, TPlacementOculaire::RemplaceDispositif));
        const TDioptre ecrit = Dispositif;
        const TSysteme systeme = Systeme;
        const TEnregistrementJournal e = Appels.Enregistrements.at(0);
        ReinitialiseEtat();
        RejoueOculaire(e.Index, e.Valeur);
        EXPECT_EQ(Dispositif.RayonDioptre, ecrit.RayonDioptre);
        EXPECT_EQ(Dispositif.EpaisseurDioptre, ecrit.EpaisseurDioptre);
        EXPECT_EQ(Dispositif.DiametreDioptre, ecrit.DiametreDioptre);
        EXPECT_EQ(Dispositif.TitreDispositif, ecrit.TitreDispositif);
        EXPECT_EQ(Systeme.DistanceFoyerDioptre, systeme.DistanceFoyerDioptre);
    }
}

// The solver places the eyepiece behind the Newton's focus and finds the magnification F1 / f.
TEST_F(Oculaire, UnPlosslDerriereLeNewtonDonneLeGrossissement)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    InstallePortsEnregistres();
    ASSERT_TRUE(InsereOculaire("plössl", 25, TPlacementOculaire::RemplaceDispositif));
    AppliqueIndices();
    VerifieValidite();
    ASSERT_TRUE(Validite.InstrumentValide && Validite.DispositifValide && Validite.SystemeAfocal);
    PrepareSysteme();
    ASSERT_FALSE(Systeme.CalculEchoue);
    const double attendu = Instrument.FocalePrimaire / 25.0;
    EXPECT_NEAR(std::abs(Systeme.GrossissementAfocal), attendu, 0.01 * attendu);
}

TEST_F(Oculaire, LeDialogueProposeCeQueLeDispositifPermet)
{
    EXPECT_EQ(EtatDispositifOculaire(), TEtatDispositifOculaire::Aucun);
    Dispositif_(2, 50);
    EXPECT_EQ(EtatDispositifOculaire(), TEtatDispositifOculaire::ValideFocal);
    Dispositif.EpaisseurDioptre[2] = EpaisseurInfinie;
    EXPECT_EQ(EtatDispositifOculaire(), TEtatDispositifOculaire::Present);
    Dispositif.EpaisseurDioptre[2] = 50;
    Dispositif.IndiceVert[3] = 0;
    EXPECT_EQ(EtatDispositifOculaire(), TEtatDispositifOculaire::Present);
}

} // namespace
