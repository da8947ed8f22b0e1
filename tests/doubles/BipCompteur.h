// A beep that only counts, by kind.
#pragma once

#include "platform/Bip.h"

#include <map>

class TBipCompteur : public IBip
{
public:
    void Bip(int type) override { ++ParType[type]; }
    int Nombre(int type) const
    {
        const auto trouve = ParType.find(type);
        return trouve == ParType.end() ? 0 : trouve->second;
    }
    int Total() const
    {
        int total = 0;
        for (const auto& [type, nombre] : ParType)
            total += nombre;
        return total;
    }
    void Oublie() { ParType.clear(); }

private:
    std::map<int, int> ParType;
};
