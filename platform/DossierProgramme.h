// The program's folder, where the configuration, the glass catalogue, the session lock and the journal live.
#pragma once

#include <optional>
#include <string>

// The folder named by the environment variable QUIVANE_DOSSIER, else the user's application data folder, created
// when missing, ending with "/". Nothing when it cannot be created or written: the program then runs without it.
std::optional<std::string> PrepareDossierProgramme();

// The folder PrepareDossierProgramme prepares, ending with "/", made or not: the one to name when it cannot be used.
std::string DossierProgrammeVoulu();
