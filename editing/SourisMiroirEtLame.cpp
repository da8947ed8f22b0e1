// The mouse on the two rows that are not rows of the surface arrays: the Klevtsov's mirror row under its lens group
// (the secondary's radius, thickness and diameter) and the glass row of the Schmidt plate or the meniscus.
#include "editing/SourisTableaux.h"

#include "editing/ChoixVerre.h"
#include "editing/ClicsFiche.h"
#include "editing/CommandesLignes.h"
#include "editing/EtatEdition.h"
#include "editing/OuvreCellules.h"
#include "editing/OuvreListes.h"
#include "editing/OuvreSaisie.h"
#include "editing/PasFleches.h"
#include "editing/Ports.h"
#include "editing/Stockage.h"
#include "editing/Valide.h"
#include "optics/Initialisation.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "sheet/LignesEditees.h"

#include <array>
#include <cmath>

namespace {

using enum TZoneLigne;

// ---- Mirror row -------------------------------------------------------------------------------------------------

void MontreAppuiMiroir(TZoneLigne zone, int gauche)
{
    // The row button adds a row: its pressed look is the other image.
    TControle& appui = zone == BoutonLigne ? Controles.AppuiDeroulePlus : Controles.AppuiDeroule;
    const int debut = zone == BoutonLigne ? 27 : zone == BoutonLentille ? 105 : 243;
    appui.Left = gauche + debut - 1;
    appui.Top = Controles.LigneMiroirActive.Top;
    appui.Visible = true;
}

// A step of the secondary's radius, thickness or diameter: stored through its routine, the entry box (opened on the
// cell first) showing it; the commit of the box journals it. Only a refused thickness beeps.
void PasMiroir(TZoneLigne zone, bool monte, int gauche)
{
    const TInstrument& I = Instrument;
    const int debut = zone == FlechesRayon ? 92 : zone == FlechesEpaisseur ? 167 : 230;
    MontreFleche(gauche + debut - 1, Controles.LigneMiroirActive.Top, monte);
    std::optional<double> candidat;
    bool stocke = false;
    switch (zone)
    {
    case FlechesRayon:
        OuvreSaisieRayonLigneMiroir();
        candidat = PasRayon(I.RayonCourbureSecondaire, I.DiametreSecondaire, Reglages.PasRayon, monte);
        stocke = candidat && StockeCellule(SaisieRayonLigneMiroir, 0, *candidat);
        break;
    case FlechesEpaisseur:
        OuvreSaisieEpaisseurLigneMiroir();
        // The mirror's thickness has no unset mark: it steps down to nothing, not below.
        if (monte || I.EpaisseurSecondaire > 0)
            candidat = std::max(*PasEpaisseur(std::max(I.EpaisseurSecondaire, 0.0), Reglages.PasEpaisseur, monte), 0.0);
        stocke = candidat && StockeValeur(CodeJournalEpaisseurSecondaire, *candidat);
        if (!stocke)
            PortsEdition.Bip();
        break;
    default:
        OuvreSaisieDiametreLigneMiroir();
        candidat = PasDiametre(I.DiametreSecondaire, I.RayonCourbureSecondaire, Reglages.PasDiametre, monte);
        stocke = candidat && StockeValeur(CodeJournalDiametreSecondaire, *candidat);
        break;
    }
    if (!stocke)
        return;
    AfficheCandidat(*candidat, TGenrePas::Longueur);
    Edition.AMettreAJour = true;
}

void AppuieMiroir(int x, int y)
{
    TDioptreGroupe& g = Groupe;
    Edition.LigneCourante = g.NombreDioptresGroupe == 0 ? 2 : g.NombreDioptresGroupe + 1;
    const TZoneLigne zone = ZoneLigne(x);
    const int gauche = Controles.LigneMiroirActive.Left;
    switch (zone)
    {
    case BoutonLigne:
    case BoutonLentille:
    case BoutonDiametre: MontreAppuiMiroir(zone, gauche); break;
    case FlechesRayon:
    case FlechesEpaisseur:
    case FlechesDiametre: PasMiroir(zone, y < 9, gauche); break;
    default: break;
    }
}

void RelacheMiroir(int x)
{
    switch (ZoneLigne(x))
    {
    case BoutonLigne: return AjouteLigneGroupe();
    case Rayon: return OuvreSaisieRayonLigneMiroir();
    case Epaisseur: return OuvreSaisieEpaisseurLigneMiroir();
    case Diametre: return OuvreSaisieDiametreLigneMiroir();
    case FlechesRayon:
    case FlechesEpaisseur:
    case FlechesDiametre: return CacheFleches();
    case BoutonLentille: Controles.AppuiDeroulePlus.Visible = false; return PortsCadresTables.OuvreCadreMiroirPlan();
    case BoutonDiametre:
        // The mirror row's diameter is the group's frame, on the row past its lenses.
        Controles.AppuiDeroule.Visible = false;
        return PortsCadresTables.OuvreCadreDiametre(TTableEditee::Groupe);
    default: return;
    }
}

// ---- Plate glass row ---------------------------------------------------------------------------------------------

// The zones of the glass row on its highlight (`LigneSchmidt`) and on the plate table.
struct TZoneLame
{
    int DebutLigne;
    int DebutTableau;
    int Largeur;
    TZoneLigne Zone;
};

constexpr std::array<TZoneLame, 9> ZonesLame = {{
    {2, 314, 66, IndiceRouge},
    {67, 380, 12, FlechesRouge},
    {80, 394, 15, CatalogueRouge},
    {96, 410, 65, IndiceVert},
    {162, 475, 12, FlechesVert},
    {175, 489, 15, CatalogueVert},
    {191, 505, 65, IndiceBleu},
    {257, 570, 12, FlechesBleu},
    {270, 584, 15, CatalogueBleu},
}};

// The glass name runs from there to the row's end.
constexpr int DebutMatiereLigne = 286;
constexpr int DebutMatiereTableau = 600;
constexpr int FinTableau = 761;

TZoneLigne ZoneLame(int x, bool tableau)
{
    for (const TZoneLame& z : ZonesLame)
    {
        const int debut = tableau ? z.DebutTableau : z.DebutLigne;
        if (debut <= x && x < debut + z.Largeur)
            return z.Zone;
    }
    const bool matiere = tableau ? DebutMatiereTableau <= x && x <= FinTableau : DebutMatiereLigne <= x;
    return matiere ? Matiere : Aucune;
}

TCodeSaisie CodeLame(TZoneLigne zone)
{
    switch (zone)
    {
    case IndiceRouge:
    case FlechesRouge:
    case CatalogueRouge: return SaisieIndiceRougeLame;
    case IndiceVert:
    case FlechesVert:
    case CatalogueVert: return SaisieIndiceVertLame;
    case IndiceBleu:
    case FlechesBleu:
    case CatalogueBleu: return SaisieIndiceBleuLame;
    default: return SaisieMatiereLame;
    }
}

float IndiceLame(TCodeSaisie code)
{
    switch (code)
    {
    case SaisieIndiceRougeLame: return Groupe.IndiceRougeGroupe[1];
    case SaisieIndiceVertLame: return Groupe.IndiceVertGroupe[1];
    default: return Groupe.IndiceBleuGroupe[1];
    }
}

bool EstFlechesLame(TZoneLigne zone)
{
    return zone == FlechesRouge || zone == FlechesVert || zone == FlechesBleu;
}

bool EstCatalogueLame(TZoneLigne zone)
{
    return zone == CatalogueRouge || zone == CatalogueVert || zone == CatalogueBleu;
}

// A step of the plate glass's index, the cell opened first; true when a value was stored.
bool PasLame(TZoneLigne zone, bool monte)
{
    const TCodeSaisie code = CodeLame(zone);
    OuvreCellule(code);
    const auto candidat = PasIndice(IndiceLame(code), Reglages.PasIndice, monte);
    if (!candidat || !StockeCellule(code, 1, *candidat))
    {
        PortsEdition.Bip();
        return false;
    }
    AfficheCandidat(IndiceLame(code), TGenrePas::Indice);
    Edition.AMettreAJour = true;
    return true;
}

// The catalogue for the plate glass, whichever table another row has current; the open cell shows the answer.
void ChoixVerreLame()
{
    const TTableEditee table = Edition.TableEditee;
    Edition.TableEditee = TTableEditee::Lame;
    ChoixVerreLigne();
    Edition.TableEditee = table;
    const TCodeSaisie code = EtatSaisie.CodeSaisie;
    if (MatiereSelectionnee && code >= SaisieIndiceRougeLame && code <= SaisieMatiereLame)
        OuvreCellule(code);
}

void RelacheLame(TZoneLigne zone)
{
    if (EstFlechesLame(zone))
        return CacheFleches();
    if (zone != Aucune && !EstCatalogueLame(zone))
        OuvreCellule(CodeLame(zone));
}

} // namespace

