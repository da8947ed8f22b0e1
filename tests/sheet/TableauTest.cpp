// The sheet: title, type chooser, device heading and the lens-device table.
#include "FicheDeTest.h"

#include "optics/FormulesCatadioptriques.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "sheet/Tableau.h"

namespace {

class Tableau : public FicheDeTest
{
protected:
    void SetUp() override
    {
        FicheDeTest::SetUp();
        Edition.AMettreAJour = true;
    }

    // Three rows: a glass lens, a stop before an afocal gap, and a last plane with the afocal output.
    static void TroisDioptres()
    {
        Dispositif.NombreDioptres = 3;
        Dispositif.RayonDioptre = {0, 45.678, 1e30, 1e20};
        Dispositif.EpaisseurDioptre = {0, 5.125, 1e20, 1e20};
        Dispositif.DiametreDioptre = {0, 52.25, 1500, 0};
        Dispositif.IndiceRouge[2] = 1.5168f;
        Dispositif.IndiceVert[2] = 1.5187f;
        Dispositif.MatiereDioptre[2] = "BK7";
    }
};

} // namespace

TEST_F(Tableau, TitreSelonLeDocument)
{
    struct TCas
    {
        const char* Nom;
        int LargeurVisible;
        const char* Attendu;
        int X;
        const char* NomApres;
    };
    // Bold 20 px: 11 px per character.
    const TCas cas[] = {
        {"", 1000, "Quivane V 3.3.0", (800 - 165) / 2, ""},
        {"", 120, "Quivane V 3.3.0", 0, ""},
        {"C:\\Optique\\Newton 200.qvd", 800, "Simulation optique de : Newton 200", (800 - 34 * 11) / 2,
         "C:\\Optique\\Newton 200.qvd"},
        {"/home/moi/Newton.bak", 800, "Simulation optique de : Newton", (800 - 30 * 11) / 2, "/home/moi/Newton.bak"},
        {"/home/moi/Newton.qvd", 300, "Newton", (300 - 66) / 2, "/home/moi/Newton.qvd"},
        {"/tmp/Quivane/QuivaneFile3.tmp", 800, "Simulation optique de : Fichier récupéré", (800 - 40 * 11) / 2,
         "Fichier récupéré"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Fenetre.EffaceJournal();
        DocumentFiche.NomEnregistrement = c.Nom;
        DocumentFiche.LargeurVisible = c.LargeurVisible;
        Edition.AMettreAJour = true;
        DessineTableau();
        EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = c.Attendu, .X = c.X, .Y = 0, .Hauteur = -20, .Gras = true}));
        EXPECT_EQ(DocumentFiche.NomEnregistrement, c.NomApres);
    }
}

TEST_F(Tableau, SansTypeLaListeDesTypesEtLEnteteDuDispositifPlusBas)
{
    DessineTableau();
    const int y1 = MiseEnPage.OrdonneePremiereLigne;
    EXPECT_EQ(y1, 24 + 4);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Type d'instrument", .X = 20, .Y = y1}));
    EXPECT_TRUE(Controles.ComboBox.Visible);
    EXPECT_EQ(Controles.ComboBox.Left, 17 * 5 + 30);
    EXPECT_EQ(Controles.ComboBox.Top, y1 - 4);
    EXPECT_TRUE(TexteDessine(
        Fenetre, {.Texte = "Choisissez et validez", .X = Controles.ComboBox.Left + Controles.ComboBox.Width + 20}));
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Dispositif Dioptrique", .X = 20, .Y = y1 + 28, .Gras = true}));
    EXPECT_EQ(Controles.Grille.Top, y1 + 28 + 16 + 4);
    EXPECT_TRUE(CasesEnregistrees().empty());
}

