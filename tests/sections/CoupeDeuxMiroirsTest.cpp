// The sections of the two-mirror telescopes and of the Schmidt camera with the real tracer: every form drawn and
// printed with and without a lens device, the size boxes and focus marks, the Schmidt-Cassegrain without secondary
// handed to the Schmidt camera, and designs whose geometry cannot be built.
#include "CoupesDeTest.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"
#include "sections/CoupeCassegrain.h"
#include "sections/CoupeSchmidt.h"
#include "sections/Primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using T = TTypeInstrument;

// A form of the table: the Schmidt-Cassegrain without secondary is the form 6 with no secondary.
struct TForme
{
    const char* Nom;
    T Type;
    bool SansSecondaire = false;
};

void Construit(const TForme& forme)
{
    ConstruitFormeValide(forme.Type);
    if (forme.SansSecondaire)
        Instrument.DiametreSecondaire = 0;
    RederiveForme();
}

class CoupeDeuxMiroirs : public CoupeDeTest
{};

const TForme Formes[] = {
    {"Cassegrain", T::Cassegrain},
    {"Ritchey-Chretien", T::RitcheyChretien},
    {"Gregory", T::Gregory},
    {"Dall-Kirkham", T::DallKirkham},
    {"Schwarzschild", T::Schwarzschild},
    {"Schmidt-Cassegrain", T::SchmidtCassegrain},
    {"Schmidt-Cassegrain without secondary", T::SchmidtCassegrain, true},
    {"Schmidt camera", T::Schmidt},
};

TEST_F(CoupeDeuxMiroirs, ChaqueFormeSeDessineEtSImprimeSansToucherLaConception)
{
    for (const TForme& forme : Formes)
        for (const bool dispositif : {false, true})
        {
            SCOPED_TRACE(std::string(forme.Nom) + (dispositif ? " with a device" : ""));
            Construit(forme);
            if (dispositif)
                DispositifDeuxLentilles();
            ASSERT_TRUE(Validite.InstrumentValide);
            ASSERT_EQ(Validite.SansSecondaire, forme.SansSecondaire);
            ASSERT_EQ(Validite.DispositifPresent, dispositif);
            DessineEtImprimeSansToucherLaConception(std::string(forme.Nom) + (dispositif ? "-d" : ""));
        }
}

TEST_F(CoupeDeuxMiroirs, LesBoitesDuSecondaireEtDuTrouSuiventLeursSeuilsEtRecouvrentLeDessin)
{
    // The Cassegrain's secondary must be p D / F1 = 240 x 200 / 1000 = 48 mm wide; the beam converging to the end of
    // the train, 200 mm behind the primary, is 200 / 4000 x 200 = 10 mm wide in the hole.
    struct TCas
    {
        const char* Nom;
        float Secondaire;
        double Trou;
        const char* Message;
        TColor Fond;
        TColor Faisceau;
    };
    const std::string secondaire = " Le miroir secondaire est trop petit ";
    const std::string trou = " Le trou central est trop petit ";
    const TCas cas[] = {
        {"secondary at its minimum", 48, 60, "", 0, CouleurRouge},
        {"secondary 0.1 mm short", 47.9f, 60, " Le miroir secondaire est trop petit ", CouleurFuchsia, CouleurBleuCiel},
        {"hole narrower than the beam", 60, 8, " Le trou central est trop petit ", CouleurOrange, CouleurVertClair},
        {"both: the secondary's alone", 40, 8, " Le miroir secondaire est trop petit ", CouleurFuchsia,
         CouleurBleuCiel},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ConstruitFormeDerivee(T::Cassegrain);
        ASSERT_DOUBLE_EQ(Instrument.DistanceFoyerPrimaireSecondaire * 200 / 1000, 48);
        Instrument.DiametreSecondaire = c.Secondaire;
        Instrument.DiametreTrouCentral = c.Trou;
        RederiveForme();
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        ASSERT_GT(RepereDessin.EchelleDessin, 0);
        EXPECT_FALSE(PixelsEnCouleur(dessin, c.Faisceau).empty());
        for (const TColor autre : {CouleurRouge, CouleurBleuCiel, CouleurVertClair})
            if (autre != c.Faisceau && autre != CouleurRouge)
            {
                EXPECT_TRUE(PixelsEnCouleur(dessin, autre).empty());
            }
        const std::string message = c.Message;
        for (const std::string& texte : {secondaire, trou})
            EXPECT_EQ(TexteDessine(dessin, {.Texte = texte, .Couleur = clWhite}), texte == message);
        if (message.empty())
            continue;
        // Drawn once in place, then again over everything, wider, outlined in the axis's grey.
        const int w = dessin.TextWidth(message);
        EXPECT_TRUE(TexteDessine(dessin, {.Texte = message, .X = 762 - w, .Y = 2, .Fond = c.Fond}));
        EXPECT_TRUE(TexteDessine(dessin, {.Texte = message, .X = 762 - w - 2, .Y = 2, .Fond = c.Fond}));
        const TAppelCanevas* boite = DernierRectangle(dessin);
        ASSERT_NE(boite, nullptr);
        EXPECT_EQ(boite->Valeurs, (std::vector<int>{762 - w - 4, 0, 762, 18}));
        EXPECT_EQ(boite->Stylo.Couleur, CouleurGrise);
        EXPECT_EQ(boite->Pinceau.Couleur, c.Fond);
    }
}

