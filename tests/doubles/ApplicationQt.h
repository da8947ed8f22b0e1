// The application object that fonts, printers and the clipboard need; one lives for the whole test program.
#pragma once

void AssureApplicationQt();
