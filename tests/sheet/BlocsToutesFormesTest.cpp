// Every form's block, expanded and collapsed, drawn on real images and printed to a PDF file: nothing breaks, every
// recorded box lies inside the image it was painted on, and the device heading fits below the block.
#include "FicheDeTest.h"

#include "optics/Validite.h"
#include "platform/CanevasImage.h"
#include "platform/CanevasImprimante.h"
#include "sheet/ImpressionTableau.h"
#include "sheet/Tableau.h"
#include "sheet/TableauGroupe.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

class BlocsToutesFormes : public FicheDeTest
{
protected:
    void SetUp() override
    {
        FicheDeTest::SetUp();
        ImagesFiche = {&Fenetre_, &Grille_, &Ligne_, &LigneMiroirActive_, &LigneSchmidt_, &TableauSchmidt_, &CaseArl_};
        ImagesGroupe = {&TableauKlevtsov_, &CaseZf_, &LigneMiroir_, &EpaisseurOff_};
    }

    static bool DansImage(const TCase& c, const ICanevas& image)
    {
        return c.Left >= 0 && c.Top >= 0 && c.Right <= image.Largeur() && c.Bottom <= image.Hauteur();
    }

    TCanevasImage Fenetre_{800, 800};
    TCanevasImage Grille_{762, 529};
    TCanevasImage Ligne_{762, 17};
    TCanevasImage LigneMiroirActive_{762, 17};
    TCanevasImage LigneSchmidt_{449, 17};
    TCanevasImage TableauSchmidt_{762, 48};
    TCanevasImage CaseArl_{55, 17};
    TCanevasImage TableauKlevtsov_{762, 60 + 16 * (NombreMaxDioptresGroupe + 1)};
    TCanevasImage CaseZf_{75, 17};
    TCanevasImage LigneMiroir_{762, 17};
    TCanevasImage EpaisseurOff_{47, 17};
};

} // namespace

TEST_F(BlocsToutesFormes, ChaqueFormeSeDessineEtSImprimeDansSesImages)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    std::vector<TTypeInstrument> formes(FormesInstrument.begin(), FormesInstrument.end());
    formes.push_back(TTypeInstrument::Aucun);
    for (TTypeInstrument forme : formes)
    {
        for (const auto& [vierge, developpe] : {std::pair{false, true}, std::pair{false, false}, std::pair{true, true}})
        {
            SCOPED_TRACE(std::to_string(static_cast<int>(forme)) + (developpe ? " développé" : " replié") +
                         (vierge ? " vierge" : ""));
            // A form just chosen has nothing entered: every value 0, no group row.
            ReinitialiseEtat();
            if (vierge)
                Instrument.TypeInstrument = forme;
            else if (forme != TTypeInstrument::Aucun)
                ConstruitFormeValide(forme);
            Edition.InstrumentDeveloppe = developpe;
            Edition.AMettreAJour = true;
            VerifieValidite();
            DessineTableau();

            for (int k = 0; k < NombreCasesValeur; ++k)
            {
                const TCase& c = MiseEnPage.CaseValeur[static_cast<std::size_t>(k)];
                if (!EstDansCase(c, (c.Left + c.Right) / 2, (c.Top + c.Bottom) / 2))
                    continue;
                // The meniscus values are painted on the plate's table, every other value on the sheet.
                const bool surLame = k == CaseRayonMenisque1 || k == CaseRayonMenisque2 || k == CaseDiametreMenisque;
                EXPECT_TRUE(DansImage(c, surLame ? static_cast<const ICanevas&>(TableauSchmidt_) : Fenetre_))
                    << "case " << k << " (" << c.Left << ", " << c.Top << ", " << c.Right << ", " << c.Bottom << ")";
            }
            EXPECT_TRUE(DansImage(MiseEnPage.CaseBasculeInstrument, Fenetre_));
            EXPECT_TRUE(DansImage(MiseEnPage.CaseTitreDispositif, Fenetre_));
            EXPECT_GT(MiseEnPage.OrdonneeDispositif, MiseEnPage.OrdonneePremiereLigne);

            const QString chemin =
                dossier.filePath(QString("forme%1-%2-%3.pdf").arg(static_cast<int>(forme)).arg(developpe).arg(vierge));
            QPrinter imprimante(QPrinter::HighResolution);
            imprimante.setOutputFormat(QPrinter::PdfFormat);
            imprimante.setOutputFileName(chemin);
            {
                TCanevasImprimante impression(imprimante);
                ASSERT_TRUE(impression.Debute());
                ImprimeTableau(impression);
                impression.Termine();
            }
            EXPECT_GT(QFileInfo(chemin).size(), 0);
        }
    }
}
