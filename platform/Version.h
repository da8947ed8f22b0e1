// The program's version, compiled in; files, configuration and catalogue headers carry it.
#pragma once

#include <string>

inline constexpr int VersionMajeure = QUIVANE_VERSION_MAJEURE;
inline constexpr int VersionMineure = QUIVANE_VERSION_MINEURE;
inline constexpr int VersionRevision = QUIVANE_VERSION_REVISION;

// Major, minor and release joined by points: "3.3.0".
inline std::string VersionProgramme()
{
    return QUIVANE_VERSION_TEXTE;
}
