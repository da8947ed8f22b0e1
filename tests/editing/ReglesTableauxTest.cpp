// The value rules of the surface tables, driven through the commit: the lens-device cells with their special words,
// the half-diameter and minimum-thickness checks and the question that raises a gap; the lens group, the Klevtsov
// mirror row and the plate glass where they differ; the off-axis distances of the views.
#include "PortsEnregistres.h"

#include "editing/ClicsFiche.h"
#include "editing/Nombres.h"
#include "editing/Touches.h"
#include "editing/Valide.h"
#include "optics/Initialisation.h"
#include "support/Verres.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using enum TTypeInstrument;

const std::string QuestionApres = "Ce rayon de courbure, associé au suivant et au diamètre nécessite une épaisseur "
                                  "supérieure. Voulez-vous que Quivane ajuste cette épaisseur au minimun?";
const std::string QuestionAvant =
    "Ce rayon de courbure, associé au précédent et au diamètre nécessite une épaisseur supérieure sur la ligne "
    "précédente. Voulez-vous que Quivane ajuste cette épaisseur au minimun?";

std::vector<std::string> Textes(const std::vector<TEnregistrementJournal>& enregistrements)
{
    std::vector<std::string> t;
    for (const TEnregistrementJournal& e : enregistrements)
        t.push_back(std::to_string(e.Code) + " " + std::to_string(e.Index) + " " + e.Valeur);
    return t;
}

std::string Enregistrement(std::int32_t code, std::int32_t index, double valeur)
{
    return std::to_string(code) + " " + std::to_string(index) + " " + FormateGeneral(valeur);
}

// A Newton with a lens device of two BK7 lenses: gap 1 and gap 3 in glass, gap 2 in air, the last to the image.
class TableDispositif : public SaisieForme
{
protected:
    void SetUp() override
    {
        SaisieForme::SetUp();
        ConstruitFormeValide(Newton);
        Dispositif.NombreDioptres = 4;
        LigneDispositif(1, 100, 8, 50, BK7);
        LigneDispositif(2, -100, 50, 50, Air);
        LigneDispositif(3, 80, 4, 40, BK7);
        LigneDispositif(4, -80, 30, 40, Air);
        AppliqueIndices();
        Edition.TableEditee = TTableEditee::Dispositif;
    }

    // The box opened on the cell of the row as its opener leaves it, then the text committed.
    static void Valide(TCodeSaisie code, int ligne, const std::string& texte)
    {
        Edition.LigneCourante = ligne;
        Tape(code, ValeurCellule(code, ligne), texte);
        ValideSaisie();
    }

    static double ValeurCellule(TCodeSaisie code, int ligne)
    {
        const auto i = static_cast<std::size_t>(ligne);
        switch (code)
        {
        case SaisieRayonDioptre: return Dispositif.RayonDioptre[i];
        case SaisieEpaisseurDioptre: return Dispositif.EpaisseurDioptre[i];
        case SaisieDiametreDioptre: return Dispositif.DiametreDioptre[i];
        case SaisieIndiceRouge: return std::nearbyint(Dispositif.IndiceRouge[i + 1] * 1e7) / 1e7;
        case SaisieRayonGroupe: return Groupe.RayonGroupe[i];
        case SaisieEpaisseurGroupe: return Groupe.EpaisseurGroupe[i];
        case SaisieDiametreGroupe: return Groupe.DiametreGroupe[i];
        case SaisieRayonLigneMiroir: return Instrument.RayonCourbureSecondaire;
        default: return 0;
        }
    }
};

TEST_F(TableDispositif, MotsDuRayon)
{
    struct TCas
    {
        const char* Nom;
        int Ligne;
        char Touche; // 0: the text is typed in full
        std::string Texte;
        double Rayon;
    };
    const TCas cas[] = {
        {"touche p", 2, 'p', "", RayonPlan},
        {"mot derriere une lettre", 3, 0, "xPlan", RayonPlan},
        {"mot seul", 4, 0, "Plan", RayonPlan},
        {"touche d", 2, 'd', "", RayonDiaphragme},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        Edition.LigneCourante = c.Ligne;
        Tape(SaisieRayonDioptre, Dispositif.RayonDioptre[static_cast<std::size_t>(c.Ligne)], c.Texte);
        if (c.Touche != 0)
        {
            EXPECT_TRUE(FicheSaisieKeyPress(c.Touche));
            EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Touche == 'p' ? "Plan" : "Diaph");
        }
        ValideSaisie();
        EXPECT_EQ(Dispositif.RayonDioptre[static_cast<std::size_t>(c.Ligne)], c.Rayon);
        EXPECT_TRUE(Edition.DocumentModifie);
        EXPECT_EQ(Textes(Appels.Enregistrements), std::vector{Enregistrement(SaisieRayonDioptre, c.Ligne, c.Rayon)});
        EXPECT_TRUE(Appels.Questions.empty());
        TearDown();
    }
}

