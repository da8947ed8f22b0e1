// The highlighted rows laid over the tables.
#include "FicheDeTest.h"

#include "optics/Modele.h"
#include "sheet/LignesEditees.h"
#include "sheet/Tableau.h"

namespace {

class LignesEditees : public FicheDeTest
{
protected:
    void SetUp() override
    {
        FicheDeTest::SetUp();
        Controles.Ligne.Visible = true;
    }
};

std::vector<std::string> TextesNonVides(const TCanevasEnregistreur& canevas)
{
    std::vector<std::string> textes;
    for (const TAppelCanevas& appel : canevas.Textes())
        if (!appel.Texte.empty())
            textes.push_back(appel.Texte + (appel.Police.Couleur == clRed ? " rouge" : ""));
    return textes;
}

} // namespace

TEST_F(LignesEditees, LaLigneDuDispositifMontreLesTextesDuTableauDessous)
{
    Dispositif.NombreDioptres = 2;
    Dispositif.RayonDioptre = {0, -12000, 1e20};
    Dispositif.EpaisseurDioptre = {0, 1e20, 1e20};
    Dispositif.DiametreDioptre = {0, 80, 0};
    Dispositif.IndiceVert[2] = 1.62408f;
    Dispositif.MatiereDioptre[2] = "F2";
    Edition.TableEditee = 1;
    struct TCas
    {
        int Ligne;
        std::vector<std::string> Textes;
    };
    const TCas cas[] = {{1, {"1", "-12000", "Infini rouge", "80,0", "1,624080", "F2"}}, {2, {"2", "Plan", "Infini"}}};
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.Ligne);
        Ligne.EffaceJournal();
        Edition.LigneCourante = c.Ligne;
        DessineLigneEditee();
        EXPECT_EQ(TextesNonVides(Ligne), c.Textes);
    }
}

TEST_F(LignesEditees, LigneDuGroupeEtLigneDuMiroir)
{
    Edition.TableEditee = 2;
    Edition.LigneCourante = 1;
    Controles.LigneMiroirActive.Visible = true;
    Groupe.RayonGroupe[1] = 1e30;
    Groupe.EpaisseurGroupe[1] = 1500;
    Instrument.RayonCourbureSecondaire = -1e20;
    Instrument.EpaisseurSecondaire = 12;
    Instrument.DiametreSecondaire = 60;
    struct TCas
    {
        int Lentilles;
        std::vector<std::string> Miroir;
    };
    // The mirror row's thickness shows only after an even count of lens rows.
    const TCas cas[] = {{2, {"1", "Plan", "12,00", "60,0", "Miroir secondaire sphérique"}},
                        {3, {"1", "Plan", "60,0", "Miroir secondaire sphérique"}}};
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.Lentilles);
        Ligne.EffaceJournal();
        LigneMiroirActive.EffaceJournal();
        Groupe.NombreDioptresGroupe = c.Lentilles;
        DessineLigneEditee();
        EXPECT_EQ(TextesNonVides(Ligne), (std::vector<std::string>{"1", "Diaph.", "1500,0"}));
        EXPECT_EQ(TextesNonVides(LigneMiroirActive), c.Miroir);
    }
}

TEST_F(LignesEditees, TableauDeLaLameEtMenisque)
{
    LongueursOnde.LongueurOndeRouge = 0;
    Groupe.IndiceVertGroupe[1] = 1.51872f;
    Groupe.MatiereGroupe[1] = "BK7";
    Instrument.DiametreMenisque = 210;
    Instrument.RayonMenisque1 = 300;
    struct TCas
    {
        TTypeInstrument Forme;
        std::set<int> Cases;
        bool BoiteDiametre;
    };
    const TCas cas[] = {{TTypeInstrument::Maksutov, {4, 6}, true},
                        {TTypeInstrument::MaksutovCassegrain, {4, 6}, false},
                        {TTypeInstrument::Schmidt, {}, false}};
    for (const TCas& c : cas) {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        TableauSchmidt.EffaceJournal();
        MiseEnPage.CaseValeur.fill(TCase{});
        Instrument.TypeInstrument = c.Forme;
        DessineTableauSchmidt();
        // Slot 5 is recorded as well, but an empty R2 leaves nothing to see in it: the sets compare painted values.
        std::set<int> peintes;
        for (int k : CasesEnregistrees())
            if (k != 5)
                peintes.insert(k);
        EXPECT_EQ(peintes, c.Cases);
        EXPECT_TRUE(TexteDessine(TableauSchmidt, {.Texte = "1,518720", .Y = 32}));
        EXPECT_TRUE(TexteDessine(TableauSchmidt, {.Texte = "", .X = 335 + 28, .Y = 16}));
        EXPECT_EQ(TexteDessine(TableauSchmidt, {.Texte = "210 mm"}), c.Forme == TTypeInstrument::MaksutovCassegrain);
        EXPECT_EQ(TexteDessine(TableauSchmidt, {.Texte = "210"}), c.BoiteDiametre);
    }
}

TEST_F(LignesEditees, LigneDuVerreDeLaLameSeulementQuandElleEstMontree)
{
    Groupe.IndiceRougeGroupe[1] = 1.51432f;
    Groupe.IndiceVertGroupe[1] = 0;
    Groupe.MatiereGroupe[1] = "BK7";
    Controles.LigneSchmidt.Visible = false;
    DessineLigneSchmidt();
    EXPECT_TRUE(LigneSchmidt.Journal().empty());
    EXPECT_TRUE(Controles.Ligne.Visible);

    Controles.LigneSchmidt.Visible = true;
    DessineLigneSchmidt();
    EXPECT_FALSE(Controles.Ligne.Visible);
    // An index ends one "m" before 65 (red) or 160 (green); the glass starts at 288.
    EXPECT_TRUE(TexteDessine(LigneSchmidt, {.Texte = "1,514320", .X = 64 - 45, .Y = 1}));
    EXPECT_TRUE(TexteDessine(LigneSchmidt, {.Texte = "", .X = 159 - 5, .Y = 1}));
    EXPECT_TRUE(TexteDessine(LigneSchmidt, {.Texte = "BK7", .X = 288, .Y = 1}));
}

TEST_F(LignesEditees, TexteDuCoefficientDeLaLameContreSesFleches)
{
    DessineCaseArl("0,785");
    EXPECT_TRUE(TexteDessine(CaseArl, {.Texte = "0,785", .X = 55 - 16 - 25, .Y = 2}));
}
