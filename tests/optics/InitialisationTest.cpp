// Defaults of a new design, the working indices, the empty-row test and the sag of a sphere.
#include <gtest/gtest.h>

#include <cmath>

#include "optics/Initialisation.h"
#include "optics/Notifications.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "support/Formes.h"

namespace {

class Initialisation : public ::testing::Test
{
protected:
    // The resets' word to the window is tested on its own; the other tests install it doing nothing.
    void SetUp() override
    {
        ReinitialiseEtat();
        Notifications = NotificationsMuettes;
    }
};

TEST_F(Initialisation, NouveauDessinPorteLesValeursParDefaut)
{
    const TInstrument& I = Instrument;
    EXPECT_EQ(I.TypeInstrument, TTypeInstrument::Aucun);
    EXPECT_TRUE(Validite.InstrumentVierge);
    EXPECT_EQ(I.CoefficientDeformationPrimaire, 1e20);
    EXPECT_EQ(I.CoefficientDeformationSecondaire, 1e20);
    EXPECT_EQ(I.CoefficientDeformationPrimaire2, -1.0);
    EXPECT_EQ(I.CoefficientDeformationSecondaire2, -1.0);
    EXPECT_EQ(I.DegagementFoyer, 1e20);
    EXPECT_EQ(I.CoefficientDeformationLame, 1.0);
    EXPECT_EQ(I.CoefficientK, 1.5);
    EXPECT_EQ(I.CoefficientLameRelatif, 1.0);
    EXPECT_EQ(I.CoefficientLameOptimal, 1.0);
    EXPECT_EQ(I.CoteLame, 100);
    EXPECT_EQ(I.ProfilLame, ProfilAvant);
    EXPECT_FALSE(I.ChampCourbe);
    EXPECT_TRUE(I.SecondaireSurMenisque);
    EXPECT_EQ(I.TeinteMiroirs, 0xD6D618u);
    EXPECT_EQ(I.TeinteLentilles, 0xB7F5DEu);
    EXPECT_NEAR(Systeme.DistanceAxeRayonFoyer, 0.4330127, 1e-7);

    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 8);
    EXPECT_EQ(LongueursOnde.LongueurOndeVerte, 13);
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 15);
    EXPECT_STREQ(NomsLongueursOnde[13], "ne");
    EXPECT_FLOAT_EQ(TableLongueursOnde[13], 546.1f);
    EXPECT_FLOAT_EQ(TableLongueursOnde[8], 656.3f);
    EXPECT_FLOAT_EQ(TableLongueursOnde[15], 480.0f);

    EXPECT_EQ(Groupe.NombreDioptresGroupe, 0);
    for (int i = 0; i <= NombreMaxDioptresGroupe; ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_EQ(Groupe.EpaisseurGroupe[i], -1.0);
        EXPECT_EQ(Groupe.RayonGroupe[i], 0.0);
    }
    EXPECT_EQ(Dispositif.NombreDioptres, 1);
    EXPECT_EQ(Dispositif.EpaisseurDioptre[1], -1.0);
    EXPECT_EQ(Rayon.DioptreArret, 31);

    // Settings of the views: the device reset comes after the instrument's, so its star step wins.
    const TReglages& R = Reglages;
    EXPECT_FLOAT_EQ(R.IndiceLimite, 1.1f);
    EXPECT_EQ(R.PasEtoileUnique, 10);
    EXPECT_EQ(R.PasEtoileUniqueAfocal, 5);
    EXPECT_EQ(R.PasEtoileMultiple, 5);
    EXPECT_EQ(R.PasEtoileMultipleAfocal, 5);
    EXPECT_EQ(R.ZoomEtoileUnique, 32);
    EXPECT_EQ(R.DensiteEtoileUnique, 15);
    EXPECT_EQ(R.ZoomEtoileMultiple, 64);
    EXPECT_EQ(R.DensiteEtoileMultiple, 10);
    EXPECT_TRUE(R.AnalyseChromatique);
    EXPECT_EQ(R.AmplitudeChamp, 12);
    EXPECT_EQ(R.AmplitudeChampAfocal, 24);
    EXPECT_TRUE(R.ChampLineaire);
    EXPECT_EQ(R.RayonChampLineaire, 25);
    EXPECT_EQ(R.RayonChampAngulaire, 90);
    EXPECT_EQ(R.RayonChampAfocal, 20);
    EXPECT_EQ(R.AmplitudeRepere, 30);
    EXPECT_EQ(R.PasRayon, 1.0);
    EXPECT_EQ(R.PasEpaisseur, 0.1f);
    EXPECT_EQ(R.PasIndice, 0.001f);
    EXPECT_EQ(R.TeinteVerre[0], 0xD4FFF0u);
    EXPECT_EQ(R.TeinteVerre[9], 0xFBC4C4u);
}