TEST_F(TableDispositif, UnDiaphragmeDonneAuMilieuDerriereLuiCeluiDeDevant)
{
    Valide(SaisieRayonDioptre, 1, "Diaph");
    EXPECT_EQ(Dispositif.RayonDioptre[1], RayonDiaphragme);
    EXPECT_EQ(Dispositif.IndiceRouge[2], IndiceAir(LongueursOnde.LongueurOndeRouge));
    EXPECT_EQ(Dispositif.IndiceVert[2], IndiceAir(LongueursOnde.LongueurOndeVerte));
    EXPECT_EQ(Dispositif.IndiceBleu[2], IndiceAir(LongueursOnde.LongueurOndeBleue));
    EXPECT_EQ(Dispositif.MatiereDioptre[2], "Air - Diaphragme");

    Valide(SaisieRayonDioptre, 3, "dDiaph");
    EXPECT_EQ(Dispositif.RayonDioptre[3], RayonDiaphragme);
    EXPECT_EQ(Dispositif.IndiceVert[4], Dispositif.IndiceVert[3]);
    EXPECT_EQ(Dispositif.IndiceBleu[4], Air.Bleu);
    EXPECT_EQ(Dispositif.MatiereDioptre[4], "Diaphragme");
}

TEST_F(TableDispositif, RayonEtMoitieDuDiametre)
{
    struct TCas
    {
        const char* Texte;
        double Diametre;
        double Rayon; // stored; NAN: refused
        const char* Boite;
    };
    const TCas cas[] = {
        {"-40", 80, -40, "-40,00"}, {"-40", 80.02, NAN, "100,00"}, {"40", 80.02, NAN, "100,00"},
        {"0,01", 80, 0.01, "0,01"}, {"0,005", 80, 0, ""},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::string(c.Texte) + " sur " + std::to_string(c.Diametre));
        ReinitialiseProgramme();
        SetUp();
        Dispositif.NombreDioptres = 1;
        Dispositif.DiametreDioptre[1] = c.Diametre;
        // Every attempt says why: the toggle does not swallow the second.
        for (int essai = 0; essai < 2; ++essai)
        {
            Edition.LigneCourante = 1;
            Tape(SaisieRayonDioptre, 100, c.Texte);
            ValideSaisie();
        }
        if (std::isnan(c.Rayon))
        {
            EXPECT_EQ(Dispositif.RayonDioptre[1], 100);
            ASSERT_EQ(Appels.Messages.size(), 2u);
            EXPECT_EQ(Appels.Messages[1].Titre, "Quivane - Rayon de courbure");
            EXPECT_EQ(Appels.Messages[1].Texte,
                      "Le rayon de courbure ne peut pas être inférieur à la moitié du diamètre de la lentille.");
            EXPECT_EQ(EtatSaisie.CodeSaisieRefusee, SaisieRayonDioptre);
            EXPECT_TRUE(Appels.Enregistrements.empty());
        }
        else
        {
            EXPECT_EQ(Dispositif.RayonDioptre[1], c.Rayon);
            EXPECT_TRUE(Appels.Messages.empty());
        }
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Boite);
        TearDown();
    }
}

TEST_F(TableDispositif, RayonQuiAmincitLEcartDerriere)
{
    // R 60 over D 50 sags 6.83; the -100 behind sags -3.18: the 8 mm of glass falls short of 10.01.
    const double minimum = 60 - std::sqrt(60.0 * 60 - 25 * 25) + 100 - std::sqrt(100.0 * 100 - 25 * 25);
    Reponses->Ajoute(6);
    Valide(SaisieRayonDioptre, 1, "60");
    EXPECT_EQ(Dispositif.RayonDioptre[1], 60);
    EXPECT_GE(Dispositif.EpaisseurDioptre[1], minimum);
    EXPECT_NEAR(Dispositif.EpaisseurDioptre[1], minimum, 0.01);
    ASSERT_EQ(Appels.Questions.size(), 1u);
    EXPECT_EQ(Appels.Questions[0].Titre, "Quivane - Rayon de courbure");
    EXPECT_EQ(Appels.Questions[0].Texte, QuestionApres);
    EXPECT_EQ(EtatSaisie.CodeSaisieRefusee, SaisieRayonDioptre);
    EXPECT_EQ(Textes(Appels.Enregistrements),
              (std::vector{Enregistrement(SaisieEpaisseurDioptre, 1, Dispositif.EpaisseurDioptre[1]),
                           Enregistrement(SaisieRayonDioptre, 1, 60)}));

    // Answered no, nothing changes.
    ReinitialiseProgramme();
    SetUp();
    Reponses->Ajoute(7);
    Valide(SaisieRayonDioptre, 1, "60");
    EXPECT_EQ(Dispositif.RayonDioptre[1], 100);
    EXPECT_EQ(Dispositif.EpaisseurDioptre[1], 8);
    EXPECT_TRUE(Appels.Enregistrements.empty());
    EXPECT_FALSE(Edition.DocumentModifie);
}

