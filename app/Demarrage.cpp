// Start-up of the program: application object, main window, command-line design file, event loop.
#include "app/Demarrage.h"

#include "app/Principale.h"

#include <QApplication>

int Demarre(int argc, char** argv)
{
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Quivane"));
    TPrincipale principale;
    principale.show();
    return application.exec();
}