TEST_F(CoupeDeuxMiroirs, LeFoyerDuSchwarzschildPorteFrASaDroiteSansBoite)
{
    for (const T forme : {T::Cassegrain, T::Schwarzschild})
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ConstruitFormeDerivee(forme);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        // The final focus's square is the one inside the band (the primary focus may lie off it).
        int xFin = -1;
        for (const TPointCanevas carre : CarresFoyer(dessin))
            if (carre.X >= 0 && carre.X < 762 && carre.Y == RepereDessin.OrdonneeAxe)
                xFin = std::max(xFin, carre.X);
        ASSERT_GE(xFin, 0);
        const int w = dessin.TextWidth("Fr");
        const int x = forme == T::Schwarzschild ? xFin - w / 2 + w : xFin - w / 2;
        EXPECT_TRUE(TexteDessine(dessin, {.Texte = "Fr", .X = x, .Y = RepereDessin.OrdonneeAxe - 15}));
        bool boiteBlanche = false;
        for (const TAppelCanevas& appel : dessin.Journal())
            boiteBlanche = boiteBlanche || (appel.Operation == TOperationCanevas::Rectangle &&
                                            appel.Stylo.Couleur == clWhite && appel.Valeurs[0] == x);
        EXPECT_EQ(boiteBlanche, forme != T::Schwarzschild);
    }
}

TEST_F(CoupeDeuxMiroirs, UnSystemeAfocalNaNiPlanFocalNiFrEtSesRayonsSortentVersLeBord)
{
    ConstruitFormeDerivee(T::Cassegrain);
    Instrument.DiametreTrouCentral = 60;
    DispositifOculaire();
    ASSERT_TRUE(Validite.SystemeAfocal);
    TCanevasEnregistreur dessin(762, 550);
    DessineCoupeInstrument(dessin);
    ASSERT_TRUE(PorteCoupeOuverte());
    EXPECT_FALSE(TexteDessine(dessin, {.Texte = "Fr"}));
    EXPECT_TRUE(TexteDessine(dessin, {.Texte = "F1"}));
    // Only the primary focus has its square, and no grey line runs down the band.
    EXPECT_EQ(CarresFoyer(dessin).size(), 1u);
    for (const TAppelCanevas& appel : dessin.Journal())
        if (appel.Operation == TOperationCanevas::LineTo && appel.Stylo.Couleur == CouleurGrise)
        {
            EXPECT_EQ(appel.Valeurs[1], RepereDessin.OrdonneeAxe);
        }
    // The train ends on the drawing's reference point, 10 pixels from the edge: the rays, meant to go on 20 pixels
    // beyond it, stop on the image's last column.
    ASSERT_EQ(RepereDessin.AbscisseOrigine, 752);
    int xMax = 0;
    for (const TColor couleur : {CouleurRouge, CouleurVertClair})
        for (const TPointCanevas p : PixelsEnCouleur(dessin, couleur))
            xMax = std::max(xMax, p.X);
    EXPECT_EQ(xMax, 761);
}

