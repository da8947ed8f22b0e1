// The edit journal: records as written, the cut at the first change after an undo, undo and redo at both ends,
// every record code replayed into the design its change gave, the reads of another file replayed as their commands
// made them, and the codes still replayed as nothing.
#include "JournalTest.h"
#include <fstream>
#include <random>
#include <chrono>
#include "support/Formes.h"
#include "doubles/CanevasEnregistreur.h"
#include "doubles/FichiersDefaillants.h"

#include "app/AnnulerRefaire.h"
#include "app/CommandesFichier.h"
#include "app/Effacement.h"
#include "app/Formules.h"
#include "app/Outils.h"
#include "app/Recuperation.h"
#include "app/Rejeu.h"
#include "app/Vues.h"
#include "dialogs/OculaireChoixCalcul.h"
#include "dialogs/RossCalcul.h"
#include "dialogs/ChampCalcul.h"
#include "dialogs/ConfigInstrumentCalcul.h"
#include "dialogs/DispositifCalcul.h"
#include "dialogs/EtoilesCalcul.h"
#include "dialogs/PositionCalcul.h"
#include "dialogs/PreferencesCalcul.h"
#include "editing/CadreLentille.h"
#include "editing/CadresTables.h"
#include "editing/ChoixVerre.h"
#include "editing/ClicsFiche.h"
#include "editing/ListeTypes.h"
#include "editing/OuvreSaisie.h"
#include "editing/Valide.h"
#include "optics/DefautsTypes.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"
#include "sheet/Fiche.h"
#include "stars/PageEtoiles.h"

#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Journal_ : public JournalTest
{};

// The commands' undo and redo states as the refresh decides them now.
std::pair<bool, bool> AnnulerRetablir()
{
    const TEtatsPage etats =
        CommandesEnregistrement(Instrument.TypeInstrument, Edition.DocumentModifie, Etat.CheminAffiche,
                                Etat.CheminDocument, Edition.PositionJournal, Journal.NombreEnregistrementsJournal);
    return {etats.EstActive(TCommande::Annuler).value_or(false), etats.EstActive(TCommande::Retablir).value_or(false)};
}

}

TEST_F(Journal_, UneModificationApresUneAnnulationRemplaceLaSuiteDuJournal)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    Modifie(SaisieDiametreEntreeNewton, 210);
    const auto apresPremiere = ConceptionRafraichie();
    Modifie(SaisieFocaleResultanteCassegrain, 3000);
    AnnulerExecute();
    EXPECT_EQ(Edition.PositionJournal, 2);
    EXPECT_EQ(Instrument.DiametreEntree, 210);
    Modifie(SaisieDiametreSecondaireCassegrain, 70);

    EXPECT_EQ(LignesJournal(),
              (std::vector<std::string>{"-2", "0", Chemin("base.qvd"), "1", "0", "210", "14", "0", "70"}));
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 3);
    EXPECT_EQ(Edition.PositionJournal, 3);
    EXPECT_FALSE(std::filesystem::exists(Etat.CheminJournalProvisoire));
    EXPECT_EQ(AnnulerRetablir(), std::make_pair(true, false));
    EXPECT_EQ(Instrument.DiametreSecondaire, 70.0f);

    AnnulerExecute();
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), apresPremiere), "");
}

TEST_F(Journal_, AnnulerAuDebutEtRetablirALaFinNeChangentRien)
{
    OuvreBase(TTypeInstrument::Newton);
    const auto base = ConceptionRafraichie();
    // The base design alone: nothing to undo.
    AnnulerExecute();
    EXPECT_EQ(Edition.PositionJournal, 0);
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), base), "");
    RetablirExecute();
    EXPECT_EQ(Edition.PositionJournal, 0);

    Modifie(SaisieFocalePrimaireNewton, 1300);
    const auto modifiee = ConceptionRafraichie();
    EXPECT_EQ(AnnulerRetablir(), std::make_pair(true, false));
    for (int fois = 0; fois < 2; ++fois)
    {
        SCOPED_TRACE(fois);
        AnnulerExecute();
        EXPECT_EQ(Edition.PositionJournal, 1);
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), base), "");
        EXPECT_EQ(AnnulerRetablir(), std::make_pair(false, true));
    }
    for (int fois = 0; fois < 2; ++fois)
    {
        SCOPED_TRACE(fois);
        RetablirExecute();
        EXPECT_EQ(Edition.PositionJournal, 2);
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), modifiee), "");
        EXPECT_EQ(Instrument.FocalePrimaire, 1300);
    }
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 2);
}

TEST_F(Journal_, UneSpectraleBleueRevientAvecRetablir)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    LongueursOnde.LongueurOndeBleue = 17;
    AjouteEnregistrement({SaisieLongueurOndeBleue, 0, "17"});
    AnnulerExecute();
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 15);
    RetablirExecute();
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 17);
}

