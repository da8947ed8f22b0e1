// The single-star view: the Strehl line and its formats, the perfect axis image of a paraboloid, the distortion's
// condition on the focus shift, the lost afocal chief ray reported once per failure, the transverse curves, the
// status line, the printed block, and a dense star drawn alike on one thread and on several.
#include "stars/ChampTextes.h"
#include "stars/EtoileUnique.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <functional>

#include "Conceptions.h"
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "optics/Diffraction.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "stars/MecaniqueEtoiles.h"
#include "support/Formes.h"

namespace {

class EtoileUnique : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }

    void Dessine()
    {
        Image.EffaceJournal();
        Fenetre.Dessin = &Image;
        Fenetre.BoiteDistance = &Boite;
        DessineEtoileUnique(Fenetre);
    }

    bool TexteCommencePar(const std::string& debut) const
    {
        for (const TAppelCanevas& texte : Image.Textes())
            if (texte.Texte.rfind(debut, 0) == 0)
                return true;
        return false;
    }

    TServicesDeTest Services;
    TCanevasEnregistreur Image{762, 550};
    TCanevasEnregistreur Boite{50, 17};
    TFenetreEtoiles Fenetre;
};

TEST_F(EtoileUnique, LaLigneDeStrehlSuitSonRapport)
{
    struct Cas
    {
        float rapport;
        const char* texte;
    };
    for (const Cas& cas : {Cas{0.05f, "Rapport de Strehl = 0.050 "}, Cas{0.5f, "Rapport de Strehl = 0.5 "},
                           Cas{1.0f, "Rapport de Strehl = 1 "}, Cas{0.1f, "Rapport de Strehl = 0.100 "},
                           Cas{0.0005f, nullptr}, Cas{0.001f, nullptr}})
    {
        SCOPED_TRACE(cas.rapport);
        const auto texte = TexteRapportStrehl(cas.rapport);
        ASSERT_EQ(texte.has_value(), cas.texte != nullptr);
        EXPECT_EQ(texte.value_or(""), cas.texte != nullptr ? cas.texte : "");
    }
}

// A paraboloid images the axis star perfectly: every ray falls inside the Airy circle (1.22 lambda F / D at
// 546.1 nm, less with the obstruction), so the Strehl estimate is 1; on the axis there is no distortion line and
// no focus arrow.
TEST_F(EtoileUnique, LeParaboloideSurLAxeEstParfait)
{
    NewtonEtoiles(true);
    Reglages.DistanceAxeEtoile = 0;
    Dessine();
    ASSERT_TRUE(Fenetre.DessinVisible);
    EXPECT_NEAR(Systeme.RayonAiryImage, 1.22 * 0.5461 * 5.0, 0.6);
    EXPECT_TRUE(TexteDessine(Image, {.Texte = "Rapport de Strehl = 1 ", .Y = 37}));
    EXPECT_FALSE(TexteCommencePar("Distorsion"));
    EXPECT_FALSE(TexteCommencePar("Foyer"));
    EXPECT_TRUE(TexteDessine(Image, {.Texte = " = 0.000 mm", .Y = 5}));

    int rayons = 0;
    Rayon.EstRayonReference = false;
    ParcourtPupille(15, true, [&](int) {
        TraceRayonGrille();
        if (Rayon.RayonBloque || Rayon.RayonPerdu)
            return true;
        TImageRayon image;
        EXPECT_TRUE(ImageRayon(image));
        EXPECT_LT(std::hypot(image.Meridien, image.Sagittal), Systeme.RayonAiryImage / 1000.0);
        ++rayons;
        return true;
    });
    EXPECT_GT(rayons, 300);
}

