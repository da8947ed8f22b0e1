// Validity checks of the instrument of each form and of the lens device.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "optics/Diffraction.h"
#include "optics/Initialisation.h"
#include "optics/Validite.h"
#include "support/Formes.h"

namespace {

using Modification = void (*)();

struct CasValidite
{
    const char* nom;
    TTypeInstrument forme;
    Modification modifie;
    bool valide;
};

void ExpectValidite(const CasValidite& c)
{
    SCOPED_TRACE(c.nom);
    ConstruitFormeValide(c.forme);
    ASSERT_TRUE(Validite.InstrumentValide) << "design of the form before the change";
    c.modifie();
    VerifieValidite();
    EXPECT_EQ(Validite.InstrumentValide, c.valide);
    std::string champ;
    EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
}

TEST(Validite, AucunTypeChoisi)
{
    ReinitialiseEtat();
    Validite.SecondaireDefini = true;
    Validite.InstrumentVierge = false;
    VerifieValidite();
    EXPECT_FALSE(Validite.InstrumentValide);
    EXPECT_FALSE(Validite.SecondaireDefini);
    EXPECT_TRUE(Validite.InstrumentVierge);
}

TEST(Validite, CasLimitesParForme)
{
    using T = TTypeInstrument;
    const CasValidite cas[] = {
        {"Newton D = 1", T::Newton, [] { Instrument.DiametreEntree = 1; }, false},
        {"Newton D juste au-dessus de 1", T::Newton,
         [] {
             Instrument.DiametreEntree = 1.0001;
             Instrument.FocalePrimaire = 2;
             Instrument.DiametreSecondaire = 0;
             Instrument.DistanceSecondaireFoyer = 0;
         },
         true},
        {"Newton F1 = D / 2 : aucun plan ne replie le faisceau", T::Newton, [] { Instrument.FocalePrimaire = 100; },
         false},
        {"Newton miroir plus court que son rayon", T::Newton, [] { Instrument.FocalePrimaire = 40; }, false},
        {"Newton F1 = 0,75 D", T::Newton, [] { Instrument.FocalePrimaire = 150; }, true},
        {"Cassegrain F = 1,1 F1", T::Cassegrain, [] { Instrument.FocaleResultante = 1100; }, false},
        {"Cassegrain F juste au-dessus de 1,1 F1", T::Cassegrain, [] { Instrument.FocaleResultante = 1100.001; }, true},
        {"Cassegrain dégagement non saisi", T::Cassegrain, [] { Instrument.DegagementFoyer = 1e20; }, false},
        {"Gregory dégagement non saisi", T::Gregory, [] { Instrument.DegagementFoyer = 1e20; }, false},
        {"Dall-Kirkham dégagement non saisi", T::DallKirkham, [] { Instrument.DegagementFoyer = 1e20; }, false},
        {"Ritchey-Chrétien dégagement non saisi", T::RitcheyChretien, [] { Instrument.DegagementFoyer = 1e20; }, false},
        {"Schmidt-Cassegrain dégagement non saisi", T::SchmidtCassegrain, [] { Instrument.DegagementFoyer = 1e20; },
         false},
        {"Houghton-Cassegrain dégagement non saisi", T::HoughtonCassegrain, [] { Instrument.DegagementFoyer = 1e20; },
         false},
        {"Ritchey-Chrétien b à calculer", T::RitcheyChretien, [] { Instrument.CoefficientDeformationPrimaire = 1e20; },
         false},
        {"Ritchey-Chrétien c à calculer", T::RitcheyChretien,
         [] { Instrument.CoefficientDeformationSecondaire = 1e20; }, false},
        {"Schmidt Dm = D", T::Schmidt, [] { Instrument.DiametreMiroir = 200; }, true},
        {"Schmidt D = Dm / 3", T::Schmidt, [] { Instrument.DiametreEntree = 100; }, false},
        {"Schmidt sans profil, sans verre ni épaisseur", T::Schmidt,
         [] {
             Instrument.ProfilLame = ProfilAucun;
             Instrument.EpaisseurLame = 0;
             Groupe.IndiceVertGroupe[1] = 0;
         },
         true},
        {"Schmidt-Newton sans plan, lame au foyer", T::SchmidtNewton,
         [] {
             Instrument.DiametreSecondaire = 0;
             Instrument.DistanceSecondaireFoyer = 0;
             Instrument.DistanceLameMiroir = 1000;
         },
         false},
        {"Schmidt-Newton sans plan, lame au-delà du foyer", T::SchmidtNewton,
         [] {
             Instrument.DiametreSecondaire = 0;
             Instrument.DistanceSecondaireFoyer = 0;
             Instrument.DistanceLameMiroir = 1000.5f;
         },
         true},
        {"Schmidt-Newton lame en deçà du plan", T::SchmidtNewton, [] { Instrument.DistanceLameMiroir = 875; }, false},
        {"Schmidt-Cassegrain lame de 0,01 mm", T::SchmidtCassegrain, [] { Instrument.EpaisseurLame = 0.01; }, false},
        {"Maksutov rayon avant nul", T::Maksutov, [] { Groupe.RayonGroupe[1] = 0; }, false},
        {"Maksutov rayon arrière de 1 mm", T::Maksutov, [] { Groupe.RayonGroupe[2] = -1; }, false},
        {"Maksutov-Cassegrain secondaire séparé", T::MaksutovCassegrain,
         [] {
             Instrument.SecondaireSurMenisque = false;
             Instrument.FocaleResultante = 3000;
             Instrument.DegagementFoyer = 150;
             Instrument.DistanceSecondaireFoyer = 200;
         },
         true},
        {"Maksutov-Cassegrain secondaire séparé, dégagement non saisi", T::MaksutovCassegrain,
         [] {
             Instrument.SecondaireSurMenisque = false;
             Instrument.FocaleResultante = 3000;
         },
         false},
        {"Lunette dont le dernier milieu est du verre", T::Lunette, [] { Groupe.IndiceVertGroupe[3] = 1.5f; }, false},
        {"Lunette dont la première surface est un diaphragme", T::Lunette,
         [] {
             Groupe.NombreDioptresGroupe = 4;
             for (int i = 4; i >= 2; --i)
             {
                 Groupe.RayonGroupe[i] = Groupe.RayonGroupe[i - 1];
                 Groupe.EpaisseurGroupe[i] = Groupe.EpaisseurGroupe[i - 1];
                 Groupe.DiametreGroupe[i] = Groupe.DiametreGroupe[i - 1];
                 Groupe.IndiceRougeGroupe[i] = Groupe.IndiceRougeGroupe[i - 1];
                 Groupe.IndiceVertGroupe[i] = Groupe.IndiceVertGroupe[i - 1];
                 Groupe.IndiceBleuGroupe[i] = Groupe.IndiceBleuGroupe[i - 1];
             }
             Groupe.RayonGroupe[1] = 1e30;
             Groupe.EpaisseurGroupe[1] = 20;
             Groupe.IndiceRougeGroupe[1] = Groupe.IndiceRougeGroupe[0];
             Groupe.IndiceVertGroupe[1] = Groupe.IndiceVertGroupe[0];
             Groupe.IndiceBleuGroupe[1] = Groupe.IndiceBleuGroupe[0];
         },
         true},
        {"Lurie-Houghton surface plus petite que D / 2", T::LurieHoughton, [] { Groupe.RayonGroupe[3] = -99; }, false},
        {"Lurie-Houghton diamètre sous 0,8 D", T::LurieHoughton, [] { Groupe.DiametreGroupe[2] = 159; }, false},
        {"Houghton-Cassegrain correcteur à moins de D du miroir", T::HoughtonCassegrain,
         [] { Groupe.EpaisseurGroupe[4] = 199; }, false},
    };
    for (const CasValidite& c : cas)
        ExpectValidite(c);
}

TEST(Validite, LunetteInvalideOublieSaFocale)
{
    ConstruitFormeValide(TTypeInstrument::Lunette);
    Instrument.FocalePrimaire = 950;
    Groupe.IndiceVertGroupe[3] = 1.5f;
    VerifieValidite();
    EXPECT_FALSE(Validite.InstrumentValide);
    EXPECT_EQ(Instrument.FocalePrimaire, 0);
}

TEST(Validite, SchmidtCassegrainInvalideAvecSecondairePerdSonCoefficientDeLame)
{
    const struct
    {
        const char* nom;
        float secondaire;
        double coefficient;
    } cas[] = {{"avec secondaire", 70, 0}, {"sans secondaire", 0, 0.785}};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.nom);
        ConstruitFormeValide(TTypeInstrument::SchmidtCassegrain);
        Instrument.DiametreSecondaire = c.secondaire;
        Instrument.DegagementFoyer = 1e20;
        VerifieValidite();
        EXPECT_FALSE(Validite.InstrumentValide);
        EXPECT_EQ(Validite.SansSecondaire, c.secondaire == 0);
        EXPECT_EQ(Instrument.CoefficientDeformationLame, c.coefficient);
    }
}

