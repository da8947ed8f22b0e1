// Editing through the real main window, end to end: a click on the sheet opens a value, the keys type and commit it,
// the refusals say why and put the old value back; a design typed with the keyboard alone survives an abrupt stop
// of the run and its journal steps back through every typed value.
#include "JournalTest.h"
#include "doubles/ApplicationQt.h"

#include "app/AnnulerRefaire.h"
#include "app/CablageVues.h"
#include "app/CadreDioptre.h"
#include "app/CadresTables.h"
#include "app/ListesFiche.h"
#include "app/Principale.h"
#include "app/Session.h"
#include "dialogs/Position.h"
#include "editing/BoiteSaisie.h"
#include "editing/OuvreSaisie.h"
#include "editing/EtatEdition.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "platform/Canevas.h"
#include "platform/ImageVue.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTimer>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>

namespace fs = std::filesystem;

// Qt's own entry to its shortcut map, the one its test library sends keys through.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace {

using T = TTypeInstrument;

class EditionBoutEnBout : public JournalTest
{
protected:
    void SetUp() override
    {
        JournalTest::SetUp();
        AssureApplicationQt();
        if (const char* precedent = std::getenv("QUIVANE_DOSSIER"))
            DossierPrecedent = precedent;
        ::setenv("QUIVANE_DOSSIER", Dossier.c_str(), 1);
        EtatDeDepart();
    }

    void TearDown() override
    {
        Principale_.reset();
        LibereSession();
        if (DossierPrecedent.empty())
            ::unsetenv("QUIVANE_DOSSIER");
        else
            ::setenv("QUIVANE_DOSSIER", DossierPrecedent.c_str(), 1);
        JournalTest::TearDown();
    }

    // A program that has just started: nothing in memory, the editors connected as its start connects them.
    static void EtatDeDepart()
    {
        ReinitialiseEtat();
        Etat = TEtatApplication{};
        Journal = TJournal{};
        Lecture = TLecture{};
        EtatSaisie = TEtatSaisie{};
        Controles = TControlesFiche{};
        // The window refreshes after each edit, as the program does.
        PortsEdition.RafraichitVue = [] { RafraichitVue(); };
    }

    TPrincipale& Demarre()
    {
        Principale_ = std::make_unique<TPrincipale>();
        FormCreate(*Principale_, {});
        // Shown, as the program shows it: the entry box hides only a widget that is on screen.
        Principale_->show();
        return *Principale_;
    }

    // The devices are the test's own: the default ones Qt would make outlive the application and break the exit.
    void Touche(QWidget* widget, int touche, const QString& texte = {})
    {
        QKeyEvent evenement(QEvent::KeyPress, touche, Qt::NoModifier, 0, 0, 0, texte, false, 1, Clavier.get());
        QApplication::sendEvent(widget, &evenement);
    }
    void Tape(QWidget* widget, const std::string& texte)
    {
        for (char c : texte)
            Touche(widget, 0, QString(QChar(c)));
    }
    void Clic(QWidget* widget, QPoint point)
    {
        const QPointF local(point);
        const QPointF global(widget->mapToGlobal(point));
        QMouseEvent enfonce(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier, Souris.get());
        QApplication::sendEvent(widget, &enfonce);
        QMouseEvent relache(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier, Souris.get());
        QApplication::sendEvent(widget, &relache);
    }

    // A key as the window system delivers it: the window's shortcuts first, then the widget with the focus.
    void ToucheClavier(QWidget* widget, int touche, Qt::KeyboardModifiers modificateurs)
    {
        if (qt_sendShortcutOverrideEvent(widget, 0, touche, modificateurs))
            return;
        QKeyEvent evenement(QEvent::KeyPress, touche, modificateurs, 0, 0, 0, QString(), false, 1, Clavier.get());
        QApplication::sendEvent(widget, &evenement);
    }

    // The pixels of a rectangle of the sheet image.
    static std::vector<TColor> Pixels(TImageVue& image, const TCase& c)
    {
        std::vector<TColor> pixels;
        for (int y = c.Top; y <= c.Bottom; ++y)
            for (int x = c.Left; x <= c.Right; ++x)
                pixels.push_back(image.Canevas().Pixels(x, y));
        return pixels;
    }

    // The form and every value of the instrument, exact.
    static std::vector<std::string> ValeursInstrument()
    {
        std::vector<std::string> t = {"type " + std::to_string(static_cast<int>(Instrument.TypeInstrument))};
        for (double TInstrument::*champ : ChampsReelsInstrument())
            t.push_back(Exact(Instrument.*champ));
        for (float TInstrument::*champ : ChampsSimplesInstrument())
            t.push_back(Exact(Instrument.*champ));
        return t;
    }

    static std::string Nombre(const char* entier, const char* decimale)
    {
        return std::string(entier) + SeparateurDecimal + decimale;
    }

