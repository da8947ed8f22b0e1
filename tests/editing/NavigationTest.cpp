// Field navigation: the Next and Previous orders of every form (expanded and collapsed, with and without the plate
// profile, with the Maksutov-Cassegrain's secondary on or off the meniscus), the reopening of a refused field, and
// the table row steps that add or drop rows.
#include "editing/Navigation.h"
#include "editing/OuvreCellules.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using T = TTypeInstrument;
using TCodes = std::vector<TCodeSaisie>;

std::vector<TEnregistrementJournal> Journal;

class Navigation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PortsEdition.AjouteAuJournal = [](const TEnregistrementJournal& e) { Journal.push_back(e); };
        SeparateurDecimal = '.';
        Journal.clear();
    }
};

bool EstTitreOuListe(TCodeSaisie code)
{
    return SaisieTitreDispositif <= code && code <= SaisieLongueurOndeBleue;
}

// From the field open, Next until the title or a list, or until nothing moves.
TCodes ParcoursSuivant()
{
    TCodes codes = {EtatSaisie.CodeSaisie};
    for (int pas = 0; pas < 40 && !EstTitreOuListe(codes.back()); ++pas)
    {
        OuvreSaisieSuivante(codes.back());
        if (EtatSaisie.CodeSaisie == codes.back())
            break;
        codes.push_back(EtatSaisie.CodeSaisie);
    }
    return codes;
}

// The fields opened by n Next in a row, leaving `quitte` first.
TCodes Suivants(TCodeSaisie quitte, int n)
{
    TCodes codes;
    for (int k = 0; k < n; ++k)
    {
        OuvreSaisieSuivante(quitte);
        quitte = EtatSaisie.CodeSaisie;
        codes.push_back(quitte);
    }
    return codes;
}

// From the field open, Previous until nothing moves.
TCodes ParcoursPrecedent()
{
    TCodes codes = {EtatSaisie.CodeSaisie};
    for (int pas = 0; pas < 40; ++pas)
    {
        OuvreSaisiePrecedente(codes.back());
        if (EtatSaisie.CodeSaisie == codes.back())
            break;
        codes.push_back(EtatSaisie.CodeSaisie);
    }
    return codes;
}

struct TCasOrdre
{
    const char* Nom;
    T Forme;
    bool Developpe;
    bool Profil;
    bool SecondaireSurMenisque;
    TCodes Suivants; // from the entrance diameter
    TCodes Precedents; // from the last field before the title, when the sheet is expanded
};

const TCodes Lame = {SaisieLongueurOndeRougeLame,
                     SaisieLongueurOndeVerteLame,
                     SaisieLongueurOndeBleueLame,
                     SaisieIndiceRougeLame,
                     SaisieIndiceVertLame,
                     SaisieIndiceBleuLame,
                     SaisieMatiereLame};
const TCodes LameInverse = {SaisieMatiereLame,          SaisieIndiceBleuLame,        SaisieIndiceVertLame,
                            SaisieIndiceRougeLame,      SaisieLongueurOndeBleueLame, SaisieLongueurOndeVerteLame,
                            SaisieLongueurOndeRougeLame};

TCodes Joint(std::initializer_list<TCodes> parties)
{
    TCodes tout;
    for (const TCodes& p : parties)
        tout.insert(tout.end(), p.begin(), p.end());
    return tout;
}

