// The one record through which every platform service is reached; main() installs the real ones, each test
// fixture its doubles.
#pragma once

#include "platform/Aide.h"
#include "platform/Bip.h"
#include "platform/DemandeFoyer.h"
#include "platform/DialoguesFichier.h"
#include "platform/Fichiers.h"
#include "platform/Impression.h"
#include "platform/PressePapiers.h"
#include "platform/Question.h"

struct TServices
{
    IQuestion* Question = nullptr;
    IDialoguesFichier* DialoguesFichier = nullptr;
    IImpression* Impression = nullptr;
    IBip* Bip = nullptr;
    IPressePapiers* PressePapiers = nullptr;
    IAide* Aide = nullptr;
    IDemandeFoyer* DemandeFoyer = nullptr;
    IFichiers* Fichiers = nullptr;
};

TServices& Services();
