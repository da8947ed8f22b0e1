// A hook nobody installed is a wiring mistake: the call names the hook, and the program stops on it.
#include "optics/Crochets.h"
#include "optics/Notifications.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Absents;

}

TEST(Crochets, UnCrochetNonInstalleSeNommeEtRendUneReponseVide)
{
    SurCrochetAbsent = [](const char* nom) { Absents.emplace_back(nom); };
    const TNotifications absentes;
    absentes.Bip(BipDefaut);
    absentes.InstrumentReinitialise();
    EXPECT_FALSE(absentes.DemandeDecalageFoyer());
    EXPECT_EQ(Absents, (std::vector<std::string>{"Notifications.Bip", "Notifications.InstrumentReinitialise",
                                                 "Notifications.DemandeDecalageFoyer"}));
}

TEST(CrochetsDeathTest, HorsDesTestsUnCrochetNonInstalleArreteLeProgrammeEnLeNommant)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    SurCrochetAbsent = nullptr;
    EXPECT_DEATH(TNotifications{}.DispositifReinitialise(true), "Notifications.DispositifReinitialise");
}
