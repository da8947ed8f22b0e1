// The type list and the wavelength list in the real main window: a new design started from the type list, and a
// spectral line chosen over the lens-device table, the indices following the glass catalogue.
#include "app/Demarrage.h"
#include "app/Etat.h"
#include "app/Journal.h"
#include "app/ListesFiche.h"
#include "app/Principale.h"
#include "app/Rafraichissement.h"
#include "app/Session.h"
#include "doubles/ApplicationQt.h"
#include "doubles/ServicesDeTest.h"
#include "editing/ClicsFiche.h"
#include "editing/EtatEdition.h"
#include "editing/ListeTypes.h"
#include "editing/OuvreListes.h"
#include "editing/Ports.h"
#include "optics/Modele.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <QApplication>
#include <QComboBox>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointingDevice>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>

namespace fs = std::filesystem;

namespace {

using T = TTypeInstrument;

// BK7 and air at 706.5 nm (line 7), and BK7 at the default green and blue lines (546.1 and 480.0 nm).
constexpr float Bk7Rouge706 = 1.512890f;
constexpr float AirRouge706 = 1.000276f;
constexpr float Bk7Vert546 = 1.518720f;
constexpr float Bk7Bleu480 = 1.522830f;

class ListesFenetre : public testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationQt();
        if (const char* precedent = std::getenv("QUIVANE_DOSSIER"))
            DossierPrecedent = precedent;
        char modele[] = "/tmp/quivane-listes-XXXXXX";
        ASSERT_NE(::mkdtemp(modele), nullptr);
        Dossier = modele;
        ::setenv("QUIVANE_DOSSIER", Dossier.c_str(), 1);
        Edition.DocumentModifie = false;
        // As the program's start installs them: the editors journal, refresh and close frames through the shell.
        PortsEdition.AjouteAuJournal = [](const TEnregistrementJournal& e) { AjouteEnregistrement(e); };
        PortsEdition.NombreEnregistrementsJournal = [] { return Journal.NombreEnregistrementsJournal; };
        PortsEdition.RejeuEnCours = [] { return Journal.RejeuEnCours; };
        PortsEdition.RafraichitVue = [] { RafraichitVue(); };
        PortsEdition.FermeCadresEtRafraichit = [] { FermeCadresEtRafraichit(); };
        Principale_ = std::make_unique<TPrincipale>();
        FormCreate(*Principale_, {});
        // Shown, as the program shows it: the box hides only a widget that is on screen.
        Principale_->show();
        Principale_->activateWindow();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        Principale_.reset();
        LibereSession();
        Edition.DocumentModifie = false;
        if (DossierPrecedent.empty())
            ::unsetenv("QUIVANE_DOSSIER");
        else
            ::setenv("QUIVANE_DOSSIER", DossierPrecedent.c_str(), 1);
        fs::remove_all(Dossier);
        // The keyboard and the pointer Qt makes for the first events are dropped while the application exists: left
        // to the end, they would outlive Qt's list of devices and break the test program's exit.
        delete QInputDevice::primaryKeyboard();
        delete QPointingDevice::primaryPointingDevice();
    }

    static void Touche(QWidget* widget, int touche, const QString& texte = {})
    {
        QKeyEvent evenement(QEvent::KeyPress, touche, Qt::NoModifier, texte);
        QApplication::sendEvent(widget, &evenement);
    }

    // The type list's own entry, confirmed by Enter.
    void ChoisitType(const char* entree)
    {
        QComboBox* liste = ListesFiche->ComboBox;
        const int index = liste->findText(QString::fromUtf8(entree));
        ASSERT_GE(index, 0) << entree;
        liste->setCurrentIndex(index);
        Touche(liste, Qt::Key_Return);
    }

    // One BK7 lens in front of the focus: its glass is the medium after surface 1, air after surface 2.
    static void AjouteLentilleBk7()
    {
        Dispositif.NombreDioptres = 2;
        Dispositif.RayonDioptre[1] = 100;
        Dispositif.RayonDioptre[2] = -100;
        Dispositif.EpaisseurDioptre[1] = 5;
        Dispositif.EpaisseurDioptre[2] = 50;
        Dispositif.DiametreDioptre[1] = Dispositif.DiametreDioptre[2] = 40;
        Dispositif.MatiereDioptre[2] = "BK7";
        Dispositif.MatiereDioptre[3] = "Air";
        Dispositif.IndiceRouge[2] = 1.514320f;
        Dispositif.IndiceVert[2] = Bk7Vert546;
        Dispositif.IndiceBleu[2] = Bk7Bleu480;
        Dispositif.IndiceRouge[3] = 1.000276f;
        Dispositif.IndiceVert[3] = 1.000278f;
        Dispositif.IndiceBleu[3] = 1.000280f;
        Edition.TableEditee = TTableEditee::Dispositif;
        Edition.AMettreAJour = true;
        RafraichitVue();
    }

    static std::vector<std::string> Entrees(const QComboBox* liste)
    {
        std::vector<std::string> entrees;
        for (int i = 0; i < liste->count(); ++i)
            entrees.push_back(liste->itemText(i).toStdString());
        return entrees;
    }

    // A wavelength as the list writes it, with the user's decimal mark.
    static std::string Texte(const char* entier, const char* decimale)
    {
        return std::string(entier) + SeparateurDecimal + decimale;
    }

    TServicesDeTest Services;
    std::unique_ptr<TPrincipale> Principale_;
    fs::path Dossier;
    std::string DossierPrecedent;
};

