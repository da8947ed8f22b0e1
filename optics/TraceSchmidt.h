// The pass of the Schmidt camera and the Schmidt-Newton (and of a Schmidt-Cassegrain without
// secondary), with the corrector plate's profile.
#pragma once

// Profile of the plate for a unit coefficient at the distance h from the axis (mm), and its slope
// with the sign reversed. Both are 1 while the instrument is invalid, and 0 while the plate's glass
// or the mirror's radius leaves the profile undefined.
double FlecheLame(double h);
double PenteLame(double h);

void TraceSchmidt();
// The plate, the mirror and its edge without the camera's film holder or flat: the Schmidt-Cassegrain's
// secondary casts its own shadow and has its own edge, further on. False when the ray is lost or is a
// reference ray, which no edge stops.
bool TraceLameEtMiroir();
