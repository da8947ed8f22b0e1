// This running instance's number and its lock file "Session<N>.tmp", held with an exclusive lock for the whole run.
#include "app/Session.h"

#include "app/Etat.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Linux lets anyone delete a file another process holds open, so "in use" means "locked by a running instance".
int DescripteurSession = -1;

// The number of tries past the leftovers; each running instance holds one number.
constexpr int NumeroMaximal = 10000;

// Whatever the entry is, a link to nowhere included.
bool Existe(const std::string& chemin)
{
    struct stat etat
    {};
    return ::lstat(chemin.c_str(), &etat) == 0;
}

// The lock file is never followed through a symbolic link, nor waited on as a pipe: a lock made through a link
// would make or truncate a file outside the program's folder.
constexpr int OuvertureVerrou = O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

// A lock file that can be locked belongs to a run that ended: delete it. Anything in its place that is not a regular
// file (a link, a pipe) is no lock of ours and goes as well. False when a running instance holds it.
bool SupprimeSiLibre(const std::string& chemin)
{
    struct stat etat
    {};
    if (::lstat(chemin.c_str(), &etat) != 0)
        return true;
    if (!S_ISREG(etat.st_mode))
        return (S_ISDIR(etat.st_mode) ? ::rmdir(chemin.c_str()) : ::unlink(chemin.c_str())) == 0 || !Existe(chemin);
    const int descripteur = ::open(chemin.c_str(), OuvertureVerrou);
    if (descripteur < 0)
        return !Existe(chemin);
    bool libre = ::flock(descripteur, LOCK_EX | LOCK_NB) == 0;
    if (libre)
        libre = ::unlink(chemin.c_str()) == 0 || !Existe(chemin);
    ::close(descripteur);
    return libre;
}

enum class TVerrouillage
{
    Pris,
    Occupe,
    Impossible // the folder does not take the file
};

// Creates and locks the file; checks that the locked file is still the one at the path, since another instance may
// have deleted it as a leftover between our open and our lock.
TVerrouillage CreeEtVerrouille(const std::string& chemin)
{
    const int descripteur = ::open(chemin.c_str(), OuvertureVerrou | O_CREAT | O_TRUNC, 0644);
    if (descripteur < 0)
        // Something put back in its place since it was cleared: the next number is tried.
        return errno == ELOOP || errno == ENXIO || errno == EISDIR ? TVerrouillage::Occupe : TVerrouillage::Impossible;
    struct stat ouvert
    {};
    struct stat present
    {};
    if (::flock(descripteur, LOCK_EX | LOCK_NB) != 0 || ::fstat(descripteur, &ouvert) != 0 ||
        !S_ISREG(ouvert.st_mode) || ::lstat(chemin.c_str(), &present) != 0 || ouvert.st_ino != present.st_ino ||
        ouvert.st_dev != present.st_dev)
    {
        ::close(descripteur);
        return TVerrouillage::Occupe;
    }
    DescripteurSession = descripteur;
    return TVerrouillage::Pris;
}

}

std::string CheminVerrou(const std::string& dossier, int n)
{
    return dossier + "Session" + std::to_string(n) + ".tmp";
}

bool ChoisitNumeroSession()
{
    const std::string& dossier = Etat.DossierProgramme;
    int numero = -1;
    for (int n = 2; n >= 0; --n)
        if (Existe(CheminVerrou(dossier, n)) && SupprimeSiLibre(CheminVerrou(dossier, n)))
            numero = n;
    if (numero < 0)
        numero = 0;
    for (; numero < NumeroMaximal; ++numero)
    {
        const std::string chemin = CheminVerrou(dossier, numero);
        if (!SupprimeSiLibre(chemin))
            continue;
        const TVerrouillage verrouillage = CreeEtVerrouille(chemin);
        if (verrouillage == TVerrouillage::Impossible)
            break;
        if (verrouillage == TVerrouillage::Pris)
        {
            Etat.NumeroSession = numero;
            Etat.CheminSession = chemin;
            return true;
        }
    }
    Etat.NumeroSession = 0;
    Etat.CheminSession = CheminVerrou(dossier, 0);
    return false;
}

void LibereSession()
{
    if (DescripteurSession < 0)
        return;
    ::unlink(Etat.CheminSession.c_str());
    ::close(DescripteurSession);
    DescripteurSession = -1;
}
