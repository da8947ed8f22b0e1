// The question window scripted by a test: each question asked is recorded and takes the next prepared answer; an
// unexpected question fails the test and is answered "Annuler".
#pragma once

#include "Script.h"
#include "platform/Question.h"

#include <vector>

class TQuestionScriptee : public IQuestion
{
public:
    TReponse Pose(const TQuestion& question) override;

    void Repond(TReponse reponse) { Reponses.Ajoute(reponse); }
    void Verifie() { Reponses.Verifie(); }

    std::vector<TQuestion> Posees;

private:
    TScript<TReponse> Reponses{"Fenêtre de question"};
};
