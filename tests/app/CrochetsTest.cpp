// The program's wiring as its start-up installs it: the design's resets leave the document unnamed, a double click
// on the drawing goes to the single star and back, the star distance's box prepares the single star.
#include "app/Etat.h"
#include "app/Vues.h"
#include "editing/ClicsFiche.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "sheet/Fiche.h"
#include "stars/EtoileUnique.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

namespace {

void NommeDocument()
{
    Etat.CheminDocument = "/tmp/lunette.qvd";
    Etat.CheminAffiche = "lunette.qvd";
    Etat.NomEnregistrement = "/tmp/lunette.qvd";
    Etat.DocumentNomme = true;
}

}

TEST(Crochets, LesRemisesAZeroLaissentLeDocumentSansNom)
{
    for (const bool instrument : {false, true})
    {
        SCOPED_TRACE(instrument ? "instrument" : "dispositif");
        ConstruitFormeValide(TTypeInstrument::KlevtsovCassegrain);
        NommeDocument();
        Controles.LigneMiroir.Visible = Controles.LigneMiroirActive.Visible = true;
        if (instrument)
            InitialiseInstrument();
        else
            InitialiseDispositif();
        EXPECT_TRUE(Etat.CheminDocument.empty());
        EXPECT_TRUE(Etat.NomEnregistrement.empty());
        EXPECT_FALSE(Etat.DocumentNomme);
        // The caption keeps the path shown; only a new instrument has no mirror row left to edit.
        EXPECT_EQ(Etat.CheminAffiche, "lunette.qvd");
        EXPECT_EQ(Controles.LigneMiroir.Visible, !instrument);
        EXPECT_EQ(Controles.LigneMiroirActive.Visible, !instrument);
    }
}

TEST(Crochets, UnDoubleClicPasseALEtoileUniqueEtRevient)
{
    ConstruitFormeValide(TTypeInstrument::Newton);
    Etat.VueCourante = TVue::EtoileMultiple;
    const auto seul = [](TBoutonVue bouton) {
        std::array<bool, 5> boutons{};
        boutons[static_cast<std::size_t>(bouton)] = true;
        return boutons;
    };

    EXPECT_EQ(DessinDoubleClic(), "Double-clic sur l'image pour afficher en mode Etoile Unique");
    EXPECT_EQ(Etat.VueCourante, TVue::EtoileUnique);
    EXPECT_TRUE(Etat.RetourEtoileMultiple);
    EXPECT_EQ(Etat.BoutonsVue, seul(TBoutonVue::Unique));

    EXPECT_EQ(DessinDoubleClic(), "");
    EXPECT_EQ(Etat.VueCourante, TVue::EtoileMultiple);
    EXPECT_FALSE(Etat.RetourEtoileMultiple);
    EXPECT_EQ(Etat.BoutonsVue, seul(TBoutonVue::Etoiles));

    // Back on the single star without a way back, or on the sheet: nothing changes.
    for (const TVue vue : {TVue::EtoileUnique, TVue::Tableau})
    {
        Etat.VueCourante = vue;
        EXPECT_EQ(DessinDoubleClic(), std::nullopt);
        EXPECT_EQ(Etat.VueCourante, vue);
        EXPECT_EQ(Etat.BoutonsVue, seul(TBoutonVue::Etoiles));
    }
}

TEST(Crochets, LaBoiteDeDistancePrepareLEtoileUnique)
{
    EtatEtoileUnique.MessageRayonPrincipalAffiche = true;
    EtatEtoileUnique.DistanceAxeEtoileValide = 3;
    Reglages.DistanceAxeEtoile = 12;
    PortsClicsFiche.PrepareDistanceEtoile();
    EXPECT_FALSE(EtatEtoileUnique.MessageRayonPrincipalAffiche);
    EXPECT_EQ(EtatEtoileUnique.DistanceAxeEtoileValide, 12);
}
