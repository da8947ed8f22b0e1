// The instrument drawing colours without their window: the two colours edited live one component at a time, their
// picture, the journal record and its replay, and what the command does once the dialog is closed.
#pragma once

#include "optics/Modele.h"
#include "platform/Canevas.h"

#include <cstdint>
#include <string>

// The picture of the two colours.
inline constexpr int LargeurFondInstrument = 397;
inline constexpr int HauteurFondInstrument = 131;

// The six components: 1 to 3 red, green and blue of the mirrors, 4 to 6 of the lenses.
int ComposanteCouleurInstrument(int composante);

// A spin step on one component, written back at once into both colours (their low three bytes).
void PasCouleurInstrument(int composante, bool haut);

// The two bars, mirrors above and lenses below, on a cleared picture.
void DessineCouleursInstrument(ICanevas& canevas);

// Where the spin box stands in the dialog over the value of a component.
struct TPositionCase
{
    int X;
    int Y;
};
TPositionCase PositionCaseInstrument(int composante);

// The replay of the record: the mirrors' colour from the index, the lenses' from the value, both 24-bit colours;
// anything else changes nothing: false.
bool AppliqueTeintesInstrument(std::int32_t index, const std::string& valeur);

// The command after its dialog closed: when a colour differs from before, the record 9102 and a recomputation (the
// design file does not carry them: the design is not marked modified); then the refresh.
void TermineConfigInstrument(TColor miroirsAvant, TColor lentillesAvant);
