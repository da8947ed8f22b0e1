// The homothety dialog's computations: the coefficient typed, the size check that keeps the dialog open, and what the
// dialog answers to its command. No window here.
#pragma once

#include "optics/Crochets.h"
#include "optics/Homothetie.h"

#include <optional>
#include <string>

// What the validator of the coefficient box did: nothing for a text that is not a number or a negative one (the
// coefficient and the text stay); otherwise the coefficient within [0.001, 1000], the text the box shows for it and
// whether the value had to be brought to a limit (with a beep).
struct TCoefficientSaisi
{
    float Coefficient = 0;
    std::string Texte;
    bool Borne = false;
};
std::optional<TCoefficientSaisi> ValideCoefficientHomothetie(const std::string& texte);

// The error message when `coefficient` takes a part named in `parties` beyond its size limits, else nothing.
std::optional<std::string> VerifieCoefficientHomothetie(float coefficient, TPartiesHomothetie parties);

// Which boxes the dialog enables: the instrument once one of its main values is entered, the device when there is one.
struct TEtatHomothetie
{
    bool InstrumentActif = false;
    bool DispositifActif = false;
};

// The dialog's answer to OK: the coefficient typed (nothing when the box was left empty) and the parts ticked among
// the enabled ones.
struct TChoixHomothetie
{
    std::optional<float> Coefficient;
    TPartiesHomothetie Parties;
};

// The homothety dialog as its command reaches it.
struct TPortsHomothetie
{
    std::optional<TChoixHomothetie> (*Montre)(TEtatHomothetie etat) = [](TEtatHomothetie) {
        CrochetAbsent("PortsHomothetie.Montre");
        return std::optional<TChoixHomothetie>();
    };
};

inline TPortsHomothetie PortsHomothetie;
