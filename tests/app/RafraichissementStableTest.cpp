// A refresh shows the design; a second refresh right after it changes nothing.
#include "JournalTest.h"
#include "editing/ClicsFiche.h"
#include "optics/DefautsTypes.h"

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

// A new first meniscus radius: the focus the refresh traces goes through the meniscus of that radius, placed where
// the design puts it, and the fully lit field that follows from it stays on the next refresh. A radius of 5 mm on
// these meniscuses of 110 and 160 mm loses the reference ray before the mirror: no focus, on every refresh, rather
// than one read from the previous trace's ray.
TEST_F(RafraichissementStable, UnNouveauRayonDuMenisqueSeStabiliseAuPremierRafraichissement)
{
    for (const TTypeInstrument forme : {TTypeInstrument::Maksutov, TTypeInstrument::MaksutovNewton})
    {
        for (const double rayon : {5.0, 60.0, 3000.0})
        {
            SCOPED_TRACE(NomTypeInstrument(forme) + " R1 " + std::to_string(rayon));
            OuvreBase(forme, false);
            ConceptionRafraichie();
            Modifie(SaisieRayonMenisque1, rayon);
            const auto premier = ConceptionRafraichie();
            if (rayon == 5.0)
            {
                EXPECT_TRUE(Systeme.CalculEchoue);
            }
            EXPECT_EQ(Ecarts(ConceptionRafraichie(), premier), "");
        }
    }
}

} // namespace
