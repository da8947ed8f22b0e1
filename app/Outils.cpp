// The commands of the menu "Ou&tils".
#include "app/Outils.h"

#include "app/Journal.h"
#include "app/Messages.h"
#include "app/Rafraichissement.h"
#include "dialogs/HomothetieCalcul.h"
#include "dialogs/OptimisationCalcul.h"
#include "dialogs/RapportsDispositif.h"
#include "editing/CodesJournal.h"
#include "editing/EtatEdition.h"
#include "editing/Nombres.h"
#include "editing/Valide.h"
#include "optics/Modele.h"
#include "optics/OptimisationDiametres.h"
#include "optics/PrepareForme.h"
#include "optics/Sentinelles.h"
#include "optics/Validite.h"
#include "platform/Format.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr std::int32_t IndexHomothetieInstrument = 1;
constexpr std::int32_t IndexHomothetieDispositif = 10;

const char* const TitreOptimisation = "Quivane - Optimisation des diamètres";

// Every tool begins with the open entry committed and the editing frames closed.
void FermeEditeurs()
{
    if (EtatSaisie.Saisie.Visible)
        ValideSaisie();
    FermeCadresEtRafraichit();
}

// The end of a change: the entry box back on the entrance diameter.
void Termine()
{
    RafraichitVue();
    Relais.OuvreSaisieDiametreEntree();
}

void MontreRefus(TRefusOptimisation refus)
{
    if (Journal.RejeuEnCours)
        return;
    switch (refus)
    {
    case TRefusOptimisation::Aucun: return;
    case TRefusOptimisation::Impossible: AfficheMessage("Optimisation impossible"); return;
    case TRefusOptimisation::ReflexionTotale:
        AfficheAvertissementLarge(
            TitreOptimisation, "Le rayon central ne peut pas traverser le dispositif à cause d'une réflexion totale, "
                               "l'optimisation est donc impossible! Indiquez une distance à l'axe plus faible.");
        return;
    case TRefusOptimisation::BordSecondaire:
        AfficheAvertissementLarge(TitreOptimisation,
                                  "Le bord du faisceau est occulté par le bord du miroir secondaire, l'optimisation "
                                  "est donc impossible! Indiquez une distance à l'axe plus faible ou éliminez le "
                                  "miroir secondaire.");
        return;
    case TRefusOptimisation::EpaisseurInsuffisante:
        AfficheAvertissement(TitreOptimisation, "L'optimisation est impossible car au moins une des épaisseurs est "
                                                "insufisante. Indiquez une distance à l'axe plus faible.");
        return;
    }
}

// What the refresh derives before it traces: the checks, the pupil, the obstruction and the form's formulas. A replay
// reaches the optimisation with no refresh since the records before it, and must trace the design the command traced.
void DeriveInstrument()
{
    VerifieValidite();
    TInstrument& I = Instrument;
    I.CarreRayonPupille = I.DiametreEntree * I.DiametreEntree / 4;
    const double secondaire = I.DiametreSecondaire;
    I.RayonObstructionCarre = secondaire * secondaire / 4;
    PrepareForme();
    VerifieValidite();
}

} // namespace

bool ExecuteHomothetie(float coefficient, TPartiesHomothetie parties)
{
    if (!(parties.Instrument || parties.Dispositif) || coefficient == 1 ||
        !(coefficient >= CoefficientHomothetieMinimal && coefficient <= CoefficientHomothetieMaximal))
        return false;
    AppliqueHomothetie(coefficient, parties);
    VerifieInstrument();
    VerifieDispositif();
    Edition.DocumentModifie = true;
    Edition.AMettreAJour = true;
    const std::int32_t index =
        (parties.Instrument ? IndexHomothetieInstrument : 0) + (parties.Dispositif ? IndexHomothetieDispositif : 0);
    AjouteEnregistrement({CodeJournalHomothetieAppliquee, index, FormateGeneral(coefficient)});
    return true;
}

void RejoueHomothetie(std::int32_t index, const std::string& valeur)
{
    const bool dispositif = index == IndexHomothetieDispositif || index == IndexHomothetieDispositif + 1;
    const bool instrument = index == IndexHomothetieInstrument || index == IndexHomothetieDispositif + 1;
    const std::optional<double> lu = NombreLisible(valeur, PolitiqueDialogue);
    if (lu)
        ExecuteHomothetie(static_cast<float>(*lu), {instrument, dispositif});
}

void HomothetieExecute()
{
    FermeEditeurs();
    const std::optional<TChoixHomothetie> choix =
        PortsHomothetie.Montre({!Validite.InstrumentVierge, Validite.DispositifPresent});
    if (choix && choix->Coefficient)
        ExecuteHomothetie(*choix->Coefficient, choix->Parties);
    Termine();
}

bool AppliqueOptimisationDiametres(double distance)
{
    DeriveInstrument();
    const TOptimisationDiametres optimisation = OptimiseDiametres(distance);
    if (optimisation.Refus != TRefusOptimisation::Aucun)
    {
        MontreRefus(optimisation.Refus);
        return false;
    }
    const int n = std::clamp(Dispositif.NombreDioptres, 0, NombreMaxDioptres);
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i)
        Dispositif.DiametreDioptre[i] = optimisation.Diametres[i];
    Reglages.DistanceAxeImage = distance;
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
    AjouteEnregistrement({CodeJournalDiametresOptimises, 0, FormateGeneral(distance)});
    return true;
}

std::optional<double> DiametreOptimise(int ligne)
{
    VerifieDispositif();
    if (!(Validite.DispositifPresent && Validite.DispositifValide) || ligne < 1 ||
        ligne > std::clamp(Dispositif.NombreDioptres, 0, NombreMaxDioptres))
        return std::nullopt;
    DeriveInstrument();
    const TOptimisationDiametres optimisation = OptimiseDiametres(Reglages.DistanceAxeImage);
    if (optimisation.Refus != TRefusOptimisation::Aucun)
    {
        MontreRefus(optimisation.Refus);
        return std::nullopt;
    }
    return optimisation.Diametres[static_cast<std::size_t>(ligne)];
}

void RejoueOptimisationDiametres(const std::string& valeur)
{
    const std::optional<double> distance = NombreLisible(valeur, PolitiqueDialogue);
    if (!distance || *distance < 0 || !std::isfinite(*distance))
        return;
    VerifieDispositif();
    if (Validite.DispositifPresent && Validite.DispositifValide)
        AppliqueOptimisationDiametres(*distance);
}

void OptimisationdesdiametresExecute()
{
    FermeEditeurs();
    VerifieDispositif();
    const bool afocal = EstEpaisseurInfinie(
        Dispositif
            .EpaisseurDioptre[static_cast<std::size_t>(std::clamp(Dispositif.NombreDioptres, 0, NombreMaxDioptres))]);
    if (const std::optional<double> distance = PortsOptimisation.Montre(afocal))
        AppliqueOptimisationDiametres(*distance);
    Termine();
}

void PuissanceGlobaleExecute()
{
    AfficheMessage(TextePuissanceGlobale(PuissanceGlobaleDispositif()));
}

void EncombrementExecute()
{
    AfficheMessage(TexteEncombrement(EncombrementDispositif()));
}