TEST_F(TableDispositif, DeuxEcartsTropMincesLeSecondSeTait)
{
    // Row 2 between two glass gaps, after a face of R 30 and before one of R -30: a nearly flat face there needs both
    // gaps thicker.
    Dispositif.RayonDioptre[1] = 30;
    Dispositif.IndiceVert[3] = BK7.Vert;
    Dispositif.EpaisseurDioptre[2] = 5;
    Dispositif.RayonDioptre[2] = -1e20;
    Dispositif.RayonDioptre[3] = -30;
    Reponses->Ajoute(6);
    Valide(SaisieRayonDioptre, 2, "1000");
    ASSERT_EQ(Appels.Questions.size(), 1u);
    EXPECT_EQ(Appels.Questions[0].Texte, QuestionAvant);
    // The gap in front was raised; the radius itself was dropped by the silent second gap.
    EXPECT_GT(Dispositif.EpaisseurDioptre[1], 8);
    EXPECT_EQ(Dispositif.EpaisseurDioptre[2], 5);
    EXPECT_EQ(Dispositif.RayonDioptre[2], -1e20);
    EXPECT_EQ(Appels.Enregistrements.size(), 2u);

    // The next attempt asks about the gap behind.
    Reponses->Ajoute(7);
    Valide(SaisieRayonDioptre, 2, "1000");
    ASSERT_EQ(Appels.Questions.size(), 2u);
    EXPECT_EQ(Appels.Questions[1].Texte, QuestionApres);
}

TEST_F(TableDispositif, PlanDeuxFoisUnSeulEnregistrement)
{
    Valide(SaisieRayonDioptre, 2, "Plan");
    Valide(SaisieRayonDioptre, 2, "pPlan");
    EXPECT_EQ(Textes(Appels.Enregistrements), std::vector{Enregistrement(SaisieRayonDioptre, 2, RayonPlan)});
}

TEST_F(TableDispositif, Epaisseur)
{
    struct TCas
    {
        const char* Nom;
        int Ligne;
        int Lignes;
        std::string Texte;
        double Epaisseur;
        const char* Boite;
        const char* Message; // empty: none
    };
    const std::string excessive = "Cette épaisseur doit être inférieure à 10000mm";
    const TCas cas[] = {
        {"vide", 2, 4, "", -1.0, "", ""},
        {"negative", 2, 4, "-3", -1.0, "", ""},
        {"zero sur la derniere", 4, 4, "0", 0, "0,00", ""},
        {"juste sous la limite", 2, 4, "9999,99", 9999.99, "10000", ""},
        {"limite", 2, 4, "10000", 50, "50,00", ""},
        {"limite sur la derniere", 4, 4, "10000", 30, "30,00", ""},
        {"infini au milieu", 2, 4, "Infini", EpaisseurInfinie, "Infini", ""},
        {"infini d'une seule ligne", 1, 1, "Infini", 8, "Infini", "La première épaisseur ne peut pas être infinie."},
        {"pas un nombre", 2, 4, "abc", 50, "abc", ""},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        Dispositif.NombreDioptres = c.Lignes;
        Valide(SaisieEpaisseurDioptre, c.Ligne, c.Texte);
        EXPECT_EQ(Dispositif.EpaisseurDioptre[static_cast<std::size_t>(c.Ligne)], c.Epaisseur);
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Boite);
        if (std::string(c.Texte) == "10000")
        {
            ASSERT_EQ(Appels.Messages.size(), 1u);
            EXPECT_EQ(Appels.Messages[0].Titre, "Quivane - Epaisseur excessive");
            EXPECT_EQ(Appels.Messages[0].Texte, c.Ligne == c.Lignes ? excessive + " ou égale à \"Infini\"" : excessive);
        }
        else if (*c.Message != 0)
        {
            ASSERT_EQ(Appels.Messages.size(), 1u);
            EXPECT_EQ(Appels.Messages[0].Titre, "Quivane - Epaisseur incorrecte");
            EXPECT_EQ(Appels.Messages[0].Texte, c.Message);
            // The next-field routine moves on.
            EXPECT_EQ(EtatSaisie.CodeSaisieRefusee, 0);
        }
        else
            EXPECT_TRUE(Appels.Messages.empty());
        TearDown();
    }
}

