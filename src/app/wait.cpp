#include "app/wait.h"

#include "platform/scheduler.h"

#include <algorithm>

void WaitMs(int32_t ms) {
    // The clock is read once; events are handled (at least once) until the
    // clock has passed the target.
    host::Scheduler& s = host::sched();
    s.sleepUntil(s.now() + static_cast<uint64_t>(std::max<int32_t>(0, ms)));
}
