// The pass of the Maksutov and Maksutov-Newton telescopes, and the first part of the
// Maksutov-Cassegrain's.
#pragma once

void TraceMaksutov();
