// The lens shape frame "Forme de la lentille" of the surface tables: the lens of the current row and the next one
// shown as its power F (dioptres) and bending g (m^-1), changed by typing, by spin arrows on a step chosen by the
// digit clicked, and turned back into the two radii; and the buttons that make the surface plane or a stop. The
// frame "Forme du miroir" makes the Klevtsov's secondary flat. Every stored cell goes through its store routine and
// its record, so that undo, redo and recovery rebuild the shape.
#pragma once

#include <optional>
#include <string>

struct TFormeLentille
{
    double Puissance = 0; // F, dioptres
    double Cambrure = 0; // g, m^-1
};

// F and g of the lens of radii R1, R2 and thickness e (mm) in a glass of index n.
TFormeLentille FormeLentille(double r1, double r2, double e, double n);

struct TRayonsLentille
{
    double R1 = 0;
    double R2 = 0;
};

// The radii (mm; 1e20 for a curvature below 1e-7 m^-1) of the lens of power F and bending g, thickness t in
// metres; nothing when no lens of that thickness has them.
std::optional<TRayonsLentille> RayonsLentille(double puissance, double cambrure, double t, double n);

// A step made a power of ten, and the left of its marker under the digit it changes.
struct TPasNormalise
{
    float Pas = 1;
    int Repere = 0;
};
TPasNormalise NormalisePas(float pas, int largeurChiffre);

// The step chosen by a click x pixels from the left of the power's box (`cambrure` false) or the bending's; nothing
// where the click chooses none.
std::optional<float> PasDuChiffre(int x, bool cambrure);

// What the lens frame shows, and the values its conversion reads.
struct TCadreLentilleModele
{
    int Gauche = 0;
    int Haut = 0;
    bool CasesVisibles = false;
    std::string TextePhi;
    std::string TexteGamma;
    int ReperePhi = 0;
    int RepereGamma = 0;
    int LargeurChiffre = 6; // set by the shell from its font
    float PuissanceLentille = 0;
    float CambrureLentille = 0;
    float PuissanceAffichee = 0;
    float CambrureAffichee = 0;
    float IndiceLentille = 0;
};
inline TCadreLentilleModele CadreLentilleModele;

struct TCadreMiroirPlanModele
{
    int Gauche = 0;
    int Haut = 0;
};
inline TCadreMiroirPlanModele CadreMiroirPlanModele;

// The openers, on `Edition.LigneCourante`: the open entry committed; the device's frame does not open on a table of
// 30 rows, nor the group's on its 13th row, whose lens would need a row the table cannot hold.
void OuvreCadreLentille();
void OuvreCadreLentilleGroupe();

// Turns `PuissanceLentille` and `CambrureLentille` into the radii of the current lens (thickness made sufficient,
// the next gap kept clear); a geometric refusal shows its message and changes nothing. True when stored.
bool CalculeRayonsDispositif();
bool CalculeRayonsGroupe();

// Enter in the power's box (`cambrure` false) or the bending's with its text; Esc; a spin arrow; a digit click.
// Each returns nothing: the model's texts are what the boxes show.
void CadreLentilleEntree(bool cambrure, const std::string& texte, const std::string& autreTexte);
void CadreLentilleEchap(bool cambrure);
void CadreLentilleSpin(bool cambrure, bool monte, const std::string& texte, const std::string& autreTexte);
void CadreLentilleChiffre(bool cambrure, int x);
// "&OK" with both boxes' texts; "Dioptre &Plan"; "Diaphragme"; "X" and Esc.
void CadreLentilleBtnOKRdcClick(const std::string& textePhi, const std::string& texteGamma);
void CadreLentilleBtnDioptrePlanClick();
void CadreLentilleBtnDiaphragmeClick();
void FermeCadreLentille();

// The mirror frame under the Klevtsov's mirror row, and its "Dioptre &Plan": the secondary flat, journaled.
void OuvreCadreMiroirPlan();
void CadreMiroirPlanBtnMiroirPlanClick();
void FermeCadreMiroirPlan();
