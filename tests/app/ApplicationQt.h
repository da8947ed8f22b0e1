// The one Qt application of the app tests, made on first use and kept to the end of the run.
#pragma once

void AssureApplicationQt();
