// The shared frame of the sections: glass tint slots, the fit's scale, the banner's priority, the validity gate and
// the edge rays' retreats, driven by a scripted tracer.
#include "optics/Rayon.h"
#include "sections/Cadre.h"
#include "sections/RayonsBord.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

class Cadre : public ::testing::Test
{};

// Row i's medium behind it: a glass name, or air when empty.
void Milieux(const std::vector<std::string>& verres)
{
    Dispositif.NombreDioptres = static_cast<int>(verres.size());
    for (std::size_t i = 1; i <= verres.size(); ++i)
    {
        const bool air = verres[i - 1].empty();
        Dispositif.IndiceVert[i + 1] = air ? 1.000278f : 1.5f;
        Dispositif.MatiereDioptre[i + 1] = air ? "Air" : verres[i - 1];
    }
}

TEST_F(Cadre, UnVerreDejaVuPartageSaTeinteEtUnNouveauPrendLaSuivante)
{
    struct TCas
    {
        const char* Nom;
        std::vector<std::string> Verres;
        std::vector<int> Teintes; // per row; -1: the row takes no slot
        int VerreNommeAir = 0; // a row whose glass is named like air
    };
    const TCas cas[] = {
        {"rows 1 and 3 of one glass", {"BK7", "F2", "BK7", "SF5"}, {0, 1, 0, 2}},
        {"air takes no slot", {"BK7", "", "F2", "", "BK7"}, {0, -1, 1, -1, 0}},
        {"eleven glasses", {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0}},
        {"an air row's name lends no slot", {"BK7", "", ""}, {0, -1, 1}, 3},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseEtat();
        Milieux(c.Verres);
        if (c.VerreNommeAir > 0)
            Dispositif.IndiceVert[c.VerreNommeAir + 1] = 1.6f;
        Dispositif.TeinteDioptre.fill(-1);
        TeinteSuivante = 7;
        AttribueTeintes();
        for (std::size_t i = 0; i < c.Teintes.size(); ++i)
        {
            if (c.Teintes[i] >= 0)
            {
                EXPECT_EQ(Dispositif.TeinteDioptre[i + 1], c.Teintes[i]) << "row " << i + 1;
            }
        }
        EXPECT_EQ(TeinteSuivante, 0);
    }
}

TEST_F(Cadre, UneFaceEstJointeQuandLeVerreVoisinALeMemeRayonAUnCentiemePres)
{
    // Rows 1 and 2 glass, row 3 air: the element behind surface 2 touches the one behind surface 1.
    struct TCas
    {
        const char* Nom;
        double R1, R2, R3;
        int Ligne;
        bool Precedent, Suivant;
    };
    const TCas cas[] = {
        {"first element: no previous face", 50, 50, 50, 1, false, true},
        {"radii 0.01 apart", 50, 50.01, 80, 2, true, false},
        {"radii apart", 50, -50, -50, 2, false, false},
        {"same radius, but air behind the next surface", 50, 60, 60, 2, false, false},
    };
    Milieux({"BK7", "F2", ""});
    Reglages.IndiceLimite = 1.1f;
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Dispositif.RayonDioptre[1] = c.R1;
        Dispositif.RayonDioptre[2] = c.R2;
        Dispositif.RayonDioptre[3] = c.R3;
        CalculeJoints(c.Ligne);
        EXPECT_EQ(JointPrecedent, c.Precedent);
        EXPECT_EQ(JointSuivant, c.Suivant);
    }
}

TEST_F(Cadre, LEchelleSuitLaHauteurQuandLeDessinEstRelativementPlusHaut)
{
    // 330 px for the height, 742 for the length (762 wide less a margin of 20).
    EXPECT_FLOAT_EQ(EchelleEcran(1000, 500, 762, 330, 20), 330.0f / 500);
    EXPECT_FLOAT_EQ(EchelleEcran(1484, 300, 762, 330, 20), 0.5f);
    // Nothing to fit: no scale, so nothing is drawn.
    EXPECT_EQ(EchelleEcran(0, 300, 762, 330, 20), 0.0f);
    EXPECT_EQ(EchelleEcran(1000, std::nan(""), 762, 330, 20), 0.0f);
    EXPECT_EQ(EchelleImprimee(1000, 300, 0, 4960, 100, 65), 0.0f);
    // On paper a margin unit is left on every side of the band.
    EXPECT_FLOAT_EQ(EchelleImprimee(1000, 300, 2377, 4960, 100, 65), (4960 - 2 * 165) / 1000.0f);
    EXPECT_FLOAT_EQ(EchelleImprimee(1000, 900, 2377, 4960, 100, 65), (2377 - 130) / 900.0f);
}

