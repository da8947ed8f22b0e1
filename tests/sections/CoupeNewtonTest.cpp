// The Newton section with the real tracer: the folded and the prime-focus layouts, the flat's size warning, the
// printed block and its page break, and a design left as it was.
#include "CoupesDeTest.h"
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "optics/Initialisation.h"
#include "optics/PrepareSysteme.h"
#include "optics/Validite.h"
#include "platform/CanevasImage.h"
#include "sections/Cadre.h"
#include "sections/CoupeInstrument.h"
#include "sections/CoupeNewton.h"
#include "sections/Primitives.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "support/Conception.h"
#include "support/Formes.h"
#include "support/Verres.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

class CoupeNewton : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }
    void SetUp() override { ConstruitFormeValide(TTypeInstrument::Newton); }

    TServicesDeTest Services;
};

// The focus square: a 3 x 3 box, black outline, white inside.
std::optional<TPointCanevas> CarreFoyer(const TCanevasEnregistreur& canevas)
{
    for (const TAppelCanevas& appel : canevas.Journal())
        if (appel.Operation == TOperationCanevas::Rectangle && appel.Valeurs[2] - appel.Valeurs[0] == 3 &&
            appel.Valeurs[3] - appel.Valeurs[1] == 3 && appel.Pinceau.Couleur == clWhite)
            return TPointCanevas{appel.Valeurs[0] + 1, appel.Valeurs[1] + 1};
    return std::nullopt;
}

TEST_F(CoupeNewton, LePlanRenvoieLeFoyerSurLeCoteEtSansPlanLeFoyerEstSurLAxe)
{
    struct TCas
    {
        const char* Nom;
        double DistancePlanFoyer;
        float Plan;
    };
    for (const TCas cas :
         {TCas{"folded", 150, 50}, TCas{"focus near the band's top", 600, 130}, TCas{"prime focus", 0, 0}})
    {
        SCOPED_TRACE(cas.Nom);
        ConstruitFormeValide(TTypeInstrument::Newton);
        Instrument.DistanceSecondaireFoyer = cas.DistancePlanFoyer;
        Instrument.DiametreSecondaire = cas.Plan;
        Instrument.EpaisseurPrimaire = 30;
        TCanevasEnregistreur dessin(762, 350);
        DessineCoupeNewton(dessin);
        ASSERT_TRUE(Controles.Dessin.Visible);
        const float s = RepereDessin.EchelleDessin;
        const int ao = RepereDessin.AbscisseOrigine;
        const int oa = RepereDessin.OrdonneeAxe;
        ASSERT_GT(s, 0);
        const std::optional<TPointCanevas> foyer = CarreFoyer(dessin);
        ASSERT_TRUE(foyer);
        // The primary, 30 mm thick, has its focus F1 in front of its face; the flat sends it d upwards.
        const double e1 = 30;
        const double d = cas.DistancePlanFoyer;
        EXPECT_NEAR(foyer->X, ao - (e1 + 1000 - d) * s, 1.0);
        EXPECT_NEAR(foyer->Y, oa - d * s, 1.0);
        // "F" above right of the focus, kept inside the band.
        const int yTexte = foyer->Y <= 12 ? 2 : foyer->Y - 14;
        EXPECT_TRUE(TexteDessine(dessin, {.Texte = "F", .X = foyer->X + 5, .Y = yTexte}));
        if (d == 600)
        {
            EXPECT_LE(foyer->Y, 12);
        }
        if (d > 0)
        {
            // Centred in the band.
            const int longueur = static_cast<int>(std::lround(LongueurSchema * s));
            EXPECT_NEAR(ao, 762 - (762 - longueur) / 2, 1);
        }
        else
        {
            // Right end fixed 10 px from the edge, the light coming in from x = 5.
            EXPECT_EQ(ao, 752);
            bool lumiere = false;
            const auto& journal = dessin.Journal();
            for (std::size_t i = 0; i + 1 < journal.size(); ++i)
                lumiere = lumiere || (journal[i].Operation == TOperationCanevas::MoveTo && journal[i].Valeurs[0] == 5 &&
                                      journal[i + 1].Operation == TOperationCanevas::LineTo &&
                                      journal[i + 1].Stylo.Couleur == CouleurRouge);
            EXPECT_TRUE(lumiere);
        }
        // The whole drawing stays in the band.
        EXPECT_GT(oa, 0);
        EXPECT_LT(oa, 350);
    }
}

