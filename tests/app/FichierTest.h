// What the design-file tests share: a fresh design and shell state, the scripted services, a temporary folder, and
// files written or read byte for byte.
#pragma once

#include "doubles/ServicesDeTest.h"
#include "app/Etat.h"
#include "app/FichierFenetre.h"
#include "app/FichierLecture.h"
#include "app/Journal.h"
#include "editing/Nombres.h"
#include "platform/Format.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class FichierTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SeparateurAvant = SeparateurDecimal;
        SeparateurDecimal = ',';
        std::string modele = (std::filesystem::temp_directory_path() / "quivane-fichier-XXXXXX").string();
        Dossier = mkdtemp(modele.data());
    }

    void TearDown() override
    {
        std::filesystem::remove_all(Dossier);
        SeparateurDecimal = SeparateurAvant;
    }

    std::string Chemin(const std::string& nom) const { return (std::filesystem::path(Dossier) / nom).string(); }

    // Writes the lines as they are, each followed by CR LF; the texts are taken as bytes.
    static void EcritFichier(const std::string& chemin, const std::vector<std::string>& lignes)
    {
        std::ofstream fichier(chemin, std::ios::binary);
        for (const std::string& ligne : lignes)
            fichier << ligne << "\r\n";
    }

    static std::string Octets(const std::string& chemin)
    {
        std::ifstream fichier(chemin, std::ios::binary);
        return {std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
    }

    // The texts of the boxes shown so far, caption and first line.
    std::vector<std::string> Boites() const
    {
        std::vector<std::string> boites;
        for (const TQuestion& question : Services.Question.Posees)
            boites.push_back(question.Titre + " / " + question.Ligne1);
        return boites;
    }

    // A whole-design read of the file.
    bool Ouvre(const std::string& chemin)
    {
        Etat.CheminDocument = chemin;
        Lecture.ModeLecture = ModeOuvreFichier;
        Lecture.LectureInstrumentSeul = false;
        Lecture.LectureDispositifSeul = false;
        return LitFichierConception();
    }

    TServicesDeTest Services;
    std::string Dossier;
    char SeparateurAvant = '.';
};
