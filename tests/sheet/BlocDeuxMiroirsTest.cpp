// The two-mirror blocks on the sheet and on paper.
#include "BlocsDeTest.h"

#include "sheet/BlocDeuxMiroirs.h"

namespace {

const std::string Pluriel = "Coefficients de déformation ==>           miroir primaire, b";
const std::string Singulier = "Coefficient de déformation ==>           miroir primaire, b = -1";

class BlocDeuxMiroirs : public BlocDeTest
{
protected:
    int Y0() const { return MiseEnPage.OrdonneePremiereLigne; }
};

} // namespace

TEST_F(BlocDeuxMiroirs, CasesEnregistreesParFormeEtReplie)
{
    struct TCas
    {
        TTypeInstrument Forme;
        bool Developpe;
        std::set<int> Cases;
    };
    const TCas cas[] = {
        {TTypeInstrument::Cassegrain, true, {0, 2, 7, 9, 10, 11, 12, 16}},
        {TTypeInstrument::Gregory, true, {0, 2, 7, 9, 10, 11, 12, 16}},
        {TTypeInstrument::DallKirkham, true, {0, 2, 7, 9, 10, 11, 12, 16}},
        {TTypeInstrument::RitcheyChretien, true, {0, 2, 7, 8, 9, 10, 11, 12, 16, 18, 19}},
        {TTypeInstrument::Schwarzschild, true, {0, 2, 7, 9, 11, 12}},
        {TTypeInstrument::RitcheyChretien, false, {0, 7}},
        {TTypeInstrument::Schwarzschild, false, {0, 7}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.Forme)) + (c.Developpe ? " développé" : " replié"));
        Construit(c.Forme);
        Edition.InstrumentDeveloppe = c.Developpe;
        Dessine();
        EXPECT_EQ(CasesEnregistrees(), c.Cases);
        VerifieCasesDansFenetre();
        // Expanded: seven lines and an empty one; collapsed: the summary line.
        EXPECT_EQ(MiseEnPage.OrdonneeDispositif, Y0() + (c.Developpe ? 128 : 32));
    }
}

TEST_F(BlocDeuxMiroirs, LaLigneDesCoefficientsSuitLeGrandissement)
{
    struct TCas
    {
        TTypeInstrument Forme;
        double F1, F;
        const char* Libelle; // nullptr: the line stays empty
        bool Secondaire;
    };
    const TCas cas[] = {
        {TTypeInstrument::Cassegrain, 1000, 1050, Singulier.c_str(), false},
        {TTypeInstrument::Cassegrain, 1000, 3000, nullptr, true},
        {TTypeInstrument::Gregory, 1000, 1050, Singulier.c_str(), false},
        {TTypeInstrument::Gregory, 1000, 3000, nullptr, true},
        {TTypeInstrument::Cassegrain, 1, 3000, nullptr, false},
    };
    const std::string pluriel = Pluriel + " = -1";
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.Forme)) + " F1 " + std::to_string(c.F1) + " F " +
                     std::to_string(c.F));
        Construit(c.Forme);
        Instrument.FocalePrimaire = c.F1;
        Instrument.FocaleResultante = c.F;
        Instrument.CoefficientDeformationSecondaire = -5.25;
        Instrument.CoefficientDeformationSecondaire2 = 0.5;
        Dessine();
        const int y = Y0() + 64;
        const std::string attendu = c.Libelle != nullptr ? c.Libelle : c.Secondaire ? pluriel : "";
        if (attendu.empty())
        {
            EXPECT_FALSE(ContientTexte(Fenetre, "Coefficient"));
        }
        else
        {
            EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = attendu, .X = 20, .Y = y}));
        }
        EXPECT_EQ(ContientTexte(Fenetre, "Miroir secondaire, c"), c.Secondaire);
        const auto page = Imprime();
        EXPECT_EQ(ContientTexte(*page, "Miroir secondaire, c"), c.Secondaire);
        if (c.Secondaire)
        {
            // The digit 8 px high, its bottom on the letter's: 13 - 9 = 4 px below the line's top.
            const int x1 = 20 + 5 * static_cast<int>(attendu.size() - 1) + 150 + 5 * 20;
            EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "1", .X = x1, .Y = y + 4, .Hauteur = -8}));
            EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = " = -5,25", .X = x1 + 4 + 1, .Y = y, .Hauteur = -11}));
            EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = " = 0,5", .Y = y}));
            EXPECT_TRUE(TexteDessine(*page, {.Texte = "1", .Taille = 6}));
            EXPECT_TRUE(ContientTexte(*page, pluriel));
        }
    }
}

