// The tool dialogs as their commands reach them: Esc closes each one without an answer (and the test program still
// ends cleanly after that synthetic key), and once the main window is gone each answers as cancelled.
#include "dialogs/Homothetie.h"
#include "dialogs/Optimisation.h"
#include "dialogs/Ross.h"
#include "dialogs/RossCalcul.h"

#include "FenetreReglages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

class Outils : public FenetreReglages
{};

// Esc pressed on the dialog open (a box of the Ross dialog keeps it to bring its own value back).
void EchapDansLeDialogue()
{
    QWidget* dialogue = QApplication::activeModalWidget();
    ASSERT_NE(dialogue, nullptr);
    QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialogue, &echap);
    // A dialog that keeps the key for itself stays open: close it so that the test ends.
    if (QApplication::activeModalWidget() == dialogue)
    {
        ADD_FAILURE() << "Esc left the dialog open";
        dialogue->close();
    }
}

TEST_F(Outils, EchapFermeChaqueDialogueSansReponseEtSansFenetreIlsRepondentAnnule)
{
    struct TCas
    {
        const char* Nom;
        void (*FixeParent)(QWidget*);
        std::function<bool()> Montre; // whether an answer came
    };
    const TCas cas[] = {
        {"homothetie", FixeParentHomothetie,
         [] {
             return MontreHomothetie({true, true}).has_value();
         }},
        {"optimisation", FixeParentOptimisation, [] { return MontreOptimisation(false).has_value(); }},
        {"Ross", FixeParentRoss, [] { return MontreRoss(SaisieRossInitiale()).has_value(); }},
    };
    for (const TCas& c : cas)
    {
        SCOPED_TRACE(c.Nom);
        {
            QWidget principale;
            c.FixeParent(&principale);
            for (int fois = 0; fois < 2; ++fois)
            {
                QTimer::singleShot(0, [] { EchapDansLeDialogue(); });
                EXPECT_FALSE(c.Montre());
            }
        }
        // The window and its dialog are gone.
        EXPECT_FALSE(c.Montre());
        c.FixeParent(nullptr);
    }
}

} // namespace