TEST(Validite, InstrumentViergeTantQueRienNEstSaisi)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    Instrument.DiametreEntree = 0;
    Instrument.FocalePrimaire = 0;
    Instrument.DiametreSecondaire = 0;
    Instrument.DistanceSecondaireFoyer = 0;
    VerifieValidite();
    EXPECT_TRUE(Validite.InstrumentVierge);
    Instrument.DistanceSecondaireFoyer = 150;
    VerifieValidite();
    EXPECT_FALSE(Validite.InstrumentVierge);
    EXPECT_FALSE(Validite.InstrumentValide);
}

TEST(Validite, CoteDeLameArrondieAuPairLePlusProche)
{
    const struct
    {
        double epaisseur;
        int cote;
    } cas[] = {{90, 100}, {90.4, 181}, {90.25, 180}, {90.75, 182}, {10, 100}};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.epaisseur);
        ConstruitFormeValide(TTypeInstrument::Schmidt);
        Instrument.EpaisseurLame = c.epaisseur;
        VerifieValidite();
        EXPECT_EQ(Instrument.CoteLame, c.cote);
    }
}

TEST(Validite, PlanDeNewtonMinimal)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    Instrument.DiametreSecondaire = 0;
    VerifieValidite();
    ASSERT_TRUE(Validite.InstrumentValide);
    // d D (1 / (2 F1 - 2 s + D) + 1 / (2 F1 - 2 s - D)) with s the primary's sag, 2.5016 mm.
    EXPECT_NEAR(Instrument.DiametreSecondaireMinimal, 30.3806, 1e-3);

    Instrument.DiametreEntree = 0.5;
    VerifieValidite();
    EXPECT_EQ(Instrument.DiametreSecondaireMinimal, 0);
}

