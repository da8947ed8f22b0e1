// The store routines of the surface tables' cells, shared by the commit, the spin arrows, the frames and the replay.
#include "editing/Stockage.h"
#include "editing/Bornes.h"

#include "optics/Initialisation.h"

#include <algorithm>
#include <cmath>

namespace {

std::size_t Indice(int ligne)
{
    return static_cast<std::size_t>(ligne);
}

// The index array of a colour, by the journal code of its column.
template <typename TTableau>
TTableau& Colonne(std::int32_t codeJournal, TTableau& rouge, TTableau& vert, TTableau& bleu)
{
    switch (codeJournal)
    {
    case SaisieIndiceRouge:
    case SaisieIndiceRougeGroupe:
    case SaisieIndiceRougeLame: return rouge;
    case SaisieIndiceVert:
    case SaisieIndiceVertGroupe:
    case SaisieIndiceVertLame: return vert;
    default: return bleu;
    }
}

} // namespace

void StockeRayonDioptre(int ligne, double rayon)
{
    TDioptre& d = Dispositif;
    const std::size_t i = Indice(ligne);
    d.RayonDioptre[i] = rayon;
    if (!EstDiaphragme(rayon))
        return;
    if (ligne == 1)
    {
        d.IndiceRouge[2] = IndiceAir(LongueursOnde.LongueurOndeRouge);
        d.IndiceVert[2] = IndiceAir(LongueursOnde.LongueurOndeVerte);
        d.IndiceBleu[2] = IndiceAir(LongueursOnde.LongueurOndeBleue);
        d.MatiereDioptre[2] = "Air - Diaphragme";
        return;
    }
    d.IndiceRouge[i + 1] = d.IndiceRouge[i];
    d.IndiceVert[i + 1] = d.IndiceVert[i];
    d.IndiceBleu[i + 1] = d.IndiceBleu[i];
    d.MatiereDioptre[i + 1] = "Diaphragme";
}

void StockeEpaisseurDioptre(int ligne, double epaisseur)
{
    Dispositif.EpaisseurDioptre[Indice(ligne)] = epaisseur;
}

void StockeDiametreDioptre(int ligne, double diametre)
{
    Dispositif.DiametreDioptre[Indice(ligne)] = diametre;
}

void StockeIndiceDioptre(std::int32_t codeJournal, int ligne, float indice)
{
    TDioptre& d = Dispositif;
    Colonne(codeJournal, d.IndiceRouge, d.IndiceVert, d.IndiceBleu)[Indice(ligne) + 1] = indice;
}

void StockeMatiereDioptre(int ligne, const std::string& matiere)
{
    Dispositif.MatiereDioptre[Indice(ligne) + 1] = matiere;
}

void StockeRayonGroupe(int ligne, double rayon)
{
    TDioptreGroupe& g = Groupe;
    const std::size_t i = Indice(ligne);
    g.RayonGroupe[i] = rayon;
    g.NombreDioptresGroupe = std::max(g.NombreDioptresGroupe, ligne);
    if (!EstDiaphragme(rayon))
        return;
    if (ligne == 1)
    {
        g.IndiceRougeGroupe[1] = IndiceAir(LongueursOnde.LongueurOndeRouge);
        g.IndiceVertGroupe[1] = IndiceAir(LongueursOnde.LongueurOndeVerte);
        g.IndiceBleuGroupe[1] = IndiceAir(LongueursOnde.LongueurOndeBleue);
        g.MatiereGroupe[1] = "Air - Diaphragme";
        return;
    }
    g.IndiceRougeGroupe[i] = g.IndiceRougeGroupe[i - 1];
    g.IndiceVertGroupe[i] = g.IndiceVertGroupe[i - 1];
    g.IndiceBleuGroupe[i] = g.IndiceBleuGroupe[i - 1];
    g.MatiereGroupe[i] = "Diaphragme";
}

void StockeEpaisseurGroupe(int ligne, double epaisseur)
{
    Groupe.EpaisseurGroupe[Indice(ligne)] = epaisseur;
}

void StockeDiametreGroupe(int ligne, double diametre)
{
    Groupe.DiametreGroupe[Indice(ligne)] = diametre;
    if (ligne == 1 && (Instrument.TypeInstrument == TTypeInstrument::LurieHoughton ||
                       Instrument.TypeInstrument == TTypeInstrument::HoughtonCassegrain))
        StockeDiametreEntree(diametre);
}

void StockeIndiceGroupe(std::int32_t codeJournal, int ligne, float indice)
{
    TDioptreGroupe& g = Groupe;
    Colonne(codeJournal, g.IndiceRougeGroupe, g.IndiceVertGroupe, g.IndiceBleuGroupe)[Indice(ligne)] = indice;
}

void StockeMatiereGroupe(int ligne, const std::string& matiere)
{
    Groupe.MatiereGroupe[Indice(ligne)] = matiere;
}

void StockeRayonCourbureSecondaire(double rayon)
{
    Instrument.RayonCourbureSecondaire = rayon;
}

