// The main window: its menus, commands, tool bar, status bar and the page `Fiche` moved by two scroll bars.
#pragma once

#include "app/CadreDioptre.h"
#include "app/CadresTables.h"
#include "app/CadreLentille.h"

#include "app/Configuration.h"
#include "app/Defilement.h"

#include <QMainWindow>
#include <QSet>

#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolBar;
class QToolButton;
class TImageVue;

class TPrincipale : public QMainWindow
{
    Q_OBJECT

public:
    explicit TPrincipale(QWidget* parent = nullptr);
    ~TPrincipale() override;

    // The window's geometry and state as the configuration file keeps them (frame included), and back.
    TGeometrieFenetre Geometrie() const;
    void AppliqueGeometrie(const TGeometrieFenetre& geometrie);
    TEcran Ecran() const;

    // "Fichier"
    QAction* Nouveau;
    QAction* OuvrirA;
    QAction* Historique[10];
    QAction* N3;
    QAction* LireInstrument;
    QAction* RemplaceDispo;
    QAction* PlacerAvantDispo;
    QAction* PlacerApresDispo;
    QAction* Enregistrer;
    QAction* EnregistrerSous;
    QAction* CopieSauvegarde;
    QAction* Imprimer;
    QAction* ImprimerTout;
    QAction* Quitter;
    // "Edition"
    QAction* Annuler;
    QAction* Retablir;
    QAction* Couper;
    QAction* Copier;
    QAction* Coller;
    QAction* CouperLigne;
    QAction* CopierLigne;
    QAction* CollerLigne;
    QAction* InsererLigne;
    QAction* InsererLigneCopiee;
    QAction* EffacerInstrument;
    QAction* EffacerIndices;
    QAction* EffacerDispo;
    // "Affichage"
    QAction* AfficheInstrument;
    QAction* AfficheDispositifdioptrique;
    QAction* Analyseduchamp;
    QAction* EtoileMultiple;
    QAction* EtoileUnique;
    QAction* ZoomAvant;
    QAction* ZoomArriere;
    QAction* ZoomPlus;
    QAction* ZoomMoins;
    QAction* Copiercourbe;
    QAction* AfficheCourbeMemorisee;
    QAction* EffaceCourbeMemorisee;
    QAction* Transversales;
    // "Formules"
    QMenu* CorrecteurdeRossdeuxlentilles1;
    QAction* RossQuivane;
    QAction* RossSpecial;
    QAction* Wynne;
    QAction* Barlow;
    QAction* OculaireA;
    // "Outils"
    QAction* Homothetie;
    QAction* Optimisationdesdiametres;
    QAction* PuissanceGlobale;
    QAction* Encombrement;
    // "Configuration"
    QAction* Preferences;
    QAction* Positiondudispositif;
    QAction* ConfigInstrument;
    QAction* Configdispo;
    QAction* ConfigChamp;
    QAction* ConfigEtoilesMulti;
    QAction* ConfigEtoileUnique;
    // "?"
    QAction* Aide;
    QAction* Sommaire;
    QAction* Apropos;

    QToolBar* ToolBar1;
    // The view buttons keep their own down state; the other tool buttons follow their command.
    QToolButton* ToolInstrument;
    QToolButton* ToolDispositif;
    QToolButton* ToolChamp;
    QToolButton* ToolEtoiles;
    QToolButton* ToolUnique;
    QAction* ToolButton9;
    QAction* ToolButton20;

    QWidget* Zone; // the client area below the tool bar, where the page moves
    QWidget* Fiche; // the page
    TImageVue* Fenetre; // the sheet image
    TImageVue* Dessin; // the drawing of the views
    TImageVue* Grille; // the lens-device table
    TImageVue* Ligne; // the highlight of the current table row
    TImageVue* LigneMiroirActive;
    TImageVue* LigneSchmidt;
    TImageVue* TableauSchmidt;
    TImageVue* CaseArl;
    TCadreDioptre* CadreDioptre; // the row frame of the tables
    TCadreEpaisseur* CadreEpaisseur;
    TCadreDiametre* CadreDiametre;
    TCadreLentille* CadreLentille;
    TCadreMiroirPlan* CadreMiroirPlan;
    TImagesAppui ImagesAppui; // the pressed looks of the tables' buttons
    QLineEdit* Saisie; // the floating edit box
    QScrollBar* VerticalBar;
    QScrollBar* HorizontalBar;

    // Repaints the page's images from the state and lays out the scroll bars; the refresh's last step.
    void RedessinePage();
    // Shows the recent-file items of the non-empty entries, stopping at the first empty one.
    void MontreHistorique();
    // The window's part of the design's resets: a new instrument has no mirror row, no title, nothing to save or
    // print and a blank sheet image; a new device leaves only "Remplacer le dispositif actuel" by the instrument.
    void InstrumentReinitialise();
    void DispositifReinitialise(bool instrumentValide);
    // The device commands a design file enables, and the "Instrument" view button pressed alone.
    void ActionsDispositif(bool remplace, bool avant, bool apres);
    void BoutonsVuesInstrument();

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    // The arrows while no control has the focus, and a click on the page around its images.
    void keyPressEvent(QKeyEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void CreeActions();
    void CreeMenus();
    void CreeBarreOutils();
    void CreePage();
    void RelieDessin();

    // Handlers of what the window itself does around its routine; the other commands call their routine directly.
    void QuitterExecute();
    void CopieSauvegardeExecute();
    void VerticalBarChange(int position);
    void HorizontalBarChange(int position);
    void FormResize();
    void HistoriqueClick(int k);
    void NouveauExecute();
    void CouperExecute();
    void CopierExecute();
    void CollerExecute();

    TMargesCadre MargesCadre() const;
    bool MargesConnues() const;
    // The asked frame held within the screen, with the frame's widths as far as they are known.
    void PlaceCadre();
    void DisposeBarres();
    void AppliqueGrandPas(QScrollBar* barre, const TBarreDefilement& modele, int action);
    void SynchroniseBoutonsVue();
    // Connects a command to its handler; only connected commands are ever enabled by the refresh.
    void Relie(QAction* commande, void (TPrincipale::*routine)());
    void Relie(QAction* commande, void (*routine)());
    void AppliqueEtatsPage();
    void PlaceImagesPage();

    TBarreDefilement BarreVerticale_;
    TBarreDefilement BarreHorizontale_;
    bool Fermee_ = false;
    // The frame asked at start-up, until the desktop has told the frame's widths and it has been placed with them.
    std::optional<TGeometrieFenetre> CadreDemande_;
    QSet<const QAction*> CommandesReliees_;
};

// The main window while it exists, for the hooks of the routines that change it.
inline TPrincipale* Principale = nullptr;
