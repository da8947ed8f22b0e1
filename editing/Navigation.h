// Moving the entry box from field to field without the mouse: the values of the sheet in the order the sheet shows
// them for the instrument's form, then the device title, the three spectral lines and the cells of the surface
// tables row by row. Neither routine commits: the callers commit first and hand over the field they left.
#pragma once

#include "editing/EtatEdition.h"

// Opens the field after `quitte`; when a refused value is pending (`CodeSaisieRefusee`), reopens that field instead
// and clears the request. Where the order has no field after `quitte`, nothing changes: the box keeps the field that
// is actually open, with its own code.
void OuvreSaisieSuivante(TCodeSaisie quitte);

// Opens the field before `quitte`, or changes nothing where the order has none.
void OuvreSaisiePrecedente(TCodeSaisie quitte);

// Opens the field of a code for the current form: a sheet value, the title, a wavelength list or a table cell (on
// the current row); nothing for a code the form does not show.
void OuvreChampDeCode(TCodeSaisie code);
