// The text of a PDF file read back through pdftotext.
#include "TextePdf.h"

#include <array>
#include <cstdio>

std::string TextePdf(const std::string& chemin, bool miseEnPage)
{
    const std::string commande =
        std::string("pdftotext -enc UTF-8 ") + (miseEnPage ? "-layout " : "") + "'" + chemin + "' - 2>/dev/null";
    std::string texte;
    if (FILE* flux = popen(commande.c_str(), "r"))
    {
        std::array<char, 4096> tampon{};
        std::size_t lus = 0;
        while ((lus = fread(tampon.data(), 1, tampon.size(), flux)) > 0)
            texte.append(tampon.data(), lus);
        pclose(flux);
    }
    return texte;
}

std::vector<std::string> PagesPdf(const std::string& chemin, bool miseEnPage)
{
    std::vector<std::string> pages(1);
    for (const char c : TextePdf(chemin, miseEnPage))
    {
        if (c == '\f')
            pages.emplace_back();
        else
            pages.back().push_back(c);
    }
    return pages;
}
