// Surface kernels of the tracer and the mirror blocks shared by several forms' passes.
#include "optics/Noyaux.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cstdint>

#include "optics/DeuxVoies.h"
#include "optics/Modele.h"
#include "optics/Rayon.h"

namespace {

enum class TIssue
{
    Refracte,
    Manque,
    ReflexionTotale
};

// Crossing of the line P + t D (P relative to the centre, D a unit vector) with the sphere of
// radius `rayon`, from half of b = 2 P.D and c = P.P - R^2: the first crossing for a surface convex
// towards the light (R > 0), the second for a concave one. `discriminant` receives a quarter of
// b^2 - 4c and `racine` its root.
[[gnu::always_inline]] inline bool CoupeSphere(TVecteur p, TVecteur d, double rayon, double demiB, double c,
                                               TVecteur& impact, double& discriminant, double& racine)
{
    discriminant = demiB * demiB - c;
    if (discriminant < 0.0)
        return false;
    racine = std::sqrt(discriminant);
    const double t = -demiB - std::copysign(racine, rayon);
    impact = p + t * d;
    return true;
}

// Refraction at the hit Q (relative to the centre of curvature) from index n into n': Snell's law
// in vector form, defined at a grazing hit too. (The point construction U (Q + (R / cos I) D),
// U = (n/n') cos I / cos I', gives the same refracted ray; the hit is kept as its point.)
// Both cosines come from the crossing's discriminant: D.Q = -sign(R) sqrt(discriminant) for a unit
// D, so cos I = sqrt(discriminant) / |R| and cos^2 I' = 1 - (n/n')^2 (1 - discriminant / R^2).
// Neither waits for the hit itself, which shortens the chain from one surface to the next. The new
// direction is (n/n') D + k Q.
[[gnu::always_inline]] inline bool RefracteEnImpact(TVecteur q, double inverse, double rapport, double discriminant,
                                                    double racine, TVecteur& d, double& k)
{
    const double carreRapport = rapport * rapport;
    const double cosR2 = (1.0 - carreRapport) + (carreRapport * inverse * inverse) * discriminant;
    if (cosR2 < 0.0)
        return false;
    const double cosR = std::sqrt(cosR2);
    const double cosI = racine * std::abs(inverse);
    k = (rapport * cosI - cosR) * inverse;
    d = rapport * d + k * q;
    return true;
}

double Rapport(float indice, float indiceSuivant)
{
    return static_cast<double>(indice) / static_cast<double>(indiceSuivant);
}

// What the refraction at a sphere leaves for the next sphere of a pass: the new direction is
// U + k Q, U = (n/n') D and Q the hit relative to the centre. The next sphere's dot products are
// taken from Q.Q = R^2 and Q.D = -sign(R) sqrt(discriminant), which are known before the new
// direction, the last link of the chain from one surface to the next.
struct TSuiteSphere
{
    bool valable = false;
    double centre = 0.0, carreRayon = 0.0, rapport = 0.0, k = 0.0, qd = 0.0, dz = 0.0;
    TVecteur q{};
};

// A sphere of radius `rayon` (and its inverse) centred at z = `centre` on the ray's point `point`
// and direction `d`. `enregistre`(hit relative to the centre) runs between the hit and the
// refraction, so that an edge is recorded even for a ray that is then totally reflected. On
// success `point` is the hit, in the pass's frame, and `d` the refracted direction; otherwise both
// are left as they were. With `suite`, the dot products are taken from the sphere before when the
// ray comes from it, and `suite` then describes this sphere's refraction.
template <class FEnregistre>
[[gnu::always_inline]] inline TIssue TraverseSphere(TRayon& r, TVecteur& point, TVecteur& d, double rayon,
                                                    double inverse, double centre, double rapport, TSuiteSphere* suite,
                                                    FEnregistre enregistre)
{
    TVecteur relatif{point.x, point.y, point.z - centre};
    double demiB = 0.0;
    double c = 0.0;
    if (suite != nullptr && suite->valable)
    {
        const double ecart = suite->centre - centre;
        relatif.z = suite->q.z + ecart;
        demiB = suite->rapport * (suite->qd + ecart * suite->dz) + suite->k * (suite->carreRayon + ecart * suite->q.z);
        c = ((suite->carreRayon - rayon * rayon) + ecart * ecart) + (2.0 * ecart) * suite->q.z;
    }
    else
    {
        demiB = Scalaire(relatif, d);
        c = Scalaire(relatif, relatif) - rayon * rayon;
    }
    r.XRelatif = relatif.x;
    r.YRelatif = relatif.y;
    r.ZRelatif = relatif.z;
    TVecteur q;
    double discriminant = 0.0;
    double racine = 0.0;
    if (suite != nullptr)
    {
        // The nearest point of the line to the centre, less the root along D: it waits for the
        // root by a product and a difference only.
        discriminant = demiB * demiB - c;
        if (discriminant < 0.0)
            return TIssue::Manque;
        const TVecteur proche = relatif - demiB * d;
        const TVecteur signeD = std::copysign(1.0, rayon) * d;
        racine = std::sqrt(discriminant);
        q = proche - racine * signeD;
    }
    else if (!CoupeSphere(relatif, d, rayon, demiB, c, q, discriminant, racine))
    {
        return TIssue::Manque;
    }
    r.XImpact = q.x;
    r.YImpact = q.y;
    r.ZImpact = q.z;
    enregistre(q);
    const double dz = d.z;
    double k = 0.0;
    if (!RefracteEnImpact(q, inverse, rapport, discriminant, racine, d, k))
        return TIssue::ReflexionTotale;
    if (suite != nullptr)
        *suite = {true, centre, rayon * rayon, rapport, k, -std::copysign(racine, rayon), dz, q};
    point = {q.x, q.y, q.z + centre};
    return TIssue::Refracte;
}

template <class FEnregistre>
[[gnu::always_inline]] inline TIssue TraverseSphere(TRayon& r, TVecteur& point, TVecteur& d, double rayon,
                                                    double inverse, double centre, double rapport,
                                                    FEnregistre enregistre)
{
    return TraverseSphere(r, point, d, rayon, inverse, centre, rapport, nullptr, enregistre);
}

template <class FEnregistre>
[[gnu::always_inline]] inline TIssue TraverseSphere(TRayon& r, TVecteur& point, TVecteur& d, double rayon,
                                                    double centre, double rapport, FEnregistre enregistre)
{
    return TraverseSphere(r, point, d, rayon, 1.0 / rayon, centre, rapport, nullptr, enregistre);
}

// Hit of the line with the plane z = `cote`; false when the ray does not travel towards it.
bool CoupePlan(TVecteur p, TVecteur d, double cote, TVecteur& h)
{
    if (!(d.z > 0.0))
        return false;
    const double t = (cote - p.z) / d.z;
    h = {p.x + t * d.x, p.y + t * d.y, cote};
    return true;
}

// Refraction at a plane normal to the axis; false on total reflection (direction unchanged).
// sin^2 I' = (n/n')^2 (1 - N^2), with no root taken on the way to the new N.
bool RefracteAuPlan(TVecteur& d, double rapport)
{
    const double sinR2 = rapport * rapport * std::abs(1.0 - d.z * d.z);
    if (sinR2 > 1.0)
        return false;
    d = {rapport * d.x, rapport * d.y, std::sqrt(1.0 - sinR2)};
    return true;
}

TVecteur PointRayon()
{
    return {Rayon.XRayon, Rayon.YRayon, Rayon.ZRayon};
}
TVecteur DirectionRayon()
{
    return {Rayon.LRayon, Rayon.MRayon, Rayon.NRayon};
}
TVecteur DirectionIncidente()
{
    return {Rayon.LIncident, Rayon.MIncident, Rayon.NIncident};
}
void PoseRayon(TRayon& r, TVecteur point, TVecteur d)
{
    r.XRayon = point.x;
    r.YRayon = point.y;
    r.ZRayon = point.z;
    r.LRayon = d.x;
    r.MRayon = d.y;
    r.NRayon = d.z;
}
void PoseRayon(TVecteur point, TVecteur d)
{
    PoseRayon(Rayon, point, d);
}
void PoseRayonIncident(TVecteur point, TVecteur d)
{
    Rayon.XRayon = point.x;
    Rayon.YRayon = point.y;
    Rayon.ZRayon = point.z;
    Rayon.LIncident = d.x;
    Rayon.MIncident = d.y;
    Rayon.NIncident = d.z;
}

// The running ray handed between the mirror blocks and the group through the ray record. A read
// spanning two earlier writes, or a write narrower than a read that follows, cannot be served from
// the store queue: the read then waits for the writes to reach the cache, some twenty cycles on
// the ray's chain. The fences keep the compiler from merging the accesses into other pieces: the
// fields are read one by one, and written as the mirror blocks read them (x and y, z, L and M, N).
[[gnu::always_inline]] inline void LitRayonParChamp(const TRayon& r, TVecteur& point, TVecteur& d)
{
    point.x = r.XRayon;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    point.y = r.YRayon;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    point.z = r.ZRayon;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    d.x = r.LRayon;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    d.y = r.MRayon;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    d.z = r.NRayon;
}

[[gnu::always_inline]] inline void EcritRayonPourMiroir(TRayon& r, TVecteur point, TVecteur d)
{
    r.XRayon = point.x;
    r.YRayon = point.y;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    r.ZRayon = point.z;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    r.LRayon = d.x;
    r.MRayon = d.y;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    r.NRayon = d.z;
}

void PerdDansDispositif(TRayon& r, int i)
{
    r.RayonBloque = true;
    r.RayonPerdu = true;
    r.VignettageDispositif = true;
    r.DioptreArret = i;
}

void Perd()
{
    Rayon.RayonBloque = true;
    Rayon.RayonPerdu = true;
}

// Flags gather with |= rather than ||: a branch on a ray's own values is often mispredicted, and
// each miss throws away the work already started on the following rays.
void EnregistreDispositif(TRayon& r, int i, double x, double carre)
{
    r.CarreDistanceAxe[i] = carre;
    r.HauteurImpact[i] = x;
    r.CarreDistanceAxeMaximal[i] = std::max(r.CarreDistanceAxeMaximal[i], carre);
}

// Reflected and incoming rays at the plane z = `cote` of the primary's frame (block A).
double CarreAuPlan(TVecteur p, TVecteur d, double cote)
{
    const double t = (cote - p.z) / d.z;
    const double x = p.x + t * d.x;
    const double y = p.y + t * d.y;
    return x * x + y * y;
}

} // namespace

