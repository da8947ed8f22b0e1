// The one place where the program connects its folders: every hook record the lower folders call (the editing
// ports, the refresh's relays, the design file's window effects, the model's notifications, the sheet's clicks, the
// lists, the glass catalogue, the table frames, the tool dialogs) gets the program's routines here, once, at
// start-up. The routines reach the main window only while it exists, so they may run before or after it.
#pragma once

// Installs every hook of the program.
void InstalleCrochets();
