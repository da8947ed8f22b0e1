// The recovery of an interrupted run at start-up: the journal that run left, offered for replay.
#pragma once

// This instance's journal is on disk at start-up with at least one record: the run of the same number ended
// without closing, after a change.
bool SessionInterrompue();

// The recovery question. "Non": the journal and the base copy go, and a new design starts. "Oui": the design is
// rebuilt from every record, becomes the new base copy, and the journal is rewritten as the one record that reads
// it; the recovered design counts as modified and has no path, so that it is saved under a name the user chooses.
void RecupereSession();
