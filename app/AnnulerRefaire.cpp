// Undo and redo move the undo position through the journal and rebuild the design there.
#include "app/AnnulerRefaire.h"

#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "app/Rejeu.h"
#include "optics/Modele.h"

#include <algorithm>

void AnnulerExecute()
{
    if (Edition.PositionJournal == 0)
    {
        if (Journal.NombreEnregistrementsJournal <= 1)
            return;
        Edition.PositionJournal = Journal.NombreEnregistrementsJournal - 1;
        Edition.AMettreAJour = false;
        Edition.DocumentModifie = false;
    }
    else if (Edition.PositionJournal > 1)
        --Edition.PositionJournal;
    RejoueJournal();
    RafraichitVue();
}

void RetablirExecute()
{
    // At the end of the journal there is nothing to redo.
    if (Edition.PositionJournal <= 0)
        return;
    Edition.PositionJournal = std::min(Edition.PositionJournal + 1, Journal.NombreEnregistrementsJournal);
    RejoueJournal();
    RafraichitVue();
}
