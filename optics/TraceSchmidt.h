// The pass of the Schmidt camera and the Schmidt-Newton (and of a Schmidt-Cassegrain without
// secondary), with the corrector plate's profile.
#pragma once

// Profile of the plate for a unit coefficient at the distance h from the axis (mm), and its slope
// with the sign reversed. Both are 1 while the instrument is invalid, and 0 while the plate's glass
// or the mirror's radius leaves the profile undefined.
double FlecheLame(double h);
double PenteLame(double h);

void TraceSchmidt();
