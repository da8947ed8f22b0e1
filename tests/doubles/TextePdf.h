// The text of a printed PDF file as pdftotext reads it back, whole or page by page.
#pragma once

#include <string>
#include <vector>

// The whole text, pages separated by form feeds; `miseEnPage` keeps the page's layout. Empty when it cannot be read.
std::string TextePdf(const std::string& chemin, bool miseEnPage = false);

// The same text cut at each form feed, one string per page (the last one empty when the text ends with a form feed).
std::vector<std::string> PagesPdf(const std::string& chemin, bool miseEnPage = false);