    void CoupeEtColleLaPremiereLigneDuGroupe(TTypeInstrument forme);

    std::unique_ptr<QInputDevice> Clavier =
        std::make_unique<QInputDevice>(QStringLiteral("clavier"), 1, QInputDevice::DeviceType::Keyboard);
    std::unique_ptr<QPointingDevice> Souris = std::make_unique<QPointingDevice>(
        QStringLiteral("souris"), 2, QInputDevice::DeviceType::Mouse, QPointingDevice::PointerType::Generic,
        QInputDevice::Capability::Position, 1, 3);
    std::unique_ptr<TPrincipale> Principale_;
    std::string DossierPrecedent;
};

TEST_F(EditionBoutEnBout, UnClicSurLeDiametreDuNewtonLeRefusePuisLeStockeArrondi)
{
    TPrincipale& p = Demarre();
    ConstruitFormeValide(T::Newton);
    Edition.AMettreAJour = true;
    RafraichitVue();
    const TCase caseDiametre = MiseEnPage.CaseValeur[0];
    const std::vector<TColor> avant = Pixels(*p.Fenetre, caseDiametre);
    const std::int32_t records = Journal.NombreEnregistrementsJournal;

    const QPoint centre((caseDiametre.Left + caseDiametre.Right) / 2, (caseDiametre.Top + caseDiametre.Bottom) / 2);

    // Every refusal is said: one right after another is not swallowed by the message toggle.
    const struct
    {
        const char* Tape;
        const char* Titre;
        const char* Texte;
    } refus[] = {
        {"0,5", "Quivane - Saisie du diamètre du miroir", "Le diamètre doit être supérieur à 1mm"},
        {"50000", "Quivane - Saisie du diamètre", "Le diamètre doit être inférieur à 50.000mm (50m)"},
        {"0,5", "Quivane - Saisie du diamètre du miroir", "Le diamètre doit être supérieur à 1mm"},
    };
    for (const auto& r : refus)
    {
        SCOPED_TRACE(r.Tape);
        Clic(p.Fenetre, centre);
        ASSERT_TRUE(p.Saisie->isVisibleTo(p.Fiche));
        EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreEntreeNewton);
        EXPECT_EQ(p.Saisie->text().toStdString(), "200");
        EXPECT_EQ(p.Saisie->x(), caseDiametre.Left);
        EXPECT_EQ(p.Saisie->selectedText(), p.Saisie->text());
        if (r.Titre != nullptr)
            Services.Question.Repond(ReponseOk);
        Tape(p.Saisie, r.Tape);
        EXPECT_EQ(p.Saisie->text().toStdString(), r.Tape);
        Touche(p.Saisie, Qt::Key_Return, QStringLiteral("\r"));
        if (r.Titre == nullptr)
            EXPECT_TRUE(Services.Question.Posees.empty());
        else
        {
            ASSERT_EQ(Services.Question.Posees.size(), 1u);
            EXPECT_EQ(Services.Question.Posees[0].Titre, r.Titre);
            EXPECT_EQ(Services.Question.Posees[0].Ligne1, r.Texte);
            // The value refused aloud stays open, showing the old one again.
            EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreEntreeNewton);
            EXPECT_EQ(p.Saisie->text().toStdString(), "200");
        }
        Services.Question.Posees.clear();
        // Nothing is stored nor journaled.
        EXPECT_EQ(Instrument.DiametreEntree, 200);
        EXPECT_EQ(Journal.NombreEnregistrementsJournal, records);
    }

    // Six characters do not fit the box by typing; pasted they do, and the commit rounds them to 0.1 mm.
    Services.PressePapiers.Contenu = "254,55";
    Clic(p.Fenetre, centre);
    ASSERT_TRUE(p.Coller->isEnabled());
    p.Coller->trigger();
    EXPECT_EQ(p.Saisie->text().toStdString(), "254,55");
    Touche(p.Saisie, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_TRUE(Services.Question.Posees.empty());
    EXPECT_EQ(Instrument.DiametreEntree, 254.6);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, records + 1);
    const std::vector<std::string> journal = LignesJournal();
    ASSERT_GE(journal.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(journal.end() - 3, journal.end()),
              (std::vector<std::string>{"1", "0", Nombre("254", "6")}));
    EXPECT_TRUE(Edition.DocumentModifie);
    // The sheet is drawn again with the new value, which the box shows when it is opened again.
    EXPECT_NE(Pixels(*p.Fenetre, caseDiametre), avant);
    Clic(p.Fenetre, centre);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreEntreeNewton);
    EXPECT_EQ(p.Saisie->text().toStdString(), Nombre("254", "6"));
}

