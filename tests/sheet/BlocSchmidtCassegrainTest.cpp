// The Schmidt-Cassegrain's block on the sheet and on paper.
#include "BlocsDeTest.h"

#include "sheet/BlocSchmidt.h"
#include "sheet/BlocSchmidtCassegrain.h"

#include <functional>

namespace {

const std::string DistanceMiroirs = "Distance entre les miroirs = ";
const std::string DistanceP = "Distance entre le foyer primaire et le miroir secondaire = ";

class BlocSchmidtCassegrain : public BlocDeTest
{
protected:
    void SetUp() override
    {
        BlocDeTest::SetUp();
        Construit(TTypeInstrument::SchmidtCassegrain);
    }
    int Y0() const { return MiseEnPage.OrdonneePremiereLigne; }
};

} // namespace

TEST_F(BlocSchmidtCassegrain, LaPositionDuSecondaireDemandeSesHuitConditions)
{
    struct TCas
    {
        const char* Nom;
        std::function<void()> Change;
        bool Fiche, Papier;
    };
    const TCas cas[] = {
        {"toutes réunies", [] {}, true, true},
        {"lame de 0,01 mm sans profil",
         [] {
             Instrument.EpaisseurLame = 0.01;
             Instrument.ProfilLame = ProfilAucun;
         },
         true, true},
        {"diamètre de 1 mm", [] { Instrument.DiametreEntree = 1; }, false, false},
        {"focale primaire de 1 mm", [] { Instrument.FocalePrimaire = 1; }, false, false},
        {"focale de 1,1 F1", [] { Instrument.FocaleResultante = 440; }, false, false},
        {"dégagement non saisi", [] { Instrument.DegagementFoyer = 1e20; }, false, false},
        {"lame de 0,01 mm avec profil", [] { Instrument.EpaisseurLame = 0.01; }, false, false},
        {"lame qui n'est pas en verre", [] { Groupe.IndiceVertGroupe[1] = Reglages.IndiceLimite; }, false, false},
        {"sans raie verte", [] { LongueursOnde.LongueurOndeVerte = 0; }, false, false},
        // The printed block does not ask for a secondary.
        {"sans secondaire", [] { Instrument.DiametreSecondaire = 0; }, false, true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Construit(TTypeInstrument::SchmidtCassegrain);
        Dispositif.CentreDioptre[0] = -150;
        Instrument.RayonCourbureSecondaire = -250;
        Instrument.DistanceFoyerPrimaireSecondaire = 100;
        c.Change();
        Dessine();
        // The secondary's centre of curvature less its radius: its vertex.
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = DistanceMiroirs + "100 mm", .X = 20, .Y = Y0() + 80}), c.Fiche);
        EXPECT_EQ(ContientTexte(Fenetre, "Rayon de courbure du miroir secondaire = -250 mm"), c.Fiche);
        const auto page = Imprime();
        EXPECT_EQ(ContientTexte(*page, DistanceP + "100 mm"), c.Papier);
        EXPECT_EQ(ContientTexte(*page, "Rayon de courbure du miroir secondaire = "), c.Papier);
    }
}

TEST_F(BlocSchmidtCassegrain, CasesControlesEtPlaceDuDispositif)
{
    for (bool developpe : {true, false})
    {
        SCOPED_TRACE(developpe);
        Edition.InstrumentDeveloppe = developpe;
        Dessine();
        VerifieCasesDansFenetre();
        const std::set<int> attendues =
            developpe ? std::set<int>{0, 3, 7, 9, 10, 11, 12, 13, 14, 16, 17} : std::set<int>{0, 7};
        EXPECT_EQ(CasesEnregistrees(), attendues);
        EXPECT_EQ(MiseEnPage.OrdonneeDispositif, Y0() + (developpe ? 192 : 32));
        EXPECT_EQ(Controles.TableauSchmidt.Visible, developpe);
        EXPECT_EQ(Controles.CaseArl.Visible, developpe);
    }
    Edition.InstrumentDeveloppe = true;
    Dessine();
    EXPECT_EQ(Controles.TableauSchmidt.Top, Y0() + 94);
    EXPECT_EQ(Controles.BoutonLame.Top, Y0() + 112);
    // The secondary's thickness sits at a quarter of the sheet, on the line below the primary's.
    const TCase& secondaire = MiseEnPage.CaseValeur[CaseEpaisseurSecondaire];
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Epaisseur du miroir secondaire = ", .X = 200, .Y = Y0() + 163}));
    EXPECT_EQ(secondaire.Top, MiseEnPage.CaseValeur[CaseEpaisseurPrimaire].Top + 16);
    // Line 5: the spin box of the plate coefficient between its label and the primary's coefficient.
    const TCase& arl = MiseEnPage.CaseValeur[CaseCoefficientDeformationLame];
    EXPECT_EQ(arl.Top, Y0() + 62);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Lame de Schmidt = ", .X = arl.Left - 5 * 18, .Y = Y0() + 64}));
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Miroir secondaire, c = 0", .X = 800 - 20 - 5 * 24, .Y = Y0() + 64}));
}

