// The homothety dialog: the coefficient's validator on both decimal marks, the size check that keeps the window open
// with its message, and what OK, Cancel and the close box answer.
#include "dialogs/Homothetie.h"

#include "FenetreReglages.h"
#include "optics/GenresBip.h"
#include "optics/Modele.h"
#include "support/Verres.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Homothetie : public FenetreReglages
{};

TEST_F(Homothetie, LeCoefficientEstBorneEtLesAutresTextesIgnores)
{
    struct TCas
    {
        char Marque;
        const char* Tape;
        bool Lu;
        float Coefficient;
        const char* Texte;
        bool Borne;
    };
    const TCas cas[] = {
        {',', "0,0001", true, 0.001f, "0.001", true},
        {'.', "0.0001", true, 0.001f, "0.001", true},
        {',', "5000", true, 1000, "1000", true},
        {',', "1000", true, 1000, "1000", false},
        {',', "0,001", true, 0.001f, "0,001", false},
        {',', "2.5", true, 2.5f, "2,5", false},
        {'.', "2,5", true, 2.5f, "2.5", false},
        {',', "1,2345678", true, 1.2345678f, "1,234568", false},
        {',', "abc", false, 0, "", false},
        {',', "-2", false, 0, "", false},
        {',', "", false, 0, "", false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::string(c.Tape) + " " + c.Marque);
        SeparateurDecimal = c.Marque;
        const std::optional<TCoefficientSaisi> saisi = ValideCoefficientHomothetie(c.Tape);
        ASSERT_EQ(saisi.has_value(), c.Lu);
        if (!c.Lu)
            continue;
        EXPECT_EQ(saisi->Coefficient, c.Coefficient);
        EXPECT_EQ(saisi->Texte, c.Texte);
        EXPECT_EQ(saisi->Borne, c.Borne);
    }
}

// The window run as the user does: `action` once it is open, the answer it gave.
std::optional<TChoixHomothetie> Montre(THomothetieForm& fenetre, TEtatHomothetie etat,
                                       const std::function<void()>& action)
{
    QTimer::singleShot(0, &fenetre, action);
    return fenetre.Montre(etat);
}

TEST_F(Homothetie, UnCoefficientTropGrandGardeLaFenetreOuverteAvecSonMessage)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    LigneDispositif(1, 5000, 5, 1200, BK7);
    LigneDispositif(2, -5000, 48, 1000, Air);
    Dispositif.NombreDioptres = 2;
    THomothetieForm fenetre;
    EXPECT_EQ(fenetre.windowTitle().toStdString(), "Quivane - Homothétie");
    EXPECT_EQ(fenetre.SaisieCoefficient->maxLength(), 8);
    Services.Question.Repond(ReponseOk);
    bool ouverteApresMessage = false;
    const auto choix = Montre(fenetre, {true, true}, [&] {
        fenetre.DispositifBox->setChecked(true);
        fenetre.SaisieCoefficient->setText(QStringLiteral("10"));
        fenetre.ButtonOk->click();
        ouverteApresMessage = fenetre.isVisible();
        fenetre.SaisieCoefficient->setText(QStringLiteral("8"));
        fenetre.ButtonOk->click();
    });
    EXPECT_TRUE(ouverteApresMessage);
    ASSERT_EQ(Services.Question.Posees.size(), 1u);
    EXPECT_EQ(Services.Question.Posees[0].Titre, "Erreur");
    EXPECT_EQ(Services.Question.Posees[0].Ligne1, "Ce coefficient est trop important pour ce dispositif dioptrique.");
    ASSERT_TRUE(choix.has_value());
    EXPECT_EQ(choix->Coefficient, 8.0f);
    EXPECT_FALSE(choix->Parties.Instrument);
    EXPECT_TRUE(choix->Parties.Dispositif);
}

TEST_F(Homothetie, LaFenetreSOuvreVideEtSeulOKRepond)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    THomothetieForm fenetre;
    struct TCas
    {
        const char* Nom;
        std::function<void()> Action;
        bool Repond;
    };
    const TCas cas[] = {
        {"Annuler", [&] { fenetre.ButtonAnnuler->click(); }, false},
        {"case de fermeture", [&] { fenetre.close(); }, false},
        {"OK sans coefficient", [&] { fenetre.ButtonOk->click(); }, true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        bool vide = false;
        const auto choix = Montre(fenetre, {true, false}, [&] {
            vide = fenetre.SaisieCoefficient->text().isEmpty() && !fenetre.InstrumentBox->isChecked() &&
                   !fenetre.DispositifBox->isChecked() && !fenetre.DispositifBox->isEnabled();
            fenetre.InstrumentBox->setChecked(true);
            c.Action();
        });
        EXPECT_TRUE(vide);
        ASSERT_EQ(choix.has_value(), c.Repond);
        if (choix)
        {
            EXPECT_FALSE(choix->Coefficient.has_value());
        }
    }
    // A typed coefficient brought to its limit beeps once.
    const auto choix = Montre(fenetre, {true, false}, [&] {
        fenetre.SaisieCoefficient->setText(QStringLiteral("0,0001"));
        fenetre.ButtonOk->click();
    });
    EXPECT_EQ(Services.Bip.Nombre(BipDefaut), 1);
    ASSERT_TRUE(choix && choix->Coefficient);
    EXPECT_EQ(*choix->Coefficient, 0.001f);
    EXPECT_EQ(fenetre.SaisieCoefficient->text().toStdString(), "0.001");
}

} // namespace