TEST_F(EditionBoutEnBout, UnCassegrainTapeAuClavierSurvitALArretBrutalEtSeDefaitValeurParValeur)
{
    TPrincipale& p = Demarre();
    ASSERT_EQ(Instrument.TypeInstrument, T::Aucun);
    QComboBox* types = ListesFiche->ComboBox;
    ASSERT_TRUE(types->isVisibleTo(p.Fiche));
    for (int pas = 0; pas < types->count() && types->currentText() != QStringLiteral("Télescope de Cassegrain"); ++pas)
        Touche(types, Qt::Key_Down);
    ASSERT_EQ(types->currentText(), QStringLiteral("Télescope de Cassegrain"));
    Touche(types, Qt::Key_Return, QStringLiteral("\r"));
    ASSERT_EQ(Instrument.TypeInstrument, T::Cassegrain);
    // The form chosen first is the journal's starting design.
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 1);

    // The values in the order the keys move through the form; Enter and the right arrow both commit and move on.
    const std::map<TCodeSaisie, std::string> valeurs = {{11, "200"}, {12, "1000"}, {13, "4000"}, {15, "200"},
                                                        {18, "40"},  {14, "60"},   {16, "30"},   {17, "10"}};
    std::vector<TCodeSaisie> parcourus;
    // The instrument before each typed value.
    std::vector<std::vector<std::string>> avant;
    for (int pas = 0; valeurs.contains(EtatSaisie.CodeSaisie) && pas < 20; ++pas)
    {
        const TCodeSaisie code = EtatSaisie.CodeSaisie;
        SCOPED_TRACE(code);
        ASSERT_TRUE(p.Saisie->isVisibleTo(p.Fiche));
        avant.push_back(ValeursInstrument());
        // Each box opens with its text selected, so the keys replace it.
        EXPECT_EQ(p.Saisie->selectedText(), p.Saisie->text());
        Tape(p.Saisie, valeurs.at(code));
        if (pas % 2 == 0)
            Touche(p.Saisie, Qt::Key_Return, QStringLiteral("\r"));
        else
            Touche(p.Saisie, Qt::Key_Right);
        parcourus.push_back(code);
    }
    EXPECT_EQ(parcourus, (std::vector<TCodeSaisie>{11, 12, 13, 15, 18, 14, 16, 17}));
    EXPECT_TRUE(Services.Question.Posees.empty());
    // One record a typed value, on disk as soon as it is typed.
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 1 + static_cast<std::int32_t>(parcourus.size()));
    EXPECT_EQ(LignesJournal().size(), 3 * (1 + parcourus.size()));
    const std::vector<std::string> tapee = Conception();
    EXPECT_EQ(Instrument.DiametreEntree, 200);
    EXPECT_EQ(Instrument.FocaleResultante, 4000);
    EXPECT_EQ(Instrument.EpaisseurSecondaire, 10);

    // The run stops dead here: what is on disk at this instant is all the next start has. The doomed run still
    // shows its undo before it goes.
    const fs::path arret = fs::path(Dossier).parent_path() / (fs::path(Dossier).filename().string() + "-arret");
    fs::remove_all(arret);
    fs::copy(Dossier, arret);

    // Undo steps back through the typed values, last first, down to the form as it was chosen.
    for (std::size_t k = avant.size(); k-- > 0;)
    {
        SCOPED_TRACE(parcourus[k]);
        ASSERT_TRUE(p.Annuler->isEnabled());
        p.Annuler->trigger();
        EXPECT_EQ(Ecarts(ValeursInstrument(), avant[k]), "");
    }
    EXPECT_FALSE(p.Annuler->isEnabled());

    Principale_.reset();
    LibereSession();
    fs::remove_all(Dossier);
    fs::rename(arret, Dossier);
    EtatDeDepart();
    Services.Question.Repond(ReponseOui);
    TPrincipale& relancee = Demarre();
    ASSERT_EQ(Services.Question.Posees.size(), 1u);
    EXPECT_EQ(Services.Question.Posees[0].Ligne1, "Voulez-vous récupérer la dernière session interrompue ?");
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), tapee), "");
    EXPECT_EQ(relancee.windowTitle().toStdString(), "Quivane - Fichier Récupéré");
    EXPECT_TRUE(Edition.DocumentModifie);
}

