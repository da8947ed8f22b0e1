// The thickness and diameter frames of the surface tables: under the highlighted row of the lens device or of the
// lens group they show the lens that starts at the current row (its edge and total thickness) and offer the minimum
// thickness, an infinite last thickness, the position window, the largest diameter the thickness allows, the optimum
// diameter for the traced rays and the previous row's diameter. Each change goes through the cell store routines and
// is journaled so that undo, redo and recovery rebuild it.
#pragma once

#include "optics/Crochets.h"
#include "optics/Modele.h"

#include <optional>
#include <string>

// The lens of rows i and i + 1: front radius and diameter, back radius and diameter, thickness (mm).
struct TLentilleLignes
{
    double R1 = 0;
    double R2 = 0;
    double D1 = 0;
    double D2 = 0;
    double E = 0;
};

struct TEpaisseursLentille
{
    double Bord = 0;
    double Totale = 0;
};

// The thickness at the lens's edge and over its vertices, from the sags of both faces.
TEpaisseursLentille EpaisseursLentille(const TLentilleLignes& lentille);

// The diameter search stops after this many 0.01 mm steps, whatever the radii.
inline constexpr int PasDiametreMaximalMaximum = 1000000;

// The largest diameter, in 0.01 mm steps from D1 then rounded to 0.1 mm, at which both faces still leave the
// thickness e between them; D1 itself when e is 0.
double DiametreMaximal(const TLentilleLignes& lentille, bool air);

// What the thickness frame shows: its place, which buttons it offers and answer, the focused one, its two labels.
enum class TFocusCadre
{
    Infini,
    EpaisseurMinimale,
    Ok,
    DiametreMaximal,
    DiametrePrecedent,
    DiametreOptimum
};

struct TCadreEpaisseurModele
{
    int Gauche = 0;
    int Haut = 0;
    bool InfiniVisible = true; // also "Po&sition du dispositif": the lens device only
    bool InfiniActif = false;
    bool EpaisseurMinimaleActive = false;
    bool LabelsVisibles = false;
    std::string LabelBord;
    std::string LabelTotale;
    TFocusCadre Focus = TFocusCadre::Ok;
};
inline TCadreEpaisseurModele CadreEpaisseurModele;

struct TCadreDiametreModele
{
    int Gauche = 0;
    int Haut = 0;
    bool OptimumVisible = true; // the lens device only
    bool MaximalActif = false;
    bool PrecedentActif = false;
    TFocusCadre Focus = TFocusCadre::Ok;
};
inline TCadreDiametreModele CadreDiametreModele;

// What the frames ask of the shell: the position window, and the device's diameters optimised for the view's
// distance without a record (the refusal's message shown; nothing when it refuses).
struct TPortsCadres
{
    void (*AfficheFormePosition)() = [] { CrochetAbsent("PortsCadres.AfficheFormePosition"); };
    std::optional<double> (*DiametreOptimise)(int ligne) = [](int) {
        CrochetAbsent("PortsCadres.DiametreOptimise");
        return std::optional<double>{};
    };
};
inline TPortsCadres PortsCadres;

// The openers, on `Edition.LigneCourante`: the open entry committed, the frame placed under the highlighted row (or
// the Klevtsov's mirror row) and its buttons set.
void OuvreCadreEpaisseur();
void OuvreCadreEpaisseurGroupe();
void OuvreCadreDiametre();
void OuvreCadreDiametreGroupe();

// The buttons of the thickness frame.
void CadreEpaisseurBtnEpMiniClick();
void CadreEpaisseurBtnInfiniClick();
void CadreEpaisseurBtnPositionClick();
// "&OK", "X" and Esc: the frame hidden.
void FermeCadreEpaisseur();

// The buttons of the diameter frame.
void CadreDiametreBtnDiaMaxClick();
void CadreDiametreBtnDiaOptClick();
void CadreDiametreBtnDiaprecClick();
void FermeCadreDiametre();
