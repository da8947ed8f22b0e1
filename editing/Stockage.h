// The store routines of the instrument's values: one per value, each storing the value and running the derivation
// that the instrument's form asks for. The commit, the spin arrows, the frames and the journal's replay all go
// through them, so that replaying a record rebuilds exactly the design the edit gave.
#pragma once

#include "editing/Ports.h"
#include "optics/GardeCalcul.h"
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

// The cells of the lens device (rows 1 to 30) and of the lens group (rows 1 to 13, row 1 also the plate or meniscus
// glass). The device's index columns and glass name of row r are its medium r + 1, the group's its medium r.
// A stop (radius 1e30) gives the medium behind it the medium in front of it: on row 1 the air at the three chosen
// lines, named "Air - Diaphragme", elsewhere the indices of the row above, named "Diaphragme".
void StockeRayonDioptre(int ligne, double rayon);
void StockeEpaisseurDioptre(int ligne, double epaisseur);
void StockeDiametreDioptre(int ligne, double diametre);
// `codeJournal` 2004, 2005 or 2006 for the red, green or blue index.
void StockeIndiceDioptre(std::int32_t codeJournal, int ligne, float indice);
void StockeMatiereDioptre(int ligne, const std::string& matiere);
// A radius on a row past the group's last makes that row the last.
void StockeRayonGroupe(int ligne, double rayon);
void StockeEpaisseurGroupe(int ligne, double epaisseur);
// The Houghton forms' corrector gives its first row's diameter to the entrance.
void StockeDiametreGroupe(int ligne, double diametre);
// `codeJournal` 2014, 2015 or 2016 (2054 to 2056 for the plate glass, row 1).
void StockeIndiceGroupe(std::int32_t codeJournal, int ligne, float indice);
void StockeMatiereGroupe(int ligne, const std::string& matiere);
// The Klevtsov secondary's radius, shown in the mirror row under the lens group.
void StockeRayonCourbureSecondaire(double rayon);
// Removes an emptied row of the lens group: the rows below move up, the last row is cleared, the current row stays
// inside the table.
void RetireLigneGroupe(int ligne);

// The cell of a journal code (2001 to 2007, 2011 to 2018, 2054 to 2057) on a row: the number stored by its routine
// (the text for a glass name). False, with nothing changed, for another code, a row outside its table or a number
// that is not finite.
bool StockeCellule(std::int32_t codeJournal, int ligne, double valeur);
bool StockeMatiere(std::int32_t codeJournal, int ligne, const std::string& matiere);

// The instrument's value of a journal code, stored by its routine. False, with nothing changed, for a code that is
// not an instrument value, or when the store leaves a value of the design that is not a finite number (the design is
// then put back as it was).
bool StockeValeur(std::int32_t codeJournal, double valeur);
// A typed value's store: refused as well, with nothing changed, when the form's set-up would leave a value that is
// not a finite number.
bool StockeValeurSaisie(std::int32_t codeJournal, double valeur);
// The record as the replay reads it: the value read as a number (as a text for the device title and the glass
// names), the cells on the record's row.
bool StockeEnregistrement(const TEnregistrementJournal& enregistrement);
