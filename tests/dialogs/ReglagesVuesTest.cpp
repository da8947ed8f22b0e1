// The view settings windows: the field analysis with an amplitude no button shows, the two star windows' reset, their
// boxes refusing what is not a whole number in range, the doubled density, and the records each writes and replays.
#include "dialogs/Champ.h"
#include "dialogs/Unique.h"

#include "FenetreReglages.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <functional>

namespace {

class ReglagesVues : public FenetreReglages
{
protected:
    // The command of a star view on its window, `action` done while it is open.
    static void LanceEtoiles(TVueEtoiles vue, const std::function<void(TEtoilesForm&)>& action)
    {
        if (vue == TVueEtoiles::Unique)
            LanceFenetre<TUniqueForm>(UniqueForm, ConfigEtoileUniqueExecute, action);
        else
            LanceFenetre<TEtoilesForm>(EtoilesForm, ConfigEtoilesMultiExecute, action);
    }

    static void LanceChamp(const std::function<void(TChampForm&)>& action)
    {
        LanceFenetre<TChampForm>(ChampForm, ConfigChampExecute, action);
    }
};

} // namespace

TEST_F(ReglagesVues, UneAmplitudeSansBoutonResteAuChamp)
{
    Reglages.AmplitudeChamp = 150;
    LanceChamp([](TChampForm& f) {
        EXPECT_FALSE(f.NGV12->isChecked());
        EXPECT_FALSE(f.NGV24->isChecked());
        EXPECT_FALSE(f.NGV60->isChecked());
        EXPECT_TRUE(f.NGV20deg->isChecked());
        f.OKBtn->click();
    });
    EXPECT_EQ(Reglages.AmplitudeChamp, 150);
    EXPECT_TRUE(Appels.Enregistrements.empty());
    EXPECT_FALSE(Edition.DocumentModifie);

    // Another setting changed while 150 stands: the record still reads back, every field in place.
    LanceChamp([](TChampForm& f) {
        f.RayonAfocalSaisie->setText("30");
        f.NGV60deg->click();
        f.OKBtn->click();
    });
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalConfigChamp);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "150 72 1 30 1 025 090 30 ");
    EXPECT_TRUE(Edition.DocumentModifie);
    const TReglagesChamp attendus = LitReglagesChamp();
    ReinitialiseEtat();
    EXPECT_EQ(TexteReglagesChamp(LitReglagesChamp()), "12 24 1 30 1 025 090 20 ");
    ASSERT_TRUE(AppliqueTexteReglagesChamp(Appels.Enregistrements[0].Valeur));
    EXPECT_EQ(LitReglagesChamp(), attendus);
}

TEST_F(ReglagesVues, LesBoitesDuChampRefusentCeQuiNEstPasUnEntierPermis)
{
    LanceChamp([](TChampForm& f) {
        f.PhiRepereSaisie->setText("4x");
        f.BoiteKeyPress(TBoiteChamp::PhiRepereSaisie, 13);
        EXPECT_EQ(f.PhiRepereSaisie->text().toStdString(), "30");
        f.RayonLineaireSaisie->setText("0");
        f.RayonAngulaireSaisie->setText("-5");
        f.BoutonAngulaire->click();
        f.AnalyseDispersion->click();
        f.OKBtn->click();
    });
    const TReglages& r = Reglages;
    EXPECT_EQ(r.RayonChampLineaire, 25);
    EXPECT_EQ(r.RayonChampAngulaire, 90);
    EXPECT_FALSE(r.ChampLineaire);
    EXPECT_FALSE(r.AnalyseChromatique);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "12 24 0 30 0 025 090 20 ");

    // Cancel stores nothing.
    LanceChamp([](TChampForm& f) {
        f.PhiRepereSaisie->setText("50");
        f.CancelBtn->click();
    });
    EXPECT_EQ(r.AmplitudeRepere, 30);
    EXPECT_EQ(Appels.Enregistrements.size(), 1u);
}

TEST_F(ReglagesVues, LaReinitialisationDesEtoilesPuisOk)
{
    struct Cas
    {
        TVueEtoiles Vue;
        std::int32_t Code;
        const char* Texte;
        const char* Densite; // the box after the reset
    };
    const Cas cas[] = {
        {TVueEtoiles::Multiple, CodeJournalConfigEtoiles, "10 0005 0005 1 ", "20"},
        {TVueEtoiles::Unique, CodeJournalConfigEtoileUnique, "015 0010 0005 1 ", "30"},
    };
    for (const Cas& c : cas)
    {
        SCOPED_TRACE(c.Texte);
        ReinitialiseEtat();
        Appels.Enregistrements.clear();
        AppliqueReglagesEtoiles(c.Vue, {7, 3, 2, false});
        LanceEtoiles(c.Vue, [&c](TEtoilesForm& f) {
            f.BtnReinitialisation->click();
            EXPECT_EQ(f.SaisieDensite->text().toStdString(), c.Densite);
            EXPECT_TRUE(f.Adc->isChecked());
            f.OKBtn->click();
        });
        EXPECT_EQ(LitReglagesEtoiles(c.Vue), ReglagesEtoilesInitiaux(c.Vue));
        ASSERT_EQ(Appels.Enregistrements.size(), 1u);
        EXPECT_EQ(Appels.Enregistrements[0].Code, c.Code);
        EXPECT_EQ(Appels.Enregistrements[0].Valeur, c.Texte);
        EXPECT_TRUE(Edition.DocumentModifie);

        // The reset is stored at once: Cancel after it keeps it, and journals it.
        AppliqueReglagesEtoiles(c.Vue, {7, 3, 2, false});
        LanceEtoiles(c.Vue, [](TEtoilesForm& f) {
            f.BtnReinitialisation->click();
            f.CancelBtn->click();
        });
        EXPECT_EQ(LitReglagesEtoiles(c.Vue), ReglagesEtoilesInitiaux(c.Vue));
        EXPECT_EQ(Appels.Enregistrements.size(), 2u);
    }
}

