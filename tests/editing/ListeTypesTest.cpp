// The instrument-type list (a new design from a typed name) and the wavelength list (lines offered per channel, a
// typed line, a chosen line rewriting only the edited channel of the edited table from the catalogue).
#include "editing/ChoixVerre.h"
#include "editing/ListeTypes.h"
#include "editing/OuvreSaisie.h"
#include "PortsEnregistres.h"
#include "sheet/Fiche.h"

#include <gtest/gtest.h>

namespace {

using T = TTypeInstrument;

int NouveauxDocuments = 0;

class ListeTypes : public SaisieForme
{
protected:
    void SetUp() override
    {
        SaisieForme::SetUp();
        NouveauxDocuments = 0;
        PortsListes.CreeNouveauDocument = [] { ++NouveauxDocuments; };
        // No catalogue file: a line that changes finds no glass in it, and that is said.
        PortsCatalogue.Lit = [] { return TCatalogueLu{{}, true}; };
        PortsCatalogue.AfficheMessageDisque = [](const std::string&, const std::string&) {};
        Controles.ComboBox.Visible = true;
    }
};

TEST_F(ListeTypes, ChaqueEntreeDonneSaFormeSonNomEtSesValeursDeDepart)
{
    struct TCas
    {
        const char* Entree;
        T Forme;
        const char* Nom;
    };
    const std::vector<TCas> cas = {
        {"Télescope de Newton", T::Newton, "Télescope de Newton"},
        {"Télescope de Schmidt-Newton", T::SchmidtNewton, "Télescope Schmidt-Newton"},
        {"Télescope de Lurie-Houghton", T::LurieHoughton, "Télescope de Lurie-Houghton"},
        {"Lunette", T::Lunette, "Lunette"},
        {"LUNETTE", T::Lunette, "Lunette"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Entree);
        ReinitialiseEtat();
        Appels = TAppelsPorts{};
        Controles.ComboBox.Visible = true;
        LongueursOnde = {1, 2, 3};
        EXPECT_TRUE(ChoisitTypeInstrument(c.Entree));
        EXPECT_EQ(Instrument.TypeInstrument, c.Forme);
        EXPECT_EQ(Instrument.NomInstrument, c.Nom);
        EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 8);
        EXPECT_EQ(LongueursOnde.LongueurOndeVerte, 13);
        EXPECT_EQ(LongueursOnde.LongueurOndeBleue, 15);
        EXPECT_FALSE(Controles.ComboBox.Visible);
        ASSERT_EQ(Appels.Enregistrements.size(), 1u);
        EXPECT_EQ(Appels.Enregistrements[0].Code, CodeJournalType);
        EXPECT_EQ(Appels.Enregistrements[0].Valeur, c.Nom);
        EXPECT_EQ(NouveauxDocuments, 0);
        EXPECT_NE(EtatSaisie.CodeSaisie, AucuneSaisie) << "the first value is open";
    }
    ReinitialiseEtat();
    ChoisitTypeInstrument("Télescope de Newton");
    EXPECT_EQ(Instrument.CoefficientDeformationPrimaire, -1.0);
    EXPECT_EQ(EtatSaisie.CodeSaisie, CodeValeurFiche(TValeurFiche::DiametreEntree, T::Newton));
    ReinitialiseEtat();
    ChoisitTypeInstrument("Télescope de Lurie-Houghton");
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 2);
}

TEST_F(ListeTypes, UnNomInconnuNeJournaliseRien)
{
    struct TCas
    {
        const char* Entree;
        std::int32_t PositionJournal;
        T FormeAvant;
        T FormeApres;
        int NouveauxDocuments;
    };
    // Only A to Z are lowered: the capital accented letter keeps the name from matching.
    const std::vector<TCas> cas = {{"TÉLESCOPE DE NEWTON", 0, T::Aucun, T::Aucun, 1},
                                   {"télescope", 0, T::Aucun, T::Aucun, 1},
                                   {"inconnu", 3, T::Cassegrain, T::Cassegrain, 0}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Entree);
        ReinitialiseEtat();
        Appels = TAppelsPorts{};
        NouveauxDocuments = 0;
        Instrument.TypeInstrument = c.FormeAvant;
        Edition.PositionJournal = c.PositionJournal;
        EXPECT_FALSE(ChoisitTypeInstrument(c.Entree));
        EXPECT_EQ(Instrument.TypeInstrument, c.FormeApres);
        EXPECT_TRUE(Appels.Enregistrements.empty());
        EXPECT_EQ(NouveauxDocuments, c.NouveauxDocuments);
    }
}

