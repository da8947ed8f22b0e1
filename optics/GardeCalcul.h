// The bounds of one design computation: a budget of traces shared by all its solves and searches, and a design that
// never keeps a value that is not a finite number.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "optics/Modele.h"
#include "optics/Rayon.h"

// Every record a computation writes, taken as it stands so that it can be put back.
struct TCopieCalcul
{
    TInstrument Instrument_;
    TDioptreGroupe Groupe_;
    TDioptre Dispositif_;
    TReglages Reglages_;
    TValidite Validite_;
    TSysteme Systeme_;
    TRayon Rayon_;

    TCopieCalcul();
    void Remet() const;
};

// Opened by each set-up of a form. The outermost guard of a computation gives it one budget of traces for all its
// solves and searches, however deeply they nest, so that no value can make it run for long; and on leaving, when the
// computation left a value that is not a finite number, it puts the design back as it found it and marks the
// computation failed. Guards opened inside it add nothing.
class TGardeCalcul
{
public:
    TGardeCalcul();
    ~TGardeCalcul();
    TGardeCalcul(const TGardeCalcul&) = delete;
    TGardeCalcul& operator=(const TGardeCalcul&) = delete;

private:
    std::optional<TCopieCalcul> Avant;
};

// The traces one computation may make: about a twentieth of a second of the longest passes.
inline constexpr long BudgetTracesCalcul = 60000;

// Takes `nombre` traces from the running computation's budget; always true outside a computation. When the budget is
// spent: false, and the computation is stopped as a search that reaches its bound is (`CalculInterrompu`,
// `CalculEchoue`, an invalid instrument, one beep).
bool DepenseTraces(long nombre);

// The real fields of the instrument, in double and in single precision.
std::span<double TInstrument::*const> ChampsReelsInstrument();
std::span<float TInstrument::*const> ChampsSimplesInstrument();

// The traces the running computation has taken from its budget so far, or the last one took in all.
long TracesDepensees();

// Whether a real value of the design or of the solved system is NaN or infinite.
bool ConceptionNonFinie();

// How many computations were put back for a value that was not a finite number, since the program started.
std::int64_t CalculsNonFinisRemis();
