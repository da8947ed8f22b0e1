// The scripted question window.
#include "QuestionScriptee.h"

TReponse TQuestionScriptee::Pose(const TQuestion& question)
{
    Posees.push_back(question);
    return Reponses.Suivante("\"" + question.Titre + "\" / \"" + question.Ligne1 + "\"").value_or(ReponseAnnuler);
}
