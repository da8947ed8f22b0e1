// The files service on the local disk.
#pragma once

#include "platform/Fichiers.h"

class TFichiersDisque : public IFichiers
{
public:
    bool Existe(const std::string& chemin) override;
    bool Supprime(const std::string& chemin) override;
    bool Deplace(const std::string& ancien, const std::string& nouveau) override;
    std::unique_ptr<ILectureTexte> OuvreLecture(const std::string& chemin) override;
    std::unique_ptr<IEcritureTexte> OuvreEcriture(const std::string& chemin, TCodage codage, TModeEcriture mode,
                                                  const std::string& cheminSauvegarde) override;
};
