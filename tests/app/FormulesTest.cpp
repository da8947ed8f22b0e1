// The formula commands of the menu "F&ormules" as the user runs them: the Barlow's choice and limits, the save
// question first (Annuler changes nothing, journal included), the eyepiece dialog's answers, the document keeping
// its path and names, and undo, redo and recovery rebuilding the same design.
#include "JournalTest.h"

#include "app/AnnulerRefaire.h"
#include "app/Demarrage.h"
#include "app/Formules.h"
#include "app/Rejeu.h"
#include "dialogs/OculaireChoixCalcul.h"
#include "dialogs/RossCalcul.h"
#include "editing/ChoixVerre.h"
#include "optics/Sentinelles.h"
#include "support/Verres.h"

#include <optional>

namespace {

std::optional<TChoixOculaire> ChoixScripte;
std::vector<TEtatDispositifOculaire> EtatsMontres;
// The Ross dialog's answer, and the presets it was shown with.
std::optional<TSaisieRoss> SaisieRossScriptee;
std::vector<TSaisieRoss> PresetsMontres;

// A catalogue holding a glass the built-in table lacks.
TCatalogueLu CatalogueVerreX()
{
    TMatiereCatalogue m;
    m.Lignes[0] = "Verre X";
    m.Lignes[8] = "1,601000";
    m.Lignes[13] = "1,605000";
    m.Lignes[17] = "1,620000";
    return {{m}, false};
}

// The dialog's presets with the glass chosen in that catalogue.
TSaisieRoss SaisieVerreX()
{
    TSaisieRoss saisie = SaisieRossInitiale();
    saisie.Verre = VerreRossChoisi({"Verre X", "1,601000", "1,605000", "1,620000"});
    return saisie;
}

class Formules : public JournalTest
{
protected:
    void SetUp() override
    {
        JournalTest::SetUp();
        ChoixScripte.reset();
        EtatsMontres.clear();
        PortsOculaire.Montre = [](TEtatDispositifOculaire etat) {
            EtatsMontres.push_back(etat);
            return ChoixScripte;
        };
        SaisieRossScriptee.reset();
        PresetsMontres.clear();
        PortsRoss.Montre = [](const TSaisieRoss& presets) {
            PresetsMontres.push_back(presets);
            return SaisieRossScriptee;
        };
    }

    // A focal device of `n` rows typed after the base was read, its last thickness `derniere`.
    static void DispositifSaisi(int n, double derniere)
    {
        for (int i = 1; i <= n; ++i)
        {
            const bool verre = i % 2 == 1 && i < n;
            LigneDispositif(i, i % 2 == 1 ? 100 : -100, i == n ? derniere : 5, 30, verre ? BK7 : Air);
        }
        Dispositif.NombreDioptres = n;
        Edition.DocumentModifie = true;
    }

    // What a command that does nothing leaves as it was.
    struct TEtatVisible
    {
        std::vector<std::string> Conception;
        TNomsDocument Noms;
        std::vector<std::string> Journal;
        bool Modifie;
        bool operator==(const TEtatVisible& autre) const
        {
            return Conception == autre.Conception && Noms.CheminDocument == autre.Noms.CheminDocument &&
                   Noms.NomEnregistrement == autre.Noms.NomEnregistrement && Journal == autre.Journal &&
                   Modifie == autre.Modifie;
        }
    };
    TEtatVisible Visible() const
    {
        return {ConceptionRafraichie(), NomsDocument(), LignesJournal(), Edition.DocumentModifie};
    }

