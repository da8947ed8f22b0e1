// The two requests of the focus search when it gives up: a new start distance (afocal system) or a new start focus
// shift (system with a focus), or stop.
#pragma once

#include <optional>
#include <string>

class IDemandeFoyer
{
public:
    virtual ~IDemandeFoyer() = default;
    // "Quivane - Information nécessaire": the text of the new distance between the focus and the first surface (mm),
    // or nothing when the search must stop. distancePrecedente is the start distance that failed.
    virtual std::optional<std::string> DemandeDistanceFoyerDioptre(double distancePrecedente) = 0;
    // "Dialogue": the text of the new start focus shift (mm), or nothing when the search must stop.
    // decalagePrecedent is the start focus shift that failed.
    virtual std::optional<std::string> DemandeDecalageFoyer(double decalagePrecedent) = 0;
};