TEST_F(CoupeDeuxMiroirs, UnSchmidtCassegrainSansSecondaireSeDessineEtSImprimeCommeLaChambreDeSchmidt)
{
    for (const bool dispositif : {false, true})
    {
        SCOPED_TRACE(dispositif);
        Construit({"", T::SchmidtCassegrain, true});
        if (dispositif)
            DispositifDeuxLentilles();
        ASSERT_TRUE(Validite.SansSecondaire);
        TCanevasEnregistreur parCassegrain(762, 550);
        TCanevasEnregistreur parSchmidt(762, 550);
        DessineCoupeCassegrain(parCassegrain);
        DessineCoupeSchmidt(parSchmidt);
        auto pageCassegrain = TCanevasEnregistreur::Page(4960, 7016, 600);
        auto pageSchmidt = TCanevasEnregistreur::Page(4960, 7016, 600);
        ImpressionEtat.PasLigneImpression = 99;
        ImpressionEtat.HauteurBlocImprime = 2377;
        MiseEnPage.OrdonneeCourante = 1000;
        ImprimeCoupeCassegrain(*pageCassegrain);
        MiseEnPage.OrdonneeCourante = 1000;
        ImprimeCoupeSchmidt(*pageSchmidt);
        for (const auto& [a, b] :
             {std::pair{&parCassegrain, &parSchmidt}, std::pair{pageCassegrain.get(), pageSchmidt.get()}})
        {
            ASSERT_GT(a->Journal().size(), 100u);
            ASSERT_EQ(a->Journal().size(), b->Journal().size());
            for (std::size_t i = 0; i < a->Journal().size(); ++i)
            {
                const TAppelCanevas& x = a->Journal()[i];
                const TAppelCanevas& y = b->Journal()[i];
                ASSERT_TRUE(x.Operation == y.Operation && x.Valeurs == y.Valeurs && x.Texte == y.Texte &&
                            x.Couleur == y.Couleur && x.Stylo.Couleur == y.Stylo.Couleur &&
                            x.Pinceau.Couleur == y.Pinceau.Couleur)
                    << "call " << i << ": " << NomOperation(x.Operation);
            }
        }
    }
}

