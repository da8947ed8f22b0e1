// Replaying what an edit journaled rebuilds the design the edit gave: for each value, the commit is applied to a
// valid design, then the same start is given the edit's records through the store dispatcher the journal's replay
// calls, and both designs are compared field by field.
#include "PortsEnregistres.h"

#include "editing/Stockage.h"
#include "editing/Valide.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using enum TTypeInstrument;

struct TCasRejeu
{
    const char* Nom;
    TTypeInstrument Forme;
    void (*Prepare)();
    TCodeSaisie Code;
    double (*Avant)();
    std::string Texte;
};

void PrintTo(const TCasRejeu& cas, std::ostream* flux)
{
    *flux << cas.Nom;
}

double D()
{
    return Instrument.DiametreEntree;
}
double F1()
{
    return Instrument.FocalePrimaire;
}
double F()
{
    return Instrument.FocaleResultante;
}
double B()
{
    return Instrument.CoefficientDeformationPrimaire;
}
double C()
{
    return Instrument.CoefficientDeformationSecondaire;
}
double C2()
{
    return Instrument.CoefficientDeformationSecondaire2;
}
double S()
{
    return Instrument.DiametreSecondaire;
}
double DSF()
{
    return Instrument.DistanceSecondaireFoyer;
}
double Degagement()
{
    return Instrument.DegagementFoyer;
}
double Trou()
{
    return Instrument.DiametreTrouCentral;
}
double E1()
{
    return Instrument.EpaisseurPrimaire;
}
double E2()
{
    return Instrument.EpaisseurSecondaire;
}
double Dm()
{
    return Instrument.DiametreMiroir;
}
double R()
{
    return Instrument.RayonCourburePrimaire;
}
double T()
{
    return Instrument.EpaisseurLame;
}
double KLame()
{
    return Instrument.CoefficientDeformationLame;
}
double Diaphragme()
{
    return Instrument.DistanceDiaphragmeMiroir;
}
double DMenisque()
{
    return Instrument.DiametreMenisque;
}
double RM1()
{
    return Instrument.RayonMenisque1;
}
double RM2()
{
    return Instrument.RayonMenisque2;
}
double DLM()
{
    return Instrument.DistanceLameMiroir;
}
double K()
{
    return Instrument.CoefficientK;
}
double Rien()
{
    return 0;
}