TEST(LignesOffertes, ParCanalSelonLesAutresRaies)
{
    struct TCas
    {
        const char* Nom;
        int Canal;
        TLongueursOnde Lignes;
        std::vector<TLongueurOnde> Attendu;
    };
    const auto suite = [](TLongueurOnde de, TLongueurOnde a) {
        std::vector<TLongueurOnde> v = {0};
        for (TLongueurOnde k = de; k <= a; ++k)
            v.push_back(k);
        return v;
    };
    const std::vector<TCas> cas = {
        {"rouge, vert 13", 1, {8, 13, 15}, suite(1, 12)},
        {"rouge sans vert", 1, {8, 0, 15}, suite(1, 22)},
        {"rouge, vert 1", 1, {0, 1, 15}, {0}},
        {"vert entre 8 et 15", 2, {8, 13, 15}, suite(9, 15)},
        {"vert, bleu -1", 2, {8, 13, -1}, suite(9, 23)},
        {"vert, bleu 0", 2, {8, 13, 0}, {0}},
        {"bleu, vert 13", 3, {8, 13, 15}, suite(14, 23)},
        {"bleu sans vert", 3, {8, 0, 15}, suite(2, 23)},
        {"bleu, vert 22", 3, {8, 22, 23}, {0, 0, 23}},
        {"bleu, vert 23", 3, {8, 23, 0}, {0, 0, 23}},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        EXPECT_EQ(LignesOffertes(c.Canal, c.Lignes), c.Attendu);
    }
}

TEST_F(ListeTypes, LaListeSePlaceSurLaCelluleEtMontreLaRaie)
{
    SeparateurDecimal = ',';
    Controles.Grille = {true, 20, 300, 762, 49};
    Controles.TableauKlevtsov = {true, 20, 200, 762, 60};
    Controles.TableauSchmidt = {true, 10, 100, 762, 48};
    LongueursOnde = {8, 13, 15};
    struct TCas
    {
        TCodeSaisie Code;
        int Canal;
        TTableEditee Table;
        int Gauche, Haut, Largeur;
        const char* Texte;
    };
    const std::vector<TCas> cas = {
        {SaisieLongueurOndeRouge, 1, TTableEditee::Dispositif, 20 + 279, 300 + 25, 57, "656,3"},
        {SaisieLongueurOndeVerte, 2, TTableEditee::Groupe, 20 + 374, 200 + 36, 58, "546,1"},
        {SaisieLongueurOndeBleueLame, 3, TTableEditee::Lame, 10 + 525 - 1, 100 + 15 - 1, 57, "480"}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Code);
        EtatSaisie.CodeSaisie = c.Code;
        EtatSaisie.CanalLongueurOnde = c.Canal;
        Edition.TableEditee = c.Table;
        PrepareListeLongueurOnde();
        EXPECT_EQ(ListeLongueursOnde.Gauche, c.Gauche);
        EXPECT_EQ(ListeLongueursOnde.Haut, c.Haut);
        EXPECT_EQ(ListeLongueursOnde.Largeur, c.Largeur);
        EXPECT_EQ(ListeLongueursOnde.Hauteur, 12);
        EXPECT_EQ(ListeLongueursOnde.Texte, c.Texte);
        EXPECT_EQ(ListeLongueursOnde.Entrees.front(), "");
    }
    EXPECT_EQ(TexteLongueurOnde(4), "1060");
}

TEST_F(ListeTypes, UneRaieTapeeEstPriseSiElleEstUneDes23)
{
    SeparateurDecimal = ',';
    LongueursOnde = {8, 13, 15};
    EtatSaisie.CodeSaisie = SaisieLongueurOndeVerte;
    ListeLongueursOnde.Texte = "1060";
    AppliqueLongueurOnde();
    EXPECT_EQ(LongueursOnde.LongueurOndeVerte, 4) << "any line can be typed";
    ListeLongueursOnde.Texte = "1061";
    AppliqueLongueurOnde();
    EXPECT_EQ(LongueursOnde.LongueurOndeVerte, 4);
    EtatSaisie.CodeSaisie = SaisieLongueurOndeRougeLame;
    ListeLongueursOnde.Texte = "248,3";
    AppliqueLongueurOnde();
    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 23);
    ASSERT_EQ(Appels.Enregistrements.size(), 2u) << "the refused text journals nothing";
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieLongueurOndeVerte);
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "4");
    EXPECT_EQ(Appels.Enregistrements[1].Code, SaisieLongueurOndeRouge)
        << "the plate's red line is the design's red line";
    EXPECT_EQ(Appels.Enregistrements[1].Valeur, "23");
}