namespace {

struct TCasRejeu
{
    const char* Nom;
    TTypeInstrument Forme;
    // Makes the change as its command does, journal record included.
    std::function<void()> Change;
    bool AvecDispositif = true;
};

void Enregistre(std::int32_t code, std::int32_t index, const std::string& valeur)
{
    AjouteEnregistrement({code, index, valeur});
}

std::function<void()> Valeur(std::int32_t code, double valeur)
{
    return [=] { Modifie(code, valeur); };
}

// A glass chosen in the catalogue window for a table row.
void ChoisitVerre(TTableVerre table, int ligne, const std::array<std::string, 4>& matiere)
{
    MatiereChoisie = matiere;
    MatiereSelectionnee = true;
    AppliqueChoixVerre(table, ligne);
}

void RepondQuestion(TReponse reponse)
{
    dynamic_cast<TQuestionScriptee&>(*Services().Question).Repond(reponse);
}

// The eyepiece dialog answered with `choix`.
void ChoisitOculaire(const TChoixOculaire& choix)
{
    static TChoixOculaire reponse;
    reponse = choix;
    PortsOculaire.Montre = [](TEtatDispositifOculaire) { return std::optional(reponse); };
    OculaireAExecute();
    PortsOculaire = TPortsOculaire{};
}

// The Ross dialog answered with `saisie`.
void ChoisitRoss(const TSaisieRoss& saisie)
{
    static TSaisieRoss reponse;
    reponse = saisie;
    PortsRoss.Montre = [](const TSaisieRoss&) { return std::optional(reponse); };
    RossSpecialExecute();
    PortsRoss = TPortsRoss{};
}

const std::vector<TCasRejeu>& CasRejeu()
{
    using T = TTypeInstrument;
    static const std::vector<TCasRejeu> cas = {
        {"diametre d'entree", T::Cassegrain, Valeur(SaisieDiametreEntreeNewton, 254.6)},
        {"focale du primaire", T::Cassegrain, Valeur(SaisieFocalePrimaireCassegrain, 1100)},
        {"focale resultante", T::Cassegrain, Valeur(SaisieFocaleResultanteCassegrain, 3600)},
        {"diametre du secondaire", T::Cassegrain, Valeur(SaisieDiametreSecondaireCassegrain, 70)},
        {"degagement", T::Cassegrain, Valeur(SaisieDegagementFoyerCassegrain, 150)},
        {"trou central", T::Cassegrain, Valeur(SaisieDiametreTrouCentralCassegrain, 60)},
        {"deformation du primaire", T::Newton, Valeur(SaisieDeformationPrimaireNewton, -0.9)},
        {"deformation du secondaire", T::KlevtsovCassegrain, Valeur(SaisieDeformationSecondaireRitchey, -0.5)},
        {"second coefficient du secondaire, exposant signe", T::KlevtsovCassegrain,
         Valeur(SaisieDeformationSecondaire2, -1.5e-5)},
        {"epaisseur du primaire", T::Cassegrain, Valeur(SaisieEpaisseurPrimaireNewton, 30)},
        {"epaisseur du secondaire", T::Cassegrain, Valeur(SaisieEpaisseurSecondaireNewton, 12)},
        {"focale du Newton", T::Newton, Valeur(SaisieFocalePrimaireNewton, 1300)},
        {"petit axe du plan", T::Newton, Valeur(SaisieDiametreSecondaireNewton, 60)},
        {"plan au foyer", T::Newton, Valeur(SaisieDistanceSecondaireFoyerNewton, 250)},
        {"rayon du miroir de Schmidt", T::Schmidt, Valeur(SaisieRayonCourburePrimaireSchmidt, 2100)},
        {"focale de Schmidt", T::Schmidt, Valeur(SaisieFocaleSchmidt, 980)},
        {"epaisseur de lame", T::Schmidt, Valeur(SaisieEpaisseurLame, 8)},
        {"coefficient de lame", T::Schmidt, Valeur(SaisieDeformationLame, 1.1)},
        {"lame au miroir", T::Schmidt, Valeur(SaisieDistanceLameMiroir, 1900)},
        {"zone neutre", T::Schmidt, Valeur(SaisieCoefficientK, 1.2)},
        {"diametre du miroir", T::Schmidt, Valeur(SaisieDiametreMiroir, 320)},
        {"rayon du Maksutov", T::Maksutov, Valeur(SaisieRayonCourburePrimaireMaksutov, 2400)},
        {"diametre du menisque", T::Maksutov, Valeur(SaisieDiametreMenisque, 220)},
        {"premier rayon du menisque", T::Maksutov, Valeur(SaisieRayonMenisque1, 300)},
        {"second rayon du menisque", T::Maksutov, Valeur(SaisieRayonMenisque2, 310)},
        {"diaphragme au miroir", T::Maksutov, Valeur(SaisieDistanceDiaphragmeMiroirMaksutov, 100)},
        {"miroir de Lurie-Houghton", T::LurieHoughton, Valeur(SaisieDiametreMiroirHoughton, 240)},
        {"titre du dispositif", T::Cassegrain,
         [] {
             StockeTitreDispositif("Oculaire à 25 mm");
             Enregistre(SaisieTitreDispositif, 0, "Oculaire à 25 mm");
         }},
        {"spectrale rouge du dispositif et ses indices", T::Cassegrain,
         [] { ChoisitLigne(TTableEditee::Dispositif, SaisieLongueurOndeRouge, 7); }},
        {"spectrale verte du groupe et ses indices", T::Lunette,
         [] { ChoisitLigne(TTableEditee::Groupe, SaisieLongueurOndeVerte, 12); }},
        {"spectrale bleue de la lame et son indice", T::Schmidt,
         [] { ChoisitLigne(TTableEditee::Lame, SaisieLongueurOndeBleueLame, 16); }},
        {"spectrale inchangee mais indices tapes remplaces par ceux du catalogue", T::Cassegrain,
         [] {
             Dispositif.IndiceVert[2] = 1.7f;
             Enregistre(SaisieIndiceVert, 1, FormateGeneral(1.7f));
             ChoisitLigne(TTableEditee::Dispositif, SaisieLongueurOndeVerte, LongueursOnde.LongueurOndeVerte);
         }},
        {"rayon d'une ligne du dispositif", T::Cassegrain,
         [] {
             Dispositif.RayonDioptre[2] = -60;
             Edition.LigneCourante = 2;
             Enregistre(SaisieRayonDioptre, 2, "-60");
         }},
        {"epaisseur et diametre du dispositif", T::Cassegrain,
         [] {
             Dispositif.EpaisseurDioptre[2] = 45.5;
             Dispositif.DiametreDioptre[1] = 28;
             Edition.LigneCourante = 1;
             Enregistre(SaisieEpaisseurDioptre, 2, FormateGeneral(45.5));
             Enregistre(SaisieDiametreDioptre, 1, "28");
         }},
        {"indices d'une ligne du dispositif", T::Cassegrain,
         [] {
             Dispositif.IndiceRouge[2] = 1.6f;
             Dispositif.IndiceVert[2] = 1.61f;
             Dispositif.IndiceBleu[2] = 1.62f;
             Edition.LigneCourante = 1;
             Enregistre(SaisieIndiceRouge, 1, FormateGeneral(1.6));
             Enregistre(SaisieIndiceVert, 1, FormateGeneral(1.61));
             Enregistre(SaisieIndiceBleu, 1, FormateGeneral(1.62));
         }},
        {"verre de la derniere ligne: une ligne ajoutee au diametre herite", T::Cassegrain,
         [] {
             Dispositif.MatiereDioptre[3] = "N-BK7";
             Dispositif.NombreDioptres = 3;
             Dispositif.DiametreDioptre[3] = 30;
             Edition.LigneCourante = 3;
             Enregistre(SaisieMatiereDioptre, 2, "N-BK7");
         }},
        {"verres des dernieres lignes du dispositif d'une lunette: chacun ajoute une ligne", T::Lunette,
         [] {
             // The device's own rows are tested, not the lens group's, whose fourth row is empty.
             const std::array<std::string, 3> verres = {"N-BK7", "F2", "SF2"};
             for (int r = 2; r <= 4; ++r)
             {
                 const auto i = static_cast<std::size_t>(r);
                 Dispositif.MatiereDioptre[i + 1] = verres[i - 2];
                 Dispositif.DiametreDioptre[i + 1] = 30;
                 Enregistre(SaisieMatiereDioptre, r, verres[i - 2]);
             }
             Dispositif.NombreDioptres = 5;
             Edition.LigneCourante = 5;
         }},
        {"rayon de la ligne 5 d'un dispositif de 2 lignes", T::Cassegrain,
         [] {
             Dispositif.RayonDioptre[5] = 20;
             Dispositif.NombreDioptres = 5;
             Edition.LigneCourante = 5;
             Enregistre(SaisieRayonDioptre, 5, "20");
         }},
        {"cellules du groupe", T::Lunette,
         [] {
             Groupe.RayonGroupe[2] = -300;
             Groupe.EpaisseurGroupe[1] = 12;
             Groupe.DiametreGroupe[1] = 105;
             Groupe.IndiceRougeGroupe[2] = 1.6f;
             Groupe.IndiceVertGroupe[2] = 1.61f;
             Groupe.IndiceBleuGroupe[2] = 1.62f;
             Groupe.MatiereGroupe[2] = "F2";
             Edition.LigneCourante = 2;
             Enregistre(SaisieRayonGroupe, 2, "-300");
             Enregistre(SaisieEpaisseurGroupe, 1, "12");
             Enregistre(SaisieDiametreGroupe, 1, "105");
             Enregistre(SaisieIndiceRougeGroupe, 2, FormateGeneral(1.6));
             Enregistre(SaisieIndiceVertGroupe, 2, FormateGeneral(1.61));
             Enregistre(SaisieIndiceBleuGroupe, 2, FormateGeneral(1.62));
             Enregistre(SaisieMatiereGroupe, 2, "F2");
         }},
        {"rayon du secondaire de la ligne miroir", T::KlevtsovCassegrain,
         [] {
             Instrument.RayonCourbureSecondaire = -500;
             Enregistre(SaisieRayonLigneMiroir, 0, "-500");
         }},
        {"verre de la lame", T::Schmidt,
         [] {
             Groupe.IndiceRougeGroupe[1] = 1.5f;
             Groupe.IndiceVertGroupe[1] = 1.51f;
             Groupe.IndiceBleuGroupe[1] = 1.52f;
             Groupe.MatiereGroupe[1] = "UBK7";
             Edition.LigneCourante = 1;
             VerifieInstrument();
             Enregistre(SaisieIndiceRougeLame, 1, FormateGeneral(1.5));
             Enregistre(SaisieIndiceVertLame, 1, FormateGeneral(1.51));
             Enregistre(SaisieIndiceBleuLame, 1, FormateGeneral(1.52));
             Enregistre(SaisieMatiereLame, 1, "UBK7");
         }},
        {"verre du catalogue dans le dispositif", T::Cassegrain,
         [] {
             ChoisitVerre(TTableVerre::Dispositif, 1, {"F2", "1,61503", "1,62408", "1,63310"});
         }},
        {"verre du catalogue sans indice vert dans le groupe", T::Lunette,
         [] {
             ChoisitVerre(TTableVerre::Groupe, 2, {"SF2", "1.64208", "", "1.66238"});
         }},
        {"distance de l'etoile", T::Cassegrain,
         [] {
             Etat.VueCourante = TVue::Instrument;
             Reglages.DistanceAxeEtoile = 12;
             Enregistre(SaisieDistanceAxeEtoile, 0, "12");
         }},
        {"distance de l'image avec les rayons", T::Cassegrain,
         [] {
             EnfonceSeul(TBoutonVue::Dispositif);
             Etat.VueCourante = TVue::Dispositif;
             Reglages.RayonsLumineuxTraces = true;
             Reglages.DistanceAxeImage = 3.5;
             Enregistre(SaisieDistanceAxeImage, 1, FormateGeneral(3.5));
         }},
        {"profil de la lame", T::Schmidt, [] { FicheBoutonLameClick(); }},
        {"champ d'une chambre de Schmidt rendu plan", T::Schmidt, [] { FicheBoutonChampCourbeClick(); }},
        {"profil de la lame d'une chambre sans dispositif", T::Schmidt, [] { FicheBoutonLameClick(); }, false},
        {"type choisi dans la liste", T::Cassegrain, [] { ChoisitTypeInstrument("Télescope de Newton"); }},
        {"Maksutov-Cassegrain neuf a secondaire separe", T::Cassegrain,
         [] {
             ChoisitTypeInstrument("Télescope de Maksutov-Cassegrain");
             FicheCheckBox1Click(false);
         }},
        {"depart de la mise au point et distance au premier dioptre", T::Cassegrain,
         [] {
             const TPositionDispositif avant = LitPositionDispositif();
             StockePosition(TValeurPosition::DecalageFoyerInitial, 2.5);
             StockePosition(TValeurPosition::DistanceFoyerDioptre, -12.75);
             TerminePosition(avant);
         }},
        {"effacer l'instrument", T::Cassegrain, [] { EffacerInstrumentExecute(); }},
        {"effacer les indices", T::Cassegrain, [] { EffaceIndices(); }},
        {"effacer le dispositif", T::Cassegrain, [] { EffacerDispoExecute(); }},
        {"Barlow a la place du dispositif", T::Cassegrain,
         [] {
             RepondQuestion(ReponseOui);
             BarlowExecute();
         }},
        {"Barlow derriere le dispositif", T::Cassegrain,
         [] {
             Dispositif.EpaisseurDioptre[2] = 80;
             Enregistre(SaisieEpaisseurDioptre, 2, "80");
             RepondQuestion(ReponseNon);
             BarlowExecute();
         }},
        {"Barlow sans dispositif", T::Newton, [] { BarlowExecute(); }, false},
        {"oculaire a la place du dispositif", T::Cassegrain,
         [] {
             ChoisitOculaire({"Ethos", "8", TPlacementOculaire::RemplaceDispositif});
         }},
        {"oculaire derriere le dispositif", T::Cassegrain,
         [] {
             ChoisitOculaire({"Dilworth", "12", TPlacementOculaire::DerriereDispositif});
         }},
        {"Ross propose", T::Newton, [] { RossQuivaneExecute(); }},
        {"Ross selon vos specifications", T::Newton,
         [] {
             TSaisieRoss saisie = SaisieRossInitiale();
             saisie.Puissance = -3;
             ChoisitRoss(saisie);
         }},
        {"Wynne", T::Newton, [] { WynneExecute(); }},
        {"homothetie de l'instrument et du dispositif", T::Newton,
         [] {
             ExecuteHomothetie(2, {true, true});
         }},
        {"homothetie du dispositif seul", T::Cassegrain,
         [] {
             ExecuteHomothetie(1.5f, {false, true});
         }},
        {"optimisation des diametres", T::Cassegrain, [] { AppliqueOptimisationDiametres(0); }},
        {"forme de lentille convertie", T::Cassegrain,
         [] {
             Edition.LigneCourante = 1;
             OuvreCadreLentille();
             CadreLentilleBtnOKRdcClick("25", "3");
         }},
        {"forme de l'objectif d'une lunette convertie", T::Lunette,
         [] {
             Edition.LigneCourante = 1;
             OuvreCadreLentilleGroupe();
             CadreLentilleBtnOKRdcClick("8", "-2");
         }},
        {"diametre maximal", T::Cassegrain,
         [] {
             Edition.LigneCourante = 1;
             OuvreCadreDiametre();
             CadreDiametreBtnDiaMaxClick();
         }},
        {"diametre maximal de l'objectif d'une lunette", T::Lunette,
         [] {
             Edition.LigneCourante = 1;
             OuvreCadreDiametreGroupe();
             CadreDiametreBtnDiaMaxClick();
         }},
        {"diametre optimum d'une ligne", T::Cassegrain,
         [] {
             Edition.LigneCourante = 2;
             OuvreCadreDiametre();
             CadreDiametreBtnDiaOptClick();
         }},
        {"secondaire du Klevtsov rendu plan", T::KlevtsovCassegrain,
         [] {
             OuvreCadreMiroirPlan();
             CadreMiroirPlanBtnMiroirPlanClick();
         }},
    };
    return cas;
}

// The settings dialogs' records, each made as its command makes it once the dialog is closed.
const std::vector<TCasRejeu>& CasRejeuReglages()
{
    using T = TTypeInstrument;
    static const std::vector<TCasRejeu> cas = {
        {"preferences", T::Cassegrain,
         [] {
             const TPreferences avant = LitPreferences();
             Systeme.DistanceAxeRayonFoyer = 0.3;
             Reglages.DecalageMiseAuPoint = -2.5f;
             Reglages.ImpressionCouleur = true;
             Reglages.PasIndice = 0.0025f;
             Reglages.PasGamma = 0.125f;
             TerminePreferences(avant);
         }},
        {"pas des preferences: la distance du rayon du foyer reste exacte", T::Cassegrain,
         [] {
             const TPreferences avant = LitPreferences();
             Reglages.PasRayon = 2.5f;
             TerminePreferences(avant);
         }},
        {"depart de la mise au point", T::Cassegrain,
         [] {
             const TPositionDispositif avant = LitPositionDispositif();
             StockePosition(TValeurPosition::DecalageFoyerInitial, 1.25);
             TerminePosition(avant);
         }},
        {"couleurs de l'instrument", T::Newton,
         [] {
             const TColor miroirs = Instrument.TeinteMiroirs;
             const TColor lentilles = Instrument.TeinteLentilles;
             PasCouleurInstrument(2, true);
             PasCouleurInstrument(6, false);
             TermineConfigInstrument(miroirs, lentilles);
         }},
        {"teintes du dispositif, dont une au nom long", T::Cassegrain,
         [] {
             TTeintesDialogue t = TeintesInitiales();
             FondMouseUp(t, 22, 17);
             PasTeinte(t, false);
             DeplaceTeinteAGauche(t);
             t.TeinteDialogue[4] = CouleurRVB(192, 220, 192);
             t.IndiceLimiteSaisi = 1.35f;
             ValideTeintes(t);
             TermineConfigDispositif(TeintesParDefaut, 1.1f);
         }},
        {"analyse du champ a l'amplitude du zoom", T::Cassegrain,
         [] {
             Reglages.AmplitudeChamp = 150;
             const TReglagesChamp avant = LitReglagesChamp();
             Reglages.RayonChampAfocal = 30;
             Reglages.AnalyseChromatique = false;
             TermineConfigChamp(avant);
         }},
        {"six etoiles", T::Cassegrain,
         [] {
             const TReglagesEtoiles avant = LitReglagesEtoiles(TVueEtoiles::Multiple);
             AppliqueReglagesEtoiles(TVueEtoiles::Multiple, {16, 7, 2, false});
             TermineConfigEtoiles(TVueEtoiles::Multiple, avant);
         }},
        {"etoile unique", T::Cassegrain,
         [] {
             const TReglagesEtoiles avant = LitReglagesEtoiles(TVueEtoiles::Unique);
             AppliqueReglagesEtoiles(TVueEtoiles::Unique, {120, 12, 3, true});
             TermineConfigEtoiles(TVueEtoiles::Unique, avant);
         }},
    };
    return cas;
}

}

