// Clicks on the sheet: every form's hit rules over a grid of value boxes, expanded and collapsed, the check box of
// the Maksutov-Cassegrain, the toggles, a type typed on a blank sheet; the plate profile cycle; the distance box's
// and the plate coefficient box's arrows.
#include "editing/ClicsFiche.h"
#include "editing/ListeTypes.h"
#include "PortsEnregistres.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <tuple>

namespace {

using T = TTypeInstrument;
using V = TValeurFiche;

// Slot k's box: 40 pixels a column, 20 a line, so that any slot's X and any other slot's Y make a point.
TCase CaseGrille(int k)
{
    return {40 * k + 1, 20 * k + 1, 40 * k + 30, 20 * k + 15};
}
int XCase(int k)
{
    return 40 * k + 15;
}
int YCase(int k)
{
    return 20 * k + 8;
}

// The sheet's hit rules: (line slot, box slot) -> value, and whether it counts only on an expanded sheet.
struct TCible
{
    V Valeur;
    bool Developpe;
};
using TRegles = std::map<std::pair<int, int>, TCible>;

TRegles ReglesAttendues(T forme)
{
    const bool E = true;
    const TRegles deuxMiroirs0 = {
        {{0, 0}, {V::DiametreEntree, false}}, {{0, 2}, {V::FocalePrimaire, E}}, {{0, 7}, {V::FocaleResultante, false}}};
    const TRegles secondaire9 = {{{9, 9}, {V::DiametreSecondaire, E}},
                                 {{9, 16}, {V::DiametreTrouCentral, E}},
                                 {{9, 10}, {V::DegagementFoyer, E}}};
    const TRegles epaisseurs11 = {{{11, 11}, {V::EpaisseurPrimaire, E}}, {{11, 12}, {V::EpaisseurSecondaire, E}}};
    const TRegles lame11 = {{{11, 11}, {V::EpaisseurPrimaire, E}},
                            {{11, 14}, {V::DistanceLameMiroir, E}},
                            {{11, 13}, {V::EpaisseurLame, E}}};
    const auto joint = [](std::initializer_list<TRegles> parties) {
        TRegles r;
        for (const TRegles& p : parties)
            r.insert(p.begin(), p.end());
        return r;
    };
    switch (forme)
    {
    case T::Newton:
        return {{{0, 0}, {V::DiametreEntree, false}},
                {{0, 2}, {V::FocalePrimaire, false}},
                {{8, 8}, {V::CoefficientDeformationPrimaire, E}},
                {{8, 9}, {V::DiametreSecondaire, E}},
                {{8, 10}, {V::DistanceSecondaireFoyer, E}},
                {{11, 11}, {V::EpaisseurPrimaire, E}},
                {{11, 12}, {V::EpaisseurSecondaire, E}}};
    case T::Cassegrain:
    case T::Gregory: return joint({deuxMiroirs0, secondaire9, epaisseurs11});
    case T::RitcheyChretien:
    case T::DallKirkham:
        return joint({deuxMiroirs0,
                      secondaire9,
                      epaisseurs11,
                      {{{18, 8}, {V::CoefficientDeformationPrimaire, E}},
                       {{18, 18}, {V::CoefficientDeformationSecondaire, E}},
                       {{18, 19}, {V::CoefficientDeformationSecondaire2, E}}}});
    case T::Schwarzschild: return joint({deuxMiroirs0, epaisseurs11, {{{9, 9}, {V::DiametreSecondaire, E}}}});
    case T::Schmidt:
        return {{{0, 0}, {V::DiametreEntree, false}},   {{0, 1}, {V::DiametreMiroir, false}},
                {{0, 7}, {V::FocaleResultante, false}}, {{0, 3}, {V::RayonCourburePrimaire, false}},
                {{11, 11}, {V::EpaisseurPrimaire, E}},  {{11, 14}, {V::DistanceLameMiroir, E}},
                {{11, 20}, {V::CoefficientK, E}},       {{11, 13}, {V::EpaisseurLame, E}}};
    case T::SchmidtNewton:
        return {{{0, 0}, {V::DiametreEntree, false}},        {{0, 1}, {V::DiametreMiroir, false}},
                {{0, 7}, {V::FocaleResultante, false}},      {{17, 17}, {V::CoefficientDeformationLame, E}},
                {{10, 10}, {V::DistanceSecondaireFoyer, E}}, {{10, 9}, {V::DiametreSecondaire, E}},
                {{10, 14}, {V::DistanceLameMiroir, E}},      {{11, 11}, {V::EpaisseurPrimaire, E}},
                {{11, 12}, {V::EpaisseurSecondaire, E}},     {{11, 13}, {V::EpaisseurLame, E}}};
    case T::Maksutov:
    case T::MaksutovNewton:
    {
        TRegles r = {{{0, 0}, {V::DiametreEntree, false}},         {{0, 1}, {V::DiametreMiroir, false}},
                     {{0, 2}, {V::FocalePrimaire, false}},         {{0, 3}, {V::RayonCourburePrimaire, false}},
                     {{11, 11}, {V::EpaisseurPrimaire, E}},        {{11, 14}, {V::DistanceLameMiroir, E}},
                     {{11, 15}, {V::DistanceDiaphragmeMiroir, E}}, {{11, 13}, {V::EpaisseurLame, E}}};
        if (forme == T::MaksutovNewton)
            r.insert({{{9, 9}, {V::DiametreSecondaire, E}},
                      {{9, 10}, {V::DistanceSecondaireFoyer, E}},
                      {{9, 12}, {V::EpaisseurSecondaire, E}}});
        return r;
    }
    case T::SchmidtCassegrain:
        return joint({lame11,
                      {{{0, 0}, {V::DiametreEntree, false}},
                       {{0, 3}, {V::RayonCourburePrimaire, E}},
                       {{0, 7}, {V::FocaleResultante, false}},
                       {{9, 10}, {V::DegagementFoyer, E}},
                       {{9, 16}, {V::DiametreTrouCentral, E}},
                       {{9, 9}, {V::DiametreSecondaire, E}},
                       {{12, 12}, {V::EpaisseurSecondaire, E}}}});
    case T::MaksutovCassegrain:
        return joint({lame11,
                      {{{0, 0}, {V::DiametreEntree, false}},
                       {{0, 3}, {V::RayonCourburePrimaire, E}},
                       {{0, 7}, {V::FocaleResultante, false}},
                       {{16, 10}, {V::DegagementFoyer, E}},
                       {{16, 16}, {V::DiametreTrouCentral, E}},
                       {{16, 9}, {V::DiametreSecondaire, E}},
                       {{8, 8}, {V::CoefficientDeformationPrimaire, E}},
                       {{8, 18}, {V::CoefficientDeformationSecondaire, E}},
                       {{8, 12}, {V::EpaisseurSecondaire, E}}}});
    case T::KlevtsovCassegrain:
        return joint({lame11,
                      {{{0, 0}, {V::DiametreEntree, false}},
                       {{0, 3}, {V::RayonCourburePrimaire, E}},
                       {{15, 15}, {V::DistanceDiaphragmeMiroir, E}},
                       {{15, 9}, {V::DiametreSecondaire, E}},
                       {{16, 16}, {V::DiametreTrouCentral, E}},
                       {{16, 18}, {V::CoefficientDeformationSecondaire, E}},
                       {{16, 12}, {V::EpaisseurSecondaire, E}}}});
    case T::LurieHoughton:
        return {{{0, 0}, {V::DiametreEntree, false}},        {{0, 1}, {V::DiametreMiroirHoughton, false}},
                {{0, 3}, {V::RayonCourburePrimaire, false}}, {{11, 11}, {V::EpaisseurPrimaire, E}},
                {{10, 10}, {V::DistanceSecondaireFoyer, E}}, {{10, 9}, {V::DiametreSecondaire, E}},
                {{10, 12}, {V::EpaisseurSecondaire, E}}};
    case T::HoughtonCassegrain:
        return joint({secondaire9,
                      epaisseurs11,
                      {{{0, 0}, {V::DiametreEntree, false}},
                       {{0, 3}, {V::RayonCourburePrimaire, false}},
                       {{0, 7}, {V::FocaleResultante, false}}}});
    case T::Lunette:
    case T::Aucun: return {};
    }
    return {};
}

class ClicsFiche : public SaisieForme
{
protected:
    void SetUp() override
    {
        SaisieForme::SetUp();
        // The shell's part of a chosen form and of a stepped star distance.
        PortsClicsFiche.AfficheVueTableau = [] {};
        PortsClicsFiche.PrepareDistanceEtoile = [] {};
        for (int k = 0; k < NombreCasesValeur; ++k)
            MiseEnPage.CaseValeur[static_cast<std::size_t>(k)] = CaseGrille(k);
    }
};

TEST_F(ClicsFiche, ChaqueFormeOuvreLesValeursDeSesRegles)
{
    for (T forme : FormesInstrument)
        for (bool developpe : {true, false})
        {
            SCOPED_TRACE(static_cast<int>(forme));
            SCOPED_TRACE(developpe ? "développée" : "repliée");
            Instrument.TypeInstrument = forme;
            Instrument.SecondaireSurMenisque = false;
            Edition.InstrumentDeveloppe = developpe;
            const TRegles regles = ReglesAttendues(forme);
            for (int ligne = 0; ligne < NombreCasesValeur; ++ligne)
                for (int colonne = 0; colonne < NombreCasesValeur; ++colonne)
                {
                    std::optional<V> attendu;
                    const auto regle = regles.find({ligne, colonne});
                    // A value the form has no field for is never opened, whatever box it seems to have.
                    if (regle != regles.end() && (developpe || !regle->second.Developpe) &&
                        CodeValeurFiche(regle->second.Valeur, forme) != AucuneSaisie)
                        attendu = regle->second.Valeur;
                    EXPECT_EQ(ValeurSousClic(XCase(colonne), YCase(ligne)), attendu)
                        << "line " << ligne << ", box " << colonne;
                }
        }
}

TEST_F(ClicsFiche, LesBordsDesCasesNeComptentPas)
{
    Instrument.TypeInstrument = T::Newton;
    const TCase c = CaseGrille(0);
    EXPECT_EQ(ValeurSousClic(c.Left + 1, c.Top + 1), V::DiametreEntree);
    for (auto [x, y] : {std::pair{c.Left, YCase(0)}, {c.Right, YCase(0)}, {XCase(0), c.Top}, {XCase(0), c.Bottom}})
        EXPECT_EQ(ValeurSousClic(x, y), std::nullopt) << x << ", " << y;
}

TEST_F(ClicsFiche, SecondaireSurLaLameFermeSesTroisValeurs)
{
    Instrument.TypeInstrument = T::MaksutovCassegrain;
    Instrument.SecondaireSurMenisque = true;
    Edition.InstrumentDeveloppe = true;
    for (auto [ligne, colonne] : {std::pair{0, 7}, {8, 18}, {8, 12}})
        EXPECT_EQ(ValeurSousClic(XCase(colonne), YCase(ligne)), std::nullopt) << ligne << ", " << colonne;
    EXPECT_EQ(ValeurSousClic(XCase(8), YCase(8)), V::CoefficientDeformationPrimaire);
}

TEST_F(ClicsFiche, UneBasculeAbandonneLaSaisieSansLaValider)
{
    ConstruitFormeValide(T::Newton);
    MiseEnPage.CaseValeur = {};
    MiseEnPage.CaseBasculeInstrument = {500, 500, 520, 520};
    const double diametre = Instrument.DiametreEntree;
    Tape(CodeValeurFiche(V::DiametreEntree, T::Newton), diametre, "123");
    Edition.InstrumentDeveloppe = true;
    FicheFenetreMouseUp(510, 510);
    EXPECT_FALSE(Edition.InstrumentDeveloppe);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
    EXPECT_EQ(Instrument.DiametreEntree, diametre);
    EXPECT_TRUE(Appels.Enregistrements.empty());

    // A click on nothing commits the box.
    Tape(CodeValeurFiche(V::DiametreEntree, T::Newton), diametre, "123");
    FicheFenetreMouseUp(700, 700);
    EXPECT_EQ(Instrument.DiametreEntree, 123);
}

TEST_F(ClicsFiche, UnTypeTapeSurUneFicheVierge)
{
    ReinitialiseEtat();
    Controles.ComboBox.Visible = true;
    static std::string texte;
    static int vuesTableau;
    static int nouveaux;
    vuesTableau = 0;
    nouveaux = 0;
    PortsClicsFiche.TexteListeTypes = [] { return texte; };
    PortsClicsFiche.AfficheVueTableau = [] { ++vuesTableau; };
    PortsListes.CreeNouveauDocument = [] { ++nouveaux; };
    texte = "télescope de newton";
    FicheFenetreMouseUp(700, 700);
    EXPECT_EQ(Instrument.TypeInstrument, T::Newton);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalType);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "Télescope de Newton");
    EXPECT_EQ(vuesTableau, 1);
    EXPECT_EQ(EtatSaisie.CodeSaisie, CodeValeurFiche(V::DiametreEntree, T::Newton));

    ReinitialiseEtat();
    Appels = TAppelsPorts{};
    Controles.ComboBox.Visible = true;
    texte = "un télescope";
    FicheFenetreMouseUp(700, 700);
    EXPECT_EQ(Instrument.TypeInstrument, T::Aucun);
    EXPECT_EQ(nouveaux, 1);
    EXPECT_TRUE(Appels.Enregistrements.empty());
}

