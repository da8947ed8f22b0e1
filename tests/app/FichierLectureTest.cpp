// Reading design files: every form back from its own file, old documents, headers, the lens-device modes and the
// base copy, and files that are not designs, which leave the current design as it was.
#include "FichierTest.h"

#include "app/FichierEcriture.h"
#include "app/FichierFormat.h"
#include "doubles/FichiersDefaillants.h"
#include "editing/CodesJournal.h"
#include "optics/Initialisation.h"
#include "optics/PrepareForme.h"
#include "optics/PrepareSysteme.h"
#include "optics/Rayon.h"
#include "optics/Validite.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <sys/stat.h>

namespace {

// A lens device of n rows: lenses of BK7 in air, the last thickness to the image.
void DonneDispositif(int n)
{
    TDioptre& d = Dispositif;
    d.TitreDispositif = "Correcteur";
    d.NombreDioptres = n;
    for (int i = 1; i <= n; ++i)
    {
        const auto k = static_cast<std::size_t>(i);
        const bool verre = i % 2 == 1;
        d.RayonDioptre[k] = (verre ? 1 : -1) * (100.25 + i);
        d.EpaisseurDioptre[k] = verre ? 4.5 : 12;
        d.DiametreDioptre[k] = 40;
        d.IndiceRouge[k + 1] = verre ? 1.51432f : 1.000276f;
        d.IndiceVert[k + 1] = verre ? 1.51872f : 1.000278f;
        d.IndiceBleu[k + 1] = verre ? 1.52283f : 1.00028f;
        d.MatiereDioptre[k + 1] = verre ? "BK7" : "Air";
    }
}

// Half a unit of the pattern's last decimal: what writing may take from a value.
double Tolerance(const char* motif)
{
    const std::string m = motif;
    const auto point = m.find('.');
    const int decimales = point == std::string::npos ? 0 : static_cast<int>(m.size() - point - 1);
    return 0.5 * std::pow(10.0, -decimales) * (1 + 1e-9);
}

bool AGroupe(TTypeInstrument forme)
{
    using T = TTypeInstrument;
    return forme == T::Lunette || forme == T::KlevtsovCassegrain || forme == T::LurieHoughton ||
           forme == T::HoughtonCassegrain;
}

class FichierLecture : public FichierTest
{};

TEST_F(FichierLecture, ChaqueFormeRevientDeSonFichier)
{
    struct TVariante
    {
        const char* Nom;
        bool Dispositif;
        bool GroupeVide;
        bool SurMenisque;
    };
    const TVariante variantes[] = {
        {"seule", false, false, true},
        {"avec dispositif", true, false, true},
        {"groupe vide", false, true, true},
        {"groupe vide et dispositif", true, true, true},
        {"secondaire séparé", true, false, false},
    };
    for (const TTypeInstrument forme : FormesInstrument)
        for (const TVariante& v : variantes)
        {
            if (v.GroupeVide && !AGroupe(forme))
                continue;
            if (!v.SurMenisque && forme != TTypeInstrument::MaksutovCassegrain)
                continue;
            SCOPED_TRACE(TitreSection(forme) + " " + v.Nom);
            ConstruitFormeValide(forme);
            Instrument.SecondaireSurMenisque = v.SurMenisque;
            if (v.Dispositif)
                DonneDispositif(3);
            if (v.GroupeVide)
                Groupe.NombreDioptresGroupe = 0;
            const TInstrument ecrit = Instrument;
            const TDioptreGroupe groupeEcrit = Groupe;
            const TDioptre dispositifEcrit = Dispositif;
            Etat.CheminDocument = Chemin("a.qvd");
            ASSERT_TRUE(EcritFichierConception());

            ReinitialiseEtat();
            Services.Question.Posees.clear();
            ASSERT_TRUE(Ouvre(Chemin("a.qvd")));
            EXPECT_TRUE(Services.Question.Posees.empty());
            EXPECT_EQ(Instrument.TypeInstrument, forme);
            for (const TChampFichier& champ : ChampsInstrument(forme, v.SurMenisque))
            {
                if (champ.Genre == TGenreChamp::Reel)
                {
                    EXPECT_NEAR(Instrument.*champ.Reel, ecrit.*champ.Reel, Tolerance(champ.Motif));
                }
                if (champ.Genre == TGenreChamp::ReelSimple)
                {
                    EXPECT_NEAR(Instrument.*champ.Simple, ecrit.*champ.Simple, Tolerance(champ.Motif));
                }
            }
            EXPECT_EQ(Instrument.ChampCourbe, ecrit.ChampCourbe);
            EXPECT_EQ(Instrument.ProfilLame, ecrit.ProfilLame);
            EXPECT_EQ(Instrument.SecondaireSurMenisque, ecrit.SecondaireSurMenisque);
            const int lignesGroupe = AGroupe(forme) ? groupeEcrit.NombreDioptresGroupe : 1;
            for (int i = 1; i <= lignesGroupe; ++i)
            {
                const auto k = static_cast<std::size_t>(i);
                if (AGroupe(forme))
                {
                    EXPECT_NEAR(Groupe.RayonGroupe[k], groupeEcrit.RayonGroupe[k], 0.005);
                    EXPECT_NEAR(Groupe.EpaisseurGroupe[k], groupeEcrit.EpaisseurGroupe[k], 0.005);
                    EXPECT_NEAR(Groupe.DiametreGroupe[k], groupeEcrit.DiametreGroupe[k], 0.005);
                }
                EXPECT_NEAR(Groupe.IndiceVertGroupe[k], groupeEcrit.IndiceVertGroupe[k], 5e-7);
                EXPECT_EQ(Groupe.MatiereGroupe[k], groupeEcrit.MatiereGroupe[k]);
            }
            ASSERT_EQ(Dispositif.NombreDioptres, dispositifEcrit.NombreDioptres);
            EXPECT_EQ(Dispositif.TitreDispositif, dispositifEcrit.TitreDispositif);
            for (int i = 1; i <= Dispositif.NombreDioptres; ++i)
            {
                const auto k = static_cast<std::size_t>(i);
                EXPECT_NEAR(Dispositif.RayonDioptre[k], dispositifEcrit.RayonDioptre[k], 0.005);
                EXPECT_EQ(Dispositif.EpaisseurDioptre[k], dispositifEcrit.EpaisseurDioptre[k]);
                EXPECT_FLOAT_EQ(Dispositif.IndiceBleu[k + 1], dispositifEcrit.IndiceBleu[k + 1]);
                EXPECT_EQ(Dispositif.MatiereDioptre[k + 1], dispositifEcrit.MatiereDioptre[k + 1]);
            }

            Etat.CheminDocument = Chemin("b.qvd");
            ASSERT_TRUE(EcritFichierConception());
            EXPECT_EQ(Octets(Chemin("b.qvd")), Octets(Chemin("a.qvd")));
        }
}

// The focal length the views trace for the instrument alone, once the refresh has set the form up.
double FocaleDesVues()
{
    VerifieValidite();
    PrepareForme();
    Rayon.DispositifActif = false;
    PrepareSysteme();
    Rayon.DispositifActif = true;
    return Instrument.FocaleEffective;
}

TEST_F(FichierLecture, LaLectureDeriveCeQueLeRafraichissementRetrouve)
{
    struct TCas
    {
        const char* Nom;
        TTypeInstrument Forme;
        void (*Entre)();
    };
    const TCas cas[] = {
        // The mirror of a camera of 300 mm at F/1.5 by the neutral zone's construction: its plate lengthens the
        // traced focal length to about R/2 + 3.1, which the sheet must show too.
        {"chambre de Schmidt", TTypeInstrument::Schmidt,
         [] {
             Instrument.RayonCourburePrimaire = 606.2;
             Instrument.DistanceLameMiroir = 604.2f;
         }},
        {"Schmidt-Newton", TTypeInstrument::SchmidtNewton,
         [] {
             Instrument.FocaleResultante = 300;
             Instrument.DistanceLameMiroir = 600;
             Instrument.DiametreSecondaire = 70;
             Instrument.DistanceSecondaireFoyer = 120;
         }},
        {"Maksutov-Cassegrain sur le ménisque", TTypeInstrument::MaksutovCassegrain, [] {}},
        {"Maksutov-Cassegrain séparé", TTypeInstrument::MaksutovCassegrain,
         [] {
             Instrument.SecondaireSurMenisque = false;
             Instrument.FocaleResultante = 3000;
             Instrument.DegagementFoyer = 150;
         }},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ConstruitFormeValide(c.Forme);
        c.Entre();
        Etat.CheminDocument = Chemin("a.qvd");
        ASSERT_TRUE(EcritFichierConception());
        ReinitialiseEtat();

        ASSERT_TRUE(Ouvre(Chemin("a.qvd")));
        ASSERT_TRUE(Validite.InstrumentValide);
        const TInstrument lu = Instrument;
        // A file read and saved again is the same file: the read moved none of the stored values.
        Etat.CheminDocument = Chemin("b.qvd");
        ASSERT_TRUE(EcritFichierConception());
        EXPECT_EQ(Octets(Chemin("b.qvd")), Octets(Chemin("a.qvd")));
        const double focale = FocaleDesVues();
        ASSERT_FALSE(Systeme.CalculEchoue);
        EXPECT_NEAR(focale, lu.FocaleResultante, 0.1);
        // The same to the solver's precision: the reference ray's height, read after the instrument, moves them a
        // little.
        EXPECT_NEAR(Instrument.FocaleResultante, lu.FocaleResultante, 1e-3);
        EXPECT_NEAR(Instrument.DegagementFoyer, lu.DegagementFoyer, 1e-3);
        EXPECT_NEAR(Instrument.Grandissement, lu.Grandissement, 1e-6);
    }
}

TEST_F(FichierLecture, ReglagesEtTeintesReviennent)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    Reglages.AmplitudeChamp = 7;
    Reglages.ChampLineaire = false;
    Reglages.IndiceLimite = 1.25f;
    Reglages.EntierReserve = 41;
    Reglages.PasBoiteDistance = 2.5f;
    Systeme.DistanceFoyerDioptre = -12.375;
    Systeme.DistanceAxeRayonFoyer = 0.43301;
    Reglages.TeinteVerre[0] = CouleurRVB(192, 220, 192); // written by its name, "clMoneyGreen"
    Reglages.TeinteVerre[2] = 0x00FFFFFF;
    Reglages.TeinteVerre[9] = 0x00123456;
    const TReglages ecrits = Reglages;
    Etat.CheminDocument = Chemin("a.qvd");
    ASSERT_TRUE(EcritFichierConception());
    ReinitialiseEtat();
    SeparateurDecimal = '.';

