// Radius of the diffraction spot: the Airy radius k lambda F / D with k falling as the central
// obstruction grows, interpolated through a table of seven nodes by Newton's forward differences.
#include "optics/Diffraction.h"

#include <array>
#include <cmath>
#include <numbers>

#include "optics/Arrondis.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Notifications.h"

namespace {

constexpr std::array<float, 7> RatiosNoeuds = {0.0f, 0.1f, 0.2f, 0.33f, 0.4f, 0.5f, 0.6f};
constexpr std::array<float, 7> FacteursNoeuds = {1.22f, 1.205f, 1.167f, 1.098f, 1.058f, 1.0f, 0.947f};
constexpr std::array<float, 6> PremieresDifferences = {-0.015f, -0.038f, -0.069f, -0.04f, -0.058f, -0.053f};
constexpr float FacteurGrandeObstruction = 0.947f;
constexpr float LongueurOndeSansLigneVerte = 550.0f; // nm

// Differences of order 1..6, each starting at node j; the higher orders are formed from the first
// at every call, in 32-bit reals, so the curve passes through the nodes as tabulated.
struct TDifferences
{
    std::array<std::array<float, 6>, 7> ordre{};
};

TDifferences Differences()
{
    TDifferences d;
    d.ordre[1] = PremieresDifferences;
    for (int o = 2; o <= 6; ++o)
        for (int j = 0; j + o <= 6; ++j)
            d.ordre[o][j] = d.ordre[o - 1][j + 1] - d.ordre[o - 1][j];
    return d;
}

// Index, per order 1..6, of the difference used by the band starting at a node: the one starting
// at that node, or the last one available for the higher orders.
constexpr std::array<std::array<int, 7>, 6> IndicesBandes = {{
    {0, 0, 0, 0, 0, 0, 0},
    {0, 1, 1, 0, 0, 0, 0},
    {0, 2, 2, 1, 1, 0, 0},
    {0, 3, 3, 2, 1, 1, 0},
    {0, 4, 4, 3, 2, 1, 0},
    {0, 5, 4, 3, 2, 1, 0},
}};

int NoeudDeBande(std::int64_t bande)
{
    if (bande < 10)
        return 0;
    if (bande < 20)
        return 1;
    if (bande < 33)
        return 2;
    if (bande < 40)
        return 3;
    if (bande < 50)
        return 4;
    return 5;
}

} // namespace

float FacteurObstruction(float e)
{
    const std::int64_t bande = Trunc(100.0f * e);
    if (bande < 0)
        return FacteursNoeuds[0];
    if (bande >= 60)
        return FacteurGrandeObstruction;
    const int b = NoeudDeBande(bande);
    const TDifferences d = Differences();
    const auto& idx = IndicesBandes[static_cast<std::size_t>(b)];
    const auto delta = [&](int ordre) { return d.ordre[ordre][idx[ordre]]; };
    const float u = (e - RatiosNoeuds[b]) / (RatiosNoeuds[b + 1] - RatiosNoeuds[b]);
    const float somme =
        delta(1) +
        (u - 1) / 2 *
            (delta(2) +
             (u - 2) / 3 * (delta(3) + (u - 3) / 4 * (delta(4) + (u - 4) / 5 * (delta(5) + (u - 5) / 6 * delta(6)))));
    return FacteursNoeuds[b] + u * somme;
}

void CalculeTacheDiffraction()
{
    TInstrument& I = Instrument;
    I.TacheDiffractionMicrons = 0;
    I.TacheDiffractionSecondes = 0;
    Systeme.RayonAiryImage = 0;
    const double D = I.DiametreEntree;
    if (D <= 0.1)
        return;

    float e = static_cast<float>(std::max(static_cast<double>(I.DiametreSecondaire), I.DiametreTrouCentral) / D);
    const bool sansPlan = I.DistanceSecondaireFoyer < 0.01;
    switch (I.TypeInstrument)
    {
    case TTypeInstrument::Newton:
    case TTypeInstrument::SchmidtNewton:
    case TTypeInstrument::LurieHoughton:
        if (sansPlan)
            e = 0;
        break;
    case TTypeInstrument::Aucun:
    case TTypeInstrument::Cassegrain:
    case TTypeInstrument::RitcheyChretien:
    case TTypeInstrument::Gregory:
    case TTypeInstrument::Schmidt:
    case TTypeInstrument::SchmidtCassegrain:
    case TTypeInstrument::Maksutov:
    case TTypeInstrument::MaksutovCassegrain:
    case TTypeInstrument::Lunette:
    case TTypeInstrument::Schwarzschild:
    case TTypeInstrument::MaksutovNewton:
    case TTypeInstrument::DallKirkham:
    case TTypeInstrument::KlevtsovCassegrain:
    case TTypeInstrument::HoughtonCassegrain: break;
    }

    // An obstruction wider than the aperture lets no light through: it beeps, and the factor of the
    // largest tabulated obstruction keeps the result independent of earlier designs.
    if (Trunc(100.0f * e) > 100)
        Notifications.Bip(BipDefaut);
    Systeme.FacteurAiry = FacteurObstruction(e);

    const double F = I.FocaleObjectif;
    if (!(F > 0.1))
        return;

    const float ligneVerte = LongueurOndeNm(LongueursOnde.LongueurOndeVerte);
    const double lambda = ligneVerte > 1 ? ligneVerte : LongueurOndeSansLigneVerte;
    I.TacheDiffractionMicrons = static_cast<float>(Systeme.FacteurAiry * (lambda / 1000) * F / D);
    I.TacheDiffractionSecondes =
        static_cast<float>(std::atan(I.TacheDiffractionMicrons / 1000.0 / F) * 180 / std::numbers::pi * 3600);

    if (Validite.SystemeAfocal)
        Systeme.RayonAiryImage = I.TacheDiffractionSecondes / 60.0 * Systeme.GrossissementAfocal * ligneVerte / 560;
    else
        Systeme.RayonAiryImage = I.TacheDiffractionMicrons * I.FocaleEffective / F;
}
