// The one Qt application of the app tests, made on first use and kept to the end of the run.
#include "ApplicationQt.h"

#include <QApplication>

void AssureApplicationQt()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char nom[] = "test_app";
    static char* argv[] = {nom, nullptr};
    static QApplication application(argc, argv);
}
