// Text files on disk: both encodings and both line ends read to the same lines, the writers' bytes, and a replace
// that fails (at any line, at closing, or for want of a folder) leaves the old file byte for byte. A replace keeps
// its backup where links are refused, writes through a symbolic link, and clears what interrupted saves left; only
// regular files are read.
#include "platform/FichiersDisque.h"

#include "doubles/FichiersDefaillants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class Fichiers : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::string modele = (fs::temp_directory_path() / "quivane-fichiers-XXXXXX").string();
        ASSERT_NE(::mkdtemp(modele.data()), nullptr);
        Dossier = modele;
    }
    void TearDown() override { fs::remove_all(Dossier); }

    std::string Chemin(const std::string& nom) const { return (Dossier / nom).string(); }

    static void EcritOctets(const std::string& chemin, const std::string& octets)
    {
        std::ofstream(chemin, std::ios::binary) << octets;
    }
    static std::string LitOctets(const std::string& chemin)
    {
        std::ifstream flux(chemin, std::ios::binary);
        return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    }
    static std::vector<std::string> Lignes(IFichiers& fichiers, const std::string& chemin)
    {
        std::vector<std::string> lignes;
        auto lecture = fichiers.OuvreLecture(chemin);
        std::string ligne;
        while (lecture->LitLigne(ligne))
            lignes.push_back(ligne);
        EXPECT_TRUE(lecture->Fin());
        EXPECT_EQ(lecture->Erreur(), TErreurFichier::Aucune);
        return lignes;
    }
    static bool Ecrit(IFichiers& fichiers, const std::string& chemin, const std::vector<std::string>& lignes,
                      TCodage codage, TModeEcriture mode = TModeEcriture::Remplace, const std::string& sauvegarde = {})
    {
        auto ecriture = fichiers.OuvreEcriture(chemin, codage, mode, sauvegarde);
        bool reussi = true;
        for (const std::string& ligne : lignes)
            reussi = ecriture->EcritLigne(ligne) && reussi;
        return ecriture->Termine() && reussi;
    }
    std::vector<std::string> Contenu() const
    {
        std::vector<std::string> noms;
        for (const auto& entree : fs::directory_iterator(Dossier))
            noms.push_back(entree.path().filename().string());
        std::sort(noms.begin(), noms.end());
        return noms;
    }

    fs::path Dossier;
    TFichiersDisque Disque;
};

const std::vector<std::string> LignesConception{"<Quivane 3.3.0>", "[Télescope de Newton]", "1200,5", "",
                                                "Verre « Œ » 5 €"};

TEST_F(Fichiers, LesDeuxCodagesEtLesDeuxFinsDeLigneDonnentLesMemesLignes)
{
    EcritOctets(Chemin("w.qvd"), "<Quivane 3.3.0>\r\n[T\xE9lescope de Newton]\r\n1200,5\r\n\r\n"
                                 "Verre \xAB \x8C \xBB 5 \x80\r\n");
    EcritOctets(Chemin("u.qvd"), "<Quivane 3.3.0>\n[Télescope de Newton]\n1200,5\n\nVerre « Œ » 5 €\n");
    EcritOctets(Chemin("b.qvd"), "\xEF\xBB\xBF<Quivane 3.3.0>\n[Télescope de Newton]\r\n1200,5\r\n\nVerre « Œ » 5 €");
    for (const char* nom : {"w.qvd", "u.qvd", "b.qvd"})
    {
        SCOPED_TRACE(nom);
        EXPECT_EQ(Lignes(Disque, Chemin(nom)), LignesConception);
    }
}

TEST_F(Fichiers, UneDerniereLigneSansFinEstSignaleeEtNeChangePasLeCodageDesAutres)
{
    struct TCas
    {
        const char* Nom;
        std::string Octets;
        std::vector<std::string> Lignes;
        bool DerniereTerminee;
    };
    const TCas cas[] = {
        {"UTF-8 coupe dans un caractere",
         "/home/\xC3\xA9/a.qvd\n1000\nOculaire \xC3",
         {"/home/é/a.qvd", "1000", "Oculaire Ã"},
         false},
        {"Windows-1252 fini par un accent", "1000\r\nCaf\xE9", {"1000", "Café"}, false},
        {"Windows-1252 avant la coupe", "Caf\xE9\r\n\xC3", {"Café", "Ã"}, false},
        {"complet", "a\nb\n", {"a", "b"}, true},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        EcritOctets(Chemin("f.tmp"), c.Octets);
        auto lecture = Disque.OuvreLecture(Chemin("f.tmp"));
        std::vector<std::string> lignes;
        bool terminee = true;
        for (std::string ligne; lecture->LitLigne(ligne);)
        {
            lignes.push_back(ligne);
            terminee = lecture->LigneTerminee();
        }
        EXPECT_EQ(lignes, c.Lignes);
        EXPECT_EQ(terminee, c.DerniereTerminee);
    }
}

