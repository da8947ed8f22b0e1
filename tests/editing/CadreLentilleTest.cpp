// The lens shape frame: power and bending from the radii and back, the refusals of the conversion, the step chosen by
// the digit clicked, the plane and stop buttons and the flat secondary, each stored cell journaled.
#include "PortsEnregistres.h"

#include "editing/CadreLentille.h"
#include "editing/CodesJournal.h"
#include "optics/Initialisation.h"
#include "sheet/Fiche.h"
#include "support/Verres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

using enum TTypeInstrument;

const char* const Contradiction = "Quivane - Contradiction géométrique";

// A Newton whose device is one BK7 lens of radii 100 / -100, 5 mm thick, and a last row to the image.
class CadreLentille : public SaisieForme
{
protected:
    void SetUp() override
    {
        SaisieForme::SetUp();
        ConstruitFormeValide(Newton);
        Dispositif.NombreDioptres = 3;
        LigneDispositif(1, 100, 5, 40, BK7);
        LigneDispositif(2, -100, 20, 40, Air);
        LigneDispositif(3, 1e20, 30, 40, Air);
        Dispositif.IndiceVert[2] = 1.5168f;
        Edition.TableEditee = TTableEditee::Dispositif;
        Edition.LigneCourante = 1;
    }
    void TearDown() override
    {
        EtatSaisie.CadreLentille = EtatSaisie.CadreMiroirPlan = false;
        SaisieForme::TearDown();
    }

    // A shape typed in both boxes and confirmed.
    static void Convertit(const std::string& phi, const std::string& gamma)
    {
        OuvreCadreLentille();
        CadreLentilleBtnOKRdcClick(phi, gamma);
    }
};

TEST_F(CadreLentille, PuissanceEtCambrureAffichéesEtRetourAuxRayons)
{
    for (const char separateur : {',', '.'})
    {
        SeparateurDecimal = separateur;
        OuvreCadreLentille();
        EXPECT_TRUE(EtatSaisie.CadreLentille);
        EXPECT_TRUE(CadreLentilleModele.CasesVisibles);
        EXPECT_EQ(CadreLentilleModele.TextePhi, std::string("10") + separateur + "2480");
        EXPECT_EQ(CadreLentilleModele.TexteGamma, std::string("0") + separateur + "0000");
    }
    const TFormeLentille f = FormeLentille(100, -100, 5, 1.5168);
    EXPECT_NEAR(f.Puissance, 10.247958649789, 1e-9);
    const auto rayons = RayonsLentille(10.247958649789, 0, 0.005, 1.5168);
    ASSERT_TRUE(rayons);
    EXPECT_NEAR(rayons->R1, 100, 1e-9);
    EXPECT_NEAR(rayons->R2, -100, 1e-9);
}

TEST_F(CadreLentille, CasesVidesOuAbsentes)
{
    Dispositif.RayonDioptre[2] = 1.1;
    OuvreCadreLentille();
    EXPECT_TRUE(CadreLentilleModele.CasesVisibles);
    EXPECT_EQ(CadreLentilleModele.TextePhi, "");
    EXPECT_EQ(CadreLentilleModele.TexteGamma, "");
    // Air behind the surface: only the plane and stop buttons.
    Edition.LigneCourante = 2;
    OuvreCadreLentille();
    EXPECT_FALSE(CadreLentilleModele.CasesVisibles);
    // A full device: no frame.
    EtatSaisie.CadreLentille = false;
    Dispositif.NombreDioptres = NombreMaxDioptres;
    OuvreCadreLentille();
    EXPECT_FALSE(EtatSaisie.CadreLentille);
}

