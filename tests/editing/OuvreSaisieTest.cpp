// The openers: the field code of every sheet value by form (a form without the value opens nothing), the texts and
// saved values of the special and rounded values, the hints and the placement of the box over its value or cell.
#include "editing/OuvreCellules.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// A sheet value's opening as a routine, for the tables of openers.
template <TValeurFiche Valeur>
void Ouvre()
{
    OuvreValeurFiche(Valeur);
}

class Ouvreurs : public ::testing::Test
{
protected:
    void SetUp() override { SeparateurDecimal = '.'; }

    static void Forme(TTypeInstrument forme) { Instrument.TypeInstrument = forme; }
};

using T = TTypeInstrument;
constexpr std::array<T, 16> Formes = {T::Newton,
                                      T::Cassegrain,
                                      T::RitcheyChretien,
                                      T::Gregory,
                                      T::Schmidt,
                                      T::SchmidtCassegrain,
                                      T::Maksutov,
                                      T::MaksutovCassegrain,
                                      T::Lunette,
                                      T::Schwarzschild,
                                      T::MaksutovNewton,
                                      T::DallKirkham,
                                      T::KlevtsovCassegrain,
                                      T::LurieHoughton,
                                      T::HoughtonCassegrain,
                                      T::SchmidtNewton};

struct TCasCodes
{
    const char* Nom;
    void (*Ouvreur)();
    // In the order of Formes; 0: the form has no such value.
    std::array<TCodeSaisie, 16> Codes;
};

