// The entry box's keys: after any commit-and-move the field code names the field actually open (also when the
// commit's refresh opened the entrance diameter by itself); Up and Down carry the column from row to row; Esc puts
// the stored value's text back; the letters of the special surfaces; leaving the box commits.
#include "editing/Navigation.h"
#include "editing/OuvreCellules.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "editing/Touches.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using T = TTypeInstrument;

// The central refresh as the program runs it: with no field open it opens the entrance diameter.
void RafraichissementAvecOuverture()
{
    Edition.AMettreAJour = false;
    const T forme = Instrument.TypeInstrument;
    if (EtatSaisie.CodeSaisie == AucuneSaisie && forme != T::Aucun && forme != T::Lunette)
        OuvreSaisieDiametreEntree();
}

std::vector<std::pair<TCommandeEdition, bool>> Commandes;

class Touches : public ::testing::Test
{
protected:
    void SetUp() override
    {
        PortsEdition.RafraichitVue = RafraichissementAvecOuverture;
        PortsEdition.FermeCadresEtRafraichit = RafraichissementAvecOuverture;
        PortsEdition.FermeCadreDioptre = RafraichissementAvecOuverture;
        PortsEdition.ActiveCommande = [](TCommandeEdition c, bool a) { Commandes.emplace_back(c, a); };
        SeparateurDecimal = '.';
        Commandes.clear();
        // Every value's box at its own place, so that a box opened for one field cannot pass for another's.
        for (int k = 0; k < NombreCasesValeur; ++k)
            MiseEnPage.CaseValeur[static_cast<std::size_t>(k)] = {100 + 10 * k, 20 * k, 150 + 10 * k, 20 * k + 18};
        MiseEnPage.CaseTitreDispositif = {30, 500, 400, 518};
    }
};

struct TPlace
{
    TCodeSaisie Code;
    TImageSaisie Image;
    int Gauche;
    int Haut;
    std::string Texte;
};

TPlace PlaceOuverte()
{
    const TBoiteSaisie& b = EtatSaisie.Saisie;
    return {EtatSaisie.CodeSaisie, b.Image, b.Gauche, b.Haut, b.Texte};
}

// The box open is the one the opener of its code places, with its text as that opener writes it (unless it still
// holds the text typed, the key having left the box as it was).
void VerifieCodeDeLaBoite(const std::string& contexte, const std::string& tape)
{
    SCOPED_TRACE(contexte);
    if (!EtatSaisie.Saisie.Visible)
    {
        const TCodeSaisie code = EtatSaisie.CodeSaisie;
        const bool liste = (SaisieLongueurOndeRouge <= code && code <= SaisieLongueurOndeBleue) ||
                           (SaisieLongueurOndeRougeLame <= code && code <= SaisieLongueurOndeBleueLame);
        EXPECT_TRUE(code == AucuneSaisie || liste) << code;
        return;
    }
    const TPlace ouverte = PlaceOuverte();
    ASSERT_NE(ouverte.Code, AucuneSaisie);
    OuvreChampDeCode(ouverte.Code);
    TPlace attendue = PlaceOuverte();
    // The Schmidt's one focal length has a box on each of its two lines.
    if (ouverte.Code == SaisieFocaleSchmidt && attendue.Gauche != ouverte.Gauche)
    {
        OuvreSaisieFocaleResultante();
        attendue = PlaceOuverte();
    }
    EXPECT_EQ(attendue.Code, ouverte.Code);
    EXPECT_EQ(attendue.Image, ouverte.Image);
    EXPECT_EQ(attendue.Gauche, ouverte.Gauche);
    EXPECT_EQ(attendue.Haut, ouverte.Haut);
    if (ouverte.Texte != tape)
    {
        EXPECT_EQ(attendue.Texte, ouverte.Texte);
    }
}

struct TCasForme
{
    T Forme;
    bool SecondaireSurMenisque;
};

