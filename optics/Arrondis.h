// Rounding of doubles to whole numbers: Round takes a half to the even neighbour, Trunc and Int drop the fraction.
// None of them goes through a cast that can overflow: a value beyond the 64-bit range gives its nearest bound, a NaN
// gives 0.
#pragma once

#include <cmath>
#include <cstdint>

namespace arrondis_detail {
// A whole double to int64, saturating; 2^63 itself is out of range.
inline std::int64_t VersEntier(double entier)
{
    constexpr double limite = 9223372036854775808.0;
    if (std::isnan(entier))
        return 0;
    if (entier >= limite)
        return INT64_MAX;
    if (entier < -limite)
        return INT64_MIN;
    return static_cast<std::int64_t>(entier);
}
} // namespace arrondis_detail

// The nearest whole number, a half going to the even one (2.5 gives 2, 3.5 gives 4, -2.5 gives -2).
inline std::int64_t Round(double x)
{
    return arrondis_detail::VersEntier(std::nearbyint(x));
}

// The whole part, toward zero.
inline std::int64_t Trunc(double x)
{
    return arrondis_detail::VersEntier(std::trunc(x));
}

// The whole part as a double, toward zero, for values beyond any integer type.
inline double Int(double x)
{
    return std::trunc(x);
}