TEST_F(Ouvreurs, ChaqueValeurDeLaFichePrendLeCodeDeSaForme)
{
    const std::vector<TCasCodes> cas = {
        // 1  2   3   4   5   6   7   8  9  10  76 110  120  130  140  150
        {"DiametreEntree",
         OuvreSaisieDiametreEntree,
         {SaisieDiametreEntreeNewton, SaisieDiametreEntreeCassegrain, SaisieDiametreEntreeRitchey,
          SaisieDiametreEntreeGregory, SaisieDiametreEntreeSchmidt, SaisieDiametreEntreeSchmidtCassegrain,
          SaisieDiametreEntreeSchmidt, SaisieDiametreEntreeSchmidtCassegrain, AucuneSaisie,
          SaisieDiametreEntreeSchwarzschild, SaisieDiametreEntreeSchmidt, SaisieDiametreEntreeDallKirkham,
          SaisieDiametreEntreeKlevtsov, SaisieDiametreEntreeHoughton, SaisieDiametreEntreeHoughton,
          SaisieDiametreEntreeSchmidt}},
        {"FocalePrimaire",
         Ouvre<TValeurFiche::FocalePrimaire>,
         {SaisieFocalePrimaireNewton, SaisieFocalePrimaireCassegrain, SaisieFocalePrimaireRitchey,
          SaisieFocalePrimaireGregory, SaisieFocaleSchmidt, SaisieFocalePrimaireSchmidtCassegrain,
          SaisieFocalePrimaireNewton, AucuneSaisie, AucuneSaisie, SaisieFocalePrimaireSchwarzschild,
          SaisieFocalePrimaireNewton, SaisieFocalePrimaireDallKirkham, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          SaisieFocaleSchmidt}},
        {"FocaleResultante",
         OuvreSaisieFocaleResultante,
         {AucuneSaisie, SaisieFocaleResultanteCassegrain, SaisieFocaleResultanteRitchey, SaisieFocaleResultanteGregory,
          SaisieFocaleSchmidt, SaisieFocaleResultanteSchmidtCassegrain, AucuneSaisie,
          SaisieFocaleResultanteMaksutovCassegrain, AucuneSaisie, SaisieFocaleResultanteSchwarzschild, AucuneSaisie,
          SaisieFocaleResultanteDallKirkham, AucuneSaisie, AucuneSaisie, SaisieFocaleResultanteHoughtonCassegrain,
          SaisieFocaleResultanteSchmidtNewton}},
        {"RayonCourburePrimaire",
         Ouvre<TValeurFiche::RayonCourburePrimaire>,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieRayonCourburePrimaireSchmidt,
          SaisieRayonCourburePrimaireSchmidt, SaisieRayonCourburePrimaireMaksutov, SaisieRayonCourburePrimaireMaksutov,
          AucuneSaisie, AucuneSaisie, SaisieRayonCourburePrimaireMaksutov, AucuneSaisie,
          SaisieRayonCourburePrimaireKlevtsov, SaisieRayonCourburePrimaireHoughton, SaisieRayonCourburePrimaireHoughton,
          AucuneSaisie}},
        {"DegagementFoyer",
         Ouvre<TValeurFiche::DegagementFoyer>,
         {AucuneSaisie, SaisieDegagementFoyerCassegrain, SaisieDegagementFoyerRitchey, SaisieDegagementFoyerGregory,
          AucuneSaisie, SaisieDegagementFoyerSchmidtCassegrain, AucuneSaisie, SaisieDegagementFoyerCassegrain,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieDegagementFoyerDallKirkham, AucuneSaisie, AucuneSaisie,
          SaisieDegagementFoyerHoughtonCassegrain, AucuneSaisie}},
        {"CoefficientDeformationPrimaire",
         Ouvre<TValeurFiche::CoefficientDeformationPrimaire>,
         {SaisieDeformationPrimaireNewton, AucuneSaisie, SaisieDeformationPrimaireRitchey, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, SaisieDeformationPrimaireMaksutovCassegrain, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie}},
        {"DiametreSecondaire",
         OuvreSaisieDiametreSecondaire,
         {SaisieDiametreSecondaireNewton, SaisieDiametreSecondaireCassegrain, SaisieDiametreSecondaireRitchey,
          SaisieDiametreSecondaireGregory, AucuneSaisie, SaisieDiametreSecondaireSchmidtCassegrain, AucuneSaisie,
          SaisieDiametreSecondaireSchmidtCassegrain, AucuneSaisie, SaisieDiametreSecondaireSchwarzschild,
          SaisieDiametreSecondaireNewton, SaisieDiametreSecondaireDallKirkham, SaisieDiametreLigneMiroir,
          SaisieDiametreSecondaireHoughton, SaisieDiametreSecondaireHoughtonCassegrain,
          SaisieDiametreSecondaireSchmidtNewton}},
        {"DistanceSecondaireFoyer",
         Ouvre<TValeurFiche::DistanceSecondaireFoyer>,
         {SaisieDistanceSecondaireFoyerNewton, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieDistanceSecondaireFoyerNewton, AucuneSaisie,
          AucuneSaisie, SaisieDistanceSecondaireFoyerHoughton, AucuneSaisie,
          SaisieDistanceSecondaireFoyerSchmidtNewton}},
        {"DiametreTrouCentral",
         Ouvre<TValeurFiche::DiametreTrouCentral>,
         {AucuneSaisie, SaisieDiametreTrouCentralCassegrain, SaisieDiametreTrouCentralRitchey,
          SaisieDiametreTrouCentralGregory, AucuneSaisie, SaisieDiametreTrouCentralSchmidtCassegrain, AucuneSaisie,
          SaisieDiametreTrouCentralSchmidtCassegrain, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          SaisieDiametreTrouCentralDallKirkham, SaisieDiametreTrouCentralKlevtsov, AucuneSaisie,
          SaisieDiametreTrouCentralHoughtonCassegrain, AucuneSaisie}},
        {"CoefficientDeformationSecondaire",
         Ouvre<TValeurFiche::CoefficientDeformationSecondaire>,
         {AucuneSaisie, AucuneSaisie, SaisieDeformationSecondaireRitchey, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, SaisieDeformationSecondaireMaksutovCassegrain, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie}},
        {"EpaisseurPrimaire",
         OuvreSaisieEpaisseurPrimaire,
         {SaisieEpaisseurPrimaireNewton, SaisieEpaisseurPrimaireCassegrain, SaisieEpaisseurPrimaireRitchey,
          SaisieEpaisseurPrimaireGregory, SaisieEpaisseurPrimaireSchmidt, SaisieEpaisseurPrimaireSchmidtCassegrain,
          SaisieEpaisseurPrimaireSchmidt, SaisieEpaisseurPrimaireSchmidtCassegrain, AucuneSaisie,
          SaisieEpaisseurPrimaireSchwarzschild, SaisieEpaisseurPrimaireSchmidt, SaisieEpaisseurPrimaireDallKirkham,
          SaisieEpaisseurPrimaireKlevtsov, SaisieEpaisseurPrimaireHoughton, SaisieEpaisseurPrimaireHoughton,
          SaisieEpaisseurPrimaireSchmidtNewton}},
        {"EpaisseurSecondaire",
         OuvreSaisieEpaisseurSecondaire,
         {SaisieEpaisseurSecondaireNewton, SaisieEpaisseurSecondaireCassegrain, SaisieEpaisseurSecondaireRitchey,
          SaisieEpaisseurSecondaireGregory, AucuneSaisie, SaisieEpaisseurSecondaireSchmidtCassegrain, AucuneSaisie,
          SaisieEpaisseurSecondaireSchmidtCassegrain, AucuneSaisie, SaisieEpaisseurSecondaireSchwarzschild,
          SaisieEpaisseurSecondaireNewton, SaisieEpaisseurSecondaireDallKirkham, AucuneSaisie,
          SaisieEpaisseurSecondaireHoughton, SaisieEpaisseurSecondaireHoughtonCassegrain,
          SaisieEpaisseurSecondaireSchmidtNewton}},
        {"DistanceDiaphragmeMiroir",
         Ouvre<TValeurFiche::DistanceDiaphragmeMiroir>,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          SaisieDistanceDiaphragmeMiroirMaksutov, SaisieDistanceDiaphragmeMiroirMaksutov, AucuneSaisie, AucuneSaisie,
          SaisieDistanceDiaphragmeMiroirMaksutov, AucuneSaisie, SaisieDistanceDiaphragmeMiroirKlevtsov, AucuneSaisie,
          AucuneSaisie, AucuneSaisie}},
        {"DiametreMiroir",
         Ouvre<TValeurFiche::DiametreMiroir>,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieDiametreMiroir, AucuneSaisie,
          SaisieDiametreMiroir, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieDiametreMiroir, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieDiametreMiroir}},
        {"DiametreMiroirHoughton",
         Ouvre<TValeurFiche::DiametreMiroirHoughton>,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          SaisieDiametreMiroirHoughton, AucuneSaisie, AucuneSaisie}},
        {"CoefficientDeformationSecondaire2",
         Ouvre<TValeurFiche::CoefficientDeformationSecondaire2>,
         {AucuneSaisie, AucuneSaisie, SaisieDeformationSecondaire2, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie}},
        {"EpaisseurLame",
         Ouvre<TValeurFiche::EpaisseurLame>,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieEpaisseurLame, SaisieEpaisseurLame,
          SaisieEpaisseurLame, SaisieEpaisseurLame, AucuneSaisie, AucuneSaisie, SaisieEpaisseurLame, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieEpaisseurLame}},
        {"DistanceLameMiroir",
         Ouvre<TValeurFiche::DistanceLameMiroir>,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieDistanceLameMiroir, SaisieDistanceLameMiroir,
          SaisieDistanceLameMiroir, SaisieDistanceLameMiroir, AucuneSaisie, AucuneSaisie, SaisieDistanceLameMiroir,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieDistanceLameMiroir}},
        {"CoefficientK",
         Ouvre<TValeurFiche::CoefficientK>,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieCoefficientK, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie}},
        {"CoefficientDeformationLame",
         OuvreSaisieCoefficientDeformationLame,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieDeformationLame, SaisieDeformationLame,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, SaisieDeformationLame}},
        {"DiametreMenisque",
         Ouvre<TValeurFiche::DiametreMenisque>,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieDiametreMenisque,
          AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieDiametreMenisque, AucuneSaisie, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie}},
        {"RayonMenisque1",
         Ouvre<TValeurFiche::RayonMenisque1>,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieRayonMenisque1,
          SaisieRayonMenisque1, AucuneSaisie, AucuneSaisie, SaisieRayonMenisque1, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie}},
        {"RayonMenisque2",
         Ouvre<TValeurFiche::RayonMenisque2>,
         {AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, AucuneSaisie, SaisieRayonMenisque2,
          SaisieRayonMenisque2, AucuneSaisie, AucuneSaisie, SaisieRayonMenisque2, AucuneSaisie, AucuneSaisie,
          AucuneSaisie, AucuneSaisie, AucuneSaisie}},
    };
    constexpr TCodeSaisie ChampOuvert = 777;
    for (const TCasCodes& c : cas)
    {
        for (std::size_t k = 0; k < Formes.size(); ++k)
        {
            SCOPED_TRACE(std::string(c.Nom) + " forme " + std::to_string(static_cast<int>(Formes[k])));
            ReinitialiseProgramme();
            SetUp();
            Forme(Formes[k]);
            EtatSaisie.CodeSaisie = ChampOuvert;
            c.Ouvreur();
            if (c.Codes[k] == 0)
            {
                // Nothing at all: the field left open keeps its own code and the box stays as it was.
                EXPECT_EQ(EtatSaisie.CodeSaisie, ChampOuvert);
                EXPECT_FALSE(EtatSaisie.Saisie.Visible);
            }
            else
            {
                EXPECT_EQ(EtatSaisie.CodeSaisie, c.Codes[k]);
                EXPECT_TRUE(EtatSaisie.Saisie.Visible);
            }
        }
    }
}

