// The test services.
#include "ServicesDeTest.h"

TServicesDeTest::TServicesDeTest() : Precedents(Services())
{
    Services() =
        TServices{&Question, &DialoguesFichier, &Impression, &Bip, &PressePapiers, &Aide, &DemandeFoyer, &Fichiers};
}

TServicesDeTest::~TServicesDeTest()
{
    Services() = Precedents;
}
