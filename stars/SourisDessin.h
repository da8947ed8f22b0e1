// The mouse on the drawing image of the views: a star panel or a field point chosen by a click, the cross-hair held
// on the field graph, and the double click that goes to the single star of the chosen panel or point and back.
#pragma once

#include <string>

#include "platform/Canevas.h"
#include "sheet/Vue.h"

// The panel last clicked on the six-star view: row 1 or 2, column 1 to 3, star 1 (top left) to 6.
struct TChoixSouris
{
    int LigneCaseEtoile = 1;
    int ColonneCaseEtoile = 1;
    int CaseEtoileChoisie = 1;
    float DistancePointChamp = 0; // in the unit of the field axis; 0 for none
    double DistanceAxeEtoileMemorisee = 0;
};
inline TChoixSouris ChoixSouris;

// A release on the six-star view: a coordinate between the panels keeps the row or column chosen before.
void ChoisitCaseEtoile(int x, int y);

// The field point (1..20) nearest a distance along the field axis; the axis point reads as point 1.
int PointChampProche(double distance);

// A release on the field graph: the distance of the click in the field axis's unit, scaled so that a click on a
// point gives that point's own position; 0 left of the origin.
void ChoisitPointChamp(int x);

// A release on the drawing, once the editors are closed: the panel of the six stars, the point of the field graph
// (0 in every other case), or the refractor's whole-length box (x < 10, y < 9) in its section.
void DessinRelache(TVue vue, int x, int y);

// The return flags of the single-star view: it was entered by a double click from that view.
struct TRetoursEtoile
{
    bool EtoileMultiple = false;
    bool Dispositif = false;
    bool Champ = false;
};

// The view a double click leaves, or none; the caller presses that view's button alone and redraws.
struct TBasculeVue
{
    TVue Vue = TVue::Aucune; // Aucune: nothing changes
    std::string TexteStatut;
};

// A double click: one view change at most, the return flag that matches it set or cleared, the star distance
// saved on the way in and restored on the way back.
TBasculeVue BasculeDoubleClic(TVue vue, TRetoursEtoile& retours);

// The cross-hair at (x, y) on the field graph, from the size axis to `largeur` and from the top to the field axis;
// nothing outside the graph. True when drawn.
bool DessineReticule(ICanevas& canevas, int x, int y, int largeur);
