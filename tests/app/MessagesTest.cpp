// The message boxes: their width follows the caption's length in characters, they beep, and keep the answer.
#include "app/Etat.h"
#include "app/Messages.h"
#include "dialogs/Interrogation.h"
#include "doubles/BipCompteur.h"
#include "doubles/QuestionScriptee.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

namespace {

class Messages : public testing::Test
{
protected:
    void SetUp() override
    {
        Precedents = Services();
        Services().Question = &Question;
        Services().Bip = &Bip;
    }
    void TearDown() override
    {
        Question.Verifie();
        Services() = Precedents;
    }

    TServices Precedents;
    TQuestionScriptee Question;
    TBipCompteur Bip;
};

using TBoite = void (*)(const std::string&, const std::string&);

struct TCasLargeur
{
    const char* Nom;
    TBoite Boite;
    std::string Titre;
    int Largeur;
    int Hauteur;
    TIconeQuestion Icone;
    TBoutonsQuestion Boutons;
    int LargeurTexte; // where the text wraps
};

std::string TitreDe(int n, const std::string& motif = "x")
{
    std::string titre;
    for (int i = 0; i < n; ++i)
        titre += motif;
    return titre;
}

}

TEST_F(Messages, LaLargeurSuitLaLongueurDuTitreEnCaracteres)
{
    const TCasLargeur cas[] = {
        {"avertissement de 50", AfficheAvertissement, TitreDe(50), 320, 0, TIconeQuestion::Avertissement,
         TBoutonsQuestion::Ok, 220},
        {"avertissement de 51", AfficheAvertissement, TitreDe(51), 326, 0, TIconeQuestion::Avertissement,
         TBoutonsQuestion::Ok, 226},
        {"accents comptés une fois", AfficheAvertissement, TitreDe(50, "é"), 320, 0, TIconeQuestion::Avertissement,
         TBoutonsQuestion::Ok, 220},
        {"disque de 51", AfficheMessageDisque, TitreDe(51), 326, 0, TIconeQuestion::Disque, TBoutonsQuestion::Ok, 226},
        {"large de 65", AfficheAvertissementLarge, TitreDe(65), 420, 0, TIconeQuestion::Avertissement,
         TBoutonsQuestion::Ok, 330},
        {"large de 66", AfficheAvertissementLarge, TitreDe(66), 426, 0, TIconeQuestion::Avertissement,
         TBoutonsQuestion::Ok, 336},
        {"question de 66", PoseQuestion, TitreDe(66), 425, 150, TIconeQuestion::Stop, TBoutonsQuestion::OuiNon, 325},
        {"question de 80", PoseQuestion, TitreDe(80), 515, 150, TIconeQuestion::Stop, TBoutonsQuestion::OuiNon, 415},
    };
    for (const TCasLargeur& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Question.Repond(ReponseOk);
        Bip.Oublie();
        c.Boite(c.Titre, "Le texte");
        ASSERT_FALSE(Question.Posees.empty());
        const TQuestion& posee = Question.Posees.back();
        EXPECT_EQ(posee.Titre, c.Titre);
        EXPECT_EQ(posee.Ligne1, "Le texte");
        EXPECT_EQ(posee.Largeur, c.Largeur);
        EXPECT_EQ(posee.Hauteur, c.Hauteur);
        EXPECT_EQ(posee.Icone, c.Icone);
        EXPECT_EQ(posee.Boutons, c.Boutons);
        EXPECT_EQ(posee.LibelleOk, "&Ok");
        EXPECT_EQ(DisposeInterrogation(posee).Lignes[0].Largeur, c.LargeurTexte);
        EXPECT_EQ(Bip.Nombre(BipExclamation), 1);
    }
}

TEST_F(Messages, LaReponseEstGardeeDansLesDeuxVariables)
{
    for (const TReponse reponse : {ReponseNon, ReponseOui})
    {
        Question.Repond(reponse);
        PoseQuestion("Quivane - Question", "Continuer ?");
        EXPECT_EQ(Etat.Reponse, reponse);
        EXPECT_EQ(Etat.BoutonInterrogation, reponse);
    }
}
