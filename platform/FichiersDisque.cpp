// Files on the local disk. A reader takes the whole file at opening (design files, catalogue, configuration and
// journal are small) so that the encoding is decided once for the file. A replacing writer writes a temporary file
// beside the target and renames it over the target only once it is complete and flushed to the disk.
#include "platform/FichiersDisque.h"

#include "platform/Codage.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <string_view>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Far above any file of ours (a long session's journal stays well below it): a larger file is not one of them, and
// reading it whole would only fill the memory.
constexpr off_t TailleMaximaleLue = 64 * 1024 * 1024;

// The temporary file of a replacing writer: "." + the target's name + "." + six letters or digits (mkstemp).
constexpr const char* SuffixeTemporaire = ".XXXXXX";
constexpr std::size_t LongueurHasard = 6;

TErreurFichier ErreurDe(int numero, TErreurFichier parDefaut)
{
    switch (numero)
    {
    case ENOENT:
    case ENOTDIR: return TErreurFichier::Introuvable;
    case EACCES:
    case EPERM:
    case EROFS: return TErreurFichier::AccesRefuse;
    case EBUSY:
    case ETXTBSY: return TErreurFichier::Verrouille;
    default: return parDefaut;
    }
}

class TLectureDisque : public ILectureTexte
{
public:
    explicit TLectureDisque(const std::string& chemin)
    {
        // Not blocking: opening a named pipe would otherwise wait for a writer that may never come.
        const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
        {
            Etat = ErreurDe(errno, TErreurFichier::Lecture);
            return;
        }
        // Only a regular file is a file of ours: a folder, a pipe or a device such as /dev/zero is a read error.
        struct stat etat
        {};
        if (::fstat(fd, &etat) != 0 || !S_ISREG(etat.st_mode) || etat.st_size > TailleMaximaleLue)
        {
            Etat = TErreurFichier::Lecture;
            ::close(fd);
            return;
        }
        std::string octets;
        char tampon[65536];
        for (;;)
        {
            const ssize_t lus = ::read(fd, tampon, sizeof tampon);
            if (lus == 0)
                break;
            if (lus < 0)
            {
                if (errno == EINTR)
                    continue;
                Etat = ErreurDe(errno, TErreurFichier::Lecture);
                ::close(fd);
                return;
            }
            octets.append(tampon, static_cast<std::size_t>(lus));
            // A file still growing while it is read.
            if (octets.size() > static_cast<std::size_t>(TailleMaximaleLue))
            {
                Etat = TErreurFichier::Lecture;
                ::close(fd);
                return;
            }
        }
        ::close(fd);
        if (octets.rfind("\xEF\xBB\xBF", 0) == 0)
            octets.erase(0, 3);
        // The encoding is judged on the complete lines: a write cut inside a character must not turn the lines
        // before it into another encoding. The unfinished last line, if any, follows them when it can.
        const std::size_t derniereFin = octets.find_last_of("\r\n");
        const std::size_t finLignes = derniereFin == std::string::npos ? 0 : derniereFin + 1;
        const std::string_view lignes(octets.data(), finLignes);
        const std::string_view reste(octets.data() + finLignes, octets.size() - finLignes);
        if (!EstUtf8Valide(lignes))
            Texte = Windows1252VersUtf8(octets);
        else
            Texte = std::string(lignes) + (EstUtf8Valide(reste) ? std::string(reste) : Windows1252VersUtf8(reste));
    }

    bool LitLigne(std::string& ligne) override
    {
        ligne.clear();
        if (Fin())
            return false;
        // CR LF, LF and a lone CR all end a line.
        const std::size_t fin = Texte.find_first_of("\r\n", Position);
        if (fin == std::string::npos)
        {
            ligne = Texte.substr(Position);
            Position = Texte.size();
            Terminee = false;
            return true;
        }
        ligne = Texte.substr(Position, fin - Position);
        Position = fin + (Texte.compare(fin, 2, "\r\n") == 0 ? 2 : 1);
        Terminee = true;
        return true;
    }

    bool LigneTerminee() const override { return Terminee; }
    bool Fin() const override { return Etat != TErreurFichier::Aucune || Position >= Texte.size(); }
    TErreurFichier Erreur() const override { return Etat; }

private:
    std::string Texte;
    std::size_t Position = 0;
    bool Terminee = true;
    TErreurFichier Etat = TErreurFichier::Aucune;
};

