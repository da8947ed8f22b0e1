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
    if (quitte == SaisieTitreDispositif)
    {
        OuvreSaisieDiametreEntree();
        return;
    }
    const int ligne = Edition.LigneCourante;
    if (Edition.TableEditee == TTableEditee::Dispositif && ligneVisible && ligne > 1)
    {
        if (ligne == Dispositif.NombreDioptres && EstLigneVide(ligne))
            Dispositif.NombreDioptres -= 1;
        PlaceLigne(ligne - 1, false);
        if (Entre(quitte, SaisieRayonDioptre, SaisieMatiereDioptre))
            OuvreCellule(quitte);
        return;
    }
    if (miroirActif && Entre(quitte, SaisieRayonLigneMiroir, SaisieEpaisseurLigneMiroir))
    {
        ValideSaisie();
        PortsEdition.RafraichitVue();
        if (Groupe.NombreDioptresGroupe == 0)
            Groupe.NombreDioptresGroupe = 1;
        PlaceLigne(Groupe.NombreDioptresGroupe, true);
        OuvreCellule(quitte == SaisieRayonLigneMiroir      ? SaisieRayonGroupe
                     : quitte == SaisieDiametreLigneMiroir ? SaisieDiametreGroupe
                                                           : SaisieEpaisseurGroupe);
        return;
    }
    if (Edition.TableEditee == TTableEditee::Groupe && ligneVisible && ligne > 1)
    {
        if (ligne == Groupe.NombreDioptresGroupe && EstLigneVide(ligne))
            Groupe.NombreDioptresGroupe -= 1;
        PlaceLigne(ligne - 1, true);
        if (Entre(quitte, SaisieRayonGroupe, SaisieMatiereGroupe))
            OuvreCellule(quitte);
    }
}