    std::vector<TEnregistrementJournal> Enregistrements() const
    {
        std::vector<TEnregistrementJournal> e;
        LitJournal(Journal.NombreEnregistrementsJournal, e);
        return e;
    }
    TEnregistrementJournal Dernier() const { return Enregistrements().back(); }
};

const char* const QuestionBarlow = "Quivane - Barlow / Voulez-vous remplacer le dispositif dioptrique en cours?";
const char* const QuestionEnregistrement = "Quivane - Confirmer / Voulez-vous enregistrer :";

TEST_F(Formules, BarlowSansDispositifNiQuestion)
{
    OuvreBase(TTypeInstrument::Newton, false);
    const TNomsDocument noms = NomsDocument();
    BarlowExecute();
    EXPECT_TRUE(Services.Question.Posees.empty());
    EXPECT_EQ(Dispositif.NombreDioptres, 3);
    EXPECT_EQ(Dispositif.RayonDioptre[1], 515.0);
    EXPECT_EQ(Dernier().Code, CodeJournalBarlow);
    EXPECT_EQ(Dernier().Index, 1);
    EXPECT_EQ(Etat.CheminDocument, noms.CheminDocument);
    EXPECT_EQ(Etat.NomEnregistrement, noms.NomEnregistrement);
    EXPECT_TRUE(Edition.DocumentModifie);
}

TEST_F(Formules, BarlowChoisitPuisDemandeLEnregistrement)
{
    struct TCas
    {
        const char* Nom;
        int Lignes;
        double Derniere;
        TReponse Choix; // 0: no choice asked
        TReponse Enregistrement; // 0: no save question
        int LignesApres; // 0: nothing changed
        std::vector<std::string> Boites;
    };
    const std::string limite = "Quivane - Barlow / Le tableau ne peut pas contenir plus de 30 lignes. On ne peut pas "
                               "lui ajouter cette Barlow.";
    const std::string place = "Quivane - Calcul de la Barlow / La dernière épaisseur est trop petite, il n'y a pas "
                              "assez de place pour cette Barlow.";
    const TCas cas[] = {
        {"derriere", 5, 100, ReponseNon, ReponseNon, 8, {QuestionBarlow, QuestionEnregistrement}},
        {"a la place", 5, 100, ReponseOui, ReponseNon, 3, {QuestionBarlow, QuestionEnregistrement}},
        {"Annuler", 5, 100, ReponseNon, ReponseAnnuler, 0, {QuestionBarlow, QuestionEnregistrement}},
        {"afocal", 5, EpaisseurInfinie, 0, ReponseNon, 3, {QuestionEnregistrement}},
        {"28 lignes", 28, 100, ReponseNon, 0, 0, {QuestionBarlow, limite}},
        {"27 lignes", 27, 100, ReponseNon, ReponseNon, 30, {QuestionBarlow, QuestionEnregistrement}},
        {"trop pres", 5, 58, ReponseNon, ReponseNon, 0, {QuestionBarlow, QuestionEnregistrement, place}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        OuvreBase(TTypeInstrument::Newton, false);
        DispositifSaisi(c.Lignes, c.Derniere);
        Services.Question.Posees.clear();
        if (c.Choix != 0)
            Services.Question.Repond(c.Choix);
        if (c.Enregistrement != 0)
            Services.Question.Repond(c.Enregistrement);
        if (c.Boites.size() == 3 || c.Boites.back() == limite)
            Services.Question.Repond(ReponseOk);
        const TEtatVisible avant = Visible();
        BarlowExecute();
        EXPECT_EQ(Boites(), c.Boites);
        if (c.LignesApres == 0)
        {
            EXPECT_TRUE(Visible() == avant);
            continue;
        }
        EXPECT_EQ(Dispositif.NombreDioptres, c.LignesApres);
        EXPECT_EQ(Dernier().Code, CodeJournalBarlow);
        EXPECT_EQ(Dernier().Index, c.LignesApres == 3 ? 1 : 0);
        if (c.LignesApres == 8)
        {
            EXPECT_NEAR(Dispositif.EpaisseurDioptre[5], 42.099, 1e-9);
        }
        EXPECT_EQ(NomsDocument().CheminDocument, avant.Noms.CheminDocument);
    }
}

// "Oui" on a design never saved: the Save as dialog first; the formula then leaves the new name in place.
TEST_F(Formules, OuiEnregistreAvantLaFormuleQuiGardeLeNouveauNom)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    Edition.DocumentModifie = true;
    Services.Question.Repond(ReponseOui);
    Services.DialoguesFichier.RepondEnregistreSous(Chemin("nouveau.qvd"));
    BarlowExecute();
    EXPECT_EQ(Etat.CheminDocument, Chemin("nouveau.qvd"));
    EXPECT_EQ(Etat.NomEnregistrement, Chemin("nouveau.qvd"));
    EXPECT_TRUE(Etat.DocumentNomme);
    EXPECT_TRUE(std::filesystem::exists(Chemin("nouveau.qvd")));
    EXPECT_EQ(Dispositif.NombreDioptres, 3);
    EXPECT_TRUE(Edition.DocumentModifie);

    // A cancelled Save as stops the command.
    const auto avant = ConceptionRafraichie();
    Services.Question.Repond(ReponseOui);
    Services.DialoguesFichier.RepondEnregistreSous(std::nullopt);
    Etat.CheminDocument.clear();
    OculaireAExecute();
    EXPECT_TRUE(EtatsMontres.empty());
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), avant), "");
}

