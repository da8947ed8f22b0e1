// The program's folder.
#include "platform/DossierProgramme.h"

#include <QDir>
#include <QStandardPaths>

#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {

// Writing is tried for real: permissions alone say nothing for root or on a read-only disk.
bool PeutEcrire(const std::string& dossier)
{
    const std::string modele = dossier + ".quivane-essai-XXXXXX";
    std::vector<char> nom(modele.begin(), modele.end());
    nom.push_back('\0');
    const int fd = ::mkstemp(nom.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(nom.data());
    return true;
}

} // namespace

std::string DossierProgrammeVoulu()
{
    QString dossier = qEnvironmentVariable("QUIVANE_DOSSIER");
    if (dossier.isEmpty())
        dossier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dossier.isEmpty())
        return {};
    dossier.replace('\\', '/');
    std::string chemin = QDir(dossier).absolutePath().toStdString();
    if (chemin.empty() || chemin.back() != '/')
        chemin += '/';
    return chemin;
}

std::optional<std::string> PrepareDossierProgramme()
{
    const std::string chemin = DossierProgrammeVoulu();
    if (chemin.empty() || !QDir().mkpath(QString::fromStdString(chemin)) || !PeutEcrire(chemin))
        return std::nullopt;
    return chemin;
}
