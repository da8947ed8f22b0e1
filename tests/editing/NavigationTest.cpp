// Field navigation: the Next and Previous orders of every form (expanded and collapsed, with and without the plate
// profile, with the Maksutov-Cassegrain's secondary on or off the meniscus), the reopening of a refused field, and
// the table row steps that add or drop rows.
#include "editing/Navigation.h"
#include "editing/OuvreCellules.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using T = TTypeInstrument;
using TCodes = std::vector<TCodeSaisie>;

std::vector<TEnregistrementJournal> Journal;

class Navigation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ReinitialiseEtat();
        EtatSaisie = TEtatSaisie{};
        PortsEdition = TPortsEdition{};
        PortsEdition.AjouteAuJournal = [](const TEnregistrementJournal& e) { Journal.push_back(e); };
        MiseEnPage = TMiseEnPage{};
        Controles = TControlesFiche{};
        SeparateurDecimal = '.';
        Journal.clear();
    }
};

bool EstTitreOuListe(TCodeSaisie code)
{
    return 1000 <= code && code <= 1003;
}

// From the field open, Next until the title or a list, or until nothing moves.
TCodes ParcoursSuivant()
{
    TCodes codes = {EtatSaisie.CodeSaisie};
    for (int pas = 0; pas < 40 && !EstTitreOuListe(codes.back()); ++pas)
    {
        OuvreSaisieSuivante(codes.back());
        if (EtatSaisie.CodeSaisie == codes.back())
            break;
        codes.push_back(EtatSaisie.CodeSaisie);
    }
    return codes;
}

// The fields opened by n Next in a row, leaving `quitte` first.
TCodes Suivants(TCodeSaisie quitte, int n)
{
    TCodes codes;
    for (int k = 0; k < n; ++k)
    {
        OuvreSaisieSuivante(quitte);
        quitte = EtatSaisie.CodeSaisie;
        codes.push_back(quitte);
    }
    return codes;
}

// From the field open, Previous until nothing moves.
TCodes ParcoursPrecedent()
{
    TCodes codes = {EtatSaisie.CodeSaisie};
    for (int pas = 0; pas < 40; ++pas)
    {
        OuvreSaisiePrecedente(codes.back());
        if (EtatSaisie.CodeSaisie == codes.back())
            break;
        codes.push_back(EtatSaisie.CodeSaisie);
    }
    return codes;
}

struct TCasOrdre
{
    const char* Nom;
    T Forme;
    bool Developpe;
    bool Profil;
    bool SecondaireSurMenisque;
    TCodes Suivants; // from the entrance diameter
    TCodes Precedents; // from the last field before the title, when the sheet is expanded
};

const TCodes Lame = {57, 58, 59, 2054, 2055, 2056, 2057};
const TCodes LameInverse = {2057, 2056, 2055, 2054, 59, 58, 57};

TCodes Joint(std::initializer_list<TCodes> parties)
{
    TCodes tout;
    for (const TCodes& p : parties)
        tout.insert(tout.end(), p.begin(), p.end());
    return tout;
}

