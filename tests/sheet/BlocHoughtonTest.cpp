// The Lurie-Houghton and Houghton-Cassegrain blocks on the sheet and on paper.
#include "FicheGroupeDeTest.h"

#include "optics/Validite.h"
#include "sheet/BlocHoughton.h"

namespace {

class BlocHoughton : public FicheGroupeDeTest
{
protected:
    using TBloc = void (*)(ICanevas&);

    // The block alone on the values as set (a full repaint would solve the design first), with only its boxes.
    void DessineBloc(TBloc bloc)
    {
        Fenetre.EffaceJournal();
        MiseEnPage.CaseValeur.fill(TCase{});
        MiseEnPage.OrdonneePremiereLigne = Y0;
        MiseEnPage.CaseBasculeInstrument = {5, Y0 + 4, 15, Y0 + 13};
        bloc(Fenetre);
    }

    static std::unique_ptr<TCanevasEnregistreur> Imprime(TBloc bloc)
    {
        auto page = Page();
        bloc(*page);
        return page;
    }

    static bool TexteFinissantPar(const TCanevasEnregistreur& canevas, const std::string& fin)
    {
        const auto textes = canevas.Textes();
        return std::any_of(textes.begin(), textes.end(),
                           [&](const TAppelCanevas& appel) { return appel.Texte.ends_with(fin); });
    }

    // A Houghton-Cassegrain whose secondary the set-up has computed.
    static void HoughtonCassegrainResolu()
    {
        ConstruitFormeValide(TTypeInstrument::HoughtonCassegrain);
        Instrument.RayonCourbureSecondaire = 500;
        Groupe.CentreGroupe[0] = 900;
        Instrument.Grandissement = 5;
        Instrument.DiametreUtilePrimaire = 210;
        Instrument.DiametreMiroir = 210;
    }

    static constexpr int Y0 = 28;
};

} // namespace

TEST_F(BlocHoughton, LaFocaleDuLurieHoughtonEstCelleMesureeEtNeSeMontreQueSurUnInstrumentValide)
{
    ConstruitFormeValide(TTypeInstrument::LurieHoughton);
    Dessine();
    ASSERT_TRUE(Validite.InstrumentValide);
    // A spherical mirror of 1600 mm radius behind a nearly afocal corrector: about 800 mm.
    EXPECT_NEAR(Instrument.FocaleEffective, 800, 16);
    const std::string focale = "Distance Focale = " + FormateNombre(Instrument.FocaleEffective, "#0.0") + " mm";
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = focale, .Y = Y0 + 16}));

    // A mirror narrower than the entrance: nothing is measured, the stored value gives the ratio.
    Instrument.DiametreMiroir = 150;
    Instrument.FocaleEffective = 780;
    VerifieInstrument(); // as the refresh does before the sheet
    Dessine();
    ASSERT_FALSE(Validite.InstrumentValide);
    EXPECT_EQ(Instrument.FocaleEffective, 780);
    EXPECT_FALSE(ContientTexte(Fenetre, "Distance Focale = "));
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "F/D = 3,90", .Y = Y0 + 35}));
}

TEST_F(BlocHoughton, LaDistanceEntreLesMiroirsDemandeSesSixConditions)
{
    struct TCas
    {
        std::string Nom;
        void (*Change)();
        bool Montree;
    };
    const TCas cas[] = {
        {"toutes remplies", [] {}, true},
        {"sans diamètre", [] { Instrument.DiametreEntree = 1; }, false},
        {"sans focale primaire", [] { Instrument.FocalePrimaire = 1; }, false},
        {"grandissement trop faible", [] { Instrument.FocaleResultante = 1.1 * Instrument.FocalePrimaire; }, false},
        {"dégagement non saisi", [] { Instrument.DegagementFoyer = 1e20; }, false},
        {"correcteur sans verre", [] { Groupe.IndiceVertGroupe[1] = Reglages.IndiceLimite; }, false},
        {"sans raie verte", [] { LongueursOnde.LongueurOndeVerte = 0; }, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        HoughtonCassegrainResolu();
        c.Change();
        DessineBloc(DessineParametresHoughtonCassegrain);
        const std::string distance = "Distance entre les miroirs = 400 mm";
        const std::string rayon = "Rayon de courbure du miroir secondaire = 500 mm";
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = distance, .X = 20, .Y = Y0 + 64}), c.Montree);
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = rayon, .X = 780 - Fenetre.TextWidth(rayon), .Y = Y0 + 64}),
                  c.Montree);
        // The line keeps its place: the thicknesses stay on the line below.
        EXPECT_EQ(MiseEnPage.CaseValeur[CaseEpaisseurPrimaire].Top, Y0 + 80 - 2);

        const auto page = Imprime(ImprimeParametresHoughtonCassegrain);
        EXPECT_EQ(TexteDessine(*page, {.Texte = distance, .X = Marge, .Y = Haut + 4 * Pas}), c.Montree);
        EXPECT_TRUE(ContientTexte(*page, "Epaisseur du miroir primaire = "));
    }
}

