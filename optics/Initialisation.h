// Resets of a new design and the small helpers every part of the model shares.
#pragma once

#include "optics/Modele.h"

// A new design is InitialiseInstrument, InitialiseDispositif, InitialiseLongueursOnde, in that order.
void InitialiseInstrument();
void InitialiseDispositif();
void InitialiseLongueursOnde();
// The steps of the small spin arrows to their defaults, as a new lens device and the preferences' reset set them.
void InitialisePasFleches();
// Gives the Schmidt plate (lens-group row 1) the glass BK7 at the three chosen lines.
void InitialiseVerreLame();

// Brings the object-space media and the working (green) indices up to date after a change of
// lines, glasses or type.
void AppliqueIndices();

// Is the given row of the table being edited (`Edition.TableEditee`) empty? The diameter is not
// looked at; a row outside the table is not empty.
bool EstLigneVide(int ligne);
// The same for a row of the lens device or of the lens group, whichever table is edited.
bool EstLigneDispositifVide(int ligne);
bool EstLigneGroupeVide(int ligne);

// Sag of a spherical surface of radius `rayon` over the diameter `diametre`, signed like the radius.
double FlecheSphere(double rayon, double diametre);

// Smallest axial distance between the vertices of two spherical faces (front radius and diameter, back radius and
// diameter, mm) so that they do not cross within their diameters; 0 when they cannot meet, EpaisseurMinimaleImpossible
// when a radius is too small for its diameter. A back diameter below 0.1 mm (empty) takes the front one; across air
// both faces are taken at the smaller diameter, the only zone where two lenses can touch. A radius of 0 (empty), a
// plane and a stop count as flat.
double CalculeEpaisseurMinimale(bool air, double rayon1, double rayon2, double diametre1, double diametre2);

// Index of air at a spectral line; 0 for no line or a number outside the table.
float IndiceAir(TLongueurOnde ligne);
// Wavelength of a spectral line in nm; 0 for no line or a number outside the table.
float LongueurOndeNm(TLongueurOnde ligne);