TEST_F(EditionBoutEnBout, UnCorrecteurTapeAuClavierSEnregistreSeRelitEtSeDefait)
{
    TPrincipale& p = Demarre();
    OuvreBase(T::Newton, false);
    Edition.AMettreAJour = true;
    RafraichitVue();
    const std::vector<std::string> vide = Conception();
    const std::int32_t base = Journal.NombreEnregistrementsJournal;

    // From the entrance diameter the right arrow walks the sheet to the device title.
    for (int pas = 0; pas < 40 && EtatSaisie.CodeSaisie != SaisieTitreDispositif; ++pas)
        Touche(p.Saisie, Qt::Key_Right);
    ASSERT_EQ(EtatSaisie.CodeSaisie, SaisieTitreDispositif);
    Tape(p.Saisie, "Correcteur");
    Touche(p.Saisie, Qt::Key_Return, QStringLiteral("\r"));
    // The three spectral lines are kept as they are.
    for (int liste = 0; liste < 3; ++liste)
        Touche(ListesFiche->ComboBoxLambda, Qt::Key_Return, QStringLiteral("\r"));
    ASSERT_EQ(EtatSaisie.CodeSaisie, SaisieRayonDioptre);
    ASSERT_EQ(Edition.LigneCourante, 1);

    // Two BK7 lenses; the last surface a plane typed with its key. Enter moves cell by cell and row by row.
    const std::vector<std::vector<std::string>> lignes = {
        {"200", "5", "60", "1,51432", "1,51872", "1,52283", "BK7"},
        {"-200", "10", "60", "1,000276", "1,000278", "1,00028", "Air"},
        {"150", "5", "60", "1,51432", "1,51872", "1,52283", "BK7"},
        {"p", "100", "60", "1,000276", "1,000278", "1,00028", "Air"},
    };
    for (std::size_t r = 0; r < lignes.size(); ++r)
        for (std::size_t c = 0; c < lignes[r].size(); ++c)
        {
            SCOPED_TRACE(lignes[r][c]);
            ASSERT_EQ(EtatSaisie.CodeSaisie, SaisieRayonDioptre + static_cast<TCodeSaisie>(c));
            ASSERT_EQ(Edition.LigneCourante, static_cast<int>(r + 1));
            Tape(p.Saisie, lignes[r][c]);
            if (lignes[r][c] == "p")
            {
                EXPECT_EQ(p.Saisie->text().toStdString(), "Plan");
            }
            Touche(p.Saisie, Qt::Key_Return, QStringLiteral("\r"));
        }
    EXPECT_TRUE(Services.Question.Posees.empty());
    EXPECT_EQ(Dispositif.TitreDispositif, "Correcteur");
    EXPECT_EQ(Dispositif.RayonDioptre[3], 150);
    EXPECT_EQ(Dispositif.RayonDioptre[4], RayonPlan);
    EXPECT_EQ(Dispositif.MatiereDioptre[4], "BK7");
    EXPECT_EQ(Dispositif.IndiceVert[4], 1.51872f);
    EXPECT_EQ(Dispositif.EpaisseurDioptre[4], 100);
    const TDioptre tape = Dispositif;
    const auto memeDispositif = [&tape] {
        const TDioptre& d = Dispositif;
        return d.NombreDioptres == tape.NombreDioptres && d.TitreDispositif == tape.TitreDispositif &&
               d.RayonDioptre == tape.RayonDioptre && d.EpaisseurDioptre == tape.EpaisseurDioptre &&
               d.DiametreDioptre == tape.DiametreDioptre && d.IndiceRouge == tape.IndiceRouge &&
               d.IndiceVert == tape.IndiceVert && d.IndiceBleu == tape.IndiceBleu &&
               d.MatiereDioptre == tape.MatiereDioptre;
    };

    const std::vector<std::string> fichierTape = LignesFichierConception();
    // Undo steps back to the empty device the file gave, redo to the corrector.
    const std::int32_t enregistrements = Journal.NombreEnregistrementsJournal - base;
    ASSERT_GT(enregistrements, 0);
    for (std::int32_t k = 0; k < enregistrements; ++k)
        p.Annuler->trigger();
    EXPECT_FALSE(p.Annuler->isEnabled());
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), vide), "");
    for (std::int32_t k = 0; k < enregistrements; ++k)
        p.Retablir->trigger();
    EXPECT_TRUE(memeDispositif());
    // The file the typed design gives, the distance its last finished solve left included.
    EXPECT_EQ(Ecarts(LignesFichierConception(), fichierTape), "");

    // Saved, then read again and saved under another name twice: the same bytes. The solve of this corrector is
    // stopped; the focus distance saved first is the one the last finished solve of the typing left, which the
    // read's own solve replaces.
    const auto octets = [](const std::string& chemin) {
        std::ifstream f(chemin, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    };
    std::vector<std::string> sauvees;
    for (const char* nom : {"correcteur.qvd", "relu.qvd", "relu2.qvd"})
    {
        if (!sauvees.empty())
        {
            Services.DialoguesFichier.RepondOuvre(sauvees.back());
            p.OuvrirA->trigger();
        }
        sauvees.push_back(Chemin(nom));
        Services.DialoguesFichier.RepondEnregistreSous(sauvees.back());
        p.EnregistrerSous->trigger();
        ASSERT_TRUE(fs::exists(sauvees.back()));
    }
    EXPECT_EQ(octets(sauvees[2]), octets(sauvees[1]));
}

