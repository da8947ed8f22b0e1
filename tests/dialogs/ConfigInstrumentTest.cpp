// The instrument drawing colours: a step applied at once and kept by Cancel, journaled without marking the design
// modified; no change, no record; the record's replay.
#include "dialogs/ConfigInstrument.h"
#include "dialogs/ConfigInstrumentCalcul.h"

#include "FenetreReglages.h"
#include "dialogs/CaseRVB.h"
#include "platform/ImageVue.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>

namespace {

class CouleursInstrument : public FenetreReglages
{
protected:
    static void Lance(const std::function<void(TConfigInstrumentForm&)>& action)
    {
        LanceFenetre<TConfigInstrumentForm>(ConfigInstrumentForm, ConfigInstrumentExecute, action);
    }
};

} // namespace

TEST_F(CouleursInstrument, UnPasGardeParAnnulerEstJournaliseSansModifier)
{
    // Mirrors 0xD6D618 (R 24, G 214, B 214), lenses 0xB7F5DE (R 222, G 245, B 183).
    Lance([](TConfigInstrumentForm& f) {
        f.ComposanteClick(5);
        f.CaseRVB->Appui(30, 12);
        EXPECT_EQ(f.Valeurs[4]->text().toStdString(), "235");
        f.ButtonAnnuler->click();
    });
    EXPECT_EQ(Instrument.TeinteMiroirs, 0xD6D618u);
    EXPECT_EQ(Instrument.TeinteLentilles, CouleurRVB(222, 235, 183));
    ASSERT_EQ(Appels.Enregistrements.size(), 1u);
    const TEnregistrementJournal& e = Appels.Enregistrements[0];
    EXPECT_EQ(e.Code, CodeJournalTeintesInstrument);
    EXPECT_EQ(e.Index, 14079512);
    EXPECT_EQ(e.Valeur, std::to_string(CouleurRVB(222, 235, 183)));
    EXPECT_FALSE(Edition.DocumentModifie);
    EXPECT_TRUE(Edition.AMettreAJour);

    // No step, or a click on a number part: no record.
    Lance([](TConfigInstrumentForm& f) {
        f.CaseRVB->Appui(10, 12);
        f.ButtonOk->click();
    });
    EXPECT_EQ(Appels.Enregistrements.size(), 1u);
}

TEST_F(CouleursInstrument, LEnregistrementRendLesDeuxCouleurs)
{
    EXPECT_TRUE(AppliqueTeintesInstrument(0x102030, "4210752"));
    EXPECT_EQ(Instrument.TeinteMiroirs, 0x102030u);
    EXPECT_EQ(Instrument.TeinteLentilles, 4210752u);
    for (const auto& [index, valeur] : {std::pair{-1, "5"}, std::pair{5, "x"}, std::pair{5, "16777216"}})
    {
        SCOPED_TRACE(valeur);
        EXPECT_FALSE(AppliqueTeintesInstrument(index, valeur));
        EXPECT_EQ(Instrument.TeinteMiroirs, 0x102030u);
    }
}
