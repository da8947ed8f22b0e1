// The two requests of the focus searches, shown headless and answered by script.
#include "dialogs/DemandesFoyer.h"

#include <QInputDevice>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "doubles/ApplicationQt.h"
#include "doubles/ServicesDeTest.h"
#include "platform/Format.h"

namespace {

struct Forme
{
    const char* nom;
    std::function<std::unique_ptr<TDemandeDepartForm>()> cree;
    const char* titre;
    const char* libelle;
};

const Forme Formes[] = {
    {"DistanceDun", [] { return std::make_unique<TDistanceDunForm>(); }, "Quivane - Information nécessaire",
     "Distance entre le foyer et le premier dioptre ="},
    {"DistanceDeltaFun", [] { return std::make_unique<TDistanceDeltaFunForm>(); }, "Dialogue", "Décalage du foyer ="},
};

// Runs `action` once the modal request is open, then answers what `Demande` returned.
std::optional<std::string> Repond(TDemandeDepartForm& forme, double precedente, std::function<void()> action)
{
    QTimer::singleShot(0, &forme, action);
    return forme.Demande(precedente);
}

// A key pressed in the box, handed straight to the dialog's filter on a keyboard of the test's own:
// the application's default keyboard would be destroyed at exit after the device registry.
QKeyEvent Appui(int touche)
{
    static QInputDevice* clavier =
        new QInputDevice(QStringLiteral("clavier de test"), 1, QInputDevice::DeviceType::Keyboard);
    return QKeyEvent(QEvent::KeyPress, touche, Qt::NoModifier, 0, 0, 0, QString(), false, 1, clavier);
}

void Touche(TDemandeDepartForm& forme, int touche)
{
    QKeyEvent appui = Appui(touche);
    EXPECT_TRUE(static_cast<QObject&>(forme).eventFilter(forme.SaisieDun, &appui));
}

class DistanceDemande : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationQt();
        SeparateurDecimal = '.';
    }
};

TEST_F(DistanceDemande, TitresTextesEtBoutons)
{
    for (const Forme& f : Formes)
    {
        SCOPED_TRACE(f.nom);
        auto forme = f.cree();
        EXPECT_EQ(forme->windowTitle().toStdString(), f.titre);
        EXPECT_EQ(forme->Libelle->text().toStdString(), f.libelle);
        EXPECT_EQ(forme->Unite->text().toStdString(), "mm");
        EXPECT_EQ(forme->CancelBtn->text().toStdString(), "Abandonner");
        EXPECT_EQ(forme->ButtonAide->text().toStdString(), "&Aide");
        EXPECT_EQ(forme->OKBtn->text().toStdString(), "OK");
        EXPECT_EQ(forme->SaisieDun->text().toStdString(), "0");
        EXPECT_EQ(forme->size(), QSize(330, 110));
    }
}

TEST_F(DistanceDemande, OkRendLeTexteQueLaBoiteGardePourLaFoisSuivante)
{
    for (const Forme& f : Formes)
    {
        SCOPED_TRACE(f.nom);
        auto forme = f.cree();
        const auto reponse = Repond(*forme, 3.0, [&] {
            forme->SaisieDun->setText("12,5");
            forme->OKBtn->click();
        });
        ASSERT_TRUE(reponse.has_value());
        EXPECT_EQ(*reponse, "12,5");
        EXPECT_EQ(forme->SaisieDun->text().toStdString(), "12,5");
    }
}

TEST_F(DistanceDemande, AbandonnerNeRendRien)
{
    for (const Forme& f : Formes)
    {
        SCOPED_TRACE(f.nom);
        auto forme = f.cree();
        const auto reponse = Repond(*forme, 3.0, [&] {
            forme->SaisieDun->setText("40");
            forme->CancelBtn->click();
        });
        EXPECT_FALSE(reponse.has_value());
    }
}

// Enter with a text that is not a number, and Esc, put back the start value that failed; neither
// closes the request, which OK then answers with the value put back.
TEST_F(DistanceDemande, EntreeEtEchapRemettentLaValeurPrecedente)
{
    for (int touche : {Qt::Key_Return, Qt::Key_Escape})
    {
        for (const Forme& f : Formes)
        {
            SCOPED_TRACE(f.nom);
            SCOPED_TRACE(touche);
            auto forme = f.cree();
            bool ouverte = false;
            const auto reponse = Repond(*forme, -2.25, [&] {
                forme->SaisieDun->setText("abc");
                Touche(*forme, touche);
                ouverte = forme->isVisible();
                forme->OKBtn->click();
            });
            EXPECT_TRUE(ouverte);
            ASSERT_TRUE(reponse.has_value());
            EXPECT_EQ(*reponse, "-2.25");
        }
    }
}

TEST_F(DistanceDemande, EntreeAvecUnNombreLeGardeEtPasseAuBoutonOk)
{
    auto forme = std::make_unique<TDistanceDunForm>();
    bool focusOk = false;
    const auto reponse = Repond(*forme, 1.0, [&] {
        forme->SaisieDun->setText("-7.5");
        Touche(*forme, Qt::Key_Return);
        focusOk = forme->OKBtn->hasFocus() || forme->focusWidget() == forme->OKBtn;
        forme->OKBtn->click();
    });
    EXPECT_TRUE(focusOk);
    ASSERT_TRUE(reponse.has_value());
    EXPECT_EQ(*reponse, "-7.5");
}

TEST_F(DistanceDemande, OkAvecUnTexteQuiNEstPasUnNombreRemetLaValeurPrecedente)
{
    auto forme = std::make_unique<TDistanceDunForm>();
    const auto reponse = Repond(*forme, 150.0, [&] {
        forme->SaisieDun->setText("x");
        forme->OKBtn->click();
    });
    ASSERT_TRUE(reponse.has_value());
    EXPECT_EQ(*reponse, "x");
    EXPECT_EQ(forme->SaisieDun->text().toStdString(), "150");
}

TEST_F(DistanceDemande, AideEtF1OuvrentLeSommaireDeLAide)
{
    TServicesDeTest services;
    for (const Forme& f : Formes)
    {
        SCOPED_TRACE(f.nom);
        auto forme = f.cree();
        const int avant = services.Aide.Sommaires;
        forme->ButtonAide->click();
        QKeyEvent f1 = Appui(Qt::Key_F1);
        static_cast<QObject&>(*forme).event(&f1);
        EXPECT_EQ(services.Aide.Sommaires - avant, 2);
        EXPECT_TRUE(services.Aide.Rubriques.empty());
    }
}

} // namespace
