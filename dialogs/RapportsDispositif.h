// The two reports on the lens device, its global power and its overall size: the figures and the texts shown. No
// window here; nothing in the design changes.
#pragma once

#include <optional>
#include <string>

// The sum over the device's media between two surfaces (air counted, any index above 1) of the thick-lens power of
// that medium and its two faces, in dioptres. A plane, a stop or an empty radius has no curvature.
double PuissanceGlobaleDispositif();

struct TEncombrementDispositif
{
    double PlusGrandDiametre = 0; // mm
    double EpaisseurTotale = 0; // from the first to the last surface, mm
    std::optional<double> DistanceFoyer; // from the first surface to the image; none for an afocal device
};
TEncombrementDispositif EncombrementDispositif();

// The reports' texts, numbers with the user's decimal mark. A power of 0 has no focal length to show.
std::string TextePuissanceGlobale(double puissance);
std::string TexteEncombrement(const TEncombrementDispositif& encombrement);
