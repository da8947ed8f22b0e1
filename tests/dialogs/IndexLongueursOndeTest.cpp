// A new Newton typed from scratch through the type list, with a lens device and a lens group of catalogue glasses:
// every spectral line chosen in every channel gives each row the catalogue's index at that line, by glass name.
#include "dialogs/IndexCalcul.h"
#include "doubles/ServicesDeTest.h"
#include "editing/EtatEdition.h"
#include "editing/ListeTypes.h"
#include "editing/Ports.h"
#include "platform/Format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

std::vector<TEnregistrementJournal> Journal;

class LongueursOndeCatalogue : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::remove(FichierIndices().c_str());
        SeparateurPrecedent = SeparateurDecimal;
        SeparateurDecimal = ',';
        Services.Question.Repond(ReponseOk);
        VerifieCatalogue();
        Journal.clear();
        PortsEdition.AjouteAuJournal = [](const TEnregistrementJournal& e) { Journal.push_back(e); };
        PortsCatalogue.Lit = [] { return LitCatalogue(); };
    }
    void TearDown() override { SeparateurDecimal = SeparateurPrecedent; }

    TServicesDeTest Services;
    char SeparateurPrecedent = '.';
};

float IndiceAttendu(const std::string& nom, TLongueurOnde ligne)
{
    if (ligne < 1)
        return 0.0f;
    if (nom == "Air" || nom == "Air - Diaphragme")
        return IndicesAir[static_cast<std::size_t>(ligne)];
    return IndiceVerreIntegre(nom, ligne);
}

// The line whose wavelength the entry shows.
TLongueurOnde LigneDeLEntree(std::string entree)
{
    std::replace(entree.begin(), entree.end(), ',', '.');
    const double nm = std::stod(entree);
    for (TLongueurOnde k = 1; k <= NombreLongueursOnde; ++k)
        if (std::abs(TableLongueursOnde[static_cast<std::size_t>(k)] - nm) < 0.05)
            return k;
    return 0;
}

TEST_F(LongueursOndeCatalogue, UnNewtonNeufSuitLeCatalogueAChaqueRaie)
{
    ASSERT_TRUE(ChoisitTypeInstrument("Télescope de Newton"));
    ASSERT_EQ(Journal.size(), 1u);
    Dispositif.NombreDioptres = 3;
    const std::vector<std::string> verresDispositif = {"BK7", "Air - Diaphragme", "sf2"};
    for (std::size_t r = 0; r < verresDispositif.size(); ++r)
        Dispositif.MatiereDioptre[r + 2] = verresDispositif[r];
    Groupe.NombreDioptresGroupe = 2;
    Groupe.MatiereGroupe[1] = "F2";
    Groupe.MatiereGroupe[2] = "Air";

    for (TTableEditee table : {TTableEditee::Dispositif, TTableEditee::Groupe})
        for (int canal = 1; canal <= 3; ++canal)
        {
            LongueursOnde = {8, 13, 15};
            Edition.TableEditee = table;
            EtatSaisie.CodeSaisie = SaisieLongueurOndeRouge + canal - 1;
            EtatSaisie.CanalLongueurOnde = canal;
            PrepareListeLongueurOnde();
            const std::vector<std::string> entrees = ListeLongueursOnde.Entrees;
            for (const std::string& entree : entrees)
            {
                SCOPED_TRACE("table " + std::to_string(static_cast<int>(table)) + ", canal " + std::to_string(canal) +
                             ", " + entree);
                const TLongueursOnde avant = LongueursOnde;
                const std::size_t enregistrements = Journal.size();
                EtatSaisie.CodeSaisie = SaisieLongueurOndeRouge + canal - 1;
                ListeLongueursOnde.Texte = entree;
                ChoisitLongueurOnde();
                const TLongueurOnde ligne = canal == 1   ? LongueursOnde.LongueurOndeRouge
                                            : canal == 2 ? LongueursOnde.LongueurOndeVerte
                                                         : LongueursOnde.LongueurOndeBleue;
                const TLongueurOnde ligneAvant = canal == 1   ? avant.LongueurOndeRouge
                                                 : canal == 2 ? avant.LongueurOndeVerte
                                                              : avant.LongueurOndeBleue;
                EXPECT_EQ(Journal.size(), enregistrements + (ligne != ligneAvant ? 1u : 0u));
                // The empty entry chooses nothing: the line and the indices stay.
                if (entree.empty())
                {
                    EXPECT_EQ(ligne, ligneAvant);
                    continue;
                }
                EXPECT_EQ(ligne, LigneDeLEntree(entree));
                const auto colonne = [&](int c, auto& rouge, auto& vert, auto& bleu) -> auto&
                {
                    return c == 1 ? rouge : c == 2 ? vert : bleu;
                };
                if (table == TTableEditee::Dispositif)
                    for (std::size_t r = 0; r < verresDispositif.size(); ++r)
                    {
                        const float lu =
                            colonne(canal, Dispositif.IndiceRouge, Dispositif.IndiceVert, Dispositif.IndiceBleu)[r + 2];
                        EXPECT_FLOAT_EQ(lu, IndiceAttendu(verresDispositif[r], ligne)) << verresDispositif[r];
                    }
                else
                    for (std::size_t r = 1; r <= 2; ++r)
                    {
                        const float lu = colonne(canal, Groupe.IndiceRougeGroupe, Groupe.IndiceVertGroupe,
                                                 Groupe.IndiceBleuGroupe)[r];
                        EXPECT_FLOAT_EQ(lu, IndiceAttendu(Groupe.MatiereGroupe[r], ligne)) << Groupe.MatiereGroupe[r];
                    }
            }
        }
}

} // namespace