TEST_F(TableDispositif, EpaisseurTropFaiblePoseLaQuestion)
{
    const double minimum = 2 * (100 - std::sqrt(100.0 * 100 - 25 * 25));
    Reponses->Ajoute(6);
    Valide(SaisieEpaisseurDioptre, 1, "3");
    ASSERT_EQ(Appels.Questions.size(), 1u);
    EXPECT_EQ(Appels.Questions[0].Titre, "Quivane - Epaisseur insufisante");
    EXPECT_EQ(Appels.Questions[0].Texte, "Cette épaisseur est trop faible pour le diamètre et les rayons de courbure "
                                         "indiqués. Voulez-vous que Quivane ajuste cette épaisseur au minimun?");
    EXPECT_EQ(Dispositif.EpaisseurDioptre[1], 6.36);
    EXPECT_GT(Dispositif.EpaisseurDioptre[1], minimum);
    EXPECT_EQ(EtatSaisie.CodeSaisieRefusee, 0);
    EXPECT_EQ(Textes(Appels.Enregistrements), std::vector{Enregistrement(SaisieEpaisseurDioptre, 1, 6.36)});

    Reponses->Ajoute(7);
    Valide(SaisieEpaisseurDioptre, 1, "3");
    EXPECT_EQ(Dispositif.EpaisseurDioptre[1], 6.36);
    EXPECT_EQ(Appels.Enregistrements.size(), 1u);
}

TEST_F(TableDispositif, Diametre)
{
    struct TCas
    {
        const char* Nom;
        int Ligne;
        void (*Prepare)();
        const char* Texte;
        double Diametre; // NAN: refused
        const char* Message;
    };
    const char* rayon = "Le diamètre de la lentille ne peut pas être supérieur au double du rayon de courbure.";
    const char* avant = "Ce diamètre est trop grand pour les rayons de courbure et l'épaisseur indiqués sur la ligne "
                        "précédente.";
    const char* apres = "Ce diamètre est trop grand pour les rayons de courbure et l'épaisseur indiqués.";
    // The thickness a BK7 lens of R 100 / -100 needs at D 50.
    static const double juste = 2 * (100 - std::sqrt(100.0 * 100 - 25 * 25));
    const TCas cas[] = {
        {"double du rayon positif", 1, [] {}, "200,02", NAN, rayon},
        {"double du rayon negatif", 2, [] {}, "200,02", NAN, rayon},
        {"ecart devant trop mince", 2,
         [] {
             Dispositif.DiametreDioptre[2] = 30;
             Dispositif.EpaisseurDioptre[1] = 6;
         },
         "50", NAN, avant},
        {"ecart derriere trop mince", 1,
         [] {
             Dispositif.DiametreDioptre[1] = 30;
             Dispositif.EpaisseurDioptre[1] = juste - 0.02;
         },
         "50", NAN, apres},
        {"ecart derriere court d'un centieme", 1,
         [] {
             Dispositif.DiametreDioptre[1] = 30;
             Dispositif.EpaisseurDioptre[1] = juste - 0.0099;
         },
         "50", 50, nullptr},
        // Glass behind the last surface: the gap to the image must hold the last face's sag.
        {"derniere ligne dans le verre", 4,
         [] {
             Dispositif.RayonDioptre[4] = 80;
             Dispositif.IndiceVert[5] = BK7.Vert;
             Dispositif.DiametreDioptre[4] = 20;
             Dispositif.EpaisseurDioptre[4] = 1;
             AppliqueIndices();
         },
         "40", NAN, apres},
        {"derniere ligne dans l'air", 4,
         [] {
             Dispositif.RayonDioptre[4] = 80;
             Dispositif.DiametreDioptre[4] = 20;
             Dispositif.EpaisseurDioptre[4] = 1;
         },
         "40", 40, nullptr},
        {"negatif ignore", 1, [] {}, "-5", 50, nullptr},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        c.Prepare();
        const double avantDiametre = Dispositif.DiametreDioptre[static_cast<std::size_t>(c.Ligne)];
        Valide(SaisieDiametreDioptre, c.Ligne, c.Texte);
        const double d = Dispositif.DiametreDioptre[static_cast<std::size_t>(c.Ligne)];
        if (std::isnan(c.Diametre))
        {
            EXPECT_EQ(d, avantDiametre);
            ASSERT_EQ(Appels.Messages.size(), 1u);
            EXPECT_EQ(Appels.Messages[0].Titre, "Quivane - Diamètre du dioptre");
            EXPECT_EQ(Appels.Messages[0].Texte, c.Message);
            EXPECT_TRUE(Appels.Enregistrements.empty());
        }
        else
        {
            EXPECT_EQ(d, c.Diametre);
            EXPECT_TRUE(Appels.Messages.empty());
        }
        TearDown();
    }
}

