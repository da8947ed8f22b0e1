// Replaying what an edit journaled rebuilds the design the edit gave: for each value, the commit is applied to a
// valid design, then the same start is given the edit's records through the store dispatcher the journal's replay
// calls, and both designs are compared field by field.
#include "PortsEnregistres.h"

#include "editing/Stockage.h"
#include "editing/Valide.h"
#include "optics/Initialisation.h"

#include <gtest/gtest.h>

#include <cmath>
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
    {"DiametreNewton", Newton, nullptr, SaisieDiametreEntreeNewton, D, "254,55"},
    {"DiametreCassegrain", Cassegrain, nullptr, SaisieDiametreEntreeCassegrain, D, "210"},
    {"DiametreSchwarzschildSansFocale", Schwarzschild,
     [] {
         Instrument.FocalePrimaire = 0;
         Instrument.DiametreSecondaire = 0;
     },
     SaisieDiametreEntreeSchwarzschild, D, "250"},
    {"DiametreSchmidt", Schmidt, nullptr, SaisieDiametreEntreeSchmidt, D, "220"},
    {"DiametreSchmidtNewton", SchmidtNewton, nullptr, SaisieDiametreEntreeSchmidt, D, "210"},
    {"DiametreLurieHoughton", LurieHoughton, nullptr, SaisieDiametreEntreeHoughton, D, "250"},
    {"DiametreMaksutovRevenu", Maksutov, nullptr, SaisieDiametreEntreeSchmidt, D, "120"},
    {"DiametreMaksutovCassegrain", MaksutovCassegrain, nullptr, SaisieDiametreEntreeSchmidtCassegrain, D, "90"},
    {"FocalePrimaireNewton", Newton, nullptr, SaisieFocalePrimaireNewton, F1, "1200"},
    {"FocalePrimaireCassegrain", Cassegrain, nullptr, SaisieFocalePrimaireCassegrain, F1, "900"},
    {"FocalePrimaireSchmidtCassegrain", SchmidtCassegrain, nullptr, SaisieFocalePrimaireSchmidtCassegrain, F1, "450"},
    {"FocalePrimaireSchwarzschild", Schwarzschild, nullptr, SaisieFocalePrimaireSchwarzschild, F1, "2000"},
    {"FocaleResultanteCassegrain", Cassegrain, nullptr, SaisieFocaleResultanteCassegrain, F, "4500"},
    {"FocaleResultanteRitchey", RitcheyChretien, nullptr, SaisieFocaleResultanteRitchey, F, "4200"},
    {"FocaleResultanteMaksutovCassegrain", MaksutovCassegrain, nullptr, SaisieFocaleResultanteMaksutovCassegrain, F,
     "2500"},
    {"ConiquePrimaireNewton", Newton, nullptr, SaisieDeformationPrimaireNewton, B, "-1,23456789012345678"},
    {"ConiquePrimaireNewtonVidee", Newton, nullptr, SaisieDeformationPrimaireNewton, B, ""},
    {"ConiquePrimaireRitchey", RitcheyChretien, nullptr, SaisieDeformationPrimaireRitchey, B, "-1,05"},
    {"ConiquePrimaireRitcheyVidee", RitcheyChretien, nullptr, SaisieDeformationPrimaireRitchey, B, ""},
    {"ConiqueSecondaireRitchey", RitcheyChretien, nullptr, SaisieDeformationSecondaireRitchey, C, "-3,2"},
    {"ConiqueSecondaireRitcheyVidee", RitcheyChretien, nullptr, SaisieDeformationSecondaireRitchey, C, "x"},
    {"SecondCoefficientRitchey", RitcheyChretien, nullptr, SaisieDeformationSecondaire2, C2, "0,5"},
    {"MiroirPlanNewton", Newton, nullptr, SaisieDiametreSecondaireNewton, S, "60"},
    {"MiroirPlanNewtonRevenu", Newton, nullptr, SaisieDiametreSecondaireNewton, S, "250"},
    {"MiroirPlanLurieHoughton", LurieHoughton, nullptr, SaisieDiametreSecondaireHoughton, S, "60"},
    {"MiroirPlanSchmidtNewton", SchmidtNewton, nullptr, SaisieDiametreSecondaireSchmidtNewton, S, "55"},
    {"SecondaireCassegrain", Cassegrain, nullptr, SaisieDiametreSecondaireCassegrain, S, "65"},
    {"SecondaireCassegrainRevenu", Cassegrain, nullptr, SaisieDiametreSecondaireCassegrain, S, "250"},
    {"SecondaireKlevtsov", KlevtsovCassegrain, nullptr, SaisieDiametreLigneMiroir, S, "65"},
    {"PlanFoyerNewton", Newton, nullptr, SaisieDistanceSecondaireFoyerNewton, DSF, "160"},
    {"PlanFoyerLurieHoughton", LurieHoughton, nullptr, SaisieDistanceSecondaireFoyerHoughton, DSF, "160"},
    {"DegagementCassegrain", Cassegrain, nullptr, SaisieDegagementFoyerCassegrain, Degagement, "250"},
    {"DegagementCassegrainVide", Cassegrain, nullptr, SaisieDegagementFoyerCassegrain, Degagement, ""},
    {"TrouCassegrain", Cassegrain, nullptr, SaisieDiametreTrouCentralCassegrain, Trou, "40"},
    {"EpaisseurPrimaire", Newton, nullptr, SaisieEpaisseurPrimaireNewton, E1, "30"},
    {"EpaisseurPlan", Newton, nullptr, SaisieEpaisseurSecondaireNewton, E2, "5"},
    {"EpaisseurSecondaireKlevtsov", KlevtsovCassegrain, nullptr, SaisieEpaisseurLigneMiroir, E2, "4"},
    {"DiametreMiroirSchmidt", Schmidt, nullptr, SaisieDiametreMiroir, Dm, "320"},
    {"DiametreMiroirLurieHoughton", LurieHoughton, nullptr, SaisieDiametreMiroirHoughton, Dm, "240"},
    {"RayonSchmidt", Schmidt, nullptr, SaisieRayonCourburePrimaireSchmidt, R, "2000"},
    {"RayonKlevtsov", KlevtsovCassegrain, nullptr, SaisieRayonCourburePrimaireKlevtsov, R, "1700"},
    {"RayonMaksutov", Maksutov, nullptr, SaisieRayonCourburePrimaireMaksutov, R, "1100"},
    {"RayonMaksutovCassegrain", MaksutovCassegrain, nullptr, SaisieRayonCourburePrimaireMaksutov, R, "2100"},
    {"FocaleSchmidt", Schmidt, nullptr, SaisieFocaleSchmidt, F, "1100"},
    {"FocaleSchmidtNewton", SchmidtNewton, nullptr, SaisieFocaleResultanteSchmidtNewton, F, "1050"},
    {"EpaisseurLameSchmidt", Schmidt, nullptr, SaisieEpaisseurLame, T, "12"},
    {"EpaisseurLameSchmidtCassegrain", SchmidtCassegrain, nullptr, SaisieEpaisseurLame, T, "6"},
    {"EpaisseurMenisqueMaksutov", Maksutov, nullptr, SaisieEpaisseurLame, T, "12"},
    {"CoefficientLame", SchmidtCassegrain, [] { Instrument.CoefficientLameOptimal = 1.2; }, SaisieDeformationLame,
     KLame, "1,5"},
    {"DiaphragmeMaksutov", Maksutov, nullptr, SaisieDistanceDiaphragmeMiroirMaksutov, Diaphragme, "700"},
    {"GroupeKlevtsov", KlevtsovCassegrain, nullptr, SaisieDistanceDiaphragmeMiroirKlevtsov, Diaphragme, "400"},
    {"DiametreMenisque", Maksutov, nullptr, SaisieDiametreMenisque, DMenisque, "105"},
    {"RayonMenisque1", MaksutovCassegrain, nullptr, SaisieRayonMenisque1, RM1, "-630"},
    {"RayonMenisque2", Maksutov, nullptr, SaisieRayonMenisque2, RM2, "170"},
    {"PositionLameSchmidt", Schmidt, nullptr, SaisieDistanceLameMiroir, DLM, "2100"},
    {"PositionLameSchmidtCassegrain", SchmidtCassegrain, [] { Instrument.DistanceFoyerPrimaireSecondaire = 100; },
     SaisieDistanceLameMiroir, DLM, "310"},
    {"PositionMenisqueSansFocale", Maksutov, nullptr, SaisieDistanceLameMiroir, DLM, "650"},
    {"CoefficientK", Schmidt, nullptr, SaisieCoefficientK, K, "1,2"},
    {"TitreDispositif", Newton, nullptr, SaisieTitreDispositif, Rien, "Correcteur"},
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
    for (const std::int32_t code : {AucuneSaisie, 3, SaisieLongueurOndeRougeLame, SaisieLongueurOndeRouge,
                                    SaisieRayonDioptre, CodeJournalHomothetie, CodeJournalType})
    {
        SCOPED_TRACE(code);
        EXPECT_FALSE(StockeEnregistrement({code, 0, "12"}));
    }
    EXPECT_EQ(Instrument.DiametreEntree, D);
}

