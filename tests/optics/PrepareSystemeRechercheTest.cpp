// The step rule shared by the solver's searches, on residuals known in closed form.
#include "optics/PrepareSysteme.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// The focal searches: 10 mm steps, halved at each reversal.
constexpr TReglageRecherche Focale{0.1, 0.1, 2.0, 1e7, 1e-5, false};
// The afocal search: 2 mm steps, divided by 1.1 at each reversal; a lost ray restarts it.
constexpr TReglageRecherche Afocale{0.5, 0.1, 1.1, 1e6, 1e-7, true};

bool SansRelance(double&)
{
    ADD_FAILURE() << "no new start expected";
    return false;
}

TEST(RecherchePasAPas, PartDuDepartParPasDeDixEtDivisePar2AChaqueRetournement)
{
    std::vector<double> visitees;
    double v = 0.0;
    const auto issue = RecherchePasAPas(
        v, 0.0, Focale,
        [&](double x) {
            visitees.push_back(x);
            return TEssaiRecherche{x - 12.3, false};
        },
        SansRelance);
    ASSERT_EQ(issue, TIssueRecherche::Convergee);
    EXPECT_NEAR(v, 12.3, 1e-5);
    // Up past the root, back at 30 with half the step, past it again at 5, up with a quarter...
    const std::vector<double> attendues{0, 10, 20, 30, 25, 20, 15, 10, 5, 7.5, 10, 12.5, 15, 13.75};
    ASSERT_GE(visitees.size(), attendues.size());
    for (std::size_t i = 0; i < attendues.size(); ++i)
    {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(visitees[i], attendues[i]);
    }
}

TEST(RecherchePasAPas, LePremierPasTombeExactementSurLeDepart)
{
    for (double depart : {0.1 + 0.2, -1234.5678901, 1e-3, 7.0 / 3.0})
    {
        SCOPED_TRACE(depart);
        double premiere = std::numeric_limits<double>::quiet_NaN();
        double v = 0.0;
        RecherchePasAPas(
            v, depart, Afocale,
            [&](double x) {
                if (std::isnan(premiere))
                    premiere = x;
                return TEssaiRecherche{0.0, false};
            },
            SansRelance);
        EXPECT_EQ(premiere, depart);
    }
}

TEST(RecherchePasAPas, LaRechercheAfocaleConvergeAuDixMillioniemeDePres)
{
    double v = 0.0;
    const auto issue = RecherchePasAPas(
        v, 100.0, Afocale,
        [](double x) {
            return TEssaiRecherche{0.01 * (x - 73.0), false};
        },
        SansRelance);
    ASSERT_EQ(issue, TIssueRecherche::Convergee);
    EXPECT_NEAR(0.01 * (v - 73.0), 0.0, 1e-7);
}

// A residual that never reaches zero makes the step shrink without end: the search asks for a new
// start, lands exactly on it, and stops when the user stops it.
TEST(RecherchePasAPas, UneDivergenceDemandeUnNouveauDepartPuisSArrete)
{
    std::vector<double> visitees;
    int demandes = 0;
    double v = 0.0;
    const auto issue = RecherchePasAPas(
        v, 0.0, Focale,
        [&](double x) {
            visitees.push_back(x);
            return TEssaiRecherche{(x - 3.0) * (x - 3.0) + 1.0, false};
        },
        [&](double& depart) {
            ++demandes;
            if (demandes == 2)
                return false;
            depart = 40.0;
            visitees.clear();
            return true;
        });
    EXPECT_EQ(issue, TIssueRecherche::Arretee);
    EXPECT_EQ(demandes, 2);
    ASSERT_FALSE(visitees.empty());
    EXPECT_EQ(visitees.front(), 40.0);
    EXPECT_LT(visitees.size(), static_cast<std::size_t>(LimiteTracesRecherche));
}

TEST(RecherchePasAPas, UnRayonPerduTermineOuRelanceSelonLaRecherche)
{
    struct Cas
    {
        TReglageRecherche reglage;
        TIssueRecherche attendue;
        int demandesAttendues;
    };
    for (const Cas& cas : {Cas{Focale, TIssueRecherche::RayonPerdu, 0}, Cas{Afocale, TIssueRecherche::Arretee, 1}})
    {
        SCOPED_TRACE(cas.reglage.Facteur);
        int demandes = 0;
        int traces = 0;
        double v = 0.0;
        const auto issue = RecherchePasAPas(
            v, 5.0, cas.reglage,
            [&](double) {
                ++traces;
                return TEssaiRecherche{1.0, traces >= 3};
            },
            [&](double&) {
                ++demandes;
                return false;
            });
        EXPECT_EQ(issue, cas.attendue);
        EXPECT_EQ(demandes, cas.demandesAttendues);
        EXPECT_EQ(traces, 3);
    }
}

// A residual that never changes (a ray parallel to the axis) never turns the search: it ends at the
// trace limit; a residual that is not a number ends it at once. Neither leaves a NaN in the variable.
TEST(RecherchePasAPas, SansIssueLaRechercheEchoueSansBoucleSansNaN)
{
    struct Cas
    {
        double residu;
        long tracesAttendues;
    };
    for (const Cas& cas : {Cas{5.0, LimiteTracesRecherche}, Cas{std::numeric_limits<double>::quiet_NaN(), 1},
                           Cas{std::numeric_limits<double>::infinity(), 1}})
    {
        SCOPED_TRACE(cas.residu);
        long traces = 0;
        double v = 0.0;
        const auto issue = RecherchePasAPas(
            v, 0.0, Focale,
            [&](double) {
                ++traces;
                return TEssaiRecherche{cas.residu, false};
            },
            SansRelance);
        EXPECT_EQ(issue, TIssueRecherche::Echouee);
        EXPECT_EQ(traces, cas.tracesAttendues);
        EXPECT_TRUE(std::isfinite(v));
    }
}

} // namespace
