// The commands of the menu "Ou&tils": the homothety of the instrument and of the lens device, the optimisation of the
// device's diameters, and the two reports on the device. Each change is one journal record, replayed alone by undo,
// redo and recovery.
#pragma once

#include "optics/Homothetie.h"

#include <cstdint>
#include <optional>
#include <string>

// "Homothétie": the open entry committed and the frames closed, then the dialog; OK with a coefficient other than 1
// and a part ticked scales those parts, journals them and marks the design modified. Cancel, the close box, an empty
// coefficient or no part ticked change nothing.
void HomothetieExecute();

// Scales `parties` by `coefficient` and appends the record -23 naming them (none while a replay runs). False, with
// nothing changed, for a coefficient of 1 or outside the dialog's limits, or no part.
bool ExecuteHomothetie(float coefficient, TPartiesHomothetie parties);
// The replay of -23: index 1 the instrument, 10 the device, 11 both; the value is the coefficient. Any other index,
// or a coefficient the dialog refuses, scales nothing.
void RejoueHomothetie(std::int32_t index, const std::string& valeur);

// "Optimisation des diamètres du dispositif dioptrique": the open entry committed and the frames closed, the
// distance asked in the dialog (Cancel ends it, nothing changed), the optimisation, the refresh.
void OptimisationdesdiametresExecute();

// Gives every device surface the diameter the optimisation finds for `distance`, keeps that distance as the device
// view's, journals -24 (none while a replay runs) and marks the design modified. A refusal shows its message (none
// while a replay runs) and changes nothing. True when the diameters were stored.
bool AppliqueOptimisationDiametres(double distance);
// The diameter the optimisation finds for row `ligne` of the device at the device view's distance, nothing stored
// nor journaled; nothing after a refusal (its message shown) or for a device that cannot be traced.
std::optional<double> DiametreOptimise(int ligne);
// The replay of -24, the value being the distance.
void RejoueOptimisationDiametres(const std::string& valeur);

// "Puissance globale du dispositif dioptrique" and "Encombrement du dispositif dioptrique": read-only reports in the
// plain message box.
void PuissanceGlobaleExecute();
void EncombrementExecute();
