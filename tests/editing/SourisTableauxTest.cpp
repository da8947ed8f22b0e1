// The mouse on the surface tables: the column zones and rows under the pointer, the arrow steps with their refusals
// and records, the row commands on both tables, the Klevtsov's mirror row and the plate-glass row.
#include "PortsEnregistres.h"

#include "editing/ChoixVerre.h"
#include "editing/ClicsFiche.h"
#include "editing/CommandesLignes.h"
#include "editing/OuvreCellules.h"
#include "editing/SourisTableaux.h"
#include "optics/Initialisation.h"
#include "sheet/Fiche.h"
#include "support/Verres.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using enum TTypeInstrument;
using Z = TZoneLigne;

TEST(ZonesTableaux, ChaqueLimiteDeZone)
{
    const struct
    {
        int X;
        TZoneLigne Zone;
    } cas[] = {
        {26, Z::Aucune},
        {27, Z::BoutonLigne},
        {41, Z::BoutonLigne},
        {42, Z::Aucune},
        {43, Z::Rayon},
        {90, Z::Rayon},
        {91, Z::Aucune},
        {92, Z::FlechesRayon},
        {103, Z::FlechesRayon},
        {104, Z::Aucune},
        {105, Z::BoutonLentille},
        {119, Z::BoutonLentille},
        {121, Z::Epaisseur},
        {165, Z::Epaisseur},
        {167, Z::FlechesEpaisseur},
        {178, Z::FlechesEpaisseur},
        {180, Z::BoutonEpaisseur},
        {194, Z::BoutonEpaisseur},
        {196, Z::Diametre},
        {228, Z::Diametre},
        {230, Z::FlechesDiametre},
        {241, Z::FlechesDiametre},
        {243, Z::BoutonDiametre},
        {257, Z::BoutonDiametre},
        {259, Z::IndiceRouge},
        {323, Z::IndiceRouge},
        {325, Z::FlechesRouge},
        {336, Z::FlechesRouge},
        {338, Z::CatalogueRouge},
        {352, Z::CatalogueRouge},
        {354, Z::IndiceVert},
        {418, Z::IndiceVert},
        {420, Z::FlechesVert},
        {431, Z::FlechesVert},
        {433, Z::CatalogueVert},
        {447, Z::CatalogueVert},
        {449, Z::IndiceBleu},
        {513, Z::IndiceBleu},
        {515, Z::FlechesBleu},
        {526, Z::FlechesBleu},
        {528, Z::CatalogueBleu},
        {542, Z::CatalogueBleu},
        {543, Z::Aucune},
        {544, Z::Matiere},
        {761, Z::Matiere},
        {762, Z::Aucune},
    };
    for (const auto& c : cas)
        EXPECT_EQ(ZoneLigne(c.X), c.Zone) << c.X;
}

TEST(ZonesTableaux, LigneSousLePointeur)
{
    ReinitialiseEtat();
    Dispositif.NombreDioptres = 4;
    Groupe.NombreDioptresGroupe = 3;
    const struct
    {
        TTableEditee Table;
        int Y;
        int Ligne;
    } cas[] = {
        {TTableEditee::Dispositif, 48, 0},
        {TTableEditee::Dispositif, 49, 1},
        {TTableEditee::Dispositif, 63, 1},
        {TTableEditee::Dispositif, 64, 2},
        // The table's last pixel line, 16 x 4 + 48, lies on its last row.
        {TTableEditee::Dispositif, 112, 4},
        {TTableEditee::Groupe, 59, 0},
        {TTableEditee::Groupe, 60, 1},
        {TTableEditee::Groupe, 74, 1},
        {TTableEditee::Groupe, 75, 2},
        {TTableEditee::Groupe, 107, 3},
    };
    for (const auto& c : cas)
        EXPECT_EQ(LigneSousPointeur(c.Table, c.Y), c.Ligne) << c.Y;
}