TEST_F(Journal_, RejouerUnEnregistrementRedonneLaConceptionDeSaModification)
{
    for (const TCasRejeu& cas : CasRejeu())
    {
        SCOPED_TRACE(cas.Nom);
        OuvreBase(cas.Forme, cas.AvecDispositif);
        // A design read is shown before it is changed.
        const auto base = ConceptionRafraichie();
        const std::int32_t avant = Journal.NombreEnregistrementsJournal;
        cas.Change();
        EXPECT_GT(Journal.NombreEnregistrementsJournal, avant);
        const auto modifiee = ConceptionRafraichie();
        EXPECT_NE(modifiee, base);

        Edition.PositionJournal = Journal.NombreEnregistrementsJournal;
        RejoueJournal();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), modifiee), "");
        Edition.PositionJournal = 0;
        Etat.VueCourante = TVue::Tableau;
        Etat.BoutonsVue = {};
    }
}

std::vector<std::string> RecupereDansUnEtatNeuf(const std::string& dossier);

// Every change undone back to the base design and redone, in the view the user has: each undo gives the design
// before the change, the view stays, and back at the base the design is no longer modified. The run then stops:
// the recovery gives the same file.
TEST_F(Journal_, ChaqueModificationSeDefaitEtSeRefait)
{
    for (const TCasRejeu& cas : CasRejeu())
    {
        SCOPED_TRACE(cas.Nom);
        OuvreBase(cas.Forme, cas.AvecDispositif);
        const auto base = ConceptionRafraichie();
        const std::int32_t avant = Journal.NombreEnregistrementsJournal;
        cas.Change();
        Edition.DocumentModifie = true;
        const auto modifiee = ConceptionRafraichie();
        const TVue vue = Etat.VueCourante;
        const auto boutons = Etat.BoutonsVue;
        const std::int32_t apres = Journal.NombreEnregistrementsJournal;
        for (int tour = 0; tour < 2; ++tour)
        {
            SCOPED_TRACE(tour);
            for (std::int32_t n = apres; n > avant; --n)
                AnnulerExecute();
            EXPECT_EQ(Edition.PositionJournal, avant);
            EXPECT_EQ(Ecarts(Conception(), base), "");
            EXPECT_FALSE(Edition.DocumentModifie);
            EXPECT_EQ(Etat.VueCourante, vue);
            EXPECT_EQ(Etat.BoutonsVue, boutons);
            for (std::int32_t n = apres; n > avant; --n)
                RetablirExecute();
            EXPECT_EQ(Edition.PositionJournal, apres);
            EXPECT_EQ(Ecarts(Conception(), modifiee), "");
            EXPECT_TRUE(Edition.DocumentModifie);
            EXPECT_EQ(Etat.VueCourante, vue);
            EXPECT_EQ(Etat.BoutonsVue, boutons);
        }
        const std::vector<std::string> fichier = LignesFichierConception();
        EXPECT_EQ(Ecarts(RecupereDansUnEtatNeuf(Dossier), fichier), "");
        Services.Question.Verifie();
        Etat.CheminAffiche.clear();
        Edition.PositionJournal = 0;
        Etat.VueCourante = TVue::Tableau;
        Etat.BoutonsVue = {};
    }
}

