// The two star views printed one after the other into a PDF file, read back as text.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>

#include <string>

#include "Conceptions.h"
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "doubles/TextePdf.h"
#include "optics/Modele.h"
#include "platform/CanevasImprimante.h"
#include "stars/EtoileMultiple.h"
#include "stars/EtoileUnique.h"

namespace {

// The six stars and the single star of a Newton, on paper: their texts can be read back, and the second block,
// which does not fit under the first, moves to a new page headed with the document's name. The Airy radius, 1.22
// lambda F / D = 3.33 µm for a clear aperture, shrinks a little with the flat's obstruction.
TEST(ImpressionEtoiles, LesDeuxVuesSImprimentEnBlocsLisibles)
{
    AssureApplicationGraphique();
    TServicesDeTest services;
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("etoiles.pdf");
    QPrinter imprimante{QPrinter::HighResolution};
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setResolution(600);
    imprimante.setOutputFileName(chemin);

    NewtonEtoiles(true);
    Reglages.DistanceAxeEtoile = 0;
    {
        TCanevasImprimante impression(imprimante);
        ASSERT_TRUE(impression.Debute());
        impression.Canevas().Police().FixeTaille(9);
        TPositionImpression position{100, 100, 200, 8, "/documents/newton.qvd"};
        ImprimeEtoileMultiple(impression, position);
        ImprimeEtoileUnique(impression, position, true);
        impression.Termine();
    }
    const std::string texte = TextePdf(chemin.toStdString());
    for (const char* attendu : {"Dist = 25' = 7.272 mm", "Distance focale = 1000.0 mm", "1 division = 0.01 mm",
                                "Suite de : newton.qvd", "Rapport de Strehl = 1",
                                "Luminosité = ", "Distance à l'axe = 0 ' = 0.000 mm", "Décalage du Foyer = ", "ρ = 3."})
    {
        SCOPED_TRACE(attendu);
        EXPECT_NE(texte.find(attendu), std::string::npos) << texte;
    }
}

} // namespace