// Rows of a device with valid surfaces, glass BK7 between them.
void DispositifDeTroisLignes(const double diametres[3], const double epaisseurs[3])
{
    Dispositif.NombreDioptres = 3;
    const double rayons[3] = {50, -50, 1e20};
    for (int i = 1; i <= 3; ++i)
    {
        Dispositif.RayonDioptre[i] = rayons[i - 1];
        Dispositif.DiametreDioptre[i] = diametres[i - 1];
        Dispositif.EpaisseurDioptre[i] = epaisseurs[i - 1];
        const bool verre = i != 2;
        Dispositif.IndiceRouge[i + 1] = verre ? 1.51432f : 1.000276f;
        Dispositif.IndiceVert[i + 1] = verre ? 1.51872f : 1.000278f;
        Dispositif.IndiceBleu[i + 1] = verre ? 1.52283f : 1.00028f;
    }
}

TEST(Validite, DispositifDeLaChambreDeSchmidtFaitObstruction)
{
    ConstruitFormeValide(TTypeInstrument::Schmidt);
    const double diametres[3] = {30, 40, 40};
    const double epaisseurs[3] = {5, 6, 7};
    DispositifDeTroisLignes(diametres, epaisseurs);
    VerifieValidite();
    ASSERT_TRUE(Validite.DispositifValide);
    EXPECT_FLOAT_EQ(Instrument.DiametreSecondaire, 40);
    EXPECT_DOUBLE_EQ(Instrument.DistanceSecondaireFoyer, 13);
}

