// The optimisation dialog: the distance's validator on both decimal marks, the unit of an afocal device, and Cancel
// and the close box answering nothing.
#include "dialogs/Optimisation.h"

#include "FenetreReglages.h"
#include "optics/GenresBip.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class Optimisation : public FenetreReglages
{};

TEST_F(Optimisation, LaDistanceEstLueSurLesDeuxMarques)
{
    struct TCas
    {
        char Marque;
        const char* Tape;
        double Distance;
        const char* Texte;
        bool Bip;
    };
    const TCas cas[] = {
        {',', "0,005", 0, "0", true}, {'.', "0.005", 0, "0", true},       {',', "2.555", 2.555, "2,56", false},
        {'.', "12", 12, "12", false}, {',', "0,01", 0.01, "0,01", false}, {',', "", 0, "", false},
        {',', "abc", 0, "", false},   {',', "-3", 0, "", false},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(std::string(c.Tape) + " " + c.Marque);
        SeparateurDecimal = c.Marque;
        const TDistanceSaisie saisie = ValideDistanceOptimisation(c.Tape);
        EXPECT_EQ(saisie.Distance, c.Distance);
        EXPECT_EQ(saisie.Texte, c.Texte);
        EXPECT_EQ(saisie.Bip, c.Bip);
    }
}

TEST_F(Optimisation, OptimiserRepondLaDistanceEtLesAutresSortiesRien)
{
    TOptimisationForm fenetre;
    EXPECT_EQ(fenetre.windowTitle().toStdString(), "Quivane - Optimisation des diamètres");
    EXPECT_EQ(fenetre.SaisieDist->maxLength(), 4);
    struct TCas
    {
        const char* Nom;
        bool Afocal;
        const char* Tape;
        std::function<void()> Ferme;
        std::optional<double> Reponse;
        const char* Unite;
    };
    const TCas cas[] = {
        {"Optimiser", false, "2,5", [&] { fenetre.BoutonOptimiser->click(); }, 2.5, "mm"},
        {"afocal, 0,005", true, "0,005", [&] { fenetre.BoutonOptimiser->click(); }, 0.0, "°"},
        {"Annuler", false, "3", [&] { fenetre.BoutonAnnuler->click(); }, std::nullopt, "mm"},
        {"case de fermeture", false, "3", [&] { fenetre.close(); }, std::nullopt, "mm"},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        SeparateurDecimal = ',';
        std::string unite;
        QTimer::singleShot(0, &fenetre, [&] {
            unite = fenetre.LabelUnite->text().toStdString();
            fenetre.SaisieDist->setText(QString::fromUtf8(c.Tape));
            c.Ferme();
        });
        EXPECT_EQ(fenetre.Montre(c.Afocal), c.Reponse);
        EXPECT_EQ(unite, c.Unite);
    }
    EXPECT_EQ(Services.Bip.Nombre(BipDefaut), 1);
}

} // namespace
