// The star views' mechanics: the pupil grid, the division, the chief ray and its aiming, the plotting of hits on
// screen and on paper, and the coma of an off-axis star against third-order theory.
#include "stars/MecaniqueEtoiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "Conceptions.h"
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "optics/Diffraction.h"
#include "optics/FormulesCatadioptriques.h"
#include "optics/FormulesDeuxMiroirs.h"
#include "optics/FormulesSchmidt.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/PrepareSysteme.h"
#include "optics/Validite.h"
#include "platform/CanevasImage.h"
#include "support/Formes.h"
#include "support/MemeRayon.h"

namespace {

constexpr double Pi = std::numbers::pi;

class MecaniqueEtoiles : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { AssureApplicationGraphique(); }
    TServicesDeTest Services;
};

int RayonsGrille(int densite, bool ferme)
{
    int rayons = 0;
    ParcourtPupille(densite, ferme, [&](int) {
        ++rayons;
        return true;
    });
    return rayons;
}

// The counts of a pass over half the pupil: the six-star rule keeps the rim out, the single-star rule traces it.
TEST_F(MecaniqueEtoiles, LaGrilleCompteSesRayonsSelonSaRegle)
{
    NewtonEtoiles(true);
    struct Cas
    {
        int densite;
        bool ferme;
        int rayons;
    };
    for (const Cas& cas : {Cas{10, false, 162}, Cas{15, true, 370}, Cas{5, false, 39}, Cas{5, true, 46}})
    {
        SCOPED_TRACE(cas.densite);
        EXPECT_EQ(RayonsGrille(cas.densite, cas.ferme), cas.rayons);
    }
    // A density of 0 walks the grid of density 1 instead of dividing by zero.
    EXPECT_EQ(RayonsGrille(0, true), RayonsGrille(1, true));
}

// Rows go outward from the axis, and along a row the rays alternate about the axis: 0, +s, -s, +2s, -2s ...
TEST_F(MecaniqueEtoiles, LaGrilleAlterneAutourDeLAxeRangParRang)
{
    NewtonEtoiles(true);
    std::vector<std::pair<double, double>> points;
    std::vector<int> rangs;
    ParcourtPupille(10, false, [&](int rang) {
        points.emplace_back(Rayon.XDepart, Rayon.YDepart);
        rangs.push_back(rang);
        return true;
    });
    const double s = 10.0;
    const std::vector<double> debut = {0, s, -s, 2 * s, -2 * s, 3 * s};
    for (std::size_t i = 0; i < debut.size(); ++i)
    {
        EXPECT_NEAR(points[i].first, debut[i], 1e-9);
        EXPECT_EQ(points[i].second, 0.0);
    }
    EXPECT_TRUE(std::is_sorted(rangs.begin(), rangs.end()));
    EXPECT_EQ(rangs[debut.size()], 0);
    EXPECT_NEAR(points[static_cast<std::size_t>(std::find(rangs.begin(), rangs.end(), 9) - rangs.begin())].second, 90.0,
                1e-9);
}

TEST_F(MecaniqueEtoiles, LaDivisionSuitLeZoom)
{
    for (const auto& [zoom, division] : {std::pair{1, 10}, {2, 10}, {4, 5}, {8, 5}, {16, 1}, {128, 1}, {256, 1}})
    {
        SCOPED_TRACE(zoom);
        EXPECT_EQ(GraduationPourZoom(zoom), division);
    }
}

// A star on the axis images on the axis, and an image exactly on the axis counts as below it.
TEST_F(MecaniqueEtoiles, UneEtoileSurLAxeALeSigneMoins)
{
    for (bool afocal : {false, true})
    {
        SCOPED_TRACE(afocal);
        afocal ? NewtonOculaire() : NewtonEtoiles(true);
        PrepareSysteme();
        FixeSystemeAfocal();
        ASSERT_EQ(Validite.SystemeAfocal, afocal);
        FixeAngleChamp(AngleChampEtoile(0.0));
        Etoiles.SigneImage = 1;
        EXPECT_EQ(ViseRayonPrincipal(0.0), TVisee::Trouvee);
        EXPECT_EQ(Systeme.HauteurImagePrincipale, 0.0);
        EXPECT_EQ(Etoiles.SigneImage, -1);
    }
}

