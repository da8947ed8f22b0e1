// Largest clear diameter of the lens device.
#include <gtest/gtest.h>

#include "optics/DiametreDispositif.h"
#include "support/Formes.h"

namespace {

TEST(DiametreMaximalDispositif, PlusGrandDiametreOuTrouCentral)
{
    const struct
    {
        const char* nom;
        int lignes;
        double diametres[3];
        double attendu;
    } cas[] = {
        {"trois lignes", 3, {30, 40, 25}, 40},
        {"dispositif vide", 1, {0, 0, 0}, 60},
        {"diamètres sous 1 mm", 2, {0.5, 0.8, 0}, 60},
    };
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.nom);
        ReinitialiseEtat();
        Instrument.DiametreTrouCentral = 60;
        Dispositif.NombreDioptres = c.lignes;
        for (int i = 1; i <= 3; ++i)
            Dispositif.DiametreDioptre[i] = c.diametres[i - 1];
        CalculeDiametreMaximalDispositif();
        EXPECT_EQ(Instrument.DiametreMaximalDispositif, c.attendu);
    }
}

TEST(DiametreMaximalDispositif, SchmidtCassegrainSansSecondaireOmbreLeFaisceau)
{
    const struct
    {
        const char* nom;
        double focale, diametreDispositif, attendu;
    } cas[] = {
        {"faisceau à la lame plus large que le dispositif", 2000, 30, 170}, // (2000 - 300) / 2000 x 200
        {"dispositif plus large que le faisceau", 2000, 180, 180},
        {"foyer pas encore calculé", 0, 30, 30},
    };
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.nom);
        ReinitialiseEtat();
        Instrument.TypeInstrument = TTypeInstrument::SchmidtCassegrain;
        Validite.SansSecondaire = true;
        Instrument.DiametreEntree = 200;
        Instrument.DistanceLameMiroir = 300;
        Instrument.FocaleEffective = c.focale;
        Dispositif.DiametreDioptre[1] = c.diametreDispositif;
        CalculeDiametreMaximalDispositif();
        EXPECT_DOUBLE_EQ(Instrument.DiametreObstructionDispositif, c.attendu);
    }
}

} // namespace
