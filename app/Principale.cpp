// The main window: its menus, commands, tool bar, status bar and the page `Fiche` moved by two scroll bars.
#include "app/Principale.h"

#include "app/AnnulerRefaire.h"
#include "app/CablageVues.h"
#include "app/CommandesFichier.h"
#include "app/Demarrage.h"
#include "app/Effacement.h"
#include "app/Enregistrement.h"
#include "app/Etat.h"
#include "app/FichierFenetre.h"
#include "app/Formules.h"
#include "app/Historique.h"
#include "app/Impression.h"
#include "app/ListesFiche.h"
#include "app/Messages.h"
#include "app/Outils.h"
#include "app/Rafraichissement.h"
#include "app/Vues.h"
#include "dialogs/Champ.h"
#include "dialogs/ConfigInstrument.h"
#include "dialogs/DialoguesReglages.h"
#include "dialogs/Dispositif.h"
#include "dialogs/Homothetie.h"
#include "dialogs/Index.h"
#include "dialogs/OculaireChoix.h"
#include "dialogs/Position.h"
#include "dialogs/Ross.h"
#include "dialogs/Optimisation.h"
#include "dialogs/Preferences.h"
#include "dialogs/Unique.h"
#include "editing/BoiteSaisie.h"
#include "editing/ChoixVerre.h"
#include "editing/ClicsFiche.h"
#include "editing/CommandesLignes.h"
#include "editing/ListeTypes.h"
#include "editing/OuvreCellules.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "editing/SourisTableaux.h"
#include "editing/CadresTables.h"
#include "editing/Touches.h"
#include "editing/Valide.h"
#include "optics/Modele.h"
#include "optics/Notifications.h"
#include "platform/ImageVue.h"
#include "sheet/Fiche.h"
#include "stars/Champ.h"
#include "stars/ChampPage.h"
#include "stars/PageEtoiles.h"
#include "stars/SourisDessin.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int LargeurFenetre = 800;
constexpr int HauteurFenetre = 800;

QAction* Commande(QObject* parent, const char* libelle, const QKeySequence& raccourci = {})
{
    auto* action = new QAction(QString::fromUtf8(libelle), parent);
    action->setShortcut(raccourci);
    QString indication = action->text();
    indication.remove(QLatin1Char('&'));
    action->setToolTip(indication);
    action->setStatusTip(indication);
    action->setEnabled(false);
    return action;
}

// A tool-bar image of one to three letters, for the commands the style has no picture for.
QIcon IconeLettres(const QString& lettres)
{
    QPixmap image(24, 24);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    QFont police = peintre.font();
    police.setPixelSize(lettres.size() > 2 ? 9 : 12);
    police.setBold(true);
    peintre.setFont(police);
    peintre.setPen(QColor(0, 0, 128));
    peintre.drawRect(1, 1, 21, 21);
    peintre.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, lettres);
    return QIcon(image);
}

QToolButton* BoutonVue(QToolBar* barre, QAction* commande, const char* libelle)
{
    auto* bouton = new QToolButton(barre);
    bouton->setText(QString::fromUtf8(libelle));
    bouton->setToolTip(commande->toolTip());
    bouton->setCheckable(true);
    bouton->setEnabled(commande->isEnabled());
    QObject::connect(commande, &QAction::changed, bouton,
                     [bouton, commande] { bouton->setEnabled(commande->isEnabled()); });
    QObject::connect(bouton, &QToolButton::clicked, commande, &QAction::trigger);
    barre->addWidget(bouton);
    return bouton;
}

}

TPrincipale::TPrincipale(QWidget* parent) : QMainWindow(parent)
{
    Principale = this;
    setWindowTitle(QStringLiteral("Quivane"));
    CreeActions();
    CreeMenus();
    CreeBarreOutils();
    CreePage();
    QFont police = statusBar()->font();
    police.setPixelSize(11);
    statusBar()->setFont(police);
    statusBar()->showMessage(QString());
    RelieDessin();
    new TCablageVues(Fiche, Ligne, Saisie, statusBar());
    resize(820, 750);
    // The entry box shows its model: at the end of each refresh, and whenever an editor changes it.
    InstalleBoiteSaisie(Saisie);
    new TListesFiche(Fiche, Saisie);
    // The sheet's clicks, the lists and the glass catalogue reach their editors.
    connect(Fenetre, &TImageVue::SourisRelachee, this, [](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        FicheFenetreMouseUp(x, y);
        MontreBoiteSaisie();
    });
    // The tables, their highlighted rows, the plate table and the plate coefficient's spin box.
    RelieSouris(Grille, FicheGrilleMouseDown, FicheGrilleMouseUp);
    RelieSouris(Ligne, FicheLigneMouseDown, FicheLigneMouseUp);
    RelieSouris(LigneMiroirActive, FicheLigneMiroirActiveMouseDown, FicheLigneMiroirActiveMouseUp);
    RelieSouris(LigneSchmidt, FicheLigneSchmidtMouseDown, FicheLigneSchmidtMouseUp);
    RelieSouris(TableauSchmidt, FicheTableauSchmidtMouseDown, FicheTableauSchmidtMouseUp);
    RelieSouris(CaseArl, FicheCaseArlMouseDown, FicheCaseArlMouseUp);
    Zone->installEventFilter(this);
    Fiche->installEventFilter(this);
    // The glass catalogue and the eyepiece dialog are created over this window when first shown.
    FixeParentCatalogue(this);
    FixeParentChoixOculaire(this);
    FixeParentRoss(this);
    FixeParentHomothetie(this);
    FixeParentOptimisation(this);
    CreeDialoguesReglages(this);
}

// The hooks stay installed: once the window is gone they find no window and change nothing.
TPrincipale::~TPrincipale()
{
    ImagesFiche = TImagesFiche{};
    ImagesEtoiles = TImagesEtoiles{};
    Relais.SaisieVisible = [] { return false; };
    Relais.CurseurAttente = [](bool) {};
    Relais.CadreOuvert = [] { return false; };
    Relais.FermeCadres = [] {};
    Relais.FermeCadreDioptre = [] {};
    Principale = nullptr;
}