mode_t ModeParDefaut()
{
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

std::string DossierDe(const std::string& chemin)
{
    const auto barre = chemin.rfind('/');
    return barre == std::string::npos ? std::string() : chemin.substr(0, barre + 1);
}

// The file a symbolic link names, followed link after link: saving through a link changes the file the user
// named instead of putting a new file in the link's place. A path that is no link, or a broken chain, stays.
std::string CibleReelle(std::string chemin)
{
    constexpr int SautsMaximum = 40; // as the system counts before it gives up on a loop
    for (int saut = 0; saut < SautsMaximum; ++saut)
    {
        struct stat etat
        {};
        if (::lstat(chemin.c_str(), &etat) != 0 || !S_ISLNK(etat.st_mode))
            return chemin;
        std::vector<char> lien(4096);
        const ssize_t n = ::readlink(chemin.c_str(), lien.data(), lien.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= lien.size())
            return chemin;
        std::string suivant(lien.data(), static_cast<std::size_t>(n));
        chemin = suivant.front() == '/' ? suivant : DossierDe(chemin) + suivant;
    }
    return chemin;
}

bool EstTemporaireDe(const std::string& entree, const std::string& debut)
{
    if (entree.size() != debut.size() + LongueurHasard || entree.compare(0, debut.size(), debut) != 0)
        return false;
    for (std::size_t i = debut.size(); i < entree.size(); ++i)
    {
        const char c = entree[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return true;
}

// The temporary files an interrupted save of this target left beside it. A writer holds a lock on its own for its
// whole life, so a temporary file that can be locked has no writer any more.
void RetireTemporairesAbandonnes(const std::string& dossier, const std::string& nom)
{
    DIR* repertoire = ::opendir(dossier.empty() ? "." : dossier.c_str());
    if (repertoire == nullptr)
        return;
    const std::string debut = "." + nom + ".";
    while (const dirent* entree = ::readdir(repertoire))
    {
        if (!EstTemporaireDe(entree->d_name, debut))
            continue;
        const std::string chemin = dossier + entree->d_name;
        const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat etat
        {};
        if (::fstat(fd, &etat) == 0 && S_ISREG(etat.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(chemin.c_str());
        ::close(fd);
    }
    ::closedir(repertoire);
}

// The rename that put the new file in place is durable only once the folder itself is on the disk. A folder that
// cannot be synchronised (some file systems refuse it) changes nothing to a rename already done.
void SynchroniseDossier(const std::string& dossier)
{
    const int fd = ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

class TEcritureDisque : public IEcritureTexte
{
public:
    TEcritureDisque(const std::string& chemin, TCodage codage, TModeEcriture mode, std::string cheminSauvegarde,
                    TFichiersDisque::TLien lien)
        : Codage(codage), Sauvegarde(std::move(cheminSauvegarde)), Lien(lien)
    {
        int fd = -1;
        if (mode == TModeEcriture::Ajoute)
        {
            Cible = chemin;
            fd = ::open(Cible.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
        }
        else
        {
            Cible = CibleReelle(chemin);
            const std::string dossier = DossierDe(Cible);
            const std::string nom = Cible.substr(dossier.size());
            RetireTemporairesAbandonnes(dossier, nom);
            std::string modele = dossier + "." + nom + SuffixeTemporaire;
            std::vector<char> tampon(modele.begin(), modele.end());
            tampon.push_back('\0');
            fd = ::mkstemp(tampon.data());
            if (fd >= 0)
            {
                Temporaire = tampon.data();
                ::flock(fd, LOCK_EX | LOCK_NB);
                struct stat etat
                {};
                ::fchmod(fd, ::stat(Cible.c_str(), &etat) == 0 ? (etat.st_mode & 07777) : ModeParDefaut());
            }
        }
        if (fd < 0)
        {
            Etat = ErreurDe(errno, TErreurFichier::Ecriture);
            return;
        }
        Flux = ::fdopen(fd, "wb");
        if (Flux == nullptr)
        {
            Etat = TErreurFichier::Ecriture;
            ::close(fd);
            Abandonne();
        }
    }

    ~TEcritureDisque() override
    {
        if (Flux != nullptr)
            std::fclose(Flux);
        Abandonne();
    }

    bool EcritLigne(const std::string& ligne) override
    {
        if (Etat != TErreurFichier::Aucune || Flux == nullptr)
        {
            if (Etat == TErreurFichier::Aucune)
                Etat = TErreurFichier::Ecriture;
            return false;
        }
        const std::string octets = Codage == TCodage::Windows1252 ? Utf8VersWindows1252(ligne) + "\r\n" : ligne + "\n";
        if (std::fwrite(octets.data(), 1, octets.size(), Flux) != octets.size())
            Etat = ErreurDe(errno, TErreurFichier::Ecriture);
        return Etat == TErreurFichier::Aucune;
    }

    bool Termine() override
    {
        if (Flux == nullptr)
        {
            if (Etat == TErreurFichier::Aucune)
                Etat = TErreurFichier::Ecriture;
            return false;
        }
        bool reussi = Etat == TErreurFichier::Aucune && std::fflush(Flux) == 0 && ::fsync(::fileno(Flux)) == 0;
        reussi = std::fclose(Flux) == 0 && reussi;
        Flux = nullptr;
        if (!reussi)
        {
            if (Etat == TErreurFichier::Aucune)
                Etat = ErreurDe(errno, TErreurFichier::Ecriture);
            Abandonne();
            return false;
        }
        if (Temporaire.empty())
            return true;
        if (!Sauvegarde.empty())
            GardeSauvegarde();
        if (::rename(Temporaire.c_str(), Cible.c_str()) != 0)
        {
            Etat = ErreurDe(errno, TErreurFichier::Ecriture);
            Abandonne();
            return false;
        }
        // The new file is in place: the backup moved aside is now the backup, never to be put back.
        SauvegardeDeplacee = false;
        Temporaire.clear();
        SynchroniseDossier(DossierDe(Cible));
        return true;
    }

    TErreurFichier Erreur() const override { return Etat; }

private:
    // The previous target becomes the backup while staying in place (a second name for the same file); where the
    // disk has no such names, it is renamed, and put back if the new file cannot take its place.
    void GardeSauvegarde()
    {
        if (::access(Cible.c_str(), F_OK) != 0)
            return;
        ::unlink(Sauvegarde.c_str());
        if (Lien(Cible.c_str(), Sauvegarde.c_str()) == 0)
            return;
        if (::rename(Cible.c_str(), Sauvegarde.c_str()) == 0)
            SauvegardeDeplacee = true;
    }

    void Abandonne()
    {
        if (SauvegardeDeplacee)
            ::rename(Sauvegarde.c_str(), Cible.c_str());
        SauvegardeDeplacee = false;
        if (!Temporaire.empty())
            ::unlink(Temporaire.c_str());
        Temporaire.clear();
    }

    std::string Cible;
    TCodage Codage;
    std::string Sauvegarde;
    TFichiersDisque::TLien Lien;
    std::string Temporaire;
    bool SauvegardeDeplacee = false;
    std::FILE* Flux = nullptr;
    TErreurFichier Etat = TErreurFichier::Aucune;
};

} // namespace

TFichiersDisque::TFichiersDisque(TLien lien) : Lien(lien != nullptr ? lien : ::link) {}

bool TFichiersDisque::Existe(const std::string& chemin)
{
    struct stat etat
    {};
    return ::stat(CheminNormalise(chemin).c_str(), &etat) == 0 && S_ISREG(etat.st_mode);
}

bool TFichiersDisque::Supprime(const std::string& chemin)
{
    return ::unlink(CheminNormalise(chemin).c_str()) == 0;
}

bool TFichiersDisque::Deplace(const std::string& ancien, const std::string& nouveau)
{
    return ::rename(CheminNormalise(ancien).c_str(), CheminNormalise(nouveau).c_str()) == 0;
}

std::unique_ptr<ILectureTexte> TFichiersDisque::OuvreLecture(const std::string& chemin)
{
    return std::make_unique<TLectureDisque>(CheminNormalise(chemin));
}

std::unique_ptr<IEcritureTexte> TFichiersDisque::OuvreEcriture(const std::string& chemin, TCodage codage,
                                                               TModeEcriture mode, const std::string& cheminSauvegarde)
{
    return std::make_unique<TEcritureDisque>(
        CheminNormalise(chemin), codage, mode,
        cheminSauvegarde.empty() ? std::string() : CheminNormalise(cheminSauvegarde), Lien);
}