TEST(Validite, EpaisseurInfinieSeulementSurLaDerniereLigne)
{
    const double diametres[3] = {30, 30, 30};
    struct
    {
        const char* nom;
        int ligne;
        bool valide, afocal;
    } cas[] = {{"ligne du milieu", 2, false, false}, {"dernière ligne", 3, true, true}};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.nom);
        ConstruitFormeValide(TTypeInstrument::Newton);
        const double epaisseurs[3] = {5, 6, 7};
        DispositifDeTroisLignes(diametres, epaisseurs);
        Dispositif.EpaisseurDioptre[c.ligne] = 1e20;
        VerifieValidite();
        EXPECT_EQ(Validite.DispositifValide, c.valide);
        EXPECT_EQ(Validite.SystemeAfocal, c.afocal);
        EXPECT_TRUE(Validite.DispositifPresent);
    }
}

TEST(Validite, TroisCouleursDemandentUneLigneRougeOuBleueEtDesIndicesComplets)
{
    const double diametres[3] = {30, 30, 30};
    const double epaisseurs[3] = {5, 6, 7};
    struct
    {
        const char* nom;
        TLongueurOnde rouge, bleue;
        float rougeLame;
        bool trois;
    } cas[] = {{"trois lignes", 8, 15, 1.51432f, true},
               {"ni rouge ni bleue", 0, 0, 1.51432f, false},
               {"bleue seule", 0, 15, 1.51432f, true},
               {"verre de lame sans indice rouge", 8, 15, 0.0f, false}};
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.nom);
        ConstruitFormeValide(TTypeInstrument::Schmidt);
        DispositifDeTroisLignes(diametres, epaisseurs);
        LongueursOnde.LongueurOndeRouge = c.rouge;
        LongueursOnde.LongueurOndeBleue = c.bleue;
        Groupe.IndiceRougeGroupe[1] = c.rougeLame;
        VerifieValidite();
        EXPECT_TRUE(Validite.DispositifValide);
        EXPECT_EQ(Validite.TroisCouleursPossibles, c.trois);
    }
}

// The instrument's conflict reads the device flags and the device's colours read the instrument's:
// one pass of the checks must leave both current, starting from the flags of a reset device.
TEST(Validite, DrapeauxCroisesCourantsApresUnSeulPassage)
{
    ConstruitFormeValide(TTypeInstrument::Schmidt);
    const double diametres[3] = {30, 40, 40};
    const double epaisseurs[3] = {5, 6, 7};
    DispositifDeTroisLignes(diametres, epaisseurs);
    Dispositif.SommetDioptre[1] = -20; // the device reaches past the plate
    Groupe.IndiceBleuGroupe[1] = 0;
    Validite.DispositifValide = false;
    Validite.TroisCouleursPossibles = true;
    VerifieValidite();
    EXPECT_TRUE(Validite.ConflitGeometrique);
    EXPECT_FALSE(Validite.TroisCouleursPossibles);
}

TEST(Validite, NombreDeLignesCorrompuRamene)
{
    ConstruitFormeValide(TTypeInstrument::Lunette);
    Groupe.NombreDioptresGroupe = 400;
    Dispositif.NombreDioptres = 1000;
    VerifieValidite();
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 13);
    EXPECT_EQ(Dispositif.NombreDioptres, 30);
    EXPECT_FALSE(Validite.InstrumentValide);

    Groupe.NombreDioptresGroupe = -5;
    Dispositif.NombreDioptres = -2;
    VerifieValidite();
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 0);
    EXPECT_EQ(Dispositif.NombreDioptres, 1);
}

