// Files whose writes fail: reads, existence, deletion and moves go to the disk, but every writer opened through this
// double refuses the line written after the first LignesAvantEchec lines (counted over all its writers), and every
// line after it, as a full disk would; with EchecALaFermeture, closing fails too. Lets a test hit every write error.
#pragma once

#include "platform/FichiersDisque.h"

class TFichiersDefaillants : public IFichiers
{
public:
    explicit TFichiersDefaillants(int lignesAvantEchec) : LignesAvantEchec(lignesAvantEchec) {}

    bool Existe(const std::string& chemin) override { return Disque.Existe(chemin); }
    bool Supprime(const std::string& chemin) override { return Disque.Supprime(chemin); }
    bool Deplace(const std::string& ancien, const std::string& nouveau) override
    {
        return Disque.Deplace(ancien, nouveau);
    }
    std::unique_ptr<ILectureTexte> OuvreLecture(const std::string& chemin) override
    {
        return Disque.OuvreLecture(chemin);
    }
    std::unique_ptr<IEcritureTexte> OuvreEcriture(const std::string& chemin, TCodage codage, TModeEcriture mode,
                                                  const std::string& cheminSauvegarde) override;

    int LignesAvantEchec;
    bool EchecALaFermeture = false;
    int LignesEcrites = 0; // lines accepted so far
    int LignesRefusees = 0;

private:
    TFichiersDisque Disque;
};