// The first row of a lens group copied from its frame, cut and put back from the "Edition" menu, pasted over once
// more; undone and redone.
void EditionBoutEnBout::CoupeEtColleLaPremiereLigneDuGroupe(TTypeInstrument forme)
{
    TPrincipale& p = Demarre();
    OuvreBase(forme, false);
    Edition.AMettreAJour = true;
    RafraichitVue();
    const std::vector<std::string> base = ConceptionRafraichie();
    const std::int32_t debut = Journal.NombreEnregistrementsJournal;
    TImageVue* tableau = CablageVues->TableauKlevtsov;
    ASSERT_TRUE(tableau->isVisibleTo(p.Fiche));
    const auto rangee = [](int r) { return 16 * r + 43 + 8; };
    QAction* commandes[] = {p.CouperLigne, p.CopierLigne, p.CollerLigne, p.InsererLigne, p.InsererLigneCopiee};

    // The row button of row 1: its frame opens under the row, the row commands follow the highlight.
    Clic(tableau, QPoint(30, rangee(1)));
    EXPECT_TRUE(p.CadreDioptre->isVisibleTo(p.Fiche));
    EXPECT_TRUE(p.CouperLigne->isEnabled());
    EXPECT_FALSE(p.CollerLigne->isEnabled());
    p.CadreDioptre->BtnCopierLigne->click();
    EXPECT_FALSE(p.CadreDioptre->isVisibleTo(p.Fiche));
    const double rayon1 = Groupe.RayonGroupe[1];
    EXPECT_EQ(Edition.LigneCopieeGroupe[1], static_cast<float>(rayon1));

    // Row 1 cut from the menu, then put back from the clipboard and pasted over once more.
    Clic(tableau, QPoint(60, rangee(1)));
    ASSERT_EQ(Edition.LigneCourante, 1);
    const int lignes = Groupe.NombreDioptresGroupe;
    ASSERT_TRUE(p.CouperLigne->isEnabled());
    p.CouperLigne->trigger();
    EXPECT_EQ(Groupe.NombreDioptresGroupe, lignes - 1);
    EXPECT_NE(Groupe.RayonGroupe[1], rayon1);
    Clic(tableau, QPoint(60, rangee(1)));
    ASSERT_TRUE(p.InsererLigneCopiee->isEnabled());
    p.InsererLigneCopiee->trigger();
    EXPECT_EQ(Groupe.NombreDioptresGroupe, lignes);
    EXPECT_EQ(Groupe.RayonGroupe[1], rayon1);
    ASSERT_TRUE(p.CollerLigne->isEnabled());
    p.CollerLigne->trigger();
    const std::vector<std::string> modifiee = ConceptionRafraichie();

    // A click on the sheet hides the highlight: the row commands grey out.
    Clic(p.Fenetre, QPoint(700, 5));
    for (QAction* commande : commandes)
        EXPECT_FALSE(commande->isEnabled()) << commande->text().toStdString();

    const std::int32_t enregistrements = Journal.NombreEnregistrementsJournal - debut;
    ASSERT_GT(enregistrements, 0);
    for (std::int32_t k = 0; k < enregistrements; ++k)
        p.Annuler->trigger();
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), base), "");
    for (std::int32_t k = 0; k < enregistrements; ++k)
        p.Retablir->trigger();
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), modifiee), "");
}

TEST_F(EditionBoutEnBout, LesLignesDUnKlevtsovSeCoupentEtSeCollentALaSouris)
{
    CoupeEtColleLaPremiereLigneDuGroupe(T::KlevtsovCassegrain);
}

TEST_F(EditionBoutEnBout, LesLignesDUneLunetteSeCoupentEtSeCollentALaSouris)
{
    CoupeEtColleLaPremiereLigneDuGroupe(T::Lunette);
}

TEST_F(EditionBoutEnBout, LesFlechesDuCoefficientDeLaLameLeFontPasser)
{
    TPrincipale& p = Demarre();
    OuvreBase(T::Schmidt, false);
    Instrument.CoefficientDeformationLame = 1.2;
    Edition.AMettreAJour = true;
    RafraichitVue();
    ASSERT_TRUE(p.CaseArl->isVisibleTo(p.Fiche));
    const std::int32_t avant = Journal.NombreEnregistrementsJournal;
    Clic(p.CaseArl, QPoint(48, 3));
    EXPECT_DOUBLE_EQ(Instrument.CoefficientDeformationLame, 1.201);
    Clic(p.CaseArl, QPoint(48, 13));
    Clic(p.CaseArl, QPoint(48, 13));
    EXPECT_DOUBLE_EQ(Instrument.CoefficientDeformationLame, 1.199);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, avant + 3);
    // The entry box stays on the coefficient, showing it.
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDeformationLame);
    EXPECT_EQ(p.Saisie->text().toStdString(), Nombre("1", "199"));
}

