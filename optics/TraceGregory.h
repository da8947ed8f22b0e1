// The pass of the Gregory telescope.
#pragma once

void TraceGregory();