TEST_F(Cadre, LeBandeauDonneLaPrioriteAuDispositifPuisAuTrouPuisAuSecondaire)
{
    struct TCas
    {
        bool Dispositif, Trou, Secondaire;
        TTypeInstrument Type;
        const char* Legende;
        TColor Couleur;
    };
    const TCas cas[] = {
        {true, true, true, TTypeInstrument::Cassegrain,
         " Le faisceau est interrompu par le bord du dispositif dioptrique ", CouleurFuchsia},
        {false, true, true, TTypeInstrument::Cassegrain, " Le faisceau est interrompu par le bord du trou central ",
         CouleurRouge},
        {false, false, true, TTypeInstrument::Cassegrain,
         " Le faisceau est interrompu par le bord du miroir secondaire ", CouleurRouge},
        {false, false, true, TTypeInstrument::Lunette, "", CouleurRouge},
        {false, false, false, TTypeInstrument::Newton, "", CouleurRouge},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Legende);
        const TBandeau bandeau = LegendeBandeau(c.Dispositif, c.Trou, c.Secondaire, c.Type);
        EXPECT_EQ(bandeau.Legende, c.Legende);
        EXPECT_EQ(bandeau.Couleur, c.Couleur);
        EXPECT_EQ(bandeau.Visible, !std::string(c.Legende).empty());
    }
}