TEST_F(ListesFenetre, UnNewtonChoisiDansLaListePuisUneRaieRougeQuiSuitLeCatalogue)
{
    TPrincipale& p = *Principale_;
    QComboBox* types = ListesFiche->ComboBox;
    ASSERT_EQ(Instrument.TypeInstrument, T::Aucun);
    ASSERT_TRUE(types->isVisibleTo(p.Fiche));
    EXPECT_EQ(types->x(), Controles.ComboBox.Left);
    EXPECT_EQ(types->y(), Controles.ComboBox.Top);
    const std::int32_t recordsAvant = Journal.NombreEnregistrementsJournal;

    ChoisitType("Télescope de Newton");
    EXPECT_EQ(Instrument.TypeInstrument, T::Newton);
    EXPECT_EQ(Instrument.NomInstrument, "Télescope de Newton");
    EXPECT_EQ(Instrument.CoefficientDeformationPrimaire, -1.0);
    EXPECT_EQ(Instrument.CoefficientDeformationPrimaire2, -1.0);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, recordsAvant + 1);
    EXPECT_FALSE(types->isVisibleTo(p.Fiche));
    // The form's first value is open for typing.
    EXPECT_TRUE(p.Saisie->isVisibleTo(p.Fiche));

    AjouteLentilleBk7();
    // The catalogue is missing from the fresh folder: said once, then made from the built-in glasses.
    Services.Question.Repond(ReponseOk);
    OuvreListeLongueurOndeRouge();
    QComboBox* lambda = ListesFiche->ComboBoxLambda;
    ASSERT_TRUE(lambda->isVisibleTo(p.Fiche));
    EXPECT_FALSE(p.Saisie->isVisibleTo(p.Fiche));
    // The list has the focus, and says what to do with it.
    EXPECT_EQ(QApplication::focusWidget(), lambda);
    EXPECT_EQ(lambda->toolTip().toStdString(), "Valider après avoir choisi une longueur d'onde");
    const TCase& cellule = CasesLongueurOndeGrille[0];
    EXPECT_EQ(lambda->x(), Controles.Grille.Left + cellule.Left);
    EXPECT_EQ(lambda->y(), Controles.Grille.Top + cellule.Top);
    EXPECT_EQ(lambda->width(), cellule.Right - cellule.Left);
    EXPECT_EQ(lambda->currentText().toStdString(), Texte("656", "3"));
    // With the green line 13, red lines 1 to 12 are offered after the empty entry.
    const std::vector<std::string> entrees = Entrees(lambda);
    ASSERT_EQ(entrees.size(), 13u);
    EXPECT_EQ(entrees[0], "");
    EXPECT_EQ(entrees[4], "1060");
    EXPECT_EQ(entrees[7], Texte("706", "5"));
    EXPECT_EQ(entrees[12], Texte("587", "6"));

    lambda->setCurrentIndex(7);
    emit lambda->activated(7);
    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 7);
    EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[2], Bk7Rouge706);
    EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[3], AirRouge706);
    EXPECT_FLOAT_EQ(Dispositif.IndiceVert[2], Bk7Vert546);
    EXPECT_FLOAT_EQ(Dispositif.IndiceBleu[2], Bk7Bleu480);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, recordsAvant + 2);
    EXPECT_TRUE(Edition.DocumentModifie);
    ASSERT_EQ(Services.Question.Posees.size(), 1u);
    EXPECT_EQ(Services.Question.Posees[0].Ligne1, "Quivane ne trouve pas le fichier Indices.idr, il va le créer.");
    EXPECT_TRUE(fs::exists(Dossier / "Indices.idr"));
}

