// The page's drawing state shared by the sheet, its blocks, the printed report and the editors: the images the sheet
// paints on, the layout of the line being painted, the value boxes the editors hit-test, the controls the sheet
// shows or moves, and the document names the title reads.
#pragma once

#include "platform/Canevas.h"

#include <array>
#include <string>

// The hit rectangle of an editable value, in pixels of the image it is painted on. An empty box never holds a point.
struct TCase
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// A click counts when strictly inside on all four sides.
constexpr bool EstDansCase(const TCase& c, int x, int y)
{
    return c.Left < x && x < c.Right && c.Top < y && y < c.Bottom;
}

// The slots of CaseValeur; a slot means the same value in every form.
enum TNumeroCase : int
{
    CaseDiametreEntree = 0,
    CaseDiametreMiroir = 1,
    CaseFocalePrimaire = 2,
    CaseRayonCourburePrimaire = 3,
    CaseRayonMenisque1 = 4,
    CaseRayonMenisque2 = 5,
    CaseDiametreMenisque = 6,
    CaseFocaleResultante = 7,
    CaseCoefficientDeformationPrimaire = 8,
    CaseDiametreSecondaire = 9,
    CaseDegagementFoyer = 10,
    CaseEpaisseurPrimaire = 11,
    CaseEpaisseurSecondaire = 12,
    CaseEpaisseurLame = 13,
    CaseDistanceLameMiroir = 14,
    CaseDistanceDiaphragmeMiroir = 15,
    CaseDiametreTrouCentral = 16,
    CaseCoefficientDeformationLame = 17,
    CaseCoefficientDeformationSecondaire = 18,
    CaseCoefficientDeformationSecondaire2 = 19,
    CaseCoefficientK = 20
};
inline constexpr int NombreCasesValeur = 21;

// The wavelength cells of the red, green and blue columns: lens-device table, lens-group table, plate table.
inline constexpr std::array<TCase, 3> CasesLongueurOndeGrille = {
    {{279, 25, 336, 43}, {374, 25, 432, 43}, {469, 25, 527, 43}}};
inline constexpr std::array<TCase, 3> CasesLongueurOndeGroupe = {
    {{279, 36, 336, 54}, {374, 36, 432, 54}, {469, 36, 527, 54}}};
inline constexpr std::array<TCase, 3> CasesLongueurOndeLame = {
    {{335, 15, 391, 32}, {430, 15, 487, 32}, {525, 15, 582, 32}}};

// The layout of the sheet (pixels) or of the printed page (printer dots) while it is painted.
struct TMiseEnPage
{
    std::string TexteCourant;
    int LargeurTitre = 800;
    int HauteurTitre = 24;
    int OrdonneePremiereLigne = 28;
    int OrdonneeCourante = 0;
    int AbscisseCourante = 0;
    int AbscisseFinElement = 0;
    int LargeurDisponible = 0;
    int OrdonneeDispositif = 0;
    int OrdonneeTexte = 0;
    std::string TexteLongueurOnde;
    int NombreLignesHoughton = 2; // rows of the Houghton corrector table, set by its block

    TCase CaseBasculeInstrument;
    TCase CaseTitreDispositif;
    TCase CaseBasculeDispositif;
    // Emptied at each full repaint of the sheet, so that only the boxes of the values painted can be hit.
    std::array<TCase, NombreCasesValeur> CaseValeur{};
};
inline TMiseEnPage MiseEnPage;

// A control of the page that the sheet shows, hides or moves; the main window applies these after each refresh.
struct TControle
{
    bool Visible = false;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct TControlesFiche
{
    TControle ComboBox{false, 0, 0, 145, 21}; // the instrument-type list, while no type is chosen
    // The wavelength list over a table's header cell; its entries and place are the editor's (ListeLongueursOnde).
    TControle ComboBoxLambda;
    TControle CheckBox1{false, 0, 0, 230, 17}; // "Secondaire métallisé sur la lame"
    bool CheckBox1Active = false;
    TControle BoutonLame;
    TControle BoutonChampCourbe;
    TControle BoutonRayons;
    TControle BoxDistance;
    TControle LabelDistanceAxe;
    TControle LabelOcculte;
    TControle LabelUnites;
    TControle CaseArl{false, 0, 0, 55, 17};
    TControle CaseZf;
    TControle EpaisseurOff;
    TControle TableauSchmidt{false, 0, 0, 762, 48};
    TControle TableauKlevtsov;
    TControle Ligne{false, 0, 0, 762, 17};
    TControle LigneMiroir;
    TControle LigneMiroirActive{false, 0, 0, 762, 17};
    TControle LigneSchmidt{false, 0, 0, 449, 17};
    TControle Grille{true, 20, 0, 762, 49};
    TControle Dessin{false, 20, 0, 762, 550};
    // The pressed images of the tables' drop-down and spin buttons.
    TControle AppuiDeroule{false, 0, 0, 17, 17};
    TControle AppuiDeroulePlus{false, 0, 0, 17, 17};
    TControle Spinup{false, 0, 0, 13, 9};
    TControle SpinDown{false, 0, 0, 13, 9};
    int LargeurFenetre = 800; // the sheet image
};
inline TControlesFiche Controles;

// The images of the page the sheet paints on, installed by the main window (or a test). A missing image is skipped.
struct TImagesFiche
{
    ICanevas* Fenetre = nullptr;
    ICanevas* Grille = nullptr;
    ICanevas* Ligne = nullptr;
    ICanevas* LigneMiroirActive = nullptr;
    ICanevas* LigneSchmidt = nullptr;
    ICanevas* TableauSchmidt = nullptr;
    ICanevas* CaseArl = nullptr;
};
inline TImagesFiche ImagesFiche;

// What the title and the printed headers read of the document, kept up to date by the central refresh.
struct TDocumentFiche
{
    std::string NomEnregistrement; // the name Save as proposes; empty for a new design
    std::string CheminDocument; // the file the design was read from or saved to
    std::string DateDuJour; // the date the report carries, taken at start-up
    int LargeurVisible = 800; // width of the page area shown
};
inline TDocumentFiche DocumentFiche;

// The help context of the main window, of the sheet and of the edit box.
inline int ContexteAide = 0;
inline void FixeContexteAide(int contexte)
{
    ContexteAide = contexte;
}

// The file name after the last "/" or "\", and the same without the extension ".qvd", ".bak" or ".tmp" (the sheet
// cannot reach the shell's file helpers, which sit above it).
std::string NomFichierSansDossier(const std::string& chemin);
std::string NomFichierSansExtension(const std::string& chemin);
