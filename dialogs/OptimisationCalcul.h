// The diameter-optimisation dialog's computations: the distance typed and what the dialog answers. No window here.
#pragma once

#include "optics/Crochets.h"

#include <optional>
#include <string>

// What the validator of the distance box made of its text: the distance and the text the box shows. A text that is
// not a number, or a negative one, gives 0 and an empty box; a distance below 0.01 gives 0 and "0" with a beep.
struct TDistanceSaisie
{
    double Distance = 0;
    std::string Texte;
    bool Bip = false;
};
TDistanceSaisie ValideDistanceOptimisation(const std::string& texte);

// The optimisation dialog as its command reaches it. It shows the unit of an afocal device ("°") or of a focal one
// ("mm") and answers the distance of "Optimiser", nothing for Cancel, Esc or the close box.
struct TPortsOptimisation
{
    std::optional<double> (*Montre)(bool afocal) = [](bool) {
        CrochetAbsent("PortsOptimisation.Montre");
        return std::optional<double>();
    };
};

inline TPortsOptimisation PortsOptimisation;
