// The star views drawn into a screen image on a Newton with a lens device of 30 surfaces (or 8, four lenses): the
// six stars at their default density in three colours, the single star with its transverse curves at its default
// density and at the densest setting, on the machine's threads and on one.
#include <benchmark/benchmark.h>

#include "ApplicationHorsEcran.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "platform/CanevasImage.h"
#include "stars/EtoileMultiple.h"
#include "stars/EtoileUnique.h"
#include "stars/MecaniqueEtoiles.h"
#include "support/Formes.h"

namespace {

// Newton D 200, F1 1000 with its flat, and `nombre` surfaces: weak BK7 menisci 1 mm apart, 60 mm to the image.
void NewtonDispositif(int nombre)
{
    ApplicationHorsEcran();
    NewtonAvecPlan();
    Dispositif.NombreDioptres = nombre;
    for (int i = 1; i <= nombre; ++i)
    {
        const bool verre = i % 2 == 1;
        Dispositif.RayonDioptre[i] = verre ? 2000.0 : 2100.0;
        Dispositif.EpaisseurDioptre[i] = verre ? 2.0 : 1.0;
        Dispositif.DiametreDioptre[i] = 40;
        Dispositif.IndiceRouge[i + 1] = verre ? 1.51432f : IndiceAir(LongueursOnde.LongueurOndeRouge);
        Dispositif.IndiceVert[i + 1] = verre ? 1.51872f : IndiceAir(LongueursOnde.LongueurOndeVerte);
        Dispositif.IndiceBleu[i + 1] = verre ? 1.52283f : IndiceAir(LongueursOnde.LongueurOndeBleue);
        Dispositif.MatiereDioptre[i + 1] = verre ? "BK7" : "Air";
    }
    Dispositif.EpaisseurDioptre[nombre] = 60;
    AppliqueIndices();
    VerifieValidite();
    Instrument.FocaleObjectif = Instrument.FocalePrimaire;
    Instrument.CarreRayonPupille = Instrument.DiametreEntree * Instrument.DiametreEntree / 4.0;
    Reglages.AnalyseChromatique = true;
}

void SixEtoiles(benchmark::State& etat)
{
    NewtonDispositif(NombreMaxDioptres);
    TCanevasImage image(762, 550);
    TFenetreEtoiles fenetre;
    fenetre.Dessin = &image;
    for (auto _ : etat)
        DessineEtoileMultiple(fenetre);
    etat.counters["rayons"] = Systeme.NombreRayonsTraces * 6.0;
    if (!fenetre.DessinVisible || Systeme.NombreCouleurs != 3)
        etat.SkipWithError("the six stars were not drawn in three colours");
}
BENCHMARK(SixEtoiles)->Unit(benchmark::kMillisecond);

void EtoileUnique(benchmark::State& etat)
{
    NewtonDispositif(static_cast<int>(etat.range(1)));
    Reglages.DistanceAxeEtoile = 10;
    Reglages.DensiteEtoileUnique = static_cast<int>(etat.range(0));
    // A third argument of 1 keeps the tracing on one thread; by default it takes the machine's threads.
    const int filsMachine = FilsEtoiles;
    if (etat.range(2) > 0)
        FilsEtoiles = static_cast<int>(etat.range(2));
    TCanevasImage image(762, 550);
    TCanevasImage boite(50, 17);
    TFenetreEtoiles fenetre;
    fenetre.Dessin = &image;
    fenetre.BoiteDistance = &boite;
    fenetre.Transversales = true;
    for (auto _ : etat)
        DessineEtoileUnique(fenetre);
    FilsEtoiles = filsMachine;
    etat.counters["rayons"] = Systeme.NombreRayonsTraces;
    if (!fenetre.DessinVisible || Systeme.NombreCouleurs != 3)
        etat.SkipWithError("the single star was not drawn in three colours");
}
BENCHMARK(EtoileUnique)
    ->Args({15, 30, 0})
    ->Args({499, 30, 0})
    ->Args({499, 30, 1})
    ->Args({499, 8, 0})
    ->Unit(benchmark::kMillisecond);

} // namespace
