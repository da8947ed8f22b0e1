// The commands of the menu "Ou&tils" as the user runs them: the homothety scaling the parts ticked and journaling
// them once, nothing changed by Cancel or an empty coefficient, the optimisation storing its diameters or refusing
// with one message and nothing changed, the reports changing nothing, and undo, redo and recovery rebuilding the
// same design.
#include "JournalTest.h"

#include "app/AnnulerRefaire.h"
#include "app/Outils.h"
#include "app/Rejeu.h"
#include "dialogs/HomothetieCalcul.h"
#include "dialogs/OptimisationCalcul.h"
#include "optics/Sentinelles.h"
#include "support/Verres.h"

#include <functional>
#include <optional>

namespace {

std::optional<TChoixHomothetie> ChoixHomothetie;
std::vector<TEtatHomothetie> EtatsHomothetie;
std::optional<double> DistanceChoisie;
std::vector<bool> UnitesAfocales;

class Outils : public JournalTest
{
protected:
    void SetUp() override
    {
        JournalTest::SetUp();
        // The tools refresh the window as the program does.
        PortsEdition.RafraichitVue = [] { RafraichitVue(); };
        ChoixHomothetie.reset();
        EtatsHomothetie.clear();
        DistanceChoisie.reset();
        UnitesAfocales.clear();
        PortsHomothetie.Montre = [](TEtatHomothetie etat) {
            EtatsHomothetie.push_back(etat);
            return ChoixHomothetie;
        };
        PortsOptimisation.Montre = [](bool afocal) {
            UnitesAfocales.push_back(afocal);
            return DistanceChoisie;
        };
    }

    // What a command that does nothing leaves as it was.
    struct TEtatVisible
    {
        std::vector<std::string> Conception;
        std::vector<std::string> Journal;
        bool Modifie;
        bool operator==(const TEtatVisible&) const = default;
    };
    TEtatVisible Visible() const { return {ConceptionRafraichie(), LignesJournal(), Edition.DocumentModifie}; }

    // A Newton with two lenses behind its focus, saved and read as the journal's base.
    void OuvreNewtonDeuxLentilles(double epaisseurLentille = 6)
    {
        OuvreBase(TTypeInstrument::Newton, false);
        LigneDispositif(1, 60, epaisseurLentille, 40, BK7);
        LigneDispositif(2, -60, 2, 40, Air);
        LigneDispositif(3, -50, 3, 40, F2);
        LigneDispositif(4, 200, 60, 40, Air);
        Dispositif.NombreDioptres = 4;
        Dispositif.TitreDispositif = "Deux lentilles";
        AppliqueIndices();
        const std::string chemin = Chemin("deux.qvd");
        Etat.CheminDocument = chemin;
        ASSERT_TRUE(EcritFichierConception());
        ReinitialiseEtat();
        Etat.CheminDocument.clear();
        Lecture.NouveauJournal = true;
        ASSERT_TRUE(Ouvre(chemin));
        Edition.DocumentModifie = false;
        ConceptionRafraichie();
    }

