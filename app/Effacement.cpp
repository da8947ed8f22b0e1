// The erase commands and the erase routines the journal's replay shares with them.
#include "app/Effacement.h"

#include "app/CommandesFichier.h"
#include "app/Etat.h"
#include "app/FichierFenetre.h"
#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "app/Vues.h"
#include "editing/EtatEdition.h"
#include "editing/ListeTypes.h"
#include "editing/OuvreSaisie.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "sheet/Fiche.h"

#include <algorithm>
#include <cstddef>

namespace {

// A device without a glass has no index to read from the catalogue.
bool DispositifAVerres()
{
    const TDioptre& d = Dispositif;
    for (int i = 1; i <= std::min(d.NombreDioptres, NombreMaxDioptres); ++i)
        if (!d.MatiereDioptre[static_cast<std::size_t>(i + 1)].empty())
            return true;
    return false;
}

void Journalise(std::int32_t code)
{
    if (Journal.RejeuEnCours)
        return;
    Journal.CodeJournal = code;
    Journal.IndexJournal = 0;
    Journal.ValeurJournal = "0";
    AjouteAuJournal();
}

}

void EffaceInstrument()
{
    // The reset keeps the form while a replay runs; the erase made the design formless, and so must its replay.
    const std::int32_t position = Edition.PositionJournal;
    const TLongueursOnde lignes = LongueursOnde;
    Edition.PositionJournal = 0;
    InitialiseInstrument();
    Edition.PositionJournal = position;
    // The reset brings the spectral lines back to their defaults, which the lens device stays under: a channel whose
    // line changed takes its indices at the new line, or the device would keep those of a line no longer shown. The
    // replay reads them as the command did, without reporting the catalogue's reading error again.
    const bool memes[] = {lignes.LongueurOndeRouge == LongueursOnde.LongueurOndeRouge,
                          lignes.LongueurOndeVerte == LongueursOnde.LongueurOndeVerte,
                          lignes.LongueurOndeBleue == LongueursOnde.LongueurOndeBleue};
    bool signale = !Journal.RejeuEnCours;
    for (int canal = 1; canal <= 3; ++canal)
        if (!memes[canal - 1] && DispositifAVerres())
        {
            RelitIndicesLigne(canal, TTableEditee::Dispositif, signale);
            signale = false;
        }
}

void EffaceIndices()
{
    // Element 1 is the object space in front of the first surface: it keeps its air.
    bool efface = false;
    TDioptre& d = Dispositif;
    for (std::size_t element = 2; element < d.IndiceRouge.size(); ++element)
    {
        efface = efface || d.IndiceRouge[element] != 0 || d.IndiceVert[element] != 0 || d.IndiceBleu[element] != 0 ||
                 !d.MatiereDioptre[element].empty();
        d.IndiceRouge[element] = 0;
        d.IndiceVert[element] = 0;
        d.IndiceBleu[element] = 0;
        d.MatiereDioptre[element].clear();
    }
    // Indices already cleared make no change: no record, so that an undo in progress keeps what it can redo.
    if (!efface)
        return;
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
    Journalise(CodeJournalEffaceIndices);
}

void EffaceDispositif()
{
    Controles.Ligne.Visible = false;
    Controles.LigneSchmidt.Visible = false;
    EtatSaisie.Saisie.Visible = false;
    FenetreFichier.CacheSaisie();
    const std::string chemin = Etat.CheminDocument;
    const std::string nom = Etat.NomEnregistrement;
    InitialiseDispositif();
    Etat.CheminDocument = chemin;
    Etat.NomEnregistrement = nom;
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
}

void EffacerInstrumentExecute()
{
    EffaceInstrument();
    // The reset also brought the spectral lines back to their defaults: the media follow them.
    AppliqueIndices();
    Journalise(CodeJournalEffaceInstrument);
    Edition.AMettreAJour = true;
    Edition.DocumentModifie = true;
    RafraichitVue();
}

void EffacerIndicesExecute()
{
    FermeCadresEtRafraichit();
    if (!EnregistreSiDemande())
    {
        RafraichitVue();
        return;
    }
    EffaceIndices();
    OuvreSaisieTitreDispositif();
    RafraichitVue();
}

void EffacerDispoExecute()
{
    FermeCadresEtRafraichit();
    if (!EnregistreSiDemande())
    {
        RafraichitVue();
        return;
    }
    EffaceDispositif();
    Journalise(CodeJournalEffaceDispositif);
    OuvreSaisieTitreDispositif();
    // The device's own view has nothing left to show.
    if (Etat.VueCourante == TVue::Dispositif)
    {
        EnfonceSeul(TBoutonVue::Instrument);
        FenetreFichier.BoutonsVuesInstrument();
        Etat.VueCourante = TVue::Instrument;
        Edition.AMettreAJour = true;
    }
    RafraichitVue();
}
