// Schmidt camera and Schmidt-Newton: the corrector plate's two faces, the spherical primary, its
// edge and the obstruction tests. Entry frame: origin at the plate's front vertex, which is the
// mirror's centre of curvature, z towards the mirror. Exit frame: origin at the mirror's vertex,
// z back towards the plate.
#include "optics/TraceSchmidt.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

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

// The plate's own point and direction while it is crossed. The direction's length is free until the
// rear face has been crossed: only its ratios place the points and the refraction below takes it
// as it comes, so that the one normalisation is the last.
struct TTraverseeLame
{
    TVecteur point;
    TVecteur direction;
};

// The profile of one face, k FlecheLame(h) and k PenteLame(h) / h, as polynomials in h^2: a pass
// of the hit search then costs a few products instead of a root and several divisions, and the
// normal needs no h at all. k is the face's share of the deformation coefficient.
struct TProfilFace
{
    bool valide; // otherwise the profile is the constant k and the slope k, as FlecheLame gives
    double k;
    double fleche2, fleche4, fleche10, fleche12, fleche14; // of h^2, h^4, h^10, h^12, h^14
    double pente0, pente2, pente8, pente10, pente12; // of h^0, h^2, h^8, h^10, h^12
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
    // The powers of 1 / D^2 that turn the terms in u = h / D into terms in h.
    const double inverse2 = 1.0 / (d * d);
    const double inverse4 = inverse2 * inverse2;
    const double inverse8 = inverse4 * inverse4;
    const double inverse10 = inverse8 * inverse2;
    const double inverse12 = inverse8 * inverse4;
    const double inverse14 = inverse12 * inverse2;
    const auto& c = in.CoefficientsAspheriquesLame;
    const double quotient0 = Quotient(1.0, c[0]);
    const double quotient1 = Quotient(1.0, c[1]);
    const double quotient2 = Quotient(1.0, c[2]);
    const double fleche = k * FacteurLame();
    p.fleche2 = fleche * (4.0 * in.CoefficientK) * inverse2;
    p.fleche4 = fleche * -16.0 * inverse4;
    p.fleche10 = -fleche * (1024.0 * quotient0) * inverse10;
    p.fleche12 = -fleche * (4096.0 * quotient1) * inverse12;
    p.fleche14 = -fleche * (16384.0 * quotient2) * inverse14;
    const double pente = -fleche * inverse2;
    p.pente0 = pente * (8.0 * in.CoefficientK);
    p.pente2 = pente * -64.0 * inverse2;
    p.pente8 = -pente * (10240.0 * quotient0) * inverse8;
    p.pente10 = -pente * (49152.0 * quotient1) * inverse10;
    p.pente12 = -pente * (229376.0 * quotient2) * inverse12;
    return p;
}

// What the crossing needs of the design alone, for the profile share `k`.
struct TLamePreparee
{
    TProfilFace profil;
    double rapportAvant, rapportArriere; // n / n' at the front face and at the rear one
};

// Whether `valeur` differs, bit for bit, from the one `garde` holds; `garde` then holds it.
[[gnu::always_inline]] inline bool Change(double valeur, std::uint64_t& garde)
{
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(valeur);
    const bool change = bits != garde;
    garde = bits;
    return change;
}