std::vector<TCasOrdre> CasOrdres()
{
    return {
        {"Newton",
         T::Newton,
         true,
         false,
         false,
         {SaisieDiametreEntreeNewton, SaisieFocalePrimaireNewton, SaisieDeformationPrimaireNewton,
          SaisieDiametreSecondaireNewton, SaisieDistanceSecondaireFoyerNewton, SaisieEpaisseurPrimaireNewton,
          SaisieEpaisseurSecondaireNewton, SaisieTitreDispositif},
         {SaisieEpaisseurSecondaireNewton, SaisieEpaisseurPrimaireNewton, SaisieDistanceSecondaireFoyerNewton,
          SaisieDiametreSecondaireNewton, SaisieDeformationPrimaireNewton, SaisieFocalePrimaireNewton,
          SaisieDiametreEntreeNewton}},
        {"Newton replie",
         T::Newton,
         false,
         false,
         false,
         {SaisieDiametreEntreeNewton, SaisieFocalePrimaireNewton, SaisieTitreDispositif},
         {}},
        {"Cassegrain",
         T::Cassegrain,
         true,
         false,
         false,
         {SaisieDiametreEntreeCassegrain, SaisieFocalePrimaireCassegrain, SaisieFocaleResultanteCassegrain,
          SaisieDegagementFoyerCassegrain, SaisieDiametreTrouCentralCassegrain, SaisieDiametreSecondaireCassegrain,
          SaisieEpaisseurPrimaireCassegrain, SaisieEpaisseurSecondaireCassegrain, SaisieTitreDispositif},
         {SaisieEpaisseurSecondaireCassegrain, SaisieEpaisseurPrimaireCassegrain, SaisieDiametreSecondaireCassegrain,
          SaisieDiametreTrouCentralCassegrain, SaisieDegagementFoyerCassegrain, SaisieFocaleResultanteCassegrain,
          SaisieFocalePrimaireCassegrain, SaisieDiametreEntreeCassegrain}},
        {"Cassegrain replie",
         T::Cassegrain,
         false,
         false,
         false,
         {SaisieDiametreEntreeCassegrain, SaisieFocaleResultanteCassegrain, SaisieTitreDispositif},
         {}},
        {"Gregory",
         T::Gregory,
         true,
         false,
         false,
         {SaisieDiametreEntreeGregory, SaisieFocalePrimaireGregory, SaisieFocaleResultanteGregory,
          SaisieDegagementFoyerGregory, SaisieDiametreTrouCentralGregory, SaisieDiametreSecondaireGregory,
          SaisieEpaisseurPrimaireGregory, SaisieEpaisseurSecondaireGregory, SaisieTitreDispositif},
         {SaisieEpaisseurSecondaireGregory, SaisieEpaisseurPrimaireGregory, SaisieDiametreSecondaireGregory,
          SaisieDiametreTrouCentralGregory, SaisieDegagementFoyerGregory, SaisieFocaleResultanteGregory,
          SaisieFocalePrimaireGregory, SaisieDiametreEntreeGregory}},
        {"Dall-Kirkham replie",
         T::DallKirkham,
         false,
         false,
         false,
         {SaisieDiametreEntreeDallKirkham, SaisieFocaleResultanteDallKirkham, SaisieTitreDispositif},
         {}},
        {"Dall-Kirkham",
         T::DallKirkham,
         true,
         false,
         false,
         {SaisieDiametreEntreeDallKirkham, SaisieFocalePrimaireDallKirkham, SaisieFocaleResultanteDallKirkham,
          SaisieDegagementFoyerDallKirkham, SaisieDiametreTrouCentralDallKirkham, SaisieDiametreSecondaireDallKirkham,
          SaisieEpaisseurPrimaireDallKirkham, SaisieEpaisseurSecondaireDallKirkham, SaisieTitreDispositif},
         {SaisieEpaisseurSecondaireDallKirkham, SaisieEpaisseurPrimaireDallKirkham, SaisieDiametreSecondaireDallKirkham,
          SaisieDiametreTrouCentralDallKirkham, SaisieDegagementFoyerDallKirkham, SaisieFocaleResultanteDallKirkham,
          SaisieFocalePrimaireDallKirkham, SaisieDiametreEntreeDallKirkham}},
        {"Ritchey-Chretien",
         T::RitcheyChretien,
         true,
         false,
         false,
         {SaisieDiametreEntreeRitchey, SaisieFocalePrimaireRitchey, SaisieFocaleResultanteRitchey,
          SaisieDegagementFoyerRitchey, SaisieDiametreTrouCentralRitchey, SaisieDiametreSecondaireRitchey,
          SaisieDeformationPrimaireRitchey, SaisieDeformationSecondaireRitchey, SaisieDeformationSecondaire2,
          SaisieEpaisseurPrimaireRitchey, SaisieEpaisseurSecondaireRitchey, SaisieTitreDispositif},
         {SaisieEpaisseurSecondaireRitchey, SaisieEpaisseurPrimaireRitchey, SaisieDeformationSecondaire2,
          SaisieDeformationSecondaireRitchey, SaisieDeformationPrimaireRitchey, SaisieDiametreSecondaireRitchey,
          SaisieDiametreTrouCentralRitchey, SaisieDegagementFoyerRitchey, SaisieFocaleResultanteRitchey,
          SaisieFocalePrimaireRitchey, SaisieDiametreEntreeRitchey}},
        {"Ritchey-Chretien replie",
         T::RitcheyChretien,
         false,
         false,
         false,
         {SaisieDiametreEntreeRitchey, SaisieFocaleResultanteRitchey, SaisieTitreDispositif},
         {}},
        {"Schwarzschild",
         T::Schwarzschild,
         true,
         false,
         false,
         {SaisieDiametreEntreeSchwarzschild, SaisieFocalePrimaireSchwarzschild, SaisieFocaleResultanteSchwarzschild,
          SaisieDiametreSecondaireSchwarzschild, SaisieEpaisseurPrimaireSchwarzschild,
          SaisieEpaisseurSecondaireSchwarzschild, SaisieTitreDispositif},
         {SaisieEpaisseurSecondaireSchwarzschild, SaisieEpaisseurPrimaireSchwarzschild,
          SaisieDiametreSecondaireSchwarzschild, SaisieFocaleResultanteSchwarzschild, SaisieFocalePrimaireSchwarzschild,
          SaisieDiametreEntreeSchwarzschild}},
        {"Schwarzschild replie",
         T::Schwarzschild,
         false,
         false,
         false,
         {SaisieDiametreEntreeSchwarzschild, SaisieFocaleResultanteSchwarzschild, SaisieTitreDispositif},
         {}},
        {"Schmidt avec profil", T::Schmidt, true, true, false,
         Joint({{SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieFocaleSchmidt,
                 SaisieRayonCourburePrimaireSchmidt},
                Lame,
                {SaisieEpaisseurLame, SaisieDistanceLameMiroir, SaisieCoefficientK, SaisieEpaisseurPrimaireSchmidt,
                 SaisieDeformationLame, SaisieTitreDispositif}}),
         Joint({{SaisieDeformationLame, SaisieEpaisseurPrimaireSchmidt, SaisieCoefficientK, SaisieDistanceLameMiroir,
                 SaisieEpaisseurLame},
                LameInverse,
                {SaisieRayonCourburePrimaireSchmidt, SaisieFocaleSchmidt, SaisieDiametreMiroir,
                 SaisieDiametreEntreeSchmidt}})},
        {"Schmidt sans profil", T::Schmidt, true, false, false,
         Joint({{SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieFocaleSchmidt,
                 SaisieRayonCourburePrimaireSchmidt},
                Lame,
                {SaisieDistanceLameMiroir, SaisieEpaisseurPrimaireSchmidt, SaisieDeformationLame,
                 SaisieTitreDispositif}}),
         Joint({{SaisieDeformationLame, SaisieEpaisseurPrimaireSchmidt, SaisieDistanceLameMiroir, SaisieEpaisseurLame},
                LameInverse,
                {SaisieRayonCourburePrimaireSchmidt, SaisieFocaleSchmidt, SaisieDiametreMiroir,
                 SaisieDiametreEntreeSchmidt}})},
        {"Schmidt replie",
         T::Schmidt,
         false,
         true,
         false,
         {SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieFocaleSchmidt, SaisieTitreDispositif},
         {}},
        {"Schmidt-Cassegrain", T::SchmidtCassegrain, true, true, false,
         Joint({{SaisieDiametreEntreeSchmidtCassegrain, SaisieRayonCourburePrimaireSchmidt,
                 SaisieFocaleResultanteSchmidtCassegrain, SaisieDegagementFoyerSchmidtCassegrain,
                 SaisieDiametreTrouCentralSchmidtCassegrain, SaisieDiametreSecondaireSchmidtCassegrain,
                 SaisieDeformationLame},
                Lame,
                {SaisieEpaisseurLame, SaisieDistanceLameMiroir, SaisieEpaisseurPrimaireSchmidtCassegrain,
                 SaisieEpaisseurSecondaireSchmidtCassegrain, SaisieTitreDispositif}}),
         Joint({{SaisieEpaisseurSecondaireSchmidtCassegrain, SaisieEpaisseurPrimaireSchmidtCassegrain,
                 SaisieDistanceLameMiroir, SaisieEpaisseurLame},
                LameInverse,
                {SaisieDeformationLame, SaisieDiametreSecondaireSchmidtCassegrain,
                 SaisieDiametreTrouCentralSchmidtCassegrain, SaisieDegagementFoyerSchmidtCassegrain,
                 SaisieFocaleResultanteSchmidtCassegrain, SaisieRayonCourburePrimaireSchmidt,
                 SaisieDiametreEntreeSchmidtCassegrain}})},
        {"Schmidt-Cassegrain replie",
         T::SchmidtCassegrain,
         false,
         true,
         false,
         {SaisieDiametreEntreeSchmidtCassegrain, SaisieFocaleResultanteSchmidtCassegrain, SaisieTitreDispositif},
         {}},
        {"Maksutov", T::Maksutov, true, false, false,
         Joint({{SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieRayonCourburePrimaireMaksutov,
                 SaisieDiametreMenisque, SaisieRayonMenisque1, SaisieRayonMenisque2},
                Lame,
                {SaisieEpaisseurLame, SaisieDistanceDiaphragmeMiroirMaksutov, SaisieDistanceLameMiroir,
                 SaisieEpaisseurPrimaireSchmidt, SaisieTitreDispositif}}),
         Joint({{SaisieEpaisseurPrimaireSchmidt, SaisieDistanceLameMiroir, SaisieDistanceDiaphragmeMiroirMaksutov,
                 SaisieEpaisseurLame},
                LameInverse,
                {SaisieRayonMenisque2, SaisieRayonMenisque1, SaisieDiametreMenisque,
                 SaisieRayonCourburePrimaireMaksutov, SaisieDiametreMiroir, SaisieDiametreEntreeSchmidt}})},
        {"Maksutov replie",
         T::Maksutov,
         false,
         false,
         false,
         {SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieRayonCourburePrimaireMaksutov,
          SaisieTitreDispositif},
         {}},
        {"Maksutov-Newton", T::MaksutovNewton, true, false, false,
         Joint({{SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieRayonCourburePrimaireMaksutov,
                 SaisieDiametreMenisque, SaisieRayonMenisque1, SaisieRayonMenisque2},
                Lame,
                {SaisieEpaisseurLame, SaisieDistanceDiaphragmeMiroirMaksutov, SaisieDistanceLameMiroir,
                 SaisieEpaisseurPrimaireSchmidt, SaisieDistanceSecondaireFoyerNewton, SaisieDiametreSecondaireNewton,
                 SaisieEpaisseurSecondaireNewton, SaisieTitreDispositif}}),
         Joint({{SaisieEpaisseurSecondaireNewton, SaisieDiametreSecondaireNewton, SaisieDistanceSecondaireFoyerNewton,
                 SaisieEpaisseurPrimaireSchmidt, SaisieDistanceLameMiroir, SaisieDistanceDiaphragmeMiroirMaksutov,
                 SaisieEpaisseurLame},
                LameInverse,
                {SaisieRayonMenisque2, SaisieRayonMenisque1, SaisieDiametreMenisque,
                 SaisieRayonCourburePrimaireMaksutov, SaisieDiametreMiroir, SaisieDiametreEntreeSchmidt}})},
        {"Maksutov-Cassegrain secondaire sur le menisque", T::MaksutovCassegrain, true, false, true,
         Joint({{SaisieDiametreEntreeSchmidtCassegrain, SaisieRayonCourburePrimaireMaksutov,
                 SaisieDiametreTrouCentralSchmidtCassegrain, SaisieDiametreSecondaireSchmidtCassegrain,
                 SaisieDeformationPrimaireMaksutovCassegrain, SaisieRayonMenisque1, SaisieRayonMenisque2},
                Lame,
                {SaisieEpaisseurLame, SaisieDistanceLameMiroir, SaisieEpaisseurPrimaireSchmidtCassegrain,
                 SaisieTitreDispositif}}),
         Joint({{SaisieEpaisseurPrimaireSchmidtCassegrain, SaisieDistanceLameMiroir, SaisieEpaisseurLame},
                LameInverse,
                {SaisieRayonMenisque2, SaisieRayonMenisque1, SaisieDeformationPrimaireMaksutovCassegrain,
                 SaisieDiametreSecondaireSchmidtCassegrain, SaisieDiametreTrouCentralSchmidtCassegrain,
                 SaisieFocaleResultanteMaksutovCassegrain, SaisieRayonCourburePrimaireMaksutov,
                 SaisieDiametreEntreeSchmidtCassegrain}})},
        {"Maksutov-Cassegrain secondaire sur le menisque replie",
         T::MaksutovCassegrain,
         false,
         false,
         true,
         {SaisieDiametreEntreeSchmidtCassegrain, SaisieTitreDispositif},
         {}},
        {"Maksutov-Cassegrain", T::MaksutovCassegrain, true, false, false,
         Joint({{SaisieDiametreEntreeSchmidtCassegrain, SaisieRayonCourburePrimaireMaksutov,
                 SaisieFocaleResultanteMaksutovCassegrain, SaisieDegagementFoyerCassegrain,
                 SaisieDiametreTrouCentralSchmidtCassegrain, SaisieDiametreSecondaireSchmidtCassegrain,
                 SaisieDeformationPrimaireMaksutovCassegrain, SaisieDeformationSecondaireMaksutovCassegrain,
                 SaisieEpaisseurSecondaireSchmidtCassegrain, SaisieRayonMenisque1, SaisieRayonMenisque2},
                Lame,
                {SaisieEpaisseurLame, SaisieDistanceLameMiroir, SaisieEpaisseurPrimaireSchmidtCassegrain,
                 SaisieTitreDispositif}}),
         Joint({{SaisieEpaisseurPrimaireSchmidtCassegrain, SaisieDistanceLameMiroir, SaisieEpaisseurLame},
                LameInverse,
                {SaisieRayonMenisque2, SaisieRayonMenisque1, SaisieDeformationPrimaireMaksutovCassegrain,
                 SaisieDiametreSecondaireSchmidtCassegrain, SaisieDiametreTrouCentralSchmidtCassegrain,
                 SaisieFocaleResultanteMaksutovCassegrain, SaisieRayonCourburePrimaireMaksutov,
                 SaisieDiametreEntreeSchmidtCassegrain}})},
        {"Maksutov-Cassegrain replie",
         T::MaksutovCassegrain,
         false,
         false,
         false,
         {SaisieDiametreEntreeSchmidtCassegrain, SaisieFocaleResultanteMaksutovCassegrain, SaisieTitreDispositif},
         {}},
        {"Klevtsov-Cassegrain",
         T::KlevtsovCassegrain,
         true,
         false,
         false,
         {SaisieDiametreEntreeKlevtsov, SaisieRayonCourburePrimaireKlevtsov, SaisieDistanceDiaphragmeMiroirKlevtsov,
          SaisieDiametreTrouCentralKlevtsov, SaisieEpaisseurPrimaireKlevtsov, SaisieLongueurOndeRouge},
         {SaisieEpaisseurPrimaireKlevtsov, SaisieDiametreTrouCentralKlevtsov, SaisieDistanceDiaphragmeMiroirKlevtsov,
          SaisieRayonCourburePrimaireKlevtsov, SaisieDiametreEntreeKlevtsov}},
        {"Klevtsov-Cassegrain replie",
         T::KlevtsovCassegrain,
         false,
         false,
         false,
         {SaisieDiametreEntreeKlevtsov, SaisieTitreDispositif},
         {}},
        {"Lurie-Houghton",
         T::LurieHoughton,
         false,
         false,
         false,
         {SaisieDiametreEntreeHoughton, SaisieDiametreMiroirHoughton, SaisieRayonCourburePrimaireHoughton,
          SaisieEpaisseurPrimaireHoughton, SaisieDistanceSecondaireFoyerHoughton, SaisieDiametreSecondaireHoughton,
          SaisieEpaisseurSecondaireHoughton, SaisieLongueurOndeRouge},
         {SaisieEpaisseurSecondaireHoughton, SaisieDiametreSecondaireHoughton, SaisieDistanceSecondaireFoyerHoughton,
          SaisieEpaisseurPrimaireHoughton, SaisieRayonCourburePrimaireHoughton, SaisieDiametreMiroirHoughton,
          SaisieDiametreEntreeHoughton}},
        {"Houghton-Cassegrain",
         T::HoughtonCassegrain,
         true,
         false,
         false,
         {SaisieDiametreEntreeHoughton, SaisieRayonCourburePrimaireHoughton, SaisieFocaleResultanteHoughtonCassegrain,
          SaisieDegagementFoyerHoughtonCassegrain, SaisieDiametreTrouCentralHoughtonCassegrain,
          SaisieDiametreSecondaireHoughtonCassegrain, SaisieEpaisseurPrimaireHoughton,
          SaisieEpaisseurSecondaireHoughtonCassegrain, SaisieLongueurOndeRouge},
         {SaisieEpaisseurSecondaireHoughtonCassegrain, SaisieEpaisseurPrimaireHoughton,
          SaisieDiametreSecondaireHoughtonCassegrain, SaisieDiametreTrouCentralHoughtonCassegrain,
          SaisieDegagementFoyerHoughtonCassegrain, SaisieFocaleResultanteHoughtonCassegrain,
          SaisieRayonCourburePrimaireHoughton, SaisieDiametreEntreeHoughton}},
        {"Houghton-Cassegrain replie",
         T::HoughtonCassegrain,
         false,
         false,
         false,
         {SaisieDiametreEntreeHoughton, SaisieFocaleResultanteHoughtonCassegrain, SaisieTitreDispositif},
         {}},
        {"Schmidt-Newton", T::SchmidtNewton, true, false, false,
         Joint({{SaisieDiametreEntreeSchmidt, SaisieDiametreMiroir, SaisieFocaleResultanteSchmidtNewton},
                Lame,
                {SaisieDeformationLame, SaisieDistanceSecondaireFoyerSchmidtNewton,
                 SaisieDiametreSecondaireSchmidtNewton, SaisieDistanceLameMiroir, SaisieEpaisseurPrimaireSchmidtNewton,
                 SaisieEpaisseurSecondaireSchmidtNewton, SaisieEpaisseurLame, SaisieTitreDispositif}}),
         Joint({{SaisieEpaisseurLame, SaisieEpaisseurSecondaireSchmidtNewton, SaisieEpaisseurPrimaireSchmidtNewton,
                 SaisieDistanceLameMiroir, SaisieDiametreSecondaireSchmidtNewton,
                 SaisieDistanceSecondaireFoyerSchmidtNewton, SaisieDeformationLame},
                LameInverse,
                {SaisieFocaleResultanteSchmidtNewton, SaisieDiametreMiroir, SaisieDiametreEntreeSchmidt}})},
        // The primary focal length has no field after it: the walk stops there.
        {"Schmidt-Newton replie",
         T::SchmidtNewton,
         false,
         false,
         false,
         {SaisieDiametreEntreeSchmidt, SaisieFocaleSchmidt},
         {}},
    };
}