TEST_F(SaisieForme, CellulesDesTableauxParLeursRoutines)
{
    ConstruitFormeValide(Lunette);
    Dispositif.NombreDioptres = 3;
    Dispositif.IndiceVert[3] = 1.6f;
    const auto stocke = [](std::int32_t code, int ligne, double valeur) {
        return StockeEnregistrement({code, ligne, FormateGeneral(valeur)});
    };

    // A stop gives the medium behind it the medium in front: the air on the first row, the row above elsewhere.
    EXPECT_TRUE(stocke(SaisieRayonDioptre, 1, RayonDiaphragme));
    EXPECT_EQ(Dispositif.IndiceRouge[2], IndiceAir(LongueursOnde.LongueurOndeRouge));
    EXPECT_EQ(Dispositif.IndiceBleu[2], IndiceAir(LongueursOnde.LongueurOndeBleue));
    EXPECT_EQ(Dispositif.MatiereDioptre[2], "Air - Diaphragme");
    EXPECT_TRUE(stocke(SaisieRayonDioptre, 3, RayonDiaphragme));
    EXPECT_EQ(Dispositif.IndiceVert[4], 1.6f);
    EXPECT_EQ(Dispositif.MatiereDioptre[4], "Diaphragme");
    EXPECT_TRUE(stocke(SaisieRayonGroupe, 2, RayonDiaphragme));
    EXPECT_EQ(Groupe.IndiceVertGroupe[2], Groupe.IndiceVertGroupe[1]);
    EXPECT_EQ(Groupe.MatiereGroupe[2], "Diaphragme");
    EXPECT_TRUE(stocke(SaisieRayonGroupe, 1, RayonDiaphragme));
    EXPECT_EQ(Groupe.IndiceVertGroupe[1], IndiceAir(LongueursOnde.LongueurOndeVerte));
    EXPECT_EQ(Groupe.MatiereGroupe[1], "Air - Diaphragme");

    // A radius past the group's last row makes that row the last; the other cells do not.
    EXPECT_TRUE(stocke(SaisieEpaisseurGroupe, 5, 3));
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 3);
    EXPECT_TRUE(stocke(SaisieRayonGroupe, 5, -40));
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 5);

    // The plate glass is the group's first row; the Klevtsov's mirror radius has no row.
    EXPECT_TRUE(StockeEnregistrement({SaisieMatiereLame, 1, "UBK7"}));
    EXPECT_EQ(Groupe.MatiereGroupe[1], "UBK7");
    EXPECT_TRUE(stocke(SaisieRayonLigneMiroir, 0, -500));
    EXPECT_EQ(Instrument.RayonCourbureSecondaire, -500);

    // Outside its table, or a number that the cell cannot hold: nothing is stored.
    const TDioptre dispositif = Dispositif;
    const TDioptreGroupe groupe = Groupe;
    EXPECT_FALSE(stocke(SaisieRayonDioptre, NombreMaxDioptres + 1, 5));
    EXPECT_FALSE(stocke(SaisieRayonGroupe, NombreMaxDioptresGroupe + 1, 5));
    EXPECT_FALSE(StockeEnregistrement({SaisieMatiereGroupe, 0, "F2"}));
    EXPECT_FALSE(stocke(SaisieIndiceRouge, 1, 1e300));
    EXPECT_FALSE(StockeCellule(SaisieDiametreDioptre, 1, NAN));
    EXPECT_FALSE(StockeCellule(SaisieMatiereDioptre, 1, 2));
    EXPECT_EQ(Dispositif.IndiceRouge, dispositif.IndiceRouge);
    EXPECT_EQ(Dispositif.DiametreDioptre, dispositif.DiametreDioptre);
    EXPECT_EQ(Groupe.RayonGroupe, groupe.RayonGroupe);
    EXPECT_EQ(Groupe.MatiereGroupe, groupe.MatiereGroupe);
}

