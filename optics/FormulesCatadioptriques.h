// Set-ups of the forms with a meniscus, a refracting group or an objective: Maksutov and
// Maksutov-Newton, Maksutov-Cassegrain, Klevtsov-Cassegrain, Lurie-Houghton, Houghton-Cassegrain and
// the refractor. Each places the surfaces, solves the system for the reference ray and traces
// marginal rays for the beam sizes; two of them iterate on traced focal lengths.
#pragma once

// Maksutov (7) and Maksutov-Newton (76): traced without the lens device; F1 becomes the traced
// focus of meniscus and mirror, and the fully lit field follows from the beam on the primary.
void PrepareMaksutov();

// Maksutov-Cassegrain (8), with the secondary aluminised on the meniscus or separate. The separate
// secondary is searched until the traced focus lies at the clearance and the traced focal length is
// the requested one; a search that does not end makes the instrument invalid and `CalculEchoue`.
// The device flags it clears while it works are always put back.
void PrepareMaksutovCassegrain();

// Klevtsov-Cassegrain (120): the group and its mirror placed behind the primary, the clearance traced.
void PrepareKlevtsov();

// Lurie-Houghton (130): the corrector placed in front of the primary (its first surface as wide as
// the entrance), its length, the beam on the primary.
void PrepareLurieHoughton();

// Houghton-Cassegrain (140): the corrector's focus, then the secondary moved until the focus lies
// at the clearance with the requested focal length. A search that does not end makes the
// instrument invalid and `CalculEchoue`; the form and the device flag are always put back.
void PrepareHoughtonCassegrain();

// Refractor (9): the objective placed, its usable aperture, the focus.
void PrepareLunette();
