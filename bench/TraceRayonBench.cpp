// Throughput of TraceRayon: rays and ray-surface steps per second on three layouts and on the test
// design of every form, and the heap allocations made per ray (there should be none).
#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

#include "optics/DefautsTypes.h"
#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "support/Formes.h"

namespace {
std::atomic<long> Allocations{0};
}

// Kept out of line, so that the compiler pairs each free with this replacement of operator new.
[[gnu::noinline]] void* operator new(std::size_t taille)
{
    Allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(taille == 0 ? 1 : taille))
        return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept
{
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

void Primaire(double rayon, double conique)
{
    Instrument.RayonCourburePrimaire = rayon;
    Instrument.RayonPrimaireCube = rayon * rayon * rayon;
    Instrument.RayonPrimairePuissance5 = rayon * rayon * rayon * rayon * rayon;
    Instrument.FocalePrimaire = rayon / 2.0;
    Instrument.CoefficientDeformationPrimaire = conique;
    Instrument.CoefficientDeformationPrimaire2 = -1;
}

// `nombre` surfaces of thin singlets in turn convex and concave, the first at z = `debut`.
void PlaceDispositif(int nombre, double debut)
{
    Validite.DispositifValide = true;
    Dispositif.NombreDioptres = nombre;
    Dispositif.IndiceTrace[1] = 1.0f;
    for (int i = 1; i <= nombre; ++i)
    {
        const double rayon = (i % 2 ? 1.0 : -1.0) * (80.0 + 10.0 * i);
        Dispositif.RayonDioptre[i] = rayon;
        Dispositif.SommetDioptre[i] = debut + 6.0 * i;
        Dispositif.CentreDioptre[i] = Dispositif.SommetDioptre[i] + rayon;
        Dispositif.CarreDemiDiametre[i] = 40.0 * 40.0;
        Dispositif.IndiceTrace[i + 1] = i % 2 ? 1.52f : 1.0f;
    }
}

// Newton D 200, F1 1000, paraboloid, with four lenses 20 mm beyond the focus.
int NewtonQuatreLentilles()
{
    ReinitialiseEtat();
    Instrument.TypeInstrument = TTypeInstrument::Newton;
    Validite.InstrumentValide = true;
    Instrument.DiametreEntree = 200;
    Primaire(2000, -1);
    Instrument.DiametreObstruction = 50;
    Instrument.DistanceSecondaireFoyer = 150;
    Instrument.DistanceEntreMiroirs = 850;
    Instrument.RayonObstructionCarre = 625;
    PlaceDispositif(8, 1020);
    return 1 + 8;
}

// Cassegrain D 200, F1 1000, F 4000, B 200: paraboloid and hyperboloid, no device.
int Cassegrain()
{
    ReinitialiseEtat();
    Instrument.TypeInstrument = TTypeInstrument::Cassegrain;
    Validite.InstrumentValide = true;
    Instrument.DiametreEntree = 200;
    Primaire(2000, -1);
    Instrument.CoefficientDeformationSecondaire = -25.0 / 9.0;
    Instrument.CoefficientDeformationSecondaire2 = -1;
    Instrument.RayonCourbureSecondaire = 640;
    Dispositif.CentreDioptre[0] = 1400;
    Instrument.DistanceEntreMiroirs = 760;
    Instrument.DegagementFoyer = 200;
    Instrument.DiametreSecondaire = 60;
    Instrument.DiametreObstruction = 60;
    Instrument.DistanceSecondaireFoyer = 240;
    Instrument.RayonObstructionCarre = 900;
    Instrument.DiametreTrouCentral = 50;
    Systeme.PositionFoyer = 200;
    return 2;
}

// A refractor whose objective is a stack of ten surfaces.
int LunetteDixSurfaces()
{
    ReinitialiseEtat();
    Instrument.TypeInstrument = TTypeInstrument::Lunette;
    Validite.InstrumentValide = true;
    Instrument.DiametreEntree = 100;
    Groupe.NombreDioptresGroupe = 10;
    Groupe.IndiceTraceGroupe[0] = 1.0f;
    for (int i = 1; i <= 10; ++i)
    {
        const double rayon = (i % 2 ? 1.0 : -1.0) * (400.0 + 50.0 * i);
        Groupe.RayonGroupe[i] = rayon;
        Groupe.SommetGroupe[i] = 8.0 * i;
        Groupe.CentreGroupe[i] = Groupe.SommetGroupe[i] + rayon;
        Groupe.CarreDemiDiametreGroupe[i] = 55.0 * 55.0;
        Groupe.IndiceTraceGroupe[i] = i % 2 ? 1.6f : 1.0f;
    }
    return 10;
}

// A fan of 12 x 12 pupil points across the aperture, 0.2 degree off axis, on the design in place,
// whose rays each cross `surfaces` surfaces.
void TraceEventail(benchmark::State& etat, int surfaces)
{
    const double rayonPupille = Instrument.DiametreEntree / 2.0;
    const double angle = 0.2 * 3.14159265358979323846 / 180.0;
    constexpr int Cote = 12;
    long rayons = 0;
    // The pupil's coordinates are worked out before the timing: a division per ray here sat at the
    // head of every ray's chain of dependent operations and was timed as if it were the tracer's.
    std::array<double, Cote> pupille{};
    for (int i = 0; i < Cote; ++i)
        pupille[static_cast<std::size_t>(i)] = rayonPupille * (2.0 * i / (Cote - 1) - 1.0) * 0.95;
    const long allocationsAvant = Allocations.load();
    for (auto _ : etat)
    {
        for (int i = 0; i < Cote; ++i)
        {
            for (int j = 0; j < Cote; ++j)
            {
                TRayon& r = Rayon;
                r.XDepart = pupille[static_cast<std::size_t>(i)];
                r.YDepart = pupille[static_cast<std::size_t>(j)];
                r.AngleChamp = angle;
                r.SinusAngleChamp = std::sin(angle);
                r.CosinusAngleChamp = std::cos(angle);
                r.EstRayonReference = false;
                r.RayonPerdu = r.RayonBloque = r.ArretDispositif = r.VignettageDispositif = false;
                r.ArretGroupe = r.HorsSecondaire = r.DansTrouCentral = r.ArretBordTrou = false;
                TraceRayon();
                benchmark::DoNotOptimize(r.XRayon);
                ++rayons;
            }
        }
    }
    const double allocations = static_cast<double>(Allocations.load() - allocationsAvant);
    etat.counters["rayons/s"] = benchmark::Counter(static_cast<double>(rayons), benchmark::Counter::kIsRate);
    etat.counters["surfaces/s"] =
        benchmark::Counter(static_cast<double>(rayons) * surfaces, benchmark::Counter::kIsRate);
    etat.counters["allocations/rayon"] = rayons > 0 ? allocations / static_cast<double>(rayons) : 0.0;
}

void NewtonEtQuatreLentilles(benchmark::State& etat)
{
    TraceEventail(etat, NewtonQuatreLentilles());
}
void CassegrainSeul(benchmark::State& etat)
{
    TraceEventail(etat, Cassegrain());
}
void ObjectifDeDixSurfaces(benchmark::State& etat)
{
    TraceEventail(etat, LunetteDixSurfaces());
}

// The surfaces a ray crosses in the pass of the design in place: mirrors, plate faces and group
// rows; the flats, tested for their shadow only, are not crossed.
int SurfacesInstrument()
{
    const int groupe = NombreSurfacesGroupe();
    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Newton: return 1;
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::DallKirkham:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::Schwarzschild: return 2;
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtNewton:
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton: return 3;
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::MaksutovCassegrain: return 4;
    case TTypeInstrument::Lunette: return groupe;
    case TTypeInstrument::KlevtsovCassegrain: return 2 * groupe + 2;
    case TTypeInstrument::LurieHoughton: return groupe + 1;
    case TTypeInstrument::HoughtonCassegrain: return groupe + 2;
    case TTypeInstrument::Aucun: break;
    }
    return 0;
}

// The test design of each form, derived as the refresh does, without a device.
void TraceForme(benchmark::State& etat)
{
    const TTypeInstrument forme = FormesInstrument[static_cast<std::size_t>(etat.range(0))];
    etat.SetLabel(NomTypeInstrument(forme));
    ConstruitFormeDerivee(forme);
    if (!Validite.InstrumentValide)
    {
        etat.SkipWithError("the design is not valid");
        return;
    }
    TraceEventail(etat, SurfacesInstrument());
}

} // namespace

BENCHMARK(NewtonEtQuatreLentilles);
BENCHMARK(CassegrainSeul);
BENCHMARK(ObjectifDeDixSurfaces);
BENCHMARK(TraceForme)->DenseRange(0, static_cast<int>(FormesInstrument.size()) - 1);