TEST_F(Cadre, LaPorteVeutUnInstrumentValideSansConflitNiEchecEtUnDispositifValide)
{
    struct TCas
    {
        const char* Nom;
        std::function<void()> Change;
        bool Ouverte;
    };
    const TCas cas[] = {
        {"valid", [] {}, true},
        {"invalid instrument", [] { Validite.InstrumentValide = false; }, false},
        {"conflict", [] { Validite.ConflitGeometrique = true; }, false},
        {"failed solve", [] { Systeme.CalculEchoue = true; }, false},
        {"invalid device",
         [] {
             Validite.DispositifPresent = true;
             Validite.DispositifValide = false;
         },
         false},
        {"valid device",
         [] {
             Validite.DispositifPresent = true;
             Validite.DispositifValide = true;
         },
         true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Validite = TValidite{};
        Systeme = TSysteme{};
        Validite.InstrumentValide = true;
        c.Change();
        EXPECT_EQ(PorteCoupeOuverte(), c.Ouverte);
    }
    Validite.ConflitGeometrique = true;
    EXPECT_EQ(TexteCoupeRefusee(true), " Conflit entre l'emplacement du miroir plan et le dispositif dioptrique ");
    Validite.ConflitGeometrique = false;
    EXPECT_EQ(TexteCoupeRefusee(false), "Les données sont incomplètes ou incohérentes");
}

// A scripted tracer: records the start of every edge-ray trace and sets the flags a rule gives for it.
struct TScript
{
    std::vector<double> Departs;
    std::function<void(TRayon&)> Regle;
    bool PerdreReference = false;
    bool Interrompre = false;
};
TScript Script;

void PrepareScripte()
{
    Systeme.CalculInterrompu = Script.Interrompre;
}

void TraceScripte()
{
    if (Rayon.EstRayonReference)
    {
        Rayon.RayonPerdu = Script.PerdreReference;
        return;
    }
    Script.Departs.push_back(Rayon.XDepart);
    Script.Regle(Rayon);
}

class RayonsBord : public Cadre
{
protected:
    void SetUp() override
    {
        Cadre::SetUp();
        Instrument.DiametreEntree = 200;
        Script = TScript{};
        Script.Regle = [](TRayon&) {};
        Regles.Prepare = PrepareScripte;
        Regles.Trace = TraceScripte;
    }
    TReglesRayonsBord Regles;
};

TEST_F(RayonsBord, UnRayonLibrePasseRougeEtSeDessineEnEntier)
{
    const TRayonsBord rayons = TraceRayonsBord(Regles);
    ASSERT_EQ(rayons.Issue, TIssueRayonsBord::Traces);
    ASSERT_EQ(rayons.Nombre, 3);
    EXPECT_EQ(Script.Departs, (std::vector<double>{-100, 0, 100}));
    for (const TRayonBord& r : rayons.Rayons)
    {
        EXPECT_EQ(r.Couleur, CouleurRouge);
        EXPECT_TRUE(r.SuiteDessinee);
    }
    Regles.SecondaireTropPetit = true;
    for (const TRayonBord& r : TraceRayonsBord(Regles).Rayons)
        EXPECT_EQ(r.Couleur, CouleurBleuCiel);
}

TEST_F(RayonsBord, LeRayonCentralSEssaieDePartEtDAutreDeLAxe)
{
    // The device stops anything within 0.35 mm of the axis, and the edge rays beyond 99.75 mm.
    Script.Regle = [](TRayon& r) { r.ArretDispositif = std::abs(r.XDepart) < 0.35 || std::abs(r.XDepart) > 99.75; };
    const TRayonsBord rayons = TraceRayonsBord(Regles);
    ASSERT_EQ(rayons.Issue, TIssueRayonsBord::Traces);
    const std::vector<double> attendus = {-100, -99.9, -99.8, -99.7, 0, 0.1, -0.2, 0.3, -0.4, 100, 99.9, 99.8, 99.7};
    ASSERT_EQ(Script.Departs.size(), attendus.size());
    for (std::size_t i = 0; i < attendus.size(); ++i)
        EXPECT_NEAR(Script.Departs[i], attendus[i], 1e-9) << i;
    for (const TRayonBord& r : rayons.Rayons)
    {
        EXPECT_EQ(r.Couleur, CouleurVertClair);
        EXPECT_TRUE(r.SuiteDessinee);
    }
    EXPECT_TRUE(Rayon.VignettageDispositif);
}

TEST_F(RayonsBord, MilleEtUnPasAuBordDuDispositifAbandonnentLeDessin)
{
    struct TCas
    {
        double Diametre;
        TIssueRayonsBord Issue;
        std::size_t Traces; // edge-ray traces made
    };
    // Always stopped: a 20.04 mm aperture is crossed in 201 steps of 0.1 mm per edge ray (the central ray
    // alternates out to 10.1 mm in 101 steps); a 400 mm one is given up at the 1001st step of the first ray.
    const TCas cas[] = {{20.04, TIssueRayonsBord::Traces, 3 + 201 + 101 + 201},
                        {400, TIssueRayonsBord::Abandon, 1 + 1001}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Diametre);
        Script = TScript{};
        Script.Regle = [](TRayon& r) { r.ArretDispositif = true; };
        Instrument.DiametreEntree = c.Diametre;
        const TRayonsBord rayons = TraceRayonsBord(Regles);
        EXPECT_EQ(rayons.Issue, c.Issue);
        EXPECT_EQ(Script.Departs.size(), c.Traces);
        if (c.Issue == TIssueRayonsBord::Abandon)
        {
            EXPECT_EQ(rayons.Nombre, 0);
        }
        else
        {
            for (const TRayonBord& r : rayons.Rayons)
                EXPECT_FALSE(r.SuiteDessinee);
        }
    }
}

TEST_F(RayonsBord, UnRayonHorsDuPlanRentreMillimetreParMillimetre)
{
    Script.Regle = [](TRayon& r) {
        r.HorsSecondaire = std::abs(r.XDepart) > 97.5;
        r.DansOmbreSecondaire = std::abs(r.XDepart) < 1;
    };
    const TRayonsBord rayons = TraceRayonsBord(Regles);
    EXPECT_EQ(Script.Departs, (std::vector<double>{-100, -99, -98, -97, 0, 100, 99, 98, 97}));
    EXPECT_EQ(rayons.Rayons[0].Couleur, CouleurBleuCiel);
    EXPECT_EQ(rayons.Rayons[1].Couleur, CouleurRose);
    EXPECT_EQ(rayons.Rayons[2].Couleur, CouleurBleuCiel);
    EXPECT_TRUE(rayons.Rayons[2].SuiteDessinee);
    // The upper ray, traced last, first passed outside the flat.
    EXPECT_TRUE(VignettageSecondaire);
}