void TPrincipale::InstrumentReinitialise()
{
    LigneMiroirActive->hide();
    if (CablageVues != nullptr)
        CablageVues->LigneMiroir->hide();
    setWindowTitle(QStringLiteral("Quivane"));
    Enregistrer->setEnabled(false);
    Imprimer->setEnabled(false);
    ImprimerTout->setEnabled(false);
    TCanevasImage& canevas = Fenetre->Canevas();
    canevas.Pinceau() = TPinceau{};
    canevas.FillRect(0, 0, canevas.Largeur(), canevas.Hauteur());
    Fenetre->update();
}

void TPrincipale::DispositifReinitialise(bool instrumentValide)
{
    RemplaceDispo->setEnabled(instrumentValide);
    for (QAction* commande : {PlacerAvantDispo, PlacerApresDispo, Enregistrer, Optimisationdesdiametres})
        commande->setEnabled(false);
}

void TPrincipale::ActionsDispositif(bool remplace, bool avant, bool apres)
{
    RemplaceDispo->setEnabled(remplace);
    PlacerAvantDispo->setEnabled(avant);
    PlacerApresDispo->setEnabled(apres);
}

void TPrincipale::BoutonsVuesInstrument()
{
    EnfonceSeul(TBoutonVue::Instrument);
    SynchroniseBoutonsVue();
}

