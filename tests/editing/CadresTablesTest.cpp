// The thickness and diameter frames: the lens's edge and total thickness, the buttons each row offers, and each
// command's store, record and refusals.
#include "PortsEnregistres.h"

#include "editing/CadresTables.h"
#include "editing/CodesJournal.h"
#include "optics/Initialisation.h"
#include "sheet/Fiche.h"
#include "support/Verres.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using enum TTypeInstrument;

// A Newton whose device is one BK7 lens (rows 1 and 2) and a last row to the image.
class CadresTables : public SaisieForme
{
protected:
    void SetUp() override
    {
        SaisieForme::SetUp();
        ConstruitFormeValide(Newton);
        Dispositif.NombreDioptres = 3;
        LigneDispositif(1, 100, 6, 40, BK7);
        LigneDispositif(2, -100, 20, 40, Air);
        LigneDispositif(3, 1e20, 30, 40, Air);
        Edition.TableEditee = TTableEditee::Dispositif;
        Edition.LigneCourante = 1;
        // The shell's position window and optimiser: none here, the optimiser refusing.
        PortsCadres = TPortsCadres{.AfficheFormePosition = [] {},
                                   .DiametreOptimise = [](int) { return std::optional<double>{}; }};
    }
    void TearDown() override
    {
        PortsCadres = TPortsCadres{};
        EtatSaisie.CadreEpaisseur = EtatSaisie.CadreDiametre = false;
        SaisieForme::TearDown();
    }
};

TEST_F(CadresTables, EpaisseursDuBordEtTotaleSurLesDeuxSeparateurs)
{
    const struct
    {
        double R1, R2, E;
        const char* Bord;
        const char* Totale;
    } cas[] = {
        {100, -100, 6, "1,96", "6,00"}, // biconvex
        {50, 100, 5, "2,85", "7,02"}, // meniscus
    };
    for (const char separateur : {',', '.'})
    {
        SeparateurDecimal = separateur;
        for (const auto& c : cas)
        {
            LigneDispositif(1, c.R1, c.E, 40, BK7);
            LigneDispositif(2, c.R2, 20, 40, Air);
            OuvreCadreEpaisseur();
            std::string bord = c.Bord;
            std::string totale = c.Totale;
            bord[1] = totale[1] = separateur;
            EXPECT_EQ(CadreEpaisseurModele.LabelBord, "Epaisseur du bord = " + bord + " mm");
            EXPECT_EQ(CadreEpaisseurModele.LabelTotale, "Epaisseur totale = " + totale + " mm");
            EXPECT_TRUE(CadreEpaisseurModele.EpaisseurMinimaleActive);
            EXPECT_FALSE(CadreEpaisseurModele.InfiniActif);
            EXPECT_TRUE(EtatSaisie.CadreEpaisseur);
        }
    }
}

TEST_F(CadresTables, EpaisseurMinimaleJournaliseeSeulementQuandElleChange)
{
    const double k = std::nearbyint(CalculeEpaisseurMinimale(false, 100, -100, 40, 40) * 100) / 100;
    CadreEpaisseurBtnEpMiniClick();
    EXPECT_EQ(Dispositif.EpaisseurDioptre[1], k);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieEpaisseurDioptre);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 1);
    EXPECT_TRUE(Edition.DocumentModifie);
    // Already at its minimum: nothing more.
    CadreEpaisseurBtnEpMiniClick();
    EXPECT_EQ(Appels.Enregistrements.size(), 1u);

    // A radius below half its diameter has no minimum: the thickness stays.
    Dispositif.RayonDioptre[1] = 15;
    CadreEpaisseurBtnEpMiniClick();
    EXPECT_EQ(Dispositif.EpaisseurDioptre[1], k);
    EXPECT_EQ(Appels.Enregistrements.size(), 1u);
}

TEST_F(CadresTables, DerniereLigneNOffreQueLInfiniJournaliseUneFois)
{
    Edition.LigneCourante = 3;
    OuvreCadreEpaisseur();
    EXPECT_TRUE(CadreEpaisseurModele.InfiniActif);
    EXPECT_FALSE(CadreEpaisseurModele.EpaisseurMinimaleActive);
    EXPECT_FALSE(CadreEpaisseurModele.LabelsVisibles);
    EXPECT_EQ(CadreEpaisseurModele.Focus, TFocusCadre::Infini);
    CadreEpaisseurBtnInfiniClick();
    CadreEpaisseurBtnInfiniClick();
    EXPECT_EQ(Dispositif.EpaisseurDioptre[3], 1e20);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieEpaisseurDioptre);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 3);

    // The group's frame has neither the infinite thickness nor the position; the device's shows them again.
    ConstruitFormeValide(Lunette);
    Edition.LigneCourante = 1;
    OuvreCadreEpaisseurGroupe();
    EXPECT_FALSE(CadreEpaisseurModele.InfiniVisible);
    OuvreCadreEpaisseur();
    EXPECT_TRUE(CadreEpaisseurModele.InfiniVisible);
}