// A Schmidt camera images a star 1 degree off the axis on its curved field, at the arc (R - F1) u = 17.486 mm from
// the axis, as sharply as on the axis and without distortion: its stop lies at the mirror's centre of curvature.
TEST_F(EtoileUnique, LaChambreDeSchmidtImageSurSonChampCourbe)
{
    SchmidtEtoiles();
    ASSERT_TRUE(Instrument.ChampCourbe);
    Reglages.DistanceAxeEtoile = 60;
    Dessine();
    ASSERT_TRUE(Fenetre.DessinVisible);
    EXPECT_TRUE(TexteDessine(Image, {.Texte = " = 17.486 mm", .Y = 5}));
    EXPECT_TRUE(TexteDessine(Image, {.Texte = "Rapport de Strehl = 1 ", .Y = 37}));
    bool distorsion = false;
    for (const TAppelCanevas& texte : Image.Textes())
    {
        const std::size_t egal = texte.Texte.find(" mm = ");
        if (texte.Texte.rfind("Distorsion = ", 0) == 0 && egal != std::string::npos)
        {
            EXPECT_LT(std::abs(std::stod(texte.Texte.substr(egal + 6))), 0.01) << texte.Texte;
            distorsion = true;
        }
    }
    EXPECT_TRUE(distorsion);
    EXPECT_EQ(Services.Bip.Total(), 0);
}

// The distortion is written only without a positive focus shift: -2 mm shows it, 0.5 mm hides it.
TEST_F(EtoileUnique, LaDistorsionDependDuDecalageDeMiseAuPoint)
{
    for (const auto& [decalage, montree] : {std::pair{-2.0f, true}, {0.5f, false}, {0.0f, true}})
    {
        SCOPED_TRACE(decalage);
        NewtonEtoiles(true);
        Reglages.DistanceAxeEtoile = 10;
        Reglages.DecalageMiseAuPoint = decalage;
        Dessine();
        ASSERT_TRUE(Fenetre.DessinVisible);
        EXPECT_EQ(TexteCommencePar("Distorsion = "), montree);
        EXPECT_TRUE(TexteCommencePar("Luminosité = "));
    }
}

// An afocal star beyond the field the eyepiece takes: the first drawing says so, puts back the last working
// distance and stops; a second failing drawing in a row draws on silently; the third says it again. A click on
// the distance box saves the distance and clears the flag.
TEST_F(EtoileUnique, LeRayonCentralPerduEstSignaleUneFoisParEchec)
{
    NewtonOculaire();
    Reglages.DistanceAxeEtoile = 30;
    EtatEtoileUnique.DistanceAxeEtoileValide = 10;

    Services.Question.Repond(ReponseOk);
    Dessine();
    ASSERT_EQ(Services.Question.Posees.size(), 1u);
    EXPECT_EQ(Services.Question.Posees[0].Titre, "Quivane - Analyse Etoile Unique");
    EXPECT_EQ(Services.Question.Posees[0].Ligne1, MessageRayonCentralPerdu);
    EXPECT_EQ(Services.Question.Posees[0].Icone, TIconeQuestion::Stop);
    EXPECT_EQ(Services.Question.Posees[0].Largeur, 420);
    EXPECT_EQ(Services.Bip.Nombre(48), 1);
    EXPECT_EQ(Reglages.DistanceAxeEtoile, 10);
    EXPECT_TRUE(EtatEtoileUnique.MessageRayonPrincipalAffiche);
    EXPECT_FALSE(TexteCommencePar("Distance à l'axe"));

    Reglages.DistanceAxeEtoile = 30;
    Dessine();
    EXPECT_EQ(Services.Question.Posees.size(), 1u);
    EXPECT_FALSE(EtatEtoileUnique.MessageRayonPrincipalAffiche);
    EXPECT_TRUE(TexteCommencePar("Distance à l'axe sur l'image = "));

    Services.Question.Repond(ReponseOk);
    Dessine();
    EXPECT_EQ(Services.Question.Posees.size(), 2u);
    EXPECT_EQ(Reglages.DistanceAxeEtoile, 10);

    // The restored distance works: the drawing goes through and leaves the flag as it was.
    Dessine();
    EXPECT_EQ(Services.Question.Posees.size(), 2u);
    EXPECT_TRUE(EtatEtoileUnique.MessageRayonPrincipalAffiche);
    EXPECT_FALSE(TexteCommencePar("Rapport de Strehl"));
    EXPECT_TRUE(TexteCommencePar("Distorsion = "));
    // The refresh gives the distance box the afocal step, in degrees.
    FixeReglagesVues();
    EXPECT_EQ(Reglages.PasBoiteDistance, static_cast<float>(Reglages.PasEtoileUniqueAfocal));
}