// A catalogue of three glasses whose index at line k is 1 + k / 100 (Air: 1 + k / 10000).
TCatalogueLu CatalogueEssai()
{
    TCatalogueLu catalogue;
    for (const char* nom : {"Air", "BK7", "F2"})
    {
        TMatiereCatalogue m;
        m.Lignes[0] = nom;
        const double pas = std::string(nom) == "Air" ? 1e-4 : std::string(nom) == "BK7" ? 1e-2 : 2e-2;
        for (int k = 1; k <= NombreLongueursOnde; ++k)
            m.Lignes[static_cast<std::size_t>(k)] = FormateNombre(1 + pas * k, "#0.000000");
        catalogue.Matieres.push_back(m);
    }
    return catalogue;
}

// The materials the catalogue gives before its reading fails; all three read without error by default.
std::size_t MatieresLisibles = 3;
std::vector<std::string> MessagesDisque;

class ListeLongueurs : public ListeTypes
{
protected:
    void SetUp() override
    {
        ListeTypes::SetUp();
        MatieresLisibles = 3;
        MessagesDisque.clear();
        PortsCatalogue.Lit = [] {
            TCatalogueLu c = CatalogueEssai();
            if (MatieresLisibles < c.Matieres.size())
            {
                c.Matieres.resize(MatieresLisibles);
                c.Erreur = true;
            }
            return c;
        };
        PortsCatalogue.AfficheMessageDisque = [](const std::string& titre, const std::string& texte) {
            MessagesDisque.push_back(titre + " | " + texte);
        };
        ChoisitTypeInstrument("Télescope de Newton");
        Appels = TAppelsPorts{};
        Dispositif.NombreDioptres = 3;
        Dispositif.MatiereDioptre[2] = "bk7";
        Dispositif.MatiereDioptre[3] = "Air - Diaphragme";
        Dispositif.MatiereDioptre[4] = "Inconnu";
        Dispositif.IndiceBleu = {};
        Dispositif.IndiceBleu.fill(9.0f);
        Edition.TableEditee = TTableEditee::Dispositif;
    }

    static void Choisit(TCodeSaisie code, int canal, const std::string& texte)
    {
        EtatSaisie.CodeSaisie = code;
        EtatSaisie.CanalLongueurOnde = canal;
        ListeLongueursOnde.Texte = texte;
        ChoisitLongueurOnde();
    }
};

TEST_F(ListeLongueurs, UneRaieChoisieReecritLeCanalParNomDeVerre)
{
    Choisit(SaisieLongueurOndeRouge, 1, TexteLongueurOnde(5));
    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 5);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieLongueurOndeRouge);
    EXPECT_EQ(Appels.Enregistrements[0].Index, static_cast<std::int32_t>(TTableEditee::Dispositif));
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "5");
    EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[2], 1.05f);
    EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[3], 1.0005f) << "a stop is air";
    EXPECT_EQ(Dispositif.IndiceRouge[4], 0.0f) << "a glass the catalogue lacks";
    EXPECT_EQ(Dispositif.IndiceBleu[2], 9.0f) << "the other channels stay";
    EXPECT_TRUE(Edition.DocumentModifie);

    // The same line again rewrites the channel: a record when that changed an index, so that a replay changes it
    // too; none when nothing changed.
    Dispositif.IndiceRouge[2] = 3.0f;
    Choisit(SaisieLongueurOndeRouge, 1, TexteLongueurOnde(5));
    ASSERT_EQ(Appels.Enregistrements.size(), 2u);
    EXPECT_EQ(Appels.Enregistrements[1].Valeur, "5");
    EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[2], 1.05f);
    Choisit(SaisieLongueurOndeRouge, 1, TexteLongueurOnde(5));
    EXPECT_EQ(Appels.Enregistrements.size(), 2u);

    // The empty entry chooses no line: the channel, its indices and the journal stay as they were.
    const TLongueurOnde bleue = LongueursOnde.LongueurOndeBleue;
    Edition.DocumentModifie = false;
    Choisit(SaisieLongueurOndeBleue, 3, "");
    EXPECT_EQ(LongueursOnde.LongueurOndeBleue, bleue);
    EXPECT_EQ(Appels.Enregistrements.size(), 2u);
    EXPECT_EQ(Dispositif.IndiceBleu[2], 9.0f);
    EXPECT_FALSE(Edition.DocumentModifie);
}

TEST_F(ListeLongueurs, LeGroupeEtLaLameSuiventLeurTable)
{
    // A form whose second group row is glass, not the air behind a plate.
    Instrument.TypeInstrument = TTypeInstrument::Lunette;
    Groupe.NombreDioptresGroupe = 2;
    Groupe.MatiereGroupe[1] = "F2";
    Groupe.MatiereGroupe[2] = "BK7";
    Edition.TableEditee = TTableEditee::Groupe;
    Choisit(SaisieLongueurOndeVerte, 2, TexteLongueurOnde(10));
    EXPECT_FLOAT_EQ(Groupe.IndiceVertGroupe[1], 1.2f);
    EXPECT_FLOAT_EQ(Groupe.IndiceVertGroupe[2], 1.1f);
    EXPECT_EQ(Dispositif.IndiceVert[2], 0.0f) << "the device is not the edited table";

    // The plate's list changes the plate glass only.
    Edition.TableEditee = TTableEditee::Lame;
    Choisit(SaisieLongueurOndeVerteLame, 2, TexteLongueurOnde(11));
    EXPECT_FLOAT_EQ(Groupe.IndiceVertGroupe[1], 1.22f);
    EXPECT_FLOAT_EQ(Groupe.IndiceVertGroupe[2], 1.1f);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 2);
}

