// The focus searches' requests for a new start value: the dialogs behind the request service, and
// the hooks through which the solver reaches that service.
#pragma once

#include "dialogs/DistanceDeltaFun.h"
#include "dialogs/DistanceDun.h"
#include "platform/DemandeFoyer.h"

// The real request service: both dialogs, created once and kept, so that each box keeps its text
// from one opening to the next.
class TDemandesFoyer : public IDemandeFoyer
{
public:
    std::optional<std::string> DemandeDistanceFoyerDioptre(double distancePrecedente) override;
    std::optional<std::string> DemandeDecalageFoyer(double decalagePrecedent) override;

    TDistanceDunForm DistanceDunForm;
    TDistanceDeltaFunForm DistanceDeltaFunForm;
};

// The solver's hooks. The afocal search: a number becomes `DistanceFoyerDioptre`; a text that is
// not a number, or abandoning, stops the computation. The focal searches: a number becomes
// `DecalageFoyerInitial`; a text that is not a number leaves it; abandoning stops.
bool DemandeDistanceFoyerDioptre();
bool DemandeDecalageFoyer();
