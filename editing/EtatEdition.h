// The in-place editor's state: the field being edited, its value when the box opened, the refusal marks, the frames
// and row images the editors show, and the model of the one floating entry box that a thin window shell mirrors.
// The message toggle is Systeme.MessageDejaAffiche (shared with the solver's afocal question), the primary focal
// length saved at opening is Instrument.AncienneFocalePrimaire, and the edited table and row are Edition.TableEditee
// and Edition.LigneCourante.
#pragma once

#include "editing/CodesJournal.h"
#include "optics/Modele.h"

#include <cstdint>
#include <string>

// The image the entry box is placed on; its position is in that image's pixels.
enum class TImageSaisie
{
    Fenetre, // the sheet
    TableauSchmidt, // the plate and meniscus table
    Grille, // the lens-device table
    TableauKlevtsov, // the lens-group table
    LigneMiroir, // the Klevtsov mirror row
    LigneSchmidt, // the plate-glass row
    BoxDistance // the off-axis distance box of the views
};

// What the window shell shows: one single-line box over the value being edited.
struct TBoiteSaisie
{
    bool Visible = false;
    bool Active = true;
    std::string Texte;
    int LongueurMax = 0; // a typing limit only: text the program sets is never cut
    TColor Couleur = 0xFFFFFF; // 0x00BBGGRR
    TImageSaisie Image = TImageSaisie::Fenetre;
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0;
    int Hauteur = 18;
    std::string Conseil; // the hint, also the status-bar text
    int ContexteAide = 0;
    bool Focus = false; // the box takes the keyboard focus when shown
    bool ToutSelectionne = false;
};

struct TEtatSaisie
{
    TCodeSaisie CodeSaisie = AucuneSaisie;
    TCodeSaisie CodeSaisieMemorise = AucuneSaisie; // the key handlers' copy, to move on after a commit
    TCodeSaisie CodeSaisieRefusee = AucuneSaisie; // refused field: the next-field routine reopens it, then clears it
    double ValeurAvantSaisie = 0; // numeric value when the box opened (rounded as displayed)
    std::string TexteAvantSaisie; // text fields: the stored text, trimmed, when the box opened
    std::string TexteLimiteSaisie; // the limit hint built by the opener
    bool SaisieSansFocus = false; // one-shot: the next diameter opening leaves the focus alone
    int CanalLongueurOnde = 0; // spectral line being chosen: 1 red, 2 green, 3 blue

    // Frames the editing rules read (the row highlights and the lists are the page's own controls).
    bool CadreDioptre = false;
    bool CadreLentille = false;
    bool CadreEpaisseur = false;
    bool CadreDiametre = false;
    bool CadreMiroirPlan = false;

    TBoiteSaisie Saisie;
};

inline TEtatSaisie EtatSaisie;
