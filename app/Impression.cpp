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

namespace {

// The printed twin of a view, under the view's condition.
void ImprimeVue(IImprimante& imprimante, TVue vue)
{
    if (VueImprimable(vue, Validite))
        ImprimeSousFiche(imprimante, vue);
}

} // namespace

bool VueImprimable(TVue vue, const TValidite& validite)
{
    if (!BoutonDeVue(vue))
        return false;
    return vue == TVue::Dispositif ? validite.DispositifValide : validite.InstrumentValide;
}

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
    const TTableEditee tableEditee = Edition.TableEditee;
    ImpressionEtat.ResolutionImprimante = imprimante.Resolution();
    ImpressionEtat.EpaisseurTraitImpression = std::max(1, ImpressionEtat.ResolutionImprimante / 72);
    ICanevas& canevas = imprimante.Canevas();
    canevas.Stylo() = {clBlack, ImpressionEtat.EpaisseurTraitImpression, TStyleStylo::Plein};
    DocumentFiche.NomEnregistrement = Etat.NomEnregistrement;
    DocumentFiche.CheminDocument = Etat.CheminDocument;
    MiseEnPage.OrdonneeCourante = 0;
    ImprimeTableau(imprimante);
    VerifieInstrument();
    VerifieDispositif();
    if (!tout)
    {
        ImprimeVue(imprimante, Etat.VueCourante);
    }
    else
    {
        for (TVue vue : {TVue::Instrument, TVue::Dispositif, TVue::Champ, TVue::EtoileMultiple, TVue::EtoileUnique})
            ImprimeVue(imprimante, vue);
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
