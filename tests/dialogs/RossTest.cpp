// The Ross dialog, shown headless: it opens on its presets, its boxes take Enter and Esc as their validators say, OK
// answers the values stored, Cancel and the close box nothing, and the glass button reads the catalogue at the
// corrector's lines without touching the design. The catalogue window itself, opened as a table.
#include "dialogs/Index.h"
#include "dialogs/Ross.h"
#include "doubles/ApplicationQt.h"
#include "doubles/ServicesDeTest.h"
#include "editing/ChoixVerre.h"
#include "editing/EtatEdition.h"
#include "optics/Initialisation.h"
#include "platform/Format.h"

#include <QApplication>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

class DialogueRoss : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationQt();
        SeparateurDecimal = ',';
        InitialiseLongueursOnde();
    }
    void TearDown() override { SeparateurDecimal = '.'; }

    // A key pressed in a box, handed straight to the window's filter on a keyboard of the test's own: the
    // application's default keyboard would be destroyed at exit after the device registry.
    static void Touche(TRossForm& fenetre, QLineEdit* boite, int touche)
    {
        static QInputDevice* clavier =
            new QInputDevice(QStringLiteral("clavier de test"), 1, QInputDevice::DeviceType::Keyboard);
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, 0, 0, 0, QString(), false, 1, clavier);
        EXPECT_TRUE(static_cast<QObject&>(fenetre).eventFilter(boite, &appui));
    }

    TServicesDeTest Services;
};

TEST_F(DialogueRoss, IlSOuvreSurSesValeursEtOKLesRend)
{
    TRossForm fenetre;
    EXPECT_EQ(fenetre.windowTitle().toStdString(), "Quivane - Correcteur de Ross selon vos spécifications");
    EXPECT_EQ(fenetre.SaisiePhi->maxLength(), 7);
    EXPECT_EQ(fenetre.Saisieh->maxLength(), 7);
    EXPECT_EQ(fenetre.SaisieDiametre->maxLength(), 4);
    EXPECT_GE(fenetre.width(), 353);

    TSaisieRoss autres = SaisieRossInitiale();
    autres.Puissance = 2;
    fenetre.Prepare(autres);
    QTimer::singleShot(0, &fenetre, [&fenetre] {
        EXPECT_EQ(fenetre.SaisiePhi->text().toStdString(), "-5,4");
        EXPECT_EQ(fenetre.Saisieh->text().toStdString(), "60");
        EXPECT_EQ(fenetre.SaisieDiametre->text().toStdString(), "50");
        EXPECT_EQ(fenetre.LabelVerre->text().toStdString(), "= BK7");
        fenetre.ButtonOk->click();
    });
    const std::optional<TSaisieRoss> ok = fenetre.Montre(SaisieRossInitiale());
    ASSERT_TRUE(ok.has_value());
    EXPECT_EQ(ok->Puissance, -5.4f);
    EXPECT_EQ(ok->Distance, 60);
    EXPECT_EQ(ok->Diametre, 50);
    EXPECT_EQ(ok->Verre.Nom, "BK7");

    QTimer::singleShot(0, &fenetre, [&fenetre] { fenetre.CancelBtn->click(); });
    EXPECT_FALSE(fenetre.Montre(SaisieRossInitiale()).has_value());
    QTimer::singleShot(0, &fenetre, [&fenetre] { fenetre.close(); });
    EXPECT_FALSE(fenetre.Montre(SaisieRossInitiale()).has_value());
}

