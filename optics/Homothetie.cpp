// Homothety of the instrument and of the lens device.
#include "optics/Homothetie.h"

#include "optics/Arrondis.h"
#include "optics/FormulesCatadioptriques.h"
#include "optics/FormulesDeuxMiroirs.h"
#include "optics/FormulesSchmidt.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

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

void Longueur(double& longueur, double c)
{
    longueur *= c;
}

void Longueur(float& longueur, double c)
{
    longueur = static_cast<float>(longueur * c);
}

void Degagement(double& degagement, double c)
{
    if (!EstDegagementNonSaisi(degagement))
        degagement *= c;
}

void Epaisseurs(double c)
{
    Longueur(Instrument.EpaisseurPrimaire, c);
    Longueur(Instrument.EpaisseurSecondaire, c);
}

void LignesGroupe(double c)
{
    TDioptreGroupe& g = Groupe;
    const int n = std::clamp(g.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i)
    {
        Rayon(g.RayonGroupe[i], c);
        Epaisseur(g.EpaisseurGroupe[i], c);
        Longueur(g.DiametreGroupe[i], c);
    }
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
    TInstrument& I = Instrument;
    Longueur(I.DiametreEntree, c);
    Longueur(I.RayonCourburePrimaire, c);
    Longueur(I.DiametreTrouCentral, c);
    Longueur(I.DiametreSecondaire, c);
    Rayon(I.RayonMenisque1, c);
    Rayon(I.RayonMenisque2, c);
    Longueur(I.EpaisseurLame, c);
    Longueur(I.DistanceLameMiroir, c);
    Longueur(I.EpaisseurPrimaire, c);
    if (!I.SecondaireSurMenisque)
    {
        Longueur(I.FocaleResultante, c);
        Degagement(I.DegagementFoyer, c);
        Longueur(I.EpaisseurSecondaire, c);
    }
    I.FocalePrimaire = I.RayonCourburePrimaire <= 1 || I.DiametreEntree <= 1 ? 0 : I.RayonCourburePrimaire / 2;
    PuissancesRayon();
    Groupe.RayonGroupe[1] = -I.RayonMenisque1;
    Groupe.RayonGroupe[2] = -I.RayonMenisque2;
    if (!I.SecondaireSurMenisque)
        PrepareMaksutovCassegrain();
}

// The values of the two-mirror forms, the primary's radius following its focal length.
void DeuxMiroirs(double c)
{
    TInstrument& I = Instrument;
    Longueur(I.DiametreEntree, c);
    Longueur(I.FocalePrimaire, c);
    Longueur(I.FocaleResultante, c);
    Degagement(I.DegagementFoyer, c);
    Longueur(I.DiametreTrouCentral, c);
    Longueur(I.DiametreSecondaire, c);
    Epaisseurs(c);
    CalculeRayonPrimaire();
}

