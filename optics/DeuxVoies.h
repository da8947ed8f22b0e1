// Two doubles side by side in one register, so that two independent rays are traced by the same
// instructions. Each lane gets exactly the operations a lone ray gets, in the same order and
// without fused multiply-adds (the optics library is built with -ffp-contract=off), so that a ray
// traced in a lane ends bit for bit where it ends traced alone.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

typedef double TDeux __attribute__((vector_size(16)));
typedef std::int64_t TDeuxMasque __attribute__((vector_size(16))); // a comparison: all ones where true

[[gnu::always_inline]] inline TDeux RacineDeux(TDeux v)
{
#if defined(__SSE2__)
    return _mm_sqrt_pd(v);
#else
    return TDeux{std::sqrt(v[0]), std::sqrt(v[1])};
#endif
}

[[gnu::always_inline]] inline bool UneVoie(TDeuxMasque m)
{
    return (m[0] | m[1]) != 0;
}

inline constexpr std::int64_t BitSigne = INT64_MIN;

// std::copysign(v, s) in each lane, `signe` holding the sign bit of s.
[[gnu::always_inline]] inline TDeux AvecSigne(TDeux v, std::int64_t signe)
{
    return std::bit_cast<TDeux>((std::bit_cast<TDeuxMasque>(v) & ~BitSigne) | signe);
}

// std::abs in each lane.
[[gnu::always_inline]] inline TDeux AbsDeux(TDeux v)
{
    return std::bit_cast<TDeux>(std::bit_cast<TDeuxMasque>(v) & ~BitSigne);
}
