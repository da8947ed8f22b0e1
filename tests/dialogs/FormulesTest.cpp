// The Barlow doublet as it is written into the lens device: in place of an empty device or behind one, the room it
// needs, its media at the chosen lines, its star steps, and the doubling it gives.
#include "dialogs/Formules.h"
#include "editing/CodesJournal.h"
#include "editing/PortsEnregistres.h"
#include "optics/Initialisation.h"
#include "optics/Sentinelles.h"
#include "support/Verres.h"

#include <cmath>

namespace {

class Barlow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InstallePortsEnregistres();
        Instrument.FocalePrimaire = 1000;
    }

    // A focal device of `n` BK7 plates of 5 mm, 10 mm apart, its last thickness `derniere`.
    static void Dispositif_(int n, double derniere)
    {
        for (int i = 1; i <= n; ++i)
            LigneDispositif(i, i % 2 == 1 ? 100 : -100, i % 2 == 1 ? 5 : 10, 30, i % 2 == 1 ? BK7 : Air);
        Dispositif.EpaisseurDioptre[static_cast<std::size_t>(n)] = derniere;
        Dispositif.NombreDioptres = n;
    }

    static void VerifieDoublet(int n)
    {
        const TDioptre& d = Dispositif;
        const double attendus[3][3] = {{515.0, 2.8, 25}, {-63.7, 2.0, 25}, {42.61, 109.0, 25}};
        const char* matieres[3] = {"F2", "BK7", "Air"};
        ASSERT_EQ(d.NombreDioptres, n + 3);
        for (int k = 0; k < 3; ++k)
        {
            const auto i = static_cast<std::size_t>(n + 1 + k);
            SCOPED_TRACE(i);
            EXPECT_EQ(d.RayonDioptre[i], attendus[k][0]);
            EXPECT_EQ(d.EpaisseurDioptre[i], attendus[k][1]);
            EXPECT_EQ(d.DiametreDioptre[i], attendus[k][2]);
            EXPECT_EQ(d.MatiereDioptre[i + 1], matieres[k]);
        }
        // The media at the default lines 8, 13 and 15.
        EXPECT_EQ(d.IndiceVert[static_cast<std::size_t>(n + 2)], F2.Vert);
        EXPECT_EQ(d.IndiceRouge[static_cast<std::size_t>(n + 3)], BK7.Rouge);
        EXPECT_EQ(d.IndiceBleu[static_cast<std::size_t>(n + 4)], Air.Bleu);
        EXPECT_EQ(d.TitreDispositif, "Doublet de Barlow");
        EXPECT_EQ(Systeme.DecalageFoyerInitial, 55.93);
        EXPECT_TRUE(Edition.DocumentModifie);
    }
};

TEST_F(Barlow, SansDispositifIlFormeLeDispositifEtSeJournaliseRemplace)
{
    ASSERT_TRUE(AjouteBarlow(IndexBarlowRemplace));
    VerifieDoublet(0);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalBarlow);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 1);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "0");
    EXPECT_TRUE(Appels.Messages.empty());
    EXPECT_TRUE(Appels.Commandes[TCommandeEdition::RemplaceDispo]);
    EXPECT_TRUE(Appels.Commandes[TCommandeEdition::PlacerApresDispo]);
}

