// The fixture of the sheet's tests: a fresh design state, the "," decimal mark, and the sheet's images on recording
// canvases with fixed metrics (11 px Arial: 5 px per character, 6 in bold).
#pragma once

#include "doubles/CanevasEnregistreur.h"
#include "optics/Notifications.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "sheet/ImpressionTableau.h"
#include "support/Formes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

class FicheDeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationGraphique();
        // The sheet shows what the model computes; the model's beeps and questions are its own tests' business.
        Notifications = NotificationsMuettes;
        SeparateurDecimal = ',';
        ImagesFiche = {&Fenetre, &Grille, &Ligne, &LigneMiroirActive, &LigneSchmidt, &TableauSchmidt, &CaseArl};
    }
    void TearDown() override { SeparateurDecimal = '.'; }

    // The slots whose box holds a point: the ones the last full repaint recorded.
    static std::set<int> CasesEnregistrees()
    {
        std::set<int> cases;
        for (int k = 0; k < NombreCasesValeur; ++k)
        {
            const TCase& c = MiseEnPage.CaseValeur[static_cast<std::size_t>(k)];
            if (EstDansCase(c, (c.Left + c.Right) / 2, (c.Top + c.Bottom) / 2))
                cases.insert(k);
        }
        return cases;
    }

    static bool ContientTexte(const TCanevasEnregistreur& canevas, const std::string& debut)
    {
        const auto textes = canevas.Textes();
        return std::any_of(textes.begin(), textes.end(),
                           [&](const TAppelCanevas& appel) { return appel.Texte.rfind(debut, 0) == 0; });
    }

    TCanevasEnregistreur Fenetre{800, 800};
    TCanevasEnregistreur Grille{762, 529};
    TCanevasEnregistreur Ligne{762, 17};
    TCanevasEnregistreur LigneMiroirActive{762, 17};
    TCanevasEnregistreur LigneSchmidt{449, 17};
    TCanevasEnregistreur TableauSchmidt{762, 48};
    TCanevasEnregistreur CaseArl{55, 17};
};
