// The print dialog: the user chooses a printer or a PDF file, or cancels.
#pragma once

#include <memory>
#include <string>

class QPrinter;

class IImpression
{
public:
    virtual ~IImpression() = default;
    // A printer configured by the user (device or PDF file) with the job title set, or nullptr when cancelled.
    virtual std::unique_ptr<QPrinter> ChoisitImprimante(const std::string& titreTravail) = 0;
};
