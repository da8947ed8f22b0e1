// The erase commands and the erase routines the journal's replay shares with them.
#include "app/Effacement.h"

#include "app/CommandesFichier.h"
#include "app/Etat.h"
#include "app/FichierFenetre.h"
#include "app/Journal.h"
#include "app/Rafraichissement.h"
#include "app/Vues.h"
#include "editing/EtatEdition.h"
#include "editing/OuvreSaisie.h"
#include "optics/Initialisation.h"
#include "optics/Modele.h"
#include "sheet/Fiche.h"

#include <cstddef>

namespace {

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
    Edition.PositionJournal = 0;
    InitialiseInstrument();
    Edition.PositionJournal = position;
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
