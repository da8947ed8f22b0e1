// The mouse on the lens-device and lens-group tables and on the row highlighted over either.
#include "editing/SourisTableaux.h"

#include "editing/ChoixVerre.h"
#include "editing/CommandesLignes.h"
#include "editing/EtatEdition.h"
#include "editing/OuvreCellules.h"
#include "editing/OuvreListes.h"
#include "editing/Ports.h"
#include "editing/PasFleches.h"
#include "editing/Stockage.h"
#include "editing/Valide.h"
#include "optics/Initialisation.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "sheet/LignesEditees.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using enum TZoneLigne;

struct TPlageZone
{
    int Debut;
    int Fin;
    TZoneLigne Zone;
};

constexpr std::array<TPlageZone, 20> Zones = {{
    {27, 41, BoutonLigne},       {43, 90, Rayon},         {92, 103, FlechesRayon},
    {105, 119, BoutonLentille},  {121, 165, Epaisseur},   {167, 178, FlechesEpaisseur},
    {180, 194, BoutonEpaisseur}, {196, 228, Diametre},    {230, 241, FlechesDiametre},
    {243, 257, BoutonDiametre},  {259, 323, IndiceRouge}, {325, 336, FlechesRouge},
    {338, 352, CatalogueRouge},  {354, 418, IndiceVert},  {420, 431, FlechesVert},
    {433, 447, CatalogueVert},   {449, 513, IndiceBleu},  {515, 526, FlechesBleu},
    {528, 542, CatalogueBleu},   {544, 761, Matiere},
}};

// The left edge of a zone, where its pressed image goes (one pixel to its left).
int DebutZone(TZoneLigne zone)
{
    for (const TPlageZone& p : Zones)
        if (p.Zone == zone)
            return p.Debut;
    return 0;
}

// The header heights and row pitch of the two tables.
constexpr int EnteteDispositif = 48;
constexpr int EnteteGroupe = 59;
constexpr int PasLignes = 16;

int Entete(TTableEditee table)
{
    return table == TTableEditee::Groupe ? EnteteGroupe : EnteteDispositif;
}

const TControle& ImageTable(TTableEditee table)
{
    return table == TTableEditee::Groupe ? Controles.TableauKlevtsov : Controles.Grille;
}

// The top of a row's highlight, in pixels of its table image.
int HautLigne(TTableEditee table, int r)
{
    return PasLignes * r + Entete(table) - PasLignes;
}

// The column of a value or arrow zone: 0 radius, 1 thickness, 2 diameter, 3 to 5 red, green and blue index, 6 glass.
std::optional<int> Colonne(TZoneLigne zone)
{
    switch (zone)
    {
    case Rayon:
    case FlechesRayon: return 0;
    case Epaisseur:
    case FlechesEpaisseur: return 1;
    case Diametre:
    case FlechesDiametre: return 2;
    case IndiceRouge:
    case FlechesRouge:
    case CatalogueRouge: return 3;
    case IndiceVert:
    case FlechesVert:
    case CatalogueVert: return 4;
    case IndiceBleu:
    case FlechesBleu:
    case CatalogueBleu: return 5;
    case Matiere: return 6;
    case Aucune:
    case BoutonLigne:
    case BoutonLentille:
    case BoutonEpaisseur:
    case BoutonDiametre: return std::nullopt;
    }
    return std::nullopt;
}

bool EstFleches(TZoneLigne zone)
{
    return zone == FlechesRayon || zone == FlechesEpaisseur || zone == FlechesDiametre || zone == FlechesRouge ||
           zone == FlechesVert || zone == FlechesBleu;
}

bool EstCatalogue(TZoneLigne zone)
{
    return zone == CatalogueRouge || zone == CatalogueVert || zone == CatalogueBleu;
}

bool EstBoutonCadre(TZoneLigne zone)
{
    return zone == BoutonLigne || zone == BoutonLentille || zone == BoutonEpaisseur || zone == BoutonDiametre;
}

TCodeSaisie CodeColonne(TTableEditee table, int colonne)
{
    return (table == TTableEditee::Groupe ? SaisieRayonGroupe : SaisieRayonDioptre) + colonne;
}

