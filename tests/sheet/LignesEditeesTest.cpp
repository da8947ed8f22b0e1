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
    Edition.TableEditee = TTableEditee::Dispositif;
    struct TCas
    {
        int Ligne;
        std::vector<std::string> Textes;
    };
    const TCas cas[] = {{1, {"1", "-12000", "Infini rouge", "80,0", "1,624080", "F2"}}, {2, {"2", "Plan", "Infini"}}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Ligne);
        Ligne.EffaceJournal();
        Edition.LigneCourante = c.Ligne;
        DessineLigneEditee();
        EXPECT_EQ(TextesNonVides(Ligne), c.Textes);
    }
}

TEST_F(LignesEditees, LigneDuGroupeEtLigneDuMiroir)
{
    Edition.TableEditee = TTableEditee::Groupe;
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
    // The mirror row's thickness shows only after an even count of lens rows; "Miroir" is its picture's.
    const TCas cas[] = {{2, {"Miroir", "1", "Plan", "12,00", "60,0", "Miroir secondaire sphérique"}},
                        {3, {"Miroir", "1", "Plan", "60,0", "Miroir secondaire sphérique"}}};
    for (const TCas& c : cas)
    {
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
    for (const TCas& c : cas)
    {
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
        // The meniscus labels sit on the table's grey, not on white patches.
        for (const char* libelle : {"D = ", "R1 = ", "R2 = ", " mm"})
        {
            SCOPED_TRACE(libelle);
            EXPECT_EQ(TexteDessine(TableauSchmidt, {.Texte = libelle, .Fond = clBtnFace}), !c.Cases.empty());
            EXPECT_FALSE(TexteDessine(TableauSchmidt, {.Texte = libelle, .Fond = clWhite}));
        }
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

TEST_F(LignesEditees, ChaqueImageASonFondSousSesValeurs)
{
    Edition.LigneCourante = 1;
    Groupe.NombreDioptresGroupe = 2;
    Groupe.MatiereGroupe[1] = "BK7";
    Controles.LigneMiroirActive.Visible = true;
    Controles.LigneSchmidt.Visible = true;
    struct TPoint
    {
        int X;
        int Y;
    };
    struct TCas
    {
        const char* Nom;
        TCanevasEnregistreur* Image;
        void (*Peint)();
        std::string Valeur; // a value painted over the picture
        std::vector<TPoint> Noir; // rules, arrows and frames
        std::vector<TPoint> Clair; // inside cells, away from any text
    };
    // Arrows: the up one at 5 px and the down one at 11 px below the row's top, in the middle of the zones the
    // clicks step on; drop-down arrows in the middle of their buttons.
    const TCas cas[] = {
        {"Ligne",
         &Ligne,
         [] {
             Edition.TableEditee = TTableEditee::Dispositif;
             DessineLigneEditee();
         },
         "1",
         {{25, 8},
          {42, 8},
          {97, 5},
          {97, 11},
          {172, 5},
          {235, 11},
          {330, 5},
          {425, 11},
          {520, 5},
          {33, 8},
          {111, 8},
          {186, 8},
          {249, 8},
          {344, 8},
          {439, 8},
          {534, 8},
          {543, 8},
          {761, 8}},
         {{100, 14}, {130, 14}, {700, 14}}},
        {"LigneMiroirActive",
         &LigneMiroirActive,
         [] {
             Edition.TableEditee = TTableEditee::Groupe;
             DessineLigneEditee();
         },
         "Miroir secondaire sphérique",
         {{25, 8}, {42, 8}, {97, 5}, {172, 11}, {235, 5}, {33, 8}, {111, 8}, {186, 8}, {249, 8}, {258, 8}},
         {{330, 5}, {344, 8}, {700, 14}}},
        {"LigneSchmidt",
         &LigneSchmidt,
         DessineLigneSchmidt,
         "BK7",
         {{73, 5}, {73, 11}, {168, 5}, {263, 11}, {87, 8}, {182, 8}, {277, 8}, {66, 8}, {448, 8}},
         {{30, 14}, {120, 14}, {400, 14}}},
        {"TableauSchmidt",
         &TableauSchmidt,
         DessineTableauSchmidt,
         "BK7",
         {{386, 37},
          {386, 43},
          {481, 37},
          {576, 43},
          {400, 40},
          {495, 40},
          {590, 40},
          {334, 20},
          {429, 20},
          {524, 20},
          {314, 5},
          {409, 5},
          {504, 5},
          {599, 5}},
         {{350, 45}, {700, 45}, {150, 45}}},
        {"CaseArl",
         &CaseArl,
         [] { DessineCaseArl("0,785"); },
         "0,785",
         {{0, 8}, {40, 8}, {47, 4}, {47, 12}, {45, 8}},
         {{5, 8}, {50, 2}}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        c.Image->EffaceJournal();
        c.Peint();
        for (const TPoint& p : c.Noir)
            EXPECT_EQ(c.Image->Pixels(p.X, p.Y), clBlack) << p.X << ", " << p.Y;
        for (const TPoint& p : c.Clair)
            EXPECT_NE(c.Image->Pixels(p.X, p.Y), clBlack) << p.X << ", " << p.Y;
        // The picture comes first: its last arrow is drawn before the value.
        const auto& journal = c.Image->Journal();
        std::size_t derniereFleche = 0;
        std::size_t valeur = 0;
        for (std::size_t k = 0; k < journal.size(); ++k)
        {
            if (journal[k].Operation == TOperationCanevas::Polygon)
                derniereFleche = k;
            if (journal[k].Operation == TOperationCanevas::TextOut && journal[k].Texte == c.Valeur)
                valeur = k;
        }
        EXPECT_GT(derniereFleche, 0u);
        EXPECT_GT(valeur, derniereFleche);
    }
    for (const char* titre : {"Lame correctrice", "N rouge", "N vert", "N bleu", "Matière", "nm"})
    {
        SCOPED_TRACE(titre);
        EXPECT_TRUE(TexteDessine(TableauSchmidt, {.Texte = titre}));
    }
    EXPECT_TRUE(TexteDessine(TableauSchmidt, {.Texte = "l", .X = 314 + 6, .Y = 16, .Police = "Symbol"}));
    EXPECT_TRUE(TexteDessine(TableauSchmidt, {.Texte = " =", .X = 314 + 6 + 5, .Y = 16, .Police = "Arial"}));
}

TEST_F(LignesEditees, LaTableDeLaLameDevientEditeeSansLigneNiListeDeLongueursDOnde)
{
    struct TCas
    {
        bool Ligne;
        bool Liste;
        TTableEditee Table;
    };
    const TCas cas[] = {{false, false, TTableEditee::Lame},
                        {true, false, TTableEditee::Dispositif},
                        {false, true, TTableEditee::Dispositif}};
    for (TTypeInstrument forme :
         {TTypeInstrument::Schmidt, TTypeInstrument::Maksutov, TTypeInstrument::MaksutovCassegrain})
    {
        for (const TCas& c : cas)
        {
            SCOPED_TRACE(static_cast<int>(forme));
            SCOPED_TRACE(c.Ligne ? "ligne" : c.Liste ? "liste" : "rien");
            ConstruitFormeValide(forme);
            Edition.InstrumentDeveloppe = true;
            Edition.AMettreAJour = true;
            Edition.TableEditee = TTableEditee::Dispositif;
            Controles.Ligne.Visible = c.Ligne;
            Controles.ComboBoxLambda.Visible = c.Liste;
            DessineTableau();
            EXPECT_EQ(Edition.TableEditee, c.Table);
        }
    }
    Controles = TControlesFiche{};
}
