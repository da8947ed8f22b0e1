// Start-up and shutdown: the program entry, the preparation of the main window's document, the help and about
// commands, and the close that removes this instance's files.
#include "app/Demarrage.h"

#include "app/CommandesFichier.h"
#include "app/Crochets.h"
#include "app/Enregistrement.h"
#include "app/Etat.h"
#include "app/FichierFenetre.h"
#include "app/FichierLecture.h"
#include "app/Historique.h"
#include "app/Journal.h"
#include "app/Messages.h"
#include "app/Principale.h"
#include "app/Rafraichissement.h"
#include "app/Recuperation.h"
#include "app/Session.h"
#include "app/Texte.h"
#include "app/Vues.h"
#include "dialogs/DemandesFoyer.h"
#include "dialogs/IndexCalcul.h"
#include "dialogs/Interrogation.h"
#include "dialogs/Propos.h"
#include "editing/EtatEdition.h"
#include "editing/Nombres.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "platform/Bip.h"
#include "platform/Services.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "platform/DossierProgramme.h"
#include "platform/Format.h"
#include "platform/ImageVue.h"
#include "platform/Locale.h"
#include "platform/ServicesQt.h"
#include "platform/Version.h"
#include "sheet/Fiche.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <unistd.h>

namespace {

TAboutBox* AboutBox = nullptr;

// A termination request (the session ending, or `kill`) closes the main window as its close box does; the signal
// handler only writes to a pipe, which the event loop reads.
int TubeSignal[2] = {-1, -1};

void SurSignalArret(int)
{
    const char octet = 1;
    [[maybe_unused]] const auto ecrit = ::write(TubeSignal[1], &octet, 1);
}

// Installed before the main window exists: a request that comes during start-up is served once the event loop runs.
void EcouteSignalArret(QApplication& application)
{
    if (::pipe(TubeSignal) != 0)
        return;
    auto* ecoute = new QSocketNotifier(TubeSignal[0], QSocketNotifier::Read, &application);
    QObject::connect(ecoute, &QSocketNotifier::activated, &application, [] {
        char octet = 0;
        [[maybe_unused]] const auto lu = ::read(TubeSignal[0], &octet, 1);
        // A message box still open, such as the catalogue's at start-up, would keep the program running.
        if (QWidget* modale = QApplication::activeModalWidget())
            modale->close();
        if (Principale != nullptr)
            Principale->close();
    });
    struct sigaction action
    {};
    action.sa_handler = SurSignalArret;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGTERM, &action, nullptr);
}

void MessageSimple(const std::string& texte)
{
    if (Services().Question == nullptr)
        return;
    TQuestion question;
    question.Titre = "Quivane";
    question.Ligne1 = texte;
    Services().Question->Pose(question);
}

void SupprimeSiPresent(const std::string& chemin)
{
    if (!chemin.empty() && Services().Fichiers != nullptr && Services().Fichiers->Existe(chemin))
        Services().Fichiers->Supprime(chemin);
}

// The document named on the command line; false when it could not be read.
bool OuvreLigneDeCommande(TPrincipale& principale, const std::string& chemin)
{
    Etat.CheminDocument = chemin;
    Etat.CheminAffiche = CheminAfficheDe(chemin);
    principale.setWindowTitle(QString::fromStdString(Etat.CheminDocument));
    Lecture.ModeLecture = ModeOuvreFichier;
    Lecture.LectureInstrumentSeul = false;
    Lecture.LectureDispositifSeul = false;
    Lecture.NouveauJournal = true;
    // Trailing blanks of the joined arguments are not part of the file's name.
    Etat.CheminDocument = SupprimeBlancsFin(chemin);
    if (!LitFichierConception())
        return false;
    MetAJourHistorique();
    Edition.DocumentModifie = false;
    Edition.AMettreAJour = true;
    EnfonceSeul(TBoutonVue::Instrument);
    return true;
}

}

void ActiveCommandesDispositif()
{
    // Row 1 of the lens device, whichever table is being edited.
    const TTableEditee tableEditee = Edition.TableEditee;
    Edition.TableEditee = TTableEditee::Dispositif;
    const bool dispositifVide = EstLigneVide(1);
    Edition.TableEditee = tableEditee;
    if (dispositifVide)
    {
        FenetreFichier.ActionsDispositif(Validite.InstrumentValide, false, false);
        return;
    }
    const int derniere = std::clamp(Dispositif.NombreDioptres, 1, NombreMaxDioptres);
    const bool afocal = Dispositif.EpaisseurDioptre[derniere] >= SeuilEpaisseurInfinie;
    FenetreFichier.ActionsDispositif(true, true, !afocal);
}

