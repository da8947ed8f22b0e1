// Recovery of an interrupted run: the real program reads a design and is killed; the next start-up of the same
// instance number asks the question, rebuilds the design exactly, makes it the base copy and the journal one record,
// and treats it as an unsaved design with no path, also after an undo.
#include "JournalTest.h"
#include "doubles/ApplicationQt.h"

#include "app/AnnulerRefaire.h"
#include "app/Effacement.h"
#include "app/CommandesFichier.h"
#include "app/Principale.h"
#include "app/Recuperation.h"
#include "app/Session.h"
#include "editing/ListeTypes.h"
#include "editing/Valide.h"
#include "platform/Locale.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <chrono>
#include <map>
#include <cstdlib>
#include <thread>

namespace fs = std::filesystem;

namespace {

fs::path Programme()
{
    return fs::canonical("/proc/self/exe").parent_path().parent_path() / "quivane";
}

std::vector<std::string> Lignes(const fs::path& chemin)
{
    std::vector<std::string> lignes;
    std::ifstream fichier(chemin, std::ios::binary);
    for (std::string ligne; std::getline(fichier, ligne);)
        lignes.push_back(ligne);
    return lignes;
}

class Recuperation : public JournalTest
{
protected:
    void SetUp() override
    {
        JournalTest::SetUp();
        AssureApplicationQt();
        if (const char* precedent = std::getenv("QUIVANE_DOSSIER"))
            DossierPrecedent = precedent;
        ::setenv("QUIVANE_DOSSIER", Dossier.c_str(), 1);
    }

    void TearDown() override
    {
        if (Instance.state() != QProcess::NotRunning)
        {
            Instance.kill();
            Instance.waitForFinished(5000);
        }
        LibereSession();
        if (DossierPrecedent.empty())
            ::unsetenv("QUIVANE_DOSSIER");
        else
            ::setenv("QUIVANE_DOSSIER", DossierPrecedent.c_str(), 1);
        JournalTest::TearDown();
    }

    // The state of a program that has just started, before its main window prepares anything.
    static void EtatDeDepart()
    {
        ReinitialiseEtat();
        Etat = TEtatApplication{};
        Journal = TJournal{};
        Lecture = TLecture{};
        EtatSaisie = TEtatSaisie{};
    }

    // A Cassegrain with its two-row device written to "base.qvd"; the design as reading that file gives it.
    std::vector<std::string> EcritConception()
    {
        EtatDeDepart();
        // The program takes the system's decimal mark at start-up: the design is compared in the same one.
        SeparateurDecimal = SeparateurDecimalDuSysteme();
        ConstruitFormeValide(TTypeInstrument::Cassegrain);
        PoseDispositif();
        AppliqueIndices();
        Etat.CheminDocument = Chemin("base.qvd");
        EXPECT_TRUE(EcritFichierConception());
        EtatDeDepart();
        EXPECT_TRUE(Ouvre(Chemin("base.qvd")));
        const auto lue = ConceptionRafraichie();
        EtatDeDepart();
        return lue;
    }