    ASSERT_TRUE(Ouvre(Chemin("a.qvd")));

    EXPECT_EQ(Reglages.AmplitudeChamp, 7);
    EXPECT_FALSE(Reglages.ChampLineaire);
    EXPECT_EQ(Reglages.IndiceLimite, 1.25f);
    EXPECT_EQ(Reglages.EntierReserve, 41);
    EXPECT_EQ(Reglages.PasBoiteDistance, 2.5f);
    EXPECT_EQ(Systeme.DistanceFoyerDioptre, -12.375);
    EXPECT_EQ(Systeme.DistanceAxeRayonFoyer, 0.43301);
    EXPECT_EQ(Reglages.TeinteVerre, ecrits.TeinteVerre);
}

TEST_F(FichierLecture, UnFichierUtf8AvecLFSeLitCommeLOriginal)
{
    EcritFichier(Chemin("origine.qvd"), {"<Quivane 3.3.0>",
                                         "[T\xE9lescope de Ritchey-Chr\xE9tien]",
                                         "200",
                                         "800",
                                         "3200",
                                         "200",
                                         "40",
                                         "70",
                                         "-1,04",
                                         "-3,17",
                                         "-1",
                                         "20",
                                         "8",
                                         "[Dispositif dioptrique]",
                                         "Correcteur \xE0 2 lentilles",
                                         "8",
                                         "13",
                                         "15",
                                         "1",
                                         "0",
                                         "-1",
                                         "0",
                                         "0",
                                         "0",
                                         "0",
                                         ""});
    std::ofstream utf8(Chemin("linux.qvd"), std::ios::binary);
    utf8 << "<Quivane 3.3.0>\n[Télescope de Ritchey-Chrétien]\n200\n800\n3200\n200\n40\n70\n-1.04\n-3.17\n-1\n20\n8\n"
            "[Dispositif dioptrique]\nCorrecteur à 2 lentilles\n8\n13\n15\n1\n0\n-1\n0\n0\n0\n0\n\n";
    utf8.close();
    std::vector<std::string> lu[2];
    const std::string fichiers[2] = {"origine.qvd", "linux.qvd"};
    for (int f = 0; f < 2; ++f)
    {
        SCOPED_TRACE(fichiers[f]);
        ReinitialiseEtat();
        // Without display settings the read ends early: a file cut there is refused, so complete it.
        Services.Question.Posees.clear();
        Services.Question.Repond(ReponseOk);
        EXPECT_FALSE(Ouvre(Chemin(fichiers[f])));
        EXPECT_EQ(Boites(),
                  std::vector<std::string>{"Quivane - Lecture d'un fichier / Erreur de lecture d'un fichier"});
    }
    for (int f = 0; f < 2; ++f)
    {
        std::ofstream suite(Chemin(fichiers[f]), std::ios::binary | std::ios::app);
        for (const char* ligne : {"12", "24", "True", "25", "90", "20", "30", "1,1", "0", "10", "5", "5", "5", "10",
                                  "15", "10", "0", "0", "0,43301"})
            suite << ligne << (f == 0 ? "\r\n" : "\n");
    }
    for (int f = 0; f < 2; ++f)
    {
        SCOPED_TRACE(fichiers[f]);
        ReinitialiseEtat();
        ASSERT_TRUE(Ouvre(Chemin(fichiers[f])));
        EXPECT_EQ(Instrument.NomInstrument, "Télescope de Ritchey-Chrétien");
        EXPECT_EQ(Dispositif.TitreDispositif, "Correcteur à 2 lentilles");
        EXPECT_EQ(Instrument.CoefficientDeformationSecondaire, -3.17);
        lu[f] = LignesFichierConception();
    }
    EXPECT_EQ(lu[0], lu[1]);
}

