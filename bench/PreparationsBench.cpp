// The set-up of every form on extreme values: each value a user can type, at both ends of what the entry box
// accepts and at values known to have made a set-up run for seconds, stored as a commit stores it and then set up as
// the refresh does. One benchmark per form; "pire (ms)" is its slowest case, which must stay under 100 ms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <initializer_list>

#include "editing/CodesJournal.h"
#include "editing/Stockage.h"
#include "optics/DefautsTypes.h"
#include "optics/Modele.h"
#include "optics/PrepareForme.h"
#include "optics/Validite.h"
#include "support/Formes.h"

namespace {

struct TValeurExtreme
{
    void (*Stocke)(double);
    std::initializer_list<double> Valeurs;
};

void RayonGroupe1(double r)
{
    Groupe.RayonGroupe[1] = r;
}
void RayonGroupe2(double r)
{
    Groupe.RayonGroupe[2] = -r;
}
void EpaisseurGroupe1(double e)
{
    Groupe.EpaisseurGroupe[1] = e;
}
void DiametreMiroir(double d)
{
    StockeDiametreMiroir(SaisieDiametreMiroir, d);
}

// The entry box's limits of each value, a little inside them, and values between.
const TValeurExtreme ValeursExtremes[] = {
    {StockeDiametreEntree, {1.1, 20, 2000, 20303, 49999.9}},
    {StockeFocalePrimaireNewton, {1.1, 30, 99999.9}},
    {StockeFocalePrimaire, {1.1, 30, 2000, 49999.9}},
    {StockeFocaleResultante, {1.1, 150, 2400, 20000, 99999.9}},
    {StockeCoefficientDeformationPrimaire, {-998.9, -1, 998.9}},
    {StockeCoefficientDeformationSecondaire, {-998.9, 998.9}},
    {StockeCoefficientDeformationSecondaire2, {-999999, 999999}},
    {StockeDiametreSecondaire, {1.1, 4999.9}},
    {StockeDistanceSecondaireFoyer, {1.1, 4999.9}},
    {StockeDegagementFoyer, {-4999.9, 0, 653, 4999.9}},
    {StockeDiametreTrouCentral, {1.1, 4999.9}},
    {DiametreMiroir, {1.1, 49999.9}},
    {StockeRayonCourburePrimaireSchmidt, {1.1, 199999.9}},
    {StockeRayonCourburePrimaireMaksutov, {1.1, 333, 350, 365, 812, 9653, 199999.9}},
    {StockeFocaleSchmidt, {1.1, 300, 99999.9}},
    {StockeEpaisseurLame, {0.1, 1000, 49999.9}},
    {StockeCoefficientDeformationLame, {0, 9.9}},
    {StockeDistanceDiaphragmeMiroir, {0.1, 49999.9}},
    {StockeDiametreMenisque, {1.1, 49999.9}},
    {StockeRayonMenisque1, {1.1, 99999.9}},
    {StockeRayonMenisque2, {1.1, 99999.9}},
    {StockeDistanceLameMiroir, {0.1, 300, 49999.9}},
    {StockeCoefficientK, {0, 0.5, 2}},
    {RayonGroupe1, {-99999.9, -1.1, 1.1, 99999.9}},
    {RayonGroupe2, {-99999.9, -1.1, 1.1, 99999.9}},
    {EpaisseurGroupe1, {0, 49999.9}},
};

void PreparationsExtremes(benchmark::State& etat, TTypeInstrument forme)
{
    double pire = 0;
    for (auto _ : etat)
    {
        for (const TValeurExtreme& parametre : ValeursExtremes)
            for (const double valeur : parametre.Valeurs)
            {
                ConstruitFormeValide(forme);
                PrepareForme();
                Systeme.CalculInterrompu = false;
                const auto debut = std::chrono::steady_clock::now();
                parametre.Stocke(valeur);
                VerifieValidite();
                PrepareForme();
                const std::chrono::duration<double, std::milli> duree = std::chrono::steady_clock::now() - debut;
                pire = std::max(pire, duree.count());
            }
    }
    etat.counters["pire (ms)"] = pire;
}

} // namespace

BENCHMARK_CAPTURE(PreparationsExtremes, Newton, TTypeInstrument::Newton)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, Cassegrain, TTypeInstrument::Cassegrain)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, RitcheyChretien, TTypeInstrument::RitcheyChretien)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, Gregory, TTypeInstrument::Gregory)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, Schmidt, TTypeInstrument::Schmidt)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, SchmidtCassegrain, TTypeInstrument::SchmidtCassegrain)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, Maksutov, TTypeInstrument::Maksutov)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, MaksutovCassegrain, TTypeInstrument::MaksutovCassegrain)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, Lunette, TTypeInstrument::Lunette)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, Schwarzschild, TTypeInstrument::Schwarzschild)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, MaksutovNewton, TTypeInstrument::MaksutovNewton)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, DallKirkham, TTypeInstrument::DallKirkham)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, KlevtsovCassegrain, TTypeInstrument::KlevtsovCassegrain)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, LurieHoughton, TTypeInstrument::LurieHoughton)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, HoughtonCassegrain, TTypeInstrument::HoughtonCassegrain)->Iterations(1);
BENCHMARK_CAPTURE(PreparationsExtremes, SchmidtNewton, TTypeInstrument::SchmidtNewton)->Iterations(1);
