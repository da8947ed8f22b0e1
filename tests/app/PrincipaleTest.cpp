// The main window: the recent-file items, the scroll bars, and which commands the refresh and the lens device enable.
#include "app/Demarrage.h"
#include "app/Etat.h"
#include "app/Historique.h"
#include "app/Principale.h"
#include "app/Rafraichissement.h"
#include "doubles/ApplicationQt.h"
#include "optics/Modele.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <QAction>
#include <QScrollBar>
#include <QToolBar>
#include <QMenu>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(Principale, LesFichiersRecentsSArretentAuPremierVide)
{
    AssureApplicationQt();
    TPrincipale principale;
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane");
    Etat.FichiersRecents = {};
    Etat.FichiersRecents[1] = "/d/a.qvd";
    Etat.FichiersRecents[2] = "/d/b.qvd";
    Etat.FichiersRecents[4] = "/d/d.qvd";
    Etat.CheminAffiche.clear();
    MetAJourHistorique();
    EXPECT_TRUE(principale.Historique[0]->isVisible());
    EXPECT_EQ(principale.Historique[1]->text().toStdString(), "&2 /d/b.qvd");
    EXPECT_FALSE(principale.Historique[2]->isVisible());
    EXPECT_FALSE(principale.Historique[3]->isVisible());
    EXPECT_TRUE(principale.N3->isVisible());
    Etat.FichiersRecents = {};
    MetAJourHistorique();
    EXPECT_FALSE(principale.Historique[0]->isVisible());
    EXPECT_FALSE(principale.N3->isVisible());
}

TEST(Principale, LaBarreVerticaleSuitLaPage)
{
    AssureApplicationQt();
    TPrincipale principale;
    principale.resize(820, 500);
    principale.show();
    // A views' drawing below the lens-device table makes the page 950 high, and a tool bar's height more.
    const TControlesFiche avant = Controles;
    Controles.Dessin = {true, 20, 400, 762, 550};
    // No decision of a refresh on the bar (one without an instrument type hides it).
    EtatsPage = TEtatsPage{};
    principale.RedessinePage();
    EXPECT_EQ(principale.Fiche->height(), 950 + principale.ToolBar1->height());
    const int visible = Etat.HauteurVisible;
    ASSERT_LT(visible, principale.Fiche->height());
    EXPECT_TRUE(principale.VerticalBar->isVisible());
    const int taillePage = visible * 100 / principale.Fiche->height();
    EXPECT_EQ(principale.VerticalBar->maximum(), 100 - taillePage);
    principale.VerticalBar->setValue(10);
    EXPECT_EQ(principale.Fiche->y(), -(principale.Fiche->height() * 10 / 100));
    principale.resize(820, 1200);
    EtatsPage = TEtatsPage{};
    principale.RedessinePage();
    EXPECT_FALSE(principale.VerticalBar->isVisible());
    EXPECT_EQ(principale.Fiche->y(), 0);
    Controles = avant;
}

TEST(Principale, LeRafraichissementNActiveQueLesCommandesQuiOntLeurRoutine)
{
    AssureApplicationQt();
    TPrincipale principale;
    const TEtatsPage avant = EtatsPage;
    EtatsPage = TEtatsPage{};
    for (TCommande commande : {TCommande::Imprimer, TCommande::Analyseduchamp, TCommande::Wynne,
                               TCommande::CorrecteurdeRossdeuxlentilles1, TCommande::Homothetie})
        EtatsPage.Active(commande, true);
    EtatsPage.Montre(TElementPage::ZoomsChamp, false);
    principale.RedessinePage();
    EXPECT_TRUE(principale.Imprimer->isEnabled());
    EXPECT_TRUE(principale.Analyseduchamp->isEnabled());
    EXPECT_TRUE(principale.ToolChamp->isEnabled());
    // The submenu follows its commands, which have their routines.
    EXPECT_TRUE(principale.Wynne->isEnabled());
    EXPECT_TRUE(principale.CorrecteurdeRossdeuxlentilles1->isEnabled());
    EXPECT_TRUE(principale.Homothetie->isEnabled());
    EXPECT_FALSE(principale.ZoomPlus->isVisible());
    EtatsPage.Active(TCommande::Analyseduchamp, false);
    principale.RedessinePage();
    EXPECT_FALSE(principale.ToolChamp->isEnabled());
    EtatsPage = avant;
}

TEST(Principale, LesCommandesDePlacementSuiventLeDispositif)
{
    AssureApplicationQt();
    TPrincipale principale;
    struct TCas
    {
        const char* Nom;
        bool Dispositif;
        double DerniereEpaisseur;
        bool InstrumentValide;
        bool Remplace;
        bool Avant;
        bool Apres;
    };
    const TCas cas[] = {
        {"sans dispositif, instrument valide", false, 0, true, true, false, false},
        {"sans dispositif, instrument invalide", false, 0, false, false, false, false},
        {"dispositif focal", true, 50, false, true, true, true},
        {"dispositif afocal", true, 1e20, true, true, true, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseEtat();
        Edition.TableEditee = TTableEditee::Groupe;
        Validite.InstrumentValide = c.InstrumentValide;
        if (c.Dispositif)
        {
            Dispositif.NombreDioptres = 2;
            Dispositif.RayonDioptre[1] = 100;
            Dispositif.EpaisseurDioptre[1] = 5;
            Dispositif.RayonDioptre[2] = -100;
            Dispositif.EpaisseurDioptre[2] = c.DerniereEpaisseur;
        }
        ActiveCommandesDispositif();
        EXPECT_EQ(principale.RemplaceDispo->isEnabled(), c.Remplace);
        EXPECT_EQ(principale.PlacerAvantDispo->isEnabled(), c.Avant);
        EXPECT_EQ(principale.PlacerApresDispo->isEnabled(), c.Apres);
        EXPECT_EQ(Edition.TableEditee, TTableEditee::Groupe);
    }
    ReinitialiseEtat();
}