    // The real program started on the file, killed once its journal holds the read.
    void LanceEtTue(const std::string& fichier)
    {
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environnement.insert(QStringLiteral("QUIVANE_DOSSIER"), QString::fromStdString(Dossier));
        Instance.setProcessEnvironment(environnement);
        Instance.start(QString::fromStdString(Programme().string()), {QString::fromStdString(fichier)});
        ASSERT_TRUE(Instance.waitForStarted(5000));
        for (int essai = 0; essai < 200 && Lignes(Chemin("Quivane0.tmp")).size() < 3; ++essai)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        Instance.kill();
        ASSERT_TRUE(Instance.waitForFinished(5000));
        EXPECT_EQ(Instance.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(Lignes(Chemin("Quivane0.tmp")), (std::vector<std::string>{"-2", "0", fichier}));
        EXPECT_TRUE(fs::exists(Chemin("QuivaneFile0.tmp")));
    }

    void VerifieQuestion(std::size_t rang) const
    {
        ASSERT_GT(Services.Question.Posees.size(), rang);
        const TQuestion& question = Services.Question.Posees[rang];
        EXPECT_EQ(question.Titre, "Quivane - Récupération");
        EXPECT_EQ(question.Ligne1, "Voulez-vous récupérer la dernière session interrompue ?");
        EXPECT_EQ(question.Boutons, TBoutonsQuestion::OuiNon);
        EXPECT_EQ(question.Icone, TIconeQuestion::Interrogation);
    }

    // What a recovery leaves, whatever the design.
    void VerifieRecuperation(const TPrincipale& principale, const std::string& nomPropose) const
    {
        EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane - Fichier Récupéré");
        EXPECT_EQ(LignesJournal(), (std::vector<std::string>{"-2", "0", Chemin("QuivaneFile0.tmp")}));
        EXPECT_EQ(Journal.NombreEnregistrementsJournal, 1);
        EXPECT_EQ(Edition.PositionJournal, 0);
        EXPECT_EQ(Etat.CheminDocument, "");
        EXPECT_EQ(Etat.NomEnregistrement, nomPropose);
        EXPECT_TRUE(Edition.DocumentModifie);
        // Save asks for a name.
        EXPECT_TRUE(principale.Enregistrer->isEnabled());
        EXPECT_FALSE(fs::exists(Etat.CheminJournalProvisoire));
        EXPECT_FALSE(fs::exists(Etat.CheminCopieDeBaseProvisoire));
    }

    // The files an interrupted run left, as bytes, put back before each start.
    void PoseFichiers(const std::map<std::string, std::string>& fichiers) const
    {
        for (const char* nom : {"Quivane0.tmp", "Quivane0.bak", "QuivaneFile0.tmp", "QuivaneFile0.bak"})
            fs::remove(Chemin(nom));
        for (const auto& [nom, octets] : fichiers)
            std::ofstream(Chemin(nom), std::ios::binary) << octets;
    }

    // A start of this instance number that answers "Oui" to the recovery question; the design it leaves.
    std::vector<std::string> Redemarre()
    {
        EtatDeDepart();
        Services.Question.Repond(ReponseOui);
        std::vector<std::string> conception;
        {
            TPrincipale principale;
            FormCreate(principale, {});
            conception = ConceptionRafraichie();
        }
        LibereSession();
        Services.Question.Verifie();
        return conception;
    }

    // The files left put back before each start; each start stopped at one more of its file operations, until one
    // runs to its end: the next start gives the design `attendue`, and the journal and base copy as one recovery
    // leaves them.
    void ReprendApresChaqueArret(const std::map<std::string, std::string>& laissees,
                                 const std::vector<std::string>& attendue);

    QProcess Instance;
    std::string DossierPrecedent;
};

// The files of a run that stops dead at one of its file operations: that operation and every later one that would
// change the disk do nothing and fail; reading goes on. A file written appears whole at its closing, or not at all.
class TFichiersInterrompus : public IFichiers
{
public:
    explicit TFichiersInterrompus(int operationsAvantArret) : OperationsAvantArret(operationsAvantArret) {}

    bool Existe(const std::string& chemin) override { return Disque.Existe(chemin); }
    bool Supprime(const std::string& chemin) override { return Continue() && Disque.Supprime(chemin); }
    bool Deplace(const std::string& ancien, const std::string& nouveau) override
    {
        return Continue() && Disque.Deplace(ancien, nouveau);
    }
    std::unique_ptr<ILectureTexte> OuvreLecture(const std::string& chemin) override
    {
        return Disque.OuvreLecture(chemin);
    }
    std::unique_ptr<IEcritureTexte> OuvreEcriture(const std::string& chemin, TCodage codage, TModeEcriture mode,
                                                  const std::string& sauvegarde) override
    {
        return std::make_unique<TEcriture>(*this, chemin, codage, mode, sauvegarde);
    }

    bool Arrete() const { return Operations > OperationsAvantArret; }

private:
    class TEcriture : public IEcritureTexte
    {
    public:
        TEcriture(TFichiersInterrompus& fichiers, std::string chemin, TCodage codage, TModeEcriture mode,
                  std::string sauvegarde)
            : Fichiers(fichiers), Chemin(std::move(chemin)), Codage(codage), Mode(mode),
              Sauvegarde(std::move(sauvegarde))
        {}
        bool EcritLigne(const std::string& ligne) override
        {
            Lignes.push_back(ligne);
            return true;
        }
        bool Termine() override
        {
            if (!Fichiers.Continue())
                return false;
            auto ecriture = Fichiers.Disque.OuvreEcriture(Chemin, Codage, Mode, Sauvegarde);
            for (const std::string& ligne : Lignes)
                ecriture->EcritLigne(ligne);
            return ecriture->Termine();
        }
        TErreurFichier Erreur() const override { return TErreurFichier::Aucune; }

