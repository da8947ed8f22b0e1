// The preferences: each box's validator on both decimal marks, the window left untouched storing nothing, the reset,
// and the journal value written with one mark and replayed with the other.
#include "dialogs/Preferences.h"

#include "FenetreReglages.h"
#include "optics/Modele.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

class Preferences : public FenetreReglages
{
protected:
    // A text written with "," as the program writes it with the current mark.
    static std::string Marque(std::string texte)
    {
        std::replace(texte.begin(), texte.end(), ',', SeparateurDecimal);
        return texte;
    }

    // The command run on a window of the test's own, `action` done while it is open.
    static void Lance(const std::function<void(TPreferencesForm&)>& action)
    {
        LanceFenetre<TPreferencesForm>(PreferencesForm, PreferencesExecute, action);
    }
};

const double RacineTroisQuarts = std::sqrt(3.0) / 4.0;

} // namespace

TEST_F(Preferences, ChaqueBoiteArrondieBorneeEtSignaleSurLesDeuxMarques)
{
    using B = TBoitePreference;
    using I = TIssueValidation;
    struct Cas
    {
        B Boite;
        const char* Tape;
        I Issue;
        const char* Message;
        const char* Texte; // written with ","
        double Stockee; // the setting afterwards
    };
    const Cas cas[] = {
        {B::IncrementN, "0,1", I::Refuse, "Cette valeur doit être inférieure à 0,1", "0,0010", 0.001f},
        {B::IncrementN, "0.1", I::Refuse, "Cette valeur doit être inférieure à 0,1", "0,0010", 0.001f},
        {B::IncrementN, "0,0999", I::Stocke, "", "0,0999", 0.0999f},
        {B::SaisieDec, "-12", I::Refuse, "Cette distance doit être comprise entre +10 et -10mm", "0,000", 0},
        {B::SaisieDec, "-9,9996", I::Stocke, "", "-10,000", -10},
        {B::SaisieDist, "0,55", I::Refuse, "Cette distance ne peut pas être supérieure au rayon (= 0,5)", "0,43301",
         RacineTroisQuarts},
        {B::SaisieDist, "0,05", I::Refuse, "Cette distance ne peut pas être inférieure à 0,1 rayon", "0,43301",
         RacineTroisQuarts},
        {B::SaisieDist, "-0,3", I::Ignore, "", "", RacineTroisQuarts},
        {B::SaisieDist, "0.1234567", I::Stocke, "", "0,12346", 0.12346},
        {B::SaisieDist, "0,5", I::Stocke, "", "0,50000", 0.5},
        // Shown as the setting already is: sqrt(3)/4 stays exact.
        {B::SaisieDist, "0,43301", I::Inchange, "", "", RacineTroisQuarts},
        {B::IncrementRdc, "100", I::Stocke, "", "100,00", 100},
        {B::IncrementRdc, "100,01", I::Refuse, "Cette valeur doit être inférieure à 100mm", "1,00", 1},
        {B::IncrementDia, "2,25", I::Stocke, "", "2,2", 2.2f},
        {B::IncrementPhi, "15", I::Stocke, "", "15,000", 15},
        {B::IncrementGamma, "15,0001", I::Refuse, "Cette valeur doit être inférieure à 15", "0,0100", 0.01f},
        {B::IncrementEp, "abc", I::Ignore, "", "", 0.1f},
    };
    for (const char marque : {',', '.'})
        for (const Cas& c : cas)
        {
            SCOPED_TRACE(std::string(1, marque) + " " + c.Tape);
            SeparateurDecimal = marque;
            ReinitialiseEtat();
            if (c.Issue == I::Refuse)
                Services.Question.Repond(ReponseOk);
            TPreferencesForm forme;
            QLineEdit* boite = forme.Boite(c.Boite);
            boite->setText(QString::fromUtf8(c.Tape));
            forme.BoiteKeyPress(c.Boite, 13);

            const std::string attendu = c.Texte[0] != '\0' ? Marque(c.Texte) : c.Tape;
            EXPECT_EQ(boite->text().toStdString(), attendu);
            const double stockees[] = {
                Systeme.DistanceAxeRayonFoyer, Reglages.DecalageMiseAuPoint, Reglages.PasRayon, Reglages.PasEpaisseur,
                Reglages.PasDiametre,          Reglages.PasIndice,           Reglages.PasPhi,   Reglages.PasGamma};
            EXPECT_EQ(stockees[static_cast<int>(c.Boite)], c.Stockee);
            if (c.Issue == I::Refuse)
            {
                ASSERT_FALSE(Services.Question.Posees.empty());
                const TQuestion& boiteErreur = Services.Question.Posees.back();
                EXPECT_EQ(boiteErreur.Titre, "Erreur");
                EXPECT_EQ(boiteErreur.Ligne1, c.Message);
                EXPECT_EQ(boiteErreur.Boutons, TBoutonsQuestion::Ok);
                Services.Question.Posees.clear();
            }
        }
    EXPECT_TRUE(Services.Question.Posees.empty());
}

