// The sheet's tables and lines measured with the fonts the program draws with, not the fixed metrics of the other
// sheet tests: a heading wider than its column, a sign under a box or a raised letter shows only there.
#include "BlocsDeTest.h"

#include "platform/CanevasImage.h"
#include "sheet/FondsImages.h"
#include "sheet/Tableau.h"
#include "sheet/TableauGroupe.h"

namespace {

struct TTexteMesure
{
    int X, Y, Largeur, Hauteur;
    std::string Texte;
    std::string Police;
};

// The program's own image, each text logged with its width and height in the font it was drawn in.
class TCanevasMesure : public TCanevasImage
{
public:
    using TCanevasImage::TCanevasImage;
    void TextOut(int x, int y, const std::string& texte) override
    {
        Textes.push_back({x, y, TextWidth(texte), TextHeight(texte), texte, Police().Nom});
        TCanevasImage::TextOut(x, y, texte);
    }
    std::vector<TTexteMesure> Textes;
};

class TextesMesures : public BlocDeTest
{};

// The column rules of the three tables' headings, and where each index column's wavelength box starts.
constexpr std::array<int, 9> Regles = {1, 42, 120, 195, 258, 353, 448, 543, 761};

// Every text of a heading lies between two rules of its columns, and each "=" ends before the wavelength box.
void VerifieEntete(const TCanevasMesure& c, int basEntete, const std::array<int, 3>& boites)
{
    int egaux = 0;
    for (const TTexteMesure& t : c.Textes)
    {
        if (t.Y >= basEntete)
            continue;
        SCOPED_TRACE(t.Texte);
        const auto droite = std::upper_bound(Regles.begin(), Regles.end(), t.X);
        ASSERT_NE(droite, Regles.end());
        EXPECT_LE(t.X + t.Largeur, *droite);
        if (t.Texte.find('=') != std::string::npos)
        {
            const auto boite = std::upper_bound(boites.begin(), boites.end(), t.X);
            ASSERT_NE(boite, boites.end());
            EXPECT_LE(t.X + t.Largeur, *boite);
            ++egaux;
        }
    }
    EXPECT_EQ(egaux, 3);
}

} // namespace

TEST_F(TextesMesures, LesEntetesDesTablesTiennentDansLeursColonnes)
{
    {
        SCOPED_TRACE("dispositif");
        TCanevasMesure grille(762, 529);
        DessineGrilleFond(grille);
        VerifieEntete(grille, 49, {279, 374, 469});
    }
    {
        SCOPED_TRACE("groupe");
        ConstruitFormeValide(TTypeInstrument::KlevtsovCassegrain);
        TCanevasMesure groupe(762, 268);
        ImagesGroupe.TableauKlevtsov = &groupe;
        DessineTableauGroupe({"Groupe réfracto-réflecteur de Klevtsov", 2}, Groupe.NombreDioptresGroupe);
        ImagesGroupe.TableauKlevtsov = nullptr;
        std::erase_if(groupe.Textes, [](const TTexteMesure& t) { return t.Y < 20; });
        VerifieEntete(groupe, HauteurEnteteGroupe, {279, 374, 469});
        // The cells: each value inside its filled cell, the indices right-aligned like the device table's.
        for (const TTexteMesure& t : groupe.Textes)
        {
            if (t.Y < HauteurEnteteGroupe)
                continue;
            SCOPED_TRACE(t.Texte);
            const auto droite = std::upper_bound(Regles.begin(), Regles.end(), t.X);
            ASSERT_NE(droite, Regles.end());
            EXPECT_LE(t.X + t.Largeur, *droite);
        }
    }
}

TEST_F(TextesMesures, LeLambdaDeLaTacheDAiryNeMontePasSurLaLigneDuDessus)
{
    Construit(TTypeInstrument::Cassegrain);
    Edition.InstrumentDeveloppe = true;
    // The focal length the refresh finds by tracing, which the Airy radius needs.
    Instrument.FocaleObjectif = Instrument.FocaleResultante;
    TCanevasMesure fenetre(800, 800);
    ImagesFiche.Fenetre = &fenetre;
    Dessine();
    ImagesFiche.Fenetre = &Fenetre;
    const auto ligne = std::find_if(fenetre.Textes.begin(), fenetre.Textes.end(), [](const TTexteMesure& t) {
        return t.Texte.rfind("Rayon de la tache de diffraction", 0) == 0;
    });
    ASSERT_NE(ligne, fenetre.Textes.end());
    const auto lambda = std::find_if(ligne, fenetre.Textes.end(),
                                     [](const TTexteMesure& t) { return t.Texte == "l" && t.Police == "Symbol"; });
    ASSERT_NE(lambda, fenetre.Textes.end());
    // The boxes of the line above end where this line's cell begins: the letter leaves the cell's first row blank.
    EXPECT_GE(lambda->Y, ligne->Y);
    for (int x = lambda->X; x < lambda->X + lambda->Largeur; ++x)
        EXPECT_EQ(fenetre.Pixels(x, ligne->Y), clWhite) << x;
}