void NommeFichiersSession(const std::string& dossier, int n)
{
    const std::string numero = std::to_string(n);
    Etat.NumeroSession = n;
    Etat.CheminSession = CheminVerrou(dossier, n);
    Etat.CheminJournal = dossier + "Quivane" + numero + ".tmp";
    Etat.CheminJournalProvisoire = dossier + "Quivane" + numero + ".bak";
    Etat.NomCopieDeBase = "QuivaneFile" + numero + ".tmp";
    Etat.CheminCopieDeBase = dossier + Etat.NomCopieDeBase;
    Etat.CheminCopieDeBaseProvisoire = dossier + "QuivaneFile" + numero + ".bak";
    Etat.CheminConfiguration = dossier + "Quivane.ini";
}

std::string CheminLigneDeCommande(const std::vector<std::string>& arguments)
{
    std::string chemin;
    for (const std::string& argument : arguments)
        chemin += argument + " ";
    return chemin;
}

std::string CheminAfficheDe(const std::string& cheminDocument)
{
    const std::size_t separateur = cheminDocument.find_last_of("\\/\"");
    return separateur == std::string::npos ? cheminDocument : cheminDocument.substr(separateur + 1);
}

void FormCreate(TPrincipale& principale, const std::vector<std::string>& arguments)
{
    if (Services().Aide != nullptr && !Services().Aide->FichierPresent())
        MessageSimple("Le fichier d'aide est introuvable !");
    SeparateurDecimal = SeparateurDecimalDuSysteme();
    Etat.Reponse = ReponseOui;
    // The first opening of the entrance diameter leaves the focus where the user has it.
    EtatSaisie.SaisieSansFocus = true;
    Systeme.CalculEchoue = false;
    Edition.AMettreAJour = true;
    Etat.NumeroVersion = VersionProgramme();
    DocumentFiche.DateDuJour = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    Etat.RetourEtoileMultiple = false;
    Etat.FermetureEnCours = false;
    Etat.DocumentNomme = false;
    EnfonceSeul(TBoutonVue::Instrument);

    principale.setWindowTitle(QStringLiteral("Quivane"));
    const auto dossier = PrepareDossierProgramme();
    Etat.DossierProgramme = dossier.value_or(std::string());
    Etat.DossierUtilisable = dossier.has_value() && ChoisitNumeroSession();
    // Without a usable folder no instance file has a path, so that none is written anywhere else.
    if (Etat.DossierUtilisable)
        NommeFichiersSession(Etat.DossierProgramme, Etat.NumeroSession);
    else
        Etat.NumeroSession = 0;
    if (!Etat.DossierUtilisable)
        AfficheAvertissementLarge("Quivane - Initialisation",
                                  "Le dossier " + DossierProgrammeVoulu() +
                                      " ne peut pas être écrit : ni journal ni configuration ne seront gardés.");
    Etat.CheminDocument.clear();

    // The sheet's title line is as high as "Bp" in the title's font.
    TCanevasImage& fenetre = principale.Fenetre->Canevas();
    fenetre.Pinceau() = TPinceau{};
    fenetre.FillRect(0, 0, fenetre.Largeur(), fenetre.Hauteur());
    fenetre.Police().FixeHauteur(-20);
    fenetre.Police().Gras = true;
    MiseEnPage.HauteurTitre = fenetre.TextHeight("Bp");
    fenetre.Police().FixeHauteur(-11);
    fenetre.Police().Gras = false;

    InitialiseInstrument();
    InitialiseDispositif();
    InitialiseLongueursOnde();
    Etat.CheminDocumentMemorise.clear();

    principale.AppliqueGeometrie(ConfigurationDemarrage(principale.Ecran(), principale.Geometrie()));
    MetAJourHistorique();
    Edition.DispositifDeveloppe = true;
    ActiveCommandesDispositif();
    Edition.ReticuleEnCours = false;
    Etat.CheminDocument.clear();

    const std::string cheminDocument = CheminLigneDeCommande(arguments);
    ReprendRemplacementJournal();
    // An interrupted run's edits come first: the file named on the command line opens only once they are declined.
    const bool interrompue = SessionInterrompue();
    const bool recuperee = interrompue && RecupereSession();
    if (!recuperee && !cheminDocument.empty())
    {
        if (OuvreLigneDeCommande(principale, cheminDocument))
        {
            // The design opened is shown with no value open for typing.
            EtatSaisie.CodeSaisie = SaisieApresLecture;
        }
        else
        {
            Etat.CheminDocument.clear();
            Etat.CheminAffiche.clear();
            principale.setWindowTitle(QStringLiteral("Quivane"));
        }
    }
    else if (!recuperee)
    {
        CreeNouveauDocument();
        if (interrompue)
            OuvreSaisieDiametreEntree();
    }

    Edition.InstrumentDeveloppe = Instrument.TypeInstrument != TTypeInstrument::Aucun;
    Etat.VueCourante = TVue::Tableau;
    RafraichitVue();
    if (Edition.PositionJournal == PositionRecuperation)
        Edition.PositionJournal = 0;
    // Only the start's own opening leaves the focus alone: when the start opened no value (a design read, an empty
    // sheet, a refractor), the first value the user opens takes the keys.
    EtatSaisie.SaisieSansFocus = false;
}