TEST_F(Tableau, ChaqueCelluleMontreSaValeurEtInfiniRougeSaufSurLaDerniereLigne)
{
    TroisDioptres();
    DessineTableau();
    struct TCellule
    {
        const char* Texte;
        int Fin;
        int Ligne;
        TColor Couleur;
    };
    // Right edges: radius 90, thickness 165, diameter 228; an index ends one "m" before 323.
    const TCellule cellules[] = {
        {"1", 26 - 5, 1, clBlack},  {"45,68", 90, 1, clBlack},         {"5,13", 165, 1, clBlack},
        {"52,3", 228, 1, clBlack},  {"1,516800", 323 - 5, 1, clBlack}, {"1,518700", 418 - 5, 1, clBlack},
        {"Diaph.", 90, 2, clBlack}, {"Infini", 165, 2, clRed},         {"1500", 228, 2, clBlack},
        {"Plan", 90, 3, clBlack},   {"Infini", 165, 3, clBlack},
    };
    for (const TCellule& c : cellules)
    {
        SCOPED_TRACE(std::string(c.Texte) + " ligne " + std::to_string(c.Ligne));
        const int largeur = 5 * static_cast<int>(std::string(c.Texte).size());
        EXPECT_TRUE(TexteDessine(
            Grille, {.Texte = c.Texte, .X = c.Fin - largeur, .Y = 16 * c.Ligne + 33, .Couleur = c.Couleur}));
    }
    EXPECT_TRUE(TexteDessine(Grille, {.Texte = "BK7", .X = 547, .Y = 49}));
    // No blue index on the first row: nothing but blank cells there.
    for (const TAppelCanevas& appel : Grille.Textes())
    {
        if (appel.Valeurs[1] == 49 && appel.Valeurs[0] > 448 && appel.Valeurs[0] < 514)
        {
            EXPECT_EQ(appel.Texte, "");
        }
    }
}

TEST_F(Tableau, EnteteDesLongueursDOnde)
{
    LongueursOnde.LongueurOndeRouge = 0;
    DessineTableau();
    // 546.1 nm for the green line e, centred in 56 px; no red line: an empty cell.
    EXPECT_TRUE(TexteDessine(Grille, {.Texte = "546,1", .X = 374 + (56 - 25) / 2, .Y = 27}));
    EXPECT_TRUE(TexteDessine(Grille, {.Texte = "", .X = 279 + 28, .Y = 27}));
}

TEST_F(Tableau, SansMiseAJourSeulLeTableauEstRepeint)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    TroisDioptres();
    DessineTableau();
    const auto cases = MiseEnPage.CaseValeur;
    Fenetre.EffaceJournal();
    Grille.EffaceJournal();
    Dispositif.RayonDioptre[1] = -12000;
    Edition.AMettreAJour = false;
    DessineTableau();
    EXPECT_TRUE(Fenetre.Journal().empty());
    EXPECT_TRUE(TexteDessine(Grille, {.Texte = "-12000", .X = 90 - 30, .Y = 49}));
    for (std::size_t k = 0; k < cases.size(); ++k)
        EXPECT_EQ(MiseEnPage.CaseValeur[k].Right, cases[k].Right);
}

TEST_F(Tableau, BasculeDuDispositifEtCaseDuTitre)
{
    struct TCas
    {
        bool Developpe;
        int Lignes;
        int Bas; // where the connector ends, below the heading's line
    };
    const TCas cas[] = {{true, 1, 73}, {true, 4, 73 + 48}, {false, 4, 57}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(c.Lignes) + (c.Developpe ? " développé" : " replié"));
        Fenetre.EffaceJournal();
        Edition.DispositifDeveloppe = c.Developpe;
        Dispositif.NombreDioptres = c.Lignes;
        Edition.AMettreAJour = true;
        DessineTableau();
        const int yd = MiseEnPage.OrdonneeDispositif;
        EXPECT_EQ(MiseEnPage.CaseTitreDispositif.Left, 21 * 6 + 30);
        EXPECT_EQ(MiseEnPage.CaseTitreDispositif.Right, 800 - 20);
        EXPECT_EQ(MiseEnPage.CaseBasculeDispositif.Top, yd + 4);
        const auto& journal = Fenetre.Journal();
        const bool connecteur = std::any_of(journal.begin(), journal.end(), [&](const TAppelCanevas& a) {
            return a.Operation == TOperationCanevas::LineTo && a.Valeurs == std::vector<int>{10, yd + c.Bas};
        });
        EXPECT_TRUE(connecteur);
    }
}