std::vector<TCasOrdre> CasOrdres()
{
    return {
        {"Newton", T::Newton, true, false, false, {1, 2, 4, 5, 6, 7, 8, 1000}, {8, 7, 6, 5, 4, 2, 1}},
        {"Newton replie", T::Newton, false, false, false, {1, 2, 1000}, {}},
        {"Cassegrain",
         T::Cassegrain,
         true,
         false,
         false,
         {11, 12, 13, 15, 18, 14, 16, 17, 1000},
         {17, 16, 14, 18, 15, 13, 12, 11}},
        {"Cassegrain replie", T::Cassegrain, false, false, false, {11, 13, 1000}, {}},
        {"Gregory",
         T::Gregory,
         true,
         false,
         false,
         {31, 32, 33, 35, 38, 34, 36, 37, 1000},
         {37, 36, 34, 38, 35, 33, 32, 31}},
        {"Dall-Kirkham replie", T::DallKirkham, false, false, false, {111, 113, 1000}, {}},
        {"Dall-Kirkham",
         T::DallKirkham,
         true,
         false,
         false,
         {111, 112, 113, 115, 118, 114, 116, 117, 1000},
         {117, 116, 114, 118, 115, 113, 112, 111}},
        {"Ritchey-Chretien",
         T::RitcheyChretien,
         true,
         false,
         false,
         {21, 22, 23, 25, 30, 24, 26, 27, -27, 28, 29, 1000},
         {29, 28, -27, 27, 26, 24, 30, 25, 23, 22, 21}},
        {"Ritchey-Chretien replie", T::RitcheyChretien, false, false, false, {21, 23, 1000}, {}},
        {"Schwarzschild",
         T::Schwarzschild,
         true,
         false,
         false,
         {101, 102, 103, 104, 106, 107, 1000},
         {107, 106, 104, 103, 102, 101}},
        {"Schwarzschild replie", T::Schwarzschild, false, false, false, {101, 103, 1000}, {}},
        {"Schmidt avec profil", T::Schmidt, true, true, false,
         Joint({{51, 52, 54, 53}, Lame, {56, 561, 562, 55, 69, 1000}}),
         Joint({{69, 55, 562, 561, 56}, LameInverse, {53, 54, 52, 51}})},
        {"Schmidt sans profil", T::Schmidt, true, false, false, Joint({{51, 52, 54, 53}, Lame, {561, 55, 69, 1000}}),
         Joint({{69, 55, 561, 56}, LameInverse, {53, 54, 52, 51}})},
        {"Schmidt replie", T::Schmidt, false, true, false, {51, 52, 54, 1000}, {}},
        {"Schmidt-Cassegrain", T::SchmidtCassegrain, true, true, false,
         Joint({{61, 53, 63, 65, 68, 64, 69}, Lame, {56, 561, 66, 67, 1000}}),
         Joint({{67, 66, 561, 56}, LameInverse, {69, 64, 68, 65, 63, 53, 61}})},
        {"Schmidt-Cassegrain replie", T::SchmidtCassegrain, false, true, false, {61, 63, 1000}, {}},
        {"Maksutov", T::Maksutov, true, false, false, Joint({{51, 52, 72, 73, 74, 75}, Lame, {56, 71, 561, 55, 1000}}),
         Joint({{55, 561, 71, 56}, LameInverse, {75, 74, 73, 72, 52, 51}})},
        {"Maksutov replie", T::Maksutov, false, false, false, {51, 52, 72, 1000}, {}},
        {"Maksutov-Newton", T::MaksutovNewton, true, false, false,
         Joint({{51, 52, 72, 73, 74, 75}, Lame, {56, 71, 561, 55, 6, 5, 8, 1000}}),
         Joint({{8, 5, 6, 55, 561, 71, 56}, LameInverse, {75, 74, 73, 72, 52, 51}})},
        {"Maksutov-Cassegrain secondaire sur le menisque", T::MaksutovCassegrain, true, false, true,
         Joint({{61, 72, 68, 64, 82, 74, 75}, Lame, {56, 561, 66, 1000}}),
         Joint({{66, 561, 56}, LameInverse, {75, 74, 82, 64, 68, 81, 72, 61}})},
        {"Maksutov-Cassegrain secondaire sur le menisque replie",
         T::MaksutovCassegrain,
         false,
         false,
         true,
         {61, 1000},
         {}},
        {"Maksutov-Cassegrain", T::MaksutovCassegrain, true, false, false,
         Joint({{61, 72, 81, 15, 68, 64, 82, 83, 67, 74, 75}, Lame, {56, 561, 66, 1000}}),
         Joint({{66, 561, 56}, LameInverse, {75, 74, 82, 64, 68, 81, 72, 61}})},
        {"Maksutov-Cassegrain replie", T::MaksutovCassegrain, false, false, false, {61, 81, 1000}, {}},
        {"Klevtsov-Cassegrain",
         T::KlevtsovCassegrain,
         true,
         false,
         false,
         {121, 122, 123, 124, 125, 1001},
         {125, 124, 123, 122, 121}},
        {"Klevtsov-Cassegrain replie", T::KlevtsovCassegrain, false, false, false, {121, 1000}, {}},
        {"Lurie-Houghton",
         T::LurieHoughton,
         false,
         false,
         false,
         {131, 132, 133, 135, 136, 137, 138, 1001},
         {138, 137, 136, 135, 133, 132, 131}},
        {"Houghton-Cassegrain",
         T::HoughtonCassegrain,
         true,
         false,
         false,
         {131, 133, 142, 143, 144, 141, 135, 145, 1001},
         {145, 135, 141, 144, 143, 142, 133, 131}},
        {"Houghton-Cassegrain replie", T::HoughtonCassegrain, false, false, false, {131, 142, 1000}, {}},
        {"Schmidt-Newton", T::SchmidtNewton, true, false, false,
         Joint({{51, 52, 153}, Lame, {69, 155, 154, 561, 156, 157, 56, 1000}}),
         Joint({{56, 157, 156, 561, 154, 155, 69}, LameInverse, {153, 52, 51}})},
        // The primary focal length has no field after it: the walk stops there.
        {"Schmidt-Newton replie", T::SchmidtNewton, false, false, false, {51, 54}, {}},
    };
}