    private:
        TFichiersInterrompus& Fichiers;
        std::string Chemin;
        TCodage Codage;
        TModeEcriture Mode;
        std::string Sauvegarde;
        std::vector<std::string> Lignes;
    };

    bool Continue() { return ++Operations <= OperationsAvantArret; }

    int OperationsAvantArret;
    int Operations = 0;
    TFichiersDisque Disque;
};

// Answers "Oui" to the recovery question and "Ok" to any message the run shows before it stops.
class TQuestionOui : public IQuestion
{
public:
    TReponse Pose(const TQuestion&) override { return ReponseOui; }
};

}

void Recuperation::ReprendApresChaqueArret(const std::map<std::string, std::string>& laissees,
                                           const std::vector<std::string>& attendue)
{
    TQuestionOui oui;
    bool arretee = true;
    for (int operations = 0; arretee; ++operations)
    {
        SCOPED_TRACE(operations);
        PoseFichiers(laissees);
        EtatDeDepart();
        TFichiersInterrompus interrompus(operations);
        ::Services().Fichiers = &interrompus;
        ::Services().Question = &oui;
        {
            TPrincipale principale;
            FormCreate(principale, {});
        }
        LibereSession();
        ::Services().Fichiers = &Services.Fichiers;
        ::Services().Question = &Services.Question;
        arretee = interrompus.Arrete();
        EXPECT_EQ(Ecarts(Redemarre(), attendue), "");
        EXPECT_EQ(LignesJournal(), (std::vector<std::string>{"-2", "0", Chemin("QuivaneFile0.tmp")}));
        EXPECT_FALSE(fs::exists(Chemin("Quivane0.bak")));
        EXPECT_FALSE(fs::exists(Chemin("QuivaneFile0.bak")));
    }
}

TEST_F(Recuperation, UneSessionTueeEstRetrouveeAvecSesModifications)
{
    ASSERT_TRUE(fs::exists(Programme())) << Programme();
    const fs::path aide = Programme().parent_path() / "Quivane.html";
    if (!fs::exists(aide) && !fs::exists(Programme().parent_path() / "Quivane.chm"))
        std::ofstream(aide) << "<html></html>\n";
    const auto lue = EcritConception();
    LanceEtTue(Chemin("base.qvd"));

    std::vector<std::string> modifiee;
    {
        Services.Question.Repond(ReponseOui);
        TPrincipale principale;
        FormCreate(principale, {});
        VerifieQuestion(0);
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), lue), "");
        VerifieRecuperation(principale, "base.qvd");

        // Changes made through the commands, then the run stops without closing again.
        EtatSaisie.Saisie.Texte = "254,55";
        ValideSaisie();
        EXPECT_EQ(Instrument.DiametreEntree, 254.6);
        Services.Question.Repond(ReponseNon);
        EffacerDispoExecute();
        EXPECT_EQ(Journal.NombreEnregistrementsJournal, 3);
        modifiee = ConceptionRafraichie();
        LibereSession();
    }
    EtatDeDepart();

    Services.Question.Repond(ReponseOui);
    TPrincipale principale;
    FormCreate(principale, {});
    VerifieQuestion(2);
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), modifiee), "");
    EXPECT_EQ(Instrument.DiametreEntree, 254.6);
    EXPECT_EQ(Dispositif.NombreDioptres, 1);
    // The journal now starts from the base copy, which the sheet's title names so.
    VerifieRecuperation(principale, "Fichier récupéré");

    // Closing asks to save the recovered design; "Non" ends the run and removes its files.
    Services.Question.Repond(ReponseNon);
    EXPECT_TRUE(FermeProgramme(true, principale.Geometrie()));
    ASSERT_EQ(Services.Question.Posees.size(), 4u);
    EXPECT_EQ(Services.Question.Posees[3].Titre, "Quivane - Confirmer");
    for (const char* nom : {"Quivane0.tmp", "QuivaneFile0.tmp", "Session0.tmp"})
    {
        SCOPED_TRACE(nom);
        EXPECT_FALSE(fs::exists(Chemin(nom)));
    }
}

