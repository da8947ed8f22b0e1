// The eyepiece dialog, shown headless: its buttons follow the device, each placing button answers with the design
// and the focal length typed, Cancel answers nothing, and the window keeps what was typed.
#include "dialogs/OculaireChoix.h"
#include "doubles/ApplicationQt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(OculaireChoix, LesBoutonsSuiventLeDispositif)
{
    AssureApplicationQt();
    TOculaireChoixForm fenetre;
    struct TCas
    {
        TEtatDispositifOculaire Etat;
        int Hauteur;
        std::vector<QPushButton*> Visibles;
        QPushButton* ParDefaut;
    };
    const TCas cas[] = {
        {TEtatDispositifOculaire::ValideFocal,
         229,
         {fenetre.DerriereBtn, fenetre.RemplaceBtn, fenetre.CancelBtn, fenetre.HelpBtn},
         fenetre.RemplaceBtn},
        {TEtatDispositifOculaire::Present,
         198,
         {fenetre.RemplaceBtn, fenetre.CancelBtn, fenetre.HelpBtn},
         fenetre.RemplaceBtn},
        {TEtatDispositifOculaire::Aucun, 168, {fenetre.OKBtn, fenetre.CancelBtn, fenetre.HelpBtn}, fenetre.OKBtn},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Hauteur);
        fenetre.Dispose(c.Etat);
        EXPECT_EQ(fenetre.height(), c.Hauteur);
        for (QPushButton* bouton :
             {fenetre.DerriereBtn, fenetre.RemplaceBtn, fenetre.OKBtn, fenetre.CancelBtn, fenetre.HelpBtn})
        {
            const bool visible = std::find(c.Visibles.begin(), c.Visibles.end(), bouton) != c.Visibles.end();
            EXPECT_EQ(bouton->isVisibleTo(&fenetre), visible) << bouton->text().toStdString();
            EXPECT_EQ(bouton->isDefault(), bouton == c.ParDefaut) << bouton->text().toStdString();
            EXPECT_LE(bouton->geometry().bottom(), c.Hauteur);
        }
    }
}

TEST(OculaireChoix, ChaqueBoutonRepondEtLaFenetreGardeLaSaisie)
{
    AssureApplicationQt();
    TOculaireChoixForm fenetre;
    EXPECT_EQ(fenetre.windowTitle().toStdString(), "Quivane - Choix d'un oculaire");
    EXPECT_EQ(fenetre.OculaireBox->count(), 11);
    EXPECT_FALSE(fenetre.OculaireBox->isEditable());
    EXPECT_EQ(fenetre.SaisieFocale->maxLength(), 4);

    QTimer::singleShot(0, &fenetre, [&fenetre] {
        fenetre.OculaireBox->setCurrentIndex(6);
        fenetre.SaisieFocale->setText(QStringLiteral("25"));
        fenetre.DerriereBtn->click();
    });
    const auto derriere = fenetre.Montre(TEtatDispositifOculaire::ValideFocal);
    ASSERT_TRUE(derriere.has_value());
    EXPECT_EQ(derriere->Oculaire, "Plössl");
    EXPECT_EQ(derriere->Focale, "25");
    EXPECT_EQ(derriere->Placement, TPlacementOculaire::DerriereDispositif);

    // Reopened, it shows what was chosen last.
    QTimer::singleShot(0, &fenetre, [&fenetre] { fenetre.OKBtn->click(); });
    const auto ok = fenetre.Montre(TEtatDispositifOculaire::Aucun);
    ASSERT_TRUE(ok.has_value());
    EXPECT_EQ(ok->Oculaire, "Plössl");
    EXPECT_EQ(ok->Focale, "25");
    EXPECT_EQ(ok->Placement, TPlacementOculaire::RemplaceDispositif);

    QTimer::singleShot(0, &fenetre, [&fenetre] { fenetre.CancelBtn->click(); });
    EXPECT_FALSE(fenetre.Montre(TEtatDispositifOculaire::Present).has_value());
    QTimer::singleShot(0, &fenetre, [&fenetre] { fenetre.close(); });
    EXPECT_FALSE(fenetre.Montre(TEtatDispositifOculaire::Present).has_value());
}

} // namespace
