// The lens-device drawing colours: the spin box's wrapping steps, the swatches and the component row under the mouse,
// the tint moved left, the index limit's validator, the picture, the command's Cancel and OK, and the journal value
// that a long colour name still splits.
#include "dialogs/Dispositif.h"

#include "FenetreReglages.h"
#include "platform/CanevasImage.h"
#include "dialogs/CaseRVB.h"
#include "platform/ImageVue.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

class CouleursDispositif : public FenetreReglages
{
protected:
    void SetUp() override
    {
        FenetreReglages::SetUp();
        SeparateurDecimal = ',';
    }

    static void Lance(const std::function<void(TDispositifForm&)>& action)
    {
        LanceFenetre<TDispositifForm>(DispositifForm, ConfigdispoExecute, action);
    }
};

// A click on the swatch of a slot.
void ChoisitTeinte(TTeintesDialogue& t, int i)
{
    FondMouseUp(t, 22 + 32 * i, 17);
}

} // namespace

TEST_F(CouleursDispositif, LaCaseRVBTourneDansZeroDeuxCentCinquanteCinq)
{
    struct Cas
    {
        int Avant;
        bool Haut;
        int Apres;
    };
    for (const Cas& c : {Cas{0, false, 246}, Cas{255, true, 0}, Cas{3, false, 249}, Cas{10, false, 0}})
    {
        SCOPED_TRACE(c.Avant);
        EXPECT_EQ(PasComposante(c.Avant, c.Haut), c.Apres);
    }
    // The number part does nothing; the upper half steps up, the lower half down.
    EXPECT_EQ(SensCaseRVB(22, 3), std::nullopt);
    EXPECT_EQ(SensCaseRVB(23, 7), true);
    EXPECT_EQ(SensCaseRVB(30, 8), false);

    TDispositifForm forme;
    forme.Prepare(TeintesInitiales());
    forme.FondMouseUp(22 + 32 * 2, 17);
    forme.ComposanteClick(3);
    const TColor avant = forme.Teintes.TeinteDialogue[2];
    forme.CaseRVB->Appui(30, 12);
    EXPECT_EQ(forme.Teintes.TeinteDialogue[2],
              CouleurRVB(ComposanteRouge(avant), ComposanteVerte(avant), PasComposante(ComposanteBleue(avant), false)));
    EXPECT_EQ(forme.IntBleu->text().toStdString(), std::to_string(ComposanteBleue(forme.Teintes.TeinteDialogue[2])));
    forme.CaseRVB->Appui(5, 12);
    EXPECT_EQ(Reglages.TeinteVerre, TeintesParDefaut) << "la fenêtre travaille sur des copies";
}

TEST_F(CouleursDispositif, LaSourisChoisitUneTeinteOuUneComposanteEtLaFlecheDeplace)
{
    TTeintesDialogue t = TeintesInitiales();
    ChoisitTeinte(t, 0);
    EXPECT_EQ(t.TeinteSelectionnee, 0);
    DeplaceTeinteAGauche(t);
    EXPECT_EQ(t.TeinteSelectionnee, 9);
    EXPECT_EQ(t.TeinteDialogue[0], TeintesParDefaut[9]);
    EXPECT_EQ(t.TeinteDialogue[9], TeintesParDefaut[0]);

    // The component row keeps the slot; elsewhere in it, or between two swatches, no slot stays selected.
    FondMouseUp(t, 150, 70);
    EXPECT_EQ(t.ComposanteTeinte, 2);
    EXPECT_EQ(t.TeinteSelectionnee, 9);
    FondMouseUp(t, 100, 70);
    EXPECT_EQ(t.TeinteSelectionnee, -1);
    ChoisitTeinte(t, 4);
    FondMouseUp(t, 35, 17);
    EXPECT_EQ(t.TeinteSelectionnee, -1);

    TDispositifForm forme;
    forme.Prepare(TeintesInitiales());
    forme.FondMouseUp(22, 17);
    EXPECT_FALSE(forme.LabelRouge->isHidden());
    EXPECT_FALSE(forme.BtnGauche->isHidden());
    forme.FondMouseUp(35, 17);
    EXPECT_TRUE(forme.LabelRouge->isHidden());
    EXPECT_TRUE(forme.IntVert->isHidden());
    EXPECT_TRUE(forme.CaseRVB->isHidden());
    EXPECT_TRUE(forme.BtnGauche->isHidden());
}

TEST_F(CouleursDispositif, LeDessinMontreLesTeintesEtLOngletChoisi)
{
    TTeintesDialogue t = TeintesInitiales();
    t.TeinteDialogue[3] = CouleurRVB(1, 2, 3);
    TCanevasImage image(LargeurFondTeintes, HauteurFondTeintes);
    DessineTeintes(image, t);
    EXPECT_EQ(image.Pixels(3 * 32 + 20, 17), CouleurRVB(1, 2, 3));
    EXPECT_EQ(image.Pixels(3 * 32 + 9, 7), clWhite) << "aucun onglet sans choix";
    EXPECT_EQ(image.Pixels(100, 100), clWhite);

    ChoisitTeinte(t, 3);
    t.ComposanteTeinte = 2;
    DessineTeintes(image, t);
    EXPECT_EQ(image.Pixels(3 * 32 + 9, 7), clBtnFace);
    EXPECT_EQ(image.Pixels(3 * 32 + 20, 17), CouleurRVB(1, 2, 3));
    EXPECT_EQ(image.Pixels(100, 100), clBtnFace);
    EXPECT_EQ(image.Pixels(150, 60), clWhite) << "le fond de la composante choisie";
    EXPECT_EQ(image.Pixels(50, 60), clBtnFace);
    EXPECT_EQ(PositionCaseRVB(2), 173);
}

