// The Qt implementations of the beep, the file dialogs, the print dialog, the clipboard and the help file, and the
// installation of them (with the files on disk) in the services record. The question window and the two
// focus-search requests are windows of their own, installed by the program beside these.
#pragma once

#include "platform/Services.h"

#include <string>
#include <string_view>

class TBipQt : public IBip
{
public:
    void Bip(int type) override;
};

class TDialoguesFichierQt : public IDialoguesFichier
{
public:
    std::optional<std::string> Ouvre(const TDemandeFichier& demande) override;
    std::optional<std::string> EnregistreSous(const TDemandeFichier& demande) override;
};

class TImpressionQt : public IImpression
{
public:
    std::unique_ptr<QPrinter> ChoisitImprimante(const std::string& titreTravail) override;
};

class TPressePapiersQt : public IPressePapiers
{
public:
    void FixeTexte(const std::string& texte) override;
    std::string Texte() override;
    bool ContientTexte() override;
};

// The help file beside the executable: "Quivane.html" when there is one, else "Quivane.chm"; opened with the
// desktop's handler for it, a topic as the page's anchor of its help context.
class TAideQt : public IAide
{
public:
    bool FichierPresent() override;
    bool AfficheSommaire() override;
    bool AfficheRubrique(int contexteAide) override;

private:
    std::string CheminFichier();
};

// "label|pattern|label|pattern" as the Qt dialogs take it: "label (pattern);;label (pattern)", "*.*" being every file.
std::string FiltreQt(std::string_view filtre);

// Sets every service above and the disk files in the record; leaves the question window and the focus requests.
void InstalleServicesQt(TServices& services);