TEST_F(Tableau, LeLurieHoughtonMesureSaFocaleSansDeplacerLeFoyer)
{
    ConstruitFormeValide(TTypeInstrument::LurieHoughton);
    PrepareLurieHoughton();
    PrepareSysteme();
    ASSERT_TRUE(Validite.InstrumentValide);
    const double focaleSolveur = Instrument.FocaleEffective;
    const double decalage = Systeme.DecalageFoyer;
    const double distance = Systeme.DistanceFoyerDioptre;
    Instrument.FocaleEffective = 0;
    DessineTableau();
    // One ray an arc minute off axis gives the paraxial focal length the solver found from its reference ray.
    EXPECT_NEAR(Instrument.FocaleEffective, focaleSolveur, focaleSolveur * 2e-3);
    EXPECT_EQ(Systeme.DecalageFoyer, decalage);
    EXPECT_EQ(Systeme.DistanceFoyerDioptre, distance);

    // An invalid instrument is not measured: the stored value stays.
    Instrument.DiametreEntree = 0;
    Validite.InstrumentValide = false;
    Instrument.FocaleEffective = 1234;
    DessineTableau();
    EXPECT_EQ(Instrument.FocaleEffective, 1234);
}

TEST_F(Tableau, LeFondDuTableauPlaceSesReglesEtSesBoutonsOuLesEditeursLesAttendent)
{
    TCanevasImage fond(762, 529);
    DessineGrilleFond(fond);
    const int haut = 16 * 2 + 33; // row 2
    const int milieu = haut + 8;
    for (int x :
         {1, 25, 42, 90, 103, 120, 165, 178, 195, 228, 241, 258, 323, 336, 353, 418, 431, 448, 513, 526, 543, 761})
    {
        SCOPED_TRACE(x);
        EXPECT_EQ(fond.Pixels(x, milieu), clBlack);
    }
    // Value cells, the row-number cell and the glass column are plain button face.
    for (int x : {10, 60, 140, 210, 290, 380, 470, 560, 700})
    {
        SCOPED_TRACE(x);
        EXPECT_EQ(fond.Pixels(x, milieu), clBtnFace);
    }
    // Each spin button has an up arrow in its upper half and a down arrow in its lower half.
    for (int gauche : {91, 166, 229, 324, 419, 514})
    {
        SCOPED_TRACE(gauche);
        EXPECT_EQ(fond.Pixels(gauche + 6, haut + 5), clBlack);
        EXPECT_EQ(fond.Pixels(gauche + 6, haut + 11), clBlack);
        EXPECT_EQ(fond.Pixels(gauche + 1, haut + 3), clBtnFace);
    }
    // Each drop-down button has its arrow in the middle.
    for (auto [gauche, droite] :
         {std::pair{26, 41}, {104, 119}, {179, 194}, {242, 257}, {337, 352}, {432, 447}, {527, 542}})
    {
        SCOPED_TRACE(gauche);
        EXPECT_EQ(fond.Pixels((gauche + droite) / 2, haut + 8), clBlack);
        EXPECT_EQ(fond.Pixels(gauche + 2, haut + 8), clBtnFace);
    }
    // The header's rules stand where the columns meet.
    for (int x : {1, 42, 120, 195, 258, 353, 448, 543, 761})
    {
        SCOPED_TRACE(x);
        EXPECT_EQ(fond.Pixels(x, 2), clBlack);
    }
}
