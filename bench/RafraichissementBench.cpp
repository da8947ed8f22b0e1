// The central refresh of the view "Tableau", as every press, release and arrow step of the tables runs it: the
// design recomputed and the sheet drawn whole, for a Newton, a Klevtsov whose lens group has all its 13 rows and a
// refractor, each with a lens device of 30 surfaces.
#include <benchmark/benchmark.h>

#include "ApplicationHorsEcran.h"
#include "app/Etat.h"
#include "app/Rafraichissement.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "platform/CanevasImage.h"
#include "sheet/Fiche.h"
#include "sheet/TableauGroupe.h"
#include "support/Formes.h"

#include <memory>
#include <vector>

namespace {

// Weak BK7 menisci 1 mm apart behind the focus, the last 100 mm before the image.
void DispositifTrenteDioptres()
{
    Dispositif.NombreDioptres = NombreMaxDioptres;
    for (int i = 1; i <= NombreMaxDioptres; ++i)
    {
        const bool verre = i % 2 == 1;
        Dispositif.RayonDioptre[i] = verre ? 2000.0 : 2100.0;
        Dispositif.EpaisseurDioptre[i] = verre ? 2.0 : 1.0;
        Dispositif.DiametreDioptre[i] = 30;
        Dispositif.IndiceRouge[i + 1] = verre ? 1.51432f : IndiceAir(LongueursOnde.LongueurOndeRouge);
        Dispositif.IndiceVert[i + 1] = verre ? 1.51872f : IndiceAir(LongueursOnde.LongueurOndeVerte);
        Dispositif.IndiceBleu[i + 1] = verre ? 1.52283f : IndiceAir(LongueursOnde.LongueurOndeBleue);
        Dispositif.MatiereDioptre[i + 1] = verre ? "BK7" : "Air";
    }
    Dispositif.EpaisseurDioptre[NombreMaxDioptres] = 100;
}

// The Klevtsov's group of the test design carried on to 13 rows of weak BK7 lenses.
void GroupeTreizeLignes()
{
    TDioptreGroupe& g = Groupe;
    for (int i = g.NombreDioptresGroupe + 1; i <= NombreMaxDioptresGroupe; ++i)
    {
        const bool verre = i % 2 == 1;
        g.RayonGroupe[i] = verre ? -3000.0 : -3100.0;
        g.EpaisseurGroupe[i] = verre ? 2.0 : 1.0;
        g.DiametreGroupe[i] = g.DiametreGroupe[1];
        g.IndiceRougeGroupe[i] = verre ? 1.51432f : IndiceAir(LongueursOnde.LongueurOndeRouge);
        g.IndiceVertGroupe[i] = verre ? 1.51872f : IndiceAir(LongueursOnde.LongueurOndeVerte);
        g.IndiceBleuGroupe[i] = verre ? 1.52283f : IndiceAir(LongueursOnde.LongueurOndeBleue);
        g.MatiereGroupe[i] = verre ? "BK7" : "Air";
    }
    g.NombreDioptresGroupe = NombreMaxDioptresGroupe;
}

void Rafraichit(benchmark::State& etat, TTypeInstrument forme)
{
    ApplicationHorsEcran();
    if (forme == TTypeInstrument::Newton)
        NewtonAvecPlan();
    else
        ConstruitFormeValide(forme);
    if (forme == TTypeInstrument::KlevtsovCassegrain)
        GroupeTreizeLignes();
    DispositifTrenteDioptres();
    AppliqueIndices();
    // The page's images, as the main window gives them.
    std::vector<std::unique_ptr<TCanevasImage>> images;
    const auto image = [&images](int largeur, int hauteur) {
        images.push_back(std::make_unique<TCanevasImage>(largeur, hauteur));
        return images.back().get();
    };
    ImagesFiche = {image(800, 800), image(762, 16 * NombreMaxDioptres + 49),
                   image(762, 17),  image(762, 17),
                   image(449, 17),  image(762, 48),
                   image(55, 17)};
    ImagesGroupe = {image(762, 284), image(75, 17), image(762, 17), image(47, 17)};
    Controles = TControlesFiche{};
    Etat.VueCourante = TVue::Tableau;
    for (auto _ : etat)
    {
        Edition.AMettreAJour = true;
        RafraichitVue();
    }
    ImagesFiche = TImagesFiche{};
    ImagesGroupe = TImagesGroupe{};
}

BENCHMARK_CAPTURE(Rafraichit, Newton, TTypeInstrument::Newton)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rafraichit, Klevtsov, TTypeInstrument::KlevtsovCassegrain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rafraichit, Lunette, TTypeInstrument::Lunette)->Unit(benchmark::kMillisecond);

} // namespace