// The value of a column of a row as stored; the device's row shows its medium r + 1.
double ValeurColonne(TTableEditee table, int r, int colonne)
{
    const auto i = static_cast<std::size_t>(r);
    const bool groupe = table == TTableEditee::Groupe;
    const std::size_t milieu = groupe ? i : i + 1;
    switch (colonne)
    {
    case 0: return groupe ? Groupe.RayonGroupe[i] : Dispositif.RayonDioptre[i];
    case 1: return groupe ? Groupe.EpaisseurGroupe[i] : Dispositif.EpaisseurDioptre[i];
    case 2: return groupe ? Groupe.DiametreGroupe[i] : Dispositif.DiametreDioptre[i];
    case 3: return groupe ? Groupe.IndiceRougeGroupe[milieu] : Dispositif.IndiceRouge[milieu];
    case 4: return groupe ? Groupe.IndiceVertGroupe[milieu] : Dispositif.IndiceVert[milieu];
    default: return groupe ? Groupe.IndiceBleuGroupe[milieu] : Dispositif.IndiceBleu[milieu];
    }
}

void MontreLigne(TTableEditee table, int r)
{
    const TControle& image = ImageTable(table);
    TControle& ligne = Controles.Ligne;
    Edition.LigneCourante = r;
    ligne.Visible = true;
    ligne.Left = image.Left + 1;
    ligne.Top = image.Top + HautLigne(table, r);
}

// A press on a drop-down or catalogue button shows it pressed over the row.
void MontreAppui(TZoneLigne zone, int gauche, int haut)
{
    TControle& appui = Controles.AppuiDeroule;
    appui.Left = gauche + DebutZone(zone) - 1;
    appui.Top = haut;
    appui.Visible = true;
}

// One arrow step of a table cell: the cell is opened first, so that its later commit sees the step as a change.
void PasTable(TTableEditee table, int r, TZoneLigne zone, bool monte, int gauche, int haut, bool journalise)
{
    const int colonne = *Colonne(zone);
    const TCodeSaisie code = CodeColonne(table, colonne);
    MontreFleche(gauche + DebutZone(zone) - 1, haut, monte);
    OuvreCellule(code);
    const double valeur = ValeurColonne(table, r, colonne);
    std::optional<double> candidat;
    switch (colonne)
    {
    case 0: candidat = PasRayon(valeur, ValeurColonne(table, r, 2), Reglages.PasRayon, monte); break;
    case 1: candidat = PasEpaisseur(valeur, Reglages.PasEpaisseur, monte); break;
    case 2: candidat = PasDiametre(valeur, ValeurColonne(table, r, 0), Reglages.PasDiametre, monte); break;
    default: candidat = PasIndice(valeur, Reglages.PasIndice, monte); break;
    }
    if (!candidat || !StockeCellule(code, r, *candidat))
        return PortsEdition.Bip();
    const double stocke = ValeurColonne(table, r, colonne);
    AfficheCandidat(stocke, colonne >= 3   ? TGenrePas::Indice
                            : colonne == 1 ? TGenrePas::Epaisseur
                                           : TGenrePas::Longueur);
    Edition.AMettreAJour = true;
    if (!journalise)
        return;
    PortsEdition.AjouteAuJournal({code, r, FormateGeneral(stocke)});
    PortsEdition.ActiveCommande(TCommandeEdition::Annuler, true);
}

// A press on a zone of a row: a button shows its pressed look, an arrow steps. The catalogue buttons show theirs on
// the highlighted row only.
void AppuieZone(TTableEditee table, int r, TZoneLigne zone, int gauche, int haut, bool monte, bool journalise,
                bool catalogues)
{
    if (EstBoutonCadre(zone) || (catalogues && EstCatalogue(zone)))
        MontreAppui(zone, gauche, haut);
    else if (EstFleches(zone))
        PasTable(table, r, zone, monte, gauche, haut, journalise);
}

