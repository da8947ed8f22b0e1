// The test program's application object, made on first need.
#include "ApplicationQt.h"

#include <QApplication>

void AssureApplicationQt()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    static int argc = 1;
    static char nom[] = "quivane-tests";
    static char* argv[] = {nom, nullptr};
    static QApplication application(argc, argv);
}
