// The central refresh: its rules as tables, and whole refreshes of a Newton design on recording images.
#include "app/Etat.h"
#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "editing/EtatEdition.h"
#include "doubles/CanevasEnregistreur.h"
#include "optics/Modele.h"
#include "platform/Format.h"
#include "sheet/BlocInstrument.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using T = TTypeInstrument;

class Rafraichissement : public testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationGraphique();
        SeparateurDecimal = ',';
        ImagesFiche.Fenetre = &Fenetre;
        ImagesFiche.Grille = &Grille;
        Etat.VueCourante = TVue::Tableau;
    }
    void TearDown() override { SeparateurDecimal = '.'; }

    TCanevasEnregistreur Fenetre{800, 800};
    TCanevasEnregistreur Grille{762, 529};
};

std::optional<bool> Active(const TEtatsPage& etats, TCommande commande)
{
    return etats.EstActive(commande);
}

} // namespace

TEST_F(Rafraichissement, CommandesDeFormulesSelonLaForme)
{
    struct TCas
    {
        T Forme;
        bool SansSecondaire;
        std::optional<bool> Ross, Barlow;
    };
    const TCas cas[] = {
        {T::Aucun, false, std::nullopt, std::nullopt},
        {T::Newton, true, true, true},
        {T::Cassegrain, false, false, true},
        {T::RitcheyChretien, false, false, true},
        {T::Gregory, false, false, true},
        {T::SchmidtCassegrain, false, false, true},
        {T::SchmidtCassegrain, true, false, false},
        {T::MaksutovCassegrain, false, false, true},
        {T::Lunette, false, false, true},
        {T::Schwarzschild, false, false, true},
        {T::MaksutovNewton, false, false, true},
        {T::DallKirkham, false, false, true},
        {T::KlevtsovCassegrain, false, false, true},
        {T::LurieHoughton, false, false, true},
        {T::HoughtonCassegrain, true, false, false},
        {T::SchmidtNewton, false, false, true},
        {T::Schmidt, false, false, false},
        {T::Maksutov, false, false, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        const TEtatsPage etats = CommandesFormules(c.Forme, c.SansSecondaire);
        for (TCommande commande : {TCommande::CorrecteurdeRossdeuxlentilles1, TCommande::RossQuivane,
                                   TCommande::RossSpecial, TCommande::Wynne})
            EXPECT_EQ(Active(etats, commande), c.Ross);
        EXPECT_EQ(Active(etats, TCommande::Barlow), c.Barlow);
        EXPECT_EQ(Active(etats, TCommande::OculaireA), c.Barlow);
        EXPECT_EQ(etats.EstVisible(TElementPage::VerticalBar),
                  c.Forme == T::Aucun ? std::optional<bool>(false) : std::nullopt);
        EXPECT_EQ(etats.EstVisible(TElementPage::LigneMiroirActive),
                  c.Forme == T::Newton ? std::optional<bool>(false) : std::nullopt);
    }
}

TEST_F(Rafraichissement, HauteurDuBlocSelonLaForme)
{
    struct TCas
    {
        T Forme;
        bool SurMenisque;
        int Lentilles;
        int Hauteur;
    };
    const TCas cas[] = {
        {T::Aucun, true, 0, 0},
        {T::Newton, true, 0, 64},
        {T::Cassegrain, true, 0, 96},
        {T::RitcheyChretien, true, 0, 96},
        {T::Gregory, true, 0, 96},
        {T::Schwarzschild, true, 0, 96},
        {T::DallKirkham, true, 0, 96},
        {T::Schmidt, true, 0, 112},
        {T::Maksutov, true, 0, 112},
        {T::MaksutovNewton, true, 0, 112},
        {T::LurieHoughton, true, 0, 112},
        {T::SchmidtCassegrain, true, 0, 160},
        {T::SchmidtNewton, true, 0, 160},
        {T::MaksutovCassegrain, true, 0, 160},
        {T::MaksutovCassegrain, false, 0, 176},
        {T::Lunette, true, 0, 101},
        {T::Lunette, true, 1, 101},
        {T::Lunette, true, 3, 133},
        {T::KlevtsovCassegrain, true, 0, 165},
        {T::KlevtsovCassegrain, true, 2, 181},
        {T::HoughtonCassegrain, true, 0, 144},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        EXPECT_EQ(HauteurBlocInstrument(c.Forme, c.SurMenisque, c.Lentilles), c.Hauteur);
    }
}

TEST_F(Rafraichissement, CommandesQuiSuiventLesResultats)
{
    struct TCas
    {
        const char* Nom;
        bool Iv, Dv, Present, Vierge, PremiereVide;
        bool Instrument, DispositifVue, Analyses, Imprimer, Optimisation, Homothetie, Puissance;
    };
    const TCas cas[] = {
        {"instrument seul", true, false, false, false, false, true, false, true, true, false, true, false},
        {"dispositif invalide", true, false, true, false, false, true, false, false, true, false, true, false},
        {"tout valide", true, true, true, false, false, true, true, true, true, true, true, true},
        {"instrument vierge", false, false, false, true, false, false, false, false, false, false, false, false},
        {"vierge avec dispositif", false, true, true, true, false, false, true, false, false, false, true, true},
        {"première ligne vide", true, false, false, false, true, true, false, true, false, false, true, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        TValidite v;
        v.InstrumentValide = c.Iv;
        v.DispositifValide = c.Dv;
        v.DispositifPresent = c.Present;
        v.InstrumentVierge = c.Vierge;
        const TEtatsPage e = CommandesResultats(v, c.PremiereVide);
        EXPECT_EQ(Active(e, TCommande::AfficheInstrument), c.Instrument);
        EXPECT_EQ(Active(e, TCommande::AfficheDispositifdioptrique), c.DispositifVue);
        for (TCommande k :
             {TCommande::Analyseduchamp, TCommande::EtoileMultiple, TCommande::EtoileUnique, TCommande::ImprimerTout})
            EXPECT_EQ(Active(e, k), c.Analyses);
        EXPECT_EQ(Active(e, TCommande::Imprimer), c.Imprimer);
        EXPECT_EQ(Active(e, TCommande::Optimisationdesdiametres), c.Optimisation);
        EXPECT_EQ(Active(e, TCommande::Homothetie), c.Homothetie);
        EXPECT_EQ(Active(e, TCommande::PuissanceGlobale), c.Puissance);
        EXPECT_EQ(Active(e, TCommande::Encombrement), c.Puissance);
        EXPECT_EQ(Active(e, TCommande::RossQuivane), c.Iv);
    }
}

TEST_F(Rafraichissement, EnregistrementAnnulerEtRetablir)
{
    struct TCas
    {
        const char* Nom;
        T Forme;
        bool Modifie;
        const char* Affiche;
        const char* Document;
        int Position, Nombre;
        std::optional<bool> Enregistrer;
        bool EnregistrerSous, Annuler, Retablir;
    };
    const TCas cas[] = {
        {"nouveau, non modifié", T::Aucun, false, "", "", 0, 0, std::nullopt, false, false, false},
        {"modifié sans nom", T::Newton, true, "", "", 0, 2, false, true, true, false},
        {"fichier récupéré: enregistrer demande un nom", T::Newton, true, "Fichier Récupéré", "", 0, 2, true, true,
         true, false},
        {"modifié avec fichier", T::Newton, true, "/a/b.qvd", "/a/b.qvd", 0, 3, true, true, true, false},
        {"chemin affiché sans document", T::Newton, true, "/a/b.qvd", "", 0, 3, std::nullopt, true, true, false},
        {"un seul enregistrement", T::Newton, false, "", "", 0, 1, std::nullopt, true, false, false},
        {"annulé jusqu'au premier", T::Newton, false, "", "", 1, 4, std::nullopt, true, false, true},
        {"au milieu du journal", T::Newton, false, "", "", 2, 4, std::nullopt, true, true, true},
        {"position au bout", T::Newton, false, "", "", 4, 4, std::nullopt, true, true, false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        const TEtatsPage e = CommandesEnregistrement(c.Forme, c.Modifie, c.Affiche, c.Document, c.Position, c.Nombre);
        EXPECT_EQ(Active(e, TCommande::Enregistrer), c.Enregistrer);
        EXPECT_EQ(Active(e, TCommande::EnregistrerSous), c.EnregistrerSous);
        EXPECT_EQ(Active(e, TCommande::Annuler), c.Annuler);
        EXPECT_EQ(Active(e, TCommande::Retablir), c.Retablir);
    }
}

TEST_F(Rafraichissement, ElementsDeLaBarreParVueEtCourbeMemorisee)
{
    struct TCas
    {
        TVue Vue;
        std::optional<bool> Dessin;
        bool Zooms, ZoomsChamp;
    };
    const TCas cas[] = {{TVue::Tableau, false, false, false},           {TVue::Instrument, std::nullopt, false, false},
                        {TVue::Dispositif, std::nullopt, false, false}, {TVue::Champ, std::nullopt, false, true},
                        {TVue::EtoileMultiple, true, true, false},      {TVue::EtoileUnique, true, true, false}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Vue));
        const TEtatsPage e = ElementsVue(c.Vue, {}, false);
        EXPECT_EQ(e.EstVisible(TElementPage::Dessin), c.Dessin);
        EXPECT_EQ(e.EstVisible(TElementPage::ZoomsEtoiles), c.Zooms);
        EXPECT_EQ(e.EstVisible(TElementPage::ZoomsChamp), c.ZoomsChamp);
    }
    // No view, or the start, changes nothing.
    for (TVue vue : {TVue::Aucune, TVue::Depart})
        EXPECT_FALSE(ElementsVue(vue, {}, false).EstVisible(TElementPage::ToolButton9));

    struct TCasCourbe
    {
        double Memorisee, Afocale;
        bool Afocal, Actives;
    };
    const TCasCourbe courbes[] = {
        {0, 0, false, false}, {0.05, 0, false, false}, {1, 0, false, true}, {1, 1, false, false}, {1, 1, true, true}};
    for (const TCasCourbe& c : courbes)
    {
        SCOPED_TRACE(std::to_string(c.Memorisee) + " " + std::to_string(c.Afocale));
        const TEtatsPage e = ElementsVue(TVue::Champ, {c.Memorisee, c.Afocale}, c.Afocal);
        // Copying the curve waits for the analysis's results.
        EXPECT_EQ(Active(e, TCommande::Copiercourbe), std::nullopt);
        EXPECT_EQ(Active(e, TCommande::AfficheCourbeMemorisee), c.Actives);
        EXPECT_EQ(Active(e, TCommande::EffaceCourbeMemorisee), c.Actives);
    }
}

TEST_F(Rafraichissement, TexteDeLaLongueurDeLInstrument)
{
    struct TCas
    {
        double Longueur;
        const char* Virgule;
        const char* Point;
    };
    const TCas cas[] = {{1000, "1000,0 mm", "1000.0 mm"},
                        {1000.04, "1,000 m", "1.000 m"},
                        {2500, "2,500 m", "2.500 m"},
                        {999.95, "1000,0 mm", "1000.0 mm"}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Longueur);
        SeparateurDecimal = ',';
        EXPECT_EQ(TexteLongueurInstrument(c.Longueur), std::string("Longueur de l'instrument = ") + c.Virgule);
        SeparateurDecimal = '.';
        EXPECT_EQ(TexteLongueurInstrument(c.Longueur), std::string("Longueur de l'instrument = ") + c.Point);
    }
}