TEST_F(Formules, OculaireLesReponsesDuDialogue)
{
    struct TCas
    {
        const char* Nom;
        std::optional<TChoixOculaire> Choix;
        bool Ecrit;
        std::vector<std::string> Boites;
    };
    using P = TPlacementOculaire;
    const TCas cas[] = {
        {"Plössl a la place", TChoixOculaire{"Plössl", "25", P::RemplaceDispositif}, true, {}},
        {"Huygens derriere", TChoixOculaire{"Huygens", "20", P::DerriereDispositif}, true, {}},
        {"Annuler", std::nullopt, false, {}},
        {"pas un nombre", TChoixOculaire{"Plössl", "abc", P::RemplaceDispositif}, false, {}},
        {"trop courte",
         TChoixOculaire{"Plössl", "0,04", P::RemplaceDispositif},
         false,
         {"Quivane - Focale oculaire / Cette distance focale est trop courte."}},
        {"trop loin du foyer",
         TChoixOculaire{"Ethos", "25", P::DerriereDispositif},
         false,
         {"Quivane - Incompatible / Incompatible : L'espace libre après le dernier dioptre est insuffisant."}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        OuvreBase(TTypeInstrument::Newton);
        Services.Question.Posees.clear();
        for (std::size_t k = 0; k < c.Boites.size(); ++k)
            Services.Question.Repond(ReponseOk);
        EtatsMontres.clear();
        ChoixScripte = c.Choix;
        const TEtatVisible avant = Visible();
        OculaireAExecute();
        EXPECT_EQ(EtatsMontres, std::vector{TEtatDispositifOculaire::ValideFocal});
        EXPECT_EQ(Boites(), c.Boites);
        if (!c.Ecrit)
        {
            EXPECT_TRUE(Visible() == avant);
            continue;
        }
        EXPECT_EQ(Dernier().Code, CodeJournalOculaire);
        EXPECT_TRUE(Validite.SystemeAfocal);
        EXPECT_EQ(NomsDocument().CheminDocument, avant.Noms.CheminDocument);
        EXPECT_EQ(NomsDocument().NomEnregistrement, avant.Noms.NomEnregistrement);
    }
}

TEST_F(Formules, OculaireAnnulerALaQuestionNeMontrePasLeDialogue)
{
    OuvreBase(TTypeInstrument::Newton);
    Edition.DocumentModifie = true;
    Services.Question.Repond(ReponseAnnuler);
    ChoixScripte = TChoixOculaire{"Kepler", "10", TPlacementOculaire::RemplaceDispositif};
    const TEtatVisible avant = Visible();
    OculaireAExecute();
    EXPECT_TRUE(EtatsMontres.empty());
    EXPECT_TRUE(Visible() == avant);
}

// Each formula's record, undone, redone and replayed from the journal alone by a fresh program state, rebuilds the
// design the command made.
TEST_F(Formules, AnnulerRetablirEtRecupererRefontLaMemeConception)
{
    struct TCas
    {
        const char* Nom;
        void (*Commande)();
        std::optional<TChoixOculaire> Choix;
        TReponse Reponse;
        std::optional<TSaisieRoss> Ross = std::nullopt;
    };
    using P = TPlacementOculaire;
    const TCas cas[] = {
        {"Barlow a la place", BarlowExecute, std::nullopt, ReponseOui},
        {"Barlow derriere", BarlowExecute, std::nullopt, ReponseNon},
        {"Nagler a la place", OculaireAExecute, TChoixOculaire{"Nagler 1", "13", P::RemplaceDispositif}, 0},
        {"Dollond derriere", OculaireAExecute, TChoixOculaire{"Dollond", "9", P::DerriereDispositif}, 0},
        {"Ross propose", RossQuivaneExecute, std::nullopt, 0},
        {"Ross selon les valeurs proposees", RossSpecialExecute, std::nullopt, 0, SaisieRossInitiale()},
        {"Ross d'un verre du seul catalogue", RossSpecialExecute, std::nullopt, 0, SaisieVerreX()},
        {"Ross d'un verre integre ecrit autrement", RossSpecialExecute, std::nullopt, 0,
         TSaisieRoss{-4, 70, 40, {"LAK7", {}}}},
        {"Wynne", WynneExecute, std::nullopt, 0},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        PortsCatalogue.Lit = CatalogueVerreX;
        SaisieRossScriptee = c.Ross;
        OuvreBase(TTypeInstrument::Newton);
        Dispositif.EpaisseurDioptre[2] = 100;
        AjouteEnregistrement({SaisieEpaisseurDioptre, 2, "100"});
        const auto base = ConceptionRafraichie();
        if (c.Reponse != 0)
            Services.Question.Repond(c.Reponse);
        ChoixScripte = c.Choix;
        c.Commande();
        ASSERT_EQ(Journal.NombreEnregistrementsJournal, 3);
        const auto faite = ConceptionRafraichie();
        EXPECT_NE(faite, base);

        AnnulerExecute();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), base), "");
        RetablirExecute();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), faite), "");

        const TEtatApplication etat = Etat;
        ReinitialiseEtat();
        Journal = TJournal{};
        Etat = TEtatApplication{};
        Etat.CheminJournal = etat.CheminJournal;
        Etat.CheminCopieDeBase = etat.CheminCopieDeBase;
        Etat.VueCourante = TVue::Tableau;
        std::vector<TEnregistrementJournal> enregistrements;
        ASSERT_TRUE(LitJournal(3, enregistrements));
        AdopteJournal(std::move(enregistrements), true);
        Edition.PositionJournal = 3;
        ASSERT_TRUE(RejoueJournal());
        Edition.PositionJournal = 0;
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), faite), "");
    }
}

