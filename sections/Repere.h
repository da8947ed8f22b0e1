// The drawing frame of the current view and the height of the band a printed section takes.
#pragma once

// Scale in pixels (printer dots) per millimetre, the x of the form's axial reference point and the y of the axis.
// A point at axial distance z and height h is drawn at AbscisseOrigine -+ Round(z s), OrdonneeAxe - Round(h s).
struct TRepereDessin
{
    float EchelleDessin = 1.0f;
    int AbscisseOrigine = 0;
    int OrdonneeAxe = 0;
};
inline TRepereDessin RepereDessin;

// The axial length and the transverse height (mm) the drawing must fit, set by each drawer before the fit.
inline double LongueurSchema = 0;
inline double HauteurSchema = 0;

// The frame of the section just fitted and the extent it was fitted to, kept for the mouse and the views after it.
inline void FixeRepere(float echelle, int origine, int axe, double longueur, double hauteur)
{
    RepereDessin = {echelle, origine, axe};
    LongueurSchema = longueur;
    HauteurSchema = hauteur;
}

// The height in dots of the band being printed, taken from the block's height by each printed section.
inline int HauteurBandeImprimee = 0;