TEST_F(Fichiers, ChaqueCodageEcritSesOctets)
{
    ASSERT_TRUE(Ecrit(Disque, Chemin("w.qvd"), {"[Télescope de Newton]", "Verre Œ 5 € λ", ""}, TCodage::Windows1252));
    EXPECT_EQ(LitOctets(Chemin("w.qvd")), "[T\xE9lescope de Newton]\r\nVerre \x8C 5 \x80 ?\r\n\r\n");
    ASSERT_TRUE(Ecrit(Disque, Chemin("Quivane.ini"), {"/home/é/λ.qvd", "3"}, TCodage::Utf8));
    EXPECT_EQ(LitOctets(Chemin("Quivane.ini")), "/home/é/λ.qvd\n3\n");
}

TEST_F(Fichiers, UnAjoutCreeLeFichierPuisLeProlonge)
{
    const std::string journal = Chemin("Quivane0.tmp");
    ASSERT_TRUE(Ecrit(Disque, journal, {"-1", "0"}, TCodage::Utf8, TModeEcriture::Ajoute));
    ASSERT_TRUE(Ecrit(Disque, journal, {"newton"}, TCodage::Utf8, TModeEcriture::Ajoute));
    EXPECT_EQ(LitOctets(journal), "-1\n0\nnewton\n");
}

TEST_F(Fichiers, UnRemplacementGardeLAncienFichierEnSauvegarde)
{
    const std::string cible = Chemin("a.qvd");
    EcritOctets(cible, "ancien\r\n");
    EcritOctets(Chemin("a.bak"), "plus ancien\r\n");
    ASSERT_TRUE(Ecrit(Disque, cible, {"nouveau"}, TCodage::Windows1252, TModeEcriture::Remplace, Chemin("a.bak")));
    EXPECT_EQ(LitOctets(cible), "nouveau\r\n");
    EXPECT_EQ(LitOctets(Chemin("a.bak")), "ancien\r\n");
    EXPECT_EQ(Contenu(), (std::vector<std::string>{"a.bak", "a.qvd"}));
}

TEST_F(Fichiers, SansLienLaSauvegardeEstDeplaceeEtLeNouveauFichierReste)
{
    // As on a disk without hard links, or a file of another owner the system will not link.
    TFichiersDisque sansLien([](const char*, const char*) {
        errno = EPERM;
        return -1;
    });
    const std::string cible = Chemin("a.qvd");
    EcritOctets(cible, "ancien\r\n");
    EcritOctets(Chemin("a.bak"), "plus ancien\r\n");
    ASSERT_TRUE(Ecrit(sansLien, cible, {"nouveau"}, TCodage::Windows1252, TModeEcriture::Remplace, Chemin("a.bak")));
    EXPECT_EQ(LitOctets(cible), "nouveau\r\n");
    EXPECT_EQ(LitOctets(Chemin("a.bak")), "ancien\r\n");
    EXPECT_EQ(Contenu(), (std::vector<std::string>{"a.bak", "a.qvd"}));
}

TEST_F(Fichiers, UnLienSymboliqueEstSuiviJusquAuFichierNomme)
{
    fs::create_directory(Dossier / "projets");
    const std::string fichier = Chemin("projets/miroir.qvd");
    EcritOctets(fichier, "ancien\r\n");
    fs::create_symlink("projets/miroir.qvd", Dossier / "courant.qvd");
    fs::create_symlink(Dossier / "courant.qvd", Dossier / "raccourci.qvd");
    ASSERT_TRUE(Ecrit(Disque, Chemin("raccourci.qvd"), {"nouveau"}, TCodage::Windows1252, TModeEcriture::Remplace,
                      Chemin("raccourci.bak")));
    EXPECT_TRUE(fs::is_symlink(Dossier / "courant.qvd"));
    EXPECT_TRUE(fs::is_symlink(Dossier / "raccourci.qvd"));
    EXPECT_EQ(LitOctets(fichier), "nouveau\r\n");
    EXPECT_EQ(LitOctets(Chemin("raccourci.bak")), "ancien\r\n");

    // A link whose file is gone makes the file it names.
    fs::create_symlink("projets/nouveau.qvd", Dossier / "pendant.qvd");
    ASSERT_TRUE(Ecrit(Disque, Chemin("pendant.qvd"), {"premier"}, TCodage::Windows1252));
    EXPECT_TRUE(fs::is_symlink(Dossier / "pendant.qvd"));
    EXPECT_EQ(LitOctets(Chemin("projets/nouveau.qvd")), "premier\r\n");
}

