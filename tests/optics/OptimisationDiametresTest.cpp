// The diameter optimisation: each new diameter is the beam's full width plus 0.2 mm, the design is left as it was,
// the afocal chief ray leaves at the wanted angle, and each refusal is named.
#include "optics/OptimisationDiametres.h"

#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/TraceRayon.h"
#include "optics/Validite.h"
#include "support/Formes.h"
#include "support/Verres.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

// A Newton with a two-lens device behind its focus.
void NewtonDeuxLentilles(double epaisseurLentille = 6)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    // The flat's place, as the focal length's entry sets it.
    Instrument.DistanceEntreMiroirs = Instrument.FocalePrimaire - Instrument.DistanceSecondaireFoyer;
    LigneDispositif(1, 60, epaisseurLentille, 40, BK7);
    LigneDispositif(2, -60, 2, 40, Air);
    LigneDispositif(3, -50, 3, 40, F2);
    LigneDispositif(4, 200, 60, 40, Air);
    Dispositif.NombreDioptres = 4;
    AppliqueIndices();
    RederiveForme();
}

using TDiametres = std::array<double, NombreMaxDioptres + 1>;

// The largest distance from the axis on each surface of the rays from `departs` at the field angle `angle`, traced
// one by one in each of the three colours.
template <std::size_t N>
TDiametres LargeursTracees(double angle, const std::array<double, N>& departs)
{
    TDiametres carres{};
    TDioptre& d = Dispositif;
    for (const auto* indices : {&d.IndiceVert, &d.IndiceRouge, &d.IndiceBleu})
    {
        d.IndiceTrace = *indices;
        for (const double x : departs)
        {
            EffaceDrapeauxRayon();
            Rayon.EstRayonReference = false;
            Rayon.AngleChamp = angle;
            Rayon.SinusAngleChamp = std::sin(angle);
            Rayon.CosinusAngleChamp = std::cos(angle);
            Rayon.XDepart = x;
            Rayon.YDepart = 0;
            TraceRayon();
            EXPECT_FALSE(Rayon.RayonPerdu);
            for (int i = 1; i <= d.NombreDioptres; ++i)
                carres[i] = std::max(carres[i], Rayon.HauteurImpact[i] * Rayon.HauteurImpact[i]);
        }
    }
    AppliqueIndices();
    TDiametres diametres{};
    for (int i = 1; i <= d.NombreDioptres; ++i)
        diametres[i] = 2 * std::sqrt(carres[i]) + 0.2;
    return diametres;
}

TEST(OptimisationDiametres, ChaqueDiametreEstLaLargeurDuFaisceauPlusDeuxDixiemes)
{
    NewtonDeuxLentilles();
    const TDioptre avant = Dispositif;
    const TOptimisationDiametres axial = OptimiseDiametres(0);
    ASSERT_EQ(axial.Refus, TRefusOptimisation::Aucun);
    // Nothing of the design changed; the traced indices are green again.
    EXPECT_EQ(Dispositif.DiametreDioptre, avant.DiametreDioptre);
    EXPECT_EQ(Dispositif.IndiceTrace, avant.IndiceTrace);
    ASSERT_TRUE(Validite.TroisCouleursPossibles);

    // On the axis, the rim of the pupil is the widest; in the plane of the field, the five rays of the beam.
    const double D = Instrument.DiametreEntree;
    const TDiametres bord = LargeursTracees(0.0, std::array{D / 2, -D / 2});
    for (int i = 1; i <= 4; ++i)
        EXPECT_NEAR(axial.Diametres[i], bord[i], 1e-9) << i;

    const TOptimisationDiametres horsAxe = OptimiseDiametres(3);
    ASSERT_EQ(horsAxe.Refus, TRefusOptimisation::Aucun);
    const double f = Systeme.DistanceAxeRayonFoyer * D;
    const TDiametres faisceau =
        LargeursTracees(std::atan(3 / Instrument.FocaleEffective), std::array{0.0, f, -f, D / 2, -D / 2});
    for (int i = 1; i <= 4; ++i)
    {
        EXPECT_NEAR(horsAxe.Diametres[i], faisceau[i], 1e-9) << i;
        EXPECT_GT(horsAxe.Diametres[i], axial.Diametres[i]) << i;
    }
}

TEST(OptimisationDiametres, UnDispositifAfocalEstViseALAngleApparent)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    Instrument.DistanceEntreMiroirs = Instrument.FocalePrimaire - Instrument.DistanceSecondaireFoyer;
    // A plano-convex lens of 25 mm focal length.
    LigneDispositif(1, RayonPlan, 3, 20, BK7);
    LigneDispositif(2, -25.0 * (BK7.Vert - 1.0), EpaisseurInfinie, 20, Air);
    Dispositif.NombreDioptres = 2;
    // Solved once with the device, as the refresh does before a view.
    AppliqueIndices();
    VerifieValidite();
    Instrument.CarreRayonPupille = Instrument.DiametreEntree * Instrument.DiametreEntree / 4;
    PrepareSysteme();
    ASSERT_TRUE(Validite.SystemeAfocal);
    const TOptimisationDiametres o = OptimiseDiametres(2);
    ASSERT_EQ(o.Refus, TRefusOptimisation::Aucun);
    // The beam's rays keep the chief ray's field angle: that ray leaves at 2 degrees of apparent field.
    Rayon.XDepart = 0;
    Rayon.EstRayonReference = true;
    TraceRayon();
    EXPECT_NEAR(std::abs(std::asin(Rayon.LRayon)), 2 * std::numbers::pi / 180, 1e-7);
    EXPECT_GT(o.Diametres[1], 0.2);
}

TEST(OptimisationDiametres, ChaqueRefusEstNomme)
{
    struct TCas
    {
        const char* Nom;
        double Distance;
        double EpaisseurLentille;
        bool Interrompu;
        TRefusOptimisation Refus;
    };
    const TCas cas[] = {
        {"le bord du faisceau manque le plan", 20, 6, false, TRefusOptimisation::BordSecondaire},
        {"le rayon principal est perdu", 60, 6, false, TRefusOptimisation::ReflexionTotale},
        {"la lentille trop mince pour ses nouveaux diametres", 0, 1, false, TRefusOptimisation::EpaisseurInsuffisante},
        {"le systeme n'a pas ete resolu", 0, 6, true, TRefusOptimisation::Impossible},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        NewtonDeuxLentilles(c.EpaisseurLentille);
        Systeme.CalculInterrompu = c.Interrompu;
        const TDioptre avant = Dispositif;
        EXPECT_EQ(OptimiseDiametres(c.Distance).Refus, c.Refus);
        EXPECT_EQ(Dispositif.DiametreDioptre, avant.DiametreDioptre);
        EXPECT_EQ(Dispositif.IndiceTrace, avant.IndiceTrace);
    }
}

} // namespace
