// The thickness and diameter frames of the surface tables.
#include "editing/CadresTables.h"

#include "editing/CodesJournal.h"
#include "editing/EtapesJournal.h"
#include "editing/EtatEdition.h"
#include "editing/PasFleches.h"
#include "editing/Ports.h"
#include "editing/Regles.h"
#include "editing/Stockage.h"
#include "editing/TableEditee.h"
#include "editing/Valide.h"
#include "optics/Initialisation.h"
#include "optics/Sentinelles.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

std::size_t Rang(int ligne)
{
    return static_cast<std::size_t>(ligne);
}

// The lens that starts at row `ligne` of the edited table; the rows past the table read as empty.
TLentilleLignes Lentille(int ligne)
{
    TLentilleLignes l;
    const int max = NombreMaxLignesTableEditee();
    const auto cellule = [max](const auto& tableau, int r) { return r >= 1 && r <= max ? tableau[Rang(r)] : 0.0; };
    if (TableEditeeGroupe())
    {
        l.R1 = cellule(Groupe.RayonGroupe, ligne);
        l.R2 = cellule(Groupe.RayonGroupe, ligne + 1);
        l.D1 = cellule(Groupe.DiametreGroupe, ligne);
        l.D2 = cellule(Groupe.DiametreGroupe, ligne + 1);
        l.E = cellule(Groupe.EpaisseurGroupe, ligne);
    }
    else
    {
        l.R1 = cellule(Dispositif.RayonDioptre, ligne);
        l.R2 = cellule(Dispositif.RayonDioptre, ligne + 1);
        l.D1 = cellule(Dispositif.DiametreDioptre, ligne);
        l.D2 = cellule(Dispositif.DiametreDioptre, ligne + 1);
        l.E = cellule(Dispositif.EpaisseurDioptre, ligne);
    }
    return l;
}

// The medium behind a device row is air when its green index is not a glass's; the group's lenses are all glass.
bool AirApres(int ligne)
{
    if (TableEditeeGroupe())
        return false;
    return Dispositif.IndiceVert[Rang(std::clamp(ligne + 1, 0, NombreMaxDioptres + 1))] < Reglages.IndiceLimite;
}

TCodeJournal CodeEpaisseur()
{
    return TableEditeeGroupe() ? SaisieEpaisseurGroupe : SaisieEpaisseurDioptre;
}

TCodeJournal CodeDiametre()
{
    return TableEditeeGroupe() ? SaisieDiametreGroupe : SaisieDiametreDioptre;
}

void FermeAutresCadres()
{
    TEtatSaisie& e = EtatSaisie;
    e.CadreDioptre = e.CadreLentille = e.CadreEpaisseur = e.CadreDiametre = e.CadreMiroirPlan = false;
}

void CommenceOuverture()
{
    ValideSiOuverte();
    FermeAutresCadres();
}

// The end of a frame's command: the frames closed with their pressed button, the view refreshed.
void TermineCommande()
{
    PortsEdition.FermeCadresEtRafraichit();
    Controles.AppuiDeroule.Visible = false;
    PortsEdition.RafraichitVue();
}

void Modifie()
{
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
}

// Stores a cell through its routine, as the number its record reads back as (a replay then rebuilds it to the last
// digit), and journals it.
bool StockeEtJournalise(TCodeJournal code, int ligne, double valeur)
{
    const TEnregistrementJournal enregistrement{code, ligne, FormateGeneral(valeur)};
    if (!StockeEnregistrement(enregistrement))
        return false;
    PortsEdition.AjouteAuJournal(enregistrement);
    return true;
}

void RemplitLabels(const TLentilleLignes& l)
{
    TCadreEpaisseurModele& m = CadreEpaisseurModele;
    if (!(std::abs(l.R1) > 0.01 && std::abs(l.R2) > 0.01 && l.D1 > 1 && l.D2 > 1))
        return;
    m.Focus = TFocusCadre::EpaisseurMinimale;
    if (l.E < 0)
        return;
    const TEpaisseursLentille e = EpaisseursLentille(l);
    m.LabelBord = "Epaisseur du bord = " + FormateNombre(e.Bord, "#0.00") + " mm";
    m.LabelTotale = "Epaisseur totale = " + FormateNombre(e.Totale, "#0.00") + " mm";
}