TEST_F(Navigation, ChaqueFormeSuitSonOrdreDansLesDeuxSens)
{
    for (const TCasOrdre& c : CasOrdres())
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        Instrument.TypeInstrument = c.Forme;
        Edition.InstrumentDeveloppe = c.Developpe;
        Instrument.ProfilLame = c.Profil ? ProfilAvant : ProfilAucun;
        Instrument.SecondaireSurMenisque = c.SecondaireSurMenisque;
        OuvreSaisieDiametreEntree();
        EXPECT_EQ(ParcoursSuivant(), c.Suivants);
        if (c.Precedents.empty())
            continue;
        OuvreChampDeCode(c.Precedents.front());
        EXPECT_EQ(ParcoursPrecedent(), c.Precedents);
    }
}

TEST_F(Navigation, LeTitreRameneAuDernierChampDeLaFiche)
{
    struct TCas
    {
        T Forme;
        bool Developpe;
        TCodeSaisie Attendu;
    };
    const std::vector<TCas> cas = {{T::Newton, true, 8},          {T::Newton, false, 2},
                                   {T::Cassegrain, true, 17},     {T::Cassegrain, false, 13},
                                   {T::Schwarzschild, true, 107}, {T::DallKirkham, false, 113},
                                   {T::Schmidt, true, 51},        {T::HoughtonCassegrain, true, 131}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        ReinitialiseProgramme();
        SetUp();
        Instrument.TypeInstrument = c.Forme;
        Edition.InstrumentDeveloppe = c.Developpe;
        OuvreSaisieTitreDispositif();
        OuvreSaisiePrecedente(SaisieTitreDispositif);
        EXPECT_EQ(EtatSaisie.CodeSaisie, c.Attendu);
        EXPECT_TRUE(EtatSaisie.Saisie.Visible);
    }
}

