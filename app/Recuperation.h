// The recovery of an interrupted run at start-up: the journal that run left, offered for replay.
#pragma once

#include <string>

// What the caption shows for a design rebuilt from the base copy; never a path.
inline const std::string TexteFichierRecupere = "Fichier Récupéré";

// A run stopped while it put a new journal and base copy in place of the old pair: the pair is made whole again,
// the new one when its journal was already in place, else the old one.
void ReprendRemplacementJournal();

// This instance's journal is on disk at start-up with at least one record: the run of the same number ended
// without closing, after a change.
bool SessionInterrompue();

// The recovery question. "Non": the journal and the base copy go and the journal starts empty; false, the caller
// starts the document. "Oui": the design is rebuilt from every record, becomes the new base copy, and the journal
// is rewritten as the one record that reads it; the recovered design counts as modified and has no path, so that
// it is saved under a name the user chooses.
bool RecupereSession();