// A frame's command stores several cells, one record each: one undo takes them all back and one redo gives them all
// again, also with a single value committed after it.
TEST_F(Journal_, UneCommandeDesCadresSeDefaitEtSeRefaitEnUnPas)
{
    for (const char* nom : {"forme de lentille convertie", "forme de l'objectif d'une lunette convertie",
                            "diametre maximal", "diametre maximal de l'objectif d'une lunette"})
    {
        const auto& tous = CasRejeu();
        const auto c =
            std::find_if(tous.begin(), tous.end(), [nom](const TCasRejeu& t) { return std::string(t.Nom) == nom; });
        ASSERT_NE(c, tous.end()) << nom;
        SCOPED_TRACE(c->Nom);
        OuvreBase(c->Forme);
        // No value left open by the case before.
        EtatSaisie = TEtatSaisie{};
        const auto base = ConceptionRafraichie();
        const std::int32_t avant = Journal.NombreEnregistrementsJournal;
        c->Change();
        const auto commande = ConceptionRafraichie();
        // Two cells at least, and the record that closes them.
        ASSERT_GE(Journal.NombreEnregistrementsJournal, avant + 3);
        EXPECT_EQ(Journal.Enregistrements.back().Code, CodeJournalFinCommande);
        Modifie(SaisieDiametreEntreeNewton, 230);
        const auto saisie = ConceptionRafraichie();

        AnnulerExecute();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), commande), "");
        AnnulerExecute();
        EXPECT_EQ(Edition.PositionJournal, avant);
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), base), "");
        RetablirExecute();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), commande), "");
        RetablirExecute();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), saisie), "");
        Edition.PositionJournal = 0;
    }
}

