// The commands "Annuler" (Ctrl+Z) and "Rétablir" (Shift+Ctrl+Z): the design rebuilt from one record fewer or one
// record more of the journal. The first record, the design the journal starts from, is never undone.
#pragma once

void AnnulerExecute();
void RetablirExecute();
