// The hook records (the routines a lower folder calls and an upper one provides) start with every hook missing: a
// missing hook is a wiring mistake of ours, so calling one stops the program with the hook's name instead of letting
// the call do nothing unseen. The program installs every record at start-up; a test installs what it exercises.
#pragma once

// Reports the call of a hook nobody installed, named "Record.Hook", through the handler below; the caller then goes
// on as if the hook had done nothing and answered its type's empty value.
void CrochetAbsent(const char* nom);

// The program's handler writes the name on the standard error and aborts; a test program makes it a test failure.
inline void (*SurCrochetAbsent)(const char* nom) = nullptr;
