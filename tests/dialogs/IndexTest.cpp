// The glass catalogue window: the list read from the file, the scroll bar past 24 materials, sorting by an arrow,
// choosing a material, and a material added on the edit page surviving a restart.
#include "dialogs/Index.h"
#include "doubles/ApplicationQt.h"
#include "doubles/ServicesDeTest.h"
#include "optics/Initialisation.h"
#include "platform/Format.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

class FenetreCatalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationQt();
        std::remove(FichierIndices().c_str());
        SeparateurPrecedent = SeparateurDecimal;
        SeparateurDecimal = ',';
        InitialiseLongueursOnde();
        MatiereChoisie = {};
    }
    void TearDown() override { SeparateurDecimal = SeparateurPrecedent; }

    // The window as the start-up creates it, the catalogue's creation message answered when the file is missing.
    std::unique_ptr<TIndicesForm> Cree()
    {
        Services.Question.Repond(ReponseOk);
        return std::make_unique<TIndicesForm>();
    }

    // The names shown on the list's rows, from the top.
    static std::vector<std::string> NomsAffiches(const TIndicesForm& f)
    {
        const TCatalogueLu catalogue = LitCatalogue();
        std::vector<std::string> noms;
        for (int i = 1; i <= 24 && f.NumeroMatiereLigne[static_cast<std::size_t>(i)] != 0; ++i)
            noms.push_back(
                catalogue.Matieres[static_cast<std::size_t>(f.NumeroMatiereLigne[static_cast<std::size_t>(i)] - 1)]
                    .Lignes[0]);
        return noms;
    }

    // A click on the list's row i (1 to 24).
    static void CliqueLigne(TIndicesForm& f, int i) { f.FondMouseUp(100, 70 + 16 * (i - 1) + 8); }

    TServicesDeTest Services;
    char SeparateurPrecedent = '.';
};

TEST_F(FenetreCatalogue, LaListeSuitLeFichierEtSeTrie)
{
    const std::unique_ptr<TIndicesForm> f = Cree();
    EXPECT_EQ(Services.Question.Posees.size(), 1u);
    std::vector<std::string> noms = NomsAffiches(*f);
    ASSERT_EQ(noms.size(), 22u);
    EXPECT_EQ(noms[0], "Vide");
    EXPECT_EQ(noms[1], "Air");
    EXPECT_EQ(noms[2], "BAF4");
    EXPECT_FALSE(f->Ascenseur->isVisibleTo(f.get()));
    EXPECT_TRUE(f->Fleches[4]->isChecked());

    f->Fleches[0]->click(); // the Abbe number
    EXPECT_EQ(f->TriColonne, TColonneCatalogue::Abbe);
    EXPECT_TRUE(f->Fleches[0]->isChecked());
    EXPECT_FALSE(f->Fleches[4]->isChecked());
    noms = NomsAffiches(*f);
    EXPECT_EQ(noms.back(), "BK7");
}

TEST_F(FenetreCatalogue, UneLigneChoisieRendLaMatiere)
{
    const std::unique_ptr<TIndicesForm> f = Cree();
    CliqueLigne(*f, 5); // "BK7" in the name order
    EXPECT_EQ(f->LigneSelectionneeCatalogue, 5);
    EXPECT_TRUE(f->Bouton_Selectionner->isVisibleTo(f.get()));
    f->Bouton_Selectionner->click();
    EXPECT_TRUE(MatiereSelectionnee);
    EXPECT_EQ(MatiereChoisie, (std::array<std::string, 4>{"BK7", "1,514320", "1,518720", "1,522830"}));

    // Shown again, a click below the last material clears the selection.
    f->AfficheListeMatieres();
    CliqueLigne(*f, 23);
    EXPECT_EQ(f->LigneSelectionneeCatalogue, 0);
    EXPECT_FALSE(f->Bouton_Selectionner->isVisibleTo(f.get()));
}

TEST_F(FenetreCatalogue, UnMateriauAjouteSurvitAuRedemarrage)
{
    {
        const std::unique_ptr<TIndicesForm> f = Cree();
        f->Bouton_Nouveau->click();
        EXPECT_EQ(f->ModeCatalogue, TModeCatalogue::Nouveau);
        f->Saisie->setText("Mon verre");
        f->SaisieTouche(Qt::Key_Return);
        EXPECT_EQ(f->LigneEdition, 1);
        f->Saisie->setText("0.5");
        f->SaisieTouche(Qt::Key_Return);
        EXPECT_EQ(f->LigneEdition, 1) << "an index between 0 and 1 keeps the box on its row";
        EXPECT_EQ(Services.Bip.Nombre(BipDefaut), 1);
        f->Saisie->setText("1,6");
        f->SaisieTouche(Qt::Key_Return);
        EXPECT_EQ(f->LigneEdition, 2);
        EXPECT_TRUE(f->Bouton_Valider->isVisibleTo(f.get()));
        f->Bouton_Valider->click();
        EXPECT_EQ(f->ModeCatalogue, TModeCatalogue::Liste);
    }
    const auto f = std::make_unique<TIndicesForm>(); // no message: the file is kept
    const std::vector<std::string> noms = NomsAffiches(*f);
    ASSERT_EQ(noms.size(), 23u);
    EXPECT_NE(std::find(noms.begin(), noms.end(), "Mon verre"), noms.end());
    const TCatalogueLu catalogue = LitCatalogue();
    EXPECT_EQ(catalogue.Matieres.back().Lignes[1], "1,600000");
    EXPECT_EQ(catalogue.Matieres.back().Lignes[2], "0,000000");
}

TEST_F(FenetreCatalogue, AuDelaDe24MateriauxLaListeDefile)
{
    {
        const std::unique_ptr<TIndicesForm> f = Cree();
    }
    for (const char* nom : {"ZA", "ZB", "ZC"})
        ASSERT_TRUE(EnregistreMatiere(0, TMateriau{nom, {}}));
    const auto f = std::make_unique<TIndicesForm>();
    EXPECT_TRUE(f->Ascenseur->isVisibleTo(f.get()));
    EXPECT_EQ(f->Ascenseur->maximum(), 1);
    f->Ascenseur->setValue(1);
    const std::vector<std::string> noms = NomsAffiches(*f);
    ASSERT_EQ(noms.size(), 24u);
    EXPECT_EQ(noms.front(), "Air");
    EXPECT_EQ(noms.back(), "ZC");
}

} // namespace

namespace {

TEST_F(FenetreCatalogue, AnnulerRevientALaListePuisFerme)
{
    const std::unique_ptr<TIndicesForm> f = Cree();
    int fermetures = 0;
    QObject::connect(f.get(), &QDialog::rejected, [&fermetures] { ++fermetures; });
    f->Bouton_Nouveau->click();
    f->Saisie->setText("Abandonné");
    f->Bouton_Annuler->click();
    EXPECT_EQ(f->ModeCatalogue, TModeCatalogue::Liste) << "the material is dropped, the window stays";
    EXPECT_EQ(fermetures, 0);
    f->Bouton_Annuler->click();
    EXPECT_EQ(fermetures, 1);
    EXPECT_EQ(LitCatalogue().Matieres.size(), 22u);
}

} // namespace