TEST_F(FichierLecture, EnTetesReconnus)
{
    struct TCas
    {
        const char* EnTete;
        bool Reconnu;
    };
    const TCas cas[] = {
        {"<Quivane 3.3.0>", true}, {"<Quivane 3.9.12 beta>", true}, {"Quivane 3.3.0", false},
        {"<Quivane 2.0>", false},  {"<Quivane 1.0.0>", false},      {"", false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.EnTete);
        ReinitialiseEtat();
        std::vector<std::string> lignes = LignesFichierConception();
        lignes[0] = c.EnTete;
        EcritFichier(Chemin("a.qvd"), lignes);
        Services.Question.Posees.clear();
        if (!c.Reconnu)
            Services.Question.Repond(ReponseOk);
        EXPECT_EQ(Ouvre(Chemin("a.qvd")), c.Reconnu);
        EXPECT_EQ(Services.Question.Posees.size(), c.Reconnu ? 0u : 1u);
    }
}

// An old document: a Newton, values that may be quoted, the lines as wavelengths in nanometres.
std::vector<std::string> AncienDocument(const char* rouge)
{
    return {"Quivane 2.0", "\"Newton 200\"",
            "\"200\"",     "1200",
            "\"-1\"",      "50",
            "150",         "\"Oculaire\"",
            rouge,         "546.1",
            "\"480\"",     "1",
            "\"-30\"",     "\"5\"",
            "20",          "1,5168",
            "1.5187",      "1.52",
            "\"BK7\"",     "12",
            "24",          "Vrai",
            "25",          "90",
            "20",          "30",
            "1.1",         "0",
            "10",          "5",
            "5",           "5",
            "10",          "15",
            "10",          "0",
            "1250",        "0"};
}

