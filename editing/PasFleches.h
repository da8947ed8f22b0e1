// The spin arrows of the surface tables and of their special rows: the value one step up or down, the pressed arrow
// shown while the button is held, and the entry box's text of a stepped value.
#pragma once

#include <optional>

// The value one arrow step gives, on the step of a typed value (0.01 mm, 1e-6 for an index) so that the box, the
// journal and the replay all hold the same number; nothing when the step is refused.
// A radius stays at least half the row's diameter and is never 0.
std::optional<double> PasRayon(double rayon, double diametre, double pas, bool monte);
// An unset thickness steps up to the step itself; a step down that would leave no thickness unsets it, one more is
// refused.
std::optional<double> PasEpaisseur(double epaisseur, double pas, bool monte);
// A diameter stays within twice the row's radius and above 0.
std::optional<double> PasDiametre(double diametre, double rayon, double pas, bool monte);
// An index stays between 1 and 5; an empty one does not step.
std::optional<double> PasIndice(double indice, double pas, bool monte);

// The pressed arrow over the one hit, at the arrow's left edge and the row's top (pixels of the page); both hidden.
void MontreFleche(int gauche, int haut, bool monte);
void CacheFleches();
// What a stepped value is, for the entry box's text: a length with two decimals, a thickness the same but empty
// when unset, an index with six decimals.
enum class TGenrePas
{
    Longueur,
    Epaisseur,
    Indice
};
void AfficheCandidat(double valeur, TGenrePas genre);
// The entry box committed when it is open.
void ValideSiOuverte();
