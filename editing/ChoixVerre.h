// The glass choice of a table row: the catalogue's materials as the editors read them, the catalogue's answer, and
// applying that answer to the current row of the lens device, the lens group or the plate glass.
#pragma once

#include "editing/Ports.h"
#include "optics/Crochets.h"
#include "optics/Modele.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One material of the glass catalogue as its 24 lines: 0 the name, 1 to 23 the index texts at the spectral lines,
// exactly as the file holds them.
struct TMatiereCatalogue
{
    std::array<std::string, NombreLongueursOnde + 1> Lignes;
};

// The materials read from the catalogue file, in file order (material k is element k - 1). Erreur: the file did not
// open, its header was refused, a record was cut short or an index line was not a number.
struct TCatalogueLu
{
    std::vector<TMatiereCatalogue> Matieres;
    bool Erreur = false;
};

// What the catalogue dialog hands back: 0 the glass name, 1 to 3 its red, green and blue index texts (empty for a
// colour with no chosen line), and whether a material was chosen at all.
inline std::array<std::string, 4> MatiereChoisie;
inline bool MatiereSelectionnee = false;

// The catalogue as the editors reach it: the real file and window, installed at start-up.
struct TPortsCatalogue
{
    TCatalogueLu (*Lit)() = [] {
        CrochetAbsent("PortsCatalogue.Lit");
        return TCatalogueLu{{}, true};
    };
    // Shows the catalogue window modally over MatiereChoisie and MatiereSelectionnee.
    void (*Montre)() = [] { CrochetAbsent("PortsCatalogue.Montre"); };
    // The same as a table of the materials to choose from: captioned as such, sorted by name, nothing selected.
    void (*MontreTable)() = [] { CrochetAbsent("PortsCatalogue.MontreTable"); };
    // The disk-icon message box of a file that could not be read.
    void (*AfficheMessageDisque)(const std::string& titre, const std::string& texte) =
        [](const std::string&, const std::string&) { CrochetAbsent("PortsCatalogue.AfficheMessageDisque"); };
    // The index of a glass the program knows without its catalogue file, at a line; 0 for a glass it does not know.
    float (*IndiceVerreIntegre)(std::string_view nom, TLongueurOnde ligne) = [](std::string_view, TLongueurOnde) {
        CrochetAbsent("PortsCatalogue.IndiceVerreIntegre");
        return 0.0f;
    };
};

inline TPortsCatalogue PortsCatalogue;

// The journal value of a glass choice: three index texts padded or cut to ten characters, then the name.
std::string TexteChoixVerre(const std::array<std::string, 4>& matiere);

// The target row of a choice: a lens-device row (1..30), or a lens-group row (1..13, row 1 also the plate glass).
enum class TTableVerre
{
    Dispositif,
    Groupe
};

// Writes the answer into the row (each non-empty index text, the name when not empty) and, when a material was
// chosen, journals code 9003 at the row (the row + 100 for the lens group). Nothing else.
void AppliqueChoixVerre(TTableVerre table, int ligne);

// The catalogue button of a row: empties the answer, shows the catalogue and applies the answer to the current row
// of Edition.TableEditee (1 lens device, 2 lens group, 3 the plate glass: group row 1); a choice marks the document
// modified.
void ChoixVerreLigne();

// Page Down in an index cell of the lens device (2004 to 2006) or of the lens group (2014 to 2016): commits the box in
// place, chooses a glass and reopens the cell on the index stored. Any other field: nothing. Installed as the keys'
// hook at start-up.
void ChoixVerreClavierIndice();