// ---- Lens device ----

namespace {

// What the rays need of device row i, worked out once for all the rays that cross it together.
struct TRangDispositif
{
    int i;
    bool sphere;
    double rayon, inverse, centre, sommet, rapport, carreDemiDiametre;
};

[[gnu::always_inline]] inline TRangDispositif RangDispositif(int i)
{
    const double rayon = Dispositif.RayonDioptre[i];
    const bool sphere = rayon < SeuilRayonPlan;
    return {i,
            sphere,
            rayon,
            sphere ? 1.0 / rayon : 0.0,
            Dispositif.CentreDioptre[i],
            Dispositif.SommetDioptre[i],
            Rapport(Dispositif.IndiceTrace[i], Dispositif.IndiceTrace[i + 1]),
            Dispositif.CarreDemiDiametre[i]};
}

// Device rows on a ray held in locals: false when the ray is lost, `point` and `d` then left as
// they were before the row.
[[gnu::always_inline]] inline bool PasSphereDispositif(TRayon& r, const TRangDispositif& rang, TVecteur& point,
                                                       TVecteur& d)
{
    const int i = rang.i;
    const TIssue issue =
        TraverseSphere(r, point, d, rang.rayon, rang.inverse, rang.centre, rang.rapport, [&](TVecteur q) {
            const double carre = q.x * q.x + q.y * q.y;
            EnregistreDispositif(r, i, q.x, carre);
            r.ArretDispositif |= (carre > rang.carreDemiDiametre);
            r.RayonBloque |= r.ArretDispositif;
        });
    if (issue == TIssue::Manque)
    {
        PerdDansDispositif(r, i);
        return false;
    }
    if (issue == TIssue::ReflexionTotale)
    {
        r.RayonPerdu = true;
        return false;
    }
    return true;
}

[[gnu::always_inline]] inline bool PasPlanDispositif(TRayon& r, const TRangDispositif& rang, TVecteur& point,
                                                     TVecteur& d)
{
    const int i = rang.i;
    TVecteur h;
    if (!CoupePlan(point, d, rang.sommet, h))
    {
        PerdDansDispositif(r, i);
        return false;
    }
    const double carre = h.x * h.x + h.y * h.y;
    EnregistreDispositif(r, i, h.x, carre);
    const bool dehors = carre > rang.carreDemiDiametre;
    // A diaphragm passed outside its opening names the row that stopped the ray, without the edge flag.
    if (EstDiaphragmeAbsolu(rang.rayon))
    {
        if (dehors)
            r.DioptreArret = i;
    }
    else
    {
        r.ArretDispositif |= dehors;
    }
    r.RayonBloque |= r.ArretDispositif;
    if (!RefracteAuPlan(d, rang.rapport))
    {
        r.RayonPerdu = true;
        return false;
    }
    point = h;
    return true;
}

[[gnu::always_inline]] inline bool PasDispositif(TRayon& r, const TRangDispositif& rang, TVecteur& point, TVecteur& d)
{
    return rang.sphere ? PasSphereDispositif(r, rang, point, d) : PasPlanDispositif(r, rang, point, d);
}

} // namespace

void RefracteSphereDispositif(int i)
{
    if (!Validite.DispositifValide || Rayon.RayonPerdu)
        return;
    TVecteur point = PointRayon();
    TVecteur d = DirectionRayon();
    if (PasSphereDispositif(Rayon, RangDispositif(i), point, d))
        PoseRayon(point, d);
}

void RefractePlanDispositif(int i)
{
    if (!Validite.DispositifValide || Rayon.RayonPerdu)
        return;
    TVecteur point = PointRayon();
    TVecteur d = DirectionRayon();
    if (PasPlanDispositif(Rayon, RangDispositif(i), point, d))
        PoseRayon(point, d);
}

namespace {

// One ray from row `depuis` on. It stays in registers from row to row and is stored once, where it
// stopped.
void TraverseDepuis(TRayon& r, int depuis, int lignes)
{
    TVecteur point{r.XRayon, r.YRayon, r.ZRayon};
    TVecteur d{r.LRayon, r.MRayon, r.NRayon};
    for (int i = depuis; i <= lignes; ++i)
    {
        if (!PasDispositif(r, RangDispositif(i), point, d))
            break;
    }
    PoseRayon(r, point, d);
}

} // namespace

void TraverseDispositif(int nombre)
{
    if (!Validite.DispositifValide || Rayon.RayonPerdu)
        return;
    TraverseDepuis(Rayon, 1, nombre);
}

