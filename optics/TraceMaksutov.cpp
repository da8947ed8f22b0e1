// Maksutov forms: the meniscus (group rows 1 and 2), the primary, its edge and the obstruction
// tests of the form. Entry frame: origin at the aperture stop, DistanceDiaphragmeMiroir before the
// primary's vertex, z towards the mirror. Exit frame: origin at the mirror's vertex, z back
// towards the meniscus.
#include "optics/TraceMaksutov.h"

#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"

namespace {

// The flat (or secondary) at the plane `plan` of the mirror frame: its shadow on the entering
// beam, taken through the pupil point, and the reflected ray passing outside it.
void TesteSecondaireMaksutov(double plan)
{
    TRayon& r = Rayon;
    const double rayonSecondaire = static_cast<double>(Instrument.DiametreSecondaire) / 2.0;
    r.DansOmbreSecondaire = CarreEntrantDepuisPupille(plan) < Instrument.RayonObstructionCarre;
    r.HorsSecondaire = rayonSecondaire * rayonSecondaire < CarreReflechi(plan);
    r.ManqueSecondaire = r.DansOmbreSecondaire || r.HorsSecondaire;
    r.RayonBloque = r.RayonBloque || r.ManqueSecondaire;
}

void TesteObstructionMaksutov()
{
    TRayon& r = Rayon;
    const TInstrument& in = Instrument;
    switch (in.TypeInstrument)
    {
    case TTypeInstrument::Maksutov:
    {
        // The image beyond the fully illuminated field counts as outside the secondary.
        const double rayonChamp = static_cast<double>(in.DiametreChampPleineLumiere) / 2.0;
        r.DansOmbreSecondaire =
            CarreEntrantDepuisImpact(in.FocalePrimaire - Systeme.DecalageFoyer) < rayonChamp * rayonChamp;
        r.HorsSecondaire = rayonChamp < Systeme.HauteurImagePrincipale;
        r.ManqueSecondaire = r.DansOmbreSecondaire || r.HorsSecondaire;
        r.RayonBloque = r.RayonBloque || r.ManqueSecondaire;
        break;
    }
    case TTypeInstrument::MaksutovNewton:
        TesteSecondaireMaksutov(in.FocalePrimaire - in.DistanceSecondaireFoyer);
        break;
    case TTypeInstrument::MaksutovCassegrain:
        TesteSecondaireMaksutov(in.FocalePrimaire - in.DistanceFoyerPrimaireSecondaire);
        break;
    case TTypeInstrument::Aucun:
    case TTypeInstrument::Newton:
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::Lunette:
    case TTypeInstrument::Schwarzschild:
    case TTypeInstrument::DallKirkham:
    case TTypeInstrument::KlevtsovCassegrain:
    case TTypeInstrument::LurieHoughton:
    case TTypeInstrument::HoughtonCassegrain:
    case TTypeInstrument::SchmidtNewton: break;
    }
}

} // namespace

void TraceMaksutov()
{
    TRayon& r = Rayon;
    const TInstrument& in = Instrument;
    const double distanceMiroir = static_cast<double>(in.DistanceDiaphragmeMiroir);
    if (!TraverseCorrecteurEtPrimaire(2, distanceMiroir, EstAspherique(in.CoefficientDeformationPrimaire)))
        return;
    TesteBordMiroirCorrecteur();
    if (r.EstRayonReference)
    {
        r.RayonBloque = false;
        return;
    }
    TesteObstructionMaksutov();
}
