// The replay of the edit journal: the design rebuilt from its first records, each record applied by the routine
// that made the change in the first place.
#pragma once

#include "editing/Ports.h"

#include <cstdint>
#include <vector>

// Rebuilds the design from records 1 to Edition.PositionJournal (every record while it exceeds their count): the
// design reset, then each record applied with the journal silenced, the values a refresh computes recomputed between
// two records. The view stays the user's. The document keeps the names it had (path,
// shown path, save name, named flag) and the caption shows them again. A journal that cannot be read beeps and
// leaves the design as it was: false. The caller refreshes.
bool RejoueJournal();

// Applies one record to the design, the document's names kept; a code the program does not know, or a row outside
// its table, changes nothing.
void AppliqueEnregistrement(const TEnregistrementJournal& enregistrement);

// The codes replayed as nothing, their records kept in the journal: 9001 and 9002, which other versions wrote after a
// homothety or an optimisation already recorded on its own.
const std::vector<std::int32_t>& CodesSansRoutine();
