#include "optics/RegistresVectoriels.h"

#if defined(__x86_64__) && defined(__AVX__)

#include <immintrin.h>

void LibereRegistresVectoriels()
{
    _mm256_zeroupper();
}

#elif defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace {

// Compiled for AVX on its own, so that the rest of a portable build never uses an AVX instruction.
__attribute__((target("avx"))) void VideMoitiesHautes()
{
    __builtin_ia32_vzeroupper();
}

// Also checks that the system saves the upper halves, without which the instruction would fault.
bool ProcesseurAvecAvx()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}

const bool AvecAvx = ProcesseurAvecAvx();

} // namespace

void LibereRegistresVectoriels()
{
    if (AvecAvx)
        VideMoitiesHautes();
}

#else

void LibereRegistresVectoriels() {}

#endif
