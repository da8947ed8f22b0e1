// The two-lens Ross field corrector: its closed formula, the rounding of its radii and thicknesses, the values the
// dialog takes, the record that rebuilds it and the glass it is made of. No window here.
#pragma once

#include "dialogs/Formules.h"
#include "dialogs/ReglagesCommuns.h"
#include "optics/Crochets.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The four surfaces: radii, then the two lens thicknesses, the air gap and the distance to the image (mm).
struct TCorrecteurRoss
{
    std::array<double, 4> Rayons{};
    std::array<double, 4> Epaisseurs{};
};

// A radius of the formula brought to 0.01 mm by dropping what lies beyond after adding half a step: a positive
// radius goes to the nearest hundredth, a negative one toward zero (-173.2994 gives -173.29, -173.2949 -173.28).
double ArrondiRayonRoss(double rayon);

// The corrector for a primary of focal length `focale`, the first lens's power `p` already multiplied by
// focale / 1000, the distance to the focus as a fraction `m` of the focal length, the diameter `diametre` of the four
// surfaces and the glass's index `n` at the green line. Nothing when it cannot be built: the focus not beyond the
// corrector (m >= 1), a glass that does not bend light (n <= 1), a zero term, a radius that rounds to 0, any value
// that is not finite, or a lens or gap thicker than one of its radii (a radius smaller than half the diameter
// among them).
std::optional<TCorrecteurRoss> CalculeCorrecteurRoss(double focale, double p, double m, double diametre, double n);

// The glass of the two lenses: its name and its indices at the corrector's red, green and blue lines.
struct TVerreRoss
{
    std::string Nom;
    std::array<float, 3> Indices{};
};

// The built-in BK7 of the proposed corrector and of the dialog's presets.
TVerreRoss VerreRossBK7();

// The glass of that name, letter case ignored, for a replay: the catalogue's first, the built-in one otherwise;
// nothing for a name found in neither.
std::optional<TVerreRoss> VerreRossParNom(const std::string& nom);

// The glass chosen in the catalogue from its index texts at the corrector's lines; a line where the catalogue has no
// value gives 0.
TVerreRoss VerreRossChoisi(const std::array<std::string, 4>& matiere);

// What the dialog asks: the first lens's power in dioptres, the distance to the focus and the diameter in mm, and the
// glass.
struct TSaisieRoss
{
    float Puissance = -5.4f;
    float Distance = 60.0f;
    float Diametre = 50.0f;
    TVerreRoss Verre;
};

// The dialog's presets: the proposed corrector's values.
TSaisieRoss SaisieRossInitiale();

// The dialog's three boxes.
enum class TChampRoss
{
    Puissance,
    Distance,
    Diametre
};

// A box's text as its field's value: a text that is not a number, or a negative distance or diameter, is ignored;
// the value is brought to 0.001 (a half to the even neighbour); below 0.1 dioptre in magnitude for the power, or
// below 1 mm for the others, it is refused with its message and the value it had when the box took the focus comes
// back; otherwise, when it differs from that value, it is stored and shown "#0.###".
TValidationBoite ValideChampRoss(TChampRoss champ, const std::string& texte, float avantSaisie, float& valeur);

// A field's value as its box shows it, "#0.###".
std::string TexteChampRoss(float valeur);

// The record's value: the power P with its sign ("+" when not negative) "00.0000", m "0.00000", the diameter
// "000.0" and the glass's name, separated by one blank ("-05,4000 0,06000 050,0 BK7").
std::string TexteEnregistrementRoss(double p, double m, double diametre, const std::string& verre);

// The values of a record read back, its fields split on blanks so that a value wider than its columns still reads;
// nothing for a record that does not hold three numbers and a name.
struct TEnregistrementRoss
{
    double P = 0;
    double M = 0;
    double Diametre = 0;
    std::string Verre;
};
std::optional<TEnregistrementRoss> LitEnregistrementRoss(const std::string& valeur);

// The proposed corrector for the current instrument (power -5.4 dioptres, 60 mm in front of the focus, 50 mm, BK7)
// in place of the lens device, with the lines 8, 13 and 17 and the star steps of a 25 mm half-field; the design
// marked modified and the record -18 appended (none while a replay runs). A corrector that cannot be built is
// refused with its message (none during a replay) and nothing changes. True when it was written.
bool CreeCorrecteurRoss();

// The corrector typed in the dialog, in place of the lens device with the lines 8, 13 and 17, built from the record
// it appends (-19, none while a replay runs), so that undo, redo and recovery build exactly the same. Refused as the
// proposed one. True when it was written.
bool CreeCorrecteurRossSaisi(const TSaisieRoss& saisie);

// The replay of record -19: the glass looked up by its name; a record that does not read or a glass found nowhere
// builds nothing.
void CreeCorrecteurRossSpecifie(const std::string& valeur);

// The dialog as the command reaches it: the presets in, the values of an OK out, nothing for Cancel or the close box.
struct TPortsRoss
{
    std::optional<TSaisieRoss> (*Montre)(const TSaisieRoss& presets) = [](const TSaisieRoss&) {
        CrochetAbsent("PortsRoss.Montre");
        return std::optional<TSaisieRoss>();
    };
};

inline TPortsRoss PortsRoss;