TEST_F(Rafraichissement, UnNewtonRecalculeEtDessine)
{
    ConstruitFormeValide(T::Newton);
    Dispositif.NombreDioptres = 2;
    Edition.AMettreAJour = true;
    RafraichitVue();
    EXPECT_FALSE(Edition.AMettreAJour);
    EXPECT_EQ(Etat.VueCourante, TVue::Tableau);
    EXPECT_EQ(Etat.HauteurPage, MiseEnPage.HauteurTitre + 32 + 64 + 96 + 2 * 16);
    EXPECT_EQ(Controles.Grille.Height, 2 * 16 + 49);
    // A mirror alone focuses at its focal length.
    EXPECT_NEAR(Instrument.FocaleObjectif, 1000, 0.5);
    EXPECT_DOUBLE_EQ(Instrument.DiametreObstruction, 50);
    EXPECT_GT(Instrument.TacheDiffractionMicrons, 0);
    EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Télescope de Newton", .Gras = true}));
    EXPECT_EQ(EtatsPage.EstActive(TCommande::Barlow), true);
    EXPECT_EQ(EtatsPage.EstActive(TCommande::AfficheInstrument), true);
    EXPECT_EQ(EtatsPage.EstActive(TCommande::EnregistrerSous), true);
    // No device row is filled in, yet the drawn sheet can be printed.
    EXPECT_EQ(EtatsPage.EstActive(TCommande::Imprimer), true);
    EXPECT_EQ(EtatsPage.EstVisible(TElementPage::Dessin), false);
    // With no value open, the refresh opens the entrance diameter, whose help follows it.
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreEntreeNewton);
    EXPECT_EQ(ContexteAide, 3020);
}