void TPrincipale::CreeActions()
{
    Nouveau = Commande(this, "&Nouveau", QKeySequence(Qt::CTRL | Qt::Key_N));
    OuvrirA = Commande(this, "&Ouvrir", QKeySequence(Qt::CTRL | Qt::Key_O));
    for (int k = 0; k < NombreFichiersRecents; ++k)
    {
        Historique[k] = Commande(this, "");
        Historique[k]->setVisible(false);
        Historique[k]->setEnabled(true);
        connect(Historique[k], &QAction::triggered, this, [this, k] { HistoriqueClick(k + 1); });
    }
    N3 = new QAction(this);
    N3->setSeparator(true);
    LireInstrument = Commande(this, "Lire un instrument");
    RemplaceDispo = Commande(this, "Remplacer le dispositif actuel");
    PlacerAvantDispo = Commande(this, "Placer devant le dispositif actuel");
    PlacerApresDispo = Commande(this, "Placer derrière le dispositif actuel");
    Enregistrer = Commande(this, "&Enregistrer", QKeySequence(Qt::CTRL | Qt::Key_S));
    EnregistrerSous = Commande(this, "Enregistrer sous", QKeySequence(Qt::Key_F12));
    CopieSauvegarde = Commande(this, "Copie de Sauvegarde à l'enregistrement");
    CopieSauvegarde->setCheckable(true);
    CopieSauvegarde->setEnabled(true);
    Imprimer = Commande(this, "&Imprimer la vue en-cours", QKeySequence(Qt::CTRL | Qt::Key_P));
    ImprimerTout = Commande(this, "Imprimer &tout");
    Quitter = Commande(this, "&Quitter", QKeySequence(Qt::ALT | Qt::Key_F4));
    Quitter->setEnabled(true);

    Annuler = Commande(this, "Annuler", QKeySequence(Qt::CTRL | Qt::Key_Z));
    Retablir = Commande(this, "Rétablir", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Z));
    Couper = Commande(this, "Cou&per", QKeySequence(Qt::CTRL | Qt::Key_X));
    Copier = Commande(this, "&Copier", QKeySequence(Qt::CTRL | Qt::Key_C));
    Coller = Commande(this, "Co&ller", QKeySequence(Qt::CTRL | Qt::Key_V));
    CouperLigne = Commande(this, "Couper la ligne en cours");
    CopierLigne = Commande(this, "Copier la ligne en cours");
    CollerLigne = Commande(this, "Coller la ligne copiée sur la ligne en cours");
    InsererLigne = Commande(this, "Insérer une ligne");
    InsererLigneCopiee = Commande(this, "Insérer la ligne copiée");
    EffacerInstrument = Commande(this, "Effacer l'instrument actuel");
    EffacerIndices = Commande(this, "Effacer les indices de réfraction du dispositif dioptrique");
    EffacerDispo = Commande(this, "Effacer le dispositif dioptrique actuel");

    AfficheInstrument = Commande(this, "Instrument", QKeySequence(Qt::CTRL | Qt::Key_I));
    AfficheDispositifdioptrique = Commande(this, "Dispositif dioptrique", QKeySequence(Qt::CTRL | Qt::Key_D));
    Analyseduchamp = Commande(this, "Analyse du champ", QKeySequence(Qt::CTRL | Qt::Key_H));
    EtoileMultiple = Commande(this, "Etoiles multiples", QKeySequence(Qt::CTRL | Qt::Key_M));
    EtoileUnique = Commande(this, "Etoile unique", QKeySequence(Qt::CTRL | Qt::Key_U));
    ZoomAvant = Commande(this, "Zoom avant");
    ZoomArriere = Commande(this, "Zoom arrière");
    ZoomPlus = Commande(this, "Zoom Plus");
    ZoomMoins = Commande(this, "Zoom Moins");
    Copiercourbe = Commande(this, "Copier la courbe");
    AfficheCourbeMemorisee = Commande(this, "Afficher la courbe mémorisée");
    AfficheCourbeMemorisee->setCheckable(true);
    EffaceCourbeMemorisee = Commande(this, "Effacer la courbe mémorisée");
    Transversales = Commande(this, "Unique avec aberrations transversales");
    Transversales->setCheckable(true);

    RossQuivane = Commande(this, "Proposé par Quivane");
    RossQuivane->setToolTip(QStringLiteral("Correcteur de ROSS proposé par Quivane"));
    RossSpecial = Commande(this, "Selon vos spécifications");
    RossSpecial->setToolTip(QStringLiteral("Correcteur de ROSS selon spécifications"));
    Wynne = Commande(this, "Correcteur de Wynne");
    Wynne->setToolTip(QStringLiteral("Correcteur de Wynne à 3 lentilles"));
    Barlow = Commande(this, "Doublet de Barlow (2x)");
    OculaireA = Commande(this, "Oculaire");

    Homothetie = Commande(this, "Homothétie");
    Optimisationdesdiametres = Commande(this, "Optimisation des diamètres du dispositif dioptrique");
    Optimisationdesdiametres->setToolTip(QStringLiteral("Optimisation des diamètres"));
    PuissanceGlobale = Commande(this, "Puissance globale du dispositif dioptrique");
    PuissanceGlobale->setToolTip(QStringLiteral("Puissance globale"));
    Encombrement = Commande(this, "Encombrement du dispositif dioptrique");

    Preferences = Commande(this, "Préférences");
    Positiondudispositif = Commande(this, "Position du dispositif dioptrique");
    ConfigInstrument = Commande(this, "Configuration de l'Instrument");
    Configdispo = Commande(this, "Configuration du dispositif dioptrique");
    ConfigChamp = Commande(this, "Configuration de l'analyse du champ");
    ConfigEtoilesMulti = Commande(this, "Configuration des étoiles multiples");
    ConfigEtoilesMulti->setToolTip(QStringLiteral("Configuration des Etoiles multiples"));
    ConfigEtoileUnique = Commande(this, "Configuration de l'étoile unique");

    Aide = Commande(this, "&Aide", QKeySequence(Qt::Key_F1));
    Aide->setEnabled(true);
    Sommaire = Commande(this, "&Sommaire de l'aide");
    Sommaire->setEnabled(true);
    Apropos = Commande(this, "A &propos");
    Apropos->setEnabled(true);

    for (QAction* commande : {Nouveau, OuvrirA, LireInstrument})
        commande->setEnabled(true);
    // The settings commands are available whatever the design.
    for (QAction* commande : {Preferences, Positiondudispositif, ConfigInstrument, Configdispo, ConfigChamp,
                              ConfigEtoilesMulti, ConfigEtoileUnique})
        commande->setEnabled(true);
    Relie(Nouveau, &TPrincipale::NouveauExecute);
    Relie(OuvrirA, OuvreDocument);
    Relie(LireInstrument, LitInstrument);
    Relie(RemplaceDispo, ::RemplaceDispoExecute);
    Relie(PlacerAvantDispo, ::PlacerAvantDispoExecute);
    Relie(PlacerApresDispo, ::PlacerApresDispoExecute);
    Relie(Enregistrer, EnregistreDocument);
    Relie(EnregistrerSous, EnregistreDocumentSous);
    Relie(Imprimer, ::ImprimerExecute);
    Relie(ImprimerTout, ::ImprimerToutExecute);
    Relie(Quitter, &TPrincipale::QuitterExecute);
    Relie(Annuler, AnnulerExecute);
    Relie(Retablir, RetablirExecute);
    Relie(EffacerInstrument, EffacerInstrumentExecute);
    Relie(EffacerIndices, EffacerIndicesExecute);
    Relie(EffacerDispo, EffacerDispoExecute);
    Relie(CopieSauvegarde, &TPrincipale::CopieSauvegardeExecute);
    Relie(Aide, ::AideExecute);
    Relie(Sommaire, ::SommaireExecute);
    Relie(Apropos, ::AproposExecute);
    Relie(AfficheInstrument, ::AfficheInstrumentExecute);
    Relie(AfficheDispositifdioptrique, ::AfficheDispositifdioptriqueExecute);
    Relie(Analyseduchamp, ::AnalyseduchampExecute);
    Relie(EtoileMultiple, ::EtoileMultipleExecute);
    Relie(EtoileUnique, ::EtoileUniqueExecute);
    Relie(ZoomAvant, ::ZoomAvantExecute);
    Relie(ZoomArriere, ::ZoomArriereExecute);
    Relie(ZoomPlus, ::ZoomPlusExecute);
    Relie(ZoomMoins, ::ZoomMoinsExecute);
    Relie(Transversales, ::TransversalesExecute);
    Relie(CouperLigne, CouperLigneExecute);
    Relie(CopierLigne, CopierLigneExecute);
    Relie(CollerLigne, CollerLigneExecute);
    Relie(InsererLigne, InsererLigneExecute);
    Relie(InsererLigneCopiee, InsererLigneCopieeExecute);
    Relie(Couper, &TPrincipale::CouperExecute);
    Relie(Copier, &TPrincipale::CopierExecute);
    Relie(Coller, &TPrincipale::CollerExecute);
    Relie(RossQuivane, ::RossQuivaneExecute);
    Relie(RossSpecial, ::RossSpecialExecute);
    Relie(Wynne, ::WynneExecute);
    Relie(Barlow, ::BarlowExecute);
    Relie(OculaireA, ::OculaireAExecute);
    Relie(Homothetie, ::HomothetieExecute);
    Relie(Optimisationdesdiametres, ::OptimisationdesdiametresExecute);
    Relie(PuissanceGlobale, ::PuissanceGlobaleExecute);
    Relie(Encombrement, ::EncombrementExecute);
    Relie(Preferences, ::PreferencesExecute);
    Relie(Positiondudispositif, ::AfficheFormePosition);
    Relie(ConfigInstrument, ::ConfigInstrumentExecute);
    Relie(Configdispo, ::ConfigdispoExecute);
    Relie(ConfigChamp, ::ConfigChampExecute);
    Relie(ConfigEtoilesMulti, ::ConfigEtoilesMultiExecute);
    Relie(ConfigEtoileUnique, ::ConfigEtoileUniqueExecute);
}

