// The Qt services.
#include "platform/ServicesQt.h"

#include "platform/FichiersDisque.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

void TBipQt::Bip(int)
{
    QApplication::beep();
}

namespace {

std::optional<std::string> MontreDialogue(const TDemandeFichier& demande, QFileDialog::AcceptMode mode)
{
    QFileDialog dialogue(QApplication::activeWindow(), QString::fromStdString(demande.Titre),
                         QString::fromStdString(demande.Dossier), QString::fromStdString(FiltreQt(demande.Filtre)));
    dialogue.setAcceptMode(mode);
    dialogue.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The program asks its own question before replacing a file.
    dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    if (!demande.ExtensionParDefaut.empty())
        dialogue.setDefaultSuffix(QString::fromStdString(demande.ExtensionParDefaut));
    if (!demande.Nom.empty())
        dialogue.selectFile(QString::fromStdString(demande.Nom));
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    return dialogue.selectedFiles().front().toStdString();
}

} // namespace

std::optional<std::string> TDialoguesFichierQt::Ouvre(const TDemandeFichier& demande)
{
    return MontreDialogue(demande, QFileDialog::AcceptOpen);
}

std::optional<std::string> TDialoguesFichierQt::EnregistreSous(const TDemandeFichier& demande)
{
    return MontreDialogue(demande, QFileDialog::AcceptSave);
}

std::unique_ptr<QPrinter> TImpressionQt::ChoisitImprimante(const std::string& titreTravail)
{
    auto imprimante = std::make_unique<QPrinter>(QPrinter::HighResolution);
    imprimante->setDocName(QString::fromStdString(titreTravail));
    QPrintDialog dialogue(imprimante.get(), QApplication::activeWindow());
    if (dialogue.exec() != QDialog::Accepted)
        return nullptr;
    return imprimante;
}

void TPressePapiersQt::FixeTexte(const std::string& texte)
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(texte));
}

std::string TPressePapiersQt::Texte()
{
    return QGuiApplication::clipboard()->text().toStdString();
}

bool TPressePapiersQt::ContientTexte()
{
    const QMimeData* donnees = QGuiApplication::clipboard()->mimeData();
    return donnees != nullptr && donnees->hasText();
}

std::string TAideQt::CheminFichier()
{
    const QString dossier = QCoreApplication::applicationDirPath();
    for (const char* nom : {"/Quivane.html", "/Quivane.chm"})
        if (QFileInfo(dossier + nom).isFile())
            return (dossier + nom).toStdString();
    return {};
}

bool TAideQt::FichierPresent()
{
    return !CheminFichier().empty();
}

bool TAideQt::AfficheSommaire()
{
    const std::string chemin = CheminFichier();
    return !chemin.empty() && QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(chemin)));
}

bool TAideQt::AfficheRubrique(int contexteAide)
{
    const std::string chemin = CheminFichier();
    if (chemin.empty())
        return false;
    QUrl adresse = QUrl::fromLocalFile(QString::fromStdString(chemin));
    if (contexteAide != 0)
        adresse.setFragment(QString::number(contexteAide));
    return QDesktopServices::openUrl(adresse);
}

std::string FiltreQt(std::string_view filtre)
{
    std::string resultat;
    std::size_t debut = 0;
    while (debut < filtre.size())
    {
        const std::size_t finLibelle = filtre.find('|', debut);
        if (finLibelle == std::string_view::npos)
            break;
        std::size_t finMotif = filtre.find('|', finLibelle + 1);
        if (finMotif == std::string_view::npos)
            finMotif = filtre.size();
        std::string motif(filtre.substr(finLibelle + 1, finMotif - finLibelle - 1));
        if (motif == "*.*")
            motif = "*";
        for (char& c : motif)
            if (c == ';')
                c = ' ';
        if (!resultat.empty())
            resultat += ";;";
        resultat += std::string(filtre.substr(debut, finLibelle - debut)) + " (" + motif + ")";
        debut = finMotif + 1;
    }
    return resultat;
}

void InstalleServicesQt(TServices& services)
{
    static TBipQt bip;
    static TDialoguesFichierQt dialoguesFichier;
    static TImpressionQt impression;
    static TPressePapiersQt pressePapiers;
    static TAideQt aide;
    static TFichiersDisque fichiers;
    services.Bip = &bip;
    services.DialoguesFichier = &dialoguesFichier;
    services.Impression = &impression;
    services.PressePapiers = &pressePapiers;
    services.Aide = &aide;
    services.Fichiers = &fichiers;
}
