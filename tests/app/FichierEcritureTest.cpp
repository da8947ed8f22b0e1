// The design file as written: the worked Newton example byte for byte, the special values, and the texts that
// would break the one-value-per-line layout.
#include "FichierTest.h"

#include "app/FichierEcriture.h"
#include "app/FichierFormat.h"
#include "doubles/FichiersDefaillants.h"
#include "optics/Initialisation.h"

namespace {

class FichierEcriture : public FichierTest
{
protected:
    // The Newton of 200 mm and 1200 mm, parabolic, with a 50 mm flat 150 mm from the focus, mirrors 25 and 8 mm
    // thick, on a new design that no view has solved yet.
    static void NewtonExemple()
    {
        Instrument.TypeInstrument = TTypeInstrument::Newton;
        Instrument.NomInstrument = "Télescope de Newton";
        Instrument.DiametreEntree = 200;
        Instrument.FocalePrimaire = 1200;
        Instrument.CoefficientDeformationPrimaire = -1;
        Instrument.DiametreSecondaire = 50;
        Instrument.DistanceSecondaireFoyer = 150;
        Instrument.EpaisseurPrimaire = 25;
        Instrument.EpaisseurSecondaire = 8;
    }
};

TEST_F(FichierEcriture, ExempleDuNewtonOctetParOctet)
{
    NewtonExemple();
    Etat.CheminDocument = Chemin("newton.qvd");
    ASSERT_TRUE(EcritFichierConception());

    const std::string octets = Octets(Etat.CheminDocument);
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (std::size_t fin = octets.find("\r\n"); fin != std::string::npos; fin = octets.find("\r\n", debut))
    {
        lignes.push_back(octets.substr(debut, fin - debut));
        debut = fin + 2;
    }
    EXPECT_EQ(debut, octets.size()) << "la dernière ligne finit par CR LF";
    EXPECT_EQ(octets.find('\n'), octets.find("\r\n") + 1) << "aucun LF seul";
    ASSERT_EQ(lignes.size(), 51u);
    const std::vector<std::string> attendues = {"<Quivane 3.3.0>",
                                                "[T\xE9lescope de Newton]",
                                                "200",
                                                "1200",
                                                "-1",
                                                "50",
                                                "150",
                                                "25",
                                                "8",
                                                "[Dispositif dioptrique]",
                                                "",
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
                                                ""};
    for (std::size_t i = 0; i < attendues.size(); ++i)
        EXPECT_EQ(lignes[i], attendues[i]) << "ligne " << i + 1;
    EXPECT_EQ(lignes[29], "1,1") << "ligne 30, l'indice limite";
    EXPECT_EQ(lignes[41], "$00D4FFF0") << "ligne 42, la première teinte";
}

TEST_F(FichierEcriture, ValeursSpecialesEtMotifs)
{
    struct TCas
    {
        const char* Quoi;
        void (*Prepare)();
        std::size_t Ligne; // 1-based
        const char* Attendu;
    };
    // Without a form the device section starts at line 2, its first row at line 8.
    const auto dispositif = [] {
        Dispositif.NombreDioptres = 2;
        Dispositif.RayonDioptre[1] = RayonPlan;
        Dispositif.EpaisseurDioptre[1] = 5;
        Dispositif.RayonDioptre[2] = RayonDiaphragme;
        Dispositif.EpaisseurDioptre[2] = EpaisseurInfinie;
    };
    const TCas cas[] = {
        {"rayon plan", dispositif, 8, "1E20"},
        {"diaphragme", dispositif, 15, "1E30"},
        {"épaisseur infinie", dispositif, 16, "1E20"},
        {"conique à calculer",
         [] {
             Instrument.TypeInstrument = TTypeInstrument::RitcheyChretien;
             Instrument.CoefficientDeformationPrimaire = CoefficientACalculer;
         },
         9, "1E20"},
        {"dégagement non saisi",
         [] {
             Instrument.TypeInstrument = TTypeInstrument::Cassegrain;
             Instrument.DegagementFoyer = DegagementNonSaisi;
         },
         6, "1E20"},
        {"un demi au motif 0.#",
         [] {
             Instrument.TypeInstrument = TTypeInstrument::Maksutov;
             Instrument.RayonMenisque1 = 0.5;
         },
         10, "0,5"},
        {"indice en 32 bits",
         [] {
             Instrument.TypeInstrument = TTypeInstrument::Schmidt;
             Groupe.IndiceVertGroupe[1] = 1.51872f;
         },
         14, "1,51872"},
        {"coefficient de lame à 7 décimales",
         [] {
             Instrument.TypeInstrument = TTypeInstrument::Schmidt;
             Instrument.CoefficientDeformationLame = 0.785;
         },
         6, "0,785"},
        {"teinte blanche", [] { Reglages.TeinteVerre[3] = 0x00FFFFFF; }, 1 + 6 + 7 + 19 + 4, "clWhite"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Quoi);
        ReinitialiseEtat();
        c.Prepare();
        const std::vector<std::string> lignes = LignesFichierConception();
        ASSERT_GE(lignes.size(), c.Ligne);
        EXPECT_EQ(lignes[c.Ligne - 1], c.Attendu);
    }
}

TEST_F(FichierEcriture, LongueurDeLaSectionParForme)
{
    struct TCas
    {
        TTypeInstrument Forme;
        bool SurMenisque;
        int Groupe;
        std::size_t Lignes; // title line included
    };
    using T = TTypeInstrument;
    const TCas cas[] = {
        {T::Newton, true, 0, 8},
        {T::Cassegrain, true, 0, 9},
        {T::RitcheyChretien, true, 0, 12},
        {T::Schwarzschild, true, 0, 7},
        {T::Schmidt, true, 0, 15},
        {T::SchmidtNewton, true, 0, 16},
        {T::SchmidtCassegrain, true, 0, 17},
        {T::Maksutov, true, 0, 16},
        {T::MaksutovNewton, true, 0, 18},
        {T::MaksutovCassegrain, true, 0, 16},
        {T::MaksutovCassegrain, false, 0, 20},
        {T::Lunette, true, 2, 2 + 14},
        {T::KlevtsovCassegrain, true, 1, 11 + 7},
        {T::LurieHoughton, true, 0, 10},
        {T::HoughtonCassegrain, true, 3, 11 + 21},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(TitreSection(c.Forme) + (c.SurMenisque ? "" : " séparé"));
        ReinitialiseEtat();
        Instrument.TypeInstrument = c.Forme;
        Instrument.SecondaireSurMenisque = c.SurMenisque;
        Groupe.NombreDioptresGroupe = c.Groupe;
        const std::vector<std::string> lignes = LignesFichierConception();
        ASSERT_GT(lignes.size(), c.Lignes + 1);
        EXPECT_EQ(lignes[1], TitreSection(c.Forme));
        EXPECT_EQ(lignes[c.Lignes + 1], "[Dispositif dioptrique]");
        EXPECT_EQ(lignes.size(), 1 + c.Lignes + 6 + 7 + 19 + 10);
    }
    ReinitialiseEtat();
    EXPECT_EQ(LignesFichierConception()[1], "[Dispositif dioptrique]") << "sans forme, pas de section d'instrument";
}

TEST(FichierCouleurs, IdentifiantsHexadecimalEtDecimal)
{
    struct TCas
    {
        TColor Couleur;
        const char* Ecrite;
    };
    const TCas ecrites[] = {
        {0x00FFFFFF, "clWhite"},   {0x00F0CAA6, "clSkyBlue"}, {0x00A4A0A0, "clMedGray"}, {0xFF00000F, "clBtnFace"},
        {0xFF00001E, "clMenuBar"}, {0x1FFFFFFF, "clNone"},    {0x00D4FFF0, "$00D4FFF0"}, {0x00000001, "$00000001"},
    };
    for (const TCas& c : ecrites)
    {
        SCOPED_TRACE(c.Ecrite);
        EXPECT_EQ(TexteCouleur(c.Couleur), c.Ecrite);
        EXPECT_EQ(LitCouleur(c.Ecrite), c.Couleur);
    }
    EXPECT_EQ(LitCouleur("16777215"), 0x00FFFFFFu);
    EXPECT_EQ(LitCouleur("-16777201"), 0xFF00000Fu) << "une couleur système en entier signé";
    EXPECT_EQ(LitCouleur("$d4fff0"), 0x00D4FFF0u);
    for (const char* illisible : {"", "$", "$1G", "clRouge", "12.5", "$123456789"})
    {
        SCOPED_TRACE(illisible);
        EXPECT_FALSE(LitCouleur(illisible).has_value());
    }
}

TEST_F(FichierEcriture, UnSautDeLigneDansUnTexteNeDecalePasLesLignes)
{
    Dispositif.TitreDispositif = "Correcteur\r\nde champ";
    Dispositif.MatiereDioptre[2] = "BK7\n";
    const std::vector<std::string> lignes = LignesFichierConception();
    EXPECT_EQ(lignes.size(), 1u + 6 + 7 + 19 + 10);
    EXPECT_EQ(lignes[2], "Correcteur  de champ");
}

TEST_F(FichierEcriture, UnEchecDEcritureLaisseLAncienFichierEtLeDocumentModifie)
{
    NewtonExemple();
    Etat.CheminDocument = Chemin("newton.qvd");
    EcritFichier(Etat.CheminDocument, {"ancien contenu"});
    Edition.DocumentModifie = true;
    TFichiersDefaillants defaillants(10);
    ::Services().Fichiers = &defaillants;
    Services.Question.Repond(ReponseOk);

    EXPECT_FALSE(EcritFichierConception());

    EXPECT_EQ(Octets(Etat.CheminDocument), "ancien contenu\r\n");
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_EQ(Boites(), std::vector<std::string>{"Quivane - Ecriture d'un fichier / Erreur d'écriture d'un fichier"});
}

} // namespace
