// The settings of the two star views without their windows.
#include "dialogs/EtoilesCalcul.h"

#include "dialogs/ReglagesCommuns.h"
#include "editing/Ports.h"
#include "optics/Modele.h"

#include <vector>

namespace {

// The views step the pupil by its radius over the density: a stored density of at least 1.
constexpr std::int32_t DensiteMinimale = 1;

} // namespace

TReglagesEtoiles LitReglagesEtoiles(TVueEtoiles vue)
{
    const TReglages& r = Reglages;
    switch (vue)
    {
    case TVueEtoiles::Multiple:
        return {r.DensiteEtoileMultiple, r.PasEtoileMultiple, r.PasEtoileMultipleAfocal, r.AnalyseChromatique};
    case TVueEtoiles::Unique:
        return {r.DensiteEtoileUnique, r.PasEtoileUnique, r.PasEtoileUniqueAfocal, r.AnalyseChromatique};
    }
    return {};
}

void AppliqueReglagesEtoiles(TVueEtoiles vue, const TReglagesEtoiles& e)
{
    TReglages& r = Reglages;
    switch (vue)
    {
    case TVueEtoiles::Multiple:
        r.DensiteEtoileMultiple = e.Densite;
        r.PasEtoileMultiple = e.Pas;
        r.PasEtoileMultipleAfocal = e.PasAfocal;
        break;
    case TVueEtoiles::Unique:
        r.DensiteEtoileUnique = e.Densite;
        r.PasEtoileUnique = e.Pas;
        r.PasEtoileUniqueAfocal = e.PasAfocal;
        break;
    }
    r.AnalyseChromatique = e.AnalyseChromatique;
}

TReglagesEtoiles ReglagesEtoilesInitiaux(TVueEtoiles vue)
{
    switch (vue)
    {
    case TVueEtoiles::Multiple: return {10, 5, 5, true};
    case TVueEtoiles::Unique: return {15, 10, 5, true};
    }
    return {};
}

int LongueurDensite(TVueEtoiles vue)
{
    switch (vue)
    {
    case TVueEtoiles::Multiple: return 2;
    case TVueEtoiles::Unique: return 3;
    }
    return 3;
}

std::optional<std::int32_t> RayonsParDiametre(const std::string& texte)
{
    return EntierDansLimites(texte, 2 * DensiteMinimale, EntierReglageMaximal);
}

std::optional<std::int32_t> PasSaisi(const std::string& texte)
{
    return EntierDansLimites(texte, 0, EntierReglageMaximal);
}

TReglagesEtoiles ReglagesEtoilesSaisis(const TReglagesEtoiles& stockes, const std::string& densite,
                                       const std::string& pas, const std::string& pasAfocal, bool chromatique)
{
    TReglagesEtoiles saisis = stockes;
    const std::optional<std::int32_t> diametre = RayonsParDiametre(densite);
    if (diametre && *diametre != 2 * stockes.Densite)
        saisis.Densite = *diametre / 2;
    saisis.Pas = PasSaisi(pas).value_or(stockes.Pas);
    saisis.PasAfocal = PasSaisi(pasAfocal).value_or(stockes.PasAfocal);
    saisis.AnalyseChromatique = chromatique;
    return saisis;
}

std::string TexteReglagesEtoiles(TVueEtoiles vue, const TReglagesEtoiles& e)
{
    return EntierEmballe(e.Densite, LongueurDensite(vue)) + EntierEmballe(e.Pas, 4) + EntierEmballe(e.PasAfocal, 4) +
           DrapeauEmballe(e.AnalyseChromatique);
}

bool AppliqueTexteReglagesEtoiles(TVueEtoiles vue, const std::string& valeur)
{
    const std::vector<std::string> mots = Mots(valeur);
    if (mots.size() != 4)
        return false;
    const std::optional<std::int32_t> densite = EntierDansLimites(mots[0], DensiteMinimale, EntierReglageMaximal);
    const std::optional<std::int32_t> pas = PasSaisi(mots[1]);
    const std::optional<std::int32_t> pasAfocal = PasSaisi(mots[2]);
    const std::optional<bool> chromatique = DrapeauLu(mots[3]);
    if (!densite || !pas || !pasAfocal || !chromatique)
        return false;
    AppliqueReglagesEtoiles(vue, {*densite, *pas, *pasAfocal, *chromatique});
    return true;
}

void TermineConfigEtoiles(TVueEtoiles vue, const TReglagesEtoiles& avant)
{
    const TReglagesEtoiles apres = LitReglagesEtoiles(vue);
    const TCodeJournal code = vue == TVueEtoiles::Multiple ? CodeJournalConfigEtoiles : CodeJournalConfigEtoileUnique;
    TermineReglages(apres != avant, code, 0, TexteReglagesEtoiles(vue, apres), true);
}
