// The lens-device drawing colours without their window: the working copies the dialog edits (the ten glass tints
// and the index limit), its picture of the tints and the clicks on it, the colour spin box shared with the
// instrument colours, the limit's validator, the journal record that packs them and its replay, and what the
// command does once the dialog is closed.
#pragma once

#include "dialogs/ReglagesCommuns.h"
#include "optics/Modele.h"
#include "platform/Canevas.h"

#include <optional>
#include <string>

// The picture of the tints.
inline constexpr int LargeurFondTeintes = 335;
inline constexpr int HauteurFondTeintes = 127;

// The working state of the dialog: the tints and the limit are applied only by OK.
struct TTeintesDialogue
{
    TPaletteTeintes TeinteDialogue{};
    float IndiceLimiteSaisi = 0;
    int TeinteSelectionnee = -1; // slot 0..9, -1 none
    int ComposanteTeinte = 1; // the spin box acts on 1 red, 2 green, 3 blue
};

// The state the command starts the dialog with: copies of the settings, no slot selected, red chosen.
TTeintesDialogue TeintesInitiales();

// One step of a colour component by the spin box: the upper half adds 1, the lower half takes 10 away, both
// wrapping within 0..255.
int PasComposante(int composante, bool haut);

// The colour spin box, 37 x 17: a number part, then the two arrows.
inline constexpr int LargeurCaseRVB = 37;
inline constexpr int HauteurCaseRVB = 17;

// The half of the spin box a press at (x, y) falls in: up, down, or nothing on its number part.
std::optional<bool> SensCaseRVB(int x, int y);

// The spin box showing a component's value, the arrow held down (if any) drawn pressed.
void DessineCaseRVB(ICanevas& canevas, int valeur, std::optional<bool> enfoncee);

// A click on the picture at (x, y): a swatch selects its slot, the component row chooses a component and keeps the
// slot; anywhere else leaves no slot selected.
void FondMouseUp(TTeintesDialogue& teintes, int x, int y);

// The selected tint swapped with the one before it (slot 0 with slot 9); the selection follows it.
void DeplaceTeinteAGauche(TTeintesDialogue& teintes);

// A spin step on the chosen component of the selected tint.
void PasTeinte(TTeintesDialogue& teintes, bool haut);

// The picture: the ten swatches, the selected one on a tab joined to the panel of its components, with a white
// field behind the chosen component's value.
void DessineTeintes(ICanevas& canevas, const TTeintesDialogue& teintes);

// The spin box's left edge in the picture's pixels, over the value of the chosen component (1 red .. 3 blue).
int PositionCaseRVB(int composante);

// A component (1 red .. 3 blue) of the selected tint; 0 when no slot is selected.
int ValeurComposante(const TTeintesDialogue& teintes, int composante);

// The limit box's text rounded to 0.01 and checked (5 is accepted) into the working limit.
TValidationBoite ValideIndiceLimite(TTeintesDialogue& teintes, const std::string& texte);

// The limit as the box shows it on opening.
std::string TexteIndiceLimite(float limite);

// OK: the working tints and limit become the settings.
void ValideTeintes(const TTeintesDialogue& teintes);

// The journal value: each tint as the design file writes colours, in ten columns of ten characters, then the limit
// with two decimals from column 101. A colour text of ten characters or more is followed by one blank so that the
// replay, which splits the value on blanks, still finds every field.
std::string TexteTeintesDispositif(const TPaletteTeintes& teintes, float limite);

// The replay of that value: ten colour texts and a limit (1.1 when missing) from 0 to 5. Anything else changes
// nothing: false.
bool AppliqueTexteTeintesDispositif(const std::string& valeur);

// The command after its dialog closed: when a tint or the limit differs from before, the record 9103, the design
// marked modified (the design file carries them) and a recomputation; then the refresh.
void TermineConfigDispositif(const TPaletteTeintes& teintesAvant, float limiteAvant);