TEST_F(EditionBoutEnBout, LaCaseDuMaksutovCassegrainNeufChoisitSonSecondaireEtSeDefait)
{
    TPrincipale& p = Demarre();
    QComboBox* types = ListesFiche->ComboBox;
    types->setCurrentText(QStringLiteral("Télescope de Maksutov-Cassegrain"));
    Touche(types, Qt::Key_Return, QStringLiteral("\r"));
    ASSERT_EQ(Instrument.TypeInstrument, T::MaksutovCassegrain);
    QCheckBox* caseSecondaire = CablageVues->CheckBox1;
    ASSERT_TRUE(caseSecondaire->isVisibleTo(p.Fiche));
    EXPECT_TRUE(caseSecondaire->isEnabled());
    EXPECT_TRUE(caseSecondaire->isChecked());
    EXPECT_EQ(caseSecondaire->text().toStdString(), "Secondaire métallisé sur la lame");
    // Beside the type's name, on its line.
    EXPECT_EQ(caseSecondaire->geometry().topLeft(), QPoint(Controles.CheckBox1.Left, Controles.CheckBox1.Top));
    const std::int32_t avant = Journal.NombreEnregistrementsJournal;

    caseSecondaire->click();
    EXPECT_FALSE(Instrument.SecondaireSurMenisque);
    EXPECT_FALSE(caseSecondaire->isChecked());
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, avant + 1);
    // The entry box kept the keyboard.
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreEntreeSchmidtCassegrain);
    p.Annuler->trigger();
    EXPECT_TRUE(Instrument.SecondaireSurMenisque);
    EXPECT_TRUE(caseSecondaire->isChecked());
    p.Retablir->trigger();
    EXPECT_FALSE(Instrument.SecondaireSurMenisque);
    EXPECT_FALSE(caseSecondaire->isChecked());

    // Once a value is typed the variant is settled: the box unticked goes, a ticked one would stay disabled.
    OuvreSaisieDiametreEntree();
    MontreBoiteSaisie();
    Tape(p.Saisie, "150");
    Touche(p.Saisie, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(Instrument.DiametreEntree, 150);
    EXPECT_FALSE(caseSecondaire->isVisibleTo(p.Fiche));
}

TEST_F(EditionBoutEnBout, LaPositionDuDispositifSeDonneParSonMenuEtSeDefait)
{
    TPrincipale& p = Demarre();
    OuvreBase(T::Cassegrain);
    Edition.AMettreAJour = true;
    RafraichitVue();
    ASSERT_TRUE(p.Positiondudispositif->isEnabled());
    const std::int32_t avant = Journal.NombreEnregistrementsJournal;
    QTimer::singleShot(0, PositionForm, [this] {
        EXPECT_EQ(PositionForm->windowTitle().toStdString(), "Quivane - Position du système dioptrique");
        Tape(PositionForm->SaisieDeltaf, "2" + std::string(1, SeparateurDecimal) + "5");
        Touche(PositionForm->SaisieDeltaf, Qt::Key_Return, QStringLiteral("\r"));
        EXPECT_TRUE(PositionForm->isVisible()) << "Entrée ne ferme pas la fenêtre";
        PositionForm->ButtonOk->click();
    });
    p.Positiondudispositif->trigger();
    EXPECT_EQ(Systeme.DecalageFoyerInitial, 2.5);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, avant + 1);
    EXPECT_TRUE(Edition.DocumentModifie);
    p.Annuler->trigger();
    EXPECT_EQ(Systeme.DecalageFoyerInitial, 0);
    p.Retablir->trigger();
    EXPECT_EQ(Systeme.DecalageFoyerInitial, 2.5);
}

