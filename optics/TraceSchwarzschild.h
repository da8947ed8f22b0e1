// The pass of the Schwarzschild telescope.
#pragma once

void TraceSchwarzschild();
