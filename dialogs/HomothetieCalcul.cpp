// The homothety dialog's computations.
#include "dialogs/HomothetieCalcul.h"

#include "editing/Nombres.h"
#include "platform/Format.h"

#include <cmath>

std::optional<TCoefficientSaisi> ValideCoefficientHomothetie(const std::string& texte)
{
    if (ReconnaitNombre(texte, PolitiqueDialogue) == PasUnNombre)
        return std::nullopt;
    const double lu = LitNombre(texte, PolitiqueDialogue);
    if (lu < 0 || !std::isfinite(lu))
        return std::nullopt;
    // The limits as typed: 0,001 itself is accepted, although the nearest single-precision value is above it.
    if (lu < 0.001)
        return TCoefficientSaisi{CoefficientHomothetieMinimal, "0.001", true};
    if (lu > 1000)
        return TCoefficientSaisi{CoefficientHomothetieMaximal, "1000", true};
    return TCoefficientSaisi{static_cast<float>(lu), FormateNombre(lu, "#0.######"), false};
}

std::optional<std::string> VerifieCoefficientHomothetie(float coefficient, TPartiesHomothetie parties)
{
    const TLimitesHomothetie limites = VerifieLimitesHomothetie(coefficient, parties);
    if (limites.InstrumentAcceptable && limites.DispositifAcceptable)
        return std::nullopt;
    if (limites.DispositifAcceptable)
        return "Ce coefficient est trop important pour cet instrument.";
    if (limites.InstrumentAcceptable)
        return "Ce coefficient est trop important pour ce dispositif dioptrique.";
    return "Ce coefficient est trop important pour cet instrument et ce dispositif dioptrique.";
}
