// The field analysis drawn into a screen image, as every redraw and every move of the cross-hair does it: 21
// positions in three colours through a Newton and a lens device of 30 surfaces, the size and luminosity curves, the
// scales and the figures.
#include <benchmark/benchmark.h>

#include "ApplicationHorsEcran.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "platform/CanevasImage.h"
#include "stars/Champ.h"
#include "stars/GrapheChamp.h"
#include "support/Formes.h"

namespace {

// Newton 200/1000 with a 50 mm flat; behind its focus 15 thin F2 lenses of 30 mm, 3 mm apart, nearly afocal each.
void NewtonTrenteDioptres()
{
    NewtonAvecPlan();
    constexpr float F2[] = {1.61503f, 1.62408f, 1.63208f};
    Dispositif.NombreDioptres = NombreMaxDioptres;
    for (int lentille = 0; lentille < NombreMaxDioptres / 2; ++lentille)
    {
        const int face = 2 * lentille + 1;
        Dispositif.RayonDioptre[face] = 3000.0 + 10.0 * lentille;
        Dispositif.RayonDioptre[face + 1] = -3000.0;
        Dispositif.EpaisseurDioptre[face] = 1.5;
        Dispositif.EpaisseurDioptre[face + 1] = 3.0;
        Dispositif.DiametreDioptre[face] = Dispositif.DiametreDioptre[face + 1] = 30.0;
        Dispositif.IndiceRouge[face + 1] = F2[0];
        Dispositif.IndiceVert[face + 1] = F2[1];
        Dispositif.IndiceBleu[face + 1] = F2[2];
        Dispositif.MatiereDioptre[face + 1] = "F2";
        Dispositif.IndiceRouge[face + 2] = IndiceAir(LongueursOnde.LongueurOndeRouge);
        Dispositif.IndiceVert[face + 2] = IndiceAir(LongueursOnde.LongueurOndeVerte);
        Dispositif.IndiceBleu[face + 2] = IndiceAir(LongueursOnde.LongueurOndeBleue);
        Dispositif.MatiereDioptre[face + 2] = "Air";
    }
    Dispositif.EpaisseurDioptre[NombreMaxDioptres] = 40.0;
    AppliqueIndices();
    VerifieValidite();
    Instrument.FocaleObjectif = Instrument.FocalePrimaire;
    Instrument.CarreRayonPupille = Instrument.DiametreEntree * Instrument.DiametreEntree / 4.0;
    Reglages.AnalyseChromatique = true;
    Reglages.ChampLineaire = false;
    Reglages.RayonChampAngulaire = 30;
    Reglages.AmplitudeChamp = 12;
}

void AnalyseDuChamp(benchmark::State& etat)
{
    ApplicationHorsEcran();
    NewtonTrenteDioptres();
    TCanevasImage image(762, 550);
    TFenetreChamp fenetre;
    fenetre.Dessin = &image;
    fenetre.CourbeAffichee = true;
    for (auto _ : etat)
        DessineAnalyseChamp(fenetre);
    if (!fenetre.CopieActive || Systeme.NombreCouleurs != 3 || !(ResultatsChamp[20].Luminosite > 0.1))
        etat.SkipWithError("the field analysis was not drawn in three colours");
    etat.counters["rayons"] = NombrePositionsChamp * (1.0 + 3.0 * RayonsEventailChamp);
}
BENCHMARK(AnalyseDuChamp)->Unit(benchmark::kMillisecond);

// The design above, solved and its field drawn once, as the window has it before any redraw.
void ChampPret(TCanevasImage& image)
{
    ApplicationHorsEcran();
    NewtonTrenteDioptres();
    TFenetreChamp fenetre;
    fenetre.Dessin = &image;
    fenetre.CourbeAffichee = true;
    DessineAnalyseChamp(fenetre);
}

// The field analysis alone, computed again and again: the speed the tracer has when nothing else runs.
void AnalyseSeule(benchmark::State& etat)
{
    TCanevasImage image(762, 550);
    ChampPret(image);
    for (auto _ : etat)
        benchmark::DoNotOptimize(CalculeAnalyseChamp());
    if (Systeme.NombreCouleurs != 3 || !(ResultatsChamp[20].Luminosite > 0.1))
        etat.SkipWithError("the field analysis was not computed in three colours");
}
BENCHMARK(AnalyseSeule)->Unit(benchmark::kMillisecond);

// The same computation right after Qt has drawn texts and lines, as a redraw of the window runs it: only the
// computation is timed, and it must keep the speed it has alone.
void AnalyseApresDessin(benchmark::State& etat)
{
    TCanevasImage image(762, 550);
    ChampPret(image);
    for (auto _ : etat)
    {
        etat.PauseTiming();
        image.FillRect(0, 0, image.Largeur(), image.Hauteur());
        for (int ligne = 0; ligne < 20; ++ligne)
        {
            image.TextOut(10, 20 * ligne, "Taille de l'image 12,5 microns");
            image.MoveTo(0, 20 * ligne);
            image.LineTo(700, 20 * ligne + 7);
        }
        etat.ResumeTiming();
        benchmark::DoNotOptimize(CalculeAnalyseChamp());
    }
    if (Systeme.NombreCouleurs != 3 || !(ResultatsChamp[20].Luminosite > 0.1))
        etat.SkipWithError("the field analysis was not computed in three colours");
}
BENCHMARK(AnalyseApresDessin)->Unit(benchmark::kMillisecond);

// The same computation right after the window has drawn the whole view, its curves, scales and texts, as the
// cross-hair's moves run it.
void AnalyseApresVue(benchmark::State& etat)
{
    TCanevasImage image(762, 550);
    ChampPret(image);
    TFenetreChamp fenetre;
    fenetre.Dessin = &image;
    fenetre.CourbeAffichee = true;
    for (auto _ : etat)
    {
        etat.PauseTiming();
        DessineAnalyseChamp(fenetre);
        etat.ResumeTiming();
        benchmark::DoNotOptimize(CalculeAnalyseChamp());
    }
    if (Systeme.NombreCouleurs != 3 || !(ResultatsChamp[20].Luminosite > 0.1))
        etat.SkipWithError("the field analysis was not computed in three colours");
}
BENCHMARK(AnalyseApresVue)->Unit(benchmark::kMillisecond);

} // namespace