// A release on a zone of the current row: the cell, a frame, the catalogue or nothing.
void RelacheZone(TTableEditee table, TZoneLigne zone)
{
    const bool groupe = table == TTableEditee::Groupe;
    if (EstCatalogue(zone))
    {
        Controles.AppuiDeroule.Visible = false;
        ChoixVerreLigne();
        return OuvreCellule(CodeColonne(table, 6));
    }
    if (EstBoutonCadre(zone))
        Controles.AppuiDeroule.Visible = false;
    switch (zone)
    {
    case BoutonLigne: return groupe ? OuvreCadreDioptreGroupe() : OuvreCadreDioptre();
    case BoutonLentille: return PortsCadresTables.OuvreCadreLentille(table);
    case BoutonEpaisseur: return PortsCadresTables.OuvreCadreEpaisseur(table);
    case BoutonDiametre: return PortsCadresTables.OuvreCadreDiametre(table);
    default: break;
    }
    if (EstFleches(zone))
        return CacheFleches();
    if (const auto colonne = Colonne(zone))
        OuvreCellule(CodeColonne(table, *colonne));
}

// A release on a wavelength cell of a table's header opens that channel's list; true when it was one.
bool RelacheEntete(TTableEditee table, int x, int y)
{
    const auto& cases = table == TTableEditee::Groupe ? CasesLongueurOndeGroupe : CasesLongueurOndeGrille;
    if (!(cases[0].Top < y && y < cases[0].Bottom))
        return false;
    Controles.Ligne.Visible = false;
    constexpr std::array<TCodeSaisie, 3> codes = {SaisieLongueurOndeRouge, SaisieLongueurOndeVerte,
                                                  SaisieLongueurOndeBleue};
    constexpr std::array<void (*)(), 3> ouvre = {OuvreListeLongueurOndeRouge, OuvreListeLongueurOndeVerte,
                                                 OuvreListeLongueurOndeBleue};
    for (std::size_t k = 0; k < cases.size(); ++k)
    {
        if (!(cases[k].Left < x && x < cases[k].Right))
            continue;
        // A line chosen in the device's open list is taken before another list opens.
        if (table == TTableEditee::Dispositif && EtatSaisie.CodeSaisie != codes[k])
            PortsEdition.AppliqueLongueurOnde();
        EtatSaisie.CodeSaisie = codes[k];
        ouvre[k]();
        return true;
    }
    return false;
}

void AppuieTable(TTableEditee table, int x, int y)
{
    ValideSiOuverte();
    const int r = LigneSousPointeur(table, y);
    MontreLigne(table, r);
    const TControle& image = ImageTable(table);
    const TZoneLigne zone = ZoneLigne(x);
    // The row being worked with the mouse keeps an empty row from being removed by the commit.
    if ((table == TTableEditee::Dispositif && zone == BoutonLigne) ||
        (table == TTableEditee::Groupe && zone == BoutonLentille))
        Edition.MarqueEditionTableau = true;
    const int haut = HautLigne(table, r);
    AppuieZone(table, r, zone, image.Left, image.Top + haut, y < haut + 9, table == TTableEditee::Dispositif, false);
}

void RelacheTable(TTableEditee table, int x, int y, bool traite)
{
    if (!traite && y > Entete(table) && (table == TTableEditee::Groupe || Edition.DispositifDeveloppe))
    {
        traite = true;
        Controles.LigneSchmidt.Visible = false;
        MontreLigne(table, LigneSousPointeur(table, y));
        DessineLigneEditee();
        RelacheZone(table, ZoneLigne(x));
        if (Controles.Ligne.Visible)
            DessineLigneEditee();
    }
    if (!traite)
    {
        Controles.ComboBoxLambda.Visible = false;
        Controles.Ligne.Visible = false;
        EtatSaisie.Saisie.Visible = false;
        ValideSaisie();
    }
    if (MatiereSelectionnee)
        Edition.AMettreAJour = true;
    PortsEdition.RafraichitVue();
    DessineLigneEditee();
}

} // namespace

