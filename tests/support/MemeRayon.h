// Whether two traced rays agree to the last bit in every record and flag: the check that a ray
// traced together with others ends exactly where it ends traced alone.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cstddef>
#include <cstdint>

#include "optics/Rayon.h"

namespace detail {
inline std::uint64_t Bits(double v)
{
    return std::bit_cast<std::uint64_t>(v);
}
inline std::uint32_t Bits(float v)
{
    return std::bit_cast<std::uint32_t>(v);
}
} // namespace detail

inline void ExpectMemeRayon(const TRayon& attendu, const TRayon& obtenu)
{
    using detail::Bits;
#define QUIVANE_MEME(champ) EXPECT_EQ(Bits(attendu.champ), Bits(obtenu.champ)) << #champ
#define QUIVANE_MEME_DRAPEAU(champ) EXPECT_EQ(attendu.champ, obtenu.champ) << #champ
#define QUIVANE_MEMES(tableau)                                                                                         \
    for (std::size_t i = 0; i < attendu.tableau.size(); ++i)                                                           \
    EXPECT_EQ(Bits(attendu.tableau[i]), Bits(obtenu.tableau[i])) << #tableau "[" << i << "]"
    QUIVANE_MEME(XRayon);
    QUIVANE_MEME(YRayon);
    QUIVANE_MEME(ZRayon);
    QUIVANE_MEME(LRayon);
    QUIVANE_MEME(MRayon);
    QUIVANE_MEME(NRayon);
    QUIVANE_MEME(LIncident);
    QUIVANE_MEME(MIncident);
    QUIVANE_MEME(NIncident);
    QUIVANE_MEME(XRelatif);
    QUIVANE_MEME(YRelatif);
    QUIVANE_MEME(ZRelatif);
    QUIVANE_MEME(XImpact);
    QUIVANE_MEME(YImpact);
    QUIVANE_MEME(ZImpact);
    QUIVANE_MEME(DistanceImpact);
    QUIVANE_MEME(CarreDistanceAxePrimaire);
    QUIVANE_MEMES(HauteurImpact);
    QUIVANE_MEMES(CarreDistanceAxe);
    QUIVANE_MEMES(CarreDistanceAxeMaximal);
    QUIVANE_MEMES(HauteurBord);
    QUIVANE_MEMES(HauteurGroupeAller);
    QUIVANE_MEMES(CarreDistanceAxeGroupe);
    QUIVANE_MEMES(HauteurGroupeRetour);
    QUIVANE_MEMES(CarreDistanceAxeGroupeRetour);
    QUIVANE_MEMES(HauteurImpactGroupe);
    QUIVANE_MEMES(CoteImpactGroupe);
    QUIVANE_MEME(HauteurImpactMiroir);
    QUIVANE_MEME(CoteImpactMiroir);
    QUIVANE_MEMES(ImpactPrimaire);
    QUIVANE_MEME(HauteurImpactSecondaire);
    QUIVANE_MEME(CoteImpactSecondaire);
    QUIVANE_MEME(HauteurTrou);
    QUIVANE_MEME(DistanceTrou);
    for (std::size_t i = 0; i < attendu.RayonBloqueGroupe.size(); ++i)
        EXPECT_EQ(attendu.RayonBloqueGroupe[i], obtenu.RayonBloqueGroupe[i]) << "RayonBloqueGroupe[" << i << "]";
    QUIVANE_MEME_DRAPEAU(RayonBloqueMiroir);
    QUIVANE_MEME_DRAPEAU(RayonPerdu);
    QUIVANE_MEME_DRAPEAU(RayonBloque);
    QUIVANE_MEME_DRAPEAU(ArretDispositif);
    QUIVANE_MEME_DRAPEAU(VignettageDispositif);
    QUIVANE_MEME_DRAPEAU(DioptreArret);
    QUIVANE_MEME_DRAPEAU(ArretGroupe);
    QUIVANE_MEME_DRAPEAU(ManqueSecondaire);
    QUIVANE_MEME_DRAPEAU(HorsSecondaire);
    QUIVANE_MEME_DRAPEAU(DansOmbreSecondaire);
    QUIVANE_MEME_DRAPEAU(DansTrouCentral);
    QUIVANE_MEME_DRAPEAU(ArretBordTrou);
    QUIVANE_MEME_DRAPEAU(RayonOcculte);
#undef QUIVANE_MEME
#undef QUIVANE_MEME_DRAPEAU
#undef QUIVANE_MEMES
}

// What a device pass leaves behind for the next ray to find (rows 1.. of the device records, the
// last sphere's point and hit) set to a value no trace writes, so that what a ray did not reach
// reads the same whichever ray came before it.
inline void MarqueRestesDispositif(TRayon& r)
{
    for (std::size_t i = 1; i < r.HauteurImpact.size(); ++i)
        r.HauteurImpact[i] = r.CarreDistanceAxe[i] = -12345.0;
    r.XRelatif = r.YRelatif = r.ZRelatif = r.XImpact = r.YImpact = r.ZImpact = -12345.0;
}