TEST_F(Navigation, ChaqueFormeSuitSonOrdreDansLesDeuxSens)
{
    for (const TCasOrdre& c : CasOrdres())
    {
        SCOPED_TRACE(c.Nom);
        SetUp();
        Instrument.TypeInstrument = c.Forme;
        Edition.InstrumentDeveloppe = c.Developpe;
        Instrument.ProfilLame = c.Profil ? ProfilAvant : ProfilAucun;
        Instrument.SecondaireSurMenisque = c.SecondaireSurMenisque;
        OuvreSaisieDiametreEntree();
        EXPECT_EQ(ParcoursSuivant(), c.Suivants);
        if (c.Precedents.empty())
            continue;
        OuvreChampDeCode(c.Precedents.front());
        EXPECT_EQ(ParcoursPrecedent(), c.Precedents);
    }
}

TEST_F(Navigation, LeTitreRameneAuDernierChampDeLaFiche)
{
    struct TCas
    {
        T Forme;
        bool Developpe;
        TCodeSaisie Attendu;
    };
    const std::vector<TCas> cas = {{T::Newton, true, 8},          {T::Newton, false, 2},
                                   {T::Cassegrain, true, 17},     {T::Cassegrain, false, 13},
                                   {T::Schwarzschild, true, 107}, {T::DallKirkham, false, 113},
                                   {T::Schmidt, true, 51},        {T::HoughtonCassegrain, true, 131}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        SetUp();
        Instrument.TypeInstrument = c.Forme;
        Edition.InstrumentDeveloppe = c.Developpe;
        OuvreSaisieTitreDispositif();
        OuvreSaisiePrecedente(1000);
        EXPECT_EQ(EtatSaisie.CodeSaisie, c.Attendu);
        EXPECT_TRUE(EtatSaisie.Saisie.Visible);
    }
}

// Where the order has nothing to open, the box keeps the field actually open with its own code.
TEST_F(Navigation, SansChampSuivantLaBoiteGardeLeChampOuvert)
{
    Instrument.TypeInstrument = T::SchmidtNewton;
    OuvreSaisieFocalePrimaire();
    OuvreSaisieSuivante(54);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 54);
    // After a commit the box is hidden with no code; a move that finds nothing leaves it so.
    EtatSaisie.CodeSaisie = AucuneSaisie;
    EtatSaisie.Saisie.Visible = false;
    Instrument.TypeInstrument = T::MaksutovCassegrain;
    OuvreSaisiePrecedente(83);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
    // Nothing comes before a refractor's lens group, nor before the title of a design with no instrument.
    Instrument.TypeInstrument = T::Lunette;
    Edition.TableEditee = 2;
    OuvreSaisiePrecedente(1001);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    Instrument.TypeInstrument = T::Aucun;
    OuvreSaisiePrecedente(1000);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
}

TEST_F(Navigation, UnChampRefuseEstRouvertUneFois)
{
    Instrument.TypeInstrument = T::Maksutov;
    Edition.InstrumentDeveloppe = true;
    for (TCodeSaisie refuse : {72, 55})
    {
        SCOPED_TRACE(refuse);
        EtatSaisie.CodeSaisie = AucuneSaisie;
        EtatSaisie.CodeSaisieRefusee = refuse;
        OuvreSaisieSuivante(refuse);
        EXPECT_EQ(EtatSaisie.CodeSaisie, refuse);
        EXPECT_EQ(EtatSaisie.CodeSaisieRefusee, AucuneSaisie);
    }
    OuvreSaisieSuivante(72);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 73);
    // A form whose fields are not reopened: the request is dropped all the same.
    Instrument.TypeInstrument = T::LurieHoughton;
    EtatSaisie.CodeSaisie = AucuneSaisie;
    EtatSaisie.CodeSaisieRefusee = 133;
    OuvreSaisieSuivante(133);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_EQ(EtatSaisie.CodeSaisieRefusee, AucuneSaisie);
    // The Klevtsov's secondary comes back on its sheet box.
    Instrument.TypeInstrument = T::KlevtsovCassegrain;
    MiseEnPage.CaseValeur[CaseDiametreSecondaire] = {300, 90, 340, 108};
    EtatSaisie.CodeSaisieRefusee = 2019;
    OuvreSaisieSuivante(2019);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 2019);
    EXPECT_EQ(EtatSaisie.Saisie.Image, TImageSaisie::Fenetre);
    EXPECT_EQ(EtatSaisie.Saisie.Gauche, 300);
}