// A defocused star's transverse curves are straight slopes through the boxes' centres, drawn in black on the
// white boxes with a single pass; the pupil's rim maps 140 pixels either side.
TEST_F(EtoileUnique, LesCourbesTransversalesTraversentLeursBoites)
{
    NewtonEtoiles(false);
    Reglages.DistanceAxeEtoile = 0;
    Reglages.DecalageMiseAuPoint = 0.05f;
    Fenetre.Transversales = true;
    Dessine();
    ASSERT_TRUE(Fenetre.DessinVisible);
    const int x0 = 762 / 3;
    int noirsMeridien = 0;
    for (int x = x0 - 140; x <= x0 + 140; ++x)
        for (int y = 550 - 69; y < 550; ++y)
            noirsMeridien += y != 550 - 35 && x != x0 && Image.Pixels(x, y) == clBlack;
    int noirsSagittal = 0;
    for (int y = 275 - 140; y <= 275 + 140; ++y)
        for (int x = 762 - 69; x < 762; ++x)
            noirsSagittal += x != 762 - 35 && y != 275 && Image.Pixels(x, y) == clBlack;
    EXPECT_GT(noirsMeridien, 100);
    EXPECT_GT(noirsSagittal, 100);
}

TEST_F(EtoileUnique, LaLigneDEtatDitLaDensiteOuLeRetour)
{
    NewtonEtoiles(true);
    Dessine();
    EXPECT_EQ(Fenetre.TexteStatut, "Densité = 30 rayons / diamètre");
    EXPECT_TRUE(Fenetre.ZoomAvantActif);
    Fenetre.RetourEtoileMultiple = true;
    Reglages.ZoomEtoileUnique = 128;
    Dessine();
    EXPECT_EQ(Fenetre.TexteStatut, "Double-clic sur l'image pour revenir en affichage Etoile Multiple");
    EXPECT_FALSE(Fenetre.ZoomAvantActif);
    EXPECT_TRUE(Fenetre.ZoomArriereActif);
}

// On paper a lost afocal chief ray ends the block silently: no message, the distance and the flag untouched, and
// the print position past the block all the same.
TEST_F(EtoileUnique, ImprimeSansMessageQuandLeRayonCentralEstPerdu)
{
    NewtonOculaire();
    Reglages.DistanceAxeEtoile = 30;
    EtatEtoileUnique.DistanceAxeEtoileValide = 10;
    TPositionImpression position{100, 100, 1000, 8, "essai.qvd"};
    auto page = TCanevasEnregistreur::Page(4960, 7016, 600);
    ImprimeEtoileUnique(*page, position, true);
    EXPECT_TRUE(Services.Question.Posees.empty());
    EXPECT_EQ(Reglages.DistanceAxeEtoile, 30);
    EXPECT_FALSE(EtatEtoileUnique.MessageRayonPrincipalAffiche);
    EXPECT_EQ(position.OrdonneeCourante, 1000 + 96 + 3300 + 96);
    EXPECT_TRUE(page->Textes().empty());
}

TEST_F(EtoileUnique, UneFocaleDeCentCinquanteMillionsDeKilometresSeDessineSansAttendre)
{
    // A Newton of focal length 1.5e11 mm, as a file gave it: its Airy circle, billions of pixels wide, was drawn
    // chord by chord for minutes.
    NewtonEtoiles(false);
    Instrument.FocalePrimaire = 1.5e11;
    Instrument.RayonCourburePrimaire = 3e11;
    Instrument.RayonPrimaireCube = std::pow(3e11, 3);
    Instrument.RayonPrimairePuissance5 = std::pow(3e11, 5);
    Instrument.FocaleObjectif = Instrument.FocalePrimaire;
    PrepareSysteme();
    CalculeTacheDiffraction();
    const auto debut = std::chrono::steady_clock::now();
    Dessine();
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(2));
}

} // namespace

