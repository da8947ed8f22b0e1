// The system beep, in its two kinds.
#pragma once

#include "optics/GenresBip.h"

class IBip
{
public:
    virtual ~IBip() = default;
    virtual void Bip(int type) = 0;
};

// Sounds the beep of the installed service; without one, nothing.
void MessageBeep(int type);
