// The device reports: the global power of a lens and of an air gap, the overall size, and their texts on both marks.
#include "dialogs/RapportsDispositif.h"

#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "platform/Format.h"
#include "support/Formes.h"
#include "support/Verres.h"

#include <gtest/gtest.h>

namespace {

class Rapports : public ::testing::Test
{
protected:
    void SetUp() override { Precedent = SeparateurDecimal; }
    void TearDown() override { SeparateurDecimal = Precedent; }
    char Precedent = '.';
};

constexpr TVerre Verre15187 = {"BK7", 1.5187f, 1.5187f, 1.5187f};

TEST_F(Rapports, LaPuissanceDUneLentilleEtSaFocaleSurLesDeuxMarques)
{
    ReinitialiseEtat();
    LigneDispositif(1, 100, 5, 30, Verre15187);
    LigneDispositif(2, -100, 95, 30, Air);
    Dispositif.NombreDioptres = 2;
    const double P = PuissanceGlobaleDispositif();
    EXPECT_NEAR(P, 10.285, 5e-4);
    for (const char marque : {',', '.'})
    {
        SeparateurDecimal = marque;
        const std::string m(1, marque);
        EXPECT_EQ(
            TextePuissanceGlobale(P),
            "Dispositif dioptrique :\n\nLa puissance optique globale de ce dispositif,\nc'est à dire la somme des "
            "puissances de ses lentilles\nvaut 10" +
                m + "285 Dioptries = 1 / 0" + m +
                "097\n\nAttention ! Dans de nombreux cas cette considération\npeut être absurde.");
    }
    // An air gap between a concave and a convex face counts with its index above 1.
    LigneDispositif(2, -100, 50, 30, Air);
    LigneDispositif(3, 100, 5, 30, Verre15187);
    LigneDispositif(4, -100, 90, 30, Air);
    Dispositif.NombreDioptres = 4;
    EXPECT_NEAR(PuissanceGlobaleDispositif() - 2 * P, 0.000278 * -20 + 0.000278 * 0.000278 / 1.000278 * -10 * 10 * 0.05,
                1e-6);
}

TEST_F(Rapports, UnDispositifSansPuissanceNeDivisePas)
{
    ReinitialiseEtat();
    LigneDispositif(1, RayonPlan, 5, 30, Verre15187);
    LigneDispositif(2, RayonDiaphragme, 5, 30, Air);
    LigneDispositif(3, RayonPlan, 50, 30, Air);
    Dispositif.NombreDioptres = 3;
    SeparateurDecimal = ',';
    EXPECT_EQ(PuissanceGlobaleDispositif(), 0);
    const std::string texte = TextePuissanceGlobale(0);
    EXPECT_NE(texte.find("\nvaut 0,000 Dioptries\n\nAttention !"), std::string::npos) << texte;
}

TEST_F(Rapports, LEncombrementDUnDispositifFocalEtDUnAfocal)
{
    ReinitialiseEtat();
    LigneDispositif(1, 100, 5, 40, Verre15187);
    LigneDispositif(2, -100, 10, 60, Air);
    LigneDispositif(3, 80, 80, 50, Air);
    Dispositif.NombreDioptres = 3;
    const TEncombrementDispositif focal = EncombrementDispositif();
    for (const char marque : {',', '.'})
    {
        SeparateurDecimal = marque;
        const std::string m(1, marque);
        EXPECT_EQ(TexteEncombrement(focal),
                  "Encombrement du dispositif dioptrique :\n\nPlus grand diamètre = 60" + m +
                      "0 mm\n\nEpaisseur totale entre premier et dernier dioptre (ou diaphragme) = 15" + m +
                      "00 mm\n\nDistance entre premier dioptre et foyer résultant = 95" + m + "00 mm\n");
    }
    Dispositif.EpaisseurDioptre[3] = EpaisseurInfinie;
    SeparateurDecimal = ',';
    EXPECT_EQ(TexteEncombrement(EncombrementDispositif()),
              "Encombrement du dispositif dioptrique :\n\nPlus grand diamètre = 60,0 mm\n\nEpaisseur totale entre "
              "premier et dernier dioptre (ou diaphragme) = 15,00 mm\n");
}

} // namespace
