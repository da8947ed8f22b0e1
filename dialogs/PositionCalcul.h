// The start values of the device's focus search, as the position window edits them: the focus shift the focal
// search starts from and the focus-to-first-surface distance the afocal search starts from. Both are saved in the
// design file, so a change is journaled and replayed like any other value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The journal index of each value.
enum class TValeurPosition : std::int32_t
{
    DecalageFoyerInitial = 0,
    DistanceFoyerDioptre = 1
};

struct TPositionDispositif
{
    double DecalageFoyerInitial = 0;
    double DistanceFoyerDioptre = 0;
    bool operator==(const TPositionDispositif&) const = default;
};

TPositionDispositif LitPositionDispositif();

// The value as its box shows it ("#0.###").
std::string TextePosition(TValeurPosition valeur);

// The one store routine of both values, for the boxes and the replay: a number is stored as read, neither rounded
// nor bounded; nothing, or a number that is not finite, stores nothing. True when stored.
bool StockePosition(TValeurPosition valeur, std::optional<double> nombre);
// A text typed in a box: stored when the dialogs' classifier takes it for a number.
bool StockePositionTapee(TValeurPosition valeur, const std::string& texte);

// The end of the window: each value that changed is journaled and marks the design modified (the file carries
// both); then a recomputation and the refresh.
void TerminePosition(const TPositionDispositif& avant);

// A journal record of the window replayed: the index names the value; another index, or a value that is not a
// finite number, changes nothing.
void AppliqueEnregistrementPosition(std::int32_t index, const std::string& valeur);
