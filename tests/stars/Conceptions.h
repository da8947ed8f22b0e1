// The designs the star views are tried on: a paraboloid Newton 200/1000, alone or with an eyepiece that makes it
// afocal, and the values the central refresh sets before a view runs.
#pragma once

// Newton D 200, F1 1000, paraboloid; with its 50 mm flat 150 mm before the focus when `plan`.
void NewtonEtoiles(bool plan);

// The same Newton with a plano-convex BK7 eyepiece of about 25 mm focal length: an afocal system of about x40.
void NewtonOculaire();

// The Newton with its flat and one small sphere (radius 2 mm, 4 mm wide) 50 mm before the image, which the rim rays
// of the illumination miss.
void NewtonPetiteSphere();

// The Schmidt camera of the test designs (D 200, mirror R 2001.9, F1 1000), its image on the sphere about the
// mirror's centre of curvature.
void SchmidtEtoiles();

// A Newton with a device of `nombre` surfaces (weak BK7 menisci in turn), complete in three colours.
void NewtonDispositif(int nombre);
