#include "optics/Crochets.h"

#include <cstdio>
#include <cstdlib>

void CrochetAbsent(const char* nom)
{
    if (SurCrochetAbsent != nullptr)
    {
        SurCrochetAbsent(nom);
        return;
    }
    std::fprintf(stderr, "Quivane: hook %s called but never installed\n", nom);
    std::abort();
}
