// The failing files.
#include "FichiersDefaillants.h"

namespace {

class TEcritureDefaillante : public IEcritureTexte
{
public:
    TEcritureDefaillante(std::unique_ptr<IEcritureTexte> disque, TFichiersDefaillants& fichiers)
        : Disque(std::move(disque)), Fichiers(fichiers)
    {}

    bool EcritLigne(const std::string& ligne) override
    {
        if (!Echoue && Fichiers.LignesEcrites >= Fichiers.LignesAvantEchec)
            Echoue = true;
        if (Echoue)
        {
            ++Fichiers.LignesRefusees;
            return false;
        }
        const bool ecrite = Disque->EcritLigne(ligne);
        if (ecrite)
            ++Fichiers.LignesEcrites;
        return ecrite;
    }

    // A failed writer is dropped unfinished, which leaves the target as it was.
    bool Termine() override
    {
        if (Echoue || Fichiers.EchecALaFermeture)
        {
            Echoue = true;
            Disque.reset();
            return false;
        }
        return Disque->Termine();
    }

    TErreurFichier Erreur() const override { return Echoue ? TErreurFichier::Ecriture : Disque->Erreur(); }

private:
    std::unique_ptr<IEcritureTexte> Disque;
    TFichiersDefaillants& Fichiers;
    bool Echoue = false;
};

} // namespace

std::unique_ptr<IEcritureTexte> TFichiersDefaillants::OuvreEcriture(const std::string& chemin, TCodage codage,
                                                                    TModeEcriture mode,
                                                                    const std::string& cheminSauvegarde)
{
    return std::make_unique<TEcritureDefaillante>(Disque.OuvreEcriture(chemin, codage, mode, cheminSauvegarde), *this);
}
