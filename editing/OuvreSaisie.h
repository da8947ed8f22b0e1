// The openers of the sheet's values, of the device title and of the off-axis distances: each places the entry box
// over its value, fills it with the value as shown, and sets the field code by instrument form.
#pragma once

#include "editing/EtatEdition.h"

// The values of the sheet, one opener each.
enum class TValeurFiche
{
    DiametreEntree,
    DiametreMiroir,
    DiametreMiroirHoughton,
    FocalePrimaire,
    FocaleResultante,
    RayonCourburePrimaire,
    DegagementFoyer,
    CoefficientDeformationPrimaire,
    DiametreSecondaire,
    DistanceSecondaireFoyer,
    DiametreTrouCentral,
    CoefficientDeformationSecondaire,
    CoefficientDeformationSecondaire2,
    EpaisseurPrimaire,
    EpaisseurSecondaire,
    EpaisseurLame,
    DistanceLameMiroir,
    CoefficientK,
    CoefficientDeformationLame,
    DiametreMenisque,
    RayonMenisque1,
    RayonMenisque2,
    DistanceDiaphragmeMiroir
};

// The field code of a sheet value for a form; 0 when that form's sheet has no such value, and then its opener does
// nothing at all, so that the code never names a field other than the one open.
TCodeSaisie CodeValeurFiche(TValeurFiche valeur, TTypeInstrument forme);

// Opens a sheet value by its name (the named openers below call it).
void OuvreValeurFiche(TValeurFiche valeur);

void OuvreSaisieDiametreEntree();
void OuvreSaisieFocaleResultante();
void OuvreSaisieDiametreSecondaire();
void OuvreSaisieEpaisseurPrimaire();
void OuvreSaisieEpaisseurSecondaire();
void OuvreSaisieCoefficientDeformationLame();

// The device title (code 1000).
void OuvreSaisieTitreDispositif();
// The off-axis distance of the single star (2009) and of the lens-device section (2010), over the views' box.
void OuvreSaisieDistanceAxeEtoile();
void OuvreSaisieDistanceAxeImage();

// Run by every opening of the box, by entering it and by clicking in it: cut and copy enabled, paste while the
// clipboard holds text; the wavelength list is hidden.
void ActiveEditionSaisie();

// The number of a sheet value as the box shows it: "#0.#" and the like, empty for 0.
std::string TexteLongueurFiche(double valeur);