namespace {

// Two rays crossing device rows in the two lanes of the same instructions. A row that would lose
// either ray (a sphere missed, a total reflection, a plane not reached) is left to the one-ray
// code, which then takes both rays from that row on.
struct TPaireDispositif
{
    TRayon* a; // lane 0
    TRayon* b; // lane 1
    TDeux x, y, z, l, m, n;
    TDeuxMasque arret, bloque; // ArretDispositif, RayonBloque
    TDeux xRelatif, yRelatif, zRelatif, xImpact, yImpact, zImpact; // of the last sphere crossed
    bool sphereFaite;
};

[[gnu::always_inline]] inline TDeuxMasque MasqueDrapeaux(bool a, bool b)
{
    return TDeuxMasque{a ? -1 : 0, b ? -1 : 0};
}

TPaireDispositif OuvrePaire(TRayon& a, TRayon& b)
{
    return {&a,
            &b,
            TDeux{a.XRayon, b.XRayon},
            TDeux{a.YRayon, b.YRayon},
            TDeux{a.ZRayon, b.ZRayon},
            TDeux{a.LRayon, b.LRayon},
            TDeux{a.MRayon, b.MRayon},
            TDeux{a.NRayon, b.NRayon},
            MasqueDrapeaux(a.ArretDispositif, b.ArretDispositif),
            MasqueDrapeaux(a.RayonBloque, b.RayonBloque),
            TDeux{},
            TDeux{},
            TDeux{},
            TDeux{},
            TDeux{},
            TDeux{},
            false};
}

void RendVoie(TRayon& r, int voie, const TPaireDispositif& p)
{
    r.XRayon = p.x[voie], r.YRayon = p.y[voie], r.ZRayon = p.z[voie];
    r.LRayon = p.l[voie], r.MRayon = p.m[voie], r.NRayon = p.n[voie];
    r.ArretDispositif = p.arret[voie] != 0;
    r.RayonBloque = p.bloque[voie] != 0;
    if (p.sphereFaite)
    {
        r.XRelatif = p.xRelatif[voie], r.YRelatif = p.yRelatif[voie], r.ZRelatif = p.zRelatif[voie];
        r.XImpact = p.xImpact[voie], r.YImpact = p.yImpact[voie], r.ZImpact = p.zImpact[voie];
    }
}

void RendPaire(const TPaireDispositif& p)
{
    RendVoie(*p.a, 0, p);
    RendVoie(*p.b, 1, p);
}

[[gnu::always_inline]] inline void EnregistrePaire(TPaireDispositif& p, int i, TDeux x, TDeux carre)
{
    EnregistreDispositif(*p.a, i, x[0], carre[0]);
    EnregistreDispositif(*p.b, i, x[1], carre[1]);
}

// The one-ray kernels' arithmetic, lane by lane. False, the pair untouched, when the row would
// lose either ray.
[[gnu::always_inline]] inline bool PasSpherePaire(TPaireDispositif& p, const TRangDispositif& rang)
{
    const TDeux rx = p.x, ry = p.y, rz = p.z - rang.centre;
    const TDeux demiB = rx * p.l + ry * p.m + rz * p.n;
    const TDeux c = rx * rx + ry * ry + rz * rz - rang.rayon * rang.rayon;
    const TDeux discriminant = demiB * demiB - c;
    const double carreRapport = rang.rapport * rang.rapport;
    const TDeux cosR2 = (1.0 - carreRapport) + (carreRapport * rang.inverse * rang.inverse) * discriminant;
    if (UneVoie((discriminant < 0.0) | (cosR2 < 0.0)))
        return false;
    const TDeux racine = RacineDeux(discriminant);
    const TDeux t = -demiB - AvecSigne(racine, std::bit_cast<std::int64_t>(rang.rayon) & BitSigne);
    const TDeux qx = rx + t * p.l, qy = ry + t * p.m, qz = rz + t * p.n;
    const TDeux carre = qx * qx + qy * qy;
    EnregistrePaire(p, rang.i, qx, carre);
    p.arret |= carre > rang.carreDemiDiametre;
    p.bloque |= p.arret;
    const TDeux cosR = RacineDeux(cosR2);
    const TDeux cosI = racine * std::abs(rang.inverse);
    const TDeux k = (rang.rapport * cosI - cosR) * rang.inverse;
    p.l = rang.rapport * p.l + k * qx;
    p.m = rang.rapport * p.m + k * qy;
    p.n = rang.rapport * p.n + k * qz;
    p.xRelatif = rx, p.yRelatif = ry, p.zRelatif = rz;
    p.xImpact = qx, p.yImpact = qy, p.zImpact = qz;
    p.sphereFaite = true;
    p.x = qx, p.y = qy, p.z = qz + rang.centre;
    return true;
}

[[gnu::always_inline]] inline bool PasPlanPaire(TPaireDispositif& p, const TRangDispositif& rang)
{
    const TDeux sinR2 = rang.rapport * rang.rapport * AbsDeux(1.0 - p.n * p.n);
    if (UneVoie(~(p.n > 0.0) | (sinR2 > 1.0)))
        return false;
    const TDeux t = (rang.sommet - p.z) / p.n;
    const TDeux hx = p.x + t * p.l, hy = p.y + t * p.m;
    const TDeux carre = hx * hx + hy * hy;
    EnregistrePaire(p, rang.i, hx, carre);
    const TDeuxMasque dehors = carre > rang.carreDemiDiametre;
    // A diaphragm passed outside its opening names the row that stopped the ray, without the edge flag.
    if (EstDiaphragmeAbsolu(rang.rayon))
    {
        if (dehors[0])
            p.a->DioptreArret = rang.i;
        if (dehors[1])
            p.b->DioptreArret = rang.i;
    }
    else
    {
        p.arret |= dehors;
    }
    p.bloque |= p.arret;
    p.l = rang.rapport * p.l;
    p.m = rang.rapport * p.m;
    p.n = RacineDeux(1.0 - sinR2);
    p.x = hx, p.y = hy, p.z = TDeux{rang.sommet, rang.sommet};
    return true;
}

[[gnu::always_inline]] inline bool PasPaire(TPaireDispositif& p, const TRangDispositif& rang)
{
    return rang.sphere ? PasSpherePaire(p, rang) : PasPlanPaire(p, rang);
}

// Rows `depuis`.. of one pair as long as neither ray would be lost; the row where they part.
int AvancePaire(TPaireDispositif& p, int depuis, int lignes)
{
    int i = depuis;
    while (i <= lignes && PasPaire(p, RangDispositif(i)))
        ++i;
    return i;
}

} // namespace

// Each row's square roots wait on the row before, so that one ray alone leaves the processor idle
// most of the time. Two rays in the lanes of one register share the instructions, and two such
// pairs, independent of each other, fill the time one pair's chain waits.
void TraverseDispositifEnSemble(TRayon* rayons, const bool* entre, int nombre, int lignes)
{
    if (!Validite.DispositifValide)
        return;
    std::array<TRayon*, 4> entrants{};
    std::array<int, 4> depuis{1, 1, 1, 1};
    int n = 0;
    for (int k = 0; k < nombre && k < 4; ++k)
    {
        if (entre[k] && !rayons[k].RayonPerdu)
            entrants[n++] = &rayons[k];
    }
    if (n == 4)
    {
        TPaireDispositif p = OuvrePaire(*entrants[0], *entrants[1]);
        TPaireDispositif q = OuvrePaire(*entrants[2], *entrants[3]);
        int i = 1;
        bool continueP = true, continueQ = true;
        for (; i <= lignes && continueP && continueQ; ++i)
        {
            const TRangDispositif rang = RangDispositif(i);
            continueP = PasPaire(p, rang);
            continueQ = PasPaire(q, rang);
        }
        // `i` is past the last row both pairs tried; a pair that stopped there parts at that row.
        const int finP = continueP ? AvancePaire(p, i, lignes) : i - 1;
        const int finQ = continueQ ? AvancePaire(q, i, lignes) : i - 1;
        RendPaire(p);
        RendPaire(q);
        depuis = {finP, finP, finQ, finQ};
    }
    else if (n >= 2)
    {
        TPaireDispositif p = OuvrePaire(*entrants[0], *entrants[1]);
        const int fin = AvancePaire(p, 1, lignes);
        RendPaire(p);
        depuis[0] = depuis[1] = fin;
    }
    for (int k = 0; k < n; ++k)
        TraverseDepuis(*entrants[k], depuis[k], lignes);
    // Each ray follows the ones before it, so its running maxima include theirs.
    for (int k = 1; k < nombre; ++k)
    {
        auto& maximal = rayons[k].CarreDistanceAxeMaximal;
        for (std::size_t i = 0; i < maximal.size(); ++i)
            maximal[i] = std::max(maximal[i], rayons[k - 1].CarreDistanceAxeMaximal[i]);
    }
}

// ---- Lens group of the refractor, the meniscus and the Houghton corrector ----