// Every required value of each form, one at a time: the form's design is valid, and without that
// value it is not, with no NaN or infinity stored anywhere.
struct CasRequis
{
    TTypeInstrument forme;
    std::vector<std::pair<const char*, Modification>> requis;
};

void Diametre()
{
    Instrument.DiametreEntree = 0;
}
void Focale()
{
    Instrument.FocalePrimaire = 0;
}
void FocaleResultante()
{
    Instrument.FocaleResultante = 0;
}
void Degagement()
{
    Instrument.DegagementFoyer = 1e20;
}
void Secondaire()
{
    Instrument.DiametreSecondaire = 0;
}
void DistancePlan()
{
    Instrument.DistanceSecondaireFoyer = 0;
}
void Miroir()
{
    Instrument.DiametreMiroir = 0;
}
void RayonPrimaire()
{
    Instrument.RayonCourburePrimaire = 0;
}
void EpaisseurLame()
{
    Instrument.EpaisseurLame = 0;
}
void VerreLame()
{
    Groupe.IndiceVertGroupe[1] = 0;
}
void LigneVerte()
{
    LongueursOnde.LongueurOndeVerte = 0;
}
void DistanceLame()
{
    Instrument.DistanceLameMiroir = 0;
}
void DistanceDiaphragme()
{
    Instrument.DistanceDiaphragmeMiroir = 0;
}
void RayonAvant()
{
    Groupe.RayonGroupe[1] = 0;
}
void RayonArriere()
{
    Groupe.RayonGroupe[2] = 0;
}
void Trou()
{
    Instrument.DiametreTrouCentral = 0;
}
void RayonSecondaire()
{
    Instrument.RayonCourbureSecondaire = 0;
}
void UneSeuleLigne()
{
    Groupe.NombreDioptresGroupe = 1;
}
void AucuneLigne()
{
    Groupe.NombreDioptresGroupe = 0;
}
void DiametreLigne1()
{
    Groupe.DiametreGroupe[1] = 0;
}
void RayonLigne2()
{
    Groupe.RayonGroupe[2] = 0;
}
void EpaisseurLigne1()
{
    Groupe.EpaisseurGroupe[1] = -1;
}
void IndiceLigne2()
{
    Groupe.IndiceVertGroupe[2] = 0;
}
void ConiqueCalculee()
{
    Instrument.CoefficientDeformationSecondaire = 1e20;
}

class FormeValide : public ::testing::TestWithParam<CasRequis>
{};

TEST_P(FormeValide, ValideEtInvalideSansChaqueValeurRequise)
{
    const CasRequis& c = GetParam();
    ConstruitFormeValide(c.forme);
    EXPECT_TRUE(Validite.InstrumentValide);
    EXPECT_FALSE(Validite.InstrumentVierge);
    std::string champ;
    EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
    for (const auto& [nom, retire] : c.requis)
    {
        SCOPED_TRACE(nom);
        ConstruitFormeValide(c.forme);
        retire();
        AppliqueIndices();
        VerifieValidite();
        CalculeTacheDiffraction();
        EXPECT_FALSE(Validite.InstrumentValide);
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
    }
}

