// The design file writer: the lines of the current design in the file's order, and their writing to the document.
#pragma once

#include <string>
#include <vector>

// The line after the tints of the program's own exact copy of a design, before every value of the instrument.
inline const std::string TitreValeursExactes = "[Valeurs exactes]";

// Every line of the current design, without line ends: header, the form's section (none without a form), the lens
// device, the 19 display settings and the 10 tints. Numbers use the current decimal mark, each with its digit
// pattern, or `exact`, with every digit it needs to read back the same and followed by every value of the
// instrument, those the file leaves to the read's formulas included (the program's own copy of a design).
std::vector<std::string> LignesFichierConception(bool exact = false);

// Writes the design to Etat.CheminDocument through a temporary file that replaces it only once complete; with
// cheminSecours given, the previous file is kept under that name. False when the file could not be written: the
// user is told, the previous file is untouched and the document stays modified.
bool EcritFichierConception(const std::string& cheminSecours = {}, bool exact = false);
