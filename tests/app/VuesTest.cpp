// The view commands: each presses its button or releases it when its view is shown; the refresh names the view.
#include "app/Etat.h"
#include "app/Vues.h"
#include "optics/Modele.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

namespace {

class Vues : public testing::Test
{
protected:
    void SetUp() override
    {
        Systeme.CalculInterrompu = false;
        Etat.VueCourante = TVue::Tableau;
    }
};

}

TEST_F(Vues, UneCommandeDeVueBascule)
{
    struct TCas
    {
        const char* Nom;
        void (*Commande)();
        TVue Vue;
        TBoutonVue Bouton;
    };
    const TCas cas[] = {
        {"Instrument", AfficheInstrumentExecute, TVue::Instrument, TBoutonVue::Instrument},
        {"Dispositif", AfficheDispositifdioptriqueExecute, TVue::Dispositif, TBoutonVue::Dispositif},
        {"Champ", AnalyseduchampExecute, TVue::Champ, TBoutonVue::Champ},
        {"Etoiles", EtoileMultipleExecute, TVue::EtoileMultiple, TBoutonVue::Etoiles},
        {"Unique", EtoileUniqueExecute, TVue::EtoileUnique, TBoutonVue::Unique},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        Etat.BoutonsVue.fill(true);
        c.Commande();
        EXPECT_EQ(Etat.VueCourante, c.Vue);
        for (std::size_t i = 0; i < Etat.BoutonsVue.size(); ++i)
            EXPECT_EQ(Etat.BoutonsVue[i], i == static_cast<std::size_t>(c.Bouton));
        c.Commande();
        EXPECT_EQ(Etat.VueCourante, TVue::Tableau);
        for (bool enfonce : Etat.BoutonsVue)
            EXPECT_FALSE(enfonce);
    }
}

TEST_F(Vues, LesVuesDesAnalysesRelancentUnCalculInterrompu)
{
    Systeme.CalculInterrompu = true;
    AnalyseduchampExecute();
    EXPECT_FALSE(Systeme.CalculInterrompu);
    EXPECT_EQ(Etat.VueCourante, TVue::Champ);
}

TEST_F(Vues, UnRetourParDoubleClicGardeLaVueUnique)
{
    Etat.VueCourante = TVue::EtoileUnique;
    Etat.RetourChamp = true;
    Etat.BoutonsVue = {false, false, true, false, true};
    EXPECT_EQ(VueDesBoutons(Etat.VueCourante), TVue::EtoileUnique);
    Etat.BoutonsVue = {false, false, true, false, false};
    EXPECT_EQ(VueDesBoutons(TVue::Dispositif), TVue::Dispositif);
}

TEST_F(Vues, LesZoomsDesEtoilesDoublentJusquALaLimite)
{
    struct TPas
    {
        void (*Commande)();
        int Zoom;
        bool AvantActif;
        bool ArriereActif;
    };
    struct TCas
    {
        const char* Nom;
        TVue Vue;
        std::int32_t* Zoom;
        int Depart;
        std::vector<TPas> Pas;
    };
    const TCas cas[] = {
        {"six étoiles en avant",
         TVue::EtoileMultiple,
         &Reglages.ZoomEtoileMultiple,
         64,
         {{ZoomAvantExecute, 128, true, true},
          {ZoomAvantExecute, 256, true, true},
          {ZoomAvantExecute, 256, false, true}}},
        {"étoile unique en avant",
         TVue::EtoileUnique,
         &Reglages.ZoomEtoileUnique,
         64,
         {{ZoomAvantExecute, 128, true, true}, {ZoomAvantExecute, 128, false, true}}},
        {"étoile unique en arrière",
         TVue::EtoileUnique,
         &Reglages.ZoomEtoileUnique,
         2,
         {{ZoomArriereExecute, 1, true, true}, {ZoomArriereExecute, 1, true, false}}},
        {"hors des vues d'étoiles",
         TVue::Champ,
         &Reglages.ZoomEtoileMultiple,
         64,
         {{ZoomAvantExecute, 64, true, true}}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        *c.Zoom = c.Depart;
        for (const TPas& pas : c.Pas)
        {
            Etat.VueCourante = c.Vue;
            Etat.BoutonsVue = {};
            pas.Commande();
            EXPECT_EQ(*c.Zoom, pas.Zoom);
            EXPECT_EQ(Etat.ZoomAvantActif, pas.AvantActif);
            EXPECT_EQ(Etat.ZoomArriereActif, pas.ArriereActif);
        }
    }
}

TEST_F(Vues, LesZoomsDuChampParcourentLeursEchelles)
{
    struct TCas
    {
        const char* Nom;
        bool Afocal;
        void (*Commande)();
        int Depart;
        int Attendu;
    };
    const TCas cas[] = {
        {"moins de 12", false, ZoomMoinsExecute, 12, 24},       {"moins de 24", false, ZoomMoinsExecute, 24, 60},
        {"moins de 60", false, ZoomMoinsExecute, 60, 150},      {"moins de 150", false, ZoomMoinsExecute, 150, 150},
        {"plus de 150", false, ZoomPlusExecute, 150, 60},       {"plus de 24", false, ZoomPlusExecute, 24, 12},
        {"plus de 12", false, ZoomPlusExecute, 12, 12},         {"afocal moins de 24", true, ZoomMoinsExecute, 24, 72},
        {"afocal moins de 72", true, ZoomMoinsExecute, 72, 24}, {"afocal plus de 24", true, ZoomPlusExecute, 24, 72},
        {"afocal plus de 72", true, ZoomPlusExecute, 72, 24},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        Validite.SystemeAfocal = c.Afocal;
        Reglages.AmplitudeChamp = c.Afocal ? 12 : c.Depart;
        Reglages.AmplitudeChampAfocal = c.Afocal ? c.Depart : 24;
        Etat.VueCourante = TVue::Champ;
        Etat.BoutonsVue = {false, false, true, false, false};
        c.Commande();
        EXPECT_EQ(c.Afocal ? Reglages.AmplitudeChampAfocal : Reglages.AmplitudeChamp, c.Attendu);
        EXPECT_EQ(c.Afocal ? Reglages.AmplitudeChamp : Reglages.AmplitudeChampAfocal, c.Afocal ? 12 : 24);
        EXPECT_TRUE(Etat.TailleMaximaleAJour);
    }
    Validite.SystemeAfocal = false;
}
