// The program's entry: the application object, the main window, the event loop.
#include "app/Demarrage.h"

int main(int argc, char** argv)
{
    return Demarre(argc, argv);
}
