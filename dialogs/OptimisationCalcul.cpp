// The diameter-optimisation dialog's computations.
#include "dialogs/OptimisationCalcul.h"

#include "editing/Nombres.h"
#include "platform/Format.h"

#include <cmath>

namespace {

constexpr double DistanceMinimale = 0.01;

}

TDistanceSaisie ValideDistanceOptimisation(const std::string& texte)
{
    if (ReconnaitNombre(texte, PolitiqueDialogue) == PasUnNombre)
        return {};
    const double lu = LitNombre(texte, PolitiqueDialogue);
    if (lu < 0 || !std::isfinite(lu))
        return {};
    if (lu < DistanceMinimale)
        return {0, "0", true};
    return {lu, FormateNombre(lu, "#0.##"), false};
}