TEST_F(ClicsFiche, CycleDuProfilDeLame)
{
    struct TCas
    {
        T Forme;
        std::vector<int> Profils;
        std::vector<float> Distances;
    };
    // R 2000, plate 10 mm: the plate stands at R, R - t/5, R - t/2 and R.
    const std::vector<TCas> cas = {{T::Schmidt, {1, 2, 3, 0}, {1998, 1995, 2000, 2000}},
                                   {T::SchmidtCassegrain, {1, 2, 3, 1}, {}}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        ConstruitFormeValide(c.Forme);
        Appels = TAppelsPorts{};
        Dispositif.NombreDioptres = 1;
        Dispositif.RayonDioptre = {};
        Instrument.RayonCourburePrimaire = 2000;
        Instrument.EpaisseurLame = 10;
        Instrument.ProfilLame = ProfilAucun;
        for (std::size_t k = 0; k < c.Profils.size(); ++k)
        {
            FicheBoutonLameClick();
            EXPECT_EQ(Instrument.ProfilLame, c.Profils[k]);
            if (!c.Distances.empty())
            {
                EXPECT_FLOAT_EQ(Instrument.DistanceLameMiroir, c.Distances[k]);
            }
            ASSERT_EQ(Appels.Enregistrements.size(), k + 1);
            EXPECT_EQ(Appels.Enregistrements[k].Code, CodeJournalProfilLame);
            EXPECT_EQ(Appels.Enregistrements[k].Index, c.Profils[k]);
        }
        EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    }
}