namespace {

// A sphere's index ratio n/n' and inverse radius as a pass meets it, kept from ray to ray while the
// values they come from are the same bits: two divisions a surface otherwise, which the crossings'
// own roots and divisions would queue behind. One entry a row and a way through the group.
struct TConstantesSphere
{
    bool calculees = false;
    std::uint32_t indice = 0, indiceSuivant = 0;
    std::uint64_t rayon = 0;
    double rapport = 0.0, inverse = 0.0;
};
using TConstantesGroupe = std::array<TConstantesSphere, NombreMaxDioptresGroupe + 1>;
thread_local TConstantesGroupe ConstantesAller{};
thread_local TConstantesGroupe ConstantesRetour{};

[[gnu::always_inline]] inline const TConstantesSphere& ConstantesSphere(TConstantesSphere& c, float indice,
                                                                        float indiceSuivant, double rayon)
{
    const auto bitsIndice = std::bit_cast<std::uint32_t>(indice);
    const auto bitsSuivant = std::bit_cast<std::uint32_t>(indiceSuivant);
    const auto bitsRayon = std::bit_cast<std::uint64_t>(rayon);
    if (!c.calculees || c.indice != bitsIndice || c.indiceSuivant != bitsSuivant || c.rayon != bitsRayon)
        c = {true, bitsIndice, bitsSuivant, bitsRayon, Rapport(indice, indiceSuivant), 1.0 / rayon};
    return c;
}

// Group row i on the ray held in `point` and `d`, direction as LIncident..: false when the row loses
// the ray (its flags then say how), `point` and `d` left as they were before the row. `arret`
// gathers the edge flag ArretGroupe, on x alone.
[[gnu::always_inline]] inline bool PasSphereGroupe(TRayon& r, int i, TVecteur& point, TVecteur& d, bool& arret,
                                                   TSuiteSphere& suite)
{
    const double rayon = Groupe.RayonGroupe[i];
    const TConstantesSphere& constantes =
        ConstantesSphere(ConstantesAller[static_cast<std::size_t>(i)], Groupe.IndiceTraceGroupe[i - 1],
                         Groupe.IndiceTraceGroupe[i], rayon);
    const TIssue issue = TraverseSphere(r, point, d, rayon, constantes.inverse, Groupe.CentreGroupe[i],
                                        constantes.rapport, &suite, [&](TVecteur q) {
                                            r.HauteurGroupeAller[i] = q.x;
                                            r.CarreDistanceAxeGroupe[i] = q.x * q.x + q.y * q.y;
                                            arret |= q.x * q.x > Groupe.CarreDemiDiametreGroupe[i];
                                        });
    if (issue == TIssue::Manque)
    {
        Perd();
        return false;
    }
    if (issue == TIssue::ReflexionTotale)
    {
        r.RayonPerdu = true;
        return false;
    }
    return true;
}

// The ray's point is left on the refracted ray at the z it had before, exactly on the ray's own line.
// A diaphragm of the group only records its hit and its edge.
[[gnu::always_inline]] inline bool PasPlanGroupe(TRayon& r, int i, TVecteur& point, TVecteur& d, bool& arret,
                                                 TSuiteSphere& suite)
{
    suite.valable = false;
    TVecteur h;
    if (!CoupePlan(point, d, Groupe.SommetGroupe[i], h))
    {
        Perd();
        return false;
    }
    r.XImpact = h.x;
    r.HauteurGroupeAller[i] = h.x;
    r.CarreDistanceAxeGroupe[i] = h.x * h.x + h.y * h.y;
    arret |= h.x * h.x > Groupe.CarreDemiDiametreGroupe[i];
    if (EstDiaphragme(Groupe.RayonGroupe[i]))
        return true;
    if (!RefracteAuPlan(d, Rapport(Groupe.IndiceTraceGroupe[i - 1], Groupe.IndiceTraceGroupe[i])))
    {
        r.RayonPerdu = true;
        return false;
    }
    point = h + ((point.z - h.z) / d.z) * d;
    return true;
}

// One row on the ray's record, for the kernels of a single row.
template <class FPas>
void PasGroupeSeul(int i, FPas pas)
{
    TRayon& r = Rayon;
    if (!Validite.InstrumentValide || r.RayonPerdu)
        return;
    TVecteur point = PointRayon();
    TVecteur d = DirectionIncidente();
    bool arret = r.ArretGroupe;
    TSuiteSphere suite;
    const bool passe = pas(r, i, point, d, arret, suite);
    r.ArretGroupe = arret;
    if (passe)
        PoseRayonIncident(point, d);
}

} // namespace

void RefracteSphereGroupe(int i)
{
    PasGroupeSeul(i, PasSphereGroupe);
}

void RefractePlanGroupe(int i)
{
    PasGroupeSeul(i, PasPlanGroupe);
}

namespace {

// Rows 1..`nombre` on the ray held in `point` and `d`, loaded from the ray's record and stored back
// once, where the ray stopped: a store and its reload at each row would lengthen the chain of waits
// that the rows already form. `cote` turns a hit's z in the pass's frame into the one recorded.
// False when the ray is lost (on the way or before).
template <class FCote>
[[gnu::always_inline]] inline bool TraverseGroupeEnRegistres(TRayon& r, int nombre, TVecteur& point, TVecteur& d,
                                                             FCote cote)
{
    point = PointRayon();
    d = DirectionIncidente();
    int i = 1;
    if (Validite.InstrumentValide && !r.RayonPerdu)
    {
        bool arret = r.ArretGroupe;
        const bool bloque = r.RayonBloque;
        TSuiteSphere suite;
        for (; i <= nombre; ++i)
        {
            double z = 0.0;
            if (Groupe.RayonGroupe[i] < SeuilRayonPlan)
            {
                if (!PasSphereGroupe(r, i, point, d, arret, suite))
                    break;
                z = point.z;
            }
            else
            {
                if (!PasPlanGroupe(r, i, point, d, arret, suite))
                    break;
                z = Groupe.SommetGroupe[i];
            }
            r.HauteurImpactGroupe[i] = r.XImpact;
            r.CoteImpactGroupe[i] = cote(z);
            r.RayonBloqueGroupe[i] = bloque;
        }
        r.ArretGroupe = arret;
        PoseRayonIncident(point, d);
    }
    // From the row that lost the ray on, the rows keep the last hit recorded.
    for (; i <= nombre; ++i)
    {
        r.HauteurImpactGroupe[i] = r.XImpact;
        r.CoteImpactGroupe[i] =
            cote(Groupe.RayonGroupe[i] < SeuilRayonPlan ? Groupe.CentreGroupe[i] + r.ZImpact : Groupe.SommetGroupe[i]);
        r.RayonBloqueGroupe[i] = r.RayonBloque;
    }
    return !r.RayonPerdu;
}

} // namespace

namespace {

// The ray leaves the pupil point along the field direction, the group's incoming ray. The inputs
// are read one field at a time, as the callers write them (LitRayonParChamp).
[[gnu::always_inline]] inline void PartDeLaPupille(TRayon& r)
{
    const double x = r.XDepart;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    const double y = r.YDepart;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    const double sinus = r.SinusAngleChamp;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    const double cosinus = r.CosinusAngleChamp;
    r.CarreDistanceAxePrimaire = x * x + y * y;
    r.ZDepart = 0.0;
    PoseRayonIncident({x, y, 0.0}, {sinus, 0.0, cosinus});
}

} // namespace

void TraverseGroupeDepuisPupille(int nombre)
{
    TRayon& r = Rayon;
    PartDeLaPupille(r);
    TVecteur point, d;
    TraverseGroupeEnRegistres(r, nombre, point, d, [](double z) { return z; });
    r.LRayon = d.x;
    r.MRayon = d.y;
    r.NRayon = d.z;
}

// ---- Klevtsov group ----