struct TCasTexte
{
    const char* Nom;
    T Forme;
    void (*Prepare)();
    void (*Ouvreur)();
    std::string Texte;
    double ValeurAvant;
};

TEST_F(Ouvreurs, LesValeursDeLaFicheSontMontreesEtGardeesCommeAffichees)
{
    const std::vector<TCasTexte> cas = {
        {"diametre nul", T::Newton, [] { Instrument.DiametreEntree = 0; }, OuvreSaisieDiametreEntree, "", 0},
        {"diametre arrondi au dixieme", T::Newton, [] { Instrument.DiametreEntree = 123.45; },
         OuvreSaisieDiametreEntree, "123.5", 123.5},
        {"focale gardee telle quelle", T::Newton, [] { Instrument.FocalePrimaire = 123.45; },
         Ouvre<TValeurFiche::FocalePrimaire>, "123.5", 123.45},
        {"degagement non saisi", T::Cassegrain, [] { Instrument.DegagementFoyer = DegagementNonSaisi; },
         Ouvre<TValeurFiche::DegagementFoyer>, "", DegagementNonSaisi},
        {"coefficient a calculer", T::Newton, [] { Instrument.CoefficientDeformationPrimaire = CoefficientACalculer; },
         Ouvre<TValeurFiche::CoefficientDeformationPrimaire>, "", CoefficientACalculer},
        {"coefficient nul", T::Newton, [] { Instrument.CoefficientDeformationPrimaire = 0; },
         Ouvre<TValeurFiche::CoefficientDeformationPrimaire>, "0", 0},
        {"coefficient de la lame k nul", T::Schmidt, [] { Instrument.CoefficientK = 0; },
         Ouvre<TValeurFiche::CoefficientK>, "0", 0},
        {"second coefficient du secondaire", T::RitcheyChretien,
         [] { Instrument.CoefficientDeformationSecondaire2 = -0.12345; },
         Ouvre<TValeurFiche::CoefficientDeformationSecondaire2>, "-0.1235", -0.12345},
    };
    for (const TCasTexte& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        Forme(c.Forme);
        c.Prepare();
        c.Ouvreur();
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Texte);
        EXPECT_DOUBLE_EQ(EtatSaisie.ValeurAvantSaisie, c.ValeurAvant);
        EXPECT_TRUE(EtatSaisie.Saisie.ToutSelectionne);
    }
}

