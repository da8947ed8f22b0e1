// The Schmidt camera's and the Schmidt-Newton's blocks on the sheet and on paper.
#include "BlocsDeTest.h"

#include "sheet/BlocSchmidt.h"

namespace {

class BlocSchmidt : public BlocDeTest
{
protected:
    int Y0() const { return MiseEnPage.OrdonneePremiereLigne; }

    // One lens 40 mm across behind the focus: a lens device is present.
    static void AjouteDispositif()
    {
        Dispositif.NombreDioptres = 2;
        Dispositif.RayonDioptre[1] = 100;
        Dispositif.RayonDioptre[2] = -100;
        Dispositif.EpaisseurDioptre[1] = 5;
        Dispositif.EpaisseurDioptre[2] = 50;
        Dispositif.DiametreDioptre[1] = Dispositif.DiametreDioptre[2] = 40;
        Dispositif.IndiceVert[2] = 1.5f;
        Dispositif.IndiceVert[3] = 1.0f;
    }
};

} // namespace

TEST_F(BlocSchmidt, LeProfilDeLaLameChoisitLesLibellesLesCasesEtLeRelief)
{
    struct TCas
    {
        TOctet Profil;
        const char* Bouton;
        const char* Relief; // nullptr: no relief
    };
    const TCas cas[] = {
        {ProfilAucun, "Pas de lame correctrice", nullptr},
        {ProfilAvant, "Profil de Schmidt sur la face avant", "Relief de la lame = "},
        {ProfilArriere, "Profil de Schmidt sur la face arrière", "Relief de la lame = "},
        {ProfilPartage, "Profil de Schmidt réparti sur les deux faces", "Relief de chaque face de la lame = "}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Profil));
        Construit(TTypeInstrument::Schmidt);
        Instrument.ProfilLame = c.Profil;
        Dessine();
        const bool profil = c.Profil != ProfilAucun;
        const int y5 = Y0() + 99;
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = "Epaisseur de la lame = ", .X = 20, .Y = y5}), profil);
        EXPECT_EQ(ContientTexte(Fenetre, "Distance lame-miroir = "), profil);
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = "Distance diaphragme-miroir = ", .X = 20, .Y = y5}), !profil);
        EXPECT_EQ(ContientTexte(Fenetre, "Coeficient k = "), profil);
        const std::set<int> cases = CasesEnregistrees();
        EXPECT_EQ(cases.count(CaseEpaisseurLame) == 1, profil);
        EXPECT_EQ(cases.count(CaseCoefficientK) == 1, profil);
        EXPECT_EQ(LegendesBoutonsLame.BoutonLame, c.Bouton);
        EXPECT_EQ(ContientTexte(Fenetre, "Relief"), profil);
        const auto page = Imprime();
        if (c.Relief != nullptr)
        {
            // Split over both faces, each face carries half of the depth.
            const double facteur = c.Profil == ProfilPartage ? 500 : 1000;
            const std::string relief =
                c.Relief +
                FormateNombre(Instrument.ReliefLame * facteur * Instrument.CoefficientDeformationLame, "#0.#") + " µm";
            EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = relief, .Y = Y0() + 118}));
            EXPECT_TRUE(ContientTexte(*page, relief));
        }
        EXPECT_EQ(ContientTexte(*page, "Coeficient k = 1,5"), profil);
        EXPECT_EQ(ContientTexte(*page, "Distance diaphragme-miroir = "), !profil);
        EXPECT_EQ(ContientTexte(*page, "Epaisseur de la lame = "), profil);
    }
}

TEST_F(BlocSchmidt, UnDispositifImposeLeChampPlan)
{
    struct TCas
    {
        bool Dispositif;
        bool Courbe;
        bool Bouton;
        const char* Imprime;
    };
    const TCas cas[] = {{false, true, true, " avec champ courbe"},
                        {false, false, true, " avec champ plan"},
                        {true, true, false, " avec champ plan"}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::string(c.Dispositif ? "dispositif" : "sans dispositif") + (c.Courbe ? " courbe" : " plan"));
        Construit(TTypeInstrument::Schmidt);
        if (c.Dispositif)
            AjouteDispositif();
        Instrument.ChampCourbe = c.Courbe;
        Dessine();
        EXPECT_EQ(Instrument.ChampCourbe, c.Courbe && !c.Dispositif);
        EXPECT_EQ(Controles.BoutonChampCourbe.Visible, c.Bouton);
        if (c.Bouton)
        {
            EXPECT_EQ(Controles.BoutonChampCourbe.Left, 200);
            EXPECT_EQ(Controles.BoutonChampCourbe.Top, Y0() + 29);
            EXPECT_EQ(LegendesBoutonsLame.BoutonChampCourbe, c.Courbe ? "Champ courbe" : "Champ plan");
        }
        EXPECT_TRUE(TexteDessine(*Imprime(), {.Texte = c.Imprime, .Y = 62}));
    }
}