using T = TTypeInstrument;
const CasRequis FormesEtValeursRequises[] = {
    {T::Newton, {{"D", Diametre}, {"F1", Focale}}},
    {T::Cassegrain, {{"D", Diametre}, {"F1", Focale}, {"F", FocaleResultante}, {"B", Degagement}, {"DS", Secondaire}}},
    {T::RitcheyChretien,
     {{"D", Diametre},
      {"F1", Focale},
      {"F", FocaleResultante},
      {"B", Degagement},
      {"DS", Secondaire},
      {"c", ConiqueCalculee}}},
    {T::Gregory, {{"D", Diametre}, {"F1", Focale}, {"F", FocaleResultante}, {"B", Degagement}, {"DS", Secondaire}}},
    {T::DallKirkham, {{"D", Diametre}, {"F1", Focale}, {"F", FocaleResultante}, {"B", Degagement}, {"DS", Secondaire}}},
    {T::Schwarzschild, {{"D", Diametre}, {"F1", Focale}, {"F", FocaleResultante}, {"DS", Secondaire}}},
    {T::Schmidt,
     {{"D", Diametre},
      {"Dm", Miroir},
      {"F1", Focale},
      {"t", EpaisseurLame},
      {"verre", VerreLame},
      {"vert", LigneVerte}}},
    {T::SchmidtNewton,
     {{"D", Diametre},
      {"Dm", Miroir},
      {"F1", Focale},
      {"t", EpaisseurLame},
      {"verre", VerreLame},
      {"vert", LigneVerte},
      {"Lp", DistanceLame},
      {"DS", Secondaire}}},
    {T::SchmidtCassegrain,
     {{"D", Diametre},
      {"R", RayonPrimaire},
      {"F", FocaleResultante},
      {"B", Degagement},
      {"t", EpaisseurLame},
      {"verre", VerreLame},
      {"vert", LigneVerte}}},
    {T::Maksutov,
     {{"D", Diametre},
      {"Dm", Miroir},
      {"R", RayonPrimaire},
      {"t", EpaisseurLame},
      {"Lp", DistanceLame},
      {"r1", RayonAvant},
      {"r2", RayonArriere},
      {"verre", VerreLame},
      {"vert", LigneVerte}}},
    {T::MaksutovNewton,
     {{"D", Diametre},
      {"R", RayonPrimaire},
      {"t", EpaisseurLame},
      {"Ls", DistanceDiaphragme},
      {"Lp", DistanceLame},
      {"r1", RayonAvant},
      {"r2", RayonArriere},
      {"verre", VerreLame},
      {"vert", LigneVerte},
      {"DS", Secondaire},
      {"d", DistancePlan}}},
    {T::MaksutovCassegrain,
     {{"D", Diametre},
      {"R", RayonPrimaire},
      {"t", EpaisseurLame},
      {"Lp", DistanceLame},
      {"r1", RayonAvant},
      {"r2", RayonArriere},
      {"verre", VerreLame},
      {"vert", LigneVerte},
      {"DS", Secondaire}}},
    {T::Lunette,
     {{"r1", RayonAvant},
      {"diamètre 1", DiametreLigne1},
      {"aucune ligne", AucuneLigne},
      {"r2", RayonLigne2},
      {"épaisseur 1", EpaisseurLigne1},
      {"indice 2", IndiceLigne2},
      {"vert", LigneVerte}}},
    {T::KlevtsovCassegrain,
     {{"D", Diametre},
      {"R", RayonPrimaire},
      {"Ls", DistanceDiaphragme},
      {"DS", Secondaire},
      {"R2", RayonSecondaire},
      {"trou", Trou},
      {"r1", RayonAvant},
      {"verre", VerreLame}}},
    {T::LurieHoughton,
     {{"D", Diametre},
      {"Dm", Miroir},
      {"R", RayonPrimaire},
      {"d", DistancePlan},
      {"DS", Secondaire},
      {"une ligne", UneSeuleLigne},
      {"r2", RayonLigne2},
      {"verre", VerreLame}}},
    {T::HoughtonCassegrain,
     {{"D", Diametre},
      {"R", RayonPrimaire},
      {"F", FocaleResultante},
      {"trou", Trou},
      {"B", Degagement},
      {"DS", Secondaire},
      {"une ligne", UneSeuleLigne},
      {"r2", RayonLigne2},
      {"verre", VerreLame}}},
};

INSTANTIATE_TEST_SUITE_P(SeizeFormes, FormeValide, ::testing::ValuesIn(FormesEtValeursRequises),
                         [](const ::testing::TestParamInfo<CasRequis>& info) {
                             return "Type" + std::to_string(static_cast<int>(info.param.forme));
                         });

} // namespace
