// The entry box's window shell on a real line edit: the maximum length limits typing only, the focus leaving the
// box commits only on a move the user made, a commit never runs inside another, and the road of one request: the
// primary's diameter opened over its value on the sheet, a new value committed with Enter, stored, drawn, and the
// box moved on to the next field.
#include "doubles/CanevasEnregistreur.h"
#include "editing/BoiteSaisie.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "editing/Touches.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "sheet/Tableau.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace {

int Rafraichissements = 0;
int Messages = 0;
QLineEdit* BoiteCourante = nullptr;

// The central refresh: redraws the sheet when the design changed, and with no field open opens the diameter.
void Rafraichit()
{
    ++Rafraichissements;
    if (Edition.AMettreAJour)
    {
        DessineTableau();
        Edition.AMettreAJour = false;
    }
    if (EtatSaisie.CodeSaisie == AucuneSaisie)
        OuvreSaisieDiametreEntree();
    MontreBoiteSaisie();
}

class BoiteSaisie : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationGraphique();
        ConstruitFormeValide(TTypeInstrument::Newton);
        PortsEdition.RafraichitVue = Rafraichit;
        PortsEdition.FermeCadresEtRafraichit = Rafraichit;
        ImagesFiche.Fenetre = &Fenetre;
        SeparateurDecimal = ',';
        Rafraichissements = 0;
        Messages = 0;
        Page = std::make_unique<QWidget>();
        Page->resize(800, 800);
        Saisie = new QLineEdit(Page.get());
        Autre = new QLineEdit(Page.get());
        Autre->move(0, 700);
        Saisie->hide();
        InstalleBoiteSaisie(Saisie);
        // The editors' changes to the box reach the widget, as in the program.
        PortsEdition.MontreSaisie = MontreBoiteSaisie;
        BoiteCourante = Saisie;
        Page->show();
        Edition.AMettreAJour = true;
        Rafraichit();
        Rafraichissements = 0;
    }
    void TearDown() override
    {
        Page.reset();
        BoiteCourante = nullptr;
        SeparateurDecimal = '.';
    }

    static void Tape(QWidget* cible, const QString& texte)
    {
        for (QChar c : texte)
        {
            QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(cible, &appui);
        }
    }
    static void Touche(QWidget* cible, int touche)
    {
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier);
        QApplication::sendEvent(cible, &appui);
    }
    static void PerdFocus(QWidget* cible, Qt::FocusReason raison)
    {
        QFocusEvent sortie(QEvent::FocusOut, raison);
        QApplication::sendEvent(cible, &sortie);
    }

    TCanevasEnregistreur Fenetre{800, 800};
    std::unique_ptr<QWidget> Page;
    QLineEdit* Saisie = nullptr;
    QLineEdit* Autre = nullptr;
};

TEST_F(BoiteSaisie, LaLongueurMaximaleLimiteLaFrappeSansCouperLeTexteDuProgramme)
{
    Instrument.DiametreEntree = 1234.5;
    OuvreSaisieDiametreEntree();
    ASSERT_EQ(EtatSaisie.Saisie.LongueurMax, 5);
    EXPECT_EQ(Saisie->text().toStdString(), "1234,5");
    Tape(Saisie, "987654");
    EXPECT_EQ(Saisie->text().toStdString(), "98765");
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "98765");
    // Text the program inserts, as a paste, is not cut either.
    Saisie->insert(QStringLiteral("0,25"));
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "987650,25");
}

TEST_F(BoiteSaisie, PerdreLeFocusValideSeulementQuandLUtilisateurQuitteLaBoite)
{
    struct TCas
    {
        Qt::FocusReason Raison;
        bool Valide;
    };
    const std::vector<TCas> cas = {{Qt::MouseFocusReason, true},  {Qt::TabFocusReason, true},
                                   {Qt::OtherFocusReason, true},  {Qt::ActiveWindowFocusReason, false},
                                   {Qt::PopupFocusReason, false}, {Qt::MenuBarFocusReason, false}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Raison));
        ReinitialiseProgramme();
        SetUp();
        Instrument.EpaisseurPrimaire = 25;
        OuvreSaisieEpaisseurPrimaire();
        Saisie->selectAll();
        Tape(Saisie, "31");
        PerdFocus(Saisie, c.Raison);
        EXPECT_DOUBLE_EQ(Instrument.EpaisseurPrimaire, c.Valide ? 31 : 25);
        EXPECT_EQ(EtatSaisie.CodeSaisie, c.Valide ? 1 : 7);
        TearDown();
    }
}