TEST_F(CoupeNewton, LaBoiteDuPlanTropPetitNApparaitQueSousLeMinimumDUnPlanDefini)
{
    struct TCas
    {
        float Plan;
        bool Boite;
    };
    // The beam is about d D / F1 = 30 mm wide at the flat.
    for (const TCas cas : {TCas{50, false}, TCas{20, true}, TCas{0, false}})
    {
        SCOPED_TRACE(cas.Plan);
        ConstruitFormeValide(TTypeInstrument::Newton);
        Instrument.DiametreSecondaire = cas.Plan;
        TCanevasEnregistreur dessin(762, 350);
        DessineCoupeNewton(dessin);
        EXPECT_NEAR(Instrument.DiametreSecondaireMinimal, 30.4, 0.2);
        const std::string message = " Le miroir plan est trop petit ";
        const int largeur = dessin.TextWidth(message);
        EXPECT_EQ(
            TexteDessine(dessin,
                         {.Texte = message, .X = 762 - largeur, .Y = 2, .Couleur = clWhite, .Fond = CouleurFuchsia}),
            cas.Boite);
    }
}

TEST_F(CoupeNewton, UnConflitOuDesDonneesIncompletesNeDessinentQueLeMessage)
{
    Instrument.FocalePrimaire = 0;
    TCanevasEnregistreur dessin(762, 350);
    DessineCoupeNewton(dessin);
    const auto textes = dessin.Textes();
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_EQ(textes[0].Texte, " Les données sont incomplètes ou incohérentes ");
    EXPECT_EQ(textes[0].Valeurs, (std::vector<int>{0, 0}));
}

TEST_F(CoupeNewton, LesRayonsDeBordTraversentLeDispositifEnRouge)
{
    DispositifDeuxLentilles();
    ASSERT_TRUE(Validite.DispositifValide);
    TCanevasImage dessin(762, 350);
    DessineCoupeNewton(dessin);
    ASSERT_TRUE(PorteCoupeOuverte());
    int rouges = 0, verre1 = 0, verre2 = 0;
    for (int y = 0; y < 350; ++y)
        for (int x = 0; x < 762; ++x)
        {
            const TColor c = dessin.Pixels(x, y);
            rouges += c == CouleurRouge;
            verre1 += c == Reglages.TeinteVerre[0];
            verre2 += c == Reglages.TeinteVerre[1];
        }
    EXPECT_GT(rouges, 100);
    EXPECT_GT(verre1, 20);
    EXPECT_GT(verre2, 20);
    // No "F" beside the focus when a device is drawn.
    const char* dossier = std::getenv("QUIVANE_DOSSIER");
    if (dossier)
        dessin.Image().save(QString::fromUtf8(dossier) + "/CoupeNewton.png");
}

// The mean height of the pixels of a colour, or -1 when there is none.
double OrdonneeMoyenne(TCanevasImage& image, TColor couleur)
{
    double somme = 0;
    int nombre = 0;
    for (int y = 0; y < image.Hauteur(); ++y)
        for (int x = 0; x < image.Largeur(); ++x)
            if (image.Pixels(x, y) == couleur)
            {
                somme += y;
                ++nombre;
            }
    return nombre > 0 ? somme / nombre : -1;
}

TEST_F(CoupeNewton, ApresLePlanLeDispositifMonteVersLeFoyerPremiereSurfaceEnBas)
{
    DispositifDeuxLentilles();
    TCanevasImage dessin(762, 350);
    DessineCoupeNewton(dessin);
    const double bk7 = OrdonneeMoyenne(dessin, Reglages.TeinteVerre[0]);
    const double f2 = OrdonneeMoyenne(dessin, Reglages.TeinteVerre[1]);
    ASSERT_GT(bk7, 0);
    ASSERT_GT(f2, 0);
    // The light climbs from the flat: the first lens met is the lower one.
    EXPECT_GT(bk7, f2);
    EXPECT_LT(f2, RepereDessin.OrdonneeAxe);
}