// The corrector commands ask the save question first: a design not modified is not asked; Annuler, or a Save as
// cancelled, changes nothing; Oui on a design never saved saves it first. The document keeps its names.
TEST_F(Formules, CorrecteursLaQuestionDEnregistrementDAbord)
{
    struct TCommande
    {
        const char* Nom;
        void (*Execute)();
        int Lignes;
    };
    const TCommande commandes[] = {
        {"Ross propose", RossQuivaneExecute, 4}, {"Ross specifie", RossSpecialExecute, 4}, {"Wynne", WynneExecute, 6}};
    for (const TCommande& commande : commandes)
    {
        SCOPED_TRACE(commande.Nom);
        SaisieRossScriptee = SaisieRossInitiale();

        OuvreBase(TTypeInstrument::Newton);
        Services.Question.Posees.clear();
        const TNomsDocument noms = NomsDocument();
        commande.Execute();
        EXPECT_TRUE(Services.Question.Posees.empty());
        EXPECT_EQ(Dispositif.NombreDioptres, commande.Lignes);
        EXPECT_EQ(NomsDocument().CheminDocument, noms.CheminDocument);
        EXPECT_EQ(NomsDocument().NomEnregistrement, noms.NomEnregistrement);

        OuvreBase(TTypeInstrument::Newton);
        Edition.DocumentModifie = true;
        Services.Question.Posees.clear();
        Services.Question.Repond(ReponseAnnuler);
        PresetsMontres.clear();
        const TEtatVisible avant = Visible();
        commande.Execute();
        EXPECT_EQ(Boites(), std::vector<std::string>{QuestionEnregistrement});
        EXPECT_TRUE(PresetsMontres.empty());
        EXPECT_TRUE(Visible() == avant);

        ConstruitFormeValide(TTypeInstrument::Newton);
        RemetNomsDocument(TNomsDocument{});
        Edition.DocumentModifie = true;
        Services.Question.Posees.clear();
        Services.Question.Repond(ReponseOui);
        const std::string nouveau = Chemin(std::string(commande.Nom) + ".qvd");
        Services.DialoguesFichier.RepondEnregistreSous(nouveau);
        commande.Execute();
        EXPECT_TRUE(std::filesystem::exists(nouveau));
        EXPECT_EQ(Etat.CheminDocument, nouveau);
        EXPECT_EQ(Etat.NomEnregistrement, nouveau);
        EXPECT_EQ(Dispositif.NombreDioptres, commande.Lignes);
        EXPECT_TRUE(Edition.DocumentModifie);
    }
}

