// The files service on the local disk.
#pragma once

#include "platform/Fichiers.h"

class TFichiersDisque : public IFichiers
{
public:
    // Gives a file a second name, as link() does: how a backup is kept while the file stays in place. Tests give one
    // that fails, as on a disk without such names or a file the system will not link.
    using TLien = int (*)(const char* ancien, const char* nouveau);

    explicit TFichiersDisque(TLien lien = nullptr);

    bool Existe(const std::string& chemin) override;
    bool Supprime(const std::string& chemin) override;
    bool Deplace(const std::string& ancien, const std::string& nouveau) override;
    std::unique_ptr<ILectureTexte> OuvreLecture(const std::string& chemin) override;
    std::unique_ptr<IEcritureTexte> OuvreEcriture(const std::string& chemin, TCodage codage, TModeEcriture mode,
                                                  const std::string& cheminSauvegarde) override;

private:
    TLien Lien;
};