TEST_F(Rafraichissement, SansMiseAJourSeulsLesEtatsFinauxChangent)
{
    ConstruitFormeValide(T::Newton);
    Journal.NombreEnregistrementsJournal = 1;
    RafraichitVue();
    EXPECT_TRUE(Fenetre.Journal().empty());
    EXPECT_TRUE(Grille.Journal().empty());
    EXPECT_EQ(EtatsPage.EstActive(TCommande::Barlow), true);
    EXPECT_EQ(EtatsPage.EstActive(TCommande::Annuler), false);
    EXPECT_EQ(EtatsPage.EstActive(TCommande::AfficheInstrument), std::nullopt);
}

TEST_F(Rafraichissement, LaVueSuitLesBoutonsEtLesRetours)
{
    struct TCas
    {
        const char* Nom;
        TVue Avant;
        TBoutonVue Bouton;
        bool RetourChamp, RetourEtoiles;
        TVue Vue;
        bool Dessin;
    };
    const TCas cas[] = {
        {"unique avec retour du champ", TVue::Champ, TBoutonVue::Unique, true, false, TVue::EtoileUnique, true},
        {"champ avec son retour", TVue::Instrument, TBoutonVue::Champ, true, false, TVue::Instrument, false},
        {"champ", TVue::Tableau, TBoutonVue::Champ, false, false, TVue::Champ, false},
        {"étoiles avec leur retour", TVue::Dispositif, TBoutonVue::Etoiles, false, true, TVue::Dispositif, false},
        {"étoiles", TVue::Tableau, TBoutonVue::Etoiles, false, false, TVue::EtoileMultiple, true},
    };
    ConstruitFormeValide(T::Newton);
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        Etat.VueCourante = c.Avant;
        Etat.BoutonsVue.fill(false);
        Etat.BoutonsVue[static_cast<std::size_t>(c.Bouton)] = true;
        Etat.RetourChamp = c.RetourChamp;
        Etat.RetourEtoileMultiple = c.RetourEtoiles;
        Edition.AMettreAJour = true;
        RafraichitVue();
        EXPECT_EQ(Etat.VueCourante, c.Vue);
        EXPECT_EQ(Controles.Dessin.Visible, c.Dessin);
        EXPECT_EQ(Etat.HauteurPage, MiseEnPage.HauteurTitre + 32 + 64 + 96 + 16 + HauteurVue(c.Vue));
    }
}

