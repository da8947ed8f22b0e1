// The eyepiece designs and their placement in the lens device.
#include "dialogs/OculaireChoixCalcul.h"

#include "dialogs/Formules.h"
#include "editing/CodesJournal.h"
#include "editing/EtatEdition.h"
#include "editing/Nombres.h"
#include "editing/Ports.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"
#include "platform/Format.h"

#include <array>
#include <cmath>

namespace {

constexpr double S = RayonDiaphragme;
constexpr double P = RayonPlan;
constexpr double I = EpaisseurInfinie;
constexpr const char* DC = "Air - Diaphragme de champ";

// clang-format off
constexpr TSurfaceOculaire Kepler[] = {
    {S, 0.93, 0.65, DC, ""}, {1, 0.2, 0.85, "BK7", "BK7"}, {-1, I, 0.85, "Air", ""}};
constexpr TSurfaceOculaire Huygens[] = {
    {0.865, 0.155, 0.96, "BK7", "BK7"}, {P, 0.188, 0.96, "Air", ""}, {S, 0.824, 0.6, DC, ""},
    {0.432, 0.052, 0.37, "BK7", "BK7"}, {P, I, 0.37, "Air", ""}};
constexpr TSurfaceOculaire Dollond[] = {
    {1.104, 0.1, 0.85, "BK7", "BK7"}, {P, 0.55, 0.85, "Air", ""}, {S, 0.717, 0.4, DC, ""},
    {0.368, 0.067, 0.39, "BK7", "BK7"}, {P, I, 0.39, "Air", ""}};
constexpr TSurfaceOculaire Ramsden[] = {
    {S, 0.3625, 0.68, DC, ""}, {P, 0.143, 0.83, "BK7", "BK7"}, {-0.763, 0.772, 0.83, "Air", ""},
    {0.763, 0.143, 0.83, "BK7", "BK7"}, {P, I, 0.83, "Air", ""}};
constexpr TSurfaceOculaire Kellner[] = {
    {S, 0.253, 0.73, DC, ""}, {P, 0.16, 0.95, "BK7", "BK7"}, {-0.854, 0.79, 0.95, "Air", ""},
    {0.971, 0.1, 0.55, "BK7", "BK7"}, {-0.971, 0.05, 0.55, "F2", "F2"}, {-1.709, I, 0.55, "Air", ""}};
constexpr TSurfaceOculaire Orthoscopique[] = {
    {S, 0.486, 0.78, DC, ""}, {1.29, 0.396, 1, "K7", "K7"}, {-0.634, 0.041, 1, "F4", "F4"},
    {0.634, 0.396, 1, "K7", "K7"}, {-1.29, 0.011, 1, "Air", ""}, {0.906, 0.232, 1, "TIF4", "TIF4"},
    {P, I, 1, "Air", ""}};
constexpr TSurfaceOculaire Plossl[] = {
    {S, 0.608, 1, DC, ""}, {2.756, 0.096, 1.25, "SF4", "SF4"}, {1.171, 0.412, 1.25, "BK7", "BK7"},
    {-1.088, 0.088, 1.25, "Air", ""}, {1.088, 0.412, 1.25, "BK7", "BK7"}, {-1.171, 0.096, 1.25, "SF4", "SF4"},
    {-2.756, I, 1.25, "Air", ""}};
constexpr TSurfaceOculaire Nagler1[] = {
    {-18.959, 0.38, 1.4, "SF1", "SF1"}, {-1.992, 0.15, 1.4, "SK16", "SK16"}, {1.494, 2.9, 1.4, "Air", ""},
    {S, 1.15, 2.95, DC, ""}, {-84.093, 0.84, 3.8, "SK16", "SK16"}, {-2.97, 0.05, 3.8, "Air", ""},
    {-18.194, 0.15, 3.68, "SF1", "SF1"}, {2.573, 1.2, 3.68, "SK16", "SK16"}, {-5.308, 0.05, 3.68, "Air", ""},
    {2.127, 0.15, 3.04, "SF1", "SF1"}, {1.538, 0.84, 2.72, "SK16", "SK16"}, {15.286, I, 2.64, "Air", ""}};
constexpr TSurfaceOculaire Nagler2[] = {
    {3.678, 0.688, 2, "SF4", "SF4"}, {-1.922, 0.188, 2, "LaF N21", "LaF N21"}, {1.307, 1.14, 2, "Air", ""},
    {S, 1.143, 1.91, DC, ""}, {-13.349, 0.682, 3.16, "SK16", "SK16"}, {-2.001, 0.044, 3.16, "Air", ""},
    {-724.524, 0.138, 3.16, "SF1", "SF1"}, {2.46, 1, 3.16, "SK16", "SK16"}, {-5.012, 0.044, 3.16, "Air", ""},
    {2.194, 0.363, 2.47, "SK16", "SK16"}, {41.661, 0.044, 2.47, "Air", ""}, {1.152, 0.638, 2, "SK16", "SK16"},
    {-28.36, 0.094, 2, "SF5", "SF5"}, {0.887, I, 1.2, "Air", ""}};
// Three glasses are shown in capitals but take the indices of the built-in glasses of mixed case.
constexpr TSurfaceOculaire Ethos[] = {
    {3.894, 0.3, 2.4, "BAF4", "BAF4"}, {1.669, 0.414, 2.2, "Air", ""}, {P, 0.6, 2.4, "SF6", "SF6"},
    {-2.295, 0.2, 2.4, "SK5", "SK5"}, {6.376, 1.866, 2.4, "Air", ""}, {-1.883, 1.3, 2.8, "SK16", "SK16"},
    {-2.244, 1.95, 3.8, "Air", ""}, {S, 1.345, 3.96, DC, ""}, {13.083, 1.6, 4.6, "BALF5", "BALF5"},
    {-2.659, 0.4, 4.6, "LAF7", "LaF7"}, {-4.844, 0.025, 5, "Air", ""}, {4.854, 1, 4.8, "LAK7", "LaK7"},
    {-13.083, 0.025, 4.8, "Air", ""}, {1.97, 1, 3.2, "LAK14", "LaK14"}, {24.181, 0.2, 2.8, "SF6", "SF6"},
    {2.372, I, 2.2, "Air", ""}};
constexpr TSurfaceOculaire Dilworth[] = {
    {-5.845, 0.223, 2.12, "LLF6", "LLF6"}, {2.566, 0.28, 2.12, "Air", ""}, {-11.177, 0.305, 2.12, "SF57", "SF57"},
    {-2.12, 0.906, 2.12, "Air", ""}, {-1.338, 0.953, 2.12, "SF2", "SF2"}, {7.034, 0.692, 2.92, "Air", ""},
    {-2.259, 0.751, 2.92, "SK16", "SK16"}, {-1.597, 0.027, 3.1, "Air", ""}, {35.437, 0.893, 4.1, "SK16", "SK16"},
    {-5.25, 1.465, 4.1, "Air", ""}, {4.44, 0.933, 4.1, "SK16", "SK16"}, {-6.037, 0.027, 4.1, "Air", ""},
    {1.848, 0.861, 2.7, "SK16", "SK16"}, {-4.037, 0.115, 2.7, "SF57", "SF57"}, {5.25, I, 2.3, "Air", ""}};

constexpr std::array<TModeleOculaire, 11> Modeles = {{
    {"kepler", Kepler, 0, false, 15, 4, "Oculaire de Kepler"},
    {"huygens", Huygens, 0.352, false, 20, 4, "Oculaire de Huygens"},
    {"dollond", Dollond, 0.906, false, 20, 4, "Oculaire de Dollond"},
    {"ramsden", Ramsden, 0, false, 20, 4, "Oculaire de Ramsden"},
    {"kellner", Kellner, 0, false, 25, 4, "Oculaire de Kellner"},
    {"orthoscopique", Orthoscopique, 0, false, 25, 4, "Oculaire Orthoscopique"},
    {"plössl", Plossl, 0, false, 30, 4, "Oculaire  de Plössl"},
    {"nagler 1", Nagler1, 1.645, true, 35, 4,
     "Oculaire de Nagler 1 (caractéristiques protégées par les lois sur la propriété industrielle)"},
    {"nagler 2", Nagler2, 1.65, true, 40, 5,
     "Oculaire de Nagler 2 (caractéristiques protégées par les lois sur la propriété industrielle)"},
    {"ethos", Ethos, 2.767, true, 45, 5,
     "Oculaire Ethos (caractéristiques protégées par les lois sur la propriété industrielle)"},
    {"dilworth", Dilworth, 2.006, true, 45, 5,
     "Oculaire de Dilworth (caractéristiques protégées par les lois sur la propriété industrielle)"},
}};
// clang-format on

enum class TLectureFocale
{
    PasUneFocale,
    TropCourte,
    Lue
};

// A focal length typed or recorded: a positive number, to the nearest tenth of a millimetre.
TLectureFocale LitFocale(const std::string& texte, float& focale)
{
    if (ReconnaitNombre(texte, PolitiqueDialogue) == PasUnNombre)
        return TLectureFocale::PasUneFocale;
    const double valeur = LitNombre(texte, PolitiqueDialogue);
    if (!std::isfinite(valeur) || valeur < 0)
        return TLectureFocale::PasUneFocale;
    const double arrondie = std::nearbyint(valeur * 10.0) / 10.0;
    if (arrondie < 0.1)
        return TLectureFocale::TropCourte;
    focale = static_cast<float>(arrondie);
    return TLectureFocale::Lue;
}

// A coefficient times the focal length; the special values of a stop, a plane or the afocal end stay as they are.
double Echelle(double coefficient, double focale)
{
    return EstPlan(coefficient) || EstEpaisseurInfinie(coefficient) ? coefficient : coefficient * focale;
}

// Where the afocal search starts for an eyepiece placed behind `n` device rows: the first surface put, paraxially at
// the green line, where the device images the instrument's focus on the device's former image, `image` mm behind
// row n. The start depends on the rows alone, so that undo, redo and recovery, which solve nothing between records,
// find the same eyepiece position as the command; nothing when the device does not form such an image.
std::optional<double> DepartDerriereDispositif(int n, double image)
{
    const TDioptre& d = Dispositif;
    // The (y, n u) matrix of rows 1 to n and the air to the image.
    double a = 1, b = 0, c = 0, e = 1;
    double milieu = IndiceAir(LongueursOnde.LongueurOndeVerte);
    const double objet = milieu;
    for (int i = 1; i <= n; ++i)
    {
        const auto k = static_cast<std::size_t>(i);
        const double suivant = d.IndiceVert[k + 1];
        if (!EstPlan(d.RayonDioptre[k]))
        {
            const double puissance = (suivant - milieu) / d.RayonDioptre[k];
            c -= puissance * a;
            e -= puissance * b;
        }
        const double t = (i < n ? d.EpaisseurDioptre[k] : image) / suivant;
        a += t * c;
        b += t * e;
        milieu = suivant;
    }
    // A ray towards the focus, z behind the first surface, crosses the axis again on the image: -a z u + b n u = 0.
    const double foyer = b * objet / a;
    if (!std::isfinite(foyer))
        return std::nullopt;
    return -foyer;
}

void Refuse(const char* titre, const std::string& texte)
{
    PortsEdition.AfficheAvertissement(titre, texte);
}

} // namespace