TEST_F(CoupeNewton, AuFoyerPrimaireUnDiaphragmeEstDeuxTraitsEtLeDernierVerreVaJusquAuPlanImage)
{
    Instrument.DistanceSecondaireFoyer = 0;
    Instrument.DiametreSecondaire = 0;
    Dispositif.NombreDioptres = 4;
    LigneDispositif(1, 60, 4, 30, BK7);
    LigneDispositif(2, -60, 10, 30, Air);
    LigneDispositif(3, RayonDiaphragme, 10, 12, Air);
    LigneDispositif(4, 50, 8, 30, BK7);
    AppliqueIndices();
    VerifieValidite();
    ASSERT_TRUE(Validite.DispositifValide);
    TCanevasEnregistreur dessin(762, 350);
    DessineCoupeNewton(dessin);
    ASSERT_TRUE(PorteCoupeOuverte());
    const std::optional<TPointCanevas> image = CarreFoyer(dessin);
    ASSERT_TRUE(image);
    const float s = RepereDessin.EchelleDessin;
    const int oa = RepereDessin.OrdonneeAxe;
    EXPECT_EQ(image->Y, oa);
    // The stop lies 18 mm before the image, open over 12 mm, its lines reaching the largest diameter, 30 mm.
    const int xArret = image->X + static_cast<int>(std::lround(18 * s));
    const int ouvert = static_cast<int>(std::lround(6 * s));
    const int ferme = static_cast<int>(std::lround(15 * s));
    int traits = 0;
    const auto& journal = dessin.Journal();
    for (std::size_t i = 0; i + 1 < journal.size(); ++i)
    {
        const TAppelCanevas& a = journal[i];
        const TAppelCanevas& b = journal[i + 1];
        if (a.Operation == TOperationCanevas::MoveTo && b.Operation == TOperationCanevas::LineTo &&
            b.Stylo.Couleur == clBlack && a.Valeurs[0] == xArret && b.Valeurs[0] == xArret &&
            std::abs(a.Valeurs[1] - oa) == ouvert && std::abs(b.Valeurs[1] - oa) == ferme)
            ++traits;
    }
    EXPECT_EQ(traits, 2);
    // The last glass, BK7 like the first lens and so in its tint, fills the axis right up to the image plane.
    EXPECT_EQ(dessin.Pixels(image->X + 2, oa + 3), Reglages.TeinteVerre[0]);
}

TEST_F(CoupeNewton, UnSystemeAfocalAuFoyerPrimaireSortVersLeBordGaucheSansPlanFocal)
{
    Instrument.DistanceSecondaireFoyer = 0;
    Instrument.DiametreSecondaire = 0;
    // A 25 mm eyepiece lens; the light leaves it parallel.
    Dispositif.NombreDioptres = 2;
    LigneDispositif(1, 26, 5, 20, BK7);
    LigneDispositif(2, -26, EpaisseurInfinie, 20, Air);
    AppliqueIndices();
    VerifieValidite();
    ASSERT_TRUE(Validite.SystemeAfocal);
    TCanevasImage dessin(762, 350);
    DessineCoupeNewton(dessin);
    ASSERT_TRUE(PorteCoupeOuverte());
    // Rays reach the left edge; no grey dashes cross the band vertically there.
    int rayonsAuBord = 0;
    for (int y = 0; y < 350; ++y)
    {
        const TColor c = dessin.Pixels(0, y);
        rayonsAuBord += c != clBlack && c != clWhite && c != CouleurGrise;
    }
    EXPECT_GT(rayonsAuBord, 0);
    int grisVerticaux = 0;
    for (int x = 1; x < 100; ++x)
    {
        int gris = 0;
        for (int y = 1; y < 349; ++y)
            gris += dessin.Pixels(x, y) == CouleurGrise;
        grisVerticaux = std::max(grisVerticaux, gris);
    }
    EXPECT_LT(grisVerticaux, 100);
}