TEST_F(FichierLecture, AncienDocumentDeVersion2)
{
    EcritFichier(Chemin("ancien.qvd"), AncienDocument("\"656.3\""));
    ASSERT_TRUE(Ouvre(Chemin("ancien.qvd")));
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Newton);
    EXPECT_EQ(Instrument.NomInstrument, "Télescope de Newton");
    EXPECT_EQ(Instrument.DiametreEntree, 200);
    EXPECT_EQ(Instrument.FocalePrimaire, 1200);
    EXPECT_EQ(Instrument.CoefficientDeformationPrimaire, -1);
    EXPECT_EQ(Instrument.DistanceSecondaireFoyer, 150);
    EXPECT_EQ(Dispositif.TitreDispositif, "\"Oculaire\"") << "le titre est pris tel quel";
    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 8);
    EXPECT_EQ(LongueursOnde.LongueurOndeVerte, 13);
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 15);
    ASSERT_EQ(Dispositif.NombreDioptres, 1);
    EXPECT_EQ(Dispositif.RayonDioptre[1], -30);
    EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[2], 1.5168f);
    EXPECT_EQ(Dispositif.MatiereDioptre[2], "BK7");
    EXPECT_TRUE(Reglages.ChampLineaire);
    EXPECT_EQ(Systeme.DistanceFoyerDioptre, 50) << "mesurée depuis le foyer du primaire";
    EXPECT_EQ(Reglages.TeinteVerre, TeintesParDefaut);

    // No line at 656.0, 546.0 or 481 nm: each channel takes the line of a file without chosen lines, which the file
    // saved again carries and gives back.
    ReinitialiseEtat();
    std::vector<std::string> sansRaie = AncienDocument("656.0");
    sansRaie[9] = "546.0";
    sansRaie[10] = "481";
    EcritFichier(Chemin("ancien.qvd"), sansRaie);
    ASSERT_TRUE(Ouvre(Chemin("ancien.qvd")));
    const std::array<TLongueurOnde, 3> attendues = {8, 13, 17};
    const auto lignes = [] {
        return std::array<TLongueurOnde, 3>{LongueursOnde.LongueurOndeRouge, LongueursOnde.LongueurOndeVerte,
                                            LongueursOnde.LongueurOndeBleue};
    };
    EXPECT_EQ(lignes(), attendues);
    const std::vector<std::string> lu = LignesFichierConception();
    Etat.CheminDocument = Chemin("nouveau.qvd");
    ASSERT_TRUE(EcritFichierConception());
    ReinitialiseEtat();
    ASSERT_TRUE(Ouvre(Chemin("nouveau.qvd")));
    EXPECT_EQ(lignes(), attendues);
    EXPECT_EQ(LignesFichierConception(), lu);
}

TEST_F(FichierLecture, RaiesAbsentesEtTeintesManquantes)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    Reglages.TeinteVerre[0] = 0x00FFFFFF;
    std::vector<std::string> lignes = LignesFichierConception();
    lignes[11] = lignes[12] = lignes[13] = "0";
    lignes.resize(lignes.size() - 10);
    EcritFichier(Chemin("a.qvd"), lignes);
    ReinitialiseEtat();
    ASSERT_TRUE(Ouvre(Chemin("a.qvd")));
    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 8);
    EXPECT_EQ(LongueursOnde.LongueurOndeVerte, 13);
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 17);
    EXPECT_EQ(Reglages.TeinteVerre, TeintesParDefaut);
}

TEST_F(FichierLecture, NombresLusDansLesDeuxSeparateurs)
{
    for (const char separateur : {'.', ','})
        for (const char* texte : {"12,5", "12.5", " 12.5 ", "1,25E1", "125e-1"})
        {
            SCOPED_TRACE(std::string(1, separateur) + " " + texte);
            ReinitialiseEtat();
            SeparateurDecimal = separateur;
            std::vector<std::string> lignes = LignesFichierConception();
            lignes.insert(lignes.begin() + 1, {"[Télescope de Newton]", "200", texte, "-1", "50", "150", "0", "0"});
            EcritFichier(Chemin("a.qvd"), lignes);
            ASSERT_TRUE(Ouvre(Chemin("a.qvd")));
            EXPECT_EQ(Instrument.FocalePrimaire, 12.5);
        }
}

TEST_F(FichierLecture, LectureDeLInstrumentSeul)
{
    ConstruitFormeValide(TTypeInstrument::Cassegrain);
    Etat.CheminDocument = Chemin("cassegrain.qvd");
    ASSERT_TRUE(EcritFichierConception());
    ConstruitFormeValide(TTypeInstrument::Newton);
    DonneDispositif(2);
    Reglages.AmplitudeChamp = 3;
    Journal.NombreEnregistrementsJournal = 1;
    InitialiseInstrument();
    LongueursOnde.LongueurOndeBleue = 16;

    Etat.CheminDocument = Chemin("cassegrain.qvd");
    Lecture.LectureInstrumentSeul = true;
    ASSERT_TRUE(LitFichierConception());

    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Cassegrain);
    EXPECT_EQ(Dispositif.NombreDioptres, 2);
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 16);
    EXPECT_EQ(Reglages.AmplitudeChamp, 3);
    EXPECT_EQ(Journal.CodeJournal, CodeJournalLectureInstrument);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 2);
}