TEST_F(Touches, ApresChaqueToucheLeCodeEstCeluiDeLaBoiteOuverte)
{
    const std::vector<TCasForme> formes = {{T::Newton, false},        {T::Cassegrain, false},
                                           {T::Schmidt, false},       {T::MaksutovCassegrain, false},
                                           {T::SchmidtNewton, false}, {T::KlevtsovCassegrain, false}};
    const std::vector<int> touches = {ToucheGauche, ToucheDroite, ToucheHaut, ToucheBas, CaractereEntree};
    // The text typed: the value as shown (nothing changes), an accepted change, a refused one.
    const std::vector<std::string> textes = {"", "12", "999999"};
    for (const TCasForme& f : formes)
    {
        for (TCodeSaisie code :
             {1, 2, 4, 7, 11, 13, 15, 17, 51, 52, 54, 53, 55, 61, 72, 81, 15, 83, 67, 121, 125, 153, 69, 1000})
        {
            for (int touche : touches)
            {
                for (const std::string& texte : textes)
                {
                    ReinitialiseProgramme();
                    SetUp();
                    ConstruitFormeValide(f.Forme);
                    Instrument.SecondaireSurMenisque = f.SecondaireSurMenisque;
                    Edition.InstrumentDeveloppe = true;
                    OuvreChampDeCode(code);
                    if (EtatSaisie.CodeSaisie != code)
                        continue;
                    if (!texte.empty())
                        EtatSaisie.Saisie.Texte = texte;
                    const std::string contexte = "forme " + std::to_string(static_cast<int>(f.Forme)) + " champ " +
                                                 std::to_string(code) + " touche " + std::to_string(touche) +
                                                 " texte '" + texte + "'";
                    if (touche == CaractereEntree)
                        FicheSaisieKeyPress(CaractereEntree);
                    else
                        FicheSaisieKeyDown(touche);
                    VerifieCodeDeLaBoite(contexte, texte.empty() ? std::string("\x01") : texte);
                }
            }
        }
    }
}

// A device of `lignes` rows; row `vide` (0 for none) empty.
void RemplitDispositif(int lignes, int vide)
{
    Edition.TableEditee = TTableEditee::Dispositif;
    Dispositif.NombreDioptres = lignes;
    for (int r = 1; r <= lignes; ++r)
    {
        const auto i = static_cast<std::size_t>(r);
        Dispositif.RayonDioptre[i] = r == vide ? 0 : 50.0 * r;
        Dispositif.EpaisseurDioptre[i] = r == vide ? EpaisseurNonSaisie : 4;
        Dispositif.DiametreDioptre[i] = 30;
    }
}

TEST_F(Touches, HautRetireLaDerniereLigneVideEtGardeLaColonne)
{
    struct TCas
    {
        const char* Nom;
        int Lignes;
        int Vide;
        int Depart;
        int LignesApres;
    };
    const std::vector<TCas> cas = {
        {"derniere ligne vide", 4, 4, 4, 3}, {"ligne vide au milieu", 4, 3, 3, 4}, {"ligne remplie", 4, 0, 4, 4}};
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        Instrument.TypeInstrument = T::Newton;
        RemplitDispositif(c.Lignes, c.Vide);
        Edition.LigneCourante = c.Depart;
        OuvreSaisieDiametreDioptre();
        FicheSaisieKeyDown(ToucheHaut);
        EXPECT_EQ(Dispositif.NombreDioptres, c.LignesApres);
        EXPECT_EQ(Edition.LigneCourante, c.Depart - 1);
        EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreDioptre);
        EXPECT_EQ(EtatSaisie.Saisie.Haut, 16 * (c.Depart - 1) + 32);
    }
}

TEST_F(Touches, HautDansLeGroupeRetireSaDerniereLigneVide)
{
    Instrument.TypeInstrument = T::Lunette;
    Groupe.NombreDioptresGroupe = 3;
    for (int r = 1; r <= 2; ++r)
        Groupe.RayonGroupe[static_cast<std::size_t>(r)] = 120;
    Edition.LigneCourante = 3;
    OuvreSaisieIndiceBleuGroupe();
    FicheSaisieKeyDown(ToucheHaut);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 2);
    EXPECT_EQ(Edition.LigneCourante, 2);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieIndiceBleuGroupe);
    FicheSaisieKeyDown(ToucheHaut);
    EXPECT_EQ(Groupe.NombreDioptresGroupe, 2);
    EXPECT_EQ(Edition.LigneCourante, 1);
    EXPECT_EQ(EtatSaisie.Saisie.Haut, 16 + 43);
}