TEST_F(TableDispositif, DiametreDeLaTrentiemeLigneDevantLeVerre)
{
    // The empty surface after a full table is not read from past the arrays (the sanitizer run checks it).
    Dispositif.NombreDioptres = NombreMaxDioptres;
    for (int i = 1; i <= NombreMaxDioptres; ++i)
        LigneDispositif(i, i % 2 == 1 ? 100 : -100, 20, 50, i % 2 == 1 ? BK7 : Air);
    // The last face bulges towards the image, into the glass behind it.
    Dispositif.RayonDioptre[30] = 100;
    AppliqueIndices();
    Dispositif.IndiceTrace[NombreMaxDioptres + 1] = BK7.Vert;
    Dispositif.EpaisseurDioptre[30] = 0;
    Valide(SaisieDiametreDioptre, 30, "60");
    ASSERT_EQ(Appels.Messages.size(), 1u);
    EXPECT_EQ(Dispositif.DiametreDioptre[30], 50);
}

TEST_F(TableDispositif, Indices)
{
    struct TCas
    {
        const char* Texte;
        float Indice;
        const char* Boite;
    };
    const TCas cas[] = {
        {"1,5168", 1.5168f, "1,516800"}, {"0,9", 0, ""}, {"5", 0, ""}, {"4,9999996", 0, ""}, {"", 0, ""},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Texte);
        ReinitialiseProgramme();
        SetUp();
        Valide(SaisieIndiceRouge, 1, c.Texte);
        EXPECT_EQ(Dispositif.IndiceRouge[2], c.Indice);
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Boite);
        EXPECT_TRUE(Appels.Messages.empty());
        EXPECT_EQ(Textes(Appels.Enregistrements), std::vector{Enregistrement(SaisieIndiceRouge, 1, c.Indice)});
        TearDown();
    }
    SeparateurDecimal = '.';
    Valide(SaisieIndiceBleu, 3, "1.5168");
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "1.516800");
    EXPECT_EQ(Dispositif.IndiceBleu[4], 1.5168f);
}

TEST_F(TableDispositif, VerreInchangeNEstJournaliseQueSurLaDerniereLigne)
{
    Edition.LigneCourante = 2;
    EtatSaisie.TexteAvantSaisie = "Air";
    Tape(SaisieMatiereDioptre, 0, "Air");
    ValideSaisie();
    EXPECT_TRUE(Appels.Enregistrements.empty());

    Edition.LigneCourante = 4;
    Tape(SaisieMatiereDioptre, 0, "Air");
    ValideSaisie();
    EXPECT_EQ(Textes(Appels.Enregistrements), std::vector<std::string>{"2007 4 Air"});
    EXPECT_FALSE(Edition.DocumentModifie);

    Edition.LigneCourante = 1;
    EtatSaisie.TexteAvantSaisie = "BK7";
    Tape(SaisieMatiereDioptre, 0, "N-BK7");
    ValideSaisie();
    EXPECT_EQ(Dispositif.MatiereDioptre[2], "N-BK7");
    EXPECT_EQ(Appels.Enregistrements.back().Valeur, "N-BK7");
}

TEST_F(TableDispositif, ValeursExtremesRestentFinies)
{
    const struct
    {
        TCodeSaisie Code;
        int Ligne;
        const char* Texte;
    } saisies[] = {
        {SaisieDiametreDioptre, 1, "0,01"}, {SaisieRayonDioptre, 1, "9999999"}, {SaisieEpaisseurDioptre, 2, "0"},
        {SaisieRayonDioptre, 2, "0,01"},    {SaisieDiametreDioptre, 3, "0"},    {SaisieRayonDioptre, 3, "-0,01"},
        {SaisieEpaisseurDioptre, 3, "0"},   {SaisieRayonDioptre, 4, "Diaph"},
    };
    // Every gap question is answered yes: the gaps are raised as far as asked.
    PortsEdition.PoseQuestion = [](const std::string&, const std::string&) { return 6; };
    for (const auto& s : saisies)
    {
        Valide(s.Code, s.Ligne, s.Texte);
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << s.Texte << " : " << champ;
    }
    for (int i = 1; i <= 4; ++i)
        EXPECT_LT(Dispositif.EpaisseurDioptre[static_cast<std::size_t>(i)], 1e19) << i;
}