TEST_F(Ouvreurs, LeDiametreSePlaceSurSaCaseAvecSonConseil)
{
    Forme(T::Newton);
    MiseEnPage.CaseValeur[CaseDiametreEntree] = {120, 40, 170, 58};
    std::string statut;
    static std::string* vu = nullptr;
    vu = &statut;
    PortsEdition.AfficheStatut = [](const std::string& texte) { *vu = texte; };
    EtatSaisie.Saisie.Couleur = 0xFFFFC0;
    OuvreSaisieDiametreEntree();
    const TBoiteSaisie& b = EtatSaisie.Saisie;
    EXPECT_EQ(b.Image, TImageSaisie::Fenetre);
    EXPECT_EQ(b.Gauche, 120);
    EXPECT_EQ(b.Haut, 40);
    EXPECT_EQ(b.Largeur, 50);
    EXPECT_EQ(b.Hauteur, 18);
    EXPECT_EQ(b.LongueurMax, 5);
    EXPECT_EQ(b.Couleur, 0xFFFFFFu);
    EXPECT_EQ(b.Conseil, "Le diamètre doit être inférieur à 50.000 mm (50m)");
    EXPECT_EQ(statut, b.Conseil);
    EXPECT_EQ(b.ContexteAide, 3020);
    EXPECT_TRUE(b.Focus);
}

TEST_F(Ouvreurs, LeDiametreNeSOuvrePasSurLeCadreDeLentilleNiSurLaLunette)
{
    Forme(T::Newton);
    EtatSaisie.CadreLentille = true;
    OuvreSaisieDiametreEntree();
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
    EtatSaisie.CadreLentille = false;
    Forme(T::Lunette);
    OuvreSaisieDiametreEntree();
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
}