// A closing record whose count reaches back past the design the journal starts from is damaged: it closes nothing,
// each record before it is undone alone.
TEST_F(Journal_, UnCompteDeCommandeEndommageNeRegroupeRien)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    Modifie(SaisieDiametreEntreeNewton, 230);
    Modifie(SaisieDiametreEntreeNewton, 240);
    AjouteEnregistrement({CodeJournalFinCommande, 3, "0"});
    AnnulerExecute();
    AnnulerExecute();
    EXPECT_EQ(Instrument.DiametreEntree, 230);
}

// On both decimal marks: the settings changed, undone back to the base, redone, and the whole journal replayed as a
// recovery does.
TEST_F(Journal_, UnReglageSeDefaitSeRefaitEtSeRecupereSurLesDeuxMarques)
{
    for (const char marque : {',', '.'})
        for (const TCasRejeu& cas : CasRejeuReglages())
        {
            SCOPED_TRACE(std::string(cas.Nom) + " " + marque);
            SeparateurDecimal = marque;
            OuvreBase(cas.Forme, cas.AvecDispositif);
            const auto base = ConceptionRafraichie();
            cas.Change();
            ASSERT_EQ(Journal.NombreEnregistrementsJournal, 2);
            const auto modifiee = ConceptionRafraichie();
            EXPECT_NE(modifiee, base);

            AnnulerExecute();
            EXPECT_EQ(Ecarts(ConceptionRafraichie(), base), "");
            RetablirExecute();
            EXPECT_EQ(Ecarts(ConceptionRafraichie(), modifiee), "");
            Edition.PositionJournal = Journal.NombreEnregistrementsJournal;
            RejoueJournal();
            EXPECT_EQ(Ecarts(ConceptionRafraichie(), modifiee), "");
            Edition.PositionJournal = 0;
        }
}

TEST_F(Journal_, LesLecturesDUnAutreFichierSeRejouentCommeLeursCommandes)
{
    struct TCas
    {
        const char* Commande;
        void (*Execute)();
    };
    const TCas cas[] = {
        {"Lire un instrument", LitInstrument},
        {"Remplacer le dispositif actuel", RemplaceDispoExecute},
        {"Placer devant le dispositif actuel", PlacerAvantDispoExecute},
        {"Placer derrière le dispositif actuel", PlacerApresDispoExecute},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Commande);
        // The other file: a Newton, its lens titled "B"; the Cassegrain read as the base keeps values a Newton's
        // file does not hold.
        ConstruitFormeValide(TTypeInstrument::Newton);
        PoseDispositif();
        Dispositif.TitreDispositif = "B";
        Dispositif.RayonDioptre[1] = 60;
        AppliqueIndices();
        Etat.CheminDocument = Chemin("autre.qvd");
        ASSERT_TRUE(EcritFichierConception());
        OuvreBase(TTypeInstrument::Cassegrain);
        Services.DialoguesFichier.RepondOuvre(Chemin("autre.qvd"));
        c.Execute();
        ASSERT_EQ(Journal.NombreEnregistrementsJournal, 2);
        const auto lue = ConceptionRafraichie();

        Edition.PositionJournal = Journal.NombreEnregistrementsJournal;
        RejoueJournal();
        EXPECT_EQ(Ecarts(ConceptionRafraichie(), lue), "");
        Edition.PositionJournal = 0;
    }
}

TEST_F(Journal_, LesCodesSansRoutineSontGardesEtNeChangentRien)
{
    // The records that other versions wrote after a homothety or an optimisation, already recorded on its own.
    EXPECT_EQ(CodesSansRoutine(), (std::vector<std::int32_t>{CodeJournalHomothetie, CodeJournalOptimisationDiametres}));
    OuvreBase(TTypeInstrument::Cassegrain);
    Modifie(SaisieDiametreEntreeNewton, 230);
    // A code that no version of the program writes.
    constexpr TCodeJournal NumeroInconnu = 12345;
    std::vector<TEnregistrementJournal> autres = {{SaisieRayonDioptre, 31, "5"},
                                                  {SaisieRayonDioptre, 0, "5"},
                                                  {SaisieRayonGroupe, 14, "5"},
                                                  {SaisieMatiereLame, 0, "X"},
                                                  {CodeJournalCoupeLigneDispositif, 31, "0"},
                                                  {CodeJournalInsereLigneGroupe, 14, "0"},
                                                  {CodeJournalVerreCatalogue, 31, "1.5"},
                                                  {CodeJournalVerreCatalogue, 114, "1.5"},
                                                  {CodeJournalProfilLame, 7, "0"},
                                                  {NumeroInconnu, 0, "1"},
                                                  {AucuneSaisie, 0, "1"}};
    // A placement, a design, a focal length, a glass or a corrector that no formula command writes.
    autres.insert(autres.end(), {{CodeJournalBarlow, 2, "0"},
                                 {CodeJournalOculaire, 2, "025.00 kepler"},
                                 {CodeJournalOculaire, 0, "025.00 Kepler"},
                                 {CodeJournalOculaire, 0, "kepler"},
                                 {CodeJournalOculaire, 0, "000.04 kepler"},
                                 {CodeJournalOculaire, 0, "-25 kepler"},
                                 {CodeJournalRossSpecifie, 0, "1.5"},
                                 {CodeJournalRossSpecifie, 0, "-05,4000 0,06000 050,0 Inconnu"},
                                 {CodeJournalRossSpecifie, 0, "-05,4000 0,06000 100,0 BK7"}});
    for (std::int32_t code : CodesSansRoutine())
        autres.push_back({code, 1, "1.5"});
    const auto attendue = ConceptionRafraichie();
    for (const TEnregistrementJournal& enregistrement : autres)
        AjouteEnregistrement(enregistrement);
    Edition.PositionJournal = Journal.NombreEnregistrementsJournal;
    RejoueJournal();
    EXPECT_EQ(Ecarts(ConceptionRafraichie(), attendue), "");
    EXPECT_EQ(LignesJournal().size(), 3 * (2 + autres.size()));
}