// ---- Off-axis distances --------------------------------------------------------------------------------------------

class Distances : public SaisieForme
{
protected:
    void SetUp() override
    {
        SaisieForme::SetUp();
        ConstruitFormeValide(Maksutov);
        Instrument.FocalePrimaire = 500;
        Instrument.DiametreChampPleineLumiere = 20;
        static int preparations = 0;
        preparations = 0;
        Preparations = &preparations;
        PortsClicsFiche.PrepareDistanceEtoile = [] { ++preparations; };
    }
    int* Preparations = nullptr;
};

TEST_F(Distances, EtoileDuMaksutovBorneeAuChampDePleineLumiere)
{
    const std::optional<float> limite = LimiteMaksutov();
    ASSERT_TRUE(limite);
    const TInstrument& I = Instrument;
    const float attendue = static_cast<float>(
        static_cast<float>(std::atan(I.DiametreChampPleineLumiere / 2.0 / I.FocalePrimaire) / 0.0002908882086657216) *
        I.RayonCourburePrimaire / I.DistanceLameMiroir);
    EXPECT_EQ(*limite, attendue);

    Tape(SaisieDistanceAxeEtoile, 0, FormateNombre(*limite + 20, "0"));
    ValideSaisie();
    // The cap as its record reads back.
    EXPECT_EQ(Reglages.DistanceAxeEtoile, LitNombre(FormateGeneral(*limite)));
    EXPECT_NEAR(Reglages.DistanceAxeEtoile, *limite, 1e-9);
    EXPECT_EQ(EtatSaisie.Saisie.Texte, FormateNombre(*limite + 20, "0") + " '");
    EXPECT_EQ(Textes(Appels.Enregistrements), std::vector{Enregistrement(SaisieDistanceAxeEtoile, 0, *limite)});
    EXPECT_FALSE(Edition.DocumentModifie);
    EXPECT_EQ(*Preparations, 1);
}

TEST_F(Distances, UnMiroirPlusEtroitQueLeFaisceauGardeLEtoileSurLAxe)
{
    // No fully illuminated field: the cap is the axis, never a negative distance.
    Instrument.DiametreChampPleineLumiere = -2;
    EXPECT_EQ(LimiteMaksutov(), 0.0f);
    Reglages.DistanceAxeEtoile = 5;
    Tape(SaisieDistanceAxeEtoile, 5, "40");
    ValideSaisie();
    EXPECT_EQ(Reglages.DistanceAxeEtoile, 0);
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "40 '");
}

TEST_F(Distances, ImageNegativeEtTextesIgnores)
{
    Reglages.RayonsLumineuxTraces = true;
    Tape(SaisieDistanceAxeImage, 0, "-5");
    ValideSaisie();
    EXPECT_EQ(Reglages.DistanceAxeImage, -5);
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "-5 '");
    EXPECT_EQ(Textes(Appels.Enregistrements), std::vector{Enregistrement(SaisieDistanceAxeImage, 1, -5)});
    EXPECT_FALSE(Edition.DocumentModifie);

    Tape(SaisieDistanceAxeImage, -5, "abc");
    ValideSaisie();
    Tape(SaisieDistanceAxeEtoile, 0, "abc");
    ValideSaisie();
    Tape(SaisieDistanceAxeEtoile, 0, "-2");
    ValideSaisie();
    EXPECT_EQ(Reglages.DistanceAxeImage, -5);
    EXPECT_EQ(Reglages.DistanceAxeEtoile, 0);
    EXPECT_EQ(Appels.Enregistrements.size(), 1u);

    // A replay rebuilds the distance without writing it again.
    PortsEdition.RejeuEnCours = [] { return true; };
    Tape(SaisieDistanceAxeImage, -5, "3");
    ValideSaisie();
    EXPECT_EQ(Reglages.DistanceAxeImage, 3);
    EXPECT_EQ(Appels.Enregistrements.size(), 1u);
}

// ---- Lens group, mirror row, plate glass -------------------------------------------------------------------------

// A refractor's cemented doublet of 100 mm, BK7 then F2, air behind (3 rows).
class TableGroupe : public TableDispositif
{
protected:
    void SetUp() override
    {
        SaisieForme::SetUp();
        ConstruitFormeValide(Lunette);
        Edition.TableEditee = TTableEditee::Groupe;
    }
};

