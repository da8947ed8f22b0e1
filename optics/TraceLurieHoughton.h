// The pass of the Lurie-Houghton telescope, and the first part of the Houghton-Cassegrain's.
#pragma once

void TraceLurieHoughton();