TEST_F(CadreLentille, ConversionJournaliseChaqueCelluleStockee)
{
    Convertit("20", "5");
    const TFormeLentille f = FormeLentille(Dispositif.RayonDioptre[1], Dispositif.RayonDioptre[2],
                                           Dispositif.EpaisseurDioptre[1], Dispositif.IndiceVert[2]);
    // The radii are found for the thickness before its last margin of at most 1 mm.
    EXPECT_NEAR(f.Puissance, 20, 0.1);
    EXPECT_NEAR(f.Cambrure, 5, 1e-9);
    EXPECT_TRUE(Edition.DocumentModifie);
    ASSERT_GE(Appels.Enregistrements.size(), 3u);
    // Every cell the conversion changed has its record, row 1's radius last, then the record that makes them one
    // undo step.
    const std::size_t cellules = Appels.Enregistrements.size() - 1;
    const TEnregistrementJournal& rayon = Appels.Enregistrements[cellules - 1];
    EXPECT_EQ(rayon.Code, SaisieRayonDioptre);
    EXPECT_EQ(rayon.Index, 1);
    EXPECT_EQ(rayon.Valeur, FormateGeneral(Dispositif.RayonDioptre[1]));
    EXPECT_EQ(Appels.Enregistrements.back().Code, CodeJournalFinCommande);
    EXPECT_EQ(Appels.Enregistrements.back().Index, static_cast<std::int32_t>(cellules));
    // The lens needed more glass: the minimum found plus at most 1 mm.
    const double k = CalculeEpaisseurMinimale(false, Dispositif.RayonDioptre[1], Dispositif.RayonDioptre[2], 40, 40);
    EXPECT_GE(Dispositif.EpaisseurDioptre[1], k);
    EXPECT_LE(Dispositif.EpaisseurDioptre[1], k + 1.01);

    // The same values again: nothing to convert.
    const std::size_t avant = Appels.Enregistrements.size();
    OuvreCadreLentille();
    CadreLentilleBtnOKRdcClick(CadreLentilleModele.TextePhi, CadreLentilleModele.TexteGamma);
    EXPECT_EQ(Appels.Enregistrements.size(), avant);
}

TEST_F(CadreLentille, RefusGeometriques)
{
    const struct
    {
        const char* Nom;
        double Diametre, Epaisseur;
        const char* Phi;
        const char* Texte;
    } cas[] = {
        {"trop epaisse", 40, 100, "1000",
         "Ces valeurs sont incompatibles avec l'épaisseur de la lentille. Quivane va donc les ignorer."},
        {"rayons sous la moitie du diametre", 40, 5, "60",
         "Ces valeurs entraîneraient des rayons de courbure inférieurs à la moitié du diamètre de la lentille. "
         "Quivane va donc les ignorer."},
        // u is positive for 0.5 mm but negative once the lens is as thick as its diameter asks.
        {"negatif pendant l'iteration", 20, 0.5, "80",
         "Ces valeurs sont incompatibles avec l'épaisseur de la lentille. Quivane va donc les ignorer."},
    };
    for (const auto& c : cas)
    {
        LigneDispositif(1, 100, c.Epaisseur, c.Diametre, BK7);
        LigneDispositif(2, -100, 20, c.Diametre, Air);
        Dispositif.IndiceVert[2] = 1.5168f;
        Appels = TAppelsPorts{};
        Convertit(c.Phi, "0");
        ASSERT_EQ(Appels.Messages.size(), 1u) << c.Nom;
        EXPECT_EQ(Appels.Messages[0].Titre, Contradiction);
        EXPECT_EQ(Appels.Messages[0].Texte, c.Texte) << c.Nom;
        EXPECT_TRUE(Appels.Enregistrements.empty()) << c.Nom;
        EXPECT_EQ(Dispositif.RayonDioptre[1], 100) << c.Nom;
        EXPECT_EQ(Dispositif.RayonDioptre[2], -100) << c.Nom;
        EXPECT_EQ(Dispositif.EpaisseurDioptre[1], c.Epaisseur) << c.Nom;
    }
}

TEST_F(CadreLentille, GroupeSaFormuleEtSaTreiziemeLigne)
{
    ConstruitFormeValide(Lunette);
    Edition.TableEditee = TTableEditee::Groupe;
    Edition.LigneCourante = 1;
    Groupe.DiametreGroupe[1] = Groupe.DiametreGroupe[2] = 200;
    Groupe.EpaisseurGroupe[1] = 5;
    OuvreCadreLentilleGroupe();
    CadreLentilleBtnOKRdcClick("60", "0");
    ASSERT_EQ(Appels.Messages.size(), 1u);
    EXPECT_EQ(Appels.Messages[0].Texte, "Ces valeurs impliqueraient des rayons de courbure inférieurs à la moitié du "
                                        "diamètre de la lentille. Quivane va donc les ignorer.");

    // The 13th row's lens would need a 14th row: no frame, and no conversion.
    Groupe.NombreDioptresGroupe = NombreMaxDioptresGroupe;
    Edition.LigneCourante = NombreMaxDioptresGroupe;
    EtatSaisie.CadreLentille = false;
    OuvreCadreLentilleGroupe();
    EXPECT_FALSE(EtatSaisie.CadreLentille);
    CadreLentilleModele.PuissanceLentille = 5;
    CadreLentilleModele.CambrureLentille = 0;
    EXPECT_FALSE(CalculeRayonsGroupe());
    EXPECT_EQ(Groupe.NombreDioptresGroupe, NombreMaxDioptresGroupe);
}