TVue Vue = TVue::Aucune;

TEST_F(ClicsFiche, FlechesDeLaBoiteDistance)
{
    PortsEdition.VueCourante = [] { return Vue; };
    PortsClicsFiche.PasDistanceDispositif = [] { return 2; };
    Controles.BoxDistance = {true, 100, 50, 50, 17};
    struct TCas
    {
        const char* Nom;
        TVue Vue;
        T Forme;
        double Avant;
        int Y;
        double Apres;
        bool Journal;
    };
    // Star step 0.1'; the Maksutov's fully illuminated field of 10 mm at F1 1000 mm reaches 17.19'.
    const std::vector<TCas> cas = {
        {"étoile, vers 0", TVue::EtoileUnique, T::Newton, 0.05, 12, 0.0, true},
        {"étoile à 0", TVue::EtoileUnique, T::Newton, 0.0, 12, 0.0, false},
        {"étoile, monte", TVue::EtoileUnique, T::Newton, 1.0, 3, 1.1, true},
        {"Maksutov, dans le champ", TVue::Instrument, T::Maksutov, 17.0, 3, 17.1, true},
        {"Maksutov, au-delà", TVue::Instrument, T::Maksutov, 17.15, 3, 17.15, false},
        {"dispositif, descend sans borne", TVue::Dispositif, T::Newton, 1.0, 12, -1.0, true},
        {"autre vue", TVue::Champ, T::Newton, 1.0, 3, 1.0, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Appels = TAppelsPorts{};
        Vue = c.Vue;
        Instrument.TypeInstrument = c.Forme;
        Instrument.FocalePrimaire = 1000;
        Instrument.DiametreChampPleineLumiere = 10;
        Instrument.DistanceLameMiroir = 0;
        Reglages.PasBoiteDistance = 0.1f;
        Reglages.DistanceAxeEtoile = c.Vue == TVue::Dispositif ? 0 : c.Avant;
        Reglages.DistanceAxeImage = c.Vue == TVue::Dispositif ? c.Avant : 0;
        FicheBoxDistanceMouseDown(45, c.Y);
        EXPECT_TRUE(c.Y < 9 ? Controles.Spinup.Visible : Controles.SpinDown.Visible);
        FicheBoxDistanceMouseUp(45, c.Y);
        EXPECT_FALSE(Controles.Spinup.Visible || Controles.SpinDown.Visible);
        EXPECT_NEAR(c.Vue == TVue::Dispositif ? Reglages.DistanceAxeImage : Reglages.DistanceAxeEtoile, c.Apres, 1e-6);
        EXPECT_EQ(Appels.Enregistrements.size(), c.Journal ? 1u : 0u);
        if (c.Journal)
        {
            // Each distance under its own code, so that its replay sets it whatever view shows then.
            EXPECT_EQ(Appels.Enregistrements[0].Code,
                      c.Vue == TVue::Dispositif ? SaisieDistanceAxeImage : SaisieDistanceAxeEtoile);
        }
    }
}

TEST_F(ClicsFiche, CoefficientDeLameParFleches)
{
    ConstruitFormeValide(T::Schmidt);
    Appels = TAppelsPorts{};
    Instrument.CoefficientDeformationLame = 0.0005;
    FicheCaseArlMouseUp(50, 3);
    EXPECT_EQ(Instrument.CoefficientDeformationLame, 0.0005) << "a flat plate ignores every click";
    EXPECT_TRUE(Appels.Enregistrements.empty());

    Instrument.CoefficientDeformationLame = 1.0;
    FicheCaseArlMouseUp(50, 3);
    EXPECT_DOUBLE_EQ(Instrument.CoefficientDeformationLame, 1.001);
    FicheCaseArlMouseUp(50, 12);
    FicheCaseArlMouseUp(50, 12);
    EXPECT_DOUBLE_EQ(Instrument.CoefficientDeformationLame, 0.999);
    // Each step lands on the coefficient's 0.001 grid, so the box reopened over it commits nothing more.
    ASSERT_EQ(Appels.Enregistrements.size(), 3u);
    EXPECT_EQ(Appels.Enregistrements[1].Valeur, "1");
    EXPECT_EQ(Appels.Enregistrements[2].Code, SaisieDeformationLame);
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_EQ(EtatSaisie.CodeSaisie, CodeValeurFiche(V::CoefficientDeformationLame, T::Schmidt));
}

} // namespace