TEST_F(Journal_, UneValeurValideeSAjouteAuJournalSansLeRecrire)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    // The file as the run started it: a rewrite would put another file in its place.
    const int descripteur = ::open(Etat.CheminJournal.c_str(), O_RDONLY);
    ASSERT_GE(descripteur, 0);
    for (const char* texte : {"210", "220", "230"})
    {
        OuvreSaisieDiametreEntree();
        EtatSaisie.Saisie.Texte = texte;
        ValideSaisie();
        EXPECT_EQ(Edition.PositionJournal, Journal.NombreEnregistrementsJournal);
    }
    struct stat etat
    {};
    ASSERT_EQ(::fstat(descripteur, &etat), 0);
    ::close(descripteur);
    EXPECT_EQ(etat.st_nlink, 1u);
    EXPECT_EQ(LignesJournal(), (std::vector<std::string>{"-2", "0", Chemin("base.qvd"), "1", "0", "210", "1", "0",
                                                         "220", "1", "0", "230"}));
}

TEST_F(Journal_, UneEcritureQuiEchoueNeLaissePasDeTrouDansLeJournal)
{
    // The records the file holds are always the first ones the run made, whatever failed.
    const auto verifiePrefixe = [] {
        std::vector<TEnregistrementJournal> surDisque;
        ASSERT_TRUE(LitJournal(PositionRecuperation, surDisque));
        ASSERT_LE(surDisque.size(), Journal.Enregistrements.size());
        for (std::size_t i = 0; i < surDisque.size(); ++i)
        {
            EXPECT_EQ(surDisque[i].Code, Journal.Enregistrements[i].Code) << i;
            EXPECT_EQ(surDisque[i].Valeur, Journal.Enregistrements[i].Valeur) << i;
        }
    };
    const std::vector<std::pair<const char*, int>> cas = {
        {"des le premier enregistrement", 0},
        {"au milieu d'un enregistrement", 4},
    };
    for (const auto& [nom, lignesEcrites] : cas)
    {
        SCOPED_TRACE(nom);
        OuvreBase(TTypeInstrument::Cassegrain);
        TFichiersDefaillants defaillants(lignesEcrites);
        ::Services().Fichiers = &defaillants;
        Services.Question.Repond(ReponseOk);
        Modifie(SaisieDiametreEntreeNewton, 260);
        verifiePrefixe();
        Modifie(SaisieFocaleResultanteCassegrain, 3000);
        verifiePrefixe();
        Modifie(SaisieDiametreSecondaireCassegrain, 70);
        verifiePrefixe();
        // The disk takes writes again: the whole journal is back at the next record.
        ::Services().Fichiers = &Services.Fichiers;
        Modifie(SaisieDegagementFoyerCassegrain, 150);
        EXPECT_EQ(LignesJournal(), (std::vector<std::string>{"-2", "0", Chemin("base.qvd"), "1", "0", "260", "13", "0",
                                                             "3000", "14", "0", "70", "15", "0", "150"}));
        EXPECT_EQ(Services.Question.Posees.size(), 1u);
        Services.Question.Posees.clear();
        Journal.EchecSignale = false;
    }
}

TEST_F(Journal_, UnJournalQuOnNePeutEcrireEstSignaleUneFois)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    Etat.CheminJournal = Chemin("absent/Quivane0.tmp");
    Services.Question.Repond(ReponseOk);
    Modifie(SaisieDiametreEntreeNewton, 230);
    Modifie(SaisieDiametreEntreeNewton, 240);
    EXPECT_EQ(Boites(), (std::vector<std::string>{"Quivane - Journal / Le journal des modifications ne peut pas être "
                                                  "écrit : annuler, rétablir et la récupération d'une session "
                                                  "interrompue seront incomplets."}));
    EXPECT_EQ(Journal.NombreEnregistrementsJournal, 3);
}

TEST_F(Journal_, SansDossierAnnulerLaisseLaConception)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    Services.Bip.Oublie();
    Modifie(SaisieDiametreEntreeNewton, 230);
    // The program's folder could not be used: the run keeps no records to replay.
    Etat.CheminJournal.clear();
    AnnulerExecute();
    EXPECT_EQ(Services.Bip.Nombre(0), 1);
    EXPECT_EQ(Instrument.DiametreEntree, 230);
    EXPECT_EQ(Dispositif.NombreDioptres, 2);
    EXPECT_EQ(Edition.PositionJournal, 0);
    EXPECT_TRUE(Edition.DocumentModifie);
}

TEST_F(Journal_, UnFichierDeJournalDisparuEstRecritEntierAuProchainEnregistrement)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    Modifie(SaisieDiametreEntreeNewton, 230);
    std::filesystem::remove(Etat.CheminJournal);
    // Undo replays the run's own records.
    AnnulerExecute();
    EXPECT_EQ(Instrument.DiametreEntree, 200);
    RetablirExecute();
    EXPECT_EQ(Instrument.DiametreEntree, 230);
    // The next record does not start a journal of its own: the file gets every record again.
    Modifie(SaisieFocaleResultanteCassegrain, 3000);
    EXPECT_EQ(LignesJournal(),
              (std::vector<std::string>{"-2", "0", Chemin("base.qvd"), "1", "0", "230", "13", "0", "3000"}));
}

TEST_F(Journal_, LeDiametreDUnSchwarzschildSansFocaleDonneSesValeursParDefaut)
{
    AppliqueDefautsType(TTypeInstrument::Schwarzschild);
    AppliqueEnregistrement({SaisieDiametreEntreeSchwarzschild, 0, "200"});
    EXPECT_EQ(Instrument.DiametreEntree, 200);
    EXPECT_EQ(Instrument.FocaleResultante, 600);
    EXPECT_EQ(Instrument.FocalePrimaire, 1500);
    // Int(5.048729174 x 200 + 1) / 10
    EXPECT_EQ(Instrument.DiametreSecondaire, 101.0f);
}

