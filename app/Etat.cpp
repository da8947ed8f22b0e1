// The one instance of the shell's shared state.
#include "app/Etat.h"

TEtatApplication Etat;