void FicheLigneMiroirMouseDown(int x, int y)
{
    ValideSiOuverte();
    Edition.TableEditee = TTableEditee::Groupe;
    Controles.Ligne.Visible = false;
    Controles.LigneSchmidt.Visible = false;
    TControle& active = Controles.LigneMiroirActive;
    active.Left = Controles.LigneMiroir.Left;
    active.Top = Controles.LigneMiroir.Top;
    active.Width = Controles.LigneMiroir.Width;
    active.Visible = true;
    PortsEdition.FermeCadresEtRafraichit();
    AppuieMiroir(x, y);
}

void FicheLigneMiroirActiveMouseDown(int x, int y)
{
    Edition.TableEditee = TTableEditee::Groupe;
    Controles.LigneMiroirActive.Visible = true;
    ValideSiOuverte();
    Controles.LigneSchmidt.Visible = false;
    PortsEdition.FermeCadresEtRafraichit();
    AppuieMiroir(x, y);
}

void FicheLigneMiroirMouseUp(int x, int)
{
    Controles.LigneSchmidt.Visible = false;
    Edition.TableEditee = TTableEditee::Groupe;
    DessineLigneEditee();
    RelacheMiroir(x);
}

void FicheLigneMiroirActiveMouseUp(int x, int)
{
    Controles.LigneSchmidt.Visible = false;
    Edition.TableEditee = TTableEditee::Groupe;
    TDioptreGroupe& g = Groupe;
    Edition.LigneCourante = g.NombreDioptresGroupe;
    // Leaving the lenses for the mirror drops an empty last lens row.
    if (g.NombreDioptresGroupe > 1 && EstLigneGroupeVide(g.NombreDioptresGroupe))
    {
        --g.NombreDioptresGroupe;
        Edition.LigneCourante = g.NombreDioptresGroupe;
        PortsEdition.RafraichitVue();
    }
    DessineLigneEditee();
    RelacheMiroir(x);
}

