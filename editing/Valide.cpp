// The commit of the entry box: dispatch on the field code, then the ending every call shares.
#include "editing/Valide.h"

#include "editing/Ports.h"
#include "editing/Regles.h"
#include "editing/ReglesInstrument.h"
#include "editing/ReglesLame.h"
#include "editing/ReglesTableaux.h"
#include "optics/Initialisation.h"

namespace {

bool EstCelluleTableau(TCodeSaisie code)
{
    return (code >= SaisieRayonDioptre && code <= SaisieMatiereDioptre) || code == SaisieDistanceAxeEtoile ||
           code == SaisieDistanceAxeImage || (code >= SaisieRayonGroupe && code <= SaisieRayonLigneMiroir) ||
           (code >= SaisieIndiceRougeLame && code <= SaisieMatiereLame);
}

void AppliqueRegle(TCodeSaisie code)
{
    if (code >= SaisieLongueurOndeRouge && code <= SaisieLongueurOndeBleue)
        return PortsEdition.AppliqueLongueurOnde();
    if (EstCelluleTableau(code))
        return RegleCelluleTableau(code);
    if (!AppliqueRegleInstrument(code))
        AppliqueRegleLame(code);
}

// The commands that place another file's lens device relative to this one follow the device's state.
void ActiveCommandesPlacement()
{
    const auto active = PortsEdition.ActiveCommande;
    if (!EstLigneVide(1))
    {
        active(TCommandeEdition::PlacerAvantDispo, true);
        active(TCommandeEdition::RemplaceDispo, true);
        active(TCommandeEdition::PlacerApresDispo,
               !EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[Dispositif.NombreDioptres]));
    }
    else
    {
        active(TCommandeEdition::PlacerAvantDispo, false);
        active(TCommandeEdition::RemplaceDispo, Validite.InstrumentValide);
        active(TCommandeEdition::PlacerApresDispo, false);
    }
}

void Termine()
{
    // A commit that changed nothing keeps the undo position: the shown design is still the one it names.
    if (Edition.AMettreAJour)
        Edition.PositionJournal = PortsEdition.NombreEnregistrementsJournal();
    if (EtatSaisie.Saisie.Visible)
        EtatSaisie.CodeSaisie = AucuneSaisie;
    if (Edition.TableEditee == TTableEditee::Dispositif)
        ActiveCommandesPlacement();
    if (Edition.AMettreAJour)
        PortsEdition.ActiveCommande(TCommandeEdition::Annuler, true);
    EtatSaisie.Saisie.Visible = false;
    PortsEdition.RafraichitVue();
}

} // namespace

void ValideSaisie()
{
    Systeme.CalculEchoue = false;
    AppliqueRegle(EtatSaisie.CodeSaisie);
    Termine();
}
