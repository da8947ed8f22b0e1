// Files on the local disk. A reader takes the whole file at opening (design files, catalogue, configuration and
// journal are small) so that the encoding is decided once for the file. A replacing writer writes a temporary file
// beside the target and renames it over the target only once it is complete and flushed to the disk.
#include "platform/FichiersDisque.h"

#include "platform/Codage.h"

#include <cerrno>
#include <cstdio>
#include <string_view>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

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
        const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
        {
            Etat = ErreurDe(errno, TErreurFichier::Lecture);
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

class TEcritureDisque : public IEcritureTexte
{
public:
    TEcritureDisque(std::string chemin, TCodage codage, TModeEcriture mode, std::string cheminSauvegarde)
        : Cible(std::move(chemin)), Codage(codage), Sauvegarde(std::move(cheminSauvegarde))
    {
        int fd = -1;
        if (mode == TModeEcriture::Ajoute)
            fd = ::open(Cible.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
        else
        {
            const auto barre = Cible.rfind('/');
            const std::string dossier = barre == std::string::npos ? std::string() : Cible.substr(0, barre + 1);
            const std::string nom = barre == std::string::npos ? Cible : Cible.substr(barre + 1);
            std::string modele = dossier + "." + nom + ".XXXXXX";
            std::vector<char> tampon(modele.begin(), modele.end());
            tampon.push_back('\0');
            fd = ::mkstemp(tampon.data());
            if (fd >= 0)
            {
                Temporaire = tampon.data();
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
        Temporaire.clear();
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
        if (::link(Cible.c_str(), Sauvegarde.c_str()) == 0)
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
    std::string Temporaire;
    bool SauvegardeDeplacee = false;
    std::FILE* Flux = nullptr;
    TErreurFichier Etat = TErreurFichier::Aucune;
};

} // namespace

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
    return std::make_unique<TEcritureDisque>(CheminNormalise(chemin), codage, mode,
                                             cheminSauvegarde.empty() ? std::string()
                                                                      : CheminNormalise(cheminSauvegarde));
}
