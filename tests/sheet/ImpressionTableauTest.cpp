// The report's first page on a recording printer: title, credit line, the device table and its page breaks.
#include "FicheDeTest.h"

#include "optics/Modele.h"
#include "sheet/ImpressionTableau.h"

namespace {

// At 72 dots per inch the title's cell is 20 dots: margin 10; a page 782 dots wide has a 16-dot line step.
constexpr int LargeurPage = 782;

class ImpressionTableau : public FicheDeTest
{
protected:
    void SetUp() override
    {
        FicheDeTest::SetUp();
        ConstruitFormeValide(TTypeInstrument::Newton);
        DocumentFiche.DateDuJour = "10/12/2026";
    }

    static void Dioptres(int nombre)
    {
        Dispositif.NombreDioptres = nombre;
        for (int i = 1; i <= nombre; ++i)
        {
            const std::size_t r = static_cast<std::size_t>(i);
            Dispositif.RayonDioptre[r] = i % 2 == 1 ? 100.0 : -100.0;
            Dispositif.EpaisseurDioptre[r] = 5;
            Dispositif.DiametreDioptre[r] = 40;
            Dispositif.IndiceRouge[r + 1] = Dispositif.IndiceVert[r + 1] = Dispositif.IndiceBleu[r + 1] =
                i % 2 == 1 ? 1.5f : 1.0f;
            Dispositif.MatiereDioptre[r + 1] = i % 2 == 1 ? "BK7" : "Air";
        }
    }

    // The texts of each page, the first page being 0.
    static std::vector<std::vector<TAppelCanevas>> Pages(const TCanevasEnregistreur& page)
    {
        std::vector<std::vector<TAppelCanevas>> pages(1);
        for (const TAppelCanevas& appel : page.Journal())
        {
            if (appel.Operation == TOperationCanevas::NouvellePage)
                pages.emplace_back();
            else if (appel.Operation == TOperationCanevas::TextOut)
                pages.back().push_back(appel);
        }
        return pages;
    }

    static int Compte(const std::vector<TAppelCanevas>& textes, const std::string& texte)
    {
        return static_cast<int>(
            std::count_if(textes.begin(), textes.end(), [&](const TAppelCanevas& a) { return a.Texte == texte; }));
    }
};

} // namespace

TEST_F(ImpressionTableau, TitreDateEtLigneDeCredit)
{
    struct TCas
    {
        const char* Nom;
        const char* Titre;
        bool DateADroite;
    };
    const TCas cas[] = {{"", "Quivane V 3.3.0", true},
                        {"C:\\Plans\\Mon Newton.qvd", "Simulation optique de : Mon Newton", false}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        auto page = TCanevasEnregistreur::Page(LargeurPage, 1100, 72);
        DocumentFiche.NomEnregistrement = c.Nom;
        ImprimeTableau(*page);
        EXPECT_EQ(ImpressionEtat.MargeImpression, 10);
        EXPECT_EQ(ImpressionEtat.PasLigneImpression, 16);
        EXPECT_TRUE(TexteDessine(*page, {.Texte = c.Titre, .Y = 10, .Gras = true}));
        EXPECT_TRUE(TexteDessine(
            *page, {.Texte = "Imprimé avec le logiciel Quivane V 3.3.0 le 10/12/2026", .Y = 30, .Taille = 8}));
        EXPECT_EQ(TexteDessine(*page, {.Texte = "10/12/2026"}), c.DateADroite);
        EXPECT_TRUE(TexteDessine(*page, {.Texte = "Télescope de Newton", .X = 10, .Y = 62, .Gras = true}));
        EXPECT_EQ(MiseEnPage.AbscisseCourante, 10);
    }
}

TEST_F(ImpressionTableau, UneDerniereLigneVideNEstPasImprimeeEtLEditionResteSurSaTable)
{
    Dioptres(2);
    Dispositif.NombreDioptres = 3;
    Edition.TableEditee = TTableEditee::Groupe;
    DocumentFiche.NomEnregistrement = "Mon.qvd";
    auto page = TCanevasEnregistreur::Page(LargeurPage, 1100, 72);
    ImprimeTableau(*page);
    const auto textes = page->Textes();
    EXPECT_EQ(Compte(textes, "1"), 1);
    EXPECT_EQ(Compte(textes, "2"), 1);
    EXPECT_EQ(Compte(textes, "3"), 0);
    EXPECT_EQ(Compte(textes, "BK7"), 1);
    EXPECT_EQ(Edition.TableEditee, TTableEditee::Groupe);
}

