// The tracer's entry: the one switch that picks the form's pass, then the lens device.
#include "optics/TraceRayon.h"

#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"
#include "optics/RegistresVectoriels.h"
#include "optics/TraceCassegrain.h"
#include "optics/TraceGregory.h"
#include "optics/TraceHoughtonCassegrain.h"
#include "optics/TraceKlevtsov.h"
#include "optics/TraceLunette.h"
#include "optics/TraceLurieHoughton.h"
#include "optics/TraceMaksutov.h"
#include "optics/TraceMaksutovCassegrain.h"
#include "optics/TraceSchmidt.h"
#include "optics/TraceSchmidtCassegrain.h"
#include "optics/TraceSchwarzschild.h"

namespace {

void TraceInstrument()
{
    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Newton: RefleteMiroirPrimaire(); break;
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::DallKirkham: TraceCassegrain(); break;
    case TTypeInstrument::Gregory: TraceGregory(); break;
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtNewton: TraceSchmidt(); break;
    case TTypeInstrument::SchmidtCassegrain:
        if (Validite.SansSecondaire && !Systeme.ConceptionSchmidtCassegrain)
        {
            TraceSchmidt();
        }
        else
        {
            TraceSchmidtCassegrain();
        }
        break;
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton: TraceMaksutov(); break;
    case TTypeInstrument::MaksutovCassegrain: TraceMaksutovCassegrain(); break;
    case TTypeInstrument::Lunette: TraceLunette(); break;
    case TTypeInstrument::Schwarzschild: TraceSchwarzschild(); break;
    case TTypeInstrument::KlevtsovCassegrain: TraceKlevtsov(); break;
    case TTypeInstrument::LurieHoughton: TraceLurieHoughton(); break;
    case TTypeInstrument::HoughtonCassegrain: TraceHoughtonCassegrain(); break;
    case TTypeInstrument::Aucun: break;
    }
}

} // namespace

bool TraceRayonInstrument()
{
    // Every trace, one ray or a group, starts here: the window may have drawn since the last one.
    LibereRegistresVectoriels();
    TRayon& r = Rayon;
    r.RayonPerdu = false;
    TraceInstrument();
    r.DioptreArret = AucunDioptreArret;
    if (r.RayonPerdu)
        return false;
    if (!Validite.DispositifValide || !r.DispositifActif)
        return false;
    return !r.HorsSecondaire || r.EstRayonReference;
}

void TraceRayon()
{
    if (TraceRayonInstrument())
        TraverseDispositif(NombreSurfacesDispositif());
}

void TraverseDispositifGroupe(int nombre, const std::array<bool, RayonsEnSemble>& entre)
{
    TraverseDispositifEnSemble(RayonsGroupe.data(), entre.data(), nombre, NombreSurfacesDispositif());
}