// On paper the block is the screen's layout scaled to the page, its texts too: whatever the printer's resolution,
// the heading rows keep one line apart and every text ends inside the frame.
TEST_F(EtoileUnique, LesTextesImprimesSuiventLEchelleDuCadre)
{
    for (const int resolution : {300, 600, 1200})
    {
        SCOPED_TRACE(resolution);
        NewtonEtoiles(true);
        Reglages.DistanceAxeEtoile = 10;
        const int largeurPage = 8268 * resolution / 1000;
        const int marge = resolution / 3;
        TPositionImpression position{marge, marge, marge, 1, "essai.qvd"};
        auto page = TCanevasEnregistreur::Page(largeurPage, 11693 * resolution / 1000, resolution);
        ImprimeEtoileUnique(*page, position, true);
        const int k = (largeurPage - 2 * marge) / 762;
        const int gauche = (largeurPage - 762 * k) / 2;
        const int droite = gauche + 762 * k;
        const int ligne = 16 * k;
        int textes = 0;
        for (const TAppelCanevas& appel : page->Textes())
        {
            if (appel.Texte.rfind("Suite de", 0) == 0)
                continue;
            SCOPED_TRACE(appel.Texte);
            page->Police() = appel.Police;
            EXPECT_LE(appel.Valeurs[0] + page->TextWidth(appel.Texte), droite);
            EXPECT_LE(page->TextHeight(appel.Texte), ligne);
            ++textes;
        }
        EXPECT_GE(textes, 6);
    }
}

// A dense star is traced on several threads: what is drawn, in the same order, the counts and the sum of the image
// heights are what one thread gives, to the last bit, on a device of several surfaces, the Cassegrain's aspheric
// secondary, the refractor's group, the Maksutov's meniscus and the curved field of the Schmidt camera.
TEST_F(EtoileUnique, PlusieursFilsDessinentCommeUnSeul)
{
    const std::function<void()> conceptions[] = {
        [] { NewtonDispositif(8); },
        [] { ConstruitFormeDerivee(TTypeInstrument::Cassegrain); },
        [] { ConstruitFormeDerivee(TTypeInstrument::Lunette); },
        [] { ConstruitFormeDerivee(TTypeInstrument::MaksutovCassegrain); },
        SchmidtEtoiles,
    };
    const int filsMachine = FilsEtoiles;
    for (std::size_t c = 0; c < std::size(conceptions); ++c)
    {
        SCOPED_TRACE(c);
        struct TResultat
        {
            std::vector<TAppelCanevas> journal;
            int passes = 0;
            int traces = 0;
            double somme = 0;
        };
        std::vector<TResultat> resultats;
        for (const int fils : {1, 4})
        {
            conceptions[c]();
            Reglages.DistanceAxeEtoile = 20;
            Reglages.DensiteEtoileUnique = 100;
            Fenetre.Transversales = true;
            FilsEtoiles = fils;
            Dessine();
            ASSERT_TRUE(Fenetre.DessinVisible);
            resultats.push_back(
                {Image.Journal(), Systeme.NombreRayonsPasses, Systeme.NombreRayonsTraces, Etoiles.SommeHauteursImage});
        }
        FilsEtoiles = filsMachine;
        const TResultat& un = resultats[0];
        const TResultat& plusieurs = resultats[1];
        // Enough rays in a pass for three threads, and many of them plotted.
        EXPECT_GE(un.traces / Systeme.NombreCouleurs, 3 * RayonsParFil);
        EXPECT_GT(un.passes, 1000);
        EXPECT_EQ(plusieurs.passes, un.passes);
        EXPECT_EQ(plusieurs.traces, un.traces);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(plusieurs.somme), std::bit_cast<std::uint64_t>(un.somme));
        ASSERT_EQ(plusieurs.journal.size(), un.journal.size());
        for (std::size_t k = 0; k < un.journal.size(); ++k)
        {
            const TAppelCanevas& a = un.journal[k];
            const TAppelCanevas& b = plusieurs.journal[k];
            ASSERT_TRUE(a.Operation == b.Operation && a.Valeurs == b.Valeurs && a.Texte == b.Texte &&
                        a.Couleur == b.Couleur)
                << "call " << k << " " << a.Texte << " / " << b.Texte;
        }
    }
}