void FicheLigneSchmidtMouseDown(int x, int y)
{
    ValideSiOuverte();
    PortsEdition.FermeCadresEtRafraichit();
    const TZoneLigne zone = ZoneLame(x, false);
    if (EstFlechesLame(zone))
    {
        const TControle& ligne = Controles.LigneSchmidt;
        MontreFleche(ligne.Left + x, ligne.Top, y < 9);
        PasLame(zone, y < 9);
    }
    else if (EstCatalogueLame(zone))
    {
        TControle& appui = Controles.AppuiDeroule;
        appui.Left = Controles.LigneSchmidt.Left + x;
        appui.Top = Controles.LigneSchmidt.Top;
        appui.Visible = true;
        ChoixVerreLame();
    }
    PortsEdition.RafraichitVue();
}

void FicheLigneSchmidtMouseUp(int x, int)
{
    Controles.Ligne.Visible = false;
    RelacheLame(ZoneLame(x, false));
    DessineLigneSchmidt();
}

void FicheTableauSchmidtMouseDown(int x, int y)
{
    ValideSiOuverte();
    PortsEdition.FermeCadresEtRafraichit();
    const TZoneLigne zone = ZoneLame(x, true);
    if (!EstFlechesLame(zone))
        return;
    // The arrows are the row's halves; anywhere else in their column, the header included, there is nothing to step.
    const bool monte = 31 < y && y < 40;
    if (!monte && !(40 < y && y < 48))
        return PortsEdition.Bip();
    if (!PasLame(zone, monte))
        return;
    const TCodeSaisie code = CodeLame(zone);
    Edition.DocumentModifie = true;
    PortsEdition.AjouteAuJournal({code, 1, FormateGeneral(IndiceLame(code))});
    PortsEdition.ActiveCommande(TCommandeEdition::Annuler, true);
}

void FicheTableauSchmidtMouseUp(int x, int y)
{
    Controles.Ligne.Visible = false;
    bool traite = false;
    const auto& cases = CasesLongueurOndeLame;
    if (cases[0].Top < y && y < cases[0].Bottom)
    {
        constexpr std::array<void (*)(), 3> ouvre = {OuvreListeLongueurOndeRougeLame, OuvreListeLongueurOndeVerteLame,
                                                     OuvreListeLongueurOndeBleueLame};
        for (std::size_t k = 0; k < cases.size() && !traite; ++k)
            if (cases[k].Left < x && x < cases[k].Right)
            {
                Controles.LigneSchmidt.Visible = false;
                ouvre[k]();
                traite = true;
            }
    }
    if (!traite && y > 32 && x > 313)
    {
        traite = true;
        TControle& ligne = Controles.LigneSchmidt;
        ligne.Visible = true;
        ligne.Left = Controles.TableauSchmidt.Left + 313;
        ligne.Top = Controles.TableauSchmidt.Top + 31;
        DessineLigneSchmidt();
        const TZoneLigne zone = ZoneLame(x, true);
        if (EstCatalogueLame(zone))
        {
            ChoixVerreLame();
            DessineTableauSchmidt();
        }
        RelacheLame(zone);
        if (ligne.Visible)
            DessineLigneSchmidt();
    }
    const TTypeInstrument forme = Instrument.TypeInstrument;
    const bool menisque = forme == TTypeInstrument::Maksutov || forme == TTypeInstrument::MaksutovNewton ||
                          forme == TTypeInstrument::MaksutovCassegrain;
    const auto& c = MiseEnPage.CaseValeur;
    const TCase& r1 = c[CaseRayonMenisque1];
    if (!traite && menisque && r1.Top < y && y < r1.Bottom)
    {
        const auto dans = [x](const TCase& k) { return k.Left < x && x < k.Right; };
        const std::pair<const TCase*, TValeurFiche> cibles[] = {
            {&c[CaseDiametreMenisque], TValeurFiche::DiametreMenisque},
            {&r1, TValeurFiche::RayonMenisque1},
            {&c[CaseRayonMenisque2], TValeurFiche::RayonMenisque2}};
        for (const auto& [boite, valeur] : cibles)
            if (!traite && dans(*boite))
            {
                PrepareSaisieFiche();
                OuvreValeurFiche(valeur);
                traite = true;
            }
    }
    if (!traite)
    {
        Controles.ComboBoxLambda.Visible = false;
        EtatSaisie.Saisie.Visible = false;
        ValideSaisie();
    }
    PortsEdition.RafraichitVue();
}
