// The main window of the program.
#include "app/Principale.h"

TPrincipale::TPrincipale(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quivane"));
    resize(1000, 750);
}
