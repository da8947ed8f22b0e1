// The two lists of the sheet: the instrument-type list that starts a new design, and the wavelength list laid over a
// header cell of a surface table, whose choice changes one spectral line and that channel's indices of the table.
#pragma once

#include "optics/Crochets.h"
#include "optics/Modele.h"

#include <string>
#include <vector>

// What the lists ask of the shell beyond the editing ports; the shell installs it at start-up.
struct TPortsListes
{
    // Asks whether to save a modified design, then starts an empty one.
    void (*CreeNouveauDocument)() = [] { CrochetAbsent("PortsListes.CreeNouveauDocument"); };
};

inline TPortsListes PortsListes;

// The instrument-type list's key of a text: letters A to Z lowered, every other character kept (accented ones too).
std::string MinusculesAZ(std::string texte);

// Resets the lens device and the lines, then recognises `NomInstrument` (already lower-cased) and gives the form its
// starting values. An unknown name leaves the type 0, or the type already there while a journal is replayed.
void AppliqueTypeInstrument();

// The type list's entry confirmed (Enter, or a click on the sheet): applies it, journals the form chosen (-1 with its
// name), or starts a new design when nothing matched and no journal is replayed; refreshes and opens the first value.
// True when a form was recognised.
bool ChoisitTypeInstrument(const std::string& texte);

// Entering the type list: the entry box is hidden and the frames closed.
void FicheComboBoxEnter();
// A character typed in the type list: the box hidden and the frames closed; Enter then chooses the list's text.
void FicheComboBoxKeyPress(char caractere, const std::string& texte);

// The wavelength list as the shell shows it: its entries, its text and its place on the page.
struct TListeLongueursOnde
{
    std::vector<std::string> Entrees;
    std::string Texte;
    int Gauche = 0;
    int Haut = 0;
    int Largeur = 0;
    int Hauteur = 12;
    std::string Conseil;
};

inline TListeLongueursOnde ListeLongueursOnde;

// A spectral line as the list writes it ("#0.#", the user's decimal mark); empty for no line.
std::string TexteLongueurOnde(TLongueurOnde ligne);

// The entries offered for a channel (1 red, 2 green, 3 blue) by the lines chosen: 0 for an empty entry, then the
// lines in order, red longer than green, blue shorter than green.
std::vector<TLongueurOnde> LignesOffertes(int canal, const TLongueursOnde& lignes);

// Fills and places the list after an opener (EtatSaisie.CodeSaisie 1001 to 1003 or 57 to 59 and its channel).
void PrepareListeLongueurOnde();

// The list's text taken as the line of the channel being edited, when it is one of the 23 lines (letter case
// ignored). A line that changes is handled as a chosen one (journal, modified flags, indices); the commit is left to
// the caller.
void AppliqueLongueurOnde();

// An entry chosen in the drop-down: the channel's new line (the empty entry chooses none), then the edited table's
// indices of that channel looked up in the catalogue by glass name, journaled with the table (1 the lens device, 2
// the lens group, 3 the plate glass) when the line or an index changed, and the commit.
void ChoisitLongueurOnde();

// The indices of a table at the channel's current line (1 red, 2 green, 3 blue), looked up in the catalogue by glass
// name; a glass the catalogue does not give gets index 0. When the catalogue cannot be read whole, the reading error
// is reported if asked. True when an index changed. The list's choice and the replay of its record share it.
bool RelitIndicesLigne(int canal, TTableEditee table, bool signaleErreur);

// Entering the wavelength list: its hint, also the status bar's text.
void FicheComboBoxLambdaEnter();
// A character typed in the wavelength list: Enter, "+" or ">" take its text and open the next field, "-" or "<" the
// previous one. True when handled; any other character is left to the list, where a wavelength can be typed.
bool FicheComboBoxLambdaKeyPress(char caractere);