TEST_F(FichierLecture, LectureDuDispositifNePrendRienDeLInstrument)
{
    ConstruitFormeValide(TTypeInstrument::MaksutovCassegrain);
    Instrument.SecondaireSurMenisque = false;
    DonneDispositif(2);
    Etat.CheminDocument = Chemin("mc.qvd");
    ASSERT_TRUE(EcritFichierConception());
    ConstruitFormeValide(TTypeInstrument::Lunette);
    const TInstrument instrument = Instrument;
    const std::vector<std::string> groupe(Groupe.MatiereGroupe.begin(), Groupe.MatiereGroupe.end());
    InitialiseDispositif();

    Etat.CheminDocument = Chemin("mc.qvd");
    Lecture.ModeLecture = ModeRemplaceDispo;
    Lecture.LectureDispositifSeul = true;
    ASSERT_TRUE(LitFichierConception());

    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Lunette);
    EXPECT_TRUE(Instrument.SecondaireSurMenisque);
    EXPECT_EQ(Instrument.DiametreEntree, instrument.DiametreEntree);
    EXPECT_EQ(std::vector<std::string>(Groupe.MatiereGroupe.begin(), Groupe.MatiereGroupe.end()), groupe);
    EXPECT_EQ(Dispositif.NombreDioptres, 2);
    EXPECT_EQ(Dispositif.TitreDispositif, "Correcteur");
}

class FichierPlacement : public FichierLecture
{
protected:
    // A file whose device has n rows, and a current design with k rows.
    void Prepare(int n, int k)
    {
        ReinitialiseEtat();
        DonneDispositif(n);
        Etat.CheminDocument = Chemin("place.qvd");
        ASSERT_TRUE(EcritFichierConception());
        ReinitialiseEtat();
        DonneDispositif(k);
        Journal.NombreEnregistrementsJournal = 1;
        Lecture.ModeLecture = ModeApresDispo;
        Lecture.LectureDispositifSeul = true;
        Services.Question.Posees.clear();
    }
};

TEST_F(FichierPlacement, VingtQuatrePlusCinqPassentVingtCinqPlusCinqNon)
{
    Prepare(5, 24);
    const double rayon24 = Dispositif.RayonDioptre[24];
    EXPECT_TRUE(LitFichierConception());
    EXPECT_EQ(Dispositif.NombreDioptres, 29);
    EXPECT_EQ(Dispositif.RayonDioptre[24], rayon24);
    EXPECT_NEAR(Dispositif.RayonDioptre[25], 101.25, 1e-9);
    EXPECT_EQ(Journal.CodeJournal, CodeJournalDispositifApres);

    Prepare(5, 25);
    const std::vector<std::string> avant = LignesFichierConception();
    Services.Question.Repond(ReponseOk);
    EXPECT_FALSE(LitFichierConception());
    EXPECT_EQ(Boites(), std::vector<std::string>{"Quivane - Nombre de dioptres excessif / L'ajout de ce dispositif "
                                                 "entraînerait un dépassement du nombre maximal de dioptre que "
                                                 "Quivane peut accepter."});
    EXPECT_EQ(LignesFichierConception(), avant);
    EXPECT_EQ(Lecture.ModeLecture, ModeExces);
}

TEST_F(FichierLecture, UnDispositifQuiRemplitLaTableSeRelit)
{
    // The program itself writes devices of 30 rows: they must open again; one more is refused.
    struct TCas
    {
        int Rangees;
        bool Lu;
    };
    for (const TCas c : {TCas{29, true}, TCas{30, true}, TCas{31, false}})
    {
        SCOPED_TRACE(c.Rangees);
        ConstruitFormeValide(TTypeInstrument::Newton);
        DonneDispositif(std::min(c.Rangees, NombreMaxDioptres));
        std::vector<std::string> lignes = LignesFichierConception();
        if (c.Rangees > NombreMaxDioptres)
            lignes[14] = std::to_string(c.Rangees);
        EcritFichier(Chemin("long.qvd"), lignes);
        ReinitialiseEtat();
        Services.Question.Posees.clear();
        if (!c.Lu)
            Services.Question.Repond(ReponseOk);
        ASSERT_TRUE(Ouvre(Chemin("long.qvd")));
        EXPECT_EQ(Dispositif.NombreDioptres, c.Lu ? c.Rangees : 1);
        EXPECT_EQ(Services.Question.Posees.size(), c.Lu ? 0u : 1u);
    }
}

