// The row commands of the surface tables and their clipboards.
#include "editing/CommandesLignes.h"

#include "editing/ClicsFiche.h"
#include "editing/EtatEdition.h"
#include "editing/OuvreCellules.h"
#include "editing/Ports.h"
#include "editing/TableEditee.h"
#include "editing/Valide.h"
#include "optics/Initialisation.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <string>

namespace {

// One row of a surface table: its surface, and the medium behind it.
struct TLigneTable
{
    double Rayon = RayonVide;
    double Epaisseur = EpaisseurNonSaisie;
    double Diametre = 0;
    float Rouge = 0;
    float Vert = 0;
    float Bleu = 0;
    std::string Matiere;
};

// The device's row r shows its medium r + 1; the group's, its medium r.
TLigneTable LitLigne(int r)
{
    const auto i = static_cast<std::size_t>(r);
    if (TableEditeeGroupe())
    {
        const TDioptreGroupe& g = Groupe;
        return {g.RayonGroupe[i],      g.EpaisseurGroupe[i],  g.DiametreGroupe[i], g.IndiceRougeGroupe[i],
                g.IndiceVertGroupe[i], g.IndiceBleuGroupe[i], g.MatiereGroupe[i]};
    }
    const TDioptre& d = Dispositif;
    return {d.RayonDioptre[i],   d.EpaisseurDioptre[i], d.DiametreDioptre[i],   d.IndiceRouge[i + 1],
            d.IndiceVert[i + 1], d.IndiceBleu[i + 1],   d.MatiereDioptre[i + 1]};
}

void EcritLigne(int r, const TLigneTable& l)
{
    const auto i = static_cast<std::size_t>(r);
    if (TableEditeeGroupe())
    {
        TDioptreGroupe& g = Groupe;
        g.RayonGroupe[i] = l.Rayon;
        g.EpaisseurGroupe[i] = l.Epaisseur;
        g.DiametreGroupe[i] = l.Diametre;
        g.IndiceRougeGroupe[i] = l.Rouge;
        g.IndiceVertGroupe[i] = l.Vert;
        g.IndiceBleuGroupe[i] = l.Bleu;
        g.MatiereGroupe[i] = l.Matiere;
        return;
    }
    TDioptre& d = Dispositif;
    d.RayonDioptre[i] = l.Rayon;
    d.EpaisseurDioptre[i] = l.Epaisseur;
    d.DiametreDioptre[i] = l.Diametre;
    d.IndiceRouge[i + 1] = l.Rouge;
    d.IndiceVert[i + 1] = l.Vert;
    d.IndiceBleu[i + 1] = l.Bleu;
    d.MatiereDioptre[i + 1] = l.Matiere;
}

void FixeNombre(int n)
{
    if (TableEditeeGroupe())
        Groupe.NombreDioptresGroupe = n;
    else
        Dispositif.NombreDioptres = n;
}

TLigneCopiee& PressePapiers()
{
    return TableEditeeGroupe() ? Edition.LigneCopieeGroupe : Edition.LigneCopiee;
}

std::string& MatierePressePapiers()
{
    return TableEditeeGroupe() ? Edition.MatiereCopieeGroupe : Edition.MatiereCopiee;
}

bool PressePapiersPlein()
{
    return PressePapiers()[0] > 1e-6f;
}

// The row the commands act on: the current row kept inside the table (one past it for an insertion, which then
// appends).
int LigneCommande(bool insertion)
{
    const int n = std::max(NombreLignesTableEditee(), 1);
    const int ligne =
        std::clamp(Edition.LigneCourante, 1, insertion ? std::min(n + 1, NombreMaxLignesTableEditee()) : n);
    Edition.LigneCourante = ligne;
    return ligne;
}

void Journalise(TCodeJournal dispositif, TCodeJournal groupe)
{
    PortsEdition.AjouteAuJournal({TableEditeeGroupe() ? groupe : dispositif, Edition.LigneCourante, "0"});
}

// The design changed by a command from the menu or the frame.
void Modifie()
{
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
}

// A cell of the edited table open in the entry box is committed before a row command, and opened again after it on
// the value its row then holds: the box never shows a value the row no longer has.
TCodeSaisie ValideCelluleOuverte()
{
    if (!EtatSaisie.Saisie.Visible)
        return AucuneSaisie;
    const TCodeSaisie code = EtatSaisie.CodeSaisie;
    ValideSaisie();
    const TCodeSaisie premiere = TableEditeeGroupe() ? SaisieRayonGroupe : SaisieRayonDioptre;
    return code >= premiere && code <= premiere + 6 ? code : AucuneSaisie;
}

void RouvreCellule(TCodeSaisie code)
{
    if (code != AucuneSaisie && Edition.LigneCourante >= 1 && Edition.LigneCourante <= NombreLignesTableEditee())
        OuvreCellule(code);
}

bool LigneVideTable(int r)
{
    return TableEditeeGroupe() ? EstLigneGroupeVide(r) : EstLigneDispositifVide(r);
}

} // namespace

