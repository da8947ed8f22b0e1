// Keeps the tracer at full speed whatever code ran before it.
#pragma once

// Drawing code built for AVX (the painting and text routines of the window) can return with the upper halves of the
// vector registers still in use. On x86-64 processors every SSE instruction run after that pays a transition or
// false-dependency penalty until the halves are cleared, which halved the tracer's speed right after a view drew its
// texts. Each trace entry clears them first. The clearing instruction exists only on processors with AVX, so a
// build that may run without AVX asks the processor once; elsewhere this does nothing. No register value changes, so
// the traced results are the same whether the clearing ran or not.
void LibereRegistresVectoriels();
