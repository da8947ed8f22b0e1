// Choosing a form by its name in the type list: the form, its displayed name and its starting values.
#include "optics/DefautsTypes.h"

#include <gtest/gtest.h>

#include "optics/Initialisation.h"
#include "support/Formes.h"

namespace {

constexpr double ACalculer = CoefficientACalculer;
constexpr double Sans6 = SansTermeOrdre6;

struct TCasType
{
    const char* Cle;
    TTypeInstrument Forme;
    const char* Nom;
    double b, b2, c, c2; // conic constants and sixth-order terms of primary and secondary
    double CoefficientLame;
    bool LameBK7;
    bool ChampCourbe;
    int DioptresGroupe;
};

// What a new design holds unless the form says otherwise: conics to compute, no sixth-order term,
// a unit plate coefficient, a flat field, no lens-group row.
const TCasType Cas[] = {
    {"télescope de newton", TTypeInstrument::Newton, "Télescope de Newton", -1, Sans6, ACalculer, Sans6, 1, false,
     false, 0},
    {"télescope de cassegrain", TTypeInstrument::Cassegrain, "Télescope de Cassegrain", -1, Sans6, ACalculer, Sans6, 1,
     false, false, 0},
    {"télescope de dall-kirkham", TTypeInstrument::DallKirkham, "Télescope de Dall-Kirkham", 0, 0, 0, Sans6, 1, false,
     false, 0},
    {"télescope de ritchey-chrétien", TTypeInstrument::RitcheyChretien, "Télescope de Ritchey-Chrétien", ACalculer,
     Sans6, ACalculer, Sans6, 1, false, false, 0},
    {"télescope de gregory", TTypeInstrument::Gregory, "Télescope de Gregory", ACalculer, Sans6, ACalculer, Sans6, 1,
     false, false, 0},
    {"télescope de schmidt", TTypeInstrument::Schmidt, "Télescope de Schmidt", ACalculer, Sans6, ACalculer, Sans6, 1,
     true, true, 0},
    {"télescope de schmidt-cassegrain", TTypeInstrument::SchmidtCassegrain, "Télescope de Schmidt-Cassegrain",
     ACalculer, Sans6, ACalculer, Sans6, 0.785, true, false, 0},
    {"télescope de schmidt-newton", TTypeInstrument::SchmidtNewton, "Télescope Schmidt-Newton", ACalculer, Sans6,
     ACalculer, Sans6, 1, true, false, 0},
    {"télescope de maksutov", TTypeInstrument::Maksutov, "Télescope de Maksutov", ACalculer, Sans6, ACalculer, Sans6, 1,
     false, true, 0},
    {"télescope de maksutov-newton", TTypeInstrument::MaksutovNewton, "Télescope de Maksutov-Newton", ACalculer, Sans6,
     ACalculer, Sans6, 1, false, false, 0},
    {"télescope de maksutov-cassegrain", TTypeInstrument::MaksutovCassegrain, "Télescope de Maksutov-Cassegrain", 0,
     Sans6, 0, 0, 1, false, false, 0},
    {"télescope de klevtsov-cassegrain", TTypeInstrument::KlevtsovCassegrain, "Télescope de Klevtsov-Cassegrain", 0, 0,
     0, 0, 1, false, false, 0},
    {"télescope de schwarzschild", TTypeInstrument::Schwarzschild, "Télescope de Schwarzschild", ACalculer, Sans6,
     ACalculer, Sans6, 1, false, false, 0},
    {"lunette", TTypeInstrument::Lunette, "Lunette", ACalculer, Sans6, ACalculer, Sans6, 1, false, false, 0},
    {"télescope de lurie-houghton", TTypeInstrument::LurieHoughton, "Télescope de Lurie-Houghton", 0, Sans6, 0, Sans6,
     1, false, false, 2},
    {"télescope de houghton-cassegrain", TTypeInstrument::HoughtonCassegrain, "Télescope de Houghton-Cassegrain", 0,
     Sans6, 0, Sans6, 1, false, false, 0},
};

class DefautsTypes : public ::testing::Test
{
protected:
    void SetUp() override { ReinitialiseEtat(); }
};

TEST_F(DefautsTypes, ChaqueCleDonneSaFormeSonNomEtSesValeursDeDepart)
{
    for (const TCasType& cas : Cas)
    {
        SCOPED_TRACE(cas.Cle);
        ReinitialiseEtat();
        Instrument.NomInstrument = cas.Cle;
        ReconnaitTypeInstrument();

        EXPECT_EQ(Instrument.TypeInstrument, cas.Forme);
        EXPECT_EQ(Instrument.NomInstrument, cas.Nom);
        EXPECT_EQ(Instrument.CoefficientDeformationPrimaire, cas.b);
        EXPECT_EQ(Instrument.CoefficientDeformationPrimaire2, cas.b2);
        EXPECT_EQ(Instrument.CoefficientDeformationSecondaire, cas.c);
        EXPECT_EQ(Instrument.CoefficientDeformationSecondaire2, cas.c2);
        EXPECT_EQ(Instrument.CoefficientDeformationLame, cas.CoefficientLame);
        EXPECT_EQ(Instrument.ChampCourbe, cas.ChampCourbe);
        EXPECT_EQ(Groupe.NombreDioptresGroupe, cas.DioptresGroupe);
        if (cas.LameBK7)
        {
            // BK7 at the default lines: "nC", "ne", "nF'".
            EXPECT_EQ(Groupe.MatiereGroupe[1], "BK7");
            EXPECT_FLOAT_EQ(Groupe.IndiceRougeGroupe[1], 1.51432f);
            EXPECT_FLOAT_EQ(Groupe.IndiceVertGroupe[1], 1.51872f);
            EXPECT_FLOAT_EQ(Groupe.IndiceBleuGroupe[1], 1.52283f);
        }
        else
        {
            EXPECT_EQ(Groupe.MatiereGroupe[1], "");
        }
    }
}

// The journal keeps a chosen form under its displayed name, which its replay lowers from A to Z: every form must be
// found again with its starting values (the Schmidt-Newton's lowered name is not its key).
TEST_F(DefautsTypes, LeNomAfficheAbaisseRetrouveLaForme)
{
    for (const TCasType& cas : Cas)
    {
        SCOPED_TRACE(cas.Nom);
        ReinitialiseEtat();
        std::string nom = cas.Nom;
        for (char& c : nom)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        Instrument.NomInstrument = nom;
        ReconnaitTypeInstrument();
        EXPECT_EQ(Instrument.TypeInstrument, cas.Forme);
        EXPECT_EQ(Instrument.NomInstrument, cas.Nom);
        EXPECT_EQ(Groupe.MatiereGroupe[1], cas.LameBK7 ? "BK7" : "");
    }
}

TEST_F(DefautsTypes, UnNomInconnuNeChangeRien)
{
    Instrument.NomInstrument = "télescope de gregory";
    ReconnaitTypeInstrument();
    // Only A to Z are lower-cased by the caller, so an accented capital never matches; nor does a
    // display name, nor a key with a trailing blank.
    for (const char* nom : {"TÉlescope de newton", "Télescope de Newton", "lunette ", "télescope"})
    {
        SCOPED_TRACE(nom);
        Instrument.NomInstrument = nom;
        ReconnaitTypeInstrument();
        EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Gregory);
        EXPECT_EQ(Instrument.NomInstrument, nom);
        EXPECT_EQ(Instrument.CoefficientDeformationPrimaire, CoefficientACalculer);
    }
}

TEST_F(DefautsTypes, LesValeursDeDepartSePosentSurLaConceptionEnCours)
{
    // A value typed before the choice and not among the form's starting values stays.
    Instrument.DiametreEntree = 200;
    Instrument.CoefficientK = 1.2;
    AppliqueDefautsType(TTypeInstrument::Schmidt);
    EXPECT_EQ(Instrument.DiametreEntree, 200);
    EXPECT_EQ(Instrument.CoefficientK, 1.2);
}

} // namespace