TEST_F(BlocHoughton, LeSuffixeDeLaTacheDeDiffractionSuitLaFormeEtLeSupport)
{
    struct TCas
    {
        TTypeInstrument Forme;
        TBloc Fiche, Papier;
        std::string SuffixeFiche, SuffixePapier;
    };
    const TCas cas[] = {
        {TTypeInstrument::LurieHoughton, DessineParametresLurieHoughton, ImprimeParametresLurieHoughton, " nm", " nm"},
        {TTypeInstrument::HoughtonCassegrain, DessineParametresHoughtonCassegrain, ImprimeParametresHoughtonCassegrain,
         " nm (Objectif Seul)", " nm (au foyer secondaire)"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.SuffixePapier);
        HoughtonCassegrainResolu();
        Instrument.TypeInstrument = c.Forme;
        Instrument.FocaleEffective = 4000;
        DessineBloc(c.Fiche);
        EXPECT_TRUE(ContientTexte(Fenetre, "Rayon de la tache de diffraction = "));
        const auto page = Imprime(c.Papier);
        for (const std::string suffixe : {" nm", " nm (Objectif Seul)", " nm (au foyer secondaire)"})
        {
            SCOPED_TRACE(suffixe);
            EXPECT_EQ(TexteFinissantPar(Fenetre, suffixe), suffixe == c.SuffixeFiche);
            EXPECT_EQ(TexteFinissantPar(*page, suffixe), suffixe == c.SuffixePapier);
        }
    }
}

TEST_F(BlocHoughton, LeDiametreUtileDuPrimaireSeLitMemeNul)
{
    HoughtonCassegrainResolu();
    Instrument.DiametreUtilePrimaire = 0;
    DessineBloc(DessineParametresHoughtonCassegrain);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Diamètre du miroir primaire = 0 mm", .Y = Y0 + 32}));
}

TEST_F(BlocHoughton, ChaqueFormeEnregistreLesCasesQuElleMontre)
{
    struct TCas
    {
        TTypeInstrument Forme;
        TBloc Bloc;
        bool Developpe;
        std::set<int> Cases;
    };
    const TCas cas[] = {
        {TTypeInstrument::LurieHoughton, DessineParametresLurieHoughton, true, {0, 1, 3, 9, 10, 11, 12}},
        {TTypeInstrument::LurieHoughton, DessineParametresLurieHoughton, false, {0, 1, 3}},
        {TTypeInstrument::HoughtonCassegrain, DessineParametresHoughtonCassegrain, true, {0, 3, 7, 9, 10, 11, 12, 16}},
        {TTypeInstrument::HoughtonCassegrain, DessineParametresHoughtonCassegrain, false, {0, 7}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.Forme)) + (c.Developpe ? " développé" : " replié"));
        ConstruitFormeValide(c.Forme);
        Edition.InstrumentDeveloppe = c.Developpe;
        DessineBloc(c.Bloc);
        EXPECT_EQ(CasesEnregistrees(), c.Cases);
        EXPECT_EQ(Controles.TableauKlevtsov.Visible, c.Developpe);
        if (!c.Developpe)
        {
            EXPECT_EQ(MiseEnPage.OrdonneeDispositif, Y0 + 32);
        }
    }
}