bool InsereLigneVide()
{
    const int n = NombreLignesTableEditee();
    if (n >= NombreMaxLignesTableEditee())
        return false;
    const int ligne = LigneCommande(true);
    for (int i = n; i >= ligne; --i)
        EcritLigne(i + 1, LitLigne(i));
    FixeNombre(n + 1);
    EcritLigne(ligne, TLigneTable{});
    return true;
}

void CopieLigne()
{
    const TLigneTable l = LitLigne(LigneCommande(false));
    // The clipboard holds single precision, as the design's indices do.
    PressePapiers() = {1.0f,
                       static_cast<float>(l.Rayon),
                       static_cast<float>(l.Epaisseur),
                       static_cast<float>(l.Diametre),
                       l.Rouge,
                       l.Vert,
                       l.Bleu};
    MatierePressePapiers() = l.Matiere;
}

void EcritLigneCopiee()
{
    const TLigneCopiee& c = PressePapiers();
    EcritLigne(LigneCommande(false), {c[1], c[2], c[3], c[4], c[5], c[6], MatierePressePapiers()});
}

void CoupeLigne()
{
    CopieLigne();
    const int ligne = Edition.LigneCourante;
    const int n = NombreLignesTableEditee();
    for (int i = ligne; i < n; ++i)
        EcritLigne(i, LitLigne(i + 1));
    EcritLigne(n, TLigneTable{});
    if (n >= 2)
        FixeNombre(n - 1);
    Edition.LigneCourante = std::min(ligne, std::max(NombreLignesTableEditee(), 1));
    PortsEdition.AjouteAuJournal(
        {TableEditeeGroupe() ? CodeJournalCoupeLigneGroupe : CodeJournalCoupeLigneDispositif, ligne, "0"});
}

void ColleLigne()
{
    if (!PressePapiersPlein())
        return PortsEdition.Bip();
    EcritLigneCopiee();
    Journalise(CodeJournalColleLigneDispositif, CodeJournalColleLigneGroupe);
}

void InsereLigneCopiee()
{
    // Inserting into a full table would overwrite the current row: nothing changes.
    if (!PressePapiersPlein() || !InsereLigneVide())
        return PortsEdition.Bip();
    EcritLigneCopiee();
    Journalise(CodeJournalInsereLigneCopieeDispositif, CodeJournalInsereLigneCopieeGroupe);
}

void InsereLigne()
{
    if (!InsereLigneVide())
        return PortsEdition.Bip();
    Journalise(CodeJournalInsereLigneDispositif, CodeJournalInsereLigneGroupe);
}

