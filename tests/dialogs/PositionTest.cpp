// The device position window: a value taken only by Enter in its box, a text that is not a number put back, the
// values changed journaled once the window closes, and their records replayed on either decimal mark.
#include "dialogs/Position.h"

#include "FenetreReglages.h"
#include "optics/Modele.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class Position : public FenetreReglages
{
protected:
    static void Lance(const std::function<void(TPositionForm&)>& action)
    {
        LanceFenetre<TPositionForm>(PositionForm, AfficheFormePosition, action);
    }
};

constexpr int Entree = 13;
constexpr int Echap = 27;

TEST_F(Position, UneValeurNEstPriseQueParEntreeDansSaBoite)
{
    SeparateurDecimal = ',';
    Systeme.DecalageFoyerInitial = 0;
    Systeme.DistanceFoyerDioptre = 12.34567;
    // Typed, then OK without Enter: nothing taken, nothing journaled.
    Lance([](TPositionForm& f) {
        EXPECT_EQ(f.SaisieDeltaf->text().toStdString(), "0");
        EXPECT_EQ(f.SaisieDaf->text().toStdString(), "12,346");
        f.SaisieDeltaf->setText("2,5");
        f.ButtonOk->click();
    });
    EXPECT_EQ(Systeme.DecalageFoyerInitial, 0);
    EXPECT_TRUE(Appels.Enregistrements.empty());
    EXPECT_FALSE(Edition.DocumentModifie);
    EXPECT_EQ(Appels.Rafraichissements, 1);

    // With Enter, on either mark; the focus moves on to the next box, then to OK.
    Lance([](TPositionForm& f) {
        f.SaisieDeltaf->setText("2,5");
        f.SaisieDeltafKeyPress(Entree);
        f.SaisieDaf->setText("-40.125");
        f.SaisieDafKeyPress(Entree);
        f.ButtonOk->click();
    });
    EXPECT_EQ(Systeme.DecalageFoyerInitial, 2.5);
    EXPECT_EQ(Systeme.DistanceFoyerDioptre, -40.125);
    ASSERT_EQ(Appels.Enregistrements.size(), 2u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalPositionDispositif);
    EXPECT_EQ(Appels.Enregistrements[0].Index, 0);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "2,5");
    EXPECT_EQ(Appels.Enregistrements[1].Index, 1);
    EXPECT_EQ(Appels.Enregistrements[1].Valeur, "-40,125");
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_TRUE(Edition.AMettreAJour);
}

TEST_F(Position, UnTexteQuiNEstPasUnNombreEtEchapRemettentLaValeur)
{
    SeparateurDecimal = ',';
    Systeme.DecalageFoyerInitial = 1.23456;
    Systeme.DistanceFoyerDioptre = 7;
    TPositionForm forme;
    struct Cas
    {
        const char* Tape;
        int Touche;
    };
    // A lone mark, an exponent and a second mark are not numbers for the dialogs; a number too long for a double
    // is not finite.
    const std::string tropLong(400, '9');
    for (const Cas& c : {Cas{"abc", Entree}, Cas{",", Entree}, Cas{"1E3", Entree}, Cas{"1,2,3", Entree},
                         Cas{tropLong.c_str(), Entree}, Cas{"3", Echap}})
    {
        SCOPED_TRACE(c.Tape);
        forme.SaisieDeltaf->setText(QString::fromStdString(c.Tape));
        forme.SaisieDeltafKeyPress(c.Touche);
        EXPECT_EQ(forme.SaisieDeltaf->text().toStdString(), "1,235");
        EXPECT_EQ(Systeme.DecalageFoyerInitial, 1.23456);
        forme.SaisieDaf->setText(QString::fromStdString(c.Tape));
        forme.SaisieDafKeyPress(c.Touche);
        EXPECT_EQ(forme.SaisieDaf->text().toStdString(), "7");
        EXPECT_EQ(Systeme.DistanceFoyerDioptre, 7);
    }
}

TEST_F(Position, LesEnregistrementsSeRejouentSurLAutreMarque)
{
    SeparateurDecimal = '.';
    struct Cas
    {
        std::int32_t Index;
        const char* Valeur;
        double Decalage;
        double Distance;
    };
    // The general form writes an exponent below 1e-5; another index, or no number, changes nothing.
    const Cas cas[] = {{0, "2,5", 2.5, 0}, {1, "-40.125", 0, -40.125}, {0, "5E-6", 5e-6, 0},
                       {2, "3", 0, 0},     {0, "abc", 0, 0},           {1, "1E400", 0, 0}};
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.Valeur);
        Systeme.DecalageFoyerInitial = 0;
        Systeme.DistanceFoyerDioptre = 0;
        AppliqueEnregistrementPosition(c.Index, c.Valeur);
        EXPECT_EQ(Systeme.DecalageFoyerInitial, c.Decalage);
        EXPECT_EQ(Systeme.DistanceFoyerDioptre, c.Distance);
    }
}

} // namespace
