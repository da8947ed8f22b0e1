// Design formulas of the two-mirror forms (Cassegrain, Ritchey-Chrétien, Gregory, Dall-Kirkham,
// Schwarzschild) and the traced searches of a mirror's sixth-order coefficient.
#pragma once

// R1 := 2 F1 with its cube and fifth power, cached for the mirror sag series.
void CalculeRayonPrimaire();

// One pass of the current form's mirrors for the ray set up in `Rayon`: the Cassegrain pass for
// 2, 3 and 110, the Gregory pass for 4, the Schwarzschild pass for 10; nothing for other forms.
void TraceDeuxMiroirs();
// The Cassegrain pass for the Dall-Kirkham, nothing for other forms.
void TraceDallKirkham();

// Each starts with VerifieInstrument; invalid values leave both radii at 0.
void CalculeCassegrain();
void CalculeGregory();
void CalculeRitcheyChretien(); // conic constants typed by the user are never recomputed
void CalculeDallKirkham();
void CalculeSchwarzschild();

// Fit the secondary's (c2) or, for the Dall-Kirkham, the primary's (b2) sixth-order coefficient so
// that the marginal ray meets the zonal ray's focus. A search that reaches its step bound, or never
// gets a ray through, keeps its last good value and sets `CalculEchoue`.
void RechercheCoefficientSecondaire();
void RechercheCoefficientPrimaire();

// ---- Shared with the Schmidt-Cassegrain ----

// Secondary of a Cassegrain for the magnification `Grandissement`: p, R2, the secondary's distance
// from the primary focus, the mirrors' separation and the secondary's centre of curvature
// `CentreDioptre`[0] (primary's vertex at 0).
void GeometrieCassegrain();

// The ray parallel to the axis from the pupil height `xDepart`, the flags of a former trace left as they are (the
// sections' edge rays read them).
void PlaceRayonAxial(double xDepart);
// The same ray, its flags cleared.
void LanceRayonAxial(double xDepart);

// Traces the ray from `xDepart` with `passe` and sets `PositionFoyer` where it crosses the axis.
// False when the ray is lost or runs parallel to the axis.
bool MesureFoyerZonal(double xDepart, void (*passe)());

// Traces the ray from `xDepart` with `passe` and gives the distance from the axis at which the
// emerging ray crosses the focus's plane z = `PositionFoyer`: 0 for a ray through the focus.
// Infinite for a lost ray or a value that is not a number, so it never counts as better.
double EcartAuFoyer(double xDepart, void (*passe)());