namespace {

// The views drawn on recording images, as the main window draws them.
class JournalVues : public JournalTest
{
protected:
    void SetUp() override
    {
        JournalTest::SetUp();
        ImagesFiche.Fenetre = &Fenetre;
        ImagesFiche.Grille = &Grille;
        ImagesEtoiles.Dessin = &Dessin;
        ImagesEtoiles.BoiteDistance = &Boite;
    }

    static void Montre(TBoutonVue bouton)
    {
        EnfonceSeul(bouton);
        Edition.AMettreAJour = true;
        RafraichitVue();
    }

    // A Schmidt camera without device read from a file that carries a distance step of 0 and a linear field radius
    // of 60 mm, wider than its field: the single star and the field analysis both change them when they draw.
    void OuvreSchmidt()
    {
        ConstruitFormeValide(TTypeInstrument::Schmidt);
        Reglages.RayonChampLineaire = 60;
        Reglages.PasBoiteDistance = 0;
        Etat.CheminDocument = Chemin("schmidt.qvd");
        ASSERT_TRUE(EcritFichierConception());
        ReinitialiseEtat();
        Lecture.NouveauJournal = true;
        ASSERT_TRUE(Ouvre(Chemin("schmidt.qvd")));
        Edition.DocumentModifie = false;
        ASSERT_EQ(Reglages.PasBoiteDistance, 0.0f);
        ASSERT_EQ(Reglages.RayonChampLineaire, 60);
        ASSERT_LT(Instrument.DiametreChampPleineLumiere / 2, 60 / 1.1);
    }

    TCanevasEnregistreur Fenetre{800, 800};
    TCanevasEnregistreur Grille{762, 529};
    TCanevasEnregistreur Dessin{762, 550};
    TCanevasEnregistreur Boite{50, 17};
};

}

TEST_F(JournalVues, LesReglagesQueLesVuesEcriventSeRecuperent)
{
    OuvreSchmidt();
    Montre(TBoutonVue::Unique);
    Modifie(SaisieDeformationLame, 1.1);
    ConceptionRafraichie();
    Montre(TBoutonVue::Champ);
    const std::vector<std::string> attendues = LignesFichierConception();
    EXPECT_EQ(Reglages.PasBoiteDistance, static_cast<float>(Reglages.PasEtoileUnique));
    EXPECT_LT(Reglages.RayonChampLineaire, 60);

    // The run stops; the next one recovers the journal in a fresh state.
    ReinitialiseEtat();
    Journal = TJournal{};
    NommeFichiersSession(Dossier + "/", 0);
    ASSERT_TRUE(SessionInterrompue());
    Services.Question.Repond(ReponseOui);
    ASSERT_TRUE(RecupereSession());
    // The base copy the recovery wrote, then the design the start-up shows.
    EXPECT_EQ(Ecarts(LignesFichierConception(), attendues), "");
    Montre(TBoutonVue::Instrument);
    EXPECT_EQ(Ecarts(LignesFichierConception(), attendues), "");
}

TEST_F(JournalVues, LesReglagesQueLesVuesEcriventReviennentAvecRetablir)
{
    OuvreSchmidt();
    const double coefficient = Instrument.CoefficientDeformationLame;
    Montre(TBoutonVue::Unique);
    Modifie(SaisieDeformationLame, 1.1);
    ConceptionRafraichie();
    const std::vector<std::string> modifiee = Conception();
    Montre(TBoutonVue::Champ);
    const std::vector<std::string> champ = Conception();
    AnnulerExecute();
    EXPECT_EQ(Instrument.CoefficientDeformationLame, coefficient);
    RetablirExecute();
    EXPECT_EQ(Ecarts(Conception(), champ), "");
    Montre(TBoutonVue::Unique);
    EXPECT_EQ(Ecarts(Conception(), modifiee), "");
}

// The journal left by a run that stops, recovered by the next start-up in a fresh state; the design file it shows.
std::vector<std::string> RecupereDansUnEtatNeuf(const std::string& dossier)
{
    ReinitialiseEtat();
    Journal = TJournal{};
    Etat.VueCourante = TVue::Tableau;
    NommeFichiersSession(dossier + "/", 0);
    Etat.DossierUtilisable = true;
    if (!SessionInterrompue())
        return {};
    dynamic_cast<TQuestionScriptee&>(*Services().Question).Repond(ReponseOui);
    if (!RecupereSession())
        return {};
    Edition.AMettreAJour = true;
    RafraichitVue();
    return LignesFichierConception();
}

// A session of changes on each form, each change followed by its refresh, then stopped: the recovery gives the design
// field for field, display settings included, and so do the recoveries of the journal each recovery left.
TEST_F(Journal_, DeuxRecuperationsDeSuiteRedonnentLaConception)
{
    using T = TTypeInstrument;
    struct TCas
    {
        T Forme;
        std::vector<std::pair<TCodeSaisie, double>> Changements;
    };
    const std::vector<TCas> cas = {
        {T::Newton, {{SaisieDiametreEntreeNewton, 210}, {SaisieFocalePrimaireNewton, 1300}}},
        {T::Cassegrain, {{SaisieDiametreEntreeNewton, 210}, {SaisieFocaleResultanteCassegrain, 3600}}},
        {T::RitcheyChretien, {{SaisieDiametreEntreeNewton, 210}}},
        {T::Gregory, {{SaisieDiametreEntreeNewton, 210}}},
        {T::Schmidt, {{SaisieDiametreEntreeNewton, 210}, {SaisieEpaisseurLame, 8}}},
        {T::SchmidtCassegrain, {{SaisieDiametreEntreeNewton, 210}, {SaisieEpaisseurLame, 8}}},
        {T::Maksutov, {{SaisieDiametreEntreeNewton, 95}, {SaisieEpaisseurLame, 8}}},
        {T::MaksutovNewton, {{SaisieDiametreEntreeNewton, 140}, {SaisieEpaisseurLame, 10}}},
        {T::MaksutovCassegrain, {{SaisieDiametreEntreeNewton, 160}}},
        {T::Schwarzschild, {{SaisieDiametreEntreeNewton, 210}}},
        {T::DallKirkham, {{SaisieDiametreEntreeNewton, 210}}},
        {T::KlevtsovCassegrain, {{SaisieDiametreEntreeNewton, 210}}},
        {T::LurieHoughton, {{SaisieDiametreEntreeNewton, 210}}},
        // With its device, the solve of the read stops: the later refreshes leave the values it had, and so must
        // every recovery.
        {T::HoughtonCassegrain, {{SaisieDiametreEntreeNewton, 210}}},
        {T::SchmidtNewton, {{SaisieDiametreEntreeNewton, 210}, {SaisieFocaleSchmidt, 900}}},
    };
    for (const TCas& c : cas)
        for (const bool avecDispositif : {false, true})
        {
            SCOPED_TRACE(std::to_string(static_cast<int>(c.Forme)) + (avecDispositif ? " avec dispositif" : ""));
            OuvreBase(c.Forme, avecDispositif);
            ConceptionRafraichie();
            for (const auto& [code, valeur] : c.Changements)
            {
                Modifie(code, valeur);
                ConceptionRafraichie();
            }
            const std::vector<std::string> session = LignesFichierConception();
            // The second recovery reads the copy the first wrote, the third the copy of that copy.
            for (const char* recuperation : {"premiere", "seconde", "troisieme"})
            {
                SCOPED_TRACE(recuperation);
                EXPECT_EQ(Ecarts(RecupereDansUnEtatNeuf(Dossier), session), "");
            }
            Services.Question.Verifie();
        }
}