TEST_F(ListesFenetre, UneRaieTapeePuisEntreeOuvreLaListeVerteSurSesPropresRaies)
{
    TPrincipale& p = *Principale_;
    ChoisitType("Télescope de Newton");
    AjouteLentilleBk7();
    OuvreListeLongueurOndeRouge();
    QComboBox* lambda = ListesFiche->ComboBoxLambda;
    const std::int32_t recordsAvant = Journal.NombreEnregistrementsJournal;
    lambda->setEditText(QString::fromStdString(Texte("706", "5")));
    // The catalogue is missing from the fresh folder: said once, then made from the built-in glasses.
    Services.Question.Repond(ReponseOk);
    Touche(lambda, Qt::Key_Return, QStringLiteral("\r"));
    // Typed and confirmed, a new line is journaled and its indices read, as a chosen one.
    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 7);
    EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[2], Bk7Rouge706);
    EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[3], AirRouge706);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, recordsAvant + 1);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieLongueurOndeVerte);
    ASSERT_TRUE(lambda->isVisibleTo(p.Fiche));
    EXPECT_EQ(lambda->x(), Controles.Grille.Left + CasesLongueurOndeGrille[1].Left);
    EXPECT_EQ(lambda->currentText().toStdString(), Texte("546", "1"));
    // Green from the line after red (8) up to the blue line 15.
    const std::vector<std::string> entrees = Entrees(lambda);
    ASSERT_EQ(entrees.size(), 9u);
    EXPECT_EQ(entrees[1], Texte("656", "3"));
    EXPECT_EQ(entrees[8], "480");

    // A text typed and the list left: the line is taken as typed, once, not also as a choice from the drop-down.
    const std::int32_t records = Journal.NombreEnregistrementsJournal;
    lambda->setEditText(QString::fromStdString(Texte("486", "1")));
    lambda->clearFocus();
    EXPECT_EQ(LongueursOnde.LongueurOndeVerte, 14);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, records + 1);
    // BK7 at the F line.
    EXPECT_NEAR(Dispositif.IndiceVert[2], 1.52238f, 1e-5f);
}

TEST_F(ListesFenetre, UneConceptionNouvelleMontreLaListeSansLaFormePrecedente)
{
    ChoisitType("Télescope de Cassegrain");
    ASSERT_EQ(Instrument.TypeInstrument, T::Cassegrain);
    // Erasing the form brings the blank sheet back; a click on it must not make the last form again.
    Instrument.TypeInstrument = T::Aucun;
    Edition.AMettreAJour = true;
    RafraichitVue();
    QComboBox* types = ListesFiche->ComboBox;
    ASSERT_TRUE(types->isVisibleTo(Principale_->Fiche));
    EXPECT_EQ(types->currentText(), QString());
    EXPECT_EQ(PortsClicsFiche.TexteListeTypes(), "");
}

TEST_F(ListesFenetre, NouveauDonneLeFocusEtSonAideALaListeDesTypes)
{
    TPrincipale& p = *Principale_;
    QComboBox* types = ListesFiche->ComboBox;
    ChoisitType("Télescope de Newton");
    ASSERT_FALSE(types->isVisibleTo(p.Fiche));
    // Only the form is chosen: New asks nothing.
    ASSERT_FALSE(Edition.DocumentModifie);
    p.Nouveau->trigger();
    ASSERT_TRUE(types->isVisibleTo(p.Fiche));
    EXPECT_EQ(QApplication::focusWidget(), types);
    EXPECT_EQ(ContexteAide, 3110);
    // Coming back to the list from elsewhere gives its help again.
    p.Saisie->show();
    p.Saisie->setFocus(Qt::OtherFocusReason);
    FixeContexteAide(3000);
    types->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(ContexteAide, 3110);
}

TEST(ListeTypes, ChaqueEntreeDeLaListeDonneSaForme)
{
    std::set<T> formes;
    for (const char* entree : EntreesListeTypes)
    {
        SCOPED_TRACE(entree);
        Instrument.NomInstrument = MinusculesAZ(entree);
        AppliqueTypeInstrument();
        EXPECT_NE(Instrument.TypeInstrument, T::Aucun);
        formes.insert(Instrument.TypeInstrument);
    }
    EXPECT_EQ(formes.size(), EntreesListeTypes.size());
    EXPECT_TRUE(std::is_sorted(EntreesListeTypes.begin(), EntreesListeTypes.end(),
                               [](const char* a, const char* b) { return std::string(a) < std::string(b); }));
    ReinitialiseEtat();
}

}
