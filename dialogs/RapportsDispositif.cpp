// The reports on the lens device.
#include "dialogs/RapportsDispositif.h"

#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "platform/Format.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

std::size_t NombreSurfaces()
{
    return static_cast<std::size_t>(std::clamp(Dispositif.NombreDioptres, 0, NombreMaxDioptres));
}

// 1/m.
double Courbure(double rayon)
{
    if (std::abs(rayon) > SeuilRayonPlan || EstRayonVide(rayon))
        return 0;
    return 1000 / rayon;
}

} // namespace

double PuissanceGlobaleDispositif()
{
    const TDioptre& d = Dispositif;
    double puissance = 0;
    for (std::size_t i = 1; i + 1 <= NombreSurfaces(); ++i)
    {
        const double n = d.IndiceVert[i + 1];
        if (!(n > 1))
            continue;
        const double c1 = Courbure(d.RayonDioptre[i]);
        const double c2 = Courbure(d.RayonDioptre[i + 1]);
        const double e = d.EpaisseurDioptre[i] / 1000;
        puissance += (n - 1) * (c1 - c2) + (n - 1) * (n - 1) / n * c1 * c2 * e;
    }
    return puissance;
}

TEncombrementDispositif EncombrementDispositif()
{
    const TDioptre& d = Dispositif;
    TEncombrementDispositif encombrement;
    const std::size_t n = NombreSurfaces();
    for (std::size_t i = 1; i <= n; ++i)
    {
        encombrement.PlusGrandDiametre = std::max(encombrement.PlusGrandDiametre, d.DiametreDioptre[i]);
        if (i < n)
            encombrement.EpaisseurTotale += d.EpaisseurDioptre[i];
    }
    if (n >= 1 && !EstEpaisseurInfinie(d.EpaisseurDioptre[n]))
        encombrement.DistanceFoyer = encombrement.EpaisseurTotale + d.EpaisseurDioptre[n];
    return encombrement;
}

std::string TextePuissanceGlobale(double puissance)
{
    std::string texte = "Dispositif dioptrique :\n\nLa puissance optique globale de ce dispositif,\n"
                        "c'est à dire la somme des puissances de ses lentilles\nvaut " +
                        FormateNombre(puissance, "0.000") + " Dioptries";
    if (puissance != 0)
        texte += " = 1 / " + FormateNombre(1 / puissance, "0.000");
    return texte + "\n\nAttention ! Dans de nombreux cas cette considération\npeut être absurde.";
}

std::string TexteEncombrement(const TEncombrementDispositif& encombrement)
{
    std::string texte = "Encombrement du dispositif dioptrique :\n\nPlus grand diamètre = " +
                        FormateNombre(encombrement.PlusGrandDiametre, "0.0") +
                        " mm\n\nEpaisseur totale entre premier et dernier dioptre (ou diaphragme) = " +
                        FormateNombre(encombrement.EpaisseurTotale, "0.00") + " mm\n";
    if (encombrement.DistanceFoyer)
        texte += "\nDistance entre premier dioptre et foyer résultant = " +
                 FormateNombre(*encombrement.DistanceFoyer, "0.00") + " mm\n";
    return texte;
}