TEST_F(Initialisation, DispositifRemisAZeroEstVideEtAbsent)
{
    Edition.TableEditee = TTableEditee::Dispositif;
    EXPECT_TRUE(EstLigneVide(1));
    VerifieValidite();
    EXPECT_FALSE(Validite.DispositifPresent);
    EXPECT_FALSE(Validite.DispositifValide);
}

TEST_F(Initialisation, RejeuGardeLeTypeEtNouveauDessinLeRemetAZero)
{
    ConstruitFormeValide(TTypeInstrument::Cassegrain);
    Edition.PositionJournal = 4;
    InitialiseInstrument();
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Cassegrain);

    Edition.PositionJournal = 0;
    InitialiseInstrument();
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Aucun);
}

// A focus, a magnification or a validity flag from the previous design must not survive the reset.
TEST_F(Initialisation, RemiseAZeroOublieLesValeursDeriveesDuDessinPrecedent)
{
    ConstruitFormeValide(TTypeInstrument::MaksutovCassegrain);
    Instrument.Grandissement = 3;
    Instrument.FocaleEffective = 3000;
    Systeme.PositionFoyer = 250;
    Systeme.GrossissementAfocal = 40;
    Systeme.DecalageFoyerPrecedent = 1.5;
    Instrument.DiametreSecondaireMinimal = 44;
    Dispositif.NombreDioptres = 2;
    Dispositif.RayonDioptre[1] = 50;
    Systeme.DistanceFoyerDioptre = 12;
    ASSERT_TRUE(Validite.InstrumentValide);

    InitialiseInstrument();
    EXPECT_EQ(Instrument.Grandissement, 0);
    EXPECT_EQ(Instrument.FocaleEffective, 0);
    EXPECT_EQ(Systeme.PositionFoyer, 0);
    EXPECT_EQ(Systeme.GrossissementAfocal, 0);
    EXPECT_EQ(Systeme.DecalageFoyerPrecedent, 0);
    EXPECT_EQ(Instrument.DiametreSecondaireMinimal, 0);
    EXPECT_FALSE(Validite.InstrumentValide);
    // The lens device and the start of its afocal search are the device reset's business.
    EXPECT_EQ(Dispositif.NombreDioptres, 2);
    EXPECT_EQ(Dispositif.RayonDioptre[1], 50);
    EXPECT_EQ(Systeme.DistanceFoyerDioptre, 12);
    InitialiseDispositif();
    EXPECT_EQ(Systeme.DistanceFoyerDioptre, 0);
}

namespace notes {
int instrument = 0;
int dispositif = 0;
bool valideVu = false;
} // namespace notes

TEST_F(Initialisation, RemisesAZeroPassentParLesNotifications)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    notes::instrument = 0;
    notes::dispositif = 0;
    Notifications.InstrumentReinitialise = [] { ++notes::instrument; };
    Notifications.DispositifReinitialise = [](bool valide) {
        ++notes::dispositif;
        notes::valideVu = valide;
    };
    InitialiseDispositif();
    EXPECT_EQ(notes::dispositif, 1);
    EXPECT_TRUE(notes::valideVu); // "replace the device" stays available for a valid instrument
    InitialiseInstrument();
    EXPECT_EQ(notes::instrument, 1);
}