TEST_F(CoupeDeuxMiroirs, UneGeometrieImpossibleNeDessineQueCeQuiPeutLEtre)
{
    struct TCas
    {
        const char* Nom;
        T Forme;
        std::function<void()> Change;
        bool TrouDansLaLame = false;
        // The reference ray passes beside the secondary's sphere too: the system has no focus, the computation
        // fails while the first drawing solves it.
        bool SansFoyer = false;
    };
    const TCas cas[] = {
        {"a rim ray passing beside the secondary's sphere", T::Cassegrain,
         [] {
             Instrument.RayonCourbureSecondaire = 15;
             Instrument.DiametreSecondaire = 20;
         },
         false, true},
        {"a secondary narrower than its sphere allows", T::Gregory, [] { Instrument.RayonCourbureSecondaire = 30; }},
        {"a curved field wider than its sphere", T::Schmidt,
         [] {
             Instrument.ChampCourbe = true;
             Instrument.DiametreChampPleineLumiere = 2100;
         }},
        {"a secondary behind the plate", T::SchmidtCassegrain, [] {}},
        {"a secondary beyond the plate", T::SchmidtCassegrain,
         [] {
             Instrument.DistanceLameMiroir = 280;
             RederiveForme();
         },
         true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ConstruitFormeDerivee(c.Forme);
        c.Change();
        ASSERT_TRUE(Validite.InstrumentValide);
        TCanevasImage image(762, 550);
        DessineCoupeInstrument(image);
        EXPECT_GT(PixelsDessines(image), 500);
        EXPECT_EQ(Systeme.CalculEchoue, c.SansFoyer);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        EXPECT_TRUE(CoordonneesBornees(dessin));
        // The axis is drawn, the last thing but the boxes.
        bool axe = false;
        for (const TAppelCanevas& appel : dessin.Journal())
            axe = axe || (appel.Operation == TOperationCanevas::LineTo && appel.Stylo.Couleur == CouleurGrise &&
                          appel.Valeurs[1] == RepereDessin.OrdonneeAxe);
        EXPECT_EQ(axe, !c.SansFoyer);
        // Without a focus the next drawing says so instead.
        bool refus = false;
        for (const TAppelCanevas& appel : dessin.Journal())
            refus = refus || appel.Texte == TexteDonneesIncompletes;
        EXPECT_EQ(refus, c.SansFoyer);
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
        const auto page = Imprime();
        EXPECT_TRUE(CoordonneesBornees(*page));
        if (c.Forme == T::Schmidt)
        {
            // The holder drawn flat, 5 pixels wide at the focus.
            bool plat = false;
            for (const TAppelCanevas& appel : dessin.Journal())
                plat = plat || (appel.Operation == TOperationCanevas::Rectangle && appel.Pinceau.Couleur == 0x00FFFF &&
                                appel.Valeurs[2] - appel.Valeurs[0] == 5);
            EXPECT_TRUE(plat);
        }
        if (c.Forme == T::SchmidtCassegrain)
        {
            // The hole is cleared in white over the plate, in the band's left half ("Fr" has its white box at the
            // right).
            bool trou = false;
            for (const TAppelCanevas& appel : dessin.Journal())
                trou = trou || (appel.Operation == TOperationCanevas::Rectangle && appel.Stylo.Couleur == clWhite &&
                                appel.Pinceau.Couleur == clWhite && appel.Valeurs[2] < 381);
            EXPECT_EQ(trou, c.TrouDansLaLame);
        }
    }
}

TEST_F(CoupeDeuxMiroirs, LaChambreDeSchmidtSignaleUnMiroirOuUneLameTropPetits)
{
    const std::string miroir = " Le miroir primaire est trop petit ";
    const std::string lame = " La Lame est trop petite pour ce miroir ";
    struct TCas
    {
        const char* Nom;
        double Miroir;
        float Champ;
        bool BoiteMiroir, BoiteLame;
    };
    // The plate is 200 mm wide; the marginal ray meets the mirror a little above 100 mm.
    const TCas cas[] = {
        {"mirror wide enough, field the plate's width", 300, 200, false, false},
        {"field wider than the plate", 300, 201, false, true},
        {"mirror as wide as the plate", 200, 100, true, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ConstruitFormeDerivee(T::Schmidt);
        Instrument.DiametreMiroir = c.Miroir;
        Instrument.DiametreChampPleineLumiere = c.Champ;
        VerifieValidite();
        ASSERT_TRUE(Validite.InstrumentValide);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        // The mirror's box at the top left, outlined red; the plate's at the top right, outlined grey.
        const int wMiroir = dessin.TextWidth(miroir);
        const int wLame = dessin.TextWidth(lame);
        EXPECT_EQ(TexteDessine(dessin, {.Texte = miroir, .X = 0, .Y = 2, .Couleur = clWhite, .Fond = CouleurFuchsia}),
                  c.BoiteMiroir);
        EXPECT_EQ(TexteDessine(dessin, {.Texte = lame, .X = 762 - wLame, .Y = 2, .Couleur = clWhite}), c.BoiteLame);
        for (const TAppelCanevas& appel : dessin.Journal())
            if (appel.Operation == TOperationCanevas::Rectangle && appel.Pinceau.Couleur == CouleurFuchsia)
            {
                const bool aGauche = appel.Valeurs[0] == 0;
                const std::vector<int> attendu =
                    aGauche ? std::vector<int>{0, 0, wMiroir, 18} : std::vector<int>{762 - wLame, 0, 762, 18};
                EXPECT_EQ(appel.Valeurs, attendu);
                EXPECT_EQ(appel.Stylo.Couleur, aGauche ? CouleurRouge : CouleurGrise);
            }
    }
}

TEST_F(CoupeDeuxMiroirs, UneLameSansEpaisseurGardeUnVingtiemeDeLOuvertureDansLeDessin)
{
    // Thicknesses given to the mirrors, none to the plate (a plate without profile may have none): the layout adds
    // D / 20 = 10 mm for it, in every form.
    for (const T forme : {T::Cassegrain, T::RitcheyChretien, T::Gregory, T::DallKirkham, T::Schwarzschild,
                          T::SchmidtCassegrain, T::Schmidt})
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ConstruitFormeValide(forme);
        Instrument.EpaisseurPrimaire = 30;
        Instrument.EpaisseurSecondaire = 10;
        Instrument.EpaisseurLame = 0;
        Instrument.ProfilLame = ProfilAucun;
        RederiveForme();
        ASSERT_TRUE(Validite.InstrumentValide);
        TCanevasEnregistreur dessin(762, 550);
        DessineCoupeInstrument(dessin);
        ASSERT_TRUE(PorteCoupeOuverte());
        const double allonge = forme == T::SchmidtCassegrain ? 1.02 : 1;
        EXPECT_NEAR(LongueurSchema, (Instrument.LongueurInstrument + 10) * allonge, 1e-9);
        EXPECT_DOUBLE_EQ(Instrument.EpaisseurLameDessin, 10);
    }
}

} // namespace
