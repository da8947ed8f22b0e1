// The pass of the Klevtsov-Cassegrain telescope.
#pragma once

void TraceKlevtsov();
