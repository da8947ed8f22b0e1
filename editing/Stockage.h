// The store routines of the instrument's values: one per value, each storing the value and running the derivation
// that the instrument's form asks for. The commit, the spin arrows, the frames and the journal's replay all go
// through them, so that replaying a record rebuilds exactly the design the edit gave.
#pragma once

#include "editing/Ports.h"
#include "optics/Modele.h"

#include <cstdint>
#include <span>
#include <string>

// Entrance diameter D, with the form's formula; the Schwarzschild takes its default focal lengths and secondary,
// the Houghton forms give the corrector's first row (or all its rows while none has a diameter) the same diameter.
void StockeDiametreEntree(double diametre);
// Primary focal length of the Newton and the Maksutov forms: R1 := 2 F1 and the flat's distance from the primary.
void StockeFocalePrimaireNewton(double focale);
// Primary focal length of the two-mirror forms and the Schmidt-Cassegrain, with the form's formula.
void StockeFocalePrimaire(double focale);
// Focal length of the system, with the form's formula.
void StockeFocaleResultante(double focale);
void StockeCoefficientDeformationPrimaire(double coefficient);
void StockeCoefficientDeformationSecondaire(double coefficient);
void StockeCoefficientDeformationSecondaire2(double coefficient);
// Short side of the diagonal flat: no derivation.
void StockeDiametreMiroirPlan(double diametre);
// Secondary mirror of the two-mirror forms, with the form's formula.
void StockeDiametreSecondaire(double diametre);
// Flat to focus, and the mirrors' separation F1 - dSF.
void StockeDistanceSecondaireFoyer(double distance);
// Back-focus clearance (DegagementNonSaisi clears it), with the form's formula.
void StockeDegagementFoyer(double degagement);
void StockeDiametreTrouCentral(double diametre);
void StockeEpaisseurPrimaire(double epaisseur);
void StockeEpaisseurSecondaire(double epaisseur);
void StockeTitreDispositif(const std::string& titre);

// Mirror behind a corrector; `codeJournal` 52 (Schmidt and Maksutov forms) or 132 (Lurie-Houghton).
void StockeDiametreMiroir(std::int32_t codeJournal, double diametre);
// Mirror radius of the Schmidt forms and the Klevtsov: F1 from it, the camera's plate placed.
void StockeRayonCourburePrimaireSchmidt(double rayon);
// Mirror radius of the Maksutov and Houghton forms: F1 := R / 2.
void StockeRayonCourburePrimaireMaksutov(double rayon);
// Focal length of the Schmidt camera and of the Schmidt-Newton: F and F1, R adjusted until the traced focal length
// is F.
void StockeFocaleSchmidt(double focale);
// Plate or meniscus thickness; the Schmidt-Newton's focal length is adjusted only while its plate stays clear of the
// diagonal flat.
void StockeEpaisseurLame(double epaisseur);
void StockeCoefficientDeformationLame(double coefficient);
// Stop to mirror (Maksutov forms), or mirror to the Klevtsov group.
void StockeDistanceDiaphragmeMiroir(double distance);
void StockeDiametreMenisque(double diametre);
// Meniscus radii as magnitudes; the lens group's rows 1 and 2 hold their negatives.
void StockeRayonMenisque1(double rayon);
void StockeRayonMenisque2(double rayon);
// Plate or meniscus to mirror; the Schmidt forms adjust their focal length to it.
void StockeDistanceLameMiroir(double distance);
void StockeCoefficientK(double k);

// The Schmidt plate placed from the mirror by its profile: R, R - t/5, R - t/2, R for profiles 0 to 3.
void PositionneLameSchmidt();
// The Schmidt-Newton's plate reaches the diagonal flat: e2/√2 + (F1 - dSF) + s/2 + t/2 beyond it.
bool ConflitLameMiroirPlan(double focale);

// The real fields of the instrument, in double and in single precision.
std::span<double TInstrument::*const> ChampsReelsInstrument();
std::span<float TInstrument::*const> ChampsSimplesInstrument();

// The instrument's value of a journal code, stored by its routine. False, with nothing changed, for a code that is
// not an instrument value, or when the store would turn a finite value of the instrument or of the lens group into
// one that is not a finite number (the design is then put back as it was).
bool StockeValeur(std::int32_t codeJournal, double valeur);
// The record as the replay reads it: the value read as a number (as a text for the device title).
bool StockeEnregistrement(const TEnregistrementJournal& enregistrement);