TEST_F(ListeLongueurs, UnCatalogueIllisibleDonneSesMatieresLuesEtZeroAuxAutres)
{
    struct TCas
    {
        std::size_t Lues;
        float Verre;
        float Diaphragme;
    };
    // Only Air is read before the failure, then nothing at all.
    for (const TCas& c : std::vector<TCas>{{1, 0.0f, 1.0006f}, {0, 0.0f, 0.0f}})
    {
        SCOPED_TRACE(c.Lues);
        LongueursOnde.LongueurOndeRouge = 8;
        Appels = TAppelsPorts{};
        MessagesDisque.clear();
        Dispositif.IndiceRouge[2] = 1.5f;
        Dispositif.IndiceRouge[3] = 1.5f;
        MatieresLisibles = c.Lues;
        Choisit(SaisieLongueurOndeRouge, 1, TexteLongueurOnde(6));
        EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 6);
        EXPECT_EQ(Appels.Enregistrements.size(), 1u) << "the new line stays journaled";
        EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[2], c.Verre) << "no index of the old line under the new one";
        EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[3], c.Diaphragme);
        EXPECT_EQ(MessagesDisque,
                  std::vector<std::string>{"Quivane - Lecture d'un fichier | Erreur de lecture d'un fichier"});
    }
}

TEST_F(ListeLongueurs, UneRaieTapeeQuiChangeEstJournaliseeCommeUneRaieChoisie)
{
    Edition.DocumentModifie = false;
    EtatSaisie.CodeSaisie = SaisieLongueurOndeRouge;
    ListeLongueursOnde.Texte = TexteLongueurOnde(5);
    AppliqueLongueurOnde();
    EXPECT_EQ(LongueursOnde.LongueurOndeRouge, 5);
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Appels.Enregistrements[0].Code, SaisieLongueurOndeRouge);
    EXPECT_EQ(Appels.Enregistrements[0].Index, static_cast<std::int32_t>(TTableEditee::Dispositif));
    EXPECT_EQ(Appels.Enregistrements[0].Valeur, "5");
    EXPECT_TRUE(Edition.DocumentModifie);
    EXPECT_TRUE(Edition.AMettreAJour);
    EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[2], 1.05f);
    EXPECT_FLOAT_EQ(Dispositif.IndiceRouge[3], 1.0005f);
    EXPECT_EQ(Dispositif.IndiceRouge[4], 0.0f);

    // Leaving the list on the line it already holds changes nothing.
    Dispositif.IndiceRouge[2] = 3.0f;
    AppliqueLongueurOnde();
    EXPECT_EQ(Appels.Enregistrements.size(), 1u);
    EXPECT_EQ(Dispositif.IndiceRouge[2], 3.0f);
}

} // namespace

namespace {

TEST_F(ListeTypes, ToucheDeLaListeDesLongueursOnde)
{
    ConstruitFormeValide(T::Newton);
    SeparateurDecimal = ',';
    LongueursOnde = {8, 13, 15};
    Edition.TableEditee = TTableEditee::Dispositif;
    struct TCas
    {
        char Caractere;
        bool Traite;
    };
    for (const TCas& c :
         std::vector<TCas>{{'+', true}, {'>', true}, {13, true}, {'-', true}, {'<', true}, {'5', false}})
    {
        SCOPED_TRACE(c.Caractere);
        LongueursOnde.LongueurOndeVerte = 13;
        EtatSaisie.CodeSaisie = SaisieLongueurOndeVerte;
        EtatSaisie.CanalLongueurOnde = 2;
        ListeLongueursOnde.Texte = "589,3";
        const std::size_t enregistres = Appels.Enregistrements.size();
        EXPECT_EQ(FicheComboBoxLambdaKeyPress(c.Caractere), c.Traite);
        EXPECT_EQ(LongueursOnde.LongueurOndeVerte, c.Traite ? 11 : 13);
        EXPECT_EQ(Appels.Enregistrements.size() - enregistres, c.Traite ? 1u : 0u) << "the line taken is journaled";
        if (c.Traite)
        {
            EXPECT_NE(EtatSaisie.CodeSaisie, SaisieLongueurOndeVerte) << "another field is open";
        }
    }
}

} // namespace
