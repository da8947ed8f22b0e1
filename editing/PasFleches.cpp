// The spin arrows' steps and pressed images.
#include "editing/PasFleches.h"

#include "editing/EtatEdition.h"
#include "editing/Regles.h"
#include "editing/Valide.h"
#include "optics/Sentinelles.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"

#include <cmath>

namespace {

constexpr double InversePasLongueur = 100;
constexpr double InversePasIndice = 1e6;

} // namespace

std::optional<double> PasRayon(double rayon, double diametre, double pas, bool monte)
{
    const double candidat = ArrondiAuPas(monte ? rayon + pas : rayon - pas, InversePasLongueur);
    if (std::abs(candidat) < diametre / 2 || std::abs(candidat) <= SeuilRayonNul)
        return std::nullopt;
    return candidat;
}

std::optional<double> PasEpaisseur(double epaisseur, double pas, bool monte)
{
    if (monte)
        return ArrondiAuPas(epaisseur <= 0 ? pas : epaisseur + pas, InversePasLongueur);
    const double candidat = ArrondiAuPas(epaisseur - pas, InversePasLongueur);
    if (candidat < -pas)
        return std::nullopt;
    // Between -s and 0 the thickness is unset, as the table shows it; exactly 0 is a thickness.
    return candidat < 0 ? EpaisseurNonSaisie : std::abs(candidat);
}

std::optional<double> PasDiametre(double diametre, double rayon, double pas, bool monte)
{
    const double candidat = ArrondiAuPas(monte ? diametre + pas : diametre - pas, InversePasLongueur);
    if (monte ? std::abs(2 * rayon) < candidat : candidat < 0)
        return std::nullopt;
    if (candidat <= SeuilDiametreNul)
        return std::nullopt;
    return candidat;
}

std::optional<double> PasIndice(double indice, double pas, bool monte)
{
    const double candidat = ArrondiAuPas(monte ? indice + pas : indice - pas, InversePasIndice);
    if (!(candidat > 1 && candidat < 5))
        return std::nullopt;
    return candidat;
}

void MontreFleche(int gauche, int haut, bool monte)
{
    TControle& fleche = monte ? Controles.Spinup : Controles.SpinDown;
    fleche.Left = gauche;
    fleche.Top = monte ? haut : haut + 9;
    fleche.Visible = true;
}

void CacheFleches()
{
    Controles.Spinup.Visible = false;
    Controles.SpinDown.Visible = false;
}

void AfficheCandidat(double valeur, TGenrePas genre)
{
    switch (genre)
    {
    case TGenrePas::Longueur: EtatSaisie.Saisie.Texte = FormateNombre(valeur, "#0.00"); break;
    case TGenrePas::Epaisseur:
        EtatSaisie.Saisie.Texte = EstEpaisseurVide(valeur) ? std::string() : FormateNombre(valeur, "#0.00");
        break;
    case TGenrePas::Indice: EtatSaisie.Saisie.Texte = FormateNombre(valeur, "#0.000000"); break;
    }
}

void ValideSiOuverte()
{
    if (EtatSaisie.Saisie.Visible)
        ValideSaisie();
}
