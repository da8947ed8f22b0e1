// The question window as the program sees it: one modal box with a caption, up to three lines of text, an icon and
// one of three button sets, answering with the codes of the question window's buttons.
#pragma once

#include <cstdint>
#include <string>

// The answer of a question or message box, as held in `Reponse` and `BoutonInterrogation`.
using TReponse = std::int32_t;
constexpr TReponse ReponseOui = 6; // "&Oui" or "&Ok"
constexpr TReponse ReponseOk = 6;
constexpr TReponse ReponseNon = 7; // "&Non"
constexpr TReponse ReponseAnnuler = 2; // "Annuler"

enum class TIconeQuestion
{
    Aucune,
    Avertissement,
    Disque,
    Stop,
    Interrogation
};

enum class TBoutonsQuestion
{
    Ok, // "&Ok" alone
    OuiNon, // "&Oui" (or "&Ok") and "&Non"
    OuiNonAnnuler // "&Oui", "&Non" and "Annuler"
};

// One use of the window, configured anew each time. Largeur and Hauteur are the window's client size in pixels as
// the caller computed it from the caption (0: the window's own default); LibelleOk relabels the first button.
struct TQuestion
{
    std::string Titre{};
    std::string Ligne1{};
    std::string Ligne2{};
    std::string Ligne3{};
    TIconeQuestion Icone = TIconeQuestion::Aucune;
    TBoutonsQuestion Boutons = TBoutonsQuestion::Ok;
    std::string LibelleOk = "&Ok";
    int Largeur = 0;
    int Hauteur = 0;
    int LargeurTexte = 0; // the width Ligne1 wraps in; 0 for the box's width less 100
    // The line (1 to 3) that holds a file's path, 0 for none: the window shortens its folders to fit the line,
    // never the file's name.
    int LigneChemin = 0;
};

class IQuestion
{
public:
    virtual ~IQuestion() = default;
    // Shows the box modally and returns the button pressed: ReponseOk / ReponseOui, ReponseNon or ReponseAnnuler.
    virtual TReponse Pose(const TQuestion& question) = 0;
};
