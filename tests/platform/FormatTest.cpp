// The formatter: one table per digit pattern, written with "," and with "." as the locale's mark; halves of the
// decimal value go away from zero; nothing rounds to "-0"; from 1e18 on, the general form.
#include "platform/Format.h"

#include <cfloat>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Expected texts are written with "," and checked with the mark under test.
class Formats : public ::testing::TestWithParam<char>
{
protected:
    void SetUp() override
    {
        SeparateurPrecedent = SeparateurDecimal;
        SeparateurDecimal = GetParam();
    }
    void TearDown() override { SeparateurDecimal = SeparateurPrecedent; }

    std::string AvecSeparateur(std::string texte) const
    {
        for (char& c : texte)
            if (c == ',')
                c = GetParam();
        return texte;
    }

    struct TCas
    {
        double Valeur;
        std::string Texte;
    };
    void Verifie(std::string_view motif, const std::vector<TCas>& cas) const
    {
        for (const TCas& c : cas)
        {
            SCOPED_TRACE(std::string(motif) + " " + std::to_string(c.Valeur));
            EXPECT_EQ(FormateNombre(c.Valeur, motif), AvecSeparateur(c.Texte));
        }
    }

    char SeparateurPrecedent = '.';
};

TEST_P(Formats, DecimalesFacultatives)
{
    Verifie("#0.#", {{1200, "1200"},
                     {12.5, "12,5"},
                     {0.25, "0,3"},
                     {0.15, "0,2"},
                     {-1.25, "-1,3"},
                     {2.96, "3"},
                     {0, "0"},
                     {-0.04, "0"},
                     {-0.05, "-0,1"},
                     {0.04, "0"}});
    Verifie("0.#", {{0.5, "0,5"}, {1200, "1200"}});
    Verifie("#0.##", {{-1, "-1"}, {25.43, "25,43"}, {1.005, "1,01"}, {-0.001, "0"}, {0.125, "0,13"}});
    Verifie("#0.###", {{5, "5"}, {0.125, "0,125"}, {-0.0005, "-0,001"}});
    Verifie("#0.####", {{-1.0025, "-1,0025"}, {-1, "-1"}});
    Verifie("#0.#####", {{0.433012701892219, "0,43301"}});
    Verifie("#0.######", {{1.518720, "1,51872"}, {1.5187205, "1,518721"}});
    Verifie("#0.#######", {{0.785, "0,785"}});
}

TEST_P(Formats, DecimalesRequises)
{
    Verifie("#0.00", {{3, "3,00"}, {2.675, "2,68"}, {-0.004, "0,00"}, {-0.005, "-0,01"}, {99.995, "100,00"}});
    Verifie("0.0", {{60, "60,0"}, {0.05, "0,1"}});
    Verifie("0.000", {{10.2845, "10,285"}, {0.0005, "0,001"}, {-0.0004, "0,000"}});
    Verifie("#0.000000", {{1.51872, "1,518720"}, {1e-7, "0,000000"}, {1.0000005, "1,000001"}});
    Verifie("###0.0", {{123.45, "123,5"}});
}

TEST_P(Formats, ChiffresEntiersRequis)
{
    Verifie("000.00", {{5.5, "005,50"}, {-5.5, "-005,50"}, {1234.5, "1234,50"}});
    Verifie("00.0000", {{1.5, "01,5000"}, {-0.00004, "00,0000"}, {12.34567, "12,3457"}});
    Verifie("000.0", {{60, "060,0"}, {999.95, "1000,0"}});
    Verifie("#0", {{2.5, "3"}, {-2.5, "-3"}, {0.4, "0"}, {-0.4, "0"}, {1234, "1234"}});
}

TEST_P(Formats, GrandesValeursEnFormeGenerale)
{
    Verifie("#0.#", {{1e20, "1E20"},
                     {1e30, "1E30"},
                     {-1e20, "-1E20"},
                     {1e18, "1E18"},
                     {1.5e18, "1,5E18"},
                     {5e17, "500000000000000000"}});
    Verifie("0.000", {{1e20, "1E20"}});
}

TEST_P(Formats, FormeGeneraleLaPlusCourte)
{
    const std::vector<TCas> cas{
        {0, "0"},
        {12.5, "12,5"},
        {-2.5, "-2,5"},
        // Fifteen digits would round it past the largest double, which would read back as infinity.
        {DBL_MAX, "1,7976931348623157E308"},
        {-DBL_MAX, "-1,7976931348623157E308"},
        {1.7976931348623e308, "1,7976931348623E308"},
        {0.001, "0,001"},
        {1e-5, "0,00001"},
        {1.5e-6, "1,5E-6"},
        {1e14, "100000000000000"},
        {1e15, "1E15"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {123456789012345678.0, "1,23456789012346E17"},
        {-1.5e-5, "-0,000015"},
        {-2.5e-7, "-2,5E-7"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Texte);
        EXPECT_EQ(FormateGeneral(c.Valeur), AvecSeparateur(c.Texte));
    }
}

INSTANTIATE_TEST_SUITE_P(Separateurs, Formats, ::testing::Values(',', '.'));

} // namespace