// The refusal's message box takes the focus while the commit runs: that is no second commit.
TEST_F(BoiteSaisie, UneValidationNeSeRelancePasPendantSonMessage)
{
    PortsEdition.AfficheAvertissement = [](const std::string&, const std::string&) {
        ++Messages;
        QFocusEvent sortie(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(BoiteCourante, &sortie);
        BoiteCourante->hide();
    };
    OuvreSaisieDiametreEntree();
    Saisie->selectAll();
    Tape(Saisie, "0,5");
    Touche(Saisie, Qt::Key_Return);
    EXPECT_EQ(Messages, 1);
    EXPECT_EQ(Rafraichissements, 1);
    EXPECT_DOUBLE_EQ(Instrument.DiametreEntree, 200);
    // The refused field comes back for a second try.
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreEntreeNewton);
    EXPECT_TRUE(Saisie->isVisible());
}

TEST_F(BoiteSaisie, LeDiametreTapeEstRangeDessineEtLaSaisiePasseAuChampSuivant)
{
    // The click on the value: its box on the sheet holds the point, and the sheet's hit opens the diameter.
    const TCase& caseDiametre = MiseEnPage.CaseValeur[CaseDiametreEntree];
    ASSERT_TRUE(EstDansCase(caseDiametre, (caseDiametre.Left + caseDiametre.Right) / 2,
                            (caseDiametre.Top + caseDiametre.Bottom) / 2));
    CacheBoiteSaisie();
    EXPECT_FALSE(Saisie->isVisible());
    OuvreSaisieDiametreEntree();
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreEntreeNewton);
    EXPECT_TRUE(Saisie->isVisible());
    EXPECT_EQ(Saisie->geometry(),
              QRect(caseDiametre.Left, caseDiametre.Top, caseDiametre.Right - caseDiametre.Left, 18));
    EXPECT_EQ(Saisie->text().toStdString(), "200");
    EXPECT_EQ(Saisie->selectedText().toStdString(), "200");

    // Five characters fill the box; the last decimal comes with a paste.
    Tape(Saisie, "254,5");
    Saisie->insert(QStringLiteral("5"));
    EXPECT_EQ(EtatSaisie.Saisie.Texte, "254,55");
    Fenetre.EffaceJournal();
    Touche(Saisie, Qt::Key_Return);

    EXPECT_DOUBLE_EQ(Instrument.DiametreEntree, 254.6);
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "254,6"}));
    // Enter moved on to the focal length, over its own box.
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieFocalePrimaireNewton);
    const TCase& caseFocale = MiseEnPage.CaseValeur[CaseFocalePrimaire];
    EXPECT_EQ(Saisie->geometry().topLeft(), QPoint(caseFocale.Left, caseFocale.Top));
    EXPECT_EQ(Saisie->text().toStdString(), FormateNombre(Instrument.FocalePrimaire, "#0.#"));
}

TEST_F(BoiteSaisie, LaBoiteSePlaceSurLImageDeSaCellule)
{
    Controles.Grille.Left = 20;
    Controles.Grille.Top = 400;
    Controles.TableauSchmidt.Left = 20;
    Controles.TableauSchmidt.Top = 250;
    const std::vector<std::pair<TImageSaisie, TPointPage>> cas = {
        {TImageSaisie::Fenetre, {0, 0}}, {TImageSaisie::Grille, {20, 400}}, {TImageSaisie::TableauSchmidt, {20, 250}}};
    for (const auto& [image, origine] : cas)
    {
        SCOPED_TRACE(static_cast<int>(image));
        EtatSaisie.Saisie.Visible = true;
        EtatSaisie.Saisie.Image = image;
        EtatSaisie.Saisie.Gauche = 43;
        EtatSaisie.Saisie.Haut = 64;
        EtatSaisie.Saisie.Largeur = 49;
        EtatSaisie.Saisie.Hauteur = 17;
        MontreBoiteSaisie();
        EXPECT_EQ(Saisie->geometry(), QRect(origine.X + 43, origine.Y + 64, 49, 17));
    }
}

} // namespace
