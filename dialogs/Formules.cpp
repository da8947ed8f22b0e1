// The fixed-prescription lens devices of the menu "F&ormules" and the helpers every formula shares.
#include "dialogs/Formules.h"

#include "dialogs/IndexCalcul.h"
#include "editing/CodesJournal.h"
#include "editing/EtatEdition.h"
#include "editing/Ports.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

float IndiceFormule(std::string_view verre, TLongueurOnde ligne)
{
    return verre.empty() ? IndiceAir(ligne) : IndiceVerreIntegre(verre, ligne);
}

// The doublet, and how far in front of the former image its first surface stands when it follows a device.
struct TLigneBarlow
{
    double Rayon;
    double Epaisseur;
    const char* Matiere;
    const char* Verre;
};
constexpr TLigneBarlow LignesBarlow[] = {
    {515.0, 2.8, "F2", "F2"}, {-63.7, 2.0, "BK7", "BK7"}, {42.61, 109.0, "Air", ""}};
constexpr double DiametreBarlow = 25;
constexpr double AvanceBarlow = 57.901;
// The doublet needs that much of the former last thickness, and more: a thickness of 58 is refused.
constexpr double EpaisseurMinimaleBarlow = 58.0;
constexpr double DemiChampBarlow = 12.5;
constexpr double DepartRechercheBarlow = 55.93;

// The Wynne corrector: three BK7 lenses of fixed prescription.
struct TLigneWynne
{
    double Rayon;
    double Epaisseur;
    double Diametre;
    const char* Matiere;
    const char* Verre;
};
constexpr TLigneWynne LignesWynne[] = {{68.5, 6.64, 75, "BK7", "BK7"},   {80.47, 53.51, 75, "Air", ""},
                                       {135.81, 1.26, 57, "BK7", "BK7"}, {49.85, 75.78, 57, "Air", ""},
                                       {84.97, 9.15, 63, "BK7", "BK7"},  {-1053.07, 27.77, 63, "Air", ""}};
constexpr double DemiChampWynne = 23;

} // namespace

void EcritLigneFormule(int ligne, double rayon, double epaisseur, double diametre, const std::string& matiere,
                       std::string_view verre)
{
    EcritLigneFormule(ligne, rayon, epaisseur, diametre, matiere,
                      {IndiceFormule(verre, LongueursOnde.LongueurOndeRouge),
                       IndiceFormule(verre, LongueursOnde.LongueurOndeVerte),
                       IndiceFormule(verre, LongueursOnde.LongueurOndeBleue)});
}

void EcritLigneFormule(int ligne, double rayon, double epaisseur, double diametre, const std::string& matiere,
                       const std::array<float, 3>& indices)
{
    TDioptre& d = Dispositif;
    const auto i = static_cast<std::size_t>(ligne);
    d.RayonDioptre[i] = rayon;
    d.EpaisseurDioptre[i] = epaisseur;
    d.DiametreDioptre[i] = diametre;
    d.IndiceRouge[i + 1] = indices[0];
    d.IndiceVert[i + 1] = indices[1];
    d.IndiceBleu[i + 1] = indices[2];
    d.MatiereDioptre[i + 1] = matiere;
}

std::array<float, 3> IndicesAirFormule()
{
    return {IndiceAir(LongueursOnde.LongueurOndeRouge), IndiceAir(LongueursOnde.LongueurOndeVerte),
            IndiceAir(LongueursOnde.LongueurOndeBleue)};
}

void TermineDispositifFormule()
{
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
    Reglages.DistanceAxeEtoile = 0;
    PortsEdition.ActiveCommande(TCommandeEdition::RemplaceDispo, true);
    PortsEdition.ActiveCommande(TCommandeEdition::PlacerAvantDispo, true);
    PortsEdition.ActiveCommande(TCommandeEdition::PlacerApresDispo, true);
}

std::int32_t PasEtoilesFormule(double demiLargeur, double focale)
{
    if (focale <= 1e-6)
        return 10;
    const double minutes = std::atan(demiLargeur / focale) / 5.0 / (std::numbers::pi / 10800.0);
    return std::max<std::int32_t>(1, static_cast<std::int32_t>(std::trunc(minutes)));
}

bool AjouteBarlow(std::int32_t index)
{
    VerifieDispositif();
    TDioptre& d = Dispositif;
    int n = 0;
    if (Validite.DispositifPresent)
    {
        n = d.NombreDioptres;
        const double derniere = d.EpaisseurDioptre[static_cast<std::size_t>(n)];
        if (n + 2 >= NombreMaxDioptres || !(derniere > EpaisseurMinimaleBarlow))
        {
            PortsEdition.AfficheAvertissement(
                "Quivane - Calcul de la Barlow",
                "La dernière épaisseur est trop petite, il n'y a pas assez de place pour cette Barlow.");
            return false;
        }
        d.EpaisseurDioptre[static_cast<std::size_t>(n)] = derniere - AvanceBarlow;
    }
    int ligne = n;
    for (const TLigneBarlow& l : LignesBarlow)
        EcritLigneFormule(++ligne, l.Rayon, l.Epaisseur, DiametreBarlow, l.Matiere, l.Verre);
    d.NombreDioptres = ligne;

    // A step of 0 would freeze the single star's arrows.
    Reglages.PasEtoileMultiple = PasEtoilesFormule(DemiChampBarlow, Instrument.FocalePrimaire);
    Reglages.PasEtoileUnique = std::max<std::int32_t>(1, Reglages.PasEtoileMultiple / 2);
    Reglages.PasBoiteDistance = static_cast<float>(Reglages.PasEtoileUnique);
    Systeme.DecalageFoyerInitial = DepartRechercheBarlow;
    d.TitreDispositif = "Doublet de Barlow";

    PortsEdition.AjouteAuJournal({CodeJournalBarlow, index, "0"});
    TermineDispositifFormule();
    return true;
}

void CreeCorrecteurWynne()
{
    InitialiseDispositif();
    LongueursOnde = {LigneRougeCorrecteur, LigneVerteCorrecteur, LigneBleueCorrecteur};
    int ligne = 0;
    for (const TLigneWynne& l : LignesWynne)
        EcritLigneFormule(++ligne, l.Rayon, l.Epaisseur, l.Diametre, l.Matiere, l.Verre);
    Dispositif.NombreDioptres = ligne;

    Reglages.PasEtoileMultiple = PasEtoilesFormule(DemiChampWynne, Instrument.FocalePrimaire);
    Reglages.PasEtoileUnique = Reglages.PasEtoileMultiple / 2;
    Reglages.PasBoiteDistance = static_cast<float>(Reglages.PasEtoileUnique);
    Dispositif.TitreDispositif = "Correcteur de champ / Formule de Wynne à 3 lentilles (caractéristiques protégées "
                                 "par les lois sur la propriété industrielle)";

    PortsEdition.AjouteAuJournal({CodeJournalWynne, 0, "0"});
    TermineDispositifFormule();
}