// A frame opened from a row's drop-down button while a cell's value is open takes the keys: Enter presses the button
// the frame gives the focus to, on the refractor's objective and on its lens device.
TEST_F(EditionBoutEnBout, EntreeDansUnCadreOuvertPresseSonBouton)
{
    TPrincipale& p = Demarre();
    QApplication::setActiveWindow(&p);
    const auto ligneGroupe = [](int r) { return 16 * r + 51; };
    const auto ligneDispositif = [](int r) { return 16 * r + 40; };
    const struct
    {
        const char* Nom;
        bool Groupe;
        int Ligne;
        int Bouton; // the drop-down button's x in the table
        std::function<QWidget*()> Cadre;
        std::function<QPushButton*()> Focus;
        std::function<bool()> Fait;
    } cas[] = {
        {"diametre maximal de l'objectif", true, 1, 250, [&p] { return p.CadreDiametre; },
         [&p] { return p.CadreDiametre->BtnDiaMax; },
         [] { return Groupe.DiametreGroupe[1] > 100 && Groupe.DiametreGroupe[2] == Groupe.DiametreGroupe[1]; }},
        {"face plane sur l'objectif", true, 2, 112, [&p] { return p.CadreLentille; },
         [&p] { return p.CadreLentille->BtnDioptrePlan; }, [] { return Groupe.RayonGroupe[2] == RayonPlan; }},
        {"epaisseur infinie de la derniere ligne du dispositif", false, 2, 187,
         [&p] { return p.CadreEpaisseur; }, [&p] { return p.CadreEpaisseur->BtnInfini; },
         [] { return EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[2]); }},
        {"epaisseur minimale d'une lentille du dispositif", false, 1, 187,
         [&p] { return p.CadreEpaisseur; }, [&p] { return p.CadreEpaisseur->BtnEpMini; },
         [] { return Dispositif.EpaisseurDioptre[1] < 5; }},
    };
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        OuvreBase(T::Lunette);
        Edition.AMettreAJour = true;
        RafraichitVue();
        TImageVue* tableau = c.Groupe ? CablageVues->TableauKlevtsov : p.Grille;
        ASSERT_TRUE(tableau->isVisibleTo(p.Fiche));
        const int y = c.Groupe ? ligneGroupe(c.Ligne) : ligneDispositif(c.Ligne);
        // The row's radius open in the entry box, which has the keys.
        Clic(tableau, QPoint(60, y));
        ASSERT_TRUE(p.Saisie->isVisible());
        p.Saisie->setFocus();
        const std::int32_t avant = Journal.NombreEnregistrementsJournal;

        Clic(tableau, QPoint(c.Bouton, y));
        ASSERT_TRUE(c.Cadre()->isVisibleTo(p.Fiche));
        EXPECT_EQ(QApplication::focusWidget(), c.Focus());
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        ToucheClavier(QApplication::focusWidget(), Qt::Key_Return, Qt::NoModifier);
        EXPECT_TRUE(c.Fait());
        EXPECT_FALSE(c.Cadre()->isVisibleTo(p.Fiche));
        EXPECT_GT(Journal.NombreEnregistrementsJournal, avant);
    }
}

// An undo never leaves the entry box on the undone value (here a frame's flat face, on a refractor whose cells do not
// reopen): a later click elsewhere would commit it again.
TEST_F(EditionBoutEnBout, UnAnnulerApresUnCadreRemetLaValeurOuverte)
{
    TPrincipale& p = Demarre();
    QApplication::setActiveWindow(&p);
    OuvreBase(T::Lunette);
    Edition.AMettreAJour = true;
    RafraichitVue();
    TImageVue* tableau = CablageVues->TableauKlevtsov;
    const int y = 16 * 1 + 51;
    Clic(tableau, QPoint(60, y));
    Clic(tableau, QPoint(112, y));
    ASSERT_TRUE(p.CadreLentille->isVisibleTo(p.Fiche));
    p.CadreLentille->BtnDioptrePlan->click();
    ASSERT_EQ(Groupe.RayonGroupe[1], RayonPlan);
    const std::string plan = p.Saisie->isVisible() ? p.Saisie->text().toStdString() : "";

    p.Annuler->trigger();
    EXPECT_EQ(Groupe.RayonGroupe[1], 600);
    if (p.Saisie->isVisible())
    {
        EXPECT_NE(p.Saisie->text().toStdString(), plan);
    }
    Clic(p.Grille, QPoint(60, 16 * 1 + 40));
    EXPECT_EQ(Groupe.RayonGroupe[1], 600);
}

// The white sheet is as tall as the page in every view: the lower row of the six stars lies on it.
TEST_F(EditionBoutEnBout, LaFeuilleBlancheCouvreToutLeContenuDeLaPage)
{
    TPrincipale& p = Demarre();
    OuvreBase(T::Cassegrain);
    for (QAction* vue : {p.EtoileMultiple, p.AfficheInstrument, p.Analyseduchamp, p.EtoileUnique})
    {
        SCOPED_TRACE(vue->text().toStdString());
        ASSERT_TRUE(vue->isEnabled());
        vue->trigger();
        ASSERT_TRUE(p.Dessin->isVisibleTo(p.Fiche));
        EXPECT_GE(p.Fenetre->height(), p.Dessin->y() + p.Dessin->height());
        EXPECT_EQ(p.Fenetre->height(), p.Fiche->height());
    }
}

// Every form's whole name shows in the type list's box once chosen, and the sheet's words come after the box.
TEST_F(EditionBoutEnBout, LaListeDesTypesMontreLeNomEntierDeChaqueForme)
{
    TPrincipale& p = Demarre();
    QComboBox* types = ListesFiche->ComboBox;
    ASSERT_TRUE(types->isVisibleTo(p.Fiche));
    QLineEdit* texte = types->lineEdit();
    ASSERT_NE(texte, nullptr);
    for (int k = 0; k < types->count(); ++k)
    {
        SCOPED_TRACE(types->itemText(k).toStdString());
        types->setCurrentIndex(k);
        EXPECT_LE(texte->fontMetrics().horizontalAdvance(types->itemText(k)) + 4, texte->width());
    }
    EXPECT_EQ(types->width(), Controles.ComboBox.Width);
}