// Where the order has nothing to open, the box keeps the field actually open with its own code.
TEST_F(Navigation, SansChampSuivantLaBoiteGardeLeChampOuvert)
{
    Instrument.TypeInstrument = T::SchmidtNewton;
    OuvreValeurFiche(TValeurFiche::FocalePrimaire);
    OuvreSaisieSuivante(SaisieFocaleSchmidt);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieFocaleSchmidt);
    // After a commit the box is hidden with no code; a move that finds nothing leaves it so.
    EtatSaisie.CodeSaisie = AucuneSaisie;
    EtatSaisie.Saisie.Visible = false;
    Instrument.TypeInstrument = T::MaksutovCassegrain;
    OuvreSaisiePrecedente(SaisieDeformationSecondaireMaksutovCassegrain);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
    // Nothing comes before a refractor's lens group, nor before the title of a design with no instrument.
    Instrument.TypeInstrument = T::Lunette;
    Edition.TableEditee = TTableEditee::Groupe;
    OuvreSaisiePrecedente(SaisieLongueurOndeRouge);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    Instrument.TypeInstrument = T::Aucun;
    OuvreSaisiePrecedente(SaisieTitreDispositif);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
}

TEST_F(Navigation, UnChampRefuseEstRouvertUneFois)
{
    Instrument.TypeInstrument = T::Maksutov;
    Edition.InstrumentDeveloppe = true;
    for (TCodeSaisie refuse : {SaisieRayonCourburePrimaireMaksutov, SaisieEpaisseurPrimaireSchmidt})
    {
        SCOPED_TRACE(refuse);
        EtatSaisie.CodeSaisie = AucuneSaisie;
        EtatSaisie.CodeSaisieRefusee = refuse;
        OuvreSaisieSuivante(refuse);
        EXPECT_EQ(EtatSaisie.CodeSaisie, refuse);
        EXPECT_EQ(EtatSaisie.CodeSaisieRefusee, AucuneSaisie);
    }
    OuvreSaisieSuivante(SaisieRayonCourburePrimaireMaksutov);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreMenisque);
    // A form whose fields are not reopened: the request is dropped all the same.
    Instrument.TypeInstrument = T::LurieHoughton;
    EtatSaisie.CodeSaisie = AucuneSaisie;
    EtatSaisie.CodeSaisieRefusee = SaisieRayonCourburePrimaireHoughton;
    OuvreSaisieSuivante(SaisieRayonCourburePrimaireHoughton);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_EQ(EtatSaisie.CodeSaisieRefusee, AucuneSaisie);
    // The Klevtsov's secondary comes back on its sheet box.
    Instrument.TypeInstrument = T::KlevtsovCassegrain;
    MiseEnPage.CaseValeur[CaseDiametreSecondaire] = {300, 90, 340, 108};
    EtatSaisie.CodeSaisieRefusee = SaisieDiametreLigneMiroir;
    OuvreSaisieSuivante(SaisieDiametreLigneMiroir);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreLigneMiroir);
    EXPECT_EQ(EtatSaisie.Saisie.Image, TImageSaisie::Fenetre);
    EXPECT_EQ(EtatSaisie.Saisie.Gauche, 300);
}