void AjouteLigneGroupe()
{
    Edition.TableEditee = TTableEditee::Groupe;
    Edition.LigneCourante = Groupe.NombreDioptresGroupe + 1;
    // The new row is inserted empty, as its record replays it, whatever its slot held.
    if (!InsereLigneVide())
    {
        Edition.LigneCourante = Groupe.NombreDioptresGroupe;
        return PortsEdition.Bip();
    }
    Journalise(CodeJournalInsereLigneDispositif, CodeJournalInsereLigneGroupe);
    PortsEdition.FermeCadresEtRafraichit();
    Controles.AppuiDeroule.Visible = false;
    Edition.LigneCourante = Groupe.NombreDioptresGroupe;
    OuvreSaisieRayonGroupe();
    Modifie();
    PortsEdition.RafraichitVue();
}

void CouperLigneExecute()
{
    const TCodeSaisie ouverte = ValideCelluleOuverte();
    CoupeLigne();
    PortsEdition.FermeCadreDioptre();
    Modifie();
    PortsClicsFiche.AfficheVueTableau();
    RouvreCellule(ouverte);
    PortsEdition.RafraichitVue();
}

void CopierLigneExecute()
{
    const TCodeSaisie ouverte = ValideCelluleOuverte();
    CopieLigne();
    PortsEdition.FermeCadreDioptre();
    // The copy is journaled so that a replayed paste finds the same clipboard.
    Modifie();
    Journalise(CodeJournalCopieLigneDispositif, CodeJournalCopieLigneGroupe);
    RouvreCellule(ouverte);
    PortsEdition.RafraichitVue();
}

void CollerLigneExecute()
{
    const TCodeSaisie ouverte = ValideCelluleOuverte();
    const bool plein = PressePapiersPlein();
    ColleLigne();
    PortsEdition.FermeCadreDioptre();
    if (plein)
        Modifie();
    RouvreCellule(ouverte);
    PortsEdition.RafraichitVue();
}

void InsererLigneExecute()
{
    const TCodeSaisie ouverte = ValideCelluleOuverte();
    const int avant = NombreLignesTableEditee();
    InsereLigne();
    PortsEdition.FermeCadresEtRafraichit();
    Controles.AppuiDeroule.Visible = false;
    if (NombreLignesTableEditee() != avant)
        Modifie();
    RouvreCellule(ouverte);
    PortsEdition.RafraichitVue();
    // The row just inserted is being built: an empty row is not removed under the user.
    Edition.MarqueEditionTableau = true;
}

void InsererLigneCopieeExecute()
{
    const TCodeSaisie ouverte = ValideCelluleOuverte();
    const int avant = NombreLignesTableEditee();
    InsereLigneCopiee();
    PortsEdition.FermeCadresEtRafraichit();
    Controles.AppuiDeroule.Visible = false;
    if (NombreLignesTableEditee() != avant)
        Modifie();
    RouvreCellule(ouverte);
    PortsEdition.RafraichitVue();
}

namespace {

void OuvreCadre(const TControle& table, int haut)
{
    EtatSaisie.CadreDioptre = true;
    TCadreDioptreModele& c = CadreDioptreModele;
    c.CopierActif = !LigneVideTable(Edition.LigneCourante);
    c.CollerActif = PressePapiersPlein();
    c.InsererActif = NombreLignesTableEditee() < NombreMaxLignesTableEditee();
    c.Gauche = table.Left - Controles.AppuiDeroule.Width + 43;
    c.Haut = haut;
}

} // namespace

void OuvreCadreDioptre()
{
    Edition.TableEditee = TTableEditee::Dispositif;
    const TControle& ligne = Controles.Ligne;
    OuvreCadre(Controles.Grille, ligne.Top + ligne.Height - 1);
}

void OuvreCadreDioptreGroupe()
{
    Edition.TableEditee = TTableEditee::Groupe;
    const TControle& ligne = Controles.Ligne.Visible ? Controles.Ligne : Controles.LigneMiroir;
    OuvreCadre(Controles.TableauKlevtsov, ligne.Top + ligne.Height - 1);
}