void RetireLigneGroupe(int ligne)
{
    TDioptreGroupe& g = Groupe;
    const int n = g.NombreDioptresGroupe;
    for (int k = ligne; k < n && k < NombreMaxDioptresGroupe; ++k)
    {
        const std::size_t i = Indice(k);
        g.RayonGroupe[i] = g.RayonGroupe[i + 1];
        g.EpaisseurGroupe[i] = g.EpaisseurGroupe[i + 1];
        g.DiametreGroupe[i] = g.DiametreGroupe[i + 1];
        g.IndiceRougeGroupe[i] = g.IndiceRougeGroupe[i + 1];
        g.IndiceVertGroupe[i] = g.IndiceVertGroupe[i + 1];
        g.IndiceBleuGroupe[i] = g.IndiceBleuGroupe[i + 1];
        g.MatiereGroupe[i] = g.MatiereGroupe[i + 1];
    }
    const std::size_t dernier = Indice(n);
    g.RayonGroupe[dernier] = RayonVide;
    g.EpaisseurGroupe[dernier] = EpaisseurNonSaisie;
    g.DiametreGroupe[dernier] = 0;
    g.IndiceRougeGroupe[dernier] = 0;
    g.IndiceVertGroupe[dernier] = 0;
    g.IndiceBleuGroupe[dernier] = 0;
    g.MatiereGroupe[dernier].clear();
    if (n > 1)
        g.NombreDioptresGroupe = n - 1;
    Edition.LigneCourante = std::min(Edition.LigneCourante, g.NombreDioptresGroupe);
}

namespace {

// What the code of a cell stores, and on how many rows.
enum class TGenreCellule
{
    Aucun, // not a cell
    Longueur,
    Indice, // single precision
    Matiere
};

struct TCellule
{
    TGenreCellule Genre = TGenreCellule::Aucun;
    int Lignes = 0; // 0: the cell has no row (the mirror row's radius)
};

TCellule Cellule(std::int32_t code)
{
    using enum TGenreCellule;
    switch (code)
    {
    case SaisieRayonDioptre:
    case SaisieEpaisseurDioptre:
    case SaisieDiametreDioptre: return {Longueur, NombreMaxDioptres};
    case SaisieIndiceRouge:
    case SaisieIndiceVert:
    case SaisieIndiceBleu: return {Indice, NombreMaxDioptres};
    case SaisieMatiereDioptre: return {Matiere, NombreMaxDioptres};
    case SaisieRayonGroupe:
    case SaisieEpaisseurGroupe:
    case SaisieDiametreGroupe: return {Longueur, NombreMaxDioptresGroupe};
    case SaisieIndiceRougeGroupe:
    case SaisieIndiceVertGroupe:
    case SaisieIndiceBleuGroupe:
    case SaisieIndiceRougeLame:
    case SaisieIndiceVertLame:
    case SaisieIndiceBleuLame: return {Indice, NombreMaxDioptresGroupe};
    case SaisieMatiereGroupe:
    case SaisieMatiereLame: return {Matiere, NombreMaxDioptresGroupe};
    case SaisieRayonLigneMiroir: return {Longueur, 0};
    default: return {};
    }
}

bool LigneDeCellule(const TCellule& cellule, int ligne)
{
    return cellule.Lignes == 0 || (ligne >= 1 && ligne <= cellule.Lignes);
}

void AppliqueStockageCellule(std::int32_t code, int ligne, double x)
{
    switch (code)
    {
    case SaisieRayonDioptre: StockeRayonDioptre(ligne, x); break;
    case SaisieEpaisseurDioptre: StockeEpaisseurDioptre(ligne, x); break;
    case SaisieDiametreDioptre: StockeDiametreDioptre(ligne, x); break;
    case SaisieIndiceRouge:
    case SaisieIndiceVert:
    case SaisieIndiceBleu: StockeIndiceDioptre(code, ligne, static_cast<float>(x)); break;
    case SaisieRayonGroupe: StockeRayonGroupe(ligne, x); break;
    case SaisieEpaisseurGroupe: StockeEpaisseurGroupe(ligne, x); break;
    case SaisieDiametreGroupe: StockeDiametreGroupe(ligne, x); break;
    case SaisieRayonLigneMiroir: StockeRayonCourbureSecondaire(x); break;
    default: StockeIndiceGroupe(code, ligne, static_cast<float>(x)); break;
    }
}

} // namespace

bool StockeCellule(std::int32_t codeJournal, int ligne, double valeur)
{
    const TCellule cellule = Cellule(codeJournal);
    if (cellule.Genre == TGenreCellule::Aucun || cellule.Genre == TGenreCellule::Matiere ||
        !LigneDeCellule(cellule, ligne) || !std::isfinite(valeur))
        return false;
    // Indices are kept in single precision, where a number beyond its range would become infinite.
    if (cellule.Genre == TGenreCellule::Indice && !std::isfinite(static_cast<float>(valeur)))
        return false;
    // A value the entry box would have refused comes from no edit: a journal carrying one is not the user's.
    if (const auto borne = BorneDuCode(codeJournal); borne && !DansLaBorne(*borne, valeur))
        return false;
    AppliqueStockageCellule(codeJournal, ligne, valeur);
    return true;
}

bool StockeMatiere(std::int32_t codeJournal, int ligne, const std::string& matiere)
{
    const TCellule cellule = Cellule(codeJournal);
    if (cellule.Genre != TGenreCellule::Matiere || !LigneDeCellule(cellule, ligne))
        return false;
    if (codeJournal == SaisieMatiereDioptre)
        StockeMatiereDioptre(ligne, matiere);
    else
        StockeMatiereGroupe(ligne, matiere);
    return true;
}
