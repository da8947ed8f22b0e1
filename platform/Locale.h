// The user's locale as the program sees it.
#pragma once

// The decimal mark of the locale, "," or "." (any other mark reads as "."), for SeparateurDecimal at start-up.
char SeparateurDecimalDuSysteme();