TEST_F(CadreLentille, SansDiametresLaDerniereLigneAjouteLaSecondeFace)
{
    Dispositif.NombreDioptres = 1;
    Dispositif.DiametreDioptre[1] = 0;
    Dispositif.DiametreDioptre[2] = 0;
    Dispositif.RayonDioptre[2] = 0;
    CadreLentilleModele.PuissanceLentille = 10.247958649789f;
    CadreLentilleModele.CambrureLentille = 0;
    ASSERT_TRUE(CalculeRayonsDispositif());
    EXPECT_EQ(Dispositif.NombreDioptres, 2);
    EXPECT_NEAR(Dispositif.RayonDioptre[1], 100, 1e-3);
    EXPECT_NEAR(Dispositif.RayonDioptre[2], -100, 1e-3);
    EXPECT_EQ(Dispositif.EpaisseurDioptre[1], 5);
}

TEST_F(CadreLentille, PasChoisiParLeChiffreClique)
{
    EXPECT_EQ(PasDuChiffre(5, true), 10.0f);
    EXPECT_EQ(PasDuChiffre(5, false), std::nullopt);
    EXPECT_EQ(PasDuChiffre(20, false), 1.0f);
    EXPECT_EQ(PasDuChiffre(26, true), std::nullopt);
    EXPECT_EQ(PasDuChiffre(50, false), 0.0001f);
    EXPECT_EQ(PasDuChiffre(61, true), std::nullopt);
    const TPasNormalise p = NormalisePas(0.05f, 6);
    EXPECT_FLOAT_EQ(p.Pas, 0.1f);
    EXPECT_EQ(p.Repere, 95 - 3 * 6);

    Reglages.PasPhi = 0.01f;
    OuvreCadreLentille();
    CadreLentilleChiffre(false, 5);
    EXPECT_FLOAT_EQ(Reglages.PasPhi, 0.01f);
    CadreLentilleChiffre(true, 5);
    EXPECT_FLOAT_EQ(Reglages.PasGamma, 10);
}

TEST_F(CadreLentille, FlechesConvertissentDansLesDeuxSens)
{
    Reglages.PasGamma = 1;
    for (const bool monte : {true, false})
    {
        OuvreCadreLentille();
        const std::string phi = CadreLentilleModele.TextePhi;
        CadreLentilleSpin(true, monte, CadreLentilleModele.TexteGamma, phi);
        const TFormeLentille f = FormeLentille(Dispositif.RayonDioptre[1], Dispositif.RayonDioptre[2],
                                               Dispositif.EpaisseurDioptre[1], Dispositif.IndiceVert[2]);
        EXPECT_NEAR(f.Cambrure, monte ? 1 : 0, 1e-3);
    }
}

TEST_F(CadreLentille, PlanDiaphragmeEtSecondairePlanJournalises)
{
    CadreLentilleBtnDioptrePlanClick();
    EXPECT_EQ(Dispositif.RayonDioptre[1], 1e20);
    Edition.LigneCourante = 2;
    CadreLentilleBtnDiaphragmeClick();
    EXPECT_EQ(Dispositif.RayonDioptre[2], 1e30);
    EXPECT_EQ(Dispositif.MatiereDioptre[3], "Diaphragme");
    ASSERT_EQ(Appels.Enregistrements.size(), 2u);
    EXPECT_EQ(Appels.Enregistrements[1].Code, SaisieRayonDioptre);
    EXPECT_EQ(Appels.Enregistrements[1].Index, 2);

    ConstruitFormeValide(KlevtsovCassegrain);
    Edition.DocumentModifie = false;
    Appels = TAppelsPorts{};
    OuvreCadreMiroirPlan();
    EXPECT_TRUE(EtatSaisie.CadreMiroirPlan);
    CadreMiroirPlanBtnMiroirPlanClick();
    EXPECT_EQ(Instrument.RayonCourbureSecondaire, 1e20);
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_TRUE(Edition.AMettreAJour);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieRayonLigneMiroir);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 0);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, FormateGeneral(1e20));
}

} // namespace