// The window's command shortcuts act on the design while a value is open: Ctrl+U shows the single star and leaves the
// typed text alone, Ctrl+Z and Ctrl+Shift+Z undo and redo the design.
TEST_F(EditionBoutEnBout, LesRaccourcisDeLaFenetreAgissentPendantUneSaisie)
{
    TPrincipale& p = Demarre();
    OuvreBase(T::Newton, false);
    Edition.AMettreAJour = true;
    RafraichitVue();
    QApplication::setActiveWindow(&p);
    const TCase caseDiametre = MiseEnPage.CaseValeur[0];
    const QPoint centre((caseDiametre.Left + caseDiametre.Right) / 2, (caseDiametre.Top + caseDiametre.Bottom) / 2);
    Clic(p.Fenetre, centre);
    ASSERT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreEntreeNewton);
    p.Saisie->setFocus();
    Tape(p.Saisie, "250");

    ToucheClavier(p.Saisie, Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(Etat.VueCourante, TVue::EtoileUnique);
    EXPECT_EQ(p.Saisie->text().toStdString(), "250");
    Touche(p.Saisie, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(Instrument.DiametreEntree, 250);

    Clic(p.Fenetre, centre);
    ASSERT_TRUE(p.Saisie->isVisible());
    p.Saisie->setFocus();
    ASSERT_TRUE(p.Annuler->isEnabled());
    ToucheClavier(p.Saisie, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Instrument.DiametreEntree, 200);
    p.Saisie->setFocus();
    ToucheClavier(p.Saisie, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Instrument.DiametreEntree, 250);
}

// A design opened from the command line shows no value open; the first value clicked takes the keys, the entrance
// diameter included.
TEST_F(EditionBoutEnBout, LePremierClicSurUneValeurLuiDonneLeClavier)
{
    ConstruitFormeValide(T::Newton);
    const std::string chemin = Chemin("newton.qvd");
    Etat.CheminDocument = chemin;
    ASSERT_TRUE(EcritFichierConception());
    EtatDeDepart();
    Principale_ = std::make_unique<TPrincipale>();
    TPrincipale& p = *Principale_;
    FormCreate(p, {chemin});
    p.show();
    QApplication::setActiveWindow(&p);
    ASSERT_EQ(Instrument.TypeInstrument, T::Newton);
    ASSERT_FALSE(p.Saisie->isVisible());

    const TCase caseDiametre = MiseEnPage.CaseValeur[0];
    Clic(p.Fenetre, QPoint((caseDiametre.Left + caseDiametre.Right) / 2, (caseDiametre.Top + caseDiametre.Bottom) / 2));
    ASSERT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreEntreeNewton);
    EXPECT_TRUE(p.Saisie->hasFocus());
}

// A new empty sheet keeps nothing of the value that was open: no box, no hint in the status bar.
TEST_F(EditionBoutEnBout, UneFicheNouvelleNeGardeRienDeLaSaisieOuverte)
{
    TPrincipale& p = Demarre();
    ConstruitFormeValide(T::Newton);
    Edition.AMettreAJour = true;
    RafraichitVue();
    const TCase caseDiametre = MiseEnPage.CaseValeur[0];
    Clic(p.Fenetre, QPoint((caseDiametre.Left + caseDiametre.Right) / 2, (caseDiametre.Top + caseDiametre.Bottom) / 2));
    ASSERT_FALSE(p.statusBar()->currentMessage().isEmpty());
    Edition.DocumentModifie = false;

    p.Nouveau->trigger();
    EXPECT_EQ(Instrument.TypeInstrument, T::Aucun);
    EXPECT_FALSE(p.Saisie->isVisible());
    EXPECT_EQ(p.statusBar()->currentMessage().toStdString(), "");
}

// F1 opens the help; a help file that cannot be shown is said, never silently dropped.
TEST_F(EditionBoutEnBout, UneAideQuiNeSAffichePasLeDit)
{
    TPrincipale& p = Demarre();
    Services.Question.Posees.clear();
    const struct
    {
        bool Present;
        bool Affichable;
        const char* Message;
    } cas[] = {
        {true, true, nullptr},
        {true, false, "Aucun programme ne peut afficher le fichier d'aide (page HTML)."},
        {false, false, "Le fichier d'aide est introuvable !"},
    };
    for (const auto& c : cas)
    {
        SCOPED_TRACE(c.Message == nullptr ? "affichée" : c.Message);
        Services.Aide.Present = c.Present;
        Services.Aide.Affichable = c.Affichable;
        if (c.Message != nullptr)
            Services.Question.Repond(ReponseOk);
        ASSERT_TRUE(p.Aide->isEnabled());
        p.Aide->trigger();
        if (c.Message == nullptr)
            EXPECT_TRUE(Services.Question.Posees.empty());
        else
        {
            ASSERT_EQ(Services.Question.Posees.size(), 1u);
            EXPECT_EQ(Services.Question.Posees[0].Ligne1, c.Message);
        }
        Services.Question.Posees.clear();
    }
    EXPECT_EQ(Services.Aide.Sommaires, 3);
}

}