TEST_F(CoupeNewton, UnMiroirMinceALaFlecheEstUnMenisqueDEpaisseurConstante)
{
    // A 2 mm blank is thinner than the mirror's 2.5 mm sag: both faces are curved, the back rim on the reference.
    Instrument.EpaisseurPrimaire = 2;
    TCanevasEnregistreur dessin(762, 350);
    DessineCoupeNewton(dessin);
    ASSERT_GT(RepereDessin.EchelleDessin, 0);
    EXPECT_EQ(BordsFaces.XBordFace2, RepereDessin.AbscisseOrigine);
    // Unset, the primary is drawn a tenth of its diameter thick: the drawing grows by 20 mm.
    const double epais = LongueurSchema;
    Instrument.EpaisseurPrimaire = 0;
    DessineCoupeNewton(dessin);
    EXPECT_NEAR(LongueurSchema - epais, 20 - 2, 1e-9);
}

// Whether the optical axis (dot 0-3, dash from 8, grey) was drawn across the band at the axis height.
bool AxeDessine(const TCanevasEnregistreur& canevas, int y)
{
    const auto& journal = canevas.Journal();
    for (std::size_t i = 0; i + 1 < journal.size(); ++i)
        if (journal[i].Operation == TOperationCanevas::MoveTo && journal[i].Valeurs == std::vector<int>{0, y} &&
            journal[i + 1].Operation == TOperationCanevas::LineTo && journal[i + 1].Stylo.Couleur == CouleurGrise)
            return true;
    return false;
}

TEST_F(CoupeNewton, UnRayonQuiNePasseNullePartArreteLeDessinApresMillePas)
{
    // A 250 mm mirror at prime focus before a glass plate open over a pinhole: the lower edge ray is moved in by
    // 0.1 mm from 125 mm and would need 1250 steps to reach the axis.
    struct TCas
    {
        double Trou;
        bool Axe;
    };
    for (const TCas cas : {TCas{20, true}, TCas{0.001, false}})
    {
        SCOPED_TRACE(cas.Trou);
        ConstruitFormeValide(TTypeInstrument::Newton);
        Instrument.DiametreEntree = 250;
        Instrument.DistanceSecondaireFoyer = 0;
        Instrument.DiametreSecondaire = 0;
        Dispositif.NombreDioptres = 2;
        LigneDispositif(1, RayonPlan, 5, cas.Trou, BK7);
        LigneDispositif(2, RayonPlan, 20, cas.Trou, Air);
        AppliqueIndices();
        VerifieValidite();
        TCanevasEnregistreur dessin(762, 350);
        DessineCoupeNewton(dessin);
        ASSERT_TRUE(PorteCoupeOuverte());
        EXPECT_EQ(AxeDessine(dessin, RepereDessin.OrdonneeAxe), cas.Axe);

        // On paper the position still moves past the band.
        auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
        ImpressionEtat.PasLigneImpression = 99;
        ImpressionEtat.HauteurBlocImprime = 2377;
        MiseEnPage.OrdonneeCourante = 1000;
        ImprimeCoupeNewton(*page);
        EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 2377 + 99);
    }
}

TEST_F(CoupeNewton, LaCoupeLaisseLaConceptionCommeElleEtait)
{
    DispositifDeuxLentilles();
    const TConceptionSauvee avant = TConceptionSauvee::Lue();
    TCanevasImage dessin(762, 350);
    DessineCoupeInstrument(dessin);
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImpressionEtat.PasLigneImpression = 99;
    ImpressionEtat.MargeImpression = 100;
    MiseEnPage.OrdonneeCourante = 1000;
    ImprimeCoupeInstrument(*page);
    EXPECT_TRUE(MemeConception(avant, TConceptionSauvee::Lue()));
}

class CoupeNewtonImprimee : public CoupeNewton
{
protected:
    void SetUp() override
    {
        CoupeNewton::SetUp();
        ImpressionEtat.PasLigneImpression = 99;
        ImpressionEtat.MargeImpression = 100;
        ImpressionEtat.EpaisseurTraitImpression = 8;
        MiseEnPage.OrdonneeCourante = 1000;
        MiseEnPage.AbscisseCourante = 100;
        DocumentFiche.CheminDocument = "/home/essai/essai.qvd";
    }

