// The user's locale as the program sees it.
#pragma once

// The decimal mark of the locale, "," or "." (any other mark reads as "."), for SeparateurDecimal at start-up.
char SeparateurDecimalDuSysteme();

// Qt's own texts (file and print dialogs, their questions and buttons) in French, as the program's own are whatever
// the locale; false when the translations are not installed, and the dialogs then keep Qt's English.
bool InstalleTraductionsQt();