TEST_F(FichierPlacement, DevantDecaleLesRangeesAvecLeursMilieux)
{
    Prepare(2, 3);
    Dispositif.MatiereDioptre[4] = "F2";
    Lecture.ModeLecture = ModeAvantDispo;
    ASSERT_TRUE(LitFichierConception());
    ASSERT_EQ(Dispositif.NombreDioptres, 5);
    EXPECT_EQ(Dispositif.MatiereDioptre[6], "F2") << "le verre derrière l'ancienne rangée 3";
    EXPECT_EQ(Dispositif.MatiereDioptre[2], "BK7");
    EXPECT_NEAR(Dispositif.RayonDioptre[5], 103.25, 1e-9) << "l'ancienne rangée 3";
    EXPECT_EQ(Journal.CodeJournal, CodeJournalDispositifAvant);
}

TEST_F(FichierPlacement, RaiesDifferentesLaissentLeDispositif)
{
    Prepare(2, 3);
    LongueursOnde.LongueurOndeBleue = 16;
    const std::vector<std::string> avant = LignesFichierConception();
    Services.Question.Repond(ReponseOk);
    EXPECT_FALSE(LitFichierConception());
    EXPECT_EQ(Boites(), std::vector<std::string>{"Quivane - Longueur d'ondes incompatibles / Les longueurs d'ondes "
                                                 "de ce fichier ne correspondent pas avec les longueurs d'ondes du "
                                                 "tableau en-cours"});
    EXPECT_EQ(LignesFichierConception(), avant);
}

TEST_F(FichierLecture, CopieDeBaseEtEnregistrementDuJournal)
{
    Etat.DossierUtilisable = true;
    Etat.NomCopieDeBase = "QuivaneFile0.tmp";
    Etat.CheminCopieDeBase = Chemin("QuivaneFile0.tmp");
    Etat.CheminJournal = Chemin("Quivane0.tmp");
    ConstruitFormeValide(TTypeInstrument::Gregory);
    Etat.CheminDocument = Chemin("gregory.qvd");
    ASSERT_TRUE(EcritFichierConception());
    ReinitialiseEtat();

    ASSERT_TRUE(Ouvre(Chemin("gregory.qvd")));
    EXPECT_EQ(Octets(Etat.CheminCopieDeBase), Octets(Chemin("gregory.qvd")));
    EXPECT_EQ(Etat.CheminDocumentMemorise, Chemin("gregory.qvd"));
    EXPECT_EQ(Octets(Etat.CheminJournal), "-2\n0\n" + Chemin("gregory.qvd") + "\n");

    // Reading the base copy itself, as the journal does, copies nothing and records nothing.
    Journal.NombreEnregistrementsJournal = 0;
    std::filesystem::remove(Etat.CheminJournal);
    ASSERT_TRUE(Ouvre(Etat.CheminCopieDeBase));
    EXPECT_FALSE(std::filesystem::exists(Etat.CheminJournal));
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 0);
}

TEST_F(FichierLecture, UnDossierPleinOuvreQuandMemeEtArreteLeJournal)
{
    Etat.DossierUtilisable = true;
    Etat.NomCopieDeBase = "QuivaneFile0.tmp";
    Etat.CheminCopieDeBase = Chemin("QuivaneFile0.tmp");
    Etat.CheminJournal = Chemin("Quivane0.tmp");
    Etat.CheminJournalProvisoire = Chemin("Quivane0.bak");
    ConstruitFormeValide(TTypeInstrument::Gregory);
    Etat.CheminDocument = Chemin("gregory.qvd");
    ASSERT_TRUE(EcritFichierConception());
    // The base copy of the design opened before, which undo must never rebuild in place of this one.
    EcritFichier(Etat.CheminCopieDeBase, {"<Quivane 3.3.0>", "[Dispositif dioptrique]"});
    ReinitialiseEtat();
    TFichiersDefaillants plein(0);
    ::Services().Fichiers = &plein;
    Services.Question.Repond(ReponseOk);

    Lecture.NouveauJournal = true;
    ASSERT_TRUE(Ouvre(Chemin("gregory.qvd")));
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Gregory);
    EXPECT_EQ(Boites(), std::vector<std::string>{"Quivane - Journal / Le journal des modifications ne peut pas être "
                                                 "écrit : annuler, rétablir et la récupération d'une session "
                                                 "interrompue seront incomplets."});
    EXPECT_FALSE(std::filesystem::exists(Etat.CheminCopieDeBase));

    // The edits that follow are not journaled: undo has nothing to rebuild the design from.
    AjouteEnregistrement({SaisieDiametreEntreeNewton, 0, "250"});
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 0);
    EXPECT_EQ(Octets(Etat.CheminJournal), "");
    EXPECT_EQ(Boites().size(), 1u);
}

TEST_F(FichierLecture, UnDossierOuUnTubeDonnentLErreurDeLecture)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    const std::vector<std::string> avant = LignesFichierConception();
    std::filesystem::create_directory(Chemin("dossier.qvd"));
    ASSERT_EQ(::mkfifo(Chemin("tube.qvd").c_str(), 0600), 0);
    for (const char* nom : {"dossier.qvd", "tube.qvd"})
    {
        SCOPED_TRACE(nom);
        Services.Question.Posees.clear();
        Services.Question.Repond(ReponseOk);
        EXPECT_FALSE(Ouvre(Chemin(nom)));
        EXPECT_EQ(Boites(),
                  std::vector<std::string>{"Quivane - Lecture d'un fichier / Erreur de lecture d'un fichier"});
        EXPECT_EQ(LignesFichierConception(), avant);
    }
}