// Down moves within a table only; elsewhere it does not even commit.
void Bas()
{
    if (!Controles.Ligne.Visible ||
        (Edition.TableEditee != TTableEditee::Dispositif && Edition.TableEditee != TTableEditee::Groupe))
        return;
    const TCodeSaisie quitte = ValideEnPlace();
    PortsEdition.RafraichitVue();
    if (Edition.TableEditee == TTableEditee::Dispositif)
    {
        if (Edition.LigneCourante < Dispositif.NombreDioptres)
        {
            PlaceLigne(Edition.LigneCourante + 1, false);
            if (Entre(quitte, SaisieRayonDioptre, SaisieMatiereDioptre))
                OuvreCellule(quitte);
        }
        return;
    }
    if (Groupe.NombreDioptresGroupe == 0)
        Groupe.NombreDioptresGroupe = 1;
    if (Edition.LigneCourante < Groupe.NombreDioptresGroupe)
    {
        PlaceLigne(Edition.LigneCourante + 1, true);
        if (Entre(quitte, SaisieRayonGroupe, SaisieMatiereGroupe))
            OuvreCellule(quitte);
        return;
    }
    if (Instrument.TypeInstrument == TTypeInstrument::Lunette)
    {
        OuvreSaisieTitreDispositif();
        return;
    }
    if (quitte == SaisieRayonGroupe)
        OuvreSaisieRayonLigneMiroir();
    else if (quitte == SaisieEpaisseurGroupe)
        OuvreSaisieEpaisseurLigneMiroir();
    else if (quitte == SaisieDiametreGroupe)
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
    if (Parmi(code, {SaisieDiametreEntreeNewton, SaisieDiametreEntreeCassegrain, SaisieDiametreEntreeRitchey,
                     SaisieDiametreEntreeGregory, SaisieDiametreEntreeSchmidt, SaisieDiametreEntreeSchmidtCassegrain,
                     SaisieDiametreEntreeSchwarzschild, SaisieDiametreEntreeDallKirkham}))
        return TexteLongueurFiche(in.DiametreEntree);
    if (Parmi(code, {SaisieFocalePrimaireNewton, SaisieFocalePrimaireCassegrain, SaisieFocalePrimaireRitchey,
                     SaisieFocalePrimaireGregory, SaisieFocaleSchmidt, SaisieFocalePrimaireSchmidtCassegrain,
                     SaisieFocalePrimaireSchwarzschild, SaisieFocalePrimaireDallKirkham,
                     SaisieFocaleResultanteSchmidtNewton}))
        return TexteLongueurFiche(in.FocalePrimaire);
    if (code == SaisieDeformationPrimaireNewton)
        return SaufNul(in.CoefficientDeformationPrimaire, "0.##");
    if (Parmi(code,
              {SaisieDiametreSecondaireNewton, SaisieDiametreSecondaireCassegrain, SaisieDiametreSecondaireRitchey,
               SaisieDiametreSecondaireGregory, SaisieDiametreSecondaireSchmidtCassegrain,
               SaisieDiametreSecondaireSchwarzschild, SaisieDiametreSecondaireDallKirkham}))
        return TexteLongueurFiche(in.DiametreSecondaire);
    if (code == SaisieDistanceSecondaireFoyerNewton)
        return TexteLongueurFiche(in.DistanceSecondaireFoyer);
    if (Parmi(code,
              {SaisieEpaisseurPrimaireNewton, SaisieEpaisseurPrimaireCassegrain, SaisieEpaisseurPrimaireRitchey,
               SaisieEpaisseurPrimaireGregory, SaisieEpaisseurPrimaireSchmidt, SaisieEpaisseurPrimaireSchmidtCassegrain,
               SaisieEpaisseurPrimaireSchwarzschild, SaisieEpaisseurPrimaireDallKirkham}))
        return TexteLongueurFiche(in.EpaisseurPrimaire);
    if (Parmi(code,
              {SaisieEpaisseurSecondaireNewton, SaisieEpaisseurSecondaireCassegrain, SaisieEpaisseurSecondaireRitchey,
               SaisieEpaisseurSecondaireGregory, SaisieEpaisseurSecondaireSchmidtCassegrain,
               SaisieEpaisseurSecondaireSchwarzschild, SaisieEpaisseurSecondaireDallKirkham}))
        return TexteLongueurFiche(in.EpaisseurSecondaire);
    if (Parmi(code, {SaisieFocaleResultanteCassegrain, SaisieFocaleResultanteRitchey, SaisieFocaleResultanteGregory,
                     SaisieFocaleResultanteSchmidtCassegrain, SaisieFocaleResultanteSchwarzschild,
                     SaisieFocaleResultanteDallKirkham}))
        return TexteLongueurFiche(in.FocaleResultante);
    if (Parmi(code, {SaisieDegagementFoyerCassegrain, SaisieDegagementFoyerRitchey, SaisieDegagementFoyerGregory,
                     SaisieDegagementFoyerSchmidtCassegrain, SaisieDegagementFoyerDallKirkham}))
        return SaufAuDela(in.DegagementFoyer, SeuilDegagementNonSaisi, "#0.#");
    if (Parmi(code,
              {SaisieDiametreTrouCentralCassegrain, SaisieDiametreTrouCentralRitchey, SaisieDiametreTrouCentralGregory,
               SaisieDiametreTrouCentralSchmidtCassegrain, SaisieDiametreTrouCentralDallKirkham}))
        return TexteLongueurFiche(in.DiametreTrouCentral);
    if (code == SaisieDeformationPrimaireRitchey)
        return SaufAuDela(in.CoefficientDeformationPrimaire, SeuilCoefficientACalculer, "#0.000");
    if (code == SaisieDeformationSecondaireRitchey)
        return SaufAuDela(in.CoefficientDeformationSecondaire, SeuilCoefficientACalculer, "#0.000");
    if (code == SaisieDiametreMiroir)
        return TexteLongueurFiche(in.DiametreMiroir);
    if (code == SaisieRayonCourburePrimaireSchmidt || code == SaisieRayonCourburePrimaireMaksutov)
        return TexteLongueurFiche(in.RayonCourburePrimaire);
    if (code == SaisieEpaisseurLame)
        return TexteLongueurFiche(in.EpaisseurLame);
    if (code == SaisieDistanceDiaphragmeMiroirMaksutov)
        return TexteLongueurFiche(in.DistanceDiaphragmeMiroir);
    if (code == SaisieDistanceLameMiroir)
        return TexteLongueurFiche(in.DistanceLameMiroir);
    if (code == SaisieCoefficientK)
        return SaufNul(in.CoefficientK, "#0.#");
    if (code == SaisieTitreDispositif)
        return Dispositif.TitreDispositif;
    if (code == SaisieRayonDioptre)
        return FormateRayonTableau(Dispositif.RayonDioptre[ligne]);
    if (code == SaisieRayonGroupe)
        return FormateRayonTableau(Groupe.RayonGroupe[ligne]);
    if (code == SaisieEpaisseurDioptre)
        return FormateEpaisseurDispositif(Dispositif.EpaisseurDioptre[ligne]);
    if (code == SaisieDiametreDioptre)
    {
        // Esc drops the decimal from 100 mm on, sooner than the table does.
        const double diametre = Dispositif.DiametreDioptre[ligne];
        return diametre < SeuilDiametreNul ? std::string() : FormateNombre(diametre, diametre > 99 ? "#0" : "#0.0");
    }
    if (code == SaisieIndiceRouge)
        return FormateIndiceTableau(Dispositif.IndiceRouge[ligne + 1]);
    if (code == SaisieIndiceVert)
        return FormateIndiceTableau(Dispositif.IndiceVert[ligne + 1]);
    if (code == SaisieIndiceBleu)
        return FormateIndiceTableau(Dispositif.IndiceBleu[ligne + 1]);
    if (code == SaisieMatiereDioptre)
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
        if (Entre(code, SaisieIndiceRouge, SaisieIndiceBleu) ||
            Entre(code, SaisieIndiceRougeGroupe, SaisieIndiceBleuGroupe) ||
            Entre(code, SaisieIndiceRougeLame, SaisieIndiceBleuLame))
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
        const TCodeSaisie quitte = code == SaisieDistanceAxeImage ? AucuneSaisie : code;
        EtatSaisie.CodeSaisieMemorise = quitte;
        ValideSaisie();
        OuvreSaisieSuivante(quitte);
        return false;
    }
    case CaractereEchap: Echap(); return false;
    case 'd':
    case 'D':
        if (code != SaisieRayonDioptre && code != SaisieRayonGroupe)
            return false;
        RemplaceTexte("Diaph");
        return true;
    case 'p':
    case 'P':
        if (code != SaisieRayonDioptre && code != SaisieRayonGroupe)
            return false;
        RemplaceTexte("Plan");
        return true;
    case 'i':
    case 'I':
        if (code != SaisieEpaisseurDioptre || Edition.LigneCourante != Dispositif.NombreDioptres)
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
        const bool ligneVisible = Controles.Ligne.Visible && Edition.TableEditee == TTableEditee::Dispositif;
        const int ligne = Edition.LigneCourante + (touche == ToucheHaut ? -1 : 1);
        const TCodeSaisie quitte = ValideEnPlace();
        if (ligneVisible && Dispositif.NombreDioptres >= 1)
        {
            PlaceLigne(std::clamp(ligne, 1, Dispositif.NombreDioptres), false);
            if (Entre(quitte, SaisieRayonDioptre, SaisieMatiereDioptre))
                OuvreCellule(quitte);
        }
        PortsEdition.RafraichitVue();
        break;
    }
    default: break;
    }
}