TEST_F(BlocSchmidt, CasesEtControlesDesFormesDevelopeesEtRepliees)
{
    struct TCas
    {
        TTypeInstrument Forme;
        bool Developpe;
        std::set<int> Cases;
        int Dispositif; // below the first line
    };
    const TCas cas[] = {
        {TTypeInstrument::Schmidt, true, {0, 1, 3, 7, 11, 13, 14, 17, 20}, 147},
        {TTypeInstrument::Schmidt, false, {0, 1, 2}, 32},
        {TTypeInstrument::SchmidtNewton, true, {0, 1, 7, 9, 10, 11, 12, 13, 14, 17}, 172},
        {TTypeInstrument::SchmidtNewton, false, {0, 2}, 32},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.Forme)) + (c.Developpe ? " développé" : " replié"));
        Construit(c.Forme);
        Controles.CaseArl.Visible = Controles.TableauSchmidt.Visible = Controles.BoutonLame.Visible = true;
        Edition.InstrumentDeveloppe = c.Developpe;
        Edition.TableEditee = TTableEditee::Dispositif;
        Dessine();
        EXPECT_EQ(CasesEnregistrees(), c.Cases);
        VerifieCasesDansFenetre();
        EXPECT_EQ(MiseEnPage.OrdonneeDispositif, Y0() + c.Dispositif);
        EXPECT_EQ(Controles.TableauSchmidt.Visible, c.Developpe);
        EXPECT_EQ(Controles.BoutonLame.Visible, c.Developpe);
        EXPECT_EQ(Controles.CaseArl.Visible, c.Developpe);
        // Expanded, the plate glass row becomes the edited table.
        EXPECT_EQ(Edition.TableEditee, c.Developpe ? TTableEditee::Lame : TTableEditee::Dispositif);
        if (!c.Developpe)
            continue;
        const int ligne4 = Y0() + (c.Forme == TTypeInstrument::Schmidt ? 48 : 51);
        EXPECT_EQ(Controles.TableauSchmidt.Top, ligne4 - 2);
        EXPECT_EQ(Controles.BoutonLame.Top, ligne4 + 16);
        EXPECT_EQ(Controles.BoutonLame.Left, 54);
        const TCase& arl = MiseEnPage.CaseValeur[CaseCoefficientDeformationLame];
        EXPECT_EQ(arl.Right - arl.Left, 5 * 6 + 22);
        EXPECT_EQ(Controles.CaseArl.Left, arl.Left);
        EXPECT_EQ(Controles.CaseArl.Top, arl.Top);
    }
}

TEST_F(BlocSchmidt, LeChampPleineLumiereSeulementDerriereUnMiroirPlusLarge)
{
    struct TCas
    {
        double Miroir;
        bool Visible;
    };
    const TCas cas[] = {{300, true}, {200, false}, {150, false}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Miroir);
        Construit(TTypeInstrument::Schmidt);
        Instrument.DiametreMiroir = c.Miroir;
        Dessine();
        EXPECT_EQ(ContientTexte(Fenetre, "Diamètre du champ = "), c.Visible);
        EXPECT_EQ(ContientTexte(*Imprime(), "Diamètre du champ = "), c.Visible);
    }
}

