// Rounding helpers: halves to even, truncation toward zero, and no overflow on the sentinel magnitudes.
#include "optics/Arrondis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(Arrondis, RoundPrendLeVoisinPairDUneMoitie)
{
    const std::vector<std::pair<double, std::int64_t>> cas{{2.5, 2}, {3.5, 4},   {-2.5, -2}, {-3.5, -4}, {0.5, 0},
                                                           {1.5, 2}, {90.5, 90}, {2.51, 3},  {-2.49, -2}};
    for (const auto& [x, attendu] : cas)
    {
        SCOPED_TRACE(x);
        EXPECT_EQ(Round(x), attendu);
    }
}

TEST(Arrondis, TruncEtIntVontVersZero)
{
    const std::vector<std::pair<double, std::int64_t>> cas{{2.7, 2}, {-2.7, -2}, {0.99, 0}, {-0.99, 0}};
    for (const auto& [x, attendu] : cas)
    {
        SCOPED_TRACE(x);
        EXPECT_EQ(Trunc(x), attendu);
        EXPECT_EQ(Int(x), static_cast<double>(attendu));
    }
}

TEST(Arrondis, LesSentinellesNeDebordentPas)
{
    EXPECT_EQ(Int(1e20), 1e20);
    EXPECT_EQ(Int(-1e30), -1e30);
    EXPECT_EQ(Trunc(1e20), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Round(-1e30), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Round(std::nan("")), 0);
}

} // namespace
