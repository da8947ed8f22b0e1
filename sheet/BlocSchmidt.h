// The blocks of the Schmidt camera and of the Schmidt-Newton on the sheet and on paper, and the plate controls that
// the Schmidt-Cassegrain's block places the same way.
#pragma once

#include "platform/Canevas.h"

#include <string>

// Paints the expanded or collapsed block from OrdonneePremiereLigne, places the plate controls, records the value
// boxes and sets OrdonneeDispositif. The expanded Schmidt forces a flat field while a lens device is present.
void DessineParametresSchmidt(ICanevas& canevas);
void DessineParametresSchmidtNewton(ICanevas& canevas);
// The printed twins, from OrdonneeCourante; they end one line below their last line.
void ImprimeParametresSchmidt(ICanevas& canevas);
void ImprimeParametresSchmidtNewton(ICanevas& canevas);

// The captions of the plate-profile button and of the field button; the main window shows them with the buttons.
struct TLegendesBoutonsLame
{
    std::string BoutonLame;
    std::string BoutonChampCourbe;
};
inline TLegendesBoutonsLame LegendesBoutonsLame;

// Shows the plate-glass table over the line y (its top 2 px above) and the profile button below it, captioned by
// the plate's profile.
void PlaceTableauEtBoutonLame(int y);
// Records slot 17 from x on the line y and lays the coefficient's spin box CaseArl over it, with its value. Answers
// the box's right edge.
int PlaceCaseArl(ICanevas& canevas, int x, int y);
// The plate's relief (profile depth times the coefficient), per face when the profile is split over both faces; on
// paper the Schmidt-Cassegrain names it an amplitude.
std::string TexteReliefLame(bool amplitude);
