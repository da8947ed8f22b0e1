// What the field-analysis graph and its printed twin share: the gate, the field radius of the axis, the captions,
// labels and figures, and the conditions of the luminosity entries.
#pragma once

#include <string>

#include "stars/Champ.h"

// A valid instrument whose solve has not failed, with a valid lens device or none.
bool ChampDessinable();

// The colour passes of the analysis, with their working indices.
void ChoisitCouleursChamp();

// The field radius of the horizontal axis, at least 1: the linear radius of a Schmidt or Maksutov without device is
// lowered to half its fully illuminated field when it exceeds it by 10 %. Nothing is stored.
int RayonChampGrapheCourant();

// The display settings that the single star and the field analysis follow from the design: the distance box's step
// (the single star's, in degrees for an afocal system) and the linear field radius as the analysis bounds it. Every
// refresh sets them before it draws, so that they are the same whichever view was drawn and a replay of the
// journal rebuilds them.
void FixeReglagesVues();

// "Distance à l'axe ..." for the current mode.
std::string LegendeAxeChamp(int rayon);
// The label of a field tick: degrees ("0.##") when an angular radius of 120' or more names degrees in its caption.
std::string EtiquetteChamp(int valeur, int rayon);

// "'", "µm" or "mm" after the diameter sign of the size axis.
std::string UniteTaille();

// The legend names the luminosity first when the system has an obstruction or a device; the luminosity entry is
// drawn also for a Schmidt or a Schmidt-Newton.
bool LuminositeLegende();
bool LuminositeLegendeEntree();

// Twice the Airy radius in the size axis's unit (arc minutes, or mm).
double DiametreAiryGraphe();

// The two lines under the field axis, the text at the right of line 2, and the field between two labels with its
// equivalent, written at the top right around a double arrow.
struct TFiguresChamp
{
    std::string Ligne1;
    std::string Ligne2;
    std::string Droite;
    std::string Equivalence1;
    std::string Equivalence2;
};
TFiguresChamp FiguresChampEcran();
// The printed figures: the first-surface distance always from surface 1 and the primary's focus, the focal ratio
// whenever a device extends an instrument of more than 1 mm focal length.
TFiguresChamp FiguresChampImprime();

std::string TextePupilleOculaire(const TPupilleOculaire& pupille);
