// The closing record of a command's records.
#include "editing/EtapesJournal.h"

#include "editing/CodesJournal.h"
#include "editing/Ports.h"
#include "optics/Modele.h"

namespace {

// After an undo the design shown is the journal's first records; the first record appended cuts the others.
std::int32_t PositionAffichee()
{
    const std::int32_t position = Edition.PositionJournal;
    return position > 0 ? position : PortsEdition.NombreEnregistrementsJournal();
}

}

std::int32_t DebutEtapeJournal()
{
    return PositionAffichee();
}

void TermineEtapeJournal(std::int32_t debut)
{
    const std::int32_t ecrits = PositionAffichee() - debut;
    if (ecrits > 1)
        PortsEdition.AjouteAuJournal({CodeJournalFinCommande, ecrits, "0"});
}
