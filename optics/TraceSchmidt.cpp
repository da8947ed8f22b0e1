// Schmidt camera and Schmidt-Newton: the corrector plate's two faces, the spherical primary, its
// edge and the obstruction tests. Entry frame: origin at the plate's front vertex, which is the
// mirror's centre of curvature, z towards the mirror. Exit frame: origin at the mirror's vertex,
// z back towards the plate.
#include "optics/TraceSchmidt.h"

#include <cmath>

#include "optics/Modele.h"
#include "optics/Noyaux.h"
#include "optics/Rayon.h"

namespace {

// D^4 / (64 (nL - nA) R^3), with the plate's glass and the medium in front at the green line
// whatever the colour traced; 0 when undefined.
double FacteurLame()
{
    const double d = Instrument.DiametreEntree;
    const double r = Instrument.RayonCourburePrimaire;
    const double ecart =
        static_cast<double>(Groupe.IndiceVertGroupe[1]) - static_cast<double>(Groupe.IndiceVertGroupe[0]);
    const double facteur = d * d * d * d / (64.0 * ecart * r * r * r);
    return std::isfinite(facteur) ? facteur : 0.0;
}

// A high-order term whose divisor is zero is left out.
double Quotient(double numerateur, double diviseur)
{
    return diviseur == 0.0 ? 0.0 : numerateur / diviseur;
}

// The plate's own point and direction while it is crossed.
struct TTraverseeLame
{
    TVecteur point;
    TVecteur direction;
};

// Refraction at the face through `point` with the unit normal `normale`, from n into n'. The
// point construction at the plate's reference plane: the incident ray and the normal line are
// followed to that plane and the outgoing point lies U of the way from the normal's to the ray's,
// U = (n/n') cos I / cos I'. The plane's distance cancels out of the direction, which is exact on
// a plane face and right to first order in the slope on a profile. False on total reflection.
bool RefracteFace(TVecteur normale, float indice, float indiceSuivant, TVecteur& d)
{
    const double rapport = static_cast<double>(indice) / static_cast<double>(indiceSuivant);
    const double cosI = Scalaire(d, normale);
    const double sinI = std::sqrt(std::abs(1.0 - cosI * cosI));
    const double sinR = rapport * sinI;
    if (std::abs(sinR) > 1.0)
        return false;
    const double u = rapport * cosI / std::sqrt(1.0 - sinR * sinR);
    const TVecteur vers = (1.0 - u) * ((1.0 / normale.z) * normale) + u * ((1.0 / d.z) * d);
    d = (1.0 / Norme(vers)) * vers;
    return true;
}

// Unit normal of a profile face of slope coefficient p at the point.
TVecteur NormaleProfil(TVecteur point, double pente)
{
    const double h = std::hypot(point.x, point.y);
    if (h == 0.0)
        return {0.0, 0.0, 1.0};
    const TVecteur n{pente * point.x / h, pente * point.y / h, 1.0};
    return (1.0 / Norme(n)) * n;
}

bool RefracteLameAvantPlane(TTraverseeLame& lame)
{
    lame.point = {Rayon.XDepart, Rayon.YDepart, 0.0};
    return RefracteFace({0.0, 0.0, 1.0}, Groupe.IndiceTraceGroupe[0], Groupe.IndiceTraceGroupe[1], lame.direction);
}

bool RefracteLameAvantProfil(TTraverseeLame& lame, double k)
{
    const TRayon& r = Rayon;
    const TVecteur& d = lame.direction;
    double x = r.XDepart;
    double z = k * FlecheLame(std::hypot(r.XDepart, r.YDepart));
    for (int passe = 0; passe < 2; ++passe)
    {
        x = r.XDepart + z * d.x / d.z;
        z = k * FlecheLame(std::hypot(x, r.YDepart));
    }
    lame.point = {x, r.YDepart, z};
    const TVecteur normale = NormaleProfil(lame.point, k * PenteLame(std::hypot(x, r.YDepart)));
    return RefracteFace(normale, Groupe.IndiceTraceGroupe[0], Groupe.IndiceTraceGroupe[1], lame.direction);
}

bool RefracteLameArrierePlane(TTraverseeLame& lame)
{
    const TVecteur avant = lame.point;
    const TVecteur& d = lame.direction;
    lame.point = avant + ((Instrument.EpaisseurLame - avant.z) / d.z) * d;
    return RefracteFace({0.0, 0.0, 1.0}, Groupe.IndiceTraceGroupe[1], Groupe.IndiceTraceGroupe[0], lame.direction);
}

// The rear profile lies EpaisseurLame - k FlecheLame(h) beyond the front hit along z.
bool RefracteLameArriereProfil(TTraverseeLame& lame, double k)
{
    const double t = Instrument.EpaisseurLame;
    const TVecteur avant = lame.point;
    const TVecteur& d = lame.direction;
    TVecteur point = avant + (t / d.z) * d;
    for (int passe = 0; passe < 3; ++passe)
    {
        point = avant + ((t - k * FlecheLame(std::hypot(point.x, point.y))) / d.z) * d;
    }
    lame.point = point;
    const TVecteur normale = NormaleProfil(point, -k * PenteLame(std::hypot(point.x, point.y)));
    return RefracteFace(normale, Groupe.IndiceTraceGroupe[1], Groupe.IndiceTraceGroupe[0], lame.direction);
}

// Crosses the plate by its profile setting; false when the ray is totally reflected in it.
bool TraverseLame(TTraverseeLame& lame)
{
    const double k = Instrument.CoefficientDeformationLame;
    lame.point = {Rayon.XDepart, Rayon.YDepart, 0.0};
    lame.direction = {Rayon.SinusAngleChamp, 0.0, Rayon.CosinusAngleChamp};
    bool avant = true;
    double kArriere = 0.0;
    switch (Instrument.ProfilLame)
    {
    case ProfilAvant: avant = RefracteLameAvantProfil(lame, k); break;
    case ProfilArriere:
        avant = RefracteLameAvantPlane(lame);
        kArriere = k;
        break;
    case ProfilPartage:
        avant = RefracteLameAvantProfil(lame, 0.5 * k);
        kArriere = 0.5 * k;
        break;
    default: // no plate: the mirror is met from the pupil point along the field direction
        Rayon.ZDepart = 0.0;
        return true;
    }
    Rayon.ZDepart = lame.point.z;
    if (!avant)
        return false;
    return Instrument.ProfilLame == ProfilAvant ? RefracteLameArrierePlane(lame)
                                                : RefracteLameArriereProfil(lame, kArriere);
}

void TesteObstructionSchmidt()
{
    TRayon& r = Rayon;
    const TInstrument& in = Instrument;
    const double rayonSecondaire = static_cast<double>(in.DiametreSecondaire) / 2.0;
    const double carreSecondaire = rayonSecondaire * rayonSecondaire;
    const double foyer = Systeme.PositionFoyer;
    if (in.TypeInstrument == TTypeInstrument::SchmidtNewton)
    {
        if (!(in.DistanceSecondaireFoyer > 1.0))
            return;
        const double plan = foyer - in.DistanceSecondaireFoyer;
        r.DansOmbreSecondaire = CarreEntrantDepuisImpact(plan) < carreSecondaire;
        r.CarreDistanceAxe[0] = CarreReflechi(plan);
        r.HorsSecondaire = carreSecondaire < r.CarreDistanceAxe[0];
        r.RayonBloque = r.RayonBloque || r.DansOmbreSecondaire || r.HorsSecondaire;
        return;
    }
    if (static_cast<double>(in.DiametreSecondaire) > 1.0)
    {
        const double plan = foyer - in.DistanceSecondaireFoyer;
        r.DansOmbreSecondaire = CarreEntrantDepuisImpact(plan) < carreSecondaire;
        r.RayonBloque = r.RayonBloque || r.DansOmbreSecondaire;
        // With a lens device present the beam goes on to the device, not past the secondary's edge.
        if (!Validite.DispositifPresent)
        {
            r.CarreDistanceAxe[0] = CarreReflechi(plan);
            r.HorsSecondaire = carreSecondaire < r.CarreDistanceAxe[0];
            r.ManqueSecondaire = r.HorsSecondaire;
            r.RayonBloque = r.RayonBloque || r.ManqueSecondaire;
        }
    }
    else
    {
        const double rayonChamp = static_cast<double>(in.DiametreChampPleineLumiere) / 2.0;
        r.DansOmbreSecondaire = CarreEntrantDepuisImpact(foyer) < rayonChamp * rayonChamp;
        r.RayonBloque = r.RayonBloque || r.DansOmbreSecondaire;
    }
}

} // namespace

