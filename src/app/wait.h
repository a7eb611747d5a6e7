#pragma once
#include <cstdint>

// Waits at least `ms` milliseconds while window events keep being handled, so
// timers and clicks run inside the caller. Code that calls it must tolerate
// being re-entered from those events.
void WaitMs(int32_t ms);