// A Newton whose device has two BK7 lenses (rows 1 to 4), the table shown at the page's top left.
class SourisTableaux : public SaisieForme
{
protected:
    void SetUp() override
    {
        SaisieForme::SetUp();
        // A row command shows the table's view.
        PortsClicsFiche.AfficheVueTableau = [] {};
        ConstruitFormeValide(Newton);
        Dispositif.NombreDioptres = 4;
        LigneDispositif(1, 100, 8, 40, BK7);
        LigneDispositif(2, -100, 50, 40, Air);
        LigneDispositif(3, 80, 4, 40, BK7);
        LigneDispositif(4, -80, 30, 40, Air);
        AppliqueIndices();
        Controles.Grille = {true, 0, 0, 762, 16 * 4 + 49};
        Controles.Ligne = {false, 0, 0, 762, 17};
    }
    void TearDown() override
    {
        Controles = TControlesFiche{};
        SaisieForme::TearDown();
    }

    // A press on an arrow of a row of the device table: the upper half steps up.
    static void Fleche(int x, int ligne, bool monte) { FicheGrilleMouseDown(x, 16 * ligne + 32 + (monte ? 3 : 12)); }
};

TEST_F(SourisTableaux, PasDuRayonGardeLaMoitieDuDiametre)
{
    Dispositif.RayonDioptre[3] = 25;
    // Thick enough for every radius stepped to: each press commits the step before it without a question.
    Dispositif.EpaisseurDioptre[3] = 30;
    std::vector<double> rayons;
    for (int k = 0; k < 6; ++k)
    {
        Fleche(95, 3, false);
        rayons.push_back(Dispositif.RayonDioptre[3]);
    }
    EXPECT_EQ(rayons, (std::vector<double>{24, 23, 22, 21, 20, 20}));
    EXPECT_EQ(Appels.Bips, 1);
    EXPECT_EQ(Edition.LigneCourante, 3);
    // The cell was opened before the step: its commit will see the stepped value as a change.
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieRayonDioptre);
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "20,00");
    ASSERT_FALSE(Appels.Enregistrements.empty());
    EXPECT_EQ(Appels.Enregistrements.back().Code, SaisieRayonDioptre);
    EXPECT_EQ(Appels.Enregistrements.back().Index, 3);
    EXPECT_EQ(Appels.Enregistrements.back().Valeur, "20");
}

TEST_F(SourisTableaux, PasDuDiametreEtDeLIndice)
{
    // R 80: the diameter may grow to 160 and no further.
    Dispositif.DiametreDioptre[3] = 159.5;
    Fleche(235, 3, true);
    EXPECT_EQ(Dispositif.DiametreDioptre[3], 159.5);
    EXPECT_EQ(Appels.Bips, 1);
    Dispositif.DiametreDioptre[3] = 158.5;
    Fleche(235, 3, true);
    EXPECT_EQ(Dispositif.DiametreDioptre[3], 159.5);

    Dispositif.IndiceRouge[4] = 4.9995f;
    Fleche(330, 3, true);
    EXPECT_EQ(Dispositif.IndiceRouge[4], 4.9995f);
    EXPECT_EQ(Appels.Bips, 2);
    // An empty index does not step.
    Dispositif.IndiceVert[4] = 0;
    Fleche(425, 3, true);
    EXPECT_EQ(Dispositif.IndiceVert[4], 0);
    EXPECT_EQ(Appels.Bips, 3);
    Fleche(520, 3, false);
    EXPECT_EQ(Dispositif.IndiceBleu[4], 1.52183f);
}

TEST_F(SourisTableaux, PasDeLEpaisseur)
{
    Dispositif.EpaisseurDioptre[4] = -1;
    Fleche(170, 4, true);
    EXPECT_EQ(Dispositif.EpaisseurDioptre[4], 0.1);
    EtatSaisie.Saisie.Visible = false;

    // From 0.05 down by 0.1 the thickness is unset, journaled; one more step down beeps.
    Dispositif.EpaisseurDioptre[4] = 0.05;
    Appels.Enregistrements.clear();
    Fleche(170, 4, false);
    EXPECT_EQ(Dispositif.EpaisseurDioptre[4], EpaisseurNonSaisie);
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "");
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieEpaisseurDioptre);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "-1");
    // The press commits the unset cell first, which journals it once more.
    Fleche(170, 4, false);
    EXPECT_EQ(Dispositif.EpaisseurDioptre[4], EpaisseurNonSaisie);
    EXPECT_EQ(Appels.Bips, 1);
    EXPECT_EQ(Appels.Enregistrements.back().Valeur, "-1");
}