// The group's lists come after the primary's thickness, and Previous goes back there.
TEST_F(Navigation, LesListesDuGroupeReviennentALEpaisseurDuPrimaire)
{
    struct TCas
    {
        T Forme;
        TCodeSaisie Epaisseur;
    };
    for (const TCas& c :
         {TCas{T::KlevtsovCassegrain, 125}, TCas{T::LurieHoughton, 135}, TCas{T::HoughtonCassegrain, 135}})
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        SetUp();
        Instrument.TypeInstrument = c.Forme;
        Edition.TableEditee = 2;
        OuvreSaisiePrecedente(1001);
        EXPECT_EQ(EtatSaisie.CodeSaisie, c.Epaisseur);
        EXPECT_TRUE(EtatSaisie.Saisie.Visible);
    }
    // From the group's first radius back to its blue list, the group staying the edited table.
    Instrument.TypeInstrument = T::Lunette;
    Edition.LigneCourante = 1;
    OuvreSaisieRayonGroupe();
    OuvreSaisiePrecedente(2011);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 1003);
    EXPECT_EQ(Edition.TableEditee, 2);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
    OuvreSaisieSuivante(1003);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 2011);
    EXPECT_EQ(Edition.LigneCourante, 1);
}

TEST_F(Navigation, LeTitreMeneAuxListesPuisAuxCellulesDuDispositif)
{
    Instrument.TypeInstrument = T::Newton;
    OuvreSaisieTitreDispositif();
    EXPECT_EQ(Suivants(1000, 10), (TCodes{1001, 1002, 1003, 2001, 2002, 2003, 2004, 2005, 2006, 2007}));
    EXPECT_EQ(Edition.TableEditee, 1);
    EXPECT_EQ(Edition.LigneCourante, 1);
    EXPECT_TRUE(EtatSaisie.Saisie.Visible);
    OuvreSaisiePrecedente(2001);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 1003);
    OuvreSaisiePrecedente(1001);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 1000);
}

// A device of rows 1..n with filled cells.
void DispositifRempli(int lignes, double derniereEpaisseur)
{
    Edition.TableEditee = 1;
    Dispositif.NombreDioptres = lignes;
    for (int r = 1; r <= lignes; ++r)
    {
        Dispositif.RayonDioptre[static_cast<std::size_t>(r)] = 100.0 * r;
        Dispositif.EpaisseurDioptre[static_cast<std::size_t>(r)] = 5;
        Dispositif.DiametreDioptre[static_cast<std::size_t>(r)] = 40.0 + r;
    }
    Dispositif.EpaisseurDioptre[static_cast<std::size_t>(lignes)] = derniereEpaisseur;
}

