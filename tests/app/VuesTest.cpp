// The view commands: each presses its button or releases it when its view is shown; the refresh names the view.
#include "app/Etat.h"
#include "app/Vues.h"
#include "optics/Modele.h"

#include <gtest/gtest.h>

namespace {

class Vues : public testing::Test
{
protected:
    void SetUp() override
    {
        Etat = TEtatApplication{};
        Systeme.CalculInterrompu = false;
        Etat.VueCourante = "Tableau";
    }
    void TearDown() override { Etat = TEtatApplication{}; }
};

}

TEST_F(Vues, UneCommandeDeVueBascule)
{
    struct TCas
    {
        const char* Nom;
        void (*Commande)();
        const char* Vue;
        TBoutonVue Bouton;
    };
    const TCas cas[] = {
        {"Instrument", AfficheInstrumentExecute, "Instrument", TBoutonVue::Instrument},
        {"Dispositif", AfficheDispositifdioptriqueExecute, "Dispositif", TBoutonVue::Dispositif},
        {"Champ", AnalyseduchampExecute, "Champ", TBoutonVue::Champ},
        {"Etoiles", EtoileMultipleExecute, "Etoile Multiple", TBoutonVue::Etoiles},
        {"Unique", EtoileUniqueExecute, "Etoile Unique", TBoutonVue::Unique},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.Nom);
        SetUp();
        Etat.BoutonsVue.fill(true);
        c.Commande();
        EXPECT_EQ(Etat.VueCourante, c.Vue);
        for (std::size_t i = 0; i < Etat.BoutonsVue.size(); ++i)
            EXPECT_EQ(Etat.BoutonsVue[i], i == static_cast<std::size_t>(c.Bouton));
        c.Commande();
        EXPECT_EQ(Etat.VueCourante, "Tableau");
        for (bool enfonce : Etat.BoutonsVue)
            EXPECT_FALSE(enfonce);
    }
}

TEST_F(Vues, LesVuesDesAnalysesRelancentUnCalculInterrompu)
{
    Systeme.CalculInterrompu = true;
    AnalyseduchampExecute();
    EXPECT_FALSE(Systeme.CalculInterrompu);
    EXPECT_EQ(Etat.VueCourante, "Champ");
}

TEST_F(Vues, UnRetourParDoubleClicGardeLaVueUnique)
{
    Etat.VueCourante = "Etoile Unique";
    Etat.RetourChamp = true;
    Etat.BoutonsVue = {false, false, true, false, true};
    EXPECT_EQ(VueDesBoutons(Etat.VueCourante), "Etoile Unique");
    Etat.BoutonsVue = {false, false, true, false, false};
    EXPECT_EQ(VueDesBoutons("Dispositif"), "Dispositif");
}