TEST_F(SourisTableaux, LesPasDuGroupeAttendentLaValidation)
{
    ConstruitFormeValide(Lunette);
    Controles.TableauKlevtsov = {true, 0, 0, 762, 16 * 3 + 60};
    FicheTableauKlevtsovMouseDown(95, 16 * 2 + 43 + 3);
    EXPECT_EQ(Edition.TableEditee, TTableEditee::Groupe);
    EXPECT_EQ(Edition.LigneCourante, 2);
    EXPECT_EQ(Groupe.RayonGroupe[2], -449);
    EXPECT_TRUE(Appels.Enregistrements.empty());
    // On the highlighted row the step journals itself.
    FicheLigneMouseDown(95, 3);

    EXPECT_EQ(Groupe.RayonGroupe[2], -448);
    ASSERT_FALSE(Appels.Enregistrements.empty());
    EXPECT_EQ(Appels.Enregistrements.back().Code, SaisieRayonGroupe);
}

TEST_F(SourisTableaux, RelacheOuvreLaCelluleEtRetireLaDerniereLigneVide)
{
    // Row 4 emptied and highlighted; a release on row 2 keeps it, a release on the header drops it.
    Dispositif.RayonDioptre[4] = 0;
    Dispositif.EpaisseurDioptre[4] = -1;
    Dispositif.DiametreDioptre[4] = 0;
    Dispositif.IndiceRouge[5] = Dispositif.IndiceVert[5] = Dispositif.IndiceBleu[5] = 0;
    Dispositif.MatiereDioptre[5].clear();
    FicheGrilleMouseUp(130, 16 * 2 + 40);
    EXPECT_EQ(Dispositif.NombreDioptres, 4);
    EXPECT_EQ(Edition.LigneCourante, 2);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieEpaisseurDioptre);
    EXPECT_TRUE(Controles.Ligne.Visible);

    Edition.LigneCourante = 4;
    FicheGrilleMouseUp(300, 30);
    EXPECT_EQ(Dispositif.NombreDioptres, 3);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieLongueurOndeRouge);
    EXPECT_FALSE(Controles.Ligne.Visible);

    // A release below the last row selects the last row, not one past it.
    FicheGrilleMouseUp(60, 16 * 4 + 48);
    EXPECT_EQ(Edition.LigneCourante, 3);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieRayonDioptre);
}

// ---- Row commands --------------------------------------------------------------------------------------------------