namespace {

// Klevtsov row i on the ray held in `point` and `d`, direction as LRayon..: false when the row loses
// the ray, `point` and `d` then left as they were before the row. On the way back from the
// secondary the frame is mirrored: the surface's centre, radius and vertex change sign. `arret` and
// `bloque` gather ArretDispositif and RayonBloque: the group's clear apertures count as the device's.
template <bool retour>
[[gnu::always_inline]] inline bool PasKlevtsov(TRayon& r, int i, bool sphere, TVecteur& point, TVecteur& d, bool& arret,
                                               bool& bloque, TSuiteSphere& suite)
{
    const double signe = retour ? -1.0 : 1.0;
    const float indice = retour ? Groupe.IndiceTraceGroupe[i] : Groupe.IndiceTraceGroupe[i - 1];
    const float indiceSuivant = retour ? Groupe.IndiceTraceGroupe[i - 1] : Groupe.IndiceTraceGroupe[i];
    const auto enregistre = [&](double x, double carre) {
        (retour ? r.HauteurGroupeRetour : r.HauteurGroupeAller)[i] = x;
        (retour ? r.CarreDistanceAxeGroupeRetour : r.CarreDistanceAxeGroupe)[i] = carre;
        arret |= carre > Groupe.CarreDemiDiametreGroupe[i];
        bloque |= arret;
    };
    if (sphere)
    {
        const double rayon = signe * Groupe.RayonGroupe[i];
        const TConstantesSphere& constantes = ConstantesSphere(
            (retour ? ConstantesRetour : ConstantesAller)[static_cast<std::size_t>(i)], indice, indiceSuivant, rayon);
        const TIssue issue =
            TraverseSphere(r, point, d, rayon, constantes.inverse, signe * Groupe.CentreGroupe[i], constantes.rapport,
                           &suite, [&](TVecteur q) { enregistre(q.x, q.x * q.x + q.y * q.y); });
        if (issue == TIssue::Refracte)
            return true;
        bloque |= issue == TIssue::Manque;
        r.RayonPerdu = true;
        return false;
    }
    // The ray's point is left on the refracted ray 100 mm beyond the plane.
    suite.valable = false;
    TVecteur h;
    if (!CoupePlan(point, d, signe * Groupe.SommetGroupe[i], h))
    {
        bloque = true;
        r.RayonPerdu = true;
        return false;
    }
    enregistre(h.x, h.x * h.x + h.y * h.y);
    if (!RefracteAuPlan(d, Rapport(indice, indiceSuivant)))
    {
        r.RayonPerdu = true;
        return false;
    }
    point = h + (100.0 / d.z) * d;
    return true;
}

// Rows `premiere`..`derniere` in turn, a sphere where `estSphere`(row), on the ray held in
// registers and stored once, where it stopped. False when the ray is lost.
template <bool retour, class FEstSphere>
bool TraverseKlevtsov(int premiere, int derniere, FEstSphere estSphere)
{
    TRayon& r = Rayon;
    if (!Validite.InstrumentValide || r.RayonPerdu)
        return !r.RayonPerdu;
    TVecteur point, d;
    LitRayonParChamp(r, point, d);
    bool arret = r.ArretDispositif;
    bool bloque = r.RayonBloque;
    const int pas = derniere < premiere ? -1 : 1;
    TSuiteSphere suite;
    bool passe = true;
    for (int i = premiere; passe && i != derniere + pas; i += pas)
        passe = PasKlevtsov<retour>(r, i, estSphere(i), point, d, arret, bloque, suite);
    r.ArretDispositif = arret;
    r.RayonBloque = bloque;
    EcritRayonPourMiroir(r, point, d);
    return passe;
}

constexpr auto Sphere = [](int) { return true; };
constexpr auto Plan = [](int) { return false; };
constexpr auto SphereDuGroupe = [](int i) { return Groupe.RayonGroupe[i] < SeuilRayonPlan; };

} // namespace

void RefracteSphereKlevtsovAller(int i)
{
    TraverseKlevtsov<false>(i, i, Sphere);
}
void RefracteSphereKlevtsovRetour(int i)
{
    TraverseKlevtsov<true>(i, i, Sphere);
}
void RefractePlanKlevtsovRetour(int i)
{
    TraverseKlevtsov<true>(i, i, Plan);
}

bool TraverseGroupeKlevtsovAller()
{
    const int n = NombreSurfacesGroupe();
    return n < 1 || TraverseKlevtsov<false>(1, n, SphereDuGroupe);
}
bool TraverseGroupeKlevtsovRetour()
{
    const int n = NombreSurfacesGroupe();
    return n < 1 || TraverseKlevtsov<true>(n, 1, SphereDuGroupe);
}

// ---- Meridional rim ray ----

void RefracteSphereBord(int i)
{
    TRayon& r = Rayon;
    if (!Validite.DispositifValide || r.RayonPerdu)
        return;
    TVecteur point{r.XRayon, 0.0, r.ZRayon};
    TVecteur d{r.LRayon, 0.0, r.NRayon};
    const double centre = Dispositif.CentreDioptre[i];
    const double rapport = Rapport(Dispositif.IndiceTrace[i], Dispositif.IndiceTrace[i + 1]);
    const TIssue issue = TraverseSphere(Rayon, point, d, Dispositif.RayonDioptre[i], centre, rapport, [&](TVecteur q) {
        r.HauteurBord[i] = q.x;
        r.DistanceImpact = Scalaire(q - TVecteur{r.XRelatif, 0.0, r.ZRelatif}, TVecteur{r.LRayon, 0.0, r.NRayon});
    });
    if (issue == TIssue::Manque)
    {
        Perd();
    }
    else if (issue == TIssue::ReflexionTotale)
    {
        r.RayonPerdu = true;
    }
    else
    {
        r.XRayon = point.x;
        r.ZRayon = point.z;
        r.LRayon = d.x;
        r.NRayon = d.z;
    }
}

void RefractePlanBord(int i)
{
    TRayon& r = Rayon;
    if (!Validite.DispositifValide || r.RayonPerdu)
        return;
    TVecteur d{r.LRayon, 0.0, r.NRayon};
    TVecteur h;
    if (!CoupePlan({r.XRayon, 0.0, r.ZRayon}, d, Dispositif.SommetDioptre[i], h))
    {
        Perd();
        return;
    }
    r.HauteurBord[i] = h.x;
    if (!RefracteAuPlan(d, Rapport(Dispositif.IndiceTrace[i], Dispositif.IndiceTrace[i + 1])))
    {
        r.RayonPerdu = true;
        return;
    }
    r.XRayon = h.x;
    r.ZRayon = h.z;
    r.LRayon = d.x;
    r.NRayon = d.z;
}

// ---- Mirror sag series ----

TMiroir FormeMiroir(double r, double inverseR3, double inverseR5, double k, double k2)
{
    // A conic still marked to compute is no shape yet: the mirror is the sphere its hit is searched on
    // (EstAspherique), not a series whose fourth-order term is that mark.
    if (EstCoefficientACalculer(k))
        k = 0.0;
    // A term whose coefficient is zero is left out, so that an uncached power of R never matters then.
    const auto terme = [](double coefficient, double inverse) {
        return coefficient == 0.0 ? 0.0 : coefficient * inverse;
    };
    const double inverse = 1.0 / r;
    // Past a hundredth of the term, the gap at the conic is more than the tolerance over most of a
    // secondary; below, a search from it rarely needs a second step.
    const double sixiemeConique = (1.0 + k) * (1.0 + k);
    const bool quitteConique =
        std::abs((1.0 + k2) - sixiemeConique) > 0.01 * std::max(sixiemeConique, std::abs(1.0 + k2));
    return {r,
            0.5 * inverse,
            terme((1.0 + k) / 8.0, inverseR3),
            terme((1.0 + k2) / 16.0, inverseR5),
            inverse,
            terme((1.0 + k) / 2.0, inverseR3),
            terme(3.0 * (1.0 + k2) / 8.0, inverseR5),
            k,
            quitteConique};
}

