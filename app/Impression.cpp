// Printing: the two print commands and the print job.
#include "app/Impression.h"

#include "app/Etat.h"
#include "app/Rafraichissement.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "platform/CanevasImprimante.h"
#include "platform/Services.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"

#include <QPrinter>

#include <algorithm>
#include <chrono>
#include <ctime>

namespace {

// The date the report carries: the day the program started, as dd/mm/yyyy.
std::string DateDuJour()
{
    static const std::string date = [] {
        const std::time_t maintenant = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
        std::tm jour{};
        localtime_r(&maintenant, &jour);
        char texte[16];
        std::strftime(texte, sizeof texte, "%d/%m/%Y", &jour);
        return std::string(texte);
    }();
    return date;
}

// The printed twins of the views; each prints nothing until its view exists.
void ImprimeVue(const TVue& vue)
{
    static_cast<void>(vue);
}

} // namespace

void ImprimerExecute()
{
    Etat.AImprimerVue = true;
    RafraichitVue();
}

void ImprimerToutExecute()
{
    Etat.AImprimerTout = true;
    RafraichitVue();
}

void ImprimeTravail(IImprimante& imprimante, bool tout)
{
    const int tableEditee = Edition.TableEditee;
    ImpressionEtat.ResolutionImprimante = imprimante.Resolution();
    ImpressionEtat.EpaisseurTraitImpression = std::max(1, ImpressionEtat.ResolutionImprimante / 72);
    ICanevas& canevas = imprimante.Canevas();
    canevas.Stylo() = {clBlack, ImpressionEtat.EpaisseurTraitImpression, TStyleStylo::Plein};
    DocumentFiche.NomEnregistrement = Etat.NomEnregistrement;
    DocumentFiche.CheminDocument = Etat.CheminDocument;
    if (DocumentFiche.DateDuJour.empty())
        DocumentFiche.DateDuJour = DateDuJour();
    MiseEnPage.OrdonneeCourante = 0;
    ImprimeTableau(imprimante);
    VerifieInstrument();
    VerifieDispositif();
    if (!tout) {
        ImprimeVue(Etat.VueCourante);
    } else {
        for (const char* vue : {"Instrument", "Dispositif", "Champ", "Etoile Multiple", "Etoile Unique"})
            ImprimeVue(vue);
    }
    Edition.TableEditee = tableEditee;
}

void ImprimeSiDemande()
{
    const bool vue = Etat.AImprimerVue;
    const bool tout = !vue && Etat.AImprimerTout;
    Etat.AImprimerVue = false;
    Etat.AImprimerTout = false;
    if (!vue && !tout)
        return;
    std::unique_ptr<QPrinter> imprimante = Services().Impression->ChoisitImprimante("Quivane - Impression");
    if (!imprimante)
        return;
    TCanevasImprimante travail(*imprimante);
    travail.FixeTitre("Quivane - Impression");
    if (!travail.Debute())
        return;
    ImprimeTravail(travail, tout);
    travail.Termine();
}
