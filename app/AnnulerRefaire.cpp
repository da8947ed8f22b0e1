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
    const std::int32_t position =
        Edition.PositionJournal == 0 ? Journal.NombreEnregistrementsJournal : Edition.PositionJournal;
    // The first record, the design the journal starts from, stays.
    if (Edition.PositionJournal == 0 && position <= 1)
        return;
    std::int32_t precedente = std::max(position - 1, 1);
    // A command's records go back together.
    while (precedente > 1 && !PositionEntreCommandes(precedente))
        --precedente;
    RejoueA(precedente);
}

void RetablirExecute()
{
    // At the end of the journal there is nothing to redo.
    if (Edition.PositionJournal == 0)
        return;
    const std::int32_t nombre = Journal.NombreEnregistrementsJournal;
    std::int32_t suivante = std::min(Edition.PositionJournal + 1, nombre);
    while (suivante < nombre && !PositionEntreCommandes(suivante))
        ++suivante;
    RejoueA(suivante);
}
