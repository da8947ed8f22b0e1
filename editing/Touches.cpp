// The keys and events of the entry box, and the keys the page takes while no control has the focus.
#include "editing/Touches.h"

#include "editing/Navigation.h"
#include "editing/OuvreCellules.h"
#include "editing/OuvreSaisie.h"
#include "editing/Ports.h"
#include "editing/Valide.h"
#include "optics/Initialisation.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "sheet/FormatsNombresTableau.h"
#include "sheet/LignesEditees.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string>

namespace {

bool Parmi(TCodeSaisie code, std::initializer_list<TCodeSaisie> codes)
{
    for (TCodeSaisie c : codes)
        if (c == code)
            return true;
    return false;
}

bool Entre(TCodeSaisie code, TCodeSaisie premier, TCodeSaisie dernier)
{
    return premier <= code && code <= dernier;
}

// Moves the highlighted row over row `ligne` of its table and redraws it.
void PlaceLigne(int ligne, bool groupe)
{
    Edition.LigneCourante = ligne;
    Controles.Ligne.Top =
        groupe ? Controles.TableauKlevtsov.Top + 59 + 16 * (ligne - 1) : Controles.Grille.Top + 48 + 16 * (ligne - 1);
    DessineLigneEditee();
}

// The rows shown are taken before the commit: its refresh may open the entrance diameter, which hides them.
void Haut()
{
    const bool ligneVisible = Controles.Ligne.Visible;
    const bool miroirActif = Controles.LigneMiroirActive.Visible;
    const TCodeSaisie quitte = ValideEnPlace();
    PortsEdition.RafraichitVue();
    if (quitte == 1000)
    {
        OuvreSaisieDiametreEntree();
        return;
    }
    const int ligne = Edition.LigneCourante;
    if (Edition.TableEditee == 1 && ligneVisible && ligne > 1)
    {
        if (ligne == Dispositif.NombreDioptres && EstLigneVide(ligne))
            Dispositif.NombreDioptres -= 1;
        PlaceLigne(ligne - 1, false);
        if (Entre(quitte, 2001, 2007))
            OuvreCellule(quitte);
        return;
    }
    if (miroirActif && Entre(quitte, 2018, 2020))
    {
        ValideSaisie();
        PortsEdition.RafraichitVue();
        if (Groupe.NombreDioptresGroupe == 0)
            Groupe.NombreDioptresGroupe = 1;
        PlaceLigne(Groupe.NombreDioptresGroupe, true);
        OuvreCellule(quitte == 2018 ? 2011 : quitte == 2019 ? 2013 : 2012);
        return;
    }
    if (Edition.TableEditee == 2 && ligneVisible && ligne > 1)
    {
        if (ligne == Groupe.NombreDioptresGroupe && EstLigneVide(ligne))
            Groupe.NombreDioptresGroupe -= 1;
        PlaceLigne(ligne - 1, true);
        if (Entre(quitte, 2011, 2017))
            OuvreCellule(quitte);
    }
}

// Down moves within a table only; elsewhere it does not even commit.
void Bas()
{
    if (!Controles.Ligne.Visible || (Edition.TableEditee != 1 && Edition.TableEditee != 2))
        return;
    const TCodeSaisie quitte = ValideEnPlace();
    PortsEdition.RafraichitVue();
    if (Edition.TableEditee == 1)
    {
        if (Edition.LigneCourante < Dispositif.NombreDioptres)
        {
            PlaceLigne(Edition.LigneCourante + 1, false);
            if (Entre(quitte, 2001, 2007))
                OuvreCellule(quitte);
        }
        return;
    }
    if (Groupe.NombreDioptresGroupe == 0)
        Groupe.NombreDioptresGroupe = 1;
    if (Edition.LigneCourante < Groupe.NombreDioptresGroupe)
    {
        PlaceLigne(Edition.LigneCourante + 1, true);
        if (Entre(quitte, 2011, 2017))
            OuvreCellule(quitte);
        return;
    }
    if (Instrument.TypeInstrument == TTypeInstrument::Lunette)
    {
        OuvreSaisieTitreDispositif();
        return;
    }
    if (quitte == 2011)
        OuvreSaisieRayonLigneMiroir();
    else if (quitte == 2012)
        OuvreSaisieEpaisseurLigneMiroir();
    else if (quitte == 2013)
        OuvreSaisieDiametreLigneMiroir();
}

std::string SaufAuDela(double valeur, double seuil, const char* motif)
{
    return valeur > seuil ? std::string() : FormateNombre(valeur, motif);
}

std::string SaufNul(double valeur, const char* motif)
{
    return valeur == 0 ? std::string() : FormateNombre(valeur, motif);
}

// The text of the value as stored, for the fields Esc puts back; nothing for the others, which keep their text.
std::optional<std::string> TexteStocke(TCodeSaisie code)
{
    const TInstrument& in = Instrument;
    const auto ligne = static_cast<std::size_t>(Edition.LigneCourante);
    if (Parmi(code, {1, 11, 21, 31, 51, 61, 101, 111}))
        return TexteLongueurFiche(in.DiametreEntree);
    if (Parmi(code, {2, 12, 22, 32, 54, 62, 102, 112, 153}))
        return TexteLongueurFiche(in.FocalePrimaire);
    if (code == 4)
        return SaufNul(in.CoefficientDeformationPrimaire, "0.##");
    if (Parmi(code, {5, 14, 24, 34, 64, 104, 114}))
        return TexteLongueurFiche(in.DiametreSecondaire);
    if (code == 6)
        return TexteLongueurFiche(in.DistanceSecondaireFoyer);
    if (Parmi(code, {7, 16, 28, 36, 55, 66, 106, 116}))
        return TexteLongueurFiche(in.EpaisseurPrimaire);
    if (Parmi(code, {8, 17, 29, 37, 67, 107, 117}))
        return TexteLongueurFiche(in.EpaisseurSecondaire);
    if (Parmi(code, {13, 23, 33, 63, 103, 113}))
        return TexteLongueurFiche(in.FocaleResultante);
    if (Parmi(code, {15, 25, 35, 65, 115}))
        return SaufAuDela(in.DegagementFoyer, SeuilDegagementNonSaisi, "#0.#");
    if (Parmi(code, {18, 30, 38, 68, 118}))
        return TexteLongueurFiche(in.DiametreTrouCentral);
    if (code == 26)
        return SaufAuDela(in.CoefficientDeformationPrimaire, SeuilCoefficientACalculer, "#0.000");
    if (code == 27)
        return SaufAuDela(in.CoefficientDeformationSecondaire, SeuilCoefficientACalculer, "#0.000");
    if (code == 52)
        return TexteLongueurFiche(in.DiametreMiroir);
    if (code == 53 || code == 72)
        return TexteLongueurFiche(in.RayonCourburePrimaire);
    if (code == 56)
        return TexteLongueurFiche(in.EpaisseurLame);
    if (code == 71)
        return TexteLongueurFiche(in.DistanceDiaphragmeMiroir);
    if (code == 561)
        return TexteLongueurFiche(in.DistanceLameMiroir);
    if (code == 562)
        return SaufNul(in.CoefficientK, "#0.#");
    if (code == 1000)
        return Dispositif.TitreDispositif;
    if (code == 2001)
        return FormateRayonTableau(Dispositif.RayonDioptre[ligne]);
    if (code == 2011)
        return FormateRayonTableau(Groupe.RayonGroupe[ligne]);
    if (code == 2002)
        return FormateEpaisseurDispositif(Dispositif.EpaisseurDioptre[ligne]);
    if (code == 2003)
    {
        // Esc drops the decimal from 100 mm on, sooner than the table does.
        const double diametre = Dispositif.DiametreDioptre[ligne];
        return diametre < SeuilDiametreNul ? std::string() : FormateNombre(diametre, diametre > 99 ? "#0" : "#0.0");
    }
    if (code == 2004)
        return FormateIndiceTableau(Dispositif.IndiceRouge[ligne + 1]);
    if (code == 2005)
        return FormateIndiceTableau(Dispositif.IndiceVert[ligne + 1]);
    if (code == 2006)
        return FormateIndiceTableau(Dispositif.IndiceBleu[ligne + 1]);
    if (code == 2007)
        return SansBlancs(Dispositif.MatiereDioptre[ligne + 1]);
    return std::nullopt;
}

void Echap()
{
    PortsEdition.FermeCadreDioptre();
    if (const std::optional<std::string> texte = TexteStocke(EtatSaisie.CodeSaisie))
    {
        EtatSaisie.Saisie.Texte = *texte;
        PortsEdition.MontreSaisie();
    }
}

void RemplaceTexte(const char* mot)
{
    EtatSaisie.Saisie.Texte = mot;
    EtatSaisie.Saisie.ToutSelectionne = false;
    PortsEdition.MontreSaisie();
}

} // namespace

