// The eleven eyepiece designs as multiples of the focal length, and their placement in the lens device, in place of
// the device or behind it; the typed focal length, the journal record and its replay. No window here.
#pragma once

#include "optics/Crochets.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class TPlacementOculaire
{
    RemplaceDispositif, // rows from 1
    DerriereDispositif // rows after the device's
};

// One surface: radius, thickness to the next surface and diameter as multiples of the focal length (a stop, a plane
// and the infinite last thickness keep their special values), then the medium behind it: the name the row shows and
// the built-in glass whose indices it takes ("" for air).
struct TSurfaceOculaire
{
    double Rayon;
    double Epaisseur;
    double Diametre;
    const char* Matiere;
    const char* Verre;
};

struct TModeleOculaire
{
    const char* Nom; // as the record and the lowered list item name it
    std::span<const TSurfaceOculaire> Surfaces;
    // The first surface stands K focal lengths in front of the image; 0 for the designs that start with their field
    // stop at the image.
    double K;
    // The afocal search starts K focal lengths in front of the focus.
    bool DepartRechercheAvance;
    std::int32_t RayonChampAfocal; // degrees
    std::int32_t PasEtoileMultipleAfocal; // degrees
    const char* Titre;
};

// The design of that name (the list's item lowered), nothing for any other name.
const TModeleOculaire* ModeleOculaire(std::string_view nom);
// The eleven designs in the list's order.
std::span<const TModeleOculaire> ModelesOculaires();

// The focal length typed in the dialog, rounded to 0.1 mm (a half to the even tenth). Nothing, silently, for a text
// that is not a number or a negative length; nothing after the message "Cette distance focale est trop courte." for
// a length that rounds below 0.1 mm.
std::optional<float> FocaleOculaireSaisie(const std::string& texte);

// Puts the design `nom` of focal length `focale` into the lens device. Behind the device, a design too long for the
// table, one that needs free air behind a device ending in glass, or one whose first surface would stand in front
// of the device's last surface is refused with its message; an unknown name is refused silently. A refusal changes
// nothing and appends no record. Otherwise the rows are written (the device reset first when the eyepiece replaces
// it, or when a design with a distance in front of the image has no device to follow), with the afocal field and
// star step of the design and its title, the design marked modified, and the record -22 appended (none while a
// replay runs). True when the eyepiece was written.
bool InsereOculaire(const std::string& nom, float focale, TPlacementOculaire placement);

// The record's value: the focal length "000.00", a blank, the design's name ("025.00 plössl").
std::string TexteEnregistrementOculaire(float focale, const std::string& nom);
// The replay of record -22 from its index and value alone; a value that does not name a design and a focal length
// the dialog accepts builds nothing.
void RejoueOculaire(std::int32_t index, const std::string& valeur);

// What the dialog offers for the device as it stands: placing behind only a valid device with a finite last
// thickness, replacing only a device that is there.
enum class TEtatDispositifOculaire
{
    Aucun,
    Present,
    ValideFocal
};
TEtatDispositifOculaire EtatDispositifOculaire();

// The dialog's answer: the list's text, the focal length's text and the button that closed it.
struct TChoixOculaire
{
    std::string Oculaire;
    std::string Focale;
    TPlacementOculaire Placement = TPlacementOculaire::RemplaceDispositif;
};

// The eyepiece dialog as the command reaches it, installed at start-up.
struct TPortsOculaire
{
    std::optional<TChoixOculaire> (*Montre)(TEtatDispositifOculaire etat) = [](TEtatDispositifOculaire) {
        CrochetAbsent("PortsOculaire.Montre");
        return std::optional<TChoixOculaire>();
    };
};

inline TPortsOculaire PortsOculaire;