const TCasRejeu CasRejeu[] = {
    {"DiametreNewton", Newton, nullptr, 1, D, "254,55"},
    {"DiametreCassegrain", Cassegrain, nullptr, 11, D, "210"},
    {"DiametreSchwarzschildSansFocale", Schwarzschild,
     [] {
         Instrument.FocalePrimaire = 0;
         Instrument.DiametreSecondaire = 0;
     },
     101, D, "250"},
    {"DiametreSchmidt", Schmidt, nullptr, 51, D, "220"},
    {"DiametreSchmidtNewton", SchmidtNewton, nullptr, 51, D, "210"},
    {"DiametreLurieHoughton", LurieHoughton, nullptr, 131, D, "250"},
    {"DiametreMaksutovRevenu", Maksutov, nullptr, 51, D, "120"},
    {"DiametreMaksutovCassegrain", MaksutovCassegrain, nullptr, 61, D, "90"},
    {"FocalePrimaireNewton", Newton, nullptr, 2, F1, "1200"},
    {"FocalePrimaireCassegrain", Cassegrain, nullptr, 12, F1, "900"},
    {"FocalePrimaireSchmidtCassegrain", SchmidtCassegrain, nullptr, 62, F1, "450"},
    {"FocalePrimaireSchwarzschild", Schwarzschild, nullptr, 102, F1, "2000"},
    {"FocaleResultanteCassegrain", Cassegrain, nullptr, 13, F, "4500"},
    {"FocaleResultanteRitchey", RitcheyChretien, nullptr, 23, F, "4200"},
    {"FocaleResultanteMaksutovCassegrain", MaksutovCassegrain, nullptr, 81, F, "2500"},
    {"ConiquePrimaireNewton", Newton, nullptr, 4, B, "-1,23456789012345678"},
    {"ConiquePrimaireNewtonVidee", Newton, nullptr, 4, B, ""},
    {"ConiquePrimaireRitchey", RitcheyChretien, nullptr, 26, B, "-1,05"},
    {"ConiquePrimaireRitcheyVidee", RitcheyChretien, nullptr, 26, B, ""},
    {"ConiqueSecondaireRitchey", RitcheyChretien, nullptr, 27, C, "-3,2"},
    {"ConiqueSecondaireRitcheyVidee", RitcheyChretien, nullptr, 27, C, "x"},
    {"SecondCoefficientRitchey", RitcheyChretien, nullptr, -27, C2, "0,5"},
    {"MiroirPlanNewton", Newton, nullptr, 5, S, "60"},
    {"MiroirPlanNewtonRevenu", Newton, nullptr, 5, S, "250"},
    {"MiroirPlanLurieHoughton", LurieHoughton, nullptr, 137, S, "60"},
    {"MiroirPlanSchmidtNewton", SchmidtNewton, nullptr, 154, S, "55"},
    {"SecondaireCassegrain", Cassegrain, nullptr, 14, S, "65"},
    {"SecondaireCassegrainRevenu", Cassegrain, nullptr, 14, S, "250"},
    {"SecondaireKlevtsov", KlevtsovCassegrain, nullptr, 2019, S, "65"},
    {"PlanFoyerNewton", Newton, nullptr, 6, DSF, "160"},
    {"PlanFoyerLurieHoughton", LurieHoughton, nullptr, 136, DSF, "160"},
    {"DegagementCassegrain", Cassegrain, nullptr, 15, Degagement, "250"},
    {"DegagementCassegrainVide", Cassegrain, nullptr, 15, Degagement, ""},
    {"TrouCassegrain", Cassegrain, nullptr, 18, Trou, "40"},
    {"EpaisseurPrimaire", Newton, nullptr, 7, E1, "30"},
    {"EpaisseurPlan", Newton, nullptr, 8, E2, "5"},
    {"EpaisseurSecondaireKlevtsov", KlevtsovCassegrain, nullptr, 2020, E2, "4"},
    {"DiametreMiroirSchmidt", Schmidt, nullptr, 52, Dm, "320"},
    {"DiametreMiroirLurieHoughton", LurieHoughton, nullptr, 132, Dm, "240"},
    {"RayonSchmidt", Schmidt, nullptr, 53, R, "2000"},
    {"RayonKlevtsov", KlevtsovCassegrain, nullptr, 122, R, "1700"},
    {"RayonMaksutov", Maksutov, nullptr, 72, R, "1100"},
    {"RayonMaksutovCassegrain", MaksutovCassegrain, nullptr, 72, R, "2100"},
    {"FocaleSchmidt", Schmidt, nullptr, 54, F, "1100"},
    {"FocaleSchmidtNewton", SchmidtNewton, nullptr, 153, F, "1050"},
    {"EpaisseurLameSchmidt", Schmidt, nullptr, 56, T, "12"},
    {"EpaisseurLameSchmidtCassegrain", SchmidtCassegrain, nullptr, 56, T, "6"},
    {"EpaisseurMenisqueMaksutov", Maksutov, nullptr, 56, T, "12"},
    {"CoefficientLame", SchmidtCassegrain, [] { Instrument.CoefficientLameOptimal = 1.2; }, 69, KLame, "1,5"},
    {"DiaphragmeMaksutov", Maksutov, nullptr, 71, Diaphragme, "700"},
    {"GroupeKlevtsov", KlevtsovCassegrain, nullptr, 123, Diaphragme, "400"},
    {"DiametreMenisque", Maksutov, nullptr, 73, DMenisque, "105"},
    {"RayonMenisque1", MaksutovCassegrain, nullptr, 74, RM1, "-630"},
    {"RayonMenisque2", Maksutov, nullptr, 75, RM2, "170"},
    {"PositionLameSchmidt", Schmidt, nullptr, 561, DLM, "2100"},
    {"PositionLameSchmidtCassegrain", SchmidtCassegrain, [] { Instrument.DistanceFoyerPrimaireSecondaire = 100; }, 561,
     DLM, "310"},
    {"PositionMenisqueSansFocale", Maksutov, nullptr, 561, DLM, "650"},
    {"CoefficientK", Schmidt, nullptr, 562, K, "1,2"},
    {"TitreDispositif", Newton, nullptr, 1000, Rien, "Correcteur"},
};

