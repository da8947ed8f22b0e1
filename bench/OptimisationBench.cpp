// The diameter optimisation of a 30-surface lens device behind a Newton, in three colours: the solve, the aimed
// chief ray and the fifteen rays of the beam.
#include <benchmark/benchmark.h>

#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/OptimisationDiametres.h"
#include "optics/PrepareSysteme.h"
#include "optics/Validite.h"
#include "support/Formes.h"
#include "support/Verres.h"

namespace {

// Fifteen weak BK7 lenses, 3 mm thick with 2 mm of air between them, focusing 100 mm behind the last.
void NewtonTrenteSurfaces()
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    Instrument.DistanceEntreMiroirs = Instrument.FocalePrimaire - Instrument.DistanceSecondaireFoyer;
    for (int lentille = 0; lentille < 15; ++lentille)
    {
        LigneDispositif(2 * lentille + 1, 5000, 3, 40, BK7);
        LigneDispositif(2 * lentille + 2, -5000, lentille == 14 ? 100 : 2, 40, Air);
    }
    Dispositif.NombreDioptres = 30;
    AppliqueIndices();
    VerifieValidite();
    Instrument.CarreRayonPupille = Instrument.DiametreEntree * Instrument.DiametreEntree / 4;
    Instrument.RayonObstructionCarre = Instrument.DiametreSecondaire * Instrument.DiametreSecondaire / 4.0;
    Instrument.DiametreObstruction = Instrument.DiametreSecondaire;
    PrepareSysteme();
}

void BM_OptimiseDiametresTrenteSurfaces(benchmark::State& state)
{
    NewtonTrenteSurfaces();
    if (!Validite.TroisCouleursPossibles || OptimiseDiametres(2).Refus != TRefusOptimisation::Aucun)
    {
        state.SkipWithError("the design does not optimise in three colours");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(OptimiseDiametres(2));
}
BENCHMARK(BM_OptimiseDiametresTrenteSurfaces)->Unit(benchmark::kMillisecond);

} // namespace
