// The side section of the Maksutov camera and of the Maksutov-Newton: the aperture stop, the meniscus, the spherical
// primary, the edge rays through them, the focal surface inside the tube or the flat folding the beam to a side
// focus, the lens device with its own edge rays, the cut-beam and size warnings, and on the camera without device
// the image of a star off the axis with its distance in the box at the top right.
#pragma once

#include "platform/Canevas.h"

#include <string>

// The solver and the tracer of the section's own traces (the chief ray, the two edge rays) and of the device's edge
// rays; tests put scripted ones in their place.
struct TTraceursMaksutov
{
    void (*Prepare)() = nullptr;
    void (*Trace)() = nullptr;
};
inline TTraceursMaksutov TraceursMaksutov;

// The section on the drawing image, in the white band, and the face of the distance box when the star readout shows
// (skipped when the box has no image).
void DessineCoupeMaksutov(ICanevas& dessin, ICanevas* boiteDistance);
// The section printed in a band at the current print position, which then moves past it.
void ImprimeCoupeMaksutov(ICanevas& canevas);

// The star's distance as its boxes and printed lines show it (this section's and the single star's): fewer
// decimals as it grows, then the minute sign.
std::string TexteDistanceEtoile(double minutes);
