// Installs a scripted double of every platform service (and the real files on disk) for the lifetime of a test,
// then puts back the services that were installed before. Unused answers fail the test when it ends.
#pragma once

#include "AideEnregistree.h"
#include "BipCompteur.h"
#include "DemandeFoyerScriptee.h"
#include "DialoguesFichierScriptes.h"
#include "ImpressionScriptee.h"
#include "PressePapiersMemoire.h"
#include "QuestionScriptee.h"
#include "platform/FichiersDisque.h"
#include "platform/Services.h"

class TServicesDeTest
{
public:
    TServicesDeTest();
    ~TServicesDeTest();
    TServicesDeTest(const TServicesDeTest&) = delete;
    TServicesDeTest& operator=(const TServicesDeTest&) = delete;

    TQuestionScriptee Question;
    TDialoguesFichierScriptes DialoguesFichier;
    TImpressionScriptee Impression;
    TBipCompteur Bip;
    TPressePapiersMemoire PressePapiers;
    TAideEnregistree Aide;
    TDemandeFoyerScriptee DemandeFoyer;
    TFichiersDisque Fichiers;

private:
    TServices Precedents;
};