TEST_F(BlocHoughton, LeLurieHoughtonReplie)
{
    ConstruitFormeValide(TTypeInstrument::LurieHoughton);
    Edition.InstrumentDeveloppe = false;
    for (const auto& [focaleObjectif, rapport] : {std::pair{800.0, true}, std::pair{0.0, false}})
    {
        SCOPED_TRACE(focaleObjectif);
        Instrument.FocaleObjectif = focaleObjectif;
        DessineBloc(DessineParametresLurieHoughton);
        // The ratio needs the instrument's own focal length, which it divides.
        EXPECT_EQ(TexteDessine(Fenetre, {.Texte = "F/D = 4,00", .Y = Y0}), rapport);
        const TCase& rayon = MiseEnPage.CaseValeur[CaseRayonCourburePrimaire];
        EXPECT_TRUE(
            TexteDessine(Fenetre, {.Texte = "RdC miroir = ", .X = rayon.Left - Fenetre.TextWidth("RdC miroir = ")}));
        EXPECT_FALSE(TexteDessine(Fenetre, {.Texte = " mm", .X = rayon.Right + 2}));

        const auto page = Imprime(ImprimeParametresLurieHoughton);
        EXPECT_EQ(ContientTexte(*page, "F/D = "), rapport);
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, Haut + Pas);
        // The three texts share the line in quarters.
        std::vector<int> debuts, fins;
        for (const TAppelCanevas& appel : page->Textes())
        {
            debuts.push_back(appel.Valeurs[0]);
            fins.push_back(appel.Valeurs[0] + page->TextWidth(appel.Texte));
        }
        const auto textes = page->Textes();
        ASSERT_GE(textes.size(), 4u);
        EXPECT_EQ(textes[0].Texte, Instrument.NomInstrument);
        const std::size_t a = textes.size() - 3;
        EXPECT_EQ(textes[a].Texte.rfind("Diamètre d'entrée = ", 0), 0u);
        EXPECT_EQ(textes[a + 1].Texte.rfind("Diamètre miroir = ", 0), 0u);
        EXPECT_EQ(textes[a + 2].Texte.rfind("Rdc miroir = ", 0), 0u);
        PoliceImpression(*page, 9, true);
        const int quart = debuts[a] - (Marge + page->TextWidth(Instrument.NomInstrument));
        EXPECT_EQ(debuts[a + 1] - fins[a], quart);
        EXPECT_EQ(debuts[a + 2] - fins[a + 1], quart);
    }
}

TEST_F(BlocHoughton, LeTableauImprimeDuLurieHoughtonRemonteQuandLesLignesTroisEtQuatreManquent)
{
    for (const auto& [diametre, lignes] : {std::pair{200.0, 4}, std::pair{1.0, 3}})
    {
        SCOPED_TRACE(diametre);
        ConstruitFormeValide(TTypeInstrument::LurieHoughton);
        Instrument.DiametreEntree = diametre;
        const auto page = Imprime(ImprimeParametresLurieHoughton);
        const int y0 = Haut + lignes * Pas;
        EXPECT_TRUE(TexteDessine(*page, {.Texte = "Correcteur de Houghton", .Y = y0 + 6}));
        EXPECT_EQ(ContientTexte(*page, "Distance miroir plan - Foyer = "), lignes == 4);
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, y0 + 33 * Pas / 10 - 90 * Pas / 100 + 4 * Pas + Pas);
    }
}

TEST_F(BlocHoughton, LaLigneMiroirDUnKlevtsovDessineAvantNeResteNiSurLaFicheNiSousLesTouches)
{
    for (TTypeInstrument forme : {TTypeInstrument::LurieHoughton, TTypeInstrument::HoughtonCassegrain})
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ConstruitFormeValide(TTypeInstrument::KlevtsovCassegrain);
        Groupe.NombreDioptresGroupe = 3;
        Dessine();
        Controles.LigneMiroirActive.Visible = true;
        ASSERT_TRUE(Controles.LigneMiroir.Visible);
        ASSERT_TRUE(Controles.EpaisseurOff.Visible);
        ConstruitFormeValide(forme);
        Dessine();
        EXPECT_FALSE(Controles.LigneMiroir.Visible);
        EXPECT_FALSE(Controles.LigneMiroirActive.Visible);
        EXPECT_FALSE(Controles.EpaisseurOff.Visible);
    }
}

TEST_F(BlocHoughton, LeRapportImprimeDuLurieHoughtonAttendSaFocale)
{
    for (const auto& [focaleObjectif, rapport] : {std::pair{800.0, true}, std::pair{0.0, false}})
    {
        SCOPED_TRACE(focaleObjectif);
        ConstruitFormeValide(TTypeInstrument::LurieHoughton);
        ASSERT_TRUE(Validite.InstrumentValide);
        Instrument.FocaleObjectif = focaleObjectif;
        const auto page = Imprime(ImprimeParametresLurieHoughton);
        EXPECT_EQ(TexteDessine(*page, {.Texte = "F/D = 4,00", .Y = Haut + 2 * Pas}), rapport);
        EXPECT_EQ(ContientTexte(*page, "Distance Focale = 800 mm"), rapport);
        EXPECT_FALSE(ContientTexte(*page, "F/D = 0,00"));
    }
}