void OuvreEpaisseur(const TControle& table, bool groupe)
{
    CommenceOuverture();
    Edition.TableEditee = groupe ? TTableEditee::Groupe : TTableEditee::Dispositif;
    EtatSaisie.CadreEpaisseur = true;
    TCadreEpaisseurModele& m = CadreEpaisseurModele;
    const TControle& ligne = Controles.Ligne;
    m.Haut = ligne.Top + ligne.Height - 1;
    m.Gauche = table.Left - Controles.AppuiDeroule.Width + 196;
    m.InfiniVisible = !groupe;
    const int i = Edition.LigneCourante;
    const TLentilleLignes l = Lentille(i);
    if (i >= NombreLignesTableEditee())
    {
        m.InfiniActif = !groupe;
        m.EpaisseurMinimaleActive = false;
        m.LabelsVisibles = false;
        m.Focus = groupe ? TFocusCadre::Ok : TFocusCadre::Infini;
        return;
    }
    m.InfiniActif = false;
    m.EpaisseurMinimaleActive = std::abs(l.R1) > 0.01 && std::abs(l.R2) > 0.01 && l.D1 > 0.1 && l.D2 > 0.1;
    m.LabelsVisibles = true;
    m.Focus = TFocusCadre::Ok;
    RemplitLabels(l);
}

void OuvreDiametre(const TControle& table, const TControle& ligne, bool groupe)
{
    CommenceOuverture();
    Edition.TableEditee = groupe ? TTableEditee::Groupe : TTableEditee::Dispositif;
    EtatSaisie.CadreDiametre = true;
    TCadreDiametreModele& m = CadreDiametreModele;
    m.Haut = ligne.Top + ligne.Height - 1;
    m.Gauche = table.Left - Controles.AppuiDeroule.Width + 259;
    m.OptimumVisible = !groupe;
    const int i = Edition.LigneCourante;
    m.PrecedentActif =
        groupe ? i >= 2 && Groupe.DiametreGroupe[Rang(std::min(i - 1, NombreMaxDioptresGroupe))] > 1 : i >= 2;
    const TLentilleLignes l = Lentille(i);
    m.MaximalActif =
        !(i >= NombreLignesTableEditee() || l.R1 == 0 || l.R2 == 0 || l.E < 0 || 1000 / l.R1 - 1000 / l.R2 <= 0);
    m.Focus = m.MaximalActif                             ? TFocusCadre::DiametreMaximal
              : m.PrecedentActif                         ? TFocusCadre::DiametrePrecedent
              : !groupe && Reglages.RayonsLumineuxTraces ? TFocusCadre::DiametreOptimum
                                                         : TFocusCadre::Ok;
}

} // namespace

TEpaisseursLentille EpaisseursLentille(const TLentilleLignes& l)
{
    const double s1 = FlecheSphere(l.R1, l.D1);
    const double s2 = FlecheSphere(l.R2, l.D2);
    TEpaisseursLentille e;
    e.Bord = l.E - s1 + s2;
    e.Totale = l.E + (s1 < 0 ? -s1 : 0) + (s2 > 0 ? s2 : 0);
    return e;
}

double DiametreMaximal(const TLentilleLignes& l, bool air)
{
    double d = l.D1;
    double k = 0;
    for (int pas = 0; l.E > k && pas < PasDiametreMaximalMaximum; ++pas)
    {
        d += 0.01;
        k = CalculeEpaisseurMinimale(air, l.R1, l.R2, d, d);
    }
    return ArrondiAuPas(d, 10);
}

void OuvreCadreEpaisseur()
{
    OuvreEpaisseur(Controles.Grille, false);
}

void OuvreCadreEpaisseurGroupe()
{
    OuvreEpaisseur(Controles.TableauKlevtsov, true);
}

void OuvreCadreDiametre()
{
    OuvreDiametre(Controles.Grille, Controles.Ligne, false);
}

void OuvreCadreDiametreGroupe()
{
    const TControle& ligne = Controles.LigneMiroirActive.Visible ? Controles.LigneMiroirActive : Controles.Ligne;
    OuvreDiametre(Controles.TableauKlevtsov, ligne, true);
}