struct TConception
{
    TInstrument Instrument;
    TDioptreGroupe Groupe;
    TDioptre Dispositif;
    TReglages Reglages;
    TSysteme Systeme;
    TValidite Validite;
    TEtatEdition Edition;
};

TConception Prise()
{
    return {Instrument, Groupe, Dispositif, Reglages, Systeme, Validite, Edition};
}

void Remet(const TConception& c)
{
    Instrument = c.Instrument;
    Groupe = c.Groupe;
    Dispositif = c.Dispositif;
    Reglages = c.Reglages;
    Systeme = c.Systeme;
    Validite = c.Validite;
    Edition = c.Edition;
}

template <typename T, std::size_t N>
void ComparePlaces(const char* nom, const std::array<T, N>& edite, const std::array<T, N>& rejoue)
{
    for (std::size_t i = 0; i < N; ++i)
        EXPECT_EQ(edite[i], rejoue[i]) << nom << "[" << i << "]";
}

void CompareConceptions(const TConception& edite)
{
    const TInstrument& I = edite.Instrument;
    for (const auto champ : ChampsReelsInstrument())
        EXPECT_EQ(I.*champ, Instrument.*champ) << "a real field of the instrument";
    for (const auto champ : ChampsSimplesInstrument())
        EXPECT_EQ(I.*champ, Instrument.*champ) << "a single-precision field of the instrument";
    EXPECT_EQ(I.CoteLame, Instrument.CoteLame);
    ComparePlaces("CoefficientsAspheriquesLame", I.CoefficientsAspheriquesLame, Instrument.CoefficientsAspheriquesLame);
    const TDioptreGroupe& G = edite.Groupe;
    EXPECT_EQ(G.NombreDioptresGroupe, Groupe.NombreDioptresGroupe);
    ComparePlaces("RayonGroupe", G.RayonGroupe, Groupe.RayonGroupe);
    ComparePlaces("DiametreGroupe", G.DiametreGroupe, Groupe.DiametreGroupe);
    ComparePlaces("EpaisseurGroupe", G.EpaisseurGroupe, Groupe.EpaisseurGroupe);
    EXPECT_EQ(edite.Dispositif.TitreDispositif, Dispositif.TitreDispositif);
    EXPECT_EQ(edite.Reglages.RayonChampLineaire, Reglages.RayonChampLineaire);
    EXPECT_EQ(edite.Reglages.RayonChampAngulaire, Reglages.RayonChampAngulaire);
}

class RejeuDesValeurs : public SaisieForme, public ::testing::WithParamInterface<TCasRejeu>
{};

TEST_P(RejeuDesValeurs, RedonneLaConceptionEditee)
{
    const TCasRejeu& cas = GetParam();
    ConstruitFormeValide(cas.Forme);
    if (cas.Prepare)
        cas.Prepare();
    const TConception depart = Prise();
    Tape(cas.Code, cas.Avant(), cas.Texte);
    EtatSaisie.TexteAvantSaisie = Dispositif.TitreDispositif;

    ValideSaisie();

    const std::vector<TEnregistrementJournal> enregistrements = Appels.Enregistrements;
    ASSERT_FALSE(enregistrements.empty()) << "the edit is accepted";
    const TConception editee = Prise();
    Remet(depart);
    for (const TEnregistrementJournal& e : enregistrements)
        StockeEnregistrement(e);
    CompareConceptions(editee);
}

INSTANTIATE_TEST_SUITE_P(Table, RejeuDesValeurs, ::testing::ValuesIn(CasRejeu),
                         [](const auto& info) { return std::string(info.param.Nom); });

TEST_F(SaisieForme, CodeQuiNEstPasUneValeurNeStockeRien)
{
    ConstruitFormeValide(Newton);
    const double D = Instrument.DiametreEntree;
    for (const std::int32_t code : {0, 3, 57, 1001, 2001, 9001, -1})
    {
        SCOPED_TRACE(code);
        EXPECT_FALSE(StockeEnregistrement({code, 0, "12"}));
    }
    EXPECT_EQ(Instrument.DiametreEntree, D);
}

} // namespace