TCodeSaisie ValideEnPlace()
{
    const TCodeSaisie quitte = EtatSaisie.CodeSaisie;
    EtatSaisie.CodeSaisieMemorise = quitte;
    ValideSaisie();
    return quitte;
}

namespace {

// Left and Right, in the box or on the page: the box committed, then the field before or after it opened.
bool OuvreChampVoisin(int touche)
{
    if (touche == ToucheGauche)
        OuvreSaisiePrecedente(ValideEnPlace());
    else if (touche == ToucheDroite)
        OuvreSaisieSuivante(ValideEnPlace());
    else
        return false;
    return true;
}

} // namespace

void FicheSaisieKeyDown(int touche)
{
    if (OuvreChampVoisin(touche))
        return;
    switch (touche)
    {
    case ToucheHaut: Haut(); break;
    case ToucheBas: Bas(); break;
    case TouchePageSuivante:
    {
        const TCodeSaisie code = EtatSaisie.CodeSaisie;
        if (Entre(code, 2004, 2006) || Entre(code, 2014, 2016) || Entre(code, 2054, 2056))
            ChoixVerreClavier();
        break;
    }
    default: break;
    }
}

bool FicheSaisieKeyPress(char caractere)
{
    const TCodeSaisie code = EtatSaisie.CodeSaisie;
    switch (caractere)
    {
    case CaractereEntree:
    {
        // The device view's off-axis distance has no field after it.
        const TCodeSaisie quitte = code == 2010 ? AucuneSaisie : code;
        EtatSaisie.CodeSaisieMemorise = quitte;
        ValideSaisie();
        OuvreSaisieSuivante(quitte);
        return false;
    }
    case CaractereEchap: Echap(); return false;
    case 'd':
    case 'D':
        if (code != 2001 && code != 2011)
            return false;
        RemplaceTexte("Diaph");
        return true;
    case 'p':
    case 'P':
        if (code != 2001 && code != 2011)
            return false;
        RemplaceTexte("Plan");
        return true;
    case 'i':
    case 'I':
        if (code != 2002 || Edition.LigneCourante != Dispositif.NombreDioptres)
            return false;
        RemplaceTexte("Infini");
        return true;
    default: return false;
    }
}

