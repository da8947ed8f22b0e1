// The set-up the refresh runs for the current form while its block of the sheet is expanded.
#pragma once

// The form's design formulas (the secondary, the plate, the meniscus, the lens group) and the obstruction its traces
// take.
void PrepareForme();
