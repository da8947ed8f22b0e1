// Clicks on the design sheet and its small widgets: the value boxes and the two toggles of the sheet image, the
// plate-profile, curved-field and rays buttons, the off-axis distance box and the plate coefficient box. The main
// window converts its mouse events (in pixels of the widget) and calls these.
#pragma once

#include "editing/OuvreSaisie.h"
#include "optics/Crochets.h"

#include <optional>
#include <string>

// What the sheet's clicks ask of the shell beyond the editing ports.
struct TPortsClicsFiche
{
    // The type list's text, while the list is shown on a blank sheet.
    std::string (*TexteListeTypes)() = [] {
        CrochetAbsent("PortsClicsFiche.TexteListeTypes");
        return std::string();
    };
    // Makes "Tableau" the current view (a form was just chosen).
    void (*AfficheVueTableau)() = [] { CrochetAbsent("PortsClicsFiche.AfficheVueTableau"); };
    // The lens-device view's arrow step (whole units).
    int (*PasDistanceDispositif)() = [] {
        CrochetAbsent("PortsClicsFiche.PasDistanceDispositif");
        return 1;
    };
    // Before the star distance changes: the single star forgets its last traced distance's message, and takes the
    // present distance as the last one known to work.
    void (*PrepareDistanceEtoile)() = [] { CrochetAbsent("PortsClicsFiche.PrepareDistanceEtoile"); };
};

inline TPortsClicsFiche PortsClicsFiche;

// The sheet value under a point of the sheet image for the current form, by the form's rules in their order: only
// the values its sheet shows (the expanded ones while the block is expanded), never one the form has no field for.
std::optional<TValeurFiche> ValeurSousClic(int x, int y);

// The entry box made ready for an instrument value, before its opener: shown white, 18 pixels high, the row
// highlight hidden.
void PrepareSaisieFiche();

// A click released on the sheet image.
void FicheFenetreMouseUp(int x, int y);
// A click on the page around its images: the highlights hidden and the frames closed; on a blank sheet the type
// list's text chosen as on the sheet image; otherwise the entry box hidden and committed.
void FormClick();

// The plate-profile button: the next profile (the Schmidt-Cassegrain skips "no profile"), the Schmidt camera's plate
// distance with it, journaled.
void FicheBoutonLameClick();
void FicheBoutonChampCourbeClick();
void FicheBoutonRayonsClick();
// The Maksutov-Cassegrain's check box "Secondaire métallisé sur la lame", ticked or not by the user: the variant
// stored and journaled. Offered only while no main value is entered, so nothing typed is lost with the variant.
void FicheCheckBox1Click(bool coche);

// The Maksutov's largest star distance, in arc minutes: the fully illuminated field seen from the primary, widened
// by the meniscus's nearness; nothing when the primary has no focal length.
std::optional<float> LimiteMaksutov();

// The off-axis distance box (50 x 17): the value on the left opens its entry, the arrows on the right step it.
void FicheBoxDistanceMouseDown(int x, int y);
void FicheBoxDistanceMouseUp(int x, int y);

// The plate coefficient box (55 x 17), the same with steps of 0.001.
void FicheCaseArlMouseDown(int x, int y);
void FicheCaseArlMouseUp(int x, int y);
