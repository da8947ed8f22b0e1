// The glasses of the test designs, at the default lines 8, 13 and 15, and the row that puts one in the lens device.
#pragma once

struct TVerre
{
    const char* Nom;
    float Rouge, Vert, Bleu;
};
inline constexpr TVerre BK7 = {"BK7", 1.51432f, 1.51872f, 1.52283f};
inline constexpr TVerre F2 = {"F2", 1.61503f, 1.62408f, 1.63310f};
inline constexpr TVerre Air = {"Air", 1.000276f, 1.000278f, 1.00028f};

// Row i of the lens device; the glass is the medium behind the surface.
void LigneDispositif(int i, double rayon, double epaisseur, double diametre, const TVerre& verre);
