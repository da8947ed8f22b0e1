// The pass of the Houghton-Cassegrain telescope.
#pragma once

void TraceHoughtonCassegrain();
