// Homothety: the Newton example, the device's lengths scaled and its special values kept, the size limits, and every
// form scaled into the same design at another size.
#include "optics/Homothetie.h"

#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "support/Formes.h"
#include "support/Verres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(Homothetie, UnNewtonDoubleAvecSonPlan)
{
    ConstruitFormeDerivee(TTypeInstrument::Newton);
    Instrument.EpaisseurPrimaire = 30;
    LigneDispositif(1, 50, 5, 30, BK7);
    LigneDispositif(2, -50, 48, 30, Air);
    Dispositif.NombreDioptres = 2;
    const TDioptre dispositif = Dispositif;
    AppliqueHomothetie(2, {true, false});
    const TInstrument& I = Instrument;
    EXPECT_EQ(I.DiametreEntree, 400);
    EXPECT_EQ(I.FocalePrimaire, 2000);
    EXPECT_EQ(I.RayonCourburePrimaire, 4000);
    EXPECT_EQ(I.RayonPrimaireCube, 4000.0 * 4000 * 4000);
    EXPECT_EQ(I.DiametreSecondaire, 100);
    EXPECT_EQ(I.DistanceSecondaireFoyer, 300);
    EXPECT_EQ(I.DistanceEntreMiroirs, 1700);
    EXPECT_EQ(I.EpaisseurPrimaire, 60);
    EXPECT_EQ(Dispositif.RayonDioptre, dispositif.RayonDioptre);
    EXPECT_EQ(Dispositif.DiametreDioptre, dispositif.DiametreDioptre);
}

// Planes, stops, the infinite last thickness and unset thicknesses are kept at any coefficient, in the device and
// in the lens group; every other length is multiplied.
TEST(Homothetie, LesValeursSpecialesNeSontPasDesLongueurs)
{
    for (const float c : {0.05f, 20.0f})
    {
        SCOPED_TRACE(c);
        ConstruitFormeValide(TTypeInstrument::Lunette);
        TDioptre& d = Dispositif;
        LigneDispositif(1, 50, 5, 30, BK7);
        LigneDispositif(2, RayonPlan, EpaisseurNonSaisie, 30, Air);
        LigneDispositif(3, RayonDiaphragme, 10, 20, Air);
        LigneDispositif(4, -80, EpaisseurInfinie, 25, Air);
        d.NombreDioptres = 4;
        TDioptreGroupe& g = Groupe;
        const double rayonGroupe = g.RayonGroupe[1];
        g.RayonGroupe[2] = RayonPlan;
        g.EpaisseurGroupe[2] = EpaisseurNonSaisie;
        AppliqueHomothetie(c, {true, true});
        EXPECT_FLOAT_EQ(d.RayonDioptre[1], 50 * c);
        EXPECT_FLOAT_EQ(d.EpaisseurDioptre[1], 5 * c);
        EXPECT_FLOAT_EQ(d.DiametreDioptre[3], 20 * c);
        EXPECT_FLOAT_EQ(d.EpaisseurDioptre[3], 10 * c);
        EXPECT_FLOAT_EQ(d.RayonDioptre[4], -80 * c);
        EXPECT_EQ(d.RayonDioptre[2], RayonPlan);
        EXPECT_EQ(d.EpaisseurDioptre[2], EpaisseurNonSaisie);
        EXPECT_EQ(d.RayonDioptre[3], RayonDiaphragme);
        EXPECT_EQ(d.EpaisseurDioptre[4], EpaisseurInfinie);
        EXPECT_FLOAT_EQ(g.RayonGroupe[1], rayonGroupe * c);
        EXPECT_EQ(g.RayonGroupe[2], RayonPlan);
        EXPECT_EQ(g.EpaisseurGroupe[2], EpaisseurNonSaisie);
    }
}

TEST(Homothetie, LesLimitesDeTailleSontAtteintesSansEtreDepassees)
{
    ConstruitFormeValide(TTypeInstrument::Newton); // D 200, F1 1000, flat 50
    LigneDispositif(1, 5000, 5, 1200, BK7);
    LigneDispositif(2, -5000, 48, 1000, Air);
    Dispositif.NombreDioptres = 2;
    struct TCas
    {
        double Coefficient;
        TPartiesHomothetie Parties;
        bool Instrument, Dispositif;
    };
    const TCas cas[] = {
        {10, {false, true}, true, false},
        {10000.0 / 1200, {false, true}, true, true},
        {10, {true, false}, true, true},
        {100, {true, false}, true, true}, // F1 100000 and the flat 5000, both limits
        {100.1, {true, false}, false, true},
        {100.1, {true, true}, false, false},
        {100.1, {false, false}, true, true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Coefficient);
        const TLimitesHomothetie limites = VerifieLimitesHomothetie(c.Coefficient, c.Parties);
        EXPECT_EQ(limites.InstrumentAcceptable, c.Instrument);
        EXPECT_EQ(limites.DispositifAcceptable, c.Dispositif);
    }
}

// A design scaled is the same design at another size: each form stays valid, its traced focal length scales with
// the coefficient and no value becomes a number that is not finite.
TEST(Homothetie, ChaqueFormeGardeSaFormeASaNouvelleTaille)
{
    for (const TTypeInstrument forme : FormesInstrument)
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ConstruitFormeDerivee(forme);
        ASSERT_TRUE(Validite.InstrumentValide);
        const double focale = Instrument.FocaleEffective;
        AppliqueHomothetie(1.5f, {true, false});
        RederiveForme();
        EXPECT_TRUE(Validite.InstrumentValide);
        EXPECT_NEAR(Instrument.FocaleEffective / focale, 1.5, 1.5e-3);
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
    }
}

} // namespace
