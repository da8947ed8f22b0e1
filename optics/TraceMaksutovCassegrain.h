// The pass of the Maksutov-Cassegrain telescope.
#pragma once

void TraceMaksutovCassegrain();