// A click on the sheet or on the page around it hides the row highlights it leaves (they are the page's own controls),
// commits the box, and on a blank sheet takes the type list's text.
TEST_F(ClicsFiche, UnClicHorsDesValeursCacheLesLignesEtValide)
{
    for (const bool surLaFiche : {true, false})
    {
        SCOPED_TRACE(surLaFiche);
        ReinitialiseProgramme();
        SetUp();
        ConstruitFormeValide(T::Newton);
        MiseEnPage.CaseValeur = {};
        Controles.Ligne.Visible = Controles.LigneMiroirActive.Visible = Controles.LigneSchmidt.Visible = true;
        Tape(CodeValeurFiche(V::DiametreEntree, T::Newton), Instrument.DiametreEntree, "123");
        if (surLaFiche)
            FicheFenetreMouseUp(700, 700);
        else
            FormClick();
        EXPECT_FALSE(Controles.Ligne.Visible || Controles.LigneMiroirActive.Visible || Controles.LigneSchmidt.Visible);
        EXPECT_FALSE(EtatSaisie.Saisie.Visible);
        EXPECT_EQ(Instrument.DiametreEntree, 123);
    }
    ReinitialiseEtat();
    Appels = TAppelsPorts{};
    Controles.ComboBox.Visible = true;
    PortsClicsFiche.TexteListeTypes = [] { return std::string("télescope de newton"); };
    FormClick();
    EXPECT_EQ(Instrument.TypeInstrument, T::Newton);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalType);
}

// The field's shape is kept in the design file: each click leaves the record that gives the shape back.
TEST_F(ClicsFiche, LeBoutonDuChampJournaliseLaFormeChoisie)
{
    ConstruitFormeValide(T::Schmidt);
    Appels = TAppelsPorts{};
    Instrument.ChampCourbe = true;
    for (const bool courbe : {false, true})
    {
        SCOPED_TRACE(courbe);
        FicheBoutonChampCourbeClick();
        EXPECT_EQ(Instrument.ChampCourbe, courbe);
        ASSERT_FALSE(Appels.Enregistrements.empty());
        EXPECT_EQ(Appels.Enregistrements.back().Code, CodeJournalChampCourbe);
        EXPECT_EQ(Appels.Enregistrements.back().Index, courbe ? 1 : 0);
    }
    EXPECT_EQ(Appels.Enregistrements.size(), 2u);
    EXPECT_TRUE(Edition.DocumentModifie);
}