TEST_F(CouleursDispositif, LIndiceLimiteArrondiEtBorneSurLesDeuxMarques)
{
    struct Cas
    {
        const char* Tape;
        TIssueValidation Issue;
        const char* Texte; // written with ","
        float Limite;
    };
    const Cas cas[] = {
        {"1,234", TIssueValidation::Stocke, "1,23", 1.23f}, {"5,004", TIssueValidation::Stocke, "5,00", 5.0f},
        {"5,01", TIssueValidation::Refuse, "1,10", 1.1f},   {"-1", TIssueValidation::Ignore, "-1", 1.1f},
        {"x", TIssueValidation::Ignore, "x", 1.1f},
    };
    for (const char marque : {',', '.'})
        for (const Cas& c : cas)
        {
            SCOPED_TRACE(std::string(1, marque) + " " + c.Tape);
            SeparateurDecimal = marque;
            TDispositifForm forme;
            forme.Prepare(TeintesInitiales());
            if (c.Issue == TIssueValidation::Refuse)
                Services.Question.Repond(ReponseOk);
            forme.SaisieIndiceLimite->setText(c.Tape);
            forme.SaisieIndiceLimiteKeyPress(13);
            std::string attendu = c.Texte;
            if (c.Issue != TIssueValidation::Ignore)
                std::replace(attendu.begin(), attendu.end(), ',', marque);
            EXPECT_EQ(forme.SaisieIndiceLimite->text().toStdString(), attendu);
            EXPECT_EQ(forme.Teintes.IndiceLimiteSaisi, c.Limite);
            if (c.Issue == TIssueValidation::Refuse)
            {
                ASSERT_EQ(Services.Question.Posees.size(), 1u);
                EXPECT_EQ(Services.Question.Posees[0].Titre, "Erreur");
                EXPECT_EQ(Services.Question.Posees[0].Ligne1, "Cette valeur doit être inférieure à 5");
                Services.Question.Posees.clear();
            }
        }
    EXPECT_EQ(Reglages.IndiceLimite, 1.1f) << "la limite ne s'applique qu'avec OK";
}

TEST_F(CouleursDispositif, AnnulerNeChangeRienEtOkJournaliseEtModifie)
{
    Lance([](TDispositifForm& f) {
        f.FondMouseUp(22, 17);
        f.CaseRVB->Appui(30, 3);
        f.SaisieIndiceLimite->setText("1,3");
        f.ButtonAnnuler->click();
    });
    EXPECT_EQ(Reglages.TeinteVerre, TeintesParDefaut);
    EXPECT_EQ(Reglages.IndiceLimite, 1.1f);
    EXPECT_TRUE(Appels.Enregistrements.empty());
    EXPECT_FALSE(Edition.DocumentModifie);

    // OK with nothing changed: no record either.
    Lance([](TDispositifForm& f) { f.ButtonOk->click(); });
    EXPECT_TRUE(Appels.Enregistrements.empty());
    EXPECT_FALSE(Edition.DocumentModifie);

    // The limit typed is taken by OK even without Enter.
    Lance([](TDispositifForm& f) {
        f.FondMouseUp(22, 17);
        f.CaseRVB->Appui(30, 3);
        f.SaisieIndiceLimite->setText("1,3");
        f.ButtonOk->click();
    });
    EXPECT_EQ(Reglages.TeinteVerre[0], TeintesParDefaut[0] + 1);
    EXPECT_EQ(Reglages.IndiceLimite, 1.3f);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalTeintesDispositif);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur.substr(0, 10), "$00D4FFF1 ");
    EXPECT_EQ(Appels.Enregistrements[0].Valeur.substr(100), "1,30");
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_TRUE(Edition.AMettreAJour);
}

TEST_F(CouleursDispositif, UnNomDeCouleurLongSeRelitSurLAutreMarque)
{
    TPaletteTeintes teintes = TeintesParDefaut;
    teintes[0] = CouleurRVB(192, 220, 192);
    teintes[9] = clMoneyGreen;
    const std::string texte = TexteTeintesDispositif(teintes, 1.25f);
    EXPECT_EQ(texte.substr(0, 13), "clMoneyGreen ");
    SeparateurDecimal = '.';
    ASSERT_TRUE(AppliqueTexteTeintesDispositif(texte));
    EXPECT_EQ(Reglages.TeinteVerre, teintes);
    EXPECT_EQ(Reglages.IndiceLimite, 1.25f);

    // Ten tints and no limit: the limit's default. A word that is no colour, or a limit above 5: nothing changes.
    const std::string sansLimite = texte.substr(0, texte.size() - 4);
    ASSERT_TRUE(AppliqueTexteTeintesDispositif(sansLimite));
    EXPECT_EQ(Reglages.IndiceLimite, 1.1f);
    for (const std::string& illisible : {"rouge " + texte, sansLimite + "5.5"})
    {
        SCOPED_TRACE(illisible);
        EXPECT_FALSE(AppliqueTexteTeintesDispositif(illisible));
        EXPECT_EQ(Reglages.TeinteVerre, teintes);
        EXPECT_EQ(Reglages.IndiceLimite, 1.1f);
    }
}