TEST_F(Navigation, LeNomDeVerreDeLaDerniereLigneAjouteUneLigneSiElleEstFinie)
{
    struct TCas
    {
        const char* Nom;
        int Lignes;
        double DerniereEpaisseur;
        int LignesApres;
        int LigneApres;
    };
    const std::vector<TCas> cas = {{"epaisseur finie", 5, 20, 6, 6},
                                   {"epaisseur non saisie", 5, EpaisseurNonSaisie, 6, 6},
                                   {"epaisseur infinie", 5, EpaisseurInfinie, 5, 5},
                                   {"table pleine", NombreMaxDioptres, 20, NombreMaxDioptres, NombreMaxDioptres}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        SetUp();
        DispositifRempli(c.Lignes, c.DerniereEpaisseur);
        Edition.LigneCourante = c.Lignes;
        OuvreSaisieMatiereDioptre();
        OuvreSaisieSuivante(2007);
        EXPECT_EQ(Dispositif.NombreDioptres, c.LignesApres);
        EXPECT_EQ(Edition.LigneCourante, c.LigneApres);
        EXPECT_EQ(EtatSaisie.CodeSaisie, 2001);
        EXPECT_DOUBLE_EQ(Dispositif.DiametreDioptre[static_cast<std::size_t>(c.LigneApres)], 40.0 + c.Lignes);
        EXPECT_TRUE(Journal.empty());
    }
    // An empty row is never left forward.
    SetUp();
    DispositifRempli(2, 20);
    Dispositif.NombreDioptres = 3;
    Edition.LigneCourante = 3;
    OuvreSaisieSuivante(2007);
    EXPECT_EQ(Edition.LigneCourante, 3);
    EXPECT_EQ(Dispositif.NombreDioptres, 3);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 2001);
}

TEST_F(Navigation, RevenirDuRayonDUneDerniereLigneVideLaRetire)
{
    DispositifRempli(5, 20);
    Dispositif.NombreDioptres = 6;
    Edition.LigneCourante = 6;
    OuvreSaisiePrecedente(2001);
    EXPECT_EQ(Dispositif.NombreDioptres, 5);
    EXPECT_EQ(Edition.LigneCourante, 5);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 2007);
    // An empty row inside the table stays.
    DispositifRempli(6, 20);
    Dispositif.RayonDioptre[3] = 0;
    Dispositif.EpaisseurDioptre[3] = EpaisseurNonSaisie;
    Edition.LigneCourante = 3;
    OuvreSaisiePrecedente(2001);
    EXPECT_EQ(Dispositif.NombreDioptres, 6);
    EXPECT_EQ(Edition.LigneCourante, 2);
}

TEST_F(Navigation, LeGroupeDeLaLunetteGranditJusquATreizeLignes)
{
    Instrument.TypeInstrument = T::Lunette;
    Edition.TableEditee = 2;
    for (int r = 1; r <= NombreMaxDioptresGroupe; ++r)
    {
        Groupe.RayonGroupe[static_cast<std::size_t>(r)] = 500;
        Groupe.DiametreGroupe[static_cast<std::size_t>(r)] = 80 + r;
    }
    Groupe.NombreDioptresGroupe = 12;
    Edition.LigneCourante = 12;
    OuvreSaisieMatiereGroupe();
    OuvreSaisieSuivante(2017);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 13);
    EXPECT_EQ(Edition.LigneCourante, 13);
    EXPECT_DOUBLE_EQ(Groupe.DiametreGroupe[13], 92);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 2011);
    ASSERT_EQ(Journal.size(), 1u);
    EXPECT_EQ(Journal[0].Code, 2013);
    EXPECT_EQ(Journal[0].Index, 13);
    EXPECT_EQ(Journal[0].Valeur, "92");
    OuvreSaisieMatiereGroupe();
    OuvreSaisieSuivante(2017);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 13);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 1000);
    EXPECT_EQ(Journal.size(), 1u);
}

TEST_F(Navigation, LeGroupeDuKlevtsovPasseParLaLigneDuMiroir)
{
    Instrument.TypeInstrument = T::KlevtsovCassegrain;
    Edition.TableEditee = 2;
    for (int lignes : {4, 3})
    {
        SCOPED_TRACE(lignes);
        Groupe.NombreDioptresGroupe = lignes;
        for (int r = 1; r <= lignes; ++r)
            Groupe.RayonGroupe[static_cast<std::size_t>(r)] = 300;
        Edition.LigneCourante = lignes;
        OuvreSaisieMatiereGroupe();
        const TCodes attendu = lignes % 2 == 0 ? TCodes{2018, 2020, 2019, 1000} : TCodes{2018, 2019, 1000, 1001};
        EXPECT_EQ(Suivants(2017, 4), attendu);
        EXPECT_EQ(Groupe.NombreDioptresGroupe, lignes);
    }
    OuvreSaisieRayonLigneMiroir();
    OuvreSaisiePrecedente(2018);
    EXPECT_EQ(EtatSaisie.CodeSaisie, 2017);
    EXPECT_EQ(Edition.TableEditee, 2);
    EXPECT_EQ(Edition.LigneCourante, 3);
}

} // namespace
