// The lens devices of fixed prescription that the menu "F&ormules" writes, and what every formula shares: rows whose
// media take the built-in glasses' indices at the design's three lines, and the star-view steps. No window here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The lines of the field correctors: 656.3, 546.1 and 404.7 nm.
inline constexpr std::int32_t LigneRougeCorrecteur = 8;
inline constexpr std::int32_t LigneVerteCorrecteur = 13;
inline constexpr std::int32_t LigneBleueCorrecteur = 17;

// Where a Barlow doublet went, as its record's index says.
inline constexpr std::int32_t IndexBarlowDerriere = 0;
inline constexpr std::int32_t IndexBarlowRemplace = 1;

// Writes row `ligne` of the lens device: radius, thickness and diameter, and behind the surface the medium named
// `matiere` with the indices of the built-in glass `verre` at the three chosen lines ("" for air). A colour with
// no line, or a line where the glass has no value, gets 0.
void EcritLigneFormule(int ligne, double rayon, double epaisseur, double diametre, const std::string& matiere,
                       std::string_view verre);
// The same with the medium's red, green and blue indices given.
void EcritLigneFormule(int ligne, double rayon, double epaisseur, double diametre, const std::string& matiere,
                       const std::array<float, 3>& indices);

// The air's indices at the design's three lines.
std::array<float, 3> IndicesAirFormule();

// What a formula that wrote a lens device leaves besides its rows: the design marked modified and to be recomputed,
// the star on the axis, and the commands that place a device from a file enabled.
void TermineDispositifFormule();

// The six-star step in arc minutes: a fifth of the angle that `demiLargeur` mm subtend at the primary's focus
// (`focale` mm), at least 1; 10 for a design with no focal length yet.
std::int32_t PasEtoilesFormule(double demiLargeur, double focale);

// The Barlow doublet (x2): in place of an empty device, or behind a present one whose last thickness leaves it
// room (the doublet's first surface then stands 57.901 mm in front of the former image). A device too long or too
// short for it is refused with its message and nothing changes. Otherwise the rows, the star steps, the focus
// search's start and the title are written, the design marked modified, and the record -21 with `index` appended
// (none while a replay runs). True when the doublet was written.
bool AjouteBarlow(std::int32_t index);

// The three-lens Wynne field corrector in place of the lens device, at the lines 8, 13 and 17, with the star steps of
// a 23 mm half-field, its title, the design marked modified and the record -20 appended (none while a replay runs).
// It is never refused.
void CreeCorrecteurWynne();