TEST_F(TableGroupe, RayonDifferencesAvecLeDispositif)
{
    // Half the diameter binds from |x| = 0.1 on, not 0.01.
    Groupe.NombreDioptresGroupe = 1;
    Valide(SaisieRayonGroupe, 1, "0,1");
    EXPECT_EQ(Groupe.RayonGroupe[1], 0.1);
    Valide(SaisieRayonGroupe, 1, "0,11");
    EXPECT_EQ(Groupe.RayonGroupe[1], 0.1);
    ASSERT_EQ(Appels.Messages.size(), 1u);
    EXPECT_EQ(Appels.Messages[0].Titre, "Quivane - Rayon de courbure");

    // The gap behind is asked about only above the last row, with its line break.
    ReinitialiseProgramme();
    SetUp();
    Reponses->Ajoute(7);
    Valide(SaisieRayonGroupe, 1, "55");
    ASSERT_EQ(Appels.Questions.size(), 1u);
    EXPECT_EQ(Appels.Questions[0].Texte,
              "Ce rayon de courbure, associé au suivant et au diamètre nécessite une épaisseur supérieure.\r"
              "Voulez-vous que Quivane ajuste cette épaisseur au minimun?");
    Groupe.EpaisseurGroupe[3] = 0;
    Valide(SaisieRayonGroupe, 3, "1600");
    EXPECT_EQ(Groupe.RayonGroupe[3], 1600);
    EXPECT_EQ(Appels.Questions.size(), 1u);

    // A radius on the row after the last makes it the last; journaled when it changed.
    Groupe.EpaisseurGroupe[3] = 5;
    Valide(SaisieRayonGroupe, 4, "-900");
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 4);
    EXPECT_EQ(Appels.Enregistrements.back().Code, SaisieRayonGroupe);
    Valide(SaisieRayonGroupe, 4, "-900");
    EXPECT_EQ(Textes(Appels.Enregistrements),
              (std::vector{Enregistrement(SaisieRayonGroupe, 3, 1600), Enregistrement(SaisieRayonGroupe, 4, -900)}));
}

TEST_F(TableGroupe, LigneDuMilieuVideeEstRetiree)
{
    Groupe.EpaisseurGroupe[2] = -1;
    Groupe.IndiceRougeGroupe[2] = 0;
    Groupe.IndiceVertGroupe[2] = 0;
    Groupe.IndiceBleuGroupe[2] = 0;
    Groupe.MatiereGroupe[2].clear();
    const double rayon3 = Groupe.RayonGroupe[3];
    Valide(SaisieRayonGroupe, 2, "");
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 2);
    EXPECT_EQ(Groupe.RayonGroupe[2], rayon3);
    EXPECT_EQ(Groupe.RayonGroupe[3], 0);
    EXPECT_EQ(Groupe.EpaisseurGroupe[3], -1);
    EXPECT_EQ(Textes(Appels.Enregistrements),
              (std::vector<std::string>{"-30 2 0", Enregistrement(SaisieRayonGroupe, 2, rayon3)}));

    // A press on the tables since the set-up keeps the row the user is building.
    ReinitialiseProgramme();
    SetUp();
    for (int i = 2; i <= 3; ++i)
        Groupe.MatiereGroupe[static_cast<std::size_t>(i)].clear();
    Groupe.EpaisseurGroupe[2] = -1;
    Groupe.IndiceRougeGroupe[2] = Groupe.IndiceVertGroupe[2] = Groupe.IndiceBleuGroupe[2] = 0;
    Edition.MarqueEditionTableau = true;
    Valide(SaisieRayonGroupe, 2, "");
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 3);
    EXPECT_EQ(Groupe.RayonGroupe[2], 0);
}

TEST_F(TableGroupe, EpaisseurEtDiametreDifferencesAvecLeDispositif)
{
    Groupe.NombreDioptresGroupe = 1;
    Valide(SaisieEpaisseurGroupe, 1, "Infini");
    EXPECT_EQ(Groupe.EpaisseurGroupe[1], EpaisseurInfinie);
    EXPECT_TRUE(Appels.Messages.empty());

    ReinitialiseProgramme();

    SetUp();
    Valide(SaisieEpaisseurGroupe, 2, "10000");
    Valide(SaisieEpaisseurGroupe, 3, "10000");
    Valide(SaisieEpaisseurGroupe, 3, "10000");
    ASSERT_EQ(Appels.Messages.size(), 2u);
    EXPECT_EQ(Appels.Messages[0].Texte, "Cette épaisseur doit être inférieure à 10000mm.");
    EXPECT_EQ(Appels.Messages[1].Texte, "Cette épaisseur doit être inférieure à 10000mm ou égale à \"Infini\".");

    // The diameter is refused as soon as the gap behind falls short, even by less than 0.01.
    ReinitialiseProgramme();
    SetUp();
    Groupe.DiametreGroupe[1] = 60;
    Groupe.EpaisseurGroupe[1] = CalculeEpaisseurMinimale(false, 600, -450, 100, 100) - 0.005;
    Valide(SaisieDiametreGroupe, 1, "100");
    ASSERT_EQ(Appels.Messages.size(), 1u);
    EXPECT_EQ(Appels.Messages[0].Titre, "Quivane - Diamètre excessif");
    EXPECT_EQ(Groupe.DiametreGroupe[1], 60);
}