// The group's lists come after the primary's thickness, and Previous goes back there.
TEST_F(Navigation, LesListesDuGroupeReviennentALEpaisseurDuPrimaire)
{
    struct TCas
    {
        T Forme;
        TCodeSaisie Epaisseur;
    };
    for (const TCas& c :
         {TCas{T::KlevtsovCassegrain, 125}, TCas{T::LurieHoughton, 135}, TCas{T::HoughtonCassegrain, 135}})
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        ReinitialiseProgramme();
        SetUp();
        Instrument.TypeInstrument = c.Forme;
        Edition.TableEditee = TTableEditee::Groupe;
        OuvreSaisiePrecedente(SaisieLongueurOndeRouge);
        EXPECT_EQ(EtatSaisie.CodeSaisie, c.Epaisseur);
        EXPECT_TRUE(EtatSaisie.Saisie.Visible);
    }
    // From the group's first radius back to its blue list, the group staying the edited table.
    Instrument.TypeInstrument = T::Lunette;
    Edition.LigneCourante = 1;
    OuvreSaisieRayonGroupe();
    OuvreSaisiePrecedente(SaisieRayonGroupe);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieLongueurOndeBleue);
    EXPECT_EQ(Edition.TableEditee, TTableEditee::Groupe);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
    OuvreSaisieSuivante(SaisieLongueurOndeBleue);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieRayonGroupe);
    EXPECT_EQ(Edition.LigneCourante, 1);
}

