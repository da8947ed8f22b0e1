// The steps shared by the value rules of the commit.
#include "editing/Regles.h"

#include "editing/Nombres.h"
#include "editing/Ports.h"
#include "editing/Stockage.h"
#include "optics/FormulesSchmidt.h"
#include "platform/Format.h"

#include <cmath>

namespace {

// Typed texts: a leading "+" is allowed, stray characters are dropped without a mark.
constexpr TPolitiqueNombre PolitiqueSaisie{true, TCaractereEtranger::Ignore};

} // namespace

TTypeInstrument Forme()
{
    return Instrument.TypeInstrument;
}

bool Inchange(double valeur)
{
    return valeur == EtatSaisie.ValeurAvantSaisie;
}

bool SaisieVide()
{
    return EtatSaisie.Saisie.Texte.find_first_not_of(" \t") == std::string::npos;
}

double ArrondiAuPas(double valeur, double inversePas)
{
    // In double precision a typed decimal half (0.005 at the step 0.01) is an exact half of the product too, and goes
    // to the even neighbour as the step's rule says, whatever binary noise the reading left in the value.
    return std::nearbyint(valeur * inversePas) / inversePas;
}

std::optional<double> LitSaisieCommune(double inversePas)
{
    if (SaisieVide())
        return 0.0;
    if (!SaisieEstNombre())
        return std::nullopt;
    const double valeur = LitSaisieBrute();
    if (valeur < 0)
        return std::nullopt;
    return ArrondiAuPas(valeur, inversePas);
}

double LitSaisieBrute()
{
    return LitNombre(EtatSaisie.Saisie.Texte, PolitiqueSaisie);
}

bool SaisieEstNombre()
{
    return ReconnaitNombre(EtatSaisie.Saisie.Texte, PolitiqueSaisie) != PasUnNombre;
}

std::optional<double> LitSaisieSignee(double inversePas)
{
    if (!SaisieEstNombre())
        return std::nullopt;
    return ArrondiAuPas(LitSaisieBrute(), inversePas);
}

bool PasseAffichee()
{
    if (Systeme.MessageDejaAffiche == 0)
    {
        EtatSaisie.CodeSaisieRefusee = EtatSaisie.CodeSaisie;
        Systeme.MessageDejaAffiche = 1;
        return true;
    }
    Systeme.MessageDejaAffiche = 0;
    return false;
}

void Signale(const std::string& titre, const std::string& texte)
{
    if (PasseAffichee())
        PortsEdition.AfficheAvertissement(titre, texte);
}

void AfficheValeur(double valeur, std::string_view motif)
{
    EtatSaisie.Saisie.Texte = std::abs(valeur) < 1e-6 ? std::string() : FormateNombre(valeur, motif);
}

void Refuse(const std::string& titre, const std::string& texte, std::string_view motif)
{
    Signale(titre, texte);
    AfficheValeur(EtatSaisie.ValeurAvantSaisie, motif);
}

void RefuseFocale(const std::string& titre, const std::string& texte)
{
    const bool silencieuse = Systeme.MessageDejaAffiche != 0;
    Refuse(titre, texte);
    if (silencieuse)
        AjusteSchmidt();
}

void RefuseNonFini(std::string_view motif)
{
    EtatSaisie.CodeSaisieRefusee = EtatSaisie.CodeSaisie;
    PortsEdition.Bip();
    AfficheValeur(EtatSaisie.ValeurAvantSaisie, motif);
}

bool StockeOuRefuse(std::int32_t codeJournal, double valeur, std::string_view motif)
{
    if (StockeValeurSaisie(codeJournal, valeur))
        return true;
    RefuseNonFini(motif);
    return false;
}

void Accepte()
{
    Edition.DocumentModifie = true;
    Edition.AMettreAJour = true;
}

void Conclut(std::int32_t codeJournal, double valeur, std::string_view motif)
{
    AfficheValeur(valeur, motif);
    Accepte();
    Journalise(codeJournal, 0, valeur);
}

void Journalise(std::int32_t code, std::int32_t index, double valeur)
{
    JournaliseTexte(code, index, FormateGeneral(valeur));
}

void JournaliseTexte(std::int32_t code, std::int32_t index, const std::string& valeur)
{
    PortsEdition.AjouteAuJournal(TEnregistrementJournal{code, index, valeur});
}