TEST_F(Ouvreurs, AuDemarrageLaPremiereOuvertureLaisseLeFocus)
{
    Forme(T::Cassegrain);
    EtatSaisie.SaisieSansFocus = true;
    OuvreSaisieDiametreEntree();
    EXPECT_FALSE(EtatSaisie.Saisie.Focus);
    EXPECT_FALSE(EtatSaisie.SaisieSansFocus);
    OuvreSaisieDiametreEntree();
    EXPECT_TRUE(EtatSaisie.Saisie.Focus);
}

TEST_F(Ouvreurs, LesMenisquesSePlacentSurLeTableauDeLaLameEtReecriventLeGroupe)
{
    Forme(T::Maksutov);
    Instrument.RayonMenisque1 = 350;
    Instrument.RayonMenisque2 = 360;
    MiseEnPage.CaseValeur[CaseRayonMenisque1] = {60, 22, 110, 40};
    OuvreValeurFiche(TValeurFiche::RayonMenisque1);
    EXPECT_EQ(EtatSaisie.Saisie.Image, TImageSaisie::TableauSchmidt);
    EXPECT_EQ(EtatSaisie.Saisie.Gauche, 60);
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "350");
    EXPECT_DOUBLE_EQ(Groupe.RayonGroupe[1], -350);
    EXPECT_DOUBLE_EQ(Groupe.RayonGroupe[2], -360);
}

TEST_F(Ouvreurs, LeTitreEstMontreAvecSesBlancsEtGardeSansEux)
{
    Forme(T::Newton);
    Dispositif.TitreDispositif = "  Correcteur  ";
    OuvreSaisieTitreDispositif();
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieTitreDispositif);
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "  Correcteur  ");
    EXPECT_EQ(EtatSaisie.TexteAvantSaisie, "Correcteur");
    EXPECT_EQ(EtatSaisie.Saisie.LongueurMax, 90);
}

struct TCasCellule
{
    double Valeur;
    std::string Attendu;
};

TEST_F(Ouvreurs, LesCellulesMontrentLesValeursSpecialesParLeursNoms)
{
    const std::vector<TCasCellule> rayons = {{0, ""},
                                             {5e-7, ""},
                                             {-150, "-150.00"},
                                             {1234.56, "1234.6"},
                                             {12345.6, "12346"},
                                             {RayonPlan, "Plan"},
                                             {RayonDiaphragme, "Diaph."}};
    for (const TCasCellule& c : rayons)
    {
        SCOPED_TRACE("rayon " + std::to_string(c.Valeur));
        Edition.TableEditee = TTableEditee::Dispositif;
        Edition.LigneCourante = 2;
        Dispositif.RayonDioptre[2] = c.Valeur;
        OuvreSaisieRayonDioptre();
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Attendu);
        EXPECT_DOUBLE_EQ(EtatSaisie.ValeurAvantSaisie, c.Valeur);
    }
    // The device's thicknesses name the unset and the infinite ones; the group's hold ten times longer distances.
    struct TCasEpaisseur
    {
        double* Epaisseur;
        void (*Ouvreur)();
        TCasCellule Cas;
    };
    const std::vector<TCasEpaisseur> epaisseurs = {
        {&Dispositif.EpaisseurDioptre[1], OuvreSaisieEpaisseurDioptre, {-1, ""}},
        {&Dispositif.EpaisseurDioptre[1], OuvreSaisieEpaisseurDioptre, {98.5, "98.50"}},
        {&Dispositif.EpaisseurDioptre[1], OuvreSaisieEpaisseurDioptre, {150, "150.0"}},
        {&Dispositif.EpaisseurDioptre[1], OuvreSaisieEpaisseurDioptre, {1500, "1500"}},
        {&Dispositif.EpaisseurDioptre[1], OuvreSaisieEpaisseurDioptre, {EpaisseurInfinie, "Infini"}},
        {&Groupe.EpaisseurGroupe[1], OuvreSaisieEpaisseurGroupe, {98.5, "98.50"}},
        {&Groupe.EpaisseurGroupe[1], OuvreSaisieEpaisseurGroupe, {150, "150.00"}},
        {&Groupe.EpaisseurGroupe[1], OuvreSaisieEpaisseurGroupe, {1500, "1500.0"}},
    };
    for (const TCasEpaisseur& c : epaisseurs)
    {
        SCOPED_TRACE("epaisseur " + c.Cas.Attendu);
        Edition.TableEditee = TTableEditee::Dispositif;
        Edition.LigneCourante = 1;
        *c.Epaisseur = c.Cas.Valeur;
        c.Ouvreur();
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Cas.Attendu);
    }
    const std::vector<TCasCellule> indices = {{0, ""}, {0.999, ""}, {1.5168, "1.516800"}};
    for (const TCasCellule& c : indices)
    {
        SCOPED_TRACE("indice " + std::to_string(c.Valeur));
        Edition.TableEditee = TTableEditee::Dispositif;
        Edition.LigneCourante = 1;
        Dispositif.IndiceVert[2] = static_cast<float>(c.Valeur);
        OuvreSaisieIndiceVert();
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Attendu);
        EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieIndiceVert);
    }
}