TEST_F(RayonsBord, SansRetraitDuSecondaireLesRayonsRestentRougesEtGardentLeurDepart)
{
    // A form without the flat's retreat: the rays keep their starts and their red, the shadow included; a cut by the
    // lens group's edge counts when the form says so, and the banner goes where the form puts it.
    Regles.RetraitSecondaire = false;
    Regles.OcculteParGroupe = true;
    Regles.AvecBandeau = true;
    Regles.PlaceBandeau = {20, 0};
    Instrument.TypeInstrument = TTypeInstrument::Schmidt;
    Controles.Dessin = {true, 5, 300, 762, 350};
    Script.Regle = [](TRayon& r) {
        r.HorsSecondaire = std::abs(r.XDepart) > 97.5;
        r.DansOmbreSecondaire = std::abs(r.XDepart) < 1;
        r.ArretGroupe = r.XDepart > 0;
        r.DansTrouCentral = r.XDepart > 0;
        Instrument.ImpactPrimaire = {r.XDepart / 2, 0, r.XDepart / 100};
    };
    const TRayonsBord rayons = TraceRayonsBord(Regles);
    EXPECT_EQ(Script.Departs, (std::vector<double>{-100, 0, 100}));
    for (const TRayonBord& r : rayons.Rayons)
        EXPECT_EQ(r.Couleur, CouleurRouge);
    EXPECT_FALSE(rayons.Rayons[0].SuiteDessinee);
    EXPECT_TRUE(rayons.Rayons[1].SuiteDessinee);
    EXPECT_TRUE(rayons.Rayons[0].Occulte);
    EXPECT_FALSE(rayons.Rayons[1].Occulte);
    EXPECT_TRUE(rayons.Rayons[2].Occulte);
    EXPECT_DOUBLE_EQ(rayons.Rayons[0].XDepart, -100);
    EXPECT_DOUBLE_EQ(rayons.Rayons[0].HauteurPrimaire, -50);
    EXPECT_DOUBLE_EQ(rayons.Rayons[2].CotePrimaire, 1);
    EXPECT_EQ(BandeauOcculte.Legende, " Le faisceau est interrompu par le bord du trou central ");
    EXPECT_EQ(Controles.LabelOcculte.Left, 5 + 20);

    // The retreat of the usual rule records where the ray was moved to.
    Regles = TReglesRayonsBord{};
    Regles.Prepare = PrepareScripte;
    Regles.Trace = TraceScripte;
    Script.Departs.clear();
    EXPECT_DOUBLE_EQ(TraceRayonsBord(Regles).Rayons[2].XDepart, 97);
}

TEST_F(RayonsBord, SansSolutionOuSansRayonDeReferenceAucunRayonDeBord)
{
    for (const bool interrompu : {true, false})
    {
        SCOPED_TRACE(interrompu);
        Script = TScript{};
        Script.Regle = [](TRayon&) {};
        Script.Interrompre = interrompu;
        Script.PerdreReference = !interrompu;
        const TRayonsBord rayons = TraceRayonsBord(Regles);
        EXPECT_EQ(rayons.Issue, TIssueRayonsBord::Sautes);
        EXPECT_EQ(rayons.Nombre, 0);
        EXPECT_TRUE(Script.Departs.empty());
    }
}

TEST_F(RayonsBord, LeDernierRayonCoupeDecideDuBandeau)
{
    Instrument.TypeInstrument = TTypeInstrument::Cassegrain;
    Regles.AvecBandeau = true;
    // The lower ray passes outside the secondary, the upper one is cut by the device.
    Script.Regle = [](TRayon& r) {
        r.HorsSecondaire = r.XDepart < -99.5;
        r.ArretDispositif = r.XDepart > 99.95;
    };
    TraceRayonsBord(Regles);
    EXPECT_TRUE(Controles.LabelOcculte.Visible);
    EXPECT_EQ(BandeauOcculte.Legende, " Le faisceau est interrompu par le bord du dispositif dioptrique ");
    EXPECT_EQ(BandeauOcculte.Couleur, CouleurFuchsia);

    MontreBandeau({});
    Regles.AvecBandeau = false;
    TraceRayonsBord(Regles);
    EXPECT_FALSE(Controles.LabelOcculte.Visible);
}

} // namespace