// The eyepiece's chief ray is aimed until it leaves at the wanted apparent angle. Past the field the eyepiece can
// take, the aiming gives up within its bound and reports the chief ray lost.
TEST_F(MecaniqueEtoiles, LaViseeAfocaleAtteintLAngleApparent)
{
    NewtonOculaire();
    PrepareSysteme();
    FixeSystemeAfocal();
    ASSERT_TRUE(Validite.SystemeAfocal);
    ASSERT_NEAR(Systeme.GrossissementAfocal, 40.0, 1.0);
    for (double degres : {2.0, 10.0})
    {
        SCOPED_TRACE(degres);
        FixeAngleChamp(AngleChampEtoile(degres));
        ASSERT_EQ(ViseRayonPrincipal(degres), TVisee::Trouvee);
        EXPECT_LE(std::abs(degres * Pi / 180.0 - std::abs(Systeme.HauteurImagePrincipale)), 1e-7);
        EXPECT_GT(Rayon.AngleChamp, 0.0);
    }
    FixeAngleChamp(AngleChampEtoile(89.0));
    EXPECT_EQ(ViseRayonPrincipal(89.0), TVisee::Perdue);
    EXPECT_TRUE(Rayon.RayonPerdu);
}

TImageRayon ImagePupille(double x, double y)
{
    Rayon.XDepart = x;
    Rayon.YDepart = y;
    TraceRayonGrille();
    TImageRayon image;
    EXPECT_FALSE(Rayon.RayonBloque || Rayon.RayonPerdu);
    EXPECT_TRUE(ImageRayon(image));
    return image;
}

// A paraboloid's coma at 0.25 degree: the flare runs from the chief ray's image to its tip, where the two rim rays
// of the meridian meet, over 3 theta D^2 / (16 F); the rim's circle, half the flare's width, is a third of that.
// Pairs of rays symmetric about the axis cancel the field's curvature and astigmatism, which are odd in the pupil.
TEST_F(MecaniqueEtoiles, LaComaDuParaboloideSuitLeTroisiemeOrdre)
{
    NewtonEtoiles(true);
    PrepareSysteme();
    FixeSystemeAfocal();
    const double theta = 0.25 * Pi / 180.0;
    FixeAngleChamp(AngleChampEtoile(15.0));
    ASSERT_EQ(ViseRayonPrincipal(15.0), TVisee::Trouvee);
    Rayon.EstRayonReference = false;
    const double pointe = (ImagePupille(100, 0).Meridien + ImagePupille(-100, 0).Meridien) / 2.0;
    const double a = 100.0 / std::sqrt(2.0);
    const double demiLargeur = std::abs(ImagePupille(a, a).Sagittal - ImagePupille(-a, a).Sagittal) / 2.0;
    const double attendue = 3.0 * theta * 200.0 * 200.0 / (16.0 * 1000.0);
    EXPECT_NEAR(std::abs(pointe), attendue, 0.02 * attendue);
    EXPECT_NEAR(demiLargeur, attendue / 3.0, 0.02 * attendue / 3.0);
}

// On screen a hit adds its colour to the pixel: green, red and blue on one pixel build up to white, and a hit
// leaves its neighbours alone.
TEST_F(MecaniqueEtoiles, LesImpactsSeMelangentParOu)
{
    TCanevasImage image(20, 20);
    image.Pinceau().Couleur = clBlack;
    image.FillRect(0, 0, 20, 20);
    PointOu(image, 5, 6, clLime);
    EXPECT_EQ(image.Pixels(5, 6), clLime);
    PointOu(image, 5, 6, clRed);
    EXPECT_EQ(image.Pixels(5, 6), clYellow);
    PointOu(image, 5, 6, clBlue);
    EXPECT_EQ(image.Pixels(5, 6), clWhite);
    EXPECT_EQ(image.Pixels(6, 6), clBlack);
    PointOu(image, -1, 25, clRed);
}