void TPrincipale::CreeMenus()
{
    QMenu* fichier = menuBar()->addMenu(QStringLiteral("&Fichier"));
    fichier->addActions({Nouveau, OuvrirA});
    fichier->addSeparator();
    fichier->addActions({LireInstrument, RemplaceDispo, PlacerAvantDispo, PlacerApresDispo});
    fichier->addSeparator();
    fichier->addActions({Enregistrer, EnregistrerSous, CopieSauvegarde});
    fichier->addSeparator();
    fichier->addActions({Imprimer, ImprimerTout});
    fichier->addAction(N3);
    for (QAction* element : Historique)
        fichier->addAction(element);
    fichier->addSeparator();
    fichier->addAction(Quitter);

    QMenu* edition = menuBar()->addMenu(QStringLiteral("&Edition"));
    edition->addActions({Annuler, Retablir});
    edition->addSeparator();
    edition->addActions({Couper, Copier, Coller});
    edition->addSeparator();
    edition->addActions({CouperLigne, CopierLigne, CollerLigne, InsererLigne, InsererLigneCopiee});
    edition->addSeparator();
    edition->addActions({EffacerInstrument, EffacerIndices, EffacerDispo});

    QMenu* affichage = menuBar()->addMenu(QStringLiteral("&Affichage"));
    affichage->addActions(
        {AfficheInstrument, AfficheDispositifdioptrique, Analyseduchamp, EtoileMultiple, EtoileUnique});
    affichage->addSeparator();
    affichage->addActions({ZoomAvant, ZoomArriere, ZoomPlus, ZoomMoins});
    affichage->addSeparator();
    affichage->addActions({Copiercourbe, AfficheCourbeMemorisee, EffaceCourbeMemorisee, Transversales});

    QMenu* formules = menuBar()->addMenu(QStringLiteral("F&ormules"));
    CorrecteurdeRossdeuxlentilles1 = formules->addMenu(QStringLiteral("Correcteur de ROSS à 2 lentilles"));
    CorrecteurdeRossdeuxlentilles1->addActions({RossQuivane, RossSpecial});
    CorrecteurdeRossdeuxlentilles1->setEnabled(false);
    formules->addActions({Wynne, Barlow, OculaireA});

    QMenu* outils = menuBar()->addMenu(QStringLiteral("Ou&tils"));
    outils->addActions({Homothetie, Optimisationdesdiametres, PuissanceGlobale, Encombrement});

    QMenu* configuration = menuBar()->addMenu(QStringLiteral("&Configuration"));
    configuration->addActions({Preferences, Positiondudispositif});
    configuration->addSeparator();
    configuration->addActions({ConfigInstrument, Configdispo, ConfigChamp, ConfigEtoilesMulti, ConfigEtoileUnique});

    QMenu* aide = menuBar()->addMenu(QStringLiteral("&?"));
    aide->addActions({Aide, Sommaire});
    aide->addSeparator();
    aide->addAction(Apropos);
}