namespace {

// The series' coefficients of the last mirror of each kind worked out on this thread, with the bits
// of the design values they came from. The design may change between any two rays, so they are
// reused only while those values are the very same bits; every other ray is spared the divisions.
template <std::size_t N>
struct TMiroirRetenu
{
    std::array<std::uint64_t, N> bits{};
    TMiroir miroir{};
    bool rempli = false;
};

// Each design value's bits are read straight from the design and set against the kept ones, a
// branch each that goes the same way ray after ray: set out in a row on the stack to be compared
// as a block, they cost every ray a store and a load each. The blocks read the coefficients where
// they are kept.
template <std::size_t N, typename Calcul>
[[gnu::always_inline]] inline const TMiroir& Retient(TMiroirRetenu<N>& retenu, const std::array<const double*, N>& champs,
                                                     Calcul calcule)
{
    const auto pareil = [&] {
        if (!retenu.rempli)
            return false;
        for (std::size_t i = 0; i < N; ++i)
            if (std::bit_cast<std::uint64_t>(*champs[i]) != retenu.bits[i])
                return false;
        return true;
    };
    if (!pareil()) [[unlikely]]
    {
        std::array<double, N> donnees{};
        for (std::size_t i = 0; i < N; ++i)
        {
            donnees[i] = *champs[i];
            retenu.bits[i] = std::bit_cast<std::uint64_t>(donnees[i]);
        }
        retenu.miroir = calcule(donnees);
        retenu.rempli = true;
    }
    return retenu.miroir;
}

constinit thread_local TMiroirRetenu<5> PrimaireRetenu;
constinit thread_local TMiroirRetenu<3> SecondaireRetenu;

[[gnu::always_inline]] inline const TMiroir& PrimaireCourant()
{
    const TInstrument& in = Instrument;
    return Retient(PrimaireRetenu,
                   {&in.RayonCourburePrimaire, &in.RayonPrimaireCube, &in.RayonPrimairePuissance5,
                    &in.CoefficientDeformationPrimaire, &in.CoefficientDeformationPrimaire2},
                   [](const std::array<double, 5>& d) { return FormeMiroir(d[0], 1.0 / d[1], 1.0 / d[2], d[3], d[4]); });
}

[[gnu::always_inline]] inline const TMiroir& SecondaireCourant()
{
    const TInstrument& in = Instrument;
    return Retient(SecondaireRetenu,
                   {&in.RayonCourbureSecondaire, &in.CoefficientDeformationSecondaire,
                    &in.CoefficientDeformationSecondaire2},
                   [](const std::array<double, 3>& d) {
                       const double r = d[0];
                       const double inverse = 1.0 / r;
                       const double inverse3 = inverse * inverse * inverse;
                       return FormeMiroir(r, inverse3, inverse3 * inverse * inverse, d[1], d[2]);
                   });
}

} // namespace

// Both series are summed as two halves worked out side by side, h^2 c2 + h^4 (c4 + h^2 c6), which
// leaves fewer operations waiting on one another than the nested form.
double FlecheMiroir(const TMiroir& m, double h2)
{
    return h2 * m.Fleche2 + (h2 * h2) * (m.Fleche4 + h2 * m.Fleche6);
}

double InverseFacteurNormale(const TMiroir& m, double h2)
{
    return (m.Normale0 + h2 * m.Normale2) + (h2 * h2) * m.Normale4;
}

// Newton's steps on the gap between the mirror and the ray: the surface's z moves with t at the
// rate -signe (x L + y M) / a, since its slope at height h is h / a.
// The sign goes into the series' coefficients (exactly, being +-1) and the search runs on local
// copies, out of reach of the stores through `t`.
namespace {

// Also gives, at the settled hit, h^2 and the slope factor `signe` / a that the search worked out.
// `inverseDepart`, when not zero, is the first step's inverse divisor, worked out beside the first
// point rather than after it.
[[gnu::always_inline]] inline bool ChercheImpact(const TMiroir& miroir, double signe, TVecteur p, TVecteur d, double& t,
                                                 TVecteur& impact, double& carre, double& pente,
                                                 double inverseDepart = 0.0)
{
    const double cote = signe * miroir.R;
    const double a2 = signe * miroir.Fleche2;
    const double a4 = signe * miroir.Fleche4;
    const double a6 = signe * miroir.Fleche6;
    const double n0 = signe * miroir.Normale0;
    const double n2 = signe * miroir.Normale2;
    const double n4 = signe * miroir.Normale4;
    // At the ray's point q, h2 its squared height: the gap from the series along z, the series' slope
    // factor, and the rate at which the gap moves along the ray (the step's divisor).
    const auto ecartEn = [&](TVecteur q, double h2) { return ((cote - q.z) - h2 * a2) - (h2 * h2) * (a4 + h2 * a6); };
    const auto penteEn = [&](double h2) { return (n0 + h2 * n2) + (h2 * h2) * n4; };
    const auto diviseurEn = [&](TVecteur q, double h2) { return d.z + (q.x * d.x + q.y * d.y) * penteEn(h2); };
    double parcours = t;
    // Started on a conic the series leaves, the gap there (up to a tenth of a micrometre on the usual
    // secondaries) is beyond the tolerance, and the search would take a second step only to find that
    // the first one landed: one step with the series' own slope, the conic's divisor corrected to it
    // by one Newton step on the inverse, lands at rounding from there. The gap where it lands, worked
    // out beside the reflection that follows, confirms it; a landing short of rounding goes on
    // searching.
    if (inverseDepart != 0.0 && miroir.QuitteConique)
    {
        const TVecteur q = p + parcours * d;
        const double h2 = q.x * q.x + q.y * q.y;
        parcours += ecartEn(q, h2) * (inverseDepart * (2.0 - diviseurEn(q, h2) * inverseDepart));
        const TVecteur fin = p + parcours * d;
        const double h2Fin = fin.x * fin.x + fin.y * fin.y;
        if (std::abs(ecartEn(fin, h2Fin)) <= ToleranceArrondi * std::abs(cote)) [[likely]]
        {
            t = parcours;
            impact = fin;
            carre = h2Fin;
            pente = penteEn(h2Fin);
            return true;
        }
        // The conic's divisor may be far from the series' here: the search goes on with its own.
        inverseDepart = 0.0;
    }
    // The step's divisor at the point the step leaves from, except for the last step, taken from
    // within the tolerance: it keeps the divisor of the step before. That step was short enough to
    // land within the tolerance, so the divisor has barely moved since, and the last step, itself
    // the size of a rounding error, comes out the same; the division, the longest wait of a step,
    // is then no longer on the way to the hit.
    double inverse = inverseDepart;
    const bool inverseConnu = inverseDepart != 0.0;
    bool atteint = false;
    for (int pas = 0; pas < PasMaximauxFleche; ++pas)
    {
        const TVecteur q = p + parcours * d;
        const double h2 = q.x * q.x + q.y * q.y;
        const double ecart = ecartEn(q, h2);
        if (!std::isfinite(ecart))
            break;
        const bool dedans = std::abs(ecart) <= ToleranceFleche;
        if (pas == 0 ? !inverseConnu : !dedans)
            inverse = 1.0 / diviseurEn(q, h2);
        parcours += ecart * inverse;
        if (dedans)
        {
            // One step more from within the tolerance: the gap, quadratic in the last one, falls to rounding,
            // where a start already within it (a near-spherical series met on its sphere) would stay a few
            // nanometres off.
            const TVecteur fin = p + parcours * d;
            const double h2Fin = fin.x * fin.x + fin.y * fin.y;
            atteint = true;
            impact = fin;
            carre = h2Fin;
            pente = penteEn(h2Fin);
            break;
        }
    }
    t = parcours;
    return atteint;
}

// The first point of the search on a secondary: the ray's crossing with the conic the series
// expands, |q|^2 - R^2 + K w^2 = 0 with w = R - signe z the sag from the vertex. The series follows
// its conic to the sixth order when K2 is the conic's (and the sphere to the sixth when K = K2 = 0),
// so that the gap there is already within the tolerance; otherwise one step takes it there. The
// step's divisor there comes from the conic's root: the gap of the conic moves with t at the rate
// -racine / (R - (1+K) w), which the division by the root, started as soon as the root is, gives
// before the gap is known. False when the conic is not crossed (then the sphere's crossing serves).
// `demiB` and `c` are the sphere's: p.d and |p|^2 - R^2.
[[gnu::always_inline]] inline bool DepartSurConique(const TMiroir& miroir, double signe, TVecteur p, TVecteur d,
                                                    double demiB, double c, double& t, double& inverse)
{
    const double k = miroir.Conique;
    const double w0 = miroir.R - signe * p.z;
    const double wd = -signe * d.z;
    const double a = 1.0 + k * (wd * wd);
    const double inverseA = 1.0 / a;
    const double b = demiB + k * (w0 * wd);
    const double cc = c + k * (w0 * w0);
    const double discriminant = b * b - a * cc;
    // A conic nearly a paraboloid along the ray (a near zero) sends its other root far away and
    // leaves this one to a difference of nearly equal numbers: the sphere is the better start then.
    if (!(discriminant > 0.0) || !(std::abs(a) >= 0.25))
        return false;
    // The rate's numerator, R - (1+K)(w0 + t wd), split as the part known before the root and the
    // part proportional to it: the division then waits on the root alone, not on t.
    const double parRacine = (1.0 + k) * wd * inverseA;
    const double avant = (miroir.R - (1.0 + k) * w0) + parRacine * b;
    const double racine = std::sqrt(discriminant);
    // The root whose conic rises along the ray as the sphere's does.
    t = (signe * racine - b) * inverseA;
    inverse = avant / racine - signe * parRacine;
    return true;
}

// `d` reflected about the normal (x s, y s, 1) of a mirror series at the hit (x, y), s the slope
// factor 1/a with its sign and h2 = x^2 + y^2: (2 d.n / n.n) n - d. The two sums are taken as
// n.n = 1 + s^2 h2 and d.n = d_z + s (x d_x + y d_y), which wait on s alone, not on n.
TVecteur RefleteSurSerie(TVecteur d, double x, double y, double h2, double s)
{
    const double scalaire = d.z + s * (x * d.x + y * d.y);
    const double carreNormale = 1.0 + (s * s) * h2;
    const TVecteur normale{x * s, y * s, 1.0};
    return (2.0 * scalaire / carreNormale) * normale - d;
}

} // namespace