TEST_F(Navigation, LeTitreMeneAuxListesPuisAuxCellulesDuDispositif)
{
    Instrument.TypeInstrument = T::Newton;
    OuvreSaisieTitreDispositif();
    EXPECT_EQ(Suivants(SaisieTitreDispositif, 10),
              (TCodes{SaisieLongueurOndeRouge, SaisieLongueurOndeVerte, SaisieLongueurOndeBleue, SaisieRayonDioptre,
                      SaisieEpaisseurDioptre, SaisieDiametreDioptre, SaisieIndiceRouge, SaisieIndiceVert,
                      SaisieIndiceBleu, SaisieMatiereDioptre}));
    EXPECT_EQ(Edition.TableEditee, TTableEditee::Dispositif);
    EXPECT_EQ(Edition.LigneCourante, 1);
    EXPECT_TRUE(EtatSaisie.Saisie.Visible);
    OuvreSaisiePrecedente(SaisieRayonDioptre);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieLongueurOndeBleue);
    OuvreSaisiePrecedente(SaisieLongueurOndeRouge);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieTitreDispositif);
}

// A device of rows 1..n with filled cells.
void DispositifRempli(int lignes, double derniereEpaisseur)
{
    Edition.TableEditee = TTableEditee::Dispositif;
    Dispositif.NombreDioptres = lignes;
    for (int r = 1; r <= lignes; ++r)
    {
        Dispositif.RayonDioptre[static_cast<std::size_t>(r)] = 100.0 * r;
        Dispositif.EpaisseurDioptre[static_cast<std::size_t>(r)] = 5;
        Dispositif.DiametreDioptre[static_cast<std::size_t>(r)] = 40.0 + r;
    }
    Dispositif.EpaisseurDioptre[static_cast<std::size_t>(lignes)] = derniereEpaisseur;
}