TEST_F(Touches, BasDescendLaColonneEtQuitteLeGroupeParSaDerniereLigne)
{
    struct TCas
    {
        const char* Nom;
        T Forme;
        void (*Ouvreur)();
        TCodeSaisie Attendu;
    };
    const std::vector<TCas> cas = {
        {"epaisseur du Klevtsov", T::KlevtsovCassegrain, OuvreSaisieEpaisseurGroupe, SaisieEpaisseurLigneMiroir},
        {"rayon du Klevtsov", T::KlevtsovCassegrain, OuvreSaisieRayonGroupe, SaisieRayonLigneMiroir},
        {"diametre du Klevtsov", T::KlevtsovCassegrain, OuvreSaisieDiametreGroupe, SaisieDiametreLigneMiroir},
        {"indice du Klevtsov", T::KlevtsovCassegrain, OuvreSaisieIndiceVertGroupe, AucuneSaisie},
        {"lunette", T::Lunette, OuvreSaisieEpaisseurGroupe, 1000},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        Instrument.TypeInstrument = c.Forme;
        Groupe.NombreDioptresGroupe = 4;
        Edition.LigneCourante = 4;
        c.Ouvreur();
        FicheSaisieKeyDown(ToucheBas);
        if (c.Attendu == AucuneSaisie)
        {
            // The other columns stay: the commit's refresh opened the entrance diameter.
            EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreEntreeKlevtsov);
        }
        else
        {
            EXPECT_EQ(EtatSaisie.CodeSaisie, c.Attendu);
        }
    }
    ReinitialiseProgramme();
    SetUp();
    Instrument.TypeInstrument = T::Newton;
    RemplitDispositif(3, 0);
    Edition.LigneCourante = 1;
    OuvreSaisieMatiereDioptre();
    FicheSaisieKeyDown(ToucheBas);
    EXPECT_EQ(Edition.LigneCourante, 2);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieMatiereDioptre);
    // Down in a value of the sheet neither commits nor moves.
    OuvreSaisieEpaisseurPrimaire();
    EtatSaisie.Saisie.Texte = "30";
    FicheSaisieKeyDown(ToucheBas);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieEpaisseurPrimaireNewton);
    EXPECT_NE(Instrument.EpaisseurPrimaire, 30);
}

TEST_F(Touches, HautDepuisLaLigneDuMiroirRevientSurLaDerniereLentille)
{
    Instrument.TypeInstrument = T::KlevtsovCassegrain;
    Groupe.NombreDioptresGroupe = 3;
    Edition.TableEditee = TTableEditee::Groupe;
    for (const auto& [miroir, lentille] :
         std::vector<std::pair<void (*)(), TCodeSaisie>>{{OuvreSaisieRayonLigneMiroir, SaisieRayonGroupe},
                                                         {OuvreSaisieDiametreLigneMiroir, SaisieDiametreGroupe},
                                                         {OuvreSaisieEpaisseurLigneMiroir, SaisieEpaisseurGroupe}})
    {
        SCOPED_TRACE(lentille);
        miroir();
        FicheSaisieKeyDown(ToucheHaut);
        EXPECT_EQ(EtatSaisie.CodeSaisie, lentille);
        EXPECT_EQ(Edition.LigneCourante, 3);
    }
}

TEST_F(Touches, EchapRemetLeTexteDeLaValeurStockee)
{
    struct TCas
    {
        const char* Nom;
        void (*Prepare)();
        void (*Ouvreur)();
        std::string Attendu;
    };
    const std::vector<TCas> cas = {
        {"diaphragme", [] { Dispositif.RayonDioptre[1] = RayonDiaphragme; }, OuvreSaisieRayonDioptre, "Diaph."},
        {"plan", [] { Dispositif.RayonDioptre[1] = RayonPlan; }, OuvreSaisieRayonDioptre, "Plan"},
        {"epaisseur non saisie", [] { Dispositif.EpaisseurDioptre[1] = EpaisseurNonSaisie; },
         OuvreSaisieEpaisseurDioptre, ""},
        {"diametre d'entree", [] { Instrument.DiametreEntree = 254.6; }, OuvreSaisieDiametreEntree, "254.6"},
        {"titre", [] { Dispositif.TitreDispositif = " Barlow "; }, OuvreSaisieTitreDispositif, " Barlow "},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        Instrument.TypeInstrument = T::Newton;
        Edition.TableEditee = TTableEditee::Dispositif;
        Edition.LigneCourante = 1;
        c.Prepare();
        c.Ouvreur();
        EtatSaisie.Saisie.Texte = "12,5";
        EXPECT_FALSE(FicheSaisieKeyPress(CaractereEchap));
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Attendu);
        EXPECT_TRUE(EtatSaisie.Saisie.Visible);
    }
}