TEST_F(Initialisation, VerreDeLameBK7AuxTroisLignesChoisies)
{
    InitialiseVerreLame();
    EXPECT_EQ(Groupe.MatiereGroupe[1], "BK7");
    EXPECT_FLOAT_EQ(Groupe.IndiceRougeGroupe[1], 1.51432f);
    EXPECT_FLOAT_EQ(Groupe.IndiceVertGroupe[1], 1.51872f);
    EXPECT_FLOAT_EQ(Groupe.IndiceBleuGroupe[1], 1.52283f);

    LongueursOnde = {1, 18, 19}; // 19 has no value for BK7
    InitialiseVerreLame();
    EXPECT_FLOAT_EQ(Groupe.IndiceRougeGroupe[1], 1.48929f);
    EXPECT_FLOAT_EQ(Groupe.IndiceVertGroupe[1], 1.53626f);
    EXPECT_EQ(Groupe.IndiceBleuGroupe[1], 0.0f);
}

TEST_F(Initialisation, AppliqueIndicesMetLAirDerriereLaLameSaufPourLesGroupesDeDeuxVerres)
{
    struct Cas
    {
        TTypeInstrument forme;
        bool airDerriere;
    };
    const Cas cas[] = {{TTypeInstrument::Lunette, false},
                       {TTypeInstrument::LurieHoughton, false},
                       {TTypeInstrument::HoughtonCassegrain, false},
                       {TTypeInstrument::Schmidt, true},
                       {TTypeInstrument::Maksutov, true},
                       {TTypeInstrument::KlevtsovCassegrain, true}};
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.forme));
        ReinitialiseEtat();
        Instrument.TypeInstrument = c.forme;
        Groupe.IndiceVertGroupe[2] = 1.62408f;
        AppliqueIndices();
        EXPECT_FLOAT_EQ(Groupe.IndiceVertGroupe[2], c.airDerriere ? 1.000278f : 1.62408f);
        EXPECT_FLOAT_EQ(Groupe.IndiceVertGroupe[0], 1.000278f);
        EXPECT_FLOAT_EQ(Groupe.IndiceRougeGroupe[0], 1.000276f);
        EXPECT_FLOAT_EQ(Groupe.IndiceBleuGroupe[0], 1.00028f);
    }
}

TEST_F(Initialisation, AppliqueIndicesCopieLeMilieuDerriereLaDerniereSurface)
{
    Dispositif.NombreDioptres = 3;
    for (int k = 2; k <= 5; ++k)
        Dispositif.IndiceVert[k] = 1.5f + 0.01f * k;
    AppliqueIndices();
    EXPECT_FLOAT_EQ(Dispositif.IndiceTrace[1], 1.000278f); // object space
    EXPECT_FLOAT_EQ(Dispositif.IndiceTrace[4], 1.54f); // behind surface 3
    EXPECT_EQ(Dispositif.IndiceTrace[5], 0.0f); // beyond the device, not copied
}

TEST_F(Initialisation, AppliqueIndicesSupporteUnNombreDeLignesCorrompu)
{
    Dispositif.NombreDioptres = 500;
    AppliqueIndices();
    Dispositif.NombreDioptres = -3;
    AppliqueIndices();
    LongueursOnde.LongueurOndeVerte = 99;
    AppliqueIndices();
    EXPECT_EQ(Dispositif.IndiceVert[1], 0.0f);
}

TEST_F(Initialisation, LigneVideSelonLaTableEditee)
{
    struct Cas
    {
        const char* nom;
        TTableEditee table;
        void (*prepare)();
        bool vide;
    };
    const Cas cas[] = {
        {"dispositif neuf", TTableEditee::Dispositif, [] {}, true},
        {"diamètre seul", TTableEditee::Dispositif, [] { Dispositif.DiametreDioptre[1] = 40; }, true},
        {"rayon", TTableEditee::Dispositif, [] { Dispositif.RayonDioptre[1] = 50; }, false},
        {"épaisseur nulle", TTableEditee::Dispositif, [] { Dispositif.EpaisseurDioptre[1] = 0; }, false},
        {"indice vert du milieu suivant", TTableEditee::Dispositif, [] { Dispositif.IndiceVert[2] = 1.5f; }, false},
        {"verre du milieu suivant", TTableEditee::Dispositif, [] { Dispositif.MatiereDioptre[2] = "BK7"; }, false},
        {"milieu devant la surface", TTableEditee::Dispositif, [] { Dispositif.IndiceVert[1] = 1.5f; }, true},
        {"groupe neuf", TTableEditee::Groupe, [] {}, true},
        {"groupe avec verre", TTableEditee::Groupe, [] { Groupe.MatiereGroupe[1] = "F2"; }, false},
        {"groupe avec indice bleu", TTableEditee::Groupe, [] { Groupe.IndiceBleuGroupe[1] = 1.6f; }, false},
        {"aucune table", TTableEditee::Aucune, [] {}, false},
        {"table des verres de lame", TTableEditee::Lame, [] {}, false},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        ReinitialiseEtat();
        Edition.TableEditee = c.table;
        c.prepare();
        EXPECT_EQ(EstLigneVide(1), c.vide);
    }
    Edition.TableEditee = TTableEditee::Dispositif;
    EXPECT_FALSE(EstLigneVide(0));
    EXPECT_FALSE(EstLigneVide(31));
    Edition.TableEditee = TTableEditee::Groupe;
    EXPECT_FALSE(EstLigneVide(14));
}