TEST_F(ReglagesVues, LesBoitesDesEtoilesRemettentLeurValeur)
{
    for (const TVueEtoiles vue : {TVueEtoiles::Multiple, TVueEtoiles::Unique})
    {
        SCOPED_TRACE(static_cast<int>(vue));
        ReinitialiseEtat();
        Appels.Enregistrements.clear();
        const TReglagesEtoiles avant = LitReglagesEtoiles(vue);
        LanceEtoiles(vue, [&avant](TEtoilesForm& f) {
            f.SaisieIdo->setText("4x");
            f.SaisieIdoKeyPress(13);
            EXPECT_EQ(f.SaisieIdo->text().toStdString(), std::to_string(avant.PasAfocal));
            f.SaisieIdc->setText("-1");
            f.SaisieIdcKeyPress(13);
            EXPECT_EQ(f.SaisieIdc->text().toStdString(), std::to_string(avant.Pas));
            f.SaisieDensite->setText("7");
            f.SaisieDensiteKeyPress(27);
            EXPECT_EQ(f.SaisieDensite->text().toStdString(), std::to_string(2 * avant.Densite));
            f.OKBtn->click();
        });
        EXPECT_EQ(LitReglagesEtoiles(vue), avant);
        EXPECT_TRUE(Appels.Enregistrements.empty());
        EXPECT_FALSE(Edition.DocumentModifie);
        EXPECT_FALSE(Edition.AMettreAJour);

        // A typed density that is not whole or gives no ray per radius, on OK: the stored density stays.
        for (const char* densite : {"0", "1", "abc", ""})
        {
            SCOPED_TRACE(densite);
            LanceEtoiles(vue, [densite](TEtoilesForm& f) {
                f.SaisieDensite->setText(densite);
                f.OKBtn->click();
            });
            EXPECT_EQ(LitReglagesEtoiles(vue).Densite, avant.Densite);
        }

        // Cancel leaves what was typed.
        LanceEtoiles(vue, [](TEtoilesForm& f) {
            f.SaisieDensite->setText("40");
            f.SaisieIdc->setText("9");
            f.CancelBtn->click();
        });
        EXPECT_EQ(LitReglagesEtoiles(vue), avant);
    }
}

TEST_F(ReglagesVues, UneDensiteImpairePerdSonDernierRayon)
{
    LanceEtoiles(TVueEtoiles::Multiple, [](TEtoilesForm& f) {
        f.SaisieDensite->setText("21");
        f.OKBtn->click();
    });
    EXPECT_EQ(Reglages.DensiteEtoileMultiple, 10);
    EXPECT_TRUE(Appels.Enregistrements.empty()) << "21 rayons donnent la densité déjà stockée";
    LanceEtoiles(TVueEtoiles::Multiple, [](TEtoilesForm& f) {
        EXPECT_EQ(f.SaisieDensite->text().toStdString(), "20");
        f.SaisieDensite->setText("33");
        f.OKBtn->click();
    });
    EXPECT_EQ(Reglages.DensiteEtoileMultiple, 16);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "16 0005 0005 1 ");

    // The records of extreme densities, and the replay of each star view.
    EXPECT_EQ(TexteReglagesEtoiles(TVueEtoiles::Unique, {100, 10, 5, true}), "100 0010 0005 1 ");
    EXPECT_EQ(TexteReglagesEtoiles(TVueEtoiles::Unique, {5, 10, 5, false}), "005 0010 0005 0 ");
    ASSERT_TRUE(AppliqueTexteReglagesEtoiles(TVueEtoiles::Unique, "100 0012 0003 0 "));
    EXPECT_EQ(LitReglagesEtoiles(TVueEtoiles::Unique), (TReglagesEtoiles{100, 12, 3, false}));
    for (const char* illisible : {"000 0012 0003 0 ", "010 0012 0003 ", "010 0012 -003 1 ", "010 0012 0003 2 "})
    {
        SCOPED_TRACE(illisible);
        EXPECT_FALSE(AppliqueTexteReglagesEtoiles(TVueEtoiles::Unique, illisible));
        EXPECT_EQ(LitReglagesEtoiles(TVueEtoiles::Unique), (TReglagesEtoiles{100, 12, 3, false}));
    }
}