// Worked out again as soon as one of the design values it comes from differs, bit for bit, from
// those of the last ray traced on this thread: the editor and the tests change the design at any
// time, and the divisions cost more than the comparison.
const TLamePreparee& LamePreparee(double k)
{
    const TInstrument& in = Instrument;
    const auto& c = in.CoefficientsAspheriquesLame;
    const auto& vert = Groupe.IndiceVertGroupe;
    const auto& trace = Groupe.IndiceTraceGroupe;
    thread_local std::array<std::uint64_t, 12> derniere{};
    thread_local bool faite = false;
    thread_local TLamePreparee lame{};
    // Every value compared and kept, without stopping at the first that differs.
    const bool change = !faite | Change(Validite.InstrumentValide ? 1.0 : 0.0, derniere[0]) | Change(k, derniere[1]) |
                        Change(in.DiametreEntree, derniere[2]) | Change(in.RayonCourburePrimaire, derniere[3]) |
                        Change(in.CoefficientK, derniere[4]) | Change(c[0], derniere[5]) | Change(c[1], derniere[6]) |
                        Change(c[2], derniere[7]) | Change(vert[0], derniere[8]) | Change(vert[1], derniere[9]) |
                        Change(trace[0], derniere[10]) | Change(trace[1], derniere[11]);
    if (change)
    {
        lame.profil = PrepareProfil(k);
        lame.rapportAvant = static_cast<double>(trace[0]) / static_cast<double>(trace[1]);
        lame.rapportArriere = static_cast<double>(trace[1]) / static_cast<double>(trace[0]);
        faite = true;
    }
    return lame;
}

// k FlecheLame(h) at h^2 = `h2`.
[[gnu::always_inline]] inline double Fleche(const TProfilFace& p, double h2)
{
    if (!p.valide)
        return p.k;
    const double h4 = h2 * h2;
    const double h10 = h4 * h4 * h2;
    return h2 * (p.fleche2 + p.fleche4 * h2) + h10 * (p.fleche10 + p.fleche12 * h2 + p.fleche14 * h4);
}

// Normal of the face at the point, along (s x, s y, 1) with s = k PenteLame(h) / h, its sign
// reversed for the rear face; not of unit length.
[[gnu::always_inline]] inline TVecteur NormaleProfil(const TProfilFace& p, TVecteur point, double signe)
{
    const double h2 = point.x * point.x + point.y * point.y;
    if (h2 == 0.0)
        return {0.0, 0.0, 1.0};
    double s = p.k / std::sqrt(h2);
    if (p.valide)
    {
        const double h4 = h2 * h2;
        s = (p.pente0 + p.pente2 * h2) + h4 * h4 * (p.pente8 + p.pente10 * h2 + p.pente12 * h4);
    }
    return {signe * s * point.x, signe * s * point.y, 1.0};
}

// Refraction at the face whose normal is along `normale` (z component 1, any length), with the
// ratio n / n' of the indices. The point construction at the plate's reference plane: the incident
// ray and the normal line are followed to that plane and the outgoing point lies U of the way from
// the normal's to the ray's, U = (n/n') cos I / cos I'. The plane's distance cancels out of the
// direction, which is exact on a plane face and right to first order in the slope on a profile.
// That direction, (1 - U) N / Nz + U D / Dz, is taken here multiplied by Dz cos I' |N| |D|, which
// needs one root and no division whatever the lengths of N and D. False on total reflection.
[[gnu::always_inline]] inline bool RefracteFace(TVecteur normale, double rapport, TVecteur& d)
{
    const double produit = Scalaire(d, normale);
    const double carres = Scalaire(normale, normale) * Scalaire(d, d);
    const double carreSinR = rapport * rapport * std::abs(carres - produit * produit);
    if (carreSinR > carres)
        return false;
    const double cosR = std::sqrt(carres - carreSinR);
    const double u = rapport * produit;
    d = ((cosR - u) * d.z) * normale + u * d;
    return true;
}

// Refraction at a plane face square to the axis, the direction `d` of any length: there the point
// construction is Snell's law itself, (n/n') D transversally, which needs no normal. Leaves a unit
// direction, heading towards +z as the construction's; false on total reflection.
[[gnu::always_inline]] inline bool RefractePlan(double rapport, TVecteur& d)
{
    const double carreTransverse = d.x * d.x + d.y * d.y;
    const double carre = carreTransverse + d.z * d.z;
    const double carreSinR = rapport * rapport * carreTransverse;
    if (carreSinR > carre)
        return false;
    const double inverseNorme = 1.0 / std::sqrt(carre);
    const double cosR = std::sqrt(carre - carreSinR);
    d = {rapport * d.x * inverseNorme, rapport * d.y * inverseNorme, cosR * inverseNorme};
    return true;
}

