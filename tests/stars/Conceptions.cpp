// The designs the star views are tried on.
#include "Conceptions.h"

#include <cmath>

#include "optics/Diffraction.h"
#include "optics/FormulesSchmidt.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "support/Formes.h"

namespace {

constexpr float BK7Rouge = 1.51432f;
constexpr float BK7Vert = 1.51872f;
constexpr float BK7Bleu = 1.52283f;

// Row i of the device; the medium behind it is BK7 or air.
void Ligne(int i, double rayon, double epaisseur, double diametre, bool verre)
{
    Dispositif.RayonDioptre[i] = rayon;
    Dispositif.EpaisseurDioptre[i] = epaisseur;
    Dispositif.DiametreDioptre[i] = diametre;
    Dispositif.IndiceRouge[i + 1] = verre ? BK7Rouge : IndiceAir(LongueursOnde.LongueurOndeRouge);
    Dispositif.IndiceVert[i + 1] = verre ? BK7Vert : IndiceAir(LongueursOnde.LongueurOndeVerte);
    Dispositif.IndiceBleu[i + 1] = verre ? BK7Bleu : IndiceAir(LongueursOnde.LongueurOndeBleue);
    Dispositif.MatiereDioptre[i + 1] = verre ? "BK7" : "Air";
}

// What the central refresh sets before a view: the pupil, the instrument's own focal length (the paraboloid's),
// the solved system and the Airy radius.
void Termine()
{
    AppliqueIndices();
    VerifieValidite();
    Instrument.FocaleObjectif = Instrument.FocalePrimaire;
    Instrument.CarreRayonPupille = Instrument.DiametreEntree * Instrument.DiametreEntree / 4.0;
    PrepareSysteme();
    CalculeTacheDiffraction();
}

void Newton(bool plan)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    Instrument.DiametreSecondaire = plan ? 50.0f : 0.0f;
    Instrument.DistanceSecondaireFoyer = plan ? 150 : 0;
    Instrument.DistanceEntreMiroirs = 1000 - Instrument.DistanceSecondaireFoyer;
    Instrument.DiametreObstruction = Instrument.DiametreSecondaire;
    Instrument.RayonObstructionCarre = std::pow(Instrument.DiametreSecondaire / 2.0, 2);
}

} // namespace

void NewtonEtoiles(bool plan)
{
    Newton(plan);
    Termine();
}

void NewtonOculaire()
{
    Newton(true);
    Dispositif.NombreDioptres = 2;
    Ligne(1, RayonPlan, 3, 20, true);
    // f = R / (n - 1) = 25 mm.
    Ligne(2, -25.0 * (BK7Vert - 1.0), EpaisseurInfinie, 20, false);
    Termine();
}

void NewtonPetiteSphere()
{
    Newton(true);
    Dispositif.NombreDioptres = 1;
    Ligne(1, 2.0, 50, 4, false);
    Termine();
}

void SchmidtEtoiles()
{
    ConstruitFormeValide(TTypeInstrument::Schmidt);
    CalculeSchmidt();
    Termine();
}

void NewtonDispositif(int nombre)
{
    Newton(true);
    Dispositif.NombreDioptres = nombre;
    for (int i = 1; i <= nombre; ++i)
    {
        const bool verre = i % 2 == 1;
        Ligne(i, verre ? 2000.0 : 2100.0, verre ? 2.0 : 1.0, 40, verre);
    }
    Dispositif.EpaisseurDioptre[nombre] = 60;
    Termine();
}
