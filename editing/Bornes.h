// The range the entry box holds each value to, for the values that reach the design without it: from a design file or
// from the journal. A value outside its range is no value a user could have typed, and is refused there as the box
// would refuse it.
#pragma once

#include <cstdint>
#include <optional>

enum class TBorne
{
    // The entrance diameter: 0 (not given) up to under 50 000 mm.
    Diametre,
    // A focal length: 0 (not given) up to under 100 000 mm.
    Focale,
    // Any other length. Set-ups derive some of them from typed values (a Schmidt mirror's radius from its focal length,
    // its plate's place from that radius), a little beyond the box's own limits: under 1 000 000 mm either way, or a
    // sentinel (plane, stop, infinite thickness, clearance not given).
    Longueur,
    // A conic constant or a plate coefficient: under 1 000 000 either way, or "to compute" or emptied.
    Coefficient,
    // A refractive index: 0 (none) up to under 5.
    Indice
};

bool DansLaBorne(TBorne borne, double valeur);

// The range of the value a record of the journal carries under `code` (a value of the instrument or a table cell, by
// its store routine's code); nothing for the other records.
std::optional<TBorne> BorneDuCode(std::int32_t code);