void FicheSaisieClick()
{
    ActiveEditionSaisie();
}

void FicheSaisieEnter()
{
    ActiveEditionSaisie();
}

void FicheSaisieExit()
{
    PortsEdition.ActiveCommande(TCommandeEdition::Coller, false);
    PortsEdition.ActiveCommande(TCommandeEdition::Copier, false);
    PortsEdition.ActiveCommande(TCommandeEdition::Couper, false);
    PortsEdition.AfficheStatut("");
    ValideSaisie();
}

void FormKeyDown(int touche)
{
    if (OuvreChampVoisin(touche))
        return;
    switch (touche)
    {
    case ToucheHaut:
    case ToucheBas:
    {
        // The highlight is taken before the commit, whose refresh may hide it. At either end of the table it stays
        // where it is, its editor open again, rather than leave the table for the sheet's first value.
        const bool ligneVisible = Controles.Ligne.Visible && Edition.TableEditee == 1;
        const int ligne = Edition.LigneCourante + (touche == ToucheHaut ? -1 : 1);
        const TCodeSaisie quitte = ValideEnPlace();
        if (ligneVisible && Dispositif.NombreDioptres >= 1)
        {
            PlaceLigne(std::clamp(ligne, 1, Dispositif.NombreDioptres), false);
            if (Entre(quitte, 2001, 2007))
                OuvreCellule(quitte);
        }
        PortsEdition.RafraichitVue();
        break;
    }
    default: break;
    }
}
