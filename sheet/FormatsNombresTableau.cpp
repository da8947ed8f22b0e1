// The texts of the cells of the surface tables.
#include "sheet/FormatsNombresTableau.h"

#include "optics/Sentinelles.h"
#include "platform/Format.h"

#include <cmath>

std::string FormateRayonTableau(double rayon)
{
    const double r = std::abs(rayon);
    if (r > SeuilRayonDiaphragme)
        return "Diaph.";
    if (r > SeuilRayonPlan)
        return "Plan";
    if (r <= SeuilRayonNul)
        return {};
    if (r > 9999)
        return FormateNombre(rayon, "#0");
    if (r > 999)
        return FormateNombre(rayon, "#0.0");
    return FormateNombre(rayon, "#0.00");
}

std::string FormateEpaisseurDispositif(double epaisseur)
{
    if (std::abs(epaisseur) > SeuilEpaisseurInfinie)
        return "Infini";
    if (epaisseur < 0)
        return {};
    if (epaisseur > 999)
        return FormateNombre(epaisseur, "#0");
    if (epaisseur > 99)
        return FormateNombre(epaisseur, "#0.0");
    return FormateNombre(epaisseur, "#0.00");
}

std::string FormateEpaisseurGroupe(double epaisseur)
{
    if (std::abs(epaisseur) > SeuilEpaisseurInfinie)
        return "Infini";
    if (epaisseur < 0)
        return {};
    if (epaisseur > 9999)
        return FormateNombre(epaisseur, "#0");
    if (epaisseur > 999)
        return FormateNombre(epaisseur, "#0.0");
    return FormateNombre(epaisseur, "#0.00");
}

std::string FormateDiametreTableau(double diametre)
{
    if (diametre < SeuilDiametreNul)
        return {};
    if (diametre > 999)
        return FormateNombre(diametre, "#0");
    return FormateNombre(diametre, "#0.0");
}

std::string FormateIndiceTableau(float indice)
{
    if (indice < IndiceMinimal)
        return {};
    return FormateNombre(indice, "#0.000000");
}

std::string FormateLongueurOnde(TLongueurOnde ligne)
{
    if (ligne < 1 || ligne > NombreLongueursOnde)
        return {};
    return FormateNombre(TableLongueursOnde[static_cast<std::size_t>(ligne)], "#0.#");
}