double FlecheLame(double h)
{
    if (!Validite.InstrumentValide)
        return 1.0;
    const TInstrument& in = Instrument;
    const double u = h / in.DiametreEntree;
    const double u2 = u * u;
    const double u4 = u2 * u2;
    const double u10 = u4 * u4 * u2;
    const auto& c = in.CoefficientsAspheriquesLame;
    return FacteurLame() * (4.0 * in.CoefficientK * u2 - 16.0 * u4 - Quotient(1024.0 * u10, c[0]) -
                            Quotient(4096.0 * u10 * u2, c[1]) - Quotient(16384.0 * u10 * u4, c[2]));
}

double PenteLame(double h)
{
    if (!Validite.InstrumentValide)
        return 1.0;
    const TInstrument& in = Instrument;
    const double d = in.DiametreEntree;
    const double d2 = d * d;
    const double d4 = d2 * d2;
    const double d10 = d4 * d4 * d2;
    const double h2 = h * h;
    const double h9 = h2 * h2 * h2 * h2 * h;
    const auto& c = in.CoefficientsAspheriquesLame;
    return -FacteurLame() *
           (8.0 * in.CoefficientK * h / d2 - 64.0 * h2 * h / d4 - Quotient(10240.0 * h9, c[0] * d10) -
            Quotient(49152.0 * h9 * h2, c[1] * d10 * d2) - Quotient(229376.0 * h9 * h2 * h2, c[2] * d10 * d4));
}

bool TraceLameEtMiroir()
{
    TRayon& r = Rayon;
    r.RayonPerdu = false;
    TTraverseeLame lame;
    if (!TraverseLame(lame))
    {
        r.RayonPerdu = true;
        r.RayonBloque = true;
        return false;
    }
    if (!RefleteMiroirSpherique(lame.point, lame.direction, false))
        return false;
    if (r.EstRayonReference)
    {
        r.RayonBloque = false;
        return false;
    }
    const double rayonMiroir = Instrument.DiametreMiroir / 2.0;
    // A hundredth of a square millimetre of tolerance on the mirror's edge.
    if (r.CarreDistanceAxePrimaire > rayonMiroir * rayonMiroir + 0.01)
        r.RayonBloque = true;
    return true;
}

void TraceSchmidt()
{
    if (TraceLameEtMiroir())
        TesteObstructionSchmidt();
}