TEST_F(Recuperation, NonEffaceLaSessionEtCommenceUneConceptionNouvelle)
{
    std::ofstream(Chemin("Quivane0.tmp")) << "-2\n0\n" << Chemin("base.qvd") << "\n1\n0\n250\n";
    std::ofstream(Chemin("QuivaneFile0.tmp")) << "<Quivane 3.3.0>\n";
    EtatDeDepart();
    Services.Question.Repond(ReponseNon);
    TPrincipale principale;
    FormCreate(principale, {});
    VerifieQuestion(0);
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Aucun);
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane");
    EXPECT_TRUE(LignesJournal().empty());
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 0);
    EXPECT_FALSE(fs::exists(Chemin("QuivaneFile0.tmp")));
    EXPECT_FALSE(Edition.DocumentModifie);
}

TEST_F(Recuperation, UnJournalVideNeDemandeRien)
{
    std::ofstream(Chemin("Quivane0.tmp")).flush();
    EtatDeDepart();
    TPrincipale principale;
    FormCreate(principale, {});
    EXPECT_TRUE(Services.Question.Posees.empty());
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane");
    EXPECT_FALSE(Edition.DocumentModifie);
}

TEST_F(Recuperation, UnJournalQuOnNePeutRecrireResteEntier)
{
    const auto lue = EcritConception();
    fs::copy_file(Chemin("base.qvd"), Chemin("QuivaneFile0.tmp"));
    const std::vector<std::string> journal = {"-2", "0", Chemin("base.qvd"), "1", "0", "230"};
    {
        std::ofstream fichier(Chemin("Quivane0.tmp"));
        for (const std::string& ligne : journal)
            fichier << ligne << '\n';
    }
    // The provisional journal cannot be made where a folder has its name.
    fs::create_directory(Chemin("Quivane0.bak"));
    EtatDeDepart();
    Services.Question.Repond(ReponseOui);
    Services.Question.Repond(ReponseOk);
    TPrincipale principale;
    FormCreate(principale, {});
    VerifieQuestion(0);
    ASSERT_EQ(Services.Question.Posees.size(), 2u);
    EXPECT_EQ(Services.Question.Posees[1].Titre, "Quivane - Récupération");
    EXPECT_EQ(Services.Question.Posees[1].Ligne1, "Erreur dans la récupération des données");
    EXPECT_EQ(LignesJournal(), journal);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 2);
    EXPECT_EQ(Instrument.DiametreEntree, 230);
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane - Fichier Récupéré");
}

TEST_F(Recuperation, UneConceptionRecupereeResteAEnregistrerSousUnNomQueLeJournalPropose)
{
    EcritConception();
    fs::copy_file(Chemin("base.qvd"), Chemin("QuivaneFile0.tmp"));
    std::ofstream(Chemin("Quivane0.tmp")) << "-2\n0\n" << Chemin("base.qvd") << "\n1\n0\n230\n";
    EtatDeDepart();
    Services.Question.Repond(ReponseOui);
    TPrincipale principale;
    FormCreate(principale, {});
    VerifieQuestion(0);
    // Back at the recovered design, which is saved nowhere yet.
    Modifie(SaisieDiametreEntreeNewton, 240);
    AnnulerExecute();
    EXPECT_EQ(Instrument.DiametreEntree, 230);
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane - Fichier Récupéré");
    EXPECT_EQ(Etat.CheminDocument, "");
    EXPECT_EQ(Etat.CheminAffiche, "Fichier Récupéré");
    EXPECT_TRUE(Edition.DocumentModifie);
    ASSERT_TRUE(principale.Enregistrer->isEnabled());

    // Save asks for a name, and proposes the one of the file the interrupted run had read.
    Services.DialoguesFichier.RepondEnregistreSous(Chemin("sauvee.qvd"));
    principale.Enregistrer->trigger();
    ASSERT_EQ(Services.DialoguesFichier.Demandes.size(), 1u);
    EXPECT_EQ(Services.DialoguesFichier.Demandes[0].Demande.Nom, "base");
    EXPECT_TRUE(fs::exists(Chemin("sauvee.qvd")));
    EXPECT_EQ(Etat.CheminDocument, Chemin("sauvee.qvd"));
    EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane - sauvee.qvd");
    EXPECT_FALSE(Edition.DocumentModifie);
}

