// The view "Instrument" drawn into a screen image, for each form that has a section: without a device and with one
// of 30 surfaces, and with 30 surfaces only 6 mm wide, so that every edge ray is moved in by 0.1 mm steps.
#include <benchmark/benchmark.h>

#include "ApplicationHorsEcran.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "platform/CanevasImage.h"
#include "sections/Cadre.h"
#include "sections/CoupeInstrument.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <array>
#include <string>

namespace {

struct TFormeBanc
{
    const char* Nom;
    TTypeInstrument Type;
    // The Schmidt-Cassegrain without secondary, the Schmidt-Newton without flat (its plate then beyond the focus), the
    // refractor and the Klevtsov with a group of 13 surfaces.
    bool Variante = false;
    // The narrow device's last surface this far before the image: far enough that even an f/20 beam is wider than
    // its lenses, near enough that the Newton's device stays beyond its flat.
    double Tirage = 100;
};

constexpr std::array<TFormeBanc, 20> Formes = {{
    {"Newton", TTypeInstrument::Newton, false, 60},
    {"Cassegrain", TTypeInstrument::Cassegrain},
    {"RitcheyChretien", TTypeInstrument::RitcheyChretien},
    {"Gregory", TTypeInstrument::Gregory},
    {"DallKirkham", TTypeInstrument::DallKirkham},
    {"Schwarzschild", TTypeInstrument::Schwarzschild},
    {"SchmidtCassegrain", TTypeInstrument::SchmidtCassegrain},
    {"SchmidtCassegrainSansSecondaire", TTypeInstrument::SchmidtCassegrain, true, 100},
    {"Schmidt", TTypeInstrument::Schmidt},
    {"SchmidtNewton", TTypeInstrument::SchmidtNewton},
    {"SchmidtNewtonDroit", TTypeInstrument::SchmidtNewton, true, 100},
    {"LurieHoughton", TTypeInstrument::LurieHoughton},
    {"Maksutov", TTypeInstrument::Maksutov},
    {"MaksutovNewton", TTypeInstrument::MaksutovNewton},
    {"MaksutovCassegrain", TTypeInstrument::MaksutovCassegrain},
    {"HoughtonCassegrain", TTypeInstrument::HoughtonCassegrain},
    {"Lunette", TTypeInstrument::Lunette},
    {"KlevtsovCassegrain", TTypeInstrument::KlevtsovCassegrain},
    {"Lunette13", TTypeInstrument::Lunette, true},
    {"Klevtsov13", TTypeInstrument::KlevtsovCassegrain, true},
}};

// Row i of the lens group, of BK7 or air.
void LigneGroupe(int i, double rayon, double epaisseur, double diametre, bool verre)
{
    Groupe.RayonGroupe[i] = rayon;
    Groupe.EpaisseurGroupe[i] = epaisseur;
    Groupe.DiametreGroupe[i] = diametre;
    Groupe.IndiceRougeGroupe[i] = verre ? 1.51432f : IndiceAir(LongueursOnde.LongueurOndeRouge);
    Groupe.IndiceVertGroupe[i] = verre ? 1.51872f : IndiceAir(LongueursOnde.LongueurOndeVerte);
    Groupe.IndiceBleuGroupe[i] = verre ? 1.52283f : IndiceAir(LongueursOnde.LongueurOndeBleue);
    Groupe.MatiereGroupe[i] = verre ? "BK7" : "Air";
}

// The Klevtsov's secondary sends its beam converging behind the primary, and its group passes the beam; with 13
// surfaces the group's first meniscus is followed by weak lenses 1 mm thick, the last one silvered as the secondary.
// The refractor's 13 surfaces are its doublet followed by weak lenses.
void GroupeDeLaForme(const TFormeBanc& forme)
{
    const bool klevtsov = forme.Type == TTypeInstrument::KlevtsovCassegrain;
    if (klevtsov)
    {
        Instrument.RayonCourbureSecondaire = forme.Variante ? 1600 : 800;
        Instrument.DiametreSecondaire = 80;
        Groupe.DiametreGroupe[1] = 80;
        Groupe.DiametreGroupe[2] = 80;
    }
    if (!forme.Variante)
        return;
    Groupe.NombreDioptresGroupe = NombreMaxDioptresGroupe;
    const int debut = klevtsov ? 2 : 3;
    Groupe.EpaisseurGroupe[debut] = 1;
    for (int i = debut + 1; i <= NombreMaxDioptresGroupe; ++i)
    {
        // The Klevtsov's glass follows the odd surfaces, the refractor's the even ones, its last medium air.
        const bool verre = klevtsov ? i % 2 == 1 : i % 2 == 0 && i < NombreMaxDioptresGroupe;
        LigneGroupe(i, (klevtsov ? -1 : 1) * (verre ? 5000 : 5200), 1, 80, verre);
    }
    if (klevtsov)
        Groupe.EpaisseurGroupe[NombreMaxDioptresGroupe] = 5;
    else
        Groupe.EpaisseurGroupe[NombreMaxDioptresGroupe] = 0;
}

// The form's test design derived as the refresh does, with `nombre` device surfaces (weak BK7 menisci 1 mm apart,
// the last `tirage` mm before the image) of that diameter.
void Prepare(const TFormeBanc& forme, int nombre, double diametre, double tirage)
{
    ApplicationHorsEcran();
    ConstruitFormeValide(forme.Type);
    // The camera's mirror wide enough for a fully illuminated field, so that the device's rays are drawn.
    if (forme.Type == TTypeInstrument::Maksutov)
        Instrument.DiametreMiroir = 140;
    GroupeDeLaForme(forme);
    if (forme.Variante && forme.Type != TTypeInstrument::Lunette && forme.Type != TTypeInstrument::KlevtsovCassegrain)
    {
        Instrument.DiametreSecondaire = 0;
        Instrument.DistanceSecondaireFoyer = 0;
        if (forme.Type == TTypeInstrument::SchmidtNewton)
            Instrument.DistanceLameMiroir = 1998;
    }
    Dispositif.NombreDioptres = std::max(nombre, 1);
    for (int i = 1; i <= nombre; ++i)
    {
        const bool verre = i % 2 == 1;
        Dispositif.RayonDioptre[i] = verre ? 2000.0 : 2100.0;
        Dispositif.EpaisseurDioptre[i] = verre ? 2.0 : 1.0;
        Dispositif.DiametreDioptre[i] = diametre;
        Dispositif.IndiceRouge[i + 1] = verre ? 1.51432f : IndiceAir(LongueursOnde.LongueurOndeRouge);
        Dispositif.IndiceVert[i + 1] = verre ? 1.51872f : IndiceAir(LongueursOnde.LongueurOndeVerte);
        Dispositif.IndiceBleu[i + 1] = verre ? 1.52283f : IndiceAir(LongueursOnde.LongueurOndeBleue);
        Dispositif.MatiereDioptre[i + 1] = verre ? "BK7" : "Air";
    }
    if (nombre > 0)
        Dispositif.EpaisseurDioptre[nombre] = tirage;
    AppliqueIndices();
    RederiveForme();
    Controles = TControlesFiche{};
    Controles.Dessin.Width = 762;
    Edition.AMettreAJour = true;
}

void Dessine(benchmark::State& etat, const TFormeBanc& forme, int nombre, double diametre, double tirage)
{
    Prepare(forme, nombre, diametre, tirage);
    if (!Validite.InstrumentValide || (nombre > 0 && !Validite.DispositifValide))
    {
        etat.SkipWithError("the design is not valid");
        return;
    }
    TCanevasImage image(762, 550);
    for (auto _ : etat)
        DessineCoupeInstrument(image);
    if (!Controles.Dessin.Visible || !Validite.InstrumentValide)
        etat.SkipWithError("the section was not drawn");
    else if (nombre > 0 && (Systeme.CalculInterrompu || Rayon.RayonPerdu))
        etat.SkipWithError("the edge rays were not traced");
    else if (diametre < 10 && !Rayon.VignettageDispositif && !VignettageSecondaire)
        etat.SkipWithError("the edge rays did not retreat");
}

void CoupeInstrument(benchmark::State& etat)
{
    const TFormeBanc& forme = Formes[static_cast<std::size_t>(etat.range(0))];
    etat.SetLabel(forme.Nom);
    Dessine(etat, forme, static_cast<int>(etat.range(1)), 40, 60);
}
BENCHMARK(CoupeInstrument)
    ->ArgsProduct({benchmark::CreateDenseRange(0, static_cast<int>(Formes.size()) - 1, 1), {0, NombreMaxDioptres}})
    ->Unit(benchmark::kMillisecond);

void CoupeInstrumentVignettee(benchmark::State& etat)
{
    const TFormeBanc& forme = Formes[static_cast<std::size_t>(etat.range(0))];
    etat.SetLabel(forme.Nom);
    Dessine(etat, forme, NombreMaxDioptres, 6, forme.Tirage);
}
BENCHMARK(CoupeInstrumentVignettee)
    ->DenseRange(0, static_cast<int>(Formes.size()) - 1, 1)
    ->Unit(benchmark::kMillisecond);

// The Maksutov camera's curved field with a star 20 minutes off the axis: the chief ray and the two edge paths
// traced, the image found on the field and read out.
void CoupeMaksutovHorsAxe(benchmark::State& etat)
{
    ApplicationHorsEcran();
    ConstruitFormeValide(TTypeInstrument::Maksutov);
    Instrument.DiametreMiroir = 140;
    Instrument.ChampCourbe = true;
    RederiveForme();
    Reglages.DistanceAxeEtoile = 20;
    Controles = TControlesFiche{};
    Controles.Dessin.Width = 762;
    Controles.BoxDistance.Width = 50;
    Edition.AMettreAJour = true;
    TCanevasImage image(762, 550);
    TCanevasImage boite(50, 17);
    for (auto _ : etat)
        DessineCoupeInstrument(image, &boite);
    if (!Controles.BoxDistance.Visible || Systeme.HauteurImagePrincipale == 0)
        etat.SkipWithError("the star's image was not read out");
}
BENCHMARK(CoupeMaksutovHorsAxe)->Unit(benchmark::kMillisecond);

} // namespace