TEST_F(Rafraichissement, DepartEnfonceInstrumentSansRienRecalculer)
{
    ConstruitFormeValide(T::Newton);
    Etat.VueCourante = TVue::Depart;
    Edition.AMettreAJour = true;
    RafraichitVue();
    EXPECT_TRUE(Etat.BoutonsVue[static_cast<std::size_t>(TBoutonVue::Instrument)]);
    EXPECT_TRUE(Edition.AMettreAJour);
    EXPECT_TRUE(Fenetre.Journal().empty());
    EXPECT_EQ(Etat.VueCourante, TVue::Depart);
}

TEST_F(Rafraichissement, UnCalculInterrompuRevientAuTableau)
{
    ConstruitFormeValide(T::Newton);
    Etat.VueCourante = TVue::Champ;
    Systeme.CalculInterrompu = true;
    RafraichitVue();
    EXPECT_EQ(Etat.VueCourante, TVue::Tableau);
}

TEST_F(Rafraichissement, LaSaisieEstRouverteSelonLaForme)
{
    struct TCas
    {
        T Forme;
        TTableEditee TableEditee;
        int Diametre, RayonGroupe, RayonDioptre;
    };
    // The edit box stays closed (the opener leaves CodeSaisie at 0), so both steps run.
    const TCas cas[] = {{T::Aucun, TTableEditee::Aucune, 0, 0, 0},
                        {T::Newton, TTableEditee::Dispositif, 2, 0, 0},
                        {T::Lunette, TTableEditee::Aucune, 0, 1, 0},
                        {T::Lunette, TTableEditee::Dispositif, 0, 0, 1}};
    static int diametre, rayonGroupe, rayonDioptre;
    Relais.OuvreSaisieDiametreEntree = [] { ++diametre; };
    Relais.OuvreSaisieRayonGroupe = [] { ++rayonGroupe; };
    Relais.OuvreSaisieRayonDioptre = [] { ++rayonDioptre; };
    Relais.SaisieVisible = [] { return true; };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(static_cast<int>(c.Forme));
        diametre = rayonGroupe = rayonDioptre = 0;
        Instrument.TypeInstrument = c.Forme;
        Edition.TableEditee = c.TableEditee;
        Edition.AMettreAJour = true;
        RafraichitVue();
        EXPECT_EQ(diametre, c.Diametre);
        EXPECT_EQ(rayonGroupe, c.RayonGroupe);
        EXPECT_EQ(rayonDioptre, c.RayonDioptre);
    }
}

