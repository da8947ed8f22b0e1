// Printing: the two print commands and the print job that the central refresh runs.
#pragma once

#include "optics/Modele.h"
#include "platform/Canevas.h"
#include "sheet/Vue.h"

// "&Imprimer la vue en-cours" and "Imprimer &tout": ask for a print job, then refresh.
void ImprimerExecute();
void ImprimerToutExecute();

// Runs the pending print request, if any: the print dialog, then the report's first page and the current view or
// every view, each through its printed twin. Both requests are cleared.
void ImprimeSiDemande();

// The job on a printer already chosen: the report's first page, then the current view (`tout` false) or every view.
// The editing state is left as it was.
void ImprimeTravail(IImprimante& imprimante, bool tout);

// A view the job prints after the sheet: the device section with a valid device, the other drawn views with a valid
// instrument; never the sheet alone or the start.
bool VueImprimable(TVue vue, const TValidite& validite);