// On paper the three pass colours lie side by side in strokes 3 dots apart; any other colour is a square of k dots.
TEST_F(MecaniqueEtoiles, UnImpactImprimeEstUnTraitParCouleur)
{
    struct Cas
    {
        TColor couleur;
        int decalage;
    };
    for (const Cas& cas : {Cas{clRed, 1}, Cas{clLime, 0}, Cas{clBlue, -1}})
    {
        SCOPED_TRACE(cas.couleur);
        auto page = TCanevasEnregistreur::Page(5000, 7000, 600);
        PointImprime(*page, 100, 200, cas.couleur, 7, 8);
        std::vector<int> traits;
        for (const TAppelCanevas& appel : page->Journal())
        {
            if (appel.Operation == TOperationCanevas::LineTo)
            {
                traits.push_back(appel.Valeurs[0]);
                EXPECT_EQ(appel.Valeurs[1], 207);
                EXPECT_EQ(appel.Stylo.Couleur, cas.couleur);
                EXPECT_EQ(appel.Stylo.Epaisseur, 1);
            }
        }
        // k = 7: m = 1, two strokes.
        EXPECT_EQ(traits, (std::vector<int>{100 + cas.decalage, 103 + cas.decalage}));
        EXPECT_EQ(page->Stylo().Epaisseur, 8);
    }
    auto page = TCanevasEnregistreur::Page(5000, 7000, 600);
    PointImprime(*page, 100, 200, clWhite, 7, 8);
    const auto& journal = page->Journal();
    ASSERT_FALSE(journal.empty());
    for (const TAppelCanevas& appel : journal)
    {
        EXPECT_EQ(appel.Operation, TOperationCanevas::Rectangle);
        EXPECT_EQ(appel.Valeurs, (std::vector<int>{100, 200, 107, 207}));
        EXPECT_EQ(appel.Pinceau.Couleur, clWhite);
    }
}

// The colour passes: three only when asked for and every traced glass has its red and blue indices.
TEST_F(MecaniqueEtoiles, LesPassesDeCouleurSuiventLesVerres)
{
    NewtonEtoiles(true);
    Reglages.AnalyseChromatique = true;
    ChoisitNombreCouleurs();
    EXPECT_EQ(Systeme.NombreCouleurs, 1);
    NewtonDispositif(4);
    Reglages.AnalyseChromatique = true;
    ChoisitNombreCouleurs();
    EXPECT_EQ(Systeme.NombreCouleurs, 3);
    EXPECT_EQ(CouleurPassageEcran(1), clLime);
    Reglages.AnalyseChromatique = false;
    ChoisitNombreCouleurs();
    EXPECT_EQ(Systeme.NombreCouleurs, 1);
    EXPECT_EQ(CouleurPassageEcran(1), clWhite);
    // A refractor without device has its own glasses: three passes although the device offers none.
    ConstruitFormeValide(TTypeInstrument::Lunette);
    Reglages.AnalyseChromatique = true;
    ASSERT_TRUE(Validite.CouleursInstrumentCompletes);
    EXPECT_FALSE(Validite.TroisCouleursPossibles);
    ChoisitNombreCouleurs();
    EXPECT_EQ(Systeme.NombreCouleurs, 3);
    NewtonDispositif(4);
    // Pass 2 traces the red indices, and the medium in front of the lens group stays green.
    ChargeIndicesCouleur(2);
    EXPECT_EQ(Dispositif.IndiceTrace[2], Dispositif.IndiceRouge[2]);
    EXPECT_EQ(Groupe.IndiceTraceGroupe[0], Groupe.IndiceVertGroupe[0]);
}

// The design formulas that the forms with a secondary need before a ray can reach their focus.
const std::pair<TTypeInstrument, void (*)()> CalculsSecondaires[] = {
    {TTypeInstrument::Cassegrain, CalculeCassegrain},
    {TTypeInstrument::RitcheyChretien, CalculeRitcheyChretien},
    {TTypeInstrument::Gregory, CalculeGregory},
    {TTypeInstrument::DallKirkham, CalculeDallKirkham},
    {TTypeInstrument::Schwarzschild, CalculeSchwarzschild},
    {TTypeInstrument::SchmidtCassegrain, CalculeSchmidtCassegrain},
    {TTypeInstrument::MaksutovCassegrain, PrepareMaksutovCassegrain},
    {TTypeInstrument::KlevtsovCassegrain, PrepareKlevtsov},
    {TTypeInstrument::HoughtonCassegrain, PrepareHoughtonCassegrain},
};