TEST_F(TableGroupe, DiametreDuCorrecteurHoughtonDonneLEntree)
{
    for (const TTypeInstrument forme : {LurieHoughton, HoughtonCassegrain})
    {
        ReinitialiseProgramme();
        SetUp();
        ConstruitFormeValide(forme);
        Valide(SaisieDiametreGroupe, 1, "190");
        EXPECT_EQ(Groupe.DiametreGroupe[1], 190);
        EXPECT_EQ(Instrument.DiametreEntree, 190);
        Valide(SaisieDiametreGroupe, 2, "180");
        EXPECT_EQ(Instrument.DiametreEntree, 190);
        TearDown();
    }
}

TEST_F(TableGroupe, RayonDuSecondaireDuKlevtsov)
{
    ConstruitFormeValide(KlevtsovCassegrain);
    Valide(SaisieRayonLigneMiroir, 0, "xPlan");
    EXPECT_EQ(Instrument.RayonCourbureSecondaire, RayonPlan);
    EXPECT_EQ(Textes(Appels.Enregistrements), std::vector{Enregistrement(SaisieRayonLigneMiroir, 0, RayonPlan)});

    Valide(SaisieRayonLigneMiroir, 0, "");
    EXPECT_EQ(Instrument.RayonCourbureSecondaire, RayonPlan);
    ASSERT_EQ(Appels.Messages.size(), 1u);
    EXPECT_EQ(Appels.Messages[0].Titre, "Quivane - Rayon de courbure du miroir secondaire");
    EXPECT_EQ(Appels.Messages[0].Texte,
              "Le rayon de courbure ne peut pas être inférieur à la moitié du diamètre du miroir.");

    // A radius whose sag crosses the last group surface's: the gap in front of the mirror is raised.
    Groupe.EpaisseurGroupe[2] = 0;
    Reponses->Ajoute(6);
    Systeme.MessageDejaAffiche = 0;
    Valide(SaisieRayonLigneMiroir, 0, "-100");
    ASSERT_EQ(Appels.Questions.size(), 1u);
    EXPECT_EQ(Appels.Questions[0].Titre, "Quivane - Rayon de courbure du miroir secondaire");
    EXPECT_EQ(Appels.Questions[0].Texte, QuestionAvant);
    EXPECT_EQ(Instrument.RayonCourbureSecondaire, -100);
    const std::size_t n = Appels.Enregistrements.size();
    EXPECT_EQ(Textes({Appels.Enregistrements[n - 2], Appels.Enregistrements[n - 1]}),
              (std::vector{Enregistrement(SaisieEpaisseurGroupe, 2, Groupe.EpaisseurGroupe[2]),
                           Enregistrement(SaisieRayonLigneMiroir, 0, -100)}));
    EXPECT_GT(Groupe.EpaisseurGroupe[2], 0);
}

TEST_F(TableGroupe, VerreDeLaLameDansLaPremiereLigneDuGroupe)
{
    ConstruitFormeValide(Schmidt);
    Edition.LigneCourante = 5;
    Tape(SaisieIndiceVertLame, Groupe.IndiceVertGroupe[1], "1,6");
    ValideSaisie();
    EXPECT_EQ(Groupe.IndiceVertGroupe[1], 1.6f);
    EXPECT_EQ(Textes(Appels.Enregistrements), std::vector{Enregistrement(SaisieIndiceVertLame, 1, 1.6f)});

    EtatSaisie.TexteAvantSaisie = Groupe.MatiereGroupe[1];
    Tape(SaisieMatiereLame, 0, "UBK7");
    ValideSaisie();
    EXPECT_EQ(Groupe.MatiereGroupe[1], "UBK7");
    EXPECT_EQ(Appels.Enregistrements.back().Index, 1);

    // An index emptied makes the plate invalid at once, even when the text was not a number.
    Groupe.IndiceVertGroupe[1] = 0;
    Tape(SaisieIndiceVertLame, 0, "abc");
    ValideSaisie();
    EXPECT_FALSE(Validite.InstrumentValide);
}

} // namespace