TEST_F(BlocDeuxMiroirs, LeRitcheyChretienLaisseSesCasesVidesTantQueLesConiquesSontACalculer)
{
    struct TCas
    {
        double B, C1;
        const char* TexteB;
        const char* TexteC1;
    };
    const TCas cas[] = {
        {1e20, 1e20, "", ""}, {-1.0394737, -3.1676413, "-1,039", "-3,1676"}, {-1, -250.12345, "-1,000", "-250,123"}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.TexteB);
        Construit(TTypeInstrument::RitcheyChretien);
        Instrument.CoefficientDeformationPrimaire = c.B;
        Instrument.CoefficientDeformationSecondaire = c.C1;
        Instrument.CoefficientDeformationSecondaire2 = -1;
        Dessine();
        const int y = Y0() + 64;
        const TCase& b = MiseEnPage.CaseValeur[CaseCoefficientDeformationPrimaire];
        const TCase& c1 = MiseEnPage.CaseValeur[CaseCoefficientDeformationSecondaire];
        const TCase& c2 = MiseEnPage.CaseValeur[CaseCoefficientDeformationSecondaire2];
        // The boxes are sized on "1.235678" (8 characters) and follow one another at 70 and 30 px.
        EXPECT_EQ(b.Right - b.Left, 48);
        EXPECT_EQ(b.Left, 20 + 5 * static_cast<int>(Pluriel.size() - 1 + 3));
        EXPECT_EQ(c1.Left, b.Right + 70 + 5 * 20 + 4 + 1 + 15);
        EXPECT_EQ(c2.Left, c1.Right + 30 + 5 + 4 + 1 + 15);
        const std::string texteB = c.TexteB;
        const std::string texteC1 = c.TexteC1;
        EXPECT_TRUE(
            TexteDessine(Fenetre, {.Texte = texteB, .X = b.Right - 4 - 5 * static_cast<int>(texteB.size()), .Y = y}));
        EXPECT_TRUE(TexteDessine(Fenetre,
                                 {.Texte = texteC1, .X = c1.Right - 4 - 5 * static_cast<int>(texteC1.size()), .Y = y}));
        EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "-1", .X = c2.Right - 4 - 10, .Y = y}));
    }
}

TEST_F(BlocDeuxMiroirs, LeDallKirkhamEcritSesCoefficientsSansCase)
{
    Construit(TTypeInstrument::DallKirkham);
    Instrument.CoefficientDeformationPrimaire = -0.7;
    Instrument.CoefficientDeformationPrimaire2 = 0.001;
    Dessine();
    const int y = Y0() + 64;
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = Pluriel, .X = 20, .Y = y}));
    const int x1 = 20 + 5 * static_cast<int>(Pluriel.size() - 1);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "1", .X = x1, .Y = y + 4, .Hauteur = -8}));
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = " = -0,7", .X = x1 + 5, .Y = y}));
    const int xb2 = x1 + 5 + 35 + 30;
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "b", .X = xb2, .Y = y}));
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = " = 0,001", .X = xb2 + 10, .Y = y}));
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Miroir secondaire, c = 0", .X = xb2 + 10 + 40 + 100, .Y = y}));
    for (int k : {8, 18, 19})
        EXPECT_FALSE(CasesEnregistrees().count(k)) << k;
}

TEST_F(BlocDeuxMiroirs, LaPositionDuSecondaireSeulementPourUnInstrumentValide)
{
    for (bool valide : {true, false})
    {
        SCOPED_TRACE(valide);
        Construit(TTypeInstrument::Cassegrain);
        Validite.InstrumentValide = valide;
        Instrument.DistanceFoyerPrimaireSecondaire = 240;
        Instrument.RayonCourbureSecondaire = -133.3;
        Dessine();
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = "Distance entre le foyer primaire et le miroir secondaire = 240 mm",
                                         .X = 20,
                                         .Y = Y0() + 80}),
                  valide);
        EXPECT_EQ(ContientTexte(Fenetre, "Rayon de courbure du miroir secondaire = -133,3 mm"), valide);
        // The thickness line keeps its place below the empty line.
        EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Epaisseur du miroir primaire = ", .X = 20, .Y = Y0() + 96}));
    }
}

TEST_F(BlocDeuxMiroirs, DegagementNonSaisiEtEpaisseursNulles)
{
    Construit(TTypeInstrument::Gregory);
    Instrument.DegagementFoyer = 1e20;
    Instrument.EpaisseurSecondaire = 0;
    Dessine();
    const TCase& b = MiseEnPage.CaseValeur[CaseDegagementFoyer];
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "", .X = b.Right - 4, .Y = Y0() + 48}));
    const TCase& e = MiseEnPage.CaseValeur[CaseEpaisseurSecondaire];
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "", .X = e.Right - 4, .Y = Y0() + 96}));
    const auto page = Imprime();
    EXPECT_TRUE(ContientTexte(*page, "Dégagement du foyer =  mm"));
    EXPECT_FALSE(ContientTexte(*page, "Epaisseur du miroir secondaire = "));
    EXPECT_TRUE(ContientTexte(*page, "Epaisseur du miroir primaire = 30 mm"));
}