// Every form with a lens device that stops some rays and loses others: walking the grid with the rays traced in
// groups hands out each ray exactly as tracing them one by one does, in the same order.
TEST_F(MecaniqueEtoiles, LaGrilleTraceeParGroupesDonneLesRayonsUnAUn)
{
    int passes = 0, perdus = 0;
    for (const TTypeInstrument forme : FormesInstrument)
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ConstruitFormeValide(forme);
        for (const auto& [f, calcule] : CalculsSecondaires)
            if (f == forme)
                calcule();
        // Weak menisci, then a sphere of radius 3 that the outer rays miss, then a lens whose edge stops some.
        const double rayons[] = {2000, 2100, 2000, 2100, 3, -50, RayonPlan};
        const double epaisseurs[] = {2, 1, 2, 1, 2, 2, 30};
        const double diametres[] = {40, 40, 40, 40, 6, 20, 40};
        Dispositif.NombreDioptres = 7;
        for (int i = 1; i <= 7; ++i)
        {
            const std::size_t k = static_cast<std::size_t>(i - 1);
            const bool verre = i % 2 == 1;
            Dispositif.RayonDioptre[i] = rayons[k];
            Dispositif.EpaisseurDioptre[i] = epaisseurs[k];
            Dispositif.DiametreDioptre[i] = diametres[k];
            Dispositif.IndiceVert[i + 1] = verre ? 1.51872f : 1.0f;
            Dispositif.MatiereDioptre[i + 1] = verre ? "BK7" : "Air";
        }
        AppliqueIndices();
        VerifieValidite();
        Instrument.CarreRayonPupille = Instrument.DiametreEntree * Instrument.DiametreEntree / 4.0;
        PrepareSysteme();
        ASSERT_TRUE(Validite.InstrumentValide && Validite.DispositifValide);
        // Real rays meet the obstructions; aiming rays do not, and enter the device all the same.
        for (const bool reference : {false, true})
        {
            SCOPED_TRACE(reference);
            Rayon.EstRayonReference = reference;
            Rayon.DispositifActif = true;
            FixeAngleChamp(0.002);
            const TRayon debut = Rayon;
            std::vector<TRayon> unAUn;
            ParcourtPupille(7, true, [&](int) {
                MarqueRestesDispositif(Rayon);
                TraceRayonGrille();
                unAUn.push_back(Rayon);
                return true;
            });
            Rayon = debut;
            MarqueRestesDispositif(Rayon);
            std::vector<TRayon> parGroupes;
            ParcourtPupilleTracee(7, true, [&](int) {
                parGroupes.push_back(Rayon);
                MarqueRestesDispositif(Rayon);
                return true;
            });
            // The star views' walk hands over only the pupil point, the ray's end and its two flags.
            Rayon = debut;
            std::vector<TRayon> vus;
            ParcourtPupilleVue(7, true, [&](int) {
                vus.push_back(Rayon);
                return true;
            });
            ASSERT_EQ(parGroupes.size(), unAUn.size());
            ASSERT_EQ(vus.size(), unAUn.size());
            for (std::size_t k = 0; k < unAUn.size(); ++k)
            {
                SCOPED_TRACE(k);
                ExpectMemeRayon(unAUn[k], parGroupes[k]);
                const TRayon& a = unAUn[k];
                const TRayon& v = vus[k];
                const auto bits = [](const TRayon& r) {
                    return std::bit_cast<std::array<std::uint64_t, 8>>(
                        std::array{r.XDepart, r.YDepart, r.XRayon, r.YRayon, r.ZRayon, r.LRayon, r.MRayon, r.NRayon});
                };
                EXPECT_EQ(bits(v), bits(a));
                EXPECT_EQ(v.RayonBloque, a.RayonBloque);
                EXPECT_EQ(v.RayonPerdu, a.RayonPerdu);
                passes += !unAUn[k].RayonBloque && !unAUn[k].RayonPerdu;
                perdus += unAUn[k].VignettageDispositif;
            }
            // The scans of the pupil diameter of the transverse curves, along each axis.
            for (const bool sagittal : {false, true})
            {
                SCOPED_TRACE(sagittal);
                const double D = Instrument.DiametreEntree;
                const TRayon avant = Rayon;
                std::vector<TRayon> unParUn;
                for (int i = 0; - D / 2.0 + i * (D / 37) < D / 2.0; ++i)
                {
                    Rayon.XDepart = sagittal ? 0.0 : -D / 2.0 + i * (D / 37);
                    Rayon.YDepart = sagittal ? -D / 2.0 + i * (D / 37) : 0.0;
                    MarqueRestesDispositif(Rayon);
                    TraceRayonGrille();
                    unParUn.push_back(Rayon);
                }
                std::vector<TRayon> balayage;
                Rayon = avant;
                MarqueRestesDispositif(Rayon);
                ParcourtDiametreTrace(37, sagittal, [&] {
                    balayage.push_back(Rayon);
                    MarqueRestesDispositif(Rayon);
                    return true;
                });
                ASSERT_EQ(balayage.size(), unParUn.size());
                for (std::size_t k = 0; k < unParUn.size(); ++k)
                {
                    SCOPED_TRACE(k);
                    ExpectMemeRayon(unParUn[k], balayage[k]);
                }
            }
        }
    }
    EXPECT_GT(passes, 100);
    EXPECT_GT(perdus, 100);
}