TEST_F(Touches, LesLettresDesSurfacesSpecialesRemplacentLeTexte)
{
    struct TCas
    {
        const char* Nom;
        void (*Ouvreur)();
        int Ligne;
        char Lettre;
        bool Remplace;
        std::string Texte;
    };
    const std::vector<TCas> cas = {
        {"p dans un rayon", OuvreSaisieRayonDioptre, 1, 'p', true, "Plan"},
        {"D dans un rayon", OuvreSaisieRayonDioptre, 1, 'D', true, "Diaph"},
        {"p dans un rayon du groupe", OuvreSaisieRayonGroupe, 1, 'P', true, "Plan"},
        {"i dans la derniere epaisseur", OuvreSaisieEpaisseurDioptre, 2, 'i', true, "Infini"},
        {"i dans une autre epaisseur", OuvreSaisieEpaisseurDioptre, 1, 'i', false, "12"},
        {"p dans une epaisseur", OuvreSaisieEpaisseurDioptre, 2, 'p', false, "12"},
        {"d dans un diametre", OuvreSaisieDiametreDioptre, 1, 'd', false, "12"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        ReinitialiseProgramme();
        SetUp();
        RemplitDispositif(2, 0);
        Edition.LigneCourante = c.Ligne;
        c.Ouvreur();
        EtatSaisie.Saisie.Texte = "12";
        EXPECT_EQ(FicheSaisieKeyPress(c.Lettre), c.Remplace);
        EXPECT_EQ(EtatSaisie.Saisie.Texte, c.Texte);
    }
}

TEST_F(Touches, QuitterLaBoiteValideEtRetireLePressePapiers)
{
    ConstruitFormeValide(T::Newton);
    OuvreSaisieEpaisseurPrimaire();
    EtatSaisie.Saisie.Texte = "31";
    Commandes.clear();
    FicheSaisieExit();
    EXPECT_DOUBLE_EQ(Instrument.EpaisseurPrimaire, 31);
    for (TCommandeEdition c : {TCommandeEdition::Coller, TCommandeEdition::Copier, TCommandeEdition::Couper})
        EXPECT_NE(std::find(Commandes.begin(), Commandes.end(), std::make_pair(c, false)), Commandes.end());
}

TEST_F(Touches, EntreeSurLaDistanceDuDispositifNOuvreRienDApres)
{
    ConstruitFormeValide(T::Newton);
    Instrument.TypeInstrument = T::Aucun;
    OuvreSaisieDistanceAxeImage();
    FicheSaisieKeyPress(CaractereEntree);
    EXPECT_EQ(EtatSaisie.CodeSaisie, AucuneSaisie);
    EXPECT_FALSE(EtatSaisie.Saisie.Visible);
}

} // namespace

// The arrows reaching the page itself: Up and Down carry the device table's highlight and its column's editor, and
// keep both on the table at its ends; Left and Right move between fields as in the box.
TEST_F(Touches, LesFlechesDeLaPageSuiventLeTableauDuDispositif)
{
    Instrument.TypeInstrument = T::Newton;
    RemplitDispositif(3, 0);
    Edition.LigneCourante = 2;
    OuvreSaisieDiametreDioptre();
    ASSERT_TRUE(Controles.Ligne.Visible);
    const std::vector<std::pair<int, int>> pas = {
        {ToucheHaut, 1}, {ToucheHaut, 1}, {ToucheBas, 2}, {ToucheBas, 3}, {ToucheBas, 3}};
    for (const auto& [touche, ligne] : pas)
    {
        SCOPED_TRACE(ligne);
        FormKeyDown(touche);
        EXPECT_EQ(Edition.LigneCourante, ligne);
        EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreDioptre);
        EXPECT_EQ(Controles.Ligne.Top, Controles.Grille.Top + 32 + 16 * ligne);
        EXPECT_EQ(EtatSaisie.Saisie.Haut, 16 * ligne + 32);
    }
    FormKeyDown(ToucheGauche);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieEpaisseurDioptre);
    FormKeyDown(ToucheDroite);
    EXPECT_EQ(EtatSaisie.CodeSaisie, SaisieDiametreDioptre);

    // Without the highlight the rows stay put.
    Controles.Ligne.Visible = false;
    FormKeyDown(ToucheHaut);
    EXPECT_EQ(Edition.LigneCourante, 3);
}

// Esc in a device diameter writes whole millimetres from 100 mm on.
TEST_F(Touches, EchapDansUnDiametreDuDispositif)
{
    const std::vector<std::pair<double, std::string>> cas = {{150, "150"}, {98.5, "98.5"}, {0, ""}};
    for (const auto& [diametre, attendu] : cas)
    {
        SCOPED_TRACE(diametre);
        ReinitialiseProgramme();
        SetUp();
        Instrument.TypeInstrument = T::Newton;
        RemplitDispositif(1, 0);
        Edition.LigneCourante = 1;
        Dispositif.DiametreDioptre[1] = diametre;
        OuvreSaisieDiametreDioptre();
        EtatSaisie.Saisie.Texte = "12";
        FicheSaisieKeyPress(CaractereEchap);
        EXPECT_EQ(EtatSaisie.Saisie.Texte, attendu);
    }
}
