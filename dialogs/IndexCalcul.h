// The glass catalogue file "Indices.idr": the built-in glasses it is created from, its check at start-up, its
// reading, the list's Abbe numbers and orders, and the saving of an edited or new material. No window here.
#pragma once

#include "editing/ChoixVerre.h"
#include "optics/Modele.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* NomFichierIndices = "Indices.idr";
// Lines of one material in the file: its name and an index per spectral line.
inline constexpr int LignesParMatiere = NombreLongueursOnde + 1;

// The catalogue's full path, in the program's folder.
std::string FichierIndices();

// A glass of the built-in table, with its index at each spectral line (0: no value at that line).
struct TVerreIntegre
{
    const char* Nom;
    TIndicesMatiere Indices;
};

// The built-in glasses in the order a new catalogue lists them after "Vide" and "Air".
extern const std::array<TVerreIntegre, 20> VerresIntegres;

// Two material names are the same, A to Z equal to a to z.
bool MemeNomSansCasse(std::string_view a, std::string_view b);

// A built-in glass's index at a line, its name compared without letter case; 0 for an unknown glass or no line.
float IndiceVerreIntegre(std::string_view nom, TLongueurOnde ligne);

// An index as a new catalogue writes it: "#0.000000" with "," as the decimal mark.
std::string FormateIndice(float indice);

// The check at start-up: a missing catalogue is created, an empty or refused one is kept as "Indices.bak" and
// created anew, each after its message; a file that exists but does not open is left for the reading to report.
void VerifieCatalogue();

// Reads the materials in file order. With the header test, a first line not starting "<Quivane 3" reads nothing.
// An index line that is not a number counts as no index at that line; a record cut short is dropped. Both, like a
// file that does not open, set Erreur.
TCatalogueLu LitCatalogue(bool testEntete = true);

// A material's index text at a line, "0" when no line is chosen.
std::string TexteIndiceLigne(const TMatiereCatalogue& matiere, TLongueurOnde ligne);

// The Abbe number at the chosen lines, "#0.00", or "0" when there is none (a missing index, no dispersion).
std::string TexteAbbe(const TMatiereCatalogue& matiere, const TLongueursOnde& lignes);

enum class TColonneCatalogue
{
    Abbe = 1,
    Rouge,
    Vert,
    Bleu,
    Nom
};

// The material numbers (from 1) in the order the list shows them when sorted by a column: by name the first two
// materials stay first; any other column orders every material. Texts compare as texts, A to Z equal to a to z;
// equal texts keep file order.
std::vector<int> OrdreMatieres(const TCatalogueLu& catalogue, TColonneCatalogue colonne, const TLongueursOnde& lignes);

// The edit page's material: its name and its indices at lines 1 to 23 (element 0 unused).
struct TMateriau
{
    std::string Nom;
    std::array<float, LignesParMatiere> Indices{};
};

// Saves the edit page's material, as a new last material (numero 0) or in place of material numero, which an empty
// name deletes. The catalogue is replaced only by a complete new file; on failure it stays as it was, the message
// is shown and false returned.
bool EnregistreMatiere(int numero, const TMateriau& materiau);

// Whether another material than numero (0: none excluded) is already named exactly so. A catalogue that does not
// open is reported and counts as no duplicate; a refused header skips the check.
bool NomDejaEnregistre(const std::string& nom, int numero);

// What the edit page does with a typed index: nothing (not a number), a beep (negative), stored (0, or from 1 to
// below 5), or a beep that keeps the box on its row (any other value).
enum class TValeurIndice
{
    Ignoree,
    Negative,
    Stockee,
    Refusee
};
TValeurIndice ValeurIndiceMatiere(const std::string& texte, float& valeur);

// The answer of a chosen material: its name and its index texts at the chosen lines (empty for a line not chosen).
void SelectionneMatiere(const TMatiereCatalogue& matiere);

// The system message box of the catalogue (exclamation icon, one OK button).
void AfficheMessageCatalogue(const std::string& titre, const std::string& texte);
