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

// The profile of one face, k FlecheLame(h) and k PenteLame(h) / h, worked out once per ray as
// polynomials in u^2 = h^2 / D^2: the hit search then costs a few products per pass instead of a
// root and several divisions, and the normal needs no h at all. k is the face's share of the
// deformation coefficient.
struct TProfilFace
{
    bool valide; // otherwise the profile is the constant k and the slope k, as FlecheLame gives
    double k;
    double inverseCarreDiametre;
    double fleche2, fleche4, fleche10, fleche12, fleche14; // of u^2, u^4, u^10, u^12, u^14
    double pente0, pente2, pente8, pente10, pente12; // of u^0, u^2, u^8, u^10, u^12
};

TProfilFace PrepareProfil(double k)
{
    TProfilFace p{};
    p.valide = Validite.InstrumentValide;
    p.k = k;
    if (!p.valide)
        return p;
    const TInstrument& in = Instrument;
    const double d = in.DiametreEntree;
    p.inverseCarreDiametre = 1.0 / (d * d);
    const auto& c = in.CoefficientsAspheriquesLame;
    const double fleche = k * FacteurLame();
    p.fleche2 = fleche * (4.0 * in.CoefficientK);
    p.fleche4 = fleche * -16.0;
    p.fleche10 = -fleche * Quotient(1024.0, c[0]);
    p.fleche12 = -fleche * Quotient(4096.0, c[1]);
    p.fleche14 = -fleche * Quotient(16384.0, c[2]);
    const double pente = -fleche * p.inverseCarreDiametre;
    p.pente0 = pente * (8.0 * in.CoefficientK);
    p.pente2 = pente * -64.0;
    p.pente8 = -pente * Quotient(10240.0, c[0]);
    p.pente10 = -pente * Quotient(49152.0, c[1]);
    p.pente12 = -pente * Quotient(229376.0, c[2]);
    return p;
}

// k FlecheLame(h) at h^2 = `h2`.
double Fleche(const TProfilFace& p, double h2)
{
    if (!p.valide)
        return p.k;
    const double u2 = h2 * p.inverseCarreDiametre;
    const double u4 = u2 * u2;
    const double u8 = u4 * u4;
    return u2 * ((p.fleche2 + p.fleche4 * u2) + u8 * (p.fleche10 + p.fleche12 * u2 + p.fleche14 * u4));
}

// Normal of the face at the point, along (s x, s y, 1) with s = k PenteLame(h) / h, its sign
// reversed for the rear face; not of unit length.
TVecteur NormaleProfil(const TProfilFace& p, TVecteur point, double signe)
{
    const double h2 = point.x * point.x + point.y * point.y;
    if (h2 == 0.0)
        return {0.0, 0.0, 1.0};
    double s = p.k / std::sqrt(h2);
    if (p.valide)
    {
        const double u2 = h2 * p.inverseCarreDiametre;
        const double u4 = u2 * u2;
        const double u8 = u4 * u4;
        s = (p.pente0 + p.pente2 * u2) + u8 * (p.pente8 + p.pente10 * u2 + p.pente12 * u4);
    }
    return {signe * s * point.x, signe * s * point.y, 1.0};
}

// Refraction at the face through `point` whose normal is along `normale` (z component 1, any
// length), from n into n'. The point construction at the plate's reference plane: the incident
// ray and the normal line are followed to that plane and the outgoing point lies U of the way from
// the normal's to the ray's, U = (n/n') cos I / cos I'. The plane's distance cancels out of the
// direction, which is exact on a plane face and right to first order in the slope on a profile.
// That direction, (1 - U) N / Nz + U D / Dz, is taken here multiplied by Dz cos I' |N|, which
// leaves no division before the final normalisation; its z component is then Dz cos I', and the
// result keeps the construction's, always towards +z. False on total reflection.
bool RefracteFace(TVecteur normale, float indice, float indiceSuivant, TVecteur& d)
{
    const double rapport = static_cast<double>(indice) / static_cast<double>(indiceSuivant);
    const double cosI = Scalaire(d, normale) / Norme(normale);
    const double carreSinR = rapport * rapport * std::abs(1.0 - cosI * cosI);
    if (carreSinR > 1.0)
        return false;
    const double cosR = std::sqrt(1.0 - carreSinR);
    const double u = rapport * cosI;
    const TVecteur vers = ((cosR - u) * d.z) * normale + u * d;
    d = std::copysign(1.0 / Norme(vers), vers.z) * vers;
    return true;
}

bool RefracteLameAvantPlane(TTraverseeLame& lame)
{
    lame.point = {Rayon.XDepart, Rayon.YDepart, 0.0};
    return RefracteFace({0.0, 0.0, 1.0}, Groupe.IndiceTraceGroupe[0], Groupe.IndiceTraceGroupe[1], lame.direction);
}

bool RefracteLameAvantProfil(TTraverseeLame& lame, const TProfilFace& profil)
{
    const TRayon& r = Rayon;
    const TVecteur& d = lame.direction;
    const double pente = d.x / d.z;
    const double carreY = r.YDepart * r.YDepart;
    double x = r.XDepart;
    double z = Fleche(profil, x * x + carreY);
    for (int passe = 0; passe < 2; ++passe)
    {
        x = r.XDepart + z * pente;
        z = Fleche(profil, x * x + carreY);
    }
    lame.point = {x, r.YDepart, z};
    const TVecteur normale = NormaleProfil(profil, lame.point, 1.0);
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
bool RefracteLameArriereProfil(TTraverseeLame& lame, const TProfilFace& profil)
{
    const double t = Instrument.EpaisseurLame;
    const TVecteur avant = lame.point;
    const TVecteur& d = lame.direction;
    const double penteX = d.x / d.z;
    const double penteY = d.y / d.z;
    double x = avant.x + t * penteX;
    double y = avant.y + t * penteY;
    double ecart = t;
    for (int passe = 0; passe < 3; ++passe)
    {
        ecart = t - Fleche(profil, x * x + y * y);
        x = avant.x + ecart * penteX;
        y = avant.y + ecart * penteY;
    }
    lame.point = {x, y, avant.z + ecart};
    const TVecteur normale = NormaleProfil(profil, lame.point, -1.0);
    return RefracteFace(normale, Groupe.IndiceTraceGroupe[1], Groupe.IndiceTraceGroupe[0], lame.direction);
}

// Crosses the plate by its profile setting; false when the ray is totally reflected in it.
bool TraverseLame(TTraverseeLame& lame)
{
    const double k = Instrument.CoefficientDeformationLame;
    lame.point = {Rayon.XDepart, Rayon.YDepart, 0.0};
    lame.direction = {Rayon.SinusAngleChamp, 0.0, Rayon.CosinusAngleChamp};
    bool avant = true;
    TProfilFace profil{};
    switch (Instrument.ProfilLame)
    {
    case ProfilAvant:
        profil = PrepareProfil(k);
        avant = RefracteLameAvantProfil(lame, profil);
        break;
    case ProfilArriere:
        profil = PrepareProfil(k);
        avant = RefracteLameAvantPlane(lame);
        break;
    case ProfilPartage:
        profil = PrepareProfil(0.5 * k);
        avant = RefracteLameAvantProfil(lame, profil);
        break;
    default: // no plate: the mirror is met from the pupil point along the field direction
        Rayon.ZDepart = 0.0;
        return true;
    }
    Rayon.ZDepart = lame.point.z;
    if (!avant)
        return false;
    return Instrument.ProfilLame == ProfilAvant ? RefracteLameArrierePlane(lame)
                                                : RefracteLameArriereProfil(lame, profil);
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
