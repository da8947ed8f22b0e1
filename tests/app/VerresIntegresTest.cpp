// A spectral line chosen over a table whose glass the catalogue file lacks: the row takes the index of the glass the
// program knows without the file, and undo and redo read it there again.
#include "JournalTest.h"
#include "app/AnnulerRefaire.h"
#include "dialogs/IndexCalcul.h"

#include <gtest/gtest.h>

namespace {

class VerresIntegres : public JournalTest
{};

TEST_F(VerresIntegres, UneLigneChoisieLitLeVerreAbsentDuCatalogueParmiLesVerresIntegresEtLeRejeuAussi)
{
    // LaK7 is no glass of the test catalogue.
    OuvreBase(TTypeInstrument::Cassegrain, false, [] {
        PoseDispositif();
        Dispositif.MatiereDioptre[2] = "LaK7";
    });
    const auto base = ConceptionRafraichie();
    ChoisitLigne(TTableEditee::Dispositif, SaisieLongueurOndeRouge, 7);
    EXPECT_EQ(Dispositif.IndiceRouge[2], IndiceVerreIntegre("LaK7", 7));
    EXPECT_GT(Dispositif.IndiceRouge[2], 1.6f);
    const auto modifiee = ConceptionRafraichie();

    AnnulerExecute();
    EXPECT_EQ(Ecarts(Conception(), base), "");
    RetablirExecute();
    EXPECT_EQ(Ecarts(Conception(), modifiee), "");
}

} // namespace
