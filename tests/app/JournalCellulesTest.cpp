// The surface tables' cells committed through the entry box, each record they write checked against the journal:
// undo steps back to the design before, redo and the recovery's replay give the design the commits gave, the gaps
// raised after a question and a removed group row included.
#include "JournalTest.h"

#include "app/AnnulerRefaire.h"
#include "app/Rejeu.h"
#include "app/Vues.h"
#include "editing/ClicsFiche.h"
#include "editing/CommandesLignes.h"
#include "editing/OuvreCellules.h"
#include "editing/OuvreSaisie.h"
#include "editing/SourisTableaux.h"
#include "editing/Valide.h"

#include <functional>

namespace {

using T = TTypeInstrument;

class JournalCellules : public JournalTest
{
protected:
    void SetUp() override
    {
        JournalTest::SetUp();
        // Every minimum-thickness question is answered yes.
        PortsEdition.PoseQuestion = [](const std::string&, const std::string&) { return 6; };
    }
};

// A cell opened by its opener on a row of its table, typed over and committed.
void Saisit(TTableEditee table, int ligne, TCodeSaisie code, const std::string& texte)
{
    Edition.TableEditee = table;
    Edition.LigneCourante = ligne;
    OuvreCellule(code);
    ASSERT_EQ(EtatSaisie.CodeSaisie, code);
    EtatSaisie.Saisie.Texte = texte;
    ValideSaisie();
}

void SaisitDistance(void (*ouvre)(), const std::string& texte)
{
    ouvre();
    EtatSaisie.Saisie.Texte = texte;
    ValideSaisie();
}

// The design as the user sees it. A Klevtsov's magnification is derived from the focal length the previous refresh
// found: its design settles at the second refresh, whatever way it was reached.
std::vector<std::string> Vue()
{
    ConceptionRafraichie();
    return ConceptionRafraichie();
}

struct TCasCellules
{
    const char* Nom;
    TTypeInstrument Forme;
    std::function<void()> Saisies;
    void (*Retouche)() = nullptr; // a change of the test design before it is saved
};

const std::vector<TCasCellules>& Cas()
{
    using enum TTableEditee;
    static const std::vector<TCasCellules> cas = {
        // R 20 over D 30 needs the lens 9.08 mm thick: the gap is raised first.
        {"rayon qui epaissit la lentille", T::Cassegrain, [] { Saisit(Dispositif, 1, SaisieRayonDioptre, "20"); }},
        {"diaphragme en tete du dispositif", T::Cassegrain, [] { Saisit(Dispositif, 1, SaisieRayonDioptre, "Diaph"); }},
        {"diaphragme sur la seconde ligne", T::Cassegrain, [] { Saisit(Dispositif, 2, SaisieRayonDioptre, "dDiaph"); }},
        {"epaisseur du dispositif", T::Cassegrain, [] { Saisit(Dispositif, 1, SaisieEpaisseurDioptre, "6"); }},
        {"diametre du dispositif", T::Cassegrain, [] { Saisit(Dispositif, 1, SaisieDiametreDioptre, "28"); }},
        {"indice du dispositif", T::Cassegrain, [] { Saisit(Dispositif, 1, SaisieIndiceRouge, "1,6"); }},
        {"verre du dispositif", T::Cassegrain, [] { Saisit(Dispositif, 1, SaisieMatiereDioptre, "F2"); }},
        {"distance de l'etoile", T::Cassegrain,
         [] {
             Etat.VueCourante = TVue::EtoileUnique;
             SaisitDistance(OuvreSaisieDistanceAxeEtoile, "12");
         }},
        // Beyond the fully illuminated field: the cap is stored and journaled, the box keeps the typed text.
        {"distance de l'etoile d'un Maksutov bornee", T::Maksutov,
         [] {
             Etat.VueCourante = TVue::Instrument;
             SaisitDistance(OuvreSaisieDistanceAxeEtoile, "400");
             ASSERT_EQ(EtatSaisie.Saisie.Texte, "400 '");
             ASSERT_GT(Reglages.DistanceAxeEtoile, 1);
             ASSERT_LT(Reglages.DistanceAxeEtoile, 400);
         }},
        {"distance de l'image avec les rayons", T::Cassegrain,
         [] {
             EnfonceSeul(TBoutonVue::Dispositif);
             Etat.VueCourante = TVue::Dispositif;
             Reglages.RayonsLumineuxTraces = true;
             SaisitDistance(OuvreSaisieDistanceAxeImage, "-5");
         }},
        // Each distance set in its own view, typed and by the box's arrows, then undone, redone and recovered in
        // another view: each comes back as the distance it was.
        {"distances des deux vues, la vue changee ensuite", T::Cassegrain,
         [] {
             EnfonceSeul(TBoutonVue::Dispositif);
             Etat.VueCourante = TVue::Dispositif;
             Reglages.RayonsLumineuxTraces = true;
             SaisitDistance(OuvreSaisieDistanceAxeImage, "-5");
             FicheBoxDistanceMouseUp(45, 3);
             EnfonceSeul(TBoutonVue::Unique);
             Etat.VueCourante = TVue::EtoileUnique;
             SaisitDistance(OuvreSaisieDistanceAxeEtoile, "12");
             FicheBoxDistanceMouseUp(45, 3);
             ASSERT_GT(Reglages.DistanceAxeEtoile, 12);
             ASSERT_GT(Reglages.DistanceAxeImage, -5);
         }},
        {"ligne du milieu du groupe videe puis retiree", T::Lunette,
         [] {
             Saisit(Groupe, 2, SaisieEpaisseurGroupe, "");
             Saisit(Groupe, 2, SaisieIndiceRougeGroupe, "");
             Saisit(Groupe, 2, SaisieIndiceVertGroupe, "");
             Saisit(Groupe, 2, SaisieIndiceBleuGroupe, "");
             Saisit(Groupe, 2, SaisieMatiereGroupe, "");
             Saisit(Groupe, 2, SaisieRayonGroupe, "");
             ASSERT_EQ(::Groupe.NombreDioptresGroupe, 2);
         }},
        {"groupe allonge", T::Lunette,
         [] {
             Saisit(Groupe, 4, SaisieRayonGroupe, "-900");
             Saisit(Groupe, 4, SaisieEpaisseurGroupe, "2");
             Saisit(Groupe, 4, SaisieDiametreGroupe, "100");
             Saisit(Groupe, 4, SaisieIndiceRougeGroupe, "1,000276");
             Saisit(Groupe, 4, SaisieIndiceVertGroupe, "1,000278");
             Saisit(Groupe, 4, SaisieIndiceBleuGroupe, "1,00028");
             Saisit(Groupe, 1, SaisieDiametreGroupe, "90");
         }},
        {"diametre du correcteur de Lurie-Houghton", T::LurieHoughton,
         [] { Saisit(Groupe, 1, SaisieDiametreGroupe, "190"); }},
        {"secondaire du Klevtsov et l'ecart devant lui", T::KlevtsovCassegrain,
         [] {
             Saisit(Groupe, 2, SaisieEpaisseurGroupe, "0,1");
             Saisit(Groupe, 2, SaisieRayonGroupe, "320");
             Saisit(Groupe, 3, SaisieRayonLigneMiroir, "410");
         }},
        {"lignes du dispositif coupees, copiees, collees et inserees", T::Cassegrain,
         [] {
             ::Edition.TableEditee = Dispositif;
             ::Edition.LigneCourante = 1;
             CopierLigneExecute();
             InsererLigneCopieeExecute();
             ::Edition.LigneCourante = 3;
             InsererLigneExecute();
             ::Edition.LigneCourante = 2;
             CopierLigneExecute();
             ::Edition.LigneCourante = 3;
             CollerLigneExecute();
             ::Edition.LigneCourante = 5;
             InsererLigneCopieeExecute();
             ASSERT_EQ(::Dispositif.NombreDioptres, 5);
             ::Edition.LigneCourante = 3;
             CouperLigneExecute();
             ASSERT_EQ(::Dispositif.NombreDioptres, 4);
         }},
        // The group ends on its own three lenses, so that the derived values of a valid design compare.
        {"lignes du groupe", T::Lunette,
         [] {
             ::Edition.TableEditee = Groupe;
             ::Edition.LigneCourante = 1;
             CopierLigneExecute();
             ::Edition.LigneCourante = 2;
             InsererLigneExecute();
             ::Edition.LigneCourante = 2;
             CollerLigneExecute();
             ASSERT_EQ(::Groupe.NombreDioptresGroupe, 4);
             CouperLigneExecute();
             AjouteLigneGroupe();
             ASSERT_EQ(::Groupe.NombreDioptresGroupe, 4);
             CouperLigneExecute();
             ASSERT_EQ(::Groupe.NombreDioptresGroupe, 3);
         }},
        {"fleches du dispositif et de sa ligne en cours", T::Cassegrain,
         [] {
             FicheGrilleMouseDown(95, 16 + 32 + 12);
             FicheLigneMouseDown(235, 12);
             FicheLigneMouseDown(170, 3);
             FicheLigneMouseDown(330, 12);
         }},
        {"fleches du groupe validees", T::Lunette,
         [] {
             FicheTableauKlevtsovMouseDown(95, 16 * 2 + 43 + 3);
             ValideSaisie();
             FicheLigneMouseDown(170, 3);
         }},
        {"verre de la lame", T::Schmidt,
         [] {
             Saisit(Lame, 5, SaisieIndiceVertLame, "1,6");
             Saisit(Lame, 5, SaisieMatiereLame, "UBK7");
         }},
    };
    return cas;
}

TEST_F(JournalCellules, AnnulerRetablirEtRecupererRedonnentLesConceptions)
{
    for (const TCasCellules& cas : Cas())
    {
        SCOPED_TRACE(cas.Nom);
        OuvreBase(cas.Forme, true, cas.Retouche);
        const auto base = Vue();
        cas.Saisies();
        const std::int32_t enregistrements = Journal.NombreEnregistrementsJournal - 1;
        ASSERT_GT(enregistrements, 0);
        const auto modifiee = Vue();
        EXPECT_NE(Ecarts(modifiee, base), "");

        for (std::int32_t k = 0; k < enregistrements; ++k)
            AnnulerExecute();
        EXPECT_EQ(Ecarts(Vue(), base), "");
        for (std::int32_t k = 0; k < enregistrements; ++k)
            RetablirExecute();
        EXPECT_EQ(Ecarts(Vue(), modifiee), "");

        // The recovery replays the whole journal.
        Edition.PositionJournal = Journal.NombreEnregistrementsJournal;
        RejoueJournal();
        EXPECT_EQ(Ecarts(Vue(), modifiee), "");
        Edition.PositionJournal = 0;
        Etat.VueCourante = TVue::Tableau;
        Etat.BoutonsVue = {};
        Reglages.RayonsLumineuxTraces = false;
    }
}

TEST_F(JournalCellules, AnnulerJusteApresUnPasDuGroupeRendLaValeur)
{
    OuvreBase(T::Lunette);
    const double rayon = ::Groupe.RayonGroupe[2];
    Saisit(TTableEditee::Groupe, 1, SaisieDiametreGroupe, "90");
    // The group table's own step waits for the commit of its cell to be journaled.
    FicheTableauKlevtsovMouseDown(95, 16 * 2 + 43 + 3);
    ASSERT_NE(::Groupe.RayonGroupe[2], rayon);
    AnnulerExecute();
    EXPECT_EQ(::Groupe.RayonGroupe[2], rayon);
    EXPECT_EQ(::Groupe.DiametreGroupe[1], 100);
}

} // namespace
