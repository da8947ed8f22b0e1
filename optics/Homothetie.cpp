// Homothety of the instrument and of the lens device.
#include "optics/Homothetie.h"

#include "optics/Arrondis.h"
#include "optics/FormulesCatadioptriques.h"
#include "optics/FormulesDeuxMiroirs.h"
#include "optics/FormulesSchmidt.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <initializer_list>

namespace {

constexpr double LimiteDiametreDispositif = 10000;
constexpr double LimiteDiametreEntree = 50000;
constexpr double LimiteFocale = 100000;
constexpr double LimiteDiametreSecondaire = 5000;

// A radius: a plane or a stop stays one whatever the coefficient.
void Rayon(double& rayon, double c)
{
    if (std::abs(rayon) <= SeuilRayonPlan)
        rayon *= c;
}

// A thickness: the infinite last one and an unset one are not lengths.
void Epaisseur(double& epaisseur, double c)
{
    if (!EstEpaisseurInfinie(epaisseur) && !EstEpaisseurInvalide(epaisseur))
        epaisseur *= c;
}

// A length of the instrument record: most are double, three are kept in 32 bits as the design file holds them.
struct TLongueurInstrument
{
    double TInstrument::*Double = nullptr;
    float TInstrument::*Simple = nullptr;

    TLongueurInstrument(double TInstrument::*champ) : Double(champ) {}
    TLongueurInstrument(float TInstrument::*champ) : Simple(champ) {}
};

// The lengths a form is designed from, each a plain length.
void Longueurs(double c, std::initializer_list<TLongueurInstrument> champs)
{
    for (const TLongueurInstrument& champ : champs)
        if (champ.Double)
            Instrument.*champ.Double *= c;
        else
            Instrument.*champ.Simple = static_cast<float>(Instrument.*champ.Simple * c);
}

void Degagement(double& degagement, double c)
{
    if (!EstDegagementNonSaisi(degagement))
        degagement *= c;
}

// Rows 1..n of a lens table, the group's or the device's, whose arrays hold a row 0 besides.
template <std::size_t N>
void Lignes(std::array<double, N>& rayons, std::array<double, N>& epaisseurs, std::array<double, N>& diametres, int n,
            double c)
{
    const int dernier = std::clamp(n, 0, static_cast<int>(N) - 1);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(dernier); ++i)
    {
        Rayon(rayons[i], c);
        Epaisseur(epaisseurs[i], c);
        diametres[i] *= c;
    }
}

void LignesGroupe(double c)
{
    Lignes(Groupe.RayonGroupe, Groupe.EpaisseurGroupe, Groupe.DiametreGroupe, Groupe.NombreDioptresGroupe, c);
}

// The primary's radius scaled directly: the mirror's sag series reads its cached powers.
void PuissancesRayon()
{
    const double R = Instrument.RayonCourburePrimaire;
    Instrument.RayonPrimaireCube = R * R * R;
    Instrument.RayonPrimairePuissance5 = R * R * R * R * R;
}

// The plate's profiled face follows a plate thickness that came near it.
void RegleCoteLame()
{
    TInstrument& I = Instrument;
    if (std::abs(I.EpaisseurLame - I.CoteLame) < 10)
        I.CoteLame = static_cast<std::int32_t>(Trunc(2 * I.EpaisseurLame));
}

// The Maksutov-Cassegrain: with its secondary on the meniscus the form has no formula of its own to run here.
void MaksutovCassegrain(double c)
{
    using T = TInstrument;
    TInstrument& I = Instrument;
    Longueurs(c, {&T::DiametreEntree, &T::RayonCourburePrimaire, &T::DiametreTrouCentral, &T::DiametreSecondaire,
                  &T::EpaisseurLame, &T::DistanceLameMiroir, &T::EpaisseurPrimaire});
    Rayon(I.RayonMenisque1, c);
    Rayon(I.RayonMenisque2, c);
    if (!I.SecondaireSurMenisque)
    {
        Longueurs(c, {&T::FocaleResultante, &T::EpaisseurSecondaire});
        Degagement(I.DegagementFoyer, c);
    }
    I.FocalePrimaire = I.RayonCourburePrimaire <= 1 || I.DiametreEntree <= 1 ? 0 : I.RayonCourburePrimaire / 2;
    PuissancesRayon();
    Groupe.RayonGroupe[1] = -I.RayonMenisque1;
    Groupe.RayonGroupe[2] = -I.RayonMenisque2;
    if (!I.SecondaireSurMenisque)
        PrepareMaksutovCassegrain();
}