TEST_F(DialogueRoss, EntreeEtEchapDansLesBoites)
{
    TRossForm fenetre;
    Services.Question.Repond(ReponseOk);
    QTimer::singleShot(0, &fenetre, [&] {
        // Too weak a power: the message, the text it had back, and on to the distance.
        fenetre.SaisiePhi->setText(QStringLiteral("0,05"));
        Touche(fenetre, fenetre.SaisiePhi, Qt::Key_Return);
        EXPECT_EQ(fenetre.SaisiePhi->text().toStdString(), "-5,4");
        EXPECT_EQ(fenetre.Saisie().Puissance, -5.4f);
        EXPECT_EQ(fenetre.focusWidget(), fenetre.Saisieh);
        // A negative distance is ignored.
        fenetre.Saisieh->setText(QStringLiteral("-60"));
        Touche(fenetre, fenetre.Saisieh, Qt::Key_Return);
        EXPECT_EQ(fenetre.Saisie().Distance, 60);
        EXPECT_EQ(fenetre.focusWidget(), fenetre.SaisieDiametre);
        // Esc: the text the box had on entry, the value untouched, the focus on Cancel.
        fenetre.SaisieDiametre->setText(QStringLiteral("75"));
        Touche(fenetre, fenetre.SaisieDiametre, Qt::Key_Escape);
        EXPECT_EQ(fenetre.SaisieDiametre->text().toStdString(), "50");
        EXPECT_EQ(fenetre.Saisie().Diametre, 50);
        EXPECT_EQ(fenetre.focusWidget(), fenetre.CancelBtn);
        EXPECT_TRUE(fenetre.isVisible()) << "Esc in a box does not close the window";
        // A power typed and left for OK is taken.
        fenetre.SaisiePhi->setFocus();
        fenetre.SaisiePhi->setText(QStringLiteral("-3"));
        fenetre.ButtonOk->click();
    });
    const std::optional<TSaisieRoss> ok = fenetre.Montre(SaisieRossInitiale());
    ASSERT_TRUE(ok.has_value());
    EXPECT_EQ(ok->Puissance, -3.0f);
    EXPECT_EQ(ok->Distance, 60);
    EXPECT_EQ(ok->Diametre, 50);
    ASSERT_EQ(Services.Question.Posees.size(), 1u);
    EXPECT_EQ(Services.Question.Posees[0].Titre, "Erreur");
    EXPECT_EQ(Services.Question.Posees[0].Ligne1, "Cette puissance optique est trop faible");
}

// The catalogue lists the corrector's lines while it is open; the design keeps its own lines and stays unmodified.
TEST_F(DialogueRoss, LeVerreVientDuCatalogue)
{
    static TLongueursOnde lignesVues;
    static std::array<std::string, 4> reponse;
    PortsCatalogue.MontreTable = [] {
        lignesVues = LongueursOnde;
        if (!reponse[0].empty())
        {
            MatiereChoisie = reponse;
            MatiereSelectionnee = true;
            Edition.DocumentModifie = true;
        }
    };
    TRossForm fenetre;
    Edition.DocumentModifie = false;

    reponse = {"Verre X", "1,601000", "1,605000", ""};
    fenetre.BoutonVerreClick();
    EXPECT_EQ(lignesVues.LongueurOndeRouge, 8);
    EXPECT_EQ(lignesVues.LongueurOndeVerte, 13);
    EXPECT_EQ(lignesVues.LongueurOndeBleue, 17);
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 15);
    EXPECT_FALSE(Edition.DocumentModifie);
    EXPECT_EQ(fenetre.LabelVerre->text().toStdString(), "= Verre X");
    EXPECT_EQ(fenetre.Saisie().Verre.Nom, "Verre X");
    EXPECT_EQ(fenetre.Saisie().Verre.Indices, (std::array<float, 3>{1.601f, 1.605f, 0.0f}));

    // Closed without a choice, the catalogue leaves the glass as it was.
    reponse = {};
    fenetre.BoutonVerreClick();
    EXPECT_EQ(fenetre.LabelVerre->text().toStdString(), "= Verre X");
    EXPECT_EQ(fenetre.Saisie().Verre.Nom, "Verre X");
}

TEST_F(DialogueRoss, LeCatalogueOuvertEnTable)
{
    std::remove(FichierIndices().c_str());
    Services.Question.Repond(ReponseOk);
    TIndicesForm catalogue;
    catalogue.TriClick(TColonneCatalogue::Abbe);
    catalogue.FondMouseUp(100, 70 + 16 * 4 + 8);
    ASSERT_NE(catalogue.LigneSelectionneeCatalogue, 0);
    QTimer::singleShot(0, &catalogue, [&catalogue] {
        EXPECT_EQ(catalogue.windowTitle().toStdString(), "Quivane - Table des indices de réfraction");
        EXPECT_EQ(catalogue.TriColonne, TColonneCatalogue::Nom);
        EXPECT_EQ(catalogue.LigneSelectionneeCatalogue, 0);
        EXPECT_FALSE(catalogue.Bouton_Selectionner->isVisible());
        catalogue.reject();
    });
    catalogue.Montre(TUsageCatalogue::Table);
    EXPECT_EQ(catalogue.windowTitle().toStdString(), "Quivane - Choix des Indices de réfraction");
    EXPECT_EQ(catalogue.TriColonne, TColonneCatalogue::Abbe);
}

} // namespace