TEST_F(SourisTableaux, CommandesDeLigne)
{
    Edition.TableEditee = TTableEditee::Dispositif;
    Dispositif.NombreDioptres = 5;
    LigneDispositif(5, 60, 20, 30, BK7);
    const double rayon4 = Dispositif.RayonDioptre[4];

    Edition.LigneCourante = 3;
    CouperLigneExecute();
    EXPECT_EQ(Dispositif.NombreDioptres, 4);
    EXPECT_EQ(Dispositif.RayonDioptre[3], rayon4);
    EXPECT_EQ(Dispositif.RayonDioptre[4], 60);
    EXPECT_TRUE(EstLigneDispositifVide(5));
    EXPECT_EQ(Edition.LigneCopiee[1], 80.0f);
    EXPECT_EQ(Edition.MatiereCopiee, "BK7");
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalCoupeLigneDispositif);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 3);
    EXPECT_TRUE(Edition.DocumentModifie);

    // The last row cut: the current row follows the table.
    Edition.LigneCourante = 4;
    CouperLigneExecute();
    EXPECT_EQ(Dispositif.NombreDioptres, 3);
    EXPECT_EQ(Edition.LigneCourante, 3);

    // The copied row comes back with its glass, inserted above row 1; the radius open there shows the row's new one.
    Edition.LigneCourante = 1;
    OuvreCellule(SaisieRayonDioptre);
    InsererLigneCopieeExecute();
    EXPECT_EQ(Dispositif.NombreDioptres, 4);
    EXPECT_EQ(Dispositif.RayonDioptre[1], 60);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieRayonDioptre);
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "60,00");
    EXPECT_EQ(Dispositif.MatiereDioptre[2], "BK7");
    EXPECT_EQ(Dispositif.RayonDioptre[2], 100);

    // Copy on the device, paste on the group: the group's own clipboard, empty, so nothing.
    CopierLigneExecute();
    EXPECT_EQ(Appels.Enregistrements.back().Code, CodeJournalCopieLigneDispositif);
    Edition.TableEditee = TTableEditee::Groupe;
    Groupe.NombreDioptresGroupe = 1;
    Groupe.RayonGroupe[1] = 300;
    const auto avant = Appels.Enregistrements.size();
    CollerLigneExecute();
    EXPECT_EQ(Groupe.RayonGroupe[1], 300);
    EXPECT_EQ(Appels.Enregistrements.size(), avant);

    // The only row cut: emptied, one row still.
    Edition.TableEditee = TTableEditee::Dispositif;
    Dispositif.NombreDioptres = 1;
    Edition.LigneCourante = 1;
    CouperLigneExecute();
    EXPECT_EQ(Dispositif.NombreDioptres, 1);
    EXPECT_TRUE(EstLigneDispositifVide(1));
}

TEST_F(SourisTableaux, UneTablePleineNeGranditPas)
{
    const struct
    {
        TTableEditee Table;
        int Avant;
        TCodeJournal Code;
    } cas[] = {{TTableEditee::Dispositif, NombreMaxDioptres - 1, CodeJournalInsereLigneDispositif},
               {TTableEditee::Groupe, NombreMaxDioptresGroupe - 1, CodeJournalInsereLigneGroupe}};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.Avant);
        Edition.TableEditee = c.Table;
        int& n = c.Table == TTableEditee::Groupe ? Groupe.NombreDioptresGroupe : Dispositif.NombreDioptres;
        n = c.Avant;
        Edition.LigneCourante = 2;
        Appels = TAppelsPorts{};
        InsererLigneExecute();
        EXPECT_EQ(n, c.Avant + 1);
        ASSERT_EQ(Appels.Enregistrements.size(), 1u);
        EXPECT_EQ(Appels.Enregistrements[0].Code, c.Code);
        EXPECT_TRUE(EstLigneVide(2));
        // Full: nothing changes, a beep, no record; the copied row does not overwrite the current one either.
        CopieLigne();
        const double rayon = c.Table == TTableEditee::Groupe ? Groupe.RayonGroupe[3] : Dispositif.RayonDioptre[3];
        Edition.LigneCourante = 3;
        InsererLigneExecute();
        InsererLigneCopieeExecute();
        EXPECT_EQ(n, c.Avant + 1);
        EXPECT_EQ(Appels.Bips, 2);
        EXPECT_EQ(Appels.Enregistrements.size(), 1u);
        EXPECT_EQ(c.Table == TTableEditee::Groupe ? Groupe.RayonGroupe[3] : Dispositif.RayonDioptre[3], rayon);
    }
}

TEST_F(SourisTableaux, CadreDeLaLigne)
{
    Controles.Ligne = {true, 1, 16 * 2 + 32, 762, 17};
    Edition.LigneCourante = 2;
    FicheGrilleMouseUp(30, 16 * 2 + 40);
    EXPECT_TRUE(EtatSaisie.CadreDioptre);
    EXPECT_EQ(CadreDioptreModele.Haut, 16 * 2 + 32 + 16);
    EXPECT_TRUE(CadreDioptreModele.CopierActif);
    EXPECT_FALSE(CadreDioptreModele.CollerActif);
    EXPECT_TRUE(CadreDioptreModele.InsererActif);
}

