// The configuration file "Quivane.ini": window geometry, the backup option and the recent files, 17 lines by position.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The screen's area that windows may take (panels excluded).
struct TEcran
{
    int Largeur = 0;
    int Hauteur = 0;
    int Gauche = 0;
    int Haut = 0;
};

// The main window as the configuration reads or writes it, frame included (the title bar and borders that the
// desktop adds); state 0 normal, 1 minimised, 2 maximised.
struct TGeometrieFenetre
{
    int EtatFenetre = 0;
    int Largeur = 0;
    int Hauteur = 0;
    int Gauche = 0;
    int Haut = 0;
};

// What the file asks of the window, each value already held within the screen. A value is present only when
// its line was read before any error; after an error the window takes the default geometry.
struct TConfigurationLue
{
    bool Erreur = false;
    std::optional<int> EtatFenetre;
    std::optional<int> Largeur;
    std::optional<int> Hauteur;
    std::optional<int> Gauche;
    std::optional<int> Haut;
};

// Reads the lines of the file; also sets Etat.EtatFenetreLu, LargeurVisible, HauteurVisible, CopieSauvegarde and
// the recent files as the lines give them.
TConfigurationLue LitConfiguration(const std::vector<std::string>& lignes, TEcran ecran);

// The 17 lines of the file for the window as it is now.
std::vector<std::string> LignesConfiguration(const TGeometrieFenetre& fenetre);

// The default window: normal state, 820 wide when the screen allows, as high as the screen allows up to 1050 (taller
// screens get 99 % of their height), 5 from the top; the left edge is kept. Also resets the remembered width and
// the sheet's and printing's defaults.
TGeometrieFenetre FenetreParDefaut(TEcran ecran, TGeometrieFenetre actuelle);

// The widths of the frame the desktop draws around a window.
struct TMargesCadre
{
    int Gauche = 0;
    int Haut = 0;
    int Droite = 0;
    int Bas = 0;
};

// The window's own area, without its frame, for a frame asked at `cadre`: the frame, title bar included, held within
// the screen's area, made smaller where it would not fit, so that it can always be seen and moved.
TGeometrieFenetre InterieurDansEcran(const TGeometrieFenetre& cadre, const TMargesCadre& marges, const TEcran& ecran);

// Reads Etat.CheminConfiguration; nothing when the file is missing or does not open.
std::optional<std::vector<std::string>> LitFichierConfiguration();

// Start-up: the geometry the window takes from the configuration file; a faulty file shows the read-error box and
// gives the default geometry over what was read before the fault, as does a missing file (without a message).
TGeometrieFenetre ConfigurationDemarrage(TEcran ecran, TGeometrieFenetre actuelle);

// Rewrites Etat.CheminConfiguration (a temporary file renamed over it); says so in a warning when it cannot.
void EcritConfiguration(const TGeometrieFenetre& fenetre);