TEST_F(BlocSchmidtCassegrain, SansProfilNiEpaisseurNiRelief)
{
    struct TCas
    {
        TOctet Profil;
        double Relief;
        const char* Distance;
        const char* TexteRelief; // nullptr: none
    };
    const TCas cas[] = {
        {ProfilAucun, 0.002, "Distance diaphragme-miroir primaire = ", nullptr},
        {ProfilAvant, 0.002, "Distance lame-miroir primaire = ", "Relief de la lame = "},
        {ProfilAvant, 0, "Distance lame-miroir primaire = ", nullptr},
        {ProfilPartage, 0.002, "Distance lame-miroir primaire = ", "Relief de chaque face de la lame = "},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(c.Profil) + " " + std::to_string(c.Relief));
        Construit(TTypeInstrument::SchmidtCassegrain);
        Instrument.ProfilLame = c.Profil;
        Instrument.ReliefLame = c.Relief;
        Instrument.CoefficientDeformationLame = 1;
        Dessine();
        const bool profil = c.Profil != ProfilAucun;
        EXPECT_TRUE(ContientTexte(Fenetre, c.Distance));
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = "Epaisseur de la lame = ", .X = 20, .Y = Y0() + 147}), profil);
        // Without a plate its thickness cannot be opened.
        EXPECT_EQ(CasesEnregistrees().count(CaseEpaisseurLame) == 1, profil);
        EXPECT_EQ(ContientTexte(Fenetre, "Relief"), c.TexteRelief != nullptr);
        const auto page = Imprime();
        EXPECT_TRUE(ContientTexte(*page, c.Distance));
        EXPECT_EQ(ContientTexte(*page, "Amplitude de la déformation"), c.TexteRelief != nullptr);
        if (c.TexteRelief != nullptr)
        {
            const std::string valeur = c.Profil == ProfilPartage ? "1 µm" : "2 µm";
            EXPECT_TRUE(ContientTexte(Fenetre, c.TexteRelief + valeur));
        }
        if (!profil)
        {
            EXPECT_EQ(LegendesBoutonsLame.BoutonLame, "Pas de lame correctrice");
        }
    }
}

TEST_F(BlocSchmidtCassegrain, LeGrandissementAffiche)
{
    struct TCas
    {
        double F;
        bool Visible;
    };
    const TCas cas[] = {{2000, true}, {400, false}, {300, false}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.F);
        Instrument.FocaleResultante = c.F;
        Instrument.Grandissement = 4;
        Dessine();
        // The secondary's magnification is shown scaled by 1.0325.
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = "Grandissement = 4,13 x", .X = 20, .Y = Y0() + 163}), c.Visible);
        EXPECT_EQ(ContientTexte(*Imprime(), "Grandissement = 4,13 x"), c.Visible);
    }
}

TEST_F(BlocSchmidtCassegrain, LeBlocImprimeLesLignesDeLaFiche)
{
    Instrument.Grandissement = 5;
    Instrument.ReliefLame = 0.002;
    VerifieSurFicheEtPapier(
        {"F/D = 10,00", "Rayon de la tache de diffraction = ", "Dégagement du foyer = ",
         "Diamètre du miroir secondaire = ", "Diamètre du trou central du miroir primaire = ",
         "Coefficients de déformation ==>", "Lame de Schmidt = ", "Miroir primaire, b = 0", "Miroir secondaire, c = 0",
         "Rayon de courbure du miroir secondaire = ", "Epaisseur de la lame = ", "Epaisseur du miroir primaire = ",
         "Distance lame-miroir primaire = ", "Grandissement = ", "Epaisseur du miroir secondaire = "});
    // The sheet's mirror diameter and relief are named otherwise on paper.
    EXPECT_TRUE(ContientTexte(Fenetre, "Diamètre du miroir primaire = "));
    EXPECT_TRUE(ContientTexte(*Imprime(), "Diamètre miroir primaire = "));
}
