// The texts of the surface-table cells: every threshold on both sides, the sentinels, the sign, both decimal marks.
#include "platform/Format.h"
#include "sheet/FormatsNombresTableau.h"

#include <gtest/gtest.h>

namespace {

using TFormat = std::string (*)(double);

std::string Indice(double n)
{
    return FormateIndiceTableau(static_cast<float>(n));
}

struct TCas
{
    const char* Colonne;
    TFormat Format;
    double Valeur;
    const char* AvecVirgule;
    const char* AvecPoint;
};

const TCas Cas[] = {
    {"rayon", FormateRayonTableau, 1e30, "Diaph.", "Diaph."},
    {"rayon", FormateRayonTableau, -1e30, "Diaph.", "Diaph."},
    {"rayon", FormateRayonTableau, 2e21, "Diaph.", "Diaph."},
    {"rayon", FormateRayonTableau, 1e20, "Plan", "Plan"},
    {"rayon", FormateRayonTableau, -1e20, "Plan", "Plan"},
    {"rayon", FormateRayonTableau, 1e21, "Plan", "Plan"},
    {"rayon", FormateRayonTableau, 0, "", ""},
    {"rayon", FormateRayonTableau, 1e-6, "", ""},
    {"rayon", FormateRayonTableau, -1e-6, "", ""},
    {"rayon", FormateRayonTableau, 2e-6, "0,00", "0.00"},
    {"rayon", FormateRayonTableau, -12000, "-12000", "-12000"},
    {"rayon", FormateRayonTableau, 9999.5, "10000", "10000"},
    {"rayon", FormateRayonTableau, 9999, "9999,0", "9999.0"},
    {"rayon", FormateRayonTableau, -1500.25, "-1500,3", "-1500.3"},
    {"rayon", FormateRayonTableau, 999.5, "999,5", "999.5"},
    {"rayon", FormateRayonTableau, 999, "999,00", "999.00"},
    {"rayon", FormateRayonTableau, -45.678, "-45,68", "-45.68"},
    {"épaisseur", FormateEpaisseurDispositif, 1e20, "Infini", "Infini"},
    {"épaisseur", FormateEpaisseurDispositif, -1e20, "Infini", "Infini"},
    {"épaisseur", FormateEpaisseurDispositif, -1, "", ""},
    {"épaisseur", FormateEpaisseurDispositif, -0.001, "", ""},
    {"épaisseur", FormateEpaisseurDispositif, 0, "0,00", "0.00"},
    {"épaisseur", FormateEpaisseurDispositif, 1500, "1500", "1500"},
    {"épaisseur", FormateEpaisseurDispositif, 999.4, "999", "999"},
    {"épaisseur", FormateEpaisseurDispositif, 999, "999,0", "999.0"},
    {"épaisseur", FormateEpaisseurDispositif, 99.5, "99,5", "99.5"},
    {"épaisseur", FormateEpaisseurDispositif, 99, "99,00", "99.00"},
    {"épaisseur", FormateEpaisseurDispositif, 5.125, "5,13", "5.13"},
    {"épaisseur du groupe", FormateEpaisseurGroupe, 1e20, "Infini", "Infini"},
    {"épaisseur du groupe", FormateEpaisseurGroupe, -1, "", ""},
    {"épaisseur du groupe", FormateEpaisseurGroupe, 12000, "12000", "12000"},
    {"épaisseur du groupe", FormateEpaisseurGroupe, 9999, "9999,0", "9999.0"},
    {"épaisseur du groupe", FormateEpaisseurGroupe, 1500, "1500,0", "1500.0"},
    {"épaisseur du groupe", FormateEpaisseurGroupe, 999, "999,00", "999.00"},
    {"épaisseur du groupe", FormateEpaisseurGroupe, 150, "150,00", "150.00"},
    {"diamètre", FormateDiametreTableau, 0, "", ""},
    {"diamètre", FormateDiametreTableau, 0.5e-6, "", ""},
    {"diamètre", FormateDiametreTableau, 0.04, "0,0", "0.0"},
    {"diamètre", FormateDiametreTableau, 999.96, "1000", "1000"},
    {"diamètre", FormateDiametreTableau, 999, "999,0", "999.0"},
    {"diamètre", FormateDiametreTableau, 52.25, "52,3", "52.3"},
    {"indice", Indice, 0, "", ""},
    {"indice", Indice, 0.999, "", ""},
    {"indice", Indice, 1, "1,000000", "1.000000"},
    {"indice", Indice, 1.5168, "1,516800", "1.516800"},
};

} // namespace

TEST(FormatsNombresTableau, ChaqueSeuilDesDeuxCotesAvecLesDeuxSeparateurs)
{
    for (const TCas& cas : Cas)
    {
        SCOPED_TRACE(std::string(cas.Colonne) + " " + std::to_string(cas.Valeur));
        SeparateurDecimal = ',';
        EXPECT_EQ(cas.Format(cas.Valeur), cas.AvecVirgule);
        SeparateurDecimal = '.';
        EXPECT_EQ(cas.Format(cas.Valeur), cas.AvecPoint);
    }
}
