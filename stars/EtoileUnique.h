// The single-star view: one star image enlarged, with its scale, distance, results (Strehl estimate, distortion,
// luminosity) and on request the transverse aberration curves, on screen and as a printed block.
#pragma once

#include <optional>
#include <string>

#include "platform/Canevas.h"
#include "stars/MecaniqueEtoiles.h"

// What outlives a drawing of the view besides the settings.
struct TEtatEtoileUnique
{
    double DistanceAxeEtoileValide = 0; // the last distance known to work
    bool MessageRayonPrincipalAffiche = false; // the lost-chief-ray message was shown by the last failing drawing
};
inline TEtatEtoileUnique EtatEtoileUnique;

inline constexpr const char* TitreAnalyseEtoileUnique = "Quivane - Analyse Etoile Unique";
inline constexpr const char* MessageRayonCentralPerdu =
    "Le rayon central ne peut plus traverser le dispositif à cause d'une réflexion totale ou d'un diaphragme, "
    "l'analyse est donc impossible! Indiquez une distance à l'axe plus faible.";

// Before the star distance changes: the view forgets its last failing distance's message, and takes the present
// distance as the last one known to work.
void PrepareDistanceEtoile();

// Draws the view; an afocal chief ray that no longer passes is reported through the question window once per
// failure, and the last working distance comes back for the next drawing.
void DessineEtoileUnique(TFenetreEtoiles& fenetre);
void ImprimeEtoileUnique(IImprimante& imprimante, TPositionImpression& position, bool transversales);

// The Strehl line of a ratio: "0.##" above 0.1, "0.000" down to 0.001, no line below.
std::optional<std::string> TexteRapportStrehl(float rapport);
