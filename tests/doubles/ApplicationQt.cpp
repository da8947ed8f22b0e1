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
    // Never destroyed: a static application would be destroyed at exit after Qt's own statics, and the keyboard
    // that a synthetic key event creates as its child would then crash the program on its way out.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
}
