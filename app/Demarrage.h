// Start-up of the program: application object, main window, command-line design file, event loop.
#pragma once

int Demarre(int argc, char** argv);
