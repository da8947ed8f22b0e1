// The scripted print dialog.
#include "ImpressionScriptee.h"

#include <QPrinter>

std::unique_ptr<QPrinter> TImpressionScriptee::ChoisitImprimante(const std::string& titreTravail)
{
    TitresTravaux.push_back(titreTravail);
    const auto reponse = Reponses.Suivante("\"" + titreTravail + "\"");
    if (!reponse || !*reponse)
        return nullptr;
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    imprimante->setOutputFormat(QPrinter::PdfFormat);
    imprimante->setOutputFileName(QString::fromStdString(**reponse));
    imprimante->setDocName(QString::fromStdString(titreTravail));
    return imprimante;
}