TEST_F(SaisieForme, DiametreDuCorrecteurHoughtonDonneLEntree)
{
    for (const TTypeInstrument forme : {LurieHoughton, HoughtonCassegrain})
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ConstruitFormeValide(forme);
        EXPECT_TRUE(StockeEnregistrement({SaisieDiametreGroupe, 1, "190"}));
        EXPECT_EQ(Groupe.DiametreGroupe[1], 190);
        EXPECT_EQ(Instrument.DiametreEntree, 190);
        EXPECT_TRUE(StockeEnregistrement({SaisieDiametreGroupe, 2, "180"}));
        EXPECT_EQ(Instrument.DiametreEntree, 190);
    }
    ConstruitFormeValide(Lunette);
    const double D = Instrument.DiametreEntree;
    EXPECT_TRUE(StockeEnregistrement({SaisieDiametreGroupe, 1, "90"}));
    EXPECT_EQ(Instrument.DiametreEntree, D);
}

TEST_F(SaisieForme, LigneDeGroupeRetiree)
{
    ConstruitFormeValide(Lunette);
    const double rayon3 = Groupe.RayonGroupe[3];
    const std::string verre3 = Groupe.MatiereGroupe[3];
    Edition.LigneCourante = 3;
    RetireLigneGroupe(2);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 2);
    EXPECT_EQ(Groupe.RayonGroupe[2], rayon3);
    EXPECT_EQ(Groupe.MatiereGroupe[2], verre3);
    EXPECT_EQ(Groupe.RayonGroupe[3], 0);
    EXPECT_EQ(Groupe.EpaisseurGroupe[3], EpaisseurNonSaisie);
    EXPECT_EQ(Groupe.IndiceVertGroupe[3], 0);
    EXPECT_TRUE(Groupe.MatiereGroupe[3].empty());
    EXPECT_EQ(Edition.LigneCourante, 2);

    // A full group: the last row is cleared and nothing past the arrays is read.
    Groupe.NombreDioptresGroupe = NombreMaxDioptresGroupe;
    for (int i = 1; i <= NombreMaxDioptresGroupe; ++i)
        Groupe.RayonGroupe[static_cast<std::size_t>(i)] = 100 + i;
    RetireLigneGroupe(5);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, NombreMaxDioptresGroupe - 1);
    EXPECT_EQ(Groupe.RayonGroupe[5], 106);
    EXPECT_EQ(Groupe.RayonGroupe[12], 113);
    EXPECT_EQ(Groupe.RayonGroupe[13], 0);
}

} // namespace