TEST_F(Navigation, LeNomDeVerreDeLaDerniereLigneAjouteUneLigneSiElleEstFinie)
{
    struct TCas
    {
        const char* Nom;
        int Lignes;
        double DerniereEpaisseur;
        int LignesApres;
        int LigneApres;
    };
    const std::vector<TCas> cas = {{"epaisseur finie", 5, 20, 6, 6},
                                   {"epaisseur non saisie", 5, EpaisseurNonSaisie, 6, 6},
                                   {"epaisseur infinie", 5, EpaisseurInfinie, 5, 5},
                                   {"table pleine", NombreMaxDioptres, 20, NombreMaxDioptres, NombreMaxDioptres}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        DispositifRempli(c.Lignes, c.DerniereEpaisseur);
        Edition.LigneCourante = c.Lignes;
        OuvreSaisieMatiereDioptre();
        OuvreSaisieSuivante(SaisieMatiereDioptre);
        EXPECT_EQ(Dispositif.NombreDioptres, c.LignesApres);
        EXPECT_EQ(Edition.LigneCourante, c.LigneApres);
        EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieRayonDioptre);
        EXPECT_DOUBLE_EQ(Dispositif.DiametreDioptre[static_cast<std::size_t>(c.LigneApres)], 40.0 + c.Lignes);
        EXPECT_TRUE(Journal.empty());
    }
    // An empty row is never left forward.
    ReinitialiseProgramme();
    SetUp();
    DispositifRempli(2, 20);
    Dispositif.NombreDioptres = 3;
    Edition.LigneCourante = 3;
    OuvreSaisieSuivante(SaisieMatiereDioptre);
    EXPECT_EQ(Edition.LigneCourante, 3);
    EXPECT_EQ(Dispositif.NombreDioptres, 3);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieRayonDioptre);
}

