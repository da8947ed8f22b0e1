// Homothety: every length of the instrument, of the lens device or of both multiplied by one coefficient, the design
// keeping its shape, and the size limits a coefficient must keep them within.
#pragma once

// The parts a homothety scales.
struct TPartiesHomothetie
{
    bool Instrument = false;
    bool Dispositif = false;
};

// The coefficient's limits, both accepted.
inline constexpr float CoefficientHomothetieMinimal = 0.001f;
inline constexpr float CoefficientHomothetieMaximal = 1000.0f;

// Whether `coefficient` keeps each part named in `parties` within its size limits (a part not named is acceptable):
// every device diameter within 10000 mm; the instrument's entrance and first group diameters within 50000, its
// primary and resulting focal lengths within 100000 and its secondary within 5000.
struct TLimitesHomothetie
{
    bool InstrumentAcceptable = true;
    bool DispositifAcceptable = true;
};
TLimitesHomothetie VerifieLimitesHomothetie(double coefficient, TPartiesHomothetie parties);

// Scales the parts named: the device's radii, thicknesses and diameters; the lengths the current form is designed
// from, after which the form's design formulas run again. A plane, a stop, an infinite thickness, an unset thickness
// and a clearance not given are special values, not lengths: they are left as they are. Nothing else (journal, flags,
// checks) is done here.
void AppliqueHomothetie(float coefficient, TPartiesHomothetie parties);
