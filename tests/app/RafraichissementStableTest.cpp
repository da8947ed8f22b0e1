// A refresh shows the design; a second refresh right after it changes nothing.
#include "JournalTest.h"
#include "editing/ClicsFiche.h"

#include <gtest/gtest.h>

namespace {

class RafraichissementStable : public JournalTest
{};

// The plate profile's button moves a camera's plate, and with it the film holder that obstructs the beam.
TEST_F(RafraichissementStable, LeProfilDeLaLameDUneChambreDeSchmidtSeStabiliseAuPremierRafraichissement)
{
    OuvreBase(TTypeInstrument::Schmidt, false);
    ConceptionRafraichie();
    for (int profil = 0; profil < 4; ++profil)
    {
        FicheBoutonLameClick();
        SCOPED_TRACE(static_cast<int>(Instrument.ProfilLame));
        const auto premier = ConceptionRafraichie();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), premier), "");
    }
}

} // namespace
