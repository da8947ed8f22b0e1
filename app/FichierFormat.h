// The fixed texts of a design file shared by its writer and its reader: the header, the section titles of the
// forms and of the lens device, the names given to a form read from a file; colours are written as the journal
// writes them (platform/Couleurs.h).
#pragma once

#include "optics/Modele.h"
#include "platform/Couleurs.h"

#include <string>
#include <vector>

inline constexpr const char* TitreSectionDispositif = "[Dispositif dioptrique]";
inline constexpr const char* TitreGroupeKlevtsov = "[Groupe réfracto-réflecteur de Klevtsov]";
inline constexpr const char* TitreGroupeHoughton = "[Groupe correcteur de Houghton]";

// "<Quivane 3.3.0>" for the program's own version.
std::string LigneEnTeteFichier();

// The bracketed title of the form's section; empty for no form.
std::string TitreSection(TTypeInstrument type);

// The display name a form takes when it is read from a file (three of them differ from the type list's).
std::string NomInstrumentLu(TTypeInstrument type);

// The group header line of the forms that have one (120, 130, 140), else empty.
std::string TitreGroupe(TTypeInstrument type);

// One entry of a form's section, in file order: a real field with its digit pattern, or one of the fixed shapes.
enum class TGenreChamp
{
    Reel, // a double field of the instrument
    ReelSimple, // a 32-bit field, written from its 32-bit value
    Profil, // the plate profile, an integer 0 to 3
    LigneChamp, // "ChampCourbe" or "ChampPlan"
    Variante, // the Maksutov-Cassegrain's "True" (secondary on the meniscus) or "False"
    VerreLame, // the three indices and the name of lens-group row 1
    EnTeteGroupe, // the group header line of the form
    BlocGroupe // the lens-group count and its rows
};

struct TChampFichier
{
    TGenreChamp Genre;
    double TInstrument::*Reel = nullptr;
    float TInstrument::*Simple = nullptr;
    const char* Motif = "#0.#";
};

// The entries after the section title of a form; the Maksutov-Cassegrain's depend on its variant line.
std::vector<TChampFichier> ChampsInstrument(TTypeInstrument type, bool secondaireSurMenisque);