TEST_F(Rafraichissement, UnAppelPendantUnRafraichissementAttendSaFin)
{
    static int profondeur, plusProfond, debuts;
    profondeur = plusProfond = debuts = 0;
    Relais.CurseurAttente = [](bool attente) {
        profondeur += attente ? 1 : -1;
        plusProfond = std::max(plusProfond, profondeur);
        if (attente)
            ++debuts;
    };
    // An opener that refreshes again, as a modal dialog's event loop may do.
    Relais.OuvreSaisieDiametreEntree = [] { RafraichitVue(); };
    ConstruitFormeValide(T::Newton);
    Edition.AMettreAJour = true;
    RafraichitVue();
    EXPECT_EQ(plusProfond, 1);
    EXPECT_EQ(debuts, 2);
    EXPECT_EQ(profondeur, 0);
}

TEST_F(Rafraichissement, ChaqueFormeSePrepareEtDonneSaHauteurDePage)
{
    for (T forme : FormesInstrument)
    {
        SCOPED_TRACE(static_cast<int>(forme));
        ConstruitFormeValide(forme);
        Fenetre.EffaceJournal();
        Etat.VueCourante = TVue::Tableau;
        Etat.BoutonsVue.fill(false);
        Edition.AMettreAJour = true;
        RafraichitVue();
        EXPECT_FALSE(Edition.AMettreAJour);
        EXPECT_EQ(Etat.HauteurPage,
                  MiseEnPage.HauteurTitre + 32 +
                      HauteurBlocInstrument(forme, Instrument.SecondaireSurMenisque, Groupe.NombreDioptresGroupe) + 96 +
                      16 * Dispositif.NombreDioptres);
        std::string champ;
        EXPECT_FALSE(EtatContientNonFini(champ)) << champ;
        EXPECT_TRUE(TexteDessine(Fenetre, {.Texte = "Dispositif Dioptrique", .Gras = true}));
    }
}

TEST_F(Rafraichissement, UnGroupeKlevtsovPlusLargeQueLeSecondaireFaitLObstruction)
{
    ConstruitFormeValide(T::KlevtsovCassegrain);
    const int n = Groupe.NombreDioptresGroupe;
    ASSERT_GE(n, 2);
    const double large = Instrument.DiametreSecondaire + 12.5;
    Groupe.DiametreGroupe[static_cast<std::size_t>(n)] = large;
    Edition.AMettreAJour = true;
    RafraichitVue();
    EXPECT_DOUBLE_EQ(Instrument.DiametreObstruction, large);
    Groupe.DiametreGroupe[static_cast<std::size_t>(n)] = 1;
    Edition.AMettreAJour = true;
    RafraichitVue();
    EXPECT_DOUBLE_EQ(Instrument.DiametreObstruction, Instrument.DiametreSecondaire);
}