TEST_F(Navigation, RevenirDuRayonDUneDerniereLigneVideLaRetire)
{
    DispositifRempli(5, 20);
    Dispositif.NombreDioptres = 6;
    Edition.LigneCourante = 6;
    OuvreSaisiePrecedente(SaisieRayonDioptre);
    EXPECT_EQ(Dispositif.NombreDioptres, 5);
    EXPECT_EQ(Edition.LigneCourante, 5);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieMatiereDioptre);
    // An empty row inside the table stays.
    DispositifRempli(6, 20);
    Dispositif.RayonDioptre[3] = 0;
    Dispositif.EpaisseurDioptre[3] = EpaisseurNonSaisie;
    Edition.LigneCourante = 3;
    OuvreSaisiePrecedente(SaisieRayonDioptre);
    EXPECT_EQ(Dispositif.NombreDioptres, 6);
    EXPECT_EQ(Edition.LigneCourante, 2);
}

TEST_F(Navigation, LeGroupeDeLaLunetteGranditJusquATreizeLignes)
{
    Instrument.TypeInstrument = T::Lunette;
    Edition.TableEditee = TTableEditee::Groupe;
    for (int r = 1; r <= NombreMaxDioptresGroupe; ++r)
    {
        Groupe.RayonGroupe[static_cast<std::size_t>(r)] = 500;
        Groupe.DiametreGroupe[static_cast<std::size_t>(r)] = 80 + r;
    }
    Groupe.NombreDioptresGroupe = 12;
    Edition.LigneCourante = 12;
    OuvreSaisieMatiereGroupe();
    OuvreSaisieSuivante(SaisieMatiereGroupe);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 13);
    EXPECT_EQ(Edition.LigneCourante, 13);
    EXPECT_DOUBLE_EQ(Groupe.DiametreGroupe[13], 92);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieRayonGroupe);
    ASSERT_EQ(Journal.size(), 1u);
    EXPECT_EQ(Journal[0].Code, SaisieDiametreGroupe);
    EXPECT_EQ(Journal[0].Index, 13);
    EXPECT_EQ(Journal[0].Valeur, "92");
    OuvreSaisieMatiereGroupe();
    OuvreSaisieSuivante(SaisieMatiereGroupe);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 13);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieTitreDispositif);
    EXPECT_EQ(Journal.size(), 1u);
}

TEST_F(Navigation, LeGroupeDuKlevtsovPasseParLaLigneDuMiroir)
{
    Instrument.TypeInstrument = T::KlevtsovCassegrain;
    Edition.TableEditee = TTableEditee::Groupe;
    for (int lignes : {4, 3})
    {
        SCOPED_TRACE(lignes);
        Groupe.NombreDioptresGroupe = lignes;
        for (int r = 1; r <= lignes; ++r)
            Groupe.RayonGroupe[static_cast<std::size_t>(r)] = 300;
        Edition.LigneCourante = lignes;
        OuvreSaisieMatiereGroupe();
        const TCodes attendu =
            lignes % 2 == 0
                ? TCodes{SaisieRayonLigneMiroir, SaisieEpaisseurLigneMiroir, SaisieDiametreLigneMiroir, 1000}
                : TCodes{SaisieRayonLigneMiroir, SaisieDiametreLigneMiroir, 1000, SaisieLongueurOndeRouge};
        EXPECT_EQ(Suivants(SaisieMatiereGroupe, 4), attendu);
        EXPECT_EQ(Groupe.NombreDioptresGroupe, lignes);
    }
    OuvreSaisieRayonLigneMiroir();
    OuvreSaisiePrecedente(SaisieRayonLigneMiroir);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieMatiereGroupe);
    EXPECT_EQ(Edition.TableEditee, TTableEditee::Groupe);
    EXPECT_EQ(Edition.LigneCourante, 3);
}

} // namespace