// ---- Files that are not designs ------------------------------------------------------------------

class FichierRefuse : public FichierLecture
{
protected:
    // The current design, which a refused file must leave as it is.
    void SetUp() override
    {
        FichierLecture::SetUp();
        ConstruitFormeValide(TTypeInstrument::Lunette);
        DonneDispositif(2);
        Courant = LignesFichierConception();
    }

    std::vector<std::string> Newton() const
    {
        std::vector<std::string> lignes = Courant;
        lignes.erase(lignes.begin() + 1, lignes.begin() + 1 + 2 + 7 * Groupe.NombreDioptresGroupe);
        lignes.insert(lignes.begin() + 1, {"[Télescope de Newton]", "200", "1200", "-1", "50", "150", "25", "8"});
        return lignes;
    }

    std::vector<std::string> Courant;
};

TEST_F(FichierRefuse, ChaqueFauteEstSignaleeUneFoisEtLaisseLaConception)
{
    const std::string erreurLecture = "Quivane - Lecture d'un fichier / Erreur de lecture d'un fichier";
    const std::string incorrect = "Quivane - Lecture d'un fichier / Fichier incorrect";
    struct TCas
    {
        const char* Quoi;
        std::vector<std::string> Lignes;
        std::string Boite;
    };
    std::vector<std::string> tronque = Courant;
    tronque.resize(tronque.size() - 20);
    std::vector<std::string> pasUnNombre = Courant;
    pasUnNombre[4] = "--5";
    std::vector<std::string> marqueSeule = Courant;
    marqueSeule[4] = ".";
    std::vector<std::string> caractereEtranger = Courant;
    caractereEtranger[4] = "12a5";
    std::vector<std::string> entierVide = Courant;
    entierVide[2] = "";
    std::vector<std::string> titreInconnu = Courant;
    titreInconnu[1] = "[Télescope de Hubble]";
    std::vector<std::string> groupeDe14 = Courant;
    groupeDe14[2] = "14";
    std::vector<std::string> raie99 = Courant;
    raie99[raie99.size() - 29 - 7 * 2 - 4] = "99";
    std::vector<std::string> teinte = Courant;
    teinte.back() = "clRouge";
    std::vector<std::string> sansDispositif = Newton();
    sansDispositif[9] = "[Dispositif]";
    std::vector<std::string> infini = Newton();
    infini[6] = "1E999";
    const TCas cas[] = {
        {"fichier tronqué", tronque, erreurLecture},
        {"fichier vide", {}, erreurLecture},
        {"ligne qui n'est pas un nombre", pasUnNombre, incorrect},
        {"séparateur sans chiffre", marqueSeule, incorrect},
        {"caractère étranger dans un nombre", caractereEtranger, incorrect},
        {"entier vide", entierVide, incorrect},
        {"titre de section inconnu", titreInconnu, incorrect},
        {"groupe de 14 rangées", groupeDe14, incorrect},
        {"raie hors de la table", raie99, incorrect},
        {"teinte inconnue", teinte, incorrect},
        {"section du dispositif absente", sansDispositif, incorrect},
        {"nombre hors des réels", infini, incorrect},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Quoi);
        EcritFichier(Chemin("faux.qvd"), c.Lignes);
        Services.Question.Posees.clear();
        Services.Question.Repond(ReponseOk);
        EXPECT_FALSE(Ouvre(Chemin("faux.qvd")));
        EXPECT_EQ(Boites(), std::vector<std::string>{c.Boite});
        EXPECT_EQ(LignesFichierConception(), Courant);
        EXPECT_FALSE(FichierIncorrect);
    }
}

TEST_F(FichierRefuse, UneValeurQueLaSaisieRefuseraitRendLeFichierIncorrect)
{
    // Lines of the Newton: 2 D, 3 F1, 4 conic, 5 flat, 6 flat to focus; 15 to 21 the device's first row.
    struct TCas
    {
        const char* Quoi;
        std::size_t Ligne;
        const char* Valeur;
        bool Lu;
    };
    const TCas cas[] = {
        {"diamètre de 50 m", 2, "50000", false},
        {"diamètre négatif", 2, "-200", false},
        {"diamètre juste sous 50 m", 2, "49999,9", true},
        {"focale de 100 m", 3, "100000", false},
        {"focale de 1,5e11 mm", 3, "147466662283", false},
        {"conique d'un million", 4, "1E6", false},
        {"conique vidée", 4, "1E19", true},
        {"petit côté de 1,6e110 mm", 5, "1,6E110", false},
        {"rayon du dispositif de 1e7 mm", 15, "1E7", false},
        {"rayon plan", 15, "1E20", true},
        {"diaphragme", 15, "1E30", true},
        {"épaisseur infinie", 16, "1E20", true},
        {"indice de 7", 18, "7", false},
        {"indice négatif", 18, "-1,5", false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Quoi);
        ConstruitFormeValide(TTypeInstrument::Lunette);
        DonneDispositif(2);
        std::vector<std::string> lignes = Newton();
        lignes[c.Ligne] = c.Valeur;
        EcritFichier(Chemin("hors.qvd"), lignes);
        Services.Question.Posees.clear();
        if (!c.Lu)
            Services.Question.Repond(ReponseOk);
        EXPECT_EQ(Ouvre(Chemin("hors.qvd")), c.Lu);
        if (c.Lu)
        {
            EXPECT_TRUE(Boites().empty());
            continue;
        }
        EXPECT_EQ(Boites(), std::vector<std::string>{"Quivane - Lecture d'un fichier / Fichier incorrect"});
        EXPECT_EQ(LignesFichierConception(), Courant);
    }
}

