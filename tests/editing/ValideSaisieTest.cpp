// The frame of the commit: the dispatch on the field code, the every-other-time message with the refused field
// recorded, and the ending every call shares (undo position, box, commands, refresh).
#include "PortsEnregistres.h"

#include "editing/Valide.h"
#include "optics/Initialisation.h"

#include <gtest/gtest.h>

namespace {

using enum TTypeInstrument;

class Commit : public SaisieForme
{
protected:
    void SetUp() override
    {
        SaisieForme::SetUp();
        ConstruitFormeValide(Newton);
    }
};

TEST_F(Commit, RefusAffichePuisPasseSilencieusementPuisAfficheEncore)
{
    // Messages shown so far and refused field after each of three attempts with the same value.
    const std::size_t messages[] = {1, 1, 2};
    const TCodeSaisie refusee[] = {1, AucuneSaisie, 1};
    for (int essai = 0; essai < 3; ++essai)
    {
        SCOPED_TRACE(essai);
        Tape(SaisieDiametreEntreeNewton, 200, "0,5");
        EtatSaisie.CodeSaisieRefusee = AucuneSaisie; // consumed by the next-field routine after each attempt

        ValideSaisie();

        EXPECT_EQ(Appels.Messages.size(), messages[essai]);
        EXPECT_EQ(EtatSaisie.CodeSaisieRefusee, refusee[essai]);
        EXPECT_EQ(Instrument.DiametreEntree, 200);
        EXPECT_EQ(EtatSaisie.Saisie.Texte, "200") << "the box shows the old value again";
    }
    EXPECT_TRUE(Appels.Enregistrements.empty());
}

TEST_F(Commit, DeuxAvertissementsDUnCommitPartagentLaBascule)
{
    ConstruitFormeValide(Schmidt); // mirror 300
    Instrument.DiametreSecondaire = 400;
    Tape(SaisieDiametreEntreeSchmidt, 200, "350"); // under the obstruction and wider than the mirror

    ValideSaisie();

    ASSERT_EQ(Appels.Messages.size(), 1u);
    EXPECT_EQ(Appels.Messages[0].Titre, "Quivane - Saisie du diamètre du miroir principal");
    EXPECT_EQ(Systeme.MessageDejaAffiche, 0) << "the second failing check is silent and clears the toggle";
    EXPECT_EQ(Instrument.DiametreEntree, 350) << "warnings keep the value";
}

TEST_F(Commit, SansChampOuvertSeuleLaFinTourne)
{
    for (const TCodeSaisie code : {AucuneSaisie, SaisieApresLecture, SaisieLongueurOndeRougeLame, TCodeSaisie{3}})
    {
        SCOPED_TRACE(code);
        InstallePortsEnregistres();
        Edition = TEtatEdition{};
        Tape(code, 0, "123");

        ValideSaisie();

        EXPECT_EQ(Instrument.DiametreEntree, 200);
        EXPECT_EQ(Instrument.FocalePrimaire, 1000);
        EXPECT_TRUE(Appels.Enregistrements.empty());
        EXPECT_FALSE(Edition.DocumentModifie);
        EXPECT_EQ(Appels.Rafraichissements, 1);
        EXPECT_FALSE(EtatSaisie.Saisie.Visible);
    }
}

TEST_F(Commit, ValeurAccepteeFinitLeJournalEtActiveAnnuler)
{
    Systeme.CalculEchoue = true;
    Edition.PositionJournal = 3;
    Tape(SaisieDiametreEntreeNewton, 200, "210");

    ValideSaisie();

    EXPECT_FALSE(Systeme.CalculEchoue);
    EXPECT_TRUE(Edition.AMettreAJour);
    EXPECT_EQ(Edition.PositionJournal, 1) << "the document is the whole journal";
    EXPECT_EQ(Appels.Commandes[TCommandeEdition::Annuler], true);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
    EXPECT_EQ(Appels.Rafraichissements, 1);
}

TEST_F(Commit, ValeurInchangeeGardeLaPositionDuJournal)
{
    Edition.PositionJournal = 3;
    Tape(SaisieDiametreEntreeNewton, 200, "200,0");

    ValideSaisie();

    EXPECT_EQ(Edition.PositionJournal, 3);
    EXPECT_FALSE(Edition.DocumentModifie);
    EXPECT_TRUE(Appels.Enregistrements.empty());
    EXPECT_FALSE(Appels.Commandes.contains(TCommandeEdition::Annuler));
}

TEST_F(Commit, BoiteDejaCacheeGardeLeCode)
{
    Tape(SaisieLongueurOndeVerte, 0, "");
    EtatSaisie.Saisie.Visible = false; // the wavelength list is in use
    static int lignesAppliquees = 0;
    lignesAppliquees = 0;
    PortsEdition.AppliqueLongueurOnde = [] { ++lignesAppliquees; };

    ValideSaisie();

    EXPECT_EQ(lignesAppliquees, 1);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieLongueurOndeVerte);
    EXPECT_FALSE(Edition.DocumentModifie);
}

TEST_F(Commit, CelluleDeTableauVaASaRegle)
{
    ConstruitFormeValide(TTypeInstrument::Lunette);
    Edition.LigneCourante = 1;
    Tape(SaisieDiametreGroupe, Groupe.DiametreGroupe[1], "12");

    ValideSaisie();

    EXPECT_EQ(Groupe.DiametreGroupe[1], 12);
    EXPECT_NE(Instrument.DiametreEntree, 12);
}

struct TCasPlacement
{
    const char* Nom;
    bool PremiereLigne;
    bool DerniereEpaisseurInfinie;
    bool InstrumentValide;
    bool Avant;
    bool Remplace;
    bool Apres;
};

TEST_F(Commit, CommandesDePlacementSuiventLeDispositif)
{
    const TCasPlacement cas[] = {
        {"SansDispositifInstrumentInvalide", false, false, false, false, false, false},
        {"SansDispositifInstrumentValide", false, false, true, false, true, false},
        {"DispositifFocal", true, false, false, true, true, true},
        {"DispositifAfocal", true, true, true, true, true, false},
    };
    for (const TCasPlacement& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        InstallePortsEnregistres();
        InitialiseDispositif();
        if (c.PremiereLigne)
        {
            Dispositif.RayonDioptre[1] = 100;
            Dispositif.EpaisseurDioptre[1] = c.DerniereEpaisseurInfinie ? EpaisseurInfinie : 50;
        }
        Validite.InstrumentValide = c.InstrumentValide;
        Edition.TableEditee = TTableEditee::Dispositif;
        Tape(SaisieDiametreEntreeNewton, 200, "200");

        ValideSaisie();

        EXPECT_EQ(Appels.Commandes[TCommandeEdition::PlacerAvantDispo], c.Avant);
        EXPECT_EQ(Appels.Commandes[TCommandeEdition::RemplaceDispo], c.Remplace);
        EXPECT_EQ(Appels.Commandes[TCommandeEdition::PlacerApresDispo], c.Apres);
    }
}

TEST_F(Commit, TitreDuDispositifJournaliseEnTexte)
{
    EtatSaisie.TexteAvantSaisie = "Ancien";
    Tape(SaisieTitreDispositif, 0, "Correcteur 2");

    ValideSaisie();

    EXPECT_EQ(Dispositif.TitreDispositif, "Correcteur 2");
    EXPECT_EQ(Edition.TableEditee, TTableEditee::Dispositif);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieTitreDispositif);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "Correcteur 2");
}

} // namespace
