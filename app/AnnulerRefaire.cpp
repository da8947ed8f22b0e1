// Undo and redo move the undo position through the journal and rebuild the design there.
#include "app/AnnulerRefaire.h"

#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "app/Rejeu.h"
#include "optics/Modele.h"

#include <algorithm>

namespace {

// The design rebuilt at the new undo position; when the journal cannot be read, the design and the position stay.
void RejoueA(std::int32_t position)
{
    const TEtatEdition avant = Edition;
    Edition.PositionJournal = position;
    if (!RejoueJournal())
        Edition = avant;
    RafraichitVue();
}

}

void AnnulerExecute()
{
    if (Edition.PositionJournal == 0)
    {
        if (Journal.NombreEnregistrementsJournal > 1)
            RejoueA(Journal.NombreEnregistrementsJournal - 1);
        return;
    }
    // The first record, the design the journal starts from, stays.
    RejoueA(std::max(Edition.PositionJournal - 1, 1));
}

void RetablirExecute()
{
    // At the end of the journal there is nothing to redo.
    if (Edition.PositionJournal > 0)
        RejoueA(std::min(Edition.PositionJournal + 1, Journal.NombreEnregistrementsJournal));
}