void TPrincipale::CreeBarreOutils()
{
    ToolBar1 = addToolBar(QStringLiteral("Outils"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    const auto bouton = [this](QAction* commande, const QIcon& icone, const char* nom) {
        commande->setIcon(icone);
        ToolBar1->addAction(commande);
        ToolBar1->widgetForAction(commande)->setObjectName(QString::fromUtf8(nom));
    };
    bouton(Nouveau, style()->standardIcon(QStyle::SP_FileIcon), "ToolNouveau");
    bouton(OuvrirA, style()->standardIcon(QStyle::SP_DialogOpenButton), "ToolOuvrir");
    bouton(Enregistrer, style()->standardIcon(QStyle::SP_DialogSaveButton), "FileSave1");
    bouton(EnregistrerSous, IconeLettres(QStringLiteral("Sous")), "ToolSaveAs");
    bouton(Imprimer, IconeLettres(QStringLiteral("Imp")), "ToolImprime");
    ToolBar1->addSeparator();
    bouton(Couper, IconeLettres(QStringLiteral("Cp")), "ToolCouper");
    bouton(Copier, IconeLettres(QStringLiteral("Co")), "ToolCopier");
    bouton(Coller, IconeLettres(QStringLiteral("Cl")), "ToolColler");
    bouton(Annuler, style()->standardIcon(QStyle::SP_ArrowBack), "ToolAnnuler");
    bouton(Retablir, style()->standardIcon(QStyle::SP_ArrowForward), "ToolRefait");
    ToolBar1->addSeparator();
    ToolInstrument = BoutonVue(ToolBar1, AfficheInstrument, "Instrument");
    ToolDispositif = BoutonVue(ToolBar1, AfficheDispositifdioptrique, "Dispositif");
    ToolChamp = BoutonVue(ToolBar1, Analyseduchamp, "Champ");
    ToolEtoiles = BoutonVue(ToolBar1, EtoileMultiple, "Etoiles");
    ToolUnique = BoutonVue(ToolBar1, EtoileUnique, "Unique");
    ToolButton9 = ToolBar1->addSeparator();
    bouton(Copiercourbe, IconeLettres(QStringLiteral("C+")), "ToolCopyCourbe");
    bouton(AfficheCourbeMemorisee, IconeLettres(QStringLiteral("C=")), "ToolCompare");
    bouton(EffaceCourbeMemorisee, IconeLettres(QStringLiteral("C-")), "ToolButton2");
    bouton(Transversales, IconeLettres(QStringLiteral("T")), "AberTrans");
    bouton(ZoomPlus, IconeLettres(QStringLiteral("Z+")), "ZoomPlus");
    bouton(ZoomMoins, IconeLettres(QStringLiteral("Z-")), "ZoomMoins");
    ToolButton20 = ToolBar1->addSeparator();
    bouton(ZoomAvant, IconeLettres(QStringLiteral("+")), "ZoomAvant");
    bouton(ZoomArriere, IconeLettres(QStringLiteral("-")), "ZoomArriere");
    ToolBar1->addSeparator();
    bouton(Preferences, IconeLettres(QStringLiteral("Pr")), "ToolPreferences");
    bouton(Positiondudispositif, IconeLettres(QStringLiteral("Pos")), "ToolPosition");
    bouton(ConfigInstrument, IconeLettres(QStringLiteral("CI")), "ToolConfInstrument");
    ToolBar1->widgetForAction(ConfigInstrument)->setToolTip(QStringLiteral("Configuration de l'instrument"));
    bouton(Configdispo, IconeLettres(QStringLiteral("CD")), "ToolConfDispo");
    bouton(ConfigChamp, IconeLettres(QStringLiteral("CC")), "ToolConfChamp");
    bouton(ConfigEtoilesMulti, IconeLettres(QStringLiteral("CE")), "ToolConfEtoiles");
    bouton(ConfigEtoileUnique, IconeLettres(QStringLiteral("CU")), "ToolConfUnique");
    bouton(Aide, style()->standardIcon(QStyle::SP_DialogHelpButton), "TooAide");
    ToolBar1->setEnabled(true);
}

void TPrincipale::CreePage()
{
    Zone = new QWidget(this);
    setCentralWidget(Zone);
    Fiche = new QWidget(Zone);
    Fiche->setObjectName(QStringLiteral("Fiche"));
    Fiche->setAutoFillBackground(true);
    QPalette palette = Fiche->palette();
    palette.setColor(QPalette::Window, QColor(240, 240, 240));
    Fiche->setPalette(palette);
    Fenetre = new TImageVue(LargeurFenetre, HauteurFenetre, Fiche);
    Fenetre->move(0, 0);
    // The sheet paints each image whole; the page shows the part its control's size gives.
    Dessin = new TImageVue(Controles.Dessin.Width, Controles.Dessin.Height, Fiche);
    Grille = new TImageVue(Controles.Grille.Width, 16 * NombreMaxDioptres + 49, Fiche);
    Ligne = new TImageVue(Controles.Ligne.Width, Controles.Ligne.Height, Fiche);
    LigneMiroirActive = new TImageVue(Controles.LigneMiroirActive.Width, Controles.LigneMiroirActive.Height, Fiche);
    LigneSchmidt = new TImageVue(Controles.LigneSchmidt.Width, Controles.LigneSchmidt.Height, Fiche);
    TableauSchmidt = new TImageVue(Controles.TableauSchmidt.Width, Controles.TableauSchmidt.Height, Fiche);
    CaseArl = new TImageVue(Controles.CaseArl.Width, Controles.CaseArl.Height, Fiche);
    for (TImageVue* image : {Dessin, Ligne, LigneMiroirActive, LigneSchmidt, TableauSchmidt, CaseArl})
        image->hide();
    ImagesAppui = CreeImagesAppui(Fiche);
    Saisie = new QLineEdit(Fiche);
    QFont police = Saisie->font();
    police.setPixelSize(11);
    Saisie->setFont(police);
    Saisie->hide();
    CadreDioptre = new TCadreDioptre(Fiche, CouperLigne, CopierLigne, CollerLigne, InsererLigne, InsererLigneCopiee);
    CadreEpaisseur = new TCadreEpaisseur(Fiche);
    CadreDiametre = new TCadreDiametre(Fiche);
    CadreLentille = new TCadreLentille(Fiche);
    CadreMiroirPlan = new TCadreMiroirPlan(Fiche);
    Fiche->setGeometry(0, 0, Fenetre->width(), Fenetre->height());

    VerticalBar = new QScrollBar(Qt::Vertical, Zone);
    HorizontalBar = new QScrollBar(Qt::Horizontal, Zone);
    for (QScrollBar* barre : {VerticalBar, HorizontalBar})
    {
        barre->setRange(0, 0);
        barre->hide();
    }
    connect(VerticalBar, &QScrollBar::valueChanged, this, &TPrincipale::VerticalBarChange);
    connect(HorizontalBar, &QScrollBar::valueChanged, this, &TPrincipale::HorizontalBarChange);
    connect(VerticalBar, &QScrollBar::actionTriggered, this,
            [this](int action) { AppliqueGrandPas(VerticalBar, BarreVerticale_, action); });
    connect(HorizontalBar, &QScrollBar::actionTriggered, this,
            [this](int action) { AppliqueGrandPas(HorizontalBar, BarreHorizontale_, action); });
}

void TPrincipale::RelieDessin()
{
    // The views draw on the image under the sheet; its mouse chooses a star panel or a field point, holds a
    // cross-hair on the field graph, and switches to the single star and back by a double click.
    ImagesEtoiles.Dessin = &Dessin->Canevas();
    connect(Dessin, &TImageVue::SourisEnfoncee, this,
            [this](Qt::MouseButton bouton, Qt::KeyboardModifiers, bool, int x, int y) {
                if (bouton == Qt::LeftButton && Etat.VueCourante == TVue::Champ &&
                    DessineReticule(Dessin->Canevas(), x, y, width()))
                {
                    Edition.ReticuleEnCours = true;
                    Dessin->update();
                }
            });
    connect(Dessin, &TImageVue::SourisDeplacee, this,
            [this](Qt::MouseButtons boutons, Qt::KeyboardModifiers, int x, int y) {
                if (!(boutons & Qt::LeftButton) || Etat.VueCourante != TVue::Champ)
                    return;
                Edition.AMettreAJour = true;
                RafraichitVue();
                DessineReticule(Dessin->Canevas(), x, y, width());
                Dessin->update();
            });
    connect(Dessin, &TImageVue::SourisRelachee, this, [](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        FermeEditeursDessin();
        DessinRelache(Etat.VueCourante, x, y);
        Edition.AMettreAJour = true;
        RafraichitVue();
        Edition.ReticuleEnCours = false;
    });
    connect(Dessin, &TImageVue::DoubleClic, this, [this](int, int) {
        FermeEditeursDessin();
        const std::optional<std::string> texte = DessinDoubleClic();
        if (!texte)
            return;
        if (!texte->empty())
            statusBar()->showMessage(QString::fromStdString(*texte));
        RafraichitVue();
    });
    // The memorised field curve: its marks go to the refresh, which enables the commands by them.
    Relie(
        Copiercourbe, +[] {
            CopieCourbeMemorisee(Validite.SystemeAfocal);
            MarquesCourbe = {CourbeMemorisee[0].Position, CourbeMemorisee[0].TailleVert};
            Principale->AfficheCourbeMemorisee->setEnabled(true);
            Edition.AMettreAJour = true;
            RafraichitVue();
        });
    Relie(
        AfficheCourbeMemorisee, +[] {
            CourbeMemoriseeAffichee = Principale->AfficheCourbeMemorisee->isChecked();
            Edition.AMettreAJour = true;
            RafraichitVue();
        });
    Relie(
        EffaceCourbeMemorisee, +[] {
            ::EffaceCourbeMemorisee();
            MarquesCourbe = {};
            CourbeMemoriseeAffichee = false;
            Principale->AfficheCourbeMemorisee->setChecked(false);
            Principale->AfficheCourbeMemorisee->setEnabled(false);
            Edition.AMettreAJour = true;
            RafraichitVue();
        });
    ImagesFiche.Fenetre = &Fenetre->Canevas();
    ImagesFiche.Grille = &Grille->Canevas();
    ImagesFiche.Ligne = &Ligne->Canevas();
    ImagesFiche.LigneMiroirActive = &LigneMiroirActive->Canevas();
    ImagesFiche.LigneSchmidt = &LigneSchmidt->Canevas();
    ImagesFiche.TableauSchmidt = &TableauSchmidt->Canevas();
    ImagesFiche.CaseArl = &CaseArl->Canevas();
}

TMargesCadre TPrincipale::MargesCadre() const
{
    const QMargins marges = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    return {marges.left(), marges.top(), marges.right(), marges.bottom()};
}

bool TPrincipale::MargesConnues() const
{
    const TMargesCadre m = MargesCadre();
    return m.Gauche != 0 || m.Haut != 0 || m.Droite != 0 || m.Bas != 0;
}

TGeometrieFenetre TPrincipale::Geometrie() const
{
    TGeometrieFenetre geometrie;
    geometrie.EtatFenetre = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    const TMargesCadre m = MargesCadre();
    const QRect normale = (isMinimized() || isMaximized() ? normalGeometry() : geometry())
                              .marginsAdded(QMargins(m.Gauche, m.Haut, m.Droite, m.Bas));
    geometrie.Largeur = normale.width();
    geometrie.Hauteur = normale.height();
    geometrie.Gauche = normale.x();
    geometrie.Haut = normale.y();
    return geometrie;
}

void TPrincipale::AppliqueGeometrie(const TGeometrieFenetre& geometrie)
{
    CadreDemande_.reset();
    if (geometrie.Largeur > 0 && geometrie.Hauteur > 0)
    {
        CadreDemande_ = geometrie;
        PlaceCadre();
    }
    setWindowState(geometrie.EtatFenetre == 2   ? Qt::WindowMaximized
                   : geometrie.EtatFenetre == 1 ? Qt::WindowMinimized
                                                : Qt::WindowNoState);
    Fenetre->Redimensionne(LargeurFenetre, HauteurFenetre);
}

// The desktop tells the frame's widths only once the window is shown: until then the window is placed as if it had
// none, and placed again, once, when they are known. A desktop that draws no frame never tells any.
void TPrincipale::PlaceCadre()
{
    if (!CadreDemande_)
        return;
    const bool margesConnues = MargesConnues();
    const TMargesCadre marges = MargesCadre();
    const TGeometrieFenetre interieur = InterieurDansEcran(*CadreDemande_, marges, Ecran());
    resize(interieur.Largeur, interieur.Hauteur);
    // A window's position is its frame's. A framed window already in place is not moved again: desktops differ in
    // how they read a position asked after the frame.
    const QPoint cadre(interieur.Gauche - marges.Gauche, interieur.Haut - marges.Haut);
    if (!margesConnues || frameGeometry().topLeft() != cadre)
        move(cadre);
    if (margesConnues)
        CadreDemande_.reset();
}

TEcran TPrincipale::Ecran() const
{
    const QScreen* ecran = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (ecran == nullptr)
        return {LargeurFenetre, HauteurFenetre};
    const QRect disponible = ecran->availableGeometry();
    return {disponible.width(), disponible.height(), disponible.x(), disponible.y()};
}

void TPrincipale::MontreHistorique()
{
    for (QAction* element : Historique)
        element->setVisible(false);
    for (int k = 1; k <= NombreFichiersRecents && !Etat.FichiersRecents[k].empty(); ++k)
    {
        QAction* element = Historique[k - 1];
        element->setText(QStringLiteral("&%1 ").arg(k) + QString::fromStdString(Etat.TextesHistorique[k]));
        element->setVisible(true);
    }
    N3->setVisible(!Etat.FichiersRecents[1].empty());
}

void TPrincipale::SynchroniseBoutonsVue()
{
    QToolButton* boutons[] = {ToolInstrument, ToolDispositif, ToolChamp, ToolEtoiles, ToolUnique};
    for (std::size_t i = 0; i < Etat.BoutonsVue.size(); ++i)
        boutons[i]->setChecked(Etat.BoutonsVue[i]);
}

void TPrincipale::RedessinePage()
{
    SynchroniseBoutonsVue();
    CopieSauvegarde->setChecked(Etat.CopieSauvegarde);
    Transversales->setChecked(Etat.Transversales);
    AppliqueEtatsPage();
    PlaceImagesPage();
    AppliqueCablageVues();
    AppliqueListesFiche();
    // The page ends below the views' drawing, or below the lens-device table, with a tool bar's height to spare; the
    // white sheet under it is as tall as the page, never shorter than what lies on it.
    const TControle& dessin = Controles.Dessin;
    const int bas = dessin.Visible ? dessin.Top + dessin.Height : Controles.Grille.Top + Controles.Grille.Height;
    int hauteurPage = bas + ToolBar1->height();
    // A frame dropped under a table's last rows stays whole on the page.
    for (const QWidget* cadre : std::initializer_list<const QWidget*>{CadreDioptre, CadreEpaisseur, CadreDiametre,
                                                                      CadreLentille, CadreMiroirPlan})
        if (!cadre->isHidden())
            hauteurPage = std::max(hauteurPage, cadre->y() + cadre->height() + 4);
    if (Fenetre->height() != hauteurPage)
        Fenetre->Redimensionne(LargeurFenetre, hauteurPage);
    Fiche->resize(Fenetre->width(), hauteurPage);
    DisposeBarres();
    if (EtatsPage.EstVisible(TElementPage::VerticalBar) == false)
        VerticalBar->hide();
}

void TPrincipale::AppliqueEtatsPage()
{
    QAction* commandes[] = {nullptr,
                            RossQuivane,
                            RossSpecial,
                            Wynne,
                            Barlow,
                            OculaireA,
                            nullptr,
                            EffacerInstrument,
                            EffacerIndices,
                            EffacerDispo,
                            CopierLigne,
                            CollerLigne,
                            InsererLigneCopiee,
                            CouperLigne,
                            InsererLigne,
                            AfficheInstrument,
                            AfficheDispositifdioptrique,
                            Analyseduchamp,
                            EtoileMultiple,
                            EtoileUnique,
                            ImprimerTout,
                            Imprimer,
                            Optimisationdesdiametres,
                            Homothetie,
                            PuissanceGlobale,
                            Encombrement,
                            Copiercourbe,
                            AfficheCourbeMemorisee,
                            EffaceCourbeMemorisee,
                            Enregistrer,
                            EnregistrerSous,
                            Annuler,
                            Retablir,
                            ZoomAvant,
                            ZoomArriere,
                            ZoomPlus,
                            ZoomMoins,
                            Transversales};
    static_assert(std::size(commandes) == static_cast<std::size_t>(TCommande::Nombre));
    for (std::size_t k = 0; k < std::size(commandes); ++k)
    {
        const std::optional<bool> active = EtatsPage.Actives[k];
        if (!active)
            continue;
        switch (static_cast<TCommande>(k))
        {
        case TCommande::CorrecteurdeRossdeuxlentilles1:
            CorrecteurdeRossdeuxlentilles1->setEnabled(
                *active && (CommandesReliees_.contains(RossQuivane) || CommandesReliees_.contains(RossSpecial)));
            break;
        case TCommande::ToolDispositif: ToolDispositif->setEnabled(*active); break;
        default:
            // A command whose routine is not there yet stays disabled.
            commandes[k]->setEnabled(*active && CommandesReliees_.contains(commandes[k]));
            break;
        }
    }
    const auto montre = [](std::optional<bool> visible, std::initializer_list<QAction*> elements) {
        if (visible)
            for (QAction* element : elements)
                element->setVisible(*visible);
    };
    montre(EtatsPage.EstVisible(TElementPage::ToolButton9), {ToolButton9});
    montre(EtatsPage.EstVisible(TElementPage::CommandesCourbe),
           {Copiercourbe, AfficheCourbeMemorisee, EffaceCourbeMemorisee});
    montre(EtatsPage.EstVisible(TElementPage::Transversales), {Transversales});
    montre(EtatsPage.EstVisible(TElementPage::ZoomsChamp), {ZoomPlus, ZoomMoins});
    montre(EtatsPage.EstVisible(TElementPage::ZoomsEtoiles), {ZoomAvant, ZoomArriere});
    montre(EtatsPage.EstVisible(TElementPage::ToolButton20), {ToolButton20});
}

void TPrincipale::PlaceImagesPage()
{
    const std::pair<TImageVue*, const TControle*> images[] = {{Dessin, &Controles.Dessin},
                                                              {Grille, &Controles.Grille},
                                                              {Ligne, &Controles.Ligne},
                                                              {LigneMiroirActive, &Controles.LigneMiroirActive},
                                                              {LigneSchmidt, &Controles.LigneSchmidt},
                                                              {TableauSchmidt, &Controles.TableauSchmidt},
                                                              {CaseArl, &Controles.CaseArl}};
    for (const auto& [image, controle] : images)
    {
        image->setGeometry(controle->Left, controle->Top, controle->Width, controle->Height);
        image->setVisible(controle->Visible);
        image->update();
    }
    AppliqueImagesAppui(ImagesAppui);
    CadreDioptre->Applique();
    CadreEpaisseur->Applique();
    CadreDiametre->Applique();
    CadreLentille->Applique();
    CadreMiroirPlan->Applique();
    Fenetre->update();
}

void TPrincipale::DisposeBarres()
{
    TMesuresFenetre mesures;
    mesures.HauteurClient = Zone->height();
    mesures.LargeurClient = Zone->width();
    mesures.HauteurBarreHorizontale = HorizontalBar->sizeHint().height();
    mesures.LargeurBarreVerticale = VerticalBar->sizeHint().width();
    mesures.HauteurPage = Fiche->height();
    mesures.LargeurPage = Fiche->width();
    const TDispositionBarres d = ::DisposeBarres(mesures, BarreVerticale_, BarreHorizontale_);
    BarreVerticale_ = d.Verticale;
    BarreHorizontale_ = d.Horizontale;
    Etat.HauteurVisible = d.HauteurVisible;
    Etat.LargeurVisible = d.LargeurVisible;

    const auto place = [](QScrollBar* barre, const TBarreDefilement& modele, const QRect& cadre) {
        const QSignalBlocker bloque(barre);
        barre->setVisible(modele.Visible);
        // The bar runs from 0 to 100 less the page shown, so position + page size never exceeds 100.
        barre->setRange(0, std::max(0, 100 - modele.TaillePage));
        barre->setPageStep(std::max(1, modele.TaillePage));
        barre->setValue(modele.Position);
        barre->setGeometry(cadre);
        barre->raise();
    };
    const int largeurV = mesures.LargeurBarreVerticale;
    const int hauteurH = mesures.HauteurBarreHorizontale;
    place(VerticalBar, d.Verticale, QRect(Zone->width() - largeurV, 0, largeurV, d.HauteurVisible));
    // The horizontal bar sits at the bottom of the client area, just above the status bar.
    place(HorizontalBar, d.Horizontale, QRect(0, Zone->height() - hauteurH, d.LargeurVisible, hauteurH));
    BarreVerticale_.Position = VerticalBar->value();
    BarreHorizontale_.Position = HorizontalBar->value();
    Fiche->move(DecalagePage(Fiche->width(), BarreHorizontale_.Position),
                DecalagePage(Fiche->height(), BarreVerticale_.Position));
}

void TPrincipale::AppliqueGrandPas(QScrollBar* barre, const TBarreDefilement& modele, int action)
{
    if (action == QAbstractSlider::SliderPageStepAdd)
        barre->setSliderPosition(std::min(barre->maximum(), barre->value() + modele.GrandPas));
    else if (action == QAbstractSlider::SliderPageStepSub)
        barre->setSliderPosition(std::max(barre->minimum(), barre->value() - modele.GrandPas));
}

void TPrincipale::VerticalBarChange(int position)
{
    BarreVerticale_.Position = position;
    Fiche->move(Fiche->x(), DecalagePage(Fiche->height(), position));
    RafraichitVue();
}

void TPrincipale::HorizontalBarChange(int position)
{
    BarreHorizontale_.Position = position;
    Fiche->move(DecalagePage(Fiche->width(), position), Fiche->y());
}

void TPrincipale::FormResize()
{
    if (Etat.FermetureEnCours)
        return;
    DisposeBarres();
    RafraichitVue();
}

void TPrincipale::keyPressEvent(QKeyEvent* evenement)
{
    int touche = 0;
    switch (evenement->key())
    {
    case Qt::Key_Left: touche = ToucheGauche; break;
    case Qt::Key_Right: touche = ToucheDroite; break;
    case Qt::Key_Up: touche = ToucheHaut; break;
    case Qt::Key_Down: touche = ToucheBas; break;
    default: QMainWindow::keyPressEvent(evenement); return;
    }
    FormKeyDown(touche);
    MontreBoiteSaisie();
}

bool TPrincipale::eventFilter(QObject* objet, QEvent* evenement)
{
    // The window's native side learns the frame's widths once the desktop has framed it, with no event of the
    // window itself when its size stays the same.
    if (objet == windowHandle() && CadreDemande_ &&
        (evenement->type() == QEvent::Expose || evenement->type() == QEvent::Resize ||
         evenement->type() == QEvent::Move) &&
        windowState() == Qt::WindowNoState && MargesConnues())
        PlaceCadre();
    if ((objet == Zone || objet == Fiche) && evenement->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton)
    {
        FormClick();
        MontreBoiteSaisie();
    }
    return QMainWindow::eventFilter(objet, evenement);
}

void TPrincipale::resizeEvent(QResizeEvent* evenement)
{
    QMainWindow::resizeEvent(evenement);
    FormResize();
}

void TPrincipale::showEvent(QShowEvent* evenement)
{
    QMainWindow::showEvent(evenement);
    if (windowHandle() != nullptr)
        windowHandle()->installEventFilter(this);
}

void TPrincipale::closeEvent(QCloseEvent* evenement)
{
    if (Fermee_ || FermeProgramme(true, Geometrie()))
    {
        Fermee_ = true;
        evenement->accept();
        QCoreApplication::exit(0);
        return;
    }
    evenement->ignore();
}

void TPrincipale::QuitterExecute()
{
    if (!FermeProgramme(false, Geometrie()))
        return;
    Fermee_ = true;
    close();
}

void TPrincipale::HistoriqueClick(int k)
{
    OuvreHistorique(k);
}

void TPrincipale::NouveauExecute()
{
    CreeNouveauDocument();
    Annuler->setEnabled(false);
    Retablir->setEnabled(false);
    if (ListesFiche != nullptr && ListesFiche->ComboBox->isVisibleTo(Fiche))
        ListesFiche->ComboBox->setFocus(Qt::OtherFocusReason);
    FixeContexteAide(ContexteNouveauDocument);
}

void TPrincipale::CopieSauvegardeExecute()
{
    ::CopieSauvegardeExecute();
    CopieSauvegarde->setChecked(Etat.CopieSauvegarde);
}

// The clipboard commands act on the edit box only while it is shown; the clipboard is the platform's service.
void TPrincipale::CouperExecute()
{
    if (!Saisie->isVisible() || !Saisie->hasSelectedText())
        return;
    PlaceDansPressePapiers(Saisie->selectedText().toStdString());
    Saisie->del();
}

void TPrincipale::CopierExecute()
{
    if (Saisie->isVisible() && Saisie->hasSelectedText())
        PlaceDansPressePapiers(Saisie->selectedText().toStdString());
}

void TPrincipale::CollerExecute()
{
    if (Saisie->isVisible())
        Saisie->insert(QString::fromStdString(TexteDuPressePapiers()));
}

void TPrincipale::Relie(QAction* commande, void (TPrincipale::*routine)())
{
    connect(commande, &QAction::triggered, this, routine);
    CommandesReliees_.insert(commande);
}

void TPrincipale::Relie(QAction* commande, void (*routine)())
{
    connect(commande, &QAction::triggered, this, routine);
    CommandesReliees_.insert(commande);
}