TEST_F(ImpressionTableau, UnTableauPlusHautQueLaPageSePoursuitSurDesPagesDeSuite)
{
    Dioptres(30);
    DocumentFiche.NomEnregistrement = "/home/moi/Mon.qvd";
    DocumentFiche.CheminDocument = "/home/moi/Mon.qvd";
    const int hauteurPage = 400;
    auto page = TCanevasEnregistreur::Page(LargeurPage, hauteurPage, 72);
    ImprimeTableau(*page);
    const auto pages = Pages(*page);
    ASSERT_GE(pages.size(), 3u);
    // The table does not fit below the block: it starts on a new page, then goes on between two rows.
    EXPECT_EQ(Compte(pages[0], "Dioptre"), 0);
    for (std::size_t p = 1; p < pages.size(); ++p)
    {
        SCOPED_TRACE(p);
        ASSERT_FALSE(pages[p].empty());
        EXPECT_EQ(pages[p].front().Texte, "Suite de : Mon.qvd");
        EXPECT_EQ(pages[p].front().Valeurs, (std::vector<int>{0, 0}));
        EXPECT_EQ(Compte(pages[p], "Dioptre"), 1);
        for (const TAppelCanevas& appel : pages[p])
            EXPECT_LT(appel.Valeurs[1] + 13, hauteurPage) << appel.Texte;
    }
    int rangees = 0;
    for (int i = 1; i <= 30; ++i)
    {
        int vues = 0;
        for (const auto& textes : pages)
            vues += Compte(textes, std::to_string(i));
        EXPECT_EQ(vues, 1) << "ligne " << i;
        rangees += vues;
    }
    EXPECT_EQ(rangees, 30);
}

TEST_F(ImpressionTableau, UnTableauQuiTientSurUnePageNeuveCommenceSurUnePageDeSuite)
{
    Dioptres(4);
    DocumentFiche.CheminDocument = "C:\\Plans\\Mon.qvd";
    // Below the block at 62 + 6 lines, 8 lines are needed and only 5 are left.
    auto page = TCanevasEnregistreur::Page(LargeurPage, 62 + 6 * 16 + 5 * 16, 72);
    ImprimeTableau(*page);
    const auto pages = Pages(*page);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].front().Texte, "Suite de : Mon.qvd");
    EXPECT_TRUE(TexteDessine(*page, {.Texte = "Dispositif Dioptrique", .X = 10, .Y = 32, .Gras = true}));
}

TEST_F(ImpressionTableau, UnePageDeSuiteSansFichierNePorteRienEnTete)
{
    Dioptres(4);
    DocumentFiche.CheminDocument.clear();
    auto page = TCanevasEnregistreur::Page(LargeurPage, 62 + 6 * 16 + 5 * 16, 72);
    ImprimeTableau(*page);
    const auto pages = Pages(*page);
    ASSERT_EQ(pages.size(), 2u);
    for (const TAppelCanevas& appel : pages[1])
        EXPECT_EQ(appel.Texte.rfind("Suite de", 0), std::string::npos) << appel.Texte;
    EXPECT_TRUE(TexteDessine(*page, {.Texte = "Dispositif Dioptrique", .X = 10, .Y = 32, .Gras = true}));
}

TEST_F(ImpressionTableau, CadreDeLaLameSelonLaForme)
{
    Groupe.IndiceRougeGroupe[1] = 0;
    Groupe.IndiceVertGroupe[1] = 1.51872f;
    Groupe.IndiceBleuGroupe[1] = 1.52283f;
    Groupe.MatiereGroupe[1] = "BK7";
    Instrument.DiametreMenisque = 0;
    Instrument.RayonMenisque1 = 305.5;
    Instrument.RayonMenisque2 = 320;
    LongueursOnde.LongueurOndeRouge = 0;
    struct TCas
    {
        TTypeInstrument Forme;
        TOctet Profil;
        std::vector<std::string> Presents;
        std::vector<std::string> Absents;
    };
    const TCas cas[] = {
        {TTypeInstrument::Schmidt, ProfilAvant, {"Avec profil de Schmidt sur la face avant"}, {"R1 = 305,5 mm"}},
        {TTypeInstrument::SchmidtCassegrain, ProfilAucun, {"Aucune lame correctrice"}, {}},
        {TTypeInstrument::SchmidtNewton, ProfilPartage, {"Avec profil de Schmidt réparti sur les deux faces"}, {}},
        {TTypeInstrument::Maksutov,
         ProfilAucun,
         {"D =     mm", "R1 = 305,5 mm", "R2 = 320 mm"},
         {"Aucune lame correctrice"}},
    };
    ImpressionEtat.MargeImpression = 10;
    ImpressionEtat.PasLigneImpression = 16;
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        auto page = TCanevasEnregistreur::Page(LargeurPage, 1100, 72);
        Instrument.TypeInstrument = c.Forme;
        Instrument.ProfilLame = c.Profil;
        MiseEnPage.OrdonneeCourante = 200;
        MiseEnPage.AbscisseCourante = 10;
        ImprimeParametresLame(*page);
        for (const std::string& texte : c.Presents)
            EXPECT_TRUE(TexteDessine(*page, {.Texte = texte}));
        for (const std::string& texte : c.Absents)
            EXPECT_FALSE(TexteDessine(*page, {.Texte = texte}));
        // An index missing from the glass still prints; no red line: the red header keeps only the letter.
        EXPECT_TRUE(TexteDessine(*page, {.Texte = "0,000000", .Y = 200 + 44}));
        EXPECT_TRUE(TexteDessine(*page, {.Texte = "1,518720", .Y = 200 + 44}));
        EXPECT_TRUE(TexteDessine(*page, {.Texte = " = 546,1nm"}));
        EXPECT_FALSE(TexteDessine(*page, {.Texte = " = 656,3nm"}));
        EXPECT_TRUE(TexteDessine(*page, {.Texte = "BK7"}));
        // 4.2 lines in all, whatever the form.
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, 200 + 42 * 16 / 10);
        EXPECT_EQ(MiseEnPage.AbscisseCourante, 10);
    }
}
