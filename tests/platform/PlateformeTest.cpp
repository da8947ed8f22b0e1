// The program's folder, the locale's decimal mark, the compiled-in version, the file dialogs' filter and the
// clipboard.
#include "platform/DossierProgramme.h"

#include "doubles/ApplicationQt.h"
#include "platform/Locale.h"
#include "platform/ServicesQt.h"
#include "platform/Version.h"

#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// Sets QUIVANE_DOSSIER for one test and puts the previous value back.
class DossierProgramme : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* valeur = std::getenv("QUIVANE_DOSSIER");
        Precedent = valeur != nullptr ? std::optional<std::string>(valeur) : std::nullopt;
        std::string modele = (fs::temp_directory_path() / "quivane-dossier-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        Racine = modele;
    }
    void TearDown() override
    {
        if (Precedent)
            ::setenv("QUIVANE_DOSSIER", Precedent->c_str(), 1);
        else
            ::unsetenv("QUIVANE_DOSSIER");
        fs::remove_all(Racine);
    }

    std::optional<std::string> Precedent;
    fs::path Racine;
};

TEST_F(DossierProgramme, LeDossierNommeEstCreeEtFiniParUneBarre)
{
    const fs::path dossier = Racine / "a" / "Quivane";
    ::setenv("QUIVANE_DOSSIER", dossier.string().c_str(), 1);
    EXPECT_EQ(PrepareDossierProgramme(), dossier.string() + "/");
    EXPECT_TRUE(fs::is_directory(dossier));
    EXPECT_TRUE(fs::is_empty(dossier));
}

TEST_F(DossierProgramme, UnDossierImpossibleEstSignaleSansPlantage)
{
    std::ofstream(Racine / "fichier") << "x";
    ::setenv("QUIVANE_DOSSIER", (Racine / "fichier" / "Quivane").string().c_str(), 1);
    EXPECT_EQ(PrepareDossierProgramme(), std::nullopt);
}

TEST(Locale, LeSeparateurDecimalSuitLaLangue)
{
    const QLocale avant;
    for (const auto& [langue, separateur] :
         {std::pair{QLocale::French, ','}, std::pair{QLocale::English, '.'}, std::pair{QLocale::German, ','}})
    {
        SCOPED_TRACE(separateur);
        QLocale::setDefault(QLocale(langue));
        EXPECT_EQ(SeparateurDecimalDuSysteme(), separateur);
    }
    QLocale::setDefault(avant);
}

// The file dialog, the print dialog and the overwrite question are Qt's: their texts must be French too.
TEST(Locale, LesDialoguesDeQtParlentFrancais)
{
    AssureApplicationQt();
    ASSERT_TRUE(InstalleTraductionsQt());
    ASSERT_TRUE(InstalleTraductionsQt()) << "une seconde fois, sans second traducteur";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Annuler");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:").toStdString(), "&Nom de fichier :");
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print").toStdString(), "Imprimer");
}

TEST(Version, LesFichiersPortentLaVersionMajeureTrois)
{
    EXPECT_EQ(VersionProgramme(), "3.3.0");
    EXPECT_EQ(VersionMajeure, 3);
}

TEST(DialoguesFichier, LeFiltreDesConceptionsDevientCeluiDeQt)
{
    EXPECT_EQ(FiltreQt(FiltreFichiersQuivane), "Fichier Quivane *.qvd (*.qvd);;Tous fichiers *.* (*)");
    EXPECT_EQ(FiltreQt("Catalogue|*.idr;*.txt"), "Catalogue (*.idr *.txt)");
}

TEST(PressePapiers, LeTexteCopieSeRecolle)
{
    AssureApplicationQt();
    TPressePapiersQt pressePapiers;
    pressePapiers.FixeTexte("1250,5 é");
    EXPECT_TRUE(pressePapiers.ContientTexte());
    EXPECT_EQ(pressePapiers.Texte(), "1250,5 é");
}

} // namespace
