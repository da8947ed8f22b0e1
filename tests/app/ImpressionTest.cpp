// Printing to a PDF file read back as text: the report's first page through the print dialog, a cancelled dialog,
// and a long lens device continued on further pages.
#include "app/Etat.h"
#include "app/Impression.h"
#include "app/Rafraichissement.h"
#include "doubles/CanevasEnregistreur.h"
#include "doubles/ServicesDeTest.h"
#include "doubles/TextePdf.h"
#include "optics/Modele.h"
#include "optics/Validite.h"
#include "platform/CanevasImprimante.h"
#include "platform/Format.h"
#include "sheet/Fiche.h"
#include "support/Formes.h"

#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> PagesLues(const std::string& chemin)
{
    std::vector<std::string> pages = PagesPdf(chemin, true);
    if (pages.back().empty())
        pages.pop_back();
    return pages;
}

bool Contient(const std::string& page, const std::string& texte)
{
    return page.find(texte) != std::string::npos;
}

class Impression : public testing::Test
{
protected:
    void SetUp() override
    {
        AssureApplicationGraphique();
        ASSERT_TRUE(Dossier.isValid());
        SeparateurDecimal = ',';
        ConstruitFormeValide(TTypeInstrument::Newton);
        Etat.NomEnregistrement = "/home/moi/Mon Newton.qvd";
        Etat.CheminDocument = "/home/moi/Mon Newton.qvd";
        Etat.VueCourante = TVue::Tableau;
    }
    void TearDown() override { SeparateurDecimal = '.'; }

    static void Dioptres(int nombre)
    {
        Dispositif.NombreDioptres = nombre;
        Dispositif.TitreDispositif = "Correcteur d'essai";
        for (int i = 1; i <= nombre; ++i)
        {
            const std::size_t r = static_cast<std::size_t>(i);
            Dispositif.RayonDioptre[r] = i % 2 == 1 ? 250.0 : -250.0;
            Dispositif.EpaisseurDioptre[r] = i % 2 == 1 ? 4.0 : 12.0;
            Dispositif.DiametreDioptre[r] = 60;
            const float indice = i % 2 == 1 ? 1.5168f : 1.000277f;
            Dispositif.IndiceRouge[r + 1] = Dispositif.IndiceVert[r + 1] = Dispositif.IndiceBleu[r + 1] = indice;
            Dispositif.MatiereDioptre[r + 1] = i % 2 == 1 ? "BK7" : "Air";
        }
        Validite.DispositifPresent = true;
    }

    std::string Chemin(const char* nom) const { return Dossier.filePath(nom).toStdString(); }

    QTemporaryDir Dossier;
    TServicesDeTest Services;
};

} // namespace

TEST_F(Impression, LaPremierePageATitreBlocEtTableau)
{
    Dioptres(2);
    Edition.TableEditee = TTableEditee::Groupe;
    const std::string pdf = Chemin("vue.pdf");
    Services.Impression.RepondPdf(pdf);
    Etat.AImprimerVue = true;
    Edition.AMettreAJour = true;
    RafraichitVue();
    EXPECT_FALSE(Etat.AImprimerVue);
    EXPECT_EQ(Services.Impression.TitresTravaux, std::vector<std::string>{"Quivane - Impression"});
    const auto pages = PagesLues(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const std::string& page = pages[0];
    EXPECT_TRUE(Contient(page, "Simulation optique de : Mon Newton")) << page;
    EXPECT_TRUE(Contient(page, "Imprimé avec le logiciel Quivane V 3.3.0")) << page;
    EXPECT_TRUE(Contient(page, "Télescope de Newton")) << page;
    EXPECT_TRUE(Contient(page, "Diamètre du miroir primaire = 200 mm")) << page;
    EXPECT_TRUE(Contient(page, "F/D = 5,00")) << page;
    // Computed by the refresh before the job: the flat obstructs a quarter of the aperture, which brings the first
    // dark ring in from 1.22 to 1.13 lambda F/D: 1.13 x 546.1 nm x 5 = 3.09 µm, 0.64" at 1000 mm.
    EXPECT_TRUE(Contient(page, "Rayon de la tache de diffraction = 3,09 µm = 0,64\" pour")) << page;
    EXPECT_TRUE(Contient(page, "Petit côté du miroir plan = 50 mm")) << page;
    EXPECT_TRUE(Contient(page, "Dispositif Dioptrique")) << page;
    EXPECT_TRUE(Contient(page, "Correcteur d'essai")) << page;
    EXPECT_TRUE(Contient(page, "Matière")) << page;
    EXPECT_TRUE(Contient(page, "-250,00")) << page;
    EXPECT_TRUE(Contient(page, "1,516800")) << page;
    EXPECT_FALSE(Contient(page, "Suite de")) << page;
    EXPECT_EQ(Edition.TableEditee, TTableEditee::Groupe);
}

TEST_F(Impression, UnDialogueAnnuleNImprimeRien)
{
    Services.Impression.RepondPdf(std::nullopt);
    Etat.AImprimerTout = true;
    RafraichitVue();
    EXPECT_FALSE(Etat.AImprimerTout);
    EXPECT_FALSE(Etat.AImprimerVue);
    EXPECT_EQ(Services.Impression.TitresTravaux.size(), 1u);
}

TEST_F(Impression, TrenteDioptresSurUnePageCourteSePoursuiventSurUnePageDeSuite)
{
    Dioptres(30);
    const std::string pdf = Chemin("court.pdf");
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setResolution(300);
    imprimante.setPageSize(QPageSize(QSizeF(210, 120), QPageSize::Millimeter));
    imprimante.setOutputFileName(QString::fromStdString(pdf));
    {
        TCanevasImprimante travail(imprimante);
        ASSERT_TRUE(travail.Debute());
        ImprimeTravail(travail, false);
        travail.Termine();
    }
    const auto pages = PagesLues(pdf);
    ASSERT_GE(pages.size(), 3u);
    EXPECT_TRUE(Contient(pages[0], "Simulation optique de : Mon Newton"));
    for (std::size_t p = 1; p < pages.size(); ++p)
    {
        SCOPED_TRACE(p);
        EXPECT_TRUE(Contient(pages[p], "Suite de : Mon Newton.qvd")) << pages[p];
        EXPECT_TRUE(Contient(pages[p], "courbure (mm)")) << pages[p];
    }
    EXPECT_TRUE(Contient(pages.back(), " 30 ")) << pages.back();
}

TEST_F(Impression, LesVuesImprimeesSuiventLaValidite)
{
    // A device whose second row has no thickness: present but invalid.
    Dioptres(2);
    Dispositif.EpaisseurDioptre[2] = -1;
    VerifieInstrument();
    VerifieDispositif();
    ASSERT_TRUE(Validite.InstrumentValide);
    ASSERT_FALSE(Validite.DispositifValide);
    const std::pair<TVue, bool> cas[] = {
        {TVue::Instrument, true},   {TVue::Dispositif, false}, {TVue::Champ, true},   {TVue::EtoileMultiple, true},
        {TVue::EtoileUnique, true}, {TVue::Tableau, false},    {TVue::Depart, false}, {TVue::Aucune, false},
    };
    for (const auto& [vue, imprimee] : cas)
    {
        SCOPED_TRACE(static_cast<int>(vue));
        EXPECT_EQ(VueImprimable(vue, Validite), imprimee);
    }
    Validite.InstrumentValide = false;
    Validite.DispositifValide = true;
    EXPECT_TRUE(VueImprimable(TVue::Dispositif, Validite));
    EXPECT_FALSE(VueImprimable(TVue::Champ, Validite));
}