// ---- Mirror blocks ----

namespace {

// The ray leaving a mirror, as the block also writes it into the ray record.
struct TRayonReflechi
{
    TVecteur point, direction;
};

// `pose`: the ray is written into the record as well; the two-mirror block leaves that to the
// secondary, whose ray replaces it, and writes the primary's only when the secondary loses it.
[[gnu::always_inline]] inline TRayonReflechi ReflechitPrimaire(bool pose)
{
    TRayon& r = Rayon;
    const TInstrument& in = Instrument;
    r.RayonPerdu = false;
    r.ManqueSecondaire = false;
    const double x = r.XDepart;
    const double y = r.YDepart;
    const double h2 = x * x + y * y;
    r.CarreDistanceAxePrimaire = h2;
    const TMiroir& miroir = PrimaireCourant();
    const double z = FlecheMiroir(miroir, h2);
    r.ZDepart = z;
    // The field direction, pointing towards the sky.
    const TVecteur champ{r.SinusAngleChamp, 0.0, r.CosinusAngleChamp};
    r.LIncident = champ.x;
    r.MIncident = champ.y;
    r.NIncident = champ.z;
    // The field direction reflected about the normal (-x, -y, a), taken to within its length as
    // (-x P, -y P, 1) with P = 1/a: the direction of the point construction. The ray leaves from the
    // hit.
    const TVecteur depart{x, y, z};
    const TVecteur d = RefleteSurSerie(champ, x, y, h2, -InverseFacteurNormale(miroir, h2));
    if (pose)
        PoseRayon(depart, d);
    // One return: with two, the returned ray is built in memory and read back by the secondary.
    if (!r.EstRayonReference && in.DiametreObstruction * in.DistanceSecondaireFoyer > 1.0)
    {
        r.DansOmbreSecondaire = CarreAuPlan(depart, champ, in.DistanceEntreMiroirs) < in.RayonObstructionCarre;
        r.RayonBloque = r.DansOmbreSecondaire;
        r.CarreDistanceAxe[0] = CarreAuPlan(depart, d, in.DistanceEntreMiroirs);
        r.HorsSecondaire = r.CarreDistanceAxe[0] > in.RayonObstructionCarre;
        r.ManqueSecondaire = r.HorsSecondaire;
        r.RayonBloque |= r.ManqueSecondaire;
    }
    else
    {
        r.RayonBloque = false;
    }
    return {depart, d};
}

} // namespace

void RefleteMiroirPrimaire()
{
    ReflechitPrimaire(true);
}

void TesteEntreeTrou()
{
    TRayon& r = Rayon;
    if (r.EstRayonReference)
        return;
    const double rayonTrou = Instrument.DiametreTrouCentral / 2.0;
    r.DansTrouCentral = rayonTrou * rayonTrou > r.CarreDistanceAxePrimaire;
    r.RayonBloque |= r.DansTrouCentral;
}

namespace {

[[gnu::always_inline]] inline bool ReflechitSecondaire(TRayonReflechi incident, double centre, TFormeSecondaire forme,
                                                       bool chercheFleche, TVecteur& impact, TRayonReflechi& sortie)
{
    TRayon& r = Rayon;
    const TInstrument& in = Instrument;
    const TMiroir& miroir = SecondaireCourant();
    // The secondary's frame: z' = centre - z, and D' the direction of travel reversed.
    const TVecteur p{incident.point.x, incident.point.y, centre - incident.point.z};
    const TVecteur d{-incident.direction.x, -incident.direction.y, incident.direction.z};
    // Half of b and a quarter of the discriminant: the same root, without the scalings by 2 and 4.
    const double demiB = Scalaire(p, d);
    const double c = Scalaire(p, p) - miroir.R * miroir.R;
    const double discriminant = demiB * demiB - c;
    if (discriminant < 0.0)
    {
        Perd();
        return false;
    }
    const double signe = forme == TFormeSecondaire::Concave ? -1.0 : 1.0;
    double t = 0.0;
    double inverse = 0.0;
    if (!chercheFleche || !DepartSurConique(miroir, signe, p, d, demiB, c, t, inverse)) [[unlikely]]
    {
        const double racine = std::sqrt(discriminant);
        t = forme == TFormeSecondaire::Concave ? -demiB - racine : -demiB + racine;
    }
    TVecteur q = p + t * d;
    double h2 = q.x * q.x + q.y * q.y;
    double pente = signe * InverseFacteurNormale(miroir, h2);
    if (chercheFleche && !ChercheImpact(miroir, signe, p, d, t, q, h2, pente, inverse))
    {
        Perd();
        return false;
    }
    impact = q;
    r.CarreDistanceAxe[0] = h2;
    if (!r.EstRayonReference && static_cast<double>(in.DiametreSecondaire) * in.DistanceSecondaireFoyer > 1.0)
    {
        r.HorsSecondaire = h2 > in.RayonObstructionCarre;
        r.ManqueSecondaire = r.HorsSecondaire;
        r.RayonBloque |= r.ManqueSecondaire;
    }
    // The normal at the hit, to within its length: along (x, y, a) on a convex series and
    // (-x, -y, a) on a concave one, a the series' normal factor; along the radius on a sphere.
    // The direction of travel, -D' here, reflected about the normal: the direction of the point
    // construction, which the exit frame keeps as it is.
    TVecteur direction{};
    switch (forme)
    {
    case TFormeSecondaire::Convexe:
    case TFormeSecondaire::Concave: direction = RefleteSurSerie(d, q.x, q.y, h2, pente); break;
    case TFormeSecondaire::Spherique: direction = (2.0 * Scalaire(d, q) / Scalaire(q, q)) * q - d; break;
    }
    sortie = {{q.x, q.y, q.z - centre}, direction};
    PoseRayon(sortie.point, sortie.direction);
    return true;
}

} // namespace

bool RefleteSecondaire(double centre, TFormeSecondaire forme, bool chercheFleche, TVecteur& impact)
{
    TRayonReflechi sortie;
    return ReflechitSecondaire({PointRayon(), DirectionRayon()}, centre, forme, chercheFleche, impact, sortie);
}

