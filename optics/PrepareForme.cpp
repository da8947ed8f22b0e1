// The set-up of each form before a view: its design formulas and the obstruction its traces take.
#include "optics/PrepareForme.h"

#include "optics/FormulesCatadioptriques.h"
#include "optics/FormulesDeuxMiroirs.h"
#include "optics/FormulesSchmidt.h"
#include "optics/Modele.h"

#include <algorithm>

void PrepareForme()
{
    const double carreSecondaire = static_cast<double>(Instrument.DiametreSecondaire) * Instrument.DiametreSecondaire;
    switch (Instrument.TypeInstrument)
    {
    case TTypeInstrument::Aucun: break;
    case TTypeInstrument::Newton: Instrument.DiametreObstruction = Instrument.DiametreSecondaire; break;
    case TTypeInstrument::Cassegrain: CalculeCassegrain(); break;
    case TTypeInstrument::RitcheyChretien: CalculeRitcheyChretien(); break;
    case TTypeInstrument::Gregory: CalculeGregory(); break;
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtNewton: CalculeSchmidt(); break;
    case TTypeInstrument::SchmidtCassegrain: CalculeSchmidtCassegrain(); break;
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton: PrepareMaksutov(); break;
    case TTypeInstrument::MaksutovCassegrain: PrepareMaksutovCassegrain(); break;
    case TTypeInstrument::Lunette: PrepareLunette(); break;
    case TTypeInstrument::Schwarzschild: CalculeSchwarzschild(); break;
    case TTypeInstrument::DallKirkham: CalculeDallKirkham(); break;
    case TTypeInstrument::KlevtsovCassegrain:
    {
        double obstruction = Instrument.DiametreSecondaire;
        for (int i = 1; i <= std::min(Groupe.NombreDioptresGroupe, NombreMaxDioptresGroupe); ++i)
            obstruction = std::max(obstruction, Groupe.DiametreGroupe[static_cast<std::size_t>(i)]);
        Instrument.DiametreObstruction = obstruction;
        Instrument.RayonObstructionCarre = obstruction * obstruction / 4;
        PrepareKlevtsov();
        break;
    }
    case TTypeInstrument::LurieHoughton:
        Instrument.RayonObstructionCarre = carreSecondaire / 4;
        PrepareLurieHoughton();
        break;
    case TTypeInstrument::HoughtonCassegrain:
        Instrument.RayonObstructionCarre = carreSecondaire / 4;
        PrepareHoughtonCassegrain();
        break;
    }
}
