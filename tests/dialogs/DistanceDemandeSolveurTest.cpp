// The solver's requests answered through the request service: a value, a text that is not a
// number, or abandoning.
#include "dialogs/DemandesFoyer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "doubles/ServicesDeTest.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "optics/Notifications.h"
#include "platform/Format.h"
#include "support/Formes.h"

namespace {

class DemandesFoyerTest : public ::testing::Test
{
protected:
    // The solver asks through the program's two focus questions.
    static void InstalleDemandesFoyer()
    {
        Notifications.DemandeDistanceFoyerDioptre = DemandeDistanceFoyerDioptre;
        Notifications.DemandeDecalageFoyer = DemandeDecalageFoyer;
    }

    void SetUp() override
    {
        InstalleDemandesFoyer();
        SeparateurDecimal = ',';
    }
    void TearDown() override { SeparateurDecimal = '.'; }
    TServicesDeTest services;
};

TEST_F(DemandesFoyerTest, LaDistanceDemandeeEstLueOuArreteLeCalcul)
{
    struct Cas
    {
        std::optional<std::string> reponse;
        bool poursuit;
        double distance;
    };
    for (const Cas& c : {Cas{"12,5", true, 12.5}, Cas{"-3.25", true, -3.25}, Cas{"abc", false, 400.0},
                         Cas{std::nullopt, false, 400.0}})
    {
        SCOPED_TRACE(c.reponse.value_or("(abandon)"));
        Systeme.DistanceFoyerDioptre = 400.0;
        Systeme.DistanceFoyerDioptrePrecedente = 7.0;
        services.DemandeFoyer.RepondDistance(c.reponse);
        EXPECT_EQ(DemandeDistanceFoyerDioptre(), c.poursuit);
        EXPECT_EQ(Systeme.DistanceFoyerDioptre, c.distance);
        ASSERT_FALSE(services.DemandeFoyer.Demandes.empty());
        EXPECT_EQ(services.DemandeFoyer.Demandes.back().ValeurPrecedente, 7.0);
    }
}

// A text that is not a number leaves the start shift as it was but lets the search go on.
TEST_F(DemandesFoyerTest, LeDecalageDemandeEstLuOuLaisseOuArreteLeCalcul)
{
    struct Cas
    {
        std::optional<std::string> reponse;
        bool poursuit;
        double decalage;
    };
    for (const Cas& c : {Cas{"-3,25", true, -3.25}, Cas{"abc", true, 5.0}, Cas{std::nullopt, false, 5.0}})
    {
        SCOPED_TRACE(c.reponse.value_or("(abandon)"));
        Systeme.DecalageFoyerInitial = 5.0;
        Systeme.DecalageFoyerPrecedent = 9.0;
        services.DemandeFoyer.RepondDecalage(c.reponse);
        EXPECT_EQ(DemandeDecalageFoyer(), c.poursuit);
        EXPECT_EQ(Systeme.DecalageFoyerInitial, c.decalage);
        EXPECT_EQ(services.DemandeFoyer.Demandes.back().ValeurPrecedente, 9.0);
    }
}

// A Newton with an eyepiece whose start lies so far from the focus that the ray misses the lens:
// the solver asks, and the script's answer decides.
class RechercheAfocaleTest : public DemandesFoyerTest
{
protected:
    void SetUp() override
    {
        DemandesFoyerTest::SetUp();
        ConstruitFormeValide(TTypeInstrument::Newton);
        InstalleDemandesFoyer();
        Instrument.DiametreSecondaire = 0;
        Instrument.DistanceSecondaireFoyer = 0;
        Dispositif.NombreDioptres = 2;
        const double rayons[] = {RayonPlan, -13};
        const double epaisseurs[] = {4, EpaisseurInfinie};
        const float indices[] = {1.51872f, 1.000278f};
        for (int i = 1; i <= 2; ++i)
        {
            Dispositif.RayonDioptre[i] = rayons[i - 1];
            Dispositif.EpaisseurDioptre[i] = epaisseurs[i - 1];
            Dispositif.DiametreDioptre[i] = 20;
            Dispositif.IndiceRouge[i + 1] = Dispositif.IndiceVert[i + 1] = Dispositif.IndiceBleu[i + 1] =
                indices[i - 1];
        }
        AppliqueIndices();
        VerifieValidite();
        Systeme.DistanceFoyerDioptre = 400;
    }
};

TEST_F(RechercheAfocaleTest, UneValeurRelanceLaRecherche)
{
    services.DemandeFoyer.RepondDistance("30");
    PrepareSysteme();
    EXPECT_FALSE(Systeme.CalculInterrompu);
    EXPECT_LE(std::abs(Rayon.LRayon), 1e-7);
    ASSERT_EQ(services.DemandeFoyer.Demandes.size(), 1u);
    EXPECT_EQ(services.DemandeFoyer.Demandes[0].ValeurPrecedente, 400.0);
}

TEST_F(RechercheAfocaleTest, AbandonnerOuUnTexteNonNumeriqueArreteLeCalcul)
{
    for (std::optional<std::string> reponse : {std::optional<std::string>{}, std::optional<std::string>{"x"}})
    {
        SCOPED_TRACE(reponse.value_or("(abandon)"));
        Systeme.CalculInterrompu = false;
        Systeme.MessageDejaAffiche = 0;
        services.DemandeFoyer.RepondDistance(reponse);
        PrepareSysteme();
        EXPECT_TRUE(Systeme.CalculInterrompu);
        EXPECT_FALSE(Systeme.CalculEchoue);
        EXPECT_EQ(Systeme.DistanceFoyerDioptre, 400.0);
    }
}

} // namespace