TEST_F(Ouvreurs, LaCelluleSePlaceSurSaLigneEtSaColonne)
{
    Edition.TableEditee = TTableEditee::Dispositif;
    Edition.LigneCourante = 3;
    Dispositif.NombreDioptres = 5;
    Controles.Grille.Left = 20;
    Controles.Grille.Top = 300;
    OuvreSaisieDiametreDioptre();
    const TBoiteSaisie& b = EtatSaisie.Saisie;
    EXPECT_EQ(b.Image, TImageSaisie::Grille);
    EXPECT_EQ(b.Gauche, 196);
    EXPECT_EQ(b.Haut, 3 * 16 + 32);
    EXPECT_EQ(b.Largeur, 34);
    EXPECT_EQ(b.Hauteur, 17);
    EXPECT_EQ(b.Couleur, 0xFFFFC0u);
    EXPECT_TRUE(Controles.Ligne.Visible);
    EXPECT_EQ(Controles.Ligne.Top, 300 + 3 * 16 + 32);
}

TEST_F(Ouvreurs, SeuleLaDerniereEpaisseurProposeLInfini)
{
    Edition.TableEditee = TTableEditee::Dispositif;
    Dispositif.NombreDioptres = 4;
    Edition.LigneCourante = 4;
    OuvreSaisieEpaisseurDioptre();
    EXPECT_EQ(EtatSaisie.Saisie.Conseil, "Entrer une valeur inférieure à 10 000 ou \"i\" pour infini");
    Edition.LigneCourante = 3;
    OuvreSaisieEpaisseurDioptre();
    EXPECT_EQ(EtatSaisie.Saisie.Conseil, "Entrer une valeur inférieure à 10 000");
    Edition.LigneCourante = 1;
    OuvreSaisieEpaisseurGroupe();
    EXPECT_EQ(EtatSaisie.Saisie.Conseil, "Entrer une valeur inférieure à 10 000");
}

TEST_F(Ouvreurs, LesDistancesHorsAxeOntLeursChiffresEtLEtoileSonSuffixe)
{
    const std::vector<TCasCellule> cas = {{0.25, "0.25"}, {5, "5"}, {12.6, "13"}};
    for (const TCasCellule& c : cas)
    {
        SCOPED_TRACE(c.Attendu);
        Reglages.DistanceAxeEtoile = c.Valeur;
        OuvreSaisieDistanceAxeEtoile();
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Attendu + " '");
        EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDistanceAxeEtoile);
        Reglages.DistanceAxeImage = c.Valeur;
        OuvreSaisieDistanceAxeImage();
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Attendu);
        EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDistanceAxeImage);
    }
}

// An opener that closes the frames refreshes the view first, and that refresh may open the entrance diameter: the
// field opened last is the one the opener names, with its own saved value.
TEST_F(Ouvreurs, LaValeurGardeeEstCelleDuChampOuvertApresLeRafraichissement)
{
    Forme(T::Newton);
    Instrument.DiametreEntree = 200;
    Instrument.EpaisseurPrimaire = 25;
    PortsEdition.FermeCadresEtRafraichit = [] {
        if (EtatSaisie.CodeSaisie == AucuneSaisie)
            OuvreSaisieDiametreEntree();
    };
    OuvreSaisieEpaisseurPrimaire();
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieEpaisseurPrimaireNewton);
    EXPECT_DOUBLE_EQ(EtatSaisie.ValeurAvantSaisie, 25);
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "25");
    Edition.TableEditee = TTableEditee::Dispositif;
    Dispositif.EpaisseurDioptre[1] = 12.5;
    EtatSaisie.CodeSaisie = AucuneSaisie;
    OuvreSaisieEpaisseurDioptre();
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieEpaisseurDioptre);
    EXPECT_DOUBLE_EQ(EtatSaisie.ValeurAvantSaisie, 12.5);
}

} // namespace
