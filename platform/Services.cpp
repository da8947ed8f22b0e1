// The services record and the beep helper that every caller uses.
#include "platform/Services.h"

TServices& Services()
{
    static TServices services;
    return services;
}

void MessageBeep(int type)
{
    if (Services().Bip != nullptr)
        Services().Bip->Bip(type);
}