std::span<const TModeleOculaire> ModelesOculaires()
{
    return Modeles;
}

const TModeleOculaire* ModeleOculaire(std::string_view nom)
{
    for (const TModeleOculaire& modele : Modeles)
        if (nom == modele.Nom)
            return &modele;
    return nullptr;
}

std::optional<float> FocaleOculaireSaisie(const std::string& texte)
{
    float focale = 0;
    switch (LitFocale(texte, focale))
    {
    case TLectureFocale::PasUneFocale: return std::nullopt;
    case TLectureFocale::TropCourte:
        Refuse("Quivane - Focale oculaire", "Cette distance focale est trop courte.");
        return std::nullopt;
    case TLectureFocale::Lue: return focale;
    }
    return std::nullopt;
}

bool InsereOculaire(const std::string& nom, float focale, TPlacementOculaire placement)
{
    VerifieDispositif();
    const TModeleOculaire* modele = ModeleOculaire(nom);
    if (modele == nullptr)
        return false;
    TDioptre& d = Dispositif;
    const bool derriere = placement == TPlacementOculaire::DerriereDispositif;
    const bool avance = modele->K > 0;
    const auto derniere = static_cast<std::size_t>(d.NombreDioptres);
    // The product of the single-precision focal length and the coefficient, in double precision.
    const double f = focale;
    const double distance = modele->K * f;
    if (derriere)
    {
        if (d.NombreDioptres + static_cast<int>(modele->Surfaces.size()) > NombreMaxDioptres)
        {
            Refuse("Quivane - Nombre de lignes excessif", "Nombre de lignes > " + std::to_string(NombreMaxDioptres));
            return false;
        }
        if (avance && d.IndiceVert[derniere + 1] > Reglages.IndiceLimite)
        {
            Refuse("Quivane - Incompatible", "Incompatible : il faut un espace libre après le dernier dioptre.");
            return false;
        }
        if (avance && Validite.DispositifPresent && distance > d.EpaisseurDioptre[derniere])
        {
            Refuse("Quivane - Incompatible", "Incompatible : L'espace libre après le dernier dioptre est insuffisant.");
            return false;
        }
    }

    // Behind an empty device the eyepiece starts at row 1, as in place of it.
    const bool suit = derriere && Validite.DispositifPresent;
    int ligne = suit ? d.NombreDioptres : 0;
    if (!derriere || (avance && !suit))
        InitialiseDispositif();
    if (suit)
    {
        if (const std::optional<double> depart = DepartDerriereDispositif(ligne, d.EpaisseurDioptre[derniere]))
            Systeme.DistanceFoyerDioptre = *depart;
        if (avance)
            d.EpaisseurDioptre[derniere] -= distance;
    }
    else if (modele->DepartRechercheAvance)
        Systeme.DistanceFoyerDioptre = -distance;
    for (const TSurfaceOculaire& s : modele->Surfaces)
        EcritLigneFormule(++ligne, Echelle(s.Rayon, f), Echelle(s.Epaisseur, f), s.Diametre * f, s.Matiere, s.Verre);

    Reglages.RayonChampAfocal = modele->RayonChampAfocal;
    Reglages.PasEtoileMultipleAfocal = modele->PasEtoileMultipleAfocal;
    d.TitreDispositif = suit ? d.TitreDispositif + " + " + modele->Titre : std::string(modele->Titre);
    d.NombreDioptres = ligne;
    Reglages.DistanceAxeEtoile = 0;
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
    PortsEdition.ActiveCommande(TCommandeEdition::RemplaceDispo, true);
    PortsEdition.ActiveCommande(TCommandeEdition::PlacerAvantDispo, true);
    PortsEdition.ActiveCommande(TCommandeEdition::PlacerApresDispo, false);
    PortsEdition.AjouteAuJournal({CodeJournalOculaire, derriere ? 1 : 0, TexteEnregistrementOculaire(focale, nom)});
    return true;
}

std::string TexteEnregistrementOculaire(float focale, const std::string& nom)
{
    return FormateNombre(focale, "000.00") + " " + nom;
}

void RejoueOculaire(std::int32_t index, const std::string& valeur)
{
    if (index != 0 && index != 1)
        return;
    // The focal length is the text up to the first blank, whatever its width.
    const std::size_t blanc = valeur.find(' ');
    if (blanc == std::string::npos)
        return;
    float focale = 0;
    if (LitFocale(valeur.substr(0, blanc), focale) != TLectureFocale::Lue)
        return;
    InsereOculaire(valeur.substr(blanc + 1), focale,
                   index == 1 ? TPlacementOculaire::DerriereDispositif : TPlacementOculaire::RemplaceDispositif);
}

TEtatDispositifOculaire EtatDispositifOculaire()
{
    VerifieDispositif();
    const TDioptre& d = Dispositif;
    if (Validite.DispositifValide &&
        !EstEpaisseurInfinie(d.EpaisseurDioptre[static_cast<std::size_t>(d.NombreDioptres)]))
        return TEtatDispositifOculaire::ValideFocal;
    return Validite.DispositifPresent ? TEtatDispositifOculaire::Present : TEtatDispositifOculaire::Aucun;
}
