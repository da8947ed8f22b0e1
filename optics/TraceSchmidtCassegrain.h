// The pass of the Schmidt-Cassegrain telescope.
#pragma once

void TraceSchmidtCassegrain();