[[gnu::always_inline]] inline bool RefracteLameAvantPlane(TTraverseeLame& lame, const TLamePreparee& preparee)
{
    lame.point = {Rayon.XDepart, Rayon.YDepart, 0.0};
    return RefractePlan(preparee.rapportAvant, lame.direction);
}

[[gnu::always_inline]] inline bool RefracteLameAvantProfil(TTraverseeLame& lame, const TLamePreparee& preparee)
{
    const TRayon& r = Rayon;
    const TProfilFace& profil = preparee.profil;
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
    return RefracteFace(NormaleProfil(profil, lame.point, 1.0), preparee.rapportAvant, lame.direction);
}

[[gnu::always_inline]] inline bool RefracteLameArrierePlane(TTraverseeLame& lame, const TLamePreparee& preparee)
{
    const TVecteur avant = lame.point;
    const TVecteur& d = lame.direction;
    lame.point = avant + ((Instrument.EpaisseurLame - avant.z) / d.z) * d;
    return RefractePlan(preparee.rapportArriere, lame.direction);
}

// The rear profile lies EpaisseurLame - k FlecheLame(h) beyond the front hit along z.
[[gnu::always_inline]] inline bool RefracteLameArriereProfil(TTraverseeLame& lame, const TLamePreparee& preparee)
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
        ecart = t - Fleche(preparee.profil, x * x + y * y);
        x = avant.x + ecart * penteX;
        y = avant.y + ecart * penteY;
    }
    lame.point = {x, y, avant.z + ecart};
    if (!RefracteFace(NormaleProfil(preparee.profil, lame.point, -1.0), preparee.rapportArriere, lame.direction))
        return false;
    // The construction's direction always heads towards +z, whatever the incident one.
    const TVecteur& sortie = lame.direction;
    lame.direction = std::copysign(1.0 / Norme(sortie), sortie.z) * sortie;
    return true;
}

// Crosses the plate by its profile setting and leaves a unit direction; false when the ray is
// totally reflected in it.
bool TraverseLame(TTraverseeLame& lame)
{
    const double k = Instrument.CoefficientDeformationLame;
    lame.point = {Rayon.XDepart, Rayon.YDepart, 0.0};
    lame.direction = {Rayon.SinusAngleChamp, 0.0, Rayon.CosinusAngleChamp};
    switch (Instrument.ProfilLame)
    {
    case ProfilAvant:
    case ProfilArriere:
    case ProfilPartage: break;
    default: // no plate: the mirror is met from the pupil point along the field direction
        Rayon.ZDepart = 0.0;
        return true;
    }
    const bool partage = Instrument.ProfilLame == ProfilPartage;
    const TLamePreparee& preparee = LamePreparee(partage ? 0.5 * k : k);
    const bool avant = Instrument.ProfilLame == ProfilArriere ? RefracteLameAvantPlane(lame, preparee)
                                                              : RefracteLameAvantProfil(lame, preparee);
    Rayon.ZDepart = lame.point.z;
    if (!avant)
        return false;
    return Instrument.ProfilLame == ProfilAvant ? RefracteLameArrierePlane(lame, preparee)
                                                : RefracteLameArriereProfil(lame, preparee);
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

// The spherical primary met from the plate. The call takes its point and direction as six values, so
// that the two vectors the primary's routine receives in memory are written there whole, from
// registers: built by the crossing itself they were first stored value by value and then copied by
// wider loads, each of which had to wait for those stores to complete.
[[gnu::noinline]] bool RefleteMiroir(double px, double py, double pz, double dx, double dy, double dz)
{
    return RefleteMiroirSpherique({px, py, pz}, {dx, dy, dz}, false);
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
    if (!RefleteMiroir(lame.point.x, lame.point.y, lame.point.z, lame.direction.x, lame.direction.y, lame.direction.z))
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