// The chords a drawing made: their two ends.
std::vector<std::array<int, 4>> Cordes(const TCanevasEnregistreur& image)
{
    std::vector<std::array<int, 4>> cordes;
    const auto& journal = image.Journal();
    for (std::size_t k = 1; k < journal.size(); ++k)
        if (journal[k].Operation == TOperationCanevas::LineTo && journal[k - 1].Operation == TOperationCanevas::MoveTo)
            cordes.push_back(
                {journal[k - 1].Valeurs[0], journal[k - 1].Valeurs[1], journal[k].Valeurs[0], journal[k].Valeurs[1]});
    return cordes;
}

TEST_F(MecaniqueEtoiles, LeCercleDAiryNeTraceQueCeQueLeCanevasMontre)
{
    TCanevasEnregistreur image(762, 550);
    // A circle on the canvas: a chord of about 4.4 pixels, then a gap, all the way round (72 for 100 pixels).
    DessineCercleAiry(image, 381, 275, 100);
    EXPECT_EQ(Cordes(image).size(), 72u);

    // The Airy circle of a focal length of 1.5e11 mm, or larger: drawn chord by chord it took minutes, or never
    // ended; it shows nowhere on the canvas.
    for (const double r : {1e9, 2.5e16, 1e300})
    {
        SCOPED_TRACE(r);
        image.EffaceJournal();
        DessineCercleAiry(image, 381, 275, r);
        EXPECT_TRUE(image.Journal().empty());
    }

    // A centre far off the canvas: the chords that reach the canvas are those of the whole turn, and few are drawn.
    const int x0 = -20000;
    const int y0 = 300;
    const double r = 20300;
    image.EffaceJournal();
    DessineCercleAiry(image, x0, y0, r);
    const auto dessinees = Cordes(image);
    EXPECT_LT(dessinees.size(), 400u);
    const double delta = (500.0 / r) * (Pi / 2.0) / 180.0;
    int visibles = 0;
    for (double theta = 0.0; theta < 2.0 * Pi; theta += 2.0 * delta)
    {
        const std::array<int, 4> corde = {x0 + static_cast<int>(std::nearbyint(r * std::cos(theta))),
                                          y0 + static_cast<int>(std::nearbyint(r * std::sin(theta))),
                                          x0 + static_cast<int>(std::nearbyint(r * std::cos(theta + delta))),
                                          y0 + static_cast<int>(std::nearbyint(r * std::sin(theta + delta)))};
        const bool dedans = (corde[0] >= 0 && corde[0] < 762 && corde[1] >= 0 && corde[1] < 550) ||
                            (corde[2] >= 0 && corde[2] < 762 && corde[3] >= 0 && corde[3] < 550);
        if (!dedans)
            continue;
        ++visibles;
        EXPECT_NE(std::find(dessinees.begin(), dessinees.end(), corde), dessinees.end());
    }
    EXPECT_GT(visibles, 50);
}

} // namespace