// ---- Mirror row and plate-glass row ------------------------------------------------------------------------------

TEST_F(SourisTableaux, LigneMiroir)
{
    ConstruitFormeValide(KlevtsovCassegrain);
    Groupe.NombreDioptresGroupe = 0;
    FicheLigneMiroirMouseDown(60, 5);
    EXPECT_EQ(Edition.LigneCourante, 2);
    EXPECT_EQ(Edition.TableEditee, TTableEditee::Groupe);
    EXPECT_TRUE(Controles.LigneMiroirActive.Visible);

    // Three lens rows, the third empty: the release on the active mirror row drops it.
    ConstruitFormeValide(KlevtsovCassegrain);
    Groupe.NombreDioptresGroupe = 3;
    FicheLigneMiroirActiveMouseUp(60, 5);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 2);
    EXPECT_EQ(Edition.LigneCourante, 2);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieRayonLigneMiroir);

    // The row button adds an empty lens row and opens its radius; at 13 rows it only beeps.
    Appels = TAppelsPorts{};
    FicheLigneMiroirActiveMouseUp(30, 5);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 3);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieRayonGroupe);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalInsereLigneGroupe);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 3);
    Groupe.NombreDioptresGroupe = NombreMaxDioptresGroupe;
    Groupe.RayonGroupe[NombreMaxDioptresGroupe] = 50;
    Appels = TAppelsPorts{};
    AjouteLigneGroupe();
    EXPECT_EQ(Groupe.NombreDioptresGroupe, NombreMaxDioptresGroupe);
    EXPECT_EQ(Appels.Bips, 1);
    EXPECT_TRUE(Appels.Enregistrements.empty());

    // The secondary's thickness steps down to nothing, then beeps.
    Instrument.EpaisseurSecondaire = 0.05;
    FicheLigneMiroirMouseDown(170, 12);
    EXPECT_EQ(Instrument.EpaisseurSecondaire, 0);
    FicheLigneMiroirMouseDown(170, 12);
    EXPECT_EQ(Appels.Bips, 2);
}

TEST_F(SourisTableaux, LigneDeLaLame)
{
    ConstruitFormeValide(Schmidt);
    // A press on the red arrows' column in the header beeps; its release opens the red list.
    FicheTableauSchmidtMouseDown(385, 20);
    EXPECT_EQ(Appels.Bips, 1);
    FicheTableauSchmidtMouseUp(385, 20);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieLongueurOndeRougeLame);

    Groupe.IndiceRougeGroupe[1] = 4.9995f;
    FicheTableauSchmidtMouseDown(385, 35);
    EXPECT_EQ(Groupe.IndiceRougeGroupe[1], 4.9995f);
    EXPECT_EQ(Appels.Bips, 2);
    FicheTableauSchmidtMouseDown(385, 44);
    EXPECT_EQ(Groupe.IndiceRougeGroupe[1], 4.9985f);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieIndiceRougeLame);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 1);

    // A glass chosen while the device's row 5 is current goes to the plate.
    Edition.TableEditee = TTableEditee::Dispositif;
    Edition.LigneCourante = 5;
    PortsCatalogue.Montre = [] {
        MatiereChoisie = {"F2", "1,61503", "1,62408", "1,63310"};
        MatiereSelectionnee = true;
    };
    FicheTableauSchmidtMouseUp(400, 40);
    PortsCatalogue = TPortsCatalogue{};
    EXPECT_EQ(Groupe.MatiereGroupe[1], "F2");
    EXPECT_EQ(Groupe.IndiceVertGroupe[1], 1.62408f);
    EXPECT_TRUE(Dispositif.MatiereDioptre[6].empty());
    EXPECT_EQ(Appels.Enregistrements.back().Code, CodeJournalVerreCatalogue);
    EXPECT_EQ(Appels.Enregistrements.back().Index, DecalageLigneGroupeVerre + 1);
    EXPECT_EQ(Edition.TableEditee, TTableEditee::Dispositif);
}

} // namespace