TEST_F(Preferences, OkAussitotNeStockeRienEtNeJournaliseRien)
{
    for (const char marque : {',', '.'})
    {
        SCOPED_TRACE(marque);
        SeparateurDecimal = marque;
        Appels = {};
        Lance([](TPreferencesForm& f) { f.ButtonOk->click(); });
        EXPECT_EQ(Systeme.DistanceAxeRayonFoyer, RacineTroisQuarts);
        EXPECT_EQ(Reglages.PasIndice, 0.001f);
        EXPECT_TRUE(Appels.Enregistrements.empty());
        EXPECT_FALSE(Edition.DocumentModifie);
        EXPECT_FALSE(Edition.AMettreAJour);
        EXPECT_EQ(Appels.Rafraichissements, 1);
    }
}

TEST_F(Preferences, SeulLaDistanceDuRayonDuFoyerMarqueLaConceptionModifiee)
{
    SeparateurDecimal = ',';
    Lance([](TPreferencesForm& f) {
        f.IncrementRdc->setText("2");
        f.ButtonOk->click();
    });
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalPreferences);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur.substr(20, 10), "2,00      ");
    EXPECT_FALSE(Edition.DocumentModifie) << "un pas n'est pas dans le fichier";
    EXPECT_TRUE(Edition.AMettreAJour);

    Lance([](TPreferencesForm& f) {
        f.SaisieDist->setText("0,4");
        f.ButtonOk->click();
    });
    EXPECT_EQ(Systeme.DistanceAxeRayonFoyer, 0.4);
    ASSERT_EQ(Appels.Enregistrements.size(), 2u);
    EXPECT_EQ(Appels.Enregistrements[1].Valeur.substr(0, 9), "0,40000  ");
    EXPECT_TRUE(Edition.DocumentModifie);
}

TEST_F(Preferences, ReinitialiserMetLeFondNoirEtGardeLaCouleur)
{
    Systeme.DistanceAxeRayonFoyer = 0.2;
    Reglages.DecalageMiseAuPoint = 3;
    Reglages.ImpressionFondNoir = false;
    Reglages.ImpressionCouleur = true;
    Reglages.PasGamma = 2;
    TPreferencesForm forme;
    forme.ButtonInit->click();
    EXPECT_EQ(Systeme.DistanceAxeRayonFoyer, 0.433);
    EXPECT_EQ(Reglages.DecalageMiseAuPoint, 0.0f);
    EXPECT_TRUE(Reglages.ImpressionFondNoir);
    EXPECT_TRUE(Reglages.ImpressionCouleur);
    EXPECT_EQ(Reglages.PasGamma, 0.01f);
    EXPECT_TRUE(forme.ImprimePos->isChecked());
    EXPECT_TRUE(forme.EnCouleur->isChecked());

    forme.ImprimeNeg->click();
    EXPECT_FALSE(Reglages.ImpressionFondNoir);
    forme.EnCouleur->click();
    EXPECT_FALSE(Reglages.ImpressionCouleur);
}

TEST_F(Preferences, EchapNeRemetQueLaDistance)
{
    SeparateurDecimal = ',';
    TPreferencesForm forme;
    forme.SaisieDist->setText("0,3");
    forme.BoiteKeyPress(TBoitePreference::SaisieDist, 27);
    EXPECT_EQ(forme.SaisieDist->text().toStdString(), "0,43301");
    forme.SaisieDec->setText("4");
    forme.BoiteKeyPress(TBoitePreference::SaisieDec, 27);
    EXPECT_EQ(forme.SaisieDec->text().toStdString(), "4");
    EXPECT_EQ(Reglages.DecalageMiseAuPoint, 0.0f);
}

TEST_F(Preferences, LeJournalEnColonnesSeRelitSurLAutreMarque)
{
    SeparateurDecimal = ',';
    ReinitialisePreferences();
    Reglages.DecalageMiseAuPoint = -2.5f;
    Reglages.ImpressionCouleur = false;
    const std::string texte = TextePreferences(LitPreferences());
    EXPECT_EQ(texte, "0,43300  -2,500   10"
                     "1,00      0,10      1,0       0,0010    0,010     0,0100    ");
    EXPECT_EQ(texte.substr(20, 4), "1,00");
    EXPECT_EQ(texte.substr(50, 6), "0,0010");

    const TPreferences ecrites = LitPreferences();
    ReinitialiseEtat();
    SeparateurDecimal = '.';
    ASSERT_TRUE(AppliqueTextePreferences(texte));
    EXPECT_EQ(LitPreferences(), ecrites);

    // A distance shown as the setting already is keeps its exact value.
    ReinitialiseEtat();
    ASSERT_TRUE(AppliqueTextePreferences(TextePreferences(LitPreferences())));
    EXPECT_EQ(Systeme.DistanceAxeRayonFoyer, RacineTroisQuarts);

    // A column out of its box's range: nothing changes.
    std::string refuse = texte;
    refuse.replace(50, 6, "0,1000");
    ReinitialiseEtat();
    const TPreferences avant = LitPreferences();
    EXPECT_FALSE(AppliqueTextePreferences(refuse));
    EXPECT_EQ(LitPreferences(), avant);
}