// The values of the two-mirror forms, the primary's radius following its focal length, then the form's formulas.
void DeuxMiroirs(double c, void (*formules)())
{
    using T = TInstrument;
    Longueurs(c, {&T::DiametreEntree, &T::FocalePrimaire, &T::FocaleResultante, &T::DiametreTrouCentral,
                  &T::DiametreSecondaire, &T::EpaisseurPrimaire, &T::EpaisseurSecondaire});
    Degagement(Instrument.DegagementFoyer, c);
    CalculeRayonPrimaire();
    formules();
}

void HomothetieInstrument(double c)
{
    TInstrument& I = Instrument;
    using T = TInstrument;
    switch (I.TypeInstrument)
    {
    case TTypeInstrument::Aucun: return;
    case TTypeInstrument::Newton:
        Longueurs(c, {&T::DiametreEntree, &T::FocalePrimaire, &T::DiametreSecondaire, &T::DistanceSecondaireFoyer,
                      &T::EpaisseurPrimaire, &T::EpaisseurSecondaire});
        CalculeRayonPrimaire();
        I.DistanceEntreMiroirs = I.FocalePrimaire - I.DistanceSecondaireFoyer;
        return;
    case TTypeInstrument::Cassegrain: DeuxMiroirs(c, CalculeCassegrain); return;
    case TTypeInstrument::RitcheyChretien: DeuxMiroirs(c, CalculeRitcheyChretien); return;
    case TTypeInstrument::Gregory: DeuxMiroirs(c, CalculeGregory); return;
    case TTypeInstrument::Schwarzschild: DeuxMiroirs(c, CalculeSchwarzschild); return;
    case TTypeInstrument::DallKirkham: DeuxMiroirs(c, CalculeDallKirkham); return;
    case TTypeInstrument::Schmidt:
        Longueurs(c, {&T::DiametreEntree, &T::DiametreMiroir, &T::RayonCourburePrimaire, &T::EpaisseurLame,
                      &T::DistanceLameMiroir, &T::DiametreTrouCentral, &T::EpaisseurPrimaire});
        PuissancesRayon();
        if (I.RayonCourburePrimaire > 1)
        {
            RegleCoteLame();
            CalculeFocaleSchmidt();
            CalculeSchmidt();
            CalculeChampSchmidt();
        }
        return;
    case TTypeInstrument::SchmidtCassegrain:
        Longueurs(c, {&T::DiametreEntree, &T::RayonCourburePrimaire, &T::FocaleResultante, &T::DiametreTrouCentral,
                      &T::DiametreSecondaire, &T::EpaisseurLame, &T::DistanceLameMiroir, &T::EpaisseurPrimaire,
                      &T::EpaisseurSecondaire});
        Degagement(I.DegagementFoyer, c);
        PuissancesRayon();
        CalculeSchmidtCassegrain();
        return;
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovNewton:
        Longueurs(c, {&T::DiametreEntree, &T::FocalePrimaire, &T::DiametreMiroir, &T::RayonCourburePrimaire,
                      &T::EpaisseurLame, &T::DistanceDiaphragmeMiroir, &T::DistanceLameMiroir, &T::DiametreMenisque,
                      &T::EpaisseurPrimaire, &T::EpaisseurSecondaire, &T::DiametreSecondaire,
                      &T::DistanceSecondaireFoyer});
        Rayon(Groupe.RayonGroupe[1], c);
        Rayon(Groupe.RayonGroupe[2], c);
        Rayon(I.RayonMenisque1, c);
        Rayon(I.RayonMenisque2, c);
        PuissancesRayon();
        PrepareMaksutov();
        return;
    case TTypeInstrument::MaksutovCassegrain: MaksutovCassegrain(c); return;
    case TTypeInstrument::Lunette:
        LignesGroupe(c);
        PrepareLunette();
        return;
    case TTypeInstrument::KlevtsovCassegrain:
        Longueurs(c, {&T::DiametreEntree, &T::RayonCourburePrimaire, &T::DistanceDiaphragmeMiroir,
                      &T::DiametreSecondaire, &T::DiametreTrouCentral, &T::EpaisseurPrimaire, &T::EpaisseurSecondaire});
        Rayon(I.RayonCourbureSecondaire, c);
        LignesGroupe(c);
        PuissancesRayon();
        PrepareKlevtsov();
        return;
    case TTypeInstrument::LurieHoughton:
        Longueurs(c, {&T::DiametreEntree, &T::DiametreMiroir, &T::RayonCourburePrimaire, &T::DistanceDiaphragmeMiroir,
                      &T::DistanceLameMiroir, &T::EpaisseurPrimaire, &T::EpaisseurSecondaire, &T::DiametreSecondaire,
                      &T::DistanceSecondaireFoyer});
        LignesGroupe(c);
        PuissancesRayon();
        PrepareLurieHoughton();
        return;
    case TTypeInstrument::HoughtonCassegrain:
        Longueurs(c, {&T::DiametreEntree, &T::RayonCourburePrimaire, &T::FocaleResultante, &T::DiametreTrouCentral,
                      &T::DistanceDiaphragmeMiroir, &T::EpaisseurPrimaire, &T::EpaisseurSecondaire,
                      &T::DiametreSecondaire, &T::DistanceSecondaireFoyer});
        Degagement(I.DegagementFoyer, c);
        LignesGroupe(c);
        PuissancesRayon();
        PrepareHoughtonCassegrain();
        return;
    case TTypeInstrument::SchmidtNewton:
        Longueurs(c, {&T::DiametreEntree, &T::DiametreMiroir, &T::FocalePrimaire, &T::EpaisseurLame,
                      &T::DistanceLameMiroir, &T::DistanceSecondaireFoyer, &T::EpaisseurPrimaire,
                      &T::EpaisseurSecondaire, &T::DiametreSecondaire});
        if (I.FocalePrimaire > 1)
        {
            RegleCoteLame();
            CalculeRayonSchmidt();
            CalculeSchmidt();
        }
        return;
    }
}

} // namespace