TEST_F(BlocDeuxMiroirs, LeGrandissementDuSchwarzschildNeDemandeQueDesFocales)
{
    struct TCas
    {
        TTypeInstrument Forme;
        double F;
        bool Visible;
    };
    // F <= F1 hides it in the Cassegrain family only.
    const TCas cas[] = {{TTypeInstrument::Cassegrain, 900, false},
                        {TTypeInstrument::Cassegrain, 3000, true},
                        {TTypeInstrument::Schwarzschild, 900, true}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.Forme)) + " " + std::to_string(c.F));
        Construit(c.Forme);
        Instrument.FocaleResultante = c.F;
        Instrument.Grandissement = 3;
        Dessine();
        EXPECT_EQ(ContientTexte(Fenetre, "Grandissement = 3 x"), c.Visible);
        EXPECT_EQ(ContientTexte(*Imprime(), "Grandissement = 3 x"), c.Visible);
    }
}

TEST_F(BlocDeuxMiroirs, LeBlocImprimeLesLignesDeLaFiche)
{
    struct TCas
    {
        TTypeInstrument Forme;
        std::vector<std::string> Libelles;
    };
    const std::vector<std::string> cassegrain = {"F/D = 20,00",
                                                 "Rayon de la tache de diffraction = ",
                                                 "Dégagement du foyer = ",
                                                 "Diamètre du miroir secondaire = ",
                                                 "Diamètre du trou central du miroir primaire = ",
                                                 "Distance entre le foyer primaire et le miroir secondaire = ",
                                                 "Rayon de courbure du miroir secondaire = ",
                                                 "Epaisseur du miroir primaire = ",
                                                 "Epaisseur du miroir secondaire = ",
                                                 "Grandissement = "};
    auto avec = [&](std::vector<std::string> libelles) {
        libelles.insert(libelles.end(), cassegrain.begin(), cassegrain.end());
        return libelles;
    };
    const TCas cas[] = {
        {TTypeInstrument::Cassegrain, avec({Pluriel + " = -1", "Miroir secondaire, c"})},
        {TTypeInstrument::Gregory, avec({Pluriel + " = -1", "Miroir secondaire, c"})},
        {TTypeInstrument::RitcheyChretien, avec({Pluriel + " = ", "Miroir secondaire, c"})},
        {TTypeInstrument::DallKirkham, avec({Pluriel, "Miroir secondaire, c = 0"})},
        {TTypeInstrument::Schwarzschild,
         {"F/D = 5,00", "Rayon de la tache de diffraction = ", Pluriel + " = ", "Miroir secondaire, c",
          "Diamètre du miroir secondaire = ", "Rayon de courbure du miroir secondaire = ", "Grandissement = ",
          "Distance entre miroirs = ", "Distance entre miroir secondaire et foyer résultant = ",
          "Epaisseur du miroir principal = ", "Epaisseur du miroir secondaire = "}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        Construit(c.Forme);
        // The design as the refresh derives it: its secondary's radius and distances are those the lines print, and
        // the reference ray reaches the focus (with no secondary radius it would be lost and the computation fail).
        RederiveForme();
        ASSERT_TRUE(Validite.InstrumentValide);
        VerifieSurFicheEtPapier(c.Libelles);
    }
}

TEST_F(BlocDeuxMiroirs, ImpressionRepliee)
{
    for (TTypeInstrument forme : {TTypeInstrument::Cassegrain, TTypeInstrument::Schwarzschild})
    {
        SCOPED_TRACE(static_cast<int>(forme));
        Construit(forme);
        Edition.InstrumentDeveloppe = false;
        ImpressionEtat.MargeImpression = 10;
        ImpressionEtat.PasLigneImpression = 16;
        MiseEnPage.OrdonneeCourante = 100;
        MiseEnPage.AbscisseCourante = 10;
        auto page = TCanevasEnregistreur::Page(782, 1100, 72);
        if (forme == TTypeInstrument::Cassegrain)
            ImprimeParametresCassegrain(*page);
        else
            ImprimeParametresSchwarzschild(*page);
        EXPECT_TRUE(ContientTexte(*page, "Diamètre du miroir primaire = 200 mm"));
        EXPECT_FALSE(ContientTexte(*page, "Dégagement du foyer = "));
        // The Cassegrain stays on its line, the Schwarzschild moves one line down.
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, forme == TTypeInstrument::Cassegrain ? 100 : 116);
    }
}
