// What the drawing measures need before they run.
#pragma once

// The texts of the views are measured with fonts, which need the application object; without a display the offscreen
// platform serves. Made on first call, kept for the whole run.
void ApplicationHorsEcran();

// Newton D 200, F1 1000 as the test designs build it, with a 50 mm flat 150 mm before the focus and its obstruction.
void NewtonAvecPlan();
