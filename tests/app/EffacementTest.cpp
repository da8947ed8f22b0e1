// The erase commands: what each clears and keeps, the one journal record each leaves, undo in one step, and the
// save question that can stop them.
#include "JournalTest.h"

#include "app/AnnulerRefaire.h"
#include "app/Effacement.h"
#include "app/Vues.h"

#include <functional>

namespace {

class Effacement : public JournalTest
{
protected:
    // The last record of the journal file.
    std::vector<std::string> DernierEnregistrement() const
    {
        const std::vector<std::string> lignes = LignesJournal();
        return lignes.size() < 3 ? lignes : std::vector<std::string>(lignes.end() - 3, lignes.end());
    }
};

}

TEST_F(Effacement, EffacerLesIndicesGardeLaGeometrieEtLAirDevantPuisAnnulerLesRamene)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    Edition.DocumentModifie = true;
    Services.Question.Repond(ReponseNon);
    EffacerIndicesExecute();
    ASSERT_EQ(Services.Question.Posees.size(), 1u);

    const TDioptre& d = Dispositif;
    EXPECT_EQ(d.NombreDioptres, 2);
    EXPECT_EQ((std::vector<double>{d.RayonDioptre[1], d.EpaisseurDioptre[1], d.DiametreDioptre[1], d.RayonDioptre[2],
                                   d.EpaisseurDioptre[2], d.DiametreDioptre[2]}),
              (std::vector<double>{50, 5, 30, -50, 48, 30}));
    // Air in front of the first surface at the lines C, e and F'.
    EXPECT_EQ((std::vector<float>{d.IndiceRouge[1], d.IndiceVert[1], d.IndiceBleu[1]}),
              (std::vector<float>{1.000276f, 1.000278f, 1.00028f}));
    for (std::size_t e = 2; e <= NombreMaxDioptres + 1; ++e)
    {
        SCOPED_TRACE(e);
        EXPECT_EQ((std::vector<float>{d.IndiceRouge[e], d.IndiceVert[e], d.IndiceBleu[e]}),
                  (std::vector<float>{0, 0, 0}));
        EXPECT_EQ(d.MatiereDioptre[e], "");
    }
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 2);
    EXPECT_EQ(DernierEnregistrement(), (std::vector<std::string>{"-16", "0", "0"}));

    AnnulerExecute();
    EXPECT_EQ(Edition.PositionJournal, 1);
    EXPECT_EQ((std::vector<float>{d.IndiceRouge[2], d.IndiceVert[2], d.IndiceBleu[2]}),
              (std::vector<float>{1.51432f, 1.51872f, 1.52283f}));
    EXPECT_EQ(d.MatiereDioptre[2], "BK7");

    // Redone, then erased again: nothing more to clear, nothing recorded.
    RetablirExecute();
    Services.Question.Repond(ReponseNon);
    EffacerIndicesExecute();
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 2);
    EXPECT_EQ(Edition.PositionJournal, 2);
}

TEST_F(Effacement, UneQuestionAbandonneeNEffaceRienNiNeJournalise)
{
    struct TCas
    {
        const char* Nom;
        std::function<void()> Commande;
        TReponse Reponse;
        bool SaveAsAbandonne;
    };
    const std::vector<TCas> cas = {
        {"indices, Annuler", EffacerIndicesExecute, ReponseAnnuler, false},
        {"dispositif, Annuler", EffacerDispoExecute, ReponseAnnuler, false},
        {"dispositif, Oui puis nom abandonne", EffacerDispoExecute, ReponseOui, true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        OuvreBase(TTypeInstrument::Cassegrain);
        Modifie(SaisieDiametreEntreeNewton, 230);
        Etat.CheminDocument.clear();
        const auto avant = ConceptionRafraichie();
        const auto journal = LignesJournal();
        Services.Question.Repond(c.Reponse);
        if (c.SaveAsAbandonne)
            Services.DialoguesFichier.RepondEnregistreSous(std::nullopt);
        c.Commande();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), avant), "");
        EXPECT_EQ(LignesJournal(), journal);
        // Undo takes back the change before the abandoned command.
        AnnulerExecute();
        EXPECT_EQ(Instrument.DiametreEntree, 200);
        Edition.PositionJournal = 0;
    }
}

TEST_F(Effacement, EffacerLeDispositifDansSaVueGardeLesNomsEtMontreLInstrument)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    EnfonceSeul(TBoutonVue::Dispositif);
    Etat.VueCourante = TVue::Dispositif;
    Etat.NomEnregistrement = Chemin("base.qvd");
    // Nothing changed since the file was read: no question.
    EffacerDispoExecute();
    EXPECT_TRUE(Services.Question.Posees.empty());
    EXPECT_EQ(Dispositif.NombreDioptres, 1);
    EXPECT_TRUE(EstLigneVide(1));
    EXPECT_EQ(Etat.VueCourante, TVue::Instrument);
    EXPECT_EQ(Etat.BoutonsVue, (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_EQ(Etat.CheminDocument, Chemin("base.qvd"));
    EXPECT_EQ(Etat.NomEnregistrement, Chemin("base.qvd"));
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 2);
    EXPECT_EQ(DernierEnregistrement(), (std::vector<std::string>{"-17", "0", "0"}));
}

TEST_F(Effacement, EffacerLInstrumentSansQuestionEtRetablirLEffaceEncore)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    Edition.DocumentModifie = true;
    EffacerInstrumentExecute();
    EXPECT_TRUE(Services.Question.Posees.empty());
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Aucun);
    EXPECT_EQ(DernierEnregistrement(), (std::vector<std::string>{"-15", "0", "0"}));
    AnnulerExecute();
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Cassegrain);
    EXPECT_EQ(Instrument.DiametreEntree, 200);
    RetablirExecute();
    EXPECT_EQ(Instrument.TypeInstrument, TTypeInstrument::Aucun);
    EXPECT_EQ(Dispositif.NombreDioptres, 2);
}

TEST_F(Effacement, EffacerLInstrumentRelitLesIndicesDuDispositifAuxRaiesParDefaut)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    const TLongueursOnde parDefaut = LongueursOnde;
    ChoisitLigne(TTableEditee::Dispositif, SaisieLongueurOndeRouge, 5);
    ChoisitLigne(TTableEditee::Dispositif, SaisieLongueurOndeBleue, 20);
    // Typed by hand at a line the erase keeps: it stays.
    Dispositif.IndiceVert[2] = 1.7f;
    AjouteEnregistrement({SaisieIndiceVert, 1, FormateGeneral(1.7f)});
    ConceptionRafraichie();

    EffacerInstrumentExecute();

    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, parDefaut.LongueurOndeRouge);
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, parDefaut.LongueurOndeBleue);
    const TCatalogueLu catalogue = CatalogueEssai();
    const TMatiereCatalogue& bk7 = catalogue.Matieres[0];
    const auto indice = [&bk7](TLongueurOnde ligne) {
        return static_cast<float>(LitNombre(bk7.Lignes[static_cast<std::size_t>(ligne)], PolitiqueDialogue));
    };
    EXPECT_EQ(Dispositif.IndiceRouge[2], indice(parDefaut.LongueurOndeRouge));
    EXPECT_EQ(Dispositif.IndiceBleu[2], indice(parDefaut.LongueurOndeBleue));
    EXPECT_EQ(Dispositif.IndiceVert[2], 1.7f);
    const auto effacee = ConceptionRafraichie();

    // Undone and redone, the erase reads the same indices again.
    AnnulerExecute();
    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 5);
    RetablirExecute();
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), effacee), "");
}
