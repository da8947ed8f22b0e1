#include "editing/Bornes.h"

#include "editing/CodesJournal.h"
#include "optics/Sentinelles.h"

#include <cmath>

namespace {

// The largest sentinel the design holds is the stop's radius, 1e30.
bool EstSentinelle(double valeur)
{
    const double a = std::abs(valeur);
    return a >= SeuilRayonPlan && a <= 2 * RayonDiaphragme;
}

} // namespace

bool DansLaBorne(TBorne borne, double valeur)
{
    if (!std::isfinite(valeur))
        return false;
    switch (borne)
    {
    case TBorne::Diametre: return valeur >= 0 && valeur < 50000;
    case TBorne::Focale: return valeur >= 0 && valeur < 100000;
    case TBorne::Longueur:
    case TBorne::Coefficient: return std::abs(valeur) < 1e6 || EstSentinelle(valeur);
    case TBorne::Indice: return valeur >= 0 && valeur < 5;
    }
    return false;
}

std::optional<TBorne> BorneDuCode(std::int32_t code)
{
    switch (code)
    {
    case CodeJournalDiametreEntree: return TBorne::Diametre;
    case SaisieFocalePrimaireNewton:
    case CodeJournalFocalePrimaire:
    case CodeJournalFocaleResultante:
    case SaisieFocaleSchmidt: return TBorne::Focale;
    case SaisieDeformationPrimaireNewton:
    case SaisieDeformationPrimaireRitchey:
    case SaisieDeformationSecondaireRitchey:
    case SaisieDeformationSecondaire2:
    case SaisieDeformationLame:
    case SaisieCoefficientK: return TBorne::Coefficient;
    case SaisieDiametreSecondaireNewton:
    case SaisieDiametreSecondaireHoughton:
    case CodeJournalDiametreSecondaire:
    case SaisieDistanceSecondaireFoyerNewton:
    case SaisieDistanceSecondaireFoyerHoughton:
    case CodeJournalDegagementFoyer:
    case CodeJournalDiametreTrouCentral:
    case CodeJournalEpaisseurPrimaire:
    case CodeJournalEpaisseurSecondaire:
    case SaisieDiametreMiroir:
    case SaisieDiametreMiroirHoughton:
    case SaisieRayonCourburePrimaireSchmidt:
    case SaisieRayonCourburePrimaireMaksutov:
    case SaisieEpaisseurLame:
    case SaisieDistanceDiaphragmeMiroirMaksutov:
    case SaisieDistanceDiaphragmeMiroirKlevtsov:
    case SaisieDiametreMenisque:
    case SaisieRayonMenisque1:
    case SaisieRayonMenisque2:
    case SaisieDistanceLameMiroir:
    case SaisieRayonDioptre:
    case SaisieEpaisseurDioptre:
    case SaisieDiametreDioptre:
    case SaisieRayonGroupe:
    case SaisieEpaisseurGroupe:
    case SaisieDiametreGroupe:
    case SaisieRayonLigneMiroir: return TBorne::Longueur;
    case SaisieIndiceRouge:
    case SaisieIndiceVert:
    case SaisieIndiceBleu:
    case SaisieIndiceRougeGroupe:
    case SaisieIndiceVertGroupe:
    case SaisieIndiceBleuGroupe:
    case SaisieIndiceRougeLame:
    case SaisieIndiceVertLame:
    case SaisieIndiceBleuLame: return TBorne::Indice;
    default: return std::nullopt;
    }
}