TEST_F(FichierRefuse, FichiersBinairesEtAleatoiresEtAbsents)
{
    std::mt19937 hasard(20261210);
    std::string binaire;
    for (int i = 0; i < 4096; ++i)
        binaire += static_cast<char>(hasard() & 0xFF);
    std::string texte;
    const std::string alphabet = "abcdefghijklmnopqrstuvwxyz0123456789 .,-[]<>\n";
    texte.reserve(10'000'000);
    while (texte.size() < 10'000'000)
        texte += alphabet[hasard() % alphabet.size()];
    struct TCas
    {
        const char* Quoi;
        const std::string* Octets;
        std::string Boite;
    };
    const TCas cas[] = {
        {"binaire", &binaire, "Quivane - Lecture d'un fichier / Fichier incorrect"},
        {"10 Mo de texte", &texte, "Quivane - Lecture d'un fichier / Fichier incorrect"},
        {"absent", nullptr, "Quivane - Lecture d'un fichier / Fichier introuvable."},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Quoi);
        std::filesystem::remove(Chemin("faux.qvd"));
        if (c.Octets != nullptr)
            std::ofstream(Chemin("faux.qvd"), std::ios::binary) << *c.Octets;
        Services.Question.Posees.clear();
        Services.Question.Repond(ReponseOk);
        EXPECT_FALSE(Ouvre(Chemin("faux.qvd")));
        EXPECT_EQ(Boites(), std::vector<std::string>{c.Boite});
        EXPECT_EQ(LignesFichierConception(), Courant);
    }
}

TEST_F(FichierRefuse, TrenteEtUnDioptresSontRefuses)
{
    std::vector<std::string> lignes = Newton();
    lignes[14] = "31";
    EcritFichier(Chemin("long.qvd"), lignes);
    InitialiseDispositif();
    Services.Question.Repond(ReponseOk);
    EXPECT_TRUE(Ouvre(Chemin("long.qvd"))) << "l'instrument est pris";
    EXPECT_EQ(Boites(), std::vector<std::string>{"Quivane - Nombre de dioptres excessif / L'ajout de ce dispositif "
                                                 "entraînerait un dépassement du nombre maximal de dioptre que "
                                                 "Quivane peut accepter."});
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Newton);
    EXPECT_EQ(Dispositif.NombreDioptres, 1);
    EXPECT_TRUE(EstLigneVide(1));
}

// Any question answered "Ok" and counted.
class TQuestionComptee : public IQuestion
{
public:
    TReponse Pose(const TQuestion&) override
    {
        ++Nombre;
        return ReponseOk;
    }
    int Nombre = 0;
};

TEST_F(FichierRefuse, FichiersAbimesAuHasard)
{
    ConstruitFormeValide(TTypeInstrument::KlevtsovCassegrain);
    DonneDispositif(3);
    const std::vector<std::string> modeles[2] = {LignesFichierConception(), AncienDocument("656.3")};
    ConstruitFormeValide(TTypeInstrument::Newton);
    Courant = LignesFichierConception();
    TQuestionComptee questions;
    ::Services().Question = &questions;
    std::mt19937 hasard(42);
    const auto tirage = [&hasard](std::size_t n) { return static_cast<std::size_t>(hasard() % n); };
    const std::vector<std::string> morceaux = {"",      "-",  "E",  "1E",        "--1",  "1,2,3", "99999999999",
                                               "1E400", "14", "31", "[Lunette]", "True", "$",     "clWhite",
                                               "\"",    "0"};
    for (int essai = 0; essai < 600; ++essai)
    {
        std::vector<std::string> lignes = modeles[essai % 2];
        for (int abimes = 1 + static_cast<int>(tirage(3)); abimes > 0; --abimes)
        {
            const std::size_t i = tirage(lignes.size());
            switch (tirage(5))
            {
            case 0: lignes.erase(lignes.begin() + static_cast<std::ptrdiff_t>(i)); break;
            case 1: lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(i), lignes[i]); break;
            case 2: lignes[i] = morceaux[tirage(morceaux.size())]; break;
            case 3: lignes.resize(i); break;
            default:
                if (!lignes[i].empty())
                    lignes[i][tirage(lignes[i].size())] = static_cast<char>(hasard() & 0xFF);
            }
            if (lignes.empty())
                break;
        }
        EcritFichier(Chemin("abime.qvd"), lignes);
        questions.Nombre = 0;
        const bool lu = Ouvre(Chemin("abime.qvd"));
        ASSERT_LE(questions.Nombre, 1) << "essai " << essai;
        std::string champ;
        ASSERT_FALSE(EtatContientNonFini(champ)) << "essai " << essai << " : " << champ;
        if (!lu)
        {
            ASSERT_EQ(LignesFichierConception(), Courant) << "essai " << essai;
        }
        ConstruitFormeValide(TTypeInstrument::Newton);
    }
}

} // namespace