TZoneLigne ZoneLigne(int x)
{
    for (const TPlageZone& p : Zones)
        if (p.Debut <= x && x <= p.Fin)
            return p.Zone;
    return Aucune;
}

int LigneSousPointeur(TTableEditee table, int y)
{
    const int entete = Entete(table);
    if (y <= entete)
        return 0;
    const int n = table == TTableEditee::Groupe ? Groupe.NombreDioptresGroupe : Dispositif.NombreDioptres;
    return std::clamp((y - entete) / PasLignes + 1, 1, std::max(n, 1));
}

void FicheGrilleMouseDown(int x, int y)
{
    Controles.LigneMiroirActive.Visible = false;
    ValideSiOuverte();
    Controles.ComboBoxLambda.Visible = false;
    PortsEdition.FermeCadresEtRafraichit();
    Edition.TableEditee = TTableEditee::Dispositif;
    if (y > EnteteDispositif && Edition.DispositifDeveloppe)
        AppuieTable(TTableEditee::Dispositif, x, y);
    PortsEdition.RafraichitVue();
}

void FicheTableauKlevtsovMouseDown(int x, int y)
{
    ValideSiOuverte();
    Controles.LigneMiroirActive.Visible = false;
    Controles.ComboBoxLambda.Visible = false;
    PortsEdition.FermeCadresEtRafraichit();
    Edition.TableEditee = TTableEditee::Groupe;
    if (y > EnteteGroupe)
        AppuieTable(TTableEditee::Groupe, x, y);
    PortsEdition.RafraichitVue();
}

void FicheGrilleMouseUp(int x, int y)
{
    if (y >= Controles.Grille.Height)
        return;
    Controles.LigneSchmidt.Visible = false;
    Edition.TableEditee = TTableEditee::Dispositif;
    // Leaving an empty last row drops it.
    TDioptre& d = Dispositif;
    if (d.NombreDioptres > 1 && Edition.LigneCourante == d.NombreDioptres && EstLigneDispositifVide(d.NombreDioptres))
    {
        --d.NombreDioptres;
        Edition.LigneCourante = d.NombreDioptres;
    }
    RelacheTable(TTableEditee::Dispositif, x, y, RelacheEntete(TTableEditee::Dispositif, x, y));
}

void FicheTableauKlevtsovMouseUp(int x, int y)
{
    Controles.LigneSchmidt.Visible = false;
    Edition.TableEditee = TTableEditee::Groupe;
    RelacheTable(TTableEditee::Groupe, x, y, RelacheEntete(TTableEditee::Groupe, x, y));
}

void FicheLigneMouseDown(int x, int y)
{
    // Set while the press commits, so that the row it works on is not removed under it.
    Edition.MarqueEditionTableau = true;
    ValideSiOuverte();
    PortsEdition.FermeCadresEtRafraichit();
    const TTableEditee table = Edition.TableEditee;
    if (table == TTableEditee::Dispositif || table == TTableEditee::Groupe)
    {
        const TControle& ligne = Controles.Ligne;
        AppuieZone(table, Edition.LigneCourante, ZoneLigne(x), ligne.Left, ligne.Top, y < 9, true, true);
    }
    Edition.MarqueEditionTableau = false;
    PortsEdition.RafraichitVue();
}

void FicheLigneMouseUp(int x, int)
{
    Controles.LigneSchmidt.Visible = false;
    const TTableEditee table = Edition.TableEditee;
    if (table == TTableEditee::Dispositif || table == TTableEditee::Groupe)
    {
        const TZoneLigne zone = ZoneLigne(x);
        if (EstCatalogue(zone))
        {
            ValideSaisie();
            DessineLigneEditee();
        }
        RelacheZone(table, zone);
        if (MatiereSelectionnee)
            Edition.AMettreAJour = true;
    }
    PortsEdition.RafraichitVue();
    DessineLigneEditee();
}

void FicheAppuiDerouleMouseDown()
{
    PortsEdition.FermeCadresEtRafraichit();
    Controles.AppuiDeroule.Visible = false;
}

void FicheAppuiDerouleMouseUp()
{
    Controles.AppuiDeroule.Visible = false;
}
