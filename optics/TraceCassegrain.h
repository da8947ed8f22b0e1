// The pass of the Cassegrain, Ritchey-Chrétien and Dall-Kirkham telescopes.
#pragma once

void TraceCassegrain();