TEST_F(Barlow, DerriereUnDispositifIlPrendSaPlaceSurLaDerniereEpaisseur)
{
    struct TCas
    {
        int Lignes;
        double Derniere;
        bool Accepte;
        double Reste;
    };
    const TCas cas[] = {
        {5, 100, true, 42.099},  {5, 58.1, true, 0.199}, {5, 58, false, 0}, {5, EpaisseurNonSaisie, false, 0},
        {27, 100, true, 42.099}, {28, 100, false, 0},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(c.Lignes) + " lignes, derniere epaisseur " + std::to_string(c.Derniere));
        ReinitialiseEtat();
        InstallePortsEnregistres();
        Dispositif_(c.Lignes, c.Derniere);
        const TDioptre avant = Dispositif;
        EXPECT_EQ(AjouteBarlow(IndexBarlowDerriere), c.Accepte);
        if (!c.Accepte)
        {
            ASSERT_EQ(Appels.Messages.size(), 1u);
            EXPECT_EQ(Appels.Messages[0].Titre, "Quivane - Calcul de la Barlow");
            EXPECT_EQ(Appels.Messages[0].Texte,
                      "La dernière épaisseur est trop petite, il n'y a pas assez de place pour cette Barlow.");
            EXPECT_EQ(Dispositif.NombreDioptres, avant.NombreDioptres);
            EXPECT_EQ(Dispositif.RayonDioptre, avant.RayonDioptre);
            EXPECT_EQ(Dispositif.EpaisseurDioptre, avant.EpaisseurDioptre);
            EXPECT_EQ(Dispositif.TitreDispositif, avant.TitreDispositif);
            EXPECT_FALSE(Edition.DocumentModifie);
            EXPECT_TRUE(Appels.Enregistrements.empty());
            continue;
        }
        VerifieDoublet(c.Lignes);
        EXPECT_NEAR(Dispositif.EpaisseurDioptre[static_cast<std::size_t>(c.Lignes)], c.Reste, 1e-9);
        ASSERT_EQ(Appels.Enregistrements.size(), 1u);
        EXPECT_EQ(Appels.Enregistrements[0].Index, 0);
    }
}

// Lines 19 and beyond lie outside the glasses' data: their indices are 0 there, air's are not.
TEST_F(Barlow, UneSpectraleBleueHorsDesVerresDonneDesIndicesNuls)
{
    LongueursOnde.LongueurOndeBleue = 19;
    ASSERT_TRUE(AjouteBarlow(IndexBarlowRemplace));
    EXPECT_EQ(Dispositif.IndiceBleu[2], 0.0f);
    EXPECT_EQ(Dispositif.IndiceBleu[3], 0.0f);
    EXPECT_EQ(Dispositif.IndiceBleu[4], IndiceAir(19));
    EXPECT_GT(Dispositif.IndiceBleu[4], 1.0f);
}

TEST_F(Barlow, LesPasDesEtoilesSuiventLaFocaleDuPrimaire)
{
    struct TCas
    {
        double Focale;
        int Multiple;
        int Unique;
    };
    // A tenth of the angle 12.5 mm subtend at the focus; the single star's step never falls to 0.
    for (const TCas& c : {TCas{1000, 8, 4}, TCas{4200, 2, 1}, TCas{4400, 1, 1}, TCas{0, 10, 5}})
    {
        SCOPED_TRACE(c.Focale);
        ReinitialiseEtat();
        Instrument.FocalePrimaire = c.Focale;
        ASSERT_TRUE(AjouteBarlow(IndexBarlowRemplace));
        EXPECT_EQ(Reglages.PasEtoileMultiple, c.Multiple);
        EXPECT_EQ(Reglages.PasEtoileUnique, c.Unique);
        EXPECT_EQ(Reglages.PasBoiteDistance, static_cast<float>(c.Unique));
    }
}

// A paraxial (y, n u) trace of a cone converging 57.901 mm behind the doublet's first surface, at the green line.
TEST_F(Barlow, PlaceDevantUnFoyerElleDoubleLaFocale)
{
    ASSERT_TRUE(AjouteBarlow(IndexBarlowRemplace));
    AppliqueIndices();
    const TDioptre& d = Dispositif;
    double y = 1.0;
    const double nuEntree = -d.IndiceVert[1] * y / 57.901;
    double nu = nuEntree;
    for (int i = 1; i <= 3; ++i)
    {
        const auto k = static_cast<std::size_t>(i);
        nu -= y * (d.IndiceVert[k + 1] - d.IndiceVert[k]) / d.RayonDioptre[k];
        if (i < 3)
            y += nu / d.IndiceVert[k + 1] * d.EpaisseurDioptre[k];
    }
    const double image = -y * d.IndiceVert[4] / nu;
    EXPECT_NEAR(image, 109.0, 0.2);
    EXPECT_NEAR(nuEntree / nu, 2.0, 0.01);
}

} // namespace