    TEnregistrementJournal Dernier() const
    {
        std::vector<TEnregistrementJournal> e;
        LitJournal(Journal.NombreEnregistrementsJournal, e);
        return e.back();
    }
};

const char* const TitreOptimisation = "Quivane - Optimisation des diamètres";

TEST_F(Outils, UneHomothetieMultiplieLesPartiesCocheesEtSeJournaliseUneFois)
{
    struct TCas
    {
        const char* Nom;
        TPartiesHomothetie Parties;
        float Coefficient;
        std::int32_t Index;
        const char* Valeur;
    };
    const TCas cas[] = {
        {"instrument", {true, false}, 2, 1, "2"},
        {"dispositif", {false, true}, 1.5f, 10, "1,5"},
        {"les deux", {true, true}, 0.5f, 11, "0,5"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        OuvreBase(TTypeInstrument::Newton);
        ConceptionRafraichie();
        const TInstrument instrument = Instrument;
        const TDioptre dispositif = Dispositif;
        ChoixHomothetie = TChoixHomothetie{c.Coefficient, c.Parties};
        HomothetieExecute();
        ASSERT_EQ(EtatsHomothetie.size(), 1u);
        EXPECT_TRUE(EtatsHomothetie[0].InstrumentActif);
        EXPECT_TRUE(EtatsHomothetie[0].DispositifActif);
        EtatsHomothetie.clear();
        const double ci = c.Parties.Instrument ? c.Coefficient : 1;
        const double cd = c.Parties.Dispositif ? c.Coefficient : 1;
        EXPECT_EQ(Instrument.DiametreEntree, instrument.DiametreEntree * ci);
        EXPECT_EQ(Instrument.FocalePrimaire, instrument.FocalePrimaire * ci);
        EXPECT_EQ(Instrument.RayonCourburePrimaire, instrument.RayonCourburePrimaire * ci);
        EXPECT_EQ(Instrument.DistanceSecondaireFoyer, instrument.DistanceSecondaireFoyer * ci);
        for (int i = 1; i <= 2; ++i)
        {
            EXPECT_EQ(Dispositif.RayonDioptre[i], dispositif.RayonDioptre[i] * cd);
            EXPECT_EQ(Dispositif.EpaisseurDioptre[i], dispositif.EpaisseurDioptre[i] * cd);
            EXPECT_EQ(Dispositif.DiametreDioptre[i], dispositif.DiametreDioptre[i] * cd);
        }
        EXPECT_EQ(Journal.NombreEnregistrementsJournal, 2);
        const TEnregistrementJournal dernier = Dernier();
        EXPECT_EQ(dernier.Code, CodeJournalHomothetieAppliquee);
        EXPECT_EQ(dernier.Index, c.Index);
        EXPECT_EQ(dernier.Valeur, c.Valeur);
        EXPECT_TRUE(Edition.DocumentModifie);
    }
}

TEST_F(Outils, UneHomothetieSansCoefficientNiPartieNeChangeRien)
{
    struct TCas
    {
        const char* Nom;
        std::optional<TChoixHomothetie> Choix;
    };
    const TCas cas[] = {
        {"Annuler ou la case de fermeture", std::nullopt},
        {"coefficient vide", TChoixHomothetie{std::nullopt, {true, true}}},
        {"coefficient 1", TChoixHomothetie{1.0f, {true, true}}},
        {"aucune case", TChoixHomothetie{2.0f, {false, false}}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        OuvreBase(TTypeInstrument::Newton);
        const TEtatVisible avant = Visible();
        ChoixHomothetie = c.Choix;
        HomothetieExecute();
        EXPECT_TRUE(Visible() == avant);
    }
}

TEST_F(Outils, UneOptimisationStockeSesDiametresEtSaDistance)
{
    OuvreNewtonDeuxLentilles();
    DistanceChoisie = 2.5;
    OptimisationdesdiametresExecute();
    EXPECT_EQ(UnitesAfocales, std::vector<bool>{false});
    EXPECT_TRUE(Services.Question.Posees.empty());
    EXPECT_EQ(Reglages.DistanceAxeImage, 2.5);
    EXPECT_GT(Dispositif.DiametreDioptre[1], 18.4);
    EXPECT_LT(Dispositif.DiametreDioptre[1], 25.4);
    const TEnregistrementJournal dernier = Dernier();
    EXPECT_EQ(dernier.Code, CodeJournalDiametresOptimises);
    EXPECT_EQ(dernier.Index, 0);
    EXPECT_EQ(dernier.Valeur, "2,5");
    EXPECT_TRUE(Edition.DocumentModifie);
}

TEST_F(Outils, UnRefusOuAnnulerNeChangeRienEtDitPourquoiUneFois)
{
    struct TCas
    {
        const char* Nom;
        std::optional<double> Distance;
        double EpaisseurLentille;
        std::string Message;
    };
    const TCas cas[] = {
        {"Annuler", std::nullopt, 6, ""},
        {"le bord du secondaire", 20, 6,
         "Le bord du faisceau est occulté par le bord du miroir secondaire, l'optimisation est donc impossible! "
         "Indiquez une distance à l'axe plus faible ou éliminez le miroir secondaire."},
        {"la reflexion totale", 60, 6,
         "Le rayon central ne peut pas traverser le dispositif à cause d'une réflexion totale, l'optimisation est "
         "donc impossible! Indiquez une distance à l'axe plus faible."},
        {"une epaisseur trop faible", 0, 1,
         "L'optimisation est impossible car au moins une des épaisseurs est insufisante. Indiquez une distance à "
         "l'axe plus faible."},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        OuvreNewtonDeuxLentilles(c.EpaisseurLentille);
        Reglages.DistanceAxeImage = 1.25;
        const TEtatVisible avant = Visible();
        Services.Question.Posees.clear();
        if (!c.Message.empty())
            Services.Question.Repond(ReponseOk);
        DistanceChoisie = c.Distance;
        OptimisationdesdiametresExecute();
        EXPECT_TRUE(Visible() == avant);
        EXPECT_EQ(Reglages.DistanceAxeImage, 1.25);
        if (c.Message.empty())
            EXPECT_TRUE(Services.Question.Posees.empty());
        else
            EXPECT_EQ(Boites(), std::vector<std::string>{TitreOptimisation + std::string(" / ") + c.Message});
    }
}

TEST_F(Outils, UnDispositifAfocalDemandeDesDegres)
{
    OuvreBase(TTypeInstrument::Newton);
    Dispositif.EpaisseurDioptre[2] = EpaisseurInfinie;
    OptimisationdesdiametresExecute();
    EXPECT_EQ(UnitesAfocales, std::vector<bool>{true});
}

TEST_F(Outils, LesRapportsNeChangentRien)
{
    OuvreBase(TTypeInstrument::Newton);
    const TEtatVisible avant = Visible();
    Services.Question.Repond(ReponseOk);
    Services.Question.Repond(ReponseOk);
    PuissanceGlobaleExecute();
    EncombrementExecute();
    ASSERT_EQ(Services.Question.Posees.size(), 2u);
    for (const TQuestion& q : Services.Question.Posees)
    {
        EXPECT_EQ(q.Titre, "Quivane");
        EXPECT_EQ(q.Icone, TIconeQuestion::Aucune);
    }
    EXPECT_NE(Services.Question.Posees[0].Ligne1.find("vaut "), std::string::npos);
    EXPECT_NE(Services.Question.Posees[1].Ligne1.find("Plus grand diamètre = 30,0 mm"), std::string::npos);
    EXPECT_TRUE(Visible() == avant);
}

// Act, undo, redo and the whole journal replayed as a recovery give the same design: each change applied once.
TEST_F(Outils, ChaqueOutilSeDefaitSeRefaitEtSeRecupere)
{
    struct TCas
    {
        const char* Nom;
        std::function<void()> Change;
    };
    const TCas cas[] = {
        {"homothetie de l'instrument et du dispositif",
         [] {
             ChoixHomothetie = TChoixHomothetie{2.0f, {true, true}};
             HomothetieExecute();
         }},
        {"homothetie du dispositif seul",
         [] {
             ChoixHomothetie = TChoixHomothetie{0.8f, {false, true}};
             HomothetieExecute();
         }},
        {"optimisation",
         [] {
             DistanceChoisie = 3;
             OptimisationdesdiametresExecute();
         }},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        OuvreNewtonDeuxLentilles();
        const auto base = ConceptionRafraichie();
        c.Change();
        ASSERT_EQ(Journal.NombreEnregistrementsJournal, 2);
        const auto modifiee = ConceptionRafraichie();
        EXPECT_NE(modifiee, base);
        AnnulerExecute();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), base), "");
        RetablirExecute();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), modifiee), "");
        Edition.PositionJournal = Journal.NombreEnregistrementsJournal;
        RejoueJournal();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), modifiee), "");
        Edition.PositionJournal = 0;
    }
}

} // namespace