    std::unique_ptr<TCanevasEnregistreur> Page = TCanevasEnregistreur::Page(4960, 7016, 600);
    // The band: 350 pixels of a 762-pixel screen on a 4960-dot page, plus one line.
    const int Bande = static_cast<int>(std::lround(4960 * 350 / 762.0 + 99));
};

TEST_F(CoupeNewtonImprimee, LeBlocAvanceDuTitreDeLaBandeEtDUneLigne)
{
    ImprimeCoupeInstrument(*Page);
    EXPECT_EQ(ImpressionEtat.HauteurBlocImprime, Bande);
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 2 * 99 + Bande + 99);
    EXPECT_EQ(MiseEnPage.AbscisseCourante, 100);
    EXPECT_TRUE(TexteDessine(*Page, {.Texte = "Vue en coupe de l'instrument", .X = 100, .Y = 1099, .Gras = true}));
    for (const TAppelCanevas& appel : Page->Journal())
        EXPECT_NE(appel.Operation, TOperationCanevas::NouvellePage);
}

TEST_F(CoupeNewtonImprimee, UnePageTropCourteRepartSurUnePageTitreeDuDocument)
{
    MiseEnPage.OrdonneeCourante = 7016 - Bande + 1;
    ImprimeCoupeInstrument(*Page);
    ASSERT_FALSE(Page->Journal().empty());
    EXPECT_EQ(Page->Journal().front().Operation, TOperationCanevas::NouvellePage);
    EXPECT_TRUE(TexteDessine(*Page, {.Texte = "Suite de : essai.qvd", .X = 0, .Y = 0}));
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 99 + 2 * 99 + Bande + 99);
}

TEST_F(CoupeNewtonImprimee, UnDessinImpossibleNImprimeQueLaLigneDuMessage)
{
    DispositifDeuxLentilles();
    Dispositif.DiametreDioptre[2] = 0; // an incomplete device
    ImprimeCoupeInstrument(*Page);
    EXPECT_TRUE(TexteDessine(*Page, {.Texte = " Les données sont incomplètes ou incohérentes ", .Gras = true}));
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 2 * 99);
    for (const TAppelCanevas& appel : Page->Journal())
        EXPECT_NE(appel.Operation, TOperationCanevas::Rectangle);
    // The twin alone prints nothing and keeps the position.
    Page->EffaceJournal();
    ImprimeCoupeNewton(*Page);
    EXPECT_TRUE(Page->Journal().empty());
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 2 * 99);
}

TEST_F(CoupeNewtonImprimee, LesMiroirsSontEclaircisMaisPasLesVerresDuDispositif)
{
    DispositifDeuxLentilles();
    ImprimeCoupeInstrument(*Page);
    const TColor miroir = EclaircitCouleur(Instrument.TeinteMiroirs);
    bool plan = false, primaire = false, verre = false, verreEclairci = false, miroirPlein = false;
    for (const TAppelCanevas& appel : Page->Journal())
    {
        if (appel.Operation == TOperationCanevas::Polygon && appel.Pinceau.Couleur == miroir)
            plan = true;
        if (appel.Operation != TOperationCanevas::LineTo)
            continue;
        primaire = primaire || appel.Stylo.Couleur == miroir;
        miroirPlein = miroirPlein || appel.Stylo.Couleur == Instrument.TeinteMiroirs;
        verre = verre || appel.Stylo.Couleur == Reglages.TeinteVerre[0];
        verreEclairci = verreEclairci || appel.Stylo.Couleur == EclaircitCouleur(Reglages.TeinteVerre[0]);
    }
    EXPECT_TRUE(plan);
    EXPECT_TRUE(primaire);
    EXPECT_FALSE(miroirPlein);
    EXPECT_TRUE(verre);
    EXPECT_FALSE(verreEclairci);
    EXPECT_EQ(MiseEnPage.OrdonneeCourante, 1000 + 2 * 99 + Bande + 99);
}

} // namespace