TEST_F(Recuperation, UnJournalCoupeAChaqueOctetRedonneLaConceptionDeSesEnregistrementsEntiers)
{
    // A journal as the program writes it: a base read from a folder named with an accent, a typed value, a title and
    // a glass name with accents, then another file's instrument read.
    EcritConception();
    ConstruitFormeValide(TTypeInstrument::Newton);
    Etat.CheminDocument = Chemin("autre.qvd");
    ASSERT_TRUE(EcritFichierConception());
    fs::create_directory(Chemin("étoile"));
    fs::copy_file(Chemin("base.qvd"), Chemin("étoile/base.qvd"));
    EtatDeDepart();
    NommeFichiersSession(Dossier + "/", 0);
    Etat.DossierUtilisable = true;
    Lecture.NouveauJournal = true;
    ASSERT_TRUE(Ouvre(Chemin("étoile/base.qvd")));
    Modifie(SaisieDiametreEntreeNewton, 254.6);
    StockeTitreDispositif("Oculaire à 25 mm");
    AjouteEnregistrement({SaisieTitreDispositif, 0, "Oculaire à 25 mm"});
    Dispositif.MatiereDioptre[2] = "Verre é";
    AjouteEnregistrement({SaisieMatiereDioptre, 1, "Verre é"});
    Services.DialoguesFichier.RepondOuvre(Chemin("autre.qvd"));
    Services.Question.Repond(ReponseNon);
    LitInstrument();
    const std::string journal = Octets(Chemin("Quivane0.tmp"));
    const std::string copie = Octets(Chemin("QuivaneFile0.tmp"));
    ASSERT_EQ(Journal.NombreEnregistrementsJournal, 5);

    // The design a recovery of these bytes gives; nothing when no record is whole, and then no question.
    const auto recupere = [&](const std::string& octets) {
        PoseFichiers({{"Quivane0.tmp", octets}, {"QuivaneFile0.tmp", copie}});
        EtatDeDepart();
        NommeFichiersSession(Dossier + "/", 0);
        Etat.DossierUtilisable = true;
        if (!SessionInterrompue())
            return std::vector<std::string>{};
        Services.Question.Repond(ReponseOui);
        EXPECT_TRUE(RecupereSession());
        EXPECT_EQ(LignesJournal(), (std::vector<std::string>{"-2", "0", Chemin("QuivaneFile0.tmp")}));
        return ConceptionRafraichie();
    };
    // Each whole record ends with the third line end since the previous one.
    std::vector<std::vector<std::string>> parEnregistrements = {{}};
    std::vector<std::size_t> fins;
    for (std::size_t i = 0, lignes = 0; i < journal.size(); ++i)
        if (journal[i] == '\n' && ++lignes % 3 == 0)
            fins.push_back(i + 1);
    ASSERT_EQ(fins.size(), 5u);
    ASSERT_EQ(fins.back(), journal.size());
    for (std::size_t fin : fins)
        parEnregistrements.push_back(recupere(journal.substr(0, fin)));
    EXPECT_EQ(parEnregistrements[2][parEnregistrements[2].size() - 1], parEnregistrements[5].back());
    for (std::size_t coupe = 0; coupe <= journal.size(); ++coupe)
    {
        SCOPED_TRACE(coupe);
        const auto entiers = static_cast<std::size_t>(std::upper_bound(fins.begin(), fins.end(), coupe) - fins.begin());
        EXPECT_EQ(Ecarts(recupere(journal.substr(0, coupe)), parEnregistrements[entiers]), "");
    }
}

TEST_F(Recuperation, UneRecuperationArreteeAChacuneDeSesOperationsSeReprendAuDemarrageSuivant)
{
    // The session read a design, placed another file's lens behind its device (which adds rows: a replay done twice
    // shows), then changed the diameter.
    EcritConception();
    const std::map<std::string, std::string> laissees = {
        {"Quivane0.tmp", "-2\n0\n" + Chemin("base.qvd") + "\n-4\n0\n" + Chemin("base.qvd") + "\n1\n0\n230\n"},
        {"QuivaneFile0.tmp", Octets(Chemin("base.qvd"))},
    };
    PoseFichiers(laissees);
    const auto attendue = Redemarre();
    EXPECT_EQ(Dispositif.NombreDioptres, 4);
    EXPECT_EQ(Instrument.DiametreEntree, 230);
    // A second recovery of the rebuilt design gives it again, field for field.
    EXPECT_EQ(Ecarts(Redemarre(), attendue), "");

    ReprendApresChaqueArret(laissees, attendue);
}

