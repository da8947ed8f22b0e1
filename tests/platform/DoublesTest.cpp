// The scripted doubles: answers come back in order to the requests of their kind, and an unexpected request, a
// request of the other kind or an answer never used fails the test.
#include "doubles/ServicesDeTest.h"

#include "doubles/ApplicationQt.h"

#include <QPrinter>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(Doubles, LesReponsesPrepareesReviennentDansLOrdre)
{
    AssureApplicationQt();
    TServicesDeTest services;
    ASSERT_EQ(Services().Question, &services.Question);

    services.Question.Repond(ReponseNon);
    services.Question.Repond(ReponseAnnuler);
    EXPECT_EQ(Services().Question->Pose({.Titre = "Quivane - Nouveau", .Ligne1 = "Enregistrer ?"}), ReponseNon);
    EXPECT_EQ(Services().Question->Pose({.Titre = "Quivane - Quitter", .Ligne1 = "Enregistrer ?"}), ReponseAnnuler);
    ASSERT_EQ(services.Question.Posees.size(), 2u);
    EXPECT_EQ(services.Question.Posees[1].Titre, "Quivane - Quitter");

    services.DialoguesFichier.RepondOuvre("/tmp/a.qvd");
    services.DialoguesFichier.RepondEnregistreSous(std::nullopt);
    EXPECT_EQ(Services().DialoguesFichier->Ouvre({.Titre = "Quivane - Ouvrir un fichier"}), "/tmp/a.qvd");
    EXPECT_EQ(Services().DialoguesFichier->EnregistreSous({.Titre = "Quivane - Enregistrer sous"}), std::nullopt);

    services.DemandeFoyer.RepondDecalage("12,5");
    services.DemandeFoyer.RepondDistance(std::nullopt);
    EXPECT_EQ(Services().DemandeFoyer->DemandeDecalageFoyer(3), "12,5");
    EXPECT_EQ(Services().DemandeFoyer->DemandeDistanceFoyerDioptre(4), std::nullopt);
    ASSERT_EQ(services.DemandeFoyer.Demandes.size(), 2u);
    EXPECT_EQ(services.DemandeFoyer.Demandes[1].ValeurPrecedente, 4);

    services.Impression.RepondPdf("/tmp/rapport.pdf");
    services.Impression.RepondPdf(std::nullopt);
    const auto imprimante = Services().Impression->ChoisitImprimante("Quivane - Impression");
    ASSERT_NE(imprimante, nullptr);
    EXPECT_EQ(imprimante->outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(imprimante->outputFileName().toStdString(), "/tmp/rapport.pdf");
    EXPECT_EQ(Services().Impression->ChoisitImprimante("Quivane - Impression"), nullptr);

    MessageBeep(BipExclamation);
    MessageBeep(BipDefaut);
    MessageBeep(BipExclamation);
    EXPECT_EQ(services.Bip.Nombre(BipExclamation), 2);
    EXPECT_EQ(services.Bip.Nombre(BipDefaut), 1);
}

TEST(Doubles, LesServicesPrecedentsReviennentApresLeTest)
{
    const TServices avant = Services();
    {
        TServicesDeTest services;
        EXPECT_NE(Services().Bip, avant.Bip);
    }
    EXPECT_EQ(Services().Bip, avant.Bip);
    EXPECT_EQ(Services().Question, avant.Question);
    EXPECT_EQ(Services().Fichiers, avant.Fichiers);
}

TEST(Doubles, UneDemandeInattendueFaitEchouerLeTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            TQuestionScriptee question;
            EXPECT_EQ(question.Pose({.Titre = "Quivane - Lecture d'un fichier", .Ligne1 = "Fichier introuvable."}),
                      ReponseAnnuler);
        },
        "Fichier introuvable.");
    EXPECT_NONFATAL_FAILURE(
        {
            TDialoguesFichierScriptes dialogues;
            dialogues.Ouvre({.Titre = "Quivane - Ouvrir un fichier"});
        },
        "demande inattendue");
    EXPECT_NONFATAL_FAILURE(
        {
            TDemandeFoyerScriptee demande;
            demande.DemandeDecalageFoyer(0);
        },
        "demande inattendue");
    EXPECT_NONFATAL_FAILURE(
        {
            TImpressionScriptee impression;
            impression.ChoisitImprimante("Quivane - Impression");
        },
        "demande inattendue");
}

TEST(Doubles, UneDemandeDeLAutreSorteFaitEchouerLeTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            TDialoguesFichierScriptes dialogues;
            dialogues.RepondOuvre("/tmp/a.qvd");
            EXPECT_EQ(dialogues.EnregistreSous({.Titre = "Quivane - Enregistrer sous"}), std::nullopt);
        },
        "à la place de l'autre");
    EXPECT_NONFATAL_FAILURE(
        {
            TDemandeFoyerScriptee demande;
            demande.RepondDistance("10");
            EXPECT_EQ(demande.DemandeDecalageFoyer(0), std::nullopt);
        },
        "à la place de l'autre");
}

TEST(Doubles, UneReponseInutiliseeFaitEchouerLeTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            TQuestionScriptee question;
            question.Repond(ReponseOui);
        },
        "jamais demandée");
    EXPECT_NONFATAL_FAILURE(
        {
            TServicesDeTest services;
            services.DialoguesFichier.RepondEnregistreSous("/tmp/b.qvd");
        },
        "jamais demandée");
    EXPECT_NONFATAL_FAILURE(
        {
            TQuestionScriptee question;
            question.Repond(ReponseNon);
            question.Verifie();
        },
        "jamais demandée");
}

} // namespace