void CadreEpaisseurBtnEpMiniClick()
{
    const int i = Edition.LigneCourante;
    const TLentilleLignes l = Lentille(i);
    const double k = CalculeEpaisseurMinimale(AirApres(i), l.R1, l.R2, l.D1, l.D2);
    // A radius below half its diameter has no minimum: an infinite thickness mid-table would break the design.
    if (k < SeuilEpaisseurInfinie)
    {
        const double arrondie = ArrondiAuPas(k, 100);
        if (arrondie != l.E && StockeEtJournalise(CodeEpaisseur(), i, arrondie))
            Modifie();
    }
    TermineCommande();
}

void CadreEpaisseurBtnInfiniClick()
{
    const int i = Edition.LigneCourante;
    if (!TableEditeeGroupe() && i == Dispositif.NombreDioptres &&
        !EstEpaisseurInfinie(Dispositif.EpaisseurDioptre[Rang(i)]) &&
        StockeEtJournalise(SaisieEpaisseurDioptre, i, EpaisseurInfinie))
        Modifie();
    TermineCommande();
}

void CadreEpaisseurBtnPositionClick()
{
    // The window journals and marks what it changed; nothing else is changed here.
    PortsCadres.AfficheFormePosition();
    Edition.AMettreAJour = true;
    PortsEdition.RafraichitVue();
}

void FermeCadreEpaisseur()
{
    EtatSaisie.CadreEpaisseur = false;
    Controles.AppuiDeroule.Visible = false;
}

void CadreDiametreBtnDiaMaxClick()
{
    const int i = Edition.LigneCourante;
    const TLentilleLignes l = Lentille(i);
    const double d = DiametreMaximal(l, AirApres(i));
    // The next row's record first: a replay leaves the current row where the command left it. Both rows are undone
    // together.
    const std::int32_t debut = DebutEtapeJournal();
    bool change = false;
    if (i + 1 <= NombreLignesTableEditee() && d != l.D2)
        change = StockeEtJournalise(CodeDiametre(), i + 1, d);
    if (d != l.D1)
        change = StockeEtJournalise(CodeDiametre(), i, d) || change;
    TermineEtapeJournal(debut);
    if (change)
        Modifie();
    TermineCommande();
}

void CadreDiametreBtnDiaOptClick()
{
    const int i = Edition.LigneCourante;
    EtatSaisie.CadreDiametre = false;
    // Only this row changes, by the one record: a replay must not optimise every row again.
    if (const std::optional<double> optimum = PortsCadres.DiametreOptimise(i))
        if (StockeEtJournalise(SaisieDiametreDioptre, i, *optimum + 0.1))
            Modifie();
    TermineCommande();
}

void CadreDiametreBtnDiaprecClick()
{
    const int i = Edition.LigneCourante;
    if (i < 2)
        return TermineCommande();
    PortsEdition.FermeCadresEtRafraichit();
    Controles.AppuiDeroule.Visible = false;
    if (TableEditeeGroupe() && i > Groupe.NombreDioptresGroupe)
    {
        // The Klevtsov's mirror row: the secondary takes the last lens's diameter, by its own rule and record.
        const double d = Groupe.DiametreGroupe[Rang(std::min(i - 1, NombreMaxDioptresGroupe))];
        if (d != Instrument.DiametreSecondaire && StockeValeur(CodeJournalDiametreSecondaire, d))
        {
            Journalise(CodeJournalDiametreSecondaire, 0, Instrument.DiametreSecondaire);
            Modifie();
        }
        return PortsEdition.RafraichitVue();
    }
    // Through the cell's commit, so that the half-radius and thickness checks refuse a diameter too wide.
    const TCodeJournal code = CodeDiametre();
    const double avant = Lentille(i).D1;
    const double precedent = Lentille(i - 1).D1;
    EtatSaisie.CodeSaisie = code;
    EtatSaisie.ValeurAvantSaisie = avant;
    EtatSaisie.Saisie.Visible = true;
    EtatSaisie.Saisie.Texte = precedent == 0 ? std::string() : FormateNombre(precedent, "#0.##");
    ValideSaisie();
    PortsEdition.RafraichitVue();
}

void FermeCadreDiametre()
{
    EtatSaisie.CadreDiametre = false;
    Controles.AppuiDeroule.Visible = false;
}
