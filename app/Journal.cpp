// The edit journal: records appended as three lines each, in UTF-8 with LF (they hold paths).
#include "app/Journal.h"

#include "app/Etat.h"
#include "optics/Modele.h"
#include "platform/Services.h"

void AjouteAuJournal()
{
    if (Journal.RejeuEnCours)
        return;
    ++Journal.NombreEnregistrementsJournal;
    if (Journal.CodeJournal == -2)
        Journal.ValeurJournal = Etat.CheminDocument;
    if (Etat.CheminJournal.empty())
        return;
    auto fichier = Services().Fichiers->OuvreEcriture(Etat.CheminJournal, TCodage::Utf8, TModeEcriture::Ajoute);
    fichier->EcritLigne(std::to_string(Journal.CodeJournal));
    fichier->EcritLigne(std::to_string(Journal.IndexJournal));
    fichier->EcritLigne(Journal.ValeurJournal);
    fichier->Termine();
}

void VideJournal()
{
    if (!Etat.CheminJournal.empty())
        Services().Fichiers->OuvreEcriture(Etat.CheminJournal, TCodage::Utf8)->Termine();
    Journal.NombreEnregistrementsJournal = 0;
    Edition.PositionJournal = 0;
}