bool FermeProgramme(bool requeteFermeture, const TGeometrieFenetre& fenetre)
{
    Etat.FermetureEnCours = true;
    if (requeteFermeture)
        FermeCadresEtRafraichit();
    ConfirmeEnregistrement();
    if (Etat.Reponse == ReponseAnnuler)
    {
        Etat.FermetureEnCours = false;
        return false;
    }
    if (Etat.Reponse == ReponseOui)
    {
        // Saved under a name chosen now, even when the design already has one.
        EnregistreDocumentSous();
        if (!OperationFichierReussie)
        {
            Etat.FermetureEnCours = false;
            return false;
        }
    }
    Edition.DocumentModifie = false;
    ErreurLecture = false;
    EcritConfiguration(fenetre);

    SupprimeSiPresent(Etat.CheminCopieDeBase);
    SupprimeSiPresent(Etat.CheminJournal);
    SupprimeSiPresent(Etat.CheminJournalProvisoire);
    SupprimeSiPresent(Etat.CheminCopieDeBaseProvisoire);
    if (Principale != nullptr)
        Principale->Saisie->setEnabled(false);
    LibereSession();
    return true;
}

namespace {

// A help file that does not open is said: missing, or with no program to show an HTML page.
void DitAideNonAffichee(bool affichee)
{
    if (affichee)
        return;
    if (!Services().Aide->FichierPresent())
        MessageSimple("Le fichier d'aide est introuvable !");
    else
        MessageSimple("Aucun programme ne peut afficher le fichier d'aide (page HTML).");
}

} // namespace

void AideExecute()
{
    if (Services().Aide != nullptr)
        DitAideNonAffichee(Services().Aide->AfficheSommaire());
}

void SommaireExecute()
{
    if (Services().Aide != nullptr)
        DitAideNonAffichee(Services().Aide->AfficheRubrique(0));
}

void AproposExecute()
{
    FermeCadresEtRafraichit();
    if (AboutBox == nullptr)
        return;
    AboutBox->ProductName->setText(TAboutBox::TexteProduit(Etat.NumeroVersion));
    AboutBox->Version->setFixedWidth(230);
    for (QLabel* etiquette : AboutBox->Comments)
        etiquette->setFixedWidth(313);
    AboutBox->exec();
}

void CopieSauvegardeExecute()
{
    Etat.CopieSauvegarde = !Etat.CopieSauvegarde;
}

int Demarre(int argc, char** argv)
{
    InstalleCrochets();
    // The program writes nothing on the standard error: Qt's own diagnostics are dropped.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication application(argc, argv);
    // No display name: Qt would append it to every caption, which already says "Quivane".
    application.setApplicationName(QStringLiteral("Quivane"));
    InstalleTraductionsQt();
    EcouteSignalArret(application);
    InstalleServicesQt(Services());
    // The question window comes first: the main window's creation may already have something to say.
    TInterrogationForm interrogation;
    Services().Question = &interrogation;
    TDemandesFoyer demandesFoyer;
    Services().DemandeFoyer = &demandesFoyer;

    std::vector<std::string> arguments;
    const QStringList liste = QCoreApplication::arguments();
    for (qsizetype i = 1; i < liste.size(); ++i)
        arguments.push_back(liste[i].toStdString());

    TPrincipale principale;
    FormCreate(principale, arguments);
    TAboutBox aboutBox(Etat.NumeroVersion, &principale);
    AboutBox = &aboutBox;
    principale.show();
    // The glass catalogue is checked once the window is up, so that a missing or corrupt file is said and mended at
    // start, not at the first choice of a glass or a spectral line.
    QTimer::singleShot(0, &principale, [] { VerifieCatalogue(); });
    const int resultat = application.exec();
    AboutBox = nullptr;
    Services().Question = nullptr;
    Services().DemandeFoyer = nullptr;
    return resultat;
}
