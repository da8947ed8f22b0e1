// The glass choice of a row: the element written per table, the 9003 record and its packed value, an empty colour
// left alone, and Page Down in an index cell.
#include "editing/ChoixVerre.h"
#include "editing/OuvreCellules.h"
#include "editing/Touches.h"
#include "PortsEnregistres.h"

#include <gtest/gtest.h>

namespace {

using T = TTypeInstrument;

// The answer the scripted catalogue gives; none when Choisit is false.
std::array<std::string, 4> Reponse;
bool Choisit = true;
int Affichages = 0;

class ChoixVerre : public SaisieForme
{
protected:
    void SetUp() override
    {
        SaisieForme::SetUp();
        ConstruitFormeValide(T::Newton);
        Reponse = {"F2", "1,615030", "1,624080", "1,633100"};
        Choisit = true;
        Affichages = 0;
        PortsCatalogue.Montre = [] {
            ++Affichages;
            if (!Choisit)
                return;
            MatiereChoisie = Reponse;
            MatiereSelectionnee = true;
        };
        ChoixVerreClavier = ChoixVerreClavierIndice;
        Dispositif.NombreDioptres = 4;
        for (int r = 1; r <= 4; ++r)
        {
            Dispositif.RayonDioptre[static_cast<std::size_t>(r)] = 100.0 * r;
            Dispositif.EpaisseurDioptre[static_cast<std::size_t>(r)] = 5;
            Dispositif.DiametreDioptre[static_cast<std::size_t>(r)] = 30;
        }
        Groupe.NombreDioptresGroupe = 4;
    }
    void TearDown() override
    {
        ChoixVerreClavier = [] {};
        SaisieForme::TearDown();
    }
};

TEST_F(ChoixVerre, LaLigneTroisEcritSonElementEtJournalise)
{
    struct TCas
    {
        TTableEditee Table;
        std::int32_t Index;
        std::size_t Element;
    };
    // The plate glass (table 3) is the group's first medium, whatever the current row.
    for (const TCas& c : std::vector<TCas>{
             {TTableEditee::Dispositif, 3, 4}, {TTableEditee::Groupe, 103, 3}, {TTableEditee::Lame, 101, 1}})
    {
        SCOPED_TRACE(static_cast<int>(c.Table));
        Appels = TAppelsPorts{};
        Edition.TableEditee = c.Table;
        Edition.LigneCourante = 3;
        ChoixVerreLigne();
        const bool groupe = c.Table != TTableEditee::Dispositif;
        const std::size_t e = c.Element;
        EXPECT_EQ(groupe ? Groupe.MatiereGroupe[e] : Dispositif.MatiereDioptre[e], "F2");
        EXPECT_FLOAT_EQ(groupe ? Groupe.IndiceRougeGroupe[e] : Dispositif.IndiceRouge[e], 1.61503f);
        EXPECT_FLOAT_EQ(groupe ? Groupe.IndiceVertGroupe[e] : Dispositif.IndiceVert[e], 1.62408f);
        EXPECT_FLOAT_EQ(groupe ? Groupe.IndiceBleuGroupe[e] : Dispositif.IndiceBleu[e], 1.6331f);
        ASSERT_EQ(Appels.Enregistrements.size(), 1u);
        EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalVerreCatalogue);
        EXPECT_EQ(Appels.Enregistrements[0].Index, c.Index);
        EXPECT_EQ(Appels.Enregistrements[0].Valeur, "1,615030  1,624080  1,633100  F2");
        EXPECT_TRUE(Edition.DocumentModifie);
    }
}

TEST(TexteChoixVerre, ColonnesDeDixCaracteres)
{
    struct TCas
    {
        std::array<std::string, 4> Matiere;
        const char* Texte;
    };
    const std::vector<TCas> cas = {{{"BK7", "1,514320", "1,518720", ""}, "1,514320  1,518720            BK7"},
                                   {{"Long", "1,51432012345", "1", "2"},
                                    "1,51432012"
                                    "1         2         Long"},
                                   {{"", "", "", ""}, "                              "}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Texte);
        EXPECT_EQ(TexteChoixVerre(c.Matiere), c.Texte);
    }
}

TEST_F(ChoixVerre, UneCouleurSansRaieGardeSonIndice)
{
    Reponse = {"BK7", "1,514320", "1,518720", ""};
    Dispositif.IndiceBleu[2] = 1.7f;
    Edition.TableEditee = TTableEditee::Dispositif;
    Edition.LigneCourante = 1;
    ChoixVerreLigne();
    EXPECT_FLOAT_EQ(Dispositif.IndiceVert[2], 1.51872f);
    EXPECT_EQ(Dispositif.IndiceBleu[2], 1.7f);
}

TEST_F(ChoixVerre, CatalogueFermeSansChoixNeChangeRien)
{
    Choisit = false;
    Edition.TableEditee = TTableEditee::Dispositif;
    Edition.LigneCourante = 2;
    Dispositif.MatiereDioptre[3] = "BK7";
    ChoixVerreLigne();
    EXPECT_EQ(Affichages, 1);
    EXPECT_EQ(Dispositif.MatiereDioptre[3], "BK7");
    EXPECT_TRUE(Appels.Enregistrements.empty());
    EXPECT_FALSE(Edition.DocumentModifie);
}

TEST_F(ChoixVerre, PageSuivanteSurUneCelluleIndice)
{
    Edition.TableEditee = TTableEditee::Dispositif;
    Edition.LigneCourante = 2;
    OuvreSaisieIndiceVert();
    ASSERT_EQ(EtatSaisie.CodeSaisie, SaisieIndiceVert);
    FicheSaisieKeyDown(TouchePageSuivante);
    EXPECT_EQ(Affichages, 1);
    EXPECT_FLOAT_EQ(Dispositif.IndiceVert[3], 1.62408f);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieIndiceVert) << "the cell is open again";
    EXPECT_TRUE(EtatSaisie.Saisie.Visible);
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "1,624080");
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 2);

    // Closed without a choice, even after an earlier one: no record, the cell still open.
    Choisit = false;
    FicheSaisieKeyDown(TouchePageSuivante);
    EXPECT_EQ(Affichages, 2);
    EXPECT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieIndiceVert);
    EXPECT_TRUE(EtatSaisie.Saisie.Visible);
}

TEST_F(ChoixVerre, PageSuivanteAilleursNeFaitRien)
{
    Edition.TableEditee = TTableEditee::Dispositif;
    Edition.LigneCourante = 2;
    for (void (*ouvre)() : {OuvreSaisieRayonDioptre, OuvreSaisieEpaisseurDioptre, OuvreSaisieMatiereDioptre})
    {
        ouvre();
        const TCodeSaisie code = EtatSaisie.CodeSaisie;
        SCOPED_TRACE(code);
        FicheSaisieKeyDown(TouchePageSuivante);
        EXPECT_EQ(EtatSaisie.CodeSaisie, code);
    }
    EXPECT_EQ(Affichages, 0);
    EXPECT_TRUE(Appels.Enregistrements.empty());
}

} // namespace
