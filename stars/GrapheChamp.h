// The field-analysis graph on the page: the largest star-image size against the distance from the axis, per colour,
// with the luminosity, the memorised curve, the Airy band, the reference line, the scales, legend and figures.
#pragma once

#include <string>

#include "platform/Canevas.h"

// The graph's frame, in pixels on screen and in dots on paper; the drawing-area mouse reads it.
struct TGrapheChamp
{
    int AbscisseOrigine = 30; // x of the size axis
    int OrdonneeAxe = 338; // y of the field axis
    float EchelleTailleGraphe = 0; // per mm of image size (per arc minute when afocal), negative: sizes go up
    float EchelleLuminositeGraphe = 0; // for a luminosity of 1
    int RayonChampGraphe = 1; // field radius in the unit of the field axis
    float EchelleChampGraphe = 0; // per unit of field
    int PasGraduationChamp = 1;
    int PeriodeEtiquetteChamp = 5; // one field tick in that many is labelled
};
inline TGrapheChamp GrapheChamp;

// The field axis's tick step and label period for a field radius.
struct TGraduationChamp
{
    int Pas = 1;
    int Periode = 5;
};
TGraduationChamp GraduationChamp(int rayon);

// Settings a design file may bring outside the dialog's choices go to the nearest allowed value; a field radius
// below 1 reads as 1.
int AmplitudeChampUtile(int amplitude); // 12, 24, 60 or 150
int AmplitudeChampAfocalUtile(int amplitude); // 24 or 72
int RayonChampUtile(int rayon);

// Pixels per mm of image (per arc minute when afocal) over a size axis of height `hauteur`: integer quotients.
float EchelleTailleEcran(bool afocal, int hauteur);

// What the window gives the view and what the view leaves for it.
struct TFenetreChamp
{
    ICanevas* Dessin = nullptr;
    bool Depart = false;
    bool CourbeAffichee = false; // "Afficher la courbe mémorisée" is checked

    bool CopieActive = false;
    bool CourbeActive = false; // "Afficher la courbe mémorisée" and ToolCompare
    bool ZoomPlusActif = false;
    bool ZoomMoinsActif = false;
};

// Draws the view "Champ" on the drawing image; recomputes the whole analysis.
void DessineAnalyseChamp(TFenetreChamp& fenetre);
