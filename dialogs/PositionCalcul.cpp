// The start values of the device's focus search.
#include "dialogs/PositionCalcul.h"

#include "editing/CodesJournal.h"
#include "editing/EtatEdition.h"
#include "editing/Nombres.h"
#include "editing/Ports.h"
#include "optics/Modele.h"
#include "platform/Format.h"

#include <cmath>
#include <optional>

namespace {

double& Valeur(TValeurPosition valeur)
{
    switch (valeur)
    {
    case TValeurPosition::DecalageFoyerInitial: return Systeme.DecalageFoyerInitial;
    case TValeurPosition::DistanceFoyerDioptre: return Systeme.DistanceFoyerDioptre;
    }
    return Systeme.DecalageFoyerInitial;
}

void Journalise(TValeurPosition valeur, double avant)
{
    const double apres = Valeur(valeur);
    if (apres == avant)
        return;
    PortsEdition.AjouteAuJournal(
        {CodeJournalPositionDispositif, static_cast<std::int32_t>(valeur), FormateGeneral(apres)});
    Edition.DocumentModifie = true;
    Edition.AMettreAJour = true;
}

}

TPositionDispositif LitPositionDispositif()
{
    return {Systeme.DecalageFoyerInitial, Systeme.DistanceFoyerDioptre};
}

std::string TextePosition(TValeurPosition valeur)
{
    return FormateNombre(Valeur(valeur), "#0.###");
}

bool StockePosition(TValeurPosition valeur, std::optional<double> nombre)
{
    if (!nombre || !std::isfinite(*nombre))
        return false;
    Valeur(valeur) = *nombre;
    return true;
}

bool StockePositionTapee(TValeurPosition valeur, const std::string& texte)
{
    if (ReconnaitNombre(texte, PolitiqueDialogue) == PasUnNombre)
        return false;
    return StockePosition(valeur, NombreLisible(texte, PolitiqueDialogue));
}

void TerminePosition(const TPositionDispositif& avant)
{
    Journalise(TValeurPosition::DecalageFoyerInitial, avant.DecalageFoyerInitial);
    Journalise(TValeurPosition::DistanceFoyerDioptre, avant.DistanceFoyerDioptre);
    Edition.AMettreAJour = true;
    PortsEdition.RafraichitVue();
}

void AppliqueEnregistrementPosition(std::int32_t index, const std::string& valeur)
{
    // The journal writes the general form, whose exponent ("5E-6") a typed text may not have.
    const std::optional<double> nombre = NombreLisible(valeur, PolitiqueDialogue);
    if (index == static_cast<std::int32_t>(TValeurPosition::DecalageFoyerInitial))
        StockePosition(TValeurPosition::DecalageFoyerInitial, nombre);
    else if (index == static_cast<std::int32_t>(TValeurPosition::DistanceFoyerDioptre))
        StockePosition(TValeurPosition::DistanceFoyerDioptre, nombre);
}