TEST_F(Fichiers, LesTemporairesAbandonnesDisparaissentALEnregistrementSuivant)
{
    const std::string cible = Chemin("a.qvd");
    EcritOctets(cible, "ancien\r\n");
    // Left by saves that were killed; a neighbour's, a look-alike and a writer still at work stay.
    for (const char* nom : {".a.qvd.Xy12Zq", ".a.qvd.000000", ".b.qvd.Xy12Zq", ".a.qvd.Xy12Z", "a.qvd.Xy12Zq"})
        EcritOctets(Chemin(nom), "abandonné");
    const std::string enCours = Chemin(".a.qvd.EnCour");
    EcritOctets(enCours, "en cours");
    const int verrou = ::open(enCours.c_str(), O_RDONLY);
    ASSERT_GE(verrou, 0);
    ASSERT_EQ(::flock(verrou, LOCK_EX), 0);

    ASSERT_TRUE(Ecrit(Disque, cible, {"nouveau"}, TCodage::Windows1252));
    ::close(verrou);
    EXPECT_EQ(LitOctets(cible), "nouveau\r\n");
    EXPECT_EQ(Contenu(),
              (std::vector<std::string>{".a.qvd.EnCour", ".a.qvd.Xy12Z", ".b.qvd.Xy12Zq", "a.qvd", "a.qvd.Xy12Zq"}));
}

TEST_F(Fichiers, SeulUnFichierOrdinaireSeLit)
{
    fs::create_directory(Dossier / "dossier.qvd");
    ASSERT_EQ(::mkfifo(Chemin("tube.qvd").c_str(), 0600), 0);
    const auto debut = std::chrono::steady_clock::now();
    for (const std::string& chemin : {Chemin("dossier.qvd"), Chemin("tube.qvd"), std::string("/dev/zero")})
    {
        SCOPED_TRACE(chemin);
        auto lecture = Disque.OuvreLecture(chemin);
        EXPECT_EQ(lecture->Erreur(), TErreurFichier::Lecture);
        std::string ligne;
        EXPECT_FALSE(lecture->LitLigne(ligne));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(2));
}

TEST_F(Fichiers, UneEcritureQuiEchoueLaisseLAncienFichierIntact)
{
    const std::string cible = Chemin("a.qvd");
    const std::string ancien = "<Quivane 3.3.0>\r\n[T\xE9lescope de Newton]\r\n";
    const std::vector<std::string> lignes{"<Quivane 3.3.0>", "[Télescope de Newton]", "250", "1250"};
    for (int lignesAvantEchec = 0; lignesAvantEchec <= static_cast<int>(lignes.size()); ++lignesAvantEchec)
    {
        SCOPED_TRACE(lignesAvantEchec);
        EcritOctets(cible, ancien);
        TFichiersDefaillants defaillants(lignesAvantEchec);
        // Past the last line only the closing can fail.
        defaillants.EchecALaFermeture = lignesAvantEchec == static_cast<int>(lignes.size());
        auto ecriture =
            defaillants.OuvreEcriture(cible, TCodage::Windows1252, TModeEcriture::Remplace, Chemin("a.bak"));
        for (const std::string& ligne : lignes)
            ecriture->EcritLigne(ligne);
        EXPECT_FALSE(ecriture->Termine());
        EXPECT_EQ(ecriture->Erreur(), TErreurFichier::Ecriture);
        EXPECT_EQ(LitOctets(cible), ancien);
        EXPECT_EQ(Contenu(), std::vector<std::string>{"a.qvd"});
    }
}

TEST_F(Fichiers, UnDossierImpossibleEstSignaleSansToucherAuReste)
{
    EcritOctets(Chemin("fichier"), "x");
    const std::string impossible = Chemin("fichier") + "/sous/a.qvd";
    auto ecriture = Disque.OuvreEcriture(impossible, TCodage::Windows1252, TModeEcriture::Remplace, {});
    EXPECT_EQ(ecriture->Erreur(), TErreurFichier::Introuvable);
    EXPECT_FALSE(ecriture->EcritLigne("ligne"));
    EXPECT_FALSE(ecriture->Termine());
    EXPECT_FALSE(Ecrit(Disque, impossible, {"ligne"}, TCodage::Utf8, TModeEcriture::Ajoute));

    auto lecture = Disque.OuvreLecture(Chemin("absent.qvd"));
    std::string ligne = "reste";
    EXPECT_FALSE(lecture->LitLigne(ligne));
    EXPECT_EQ(ligne, "");
    EXPECT_EQ(lecture->Erreur(), TErreurFichier::Introuvable);
    EXPECT_EQ(Contenu(), std::vector<std::string>{"fichier"});
}

TEST_F(Fichiers, ExisteSupprimeDeplaceAvecLesDeuxSeparateurs)
{
    EcritOctets(Chemin("a.qvd"), "x");
    const std::string dos = Dossier.string() + "\\a.qvd";
    EXPECT_TRUE(Disque.Existe(dos));
    EXPECT_FALSE(Disque.Existe(Dossier.string()));
    ASSERT_TRUE(Disque.Deplace(dos, Dossier.string() + "\\a.bak"));
    EXPECT_FALSE(Disque.Existe(Chemin("a.qvd")));
    EXPECT_EQ(LitOctets(Chemin("a.bak")), "x");
    EXPECT_TRUE(Disque.Supprime(Chemin("a.bak")));
    EXPECT_FALSE(Disque.Supprime(Chemin("a.bak")));
    EXPECT_FALSE(Disque.Deplace(Chemin("a.bak"), Chemin("b.bak")));
    EXPECT_TRUE(Contenu().empty());
}

} // namespace