TEST_F(CadresTables, DiametreMaximalJusquAuBordNulEtCopieSurLaLigneSuivante)
{
    OuvreCadreDiametre();
    EXPECT_TRUE(CadreDiametreModele.MaximalActif);
    EXPECT_EQ(CadreDiametreModele.Focus, TFocusCadre::DiametreMaximal);
    EXPECT_FALSE(CadreDiametreModele.PrecedentActif);
    CadreDiametreBtnDiaMaxClick();
    // Both sags 3 mm: r^2 = 100^2 - 97^2.
    EXPECT_NEAR(Dispositif.DiametreDioptre[1], 2 * std::sqrt(100.0 * 100 - 97 * 97), 0.06);
    EXPECT_EQ(Dispositif.DiametreDioptre[1], std::nearbyint(Dispositif.DiametreDioptre[1] * 10) / 10);
    EXPECT_EQ(Dispositif.DiametreDioptre[2], Dispositif.DiametreDioptre[1]);
    ASSERT_EQ(Appels.Enregistrements.size(), 3u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieDiametreDioptre);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 2);
    EXPECT_EQ(Appels.Enregistrements[1].Index, 1);
    // Both rows are one undo step.
    EXPECT_EQ(Appels.Enregistrements[2].Code, CodeJournalFinCommande);
    EXPECT_EQ(Appels.Enregistrements[2].Index, 2);

    // Very flat faces still end the search.
    EXPECT_NEAR(DiametreMaximal({10000, -10000, 40, 40, 5}, false), 2 * std::sqrt(5 * 10000.0), 0.2);
    // No thickness: the diameter stays.
    EXPECT_EQ(DiametreMaximal({100, -100, 40, 40, 0}, false), 40);
}

TEST_F(CadresTables, DiametreMaximalDesactiveSurUneLentilleDivergente)
{
    // Rows 2 and 3: -100 then plane.
    Edition.LigneCourante = 2;
    OuvreCadreDiametre();
    EXPECT_FALSE(CadreDiametreModele.MaximalActif);
    EXPECT_TRUE(CadreDiametreModele.PrecedentActif);
    EXPECT_EQ(CadreDiametreModele.Focus, TFocusCadre::DiametrePrecedent);
}

TEST_F(CadresTables, OptimumRefuseNeChangeRien)
{
    CadreDiametreBtnDiaOptClick();
    EXPECT_EQ(Dispositif.DiametreDioptre[1], 40);
    EXPECT_TRUE(Appels.Enregistrements.empty());
    EXPECT_FALSE(Edition.DocumentModifie);

    PortsCadres.DiametreOptimise = [](int) { return std::optional<double>(31.5); };
    CadreDiametreBtnDiaOptClick();
    EXPECT_DOUBLE_EQ(Dispositif.DiametreDioptre[1], 31.6);
    EXPECT_EQ(Dispositif.DiametreDioptre[2], 40);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieDiametreDioptre);
}

TEST_F(CadresTables, DiametrePrecedentPasseParLaRegleDuDiametre)
{
    Edition.LigneCourante = 2;
    Dispositif.DiametreDioptre[1] = 38;
    CadreDiametreBtnDiaprecClick();
    EXPECT_EQ(Dispositif.DiametreDioptre[2], 38);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieDiametreDioptre);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 2);

    // Wider than the face's sphere: the cell's refusal, nothing stored.
    Dispositif.DiametreDioptre[1] = 250;
    CadreDiametreBtnDiaprecClick();
    EXPECT_EQ(Dispositif.DiametreDioptre[2], 38);
    EXPECT_EQ(Appels.Enregistrements.size(), 1u);
    ASSERT_FALSE(Appels.Messages.empty());
    EXPECT_EQ(Appels.Messages.back().Titre, "Quivane - Diamètre du dioptre");
}

TEST_F(CadresTables, DiametrePrecedentDeLaLigneMiroirVaAuSecondaire)
{
    ConstruitFormeValide(KlevtsovCassegrain);
    Edition.TableEditee = TTableEditee::Groupe;
    const int n = Groupe.NombreDioptresGroupe;
    Edition.LigneCourante = n + 1;
    const double d = Instrument.DiametreSecondaire - 5;
    Groupe.DiametreGroupe[static_cast<std::size_t>(n)] = d;
    CadreDiametreBtnDiaprecClick();
    EXPECT_EQ(Groupe.NombreDioptresGroupe, n);
    EXPECT_FLOAT_EQ(Instrument.DiametreSecondaire, static_cast<float>(d));
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalDiametreSecondaire);
}

} // namespace
