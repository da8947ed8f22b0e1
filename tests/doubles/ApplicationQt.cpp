// The test program's application object, made on first need.
#include "ApplicationQt.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// The application is deleted once every test has run, while Qt's own statics still exist: destroyed as a static
// after them, the keyboard that a synthetic key event creates as its child would crash the program on its way out,
// and never destroyed, the font configuration it holds is reported as leaked.
class FinApplicationQt : public testing::Environment {
public:
    void TearDown() override { delete QCoreApplication::instance(); }
};

}

void AssureApplicationQt()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char nom[] = "quivane-tests";
    static char* argv[] = {nom, nullptr};
    new QApplication(argc, argv);
    static const bool inscrite = (testing::AddGlobalTestEnvironment(new FinApplicationQt), true);
    (void)inscrite;
}
