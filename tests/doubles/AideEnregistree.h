// A help file that records what was asked of it; FichierPresent says whether it exists, Affichable whether a program
// can show it.
#pragma once

#include "platform/Aide.h"

#include <vector>

class TAideEnregistree : public IAide
{
public:
    bool FichierPresent() override { return Present; }
    bool AfficheSommaire() override
    {
        ++Sommaires;
        return Present && Affichable;
    }
    bool AfficheRubrique(int contexteAide) override
    {
        Rubriques.push_back(contexteAide);
        return Present && Affichable;
    }

    bool Present = true;
    bool Affichable = true;
    int Sommaires = 0;
    std::vector<int> Rubriques;
};
