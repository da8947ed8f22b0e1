// Undo and redo with the main window's resets in place: the design goes back, the document keeps the name it was
// last saved under.
#include "JournalTest.h"
#include "doubles/ApplicationQt.h"

#include "app/AnnulerRefaire.h"
#include "app/Enregistrement.h"
#include "app/Principale.h"
#include "app/Vues.h"
#include "editing/ListeTypes.h"

#include <QAction>
#include <QToolButton>

#include <optional>

namespace {

class AnnulerRefaire : public JournalTest
{
protected:
    void SetUp() override
    {
        JournalTest::SetUp();
        AssureApplicationQt();
    }
};

}

TEST_F(AnnulerRefaire, LeDocumentEnregistreSousUnNomGardeCeNom)
{
    for (const bool ouvert : {true, false})
    {
        SCOPED_TRACE(ouvert ? "ouvert puis enregistré sous un autre nom" : "nouveau puis enregistré");
        if (ouvert)
            OuvreBase(TTypeInstrument::Cassegrain);
        else
        {
            ReinitialiseEtat();
            VideJournal();
            ASSERT_TRUE(ChoisitTypeInstrument("Télescope de Newton"));
        }
        const std::string base = Octets(Chemin("base.qvd"));
        // The window installs the resets that leave a design unnamed.
        TPrincipale principale;
        Services.DialoguesFichier.RepondEnregistreSous(Chemin("b.qvd"));
        EnregistreDocumentSous();
        ASSERT_TRUE(OperationFichierReussie);
        Modifie(SaisieDiametreEntreeNewton, 230);

        for (void (*commande)() : {AnnulerExecute, RetablirExecute})
        {
            commande();
            ConceptionRafraichie();
            EXPECT_EQ(Etat.CheminDocument, Chemin("b.qvd"));
            EXPECT_EQ(Etat.CheminAffiche, Chemin("b.qvd"));
            EXPECT_EQ(Etat.NomEnregistrement, Chemin("b.qvd"));
            EXPECT_TRUE(Etat.DocumentNomme);
            EXPECT_EQ(principale.windowTitle().toStdString(), "Quivane - b.qvd");
        }
        EXPECT_EQ(Instrument.DiametreEntree, 230);
        EnregistreDocument();
        EXPECT_TRUE(OperationFichierReussie);
        EXPECT_EQ(Octets(Chemin("base.qvd")), base) << "le fichier ouvert d'abord n'est pas écrasé";
        std::filesystem::remove(Chemin("b.qvd"));
        std::filesystem::remove(Chemin("b.bak"));
        std::filesystem::remove(Chemin("base.qvd"));
    }
}

TEST_F(AnnulerRefaire, LaVueResteEtLaConceptionEnregistreeRedevientNonModifiee)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    TPrincipale principale;
    // The user looks at the sheet alone; reading the base again must not press "Instrument".
    Etat.BoutonsVue = {};
    ConceptionRafraichie();
    ASSERT_EQ(Etat.VueCourante, TVue::Tableau);
    Modifie(SaisieDiametreEntreeNewton, 230);
    Services.DialoguesFichier.RepondEnregistreSous(Chemin("b.qvd"));
    EnregistreDocumentSous();
    ASSERT_TRUE(OperationFichierReussie);
    Modifie(SaisieDiametreEntreeNewton, 240);

    // Position: the records replayed; whether the design then differs from the file saved at two records.
    const std::vector<std::pair<void (*)(), bool>> pas = {{AnnulerExecute, false},  {AnnulerExecute, true},
                                                          {RetablirExecute, false}, {RetablirExecute, true},
                                                          {AnnulerExecute, false},  {AnnulerExecute, true}};
    for (std::size_t k = 0; k < pas.size(); ++k)
    {
        SCOPED_TRACE(k);
        pas[k].first();
        EXPECT_EQ(Edition.DocumentModifie, pas[k].second);
        EXPECT_EQ(Etat.VueCourante, TVue::Tableau);
        EXPECT_FALSE(principale.ToolInstrument->isChecked());
    }
    // A change after the undo cuts the records the file held: no position gives that design again.
    Modifie(SaisieDiametreEntreeNewton, 250);
    AnnulerExecute();
    EXPECT_TRUE(Edition.DocumentModifie);
}

// The Schmidt-Newton's length and the mirror-only Schmidt-Cassegrain's depend on the primary's drawn thickness. Seen
// in a view without the section, they are the same whether or not a section was drawn, whatever thicknesses an
// earlier drawing of another design left, and an undo gives back the length shown before the change.
TEST_F(AnnulerRefaire, UneLongueurDependantDeLEpaisseurDessineeRevientApresAnnulation)
{
    struct TCas
    {
        const char* Nom;
        TTypeInstrument Forme;
        void (*Retouche)();
        std::optional<TBoutonVue> Vue; // none: the sheet alone
    };
    const TCas cas[] = {
        {"Schmidt-Newton, tableau", TTypeInstrument::SchmidtNewton, nullptr, std::nullopt},
        {"Schmidt-Newton, champ", TTypeInstrument::SchmidtNewton, nullptr, TBoutonVue::Champ},
        {"Schmidt-Cassegrain sans secondaire, tableau", TTypeInstrument::SchmidtCassegrain,
         [] { Instrument.DiametreSecondaire = 0; }, std::nullopt},
    };
    TPrincipale principale;
    const auto longueur = [] {
        Edition.AMettreAJour = true;
        RafraichitVue();
        return Instrument.LongueurInstrument;
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        OuvreBase(c.Forme, false, c.Retouche);
        Etat.BoutonsVue = {};
        if (c.Vue)
            EnfonceSeul(*c.Vue);
        Instrument.EpaisseurPrimaireDessin = 37;
        Instrument.EpaisseurCentrePrimaireDessin = 37;
        const double sansCoupe = longueur();
        ASSERT_NE(Etat.VueCourante, TVue::Instrument);
        DessineCoupeUneFois();
        const double avant = longueur();
        EXPECT_EQ(avant, sansCoupe);

        Modifie(SaisieDistanceLameMiroir, Instrument.DistanceLameMiroir + 40);
        ASSERT_NE(longueur(), avant);
        AnnulerExecute();
        EXPECT_EQ(longueur(), avant);
    }
}
