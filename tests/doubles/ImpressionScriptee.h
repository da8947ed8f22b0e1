// The print dialog scripted by a test: each answer is a PDF file to print to, or a cancel.
#pragma once

#include "Script.h"
#include "platform/Impression.h"

#include <optional>
#include <vector>

class TImpressionScriptee : public IImpression
{
public:
    std::unique_ptr<QPrinter> ChoisitImprimante(const std::string& titreTravail) override;

    // nothing: the user cancels.
    void RepondPdf(std::optional<std::string> cheminPdf) { Reponses.Ajoute(std::move(cheminPdf)); }
    void Verifie() { Reponses.Verifie(); }

    std::vector<std::string> TitresTravaux;

private:
    TScript<std::optional<std::string>> Reponses{"Dialogue d'impression"};
};