TLimitesHomothetie VerifieLimitesHomothetie(double c, TPartiesHomothetie parties)
{
    TLimitesHomothetie limites;
    if (parties.Dispositif)
    {
        const int n = std::clamp(Dispositif.NombreDioptres, 0, NombreMaxDioptres);
        for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i)
            if (c * Dispositif.DiametreDioptre[i] > LimiteDiametreDispositif)
                limites.DispositifAcceptable = false;
    }
    if (parties.Instrument)
    {
        const TInstrument& I = Instrument;
        limites.InstrumentAcceptable =
            !(c * I.DiametreEntree > LimiteDiametreEntree || c * Groupe.DiametreGroupe[1] > LimiteDiametreEntree ||
              c * I.FocalePrimaire > LimiteFocale || c * I.FocaleResultante > LimiteFocale ||
              c * I.DiametreSecondaire > LimiteDiametreSecondaire);
    }
    return limites;
}

void AppliqueHomothetie(float coefficient, TPartiesHomothetie parties)
{
    const double c = coefficient;
    if (parties.Dispositif)
    {
        TDioptre& d = Dispositif;
        Lignes(d.RayonDioptre, d.EpaisseurDioptre, d.DiametreDioptre, d.NombreDioptres, c);
    }
    if (parties.Instrument)
        HomothetieInstrument(c);
}