// The dialog always opens on the proposed values; Cancel, and a corrector the formula cannot build, change nothing.
TEST_F(Formules, RossSelonVosSpecificationsRefusOuAnnulation)
{
    struct TCas
    {
        const char* Nom;
        double Focale;
        std::optional<TSaisieRoss> Saisie;
        bool Refus;
    };
    TSaisieRoss large = SaisieRossInitiale();
    large.Diametre = 100;
    TSaisieRoss vide = SaisieRossInitiale();
    vide.Verre = VerreRossChoisi({"Vide", "1", "1", "1"});
    const TCas cas[] = {
        {"Annuler", 1000, std::nullopt, false},
        {"diametre de 100", 1000, large, true},
        {"verre vide", 1000, vide, true},
        {"focale de 60", 60, SaisieRossInitiale(), true},
        {"focale de 50", 50, SaisieRossInitiale(), true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        OuvreBase(TTypeInstrument::Newton);
        if (c.Focale != 1000)
        {
            Modifie(SaisieFocalePrimaireNewton, c.Focale);
            Edition.DocumentModifie = false;
        }
        Services.Question.Posees.clear();
        if (c.Refus)
            Services.Question.Repond(ReponseOk);
        SaisieRossScriptee = c.Saisie;
        PresetsMontres.clear();
        const TEtatVisible avant = Visible();
        RossSpecialExecute();
        ASSERT_EQ(PresetsMontres.size(), 1u);
        EXPECT_EQ(PresetsMontres[0].Puissance, -5.4f);
        EXPECT_EQ(PresetsMontres[0].Distance, 60);
        EXPECT_EQ(PresetsMontres[0].Diametre, 50);
        EXPECT_EQ(PresetsMontres[0].Verre.Nom, "BK7");
        EXPECT_EQ(Boites(),
                  c.Refus ? std::vector<std::string>{"Quivane / Calcul impossible car"} : std::vector<std::string>{});
        EXPECT_TRUE(Visible() == avant);
        for (const std::string& ligne : Visible().Conception)
            EXPECT_EQ(ligne.find("nan"), std::string::npos) << ligne;
    }

    // The proposed corrector is refused as well where the focus is not beyond it.
    OuvreBase(TTypeInstrument::Newton);
    Modifie(SaisieFocalePrimaireNewton, 60);
    Edition.DocumentModifie = false;
    Services.Question.Posees.clear();
    Services.Question.Repond(ReponseOk);
    const TEtatVisible avant = Visible();
    RossQuivaneExecute();
    EXPECT_EQ(Boites(), std::vector<std::string>{"Quivane / Calcul impossible car"});
    EXPECT_TRUE(Visible() == avant);
}

} // namespace