TEST_F(BlocSchmidt, LeBlocImprimeLesLignesDeLaFiche)
{
    struct TCas
    {
        TTypeInstrument Forme;
        std::vector<std::string> Libelles;
    };
    const TCas cas[] = {
        {TTypeInstrument::Schmidt,
         {"Distance Focale = ", "F/D = 5,00", "Rayon de la tache de diffraction = ", "Epaisseur de la lame = ",
          "Distance lame-miroir = ", "Epaisseur du miroir = ", "Coeficient k = ", "Diamètre du champ = ",
          "Relief de la lame = ", "Coefficient de déformation de la lame de Schmidt = "}},
        {TTypeInstrument::SchmidtNewton,
         {"Diamètre de la lame = ", "Diamètre du miroir primaire = ", "Distance Focale = ", "F/D = 5,00",
          "Rayon de la tache de diffraction = ", "Coefficient de déformation de la lame de Schmidt = ",
          "Relief de la lame = ", "Distance Miroir Plan - Foyer = ", "Petit côté du miroir plan = ",
          "Distance lame-miroir = ", "Epaisseur du miroir principal = ", "Epaisseur du miroir plan = ",
          "Epaisseur de la lame = "}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        Construit(c.Forme);
        VerifieSurFicheEtPapier(c.Libelles);
    }
}

TEST_F(BlocSchmidt, LeSchmidtNewtonSansDistanceDuPlanGardeSesCases)
{
    Construit(TTypeInstrument::SchmidtNewton);
    Instrument.DistanceSecondaireFoyer = 0.5;
    Dessine();
    const TCase& plan = MiseEnPage.CaseValeur[CaseDegagementFoyer];
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "", .X = plan.Right - 4, .Y = Y0() + 121}));
    EXPECT_TRUE(CasesEnregistrees().count(CaseDiametreSecondaire));
    const auto page = Imprime();
    EXPECT_FALSE(ContientTexte(*page, "Distance Miroir Plan - Foyer = "));
    EXPECT_FALSE(ContientTexte(*page, "Petit côté du miroir plan = "));
}

TEST_F(BlocSchmidt, ImpressionRepliee)
{
    struct TCas
    {
        TTypeInstrument Forme;
        std::vector<std::string> Textes;
    };
    const TCas cas[] = {
        {TTypeInstrument::Schmidt,
         {" cp", "Diamètre de la lame = 200 mm", "Diamètre du miroir = 300 mm", "Distance focale = 1000 mm",
          "F/D = 5,00"}},
        {TTypeInstrument::SchmidtNewton, {"Diamètre de la lame = 200 mm", "Distance focale = 1000 mm", "F/D = 5,00"}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        Construit(c.Forme);
        Instrument.ChampCourbe = false;
        Edition.InstrumentDeveloppe = false;
        const auto page = Imprime();
        for (const std::string& texte : c.Textes)
            EXPECT_TRUE(TexteDessine(*page, {.Texte = texte, .Y = 62})) << texte;
        EXPECT_FALSE(ContientTexte(*page, "Lame Correctrice"));
    }
}

TEST_F(BlocSchmidt, UnDispositifTraceDonneLeRapportResultant)
{
    struct TCas
    {
        const char* Nom;
        double Epaisseur; // from the plate's last face to the image
        bool Resolu;
    };
    // A plane-parallel plate behind the focus moves the image, not the focal length.
    const TCas cas[] = {{"lame à faces parallèles", 50, true}, {"sortie afocale", 1e20, false}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Construit(TTypeInstrument::Schmidt);
        AjouteDispositif();
        Dispositif.RayonDioptre[1] = Dispositif.RayonDioptre[2] = 1e20;
        Dispositif.EpaisseurDioptre[2] = c.Epaisseur;
        Dispositif.IndiceRouge[2] = Dispositif.IndiceBleu[2] = 1.5f;
        Dispositif.IndiceRouge[3] = Dispositif.IndiceBleu[3] = 1.0f;
        Instrument.FocaleEffective = 0;
        Dessine();
        const int y = Y0() + 32;
        EXPECT_EQ(ContientTexte(Fenetre, "F/D résultant = "), c.Resolu);
        EXPECT_EQ(ContientTexte(Fenetre, "Distance focale résultante = "), c.Resolu);
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = "F/D = 5,00", .X = 20, .Y = y}), !c.Resolu);
        if (c.Resolu)
        {
            EXPECT_NEAR(Instrument.FocaleEffective, 1000, 5);
            EXPECT_TRUE(ContientTexte(Fenetre, "F/D résultant = 5,0"));
        }
    }
}