void HomothetieInstrument(double c)
{
    TInstrument& I = Instrument;
    using T = TTypeInstrument;
    switch (I.TypeInstrument)
    {
    case T::Aucun: return;
    case T::Newton:
        Longueur(I.DiametreEntree, c);
        Longueur(I.FocalePrimaire, c);
        Longueur(I.DiametreSecondaire, c);
        Longueur(I.DistanceSecondaireFoyer, c);
        Epaisseurs(c);
        CalculeRayonPrimaire();
        I.DistanceEntreMiroirs = I.FocalePrimaire - I.DistanceSecondaireFoyer;
        return;
    case T::Cassegrain:
        DeuxMiroirs(c);
        CalculeCassegrain();
        return;
    case T::RitcheyChretien:
        DeuxMiroirs(c);
        CalculeRitcheyChretien();
        return;
    case T::Gregory:
        DeuxMiroirs(c);
        CalculeGregory();
        return;
    case T::Schwarzschild:
        DeuxMiroirs(c);
        CalculeSchwarzschild();
        return;
    case T::DallKirkham:
        DeuxMiroirs(c);
        CalculeDallKirkham();
        return;
    case T::Schmidt:
        Longueur(I.DiametreEntree, c);
        Longueur(I.DiametreMiroir, c);
        Longueur(I.RayonCourburePrimaire, c);
        Longueur(I.EpaisseurLame, c);
        Longueur(I.DistanceLameMiroir, c);
        Longueur(I.DiametreTrouCentral, c);
        Longueur(I.EpaisseurPrimaire, c);
        PuissancesRayon();
        if (I.RayonCourburePrimaire > 1)
        {
            RegleCoteLame();
            CalculeFocaleSchmidt();
            CalculeSchmidt();
            CalculeChampSchmidt();
        }
        return;
    case T::SchmidtCassegrain:
        Longueur(I.DiametreEntree, c);
        Longueur(I.RayonCourburePrimaire, c);
        Longueur(I.FocaleResultante, c);
        Degagement(I.DegagementFoyer, c);
        Longueur(I.DiametreTrouCentral, c);
        Longueur(I.DiametreSecondaire, c);
        Longueur(I.EpaisseurLame, c);
        Longueur(I.DistanceLameMiroir, c);
        Epaisseurs(c);
        PuissancesRayon();
        CalculeSchmidtCassegrain();
        return;
    case T::Maksutov:
    case T::MaksutovNewton:
        Longueur(I.DiametreEntree, c);
        Longueur(I.FocalePrimaire, c);
        Longueur(I.DiametreMiroir, c);
        Longueur(I.RayonCourburePrimaire, c);
        Longueur(I.EpaisseurLame, c);
        Longueur(I.DistanceDiaphragmeMiroir, c);
        Longueur(I.DistanceLameMiroir, c);
        Rayon(Groupe.RayonGroupe[1], c);
        Rayon(Groupe.RayonGroupe[2], c);
        Longueur(I.DiametreMenisque, c);
        Rayon(I.RayonMenisque1, c);
        Rayon(I.RayonMenisque2, c);
        Epaisseurs(c);
        Longueur(I.DiametreSecondaire, c);
        Longueur(I.DistanceSecondaireFoyer, c);
        PuissancesRayon();
        PrepareMaksutov();
        return;
    case T::MaksutovCassegrain: MaksutovCassegrain(c); return;
    case T::Lunette:
        LignesGroupe(c);
        PrepareLunette();
        return;
    case T::KlevtsovCassegrain:
        Longueur(I.DiametreEntree, c);
        Longueur(I.RayonCourburePrimaire, c);
        Longueur(I.DistanceDiaphragmeMiroir, c);
        Longueur(I.DiametreSecondaire, c);
        Longueur(I.DiametreTrouCentral, c);
        Rayon(I.RayonCourbureSecondaire, c);
        Epaisseurs(c);
        LignesGroupe(c);
        PuissancesRayon();
        PrepareKlevtsov();
        return;
    case T::LurieHoughton:
        Longueur(I.DiametreEntree, c);
        Longueur(I.DiametreMiroir, c);
        Longueur(I.RayonCourburePrimaire, c);
        Longueur(I.DistanceDiaphragmeMiroir, c);
        Longueur(I.DistanceLameMiroir, c);
        Epaisseurs(c);
        Longueur(I.DiametreSecondaire, c);
        Longueur(I.DistanceSecondaireFoyer, c);
        LignesGroupe(c);
        PuissancesRayon();
        PrepareLurieHoughton();
        return;
    case T::HoughtonCassegrain:
        Longueur(I.DiametreEntree, c);
        Longueur(I.RayonCourburePrimaire, c);
        Longueur(I.FocaleResultante, c);
        Degagement(I.DegagementFoyer, c);
        Longueur(I.DiametreTrouCentral, c);
        Longueur(I.DistanceDiaphragmeMiroir, c);
        Epaisseurs(c);
        Longueur(I.DiametreSecondaire, c);
        Longueur(I.DistanceSecondaireFoyer, c);
        LignesGroupe(c);
        PuissancesRayon();
        PrepareHoughtonCassegrain();
        return;
    case T::SchmidtNewton:
        Longueur(I.DiametreEntree, c);
        Longueur(I.DiametreMiroir, c);
        Longueur(I.FocalePrimaire, c);
        Longueur(I.EpaisseurLame, c);
        Longueur(I.DistanceLameMiroir, c);
        Longueur(I.DistanceSecondaireFoyer, c);
        Epaisseurs(c);
        Longueur(I.DiametreSecondaire, c);
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
        const int n = std::clamp(d.NombreDioptres, 0, NombreMaxDioptres);
        for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i)
        {
            Rayon(d.RayonDioptre[i], c);
            Epaisseur(d.EpaisseurDioptre[i], c);
            Longueur(d.DiametreDioptre[i], c);
        }
    }
    if (parties.Instrument)
        HomothetieInstrument(c);
}