namespace {

// Squared distance from the axis of the emerging ray at the plane of the primary's hole.
[[gnu::always_inline]] inline double CarreAuPlanDuTrou(TRayonReflechi sortie)
{
    const double t = (PlanDuTrou() - sortie.point.z) / sortie.direction.z;
    const double x = sortie.point.x + t * sortie.direction.x;
    const double y = sortie.point.y + t * sortie.direction.y;
    return x * x + y * y;
}

[[gnu::always_inline]] inline void TesteBordTrouDe(TRayonReflechi sortie)
{
    TRayon& r = Rayon;
    const double trou = Instrument.DiametreTrouCentral;
    if (!(trou > SeuilDiametreNul))
        return;
    r.HauteurTrou = std::sqrt(CarreAuPlanDuTrou(sortie));
    r.ArretBordTrou = r.HauteurTrou > trou / 2.0;
    r.RayonBloque |= r.ArretBordTrou;
}

[[gnu::always_inline]] inline void TesteBordTrouGregoryDe(TRayonReflechi sortie)
{
    TRayon& r = Rayon;
    const double trou = Instrument.DiametreTrouCentral;
    const double carre = CarreAuPlanDuTrou(sortie);
    r.ArretBordTrou = carre > trou * trou;
    r.RayonBloque |= r.ArretBordTrou;
    // Then TesteBordTrou's, on the same squared distance.
    if (!(trou > SeuilDiametreNul))
        return;
    r.HauteurTrou = std::sqrt(carre);
    r.ArretBordTrou = r.HauteurTrou > trou / 2.0;
    r.RayonBloque |= r.ArretBordTrou;
}

} // namespace

// The ray goes from block to block in registers: read back from the ray record, where it was
// written in other pieces than the reads take, it would wait for the writes to reach the cache.
template <TFormeSecondaire Forme, TTrouPrimaire Trou>
bool RefleteMiroirs(double centre, TVecteur& impact)
{
    const TRayonReflechi incident = ReflechitPrimaire(false);
    if (Trou != TTrouPrimaire::Aucun)
        TesteEntreeTrou();
    TRayonReflechi sortie;
    if (!ReflechitSecondaire(incident, centre, Forme, true, impact, sortie)) [[unlikely]]
    {
        PoseRayon(incident.point, incident.direction);
        return false;
    }
    switch (Trou)
    {
    case TTrouPrimaire::Aucun: break;
    case TTrouPrimaire::Cassegrain: TesteBordTrouDe(sortie); break;
    case TTrouPrimaire::Gregory: TesteBordTrouGregoryDe(sortie); break;
    }
    return true;
}

template bool RefleteMiroirs<TFormeSecondaire::Convexe, TTrouPrimaire::Cassegrain>(double, TVecteur&);
template bool RefleteMiroirs<TFormeSecondaire::Concave, TTrouPrimaire::Gregory>(double, TVecteur&);
template bool RefleteMiroirs<TFormeSecondaire::Concave, TTrouPrimaire::Aucun>(double, TVecteur&);

double PlanDuTrou()
{
    return Systeme.PositionFoyer + Systeme.DecalageFoyer - Instrument.DegagementFoyer;
}

void MesureDistanceTrou(double centre, TVecteur impact)
{
    Rayon.DistanceTrou = (PlanDuTrou() - (impact.z - centre)) / Rayon.NRayon;
}

void TesteBordTrou()
{
    TesteBordTrouDe({PointRayon(), DirectionRayon()});
}

int NombreSurfacesGroupe()
{
    return std::clamp(Groupe.NombreDioptresGroupe, 0, NombreMaxDioptresGroupe);
}
int NombreSurfacesDispositif()
{
    return std::clamp(Dispositif.NombreDioptres, 0, NombreMaxDioptres);
}

void TesteEntreeTrouReflechi()
{
    TRayon& r = Rayon;
    const double trou = Instrument.DiametreTrouCentral;
    if (!(trou > SeuilDiametreNul))
        return;
    r.HauteurTrou = std::sqrt(CarreReflechi(-Instrument.DegagementFoyer));
    r.DansTrouCentral = trou / 2.0 > std::abs(r.HauteurTrou);
    r.RayonBloque |= r.DansTrouCentral;
}

namespace {

[[gnu::always_inline]] inline bool ReflechitPrimaireSpherique(TRayon& r, TVecteur p, TVecteur d, bool chercheFleche)
{
    TInstrument& in = Instrument;
    const double rayon = in.RayonCourburePrimaire;
    const double demiB = Scalaire(p, d);
    const double c = Scalaire(p, p) - rayon * rayon;
    const double discriminant = demiB * demiB - c;
    if (discriminant < 0.0)
    {
        Perd();
        return false;
    }
    double t = -demiB + std::sqrt(discriminant);
    TVecteur q = p + t * d;
    double h2 = 0.0;
    double pente = 0.0;
    if (chercheFleche && !ChercheImpact(PrimaireCourant(), 1.0, p, d, t, q, h2, pente))
    {
        Perd();
        return false;
    }
    r.CarreDistanceAxePrimaire = q.x * q.x + q.y * q.y;
    // The mirror frame: z' = R - z, and D' the direction of travel reversed.
    const TVecteur inverse{-d.x, -d.y, d.z};
    r.LIncident = inverse.x;
    r.MIncident = inverse.y;
    r.NIncident = inverse.z;
    const TVecteur impact{q.x, q.y, rayon - q.z};
    // D' reflected about the sphere's normal at the hit, (-x, -y, z) / R in the mirror frame:
    // 2 (D'.N) N - D', with 1 / R^2 worked out beside the crossing rather than divided on the way
    // to the new direction.
    const double inverseCarre = 1.0 / (rayon * rayon);
    const TVecteur normale{-q.x, -q.y, q.z};
    const double k = (2.0 * Scalaire(inverse, normale)) * inverseCarre;
    r.ImpactPrimaire = {impact.x, impact.y, impact.z};
    if (!TraceAuxiliaire)
        in.ImpactPrimaire = r.ImpactPrimaire;
    r.HauteurImpactMiroir = impact.x;
    r.CoteImpactMiroir = impact.z;
    EcritRayonPourMiroir(r, impact, k * normale - inverse);
    return true;
}

} // namespace

bool RefleteMiroirSpherique(TVecteur p, TVecteur d, bool chercheFleche)
{
    return ReflechitPrimaireSpherique(Rayon, p, d, chercheFleche);
}

namespace {

double CarreLigne(double x, double y, double dz, double pente, double penteY)
{
    const double px = x + dz * pente;
    const double py = y + dz * penteY;
    return px * px + py * py;
}

} // namespace

double CarreEntrantDepuisImpact(double z)
{
    const TRayon& r = Rayon;
    const auto& i = r.ImpactPrimaire;
    return CarreLigne(i[0], i[1], z - i[2], r.LIncident / r.NIncident, r.MIncident / r.NIncident);
}

double CarreEntrantDepuisPupille(double z)
{
    const TRayon& r = Rayon;
    const auto& i = r.ImpactPrimaire;
    return CarreLigne(r.XDepart, r.YDepart, z - i[2], -r.LIncident / r.NIncident, -r.MIncident / r.NIncident);
}

double CarreReflechi(double z)
{
    const TRayon& r = Rayon;
    const auto& i = r.ImpactPrimaire;
    return CarreLigne(i[0], i[1], z - i[2], r.LRayon / r.NRayon, r.MRayon / r.NRayon);
}

bool TraverseCorrecteurEtPrimaire(int nombre, double distanceMiroir, bool chercheFleche)
{
    TRayon& r = Rayon;
    r.RayonPerdu = false;
    r.ManqueSecondaire = false;
    r.DansOmbreSecondaire = false;
    r.HorsSecondaire = false;
    r.ArretGroupe = false;
    r.RayonBloque = false;
    r.RayonBloqueMiroir = false;
    PartDeLaPupille(r);
    TVecteur point, d;
    if (!TraverseGroupeEnRegistres(r, nombre, point, d, [=](double z) { return distanceMiroir - z; }))
        return false;
    // From the corrector's frame to the one centred on the primary's centre of curvature.
    const double rayon = Instrument.RayonCourburePrimaire;
    return ReflechitPrimaireSpherique(r, {point.x, point.y, point.z - distanceMiroir + rayon}, d, chercheFleche);
}

void TesteBordMiroirCorrecteur()
{
    TRayon& r = Rayon;
    const double diametre = Instrument.DiametreMiroir;
    r.RayonBloqueMiroir = diametre * diametre / 4.0 < r.CarreDistanceAxePrimaire;
    r.RayonBloque |= r.RayonBloqueMiroir;
}
