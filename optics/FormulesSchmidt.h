// Design of the Schmidt forms (camera, Schmidt-Newton, Schmidt-Cassegrain): the spherical mirror
// from the requested focal length and the profile coefficient k, the plate's place and aspheric
// divisors, and the traced searches that make the traced focal length the requested one.
#pragma once

#include <array>

// Set-up of the camera and the Schmidt-Newton: powers of R, the camera's fully lit field (which is
// also its central obstruction), the plate's divisors.
void CalculeSchmidt();

// R from the requested focal length F and k: the sphere whose ray reflected at the neutral zone
// crosses the axis F1 from the vertex, to the nearest 0.1 mm.
void CalculeRayonSchmidt();
// F1 from R and k: where the ray reflected at the neutral zone crosses the axis, to 0.1 mm.
void CalculeFocaleSchmidt();
// Moves F1 (and R with it) until the traced focal length of the camera is F within 0.01 mm.
void AjusteFocaleSchmidt();
// The other way round, for a camera read from its file, which keeps the mirror alone: F := the focal length the
// mirror and plate trace, the mirror kept. The plate, converging near the axis, makes it longer than R / 2 by about
// as much as it brings the focus F1 nearer.
void CalculeFocaleTraceeSchmidt();

// Set-up of the Schmidt-Cassegrain: the secondary's magnification is adjusted until the traced focal
// length is F within 0.01 mm, the plate coefficient being searched at each step.
void CalculeSchmidtCassegrain();
// One geometry step of it: the mirror's used diameter, the Cassegrain secondary, the plate coefficient.
void CalculeSecondaireSchmidtCassegrain();
// The plate coefficient that brings the rays of ten zones to the focus of the reference ray.
void RechercheCoefficientLame();

// The plate's aspheric divisors c1, c2, c3 from the plate tables (by F/D, k and the plate's place),
// or from a device title "*c1   c2   c3   "; then the plate's relief for the current coefficient.
void CalculeCoefficientsLame();

// The bilinear interpolation of the plate tables, in 32-bit reals: first along k at both F/D
// columns, then along F/D. `coins` holds T(kBas, XBas), T(kHaut, XBas), T(kBas, XHaut), T(kHaut, XHaut).
float InterpoleCoefficientLame(const std::array<float, 4>& coins, float k, float kBas, float kHaut, float X, float XBas,
                               float XHaut);

// The field studied for a Schmidt: its linear and angular radius from the fully lit field.
void CalculeChampSchmidt();

// Puts back the primary focal length held when its entry opened, after a refused entry, with R := 2 F1; the
// Newton's flat separation, or the Schmidt camera's plate place and studied field, follow.
void AjusteSchmidt();
// The camera's plate placed from the mirror by the profiled face: at R (none, both faces), R - t/5
// (front), R - t/2 (rear).
void PlaceLameSchmidt();
