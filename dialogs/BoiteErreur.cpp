// The standard error box of the dialogs.
#include "dialogs/BoiteErreur.h"

#include "platform/Services.h"

void AfficheErreur(const std::string& texte)
{
    TQuestion question;
    question.Titre = "Erreur";
    question.Ligne1 = texte;
    question.Icone = TIconeQuestion::Stop;
    question.Boutons = TBoutonsQuestion::Ok;
    question.LibelleOk = "OK";
    Services().Question->Pose(question);
}
