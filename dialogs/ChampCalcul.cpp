// The field-analysis settings without their window.
#include "dialogs/ChampCalcul.h"

#include "dialogs/ReglagesCommuns.h"
#include "editing/Ports.h"
#include "optics/Modele.h"

#include <array>
#include <optional>
#include <vector>

namespace {

struct TRegleBoite
{
    int Longueur;
    std::int32_t Minimum;
    std::int32_t Maximum;
};

const TRegleBoite& Regle(TBoiteChamp boite)
{
    static constexpr std::array<TRegleBoite, 4> Regles = {{
        {2, 0, 100},
        {3, 1, EntierReglageMaximal},
        {3, 1, EntierReglageMaximal},
        {2, 1, EntierReglageMaximal},
    }};
    return Regles[static_cast<std::size_t>(boite)];
}

std::optional<std::int32_t> Parmi(const std::string& mot, std::initializer_list<std::int32_t> permises)
{
    const std::optional<std::int32_t> valeur = EntierDansLimites(mot, 0, EntierReglageMaximal);
    for (std::int32_t permise : permises)
        if (valeur == permise)
            return valeur;
    return std::nullopt;
}

} // namespace

TReglagesChamp LitReglagesChamp()
{
    const TReglages& r = Reglages;
    return {r.AmplitudeChamp, r.AmplitudeChampAfocal, r.AnalyseChromatique,  r.AmplitudeRepere,
            r.ChampLineaire,  r.RayonChampLineaire,   r.RayonChampAngulaire, r.RayonChampAfocal};
}

void AppliqueReglagesChamp(const TReglagesChamp& c)
{
    TReglages& r = Reglages;
    r.AmplitudeChamp = c.AmplitudeChamp;
    r.AmplitudeChampAfocal = c.AmplitudeChampAfocal;
    r.AnalyseChromatique = c.AnalyseChromatique;
    r.AmplitudeRepere = c.AmplitudeRepere;
    r.ChampLineaire = c.ChampLineaire;
    r.RayonChampLineaire = c.RayonChampLineaire;
    r.RayonChampAngulaire = c.RayonChampAngulaire;
    r.RayonChampAfocal = c.RayonChampAfocal;
}

std::int32_t ValeurBoiteChamp(const TReglagesChamp& reglages, TBoiteChamp boite)
{
    switch (boite)
    {
    case TBoiteChamp::PhiRepereSaisie: return reglages.AmplitudeRepere;
    case TBoiteChamp::RayonLineaireSaisie: return reglages.RayonChampLineaire;
    case TBoiteChamp::RayonAngulaireSaisie: return reglages.RayonChampAngulaire;
    case TBoiteChamp::RayonAfocalSaisie: return reglages.RayonChampAfocal;
    }
    return 0;
}

int LongueurBoiteChamp(TBoiteChamp boite)
{
    return Regle(boite).Longueur;
}

std::int32_t EntierBoiteChamp(TBoiteChamp boite, const std::string& texte, std::int32_t stocke)
{
    const TRegleBoite& regle = Regle(boite);
    return EntierDansLimites(texte, regle.Minimum, regle.Maximum).value_or(stocke);
}

std::string TexteReglagesChamp(const TReglagesChamp& c)
{
    return EntierEmballe(c.AmplitudeChamp, 2) + EntierEmballe(c.AmplitudeChampAfocal, 2) +
           DrapeauEmballe(c.AnalyseChromatique) + EntierEmballe(c.AmplitudeRepere, 2) +
           DrapeauEmballe(c.ChampLineaire) + EntierEmballe(c.RayonChampLineaire, 3) +
           EntierEmballe(c.RayonChampAngulaire, 3) + EntierEmballe(c.RayonChampAfocal, 2);
}

bool AppliqueTexteReglagesChamp(const std::string& valeur)
{
    const std::vector<std::string> mots = Mots(valeur);
    if (mots.size() != 8)
        return false;
    const auto boite = [&mots](std::size_t rang, TBoiteChamp b) {
        return EntierDansLimites(mots[rang], Regle(b).Minimum, Regle(b).Maximum);
    };
    const std::optional<std::int32_t> amplitude = Parmi(mots[0], {12, 24, 60, 150});
    const std::optional<std::int32_t> afocale = Parmi(mots[1], {24, 72});
    const std::optional<bool> chromatique = DrapeauLu(mots[2]);
    const std::optional<std::int32_t> repere = boite(3, TBoiteChamp::PhiRepereSaisie);
    const std::optional<bool> lineaire = DrapeauLu(mots[4]);
    const std::optional<std::int32_t> rayonLineaire = boite(5, TBoiteChamp::RayonLineaireSaisie);
    const std::optional<std::int32_t> rayonAngulaire = boite(6, TBoiteChamp::RayonAngulaireSaisie);
    const std::optional<std::int32_t> rayonAfocal = boite(7, TBoiteChamp::RayonAfocalSaisie);
    if (!amplitude || !afocale || !chromatique || !repere || !lineaire || !rayonLineaire || !rayonAngulaire ||
        !rayonAfocal)
        return false;
    AppliqueReglagesChamp(
        {*amplitude, *afocale, *chromatique, *repere, *lineaire, *rayonLineaire, *rayonAngulaire, *rayonAfocal});
    return true;
}

void TermineConfigChamp(const TReglagesChamp& avant)
{
    const TReglagesChamp apres = LitReglagesChamp();
    TermineReglages(apres != avant, CodeJournalConfigChamp, 0, TexteReglagesChamp(apres), true);
}