// Journals of other versions wrote both off-axis distances under one code: the view shown at the replay tells which
// distance a record sets, as it did when they were written.
TEST_F(Journal_, UneDistanceDUnJournalAncienSuitLaVueAffichee)
{
    struct TCas
    {
        TVue Vue;
        std::int32_t Index;
        double Etoile, Image;
        bool Rayons;
    };
    for (const TCas& c : {TCas{TVue::Instrument, 0, 7, 0, false}, TCas{TVue::EtoileUnique, 0, 7, 0, false},
                          TCas{TVue::Dispositif, 1, 0, 7, true}, TCas{TVue::Dispositif, 0, 0, 7, false}})
    {
        SCOPED_TRACE(static_cast<int>(c.Vue) * 10 + c.Index);
        OuvreBase(TTypeInstrument::Cassegrain);
        AjouteEnregistrement({CodeJournalDistanceHorsAxe, c.Index, "7"});
        Etat.VueCourante = c.Vue;
        Edition.PositionJournal = Journal.NombreEnregistrementsJournal;
        RejoueJournal();
        EXPECT_EQ(Reglages.DistanceAxeEtoile, c.Etoile);
        EXPECT_EQ(Reglages.DistanceAxeImage, c.Image);
        EXPECT_EQ(Reglages.RayonsLumineuxTraces, c.Rayons);
        Edition.PositionJournal = 0;
        Etat.VueCourante = TVue::Tableau;
    }
}

TEST_F(Journal_, UnEnregistrementQueLaSaisieAuraitRefuseNeChangeRien)
{
    OuvreBase(TTypeInstrument::Cassegrain);
    const auto base = ConceptionRafraichie();
    const TEnregistrementJournal horsSaisie[] = {
        {SaisieDiametreEntreeNewton, 0, "60000"},
        {SaisieFocalePrimaireCassegrain, 0, "1E11"},
        {SaisieDeformationSecondaire2, 0, "-5E6"},
        {SaisieRayonDioptre, 1, "1E7"},
        {SaisieIndiceRouge, 1, "7"},
        {SaisieLongueurOndeRouge, 0, "99"},
        {SaisieLongueurOndeVerte, 0, "-1"},
        {SaisieDistanceAxeEtoile, 0, "-2"},
    };
    for (const TEnregistrementJournal& e : horsSaisie)
        AjouteEnregistrement(e);

    Edition.PositionJournal = Journal.NombreEnregistrementsJournal;
    RejoueJournal();

    EXPECT_EQ(Ecarts(ConceptionRafraichie(), base), "");
}

namespace {

// Every question answered "Ok".
class TQuestionOk : public IQuestion
{
public:
    TReponse Pose(const TQuestion&) override { return ReponseOk; }
};

// One damage of a text cut in lines: a line dropped, doubled, replaced by a troublesome piece, the rest cut off, or
// one of its bytes changed.
void Abime(std::vector<std::string>& lignes, std::mt19937& hasard)
{
    static const std::vector<std::string> morceaux = {"",      "-",   "E",    "1E",    "--1", "1,2,3", "99999999999",
                                                      "1E400", "-2",  "2001", "1001",  "-15", "30",    "\"",
                                                      "0",     "NAN", "INF",  "-1E308"};
    const auto tirage = [&hasard](std::size_t n) { return static_cast<std::size_t>(hasard() % n); };
    if (lignes.empty())
        return;
    const std::size_t i = tirage(lignes.size());
    switch (tirage(5))
    {
    case 0: lignes.erase(lignes.begin() + static_cast<std::ptrdiff_t>(i)); break;
    case 1: lignes.insert(lignes.begin() + static_cast<std::ptrdiff_t>(i), lignes[i]); break;
    case 2: lignes[i] = morceaux[tirage(morceaux.size())]; break;
    case 3: lignes.resize(i); break;
    default:
        if (!lignes[i].empty())
            lignes[i][tirage(lignes[i].size())] = static_cast<char>(hasard() & 0xFF);
    }
}

} // namespace

TEST_F(Journal_, UnJournalAbimeAuHasardSeRecupereViteEtSansValeurQuiNEstPasUnNombre)
{
    // A journal the program writes: a read, values, a spectral line, a device cell, a settings record.
    OuvreBase(TTypeInstrument::Cassegrain);
    Modifie(SaisieDiametreEntreeNewton, 254.6);
    Modifie(SaisieFocaleResultanteCassegrain, 3600);
    ChoisitLigne(TTableEditee::Dispositif, SaisieLongueurOndeRouge, 7);
    AjouteEnregistrement({SaisieRayonDioptre, 2, "-60"});
    AjouteEnregistrement({SaisieEpaisseurDioptre, 2, "45,5"});
    EffaceIndices();
    const std::vector<std::string> modele = LignesJournal();
    ASSERT_GE(modele.size(), 21u);
    TQuestionOk question;
    ::Services().Question = &question;
    std::mt19937 hasard(20261211);
    for (int essai = 0; essai < 300; ++essai)
    {
        std::vector<std::string> lignes = modele;
        for (int abimes = 1 + static_cast<int>(hasard() % 3); abimes > 0; --abimes)
            Abime(lignes, hasard);
        std::string octets;
        for (const std::string& ligne : lignes)
            octets += ligne + "\n";
        // Now and then a write cut inside a record.
        if (hasard() % 4 == 0 && !octets.empty())
            octets.resize(hasard() % octets.size());
        std::ofstream(Etat.CheminJournal, std::ios::binary | std::ios::trunc) << octets;

        std::vector<TEnregistrementJournal> lus;
        bool entier = false;
        LitJournal(PositionRecuperation, lus, &entier);
        AdopteJournal(lus, entier);
        Edition.PositionJournal = PositionRecuperation;
        const auto debut = std::chrono::steady_clock::now();
        RejoueJournal();
        RafraichitVue();
        ASSERT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(2)) << "essai " << essai;
        std::string champ;
        ASSERT_FALSE(EtatContientNonFini(champ)) << "essai " << essai << " : " << champ;
        Edition.PositionJournal = 0;
    }
}