// Every form's test design with its device, recovered after a session that placed the device behind itself and
// changed a diameter: a second recovery, and a recovery stopped at each of its file operations then resumed, give
// the design of one recovery, field for field, display settings included.
TEST_F(Recuperation, UneRecuperationArreteeSeReprendSurChaqueForme)
{
    using T = TTypeInstrument;
    for (const T forme : {T::Newton, T::Cassegrain, T::RitcheyChretien, T::Gregory, T::Schmidt, T::SchmidtCassegrain,
                          T::Maksutov, T::MaksutovNewton, T::MaksutovCassegrain, T::Schwarzschild, T::DallKirkham,
                          T::KlevtsovCassegrain, T::LurieHoughton, T::HoughtonCassegrain, T::SchmidtNewton, T::Lunette})
    {
        SCOPED_TRACE(static_cast<int>(forme));
        EtatDeDepart();
        SeparateurDecimal = SeparateurDecimalDuSysteme();
        ConstruitFormeValide(forme);
        PoseDispositif();
        AppliqueIndices();
        const std::string base = Chemin("base.qvd");
        Etat.CheminDocument = base;
        ASSERT_TRUE(EcritFichierConception());
        const std::map<std::string, std::string> laissees = {
            {"Quivane0.tmp", "-2\n0\n" + base + "\n-4\n0\n" + base + "\n2003\n1\n28\n"},
            {"QuivaneFile0.tmp", Octets(base)},
        };
        PoseFichiers(laissees);
        const auto attendue = Redemarre();
        EXPECT_EQ(Dispositif.DiametreDioptre[1], 28);
        EXPECT_EQ(Ecarts(Redemarre(), attendue), "");
        ReprendApresChaqueArret(laissees, attendue);
    }
}

TEST_F(Recuperation, UnFichierNommeAuDemarrageAttendLaQuestionDeRecuperation)
{
    ASSERT_TRUE(fs::exists(Programme())) << Programme();
    EcritConception();
    ConstruitFormeValide(TTypeInstrument::Newton);
    Etat.CheminDocument = Chemin("autre.qvd");
    ASSERT_TRUE(EcritFichierConception());
    EtatDeDepart();
    LanceEtTue(Chemin("base.qvd"));
    // The killed run had changed the diameter.
    std::ofstream(Chemin("Quivane0.tmp"), std::ios::app) << "1\n0\n230\n";
    const std::map<std::string, std::string> laissees = {{"Quivane0.tmp", Octets(Chemin("Quivane0.tmp"))},
                                                         {"QuivaneFile0.tmp", Octets(Chemin("QuivaneFile0.tmp"))}};
    for (const TReponse reponse : {ReponseOui, ReponseNon})
    {
        SCOPED_TRACE(reponse);
        PoseFichiers(laissees);
        EtatDeDepart();
        Services.Question.Repond(reponse);
        TPrincipale principale;
        FormCreate(principale, {Chemin("autre.qvd")});
        VerifieQuestion(Services.Question.Posees.size() - 1);
        if (reponse == ReponseOui)
        {
            EXPECT_EQ(Instrument.DiametreEntree, 230);
            VerifieRecuperation(principale, "base.qvd");
        }
        else
        {
            // Declined, the session's files go and the named file opens.
            EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Newton);
            EXPECT_EQ(LignesJournal(), (std::vector<std::string>{"-2", "0", Chemin("autre.qvd")}));
            EXPECT_EQ(principale.windowTitle().toStdString(), Chemin("autre.qvd") + " ");
        }
        LibereSession();
    }
}

// A session that started from the empty sheet has no file: its recovered design is headed as recovered, not as a new
// design.
TEST_F(Recuperation, UneConceptionSansFichierRecupereeEnPorteLeTitre)
{
    {
        EtatDeDepart();
        TPrincipale principale;
        FormCreate(principale, {});
        ASSERT_TRUE(ChoisitTypeInstrument("Télescope de Newton"));
        Modifie(SaisieDiametreEntreeNewton, 240);
        LibereSession();
    }
    EtatDeDepart();
    Services.Question.Repond(ReponseOui);
    TPrincipale principale;
    FormCreate(principale, {});
    VerifieQuestion(0);
    ASSERT_EQ(Instrument.DiametreEntree, 240);
    // The heading is "Simulation optique de : Fichier récupéré", which names the design so.
    EXPECT_EQ(Etat.NomEnregistrement, "Fichier récupéré");
}