TEST(FlecheSphere, RayonPuisDiametre)
{
    struct Cas
    {
        double rayon, diametre, fleche;
    };
    const Cas cas[] = {
        {100, 120, 20}, // 100 - sqrt(100^2 - 60^2)
        {-100, 120, -20}, // signed like the radius
        {0, 120, 0}, // empty surface
        {2000, 200, 2000 - std::sqrt(2000.0 * 2000 - 100 * 100)},
        {50, 100, 50}, // hemisphere
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.rayon);
        EXPECT_NEAR(FlecheSphere(c.rayon, c.diametre), c.fleche, 1e-9);
    }
    // Arguments the wrong way round would take the square root of a negative number.
    EXPECT_NE(FlecheSphere(120, 100), FlecheSphere(100, 120));
}

TEST(CalculeEpaisseurMinimale, TableDeCas)
{
    struct Cas
    {
        const char* nom;
        bool air;
        double R1, R2, D1, D2;
        double minimum;
    };
    const double sag25 = 100 - std::sqrt(100.0 * 100 - 25 * 25); // R 100 over D 50
    const Cas cas[] = {
        {"bords plus ecartes que les sommets", true, -100, 100, 40, 40, 0},
        {"rayons et diametres egaux", false, 80, 80, 40, 40, 0},
        {"biconvexe en verre", false, 100, -100, 50, 50, 2 * sag25},
        {"hemisphere accepte", false, 25, -1e20, 50, 50, 25},
        {"rayon trop petit devant", false, 24.99, 1e20, 50, 50, 1e20},
        {"rayon trop petit derriere", false, 1e20, -24.99, 50, 50, 1e20},
        {"diametre arriere vide prend l'avant", false, 100, -100, 50, 0.05, 2 * sag25},
        // In glass each face keeps its own diameter; in air the larger one is brought down.
        {"verre diametres differents", false, 100, -100, 50, 80, sag25 + 100 - std::sqrt(100.0 * 100 - 40 * 40)},
        {"air diametres differents", true, 100, -100, 50, 80, 2 * sag25},
        {"rayon nul plat", false, 0, -100, 50, 50, sag25},
        {"plan plat", false, 1e20, -100, 50, 50, sag25},
        {"diaphragme plat", false, 1e30, -100, 50, 50, sag25},
        {"plan negatif plat", false, -1e20, 100, 50, 50, 0},
        // A front face of R 100 over D 120 sags 20; taken as (diameter, radius) it would sag 10.9.
        {"dissymetrique", false, 100, 1e20, 120, 60, 20},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.nom);
        EXPECT_NEAR(CalculeEpaisseurMinimale(c.air, c.R1, c.R2, c.D1, c.D2), c.minimum, 1e-9);
    }
    EXPECT_NEAR(CalculeEpaisseurMinimale(false, 100, -100, 50, 50), 6.3508, 1e-4);
}

TEST(FlecheSphere, SphereTropPetitePourLeDiametreResteFinie)
{
    EXPECT_TRUE(std::isfinite(FlecheSphere(40, 100)));
    EXPECT_EQ(FlecheSphere(-40, 100), -40);
}

} // namespace
